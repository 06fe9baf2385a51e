// src/society/questoffer.h -- quest offers of villages and wanderers.
#pragma once
#include <cstddef>

// A quest offered in world cell x, y by the village `community` (0 a wanderer); tags may force a kind
// or a person: "force" skips the quest switch and the limits a developer may skip, "[forcequest:k]"
// names the kind and "[forcenpc:n]" the person (a creature of the area). 1 when a quest was made.
int SocQuestCreator(int x, int y, int community, const char *tags);

// The precondition log of the last offer, one line per step ("" before the first).
const char *questoffer_log();

// The first person of the current map with a role of `tags` ("[man]", "[old man]" ...) in community soc
// who holds no quest, is no companion, robber or raider, and whose social id is not excludeUid;
// CRE_NONE when none.
int pick_socsivuNPC(const char *tags, int soc, unsigned excludeUid);
int NewQuestsAllowed();               // 1 when the limits allow a new quest today

// One row of the quest kinds: who gives it and when it may be offered.
struct QuestKindRow {
    int kind;
    const char *role;      // role tags of the giver
    int mindays;           // days played; QUEST_DAYS_CARRIED: those of the offer's try before
    int gap;               // days within which no other quest of the kind may have been made
    int minfam;            // familiarity
    int minpeople;         // -1: the default (3 in a village, 0 for a wanderer)
    int maxpeople;
    int month1, month2;
    int minrep;            // -1: the default (3 in a village, 1 for a wanderer)
};
enum { QUEST_DAYS_CARRIED = -1 };
// The row of `kind`; a kind without a row gets the row for any other forced kind.
const QuestKindRow &quest_kind_row(int kind);
enum { QUEST_DRAW_KINDS = 15, QUEST_WANDERER_KIND = 38 };
int quest_draw_kind(int i);           // the village draw table, i from random(QUEST_DRAW_KINDS)

// The services an offer asks: the limits, the role's person and the stored quests are the society's
// own, the making of the quest the quest module's; a test may answer in their place.
struct QuestOfferServices {
    int (*allowed)();                                  // new quests may be made now
    int (*pick)(const char *tag, int soc, unsigned excludeUid);  // a person of the role, -1000 none
    int (*count)(const char *filter);                  // stored quests matching the filter
    int (*make)(int c, int kind, int x, int y);        // 1 made; -1 its files could not be written
};
extern QuestOfferServices questoffer_services;
void questoffer_services_reset();  // the quest module's own services again
