// src/maps/mapunit.h -- the map layers and their accessors.
#pragma once

int koordinaattien_vali(int x1, int y1, int x2, int y2);   // step distance
int bigmap();                      // 1 while the current map is the world map
int get_mapchar(int x, int y);     // terrain char of the current map; 32 outside the grid
