// src/society/meetings.h -- persistent creatures met again: the meeting counted, familiarity stepped up,
// the quest link kept or dropped, and the days unseen lived in one step (meals, healing, spoiling food,
// growing up, goods taken home, a wanderer's quest, a far stranger leaving the world).
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/creatures.h"


enum { MEET_DAYS_MAX = 30, MEET_FIRST_DAYS = 10 };


// A persistent creature of the area met on a freshly loaded map; dp its data-pool record when the caller
// knows it. Answers the days it caught up, -1 when it has no place in the creature file.
int creature_update(int c, int dp = -1);
// The catch-up of a persistent creature for the days it was unseen (also the companions' and pets' day).
void Cr_Meet_Update(int c, int days, int dp = -1);
// A village member within a cell of its village centre stores its village goods; 1 when it did.
int lagtime_activities(int c, int days, int dp = -1);

// Developer searches for a lost person: by name in the creature file (offering to bring it back) and
// then in the stored local maps; by social id in the stored local maps alone. Both save the game first.
void find_missing(const char *name);
void find_missing_sotu(unsigned sotu);
// The last stored local map holding a creature or carcass of the social id: 1 found, with its world
// cell from the map index (-1, -1 when the index has no entry for it).
int find_sotu_in_stored_maps(unsigned sotu, int *wx, int *wy);
