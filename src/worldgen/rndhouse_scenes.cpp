// src/worldgen/rndhouse_scenes.cpp -- hand-made content drawn onto a local map in `Zoom`: the cave
// of a cave cell (chambers, the tunnel out, a beast or a few things inside) and the numbered set
// scenes: a woodsman and a beast over blood, a trap fence, a shelter by a woodpile, a log-house
// building site and a burnt farm.
#include <cstring>

#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "items/items.h"
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"
#include "worldgen/culturegoods.h"
#include "worldgen/scenes.h"
#include "items/inventory.h"

enum {
    CH_HILLS = 91,
    CH_SHELTER = 31,
    CH_SHUTTER = 23,
    CH_INSIDE = 95,
    CH_WALL_E = 188, CH_CORNER_NE = 191, CH_CORNER_SW = 192, CH_WALL_N = 196,
    CH_WALL_W = 200, CH_WALL_S = 208, CH_CORNER_SE = 217, CH_CORNER_NW = 218,
    DT_SCENE_FIRE_REMAINS = DT_FIRE_REMAINS,   // 98
    DT_BLOOD = DT_COUNTED,                     // 99: a blood mark, its count the day it was shed
    NO_RECORD = -1000,
    ROLE_LEASHED = 9,
    FARM_ANIMAL_X = 32, FARM_ANIMAL_Y = 32,
    FARM_WOODSMAN_X = 33, FARM_WOODSMAN_Y = 28,
};

static int at(int x, int y) { return y * ZOOM_SIDE + x; }
static bool on_map(int x, int y) { return x >= 0 && y >= 0 && x < ZOOM_SIDE && y < ZOOM_SIDE; }


// ---- small helpers --------------------------------------------------------------------------------

// An item of the catalogue by its exact name ("*RANDOM*": any) laid on a square; nothing when the
// catalogue has no such thing.
static void put_item(int x, int y, const char *name, int count) {
    const int obj = object(name, 1);
    if (obj > 0 && count > 0) aseta_data(x, y, DT_ITEM, (uint32_t)obj, count);
}

static void set_square(int x, int y, int c) {
    if (on_map(x, y)) Zoom.chars[at(x, y)] = (uint8_t)c;
}

// A square made bare: its char set and its surface cleared.
static void bare_square(int x, int y, int c) {
    if (!on_map(x, y)) return;
    Zoom.chars[at(x, y)] = (uint8_t)c;
    Zoom.surface[at(x, y)] = 0;
}

static int player_culture() { return Plr.culture; }

// ---- caves ------------------------------------------------------------------------------------------

// The four chambers, a row each from the top: '#' wall, '.' floor, '-' leaves the square as it is.
static const char *const CHAMBERS[CAVE_TEMPLATES][10] = {
    {"-######", "##..#.##", "#...#..#", "#.....##", "###...#", "#....##", "######"},
    {"--####", "-##..#", "##...##", "#.....#", "##...##", "-##...#", "--#####"},
    {"-#####-####", "##...###..##", "#..........#", "###.......##", "--#########"},
    {"-####", "##..#", "#...#", "#..##", "#..#", "#..#", "#..##", "##..#", "-####"},
};

void cave_chamber(int t, int x, int y) {
    if (t < 0 || t >= CAVE_TEMPLATES) return;
    for (int r = 0; r < 10 && CHAMBERS[t][r]; r++)
        for (int c = 0; CHAMBERS[t][r][c]; c++) {
            if (!on_map(x + c, y + r)) continue;
            uint8_t &sq = Zoom.chars[at(x + c, y + r)];
            if (CHAMBERS[t][r][c] == '.') sq = CH_CAVE_FLOOR;
            else if (CHAMBERS[t][r][c] == '#' && sq != CH_CAVE_FLOOR) sq = CH_CAVE_WALL;
        }
}

