// src/creatures/cremove.cpp -- where the creatures of the local area go (see cremove.h). The single
// move with all its terrain rules is Liikkuminen; this module decides where to step.
#include "creatures/cremove.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/animals.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/death.h"
#include "creatures/physical.h"
#include "creatures/lifeask.h"
#include "creatures/predicates.h"
#include "creatures/life.h"
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"
#include "creatures/weaponchoice.h"
#include "items/items.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/worldsearch.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/player.h"

int CANT_GET_CLOSER;
int BRANCH_PATHMAKE;
int WIZARD_npcfreeze;

enum { HIST = 20 };

static int pos_of(int n) { return crestep_pos(n); }

// A bird sheds a feather or two where it stands, within the limit of feathers lying about.
static void drop_feather(int n) {
    const int pos = pos_of(n);
    if (pos >= 0) feather_drop(n, Data[pos].x, Data[pos].y, 1);
}

void tyhjenna_liikehistoria(int n) {
    if (!ask_valid(n)) return;
    memset(Cre[n].movehist_x, 0, sizeof Cre[n].movehist_x);
    memset(Cre[n].movehist_y, 0, sizeof Cre[n].movehist_y);
}

int within_heading(int heading, int d) {
    const int diff = ((d - heading) % 8 + 8) % 8;
    return diff <= 2 || diff >= 6;
}

static void history_shift(CreatureStruct &c) {
    for (int i = HIST - 1; i > 0; i--) {
        c.movehist_x[i] = c.movehist_x[i - 1];
        c.movehist_y[i] = c.movehist_y[i - 1];
    }
}

static int visited(const CreatureStruct &c, int x, int y) {
    if (!x && !y) return 0;
    int hit = 0;   // the whole history compared without a branch
    for (int i = 0; i < HIST; i++) hit |= (c.movehist_x[i] == x) & (c.movehist_y[i] == y);
    return hit;
}

// The compass steps, read once, and what the choice of a step asks of them: the directions within
// each heading, and, by the side of the goal on each axis (-1, 0, 1 less than, level with, more than
// the square left), the steps that bring it nearer on both axes, on either axis, and on one axis
// without leaving the other (as a path maker chooses). A unit step brings an axis nearer exactly when
// it goes toward the goal's side on it, whatever the distance, so the side answers for every square.
struct Compass {
    int x[8], y[8];
    uint8_t ahead[8];
    uint8_t both[3][3], one[3][3], one_path[3][3];
};
static const Compass &compass() {
    static const Compass c = [] {
        Compass k;
        for (int d = 0; d < 8; d++) k.x[d] = Heds_x(d), k.y[d] = Heds_y(d);
        for (int h = 0; h < 8; h++) {
            k.ahead[h] = 0;
            for (int d = 0; d < 8; d++)
                if (within_heading(h, d)) k.ahead[h] = (uint8_t)(k.ahead[h] | 1u << d);
        }
        for (int sy = -1; sy <= 1; sy++)
            for (int sx = -1; sx <= 1; sx++) {
                // the goal three squares off on each axis where it lies off at all
                const int dx = 3 * abs(sx), dy = 3 * abs(sy);
                unsigned both = 0, one = 0, one_path = 0;
                for (int d = 0; d < 8; d++) {
                    const int ndx = abs(k.x[d] - 3 * sx), ndy = abs(k.y[d] - 3 * sy);
                    if (ndx < dx && ndy < dy) both |= 1u << d;
                    if (ndx < dx || ndy < dy) one |= 1u << d;
                    if ((ndx < dx && ndy <= dy) || (ndy < dy && ndx <= dx)) one_path |= 1u << d;
                }
                k.both[sy + 1][sx + 1] = (uint8_t)both;
                k.one[sy + 1][sx + 1] = (uint8_t)one;
                k.one_path[sy + 1][sx + 1] = (uint8_t)one_path;
            }
        return k;
    }();
    return c;
}

