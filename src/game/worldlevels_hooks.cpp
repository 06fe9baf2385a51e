// src/game/worldlevels_hooks.cpp -- the world's levels as the player's condition and work ask for
// them: the map exits and entries, the local maps around her and the encounter check.
#include "creatures/worldlevels.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

const WorldLevelHooks world_level_hooks = {ExitEnviron, EnterLocale, surroundings, EncounterCheck};
