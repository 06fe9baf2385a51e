// src/presentation/tiles.h -- tile pictures by name.
#pragma once

void NewGfx_loadtiledata();
#include <SDL2/SDL.h>
// Reloads the named tile with the colour layers a and b, when the tile exists.
void ColorModOxaTile(const char *name, SDL_Color a, SDL_Color b);