int askel_kohti_paikkaa(int n, int x, int y) {
    if (WIZARD_npcfreeze || !ask_valid(n)) return 0;
    const int pos = pos_of(n);
    if (pos < 0) return 0;
    CreatureStruct &cr = Cre[n];
    const int ox = Data[pos].x, oy = Data[pos].y;
    if (ox == x && oy == y) return 1;   // there already: it does not step off its goal
    const int dx = abs(ox - x), dy = abs(oy - y);
    // When no test step around here changes anything, a test is taken only when the choice needs
    // its answer; otherwise all are taken in their order, as they always were.
    const int quiet = crestep_quiet_tests(n, ox, oy, x, y);
    crestep_batch_begin(n);
    int goal_open = -1;   // the test step onto the goal, when taken
    if (!quiet || (dx < 2 && dy < 2)) {
        goal_open = Liikkuminen(n, x, y, 0) == STEP_OK;
        if (!goal_open && dx < 2 && dy < 2) {
            crestep_batch_end();
            return 1;
        }
    }
    // The directions as bits: ahead (within the heading), toward it on both axes, toward it on one.
    const Compass &cp = compass();
    const int spirit = onko_NPC_haltija(n);
    int heading = cr.Suunta;
    if (heading < 0 || heading > 7) heading = 0;
    const int sx = (x > ox) - (x < ox), sy = (y > oy) - (y < oy);
    const unsigned ahead = spirit ? 0xffu : cp.ahead[heading];
    const unsigned both = cp.both[sy + 1][sx + 1];
    const unsigned one = BRANCH_PATHMAKE ? cp.one_path[sy + 1][sx + 1] : cp.one[sy + 1][sx + 1];
    unsigned pref_any = 0;
    int pref[8] = {};
    if (BRANCH_PATHMAKE)
        for (int d = 0; d < 8; d++) {
            const int nx = ox + cp.x[d], ny = oy + cp.y[d];
            if (get_mapchar(nx, ny) == '.') pref[d] = 3;
            else if (get_datatype(DT_TRACKS, nx, ny) >= 0) pref[d] = 1;
            if (pref[d]) pref_any |= 1u << d;
        }
    // The ways it may take: not walked lately and a step possible; asked as a choice needs them, or
    // all at once, in order, when the tests may change something.
    unsigned known = 0, open_ways = 0;
    auto ask = [&](int d) {
        const unsigned bit = 1u << d;
        if (known & bit) return;
        known |= bit;
        const int nx = ox + cp.x[d], ny = oy + cp.y[d];
        if (visited(cr, nx, ny)) return;
        // a quiet test onto the goal beside it was taken already
        const int movable = nx == x && ny == y && goal_open >= 0 ? goal_open : Liikkuminen(n, nx, ny, 0) == STEP_OK;
        if (movable) open_ways |= bit;
    };
    if (!quiet)
        for (int d = 0; d < 8; d++) {
            const unsigned bit = 1u << d;
            known |= bit;
            const int nx = ox + cp.x[d], ny = oy + cp.y[d];
            const int movable = Liikkuminen(n, nx, ny, 0) == STEP_OK;
            if (movable && !visited(cr, nx, ny)) open_ways |= bit;
        }
    auto choose = [&](unsigned wanted) {   // one of the open ways among the wanted, or -1
        int list[8], count = 0;
        for (int k = 0; k < 8; k++)
            if (wanted & (1u << k)) {
                ask(k);
                if (open_ways & (1u << k)) list[count++] = k;
            }
        if (count == 0) return -1;
        if (BRANCH_PATHMAKE) {
            int best = -1, bestpref = 0;
            for (int i = 0; i < count; i++)
                if (pref[list[i]] > bestpref) best = list[i], bestpref = pref[list[i]];
            if (best >= 0) return best;
        }
        return list[random(count)];
    };
    // Beside a goal it may enter it steps onto it, whichever way it faces and wherever it went
    // lately: held to its heading it would circle the goal a square off.
    int d = -1;
    if (goal_open == 1 && dx < 2 && dy < 2)
        for (int k = 0; k < 8 && d < 0; k++)
            if (cp.x[k] == sx && cp.y[k] == sy) d = k;
    const int beside = d >= 0;
    // a: toward it on both axes
    if (d < 0) d = choose(ahead & both);
    if (d >= 0 && !beside && BRANCH_PATHMAKE && pref[d] == 0) {
        const unsigned better = ahead & one & ~both & pref_any;
        for (int k = 0; k < 8; k++)
            if (better & (1u << k)) {
                ask(k);
                if (open_ways & (1u << k)) {
                    d = -1;
                    break;
                }
            }
    }
    // b: toward it on one axis
    if (d < 0) d = choose(ahead & one);
    // c: ahead, anywhere
    if (d < 0) d = choose(ahead);
    // d: any way not taken lately
    if (d < 0) {
        int list[8], count = 0;
        for (int k = 0; k < 8; k++) {
            ask(k);
            if (open_ways & (1u << k)) list[count++] = k;
        }
        if (count) d = list[random(count)];
    }
    crestep_batch_end();
    if (d < 0) {
        if (cr.movehist_x[3] == ox) {
            for (int i = 1; i < HIST; i++) {
                cr.movehist_x[i] = cr.movehist_x[0];
                cr.movehist_y[i] = cr.movehist_y[0];
            }
        } else {
            history_shift(cr);
        }
        cr.movehist_x[0] = cr.movehist_y[0] = 0;
        return 0;
    }
    cr.Suunta = d;
    if (spirit) kaanna_NPC_kohti(n, PlayerX, PlayerY);
    const int nx = ox + Heds_x(d), ny = oy + Heds_y(d);
    Liikkuminen(n, nx, ny, 1);
    history_shift(cr);
    const int p2 = pos_of(n);
    const int ax = p2 >= 0 ? Data[p2].x : nx, ay = p2 >= 0 ? Data[p2].y : ny;
    cr.movehist_x[0] = ax;
    cr.movehist_y[0] = ay;
    return ax == x && ay == y;
}

