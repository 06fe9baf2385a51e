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

// ---- the marker files and the map-info queries of map entry ----
int LoadMarkerFiles();             // 1 when both files were read (or were missing)
int SaveMarkerFile();              // 1 when "MARKER.DAT" was written
int SaveExtraMarkerFile();         // 1 when "EXTRAMARKER.DAT" was written
int Mapinfo_LastDay(int x, int y); // last-visit day of the cell under a square
unsigned Mapinfo_socID(int x, int y);
int ExtraMarkers_in_use();
