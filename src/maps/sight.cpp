// src/maps/sight.cpp -- sight traced along the 46 precomputed lines of each octant, the light map of
// fires, torches and people, and making out figures at a distance.
#include "maps/sight.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/wielded.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/korkeus_main.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "core/player.h"
#include "base/ui.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int LIGHT_SOURCES = 0;
int NAKOPIIRISSA_Kyla = 0;

// Major axis (0 x, 1 y) and the signs of the x and y steps of each octant; y grows southward.
static const int oct_major[8] = {0, 1, 1, 0, 0, 1, 1, 0};
static const int oct_xs[8] = {1, 1, -1, -1, -1, -1, 1, 1};
static const int oct_ys[8] = {-1, -1, -1, -1, 1, 1, 1, 1};

static int line_bit(int line, int step) {
    if (step < 0 || step >= 40) return 0;
    return (LineData[line][1 + step / 8] >> (7 - step % 8)) & 1;
}

// Surface height with the level decided once per line instead of once per square.
static int surface(int x, int y, int world) {
    if (!in_grid(x, y)) return 0;
    if (world) return get_isomaailmakorkeus(y, x) & 0xff;
    return korkeuskartta[mapidx(x, y)];
}

static int view_half_w() { return mapDim.half_w > 0 ? mapDim.half_w : 12; }
static int view_half_h() { return mapDim.half_h > 0 ? mapDim.half_h : 11; }

// ---- the view layers' stale rectangle ---------------------------------------------------------

// At rest maailma_attrib holds ':' and maailma_work a copy of the memory map. The rectangle below
// (layer coordinates, inclusive) holds every square where either may differ from that rest: what the
// last view marked and what was written since. PlayerView puts back only this rectangle, so a view
// costs the squares around the player rather than two whole layers. It starts as the whole layer.
static int stale_x0 = 0, stale_y0 = 0, stale_x1 = MAP_STRIDE - 1, stale_y1 = MAP_ROWS - 1;

void view_layers_touched_rect(int x0, int y0, int x1, int y1) {
    if (x0 < 0) x0 = 0;
    if (y0 < 0) y0 = 0;
    if (x1 > MAP_STRIDE - 1) x1 = MAP_STRIDE - 1;
    if (y1 > MAP_ROWS - 1) y1 = MAP_ROWS - 1;
    if (x0 > x1 || y0 > y1) return;
    world_memory_touched(y0, y1);   // the memory map's rows differ from the remembered world's now
    if (x0 < stale_x0) stale_x0 = x0;
    if (y0 < stale_y0) stale_y0 = y0;
    if (x1 > stale_x1) stale_x1 = x1;
    if (y1 > stale_y1) stale_y1 = y1;
}

void view_layers_touched(int x, int y) { view_layers_touched_rect(x, y, x, y); }

void view_layers_touched_all() { view_layers_touched_rect(0, 0, MAP_STRIDE - 1, MAP_ROWS - 1); }

// Rows y0..y1 of the stale rectangle's columns: `attrib` puts back the marks, `work` the work layer.
static void rest_rows(int y0, int y1, bool attrib, bool work) {
    if (y0 > y1) return;
    if (stale_x0 == 0 && stale_x1 == MAP_STRIDE - 1) {   // whole rows: one run
        const size_t at = mapidx(0, y0), n = (size_t)(y1 - y0 + 1) * MAP_STRIDE;
        if (attrib) memset(&maailma_attrib[at], ':', n);
        if (work) memcpy(&maailma_work[at], &maailma_memorymap[at], n);
        return;
    }
    const size_t n = (size_t)(stale_x1 - stale_x0 + 1);
    for (int y = y0; y <= y1; y++) {
        const size_t at = mapidx(stale_x0, y);
        if (attrib) memset(&maailma_attrib[at], ':', n);
        if (work) memcpy(&maailma_work[at], &maailma_memorymap[at], n);
    }
}

