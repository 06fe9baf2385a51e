// src/maps/mapdraw.cpp -- the map view redrawn around the player: what the player sees worked out,
// then the screen asked to draw it.
#include "maps/mapdraw.h"

#include "core/records.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "maps/sight.h"
#include "base/ui.h"

#include <cstdlib>
#include <cstring>

int LOCSEL_CURSOR_X = 0, LOCSEL_CURSOR_Y = 0;

int pelibuffer_x(int x) {
    const int hw = mapDim.half_w > 0 ? mapDim.half_w : 12;
    const int c = x - PlayerX + 30;
    return abs(c - 30) <= hw ? c : 0;
}

int pelibuffer_y(int y) {
    const int hh = mapDim.half_h > 0 ? mapDim.half_h : 11;
    const int r = y - PlayerY + 30;
    return abs(r - 30) <= hh ? r : 0;
}

void DrawMap() {
    VIEW_ANIMATES = 0;
    PlayerView();
    if (!DISABLE_MAP && !ZoomRenew) ui_draw_map_view();
    if (NAKOPIIRISSA_Kyla) {   // the player stops to take in the settlement
        Note(":As you explore the wilderness a settlement comes into view up ahead!");
        Pause();
    }
}
