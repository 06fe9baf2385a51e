// src/maps/area.h -- the terrain table.
#pragma once

char *terrain_desc(int c);         // the description of a terrain char
char *terrain_tilename(int c);     // its tile name
