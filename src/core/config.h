// src/core/config.h -- the settings globals that GetConfig fills from the settings file (read by
// base/settings.h) at start-up and at every game load.
#pragma once
#include <cstdint>

#include "base/settings.h"

extern int PELIMUSEO_EDIT;
extern uint8_t OXAINI_CONTROLLER;
extern int OXAINI_CONTROLLER_PORT;
extern int OXAINI_BRIGHTNIGHT;
extern uint8_t OXAINI_MAPLIGHTING;
extern int OXAINI_GRID;
extern uint8_t OXAINI_WEAPONDAMAGE;
extern uint8_t OXAINI_RIGHTALT;
extern uint8_t OXAINI_LOGICALRESIZE;
extern uint8_t TRADMOVEMENT;
extern int BACKMUSIC;
extern int AMBIENTSOUNDS;
extern int MOVEMENTSOUNDS;
extern int AUDIO_MAIN_VOLUME;
extern int IDLE_ANIMATION;
extern uint8_t INVTYPEORDER[12];
extern char OxaPath[1024];

void GetConfig();
void SetOxaPath();
void ParseInventoryOrder(const char *value);   // fills INVTYPEORDER
