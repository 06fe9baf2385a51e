// src/maps/crestep.cpp -- one step of a creature of the local area (see crestep.h). The rules are
// tried in a fixed order; the first that ends the step gives the answer.
#include "maps/crestep.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/crefunc.h"
#include "creatures/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/life.h"
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"

// Chars the step rules name.
enum { CH_OPEN_DOOR = 22, CH_FENCE = 42, CH_CLOSED_DOOR = 254, CH_YOUNG_SPRUCE = 12, CH_YOUNG_PINE = 17 };
enum { STEP_AREA_LO = 74, STEP_AREA_HI = 389 };

// ---- what the door, trap, track and magic modules will answer ---------------------------------

// Until the door and water movement lands: an animal neither jumps nor breaks a fence.
static int fence_gives_way(int) { return 0; }
// Until the door and water movement lands: a door may always be closed behind.
static int door_may_close(int, int) { return 1; }
// Until the traps land: a trap holds what it caught, catches any animal and lets a person go.
static int trap_holds(int) { return 1; }
static int trap_catches(int n) { return !ask_human(n); }
static void trap_steps_in(int n, int trap) {
    Cre[n].trapminute = Plr.minutes ? Plr.minutes : 1;
    Data[trap].extra = 'e';
}
static void trap_lets_go(int trap) { Data[trap].extra = 'd'; }
// Until the tracks land: a step leaves no track.
static void leave_tracks(int, int, int, int, int) {}

// ---- the creature's record ----------------------------------------------------------------------

static int cached_pos[CRE_COUNT];

int crestep_pos(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return -1;
    const int p = cached_pos[n];
    if ((unsigned)p < (unsigned)DATA_MAX && Data[p].type == DT_CREATURE && Data[p].id == (uint32_t)(n + CRE_DATAID))
        return p;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(n + CRE_DATAID)) {
            cached_pos[n] = i;
            return i;
        }
    return -1;
}

static int in_area(int x, int y) {
    if (bigmap()) return in_grid(x, y);
    return x >= AREA_MIN && x <= AREA_MAX && y >= AREA_MIN && y <= AREA_MAX;
}

// The things on a square a step cares about: a creature (its number), a fire, a set trap.
struct SquareThings {
    int creature = -1;             // another live creature's number, or -1
    int fire = 0;
    int trap = -1;                 // pool position of a set trap
    int holding_trap = -1;         // pool position of a trap holding something
};

// The records around one creature, gathered in one walk over the pool while its step is chosen:
// test steps change nothing, so eight tests read the pool once.
static struct {
    int active = 0, cx = 0, cy = 0, count = 0, overflow = 0;
    int idx[96];
} near;

void crestep_batch_begin(int n) {
    near.active = 0;
    const int pos = crestep_pos(n);
    if (pos < 0) return;
    near.cx = Data[pos].x;
    near.cy = Data[pos].y;
    near.count = near.overflow = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_UNUSED || d.type == DT_FREED) continue;
        if (abs((int)d.x - near.cx) > 1 || abs((int)d.y - near.cy) > 1) continue;
        if (near.count == (int)(sizeof near.idx / sizeof near.idx[0])) {
            near.overflow = 1;
            break;
        }
        near.idx[near.count++] = i;
    }
    near.active = !near.overflow;
}

void crestep_batch_end() { near.active = 0; }

static void look_at(SquareThings &s, int i, int self) {
    const DataStruct &d = Data[i];
    switch (d.type) {
    case DT_CREATURE: {
        const int m = creature_slot_of(d.id);
        if (m != self && s.creature < 0) s.creature = m < 0 ? CRE_COUNT : m;
        break;
    }
    case DT_FIRE: s.fire = 1; break;
    case DT_TRAP:
        if (d.extra == 'd') s.trap = i;
        else if (d.extra == 'e') s.holding_trap = i;
        break;
    default: break;
    }
}

static SquareThings things_at(int x, int y, int self) {
    SquareThings s;
    if (near.active && abs(x - near.cx) <= 1 && abs(y - near.cy) <= 1) {
        for (int k = 0; k < near.count; k++) {
            const DataStruct &d = Data[near.idx[k]];
            if (d.x == x && d.y == y) look_at(s, near.idx[k], self);
        }
        return s;
    }
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x == x && d.y == y) look_at(s, i, self);
    }
    return s;
}

int crestep_free_square(int x, int y) {
    if (!in_area(x, y)) return 0;
    if (x == PlayerX && y == PlayerY) return 0;
    const int c = get_mapchar(x, y);
    if (terrain_flag(c, TF_BLOCKS) || terrain_flag(c, TF_WATER)) return 0;
    const SquareThings s = things_at(x, y, -1);
    return s.creature < 0 && !s.fire;
}

