// src/creatures/describe.h -- what the player reads about a creature: the information box (its names,
// general description and a carcass's state are core's); a creature's pack and picking things up.
#pragma once
#include <cstddef>

#include "core/creatures.h"
#include "core/carcassdesc.h"  // NPC_yleiskuvaus, NPC_ruhokuvaus and the carcass's state
#include "core/crefunc.h"      // monnam, monnam_cre

// The creature whose carcass pool record n holds (its slot in m); none (m -1) when n is no carcass.
CreatureStruct *carcass_creature(int n, int &m);
// 1 when creature c could set to cutting carcass record n (nothing is cut).
int carcass_cuttable(int c, int n);
void NPC_inforuutu(int n);
int AddCrPack(int n, int obj, int count);
int new_AddCrPack(int n, int obj, int count, int tag);
int new_cr_pickup(int n, int pos, int count, int tag);
