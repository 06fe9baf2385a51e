// src/maps/sight.h -- line of sight and light: what the player sees, whether one square sees
// another, which squares are lit, and whether the player makes out a figure at a distance.
#pragma once
#include <cstdint>

#include "core/localarea.h"   // koordSuunta

extern int LIGHT_SOURCES;          // the light map has been filled for this drawing
extern int NAKOPIIRISSA_Kyla;      // a settlement came into view on an unexplored square

int pos_linedraw(int line, int xstep, int ystep, int major, int x0, int y0, int tx, int ty, int allsee, int who);
void view8(int octant);
int NPC_see(int x0, int y0, int tx, int ty, int heading);
int canseefromto(int x0, int y0, int tx, int ty, int flag);
int See(int x, int y);             // 1 when the square is in the player's view
// The first record of the type on a square around (x, y) that the player sees (mode 1: not the
// player's own square); -1000 none.
int see_datatype_around(int type, int x, int y, int mode);

void light_around(int x, int y, int r, int spot);
void light_sources(int tick);
int light_source_maintenance(int object);

int See_FigureInDistance(int x, int y, int record);
void YmparysSijainti(int r1, int r2);   // the square goes to GeneralX, GeneralY
void ScanSurround();

// The player's view from scratch: resets the view layers and the light map, lights the light
// sources and traces the octants in front of the player (the first steps of the map drawing).
void PlayerView();

// Outside PlayerView, every write to maailma_attrib, maailma_work or maailma_memorymap is told here
// (layer coordinates), so the next view puts those squares back at rest: ':' and the memory map.
void view_layers_touched(int x, int y);
void view_layers_touched_rect(int x0, int y0, int x1, int y1);
void view_layers_touched_all();