// Both layers back at rest inside the stale rectangle, which is then empty. Marks filled with ':' hold it
// but in the rows told since (after a map is read, all but the rows around the player): only those are
// put back.
static void rest_view_layers() {
    if (stale_x0 > stale_x1 || stale_y0 > stale_y1) return;
    int a0 = stale_y0, a1 = stale_y1;
    if (layer_fill_rows(maailma_attrib, a0, a1) == ':') {
        if (a0 < stale_y0) a0 = stale_y0;
        if (a1 > stale_y1) a1 = stale_y1;
    } else {
        a0 = stale_y0;
        a1 = stale_y1;
        layer_rows_written(maailma_attrib, a0, a1);
    }
    layer_rows_written(maailma_work, stale_y0, stale_y1);
    if (a0 > a1) {
        rest_rows(stale_y0, stale_y1, false, true);
    } else {
        rest_rows(stale_y0, a0 - 1, false, true);
        rest_rows(a0, a1, true, true);
        rest_rows(a1 + 1, stale_y1, false, true);
    }
    stale_x0 = stale_y0 = 1 << 30;
    stale_x1 = stale_y1 = -1;
}

static void record_seen(int x, int y, int c) {
    if (!in_grid(x, y)) return;
    view_layers_touched(x, y);
    view_rows_written(y, y);
    size_t i = mapidx(x, y);
    if ((c == 210 || c == 239) && maailma_work[i] == ' ') NAKOPIIRISSA_Kyla = 1;
    maailma_work[i] = (uint8_t)c;
    maailma_memorymap[i] = (uint8_t)c;
    maailma_worksymbol[i] = (uint8_t)c;
    maailma_attrib[i] = '4';
}

// One line from (x0, y0). With a target the line answers whether it reaches the target; without,
// it writes what the player sees into the view layers.
// The line's sight length is ldist.
static int trace(int line, int xstep, int ystep, int major, int x0, int y0, int tx, int ty, int allsee, int who,
                 int world, int maxstep, int ldist) {
    const int H0 = surface(x0, y0, world);
    int highest = H0, lowest = H0, rises = 0, falls = 0, since_fall = 0, budget = 1;
    const int prone = who == -1 && Plr.posture == 1;
    int x = x0, y = y0;
    for (int step = 0;; step++) {
        if (major == 0) {
            x += xstep;
            if (line_bit(line, step)) y += ystep;
        } else {
            y += ystep;
            if (line_bit(line, step)) x += xstep;
        }
        const int inside = in_grid(x, y);
        const int c = inside ? maailma[mapidx(x, y)] : 32;
        const int h = surface(x, y, world);
        const int lit = inside && light_map[x + WORLD_W * y] == 1;

        int V;
        if (allsee)
            V = 1;
        else if (c == 96) {
            if (lit && LIGHT_SOURCES)
                V = 2;
            else {
                V = 0;
                budget = 250;
            }
        } else if (lit)
            V = 2;
        else
            V = budget <= ldist ? 1 : 0;

        // terrain_flag's answers, read straight: a char of the map is always a row of the table
        const uint32_t flags = terrain[c].flags;
        if ((flags & TF_BLOCKS_SIGHT) && ALL_SEE != 1 && (!world || !(H0 > h))) budget = 250;

        if (!(flags & TF_WATER)) {
            if (h >= highest || H0 >= highest) {
                if (V && prone) {
                    if (h > H0) {
                        V = h > highest;
                        if (rises >= 2 && !((rises < 3 || step < 11) && budget < 11)) {
                            V = 0;
                            budget = 250;
                        }
                    } else if (h < H0) {
                        if (since_fall >= 4) V = 0;
                        if ((falls >= 3 && step >= 11) || (falls == 2 && step >= 16)) {
                            V = 0;
                            budget = 250;
                        }
                    }
                }
                if (h > highest) {
                    rises++;
                    highest = h;
                }
            } else {
                V = 0;
            }
            since_fall++;
            if (h < lowest) {
                falls++;
                lowest = h;
                since_fall = 0;
            }
        }

        if (V) {
            if (tx == 0)
                record_seen(x, y, c);
            else if (x == tx && y == ty)
                return 1;
        }
        budget = (inside ? budget : 250) + 1;
        if (step > maxstep || budget >= 128) return 0;
    }
}

