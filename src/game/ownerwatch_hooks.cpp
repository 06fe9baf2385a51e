// src/game/ownerwatch_hooks.cpp -- the village people's eyes as the taking of an owned thing asks for
// them.
#include "items/ownerwatch.h"
#include "creatures/predicates.h"

const OwnerWatchHooks owner_watch_hooks = {socseeplr};
