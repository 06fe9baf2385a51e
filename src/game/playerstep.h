// src/game/playerstep.h -- the player's step over the world map and the local area, with every
// check, question, message and time cost, and the test whether a square can be entered.
#pragma once

int MovePlayer(int step);          // -1 refused, 0 not moved, 1 moved
int MoveTo(int who, int fromX, int fromY, int toX, int toY, int step);
