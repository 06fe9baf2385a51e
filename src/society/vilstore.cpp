// src/society/vilstore.cpp -- a village's goods: the pool of up to 100 lines that gathers its
// produce while the player is away (the lines are the record's, core/vilrecord.h), stored as items
// when she comes back; the choice of a square for goods among its store rooms, the shelves of like
// goods and the free floor of its shops; the goods its people carry; and the farming year of its fields.
#include <cstring>
#include <vector>

#include "activities/actions.h"
#include "activities/harvest.h"
#include "activities/herblore.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "activities/mending.h"
#include "items/ownership.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "society/village.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

enum { CROP_FIRST = 432, CROP_POD = 432, CROP_ROOT = 433, CROP_SEED = 434, CROP_GRAIN = 435, CROP_LAST = 435 };
enum { SACK_ID = 350, FIELD_CHAR = 251, STORE_LIST = 100 };

static bool field_crop(uint32_t id) { return id >= CROP_FIRST && id <= CROP_LAST; }

// ---- the pool ----

// The container a pool line of a crop is stored in (0 none: it stays loose) and the line's new count;
// false when the object table has no room for the container.
static bool crop_container(const ItemStruct &crop, uint8_t &count, uint32_t &held) {
    held = 0;
    if (!field_crop(crop.id)) return true;
    const int q = count / 4;
    const int n = q + random(q) + random(q) + random(q);
    const float w = (float)n * crop.weight;
    if (n == 0) {   // too little to fill anything: nothing is stored, not an empty box
        count = 0;
        return true;
    }
    if (crop.id == CROP_ROOT) {
        count = (uint8_t)(n > 255 ? 255 : n);
        return true;
    }
    if (crop.id == CROP_SEED) {
        int c = 1;
        if (crop.unitkind == 2) {
            if (w >= 5.0f) c = random(2) + 1;
            if (w >= 10.0f) c = random(3) + 1;
            if (w >= 15.0f) c = 2;
            count = (uint8_t)c;
            held = (uint32_t)Luo_Esinerasia(crop);
            return held != 0;
        }
        if (w >= 15.0f) c = random(2) + 1;
        if (w >= 30.0f) c = random(3) + 1;
        if (w >= 45.0f) c = random(2) + 2;
        count = (uint8_t)c;
        held = (uint32_t)Luo_Esinekori(crop);
        return held != 0;
    }
    ItemStruct sack;
    hae_esine(sack, SACK_ID);
    const float full = sack.fullweight;
    count = 1;
    held = (uint32_t)Luo_Esinesakki(crop, w > full / 2 ? full : full / 2);
    return held != 0;
}

uint32_t plantflushconv(const ItemStruct &crop, uint8_t &count) {
    uint32_t held;
    crop_container(crop, count, held);
    return held;
}

// ---- storing ----

struct SquareList {
    int x[STORE_LIST], y[STORE_LIST];
    int n = 0;
    void add(int ax, int ay) {
        if (n >= STORE_LIST) return;
        x[n] = ax;
        y[n] = ay;
        n++;
    }
    void pick(int &ax, int &ay) const {
        const int i = random(n);
        ax = x[i];
        ay = y[i];
    }
};

// The stock-type mask of a store room's map character; 0 for other squares.
static unsigned storeroom_mask(int c) {
    switch (c) {
    case 'a': return 0x100;
    case 'b': return 0x2;
    case 'c': return 0x40;
    case 'd': return 0x80;
    case 'e': return 0x10;
    case 'f': return 0x20;
    case 'i': return 0x200;
    case 'l': return 0x400;
    default: return 0;
    }
}

static bool shop_floor(int c) { return c == '_' || c == '('; }
static bool timber_wall(int c) { return c == 191 || c == 218 || c == 139 || c == 140; }

// What of an area's squares can take goods, read once from the map: its store rooms in row order,
// the free floor of its shops and the timber spots by its walls.
struct StoreRoom {
    int x, y;
    unsigned mask;
};
struct AreaSquares {
    UiRect r;
    std::vector<StoreRoom> rooms;
    SquareList floor, timber;
};

