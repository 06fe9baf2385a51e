// src/game/plants_hooks.cpp -- the work's answers to the making of plant definitions (items/plants.h).
#include "items/plants.h"

#include "activities/harvest.h"
#include "activities/herblore.h"

const PlantMakingHooks plant_making_hooks = {hajota_kasvi, Herblore_iditem, Jauha_Siemenesine};
