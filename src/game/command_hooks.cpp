// What the rules ask of the command table: the dispatcher, a bound key's main key and a key's help line.
#include "core/commandcodes.h"

#include "game/command.h"
#include "game/toimi.h"

const CommandHooks command_hooks = {Toimi, bound_key, Nappainkomento_Naytto};
