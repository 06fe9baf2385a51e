// src/game/puuha_hooks.cpp -- the work's answers to the creatures' activity queue (creatures/puuha.h).
#include "creatures/puuha.h"

#include "activities/timber.h"

const PuuhaWorkHooks puuha_work_hooks = {timber_creature_can};
