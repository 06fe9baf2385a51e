// src/society/village.h -- village societies: the cached village record and the upkeep that map
// entry and loading call.
#pragma once

int SaveGlobVil();                 // writes the cached village; 1 when written (or nothing cached)
void clrGlobVil();                 // empties the cached village (id -1000)
void createsocarea(int x, int y, int size);
void socmaint(int x, int y);
void kyla_maintenance(int x, int y);
void field_maintenance(int x, int y);
int socpopulation(int soc);        // the people of a society; 0 none
