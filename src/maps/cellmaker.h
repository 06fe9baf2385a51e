// src/maps/cellmaker.h -- what the loading of a local area and the creatures' headless run need to
// make a world cell's local map: its name in the store and the heights round it. The local-map
// generator itself is asked through the world services (core/worldservices.h make_cell).
#pragma once

char *terrain_name(int x, int y);  // "05,123"
void LuoZoomKorkeusAlue(int x, int y);   // heights round world cell x, y for its local maps
