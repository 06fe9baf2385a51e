// src/game/clock_hooks.cpp -- what the clock asks of the world as its time passes.
#include "core/maintenance.h"

#include "creatures/body.h"
#include "game/clockupkeep.h"

const ClockHooks clock_hooks = {FatigueTick, minute_upkeep, hourly_check};
