#include "maps/area.h"

// Stands in until the terrain table lands: every char is undescribed and has no tile.
char *terrain_desc(int) { static char none[1]; return none; }
char *terrain_tilename(int) { static char none[1]; return none; }
