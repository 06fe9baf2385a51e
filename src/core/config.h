// src/core/config.h -- the settings file "oxa_ini.txt", read by key on demand, and the settings
// globals that GetConfig fills at start-up and at every game load.
#pragma once
#include <cstdint>

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

enum { INI_LINE_MAX = 999, INI_VALUE_MAX = 99 };

char *inival(const char *key, const char *def);   // a scratch buffer: copy it before it is reused
int inivalyes(const char *key);
int inivaldefyes(const char *key);
void GetConfig();
void SetOxaPath();
void ParseInventoryOrder(const char *value);   // fills INVTYPEORDER
