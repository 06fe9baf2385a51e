// src/creatures/villagejudge.h -- how a village judges the player: the reports on trade, thefts,
// mischief, violence and help with their nouns and sentences, and the village's answer to a misdeed,
// as the breaches, the talk and the offers of quests ask them.
#pragma once
#include <cstdint>

#include "core/repsummary.h"   // RepReport, RepSummary, TARGET_REPSUMMARY
#include "core/vilrecord.h"    // VillageStruct

void socrepTrade(RepReport *r, VillageStruct v, int n);
void socrepTheft(RepReport *r, VillageStruct v);
void socrepMischief(RepReport *r, VillageStruct v);
void socrepHelp(RepReport *r, VillageStruct v);
void socrepViolence(RepReport *r, VillageStruct v);
void socrepSummary(RepSummary *s, VillageStruct v);
void npcrepSummary(RepSummary *s, int n);

// The village's answer to a misdeed: 0 nothing more, 2 banishment, 3 long banishment.
uint32_t after_theft(int soc);
uint32_t after_violence(int soc);
uint32_t after_mischief(int soc);

// The nouns of the reports, by level 0..6; level 3 is neutral and has none.
extern const char *const REPNOUN[7];             // trade
extern const char *const REPNOUN_STEALING[7];
extern const char *const REPNOUN_MISCHIEF[7];
extern const char *const REPNOUN_VIOLENCE[7];
extern const char *const REPNOUN_HELP[7];
extern const char *const REPNOUN_QUESTHELP[7];
extern const char *const REPNOUN_FAMILIARITY[7];
