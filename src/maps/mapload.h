// src/maps/mapload.h -- loading the current map (the world map or the 5 x 5 local area around one
// world cell) into the map layers, placing the player on a freshly loaded local area, saving the
// current map back, and the small clean-ups around a load.
#pragma once
#include "maps/movement.h"         // LastMovingDirection picks the entry edge; SESTA 1 the pole in use

extern int ZOOMEXTRA_Lahesty;      // an approach to a scene: enter 25 squares out from the centre

void GetMap(const char *name);     // the player record's map name
void GetIso();                     // the world files; a missing "WORLD.DAT" ends the program
void Read_MemoryMap(const char *name);
void clear_playermap();
// 1 when every file of the map was written whole; the first fault stays in map_file_error().
int SaveMap(const char *name);
int SaveMapAndContinue();          // the same, with the pools in memory left as they were
void map_fix();
void Siirra_Zoomympariston_Tapahtumat();

// The square where a fresh local area puts the player (steps 4 to 8 of the load): kept apart so
// that it can be tested without the store.
void place_player_on_area();