int travel_steps(int v, int p, int tame, int enemy_v) {
    if (tame && v > p) v = p;
    if (v <= p) {
        if (p > v && random(p) > v && random(3) < 2) return 0;
        return 1;
    }
    int steps = 1;
    if (v >= 3 * p) steps = 3;
    else if (v >= 2 * p) steps = 2;
    else if (random(v) > p) steps = 2;
    if (enemy_v > 0) {
        if (2 * v >= 3 * enemy_v) steps++;
        else if (5 * v >= 6 * enemy_v && random(3) == 0) steps++;
    }
    return steps;
}

int cre_speed(int n) {
    if (onko_NPC_haltija(n)) return ACTUAL_MOBILITY(-1) * 3 / 2;
    return ACTUAL_MOBILITY(n);
}

int Kulje_Paikkaan(int n, int x, int y) {
    CANT_GET_CLOSER = 0;
    if (!ask_valid(n)) return 0;
    CreatureStruct &cr = Cre[n];
    const int pos = pos_of(n);
    if (pos < 0) return 0;
    if (cr.mode == 4 || cr.mode == 99) AsetaPonnistelu(n, cr.korkeus == 100 ? 2 : 10);
    else if (onko_NPC_vesielaja(n) && crestep_open_water(x, y)) AsetaPonnistelu(n, 1);
    const int plr_mobility = ACTUAL_MOBILITY(-1);
    const int p = plr_mobility > 0 ? plr_mobility : 1;
    const int v = cre_speed(n);
    const int tame = onko_NPC_kesyelain(n) && cr.mode != 4 && cr.mode != 2 && cr.mode != 99;
    int enemy_v = 0;
    if (cr.mode == 4 && cr.enemy >= 0 && cr.enemy < CRE_COUNT) enemy_v = cre_speed(cr.enemy);
    const int steps = travel_steps(v, p, tame, enemy_v);
    for (int s = 0; s < steps && !WIZARD_npcfreeze; s++)
        if (askel_kohti_paikkaa(n, x, y)) {
            CANT_GET_CLOSER = 1;
            break;
        }
    return CANT_GET_CLOSER;
}

