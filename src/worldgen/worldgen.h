// src/worldgen/worldgen.h -- world generation as the rest of the game calls it: entering and leaving
// local maps, preparing the local maps around the player, the party that travels along, and the
// local-map generator.
#pragma once

#include "maps/cellmaker.h"   // terrain_name, LuoZoomKorkeusAlue

extern int CoordinateFixXMOD, CoordinateFixYMOD;   // the cell offset at the last zoom-out
extern int COMPANYZOOMCHECKED;     // the party's follow test was made for this move

int rndhouse_main(int x, int y, int creature);   // builds and stores the local map of world cell x, y
int surroundings(int all);         // builds the missing local maps of the 5 x 5 cells; answers failures
int spotgenerate(int x, int y, int all);   // the same for one cell; 1 when it has a stored map
void surroundings_clean();
void EnterLocale(int kind, int n); // kind 0: zoom in on the world map, out on a local area
// Set while the turn loop runs, which loads the map an entry asks for at its next step: a zoom in then
// leaves its save open, and the map's upkeep (GetMappie) puts the new local maps and its own files in
// place in one commit, one wait on the disk for the two. Outside the loop each goes in by itself.
extern int ENTRY_SAVE_JOINS_LOAD;
// Puts in place what an entry left waiting for the map's upkeep, when one waits: 1 when it went in
// whole or nothing waited, 0 when its commit failed (the folder then holds the save before the entry).
int entry_save_finish();
// Saves and goes down to the local map of world cell x, y; 0, where she was, when the save failed.
int Enter(int x, int y, int mode);
// Builds one cell through the generator; answers 1 when its local map was stored.
int TERRAIN(const char *description, const char *kind, int n, int month, const char *name, int x, int y,
            int extra);
void FixPlayerCoordinates();
void FixZoomCoordinates();
int your_residence();
void PopuloiZoomalue();            // populates the zoomed area

int creature_swap();               // 0 done, -1 the party stack overflowed
