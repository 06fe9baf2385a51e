// src/maps/vilplace.h -- where a village lies: the society area made for the settlement cells of the
// world map, and the village's centres.
#pragma once

int createsocarea(int x, int y, int flags);   // the society of the settlement cells around x, y
int isloc_soccenter(int soc, int wx, int wy);
int locdist_soccenter(int soc, int wx, int wy);   // cells from the centre; 1000 when none is known
