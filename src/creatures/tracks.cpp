// src/creatures/tracks.cpp -- the tracks creatures leave on the local map (see tracks.h).
#include "creatures/tracks.h"

#include <cmath>
#include <cstring>

#include "base/ownlib.h"
#include "core/creatures.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/player.h"
#include "core/records.h"
#include "core/weather.h"
#include "creatures/cremove.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/skills.h"
#include "maps/area.h"
#include "maps/directions.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/water.h"
#include "maps/zoomstore.h"

uint8_t FORCE_PATHMAKE;

enum { CH_TRAMPLED = 237 };

// How many minutes a creature's tracks are dated back (a creature that came to the map before it).
static int track_age_offset(int n) {
    if (!ask_valid(n)) return 0;
    return cre_spare(Cre[n], SPARE_TRACKAGE) | cre_spare(Cre[n], SPARE_TRACKAGE + 1) << 8;
}

static bool valid_record(int n) { return n >= 0 && n < DATA_MAX; }

// ---- the tracks of the local area by square ------------------------------------------------------
// A creature's step asks whether its square already holds a track. The answer is kept by square for
// the game minute: only this module makes tracks, so a square without one stays without until it
// leaves one; a remembered record is checked before it is used, and looked up afresh when it went.
// What is remembered only saves looking: the answers are those of the pool itself.

enum { SIDE = AREA_MAX - AREA_MIN + 1 };

static struct {
    bool valid = false;
    uint32_t minute = 0;
    uint32_t wx = 0, wy = 0;
    uint32_t limit_minute = 0;     // minute + 1 of the last limit check
    int free_from = 0;             // no free record below this one since the limit check
    int32_t at[SIDE * SIDE];       // record + 1 of the highest track on the square; 0 none
    // a bit per square whose slot may be set: a clear bit answers "none" without reaching into the
    // much larger slots
    uint64_t maybe[(SIDE * SIDE + 63) / 64];
    int32_t touched[DATA_MAX];
    int ntouched = 0;
} by_square;

static bool in_area(int x, int y) { return x >= AREA_MIN && x <= AREA_MAX && y >= AREA_MIN && y <= AREA_MAX; }
static int square_of(int x, int y) { return (y - AREA_MIN) * SIDE + (x - AREA_MIN); }

void tracks_forget() {
    for (int k = 0; k < by_square.ntouched; k++) {
        const int sq = by_square.touched[k];
        by_square.at[sq] = 0;
        by_square.maybe[sq >> 6] = 0;
    }
    by_square.ntouched = 0;
    by_square.valid = false;
    by_square.free_from = 0;
}

static void remember(int x, int y, int record) {
    if (!in_area(x, y)) return;
    const int sq = square_of(x, y);
    int32_t &slot = by_square.at[sq];
    if (slot == 0) {
        if (by_square.ntouched >= DATA_MAX) {   // too many to clear one by one: learnt afresh next time
            by_square.valid = false;
            return;
        }
        by_square.touched[by_square.ntouched++] = sq;
        by_square.maybe[sq >> 6] |= 1ull << (sq & 63);
    }
    if (record + 1 > slot) slot = record + 1;
}

static void rebuild_by_square() {
    tracks_forget();
    by_square.valid = true;
    by_square.minute = Plr.minutes;
    by_square.wx = Plr.world_x;
    by_square.wy = Plr.world_y;
    // Past the bound of a running walk of the pool lie only free places; four places are passed over
    // together while none holds a track.
    const int end = pool_scan_end();
    auto track = [](int i) { return int(Data[i].type == DT_TRACKS); };
    int i = 0;
    for (; i + 4 <= end; i += 4) {
        if (!(track(i) | track(i + 1) | track(i + 2) | track(i + 3))) continue;
        for (int k = i; k < i + 4; k++)
            if (track(k)) remember(Data[k].x, Data[k].y, k);
    }
    for (; i < end; i++)
        if (track(i)) remember(Data[i].x, Data[i].y, i);
}

// The highest track record on x, y of the local area, -1 none.
static int track_at(int x, int y) {
    if (!in_area(x, y)) return get_datatype(DT_TRACKS, x, y);
    if (!by_square.valid || by_square.minute != Plr.minutes || by_square.wx != Plr.world_x || by_square.wy != Plr.world_y)
        rebuild_by_square();
    const int sq = square_of(x, y);
    if (!(by_square.maybe[sq >> 6] & (1ull << (sq & 63)))) return -1;
    int32_t &slot = by_square.at[sq];
    if (slot == 0) return -1;
    const int r = slot - 1;
    if (Data[r].type == DT_TRACKS && Data[r].x == x && Data[r].y == y) return r;
    slot = 0;
    const int again = get_datatype(DT_TRACKS, x, y);
    if (again >= 0) remember(x, y, again);
    return again;
}

