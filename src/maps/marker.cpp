#include "maps/marker.h"

#include <cstring>

#include "maps/mapunit.h"
#include "maps/zoomstore.h"

// Stands in until the marker module lands: the records and the world cell of a square, no files.
ZoomExtraStruct ZoomExtra[ZOOMEXTRA_COUNT];

int zoomextra_kohta(int x, int y) {
    int free_at = -1;
    for (int i = 0; i < ZOOMEXTRA_COUNT; i++) {
        if ((int16_t)ZoomExtra[i].x == x && ZoomExtra[i].y == y && x != 0) return i;
        if (free_at < 0 && ZoomExtra[i].x == 0) free_at = i;
    }
    return free_at < 0 ? 0 : free_at;
}

void remove_ZoomExtra(int x, int y) {
    for (ZoomExtraStruct &z : ZoomExtra)
        if ((int16_t)z.x == x && z.y == y) memset(&z, 0, sizeof z);
}

int kohtaIsoX(int x) { return bigmap() ? x : (int)Plr.world_x + find_zoom_x(x, 0); }
int kohtaIsoY(int y) { return bigmap() ? y : (int)Plr.world_y + find_zoom_y(y, 0); }
int IsoX() { return kohtaIsoX(PlayerX); }
int IsoY() { return kohtaIsoY(PlayerY); }

// The marker files stand in too: nothing is read or written, every cell was visited today.
int LoadMarkerFiles() { return 1; }
int SaveMarkerFile() { return 1; }
int SaveExtraMarkerFile() { return 1; }
int Mapinfo_LastDay(int, int) { return (int)Plr.daynumber; }
unsigned Mapinfo_socID(int x, int y) {
    for (const ZoomExtraStruct &z : ZoomExtra)
        if ((int16_t)z.x == x && z.y == y && x != 0) return z.socid;
    return 0;
}
int ExtraMarkers_in_use() { return 0; }
