// src/game/waterpass_hooks.cpp -- the creatures' pass as the water and ice of a square ask of it.
#include "maps/waterpass.h"
#include "creatures/crestep.h"

const WaterPassHooks water_pass_hooks = {crestep_no_water_records};
