#include "core/mapupkeep.h"

// Stand in until the map data upkeep, the square events and the store compaction land: nothing on
// the map ages, finishes or is unloaded.
void areal_maintenance() {}
void CarcassMaintenance() {}
void avanto_maintenance(int) {}
void jaatyva_avanto_maintenance(int) {}
void zoomspecial_maintenance(int, int) {}
int PreparedReady(int) { return 0; }
void Valmistunut_DATATYPE(int) {}
void exit_mess() {}
void zoommap_maintenance() {}
