// src/activities/harvest.h -- the harvest: picking by hand, cutting a patch into a heap, threshing the
// heap into its parts, and grinding seeds, grains and roots into flour (what a plant yields is
// items/plantparts.h).
#pragma once
#include "items/items.h"
#include "items/plantparts.h"   // KasviOsat, the harvest profile, the flour

// Modes of HarvestBranch, and its answers.
enum { HARVEST_PICK = 0, HARVEST_WHOLE = -1, HARVEST_CUT = 29 };
enum { HARVEST_OK = 1, HARVEST_REFUSED = -1, HARVEST_INTERRUPTED = -2 };

// Creature n (-1 the player) takes from plant record `record`; with `test` set only answers whether
// the plant is ripe for picking (1) or not (0). Answers HARVEST_OK, _REFUSED or _INTERRUPTED.
int HarvestBranch(int n, int record, int mode, unsigned char test);
void magicharvest();               // developer aid: cuts and threshes every plant near the player

// ---- the rules by number ----
// Units taken in whole-plant fashion from `units` (one plant's units times the plants).
int kokonaisina_yksikot(int units);
// Base minutes of threshing `plants` plants of the profile, before the tool and the skill.
int puinti_minuutit(const KasviOsat &k, int plants);
// Grinding: the pounds ground from one item of `weight` pounds (0 when it is too light to grind
// alone), and the most items of that weight one grinding takes.
float jauhatus_paino(float weight);
int jauhatus_enintaan(float weight);

// ---- the work the action codes hand on to ----
int AGRICULTURE_jauhatus();
int AGRICULTURE_puinti(int who, int x, int y, int item);
int AGRICULTURE_korjuu();
