// src/creatures/kindtable.h -- the animals: their species table and builders.
#pragma once
#include "core/creatures.h"

// Builds animal `code` (600..660) over the blank record in Creature, reading AnimalTags;
// 0 when the code names no animal.
int build_species(int code);
// The animals of the species table, in table order.
int species_count();
// Natural protection: index 0 = a, 2 = b, 4 = c, 5 and 6 = d, 1 = e, 3 = f.
void Aseta_Suojaluokka(int a, int b, int c, int d, int e, int f);
// A wolf turned by magic, into out.
void Luo_NoiduttuSusi(CreatureStruct &out);
