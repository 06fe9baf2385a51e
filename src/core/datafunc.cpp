// The data pool: placing, merging, freeing, compacting and reordering records.
#include "core/datafunc.h"

#include "core/obj_func.h"
#include "core/spend.h"
#include "core/creatures.h"
#include "core/localarea.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/player.h"

#include <cstdio>
#include <cstring>

DataStruct Data[DATA_MAX];
DataStruct IsoData[DATA_MAX];
DataStruct DTEMP;
int datapool_gap = 0;
uint32_t data_creature_records = 0;
uint32_t data_water_records = 0;

// The disposable kinds, in the order the clean-ups take them.
static const uint8_t disposable[] = {DT_FREED, DT_COUNTED, DT_TRACKS, DT_FIRE_REMAINS,
                                     DT_HERB_B, DT_HERB_A, DT_ICEHOLE};

// The map-limit warning: shown and a key waited for.
static void warn_map_limit() {
    Note(MSG("WARNING_MAP_ITEM_LIMIT"));
    Pause();
}

static bool valid(int n) { return n >= 0 && n < DATA_MAX; }
static bool creature_kind(int type) { return type == DT_CREATURE || type == DT_CARCASS; }
static bool in_use(const DataStruct &d) { return d.type != DT_UNUSED && d.type != DT_FREED; }
static bool is_free(const DataStruct &d) { return !in_use(d); }
static bool near(int ax, int ay, int bx, int by, int r) {
    int dx = ax - bx, dy = ay - by;
    return dx >= -r && dx <= r && dy >= -r && dy <= r;
}

// Freeing keeps owner, flags and ready minute as they were; set_data clears them on reuse.
static void free_record(DataStruct &d) {
    d.type = DT_FREED;
    d.x = d.y = 0;
    d.count = 0;
    d.id = 0;
    d.day = d.ready_day = 0;
    d.spent_minutes = 0;
    d.extra = 0;
}

uint8_t data_filled[DATA_MAX];
// The places marked lie at or before this one (-1 none): a new pass clears no more than that.
static int filled_high = DATA_MAX - 1;

void mark_pool_pass() {
    memset(data_filled, 0, (size_t)(filled_high + 1));
    filled_high = -1;
}

static struct {
    bool on = false;
    int end = DATA_MAX;
    int filled_top = -1;   // the highest place handed out since the walk began
    uint32_t at = 0;       // data_creature_records as it began
    uint32_t wx = 0, wy = 0;   // the local area it began on
} bound;

void mark_filled(int pos) {
    if (pos < 0 || pos >= DATA_MAX) return;
    data_filled[pos] = 1;
    if (pos > filled_high) filled_high = pos;
    if (pos > bound.filled_top) bound.filled_top = pos;
}

void pool_end_bound_begin(int end) {
    bound.on = end >= 0 && end <= DATA_MAX && !bigmap();
    bound.end = end;
    bound.filled_top = -1;
    bound.at = data_creature_records;
    bound.wx = (uint32_t)Plr.world_x;
    bound.wy = (uint32_t)Plr.world_y;
}

void pool_end_bound_end() { bound.on = false; }

int data_end() {
    int end = pool_scan_end();
    // four places at a time while all four are free, then one by one
    while (end >= 4 && is_free(Data[end - 1]) && is_free(Data[end - 2]) && is_free(Data[end - 3]) &&
           is_free(Data[end - 4]))
        end -= 4;
    while (end > 0 && is_free(Data[end - 1])) end--;
    return end;
}

int pool_end_bound() {
    if (!bound.on || bound.at != data_creature_records || bound.wx != (uint32_t)Plr.world_x ||
        bound.wy != (uint32_t)Plr.world_y || bigmap())
        return -1;
    return bound.end > bound.filled_top + 1 ? bound.end : bound.filled_top + 1;
}

// The free place handed out is marked as filled for the pass that runs.
static int first_free(int last) {
    for (int i = 0; i <= last; i++)
        if (is_free(Data[i])) {
            mark_filled(i);
            return i;
        }
    return -1;
}

static void place_new(int pos, int type, int x, int y, int id, int count) {
    DataStruct &d = Data[pos];
    memset(&d, 0, sizeof d);
    d.x = (uint16_t)x;
    d.y = (uint16_t)y;
    d.type = (uint8_t)type;
    d.id = (uint32_t)id;
    d.count = (uint16_t)count;
    if (creature_kind(type)) data_creature_record_made();
    if (water_record_type(type)) data_water_record_made();
}

