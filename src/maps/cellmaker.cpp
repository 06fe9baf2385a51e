// src/maps/cellmaker.cpp -- the name of a world cell's local map and the heights round it.
#include "maps/cellmaker.h"

#include <cstdio>

#include "maps/korkeus_main.h"

char *terrain_name(int x, int y) {
    static char name[32];
    char a[16], b[16];
    snprintf(a, sizeof a, x < 10 ? "0%d" : "%d", x);
    snprintf(b, sizeof b, y < 10 ? "0%d" : "%d", y);
    snprintf(name, sizeof name, "%s,%s", a, b);
    return name;
}

// Heights round the world cell x, y for the local maps about to be built.
void LuoZoomKorkeusAlue(int x, int y) { laskekorkeuskartta(y - 3, x - 3); }
