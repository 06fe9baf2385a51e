// src/activities/recipecheck.h -- the headless check of every recipe file of the working folder.
#pragma once
#include <cstdio>

// Prints each product's resolution and its parsed lines; answers 0 when every product resolves,
// every requirement is known and every building names a terrain, else 1 (the faults are printed).
int recipes_check(FILE *out);
// Builds the catalogue and the terrain table the check needs, touching no file.
void recipes_check_tables();

// Makes one product of a handcraft recipe on a fixture of its own: the player on open ground with
// just the materials the recipe takes, the rolls seeded, the questions answered yes and the work
// done at once. Prints what was used and made; answers 0 when exactly the used materials left the
// pack and the product arrived, else 1. The screen must be open.
int recipe_craft(const char *name, int seed, FILE *out);
