// src/creatures/body.cpp -- stands in until the body module lands: an unhurt, rested body that no
// tick changes.
#include "creatures/body.h"

void FatigueTick(int, int) {}
void PhysicalTick(int, int) {}
void AsetaPonnistelu(int, int) {}
const char *effortdesc(int) { return "normal"; }
void Alusta_Ponnisteluanalyysi() {}
void Kerro_Ponnisteluanalyysi() {}
void Haavatarkistukset(int) {}
void Condition_Check(int) {}
void PlayerUnconscious() {}
void HealingRolls() {}
void Aseta_Etulyontiasema(int) {}
void plr_set_deathcause(int) {}
void HAAVOITA(int, int, int, int, int, const char *) {}
float plr_fatigue() { return 0.0f; }
int plr_tiredness() { return 0; }
int plr_injury_total() { return 0; }
