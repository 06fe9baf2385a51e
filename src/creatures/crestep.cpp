// src/creatures/crestep.cpp -- one step of a creature of the local area (see crestep.h). The rules are
// tried in a fixed order; the first that ends the step gives the answer.
#include "creatures/crestep.h"
#include "creatures/trapcatch.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "maps/spiritdata.h"
#include "core/magicknow.h"
#include "maps/trapdata.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "creatures/body.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/life.h"
#include "creatures/people.h"
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"
#include "creatures/tracks.h"
#include "maps/area.h"
#include "creatures/doors.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/squareevents.h"
#include "maps/water.h"
#include "maps/waterpass.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "core/worldservices.h"

// Chars the step rules name.
enum { CH_OPEN_DOOR = CH_DOOR_OPEN, CH_CLOSED_DOOR = CH_DOOR_CLOSED, CH_FENCE = 42 };
enum { STEP_AREA_LO = 74, STEP_AREA_HI = 389 };

// ---- what the door, trap, track and magic modules will answer ---------------------------------

// The traps: whether one holds what it caught, whether it could take the creature (asked without a
// draw, so that test steps stay quiet), the step into it, and letting go. A step taken asks with the
// trap's own chances: one set carelessly (quality 0) mostly takes nothing.
static int trap_holds(int n, int trap) { return PiteleekoAnsa(trap, n); }
int trap_catches(int n, int trap) { return ansa_ottaisi(trap, n); }
static int trap_takes(int n, int trap, int mode) { return mode == 1 ? VaikuttaakoAnsa(trap, n) : trap_catches(n, trap); }
static void trap_steps_in(int n, int trap) { AstuAnsaan(n, Data[trap].x, Data[trap].y); }
static void trap_lets_go(int trap) { PaastaAnsa(trap); }
// A step may leave a track on the square left behind.
static void leave_tracks(int n, int x, int y, int toX, int toY) { tee_zoomjalki(n, x, y, toX, toY); }

// The map reads of a step, inline: the char of a square (blank outside the grid) and a terrain flag
// other than the sight flag (which the see-all mode changes).
static inline int mapchar(int x, int y) { return in_grid(x, y) ? maailma[mapidx(x, y)] : CH_BLANK; }
static inline int has_flag(int c, uint32_t mask) { return (unsigned)c <= 255 && (terrain[c].flags & mask) != 0; }

// The charms a step may work: the player's pet ram running over her net makes it a lucky one, and a
// woman walking through a door over her fox snare does the same for the snare.
enum { MEANS_SHEEP_NET = 120, MEANS_WOMAN_SNARE = 80, TASK_CHARM = 11 };

// Every single net (or every single snare) on the square is marked lucky and stored as an item of its
// own; each one pleases the water folk (nets) and counts as a charm worked.
static void mark_lucky_items(int x, int y, bool nets) {
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != x || d.y != y || d.count != 1) continue;
        ItemStruct it = ObjToItem((int)d.id);
        if (nets ? it.subtype != ST_NET : it.id != OID_FOX_TRAP) continue;
        it.magic = '!';
        const int stored = Luo_Esineen_Itempos(it);
        if (stored > 0) d.id = (uint32_t)stored;   // no room for objects: it stays as it was
        if (nets) set_SpiritData_mood(x, y, SPIRIT_WATER_FOLK, 3);
        world_services.course_task_check(TASK_CHARM);
    }
}

static void step_charms(int n, int x, int y) {
    if (Cre[n].speciescode == SPECIES_SHEEP && taikakeino_tuttu(MEANS_SHEEP_NET, 0) && onko_NPC_kesyelain(n))
        mark_lucky_items(x, y, true);
    const int c = mapchar(x, y);
    if ((c == CH_CLOSED_DOOR || c == CH_OPEN_DOOR) && taikakeino_tuttu(MEANS_WOMAN_SNARE, 0) && onko_NPC_nainen(n))
        mark_lucky_items(x, y, false);
}

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

// The things on a square a step cares about: a creature (its number), a fire, a set trap, the tree's
// record.
struct SquareThings {
    int creature = -1;             // another live creature's number, or -1
    int fire = 0;
    int trap = -1;                 // pool position of a set trap
    int holding_trap = -1;         // pool position of a trap holding something
    int tree = -1;                 // pool position of the square's tree record
};

