// src/activities/tracking.cpp -- tracks and tracking: the tracks creatures leave as they move, how
// they merge on a square and wear it into a path, reading them with the TRACKING skill on the local
// map and on the world map, and their ageing.
#include "activities/tracking.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "activities/actions.h"
#include "activities/skills.h"
#include "activities/worklinks.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/cremove.h"
#include "creatures/people.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/directions.h"
#include "maps/facing.h"
#include "maps/mapdraw.h"
#include "maps/mapload.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/zoomstore.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "worldgen/worldgen.h"

int LastTrackingX, LastTrackingY;
uint8_t FORCE_PATHMAKE;

enum { CH_TRAMPLED = 237, TASK_TRACKS_READ = 25 };
// The window of a stored local map searched from the world map: the middle of the cell, bounded the
// same way in x and in y.
enum { WORLD_SEARCH_LO = 18, WORLD_SEARCH_HI = 46, WORLD_FRESH_MINUTES = 61 };

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

// ---- reading tracks ---------------------------------------------------------------------------------

const char *Jalkien_Tuoreus(unsigned stamp) {
    const unsigned age = Plr.minutes > stamp ? Plr.minutes - stamp : 0;
    if (age < 15) return "very fresh";
    if (age < 30) return "fresh";
    const unsigned hours = age / 60;
    if (hours == 0) return "quite fresh";
    if (hours < 3) return "an hour old";
    if (hours < 5) return "some hours old";
    if (hours < 13) return "half a day old";
    const unsigned days = hours / 24;
    if (days < 2) return "day old";
    if (days < 4) return "few days old";
    return "old";
}

int Tutki_Datajaljet(int, int, DataStruct track) {
    const int mode = PlayerX == LastTrackingX && PlayerY == LastTrackingY ? LEARN_NONE : LEARN_NORMAL;
    Kayta_Taitoa(0, 0, "TRACKING", mode);
    LastTrackingX = PlayerX;
    LastTrackingY = PlayerY;

    char kind[40] = "";
    if (track.owner & TRACK_LIMPING) copy_bounded(kind, sizeof kind, "limping ");
    else if ((track.owner & TRACK_RUNNING) && !(track.owner & TRACK_RUN_HIDDEN)) copy_bounded(kind, sizeof kind, "running ");
    bprintf(kind + strlen(kind), sizeof kind - strlen(kind), "tracks");

    char who[80];
    if (track.id == 0 || track.id >= (uint32_t)CONSTANTCRE_COUNT) {
        copy_bounded(who, sizeof who, "unknown");
    } else {
        const char *size = (track.owner & TRACK_BIG) ? "big " : (track.owner & TRACK_SMALL) ? "small " : "";
        const CreatureStruct &t = ConstantCre[track.id];
        char species[sizeof t.species + 1];
        memcpy(species, t.species, sizeof t.species);
        species[sizeof t.species] = 0;
        bprintf(who, sizeof who, "%s%s", size, t.kind == CK_HUMAN ? "human" : StrLwr(species));
    }
    char line[300];
    int n = snprintf(line, sizeof line, "You notice here %s %s %s", Jalkien_Tuoreus(track.spent_minutes), who, kind);
    if (n < 0) n = 0;
    if (n >= (int)sizeof line) n = (int)sizeof line - 1;
    if (track.flags & TRACK_NUMEROUS) snprintf(line + n, sizeof line - (size_t)n, " %s.", "which are numerous and mixed");
    else if (track.flags & TRACK_MIXED) snprintf(line + n, sizeof line - (size_t)n, " %s.", "mixed with some other unclear tracks");
    else snprintf(line + n, sizeof line - (size_t)n, " leading to %s.", Ilmansuunta[track.flags & TRACK_DIR]);
    Note(line);

    DebugNotef("Jaljen vahvuus: %d", track.extra);
    DebugNotef("Age in days: %u", (Plr.minutes > track.spent_minutes ? Plr.minutes - track.spent_minutes : 0) / 1440);
    DebugNotef("Jaljen COUNT: %d", track.count);
    Tarkista_Suoritus(TASK_TRACKS_READ);
    return 1;
}