// A leashed animal that fell behind comes to the square behind the player, or the nearest free
// square beside her; it stays where it is when there is none.
static int pull_on_leash(int n, int pos) {
    int tx = PlayerX - Heds_x(PlayerDir), ty = PlayerY - Heds_y(PlayerDir);
    if (!crestep_free_square(tx, ty)) {
        tx = ty = -1;
        for (int k = 1; k < 8 && tx < 0; k++) {
            // around the player, the squares nearest behind her first
            const int d = (PlayerDir + 4 + ((k & 1) ? (k + 1) / 2 : -(k / 2)) + 8) % 8;
            const int sx = PlayerX + Heds_x(d), sy = PlayerY + Heds_y(d);
            if (crestep_free_square(sx, sy)) tx = sx, ty = sy;
        }
        if (tx < 0) return STEP_BLOCKED;
    }
    Data[pos].x = (uint16_t)tx;
    Data[pos].y = (uint16_t)ty;
    Cre[n].Viimeisin_X = tx;
    Cre[n].Viimeisin_Y = ty;
    Cre[n].still = 0;
    return STEP_OK;
}

static int fighting(const CreatureStruct &c) { return c.mode == 2 || c.mode == 99; }
static int fleeing(const CreatureStruct &c) { return c.mode == 4; }

// Water, ice and fords for a creature that walks.
static int water_rule(int n, int ox, int oy, int x, int y, int mode, int r) {
    CreatureStruct &cr = Cre[n];
    const int c = get_mapchar(x, y);
    const int own_open = avovesi(ox, oy);
    if (c == CH_FORD) return STEP_OK;
    if (ice_thickness_true(x, y) > 0) {
        if (cr.icefall && cr.icefall == Plr.month && !terrain_flag(get_mapchar(ox, oy), TF_WATER)) return STEP_OBSTACLE;
        float load = FullWeightLoad(n);
        if (load <= 0.0f) load = cr.weight * 2.2046f;   // pounds of its body alone
        if (!ask_human(n)) load *= 1.25f;
        if (ice_break_check(x, y, load, 0) == 1 && !own_open) return STEP_OBSTACLE;
        if (!own_open) return r == STEP_OBSTACLE ? STEP_OK : r;
        const int chance = cr.weight >= 100.0f ? 11 : 41;
        if (random(100) < chance) {
            if (mode == 1) cre_say(n, "ICE_CLIMB_SUCCESS");
            return STEP_OK;
        }
        return STEP_OBSTACLE;
    }
    if (!come_along(n, 0)) {
        if (vesisyvyys(x, y) < 2 && cr.weight > 6.0f) {
            if (cr.role == 20 || fighting(cr) || own_open) return STEP_OK;
            return r;
        }
        if (own_open && vesisyvyys(ox, oy) >= 2) return STEP_OK;
        return r;
    }
    if (own_open) return STEP_OK;
    const int dist = koordinaattien_vali(ox, oy, PlayerX, PlayerY);
    const int plr_in_water = Plr.movement_mode == 2 || Plr.movement_mode == 3 || Plr.movement_mode == 4;
    if (!plr_in_water) {
        if (vesisyvyys(x, y) <= 1 && dist >= 11 && water_temp() >= 10) return STEP_OK;
        return r;
    }
    return dist >= 2 ? STEP_OK : r;
}

