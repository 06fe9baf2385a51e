// src/maps/area.h -- the terrain table: what each of the 256 map chars is (glyph, flags, description,
// tile, overlap, freezing, nature bits and the door rules), rebuilt for the season of the day.
#pragma once
#include <cstdint>

#include "base/ui.h"
#include "maps/maps.h"

extern TerrainStruct terrain[256];
extern int NEWGFX;                 // tile graphics mode; only the developer console turns it off
extern int FISH;                   // on only while the fish-bearing water rows are built
extern uint8_t ALL_SEE;            // see-all debug mode: nothing blocks sight
extern int TILA_avoin_ovi;         // open doors met by the room test

void init_terrain_struct(int day, int month);   // both ignored: the date comes from the player record
int terrain_flag(int c, uint32_t mask);
char *terrain_desc(int c);
void set_terrain_desc(int c, const char *text);
int terrain_animate(int c);
int terrain_overlap(int c);
int terrain_overlap_tapa(int c);
int terrain_jaatyy(int c);
const char *terrain_tilename(int c);
int luontotyyppi(int c);
void vesitile(int c, int overlap);
void TileSavytys_Maaruska(int month, int day, UiColour *a, UiColour *b);
uint32_t AsetaLuontotyyppivaikutus(uint32_t ignored, const char *text);
int onkoseina(int c);
int onkokatto(int x, int y);
int onkotulisija(int c);
int Onko_Suotile(int x, int y);
