// src/creatures/fightvillage.h -- what a fight asks of the village a fighter belongs to: its record
// of violence, the murders done to it, its people, and the shouts and checks of villagers who
// reclaim goods, banish the player or beat her.
#pragma once

// ---- the village's record of violence ----
int fight_violence_flag(int soc);              // 1 while the village answers violence
void fight_clear_violence_flag(int soc);
void fight_breach_violence(int soc, int kinds);   // bit 0 a blow at a villager, bit 1 a beating
// The record's state for the end of a beating: 1 when settled; *nobeat 1 when it allows no beating;
// the two counts of violence.
int fight_violence_record(int soc, int *nobeat, int *first, int *second);
void fight_after_violence(int soc);            // what the village does once the beating is over
// ---- deaths ----
void fight_murder(int soc);                    // the player killed one of its people
void fight_leave_population(int n, int soc);   // the dead leaves the village's people
// ---- villagers' fights ----
int fight_aggtalk(int n, unsigned kind, unsigned char flags);   // an angry shout; 1 when shouted
void fight_reclaim_check(int soc);
int fight_clever_thievery(int n);
int fight_banish_condition(int soc);

// A companion leaves the player's party.
void fight_unjoin(int n);

// The end of a beating: 1 when the beater n should stop.
int turpakarajat_ohi(int n);
