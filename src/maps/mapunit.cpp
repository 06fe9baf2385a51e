#include "maps/mapunit.h"

#include <cstdlib>

int koordinaattien_vali(int x1, int y1, int x2, int y2) {
    int dx = abs(x1 - x2), dy = abs(y1 - y2);
    return dx > dy ? dx : dy;
}

// Stands in until the map layers land: the world map is current when the record names it.
#include "core/records.h"
#include <cstring>
int bigmap() { return strncmp(Plr.mapname, "BIGMAP", sizeof Plr.mapname) == 0; }

// Stands in until the map layers land: every square is blank.
int get_mapchar(int, int) { return 32; }
