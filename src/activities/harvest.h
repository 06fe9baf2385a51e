// src/activities/harvest.h -- what a plant yields: its harvest profile read from the plant data,
// picking by hand, cutting a patch into a heap, threshing the heap into its parts, and grinding seeds,
// grains and roots into flour.
#pragma once
#include "items/items.h"

// The parts of a plant's harvest profile.
enum { PART_WHOLE = 0, PART_SEED = 1, PART_LEAF = 2, PART_FLOWER = 3, KASVIOSAT_PARTS = 4 };
// How a plant is taken: by hand, dug or picked, cut, cut with a sickle.
enum { PICK_BY_HAND = 0, PICK_DIG = 1, PICK_CUT = 2, PICK_SICKLE = 3 };
// Modes of HarvestBranch, and its answers.
enum { HARVEST_PICK = 0, HARVEST_WHOLE = -1, HARVEST_CUT = 29 };
enum { HARVEST_OK = 1, HARVEST_REFUSED = -1, HARVEST_INTERRUPTED = -2 };

// The harvest profile of a plant: the whole item (or the root) and the seeds, leaves and flowers,
// each with a present-flag and a count per plant, and how the plant is picked and threshed.
struct KasviOsat {
    ItemStruct part[KASVIOSAT_PARTS];
    int present[KASVIOSAT_PARTS];
    int count[KASVIOSAT_PARTS];    // units of the part one plant gives
    int method;                    // PICK_*
    int threshing;                 // threshing work per plant: 0 none .. 3
    int needs_flail;               // threshing asks for a threshing tool
    int minutes;                   // minutes of picking per unit
    int root;                      // the whole item is a root of the plant data's root size
    ItemStruct plant;              // the plant definition it was made from
};
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
