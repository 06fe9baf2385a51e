// src/worldgen/rndhouse_finish.cpp -- the finishing steps and wild vegetation of a fresh local map:
// they stand in until finishing and vegetation lands, leaving the builders' land as it is.
#include "worldgen/localgen.h"

void ZOOMTERRAIN_Viimeistele() {}
void ELAVOITYS(int) {}
void ZOOMTERRAIN_ViimeistelePuut() {}
void terrain_vegetation() {}
void aseta_luonnonkasvi(int, int, int) {}
// Until the item texts land no object carries the "CULTIVATED" tag, so a field is sown with nothing.
int cultivated_crop(int) { return 0; }