int Liikkuminen(int n, int x, int y, int mode) {
    if (!ask_valid(n)) return STEP_BLOCKED;
    if (mode == 1) near.active = 0;
    const int pos = crestep_pos(n);
    if (pos < 0) return STEP_BLOCKED;
    CreatureStruct &cr = Cre[n];
    const int ox = Data[pos].x, oy = Data[pos].y;
    const int world = bigmap();
    // 1. the edge of the local area; no step ever leaves the grid
    if (!in_grid(x, y)) return STEP_BLOCKED;
    if (!world && (x < STEP_AREA_LO || x > STEP_AREA_HI || y < STEP_AREA_LO || y > STEP_AREA_HI)) return STEP_BLOCKED;
    // 2. leash and tether
    if (onko_NPC_lieassa(n)) {
        if (koordinaattien_vali(ox, oy, PlayerX, PlayerY) > 2) return mode == 1 ? pull_on_leash(n, pos) : STEP_OK;
        if (koordinaattien_vali(x, y, PlayerX, PlayerY) > 1) return STEP_BLOCKED;
    } else if (is_tied(n)) {
        int tx, ty;
        if (ask_tether(n, &tx, &ty) && koordinaattien_vali(x, y, tx, ty) > 1) return STEP_BLOCKED;
    }
    // 3. the player's square
    if (x == PlayerX && y == PlayerY) {
        if (!(ask_companion(n) || ask_pet(n)) || !avovesi(ox, oy) || avovesi(PlayerX, PlayerY)) return STEP_BLOCKED;
    }
    // 4. the terrain
    int c = get_mapchar(x, y);
    int r;
    if (!terrain_flag(c, TF_BLOCKS)) {
        r = STEP_OK;
        cre_spare(cr, SPARE_FENCEBUMPS) = 0;
    } else {
        r = (c == CH_YOUNG_SPRUCE || c == CH_YOUNG_PINE) ? STEP_OK : STEP_OBSTACLE;
    }
    if (c == CH_FENCE) {
        if (ask_human(n)) {
            if (fighting(cr) || fleeing(cr) || come_along(n, 0)) r = STEP_OK;
            uint8_t &bumps = cre_spare(cr, SPARE_FENCEBUMPS);
            if (bumps < 255) bumps++;
            if (bumps > 3) r = STEP_OK;
        } else if (fence_gives_way(n)) {
            r = STEP_OK;
        }
    }
    const int flying = cr.korkeus == 100;
    if (flying && !terrain_flag(c, TF_ROOFED)) r = STEP_OK;
    // 5. swimmers
    if (cr.moveclass == 96) {
        if (!avovesi(ox, oy)) {
            if (mode == 1 && cr.kind == 24) {
                int wx = 0, wy = 0;
                const int here = etaisyys_veteen(ox, oy, &wx, &wy);
                if (here > 2 && here < 1000 && etaisyys_veteen(x, y, nullptr, nullptr) > here) {
                    Keskeyta_Puuha(n, -1);
                    apukoord[0] = wx;
                    apukoord[1] = wy;
                    Lisaa_Puuha(n, 60, 100);
                    if (!fleeing(cr)) return STEP_BLOCKED;
                }
            } else if (mode == 1 && cr.korkeus == -100) {
                cr.korkeus = 0;
            }
        } else if (fleeing(cr) && !avovesi(x, y)) {
            return STEP_BLOCKED;
        }
    }
    // 6. water
    if (terrain_flag(c, TF_WATER)) {
        if (flying || ask_water_creature(n)) r = STEP_OK;
        else r = water_rule(n, ox, oy, x, y, mode, r);
    }
    // 7. up in a tree
    if (cr.korkeus == 200) {
        if (terrain_flag(c, TF_TREE)) r = STEP_OK;
        else if (fleeing(cr)) return STEP_BLOCKED;
    }
    // 8. a closed door
    if (c == CH_CLOSED_DOOR) {
        if (cre_spare(cr, SPARE_OPENSDOORS) || ask_human(n)) {
            r = STEP_OK;
            if (mode == 1) {
                set_mapchar(x, y, CH_OPEN_DOOR);
                if (See(x, y) || koordinaattien_vali(x, y, PlayerX, PlayerY) < 10) cre_say(n, "DO_OPEN_DOOR");
                x = ox;
                y = oy;
                c = get_mapchar(x, y);
            }
        }
    }
    // 9. what lies on the squares
    const SquareThings there = (x == ox && y == oy) ? SquareThings{} : things_at(x, y, n);
    if (there.creature >= 0) {
        const int m = there.creature;
        if (m < CRE_COUNT && ask_dazed(m) && (fighting(cr) || fleeing(cr))) {
            // a dazed one is pushed past
        } else {
            return STEP_BLOCKED;
        }
    }
    if (there.fire) return STEP_BLOCKED;
    const SquareThings here = things_at(ox, oy, n);
    if (here.holding_trap >= 0) {
        r = STEP_OK;
        if (mode == 1) {
            if (cr.trapminute && trap_holds(n)) {
                AsetaPonnistelu(n, 2);
                return STEP_TRAPPED;
            }
            trap_lets_go(here.holding_trap);
            cr.trapminute = 0;
        }
    }
    if (there.trap >= 0) {
        if (trap_catches(n)) {
            if (mode == 1 && r == STEP_OK) trap_steps_in(n, there.trap);
        } else if (ask_human(n) && cr.culture != 12) {
            if (cr.culture == 11 && mode == 1) trap_lets_go(there.trap);
        } else {
            return STEP_BLOCKED;
        }
    }
    // 10. slopes
    if (!lentaako_NPC(n) && !flying && !(x == ox && y == oy)) {
        const int climb = KiipeilyTarkistus(n, ox, oy, x, y);
        if (climb == 1000) return STEP_BLOCKED;
        if (climb >= 2 && r == STEP_OK) {
            if (mode == 0) return STEP_OK;
            if (random(10) != 0) return STEP_OK;
        }
    }
    // 11. only a test, or no way
    if (r != STEP_OK || mode == 0) return r;
    // 12. the move
    const int oldc = get_mapchar(ox, oy);
    Data[pos].x = (uint16_t)x;
    Data[pos].y = (uint16_t)y;
    if (cr.Viimeisin_X == x && cr.Viimeisin_Y == y) {
        cr.still = 1;
    } else {
        cr.Viimeisin_X = x;
        cr.Viimeisin_Y = y;
        cr.still = 0;
    }
    // 14. a person closes the door behind itself
    if (oldc == CH_OPEN_DOOR && !(ox == x && oy == y) && !(ox == PlayerX && oy == PlayerY) && ask_human(n) &&
        !fleeing(cr) && !fighting(cr) && door_may_close(ox, oy)) {
        set_mapchar(ox, oy, CH_CLOSED_DOOR);
        if (See(ox, oy) || koordinaattien_vali(ox, oy, PlayerX, PlayerY) < 10) cre_say(n, "DO_CLOSE_DOOR");
    }
    // 15. after the step
    cr.lastaction |= 2;
    if (cr.korkeus == 200 && !terrain_flag(get_mapchar(x, y), TF_TREE)) cr.korkeus = 0;
    if (!world && cr.korkeus == 0) leave_tracks(n, ox, oy, x, y);
    return STEP_OK;
}
