// src/maps/worldsearch.h -- searches over the world map that place things for other subsystems.
#pragma once
#include <SDL2/SDL.h>

// A world cell between rmin and rmax cells from (x, y) that suits; (0, 0) when none.
SDL_Point FindBigmapLoc(int x, int y, int rmin, int rmax, unsigned flags, int culture, int c);
