// src/creatures/talkstart.h -- a person of the map opens a talk with the player: a companion or a
// villager walking up to talk, a collector speaking of a debt, a robber making his demand, a person
// telling of its quest. The talk itself is the society's.
#pragma once

struct TalkStartHooks {
    void (*prepare)(int cre, int topic);   // the talk with person cre set up on a topic (ASIA_*)
    void (*hold)(int mode);                // the talk held; 8 the talk set up
    void (*debt)(int cre);                 // cre speaks of what the player owes its village
    void (*robbery)(int cre);              // cre, a robber, makes his demand
    void (*quest)(int cre);                // cre speaks of its quest
};
extern const TalkStartHooks talk_start_hooks;
