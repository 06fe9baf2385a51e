// src/creatures/breaches.h -- what village people do about the player's breaches (thefts, violence,
// murders, mischief, banishment), the collection of debts and the fetching back of goods, and the
// robbers: snatching goods, starting a robbery and taking the player's goods.
#pragma once
#include <cstdint>

#include "items/ownership.h"

enum { ROBITEMS_SIZE = 1024 };
extern char rob_items_string[ROBITEMS_SIZE];   // the goods robbed, each "description, "
extern float &ROBBERY_LOAD;        // the player's load when a robbery was settled in talk (her record)

int aggtalk(int n, unsigned kind, unsigned char flags);   // 1 when shouted
bool vio_act(int n);               // true when the reaction used the tick
void breachrun_theft(int soc);
void breachrun_violence(int soc, unsigned char kinds);
void breachrun_banish(int soc, int minutes, unsigned kinds);
void breachrun_mischief(int soc, int kind, int weight);
// Mischief done on the land of the village owning her world cell, booked only when somebody lives
// there: a village with nobody in it keeps no books.
void breachrun_mischief_here(int kind, int weight);
bool banish_condition(int soc);
bool clever_thievery(int n);
int PUUHA_varjosta(int n);
int PUUHA_perinta(int dp, int n);
void PUUHASE_reclaimnearest(int n);
int PUUHASE_snatchnearest(int n);
int Ryostele(int n);
void PUUHASE_rosmous(int n);
int rob_items(int victim, int n, unsigned char check);
void Shout_comebarter(int n);
// The player leaves or holds goods of the society: taken goods seen (or forced) turn into debts, and
// the villagers call her back or ask her to barter.
void burglary(int soc, int force);


// The player picks up count units of an owned item; answers the item position she gets. A member of
// the owning community who has her in sight books it as a debt, else it is marked taken.
int owned_item_catch(OwnerStruct owner, int position, int count, int unseen);