int cave_tunnel(int side) {
    const int row = 30, step = side == 1 ? 1 : -1;
    int x = side == 1 ? 48 : 24;
    // The walk stops at the map's edge too: a mountain with no open land on the row keeps its way
    // out on the edge square.
    for (; x >= 0 && x < ZOOM_SIDE; x += step) {
        uint8_t &sq = Zoom.chars[at(x, row)];
        if (sq == CH_GROUND || sq == CH_HILLS) break;
        if (sq == CH_CAVE_WALL) sq = CH_CAVE_FLOOR;
    }
    x -= step;
    Zoom.chars[at(x, row)] = CH_CAVE_MOUTH;
    return x;
}

// What a cave holds is sought on cave floor in the upper left of the map (columns 1..47, rows
// 1..23); a cave whose floor lies wholly outside holds nothing.
void cave_contents() {
    static const int beasts[5] = {608, 605, 601, 550, 500};
    const int r = random(15);
    if (r < 5) {
        SetDataTo(CH_CAVE_FLOOR, DT_CREATURE, (uint32_t)beasts[r], 1);
        return;
    }
    const int k = random(10);
    if (k > 2) return;
    for (int i = 0; i <= k; i++) {
        const int obj = object("*RANDOM*", 1);
        if (obj > 0) SetDataTo(CH_CAVE_FLOOR, DT_ITEM, (uint32_t)obj, 1);
    }
}

void DoCave(int side) {
    const bool east = side == 1;
    const int first_col = east ? 44 : 20, later_col = east ? 39 : 15;
    const int n = random(8) + 2;
    for (int i = 0; i < n; i++) {
        int row = 27, col = first_col;
        if (i > 0) {
            row = 22 + random(10);
            col = later_col + random(10);
        }
        cave_chamber(random(CAVE_TEMPLATES), col, row);
    }
    cave_tunnel(side);
    cave_contents();
}

// ---- set scenes ---------------------------------------------------------------------------------------

// A woodsman and a beast over the blood of a kill.
void scene1() {
    const int wx = 32 - random(4), wy = 30 - random(3);   // in this order, whatever the compiler
    aseta_data(wx, wy, DT_CREATURE, SPECIES_WOODSMAN, 1);
    const uint32_t shed = Plr.daynumber + 1;
    for (int i = 0; i < 4; i++) {
        const int x = 34 + random(4), y = 30 - random(3);
        aseta_data(x, y, DT_BLOOD, 1, (int)(uint16_t)shed);   // two on one square stay one mark of that day
    }
    static const int beasts[4] = {611, 605, 602, 608};
    const int x = 32 - random(10), y = 27 - random(10);
    aseta_data(x, y, DT_CREATURE, (uint32_t)beasts[random(4)], 1);
}

// A fence of trap pits running south, stepping east now and then.
void scene2() {
    int x = 16 + random(16);
    for (int row = 16; row <= 47; row++) {
        if (row == 32 || random(10) == 5) {
            set_square(x, row, CH_PIT);
            aseta_data(x, row, DT_TRAP, SCENE_TRAP_PIT, 0);
        } else {
            set_square(x, row, CH_FENCE);
        }
        x += random(2);
    }
}

// A shelter by a woodpile.
void scene3() {
    for (int y = 26; y <= 29; y++)
        for (int x = 26; x <= 29; x++) set_square(x, y, CH_GROUND);
    set_square(28, 28, CH_SHELTER);
    put_item(26, 26, "FIREWOOD", 30);
    put_item(27, 26, "TREE TRUNK", 1);
    put_item(26, 28, "TREE TRUNK", 1);
    put_item(29, 29, "*RANDOM*", 1);
    put_item(29, 28, "*RANDOM*", 1);
}

struct SceneSquare {
    int x, y, c;
};

