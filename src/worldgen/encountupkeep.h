// src/worldgen/encountupkeep.h -- the wandering groups of the world map: each encounter record expires or
// wanders a cell at a time, raiders far to the east may set up camp, new groups are kept near the
// player and those left far behind are dropped.
#pragma once

void encount_maintenance(int n);       // one upkeep step of encounter record n
int NjerpezRaiderProb(int x, int y);   // the chance in percent that raiders camp at world cell x, y
void WorldMap_Populate(int param);    // new groups near the player on the world map
void WorldMap_Maintenance();          // groups over 100 cells away are dropped