int Elain_Eteenpain(int dp) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CREATURE) return 0;
    const int n = creature_slot_of(Data[dp].id);
    if (n < 0) return 0;
    const int h = Cre[n].Suunta;
    const int x = Data[dp].x + Heds_x(h), y = Data[dp].y + Heds_y(h);
    if (Liikkuminen(n, x, y, 0) != STEP_OK) return 0;
    Kulje_Paikkaan(n, x, y);
    return 1;
}

// ---- place searches ------------------------------------------------------------------------------

static bool mark_at(int x, int y, unsigned char c1, unsigned char c2) {
    if (!in_grid(x, y)) return false;
    const int c = maailma[mapidx(x, y)];
    return c == c1 || c == c2;
}

// The distance (in the larger of the two axes) of the nearest square showing c1 or c2 from x, y,
// looked for ring by ring below `radius`; `radius` when there is none.
static int nearest_mark_ring(int x, int y, int radius, unsigned char c1, unsigned char c2) {
    for (int r = 0; r < radius; r++) {
        for (int xx = x - r; xx <= x + r; xx++)
            if (mark_at(xx, y - r, c1, c2) || mark_at(xx, y + r, c1, c2)) return r;
        for (int yy = y - r + 1; yy <= y + r - 1; yy++)
            if (mark_at(x - r, yy, c1, c2) || mark_at(x + r, yy, c1, c2)) return r;
    }
    return radius;
}

Paikka HaePaikka_Karttamerkki(int x, int y, int radius, unsigned char c1, unsigned char c2) {
    Paikka p;
    if (radius > 200) radius = 200;
    // The squares grow round x, y and each is walked whole; those smaller than the nearest mark
    // hold none, draw nothing and may be passed over.
    for (int r = nearest_mark_ring(x, y, radius, c1, c2); r < radius; r++)
        for (int yy = y - r; yy <= y + r; yy++)
            for (int xx = x - r; xx <= x + r; xx++) {
                if (!in_grid(xx, yy)) continue;
                const int c = get_mapchar(xx, yy);
                if (c != c1 && c != c2) continue;
                p.x = xx;
                p.y = yy;
                if (random(10) == 0) return p;
            }
    return p;
}

static Paikka search_pool(int x, int y, int radius, int t1, int t2, int id1, int id2, int byid) {
    Paikka p;
    const int lim = 2 * radius;
    // beyond the last record in use lie only unused and freed places, which no search asks for
    const int free_asked = !byid && (t1 == DT_UNUSED || t1 == DT_FREED || t2 == DT_UNUSED || t2 == DT_FREED);
    const int bound = free_asked ? -1 : pool_end_bound();
    const int end = free_asked ? DATA_MAX : bound >= 0 ? bound : crestep_pool_end();
    for (int i = 0; i < end; i++) {
        const DataStruct &d = Data[i];
        if (abs((int)d.x - x) >= lim || abs((int)d.y - y) >= lim) continue;
        if (byid) {
            if (d.type != DT_ITEM) continue;
            const int oid = (int)ObjToItem((int)d.id).id;
            if (oid != id1 && oid != id2) continue;
        } else if (d.type != t1 && d.type != t2) {
            continue;
        }
        p.x = d.x;
        p.y = d.y;
        p.dp = i;
        if (random(10) == 0) return p;
    }
    return p;
}

Paikka HaePaikka_Datamerkki(int x, int y, int radius, int t1, int t2) { return search_pool(x, y, radius, t1, t2, 0, 0, 0); }
Paikka HaePaikka_EsineId(int x, int y, int radius, int id1, int id2) { return search_pool(x, y, radius, 0, 0, id1, id2, 1); }

// ---- habitat, escape and safety ------------------------------------------------------------------