int pos_linedraw(int line, int xstep, int ystep, int major, int x0, int y0, int tx, int ty, int allsee, int who) {
    if (line < 0 || line >= LINE_COUNT) return 0;
    return trace(line, xstep, ystep, major, x0, y0, tx, ty, allsee, who, bigmap(), view_half_w(), (int)LDist[line]);
}

void view8(int octant) {
    const int o = ((octant % 8) + 8) % 8, world = bigmap(), maxstep = view_half_w();
    for (int line = 0; line < LINE_COUNT; line++)
        trace(line, oct_xs[o], oct_ys[o], oct_major[o], PlayerX, PlayerY, 0, 0, 0, -1, world, maxstep, (int)LDist[line]);
}

// The lines of an octant as a target query sees them. A line reaches a target k squares along the
// major axis only at its k-th step, and only when it has turned exactly as many times as the target
// lies off the axis; lines that cross the same squares that far answer alike, but for their sight
// length, and the longest of them answers for all (a longer line sees all a shorter one sees).
// group_lines[k] lists, for each such bundle of lines at major distance k, its first line and its
// members; group_start[k][m] .. group_start[k][m + 1] are the bundles m squares off the axis. The
// patterns end after 40 steps, so farther targets are looked up at 40 with the rest straight.
enum { PATTERN_STEPS = 40 };
struct LineGroup {
    int line;                      // the line traced for the bundle
    uint64_t members;              // bit per line
};
static LineGroup group_lines[PATTERN_STEPS + 1][LINE_COUNT];
static int group_start[PATTERN_STEPS + 1][PATTERN_STEPS + 2];

static void build_line_groups() {
    static uint8_t built_from[LINE_COUNT][6];
    static bool built = false;
    if (built && memcmp(built_from, LineData, sizeof built_from) == 0) return;
    memcpy(built_from, LineData, sizeof built_from);
    built = true;
    for (int k = 1; k <= PATTERN_STEPS; k++) {
        int count = 0;
        for (int m = 0; m <= k; m++) {
            group_start[k][m] = count;
            for (int line = 0; line < LINE_COUNT; line++) {
                int turns = 0;
                for (int s = 0; s < k; s++) turns += line_bit(line, s);
                if (turns != m) continue;
                int g = group_start[k][m];
                for (; g < count; g++) {
                    bool same = true;
                    for (int s = 0; s < k && same; s++) same = line_bit(line, s) == line_bit(group_lines[k][g].line, s);
                    if (same) break;
                }
                if (g == count) group_lines[k][count++] = {line, 0};
                group_lines[k][g].members |= (uint64_t)1 << line;
            }
        }
        group_start[k][k + 1] = count;
    }
}

// A target query: no line goes past the target's major-axis distance, and of the lines that cross
// the same squares that far only one is traced. The sight length matters only without the all-see
// flag.
static int reach_octant(int o, int x0, int y0, int tx, int ty, int allsee, int world, int who) {
    const int dmaj = oct_major[o] == 0 ? (tx - x0) * oct_xs[o] : (ty - y0) * oct_ys[o];
    const int dmin = oct_major[o] == 0 ? (ty - y0) * oct_ys[o] : (tx - x0) * oct_xs[o];
    if (dmaj <= 0 || dmin < 0 || dmin > dmaj) return 0;   // the octant's lines never get there
    int maxstep = view_half_w();
    if (dmaj - 1 < maxstep) maxstep = dmaj - 1;
    // A line that stops before the target's step never reaches it; the player's own lines (prone on
    // a slope) and a target on x 0 (which traces the player's view) take every line.
    if (dmaj - 1 > maxstep + 1) return 0;
    if (tx != 0 && who != -1) {
        build_line_groups();
        const int k = dmaj < PATTERN_STEPS ? dmaj : PATTERN_STEPS;
        if (dmin > k) return 0;
        for (int g = group_start[k][dmin]; g < group_start[k][dmin + 1]; g++) {
            const LineGroup &lg = group_lines[k][g];
            int ldist = 0;
            if (!allsee)
                for (uint64_t b = lg.members; b; b &= b - 1) {
                    const int d = (int)LDist[__builtin_ctzll(b)];
                    if (d > ldist) ldist = d;
                }
            if (trace(lg.line, oct_xs[o], oct_ys[o], oct_major[o], x0, y0, tx, ty, allsee, who, world, maxstep, ldist))
                return 1;
        }
        return 0;
    }
    for (int line = 0; line < LINE_COUNT; line++)
        if (trace(line, oct_xs[o], oct_ys[o], oct_major[o], x0, y0, tx, ty, allsee, who, world, maxstep, (int)LDist[line]))
            return 1;
    return 0;
}

