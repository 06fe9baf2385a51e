// src/creatures/life.cpp -- stands in until the creatures' life lands: nobody falls through ice and
// no creature is a water walker.
#include "creatures/life.h"
#include "creatures/zoomservices.h"

int onko_NPC_vesielaja(int) { return 0; }
int cre_falls_through_ice(int) { return 0; }
