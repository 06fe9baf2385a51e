// src/worldgen/encounter.h -- wilderness encounters, the world map's area check, map exits and the
// party's consent to zoom.
#pragma once

extern int ENCOUNTER;              // an encounter is due

void EncounterCheck();             // sets ENCOUNTER when one happens
void DO_ENCOUNTER();
void area_check();
int CheckExits();                  // 1 when the player stepped into a settlement, camp or cave
void ExitEnviron(int x, int y, int mode);
int companyzoomcheck(int ask);     // 1 when the party may move; ask: warn about those left behind