int NPC_see(int x0, int y0, int tx, int ty, int heading) {
    const int world = bigmap();
    if (heading == -1) {
        for (int o = 0; o < 8; o++)
            if (reach_octant(o, x0, y0, tx, ty, 0, world, 0)) return 1;
        return 0;
    }
    for (int k = -2; k <= 1; k++)
        if (reach_octant(((heading + k) % 8 + 8) % 8, x0, y0, tx, ty, 0, world, 0)) return 1;
    return 0;
}

static int can_see(int x0, int y0, int tx, int ty, int world) {
    if (x0 == tx && y0 == ty) return 1;
    const int d = koordSuunta(x0, y0, tx, ty);
    for (int k = -2; k <= 1; k++)
        if (reach_octant(((d + k) % 8 + 8) % 8, x0, y0, tx, ty, 1, world, 0)) return 1;
    return 0;
}

int canseefromto(int x0, int y0, int tx, int ty, int) { return can_see(x0, y0, tx, ty, bigmap()); }

int See(int x, int y) {
    if (x < 1 || x > 3071 || y < 1 || y > 2047) return 0;
    if (abs(PlayerX - x) > view_half_w() || abs(PlayerY - y) > view_half_h()) return 0;
    return maailma_attrib[mapidx(x, y)] != ':';
}

static bool near(int ax, int ay, int bx, int by, int r) {
    int dx = ax - bx, dy = ay - by;
    return dx >= -r && dx <= r && dy >= -r && dy <= r;
}

int see_datatype_around(int type, int x, int y, int mode) {
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != type || !near(d.x, d.y, x, y, 1)) continue;
        if (mode == 1 && d.x == PlayerX && d.y == PlayerY) continue;
        if (See(d.x, d.y)) return i;
    }
    return -1000;
}

// ---- light ---------------------------------------------------------------------------------------

// The light map is cleared where it was lit last time, not whole: the rectangle of lit squares.
static int lit_x0 = 1 << 30, lit_y0 = 1 << 30, lit_x1 = -1, lit_y1 = -1;

static void clear_light_map() {
    for (int y = lit_y0; y <= lit_y1; y++) memset(&light_map[lit_x0 + WORLD_W * y], 0, (size_t)(lit_x1 - lit_x0 + 1));
    lit_x0 = lit_y0 = 1 << 30;
    lit_x1 = lit_y1 = -1;
}

static void light_square(int x, int y) {
    light_map[x + WORLD_W * y] = 1;
    if (x < lit_x0) lit_x0 = x;
    if (x > lit_x1) lit_x1 = x;
    if (y < lit_y0) lit_y0 = y;
    if (y > lit_y1) lit_y1 = y;
}

// Next to a light the answer does not hang on the ground: with every square seen, the first step of
// a line sees whatever it lands on, and only the lines' first turns decide which of the eight squares
// the lines land on. So the eight answers are asked once for each set of lines. A square on x 0 is
// always asked (a target there traces the player's view instead).
static int8_t next_answer[3][3];
static uint8_t next_asked_with[LINE_COUNT][6];

static void check_next_answers() {
    static bool ready = false;
    if (ready && memcmp(next_asked_with, LineData, sizeof next_asked_with) == 0) return;
    memcpy(next_asked_with, LineData, sizeof next_asked_with);
    memset(next_answer, -1, sizeof next_answer);
    ready = true;
}

static int lights_square(int x, int y, int sx, int sy, int world) {
    const int dx = sx - x, dy = sy - y;
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1 || sx == 0) return can_see(x, y, sx, sy, world);
    int8_t &a = next_answer[dy + 1][dx + 1];
    if (a < 0) a = (int8_t)can_see(x, y, sx, sy, world);
    return a;
}

