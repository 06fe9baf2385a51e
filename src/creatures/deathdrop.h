// src/creatures/deathdrop.h -- what a creature lets fall: an item laid on its square, a worn piece
// dropped damaged, and the ownership an item takes from the creature that drops it.
#pragma once
#include "items/items.h"

ItemStruct claim_ItemTo_npc(ItemStruct item, int creature);
void NpcDropItem(int creature, int position, int count);
void DropCrArmor(int creature, int wornSlot);
