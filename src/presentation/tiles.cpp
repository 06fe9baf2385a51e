#include "presentation/tiles.h"

// No tiles are loaded until the tile module lands.
void NewGfx_loadtiledata() {}
// Stands in until the tile module lands: no tile to recolour.
void ColorModOxaTile(const char *, SDL_Color, SDL_Color) {}