static void light_around_in(int x, int y, int r, int spot, int world) {
    if (spot) add_maplightspot(x, y, r);
    check_next_answers();
    const int k = (r == 2 || r == 3) ? 2 : r == 4 ? 3 : r == 5 ? 4 : 0;
    for (int dy = -r; dy <= r; dy++)
        for (int dx = -r; dx <= r; dx++) {
            const int ady = abs(dy), adx = abs(dx);
            if (k != 0 && ady >= k && adx >= r - abs(k - ady)) continue;
            const int sx = x + dx, sy = y + dy;
            if (!in_grid(sx, sy)) continue;
            if (light_map[sx + WORLD_W * sy] == 1) continue;   // already lit: the answer cannot change
            if (lights_square(x, y, sx, sy, world)) light_square(sx, sy);
        }
    LIGHT_SOURCES = 1;
}

void light_around(int x, int y, int r, int spot) { light_around_in(x, y, r, spot, bigmap()); }

// A light source is an item of the light kind whose state word says it burns.
static int lit_light(const ItemStruct &it) { return it.subtype == ST_LIGHT && it.state == 1; }

// The fuel of a burning light is its spoilage byte: a torch is made with 150.
static uint8_t &light_fuel(ItemStruct &it) { return it.spoil; }

int light_source_maintenance(int object) {
    int n = ObjToPlayerObj(object);
    if (n < OBJ_PLAYER_FIRST || n > OBJ_PLAYER_LAST) return object;
    if (random(4) == 0) return object;
    ItemStruct &it = PlayerObj[n - OBJ_PLAYER_FIRST];
    uint8_t &fuel = light_fuel(it);
    if (fuel > 0) fuel--;
    char text[120];
    if (fuel == 0) {
        snprintf(text, sizeof text, "+%s has burnt out.", it.name);
        Note(text);
        return 0;
    }
    if (fuel < 20 && random(3) == 0) {
        snprintf(text, sizeof text, "+Light of the %s is fading.", it.name);
        Note(text);
    }
    return n;
}

void light_sources(int tick) {
    const int world = bigmap();
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int obj = Plr.inv_obj[s];
        if (obj < OBJ_PLAYER_FIRST || obj > OBJ_PLAYER_LAST) continue;
        const ItemStruct &it = PlayerObj[obj - OBJ_PLAYER_FIRST];
        if (!lit_light(it)) continue;
        if (tick) {
            int r = light_source_maintenance(obj);
            if (r == 0) {
                Plr.inv_obj[s] = 0;
                Plr.inv_count[s] = 0;
            } else
                Plr.inv_obj[s] = r;
        } else {
            light_around_in(PlayerX, PlayerY, world ? 1 : it.light, 1, world);
        }
    }
    if (world) return;
    if (!tick)   // the glowing squares, found a row at a time
        for (int y = AREA_MIN; y <= AREA_MAX; y++) {
            const uint8_t *row = &maailma[mapidx(0, y)];
            for (int x = AREA_MIN; x <= AREA_MAX; x++) {
                const void *at = memchr(row + x, ':', (size_t)(AREA_MAX - x + 1));
                if (!at) break;
                x = (int)((const uint8_t *)at - row);
                light_around_in(x, y, 4, 0, world);
            }
        }
    for (int i = 0, end = data_end(); i < end; i++) {
        DataStruct &d = Data[i];
        if (d.type == DT_CREATURE) {
            const long slot = (long)d.id - CRE_DATAID;
            if (slot < 0 || slot >= CRE_COUNT) continue;   // a damaged id never picks a slot
            if (Cre[slot].kind == CK_HUMAN && !lighted(d.x, d.y)) light_around_in(d.x, d.y, 1, 0, world);
        } else if (d.type == DT_FIRE) {
            const int c = get_mapchar(d.x, d.y);
            if (c == 4 || c == 5) {
                light_around_in(d.x, d.y, 1, 1, world);
            } else {
                long age = labs((long)Plr.minutes - (long)d.ready_minute);
                light_around_in(d.x, d.y, age < 30 ? 1 : age <= 120 ? 2 : 3, 1, world);
            }
        } else if (d.type == DT_ITEM) {
            if (!AnyObjToObj((int)d.id) || !lit_light(Item)) continue;
            light_around_in(d.x, d.y, Item.light, 1, world);
            if (tick) {
                int r = light_source_maintenance((int)d.id);
                if (r == 0)
                    CrunchData(i);
                else
                    d.id = (uint32_t)r;
            }
        }
    }
}

