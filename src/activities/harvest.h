// src/activities/harvest.h -- what a plant yields: its harvest profile read from the plant data,
// picking by hand, cutting a patch into a heap, threshing the heap into its parts, and grinding seeds,
// grains and roots into flour.
#pragma once
#include "items/items.h"
#include "items/plants.h"   // KasviOsat, the harvest profile

// Modes of HarvestBranch, and its answers.
enum { HARVEST_PICK = 0, HARVEST_WHOLE = -1, HARVEST_CUT = 29 };
enum { HARVEST_OK = 1, HARVEST_REFUSED = -1, HARVEST_INTERRUPTED = -2 };

KasviOsat hajota_kasvi(const ItemStruct &plant);
// The flour ground from a seed item: "%s-flour" of the plant, `amount` pounds.
ItemStruct Jauha_Siemenesine(const ItemStruct &seeds, float amount);
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
// The plant data of a plant read afresh the next time it is asked for (a test that changes the
// data files).
void harvest_forget_flora();

// ---- the work the action codes hand on to ----
int AGRICULTURE_jauhatus();
int AGRICULTURE_puinti(int who, int x, int y, int item);
int AGRICULTURE_korjuu();
