// src/worldgen/rndhouse_finish.cpp -- the finishing steps of a fresh local map (puddles on low ground,
// rock on the heights, loose stones, fallen wood, an ant nest, saplings) and its wild vegetation: the
// plants whose habitat and region fit the cell are sown in stands along short random walks.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/tags.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "items/items.h"
#include "items/plants.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/maps.h"
#include "maps/rooms.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

int DEBUG_kasveja_aina;

namespace {

enum {
    LOW_GROUND = 7,          // dry squares below this height hold water
    ROCK_HEIGHT = 230,       // squares above it are bare rock
    SOIL_BASE_ROCK = 1,
    SOIL_CRAG = 2,
    CH_BIG_ROCK = 39,
    CH_ANT_NEST = 29,
    CH_BIRCH = 10,
    CH_YOUNG_SPRUCE = 12,
    CH_PREPARED_SOIL = 'R',
    CH_OPEN_MIRE = 233,
    CH_PINE_MIRE = 236,
    LIVENING_TRIES = 409,
    PLANT_TRIES = 100,       // a fit on the last try ends the area without a stand
    NATURE_POND = 0x80,
    NATURE_LAKE = 0x20,
    NATURE_WETLAND = 0x200,
    NATURE_CONIFEROUS = 0x40000,
};

inline int at(int x, int y) { return y * ZOOM_SIDE + x; }
inline bool inside(int x, int y) { return x >= 0 && y >= 0 && x < ZOOM_SIDE && y < ZOOM_SIDE; }
inline int ch_at(int x, int y) { return Zoom.chars[at(x, y)]; }
inline int soil_at(int x, int y) { return MAAPERA(Zoom.surface[at(x, y)]); }
// The chars of the map are bytes, always rows of the terrain table.
inline bool flag_at(int x, int y, uint32_t flag) { return (terrain[ch_at(x, y)].flags & flag) != 0; }
inline bool water_at(int x, int y) { return flag_at(x, y, TF_WATER); }

// A catalogue object by its exact name (any case), looked up again only when its row no longer holds
// it. The names are unique in the catalogue; the lookup draws nothing from the random stream, so a map
// comes out the same whether or not an earlier map looked the names up.
struct NamedObject {
    const char *name;
    int row;
    static bool holds(int r, const char *name) {
        return ConstantObj[r].type != IT_NONE && strncasecmp(ConstantObj[r].name, name, sizeof ConstantObj[r].name) == 0;
    }
    int get() {
        if (row > 0 && row < CONSTANTOBJ_ROWS && holds(row, name)) return row;
        for (row = 1; row < CONSTANTOBJ_ROWS; row++)
            if (holds(row, name)) return row;
        return row = 0;
    }
};
NamedObject ROCK_ITEM{"ROCK", 0}, STONE_ITEM{"STONE", 0}, TRUNK_ITEM{"TREE TRUNK", 0},
    SLENDER_ITEM{"SLENDER TREE TRUNK", 0}, BRANCH_ITEM{"BRANCH", 0};

// ---- the habitat tags of each plant definition, read once -----------------------------------------

enum { SYM_ROCKY = 1, SYM_WATERY_SOIL = 2, SYM_SHALLOW_WATER = 4 };

struct PlantTags {
    char name[sizeof(ItemStruct::name)];   // the definition these tags were read for
    bool read;
    bool cultivated;
    uint8_t kinds;           // SYM_* bits
    uint32_t habitat;        // nature bits of "TERRAIN"
    int commonness;          // per cent
    int population;          // steps of one walk
    char region[40];
    char symbiosis[100];     // the terrain names a stand needs round it, upper case; empty: none
    bool partners_known;
    bool partner[256];       // the chars whose terrain the symbiosis names
    int itempos;             // the stored item the stands share; 0 not made yet
};

PlantTags plant_tags_table[CONSTANTOBJ_ROWS];

bool is_plant_row(int row) { return row >= 1 && row < CONSTANTOBJ_ROWS && ConstantObj[row].type == IT_PLANT; }

int clamp_int(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void read_tags(PlantTags &t, const ItemStruct &plant) {
    memset(&t, 0, sizeof t);
    memcpy(t.name, plant.name, sizeof t.name);
    t.name[sizeof t.name - 1] = 0;
    t.read = true;
    t.commonness = 25;
    t.population = 1;
    if (!hae_asciidata(IT_PLANT, t.name)) return;
    t.habitat = AsetaLuontotyyppivaikutus(0, tag_value(ascii_data, "TERRAIN", ""));
    t.commonness = clamp_int(atoi(tag_value(ascii_data, "COMMONNESS", "25")), 0, 100);
    t.population = clamp_int(atoi(tag_value(ascii_data, "POPULATION", "1")), 1, 64);
    copy_bounded(t.region, sizeof t.region, tag_value(ascii_data, "REGION", ""));
    t.cultivated = tag_value(ascii_data, "CULTIVATED", "")[0] != 0;
    char sym[sizeof t.symbiosis];
    copy_bounded(sym, sizeof sym, tag_value(ascii_data, "SYMBIOSIS", ""));
    for (char *c = sym; *c; c++) *c = (char)toupper((unsigned char)*c);
    // The soil words name where the plant stands; only the other words name its neighbours.
    if (strstr(sym, "ROCKY")) t.kinds |= SYM_ROCKY;
    if (strstr(sym, "WATERY_SOIL")) t.kinds |= SYM_WATERY_SOIL;
    if (strstr(sym, "SHALLOW_WATER")) t.kinds |= SYM_SHALLOW_WATER;
    if (t.kinds) sym[0] = 0;
    if (t.habitat & NATURE_LAKE) t.kinds |= SYM_SHALLOW_WATER;
    copy_bounded(t.symbiosis, sizeof t.symbiosis, sym);
}

// The tags of definition row `row`; read again only when the row holds another plant than before.
const PlantTags &tags_of(int row) {
    PlantTags &t = plant_tags_table[row];
    const ItemStruct &plant = ConstantObj[row];
    if (!t.read || strncmp(t.name, plant.name, sizeof t.name - 1) != 0) read_tags(t, plant);
    return t;
}

// The stored item every stand of the plant names: made once and kept while it still holds the plant.
int plant_itempos(int row) {
    PlantTags &t = plant_tags_table[row];
    const int n = t.itempos;
    if (n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST && ItemStructsEqual(PlayerObj[n - OBJ_PLAYER_FIRST], ConstantObj[row]))
        return n;
    t.itempos = Luo_Esineen_Itempos(ConstantObj[row]);
    return t.itempos;
}

// The definition row of a plant named by an object number (a row or a stored item), 0 when none.
int plant_row_of(int object) {
    if (is_plant_row(object)) return object;
    if (object < OBJ_PLAYER_FIRST || object > OBJ_PLAYER_LAST) return 0;
    const ItemStruct &item = PlayerObj[object - OBJ_PLAYER_FIRST];
    if (item.type != IT_PLANT) return 0;
    for (int row = 1; row < CONSTANTOBJ_ROWS; row++)
        if (is_plant_row(row) && strncmp(ConstantObj[row].name, item.name, sizeof item.name) == 0) return row;
    return 0;
}

// ---- sowing one species ---------------------------------------------------------------------------

// The records one pass puts on the map being built. Within a pass nothing else touches the records, so
// the first free record and the squares holding plants and items are found once: a new record goes
// where the shared placer would put it (the first free one), and only an item on a square that holds
// items already goes through the placer to join its stack.
struct Placer {
    enum { USED = 1990 };    // the records a generator hands out
    bool plant[ZOOM_SQUARES];
    bool items[ZOOM_SQUARES];
    int16_t shore[ZOOM_SQUARES];   // squares to dry land, -1 not asked yet (the land stays as it is)
    int next_free;

    void begin() {
        memset(plant, 0, sizeof plant);
        memset(items, 0, sizeof items);
        forget_shores();
        next_free = -1;
        for (int i = 0; i < USED; i++) {
            const DataStruct &d = Zoom.data[i];
            if (is_free(d)) {
                if (next_free < 0) next_free = i;
                continue;
            }
            if (!inside(d.x, d.y)) continue;
            if (d.type == DT_PLANT) plant[at(d.x, d.y)] = true;
            if (d.type == DT_ITEM) items[at(d.x, d.y)] = true;
        }
        if (next_free < 0) next_free = USED;
    }
    void forget_shores() { memset(shore, 0xff, sizeof shore); }
    static bool is_free(const DataStruct &d) { return d.type == DT_UNUSED || d.type == DT_FREED; }
    void skip_used() {
        while (next_free < USED && !is_free(Zoom.data[next_free])) next_free++;
    }
    // A new record as the shared placer makes it; null when none is free.
    DataStruct *fresh(int x, int y, int type, uint32_t id, uint16_t count) {
        skip_used();
        if (next_free >= USED || !inside(x, y)) return nullptr;
        DataStruct &d = Zoom.data[next_free++];
        localdata_write(d, x, y, type, id, count, 0);
        return &d;
    }
    bool put_plant(int x, int y, uint32_t id, uint16_t count) {
        if (!fresh(x, y, DT_PLANT, id, count)) return false;
        plant[at(x, y)] = true;
        return true;
    }
    void put_item(int x, int y, int object) {
        if (object <= 0 || !inside(x, y)) return;
        if (items[at(x, y)]) aseta_data(x, y, DT_ITEM, (uint32_t)object, 1);
        else if (fresh(x, y, DT_ITEM, (uint32_t)object, 1)) items[at(x, y)] = true;
    }
    void put_sapling(int x, int y) {
        if (DataStruct *d = fresh(x, y, DT_TREE, 0, 0)) d->flags = 8;
    }
    // Squares to dry land, counted straight along the row or column (never onto the two outer rows
    // and columns on the left and top, 1000 beyond 24), for the whole map in four sweeps the first
    // time a pass asks.
    int to_shore(int x, int y) {
        if (shore[0] < 0) measure_shores();
        return shore[at(x, y)];
    }
    void measure_shores() {
        const int far = 1 << 12;
        for (int i = 0; i < ZOOM_SQUARES; i++) shore[i] = (int16_t)far;
        for (int line = 0; line < ZOOM_SIDE; line++) {
            int last_row = -far, last_col = -far;   // the nearest dry square before, from 2 on
            for (int k = 0; k < ZOOM_SIDE; k++) {
                if (k >= 2 && !water_at(k, line)) last_row = k;
                if (k >= 2 && !water_at(line, k)) last_col = k;
                shore_min(k, line, k - last_row);
                shore_min(line, k, k - last_col);
            }
            int next_row = far * 2, next_col = far * 2;   // the nearest dry square after
            for (int k = ZOOM_SIDE - 1; k >= 0; k--) {
                if (!water_at(k, line)) next_row = k;
                if (!water_at(line, k)) next_col = k;
                shore_min(k, line, next_row - k);
                shore_min(line, k, next_col - k);
            }
        }
        for (int16_t &d : shore)
            if (d > 24) d = 1000;
    }
    void shore_min(int x, int y, int d) {
        int16_t &s = shore[at(x, y)];
        if (d < s) s = (int16_t)d;
    }
};

// Whether the terrain named by each char occurs among the plant's neighbours.
void symbiosis_chars(const char *text, bool partner[256]) {
    for (int c = 0; c < 256; c++) {
        char desc[sizeof terrain[0].description];
        copy_bounded(desc, sizeof desc, terrain[c].description);
        for (char *p = desc; *p; p++) *p = (char)toupper((unsigned char)*p);
        partner[c] = desc[0] && strstr(text, desc);
    }
}

// A stand needs its partner on at least one square of the 5 x 5 block round it.
bool partner_near(int x, int y, const bool partner[256]) {
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
            if (inside(x + dx, y + dy) && partner[ch_at(x + dx, y + dy)]) return true;
    return false;
}

bool water_within_1(int x, int y) {
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            if (!inside(x + dx, y + dy)) continue;
            const int c = ch_at(x + dx, y + dy);
            if (c == CH_WADE_WATER || c == CH_SHALLOW_WATER) return true;
        }
    return false;
}

bool square_fits(int x, int y, int platform, uint8_t kinds, Placer &placer) {
    if (x <= 0 || y <= 0 || !inside(x, y)) return false;
    const int c = ch_at(x, y);
    const int soil = soil_at(x, y);
    // On base rock and crag only the rocky plants grow, and those nowhere else.
    if (soil == SOIL_BASE_ROCK || soil == SOIL_CRAG) return (kinds & SYM_ROCKY) != 0;
    if (kinds & SYM_ROCKY) return false;
    if (kinds & SYM_SHALLOW_WATER) {
        if (c == CH_DEEP_WATER) return placer.to_shore(x, y) <= random(2) + 1;
        if (c == CH_RIVER || c == CH_SHALLOW_WATER || c == CH_WADE_WATER) return placer.to_shore(x, y) <= random(3) + 3;
        return false;
    }
    if (kinds & SYM_WATERY_SOIL) {
        if (c == CH_WADE_WATER || c == CH_SHALLOW_WATER) return placer.to_shore(x, y) < 4;
        return c == platform && water_within_1(x, y);
    }
    return c == platform;
}

struct Walk {
    int x = -1, y = -1, steps = 0;
    void move(int length) {
        if (x >= 0 && steps >= length) {
            x = random(ZOOM_SIDE);
            y = random(ZOOM_SIDE);
            steps = 0;
            return;
        }
        if (x >= 4 && x <= 60) {
            steps++;
            x += random(5) - 2;
        } else {
            x = random(ZOOM_SIDE);
        }
        if (y >= 4 && y <= 60) y += random(5) - 2;
        else y = random(ZOOM_SIDE);
    }
};

void sow(int platform, int density, int row, Placer &placer) {
    debuglog("setplant", "remove");
    if (!is_plant_row(row)) return;
    const PlantTags &t = tags_of(row);
    int id = 0;   // the stored item, made with the first stand: a plant that finds no square leaves none
    const int stand = ConstantObj[row].cover[0] > 0 ? ConstantObj[row].cover[0] : 1;
    PlantTags &tags = plant_tags_table[row];
    const bool needs_partner = t.symbiosis[0] != 0;
    if (needs_partner && !tags.partners_known) {
        symbiosis_chars(t.symbiosis, tags.partner);
        tags.partners_known = true;
    }
    const bool *partner = tags.partner;

    if (density < 0) density = 0;
    const int areas = density / 2 + density / 4 + random(density / 4) + 1;
    Walk walk;
    for (int a = 0; a < areas; a++) {
        bool ended = false;
        for (int tries = 1; tries <= PLANT_TRIES && !ended; tries++) {
            walk.move(t.population);
            if (!square_fits(walk.x, walk.y, platform, t.kinds, placer)) continue;
            if (placer.plant[at(walk.x, walk.y)]) continue;
            ended = true;
            if (tries == PLANT_TRIES) break;
            if (needs_partner && !partner_near(walk.x, walk.y, partner)) break;
            if (!id) id = plant_itempos(row);
            if (id < OBJ_PLAYER_FIRST) return;   // no room left for the plant's item
            if (!placer.put_plant(walk.x, walk.y, (uint32_t)id, (uint16_t)(random(stand) + 1))) return;
        }
        if (!ended) {
            debuglog("setplant", "loop too many exit");
            walk = Walk();
        }
    }
}

// ---- loose stones, fallen wood and the ant nest -----------------------------------------------

bool water_within_2(int x, int y) {
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
            if (inside(x + dx, y + dy) && water_at(x + dx, y + dy)) return true;
    return false;
}

bool tree_within_1(int x, int y) {
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (inside(x + dx, y + dy) && flag_at(x + dx, y + dy, TF_TREE)) return true;
    return false;
}

// The water of the map as a bit per square, row by row: whether a square has water within two squares
// (its 5 x 5 block, within the map) is then a few masks away.
struct WaterRows {
    uint64_t row[ZOOM_SIDE];
    void measure() {
        bool wet[256];
        for (int c = 0; c < 256; c++) wet[c] = (terrain[c].flags & TF_WATER) != 0;
        for (int y = 0; y < ZOOM_SIDE; y++) {
            uint64_t m = 0;
            for (int x = 0; x < ZOOM_SIDE; x++) m |= (uint64_t)wet[ch_at(x, y)] << x;
            row[y] = m;
        }
    }
    bool near(int x, int y) const {
        const int lo = x - 2 < 0 ? 0 : x - 2, hi = x + 2 > ZOOM_SIDE - 1 ? ZOOM_SIDE - 1 : x + 2;
        const uint64_t window = (~0ull << lo) & (~0ull >> (ZOOM_SIDE - 1 - hi));
        for (int r = y - 2; r <= y + 2; r++)
            if (r >= 0 && r < ZOOM_SIDE && (row[r] & window)) return true;
        return false;
    }
};

// The finishing passes of a fresh map (the loose stones, the fallen wood, the saplings and the wild
// vegetation) share one placer while terrain_make holds them: nothing but these passes puts or frees
// records between them, so what one pass leaves in the placer is what the next would find by looking.
Placer shared_placer;
int finishing_depth;
bool shared_begun;

// The placer a pass works with: its own, looked over afresh, or the shared one of a held run.
Placer &pass_placer(Placer &own) {
    if (finishing_depth == 0) {
        own.begin();
        return own;
    }
    if (!shared_begun) {
        shared_placer.begin();
        shared_begun = true;
    } else {
        shared_placer.forget_shores();   // the chars may have changed since
    }
    return shared_placer;
}


}  // namespace