// The item the hand wields is a shield.
static int wields_shield(int hand) {
    const int slot = wielding(hand);
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] <= 0) return 0;
    ItemStruct it;
    ObjToItem(it, Plr.inv_obj[slot]);
    return onko_KILPI(it);
}

// ---- the player's view ------------------------------------------------------------------------

void PlayerView() {
    // The window about to be traced is put back too, whatever was written there unannounced.
    const int reach = (view_half_w() > view_half_h() ? view_half_w() : view_half_h()) + 2;
    view_layers_touched_rect(PlayerX - reach, PlayerY - reach, PlayerX + reach, PlayerY + reach);
    rest_view_layers();
    clear_light_map();
    LIGHT_SOURCES = 0;
    NAKOPIIRISSA_Kyla = 0;
    clear_maplightspots();
    light_sources(0);

    bool skip[4] = {(Plr.view_restriction & 1) != 0, false, false, (Plr.view_restriction & 2) != 0};
    shield_guard_renew();
    if ((Plr.shield_guard & 5) == 5) {
        if (wields_shield(1)) skip[0] = skip[1] = true;
        if (wields_shield(2)) skip[2] = skip[3] = true;
    }
    for (int k = 0; k < 4; k++)
        if (!skip[k]) view8(PlayerDir - 2 + k);

    if (in_grid(PlayerX, PlayerY)) {
        view_layers_touched(PlayerX, PlayerY);
        view_rows_written(PlayerY, PlayerY);
        size_t i = mapidx(PlayerX, PlayerY);
        maailma_work[i] = maailma[i];
        maailma_memorymap[i] = maailma[i];
        maailma_worksymbol[i] = maailma[i];
        maailma_attrib[i] = 'C';
    } else {
        set_memorymap(PlayerX, PlayerY, ' ');
    }
}

// ---- figures and places -----------------------------------------------------------------------

int See_FigureInDistance(int x, int y, int record) {
    if (ALL_SEE) return 1;
    if (record < 0 || record >= DATA_MAX) return 0;
    const int D = koordinaattien_vali(PlayerX, PlayerY, x, y);
    const int sight = Plr.sight;
    if (D > sight / 2 + 3) return 0;
    const int world = bigmap();
    const int c = get_mapchar(x, y);
    const int higher = surface(PlayerX, PlayerY, world) > surface(x, y, world) && c != 15 && c != 16 && c != 228;
    if (terrain_flag(c, TF_BLOCKS_SIGHT) && !higher) return 0;
    const DataStruct &d = Data[record];
    if (d.flags == 2 && (long)d.spent_minutes < (long)Plr.minutes - 30) return 0;
    if (d.id == 0) return 0;
    long tmpl = d.id > 999 ? d.owner : (long)d.id;
    if (tmpl < 0 || tmpl >= CONSTANTCRE_COUNT) return 0;
    const float w = ConstantCre[tmpl].weight;
    if (w < 3) return 0;
    return sight + w > 10.0f * D;
}

void YmparysSijainti(int r1, int r2) {
    for (int tries = 0; tries < 1000; tries++) {
        int dx = r1 + random(r2 - r1), dy = r1 + random(r2 - r1);
        if (random(2)) dx = -dx;
        if (random(2)) dy = -dy;
        const int x = PlayerX + dx, y = PlayerY + dy;
        if (terrain_flag(get_mapchar(x, y), TF_BLOCKS)) continue;
        if (See(x, y)) continue;
        GeneralX = x;
        GeneralY = y;
        return;
    }
    GeneralX = PlayerX + 1;
    GeneralY = PlayerY + 1;
}

void ScanSurround() {
    const int dir = PlayerDir;
    for (int d = 0; d < 8; d++) {
        PlayerDir = d;
        DrawMap();
    }
    PlayerDir = dir;
}
