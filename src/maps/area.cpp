#include "maps/area.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "maps/mapunit.h"
#include "base/ui.h"

TerrainStruct terrain[256];
int NEWGFX = 1;
int FISH;
uint8_t ALL_SEE;
int TILA_avoin_ovi;

namespace {

struct TerrainRow {
    uint8_t c, glyph;
    uint32_t flags;
    const char *desc, *tile;
    uint8_t base, overlap, mode, animate, freezes;
    uint32_t drawvalue, nature;
};

// The land, building and furniture rows; the water rows are made by vesitile.
const TerrainRow land_rows[] = {
    {3, 3, 1098, "Lichenous pine forest", "ter-lichpine", 250, 100, 0, 2, 0, 0, 0x40001},
    {4, 4, 2060, "Fireplace", "ter-firepla", 95, 4, 2, 0, 0, 0, 0x0},
    {5, 5, 2060, "Sauna stove", "ter-saustove", 95, 4, 2, 0, 0, 0, 0x0},
    {8, 8, 70, "Rowan", "ter-rowan", 250, 8, 1, 0, 0, 0, 0x0},
    {10, 10, 78, "Birch", "ter-birch", 250, 10, 1, 2, 0, 0, 0x0},
    {12, 12, 1094, "Young spruce", "ter-yspruce", 250, 12, 1, 2, 0, 0, 0x0},
    {13, 13, 1102, "Spruce", "ter-spruce", 250, 13, 1, 2, 0, 0, 0x0},
    {15, 15, 1098, "Coniferous forest", "ter-conifore", 250, 15, 0, 2, 0, 0, 0x40008},
    {16, 14, 74, "Grove", "ter-grove", 250, 62, 0, 2, 0, 0, 0x10},
    {17, 17, 70, "Young pine", "ter-ypine", 250, 17, 1, 2, 0, 0, 0x0},
    {18, 18, 70, "Pine", "ter-pine", 250, 18, 1, 2, 0, 0, 0x0},
    {19, 19, 2050, "Sleeping bunk", "ter-bunk", 95, 77, 0, 0, 0, 0, 0x0},
    {20, 94, 12, "High cliff", "ter-hicliff", 250, 72, 0, 0, 0, 0, 0x0},
    {21, 21, 2, "pit", "ter-pit", 250, 14, 0, 0, 0, 0, 0x0},
    {22, 22, 2050, "Open door", "ter-doorop", 95, 19, 2, 0, 0, 0, 0x0},
    {23, 23, 2052, "Shutter", "ter-shutter", 250, 20, 2, 0, 0, 0, 0x0},
    {24, 24, 70, "Alder", "ter-alder", 250, 21, 1, 0, 0, 0, 0x0},
    {28, 28, 2050, "Bench", "ter-bench", 95, 5, 0, 0, 0, 0, 0x0},
    {29, 29, 2, "ant nest", "ter-antnest", 250, 0, 0, 0, 0, 0, 0x0},
    {30, 30, 10, "Camp", "ter-kotacamp", 250, 78, 0, 0, 0, 0, 0x0},
    {31, 29, 2058, "Shelter", "ter-shelter", 250, 22, 1, 0, 0, 0, 0x0},
    {32, 32, 0, "", "", 0, 74, 0, 0, 0, 64, 0x0},
    {39, 9, 12, "Big rock", "ter-boulder", 250, 9, 1, 2, 0, 0, 0x0},
    {40, 78, 2050, "Inside of a kota", "ter-gcfloor", 0, 73, 0, 0, 0, 64, 0xe000},
    {41, 41, 2050, "Framework", "ter-kotafram", 250, 41, 3, 0, 0, 0, 0x0},
    {42, 42, 516, "Fence", "ter-fence", 250, 75, 0, 0, 0, 0, 0x0},
    {43, 43, 10, "Kota doorway", "ter-kotadoor", 250, 44, 1, 0, 0, 0, 0x0},
    {44, 44, 516, "Fence gate", "ter-fenceclg", 250, 75, 0, 0, 0, 0, 0x0},
    {45, 45, 512, "Fence gate", "ter-fenceopg", 250, 75, 0, 0, 0, 0, 0x0},
    {46, 7, 2, "Road", "ter-road", 250, 7, 0, 0, 0, 0, 0xa000},
    {47, 47, 2, "Pasture", "ter-pasture", 250, 102, 0, 0, 0, 0, 0xe000},
    {58, 229, 2, "Surface of the Earth", "ter-ground", 0, 61, 0, 0, 0, 64, 0xe000},
    {60, 60, 8202, "Cave", "ter-cave", 250, 76, 0, 0, 0, 0, 0x100},
    {81, 81, 2, "Cellar", "ter-cellar", 250, 79, 0, 0, 0, 0, 0x0},
    {82, 82, 2, "Prepared soil", "ter-prepsoil", 250, 70, 0, 2, 0, 64, 0x0},
    {86, 86, 2, "Settlement", "ter-snghouse", 250, 91, 0, 0, 0, 64, 0x2010},
    {91, 91, 10, "Hill", "ter-hill", 250, 68, 0, 2, 0, 0, 0x8002},
    {93, 93, 8202, "Cliff", "ter-cliff", 250, 101, 0, 2, 0, 0, 0x10001},
    {94, 94, 8202, "Mountain", "ter-mount", 250, 3, 0, 2, 0, 0, 0x101},
    {95, 78, 2050, "Inside of a building", "ter-gcfloor", 0, 73, 0, 0, 0, 64, 0xe000},
    {96, 78, 2050, "Cave floor", "ter-gcfloor", 0, 73, 0, 0, 0, 64, 0xe000},
    {136, 136, 12, "Western wall of a kota", "ter-kotaw", 250, 24, 3, 0, 0, 0, 0x0},
    {138, 138, 12, "North-west corner of a kota", "ter-kotanwc", 250, 30, 3, 0, 0, 0, 0x0},
    {139, 139, 12, "North-east corner of a kota", "ter-kotanec", 250, 27, 3, 0, 0, 0, 0x0},
    {140, 140, 12, "South-west corner of a kota", "ter-kotaswc", 250, 29, 2, 0, 0, 0, 0x0},
    {141, 141, 12, "South-east corner of a kota", "ter-kotasec", 250, 28, 2, 0, 0, 0, 0x0},
    {142, 142, 12, "Northern wall of a kota", "ter-kotan", 250, 25, 3, 0, 0, 0, 0x0},
    {143, 143, 12, "Southern wall of a kota", "ter-kotas", 250, 26, 2, 0, 0, 0, 0x0},
    {144, 144, 12, "Eastern wall of a kota", "ter-kotae", 250, 23, 3, 0, 0, 0, 0x0},
    {188, 188, 2060, "Eastern wall", "ter-walle", 250, 31, 0, 0, 0, 64, 0x0},
    {191, 191, 2060, "North-east corner", "ter-wallnec", 250, 35, 1, 0, 0, 0, 0x0},
    {192, 192, 2060, "South-west corner", "ter-wallswc", 250, 37, 1, 0, 0, 0, 0x0},
    {196, 196, 2060, "Northern wall", "ter-walln", 95, 33, 2, 0, 0, 0, 0x0},
    {200, 200, 2060, "Western wall", "ter-wallw", 250, 32, 0, 0, 0, 64, 0x0},
    {208, 208, 2060, "Southern wall", "ter-walls", 250, 34, 2, 0, 0, 0, 0x0},
    {210, 210, 2, "Fortified village", "ter-fortvill", 250, 103, 0, 0, 0, 0, 0x2000},
    {211, 211, 2, "Settlement", "ter-snghouse", 250, 91, 0, 0, 0, 64, 0x2010},
    {217, 217, 2060, "South-east corner", "ter-wallsec", 250, 36, 1, 0, 0, 0, 0x0},
    {218, 218, 2060, "North-west corner", "ter-wallnwc", 250, 38, 2, 0, 0, 0, 0x0},
    {228, 228, 74, "Thicket", "ter-thicket", 250, 63, 0, 2, 0, 0, 0x10},
    {233, 233, 258, "Open mire", "ter-openmire", 250, 66, 0, 2, 0, 0, 0x1000},
    {235, 235, 1098, "Spruce mire", "ter-sprmire", 250, 64, 2, 2, 0, 0, 0x40400},
    {236, 236, 258, "Pine mire", "ter-pinemire", 250, 65, 0, 2, 0, 0, 0x800},
    {237, 237, 2, "Bushes", "ter-bushes", 250, 67, 0, 2, 0, 0, 0x8008},
    {238, 238, 74, "Heathland", "ter-heath", 250, 2, 0, 2, 0, 0, 0x40004},
    {239, 239, 2, "Village", "ter-village", 250, 1, 0, 0, 0, 0, 0x2000},
    {240, 240, 2048, "Table", "ter-table", 95, 6, 0, 0, 0, 0, 0x0},
    {251, 230, 2, "Field", "ter-field", 250, 80, 0, 0, 0, 0, 0x2040},
    {254, 0, 2060, "Door", "ter-doorcl", 95, 71, 2, 0, 0, 0, 0x0},
};

const TerrainRow ground_row = {250, 229, 2, "Ground", "ter-ground", 0, 61, 0, 0, 0, 64, 0xe000};

// A door rule: when the neighbour on that side holds one of `chars`, the door is drawn in `variant`
// with `base` beneath it.
struct DoorRule {
    uint8_t c, side;
    const char *chars;
    uint8_t variant, base;
};

const DoorRule door_rules[] = {
    {22, SIDE_BELOW, "\xbc\xd9", 1, 0},
    {22, SIDE_BELOW, "\xc8\xc0", 2, 250},
    {22, SIDE_BELOW, "\x5f\x04\x1c\x13\xf0", 3, 250},
    {22, SIDE_ABOVE, "\xbf", 1, 250},
    {22, SIDE_RIGHT, "\x5f\x13\x1c\xf0\x04", 2, 250},
    {22, SIDE_LEFT, "\x5f\x04\x1c\x13\xf0", 1, 250},
    {22, SIDE_LEFT, "\xc4\xbf", 3, 250},

    {23, SIDE_BELOW, "\xbc\xd9", 1, 250},
    {23, SIDE_BELOW, "\xc8\xc0", 2, 250},
    {23, SIDE_BELOW, "\x5f\x13\x04\x1c\xf0", 3, 95},
    {23, SIDE_ABOVE, "\xbc\xbf", 1, 0},
    {23, SIDE_ABOVE, "\xc8\xda", 2, 250},
    {23, SIDE_RIGHT, "\x5f\x13\x1c\xf0\x04", 2, 250},
    {23, SIDE_LEFT, "\xc4\xda", 3, 250},
    {23, SIDE_LEFT, "\xc4\xda", 1, 250},
    {23, SIDE_LEFT, "\x5f\x13\x1c\xf0\x04", 1, 250},

    {254, SIDE_BELOW, "\xbc\xd9", 1, 250},
    {254, SIDE_BELOW, "\xc8\xc0", 2, 250},
    {254, SIDE_BELOW, "\x5f\x04\x1c\x13\xf0", 3, 0},
    {254, SIDE_ABOVE, "\xbf", 1, 250},
    {254, SIDE_RIGHT, "\x5f\x13\x1c\xf0\x04", 2, 250},
    {254, SIDE_LEFT, "\xc4\xda", 3, 95},
    {254, SIDE_LEFT, "\x5f\x04\x13\x1c\x13", 1, 250},
};

void put_row(const TerrainRow &r) {
    TerrainStruct &t = terrain[r.c];
    t.glyph = r.glyph;
    t.flags = r.flags;
    copy_bounded(t.description, sizeof t.description, r.desc);
    copy_bounded(t.tilename, sizeof t.tilename, r.tile);
    t.base = r.base;
    t.overlap = r.overlap;
    t.overlap_mode = r.mode;
    t.animate = r.animate;
    t.freezes = r.freezes;
    t.draw_value = r.drawvalue;
    t.nature = r.nature;
}

void put_door_rules() {
    int next[256][4] = {};
    for (const DoorRule &d : door_rules) {
        int n = next[d.c][d.side]++;
        TerrainSide &s = terrain[d.c].sides[d.side];
        memset(s.sets[n], 0, sizeof s.sets[n]);
        memcpy(s.sets[n], d.chars, strlen(d.chars));
        s.variant[n] = d.variant;
        s.base[n] = d.base;
    }
}

}  // namespace

