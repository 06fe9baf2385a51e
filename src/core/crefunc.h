// src/core/crefunc.h -- creature queries other subsystems ask.
#pragma once
#include <cstdint>

int CreAgeInDays(int creature);       // days since its birth day; 1000 with no birth known
int CreAgeInMonths(int creature);     // whole months of it; 33 with no birth known
float FullWeightLoad(int creature);    // pounds, with what it carries; -1 the player
// What a creature carries, in pounds: its pack, and what it wears and wields past a fifth of its body
// weight; counted afresh, beyond the 255 its load byte stops at. 0 for an empty slot.
float cre_carried(int creature);
// Its load as the load byte keeps it (rounded up), counted afresh where the byte stands at its cap.
float cre_load(int creature);
// The living people of the culture whose home is world cell wx, wy in the creature table; 0 none.
int Cre_home_people(int wx, int wy, int culture);

char *monnam(int n, int flags);    // display name in a scratch buffer: flags 0 plain, 2 with "the"
struct CreatureStruct;
char *monnam_cre(const CreatureStruct &record, int flags);   // named from a scratch copy
// The creature on the square, asking which when several are: -1 none, -1000 the question was cancelled.
int cre_xy_select(int x, int y);
int is_human(int n);                  // kind 1; the player too
int onko_NPC_nainen(int n);           // role 14
int is_socmember(int n);              // a member of a village society
int lentaako_NPC(int n);
int onko_NPC_lintu(int n);            // a bird or a flier; -1 tests the working record Creature
int onko_NPC_kumppani(int n);         // the player's companion (a person in mode 6 becomes one here)
int onko_NPC_kesyelain(int n);        // the player's pet
// Companion flag word (the four companion flag bytes read as one word).
enum : uint32_t {
    CF_HUNGRY = 1u << 0, CF_STARVING = 1u << 1, CF_UNHAPPY = 1u << 2, CF_ESCORTEE = 1u << 8,
    CF_GIFT = 1u << 3, CF_ATDEST = 1u << 9, CF_OWING = 1u << 18, CF_LEFTPARTY = 1u << 30, CF_WANTSTALK = 1u << 31,
};
uint32_t compword(int n);             // the companion flag word of creature n; 0 for an empty slot
int sotu_Crepos(unsigned socialid);   // the creature of the area with the social id, -1000
struct ItemStruct;
int npcleash_check(const ItemStruct &item);   // the creature on the leash, -1000 none or gone