static bool in_rect(const UiRect &r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// The squares of the village area of world cell x, y (the whole local area when x or y is below 1);
// false when the cell lies outside the local area.
static bool scan_area(int x, int y, AreaSquares &a) {
    a.r = {AREA_MIN, AREA_MIN, AREA_MAX + 1 - AREA_MIN, AREA_MAX + 1 - AREA_MIN};
    if (x >= 1 && y >= 1) a.r = bigxy_zoomrect(x, y);
    a.rooms.clear();
    a.floor.n = a.timber.n = 0;
    if (a.r.w == 0) return false;
    for (int sy = a.r.y; sy < a.r.y + a.r.h; sy++)
        for (int sx = a.r.x; sx < a.r.x + a.r.w; sx++) {
            const int c = get_mapchar(sx, sy);
            if (const unsigned mask = storeroom_mask(c)) a.rooms.push_back({sx, sy, mask});
            if (c == 250 && (timber_wall(get_mapchar(sx - 1, sy)) || timber_wall(get_mapchar(sx + 1, sy)))) a.timber.add(sx, sy);
            else if (shop_floor(c) && a.floor.n < STORE_LIST && !oldshoparea(sx, sy) && !livingroom(sx, sy)) a.floor.add(sx, sy);
        }
    return true;
}

static void store_in(const AreaSquares &a, int object, int n, int socowned) {
    const ItemStruct item = ObjToItem(object);
    static SquareList stores, same;
    stores.n = same.n = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type != 0 && in_rect(a.r, Data[i].x, Data[i].y) && stockpile_match(item, i)) stores.add(Data[i].x, Data[i].y);
    for (const StoreRoom &room : a.rooms)
        if (stores.n < STORE_LIST && stocktype_match(item, room.mask)) stores.add(room.x, room.y);
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_ITEM && in_rect(a.r, d.x, d.y) && somewhatequal(ObjToItem((int)d.id), item)) same.add(d.x, d.y);
    }
    const SquareList &spots = item.type == IT_TIMBER ? a.timber : a.floor;
    if (stores.n == 0 && same.n == 0 && spots.n == 0) return;

    // A free spot is taken only from a list that holds one: else the stores, else the like goods.
    const SquareList &spot_or_else = spots.n ? spots : stores.n ? stores : same;
    int tx, ty;
    if (stores.n >= 1 && stores.n <= 3) stores.pick(tx, ty);
    else if (same.n == 0) spot_or_else.pick(tx, ty);
    else if (stores.n && random(2) == 0) stores.pick(tx, ty);
    else if (same.n < 6 && random(2) == 0) (spots.n ? spots : same).pick(tx, ty);
    else same.pick(tx, ty);

    if (shop_floor(get_mapchar(tx, ty)))
        for (int tries = 0; tries < 100; tries++) {
            const int nx = tx + random(3) - 1, ny = ty + random(3) - 1;
            if ((nx != tx || ny != ty) && shop_floor(get_mapchar(nx, ny))) {
                tx = nx;
                ty = ny;
                break;
            }
        }
    DebugNotef("varastoi to %d,%d", tx, ty);
    if (socowned == 1) set_socowned_data(DT_ITEM, tx, ty, object, n);
    else set_data(DT_ITEM, tx, ty, object, n);
}

void varastoi(int object, int n, int socowned, int x, int y) {
    if (object == 0 || bigmap()) return;
    static AreaSquares area;
    if (scan_area(x, y, area)) store_in(area, object, n, socowned);
}

