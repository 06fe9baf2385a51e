// src/creatures/life.cpp -- stands in until the creatures' life lands: nobody fights, flees, helps
// or dies, and no creature does anything on its turn.
#include "creatures/life.h"
#include "creatures/zoomservices.h"

int onko_NPC_vesielaja(int) { return 0; }
int onko_taistelutilanne(int, int) { return 0; }
int HAAVAPROSENTTI(int) { return 0; }
void NPC_Kuntotarkistus(int) {}
void Pakene(int) {}
int Suorita_Verenhukka(int, int, int, int) { return 0; }
void Tajuttomuustarkistus(int, int) {}
void Ela_Ihminen(int) {}
void Taistelu_Main(int, int) {}
int cre_falls_through_ice(int) { return 0; }
void cre_kill(int, int) {}
void combat_command(int) {}
int comp_partymorale(int) { return 0; }
void comp_tries_talking(int) {}
void comp_count_day(int) {}
