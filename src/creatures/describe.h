// src/creatures/describe.h -- what the player reads about a creature: its names, its general
// description, a carcass's state, the information box; a creature's pack and picking things up.
#pragma once
#include <cstddef>

#include "core/creatures.h"
#include "core/crefunc.h"      // monnam, monnam_cre

extern char s_creaturedesc[1024];

const char *s_NPC_sizedesc(int n);
const char *NPC_yleiskuvaus(int n, int mode);
const char *NPC_ruhokuvaus(int n);
int pctEaten_carcass(int n, char *text, size_t size);
int pctTorn_carcass(int n, char *text, size_t size);
int pctRotten_carcass(int n, char *text, size_t size);
int carcass_rot(int age_days, int winter, char *text, size_t size);   // the rot of a carcass of that age
// The creature whose carcass pool record n holds (its slot in m); none (m -1) when n is no carcass.
CreatureStruct *carcass_creature(int n, int &m);
// 1 when creature c could set to cutting carcass record n (nothing is cut).
int carcass_cuttable(int c, int n);
void NPC_inforuutu(int n);
int AddCrPack(int n, int obj, int count);
int new_AddCrPack(int n, int obj, int count, int tag);
int new_cr_pickup(int n, int pos, int count, int tag);
