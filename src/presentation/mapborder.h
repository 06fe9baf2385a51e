// src/presentation/mapborder.h -- the frame of the map view and the two information boxes beside it: the
// region box (location picture or the region's names) and the map box (location, date, scale).
#pragma once

#include "base/ui.h"                // MapBorderInfo, the rules' request

void scr_MapBorderInfo();          // redraws the region and map boxes when the location changed
void MapBorder();                  // the frame, the boxes and the sight range of the map kind
void drawscale(int x, int y, int length, const char *label);
void ClrMapArea();                 // the map view and its frame in black
