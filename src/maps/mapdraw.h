// src/maps/mapdraw.h -- drawing the map view.
#pragma once

int pelibuffer_x(int x);           // view column of a map x, 0 outside the view
int pelibuffer_y(int y);
void DrawMap();                    // redraws the map view around the player
