// src/game/encountupkeep.h -- the wandering groups of the world map: each encounter record expires or
// wanders a cell at a time, and raiders far to the east may set up camp.
#pragma once

void encount_maintenance(int n);       // one upkeep step of encounter record n
int NjerpezRaiderProb(int x, int y);   // the chance in percent that raiders camp at world cell x, y
