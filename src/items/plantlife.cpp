// src/items/plantlife.cpp -- plant records and their year. A plant record of the data pool points
// to a plant definition; the daily growth wakes it in its sprouting month, ripens it, lets it flower,
// withers it after its withering month and sends it back to rest. The notes and item-list lines of a
// patch, the grazing rule of the animals and the soil frost of the last two weeks live here too.
#include "items/plantlife.h"

#include <cstring>

#include "items/herbarium.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/weatherengine.h"
#include "items/items.h"

enum {
    DAY_MAX = 0xffff,          // the record's day words are 16 bits
    GROWTH_DAYS_MAX = 255,     // the growth-day count reads as an unsigned byte
    FROST_DAYS = 14,           // the days whose mean temperature tells the soil frost
};

// ---- the record and its definition --------------------------------------------------------------

static DataStruct *plant_record(int n) {
    if (n < 0 || n >= DATA_MAX) return nullptr;
    DataStruct &d = Data[n];
    return d.type == DT_PLANT || d.type == DT_PLANT_DORMANT || d.type == DT_PLANT_PICKED ? &d : nullptr;
}

// The plant a record points to: a definition row, or the stored copy a patch gets once she knows its
// species; none when the object is out of both tables or holds no plant any more (a record is never
// read against row 0 or a stranger's row).
static const ItemStruct *plant_def(uint32_t id) {
    const ItemStruct *it = id >= 1 && id < (uint32_t)CONSTANTOBJ_ROWS ? &ConstantObj[id]
                           : id >= (uint32_t)OBJ_PLAYER_FIRST && id <= (uint32_t)OBJ_PLAYER_LAST
                               ? &PlayerObj[id - OBJ_PLAYER_FIRST]
                               : nullptr;
    if (!it || (it->type != IT_PLANT && it->type != IT_FOOD) || !it->name[0]) return nullptr;
    return it;
}
static const ItemStruct *plant_def(const DataStruct &d) { return plant_def(d.id); }

static int sprout_month(const ItemStruct &p) { return p.fig[4]; }
static int wither_month(const ItemStruct &p) { return p.fig[5]; }
static int mature_days(const ItemStruct &p) { return p.fig[3]; }
static int flowering_weeks(const ItemStruct &p) { return p.state & 7; }

static long today() { return (long)Plr.daynumber; }
static uint16_t day_word(long day) { return (uint16_t)(day < 0 ? 0L : day > (long)DAY_MAX ? (long)DAY_MAX : day); }

static int wither_value(const DataStruct &d) { return d.extra & 15; }
static void set_wither_value(DataStruct &d, int v) { d.extra = (uint8_t)((d.extra & 0xf0) | (v & 15)); }

static void make_dormant(DataStruct &d) {
    d.type = DT_PLANT_DORMANT;
    d.flags = PLANT_GROWING;
    set_wither_value(d, 0);
}

// ---- withering and the states ----------------------------------------------------------------------

void Kuihduta_Kasvia(int n, int amount) {
    DataStruct *d = plant_record(n);
    if (!d || d->type != DT_PLANT) return;
    int v = wither_value(*d) + amount;
    if (v < 0) v = 0;
    if (v > PLANT_WITHER_MAX - 1) {
        d->type = DT_PLANT_PICKED;
        d->flags = PLANT_WITHERED;
        d->ready_day = day_word(today() + 10 + random(15));
        v = PLANT_WITHER_MAX;
    }
    set_wither_value(*d, v);
}

int onko_KASVI_kuihtunut(int n) {
    const DataStruct *d = plant_record(n);
    return d && (d->flags == PLANT_WITHERED || wither_value(*d) > PLANT_WITHER_MAX - 1) ? 1 : 0;
}

int onko_KASVI_korjuukypsa(int n) {
    const DataStruct *d = plant_record(n);
    return d && d->flags != 0 ? 1 : 0;
}

int KASVIDATA_kuihtumisarvo(int n) {
    const DataStruct *d = plant_record(n);
    return d ? wither_value(*d) : 0;
}

int KASVIDATA_kasvupaivat(int n) {
    const DataStruct *d = plant_record(n);
    if (!d) return 0;
    long days = 0;
    if (d->day != 0) {
        days = today() >= d->day ? today() - d->day : 0;
    } else {
        const ItemStruct *p = plant_def(*d);
        if (!p) return 0;
        const int since = Plr.month - sprout_month(*p);
        days = since < 0 ? 0 : 30L * since + Plr.day;
    }
    return days > (long)GROWTH_DAYS_MAX ? (int)GROWTH_DAYS_MAX : (int)days;
}

// ---- the daily growth ------------------------------------------------------------------------------

// One day of a living plant; S and W its sprouting and withering months.
static void grow_living(int n, DataStruct &d, const ItemStruct &p, int m, int S, int W) {
    if (m > W || (m == W && Plr.day > 15)) Kuihduta_Kasvia(n, 1);
    if (d.type != DT_PLANT) return;
    if (m > W || m < S) {
        // A sown plant within 29 days of its sprouting day keeps growing out of season.
        const long off = d.day ? today() - d.day : 0;
        if (d.day == 0 || S <= m || off > 29 || off < -29) {
            make_dormant(d);
            return;
        }
    }
    const long mature = mature_days(p);
    if (d.ready_day == 0) {
        const long r = (long)(S - m) * 30 + mature + today();
        if (r < 0) d.flags = PLANT_RIPE;
        else d.ready_day = day_word(r + random(2) + random((int)(mature / 10)));
    }
    if (d.ready_day != 0 && d.ready_day <= today()) d.flags = PLANT_RIPE;
    const int weeks = flowering_weeks(p);
    if (weeks && d.flags == PLANT_RIPE && today() <= (long)d.ready_day + 7 * weeks) d.flags = PLANT_FLOWERING;
}

