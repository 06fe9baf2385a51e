// src/society/villagesim.h -- headless runs of village life for the command-line tool: villagers,
// their dogs, a robber band and wildlife living on a local area with a village at its centre, and a
// scripted visit in which the player takes goods unseen, then seen, and then leaves the village.
#pragma once
#include <cstdio>

struct VillageSimResult {
    int people = 0, dogs = 0, robbers = 0, animals = 0;   // placed
    long outside = 0;              // creature-ticks spent outside the local area
    int robbed = 0;                // goods the band took from the player
    int words = 0;                 // things said and shouted
};

// The whole run: the area of crsim with a village at world cell 100, 100, six villagers, two dogs,
// three robbers and twenty animals for `ticks` passes; prints what each group did to out.
VillageSimResult village_sim(int seed, int ticks, FILE *out);

struct VillageScriptResult {
    int debts_unseen = -1, debts_seen = -1, debts_checked = -1;   // debt lines after each step
    int level_checked = -1, level_left = -1;                      // collection levels
    int shouts = 0;
};
// The scripted visit; prints each step's debts, collection level and the words said.
VillageScriptResult village_script(int seed, FILE *out);
