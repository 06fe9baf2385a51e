#include "maps/mapborder.h"

// Stands in until the map descriptions land: there are no information boxes to redraw.
void MapBorderInfo() {}
