// src/society/questoffer.h -- quest offers of villages and wanderers.
#pragma once
#include <cstddef>

// A quest offered in world cell x, y by the village `community` (0 a wanderer); tags may force a kind
// or a person: "force" skips the quest switch and the limits a developer may skip, "[forcequest:k]"
// names the kind and "[forcenpc:n]" the person (a creature of the area). 1 when a quest was made.
int SocQuestCreator(int x, int y, int community, const char *tags);

// The precondition log of the last offer, one line per step ("" before the first).
const char *questoffer_log();

// The quest services an offer asks. They are the quest module's own; a test may answer in their place.
struct QuestOfferServices {
    int (*allowed)();                                  // new quests may be made now
    int (*pick)(const char *tag, int soc, unsigned excludeUid);  // a person of the role, -1000 none
    int (*count)(const char *filter);                  // stored quests matching the filter
    int (*make)(int c, int kind, int x, int y);        // 1 made; -1 its files could not be written
};
extern QuestOfferServices questoffer_services;
void questoffer_services_reset();  // the quest module's own services again
