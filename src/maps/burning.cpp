// The burning check: the fuel a square holds, its kindling, and the fire consuming it.
#include "maps/burning.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/rooms.h"

static bool has(const char *text, const char *part) { return strstr(text, part) != nullptr; }

// The fuel value of one stack, and whether it burns at all.
static float stack_fuel(const ItemStruct &it, int count, bool &flammable) {
    char name[41], skill[28];
    item_name(it, name);
    memcpy(skill, it.skill, sizeof it.skill);
    skill[sizeof it.skill] = 0;
    const float cw = (float)count * it.weight;
    const uint32_t m = it.material;
    float v = 0;
    flammable = false;
    if (it.type == IT_FOOD || (it.type >= IT_CONTAINER && it.type <= IT_SKIN)) {
        flammable = true;
        v = cw * 0.5f;
    }
    if (it.id == OID_FEATHER) flammable = true;
    if (it.type == IT_WEAPON && !has(skill, "SWORD") && !has(skill, "DAGGER") && !has(skill, "KNIFE") &&
        !has(skill, "AXE") && !has(name, "Rock")) {
        flammable = true;
        v += cw;
    }
    if (it.type == IT_TIMBER || has(name, "Wooden") || (m & MAT_WOOD)) {
        flammable = true;
        v += 2 * cw;
    }
    if (has(name, "Bark") || has(name, "irch") || (m & MAT_BARK)) {
        flammable = true;
        v += 2 * cw;
    }
    if (has(name, "Linen ") || has(name, "Nettle ") || has(name, "Woollen ") || (m & (MAT_CLOTH | MAT_WOOL))) {
        flammable = true;
        v += 2 * cw;
    }
    if (has(name, "Fur ") || has(name, "Leather ") || (m & (MAT_LEATHER | MAT_FUR))) {
        flammable = true;
        v += 1.5f * cw;
    }
    if (it.id == OID_STONE || it.id == OID_SHOVEL_TOOL || (m & (MAT_IRON | MAT_BRONZE | MAT_SILVER))) flammable = false;
    if ((m & MAT_ROCK) || has(name, "Pot")) flammable = false;
    return v;
}

// The square of a record as one word: its column and row as they lie at the head of the record.
static_assert(offsetof(DataStruct, x) == 0 && offsetof(DataStruct, y) == 2, "the square heads a record");
static inline uint32_t square_word(const DataStruct &d) {
    uint32_t w;
    memcpy(&w, &d, sizeof w);
    return w;
}

// The first record from i on before `end` whose square is the word `key`, DATA_MAX when none: four
// records are looked at together, as a fire's square holds few of the thousands in the pool.
static int next_on_square(int i, uint32_t key, int end) {
    for (; i + 4 <= end; i += 4) {
        const int any = int(square_word(Data[i]) == key) | int(square_word(Data[i + 1]) == key) |
                        int(square_word(Data[i + 2]) == key) | int(square_word(Data[i + 3]) == key);
        if (any) break;
    }
    for (; i < end; i++)
        if (square_word(Data[i]) == key) return i;
    return DATA_MAX;
}

// The records the last check met on its square, in pool order, for a check of the same square that
// follows with nothing in the pool changed in between.
static struct {
    uint32_t key = 0;
    bool whole = false;   // every record met is listed
    int n = 0;
    int pos[64];
} last_met;

static int check_square(int x, int y, int burn, const char *text, bool again) {
    float fuel = 0;
    int fuel_units = 0, kindling = 0;
    // no record lies on a square off the range of a record's column and row
    const bool on_map = (unsigned)x <= 0xFFFFu && (unsigned)y <= 0xFFFFu;
    DataStruct probe{};
    probe.x = (uint16_t)x;
    probe.y = (uint16_t)y;
    const uint32_t key = square_word(probe);
    // Past the bound of a running walk lie only free places, which hold nothing that burns (the check
    // itself only frees records).
    const int bound = pool_end_bound();
    const int end = bound < 0 ? DATA_MAX : bound;
    auto take = [&](int i) {
        DataStruct &d = Data[i];
        if (burn && (d.type == DT_PLANT || d.type == DT_TRACKS || d.type == DT_HERB_A || d.type == DT_HERB_B ||
                     d.type == DT_FIRE_REMAINS || d.type == DT_COUNTED)) {
            CrunchData(i);
            return;
        }
        if (d.type != DT_ITEM || d.spent_minutes != 0) return;
        ItemStruct it;
        ObjToItem(it, (int)d.id);
        bool flammable;
        const float v = stack_fuel(it, d.count, flammable);
        if (!flammable) return;
        fuel += v;
        fuel_units += d.count;
        char name[41];
        if (it.weight <= 1.0f || has(item_name(it, name), "irewood") || (it.material & MAT_BARK)) kindling += d.count;
        if (burn) CrunchData(i);
    };
    if (again && on_map && last_met.whole && last_met.key == key) {
        // the same records as the last time, less any it freed
        for (int k = 0; k < last_met.n; k++)
            if (square_word(Data[last_met.pos[k]]) == key) take(last_met.pos[k]);
    } else {
        last_met.key = key;
        last_met.whole = on_map;
        last_met.n = 0;
        for (int i = on_map ? next_on_square(0, key, end) : DATA_MAX; i < DATA_MAX; i = next_on_square(i + 1, key, end)) {
            if (last_met.n < (int)(sizeof last_met.pos / sizeof last_met.pos[0])) last_met.pos[last_met.n++] = i;
            else last_met.whole = false;
            take(i);
        }
    }
    if (text && has(text, "[light]")) {
        if (kindling == 0) return -2;
        if (kindling > 2) return 1;
        return fuel_units > kindling ? -1 : 0;
    }
    if (burn && fuel >= 10.0f) Tyhjenna_PINTA(x, y);
    return (int)std::ceil(fuel);
}

