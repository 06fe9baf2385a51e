// src/activities/tools.h -- applying tools ("a"): fishing gear, the sauna whisk, a luck charm, the
// shovel, lights, skis, poles and paddles, portable traps; and leading an animal on a leash, tying it
// to a tree and untying it.
#pragma once

int Apply(int slot);               // 1 when something was done, 0 when the item cannot be applied
int applyVasta(int slot);          // the sauna whisk; 1 when used
int branch_applyShovel(int object);   // 1 when a pit was dug

// Leashes. A leash (tool subtype 9) holds the social id of its animal (items.h, leash_sotu).
void leash(int slot);              // the leash of the slot onto an animal in front of the player
int tie(int slot);                 // the animal of the leash tied to a tree; 0 when nothing was done
void untie_pick(int unused, int object);   // the picked-up leash leads its tied animal again
int inventory_leash_confirm(int c);   // 1 when a leash in the pack holds creature c
