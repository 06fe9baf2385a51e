// src/maps/movement.h -- moving the player over the world map and the local area: the step with
// every check, question, message and time cost, and the test whether a square can be entered.
#pragma once
#include <cstdint>

extern int PlayerX_Previous, PlayerY_Previous;
extern int LastMovingDirection;
extern uint8_t RUNNING, LURK, TRANSPORT, SESTA, SWIMTURNS;
extern int UPDATE_SCREEN, ZoomRenew, Exit_Checking;
extern int SOUND_IN_DISTANCE, SOUND_IN_POSITION;
extern char MoveSound[16];         // the step sound chosen by the last step ("" none)

// The player's messages and yes/no questions of seeing and walking: the note box, and the question
// prompt once it lands. A test may point them elsewhere to script a walk.
extern void (*MoveNote)(const char *text);
extern int (*MoveAsk)(const char *question);

int MovePlayer(int step);          // -1 refused, 0 not moved, 1 moved
int MoveTo(int who, int fromX, int fromY, int toX, int toY, int step);
int KiipeilyTarkistus(int who, int fromX, int fromY, int toX, int toY);
// Seconds one metre costs on a terrain char.
float move_seconds_per_metre(int c);

int avovesi(int x, int y);        // open water; x = -1 tests the 3 x 3 squares around the player
int WaterwayCheck(int x, int y);  // the player entered water at x, y
char *movement_desc();            // the movement mode as text
