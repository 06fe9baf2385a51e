// src/items/plantlife.h -- plant records of a local map's data pool and their year: states,
// withering, daily growth, the notes and descriptions of a patch, grazing and soil frost.
#pragma once
#include <cstdint>

enum {
    DT_PLANT_DORMANT = 'A',    // a plant record resting until its sprouting month
    DT_PLANT_PICKED = 'B',     // withered or picked, waiting to sink back to dormancy
    PLANT_GROWING = 0, PLANT_RIPE = 1, PLANT_FLOWERING = 2, PLANT_WITHERED = 'd',
    PLANT_WITHER_MAX = 15,
};

void VegetationGrowth();                   // one day of growth for every plant record of the map
void Kuihduta_Kasvia(int n, int amount);   // withers plant record n by amount
int onko_KASVI_kuihtunut(int n);           // 1 when withered
int onko_KASVI_korjuukypsa(int n);         // 1 when ripe or flowering
int KASVIDATA_kuihtumisarvo(int n);        // the withering value 0..15
int KASVIDATA_kasvupaivat(int n);          // days grown, held at 255
void KASVIDATA_harvestinfo(int n);         // tells the player when the patch ripens or withers
const char *KASVIDATA_infostr(int n);      // the patch's line in the map's item lists
int dp_laidunnettavissa(int n, int size);  // 1 when an animal can graze record n
// Who can graze a plant of object obj unripe, as dp_laidunnettavissa answers for a growing record of it.
enum { GRAZED_BY_NONE = 0, GRAZED_BY_ALL = 1, GRAZED_BY_SIGNED = 2 };   // SIGNED: a diet word below zero
int plant_grazed_by(uint32_t obj);
int maapera_roudassa(int tell);            // 1 frozen, 2 frosty, 0 thawed; tell: say it
