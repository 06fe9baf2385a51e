// src/worldgen/scenes.h -- the parts of a cave cell's cave and of the set scenes that are worth
// calling on their own: one chamber, the tunnel out, and what the cave holds. `DoCave` and the
// scenes themselves are declared with the rest of the generator in worldgen/localgen.h.
#pragma once

enum {
    CAVE_TEMPLATES = 4,
    CH_CAVE_WALL = 20,             // high cliff
    CH_CAVE_FLOOR = 96,
    CH_CAVE_MOUTH = 58,            // surface of the earth: the way out of a cave
    CH_PIT = 21,
    CH_FENCE = 42,
    SCENE_TRAP_PIT = 396,          // the construction a scene's pits are set as
};

// Draws chamber template t (0..3) with its top-left corner at column x, row y of `Zoom`: its walls
// become high cliff except where cave floor lies already, its floor becomes cave floor. Squares
// off the map are skipped.
void cave_chamber(int t, int x, int y);
// Walks row 30 from the tunnel's start column (48 for side 1, 24 for the others) east for side 1,
// west otherwise, turning high cliff into cave floor, until ground or hills or the map's edge; the
// last square before the stop becomes the way out. Answers the way out's column.
int cave_tunnel(int side);
// One creature (1 in 3) or up to three items on cave floor anywhere on the map, never both.
void cave_contents();