void flushvilpool(int soc) {
    if (soc < 1 || !GetGlobVil(soc)) return;
    static AreaSquares area;   // the map does not change while the lines are stored: read it once
    const bool room = !bigmap() && scan_area(0, 0, area);
    uint32_t lines[VILLAGE_POOL];
    uint8_t counts[VILLAGE_POOL];
    memcpy(lines, globVil.pool, sizeof lines);
    memcpy(counts, globVil.poolcount, sizeof counts);
    // A line whose goods find no room in the object table stays in the pool for the next flush.
    bool kept[VILLAGE_POOL] = {};
    for (int i = 0; i < VILLAGE_POOL; i++) {
        if (lines[i] == 0) continue;
        ItemStruct item = ObjToItem((int)lines[i]);
        uint8_t count = counts[i];
        uint32_t held = 0;
        if (!crop_container(item, count, held)) {
            kept[i] = true;
            continue;
        }
        if (held) {
            item = ObjToItem((int)held);
            item.harvestyear = (uint8_t)(Plr.month < 6 && Plr.year > 0 ? Plr.year - 1 : Plr.year);
        }
        item.ownersoc = (uint32_t)soc;
        item.ownerflags &= (uint8_t)~7;
        const int pos = Luo_Esineen_Itempos(item);
        if (!pos) {
            kept[i] = true;
            continue;
        }
        char name[41];
        DebugNotef("flush %s * %d", item_name(item, name), count);
        if (room && count > 0) store_in(area, pos, count, 0);
    }
    clearvilpool(soc);
    bool any = false;
    for (int i = 0; i < VILLAGE_POOL; i++)
        if (kept[i]) globVil.pool[i] = lines[i], globVil.poolcount[i] = counts[i], any = true;
    if (any) SaveGlobVil();
}

int flush_socmember(int n) {
    if (!is_socmember(n)) return 0;
    CreatureStruct &c = Cre[n];
    for (int slot = 0; slot < CRE_PACK; slot++) {
        if (c.pack[slot] <= 0 || c.packcount[slot] == 0) continue;
        if (!(ObjToItem(c.pack[slot]).ownerflags & 1)) continue;
        varastoi(c.pack[slot], c.packcount[slot], 1, 0, 0);
        Poista_NpcItem(n, slot, c.packcount[slot]);
    }
    return 1;
}

// ---- fields ----

static bool plant_record(const DataStruct &d) { return d.type == DT_PLANT || d.type == DT_HERB_A || d.type == DT_HERB_B; }

int fielddata_korjuukypsa(const DataStruct &d) {
    if (!plant_record(d)) return 0;
    const ItemStruct plant = ObjToItem((int)d.id);
    const int ripening = plant.fig[4] + ((plant.fig[3] * 137) >> 12);
    return Plr.month > ripening || Plr.month < 5 || d.flags != 0;
}

// Whether the first product of a harvest may be taken this month.
static bool first_product_allowed(int month) {
    if (month == 0 || (month >= 6 && month <= 10)) return true;
    if (month == 1) return random(2) == 0;
    if (month <= 3) return random(3) == 0;
    if (month <= 5) return random(4) == 0;
    return random(3) != 0;
}

// The ripe cultivated plants of the records given go into the village's pool and off the field;
// answers the latest ripening month found, 0 when none.
static int harvest_records(DataStruct *records, int count, int soc, bool in_area) {
    int latest = 0;
    for (int i = 0; i < count; i++) {
        DataStruct &d = records[i];
        if (!plant_record(d) || !fielddata_korjuukypsa(d) || !cultivated_crop((int)d.id)) continue;
        const ItemStruct plant = ObjToItem((int)d.id);
        const KasviOsat parts = hajota_kasvi(plant);
        if (plant.fig[4] > latest) latest = plant.fig[4];
        const bool allowed = first_product_allowed(Plr.month);
        const bool taken = random(2) != 0;
        if (taken && parts.present[0] && allowed)
        {
            const int count = random(d.count);   // the count is drawn before the thing is made
            addvilpool(soc, Luo_Esineen_Itempos(parts.part[0]), count);
        }
        if (parts.present[1] && !(parts.part[1].id == CROP_GRAIN && (!allowed || !taken)))
        {
            const int count = random(d.count);   // the count is drawn before the thing is made
            addvilpool(soc, Luo_Esineen_Itempos(parts.part[1]), count);
        }
        if (in_area) CrunchData((int)(&d - Data));
        else memset(&d, 0, sizeof d);
    }
    return latest;
}

static void set_harvest_year(int x, int y, int soc, int year) {
    Mapinfo_setHarvestYear(x, y, year);
    if (soc > 0 && GetGlobVil(soc)) {
        globVil.harvestyear = (uint8_t)year;
        SaveGlobVil();
    }
}

