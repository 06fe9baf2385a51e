// src/activities/actions.cpp -- stands in until herb lore, magic and the spirits and the plants land:
// no invocation is offered, no herb works and no spirit or plant changes.
#include "activities/actions.h"

#include "maps/mapunit.h"
#include "core/notes.h"

void supernatural_check() {}
void set_SpiritData_mood(int, int, int, int) {}
