// src/creatures/life.cpp -- stands in until the creatures' life lands: people live no everyday life,
// nobody falls through ice and companions neither talk nor count their days.
#include "creatures/life.h"
#include "creatures/zoomservices.h"

int onko_NPC_vesielaja(int) { return 0; }
void Ela_Ihminen(int) {}
int cre_falls_through_ice(int) { return 0; }
int comp_partymorale(int) { return 0; }
void comp_tries_talking(int) {}
void comp_count_day(int) {}
