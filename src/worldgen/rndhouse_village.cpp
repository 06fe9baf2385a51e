// src/worldgen/rndhouse_village.cpp -- settlements laid out on a local map. They stand in until the
// settlement layouts land: every settlement is one small house, so that storing it never counts the
// village as abandoned, and no people are placed.
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

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

void TeeLeiri(int) { small_house(30, 30); }
void TeeUudistalo(int) { small_house(30, 30); }
void TeeLinnaKyla(int) { small_house(30, 30); }
void TeeKyla(int) { small_house(30, 30); }
// Until settling inhabitants lands nobody is placed, so no settlement can be found deserted.
int settlement_people_placed(int, int) { return 0; }
