// src/maps/mapdraw.h -- drawing the map view: what the player sees, then the layers one over the
// other, then the picture shown.
#pragma once

extern int LOCSEL_CURSOR_X, LOCSEL_CURSOR_Y;   // the location-selection cursor; 0 none

void DrawMap();
int pelibuffer_x(int x);           // view column of a map x, 0 outside the view
int pelibuffer_y(int y);
