// src/quests/kinds_people_int.h -- what the files of the people's quest kinds share: the player's spirit
// meetings. Not for other modules.
#pragma once
#include "quests/questgen_int.h"

// The player's spirit meetings (bit 4 the water folk, 16 the spirit of the forest).
enum { PB_SPIRITS_MET = 5016, MET_WATER_SPIRIT = 4, MET_FOREST_SPIRIT = 16 };
