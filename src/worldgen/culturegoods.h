// src/worldgen/culturegoods.h -- the everyday treasure of a culture; the goods its people make of
// its animals (furs, hides and food) are in creatures/culturegoods.h, the culture's tables and
// lookups in items/culturegoods.h.
#pragma once

#include "creatures/culturegoods.h"
#include "items/culturegoods.h"

struct DataPoolStruct;

// An everyday treasure of the culture: the pool is cleared and gets 5..7 things and 0..2 jewels,
// each a record with its object and count. Answers the records in it.
int KULTTUURIAARRE_arkinen(DataPoolStruct &pool, int culture);