// ---- the finishing steps ------------------------------------------------------------------------

void ZOOMTERRAIN_Viimeistele() {
    const bool land_cell = !terrain_flag(get_alltime_maailmachar(LuontiX, LuontiY), TF_WATER);
    bool wet[256];
    for (int c = 0; c < 256; c++) wet[c] = (terrain[c].flags & TF_WATER) != 0;
    // One pass over the squares: what happens to a square (a puddle, then rock on the heights and no
    // cover on water) depends on that square alone.
    for (int y = 0; y < ZOOM_SIDE; y++)
        for (int x = 0; x < ZOOM_SIDE; x++) {
            const int i = at(x, y);
            if (!wet[Zoom.chars[i]] && Zoom.height[i] < LOW_GROUND) {
                Zoom.surface[i] = 0;
                if (land_cell) {
                    const bool prepared = Zoom.chars[i] == CH_PREPARED_SOIL;
                    Zoom.chars[i] = CH_WADE_WATER;
                    // A puddle over prepared soil drowns whatever was sown there.
                    for (int k = 0; prepared && k < ZOOM_RECORDS; k++) {
                        DataStruct &d = Zoom.data[k];
                        if (d.type == DT_UNUSED || d.x != x || d.y != y) continue;
                        d.x = d.y = 0;
                        d.type = 0;
                        d.id = 0;
                        d.count = 0;
                    }
                }
            }
            if (Zoom.height[i] > ROCK_HEIGHT) Zoom.surface[i] = (uint8_t)aseta_MAAPERA(Zoom.surface[i], SOIL_BASE_ROCK);
            if (wet[Zoom.chars[i]]) Zoom.surface[i] = 0;
        }
}

