// src/society/companions.h -- hiring a person as a companion, equipping and paying it, its reports on
// how it fares, parting from it, and the orders given to it with "!". The topics the talk calls (the
// openings, the recruiting tags, the reckoning) are declared in society/chat_topics.h; this header
// holds what the rest of the game and the tests ask besides.
#pragma once
#include <cstdint>

#include "creatures/people.h"

// The words and slot flags a companion keeps in its creature record:
//   companion word (partyflags): the kind of company (2 hunting, 4 work, 8 adventure), 256 joined,
//     512 told to stay, 1024 agreed and waiting for its equipment;
//   recruit word (compterms): 2 recruiting under way, 4 wants food for its days, 8 wants weapons;
//   companion state word (compword, creatures/people.h): hungry, starving, term counting down,
//     escortee, owed wages and the wish to talk;
//   service days and days of service in the spare block (SPARE_PREPAID, SPARE_SERVICE), the neglect
//   count in grouplife, the value at hiring in hirevalue, the wage shortfall in compdebt and the end
//   of a stay in follow[0].
enum : uint32_t { CW_HUNTING = 2, CW_WORK = 4, CW_ADVENTURE = 8, CW_JOINED = 256, CW_STAY = 512, CW_AGREED = 1024 };
enum : uint32_t { RW_RECRUITING = 2, RW_FOOD = 4, RW_WEAPONS = 8 };
// The recruiting byte: never joins; asks the player to wait ("later").
enum : uint8_t { RB_REFUSES = 4, RB_LATER = 64 };
// The wage per day of service: WAGE_PER_DAY (creatures/people.h).
// Nutrition a companion wants in its pack for each day of its term, more than this.
enum { FOOD_PER_DAY = 1200 };

// Whether person n agrees to come along now (days: between the player's last two visits to its
// village). A refusal leaves its sentence in mietelause ("" none).
extern char mietelause[200];
int onko_NPC_varvattavissa(int n, int days);

int NPC_riittavasti_ruokaa(int cre, int days);   // its own food is worth more than days x 1200
// The recruit talked to: 1 when it has what it wants; an agreed recruit joins the party then.
int Tarkasta_Palkkio(int days);
// Its village's stock goods laid down on its square; 1 when all of them were laid down (a stack the
// map has no room for stays in the pack, with a note).
int DropStockItems(int cre);
void ClearRecruitFlags();          // the companion and recruit words of the person talked to

// Work orders; each stops what the companion was doing first.
void compcom_fire(int cre);
void compcom_fell(int cre);
void compcom_carvelog(int cre);
void compcom_splitboard(int cre);
void compcom_butcher(int cre);
void compcom_roast(int cre);

// An attack order to the companions or pets `who`: each says so, the player picks the target square,
// and each that takes the order attacks whoever stands there.
void order_attack(const int *who, int count, const char *prompt);
