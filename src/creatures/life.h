// src/creatures/life.h -- the life of a creature on its turn: condition, reactions, perception,
// everyday life, fleeing and fighting, and the companions' daily morale.
#pragma once
#include "core/crefunc.h"   // onko_NPC_kumppani
#include "creatures/people.h"

int onko_NPC_kesyelain(int c);             // the player's pet
int taisteleeko_NPC(int c);                // fighting
int onko_taistelutilanne(int who, int mode);   // a conscious foe stands next to the player
int HAAVAPROSENTTI(int c);                 // wound percentage
void NPC_Kuntotarkistus(int c);
void Pakene(int c);                        // steps aside and flees from the player
int Suorita_Verenhukka(int c, int x, int y, int mode);   // non-zero when bleeding ended the turn
int Tajuttomuustarkistus(int c, int stay);   // 1 while still unconscious
int Nouse(int who);                        // non-zero when it got up
void Reagoi_Olentoihin(int c);
void Havaitse_PLR(int c, int pos);
void Ela_Elain(int pos);
void Ela_Haltija(int pos);
void Taistelu_Main(int c, int pos);
int combatwise_dp(int c, int x, int y);    // pool position worth picking up, or -1000
int cr_pickup(int c, int pos, int count);  // non-zero when picked up
void cre_kill(int c, int mode);            // dies where it stands
void combat_command(int key);
int spendtask_helpers(char *names, int size);   // helpers on the player's task, their names
