// src/society/reputation.h -- how a village judges the player: familiarity, the reports on trade,
// thefts, mischief, violence and help with their nouns and sentences, the village's answer to a
// misdeed, and the words a person addresses the player with.
#pragma once
#include <cstdint>

#include "creatures/people.h"   // basefam, SocFam
#include "society/village.h"

// One report: its level 0 (worst) to 6 (best), 3 neutral; its class 0 bad, 1 neutral, 2 good; the
// noun ("fair barterer") and the sentence ("You seem like a fair barterer.").
struct RepReport {
    uint8_t level;
    uint8_t cls;
    char noun[100];
    char sentence[1024];
};
static_assert(sizeof(RepReport) == 1126, "RepReport");

// The reports of one village or person, then the overall level and the familiarity.
struct RepSummary {
    RepReport trade;           // 0
    RepReport theft;           // 1126
    RepReport mischief;        // 2252
    RepReport violence;        // 3378
    RepReport familiarity;     // 4504
    RepReport help;            // 5630
    uint8_t overall;           // 6756
    uint8_t familiarity_level; // 6757
};
static_assert(sizeof(RepSummary) == 6758, "RepSummary");

extern RepSummary TARGET_REPSUMMARY;   // the listener's view of the player, read by the chat texts

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

char *plraddress(int n, int flags);   // how creature n addresses the player; flags bit 0: with dislike

// The nouns of the reports, by level 0..6; level 3 is neutral and has none.
extern const char *const REPNOUN[7];             // trade
extern const char *const REPNOUN_STEALING[7];
extern const char *const REPNOUN_MISCHIEF[7];
extern const char *const REPNOUN_VIOLENCE[7];
extern const char *const REPNOUN_HELP[7];
extern const char *const REPNOUN_QUESTHELP[7];
extern const char *const REPNOUN_FAMILIARITY[7];
enum { NAMEBIT_KNOWS_PLAYER = 2 };   // a person's name bits: it knows the player's name
