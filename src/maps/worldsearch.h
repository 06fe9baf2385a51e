// src/maps/worldsearch.h -- searches over the world map and the current map that place things for
// other subsystems: a world cell of a wanted kind, a village, the nearest cell of a char, the land
// around a cell, a pen of animals, an indoor spot, the square ahead, and the pool of candidate squares.
#pragma once
#include "base/ui.h"

// The nearest hit of the last Etsi_Karttamerkki: world cell, distance and compass direction.
extern int X_Karttamerkki, Y_Karttamerkki, Etaisyys_Karttamerkki, Suunta_Karttamerkki;

enum {
    XYPOOL_SIZE = 1024,
    BIGLOC_CULTURE = 1,            // the cell's culture must be the one asked for
    BIGLOC_SPRUCEMIRE = 2,         // a terrain edge on spruce mire only
    BIGLOC_ISLAND = 4,             // a land cell with open water all around
};

// 1 when all eight cells around are water; else the land counted on walks from the cell (0 on water).
int isokartta_saari(int x, int y);
// World cells holding char c in a square of `size` around x, y, the centre out to `inner`.
int Etsi_Karttamerkki(int c, int x, int y, int size, int inner);
// A world cell of a village between rmin and rmax cells from x, y; (0, 0) when none suits.
UiPoint FindBigmapVillage(int x, int y, int rmin, int rmax, unsigned flags, int culture);
// A world cell between rmin and rmax cells from (x, y) that suits; (0, 0) when none.
UiPoint FindBigmapLoc(int x, int y, int rmin, int rmax, unsigned flags, int culture, int c);
// The square of a creature of the species standing in a pen (else the last one found); (0, 0) none.
UiPoint PenLocation(int ignored, int species);
// A random floor square of the local map of world cell x, y; (0, 0) when none or on the world map.
UiPoint IndoorLocation(int x, int y);
// The square one step ahead of the player (n = -1) or of creature n, and the map char there.
int getaheadxy(int n, int *x, int *y);

// The pool of candidate squares creature code draws one from.
extern int xypool[XYPOOL_SIZE][2];
extern int xypool_count;
void xypool_reset();
void xypool_addxy(int x, int y);   // at most 1023 pairs are held
void xypool_rndxy(int *x, int *y);
