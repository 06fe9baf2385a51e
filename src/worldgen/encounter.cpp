// src/worldgen/encounter.cpp -- stands in until world generation lands: no encounter starts, no
// exit is taken and the party always agrees.
#include "worldgen/encounter.h"

int ENCOUNTER = 0;

void EncounterCheck() {}
void DO_ENCOUNTER() { ENCOUNTER = 0; }
void area_check() {}
void CheckExits() {}
void ExitEnviron(int, int, int) {}
int companyzoomcheck(int) { return 1; }
