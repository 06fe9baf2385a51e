// src/activities/waterway.h -- the player's step into water and the watercraft: wading, swimming,
// launching and poling a craft, and the load a craft carries.
#pragma once

int watercraft_datapos(int x, int y);   // the first watercraft on the square; -1 none
int SestaStatus();                // 2 a paddle wielded, 1 a pole, 0 neither
int transcap(int who, int x, int y);    // the craft on the square: 0 none, 1 within its load, -1 overloaded
// Below 14 degrees the water's coldness is told; with ask the answer to entering it (1 without).
int cold_water_confirmation(int x, int y, int ask);
// The player steps onto open water at x, y: 1 the step goes on, 0 or -1 it stops (no time spent).
int WaterwayCheck(int x, int y);
// One turn of swimming: the swim roll's result, -1 when the swimmer drowns. A test may point it
// elsewhere to swim for the player.
extern int (*WaterSwimTurn)(int mode);