void vesitile(int c, int overlap) {
    if ((unsigned)c > 255) return;
    TerrainStruct &t = terrain[c];
    t.flags = TF_SWIM | TF_BLOCKS | TF_WATER | (FISH ? TF_FISH : 0);
    copy_bounded(t.description, sizeof t.description, "Water");
    t.animate = 1;
    t.overlap = (uint8_t)overlap;
    t.draw_value = 64;
    t.base = 0;
    t.freezes = 1;
}

// The named colours the seasons tint the ground tiles with.
static const UiColour TINT_WHITE = {255, 255, 255, 255}, TINT_BROWN = {171, 87, 0, 255},
                      TINT_RED = {168, 0, 0, 255}, TINT_DARKGRAY = {87, 87, 87, 255},
                      TINT_LIGHTGRAY = {171, 171, 171, 255}, TINT_YELLOW = {252, 252, 84, 255};

static UiColour with_alpha(UiColour c, int alpha) {
    c.a = (uint8_t)alpha;
    return c;
}

void TileSavytys_Maaruska(int month, int day, UiColour *a, UiColour *b) {
    UiColour A = {255, 255, 255, 255}, B = {255, 255, 255, 255};
    switch (month) {
    case 1: A = with_alpha(TINT_WHITE, day - 38); B = with_alpha(TINT_LIGHTGRAY, 96 - day); break;
    case 2: A = with_alpha(TINT_DARKGRAY, 2 * (109 - day)); B = with_alpha(TINT_WHITE, 2 * (109 - day)); break;
    case 3: A = with_alpha(TINT_DARKGRAY, 2 * (98 - day)); B = with_alpha(TINT_WHITE, 128 - 3 * day); break;
    case 4:
    case 5: A = with_alpha(TINT_BROWN, 32 - day); break;
    case 6: A = with_alpha(TINT_YELLOW, 32 - day); B = with_alpha(TINT_RED, day / 2); break;
    case 7: A = with_alpha(TINT_RED, 2 * day + 20); B = with_alpha(TINT_BROWN, day / 2); break;
    case 8: A = with_alpha(TINT_RED, 96 - day); B = with_alpha(TINT_BROWN, day + 32); break;
    case 9: A = with_alpha(TINT_RED, 96); B = with_alpha(TINT_DARKGRAY, 2 * day + 64); break;
    case 10: A = with_alpha(TINT_DARKGRAY, 2 * day - 96); B = with_alpha(TINT_RED, 2 * (32 - day)); break;
    case 11: A = with_alpha(TINT_DARKGRAY, 218 - day); B = with_alpha(TINT_WHITE, 4 * day + 32); break;
    case 12: A = with_alpha(TINT_WHITE, day - 38); B = with_alpha(TINT_LIGHTGRAY, 128 - day); break;
    default: break;
    }
    if (a) *a = A;
    if (b) *b = B;
}

