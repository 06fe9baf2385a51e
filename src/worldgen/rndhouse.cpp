// Stands in until the local-map generator lands: a plain local map of the world cell's terrain,
// with one small house on a settlement so that storing it never counts the village as abandoned.
#include <cstring>

#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/worldgen.h"

static int local_char(int world_char) {
    switch (world_char) {
    case 30: case 86: case 210: case 211: case 239: case CH_BLANK: return CH_GROUND;
    default: return world_char;
    }
}

static void small_house(int x0, int y0) {
    auto put = [](int x, int y, int c) { Zoom.chars[y * ZOOM_SIDE + x] = (uint8_t)c; };
    for (int i = 1; i < 4; i++) {
        put(x0 + i, y0, 196);
        put(x0 + i, y0 + 4, 208);
        put(x0, y0 + i, 200);
        put(x0 + 4, y0 + i, 188);
        for (int j = 1; j < 4; j++) put(x0 + i, y0 + j, 95);
    }
    put(x0, y0, 218);
    put(x0 + 4, y0, 191);
    put(x0, y0 + 4, 192);
    put(x0 + 4, y0 + 4, 217);
    put(x0 + 2, y0 + 4, 254);
}

int rndhouse_main(int x, int y, int) {
    ZoomMap_Clear();
    // The heights of the area around the player were made by surroundings() just before.
    const int cx = bigmap() ? PlayerX : (int)Plr.world_x;
    const int cy = bigmap() ? PlayerY : (int)Plr.world_y;
    Aseta_TERRAIN_Korkeus_Relmap(x - cx, y - cy);
    const int world = get_alltime_maailmachar(x, y);
    memset(Zoom.chars, local_char(world), sizeof Zoom.chars);
    if (local_char(world) != world && world != CH_BLANK) small_house(30, 30);
    save_zoommap(x, y, 0);
    return 0;
}
