// src/worldgen/rndhouse_encounter.cpp -- encounters and quest scenes placed on a local map: they stand
// in until encounters on local maps land. Until then nobody is placed, so the world's encounter
// records stay where they are rather than being taken and lost.
#include "worldgen/localgen.h"

void Encounter(int) {}
int zoom_encounters_placed() { return 0; }
