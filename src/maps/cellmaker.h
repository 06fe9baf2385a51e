// src/maps/cellmaker.h -- what the loading of a local area and the creatures' headless run need to
// make a world cell's local map: its name in the store, the heights round it, and the local-map
// generator itself, which the game fills in (game/cellmaker_hooks.cpp).
#pragma once

char *terrain_name(int x, int y);  // "05,123"
void LuoZoomKorkeusAlue(int x, int y);   // heights round world cell x, y for its local maps

struct CellMakerHooks {
    // Builds one cell through the generator; answers 1 when its local map was stored.
    int (*terrain)(const char *description, const char *kind, int n, int month, const char *name, int x, int y,
                   int extra);
};
extern const CellMakerHooks cell_maker_hooks;
