// src/game/squareitems_hooks.cpp -- the item services as the events of a square ask for them.
#include "maps/squareitems.h"
#include "items/items.h"
#include "items/materials.h"

const SquareItemHooks square_item_hooks = {KELLUUKO, Tunnista_Laatu};
