// src/maps/burning.h -- a fire and what lies in its square: the fuel there, whether there is kindling
// enough to light it, and what burns up; how long a fire has burnt, the heat of a fire or its
// remains and the air temperature at a spot.
#pragma once

// With "[light]" in text: -2 no kindling, 1 kindling enough, -1 too little with other fuel, 0 too
// little and nothing else. Otherwise the fuel value of the square; burn 1 burns what burns there.
int PolttoTarkistus(int x, int y, int burn, const char *text);
// The same, for the square the last check read when nothing in the pool has changed since (the last
// check itself aside): only the records that check met there are read again.
int PolttoTarkistus_again(int x, int y, int burn, const char *text);

// ---- fire sites: how long a fire has burnt and the heat of a fire or its remains at a square ----
int firesite_last_diemins(int n);
int firesite_total_burnmins(int n);
int RemainsHeat(int x, int y);
int lampoarvo(int x, int y, int mode);
int ota_lampoarvo(int x, int y, int mode);
float Mittaa_Lampotila(int x, int y);
