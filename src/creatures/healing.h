// src/creatures/healing.h -- treating wounds, the daily healing of the player, and the Wounds screen.
#pragma once
#include <cstdint>

extern int (*body_successroll)(int penalty, int level);   // the rolls of treatment and healing

int Haavan_Hoitotapa(int kind, int level, int part);   // mask of methods; 2048 none external
const char *HoitoTeksti(int m);
int Hoitobittien_lkm(uint32_t bits);
int Toimenpiteen_Seuraus(int n, int slot, int bonus, int fixed);
int Hoida_Haavaa(int n, int slot);                     // always 0
// The Water, Herbs and Bandages lines of a treatment, added to the current material list.
void Lisaa_Haavatarvike_Vesi();
void Lisaa_Haavatarvike_Yrtit();
void Lisaa_Haavatarvike_Side();
void HealInjury(int slot, int points);
void unlethalize(int keep_bleeding);
void HealingRolls();
const char *wound_state_key(int result);               // "WOUND_STATE_..."
int wound_rating(int result);                          // 0 worst .. 6 best
int Wounds();                                          // the chosen slot, -1 none
