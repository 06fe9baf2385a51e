// src/screens/mapviewscreen.h -- the map of known areas as a screen: scrolling, zooming, the legends,
// the information box of a click and the player's marker editor and chooser.
#pragma once
#include "maps/mvmarker.h"

namespace MapViewToggles {
extern unsigned char NaytaKulttuurit;   // culture regions shown; kept for the run
extern unsigned char NaytaMarkkerit;    // map markers shown
}

void MapView(unsigned mode, unsigned quest);
void MapView_EditMarker(mvMarkerStruct marker);
int MapView_SelectMarker(int x, int y, unsigned mode);    // an index of mvMarkersToEdit, or -1
