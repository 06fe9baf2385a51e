// src/worldgen/culturegoods.h -- the goods a culture's people make of its animals (furs, hides and
// food) and its everyday treasure; the culture's tables and lookups are in items/culturegoods.h.
#pragma once

#include "items/culturegoods.h"

struct DataPoolStruct;

// Furs and hides of the culture's animals, skinned and tanned; quality 0 is the ordinary grade.
int KULTTUURIESINE_Pienturkis(int culture);
int KULTTUURIESINE_Turkis(int culture, int quality);
int KULTTUURIESINE_Kotanahka(int culture);         // the reindeer hide a kota is covered with
// Cooked food of the culture's game, and a cooked fish.
int KULTTUURIESINE_Eraruoka(int culture);
int KULTTUURIESINE_Arkiruoka(int culture);
int KULTTUURIESINE_ValmistettuKala(int culture);

// An everyday treasure of the culture: the pool is cleared and gets 5..7 things and 0..2 jewels,
// each a record with its object and count. Answers the records in it.
int KULTTUURIAARRE_arkinen(DataPoolStruct &pool, int culture);
