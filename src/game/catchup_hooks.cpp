// src/game/catchup_hooks.cpp -- a creature met again on map entry is caught up by the society's meetings.
#include "creatures/catchup.h"
#include "society/meetings.h"

const CatchupHooks catchup_hooks = {creature_update};
