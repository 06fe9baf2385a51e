// src/game/worldpass.cpp -- the world's pass over the current map's data pool (every creature, fire,
// work process, encounter, skin and track takes its step), the fires, and the map reloader.
#include "game/worldpass.h"

#include "activities/survival.h"
#include "maps/burning.h"
#include "core/datafunc.h"
#include "worldgen/encountupkeep.h"
#include "game/loader.h"
#include "game/mapupkeep.h"
#include "core/player.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/crestep.h"
#include "creatures/creturn.h"
#include "creatures/death.h"
#include "creatures/melee.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "items/ownership.h"
#include "base/debuglog.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- fires --------------------------------------------------------------------------------------

int burn(int c) {
    if (c < 0 || c > 255) return 0;
    if (terrain_flag(c, TF_WATER)) return 0;
    switch (c) {
    case 4: case 5: case 20: case 21: case 30: case 39: case 41: case 60: case 82: case 91: case 94:
    case 96: case 127: case 233: case 236: case 246: case 250:
        return 0;
    default:
        return 1;
    }
}

void DoFireEffect(int x, int y, int minutes) {
    const int *kept = nullptr;
    const int n = kept_creature_records(&kept);   // in the creatures' pass: only the creature records
    for (int k = 0; k < (n >= 0 ? n : DATA_MAX); k++) {
        const int i = n >= 0 ? kept[k] : k;
        DataStruct &d = Data[i];
        if (d.type != DT_CARCASS || d.x != x || d.y != y) continue;
        const int c = (int)d.id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT) continue;
        CreatureStruct &cr = Cre[c];
        if (cr.Puuha[0] != 300) {
            cr.Puuha[0] = 300;
            cr.PuuhaAika[0] = 0;
            continue;
        }
        cr.PuuhaAika[0] += minutes;
        if ((double)cr.PuuhaAika[0] > std::ceil(10.0 * (double)cr.weight)) {
            CrunchData(i);
            return;
        }
    }
}

static void light_fire(int x, int y, int minutes) {
    ClearDTEMP();
    DTEMP.type = DT_FIRE;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.count = (uint16_t)minutes;
    SetDTEMP(-1);
}

// The fires near a square, and whether one burns on a neighbouring square.
static void count_fires(int x, int y, int &nearby, int &neighbours) {
    nearby = neighbours = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_FIRE) continue;
        const int dx = abs((int)d.x - x), dy = abs((int)d.y - y);
        if (dx > 29 || dy > 29) continue;
        nearby++;
        if (dx <= 1 && dy <= 1 && (dx || dy)) neighbours++;
    }
}

void fire_maintenance(int pos) {
    if (pos < 0 || pos >= DATA_MAX) return;
    const DataStruct fire = Data[pos];
    const int x = fire.x, y = fire.y;
    const int world = bigmap();
    if (!world) {
        const int old = get_datatype(DT_FIRE_REMAINS, x, y);
        if (old >= 0) CrunchData(old);
        ClearDTEMP();
        DTEMP = fire;
        DTEMP.type = DT_FIRE_REMAINS;
        SetDTEMP(-1);
    }
    CrunchData(pos);
    const int c = get_mapchar(x, y);
    if (c == 4 || c == 5) return;
    if (world) {
        set_mapchar(x, y, CH_GROUND);
        ZoomMap_Remove(x, y);
    } else if (burn(c)) {
        set_mapchar(x, y, CH_GROUND);
    }
    int nearby, neighbours;
    count_fires(x, y, nearby, neighbours);
    if (!neighbours) return;
    if (nearby > 25 || x < 3 || x > 3069 || y < 3 || y > 2045) return;
    if (random(50) == 0) return;
    static const int nx[4] = {0, 0, -1, 1}, ny[4] = {-1, 1, 0, 0};
    for (int k = 0; k < 4; k++) {
        const int tx = x + nx[k], ty = y + ny[k];
        if (PolttoTarkistus(tx, ty, 0, "") > 2 || burn(get_mapchar(tx, ty))) light_fire(tx, ty, 30 + random(30));
    }
}

