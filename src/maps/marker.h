// src/maps/marker.h -- map-info records of world cells, area markers and the world cell of a square.
#pragma once
#include "maps/maps.h"

extern ZoomExtraStruct ZoomExtra[ZOOMEXTRA_COUNT];

int zoomextra_kohta(int x, int y);   // the cell's record, else the first free one; 0 when full
void remove_ZoomExtra(int x, int y);
int IsoX();
int IsoY();
int kohtaIsoX(int x);
int kohtaIsoY(int y);
