// src/activities/actions.cpp -- stands in until the survival activities land: no command here does
// anything and no herb, spirit or plant changes.
#include "activities/actions.h"

#include "maps/mapunit.h"
#include "core/notes.h"

void InvocationMenu() {}
void supernatural_check() {}
void Suorita_Yrttivaikutus() {}
int herb_effect_active(int) { return 0; }
void herb_effects_clear() {}
void VegetationGrowth() {}
void set_SpiritData_mood(int, int, int, int) {}
