// src/core/localarea.cpp -- which local map of the local area a column or row lies in, and the
// compass direction between two squares.
#include "core/localarea.h"

#include "base/ownlib.h"

static int find_zoom(int v, int border) {
    for (int k = -2; k <= 2; k++) {
        int start = AREA_CENTRE - border + k * (64 + 2 * border);
        if (v >= start && v < start + 64 + border) return k;
    }
    return 2;
}
int find_zoom_x(int v, int border) { return find_zoom(v, border); }
int find_zoom_y(int v, int border) { return find_zoom(v, border); }

int koordSuunta(int x0, int y0, int x1, int y1) { return Kulma_Ilmansuunnaksi(calcAngle(x0, y0, x1, y1)); }