static void write_tile_list() {
    FILE *f = fopen("debug_ter-tiles.txt", "w");
    if (!f) return;
    for (int c = 0; c < 256; c++) {
        const TerrainStruct &t = terrain[c];
        if (!t.description[0] && !t.overlap) continue;
        if (!t.tilename[0]) fputs("**** ERROR, no ter-tile: ", f);
        fprintf(f, "#%d - %s -- truetile/%s\n", c, t.description, t.tilename);
    }
    fclose(f);
}

void init_terrain_struct(int, int) {
    const int month = Plr.month, day = Plr.day;

    // Descriptions and the chars of the door rules survive: every build writes the same rows again.
    for (int c = 0; c < 256; c++) {
        TerrainStruct &t = terrain[c];
        t.glyph = c < 245 ? (uint8_t)c : 0;
        t.flags = 0;
        t.animate = t.overlap = t.overlap_mode = t.freezes = 0;
        t.tilename[0] = 0;
        t.draw_value = 0;
        t.nature = 0;
        for (TerrainSide &s : t.sides) {
            memset(s.variant, 0, sizeof s.variant);
            memset(s.base, 0, sizeof s.base);
        }
        t.base = 250;
    }

    put_row(ground_row);
    if (month >= 1 && month <= 12) {
        UiColour a, b;
        TileSavytys_Maaruska(month, day, &a, &b);
        ui_tint_tile("ter-ground", a, b);
        ui_tint_tile("ter-road", a, b);
    }

    FISH = 1;
    struct { int c, overlap; const char *desc, *tile; uint32_t extra, nature; int freezes; } fish_rows[] = {
        {CH_FORD, 55, "Ford", "ter-ford", 0, 0x20000, 1},
        {CH_RIVER, 54, "River", "ter-river", TF_FLOWING, 0x20000, 1},
        {CH_RAPIDS, 53, "Rapids", "ter-rapids", TF_FLOWING | TF_RAPIDS, 0, 0},
        {CH_WADE_WATER, 40, nullptr, "ter-water", 0, 0x20, 1},
        {CH_DEEP_WATER, 94, nullptr, "ter-dpwater", 0, 0x20, 1},
        {CH_SHALLOW_WATER, 95, nullptr, "ter-shwater", 0, 0x20, 1},
    };
    for (const auto &w : fish_rows) {
        vesitile(w.c, w.overlap);
        TerrainStruct &t = terrain[w.c];
        if (w.desc) copy_bounded(t.description, sizeof t.description, w.desc);
        copy_bounded(t.tilename, sizeof t.tilename, w.tile);
        t.flags += w.extra;
        t.freezes = (uint8_t)w.freezes;
        if (w.nature) t.nature = w.nature;
    }
    TerrainStruct &sea = terrain[CH_SEA];
    sea.glyph = CH_SEA;
    sea.flags = TF_SWIM | TF_FISH | TF_BLOCKS | TF_WATER;
    copy_bounded(sea.description, sizeof sea.description, "Sea");
    sea.animate = 1;
    sea.overlap = 92;
    copy_bounded(sea.tilename, sizeof sea.tilename, "ter-sea");
    sea.draw_value = 64;
    sea.base = 0;
    sea.nature = 0x80000;
    terrain[CH_SHALLOW_SEA] = sea;
    terrain[CH_SHALLOW_SEA].overlap = 93;
    terrain[CH_SHALLOW_SEA].freezes = 1;
    copy_bounded(terrain[CH_SHALLOW_SEA].tilename, sizeof sea.tilename, "ter-shsea");
    FISH = 0;
    vesitile(244, 39);
    copy_bounded(terrain[244].tilename, sizeof sea.tilename, "ter-water");
    terrain[244].nature = 0x20;

    for (const TerrainRow &r : land_rows) {
        if (r.c == 40 || r.c == 58 || r.c == 95) terrain[r.c] = terrain[CH_GROUND];
        if (r.c == 96) terrain[96] = terrain[95];
        put_row(r);
    }
    terrain[16].glyph = PLRSEASON() == 4 ? 16 : 14;
    put_door_rules();

    if (!NEWGFX && (month < 5 || month > 10))
        for (int c = 0; c < 250; c++)
            if (terrain[c].freezes == 1) terrain[c].animate = 0;

    write_tile_list();
}

