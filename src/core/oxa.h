// src/core/oxa.h -- the process's state that the rules share: what the outer loop does next, the
// chosen character, the start-up log and the death that ends a game.
#pragma once
#include <cstdint>

extern int REAL_QUIT;              // 1 quit the program, -1 back to the menu, else play on
extern int LOADER_RUN;
extern int LOAD_MAP;               // the turn loop loads the map named in the player record (its flag)
extern int CREATURE_UPDATE;        // creature turns a map entry lets pass to catch up
extern int PIC_SHOW;               // a picture was shown on entering the map
extern int PrevX, PrevY;           // the player's square before the command
extern char CharacterFile[128];
extern uint8_t IDLETIMER_ENABLED;  // the command reader waits: the idle animation may tick

// Test switch: when set, every wait of the game returns at once.
extern int OXA_NODELAY;
void oxa_delay(int ms);

void initlog(const char *text);
void initmsg(const char *text);    // a start-up step: logged, and shown while the window is open
void audio_debug(const char *text);
void debug_koord(const char *text);

// The player is dead (creatures/ancestors.h): callers set the cause of death in the record first.
void PlayerDeath();

// The game loader and the turn loop of a chosen character.
int loader();                      // 0 play, -1 back to the menu
void TurnLoop();

// An encounter is due: the turn loop meets it (worldgen/encounter.h) before the next command.
enum { ENC_NONE = 0, ENC_CREATURE = 1, ENC_EVENT = 2, ENC_SUPERNATURAL = 3 };
extern int ENCOUNTER;
