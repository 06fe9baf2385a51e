// src/presentation/show_layout.cpp -- the panel rectangles of the 800 x 600 screen and the map view's
// geometry with its zoom.
#include "presentation/show.h"
#include "presentation/show_int.h"

#include "presentation/mapborder.h"

#include <cstring>

GuiBlock headingGui, wholemapGui, noteboxGui, pickfaceGui, regstatGui, mapstatGui, clockGui, spendGui;
int GuiLINEHEIGHT = 10;
float ratio = 1.0f;
int NEWHEADINGBRANCH = 1;

// The zoom scales lie 0.185 apart; sums of single-precision steps may miss a bound by a hair.
static const float SCALE_EPSILON = 0.0001f;

void clrGuiBlock(GuiBlock *b) {
    if (b) memset(b, 0, sizeof *b);
}

static void setGuiBlock(GuiBlock *b, int x, int y, int width, int height) {
    b->x = x;
    b->y = y;
    b->width = width;
    b->height = height;
    b->used = 1;
}

// A height given as a number of text lines.
static int lines(float n) { return (int)((float)GuiLINEHEIGHT * n); }

void mapdimInit(int, int, float scale) {
    if (scale <= 0.0f) scale = 1.0f;   // a zero scale would divide by zero below
    mapDim.x = 15;
    mapDim.y = 85;
    mapDim.width = 450;
    mapDim.height = 460;
    mapDim.centre_x = 240;
    mapDim.centre_y = 315;
    mapDim.scale = scale;
    mapDim.cell_w = 18.0f * scale;
    mapDim.cell_h = 20.0f * scale;
    mapDim.half_w = (int)((float)mapDim.width / mapDim.cell_w * 0.5f);
    if (mapDim.half_w == 19) mapDim.half_w = 20;
    mapDim.half_h = (int)((float)mapDim.height / mapDim.cell_h * 0.5f);
    mapDim.src_centre_x = 531;
    mapDim.src_centre_y = 590;
    mapDim.src_left = 306;
    mapDim.src_top = 360;
    mapDim.src_w = (int)((float)mapDim.width / scale);
    mapDim.src_h = (int)((float)mapDim.height / scale);
}

void guiInit(int width, int height) {
    GuiLINEHEIGHT = 10;
    ratio = (float)width / 800.0f;
    mapdimInit(height, height, 1.0f);

    const int mx = mapDim.x, my = mapDim.y, mw = mapDim.width, mh = mapDim.height;
    setGuiBlock(&headingGui, 665, 25, 124, 160);
    setGuiBlock(&clockGui, mx + mw - 137, 6, 138, 74);
    setGuiBlock(&mapstatGui, mx, my + mh + 5, mw, lines(4.8f));
    setGuiBlock(&regstatGui, mx + mw / 2 - 120, 5, 200, lines(7) + 6);
    setGuiBlock(&pickfaceGui, 195, 30, 210, lines(3) + 200);
    setGuiBlock(&noteboxGui, 493, 398, 305, 130);
    setGuiBlock(&spendGui, 505, 300, 285, lines(10));
    setGuiBlock(&wholemapGui, 40, 50, 400, 400);
    if (NEWHEADINGBRANCH == 1) {
        setGuiBlock(&noteboxGui, 498, 355, 296, 170);
        setGuiBlock(&spendGui, 503, 258, 286, spendGui.height);
    }
}

int scr_mapScale(int direction) {
    LastRegionShow[0] = 0;
    float s = mapDim.scale;
    int at_bound = 0;
    if (direction == 1) {
        if (s <= 0.5f + SCALE_EPSILON)
            s = 0.63f;
        else
            s += 0.185f;
        if (s >= 1.0f - SCALE_EPSILON) {
            s = 1.0f;
            at_bound = 1;
        }
    } else if (direction == -1) {
        s -= 0.185f;
        if (s <= 0.5f + SCALE_EPSILON) {
            s = 0.5f;
            at_bound = 1;
        }
    } else if (direction == 0) {
        s = (s >= 1.0f - SCALE_EPSILON) ? 0.5f : 1.0f;
    }
    mapdimInit(800, 600, s);
    MapBorderInfo();
    return at_bound;
}
