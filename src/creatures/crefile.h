// src/creatures/crefile.h -- the character's creature file (core/crefile.h) with what the creatures
// do with its records: the forest cover and a broken leg.
#pragma once

#include "core/crefile.h"

// The forest cover: a creature of the map hidden as a record of its own, and let out again.
void forestcover_datapos(int i);           // hides the creature of pool record i
void forestcover_hide_all();               // hides every creature that lives in the cover
int sotu_forestcover_release(unsigned s);  // 1 when social id s was in the cover

// A broken leg for creature n: a blow of 18 on the leg (part 13) of a random side.
void CreMod_break_a_leg(int n);

// The map's creatures into the creature table at its entry: template references become creatures
// of the file, and the file's records fill the slots.
void creature_mess();
