// src/core/repsummary.h -- the listener's view of the player as the texts read it: the reports a
// village or a person keeps on her trade, thefts, mischief, violence and help. The village rules
// fill it (society/reputation); the texts' variables only read it. Beside it, how well a person or a
// village knows the player and the words a person addresses her with.
#pragma once
#include <cstdint>

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

// ---- what a person knows of the player ----
// The meeting bits byte of a person (CreatureStruct::greetbits): greeted in this meeting, the player
// has introduced himself; a greeting in talk also marks the visit's greeting (GREET_DONE, people.h).
enum : unsigned { MEET_GREETED = 2, MEET_INTRODUCED = 4 };
enum { NAMEBIT_KNOWS_PLAYER = 2 };   // a person's name bits: it knows the player's name
// The familiarity of a person or a village with the player, 0 (a stranger) up.
struct VillageStruct;
uint32_t basefam(uint32_t visits, uint32_t talks);
uint32_t SocFam(int n, const VillageStruct *v);   // n -1000: the village itself
char *plraddress(int n, int flags);   // how creature n addresses the player; flags bit 0: with dislike
