// src/core/repsummary.h -- the listener's view of the player as the texts read it: the reports a
// village or a person keeps on her trade, thefts, mischief, violence and help. The village rules
// fill it (society/reputation); the texts' variables only read it, and ask the words a person
// addresses her with through listener_hooks.
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

// What the texts ask of the village rules about the listener.
struct ListenerHooks {
    char *(*player_address)(int n, int flags);   // how creature n addresses the player
};
extern const ListenerHooks listener_hooks;