// Stores DTEMP as a new record in the first free place, as the pool places new records. The pool's
// limit check of the local map runs with the first new track of each minute, not with every one: it
// only ever frees tracks and the like when the map holds too much, and a turn of many steps would
// count the pool over and over. -1000 when the pool is full.
static int store_new_track() {
    if (by_square.limit_minute != Plr.minutes + 1) {
        by_square.limit_minute = Plr.minutes + 1;
        chkdplimit(DTEMP.x, DTEMP.y);
        by_square.free_from = 0;
    }
    // Within the minute the records below the last one placed stay taken (a record freed meanwhile is
    // found again from the next minute on), so each search goes on from there.
    int pos = -1;
    for (int i = by_square.free_from; i <= DATA_DTEMP_SCAN_LAST && pos < 0; i++)
        if (Data[i].type == DT_UNUSED || Data[i].type == DT_FREED) pos = i;
    by_square.free_from = pos < 0 ? DATA_DTEMP_SCAN_LAST + 1 : pos + 1;
    if (pos < 0) {
        pos = SetDTEMP(-1);   // the pool's own placing, which tidies a full pool
        if (pos < 0) return -1000;
    } else {
        Data[pos] = DTEMP;
        mark_filled(pos);
    }
    remember(DTEMP.x, DTEMP.y, pos);
    return pos;
}

// ---- leaving tracks -----------------------------------------------------------------------------

// The player's TRACKING level; a player without the skill has none. Every creature's step asks it:
// the skill's slot is looked up again only when her skill names have changed since the last ask, and
// the level is read from the slot each time.
static int tracking_level() {
    static char names[PLR_SKILLS][PLR_SKILLNAME];
    static int slot = -2;   // -2 not looked up yet
    if (WIZARD_randomsuccess != 0) {
        const int t = Skill_ML(CRE_PLAYER, "TRACKING");
        return t == 1000 ? 0 : t;
    }
    if (slot == -2 || memcmp(names, Plr.skill_name, sizeof names) != 0) {
        memcpy(names, Plr.skill_name, sizeof names);
        slot = findskillpos("TRACKING");
    }
    return slot >= 0 ? Plr.skill_level[slot] : 0;
}

// The weight of a creature template, 0 for a species that names none.
static float template_weight(uint32_t species) {
    return species < (uint32_t)CONSTANTCRE_COUNT ? ConstantCre[species].weight : 0.0f;
}
static bool template_human(uint32_t species) {
    return species < (uint32_t)CONSTANTCRE_COUNT && ConstantCre[species].kind == CK_HUMAN;
}

int onko_maasto_jalkikelpoinen(int x, int y, unsigned char mapchar, const CreatureStruct &creature) {
    const int c = mapchar ? mapchar : get_mapchar(x, y);
    const int S = snow_thickness_mapwise(x, y) / 10;
    if (terrain_flag(c, TF_WATER)) {
        if (ice_thickness_true(x, y) == 0) return -100;
    } else if (!terrain_flag(c, TF_OPEN)) {
        return -100;
    }
    if (terrain_flag(c, TF_ROOFED)) return -100;
    // the world cell of the square, worked out once for the soil's mire and the village below
    const int world = bigmap();
    const int wx = world ? x : (int)Plr.world_x + find_zoom_x(x, 0);
    const int wy = world ? y : (int)Plr.world_y + find_zoom_y(y, 0);
    if (S <= 0) {
        int soil = MAAPERA(pintakartta_value(x, y));   // maapera_arvo's answer
        if (soil == 0 && !world && terrain_flag(get_alltime_maailmachar(wx, wy), TF_MIRE)) soil = 64;
        if (soil == 1 || soil == 2 || c == CH_PATH || c == CH_TRAMPLED) return -100;
    }
    if (!world && BRANCH_PATHMAKE == 0 && on_kyla(wx, wy, 1)) return -100;
    int base;
    if (S > 0) {
        base = 2 * S < 70 ? 2 * S : 70;
    } else {
        switch (PINTA(pintakartta_value(x, y))) {
        case 1: base = random(3) - 7; break;
        case 2: base = random(3) - 5; break;
        default: base = random(5) - 30; break;
        }
    }
    const int V = creature.weight > 0.0f ? (int)std::ceil(creature.weight / 2.0f) : 0;
    int strength = V + random(V);
    if (strength > 50) strength = 50;
    strength += base;
    return strength > 95 ? 95 : strength;
}

