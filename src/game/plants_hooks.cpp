// src/game/plants_hooks.cpp -- the work's answers to the making of plant definitions (items/plants.h).
#include "items/plants.h"

#include "activities/herblore.h"

const PlantMakingHooks plant_making_hooks = {Herblore_iditem};
