// src/core/localarea.h -- the geometry of the local area on the current map's grid, which of its
// local maps a column or row lies in, and the compass direction between two squares.
#pragma once

// The local area: 5 x 5 local maps of 64 x 64 squares laid into the grid at 72..391, the centre
// local map at 200..263 on both axes.
constexpr int ZOOM_SIDE = 64;
constexpr int ZOOM_SQUARES = ZOOM_SIDE * ZOOM_SIDE;
constexpr int AREA_MIN = 72;
constexpr int AREA_MAX = 391;
constexpr int AREA_CENTRE = 200;
constexpr int ZOOM_RECORDS = 2000;  // pool records stored with one local map

int find_zoom_x(int v, int border);  // local-map offset -2..2 of a current-map column
int find_zoom_y(int v, int border);
int koordSuunta(int x0, int y0, int x1, int y1);   // compass direction 0-7 from the first point