// A merge never lets a stack's count wrap around.
static bool add_count(DataStruct &d, int count) {
    if ((int)d.count + count > 0xFFFF) return false;
    d.count = (uint16_t)(d.count + count);
    return true;
}

static bool same_local_map(int ax, int ay, int bx, int by) {
    return find_zoom_x(ax, 0) == find_zoom_x(bx, 0) && find_zoom_y(ay, 0) == find_zoom_y(by, 0);
}

// An item stack at (x, y) that takes the new units; village goods only when `village` is set.
static int merge_item(int x, int y, int id, int count, bool village) {
    ItemStruct fresh, held;
    ObjToItem(fresh, id);
    for (int i = 0, end = data_end(); i < end; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.count == 0 || d.x != x || d.y != y) continue;
        if (d.extra == DATA_NOMERGE) continue;
        if ((d.owner == SOC_OWNER) != village) continue;
        ObjToItem(held, (int)d.id);
        if (ItemStructsEqual(held, fresh) && add_count(d, count)) return i;
    }
    return -1;
}

bool day_marked(int type) { return type == DT_COUNTED || type == DT_FIRE_REMAINS; }

uint16_t merged_mark_day(uint16_t held, uint16_t added) { return held > added ? held : added; }

// A blood mark on a square already marked by the same id: the mark there takes the later day.
static int merge_counted(int x, int y, int id, int count) {
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type == DT_COUNTED && d.count > 0 && d.id == (uint32_t)id && d.x == x && d.y == y) {
            d.count = merged_mark_day(d.count, (uint16_t)(count < 0 ? 0 : count > 0xFFFF ? 0xFFFF : count));
            return i;
        }
    }
    return -1;
}

// Takes the lowest free place in 0..9950, cleaning up while that frees enough; -1 when full.
static int allocate() {
    for (int tries = 0; tries < 8; tries++) {
        int pos = first_free(DATA_ALLOC_LAST);
        if (pos >= 0) return pos;
        if (Siisti_DATA(100) <= 50) return -1;
    }
    return -1;
}

int set_data(int type, int x, int y, int id, int count) {
    if (type == DT_ITEM) {
        if (id == 0) return 0;
        ItemStruct it;
        ObjToItem(it, id);
        if (it.type == IT_CARCASS) {
            set_carcassitem(x, y, id);
            return 0;
        }
        if (merge_item(x, y, id, count, false) >= 0) return 0;
    } else if (type == DT_COUNTED) {
        if (merge_counted(x, y, id, count) >= 0) return 0;
    }
    int pos = allocate();
    if (pos < 0) return 0;
    place_new(pos, type, x, y, id, count);
    return chkdplimit(x, y);
}

int set_socowned_data(int type, int x, int y, int id, int count) {
    if (type == DT_ITEM) {
        if (id == 0) return 0;
        ItemStruct it;
        ObjToItem(it, id);
        if (it.ownersoc != 0) return set_data(type, x, y, id, count);
        if (merge_item(x, y, id, count, true) >= 0) return 0;
    } else if (type == DT_COUNTED) {
        if (merge_counted(x, y, id, count) >= 0) return 0;
    }
    int pos = allocate();
    if (pos < 0) return 0;
    place_new(pos, type, x, y, id, count);
    set_dp_socowned(pos);
    return chkdplimit(x, y);
}

void ClearDTEMP() { memset(&DTEMP, 0, sizeof DTEMP); }

static bool bound_matches(const DataStruct &d) {
    return d.type == DT_BOUND && DTEMP.type == DT_BOUND && d.x == DTEMP.x && d.y == DTEMP.y &&
           d.id == DTEMP.id && d.flags == DTEMP.flags && d.ready_minute == DTEMP.ready_minute;
}

int SetDTEMP(int n) {
    int pos = -1;
    if (n >= 0) {
        if (n >= DATA_MAX) return -1000;
        pos = n;
    } else {
        // A scan that finds no room cleans up and looks again, but only while the clean-up
        // frees something: a pool with nothing to free answers "none" and drops the template.
        for (int pass = 0; pass < 3 && pos < 0; pass++) {
            for (int i = 0; i <= DATA_DTEMP_SCAN_LAST; i++) {
                if (bound_matches(Data[i])) {
                    if (add_count(Data[i], DTEMP.count)) return i;
                    continue;
                }
                if (is_free(Data[i])) {
                    pos = i;
                    break;
                }
            }
            if (pos < 0 && Siisti_DATA(100) == 0) break;
        }
        if (pos < 0) return -1000;
    }
    const bool fresh = is_free(Data[pos]);
    if (creature_kind(DTEMP.type) || creature_kind(Data[pos].type)) data_creature_record_made();
    if (water_record_type(DTEMP.type)) data_water_record_made();
    chkdplimit(DTEMP.x, DTEMP.y);
    Data[pos] = DTEMP;
    if (fresh) mark_filled(pos);   // a new record in a place freed during a walk waits for the next
    return pos;
}

