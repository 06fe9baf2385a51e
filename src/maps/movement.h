// src/maps/movement.h -- moving over the world map and the local area: the state of the player's
// moving, what a metre costs and whether a step is a climb (her step itself is game/playerstep.h),
// and open water and shores (her step into water and the watercraft are activities/waterway.h).
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