// The marks of a track: running, limping, size, hiding in cover.
static int16_t track_marks(int c, const CreatureStruct &cr, int T, int G, int R, bool hiding) {
    int marks = 0;
    if (is_running(c)) {
        marks |= TRACK_RUNNING;
        if (G <= 14) marks |= TRACK_RUN_HIDDEN;
    }
    if (hiding) marks |= TRACK_IN_COVER;
    if (INVASUHDE_liikuntaelimet(c) >= 0.35f && T > 24 && R <= 2) marks |= TRACK_LIMPING;
    if (cr.kind != CK_HUMAN) {
        if (cr.speciesweight > 0.0f && T > 9) {
            if (cr.sexage & 2) marks |= TRACK_SMALL;
            else if (cr.weight <= 0.8f * cr.speciesweight) marks |= TRACK_SMALL;
            else if (cr.weight >= 1.2f * cr.speciesweight) marks |= TRACK_BIG;
        }
    } else if (onko_NPC_lapsi(c)) {
        marks |= TRACK_SMALL;
    }
    return (int16_t)marks;
}

// The new track meets the highest one already on its square. Every pass counts on the square, so
// that a trodden way wears into a path.
static void merge_track(int old, int species_human) {
    DataStruct &o = Data[old];
    const bool taken_over = template_weight(DTEMP.id) >= 0.9f * template_weight(o.id) ||
                            (int)Plr.daynumber - (int)o.day > 2;
    const bool same = DTEMP.id == o.id || (species_human && template_human(o.id)) || FORCE_PATHMAKE;
    const unsigned passes = o.count + 1u < (unsigned)TRACK_PASSES_MAX ? o.count + 1u : (unsigned)TRACK_PASSES_MAX;
    if (same || taken_over) {
        if (FORCE_PATHMAKE || passes >= (unsigned)TRACK_PATH_PASSES) {
            if (Tee_Polku(o.x, o.y, DTEMP.id, old)) return;
        }
        DTEMP.flags = (uint8_t)(DTEMP.flags | (same ? TRACK_NUMEROUS : TRACK_MIXED));
        DTEMP.count = (uint16_t)passes;
        DTEMP.day = (uint16_t)Plr.daynumber;
        o = DTEMP;
        return;
    }
    o.extra = DTEMP.extra;
    o.count = (uint16_t)passes;
    if (passes >= (unsigned)TRACK_PATH_PASSES) Tee_Polku(o.x, o.y, o.id, old);
}

void tee_zoomjalki(int c, int x, int y, int toX, int toY) {
    if (c < 0 || c >= CRE_COUNT) return;
    const CreatureStruct &cr = Cre[c];
    if (cr.kind == CK_NONE || cr.kind == CK_SPIRIT) return;
    if (!follows_nobody(c) && come_along(c, 0) != 0 && NPCn_omistajan_sotu(c) == CRE_NONE) return;
    int T = tracking_level();
    const uint32_t offset = (uint32_t)track_age_offset(c);
    const uint32_t stamp = offset && offset < Plr.minutes ? Plr.minutes - offset : offset ? 0 : Plr.minutes;
    int G = onko_maasto_jalkikelpoinen(x, y, 0, cr);
    if (G < 0) return;
    const bool hiding = (cr.stateflags & 0x80) != 0;
    if (hiding) {
        if (T <= 69) T += 30;
        if (G <= 49) G += 10 + random(10);
    }
    int chance = (T + G) / 2;
    if (chance > 100) chance = 100;
    const int R = SuccessRoll(0, chance);
    if (R == 0) return;
    bool unnoticed = false;
    if (R == 1) {
        if (SuccessRoll(0, chance) < 2) return;
        unnoticed = true;
    }
    ClearDTEMP();
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.type = DT_TRACKS;
    DTEMP.count = 1;
    DTEMP.flags = (uint8_t)((suunta_jostain_johonkin(x, y, toX, toY) & TRACK_DIR) | (unnoticed ? TRACK_UNNOTICED : 0));
    DTEMP.day = (uint16_t)Plr.daynumber;
    DTEMP.ready_minute = cr.socialid;
    DTEMP.spent_minutes = stamp;
    DTEMP.extra = (uint8_t)G;
    DTEMP.id = cr.speciescode;
    DTEMP.owner = track_marks(c, cr, T, G, R, hiding);
    const int old = track_at(x, y);
    if (old < 0) store_new_track();
    else merge_track(old, cr.kind == CK_HUMAN);
}

int Tee_Polku(int x, int y, unsigned, int record) {
    if (on_talvi() || BRANCH_PATHMAKE == 0) return 0;
    set_mapchar(x, y, CH_PATH);
    if (valid_record(record) && Data[record].type == DT_TRACKS) CrunchData(record);
    return 1;
}