void ClearDATA(int n) {
    if (valid(n)) memset(&Data[n], 0, sizeof Data[n]);
}

void CrunchData(int n) {
    if (valid(n)) free_record(Data[n]);
}

void reduce_datapos(int n) {
    if (!valid(n)) return;
    if (Data[n].count < 2) free_record(Data[n]);
    else Data[n].count--;
}

void datapos_deccount(int n, int k) {
    if (!valid(n)) return;
    if ((int)Data[n].count - k < 1) free_record(Data[n]);
    else Data[n].count = (uint16_t)(Data[n].count - k);
}

int split_datapos(int n, int k) {
    if (n < 1 || n >= DATA_MAX) return -1000;
    if (k < 1 || k >= Data[n].count) return -1000;
    int pos = first_free(DATA_MAX - 1);
    if (pos < 0) return -1000;
    DTEMP = Data[n];
    DTEMP.count = (uint16_t)k;
    Data[n].count = (uint16_t)(Data[n].count - k);
    return SetDTEMP(pos);
}

void set_carcassitem(int x, int y, int obj) {
    ItemStruct it;
    ObjToItem(it, obj);
    int c = lisaa_realcreature((int)it.id, 1);
    if (c < CRE_DATAID) return;
    ClearDTEMP();
    DTEMP.type = DT_CARCASS;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.id = (uint32_t)c;
    DTEMP.count = 1;
    SetDTEMP(-1);
}

// ---- finding records ----

// Where a search for records of `type` may stop: free places past the bound hold none of another type.
static int search_end(int type) { return type == DT_UNUSED || type == DT_FREED ? DATA_MAX : pool_scan_end(); }

int get_datatype(int type, int x, int y) {
    int i = search_end(type) - 1;
    if (x != 0) {   // a square of its own: four types at a time are passed over while none is the one asked
        for (; i >= 3; i -= 4) {
            if (!((Data[i].type == type) | (Data[i - 1].type == type) | (Data[i - 2].type == type) |
                  (Data[i - 3].type == type)))
                continue;
            for (int k = i; k > i - 4; k--)
                if (Data[k].type == type && Data[k].x == x && Data[k].y == y) return k;
        }
    }
    for (; i >= 0; i--) {
        const DataStruct &d = Data[i];
        if (d.type != type) continue;
        if (x == 0 ? near(d.x, d.y, PlayerX, PlayerY, 1) : (d.x == x && d.y == y)) return i;
    }
    return -1;
}

int get_itemtype(int itemtype, int x, int y) {
    ItemStruct it;
    for (int i = search_end(DT_ITEM) - 1; i >= 0; i--) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        if (ObjToItem(it, (int)d.id).type == itemtype) return i;
    }
    return -1;
}

static int find_by_id(int type, uint32_t id) {
    const int end = search_end(type);
    for (int i = 0; i < end; i++)
        if (Data[i].type == type && Data[i].id == id) return i;
    return -1;
}

int cre_datapos(int c) { return find_by_id(DT_CREATURE, (uint32_t)(c + CRE_DATAID)); }

int datapos_Crepos(int n) {
    if (!valid(n)) return -1000;
    uint32_t id = Data[n].id;
    return id >= CRE_DATAID ? (int)(id - CRE_DATAID) : (int)id;
}

// Creatures up to 999 are looked up as slot + 1000, larger numbers as the id itself.
static int creature_record(int c) {
    uint32_t id = c <= 999 ? (uint32_t)(c + CRE_DATAID) : (uint32_t)c;
    return find_by_id(DT_CREATURE, id);
}

void cr_loc(int c) {
    int p = creature_record(c);
    GeneralX = p < 0 ? 0 : Data[p].x;
    GeneralY = p < 0 ? 0 : Data[p].y;
}

int cre_x(int c) {
    if (c == CRE_PLAYER) return PlayerX;
    int p = creature_record(c);
    return p < 0 ? 0 : Data[p].x;
}

int cre_y(int c) {
    if (c == CRE_PLAYER) return PlayerY;
    int p = creature_record(c);
    return p < 0 ? 0 : Data[p].y;
}

