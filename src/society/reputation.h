// src/society/reputation.h -- the words a person addresses the player with; the reports a village
// keeps on her and its answer to a misdeed are creatures/villagejudge.h.
#pragma once
#include <cstdint>

#include "core/repsummary.h"     // RepReport, RepSummary, TARGET_REPSUMMARY
#include "creatures/people.h"   // basefam, SocFam
#include "creatures/villagejudge.h"   // the reports and the answer to a misdeed
#include "society/village.h"

char *plraddress(int n, int flags);   // how creature n addresses the player; flags bit 0: with dislike
                                      // (the texts reach it through listener_hooks)

enum { NAMEBIT_KNOWS_PLAYER = 2 };   // a person's name bits: it knows the player's name
