// src/maps/movement.h -- moving over the world map and the local area: the state of the player's
// moving, what a metre costs and whether a step is a climb (her step itself is game/playerstep.h),
// and the water, ice and watercraft rules of a step.
#pragma once
#include <cstdint>

extern int PlayerX_Previous, PlayerY_Previous;
extern int LastMovingDirection;
extern uint8_t RUNNING, LURK, TRANSPORT, SESTA, SWIMTURNS;
extern int UPDATE_SCREEN, ZoomRenew, Exit_Checking;
extern int SOUND_IN_DISTANCE, SOUND_IN_POSITION;
extern char MoveSound[16];         // the step sound chosen by the last step ("" none)

int KiipeilyTarkistus(int who, int fromX, int fromY, int toX, int toY);
// The square (a world cell on the world map) holds ice.
int has_ice(int x, int y);
// The same question on the local area, asked by a caller that knows it is not on the world map: a
// creature's step has asked that already.
int kiipeily_lahialue(int who, int fromX, int fromY, int toX, int toY);
// Seconds one metre costs on a terrain char.
float move_seconds_per_metre(int c);

char *movement_desc();            // the movement mode as text (doors.cpp)

// ---- open water and shores ----
int avovesi(int x, int y);        // open water; x = -1 tests the 3 x 3 squares around the player
int worldmap_avovesi(int x, int y);   // a world cell of water without ice
int ranta_alue(int x, int y);     // a shore: open water 5 squares west, east, north or south

// ---- the player's step into water and watercraft (activities/waterway.cpp) ----
int watercraft_datapos(int x, int y);   // the first watercraft on the square; -1 none
int SestaStatus();                // 2 a paddle wielded, 1 a pole, 0 neither
int transcap(int who, int x, int y);    // the craft on the square: 0 none, 1 within its load, -1 overloaded
// Below 14 degrees the water's coldness is told; with ask the answer to entering it (1 without).
int cold_water_confirmation(int x, int y, int ask);
// The player steps onto open water at x, y: 1 the step goes on, 0 or -1 it stops (no time spent).
int WaterwayCheck(int x, int y);
// One turn of swimming: the swim roll's result, -1 when the swimmer drowns. A test may point it
// elsewhere to swim for the player.
extern int (*WaterSwimTurn)(int mode);
