// The world-generation screen's state and colours, and its progress as the rules report it; the
// screen itself (the world drawn as it is made, panning and zooming, the culture view and its
// legend, drawing another start or another world, and entering it) is src/screens/worldmap.cpp.
#include "core/culture.h"
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "maps/mapunit.h"
#include "base/ui.h"

uint32_t WORLDGEN_SEED;
int WORLDGEN_SCREEN;
int zoom = 4, superzoom, maski, legenda = 1, plrx, plry;

// ---- colours -----------------------------------------------------------------------------------
struct TerrainColour {
    uint8_t code, r, g, b;
};
static const TerrainColour terrain_colours[] = {
    {3, 0, 60, 0},    {15, 0, 40, 0},   {16, 60, 60, 60},  {94, 60, 60, 60},  {46, 8, 8, 8},
    {47, 60, 60, 32}, {60, 16, 16, 16}, {91, 50, 50, 50},  {93, 32, 32, 32},  {176, 45, 45, 60},
    {177, 55, 55, 60}, {178, 30, 30, 60}, {180, 2, 5, 50},  {181, 2, 10, 60}, {182, 2, 2, 54},
    {183, 2, 2, 62},  {210, 63, 0, 63}, {211, 63, 0, 32},  {228, 0, 32, 0},   {235, 0, 32, 0},
    {233, 0, 10, 0},  {236, 0, 20, 0},  {237, 32, 0, 0},   {238, 0, 50, 0},   {239, 63, 0, 0},
    {247, 2, 2, 60},  {250, 0, 0, 50},  {251, 63, 63, 32},
};

int karttamerkki_rgb(int code, int mask, uint8_t rgb[3]) {
    if (mask & 1) {
        switch (code) {
        case 47: case 210: case 211: case 239: case 250: case 251: break;
        default: return 0;
        }
    }
    if ((mask & 16) && (code == 180 || code == 181)) return 0;
    for (const TerrainColour &t : terrain_colours)
        if (t.code == code) {
            rgb[0] = (uint8_t)(t.r * 4);
            rgb[1] = (uint8_t)(t.g * 4);
            rgb[2] = (uint8_t)(t.b * 4);
            return 1;
        }
    return 0;
}

int kulttuuri_rgb(unsigned char code, uint8_t rgb[3]) {
    static const uint8_t colours[12][3] = {{0, 192, 0},    {0, 168, 168},   {128, 252, 0},   {92, 120, 0},
                                           {252, 120, 0},  {0, 96, 200},    {252, 252, 84},  {171, 171, 171},
                                           {255, 255, 255}, {87, 87, 87},   {0, 0, 0},       {200, 0, 252}};
    if (code > 11 || code == 10) return 0;
    memcpy(rgb, colours[code], 3);
    return 1;
}

// ---- the screen's parts the generation asks for --------------------------------------------------

void draw_mapareaborder(int white) { ui_worldgen_border(white); }

void rndworld_screen() { ui_worldgen_frame(); }

// The progress of a generation or a save: the map as it stands and the meter below it.
void edistymisgrafiikka(const char *label) {
    if (WORLDGEN_SCREEN && ui_has_screen()) ui_worldgen_progress(label);
    edistyminen++;
}
