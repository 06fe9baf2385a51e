// src/maps/mapdesc.h -- descriptions of where the player is: the location name, the region around a
// world cell told against the cultures' home areas, the picture of a world cell and the description
// of a square.
#pragma once
#include <cstdint>

struct CultBlock {                 // the home area of one culture on the world map
    int32_t minx, miny, maxx, maxy;
    int32_t width, height;
    int32_t third_w, third_h;
    int32_t cx, cy;
};
extern CultBlock cultblock[14];
extern char s_currentmapname[100];
extern char s_karttamerkinselitys[100];
extern char kuva[1024];

char *AlueenNimi(int x, int y, int english);       // place name of a world cell, in a scratch buffer
char *regiondesc(int x, int y);                    // native name and "English name", scratch buffer
// "here at <region>", or "at the region called <region>" when (x, y) lies in another region.
char *HaetunAlueenKuvaus(int x, int y);
char *CurrentMapName(int x, int y, int given);     // the location name, in s_currentmapname
int bigmap_mcs_around(int x, int y, int r, int c);
char *KUVA_isokarttapaikka(int x, int y);          // the picture name of a world cell, in kuva
int STRkulttuurikartta(int y, int x, int c);       // blocks of culture c among the 3 x 3 around
void init_cultblock();
void cultblock_center(int n, int *x, int *y);      // (2048, 2048) for no culture block
int blockculture(int x, int y);                    // the culture block holding a cell; -1000 none
char *cultgeodesc(int x, int y, int culture);      // "north-western " + region; -1000: the cell's
char *terdesc(int x, int y, int flags);            // 1 "in"/"on", 2 without the place, 4 only the place
char *karttamerkin_selitys(int x, int y, const char *options);