int onko_NPCn_elinymparistoa(int n, int x, int y) {
    if (x == 0 || y == 0) return 0;
    if (n < 0) return 1;
    if (!ask_valid(n)) return 0;
    const CreatureStruct &c = Cre[n];
    if (is_human(n) || onko_NPC_kesyelain(n) || npcKotielain(n)) return 1;
    if (onko_NPC_lintu(n)) {
        if (c.moveclass == 128) return (crestep_open_water(x, y) && vesisyvyys(x, y) < 6) || crestep_ice(x, y) > 0;
        int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
        if (!bigmap()) {
            wx += (x - AREA_CENTRE) >= 0 ? (x - AREA_CENTRE) / 64 : -((AREA_CENTRE - x + 63) / 64);
            wy += (y - AREA_CENTRE) >= 0 ? (y - AREA_CENTRE) / 64 : -((AREA_CENTRE - y + 63) / 64);
        } else {
            wx = x, wy = y;
        }
        return !terrain_flag(get_alltime_maailmachar(wx, wy), TF_WATER);
    }
    if (c.moveclass == 96 && c.kind != 24) {
        if (crestep_open_water(x, y)) return 1;
        return c.speciescode == SPECIES_BEAVER && ranta_alue(x, y);
    }
    return 1;
}

void Nollaa_Pakopaikka(int n) {
    if (!ask_valid(n)) return;
    Cre[n].refuge[0] = Cre[n].refuge[1] = 0;
    Cre[n].refuge_counter = 0;
}

Paikka Hae_Pakopaikka(int n, int tx, int ty) {
    Paikka p;
    if (!ask_valid(n)) return p;
    CreatureStruct &c = Cre[n];
    const int pos = pos_of(n);
    if (pos < 0) return p;
    const int cx = Data[pos].x, cy = Data[pos].y;
    const int rx = (int)c.refuge[0], ry = (int)c.refuge[1];
    const int keep = rx && ry && abs(cx - rx) > 2 && abs(cy - ry) > 2 && c.refuge_counter >= 1 && c.refuge_counter <= 50 &&
                     koordinaattien_vali(rx, ry, tx, ty) >= 5 &&
                     koordinaattien_vali(rx, ry, tx, ty) > koordinaattien_vali(cx, cy, tx, ty);
    if (keep) {
        p.x = rx;
        p.y = ry;
        return p;
    }
    Nollaa_Pakopaikka(n);
    int wx = 0, wy = 0;
    if (c.moveclass == 96 && !crestep_open_water(cx, cy) && etaisyys_veteen(cx, cy, &wx, &wy) < 1000) {
        p.x = wx;
        p.y = wy;
    } else {
        const int ex = abs(cx - tx), ey = abs(cy - ty), r = random(25);
        const int awayx = cx > tx ? 1 : -1, awayy = cy > ty ? 1 : -1;
        int sx, sy;
        if (ey > ex) {
            sy = awayy;
            sx = random(2) ? 1 : -1;
        } else if (ey < ex) {
            sx = awayx;
            sy = random(2) ? 1 : -1;
        } else {
            sx = awayx;
            sy = awayy;
        }
        p.x = cx + sx * (25 - r);
        p.y = cy + sy * r;
    }
    // an escape place lies inside the local area
    if (!bigmap()) {
        if (p.x < AREA_MIN + 2) p.x = AREA_MIN + 2;
        if (p.x > AREA_MAX - 2) p.x = AREA_MAX - 2;
        if (p.y < AREA_MIN + 2) p.y = AREA_MIN + 2;
        if (p.y > AREA_MAX - 2) p.y = AREA_MAX - 2;
    }
    c.refuge[0] = (uint32_t)p.x;
    c.refuge[1] = (uint32_t)p.y;
    c.refuge_counter = (uint8_t)(3 + random(20));
    return p;
}

int Onko_Turvassa(int n) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    const int pos = pos_of(n);
    if (pos < 0) return 0;
    // a foe that is gone, dead or whose slot now holds another leaves the player as the threat
    int tx = PlayerX, ty = PlayerY;
    if (c.enemy >= 0 && OtaVihollisenTiedot(n)) tx = vihollinen_x, ty = vihollinen_y;
    c.enemy_x = (uint16_t)tx;
    c.enemy_y = (uint16_t)ty;
    int safe = c.korkeus == 100 ? 8 : c.korkeus == 200 ? 2 : is_human(n) ? 25 : 30;
    safe += 2 * c.alertness;
    if (koordinaattien_vali(Data[pos].x, Data[pos].y, tx, ty) <= safe) return 0;
    if (c.alertness >= 6) c.alertness--;
    return 1;
}

