// src/worldgen/builders.cpp -- houses, storehouses, saunas, shops, kotas, pens, wells, lean-tos, bush
// patches and palisades of a settlement map, drawn into the stamp grid and pressed onto `Zoom`.
#include "worldgen/builders.h"

#include <cstdio>
#include <cstring>

#include "items/containers.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "items/items.h"
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

uint8_t area[AREA_SIDE * AREA_SIDE];
int Talojen_Maara, Aitausten_Maara, Kyla_Kulttuuri, ErakonTalo, MiesLkm, NaisLkm;

//                                      kau      dri      kie      ree      sar      isl      koi
const uint8_t kulttuurielaimet[14][3] = {{3, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {3, 2, 3}, {1, 2, 3},
                                         // kui   owl        sea        vag        nje        for        woo
                                         {5, 5, 5}, {5, 5, 5}, {5, 5, 5}, {4, 4, 4}, {1, 2, 3}, {4, 2, 3}, {0, 0, 0}};
const uint8_t kulttuurielaimet2[14] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
const uint8_t puskamerkki[3][10] = {{39, 250, 39, 18, 18, 18, 18, 250, 46, 18},
                                    {39, 10, 10, 250, 18, 250, 46, 10, 8, 8},
                                    {46, 250, 46, 10, 8, 18, 39, 250, 46, 8}};

enum : uint8_t {
    C_NW = 218, C_N = 196, C_NE = 191, C_W = 200, C_E = 188, C_SW = 192, C_S = 208, C_SE = 217,
    C_INSIDE = 95, C_DOOR = 254, C_WINDOW = 23, C_FIREPLACE = 4, C_BUNK = 19, C_BENCH = 28, C_TABLE = 240,
    C_STOVE = 5, C_ROAD = 46, C_FENCE = 42, C_ROCK = 39, C_SHELTER = 31, C_WELL = 247, C_ROWAN = 8,
    C_BIRCH = 10, C_SPRUCE = 12, C_PINE = 18, C_GROUND = 250,
    // the parts of a hut (kota)
    KOTA_INSIDE = 40, KOTA_FRAME = 41, KOTA_DOOR = 43, KOTA_NW = 138, KOTA_NE = 139, KOTA_SW = 140,
    KOTA_SE = 141, KOTA_W = 136, KOTA_E = 144, KOTA_N = 142, KOTA_S = 143, KOTA_BEFORE_DOOR = 255,
};

int pen_species(int kind) {
    static const int species[6] = {0, 609, 615, 616, 618, 619};
    return kind >= 0 && kind < 6 ? species[kind] : 0;
}

void clear_area() { memset(area, 0, sizeof area); }

static void put(int row, int col, uint8_t c) {
    if (row >= 0 && row < AREA_SIDE && col >= 0 && col < AREA_SIDE) area[row * AREA_SIDE + col] = c;
}
static uint8_t at(int row, int col) {
    return row >= 0 && row < AREA_SIDE && col >= 0 && col < AREA_SIDE ? area[row * AREA_SIDE + col] : 0;
}
static bool on_map(int x, int y) { return x >= 0 && y >= 0 && x < ZOOM_SIDE && y < ZOOM_SIDE; }

int aseta_alue(int x, int y, char mode) {
    if (mode == 2) {
        int first_height = -1;
        for (int r = 0; r < AREA_SIDE; r++)
            for (int c = 0; c < AREA_SIDE; c++) {
                const int mx = x + c, my = y + r;
                if (!on_map(mx, my)) {
                    if (at(r, c)) return 1;
                    continue;
                }
                const int h = Zoom.height[my * ZOOM_SIDE + mx];
                if (h < 7) return 1;
                if (!at(r, c)) continue;
                if (Zoom.chars[my * ZOOM_SIDE + mx] != C_GROUND) return 1;
                if (first_height < 0) first_height = h;
                else if (h != first_height) return 1;
            }
    }
    for (int r = 0; r < AREA_SIDE; r++)
        for (int c = 0; c < AREA_SIDE; c++) {
            const int mx = x + c, my = y + r;
            if (!at(r, c) || !on_map(mx, my)) continue;
            uint8_t &square = Zoom.chars[my * ZOOM_SIDE + mx];
            if (mode == 1 && square != C_GROUND) continue;
            square = at(r, c);
        }
    return 0;
}

static int held(int v) { return v < 3 ? 3 : v > 61 ? 61 : v; }

ZoomPos aseta_alue_siirtaen(int x, int y) {
    if (aseta_alue(x, y, 2) == 0) return {x, y};
    for (int tries = 0; tries < 1000; tries++) {
        const int tx = held(x - 6 + random(13));
        const int ty = held(y - 6 + random(13));
        if (aseta_alue(tx, ty, 2) == 0) return {tx, ty};
    }
    return {0, 0};
}

ZoomPos DekoRandom() {
    ZoomPos p;
    p.x = random(45);
    p.y = random(6);
    if (random(100) > 50) p.y += 40;
    if (p.x < 5 || p.x > 40) p.y = random(45);
    return p;
}

// A record on the map; the village's own goods always take a new one. Its index, or below 0 when the
// map holds no free record.
static int add_record(int x, int y, int type, uint32_t id, int count, int owner) {
    if (owner == SOC_OWNER) return aseta_socowned_zoomdata(x, y, type, id, (uint16_t)count);
    return aseta_data(x, y, type, id, (uint16_t)count);
}

static void creatures_at(int x, int y, int species, int count) {
    for (int i = 0; i < count; i++)
        if (add_record(x, y, DT_CREATURE, (uint32_t)species, 1, 0) < 0) return;
}

// The frame of a rectangular building: rows 0..bottom, columns 0..right.
static void frame(int bottom, int right) {
    for (int r = 0; r <= bottom; r++)
        for (int c = 0; c <= right; c++) {
            uint8_t ch = C_INSIDE;
            if (r == 0) ch = c == 0 ? C_NW : c == right ? C_NE : C_N;
            else if (r == bottom) ch = c == 0 ? C_SW : c == right ? C_SE : C_S;
            else if (c == 0) ch = C_W;
            else if (c == right) ch = C_E;
            put(r, c, ch);
        }
}
static void door(int bottom, int col) {
    put(bottom, col, C_DOOR);
    put(bottom + 1, col, C_ROAD);
}

void TeeTalo(int x, int y, char maxk) {
    Talojen_Maara++;
    clear_area();
    const int w = random(maxk) + 3, h = random(maxk) + 3;
    frame(h + 1, w);
    const int door_col = 1 + random(w - 2);
    door(h + 1, door_col);
    const int f = random(w - 2);
    put(1, f + 2, C_FIREPLACE);
    put(1, at(1, f + 3) == C_INSIDE ? f + 3 : f + 1, C_BUNK);
    if (h < 4) {
        put(2, f + 2, C_BENCH);
        if (random(100) > 60) put(2, at(2, f + 3) == C_INSIDE ? f + 3 : f + 1, C_TABLE);
    }
    if (w > 3) {
        int c;
        do c = random(w - 2) + 2;
        while (c == door_col);
        put(h + 1, c, C_WINDOW);
    }
    put(random(h - 2) + 1, 0, C_WINDOW);
    if (h > 3) {
        const int r = random(h - 3);
        put(r + 2, w, C_WINDOW);
        put(r + 2, w - 1, C_TABLE);
        if (w > 3) put(r + 2, w - 2, C_BENCH);
    }
    if (maxk > 2) put(random(h - 2) + 2, 1, C_BUNK);
    const ZoomPos p = aseta_alue_siirtaen(x, y);
    if (p.x || p.y) AsutaTalo(p.x, p.y);
}

ZoomPos TeeAitta(int x, int y, int size) {
    clear_area();
    const int r = random(size) + 2;
    frame(3, r);
    door(3, random(r - 2) + 1);
    return aseta_alue_siirtaen(x, y);
}

void TeeSauna(int x, int y, int size) {
    clear_area();
    const int r = random(size) + 3;
    frame(3, r);
    door(3, random(r - 1) + 1);
    const int s = random(r - 1) + 1;
    put(1, s, C_STOVE);
    put(2, s, C_BENCH);
    const ZoomPos p = aseta_alue_siirtaen(x, y);
    if (!p.x && !p.y) return;
    const int tub = object("WOODEN TUB", 1);
    if (tub <= 0) return;
    const int filled = Sailioi(0, tub, OID_WATER, 0);
    add_record(p.x + 1, p.y + 2, DT_ITEM, (uint32_t)(filled > 0 ? filled : tub), 1, SOC_OWNER);
}

void TeeKauppa(int x, int y) {
    clear_area();
    const int r = random(3) + 3;
    frame(3, r);
    door(3, random(r - 2) + 2);
    if (random(100) > 30) put(1, 0, C_WINDOW);
    if (random(100) > 75) put(1, random(r - 2) + 1, C_BENCH);
    const ZoomPos p = aseta_alue_siirtaen(x, y);
    if (p.x || p.y) creatures_at(p.x + 1, p.y + 1, 580, 1);
}

ZoomPos TeeKota(int x, int y, char size) {
    clear_area();
    const int s = size + 1;
    for (int r = 0; r < s; r++)
        for (int c = 0; c < s; c++) put(r, c, KOTA_INSIDE);
    put(s / 2, s / 2, KOTA_FRAME);
    put(0, 0, KOTA_NW);
    if (s == 1) {
        put(1, 0, KOTA_SW);
        put(1, 1, KOTA_SE);
        put(0, 1, KOTA_NE);
        put(1, 2, KOTA_DOOR);
        put(1, 3, KOTA_BEFORE_DOOR);
    } else {
        for (int i = 1; i < s; i++) {
            put(i, 0, KOTA_W);
            put(s, i, KOTA_S);
            put(0, i, KOTA_N);
            if (s > 2) put(i, s, KOTA_E);
        }
        put(s, 0, KOTA_SW);
        put(s, s, KOTA_SE);
        put(0, s, KOTA_NE);
        if (s == 2 || s == 3) {   // on the right side, in place of the eastern wall
            put(s - 1, s, KOTA_DOOR);
            put(s - 1, s + 1, KOTA_BEFORE_DOOR);
        } else if (s == 4) {
            put(4, 2, KOTA_DOOR);
            put(5, 2, KOTA_BEFORE_DOOR);
        }
    }
    const ZoomPos p = aseta_alue_siirtaen(x, y);
    if (!p.x && !p.y) return p;
    if (s == 4) {
        // Cold remains of today: the area's clean-up reads their count as the day they were left.
        if (random(2)) add_record(p.x + 2, p.y + 2, DT_FIRE_REMAINS, 0, (int)Plr.daynumber, 0);
        else add_record(p.x + 2, p.y + 2, DT_FIRE, 0, 255, 0);
    }
    if (s >= 3) {
        // The household stands two squares on from where it settles: in the smallest kota that is its
        // south-east corner wall, so they settle a step back, inside by the doorway.
        const int back = s == 3 ? 1 : 0;
        AsutaTalo(p.x + 1 - back, p.y + 1 - back);
        Talojen_Maara++;
    }
    return p;
}

void TeeAitaus(int x, int y, char maxk) {
    Aitausten_Maara++;
    char line[64];
    snprintf(line, sizeof line, "TeeAitaus %d,%d maxk %d", x, y, (int)maxk);
    debuglog("terrain_make", line);
    clear_area();
    const int h = random(maxk), w = random(maxk);
    for (int c = 0; c <= w + 4; c++) {
        put(0, c, C_FENCE);
        put(h + 3, c, C_FENCE);
    }
    for (int r = 0; r <= h + 3; r++) {
        put(r, 0, C_FENCE);
        put(r, w + 4, C_FENCE);
    }
    const int g = random(w + 3);
    put(h + 2, g + 1, C_ROAD);
    put(h + 4, g + 1, C_ROAD);
    const int culture = Kyla_Kulttuuri;
    if (culture < 0 || culture > 13 || kulttuurielaimet[culture][random(3)] == 0) return;
    int kind, count;
    if (Aitausten_Maara == 2) {
        kind = kulttuurielaimet2[culture];
        count = 2 + random(3);
    } else {
        kind = kulttuurielaimet[culture][random(3)];
        count = random(maxk) + 1 + maxk / 2;
    }
    if (kind == 4) {
        creatures_at(x + 2, y + 2, pen_species(kind), count);
        return;
    }
    if (aseta_alue(x, y, 2) == 0) creatures_at(x + 2, y + 2, pen_species(kind), count);
}

// One placement on a random cell of the grid's top-left 5 x 5 when random(100) is above the chance.
static void deco(uint8_t ch, int chance) {
    if (random(100) <= chance) return;
    const int r = random(5);
    put(r, random(5), ch);
}

void TeeKaivo() {
    clear_area();
    const ZoomPos p = DekoRandom();
    static const uint8_t chars[] = {C_ROCK, C_ROCK, C_ROCK, C_ROWAN, C_ROWAN, C_BIRCH, C_BIRCH, C_ROWAN,
                                    C_ROAD, C_ROAD, C_ROAD};
    static const int chances[] = {50, 60, 60, 30, 30, 30, 40, 60, 30, 30, 30};
    for (size_t i = 0; i < sizeof chars; i++) deco(chars[i], chances[i]);
    put(2, 2, C_WELL);
    aseta_alue(p.x, p.y, 1);
}

void TeeLaavu() {
    clear_area();
    const ZoomPos p = DekoRandom();
    static const uint8_t chars[] = {C_ROCK, C_ROCK, C_PINE, C_PINE, C_SPRUCE, C_BIRCH, C_BIRCH, C_ROWAN,
                                    C_ROAD, C_ROAD, C_ROAD};
    for (uint8_t ch : chars) deco(ch, 30);
    put(2, 2, C_SHELTER);
    aseta_alue(p.x, p.y, 1);
}

void TeePusikko(uint8_t style) {
    clear_area();
    const ZoomPos p = DekoRandom();
    const uint8_t *marks = puskamerkki[style < 3 ? style : 0];
    for (int n = 0; n < random(50); n++) {
        const uint8_t mark = marks[random(10)];
        if (random(100) > 20) {
            const int r = random(AREA_SIDE);
            put(r, random(AREA_SIDE), mark);
        }
    }
    aseta_alue(p.x, p.y, 1);
}

void TeePusikkoa(uint8_t style) {
    const int x = random(ZOOM_SIDE), y = random(ZOOM_SIDE);
    uint8_t &square = Zoom.chars[y * ZOOM_SIDE + x];
    if (square == C_GROUND) square = puskamerkki[style < 3 ? style : 0][random(10)];
}

void linnoita(int kind) {
    const uint8_t wall = kind == 1 ? C_ROCK : C_FENCE;
    auto set = [](int x, int y, uint8_t c) { Zoom.chars[y * ZOOM_SIDE + x] = c; };
    for (int i = 2; i <= 61; i++) {
        set(2, i, wall);
        set(61, i, wall);
        set(i, 2, wall);
        set(i, 61, wall);
    }
    for (int i = 1; i <= 3; i++) {
        if (kind == 1) set(60 + i, 32, C_ROAD);
        else set(32, i, C_ROAD);
    }
}