int terrain_flag(int c, uint32_t mask) {
    if ((unsigned)c > 255) return 0;
    if (mask == TF_BLOCKS_SIGHT && ALL_SEE == 1) return 0;
    return (terrain[c].flags & mask) != 0;
}

char *terrain_desc(int c) {
    static char buf[100];
    memset(buf, 0, sizeof buf);
    if ((unsigned)c <= 255) copy_bounded(buf, sizeof buf, terrain[c].description);
    return buf;
}

void set_terrain_desc(int c, const char *text) {
    if ((unsigned)c > 255 || !text) return;
    copy_bounded(terrain[c].description, sizeof terrain[c].description, text);
}

int terrain_animate(int c) { return (unsigned)c <= 255 ? terrain[c].animate : 0; }
int terrain_overlap(int c) { return (unsigned)c <= 255 ? terrain[c].overlap : 0; }
int terrain_overlap_tapa(int c) { return (unsigned)c <= 255 ? terrain[c].overlap_mode : 0; }
int terrain_jaatyy(int c) { return (unsigned)c <= 255 ? terrain[c].freezes : 0; }
const char *terrain_tilename(int c) { return (unsigned)c <= 255 ? terrain[c].tilename : ""; }
int luontotyyppi(int c) { return (unsigned)c <= 255 ? (int)terrain[c].nature : 0; }

