// src/creatures/physical.h -- the body as the core and the panels ask about it: body parts,
// injuries, penalties, speed, limbs and sleep.
#pragma once
#include <cstdint>

extern uint8_t PLAYER_SLEEPING;

const char *BODYPART(int part, int who);       // the name of body part 0-18 for that body
int RandomBodypart(int zone, int who);         // a hit location; sets Side
int SetInjury(int points, int part, int level, int bleeding, int type);   // the slot used

// ---- exertion and fatigue ----
int FatigueRate(int who);                      // at least 1

// ---- penalties in percent ----
enum { PEN_INJURY = 1, PEN_FATIGUE = 2, PEN_STARVATION = 3, PEN_ENCUMBRANCE = 4 };
int ENCUMBRANCE_PENALTY(int who);
int INJURY_PENALTY(int who);
int STARVATION_PENALTY(int who);
int FATIGUE_PENALTY(int who);
int PENALTY_bitget(int who, int bit);
int Laske_BITFIELD_Penalty(int who, int mask);
int pBITFIELD_mobility();                      // 22
int PHYSICAL_PENALTY(int who);
int Physical_Penalty();
int ENDURANCE_INDEX(int who);

// ---- speed and limbs ----
int MOBILITY(int who);                         // tenths of km/h
int MAX_MOBILITY(int who);
int ACTUAL_MOBILITY(int who);                  // after penalties; -1 unable to move
// Disability ratio 0..1 of a limb group (2 arms, 3 hands) on side 1 or 2 of the player (-1)
// or a creature.
float INVALIDITEETTI(int who, int group, int side);
float INVASUHDE_liikuntaelimet(int who);       // the legs: 0 sound .. 1 unable
const char *HK_liikuntaelimet(int who);        // the leg-injury phrase; "" none
float Pettaako_Fysiikka(int who, int which, int extra);
int Fysiikan_Tarkistus();
int is_running(int who);
int pokertynyt(int who);                       // dazed: combat profile 3 or 4
int nalantunne(int who);                       // the player's hunger feeling 0..255; -1 others
const char *VasymysTeksti(int value, int form);   // form 0 the panel word, else the subject words