int PolttoTarkistus(int x, int y, int burn, const char *text) { return check_square(x, y, burn, text, false); }

int PolttoTarkistus_again(int x, int y, int burn, const char *text) { return check_square(x, y, burn, text, true); }

// ---- fire sites ---------------------------------------------------------------------------------

static bool valid_site(int n) { return n >= 0 && n < DATA_MAX; }

int firesite_last_diemins(int n) {
    if (!valid_site(n)) return 0;
    return (int)(Plr.minutes - Data[n].ready_minute);
}

int firesite_total_burnmins(int n) {
    if (!valid_site(n)) return 0;
    const DataStruct &d = Data[n];
    if (d.type == DT_FIRE) {
        int earlier = (int)d.id - (int)d.count;
        if (earlier < 0) earlier = 0;
        return earlier + (int)(Plr.minutes - d.spent_minutes);
    }
    if (d.type == DT_FIRE_REMAINS) return (int)d.id;
    return 0;
}

int RemainsHeat(int x, int y) {
    int n = get_datatype(DT_FIRE_REMAINS, x, y);
    if (n < 0) return 0;
    int since = firesite_last_diemins(n);
    if (since <= 0) return 0;
    int h = Data[n].count / since;
    return h > 100 ? 100 : h;
}

static int clampi(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

int lampoarvo(int x, int y, int mode) {
    int c = get_mapchar(x, y);
    bool fireplace = onkotulisija(c);
    if (fireplace && mode == 1) return 0;
    int fire = get_datatype(DT_FIRE, x, y);
    int remains = fire < 0 ? get_datatype(DT_FIRE_REMAINS, x, y) : -1;
    if (fire < 0 && remains < 0) return 0;
    int b = 0, p = 0, last_burn = 0, since = 0, h = 0;
    if (fire >= 0) {
        b = (int)(Plr.minutes - Data[fire].spent_minutes);
        p = (int)(Data[fire].ready_minute - Data[fire].spent_minutes);
    } else {
        last_burn = Data[remains].count;
        since = firesite_last_diemins(remains);
        h = RemainsHeat(x, y);
    }
    int heat;
    if (!fireplace) {
        heat = fire >= 0 ? clampi(p, 30, 90) : (h < 60 ? h : 60);
    } else if (fire < 0) {
        heat = clampi(last_burn / 3 - since / 6, 0, 70);
    } else {
        heat = clampi(b / 3, 15, 80);
        if (b < 60 && heat < Data[fire].flags) heat = Data[fire].flags;
        if (c == 4 && heat < 50 && p >= 61) heat = 50;
    }
    return heat;
}

int ota_lampoarvo(int x, int y, int mode) {
    int c = get_mapchar(x, y);
    bool fireplace = onkotulisija(c);
    if (mode == 1 && fireplace) return 0;
    bool fire = get_datatype(DT_FIRE, x, y) >= 0;
    bool remains = get_datatype(DT_FIRE_REMAINS, x, y) >= 0;
    if (fire && fireplace) return remains ? 60 : 70;
    if (!remains) return fire ? 80 : 0;
    return fireplace ? 60 : 10;
}

float Mittaa_Lampotila(int x, int y) {
    bool in_room = onkohuone(x, y) != 0;
    float total = in_room ? (float)TILA_huonelampo : Plr.air_temperature;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            int sx = x + dx, sy = y + dy;
            bool here = in_room ? onkohuoneessa_koordinaatti(x, y, sx, sy) != 0 : onkohuone(sx, sy) != 0;
            if (here != in_room) continue;
            int heat = lampoarvo(sx, sy, 0);
            if (heat == 0) continue;
            float add = (float)heat;
            if (in_room) add = (float)(int)((add + total) * 0.5f);
            int dist = abs(dx) > abs(dy) ? abs(dx) : abs(dy);
            if (dist > 0) add /= (float)dist;
            total += add;
        }
    return total;
}
