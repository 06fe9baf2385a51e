// src/maps/movement.h -- moving the player and the creatures over the map.
#pragma once

int avovesi(int x, int y);        // open water; x = -1 tests the 3 x 3 squares around the player
int WaterwayCheck(int x, int y);  // the player entered water at x, y
// One step of the player; a step of 0 tests the player's own square: 0 blocked, 1 free, -1 refused.
int MovePlayer(int step);