int Tutki_Jaljet(int x, int y, int report) {
    if (report && avovesi(x, y)) {
        Note(MSG(vesisyvyys(x, y) < 3 ? "TRACKING_GOOF_SHALLOW" : "TRACKING_GOOF_DEEP"));
        return 0;
    }
    const int here = get_datatype(DT_TRACKS, x, y);
    if (here >= 0 && !(Data[here].flags & TRACK_UNNOTICED)) return Tutki_Datajaljet(x, y, Data[here]);

    bool found_here = false, found_near = false;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_TRACKS || !(d.flags & TRACK_UNNOTICED)) continue;
        if (koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) > 1 || !See(d.x, d.y)) continue;
        d.flags = (uint8_t)(d.flags & ~TRACK_UNNOTICED);
        if (d.x == PlayerX && d.y == PlayerY) found_here = true;
        else found_near = true;
    }
    if (found_here) {
        DrawMap();
        Note(MSG("TRACKS_FOUND"));
    }
    if (here >= 0) {
        Tutki_Datajaljet(x, y, Data[here]);
        if (found_near) {
            DrawMap();
            Note(MSG("TRACKS_FOUND_NEARBY"));
        }
        if (found_here || found_near) Kayta_Taitoa(0, 0, "TRACKING", LEARN_TWELVE);
        return 1;
    }
    if (found_near) {
        DrawMap();
        Note(MSG("TRACKS_FOUND_NEARBY"));
        Kayta_Taitoa(0, 0, "TRACKING", LEARN_TWELVE);
        return 1;
    }
    if (found_here) Kayta_Taitoa(0, 0, "TRACKING", LEARN_TWELVE);
    else if (report) Note(MSG("TRACKS_NOT_FOUND"));
    return 0;
}

int PlrSeeTrackDATA(int record) {
    if (!valid_record(record)) return 0;
    const DataStruct &d = Data[record];
    return d.type == DT_TRACKS && !(d.flags & TRACK_UNNOTICED) && koordinaattien_vali(PlayerX, PlayerY, d.x, d.y) <= 5;
}

// ---- the world map ------------------------------------------------------------------------------

// The freshest track in the middle of the stored local map now in Zoom; -1 none.
static int freshest_stored_track() {
    int best = -1;
    for (int i = 0; i < ZOOM_RECORDS; i++) {
        const DataStruct &d = Zoom.data[i];
        if (d.type != DT_TRACKS) continue;
        if (d.x < WORLD_SEARCH_LO || d.x > WORLD_SEARCH_HI || d.y < WORLD_SEARCH_LO || d.y > WORLD_SEARCH_HI) continue;
        if (best < 0 || d.spent_minutes > Zoom.data[best].spent_minutes) best = i;
    }
    return best;
}

void Tracking_IsoKartta(int mode) {
    if (!bigmap()) return;
    const bool water = worldmap_avovesi(PlayerX, PlayerY) != 0;
    if (water && mode == 0) {
        Note(MSG("TRACKING_GOOF_DEEP"));
        return;
    }
    if (!water && mode == 0) {
        Note("You walk around a little looking for tracks...");
        if (!basicspend(5, "TRACKING")) return;
        surroundings(1);
        Siirra_Zoomympariston_Tapahtumat();
    }
    const int wx = IsoX(), wy = IsoY();
    int found = -1;
    if (ZoomMapPos(wx, wy) && load_zoommap(wx, wy)) found = freshest_stored_track();
    if (found < 0) {
        if (mode == 0) Note(MSG("TRACKS_NOT_FOUND"));
        return;
    }
    const DataStruct track = Zoom.data[found];
    const uint32_t age = Plr.minutes > track.spent_minutes ? Plr.minutes - track.spent_minutes : 0;
    if (mode == 1) {
        if (age >= (uint32_t)WORLD_FRESH_MINUTES) return;
        Note(":As roaming ahead something suddenly captures your attention.");
    }
    Tutki_Datajaljet(track.x, track.y, track);
    KARTANLATAUS_X = track.x;
    KARTANLATAUS_Y = track.y;
    KARTANLATAUSTAPA = 8;
    if (mode == 1) Pause();
}

// ---- ageing ---------------------------------------------------------------------------------------

void trackmaint() {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_TRACKS) continue;
        const bool old = Plr.minutes > d.spent_minutes && Plr.minutes - d.spent_minutes > (uint32_t)TRACK_MAX_AGE;
        if (old || avovesi(d.x, d.y)) CrunchData(i);
    }
    Siivoa_DATA();
    tracks_forget();
}
