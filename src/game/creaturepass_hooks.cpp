// What the creatures ask of the world's turn: its pass over the data pool.
#include "creatures/creaturepass.h"

#include "game/worldpass.h"

const CreaturePassHooks creature_pass_hooks = {CreatureMove, creature_run_begin, creature_run_end};