// A field's map made away from where she is: its making draws from a copy of the random stream, so
// that what happens around her goes on as it would have. 1 when the map is stored.
static int made_away(int x, int y) {
    if (ZoomMapPos(x, y) != 0) return 1;
    int32_t state[oxa_rand::DEG];
    memcpy(state, oxa_rand::state, sizeof state);
    const int64_t front = oxa_rand::front, rear = oxa_rand::rear;
    const int made = spotgenerate(x, y, 0);
    memcpy(oxa_rand::state, state, sizeof state);
    oxa_rand::front = front;
    oxa_rand::rear = rear;
    return made;
}

void field_maintenance(int x, int y) {
    if (get_alltime_maailmachar(x, y) != FIELD_CHAR) return;
    const int lastday = Mapinfo_bigloc_LastDay(x, y);
    const OwnerStruct owner = own_bigmaploc(x, y);
    int soc = owner.free ? 0 : (int)owner.soc;
    if (soc == 0) {   // a field no village knows yet: the settlements near it become villages
        for (int cy = y - 5; cy <= y + 5; cy++)
            for (int cx = x - 5; cx <= x + 5; cx++) {
                const int c = get_alltime_maailmachar(cx, cy);
                if ((c == 210 || c == 211 || c == 239) && ZoomMapPos(cx, cy) == 0) {
                    createsocarea(cx, cy, 1);
                    socmaint(cx, cy);
                }
            }
        const OwnerStruct again = own_bigmaploc(x, y);
        soc = again.free ? 0 : (int)again.soc;
    }
    if (lastday != 0 && (soc <= 0 || socpopulation(soc) < 2)) return;
    const int year = Plr.year;
    if (Mapinfo_HarvestYear(x, y) == year) return;

    // The field's map: the current area's own squares when it lies in it, else its stored map, made
    // now when it never was (once made it is stored, and later entries only load it).
    const int zx = x - (int)Plr.world_x, zy = y - (int)Plr.world_y;
    const bool in_area = !bigmap() && zx >= -2 && zx <= 2 && zy >= -2 && zy <= 2;
    if (!in_area && !(made_away(x, y) && load_zoommap(x, y))) return;
    const UiRect r = in_area ? bigxy_zoomrect(x, y) : UiRect{0, 0, 0, 0};

    if (Mapinfo_HarvestYear(x, y) != 0 && Mapinfo_SowYear(x, y) != year && Plr.month > 4) {
        if (in_area) {
            dataextract(zx, zy);
            int before = 0;
            while (before < ZOOM_RECORDS && Zoom.data[before].type != 0) before++;
            DoField(1);
            for (int row = 0; row < ZOOM_SIDE; row++)
                for (int col = 0; col < ZOOM_SIDE; col++) set_mapchar(r.x + col, r.y + row, Zoom.chars[row * 64 + col]);
            for (int i = before; i < ZOOM_RECORDS; i++) {
                const DataStruct &z = Zoom.data[i];
                if (z.type == DT_PLANT && z.x < ZOOM_SIDE && z.y < ZOOM_SIDE)
                    set_data(z.type, r.x + z.x, r.y + z.y, (int)z.id, z.count);
            }
            VegetationGrowth();
        } else {
            DoField(1);
            save_zoommap(x, y, 0);
        }
        Mapinfo_setSowYear(x, y, year);
        if (soc > 0 && GetGlobVil(soc)) {
            globVil.sowyear = (uint8_t)year;
            SaveGlobVil();
        }
    }

    int latest = 0;
    if (in_area) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].x >= r.x && Data[i].x < r.x + r.w && Data[i].y >= r.y && Data[i].y < r.y + r.h) {
                const int m = harvest_records(&Data[i], 1, soc, true);
                if (m > latest) latest = m;
            }
    } else {
        latest = harvest_records(Zoom.data, ZOOM_RECORDS, soc, false);
        save_zoommap(x, y, 0);
    }
    if (latest == 0) latest = 11;
    if (Plr.month < latest) {
        if (Plr.month < 5 && Mapinfo_HarvestYear(x, y) == 0 && Mapinfo_SowYear(x, y) == 0) set_harvest_year(x, y, soc, year > 0 ? year - 1 : 0);
    } else {
        set_harvest_year(x, y, soc, year);
    }
}
