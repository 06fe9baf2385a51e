// src/game/breaches_hooks.cpp -- the village's judgement the breaches ask: its answer to a theft or to
// violence, and its view of the player that the shouts' texts read.
#include "creatures/breaches.h"
#include "society/reputation.h"

static void village_view(VillageStruct v) { socrepSummary(&TARGET_REPSUMMARY, v); }

const BreachHooks breach_hooks = {after_theft, after_violence, village_view};
