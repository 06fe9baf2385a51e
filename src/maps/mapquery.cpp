// Stands in until the map queries land: open sky everywhere, no fireplaces.
#include "maps/mapquery.h"

int indoors(int, int) { return 0; }
int onkokatto(int, int) { return 0; }
int onkotulisija(int c) { return c == 4 || c == 5; }
