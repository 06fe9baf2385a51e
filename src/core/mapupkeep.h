// src/core/mapupkeep.h -- upkeep of the things on the current map: catch-up on entry, carcasses,
// holes in the ice, finished work and the party's stack.
#pragma once
#include "core/squareevents.h"

void areal_maintenance();          // the catch-up when a local map is entered
void CarcassMaintenance();
void avanto_maintenance(int n);
void jaatyva_avanto_maintenance(int n);
void zoomspecial_maintenance(int x, int y);
void zoommap_maintenance();        // compaction of the local-map store
void zoommap_check();              // the store listed in "debug_zoommaps.txt"
