// src/creatures/decisions.h -- how a creature fights: which aspect of a weapon it strikes with, its
// natural attacks, going for a foe, fleeing, and its morale after a wound.
#pragma once
#include "items/items.h"

struct WeaponAnalysis {
    int best;                  // best attack value; -1 when no aspect is usable
    int aspect;                // 0 blunt, 1 edge, 2 point
    int dtype;                 // 0, 2, 4
    int attackclass;
    int randomaspect;
    int randomdtype;
};

WeaponAnalysis analysoi_ase(const ItemStruct &item);
int ase_kayttokelpoinen(const ItemStruct &item);      // 1 when some aspect can strike
int vertaa_aseita(const ItemStruct &a, const ItemStruct &b);   // 1 when a is better, else 2
int NaturalAttackPossible(int n, int i);
int NaturalAttack(int n);                             // 0..2, 1000 none
void NPC_hyokkaa(int n, int target, int stamina);
int NPC_Pakene(int n, int from, int force);           // 1 fled
void NPC_moraalitarkistus_haavoitus(int n, int attacker, int wounds);
void taistelutilanne_puuhakeskeytys(int n);           // its activities end, unless it hunts
int Tarkista_Kumppanit(int n);                        // the player's allies now fighting n
void rauhoita_NPCn_lemmikit(int n);                   // the fighting dogs of n's village calm down