uint32_t AsetaLuontotyyppivaikutus(uint32_t, const char *text) {
    static const struct { const char *word; uint32_t bit; } words[] = {
        {"barren", 0x1}, {"fresh", 0x8}, {"grove", 0x10}, {"lake", 0x20}, {"field", 0x40},
        {"pond", 0x80}, {"mountain", 0x100}, {"wetland", 0x200}, {"spruce_mire", 0x400},
        {"pine_mire", 0x800}, {"open_mire", 0x1000}, {"settlement", 0x2000}, {"meadow", 0x4000},
        {"clearing", 0x8000}, {"cliff", 0x10000}, {"river", 0x20000}, {"coniferous", 0x40000},
        {"sea", 0x80000},
    };
    if (!text) return 0;
    uint32_t bits = 0;
    for (const auto &w : words)
        if (strstr(text, w.word)) bits |= w.bit;
    if (strstr(text, "dryish")) bits |= 0x2;
    else if (strstr(text, "dry")) bits |= 0x4;
    return bits;
}

int onkoseina(int c) {
    switch (c) {
    case 22: TILA_avoin_ovi++; return 1;
    case 20: case 23: case 188: case 191: case 192: case 196: case 200: case 208: case 217: case 218: case 254:
        return 1;
    default: return 0;
    }
}

int onkokatto(int x, int y) { return terrain_flag(get_mapchar(x, y), TF_ROOFED); }
int onkotulisija(int c) { return c == 4 || c == 5; }
int Onko_Suotile(int x, int y) { return terrain_flag(get_mapchar(x, y), TF_MIRE); }
