// src/creatures/perception.h -- what the creatures of the local area notice and how they answer: the
// world's noise, smell, hearing, the player's hideout, seeing the player and each other, the relations
// between two bodies, threat reactions, the group's answer and the bonds of friendship and foeship.
#pragma once
#include <cstdint>

extern int AANI_X, AANI_Y, AANI_TASO, AANI_AIHEUTTAJA;   // the loudest noise of the turn
extern int CLOAK;                  // the player cannot be perceived
extern int STEALTH_REASONABLE;     // a creature tried to perceive the player
extern int IHMISUHKA;              // the console's switch; no rule of the game reads it

void aseta_maailmaan_meteli(int x, int y, int level, int source);
void setNPCnoise(int who, int level);
int NPC_vainuaa(int n, int pos, int target);
int kuulohavainto(int n, int x, int y, int level);
int huomaako_NPC_piilopaikan(int n, int pos);
void Havaitse_PLR(int n, int pos);
int Havaitse_Olio(int n, int m);
void Reagoi_Olentoihin(int n);
int ihminen_vs_ihminen(int a, int b);
int elain_vs_elain(int a, int b);
int saaliselain(int a, int b);
int riistaelain(int a, int b);
int ovatko_NPCt_yhteisossa(int a, int b);
// 1 when creature a shares a community with no creature at all as things stand: an animal outside
// any community, of a kind that never herds (ovatko_NPCt_yhteisossa answers 0 for it and any other).
int yhteisoton_elain(int a);
int NPC_uhkareagointi(int n, int t);
void RYHMA_moraalitarkistus(int n, int t);
void set_NPC_friendship(int n, int d);
void set_NPC_foeship(int n, int d);
void set_NPC_alertness(int n, int d);
int ELAIN_counterstrike_halukkuus(int n);
// The range in squares of a morale figure: f / 10 + 1, 0 for 0.
int morale_range(int f);
// n goes for t (the player -1), fighting when it has the means; n flees from t.
void cre_attacks(int n, int t, int how);
void cre_flees(int n, int t);
