// src/creatures/body.cpp -- the body's services that fighting owns: they stand in until fighting
// lands.
#include "creatures/body.h"

// The forward stance of the melee exchange stands in until fighting lands.
void Aseta_Etulyontiasema(int) {}
// Wounding in combat stands in until fighting lands: the blow leaves no wound.
void HAAVOITA(int, int, int, int, int, const char *) {}