// A log house going up, its timber and tools lying about.
void scene5() {
    static const SceneSquare first[] = {
        {28, 21, CH_CORNER_SW}, {29, 21, CH_WALL_S}, {30, 21, CH_WALL_S}, {31, 21, CH_GROUND},
        {32, 21, CH_CORNER_SE}, {32, 20, CH_WALL_E}, {28, 20, CH_WALL_W}, {28, 19, CH_WALL_W},
        {28, 18, CH_WALL_W},    {28, 17, CH_CORNER_NW}, {29, 17, CH_WALL_N},
    };
    for (const SceneSquare &s : first) bare_square(s.x, s.y, s.c);
    bare_square(30, 16, CH_GROUND);
    put_item(30, 16, "LOG", 10 + random(10));
    bare_square(31, 16, CH_GROUND);
    put_item(31, 16, "BROAD AXE", 1);
    bare_square(32, 16, CH_GROUND);
    bare_square(32, 26, CH_GROUND);
    put_item(32, 26, "TREE TRUNK", 1);

    static const SceneSquare second[] = {
        {36, 27, CH_CORNER_NW}, {37, 27, CH_SHUTTER}, {38, 27, CH_WALL_N}, {39, 27, CH_CORNER_NE},
        {36, 28, CH_WALL_W},    {37, 28, CH_INSIDE},  {36, 29, CH_WALL_W}, {37, 29, CH_INSIDE},
        {36, 30, CH_CORNER_SW}, {37, 30, CH_WALL_S},
    };
    for (const SceneSquare &s : second) bare_square(s.x, s.y, s.c);
    struct Pile {
        int x, y;
        const char *name;
        int base, spread;          // count base + random(spread); spread 0: one
    };
    static const Pile piles[] = {
        {37, 29, "BOARD", 10, 20},        {38, 29, "SLENDER TREE TRUNK", 10, 20}, {39, 30, "LOG", 5, 10},
        {38, 31, "CARVING AXE", 1, 0},    {40, 27, "SPLITTING AXE", 1, 0},        {41, 27, "TREE TRUNK", 1, 0},
        {40, 28, "LOG", 10, 20},
    };
    for (const Pile &p : piles) {
        bare_square(p.x, p.y, CH_GROUND);
        put_item(p.x, p.y, p.name, p.base + (p.spread ? random(p.spread) : 0));
    }
}

// A farm burnt down: its animal on the player's rope, a woodsman come to look, the ground of the
// yard still smouldering.
void scene6() {
    const int culture = player_culture();
    // The creature file is the character's; without one the scene keeps to the burnt ground.
    const bool creatures = cre_file_records() >= 0;
    if (creatures) {
        Luo_Olento(KULTTUURI_kotielain(culture));
        CreatureStruct animal = Creature;
        animal.role = ROLE_LEASHED;
        animal.mode = 0;
        animal.followgap = 2;
        animal.followpace = 20;
        const int n = SaveNewRealCreature(animal);
        aseta_data(FARM_ANIMAL_X, FARM_ANIMAL_Y, DT_CREATURE, (uint32_t)n, 1);
        const int rope = object("ROPE", 1);
        if (rope > 0) {
            ItemStruct leash = ObjToItem(rope);
            set_leash_sotu(leash, (uint32_t)n);
            const int own = Esineesta_Uniikki(leash);
            if (own) Lisaa_Inventoryyn(own, 1, 0, -1);
        }
    }
    for (int y = 18; y <= 28; y++)
        for (int x = 25; x <= 35; x++)
            if (random(2) == 0) bare_square(x, y, CH_GROUND);
    for (int y = 18; y <= 28; y++)
        for (int x = 25; x <= 35; x++) {
            bare_square(x, y, CH_GROUND);
            if (random(2) == 0) {
                // Stamped as burnt out now: remains with no time of their own would be swept away as
                // stale by the clean-up of the very entry that finds the farm.
                const int r = aseta_data(x, y, DT_SCENE_FIRE_REMAINS, 600, 600);
                if (r >= 0) Zoom.data[r].ready_minute = Plr.minutes ? Plr.minutes : 1;
            }
            if (random(10) == 0) {
                const int fuel = 100 + random(200), burns = 100 + random(200);
                aseta_data(x, y, DT_FIRE, (uint32_t)fuel, burns);
            }
        }
    if (creatures) {
        CreatureStruct woodsman;
        synnyta_IHMISOLENTO(woodsman, SPECIES_WOODSMAN, culture, 0);
        const int n = SaveNewRealCreature(woodsman);
        aseta_data(FARM_WOODSMAN_X, FARM_WOODSMAN_Y, DT_CREATURE, (uint32_t)n, 1);
    }
}
