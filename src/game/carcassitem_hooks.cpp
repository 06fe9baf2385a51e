// src/game/carcassitem_hooks.cpp -- the creature file and the creatures' descriptions as a carcass
// item's name and making ask for them.
#include "items/carcassitem.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"

const CarcassItemHooks carcass_item_hooks = {CarcassSave, getsotucrstruct, NPC_ruhokuvaus};