int is_datapos_OLENTO(int n, int species) {
    if (!valid(n) || Data[n].type != DT_CREATURE) return 0;
    int c = datapos_Crepos(n);
    if (c < 0 || c >= CRE_COUNT) return 0;
    return Cre[c].speciescode == (uint32_t)species;
}

int dp_spentmins(int n) { return valid(n) ? (int)Data[n].spent_minutes : 0; }

int dp_leftmins(int n) {
    return valid(n) ? (int)Data[n].ready_minute - (int)Data[n].spent_minutes : 0;
}

void dp_addmins(int n, int m) {
    if (valid(n)) Data[n].spent_minutes += (uint32_t)m;
}

int dp_nyljetty(int n) {
    if (!valid(n)) return 0;
    const DataStruct &c = Data[n];
    if (c.flags == DT_SKIN) return 1;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_SKIN && d.count == 1 && d.x == c.x && d.y == c.y) return 1;
    }
    return 0;
}

int esineids_around(int objid, int x, int y, int r) {
    ItemStruct it;
    int total = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || !near(d.x, d.y, x, y, r)) continue;
        if (ObjToItem(it, (int)d.id).id == (uint32_t)objid) total += d.count;
    }
    return total;
}

int datatype_around(int type, int x, int y) {
    for (int i = 0, end = data_end(); i < end; i++)
        if (Data[i].type == type && near(Data[i].x, Data[i].y, x, y, 1)) return 1;
    return 0;
}

int count_datatype_around(int type, int x, int y) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == type && near(Data[i].x, Data[i].y, x, y, 1)) n++;
    return n;
}

// ---- upkeep ----

// One clean-up over the whole pool, or over one local map when `x, y` name a square in it.
static int dispose(int limit, bool local, int x, int y) {
    int count = 0;
    for (uint8_t type : disposable) {
        for (int i = 0; i < DATA_MAX; i++) {
            if (count > limit) return count;
            DataStruct &d = Data[i];
            if (d.type != type) continue;
            if (local && !same_local_map(d.x, d.y, x, y)) continue;
            free_record(d);
            count++;
        }
    }
    return count;
}

int Siisti_DATA(int limit) { return dispose(limit, false, 0, 0); }

int rmDatas(int limit, int x, int y) { return dispose(limit, !(x == 0 && y == 0), x, y); }

int chkdplimit(int x, int y) {
    if (bigmap()) return 0;
    int used = 0;
    for (int i = 0, end = data_end(); i < end; i++)
        if (in_use(Data[i]) && same_local_map(Data[i].x, Data[i].y, x, y)) used++;
    datapool_gap++;
    if (used <= DATA_MAP_LIMIT) return 1;
    DISABLE_MORECHECK = 0;   // the "more" prompt is on again
    int freed = rmDatas(100, x, y);
    if (freed > 99 || datapool_gap <= 10) return 1;
    warn_map_limit();
    datapool_gap = 0;
    return 1;
}

void Siivoa_DATA() {
    if (SPENDING_CRITICAL) return;
    // The records in use move down in place (each to a place at or before its own), and the places
    // after the last are cleared.
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (in_use(Data[i])) {
            if (n != i) Data[n] = Data[i];
            n++;
        }
    memset(&Data[n], 0, sizeof(DataStruct) * (size_t)(DATA_MAX - n));
    data_creature_record_made();
}

void make_datapos_top(int n) {
    if (!valid(n)) return;
    int last = DATA_MAX - 1;
    while (last >= 0 && Data[last].type == DT_UNUSED) last--;
    if (last < 0) return;
    int target = Data[last].type == DT_FREED ? last : last + 1;
    if (target >= DATA_MAX || (target != last && Data[target].type != DT_UNUSED)) return;
    if (target == n) return;
    if (creature_kind(Data[n].type)) data_creature_record_made();
    mark_filled(target);
    Data[target] = Data[n];
    free_record(Data[n]);
}

void make_datapos_bottom(int n) {
    if (!valid(n)) return;
    DTEMP = Data[n];
    free_record(Data[n]);
    data_creature_record_made();   // every record before n may move
    if (SPENDING) {
        int pos = first_free(DATA_MAX - 1);
        if (pos >= 0) {
            Data[pos] = DTEMP;
            return;
        }
    }
    // Everything before the freed place moves up by one. When the last record is free the
    // whole pool moves; when it is in use, the move stops at n so that nothing is overwritten.
    int end = is_free(Data[DATA_MAX - 1]) ? DATA_MAX - 1 : n;
    memmove(&Data[1], &Data[0], sizeof(DataStruct) * (size_t)end);
    Data[0] = DTEMP;
}
