// src/worldgen/water_shores.cpp -- the water of a water cell: the low ground of its relief flooded to
// a level found from the border heights, shore rocks in rapids, fords and rivers, islets in lakes.
#include "base/ownlib.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

static inline int at(int x, int y) { return y * ZOOM_SIDE + x; }
static inline bool inside(int x, int y) { return (unsigned)x < 64u && (unsigned)y < 64u; }
static inline uint8_t height_byte(int h) { return (uint8_t)(h < 0 ? 0 : h > 255 ? 255 : h); }
static bool is_water(int x, int y) { return terrain_flag(Zoom.chars[at(x, y)], TF_WATER) != 0; }

static void border_heights(int &high, int &low) {
    high = -1;
    low = 256;
    for (int i = 0; i < 64; i++) {
        const int h[4] = {Zoom.height[at(i, 0)], Zoom.height[at(i, 63)], Zoom.height[at(0, i)], Zoom.height[at(63, i)]};
        for (int v : h) {
            if (v > high) high = v;
            if (v < low) low = v;
        }
    }
}

int water_level_of_cell() {
    int high, low;
    border_heights(high, low);
    const int mid = (high + low) / 2, spread = high - low;
    int level;
    if (spread <= 4) level = mid - 2;
    else if (spread == 5) level = mid - 1;
    else level = mid <= 7 ? 8 : mid;
    if (level >= 11) level = 10;
    if (get_alltime_maailmachar(LuontiX, LuontiY) == CH_FORD) level = 7;
    return level;
}

void DoWater() {
    const int c = get_alltime_maailmachar(LuontiX, LuontiY);
    int bottom = 255;
    for (uint8_t h : Zoom.height)
        if (h < bottom) bottom = h;
    int high, low;
    border_heights(high, low);
    const int level = water_level_of_cell();
    int w = c;
    if (c == CH_FORD || c == CH_SHALLOW_SEA || c == CH_DEEP_WATER || c == CH_SHALLOW_WATER) w = CH_WADE_WATER;
    for (int i = 0; i < ZOOM_SQUARES; i++) {
        const int h = Zoom.height[i];
        if (h < level || h <= 7 || h == bottom) Zoom.chars[i] = (uint8_t)w;
    }
    if (c == CH_FORD || c == CH_RAPIDS) {
        const int tries = random(50) + 5;
        for (int t = 0; t < tries; t++) {
            const int x = random(64), y = random(64);
            if (is_water(x, y)) rantakallio(x, y, level);
        }
    } else if (c == CH_RIVER) {
        const int tries = random(10);
        for (int t = 0; t < tries; t++) {
            const int x = random(64), y = random(64);
            if (is_water(x, y) && Zoom.height[at(x, y)] > low) rantakallio(x, y, level);
        }
    } else if (c == CH_SHALLOW_SEA || c == CH_SHALLOW_WATER) {
        const int tries = random(10);
        for (int t = 0; t < tries; t++) {
            const int x = random(64), y = random(64);
            if (is_water(x, y) && Zoom.height[at(x, y)] > low) luoto(x, y, level);
        }
    }
}

// A step that would leave the square is skipped; heights stay in 0..255 whatever the level.
void rantakallio(int x, int y, int level) {
    const int steps = random(7) + 1;
    int cx = x, cy = y;
    for (int s = 0; s < steps; s++) {
        if (inside(cx, cy)) {
            const int i = at(cx, cy);
            const uint8_t h = height_byte(level - 1 + random(3));
            Zoom.height[i] = h;
            if (h >= level) {
                Zoom.chars[i] = CH_GROUND;
                Zoom.surface[i] = (uint8_t)aseta_MAAPERA(Zoom.surface[i], random(6) < 5 ? 1 : 2);
            }
        }
        cx = x - 1 + random(3);
        cy = y - 1 + random(3);
    }
}

void luoto(int x, int y, int level) {
    const int n = random(5) + 15;
    int h = level;
    for (int s = 0; s < n; s++) {
        if (inside(x, y)) {
            const int i = at(x, y);
            Zoom.chars[i] = CH_GROUND;
            Zoom.surface[i] = (uint8_t)aseta_MAAPERA(Zoom.surface[i], random(4) == 0 ? 1 : 2);
            Zoom.height[i] = height_byte(h);
        }
        int nx = x, ny = y;
        if (random(2) == 0) ny += random(3) - 1;
        else nx += random(3) - 1;
        if (inside(nx, ny)) {
            x = nx;
            y = ny;
        }
        h += h < 2 ? random(2) : random(3) - 1;
        if (h > level + 1) h = level + 1;
        if (h < 0) h = 0;
    }
}
