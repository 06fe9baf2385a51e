// src/maps/spiritdata.cpp -- the spirits' records in the map's data pool (see spiritdata.h).
#include "maps/spiritdata.h"

#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/datafunc.h"
#include "core/magicknow.h"
#include "core/player.h"
#include "core/tehtavat.h"
#include "core/tekstit.h"
#include "maps/mapunit.h"
#include "core/worldservices.h"

enum {
    MEET_GAP_NEVER = 100,
    TASK_SPIRITS = 11, TASK_FOREST_SPIRIT = 49,
    SKULL_DAYS_QUIET = 2, SKULL_MOOD_FLOOR = -25,
};

static int clamp_mood(int m) { return m < SPIRIT_MOOD_MIN ? SPIRIT_MOOD_MIN : m > SPIRIT_MOOD_MAX ? SPIRIT_MOOD_MAX : m; }

const char *spirit_words(const char *key, const char *a, const char *b) {
    char pattern[MSGBUF_SIZE];
    copy_bounded(pattern, sizeof pattern, MSG(key));
    char *out = sbuf();
    size_t o = 0;
    const char *fill[2] = {a, b};
    int next = 0;
    for (const char *p = pattern; *p && o + 1 < SBUF_SIZE; p++) {
        if (p[0] == '%' && p[1] == 's' && next < 2 && fill[next]) {
            for (const char *f = fill[next++]; *f && o + 1 < SBUF_SIZE; f++) out[o++] = *f;
            p++;
            continue;
        }
        out[o++] = *p;
    }
    out[o] = 0;
    return out;
}

// ---- records ------------------------------------------------------------------------------------

// The pool position of spirit n's record nearest to the player (the first wins a tie); -1 none.
static int nearest_record(int n) {
    int best = -1, bestd = 1 << 30;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_SPIRIT || d.id != (uint32_t)n) continue;
        const int dist = koordinaattien_vali(PlayerX, PlayerY, d.x, d.y);
        if (dist < bestd) bestd = dist, best = i;
    }
    return best;
}

// A new record goes into the never-used record after the last one in use: the walks of the pool that
// stop at the first never-used record see what they saw before.
void set_SpiritData(int n, const DataStruct &record) {
    if (bigmap()) return;
    int last = -1;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type == DT_SPIRIT && d.id == (uint32_t)n && d.x == record.x && d.y == record.y) {
            d = record;
            return;
        }
        if (d.type != DT_UNUSED) last = i;
    }
    const int free = last + 1;
    // A full pool keeps every record it has: the spirit simply reads neutral next time.
    if (free >= DATA_MAX) return;
    Data[free] = record;
    mark_filled(free);
}

DataStruct SpiritDataInit(int x, int y, int n) {
    DataStruct d;
    memset(&d, 0, sizeof d);
    d.type = DT_SPIRIT;
    d.x = (uint16_t)x;
    d.y = (uint16_t)y;
    d.id = (uint32_t)n;
    return d;
}

// The nearest record of n, or a fresh one at x, y.
static DataStruct record_or_fresh(int x, int y, int n) {
    const int i = nearest_record(n);
    return i >= 0 ? Data[i] : SpiritDataInit(x, y, n);
}

int spirit_mood_skull(int mood, int days) {
    if (days < SKULL_DAYS_QUIET) return mood;
    const int m = mood - 2 * days;
    return m < SKULL_MOOD_FLOOR ? SKULL_MOOD_FLOOR : m;
}

int get_SpiritData_mood(int x, int y, int n) {
    if (bigmap()) return 0;
    int mood = 0;
    const int i = nearest_record(n);
    if (i >= 0) mood = Data[i].owner;
    else set_SpiritData(n, SpiritDataInit(x, y, n));
    const int days = bearmagic_SkullDays();   // -1 when no skull waits for its pine
    if (n == SPIRIT_OF_FOREST && days >= 0) mood = spirit_mood_skull(mood, days);
    return mood;
}

void set_SpiritData_mood(int x, int y, int n, int change) {
    DataStruct d = record_or_fresh(x, y, n);
    d.owner = (int16_t)clamp_mood(d.owner + change);
    set_SpiritData(n, d);
    Plr.spirit_contacts++;
    if (change >= 1) {
        world_services.course_task_check(TASK_SPIRITS);
        if (n == SPIRIT_OF_FOREST) world_services.course_task_check(TASK_FOREST_SPIRIT);
    }
    if (n == SPIRIT_OF_FOREST) Plr.forest_spirit = clamp_mood(Plr.forest_spirit + change);
    if (n == SPIRIT_WATER_FOLK) Plr.water_spirit = clamp_mood(Plr.water_spirit + change);
}

void set_SpiritData_meetday(int x, int y, int n, int day) {
    DataStruct d = record_or_fresh(x, y, n);
    d.day = (uint16_t)day;
    set_SpiritData(n, d);
}

void set_SpiritData_attract(int x, int y, int n) {
    DataStruct d = record_or_fresh(x, y, n);
    d.spent_minutes = Plr.minutes;
    d.extra = 1;
    set_SpiritData(n, d);
}

int get_SpiritData_attractmingap(int, int, int n) {
    const int i = nearest_record(n);
    if (i < 0 || !Data[i].extra) return 0;
    const long gap = labs((long)Plr.minutes - (long)Data[i].spent_minutes);
    return gap < 1 ? 1 : (int)gap;
}

// A record made by a mood or a call, before any meeting, holds day 0: the spirit has not met her yet.
int get_SpiritData_meetgap(int n) {
    const int i = nearest_record(n);
    if (i < 0 || Data[i].day == 0) return MEET_GAP_NEVER;
    return abs((int)Data[i].day - (int)Plr.daynumber);
}

void supernatural_modify(int who, int change) {
    if (who == 0 || who == 1) Plr.forest_spirit += change;
    if (who == 0 || who == 2) Plr.water_spirit += change;
}

// ---- looks and words ----------------------------------------------------------------------------

// A mood with the player's own standing toward the spirit, as the spirit feels it.
static int felt_mood(int x, int y, int n) {
    int m = get_SpiritData_mood(x, y, n);
    if (n == SPIRIT_OF_FOREST) m += Plr.forest_spirit / 2;
    if (n == SPIRIT_WATER_FOLK) m += Plr.water_spirit / 2;
    return (int16_t)m;
}

const char *txtdesc_HaltijaIlme(int x, int y, int n) {
    static char word[64];
    const char *key = "SPIRIT_LOOK_FLIRTY";
    if (n != SPIRIT_FOREST_MAID) {
        const int m = felt_mood(x, y, n);
        key = "SPIRIT_LOOK_CALM";
        if (m < -10) key = "SPIRIT_LOOK_UPSET";
        if (m < -25) key = "SPIRIT_LOOK_ANGRY";
        if (m < -50) key = "SPIRIT_LOOK_GLOOMY";
        if (m < -75) key = "SPIRIT_LOOK_FURIOUS";
        if (m > 10) key = "SPIRIT_LOOK_GENTLE";
        if (m > 25) key = "SPIRIT_LOOK_PLEASED";
        if (m > 50) key = "SPIRIT_LOOK_APPRECIATIVE";
        if (m > 75) key = "SPIRIT_LOOK_FRIENDLY";
    }
    copy_bounded(word, sizeof word, MSG(key));
    return word;
}