static void fire_step(int pos) {
    DataStruct &d = Data[pos];
    const uint32_t now = Plr.minutes;
    if (!d.ready_minute) d.ready_minute = d.count + now;
    if (!d.spent_minutes) d.spent_minutes = now;
    if (!d.day) d.day = (uint16_t)Plr.daynumber;
    if (d.ready_minute < now) {
        fire_maintenance(pos);
        return;
    }
    const int x = d.x, y = d.y;
    const int h = 2 * PolttoTarkistus(x, y, 0, "");
    const int add = h > 1200 ? 1200 : h;
    if (add > 0) {
        d.ready_minute += (uint32_t)add;
        d.id += (uint32_t)add;
        // The count is the burn time in minutes; a long fire holds at the largest count.
        d.count = (uint16_t)((int)d.count + add > 65535 ? 65535 : d.count + add);
        SmokePreparingGoods(x, y, add);
    }
    if (d.ready_minute > now + 1200) d.ready_minute = now + 1200;
    const int c = cre_xy(x, y);
    // Unless a creature flees the fire or the player is burnt, nothing has touched the pool's records
    // on the square since its fuel was weighed (the smoking only cares for work records nearby).
    const bool untouched = !(c >= 0 && c < CRE_COUNT) && !(x == PlayerX && y == PlayerY && !FIRESAFE);
    if (c >= 0 && c < CRE_COUNT) {
        DebugNote("Fire esc");
        Pakene(c);
    }
    if (x == PlayerX && y == PlayerY && !FIRESAFE) {
        const int times = Environ == 1 ? 3 : 1;
        for (int k = 0; k < times; k++) {
            const int part = RandomBodypart(2, CRE_PLAYER);
            char line[160];
            snprintf(line, sizeof line, "!The fire burns your %s!", BODYPART(part, CRE_PLAYER));
            Note(line);
            HAAVOITA(CRE_PLAYER, WOUND_BURN, 10 + random(10), part, 0, CAUSE_FIRE);
        }
        FIRESAFE = 1;
    }
    if (untouched) PolttoTarkistus_again(x, y, 1, "");
    else PolttoTarkistus(x, y, 1, "");
    if (Data[pos].type != DT_FIRE) return;   // the fire's record went with its fuel
    const long left = (long)Data[pos].ready_minute - (long)now;
    if (labs(left) <= 14 && See(x, y) && !bigmap()) Note(MSG("FIRE_BURNS_OUT"));
    DoFireEffect(x, y, 1);
}

// ---- the pass -----------------------------------------------------------------------------------

// Slots free when the walk began: a record made in one of them during the walk waits for the next.
static uint8_t born_this_pass[DATA_MAX];

static bool creature_walk(int &end_found);

// The record types a step of the walk may act on; every other type is only passed over.
static const struct WalkTypes {
    bool on[256] = {};
    WalkTypes() {
        for (int t : {DT_SKIN, DT_ENCOUNTER, DT_WORK, DT_BOUND, DT_ITEM, DT_FIRE, DT_CREATURE, DT_TRACKS}) on[t] = true;
    }
    bool operator[](uint8_t t) const { return on[t]; }
} walk_acts_on;

// Whether a step of the walk acts on the record as it stands now.
static inline bool acts_now(const DataStruct &d) {
    return walk_acts_on[d.type] & (d.type != DT_ITEM || d.extra == 1);
}

// The same for four records from i on, read together: a type a step always acts on sets the top
// bit, an item stack (acted on only while worked) the bit of its place among the four. On a local
// area a step does nothing with tracks (they only wear away on the world map), so the gate of the
// local area leaves them out (but for the quitting check each record acted on ends with, which a
// track of the local area makes as well): `world` picks the gate.
static const struct WalkGate {
    uint8_t of[2][4][256] = {};
    WalkGate() {
        for (int world = 0; world < 2; world++)
            for (int k = 0; k < 4; k++)
                for (int t = 0; t < 256; t++) {
                    if (!walk_acts_on[(uint8_t)t] || (!world && t == DT_TRACKS)) continue;
                    of[world][k][t] = t == DT_ITEM ? (uint8_t)(1u << k) : 0x10;
                }
    }
} walk_gate;

