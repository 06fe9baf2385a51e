// src/game/crestep_hooks.cpp -- the traps' answers to a creature's step (creatures/crestep.h).
#include "creatures/crestep.h"

#include "activities/traps.h"

const CreatureStepHooks crestep_hooks = {PiteleekoAnsa, ansa_ottaisi, AstuAnsaan};
