// src/creatures/physical.h -- the player's body as the core and the panels ask about it: body parts,
// injuries, penalties, speed and sleep.
#pragma once
#include <cstdint>

extern uint8_t PLAYER_SLEEPING;

const char *BODYPART(int part, int who);       // the name of body part 0-16
int RandomBodypart(int zone, int who);         // a hit location
int SetInjury(int points, int part, int level, int bleeding, int type);   // the wound slot
int ENCUMBRANCE_PENALTY(int who);              // percent, 0 none
int FATIGUE_PENALTY(int who);
int PHYSICAL_PENALTY(int who);
int ACTUAL_MOBILITY(int who);                  // tenths of km/h after penalties
int MAX_MOBILITY(int who);
int nalantunne(int who);                       // the hunger feeling measure
const char *VasymysTeksti(int value, int form);   // the wording of the player's weariness