static inline bool any_acts_now(int i, int world) {
    const auto &of = walk_gate.of[world ? 1 : 0];
    const uint8_t w = of[0][Data[i].type] | of[1][Data[i + 1].type] | of[2][Data[i + 2].type] | of[3][Data[i + 3].type];
    if (w == 0) return false;
    if (w & 0x10) return true;
    return ((w & 1) && Data[i].extra == 1) || ((w & 2) && Data[i + 1].extra == 1) ||
           ((w & 4) && Data[i + 2].extra == 1) || ((w & 8) && Data[i + 3].extra == 1);
}

static int depth = 0;   // passes running, one within another

// A run of passes back to back (the catch-up on entry): from the end of one to the beginning of the
// next nothing touches the pool but the packing after a death, which only moves records down. So no
// record in use lies past where the last pass knew them to end, and the next one looks down from there.
// A pass of the run that acted on no record changed nothing (its reads of the pool leave no mark):
// while nothing has changed since, the next pass would read the same pool and do the same nothing,
// so it is passed over. What the last pass saw is kept to tell that nothing changed.
struct RunSeen {
    int end;
    uint32_t creature_records, water_records, minutes, wx, wy;
    int world;
    bool operator==(const RunSeen &o) const {
        return end == o.end && creature_records == o.creature_records && water_records == o.water_records &&
               minutes == o.minutes && wx == o.wx && wy == o.wy && world == o.world;
    }
};
static RunSeen run_seen(int end) {
    return {end, data_creature_records, data_water_records, (uint32_t)Plr.minutes, (uint32_t)Plr.world_x,
            (uint32_t)Plr.world_y, bigmap()};
}

static struct {
    bool on = false;
    int end_hint = DATA_MAX;
    bool idle = false;     // the last pass acted on no record and packed nothing
    RunSeen seen{};        // as the last pass ended
} run;

void creature_run_begin() {
    if (depth != 0) return;   // a run is only begun between passes
    run.on = true;
    run.end_hint = DATA_MAX;
    run.idle = false;
    socplaces_carry(1);
}

void creature_run_end() {
    if (!run.on) return;
    run.on = false;
    run.idle = false;
    socplaces_carry(0);
}

// One pass of the creatures. A death marks the pool, which is packed only when the outermost pass
// has ended, so the walk neither skips nor repeats a record.
void CreatureMove() {
    depth++;
    int end = -1;
    const int alone_before = ADVANTAGE_ALONE;
    ADVANTAGE_ALONE = TACTICAL_ADVANTAGE;
    const bool idle = creature_walk(end);
    ADVANTAGE_ALONE = alone_before;
    depth--;
    if (depth == 0) {
        const uint32_t before = data_creature_records;
        death_pack_pending();
        if (run.on) {
            run.idle = idle && end >= 0 && before == data_creature_records;
            run.seen = run_seen(end);
        }
    }
}

