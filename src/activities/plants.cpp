// src/activities/plants.cpp -- plant records and their year. Stands in until the plant year lands:
// nothing grows, nothing withers, the ground never freezes.
#include "activities/plants.h"

void VegetationGrowth() {}
void Kuihduta_Kasvia(int, int) {}
int onko_KASVI_kuihtunut(int) { return 0; }
int onko_KASVI_korjuukypsa(int) { return 0; }
int KASVIDATA_kuihtumisarvo(int) { return 0; }
int KASVIDATA_elinaika(int) { return PLANT_WITHER_MAX; }
int KASVIDATA_kasvupaivat(int) { return 0; }
void KASVIDATA_harvestinfo(int) {}
const char *KASVIDATA_infostr(int) { return ""; }
int dp_laidunnettavissa(int, int) { return 0; }
int maapera_roudassa(int) { return 0; }
