// src/activities/actions.cpp -- stands in until herb lore, magic and the spirits and the plants land:
// no invocation is offered, no herb works and no spirit or plant changes.
#include "activities/actions.h"

#include "maps/mapunit.h"
#include "core/notes.h"

void InvocationMenu() {}
void Suorita_Yrttivaikutus() {}
int herb_effect_active(int) { return 0; }
void herb_effects_clear() {}
