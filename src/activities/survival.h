// src/activities/survival.h -- small work of the wild: building a fire on a square, cutting branches
// or twigs from a tree, making a hole in the ice, and lighting or putting out a carried light.
// SURVIVAL_fire, SURVIVAL_branches and SURVIVAL_icehole are the command dispatcher's entries (at the end).
//
// A burning fire is one pool record of type 8: count the fuel it was lit with, id the burnt minutes of
// the fire remains it was lit over (0 none), flags the heat value of the square, day the remains' day
// or the day it was lit, spent_minutes the running minute of lighting.
#pragma once

// Puts a burning fire on x, y with `fuel` (10 for the player's own fire; people lighting one to roast
// their meat give more) and lets the smoking work near it go on.
void SetFireBurning(int x, int y, int fuel);
// The smoking work in the same room within 19 squares of a fire on x, y gets `minutes` more smoke.
void SmokePreparingGoods(int x, int y, int minutes);
// Lights (on 1) or puts out (0) the light carried in pack slot `slot`.
void light(int slot, int on);

// ---- the work the action codes hand on to ----
int SURVIVAL_branches();
int SURVIVAL_fire();
int SURVIVAL_icehole();