// ---- climbing, landing, flying, diving -----------------------------------------------------------

static int seen_or_near(int n, int limit) {
    const int pos = pos_of(n);
    if (pos < 0) return 0;
    return See(Data[pos].x, Data[pos].y) || koordinaattien_vali(Data[pos].x, Data[pos].y, PlayerX, PlayerY) <= limit;
}

int OSAAKO_KIIVETA(int n) {
    return ask_valid(n) && Cre[n].speciescode == SPECIES_SQUIRREL && Cre[n].injury <= Cre[n].endurance;
}

int Kiipea_Puuhun(int n) {
    if (!OSAAKO_KIIVETA(n) || Cre[n].korkeus == 200) return 0;
    const int pos = pos_of(n);
    if (pos < 0) return 0;
    for (int d = 0; d < 8; d++) {
        const int x = Data[pos].x + Heds_x(d), y = Data[pos].y + Heds_y(d);
        if (!terrain_flag(get_mapchar(x, y), TF_TREE)) continue;
        Cre[n].korkeus = 200;
        cre_say(n, "DO_TREECLIMB");
        Data[pos].x = (uint16_t)x;
        Data[pos].y = (uint16_t)y;
        crestep_record_moved(pos);
        Cre[n].Viimeisin_X = x;
        Cre[n].Viimeisin_Y = y;
        return 1;
    }
    return 0;
}

int Laskeudu(int n) {
    if (!ask_valid(n) || !onko_NPC_lintu(n) || Cre[n].korkeus == 0) return 0;
    CreatureStruct &c = Cre[n];
    if (c.posture) {
        c.korkeus = 0;
        return 0;
    }
    // a bird comes down only where it can stand: onto a branch over a tree, onto water only a
    // water bird; over a roof or a rock it stays in the air
    const int pos = pos_of(n);
    int perch = 0;
    if (pos >= 0) {
        const int ch = get_mapchar(Data[pos].x, Data[pos].y);
        if (terrain_flag(ch, TF_TREE)) perch = 1;
        else if (terrain_flag(ch, TF_WATER) ? !onko_NPC_vesielaja(n) : terrain_flag(ch, TF_BLOCKS)) return 0;
    }
    if (seen_or_near(n, 15)) cre_say(n, "DO_LAND");
    c.korkeus = perch ? 200 : 0;
    if (random(5) == 0) drop_feather(n);
    return 1;
}

int OSAAKO_LENTAA(int n) {
    if (!ask_valid(n) || !onko_NPC_lintu(n)) return 0;
    const int pos = pos_of(n);
    if (pos >= 0 && crestep_trap_at(Data[pos].x, Data[pos].y) >= 0) {
        Laskeudu(n);
        return 0;
    }
    return 1;
}

int Lenna(int n) {
    if (!ask_valid(n) || !onko_NPC_lintu(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.korkeus == 100 || c.posture == 1) return 0;
    if (c.mode == CM_ASLEEP) HerataNPC(n);
    c.korkeus = 100;
    if (INVASUHDE_liikuntaelimet(n) >= 1.0f) {
        c.korkeus = 0;
        return 0;
    }
    if (seen_or_near(n, 15)) cre_say(n, "DO_FLY");
    if (random(10) == 0) drop_feather(n);
    return 1;
}

int Sukella(int n) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.korkeus == -100) return 0;
    const int pos = pos_of(n);
    if (pos < 0 || !crestep_open_water(Data[pos].x, Data[pos].y)) return 1;
    if (koordinaattien_vali(Data[pos].x, Data[pos].y, PlayerX, PlayerY) <= 19) cre_say(n, "DO_DIVE");
    c.korkeus = -100;
    return 1;
}

// ---- travel and reach ----------------------------------------------------------------------------

