// src/maps/waterpass.cpp -- the creatures' pass's water index (see waterpass.h).
#include "maps/waterpass.h"

#include <cstdint>

#include "core/datafunc.h"
#include "core/localarea.h"
#include "core/player.h"

enum { SIDE = AREA_MAX - AREA_MIN + 1 };

// The bits hold while no such record has been made since and the area is the one the pass began on
// (an area is loaded only between passes, and every place past the end the pass is given is free,
// as the pass index has it).
static struct {
    int active = 0;
    uint64_t bits[(SIDE * SIDE + 63) / 64];
    int32_t touched[1024];
    int ntouched = 0;
    int overflow = 0;
    uint32_t made = 0, wx = 0, wy = 0;
} watery;

static int in_area(int x, int y) { return x >= AREA_MIN && x <= AREA_MAX && y >= AREA_MIN && y <= AREA_MAX; }
static inline int square(int x, int y) { return (y - AREA_MIN) * SIDE + (x - AREA_MIN); }

void water_index_end() {
    for (int k = 0; k < watery.ntouched; k++) watery.bits[watery.touched[k] >> 6] = 0;
    watery.ntouched = 0;
    watery.overflow = 0;
    watery.active = 0;
}

void water_index_begin() {
    water_index_end();
    watery.active = 1;
    watery.made = data_water_records;
    watery.wx = (uint32_t)Plr.world_x;
    watery.wy = (uint32_t)Plr.world_y;
}

void water_index_mark(int x, int y) {
    if (!in_area(x, y)) return;
    const int sq = square(x, y);
    uint64_t &w = watery.bits[sq >> 6];
    if (w & (1ull << (sq & 63))) return;
    if (watery.ntouched == (int)(sizeof watery.touched / sizeof watery.touched[0])) {
        watery.overflow = 1;
        return;
    }
    watery.touched[watery.ntouched++] = sq;
    w |= 1ull << (sq & 63);
}

int water_index_no_records(int x, int y) {
    if (!watery.active || !in_area(x, y) || watery.overflow || watery.made != data_water_records ||
        watery.wx != (uint32_t)Plr.world_x || watery.wy != (uint32_t)Plr.world_y || bigmap())
        return 0;
    const int sq = square(x, y);
    return !(watery.bits[sq >> 6] & (1ull << (sq & 63)));
}
