// src/worldgen/encounter.h -- wilderness encounters, the world map's area check, map exits and the
// party's consent to zoom.
#pragma once

extern int ENCOUNTER;              // an encounter is due

void EncounterCheck();             // sets ENCOUNTER when one happens
void DO_ENCOUNTER();
void area_check();
void CheckExits();                 // sets LOAD_MAP when the player left the map
void ExitEnviron(int x, int y, int mode);
int companyzoomcheck(int mode);    // non-zero when the party may zoom