// Up to 100 test steps from where the creature stands, walked on its own record only: the pool is
// never copied, and the record goes back to its square. A square once walked is not walked again.
int canreachloc(int n, int x, int y) {
    if (n == -1 || bigmap()) return 1;
    if (!ask_valid(n)) return 0;
    const int pos = pos_of(n);
    if (pos < 0) return 0;
    tyhjenna_liikehistoria(n);
    enum { R = 101, W = 2 * R + 1 };
    static uint8_t walked[W * W];
    memset(walked, 0, sizeof walked);
    const uint16_t sx = Data[pos].x, sy = Data[pos].y;
    int cx = sx, cy = sy;
    walked[R * W + R] = 1;
    for (int step = 0; step < 100 && !WIZARD_npcfreeze; step++) {
        if (koordinaattien_vali(cx, cy, x, y) <= 1) break;
        int best = -1, bestd = 1 << 30;
        Data[pos].x = (uint16_t)cx;
        Data[pos].y = (uint16_t)cy;
        crestep_batch_begin(n);
        for (int d = 0; d < 8; d++) {
            const int nx = cx + Heds_x(d), ny = cy + Heds_y(d);
            const int wx = nx - sx + R, wy = ny - sy + R;
            if (wx < 0 || wy < 0 || wx >= W || wy >= W || walked[wy * W + wx]) continue;
            if (Liikkuminen(n, nx, ny, 0) != STEP_OK) continue;
            const int dd = abs(nx - x) + abs(ny - y);
            if (dd < bestd) bestd = dd, best = d;
        }
        crestep_batch_end();
        if (best < 0) break;
        cx += Heds_x(best);
        cy += Heds_y(best);
        walked[(cy - sy + R) * W + (cx - sx + R)] = 1;
    }
    Data[pos].x = sx;
    Data[pos].y = sy;
    return koordinaattien_vali(cx, cy, x, y) <= 1;
}

Paikka Hae_Hylkeen_Lekottelupaikka() {
    xypool_reset();
    for (int y = 82; y <= 381; y += 2 + random(4))
        for (int x = 82; x <= 381; x += 2 + random(4)) {
            const int c = get_mapchar(x, y);
            if (c == CH_GROUND) {
                int ox, oy;
                if (zoommap_ulkoluoto(x, y, &ox, &oy)) xypool_addxy(ox, oy);
                continue;
            }
            if (!terrain_flag(c, TF_WATER) || ice_thickness_true(x, y) <= 0) continue;   // a hole in the ice is no ice
            if (ice_break_check(x, y, 500.0f, 0) != 0 || vesisyvyys(x, y) <= 3) continue;
            if (!(crestep_open_water(x + 3, y) || crestep_open_water(x - 3, y) || crestep_open_water(x, y + 3) || crestep_open_water(x, y - 3))) continue;
            xypool_addxy(x, y);
            x += 10;
            y += 10;
        }
    Paikka p;
    xypool_rndxy(&p.x, &p.y);
    return p;
}

Paikka Luo_Elaimen_Tutkimusmatkan_Maaranpaa(int n, int) {
    Paikka p;
    for (int t = 0; t < 10; t++) {
        const int x = 82 + random(300), y = 82 + random(300);
        const Paikka g = HaePaikka_Karttamerkki(x, y, 5, CH_GROUND, CH_GROUND);
        if (g.x && onko_NPCn_elinymparistoa(n, g.x, g.y)) return g;
        if (onko_NPCn_elinymparistoa(n, x, y)) {
            p.x = x;
            p.y = y;
            return p;
        }
    }
    return p;
}

void Tee_Elaimen_Lempipaikka(int, int) {
    if (DEBUG_INFO) DebugNote("tehdään eläimen lempipaikka. rutiini vaiheessa.");
}

void Suorita_Lempipaikka(int n, int dp) {
    const int pos = pos_of(n);
    if (pos < 0) return;
    const Paikka p = HaePaikka_Datamerkki(Data[pos].x, Data[pos].y, 100, 85, 85);
    if (!p.x) {
        Tee_Elaimen_Lempipaikka(n, dp);
        return;
    }
    apukoord[0] = p.x;
    apukoord[1] = p.y;
    Lisaa_Puuha(n, 60, 100);
}
