// src/society/village.cpp -- the buildings of a village's area as its people see them, and the share of
// a deed that spreads by word of mouth. The record and its file are in core/vilrecord.h, the debt
// lines in items/vildebt.h, the village's place in maps/vilplace.h, the upkeep on entry in
// vilupkeep.cpp and the goods pool's storage in vilstore.cpp.
#include "society/village.h"

#include "maps/mapunit.h"

// ---- places and word of mouth ----

// A shop's letter on the local map in front of x, y.
int oldshoparea(int x, int y) {
    for (int cy = y; cy <= y + 4; cy++)
        for (int cx = x - 3; cx <= x + 3; cx++) {
            const int c = get_mapchar(cx, cy) - 'a';
            if (c >= 0 && c < 12 && ((0x97f >> c) & 1)) return 1;
        }
    return 0;
}

int livingroom(int x, int y) {
    for (int cy = y - 3; cy <= y + 3; cy++)
        for (int cx = x - 3; cx <= x + 3; cx++) {
            const int c = get_mapchar(cx, cy);
            if (c == 4 || c == 5 || c == 19 || c == 240) return 1;
        }
    return 0;
}

float wombased_pctmod(int kind, int count) {
    if (kind == 2) return 1.0f;
    float share = kind < 6 ? 0.5f : 0.25f;
    if (count >= 4) share += 0.1f;
    if (count >= 6) share += 0.2f;
    return share;
}
