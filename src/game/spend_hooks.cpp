// src/game/spend_hooks.cpp -- what the timed task's entries ask of the game.
#include "core/spend.h"

#include "game/taskloop.h"

const SpendHooks spend_hooks = {task_loop};
