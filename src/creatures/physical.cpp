// Stands in until the body module lands: an unhurt, unhindered body.
#include "creatures/physical.h"

uint8_t PLAYER_SLEEPING;

const char *BODYPART(int, int) { return "body"; }
int RandomBodypart(int, int) { return 0; }
int SetInjury(int, int, int, int, int) { return 0; }
int ENCUMBRANCE_PENALTY(int) { return 0; }
int FATIGUE_PENALTY(int) { return 0; }
int PHYSICAL_PENALTY(int) { return 0; }
int ACTUAL_MOBILITY(int) { return 50; }
int MAX_MOBILITY(int) { return 50; }
int nalantunne(int) { return 0; }
const char *VasymysTeksti(int, int) { return ""; }
