#include "core/mapupkeep.h"

#include "core/records.h"
#include "creatures/creatures.h"
#include "maps/plrlink.h"

// Stand in until the map data upkeep lands: nothing on the map ages.
void areal_maintenance() {}
void CarcassMaintenance() {}
void avanto_maintenance(int) {}
void jaatyva_avanto_maintenance(int) {}
void zoomspecial_maintenance(int, int) {}

