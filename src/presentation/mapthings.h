// src/presentation/mapthings.h -- everything of the data pool drawn on the map (items, plants, fires,
// blood, traps, tracks, markers, carcasses and creatures with their marks) and the player figure.
#pragma once
#include <cstdint>

#include "maps/maps.h"
#include "presentation/tiles.h"

extern uint8_t maailma_attrib2[MAP_BYTES];   // bit value 2: an open fire burns on the square
extern char tiledeco_undertile[32];
extern tileoptionStruct undertile_TILEOPTIONs;

void Items(int flag);
void clear_fire_marks();                     // clears maailma_attrib2 where the last drawing set it
void DrawPC(int k);
void activate_CreTileCustomRGB(int creature);
float RemainsOfFire_TileScale(int position);
float Fire_TileScale(int ready_minute);      // the scale of a burning fire by its age
