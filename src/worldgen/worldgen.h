// src/worldgen/worldgen.h -- world generation as the rest of the game calls it: entering and leaving
// local maps, preparing the local maps around the player, and the local-map generator.
#pragma once

int rndhouse_main(int x, int y, int creature);   // builds and stores the local map of world cell x, y
void surroundings(int all);        // prepares the local maps of the 5 x 5 cells around the player
void EnterLocale(int kind, int n); // kind 0: zoom in on the world map, out on a local area
void PopuloiZoomalue();            // populates the zoomed area
