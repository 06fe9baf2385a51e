// src/core/turnloop.h -- the turn loop of a running game and the creatures' turn: one walk over the
// current map's data pool that gives every creature, fire, work process, encounter, skin and track
// its step, and the map reloader run when the player has left the current map.
#pragma once
#include <cstdint>

extern int TACTICAL_ADVANTAGE;     // -1000 none, -1 cancel, else the creature that acts alone
extern uint8_t LittleTurns;        // facing changes in place; four cost a turn
extern int LOAD_MAP;               // the player has left the current map
extern int PrevX, PrevY;           // the player's square before the command
extern int EXIT_CLOSE_GAME;        // the window was closed during a command: the process ends
extern int FIRESAFE;               // the player was burned by a fire this turn
extern int BURGLARYSOC;
extern int INVISIBLE;              // the player is invisible

void TurnLoop();                   // declared for the outer loop in core/oxa.h as well
void turnloop_reset();             // per-game state of the loop
int turn_pass(int *result);        // one pass; 0 when the loop ends, the command's result in *result
int turn_answer();                  // the world's half of a pass, up to the command; 0 ends the loop

void CreatureMove();
void CreatureAct(int pos);
void ActIt(int c);
void EasyGoing(int pos);
void fire_maintenance(int pos);
void DoFireEffect(int x, int y, int minutes);
int burn(int mapchar);             // 1 when the terrain can burn
void MapLoader(int mode);
void ZoomRenewer();
void WorldMap_Maintenance();
