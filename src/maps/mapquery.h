// src/maps/mapquery.h -- small questions about squares of the current map and cells of the world
// map: heights, indoors, settlements and fields, nearby chars, nearest water and land, shores and
// islets, the surface and soil bits of a square, and the ambient loop the weather and the place call
// for.
#pragma once
#include "base/ui.h"
#include <cstdint>

int Pinnan_Korkeus(int x, int y);
int indoors(int x, int y);
int on_kyla(int x, int y, int strict);
int is_settled_area(int x, int y, int r);
int on_pelto(int x, int y);
int got_mc_around(int x, int y, int c, int r);
int scan_for_mapchar(int x1, int y1, int x2, int y2, int c);
int etaisyys_veteen(int x, int y, int *wx, int *wy);     // 1000 and (0, 0) when none
int lahin_maa_tile(int x, int y, int *lx, int *ly);      // 1000 when none
int bigmap_jarvenranta(int x, int y);
int bigmap_merenranta(int x, int y);
int isokartta_vesisto(int x, int y);
int zoommap_ulkoluoto(int x, int y, int *ox, int *oy);
UiRect bigxy_zoomrect(int x, int y);
int birch_leaf_level();

// Surface code in bits 0-2, soil code in bits 3-5 of a `pintakartta` byte.
inline int PINTA(int b) { return b & 7; }
inline int MAAPERA(int b) { return (b >> 3) & 7; }
inline int aseta_maaperatyyppi(int b, int v) { return (b & ~7) | (v & 7); }
inline int aseta_MAAPERA(int b, int v) { return (b & ~(7 << 3)) | ((v & 7) << 3); }
int pintakartta_value(int x, int y);
void Tyhjenna_PINTA(int x, int y);
int maapera_arvo(int x, int y);
int maapera_muokattavissa(int x, int y);

// A square of the local area for a new creature of template t (0..999; any other number: the working
// record): 1 with the square, 0 with 0, 0 after ten tries.
int SpawnLoc(int &x, int &y, int t);

void CheckIdleSample();
// The ambient loop the weather calls for and its volume.
const char *ambient_choice(int *volume);
