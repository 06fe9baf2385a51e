#include "presentation/tiles.h"

// No tiles are loaded until the tile module lands.
void NewGfx_loadtiledata() {}
