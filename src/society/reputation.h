// src/society/reputation.h -- what a village and its people make of the player: the reports a village
// keeps on her and its answer to a misdeed (creatures/villagejudge.h), how well a person knows her and
// the words it addresses her with (core/repsummary.h: `plraddress`, where the texts reach it).
#pragma once
#include <cstdint>

#include "core/repsummary.h"     // RepReport, RepSummary, TARGET_REPSUMMARY, plraddress
#include "creatures/people.h"   // basefam, SocFam
#include "creatures/villagejudge.h"   // the reports and the answer to a misdeed
#include "society/village.h"