// The records around one creature, gathered in one walk over the pool while its step is chosen:
// test steps change nothing, so eight tests read the pool once.
static struct {
    int active = 0, cx = 0, cy = 0, count = 0, overflow = 0;
    int idx[96];
} near;

// What lies on the square of the creature whose steps are being tested: the same for every test of
// a batch, so looked up once.
// Whether the step is on the world map is asked once for the batch too: the answer cannot change
// between tests, and asking again changes nothing.
static struct {
    int n = -1, x = 0, y = 0, known = 0, world = 0;
    SquareThings s;
} here_memo;

void crestep_batch_begin(int n) {
    here_memo.n = n;
    here_memo.known = 0;
    here_memo.world = bigmap();
    near.active = 0;
    if (crestep_pass_active()) return;   // the pass index answers already
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

void crestep_batch_end() {
    near.active = 0;
    here_memo.n = -1;
    here_memo.known = 0;
}

static void look_at(SquareThings &s, int i, int self) {
    const DataStruct &d = Data[i];
    switch (d.type) {
    case DT_CREATURE: {
        const int m = creature_slot_of(d.id);
        if (m != self && s.creature < 0) s.creature = m < 0 ? CRE_COUNT : m;
        break;
    }
    case DT_FIRE: s.fire = 1; break;
    case DT_TREE: s.tree = i; break;
    case DT_TRAP:
        if (d.extra == 'd') s.trap = i;
        else if (d.extra == 'e') s.holding_trap = i;
        break;
    default: break;
    }
}

static int in_index(int x, int y) { return x >= AREA_MIN && x <= AREA_MAX && y >= AREA_MIN && y <= AREA_MAX; }

// ---- the pass index ----------------------------------------------------------------------------
// While the creatures of the local area take their turns, the records a step cares about (creatures,
// fires, traps) are listed by square once, and every step reads only its square's list. An entry is
// checked against its record when read, so a record freed or moved since is never taken for what it
// was; a move made by a step is added to the list of its new square. Records made by others during
// the pass are seen from the next pass on.
enum { IDX_SIDE = AREA_MAX - AREA_MIN + 1, IDX_ENTRIES = 3 * DATA_MAX };
// A square of the area by its place in the index's tables.
static inline int idx_square(int x, int y) { return (y - AREA_MIN) * IDX_SIDE + (x - AREA_MIN); }
static struct {
    int active = 0;
    int32_t head[IDX_SIDE * IDX_SIDE];   // first entry + 1 of a square's list; 0 none
    int32_t rec[IDX_ENTRIES], next[IDX_ENTRIES];
    int used = 0;
    int32_t touched[IDX_ENTRIES];
    int ntouched = 0;
    int roster[DATA_MAX];          // the live creature records, in pool order
    int nroster = 0;
    // a bit per square whose list is not empty: most squares a step looks at hold nothing, and the
    // bits answer that without reaching into the much larger list heads
    uint64_t listed[(IDX_SIDE * IDX_SIDE + 63) / 64];
} pass;

static void memo_forget();
static void build_blocks();

static int indexed_type(int t) { return t == DT_CREATURE || t == DT_FIRE || t == DT_TRAP || t == DT_TREE; }
static void index_add(int i, int x, int y) {
    if (!pass.active || !in_index(x, y)) return;
    if (pass.used >= IDX_ENTRIES) {
        pass.active = 0;   // full: the rest of the pass reads the pool itself
        water_index_end();
        return;
    }
    const int sq = idx_square(x, y);
    if (pass.head[sq] == 0) {
        pass.touched[pass.ntouched++] = sq;
        pass.listed[sq >> 6] |= 1ull << (sq & 63);
    }
    const int e = pass.used++;
    pass.rec[e] = i;
    pass.next[e] = pass.head[sq] - 1;
    pass.head[sq] = e + 1;
}

static void depth_forget();

static inline bool free_place(const DataStruct &d) { return d.type == DT_UNUSED || d.type == DT_FREED; }

int crestep_pool_end() { return crestep_pool_end_below(DATA_MAX); }

int crestep_pool_end_below(int from) {
    int end = from;
    // four places at a time while all four are free, then one by one
    while (end >= 4 && (int(free_place(Data[end - 1])) & int(free_place(Data[end - 2])) &
                        int(free_place(Data[end - 3])) & int(free_place(Data[end - 4]))))
        end -= 4;
    while (end > 0 && free_place(Data[end - 1])) end--;
    return end;
}

void crestep_pass_end() {
    depth_forget();
    for (int k = 0; k < pass.ntouched; k++) {
        const int sq = pass.touched[k];
        pass.head[sq] = 0;
        pass.listed[sq >> 6] = 0;
    }
    pass.ntouched = 0;
    pass.used = 0;
    pass.active = 0;
    pass.nroster = 0;
    water_index_end();
    socplaces_pass(0);
}

// What the answers about water and ice hang on: the map, the day, the frost and every ice hole and
// open-water record. While it stays the same from pass to pass, the answers are kept.
static uint64_t water_signature;

void crestep_pass_begin() { crestep_pass_begin(crestep_pool_end()); }
void crestep_pass_begin(int end) { crestep_pass_begin(end, nullptr); }

// What the scan at the beginning of a pass makes of a record type in the k-th of four places read
// together: byte k of the low word 1 for a free place, and above the low word a mark when the scan
// counts the record (ice holes, open water and the indexed types). Four answers or'd together tell
// the four places.
static const struct ScanClass {
    uint64_t of[4][256] = {};
    ScanClass() {
        for (int k = 0; k < 4; k++) {
            for (int t : {DT_ICEHOLE, DT_OPENWATER, DT_CREATURE, DT_FIRE, DT_TRAP, DT_TREE}) of[k][t] = 1ull << 32;
            for (int t : {DT_UNUSED, DT_FREED}) {
                uint8_t bytes[4] = {};
                bytes[k] = 1;
                uint32_t w;
                memcpy(&w, bytes, sizeof w);
                of[k][t] = w;
            }
        }
    }
    static bool counts(uint64_t w) { return (w >> 32) != 0; }
} scan_class;

void crestep_pass_begin(int end, uint8_t *free_at) {
    crestep_pass_end();
    if (bigmap()) {
        if (free_at)
            for (int i = 0; i < end; i++) free_at[i] = (uint32_t)scan_class.of[0][Data[i].type] != 0;
        return;
    }
    pass.active = 1;
    socplaces_pass(1);
    water_index_begin();
    uint64_t sig = 1469598103934665603ull;
    auto mix = [&sig](uint64_t v) { sig = (sig ^ v) * 1099511628211ull; };
    mix(Plr.world_x);
    mix(Plr.world_y);
    mix(Plr.daynumber);
    mix((uint64_t)(int64_t)GlobWeather.water_temp);
    // Free places give nothing to the signature or the index: the scan ends at the last one in use.
    // Only ice holes, open water and the indexed types count: every other record is passed over at once.
    auto take = [&](int i) {
        const DataStruct &d = Data[i];
        if (d.type == DT_ICEHOLE || d.type == DT_OPENWATER) {
            water_index_mark(d.x, d.y);
            mix((uint64_t)i);
            mix(d.type);
            mix((uint64_t)d.x << 16 | d.y);
            mix(d.count);
        }
        if (!indexed_type(d.type)) return;
        if (d.type == DT_CREATURE) {
            pass.roster[pass.nroster++] = i;
            const int m = creature_slot_of(d.id);
            if (m >= 0) cached_pos[m] = i;
        }
        index_add(i, d.x, d.y);
    };
    // four records at a time: most hold plants and things lying still, which the scan passes over
    const auto &of = scan_class.of;
    int i = 0;
    for (; i + 4 <= end; i += 4) {
        const uint64_t w = of[0][Data[i].type] | of[1][Data[i + 1].type] | of[2][Data[i + 2].type] | of[3][Data[i + 3].type];
        if (free_at) {
            const uint32_t bytes = (uint32_t)w;
            memcpy(free_at + i, &bytes, sizeof bytes);
        }
        if (!ScanClass::counts(w)) continue;
        for (int k = i; k < i + 4; k++)
            if (ScanClass::counts(of[0][Data[k].type])) take(k);
    }
    for (; i < end; i++) {
        const uint64_t w = of[0][Data[i].type];
        if (free_at) free_at[i] = (uint32_t)w != 0;
        if (ScanClass::counts(w)) take(i);
    }
    mix(mapchar(AREA_CENTRE, AREA_CENTRE));
    if (sig != water_signature) memo_forget();
    water_signature = sig;
    build_blocks();
}

int crestep_pass_active() { return pass.active; }

// The creature records of the pass by blocks of 16 x 16 squares, for the questions of who is near:
// every creature, and apart the ones a grazing animal minds at all (people, robbers, predators).
enum { BLOCK = 16, BLOCKS = (IDX_SIDE + BLOCK - 1) / BLOCK };
struct Blocks {
    int start[BLOCKS * BLOCKS + 1];
    int items[DATA_MAX];
};
static Blocks all_blocks, threat_blocks;

static int block_of(const DataStruct &d) {
    const int bx = ((int)d.x - AREA_MIN) / BLOCK, by = ((int)d.y - AREA_MIN) / BLOCK;
    return ((int)d.x < AREA_MIN || (int)d.y < AREA_MIN || bx >= BLOCKS || by >= BLOCKS) ? -1 : by * BLOCKS + bx;
}

static int minded(int i) {
    const int m = creature_slot_of(Data[i].id);
    return m >= 0 && (Cre[m].kind == CK_HUMAN || Cre[m].role == 20 || onko_JOKU_petoelain(m));
}

// The block of each roster entry and whether a grazing animal minds it, worked out once a pass.
static int roster_block[DATA_MAX];
static uint8_t roster_minded[DATA_MAX];

// The roster, its blocks and who is minded as the blocks were last filled: the blocks hang on these
// alone, so a pass that finds them all as they were keeps the blocks it has.
static struct {
    int n = -1;
    int roster[DATA_MAX], block[DATA_MAX];
    uint8_t minded[DATA_MAX];
} filled_for;

// Both kinds of blocks in one count and one fill, each in pool order within a block.
static void build_blocks() {
    const int nr = pass.nroster;
    for (int k = 0; k < nr; k++) {
        const int i = pass.roster[k];
        const int blk = block_of(Data[i]);
        roster_block[k] = blk;
        roster_minded[k] = blk >= 0 && minded(i);
    }
    if (filled_for.n == nr && memcmp(filled_for.roster, pass.roster, sizeof(int) * nr) == 0 &&
        memcmp(filled_for.block, roster_block, sizeof(int) * nr) == 0 &&
        memcmp(filled_for.minded, roster_minded, nr) == 0)
        return;
    filled_for.n = nr;
    memcpy(filled_for.roster, pass.roster, sizeof(int) * nr);
    memcpy(filled_for.block, roster_block, sizeof(int) * nr);
    memcpy(filled_for.minded, roster_minded, nr);
    int count[BLOCKS * BLOCKS + 1] = {}, threat_count[BLOCKS * BLOCKS + 1] = {};
    for (int k = 0; k < nr; k++) {
        const int blk = roster_block[k];
        if (blk < 0) continue;
        count[blk + 1]++;
        threat_count[blk + 1] += roster_minded[k];
    }
    all_blocks.start[0] = threat_blocks.start[0] = 0;
    int fill[BLOCKS * BLOCKS], threat_fill[BLOCKS * BLOCKS];
    for (int k = 0; k < BLOCKS * BLOCKS; k++) {
        fill[k] = all_blocks.start[k];
        threat_fill[k] = threat_blocks.start[k];
        all_blocks.start[k + 1] = all_blocks.start[k] + count[k + 1];
        threat_blocks.start[k + 1] = threat_blocks.start[k] + threat_count[k + 1];
    }
    for (int k = 0; k < nr; k++) {
        const int blk = roster_block[k];
        if (blk < 0) continue;
        all_blocks.items[fill[blk]++] = pass.roster[k];
        if (roster_minded[k]) threat_blocks.items[threat_fill[blk]++] = pass.roster[k];
    }
}

int crestep_creatures_near(int x, int y, int r, int *out, int max, int threats_only) {
    if (!pass.active) return -1;
    const Blocks &blk = threats_only ? threat_blocks : all_blocks;
    // a creature steps at most a few squares a tick: the blocks are read with that margin
    const int m = r + 4;
    int bx0 = (x - m - AREA_MIN) / BLOCK, bx1 = (x + m - AREA_MIN) / BLOCK;
    int by0 = (y - m - AREA_MIN) / BLOCK, by1 = (y + m - AREA_MIN) / BLOCK;
    if (x - m < AREA_MIN) bx0 = 0;
    if (y - m < AREA_MIN) by0 = 0;
    bx1 = bx1 >= BLOCKS ? BLOCKS - 1 : bx1;
    by1 = by1 >= BLOCKS ? BLOCKS - 1 : by1;
    // The finds are marked by pool place and read back in pool order, as a walk over the pool would
    // meet them.
    static uint64_t found[(DATA_MAX + 63) / 64];
    int n = 0, lo = DATA_MAX, hi = -1;
    // Every creature record within r of x, y, block by block.
    auto each_near = [&](auto take) {
        for (int by = by0; by <= by1; by++)
            for (int bx = bx0; bx <= bx1; bx++)
                for (int k = blk.start[by * BLOCKS + bx]; k < blk.start[by * BLOCKS + bx + 1]; k++) {
                    const int i = blk.items[k];
                    const DataStruct &d = Data[i];
                    if (d.type == DT_CREATURE && abs((int)d.x - x) <= r && abs((int)d.y - y) <= r) take(i);
                }
    };
    each_near([&](int i) {
        found[i >> 6] |= 1ull << (i & 63);
        lo = std::min(lo, i >> 6);
        hi = std::max(hi, i >> 6);
        n++;
    });
    const bool all_fit = n <= max;
    n = 0;
    for (int w = lo; w <= hi; w++) {
        for (uint64_t bits = found[w]; bits; bits &= bits - 1) {
            if (all_fit) out[n++] = w * 64 + __builtin_ctzll(bits);
        }
        found[w] = 0;
    }
    if (all_fit) return n;
    // More than the caller takes: the first ones met block by block, as they always were.
    each_near([&](int i) {
        if (n < max) out[n++] = i;
    });
    std::sort(out, out + n);
    return n;
}

// Open water and ice of a square, asked once per pass: each answer walks the pool for ice holes.
static uint8_t water_memo[IDX_SIDE * IDX_SIDE];   // 0 not asked, 1 + open water
static int16_t ice_memo[IDX_SIDE * IDX_SIDE];     // 0 not asked, 1 + thickness (capped)
static int32_t memo_touched[2 * IDX_SIDE * IDX_SIDE / 8];
static int memo_count;

static void memo_forget() {
    for (int k = 0; k < memo_count; k++) water_memo[memo_touched[k]] = 0, ice_memo[memo_touched[k]] = 0;
    memo_count = 0;
}

void crestep_reset() {
    memo_forget();
    water_signature = 0;
}

static int memo_slot(int x, int y) {
    if (!pass.active || !in_index(x, y)) return -1;
    const int sq = idx_square(x, y);
    if (!water_memo[sq] && !ice_memo[sq]) {
        if (memo_count >= (int)(sizeof memo_touched / sizeof memo_touched[0])) return -1;
        memo_touched[memo_count++] = sq;
    }
    return sq;
}

int crestep_open_water(int x, int y) {
    const int sq = memo_slot(x, y);
    if (sq < 0) return avovesi(x, y);
    if (!water_memo[sq]) water_memo[sq] = (uint8_t)(1 + (avovesi(x, y) ? 1 : 0));
    return water_memo[sq] - 1;
}

int crestep_ice(int x, int y) {
    const int sq = memo_slot(x, y);
    if (sq < 0) return ice_thickness_true(x, y);
    if (!ice_memo[sq]) {
        const int t = ice_thickness_true(x, y);
        ice_memo[sq] = (int16_t)(1 + (t > 30000 ? 30000 : t < 0 ? 0 : t));
    }
    return ice_memo[sq] - 1;
}

// Water depths asked during a pass: each answer walks four arms of up to 50 squares to the shore.
static int16_t depth_memo[IDX_SIDE * IDX_SIDE];   // 0 not asked, 1 + depth
static int32_t depth_touched[IDX_SIDE * IDX_SIDE / 8];
static int depth_count;

static void depth_forget() {
    for (int k = 0; k < depth_count; k++) depth_memo[depth_touched[k]] = 0;
    depth_count = 0;
}

int crestep_depth(int x, int y) {
    if (!pass.active || !in_index(x, y)) return vesisyvyys(x, y);
    const int sq = idx_square(x, y);
    if (!depth_memo[sq]) {
        if (depth_count >= (int)(sizeof depth_touched / sizeof depth_touched[0])) return vesisyvyys(x, y);
        const int d = vesisyvyys(x, y);
        if (d < 0 || d > 30000) return d;
        depth_memo[sq] = (int16_t)(1 + d);
        depth_touched[depth_count++] = sq;
    }
    return depth_memo[sq] - 1;
}

int crestep_roster(const int **list) {
    *list = pass.roster;
    return pass.active ? pass.nroster : -1;
}

// A record moved by a step joins the list of its new square.
static void index_moved(int i) {
    if (pass.active) index_add(i, Data[i].x, Data[i].y);
}

// A square of the area whose list is empty, told by its bit alone: most squares a step looks at.
static inline bool nothing_listed(int x, int y) {
    if (!pass.active || !in_index(x, y)) return false;
    const int sq = idx_square(x, y);
    return !(pass.listed[sq >> 6] & (1ull << (sq & 63)));
}

static SquareThings things_at(int x, int y, int self);

// A sapling is the mark on the square's tree record, as her own step reads it (is_TreeData_sapling).
static bool sapling_at(int x, int y, int self) {
    if (nothing_listed(x, y)) return false;
    const int t = things_at(x, y, self).tree;
    return t >= 0 && ((Data[t].flags >> TREEDATA_SAPLING) & 1);
}

static SquareThings things_at(int x, int y, int self) {
    SquareThings s;
    if (pass.active && in_index(x, y)) {
        const int sq = idx_square(x, y);
        if (!(pass.listed[sq >> 6] & (1ull << (sq & 63)))) return s;
        int seen[16], nseen = 0;
        for (int e = pass.head[sq] - 1; e >= 0; e = pass.next[e]) {
            const int i = pass.rec[e];
            const DataStruct &d = Data[i];
            if (d.x != x || d.y != y || !indexed_type(d.type)) continue;   // gone since
            int dup = 0;
            for (int k = 0; k < nseen; k++) dup |= seen[k] == i;
            if (dup) continue;
            if (nseen < 16) seen[nseen++] = i;
            look_at(s, i, self);
        }
        return s;
    }
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
    const int c = mapchar(x, y);
    if (has_flag(c, TF_BLOCKS) || has_flag(c, TF_WATER)) return 0;
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
    index_moved(pos);
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
    const int c = mapchar(x, y);
    const int own_open = crestep_open_water(ox, oy);
    if (c == CH_FORD) return STEP_OK;
    if (crestep_ice(x, y) > 0) {
        if (cr.icefall && cr.icefall == Plr.month && !has_flag(mapchar(ox, oy), TF_WATER)) return STEP_OBSTACLE;
        float load = FullWeightLoad(n);
        if (load <= 0.0f) load = cr.weight * 2.2046f;   // pounds of its body alone
        if (!is_human(n)) load *= 1.25f;
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
        if (crestep_depth(x, y) < 2 && cr.weight > 6.0f) {
            if (cr.role == 20 || fighting(cr) || own_open) return STEP_OK;
            return r;
        }
        if (own_open && crestep_depth(ox, oy) >= 2) return STEP_OK;
        return r;
    }
    if (own_open) return STEP_OK;
    const int dist = koordinaattien_vali(ox, oy, PlayerX, PlayerY);
    const int plr_in_water = Plr.movement_mode == 2 || Plr.movement_mode == 3 || Plr.movement_mode == 4;
    if (!plr_in_water) {
        if (crestep_depth(x, y) <= 1 && dist >= 11 && water_temp() >= 10) return STEP_OK;
        return r;
    }
    return dist >= 2 ? STEP_OK : r;
}

int Liikkuminen(int n, int x, int y, int mode) {
    if (!ask_valid(n)) return STEP_BLOCKED;
    if (mode == 1) near.active = 0, here_memo.n = -1, here_memo.known = 0;
    const int pos = crestep_pos(n);
    if (pos < 0) return STEP_BLOCKED;
    CreatureStruct &cr = Cre[n];
    const int ox = Data[pos].x, oy = Data[pos].y;
    const int world = mode == 0 && here_memo.n == n ? here_memo.world : bigmap();
    // 1. the edge of the local area; no step ever leaves the grid
    if (!in_grid(x, y)) return STEP_BLOCKED;
    if (!world && (x < STEP_AREA_LO || x > STEP_AREA_HI || y < STEP_AREA_LO || y > STEP_AREA_HI)) return STEP_BLOCKED;
    // 2. leash and tether
    if (cr.role == 9) {   // on a leash
        if (koordinaattien_vali(ox, oy, PlayerX, PlayerY) > 2) return mode == 1 ? pull_on_leash(n, pos) : STEP_OK;
        if (koordinaattien_vali(x, y, PlayerX, PlayerY) > 1) return STEP_BLOCKED;
    } else if (cr.domestic & 16) {   // tied
        int tx, ty;
        if (tiedxy(n, &tx, &ty) && koordinaattien_vali(x, y, tx, ty) > 1) return STEP_BLOCKED;
    }
    // 3. the player's square
    if (x == PlayerX && y == PlayerY) {
        if (!(onko_NPC_kumppani(n) || onko_NPC_kesyelain(n)) || !crestep_open_water(ox, oy) ||
            crestep_open_water(PlayerX, PlayerY))
            return STEP_BLOCKED;
    }
    // 4. the terrain
    int c = mapchar(x, y);
    int r;
    if (!has_flag(c, TF_BLOCKS)) {
        r = STEP_OK;
        cre_spare(cr, SPARE_FENCEBUMPS) = 0;
    } else {
        r = has_flag(c, TF_TREE) && sapling_at(x, y, n) ? STEP_OK : STEP_OBSTACLE;
    }
    if (c == CH_FENCE) {
        if (is_human(n)) {
            if (fighting(cr) || fleeing(cr) || come_along(n, 0)) r = STEP_OK;
            uint8_t &bumps = cre_spare(cr, SPARE_FENCEBUMPS);
            if (bumps < 255) bumps++;
            if (bumps > 3) r = STEP_OK;
        } else if (obstacleCheck(n, x, y) == 1) {
            r = STEP_OK;
        }
    }
    const int flying = cr.korkeus == 100;
    if (flying && !has_flag(c, TF_ROOFED)) r = STEP_OK;
    // 5. swimmers
    if (cr.moveclass == 96) {
        if (!crestep_open_water(ox, oy)) {
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
        } else if (fleeing(cr) && !crestep_open_water(x, y)) {
            return STEP_BLOCKED;
        }
    }
    // 6. water
    if (has_flag(c, TF_WATER)) {
        if (flying || onko_NPC_vesielaja(n)) r = STEP_OK;
        else r = water_rule(n, ox, oy, x, y, mode, r);
    }
    // 7. up in a tree
    if (cr.korkeus == 200) {
        if (has_flag(c, TF_TREE)) r = STEP_OK;
        else if (fleeing(cr)) return STEP_BLOCKED;
    }
    // 8. a closed door
    if (c == CH_CLOSED_DOOR) {
        if (cre_spare(cr, SPARE_OPENSDOORS) || is_human(n)) {
            r = STEP_OK;
            if (mode == 1) {
                set_mapchar(x, y, CH_OPEN_DOOR);
                if (See(x, y) || koordinaattien_vali(x, y, PlayerX, PlayerY) < 10) cre_say(n, "DO_OPEN_DOOR");
                x = ox;
                y = oy;
                c = mapchar(x, y);
            }
        }
    }
    // 9. what lies on the squares
    const SquareThings there = (x == ox && y == oy) || nothing_listed(x, y) ? SquareThings{} : things_at(x, y, n);
    if (there.creature >= 0) {
        const int m = there.creature;
        if (m < CRE_COUNT && pokertynyt(m) && (fighting(cr) || fleeing(cr))) {
            // a dazed one is pushed past
        } else {
            return STEP_BLOCKED;
        }
    }
    if (there.fire) return STEP_BLOCKED;
    SquareThings here;
    if (mode == 0 && here_memo.n == n && here_memo.known && here_memo.x == ox && here_memo.y == oy) {
        here = here_memo.s;
    } else {
        here = things_at(ox, oy, n);
        if (mode == 0 && here_memo.n == n) {
            here_memo.s = here;
            here_memo.x = ox;
            here_memo.y = oy;
            here_memo.known = 1;
        }
    }
    if (here.holding_trap >= 0) {
        r = STEP_OK;
        if (mode == 1) {
            if (cr.trapminute && trap_holds(n, here.holding_trap)) {
                AsetaPonnistelu(n, 2);
                return STEP_TRAPPED;
            }
            trap_lets_go(here.holding_trap);
            cr.trapminute = 0;
        }
    }
    if (there.trap >= 0) {
        if (trap_takes(n, there.trap, mode)) {
            if (mode == 1 && r == STEP_OK) trap_steps_in(n, there.trap);
        } else if (is_human(n) && cr.culture != 12) {
            if (cr.culture == 11 && mode == 1) trap_lets_go(there.trap);
        } else {
            return STEP_BLOCKED;
        }
    }
    // 10. slopes
    if (cr.korkeus != 100 && !flying && !(x == ox && y == oy)) {   // not in flight, now or before
        const int climb = world ? 0 : kiipeily_lahialue(n, ox, oy, x, y);
        if (climb == 1000) return STEP_BLOCKED;
        if (climb >= 2 && r == STEP_OK) {
            if (mode == 0) return STEP_OK;
            if (random(10) != 0) return STEP_OK;
        }
    }
    // 11. only a test, or no way
    if (r != STEP_OK || mode == 0) return r;
    // 12. the move
    const int oldc = mapchar(ox, oy);
    Data[pos].x = (uint16_t)x;
    Data[pos].y = (uint16_t)y;
    index_moved(pos);
    if (cr.Viimeisin_X == x && cr.Viimeisin_Y == y) {
        cr.still = 1;
    } else {
        cr.Viimeisin_X = x;
        cr.Viimeisin_Y = y;
        cr.still = 0;
    }
    // 13. charms worked by the step
    step_charms(n, x, y);
    // 14. a person closes the door behind itself
    if (oldc == CH_OPEN_DOOR && !(ox == x && oy == y) && !(ox == PlayerX && oy == PlayerY) && is_human(n) &&
        !fleeing(cr) && !fighting(cr) && allowdoorclose(ox, oy)) {
        set_mapchar(ox, oy, CH_CLOSED_DOOR);
        if (See(ox, oy) || koordinaattien_vali(ox, oy, PlayerX, PlayerY) < 10) cre_say(n, "DO_CLOSE_DOOR");
    }
    // 15. after the step
    cr.lastaction |= 2;
    if (cr.korkeus == 200 && !has_flag(mapchar(x, y), TF_TREE)) cr.korkeus = 0;
    if (!world && cr.korkeus == 0) leave_tracks(n, ox, oy, x, y);
    return STEP_OK;
}

int crestep_quiet_tests(int n, int ox, int oy, int x, int y) {
    if (!ask_valid(n)) return 1;
    CreatureStruct &cr = Cre[n];
    if (cre_spare(cr, SPARE_FENCEBUMPS) != 0) return 0;   // a test on open ground would clear them
    // a walker's test on water rolls for ice it might climb onto, and asks whether it follows
    // someone (which may change its record); a test on a fence counts a bump, and a bear may tear
    // the fence down
    const int walker = cr.korkeus != 100 && !onko_NPC_vesielaja(n);
    const int wild = follows_nobody(n);
    auto quiet = [walker, wild](int sx, int sy) {
        const int c = mapchar(sx, sy);
        if (c == CH_FENCE) return false;
        return !walker || !has_flag(c, TF_WATER) || c == CH_FORD || (wild && crestep_ice(sx, sy) <= 0);
    };
    // a test onto the player's square asks whether a person is her companion, which may change it
    if (cr.kind == CK_HUMAN && koordinaattien_vali(ox, oy, PlayerX, PlayerY) <= 1) return 0;
    if (cr.kind == CK_HUMAN && x == PlayerX && y == PlayerY) return 0;
    if (!quiet(x, y)) return 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if ((dx || dy) && !quiet(ox + dx, oy + dy)) return 0;
    return 1;
}

void crestep_record_moved(int pos) {
    if ((unsigned)pos < (unsigned)DATA_MAX) index_moved(pos);
}

int crestep_trap_at(int x, int y) {
    const SquareThings s = things_at(x, y, -1);
    return s.trap >= 0 ? s.trap : s.holding_trap;
}
