// src/creatures/catchup.h -- what the creatures' catch-up on map entry (cre_maintenance, core/creatures.h)
// asks of the society: a persistent creature met again lives the days nobody saw it.
#pragma once

struct CatchupHooks {
    int (*creature_met)(int c, int dp);   // the days caught up; -1 when it has no place in the creature file
};
extern const CatchupHooks catchup_hooks;
