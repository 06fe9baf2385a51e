// src/items/vildebt.h -- what the player owes a village: the debt lines of a village record, booked
// and paid item by item, forgiven, counted; and the village's goods it wants back from the map.
#pragma once
#include "core/vilrecord.h"

int additemdebt(int soc, int pos, int count);            // books a debt line; 0 when refused
int remitemdebt(int soc, unsigned pos, unsigned count);  // non-zero when a line was removed
int vildebtcount(int soc);         // debt lines in use
void forgivedebtitems(int soc);
int socwants_reclaim_dp(int dp, int soc);
int soc_reclaim_check(int soc);

// ---- the debt lines of a record ----
// addvildebtitem answers VILDEBT_FULL when every line is in use, VILDEBT_GROWN when a line of the
// object grew, and VILDEBT_NEWLINE + i when line i was opened; 0 when nothing was to be booked.
enum { VILDEBT_FULL = -1000, VILDEBT_GROWN = 1, VILDEBT_NEWLINE = 2 };
int addvildebtitem(VillageStruct *v, int soc, int object, int count);
// Pays back count units (object and count 0: every line); 1 when every unit found a line.
unsigned remvildebtitem(VillageStruct *v, int soc, int object, int count);
void forgivedebtitems(VillageStruct *v, int soc);