void finishing_hold(int on) {
    if (on) {
        if (finishing_depth++ == 0) shared_begun = false;
        return;
    }
    if (finishing_depth > 0) finishing_depth--;
}

void ELAVOITYS(int mode) {
    const int r = random(5);
    const int world = get_alltime_maailmachar(LuontiX, LuontiY);
    const bool mire = world == CH_OPEN_MIRE || world == CH_PINE_MIRE;
    int rock_item = 0, stone_item = 0, trunk = 0, slender = 0, branch = 0;
    if (mode == 1) {
        rock_item = ROCK_ITEM.get();
        stone_item = STONE_ITEM.get();
    } else if (mode == 2) {
        trunk = TRUNK_ITEM.get();
        slender = SLENDER_ITEM.get();
        branch = BRANCH_ITEM.get();
    }
    static Placer own;
    Placer *placer_p = nullptr;
    if (mode == 1 || mode == 2) placer_p = &pass_placer(own);
    Placer &placer = placer_p ? *placer_p : own;
    // Stones are set only on plain ground, which is not water: the water round a square stays as
    // measured unless a big rock would be water itself.
    static WaterRows water;
    const bool measured = mode == 1 && !(terrain[CH_BIG_ROCK].flags & TF_WATER) && !(terrain[CH_GROUND].flags & TF_WATER);
    if (measured) water.measure();
    for (int k = 0; k < LIVENING_TRIES; k++) {
        const int x = random(ZOOM_SIDE), y = random(ZOOM_SIDE);
        if (ch_at(x, y) != CH_GROUND) continue;
        if (mode == 1) {
            static const int chances[3][3] = {{20, 15, 35}, {10, 40, 30}, {1, 15, 5}};
            const int soil = soil_at(x, y);
            const int *base = chances[soil == SOIL_BASE_ROCK ? 0 : soil == SOIL_CRAG ? 1 : 2];
            int big = base[0], rock = base[1], stone = base[2];
            if (measured ? water.near(x, y) : water_within_2(x, y)) big += 15, rock += 50, stone += 40;
            if (mire) big = rock = stone = 0;
            if (random(150) < big) Zoom.chars[at(x, y)] = CH_BIG_ROCK;
            else if (random(150) < rock) placer.put_item(x, y, rock_item);
            else if (random(150) < stone) placer.put_item(x, y, stone_item);
        } else if (mode == 2) {
            if (!tree_within_1(x, y)) continue;
            if (random(150) < 2) placer.put_item(x, y, random(3) < 2 ? trunk : slender);
            if (random(150) < 5) placer.put_item(x, y, branch);
        } else if (mode == 3) {
            if ((terrain[world & 255].nature & NATURE_CONIFEROUS) && r == 1) Zoom.chars[at(x, y)] = CH_ANT_NEST;
            return;
        }
    }
}