// True when the walk acted on no record; `end` the end of the pool it found (-1 none).
static bool creature_walk(int &end_found) {
    BURGLARYSOC = 0;
    if (REAL_QUIT == -1) return false;
    // Every place past the last one in use was free when the pass began: the walk ends there, and
    // the pool is read once a pass to find it (in a run, from where the last pass left it).
    const bool in_run = run.on && depth == 1;
    const int end = in_run ? crestep_pool_end_below(run.end_hint) : crestep_pool_end();
    end_found = end;
    if (in_run && run.idle && run.seen == run_seen(end)) return true;
    mark_pool_pass();
    // the creatures' steps read the things of the local area from a list made once per pass
    struct CreaturePass {
        bool in_run;
        CreaturePass(int end, bool in_run) : in_run(in_run) {
            crestep_pass_begin(end, born_this_pass);   // which places are free is read with the rest
            pool_end_bound_begin(end);
        }
        ~CreaturePass() {
            if (in_run) {
                const int b = pool_end_bound();   // -1 when records moved within the pool
                run.end_hint = b >= 0 ? b : DATA_MAX;
            }
            pool_end_bound_end();
            crestep_pass_end();
        }
    } creature_pass(end, in_run);
    socplaces_pool_end(end);
    const int world = bigmap();
    bool acted = false;
    int checked_to = 0;   // a four read whole from here on holds one a step acts on
    for (int i = 0; i < end; i++) {
        // Most of the pool holds plants and things lying still: a record of a type no step below
        // acts on is passed over at once (nothing below would call or change anything for it), four
        // at a time while none of the four is one a step acts on.
        if (i >= checked_to) {
            const int gate = world || REAL_QUIT == -1;
            while (i + 4 <= end && !any_acts_now(i, gate))
                i += 4;
            if (i >= end) break;
            checked_to = i + 4;
        }
        DataStruct &d = Data[i];
        if (!acts_now(d) || (!world && d.type == DT_TRACKS && REAL_QUIT != -1)) continue;
        // Free when the pass began, or freed and taken by a new record during it.
        if (born_this_pass[i] || data_filled[i]) continue;
        acted |= world || d.type != DT_TRACKS;   // tracks of the local area only wait for the world map
        // A step may free the record and another may take its slot at once: the newcomer stands
        // elsewhere and waits for the next pass.
        const uint16_t x = d.x, y = d.y;
        auto same = [&]() { return d.x == x && d.y == y; };
        if (d.type == DT_SKIN && labs((long)Plr.daynumber - (long)d.id) >= 5) {
            const int carcass = get_datatype(DT_CARCASS, d.x, d.y);
            if (carcass >= 0) Data[carcass].type = 'X';
            CrunchData(i);
        }
        if (d.type == DT_ENCOUNTER) encount_maintenance(i);
        if (!same()) continue;
        if ((d.type == DT_WORK || d.type == DT_BOUND) && d.ready_minute) TickPrepare(i);
        if (!same()) continue;
        if (d.type == DT_ITEM && d.extra == 1) TickActivity(i);
        if (!same()) continue;
        if (d.type == DT_FIRE) fire_step(i);
        if (!same()) continue;
        if (d.type == DT_CREATURE) {
            const int c = (int)d.id - CRE_DATAID;
            if (c >= 0 && c < CRE_COUNT && Cre[c].kind != ENCOUNTER_CREATURE_TYPE) {
                if (INVISIBLE == 1) Cre[c].perception = 0;
                CreatureAct(i);
            }
        }
        if (!same()) continue;
        if (world && (d.type == DT_TRACKS || d.type == DT_ENCOUNTER) && d.count) {
            d.count--;
            if (!d.count) CrunchData(i);
        }
        if (REAL_QUIT == -1) return false;
    }
    return !acted;
}

// ---- map changes --------------------------------------------------------------------------------

void MapLoader(int mode) {
    debuglog("maploader", "MapLoader start");
    DISABLE_MAP = 1;
    if (!ZoomRenew) {
        if (bigmap()) LURK = 0;
        GetMappie(mode);
    } else {
        GetMappie(1);
    }
    debuglog("maploader", "map entered");
    if (REAL_QUIT == -1 || ZoomRenew) return;
    DISABLE_RENDER = 1;
    DrawMap();
    DISABLE_RENDER = 0;
    DISABLE_MAP = 0;
    RESET_MAPEFF();
    Statistics();
    Heading();
    TurnUsed = 0;
    note_lines_since_pause = 0;
    UPDATE_SCREEN = 1;
    DrawMap();
    SetIdleSample("");
    debuglog("maploader", "MapLoader done");
}

void ZoomRenewer() {
    ZoomRenew = 1;
    FixZoomCoordinates();   // her square inside the cell she stands in
    const uint32_t lx = Plr.local_x, ly = Plr.local_y;
    if (!ExitEnviron(PlayerX, PlayerY, 0)) {   // the area couldn't be saved: it stays as it is
        ZoomRenew = 0;
        return;
    }
    MapLoader(1);
    ScanSurround();
    Plr.local_x = lx;
    Plr.local_y = ly;
    EnterLocale(0, 0);
    ClearEventMemory();
}

