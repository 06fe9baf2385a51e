// src/creatures/weaponchoice.h -- what a person takes into its hands for a fight: the best weapon of
// its pack for its best skill, a bow when shooting is worth it, a shield and how to hold it; and the
// foe it keeps track of.
#pragma once
#include "items/items.h"

// ---- what an item is, for a fight ----
int onko_JOUSIPYSSY(const ItemStruct &item);   // a bow or crossbow (never an arrow)
int onko_NUOLI(const ItemStruct &item);        // an arrow
int onko_MELEEASE(const ItemStruct &item);     // a weapon to strike with: no launcher, arrow or stone
int onko_HEITTOASE(const ItemStruct &item);    // an arrow, or a weapon made to be thrown
int onko_JOKU_jousimies(int n);                // 1 when n holds a launcher (hand 1, else hand 2)

// ---- the foe ----
// Fills the foe's number, square and distance below; 0 when n has no foe worth the name.
int OtaVihollisenTiedot(int n);
extern int vihollinen, vihollinen_x, vihollinen_y, vihollisen_etaisyys;
void Aseta_Vihollinen(int n, int enemy);        // enemy -1 the player

// ---- weapons in hand ----
int NPC_paras_taistelukyky(int n, int mode);   // skill entry 0..3 (mode 2: the best of another name), -1
int NPC_jousi_perusteltu(int n, int check);    // 1 when shooting is worth it
int NPC_nuoli(int n, int take);                // item position of an arrow in the pack, 0 none
int NPC_wield(int n);                          // 1 when it took a weapon into its hand
void NPC_unwield(int n, int which);            // 0 both hands, 1 hand 1, 2 hand 2
int NPC_shieldwield(int n);                    // 1 when it took a shield
void NPC_selectshieldmode(int n);
// One arrow leaves the bow of creature c at its foe; 1 when it was shot.
int NPC_ammu(int c, int bow);
