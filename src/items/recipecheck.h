// src/items/recipecheck.h -- the headless check of every recipe file of the working folder.
#pragma once
#include <cstdio>

// Prints each product's resolution and its parsed lines; answers 0 when every product resolves,
// every requirement is known and every building names a terrain, else 1 (the faults are printed).
int recipes_check(FILE *out);
// Builds the catalogue and the terrain table the check needs, touching no file.
void recipes_check_tables();