void ZOOMTERRAIN_ViimeistelePuut() {
    static Placer own;
    Placer &placer = pass_placer(own);
    for (int y = 0; y < ZOOM_SIDE; y++)
        for (int x = 0; x < ZOOM_SIDE; x++) {
            const int c = ch_at(x, y);
            if ((c == CH_YOUNG_SPRUCE && random(5) == 0) || (c == CH_BIRCH && random(6) == 0))
                placer.put_sapling(x, y);
        }
}

// ---- wild vegetation ----------------------------------------------------------------------------

void terrain_vegetation() {
    debuglog("vegetation", "remove");
    const int world = get_alltime_maailmachar(LuontiX, LuontiY);
    const uint32_t world_bits = terrain[world & 255].nature;
    const bool pond = bigmap_lampi(LuontiX, LuontiY) != 0;
    static Placer own;
    Placer *placer = nullptr;
    for (int row = 1; row < CONSTANTOBJ_ROWS; row++) {
        if (!is_plant_row(row)) continue;
        const PlantTags &t = tags_of(row);
        const int commonness = DEBUG_kasveja_aina ? 100 : t.commonness;
        uint32_t cell = world_bits;
        if ((t.habitat & NATURE_WETLAND) && kosteikkotyyppi) cell = kosteikkotyyppi | NATURE_WETLAND;
        cell &= ~(uint32_t)NATURE_POND;
        if (pond && (t.habitat & NATURE_POND)) cell |= NATURE_POND;
        if (pond && (t.habitat & NATURE_LAKE)) cell &= ~(uint32_t)NATURE_LAKE;
        if (!(t.habitat & cell)) continue;   // not its habitat
        // Plants grow by the region of the cell being made.
        if (!tagmatch_REGION(t.region, LuontiX, LuontiY)) continue;
        if (random(100) >= commonness) continue;
        if (!placer) placer = &pass_placer(own);
        sow(CH_GROUND, ConstantObj[row].cover[2], row, *placer);
    }
}

void aseta_luonnonkasvi(int ch, int density, int object) {
    static Placer placer;
    placer.begin();
    sow(ch, density, object, placer);
}

int cultivated_crop(int object) {
    const int row = plant_row_of(object);
    return row && tags_of(row).cultivated ? 1 : 0;
}

void vegetation_forget_tags() { memset(plant_tags_table, 0, sizeof plant_tags_table); }
