// src/game/turnloop.h -- the turn loop of a running game: the world's answer to the last command (its
// pass over the data pool is game/worldpass.h), then one command of the player.
#pragma once
#include <cstdint>

#include "core/oxa.h"              // LOAD_MAP and the player's square before the command

extern uint8_t LittleTurns;        // facing changes in place; four cost a turn
extern int LOAD_MAP;               // the player has left the current map
extern int EXIT_CLOSE_GAME;        // the window was closed during a command: the process ends
extern int FIRESAFE;               // the player was burned by a fire this turn

void TurnLoop();                   // declared for the outer loop in core/oxa.h as well
void turnloop_reset();             // per-game state of the loop
void var_clear();                  // the per-game reset of every module
int turn_pass(int *result);        // one pass; 0 when the loop ends, the command's result in *result
int turn_answer();                  // the world's half of a pass, up to the command; 0 ends the loop