static void wake(DataStruct &d, int m, int S, int W) {
    if (m < S || m >= W) return;
    if (m == S && Plr.day <= random(15)) return;
    d.type = DT_PLANT;
    d.flags = PLANT_GROWING;
    d.ready_day = 0;
    d.day = 0;
    d.extra = 0;
}

static void sink(DataStruct &d, int m, int S, int W) {
    if (m == W - 1) return;
    if ((long)d.ready_day < today() || m < S || m > W + 1) make_dormant(d);
}

void VegetationGrowth() {
    const int m = Plr.month;
    for (int n = 0; n < DATA_MAX; n++) {
        DataStruct &d = Data[n];
        if (d.type != DT_PLANT && d.type != DT_PLANT_DORMANT && d.type != DT_PLANT_PICKED) continue;
        const ItemStruct *p = plant_def(d);
        if (!p) continue;
        const int S = sprout_month(*p), W = wither_month(*p);
        if (d.type == DT_PLANT) grow_living(n, d, *p, m, S, W);
        if (d.type == DT_PLANT_DORMANT) wake(d, m, S, W);
        else if (d.type == DT_PLANT_PICKED) sink(d, m, S, W);
    }
}

// ---- what the player is told ------------------------------------------------------------------------

// The plant of the record is one the herbarium holds but the player has not identified.
static bool unidentified(const ItemStruct &p) {
    const int row = KasvioPos(p);
    return row >= 0 && row < HERBARIUM_ROWS && HerbloreKasvio[row].mark > 1;
}

static void append(char *out, size_t size, const char *text) {
    const size_t used = strlen(out);
    if (used + 1 < size) copy_bounded(out + used, size - used, text);
}

void KASVIDATA_harvestinfo(int n) {
    const DataStruct *d = plant_record(n);
    const ItemStruct *p = d ? plant_def(*d) : nullptr;
    if (!p || unidentified(*p)) return;
    TARGET_ITEM = (int)d->id;
    TARGET_NUM = d->count;
    char text[MSGBUF_SIZE] = "";
    if (d->type == DT_PLANT) {
        if (d->flags == PLANT_GROWING && d->ready_day != 0) {
            const long left = (long)d->ready_day - today();
            TARGET_PREPDAYS = left < 0 ? 0 : (int)left;
            copy_bounded(vMSG_var, sizeof vMSG_var, TIMESPAN_days(TARGET_PREPDAYS));
            append(text, sizeof text, MSG("HARVEST_TIME"));
            append(text, sizeof text, " ");
        }
        const int v = wither_value(*d);
        if (!onko_KASVI_kuihtunut(n) && v > 0) {
            TARGET_NUM = PLANT_WITHER_MAX - v;
            append(text, sizeof text, MSG("WITHER_TIME"));
        }
    }
    size_t len = strlen(text);
    while (len > 0 && text[len - 1] == ' ') text[--len] = 0;
    if (text[0]) Note(text);
}

const char *KASVIDATA_infostr(int n) {
    const DataStruct *d = plant_record(n);
    const ItemStruct *p = d ? plant_def(*d) : nullptr;
    if (!p || d->type == DT_PLANT_DORMANT) return "";
    if (d->day != 0 && today() < d->day) return "";   // sown, not yet come up
    TARGET_ITEM = (int)d->id;
    TARGET_NUM = d->count;
    const char *status = "";
    if (d->type == DT_PLANT_PICKED)
        status = d->flags == PLANT_WITHERED || onko_KASVI_kuihtunut(n) ? "withered" : "picked";
    else if (d->flags == PLANT_GROWING)
        status = "growing";
    else if (d->flags == PLANT_FLOWERING)
        status = "flowering";
    copy_bounded(vMSG_status, sizeof vMSG_status, status);
    const bool single = p->id == OID_BERRY || p->id == OID_MUSHROOM;
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, MSG(single ? "FLORA_INFO_SINGLE" : "FLORA_INFO_PATCH"));
    return out;
}

// ---- grazing and the soil ------------------------------------------------------------------------------

int plant_grazed_by(uint32_t obj) {
    const ItemStruct *p = plant_def(obj);
    if (!p) return GRAZED_BY_NONE;
    if (p->id == OID_GRASS) return GRAZED_BY_ALL;
    if (p->id == OID_POD || p->id == OID_ROOT) return GRAZED_BY_SIGNED;
    return GRAZED_BY_NONE;
}

int dp_laidunnettavissa(int n, int size) {
    if (n < 0 || n >= DATA_MAX || Data[n].type != DT_PLANT) return 0;
    const int by = plant_grazed_by(Data[n].id);
    return by == GRAZED_BY_ALL || (by == GRAZED_BY_SIGNED && size < 0) ? 1 : 0;
}

int maapera_roudassa(int tell) {
    const int last = dayofyear(Plr.day, Plr.month);
    int first = last - (FROST_DAYS - 1);
    if (first < 1) first = 1;
    const int t = weatherengine.get_summary(0, first, last > first ? last : first + 1).first;
    const int frost = t < 0 ? 1 : t <= 3 ? 2 : 0;
    if (tell && frost == 1) Note(MSG("SOIL_FROZEN"));
    if (tell && frost == 2) Note(MSG("SOIL_FROSTY"));
    return frost;
}
