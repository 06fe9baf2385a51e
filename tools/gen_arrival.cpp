// tools/gen_arrival.cpp -- paints the arrival pictures shown when the player zooms into a place:
//     truegfx/terrain-<tile>.png   400 x 300, one for every map char whose tile is "ter-<tile>"
// (plain ground has none). Each is a small landscape of its kind of place: forest, heath, mire,
// fields, hills and mountains, a cave mouth, water, a river or rapids, a village or a settlement.
// Drawn from code with a fixed-seed generator, so every build paints the same pixels.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "core/records.h"
#include "maps/area.h"
#include "maps/maps.h"

namespace {

const int W = 400, H = 300;

struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    int below(int n) { return (int)(next() % (uint32_t)n); }
    double uni() { return (next() >> 8) * (1.0 / 16777216.0); }
};

struct Rgb { int r, g, b; };

struct Canvas {
    SDL_Surface *s;
    void px(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= W || y >= H) return;
        uint8_t *p = (uint8_t *)s->pixels + y * s->pitch + x * 4;
        p[0] = (uint8_t)c.r, p[1] = (uint8_t)c.g, p[2] = (uint8_t)c.b, p[3] = 255;
    }
    void rect(int x0, int y0, int x1, int y1, Rgb c) {
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) px(x, y, c);
    }
    // A filled triangle with its apex at (x, top) and its base from x - half to x + half at bottom.
    void peak(int x, int top, int bottom, int half, Rgb c) {
        for (int y = top; y < bottom; y++) {
            const int w = (y - top) * half / (bottom - top > 0 ? bottom - top : 1);
            for (int dx = -w; dx <= w; dx++) px(x + dx, y, c);
        }
    }
    void ellipse(int cx, int cy, int rx, int ry, Rgb c) {
        for (int y = -ry; y <= ry; y++)
            for (int x = -rx; x <= rx; x++)
                if ((double)x * x / (rx * rx) + (double)y * y / (ry * ry) <= 1.0) px(cx + x, cy + y, c);
    }
};

Rgb mix(Rgb a, Rgb b, double t) {
    return {(int)(a.r + (b.r - a.r) * t), (int)(a.g + (b.g - a.g) * t), (int)(a.b + (b.b - a.b) * t)};
}

Rgb jitter(Rng &r, Rgb c, int amount) {
    auto j = [&](int v) {
        v += r.below(2 * amount + 1) - amount;
        return v < 0 ? 0 : v > 255 ? 255 : v;
    };
    return {j(c.r), j(c.g), j(c.b)};
}

void sky(Canvas &cv, int horizon) {
    for (int y = 0; y < horizon; y++) cv.rect(0, y, W, y + 1, mix({120, 160, 205}, {214, 226, 232}, (double)y / horizon));
}

void ground(Canvas &cv, Rng &r, int horizon, Rgb base) {
    for (int y = horizon; y < H; y++)
        for (int x = 0; x < W; x++) cv.px(x, y, jitter(r, mix(base, {base.r / 2, base.g / 2, base.b / 2}, 0.3 * (y - horizon) / (H - horizon)), 8));
}

void trees(Canvas &cv, Rng &r, int horizon, int count, Rgb leaf, bool conifer) {
    for (int i = 0; i < count; i++) {
        const int x = r.below(W), base = horizon + r.below(H - horizon);
        const int size = 10 + (base - horizon) / 3 + r.below(8);
        const Rgb c = jitter(r, leaf, 14);
        cv.rect(x - 1, base - size / 3, x + 2, base, {70, 50, 35});
        if (conifer) cv.peak(x, base - size * 2, base - size / 4, size / 2, c);
        else cv.ellipse(x, base - size, size / 2 + 2, size / 2 + 4, c);
    }
}

void water(Canvas &cv, Rng &r, int top, int bottom, Rgb deep) {
    for (int y = top; y < bottom; y++)
        for (int x = 0; x < W; x++) {
            Rgb c = mix({150, 180, 200}, deep, (double)(y - top) / (bottom - top + 1));
            if (r.below(40) == 0) c = mix(c, {235, 240, 245}, 0.5);
            cv.px(x, y, c);
        }
}

void mountains(Canvas &cv, Rng &r, int horizon, int height, Rgb rock, bool snow) {
    for (int i = 0; i < 6; i++) {
        const int x = r.below(W), top = horizon - height + r.below(height / 2);
        const int half = 60 + r.below(70);
        cv.peak(x, top, horizon + 20, half, jitter(r, rock, 10));
        if (snow) cv.peak(x, top, top + (horizon - top) / 4, half / 4, {235, 238, 240});
    }
}

void houses(Canvas &cv, Rng &r, int horizon, int count, bool palisade) {
    for (int i = 0; i < count; i++) {
        const int x = 30 + r.below(W - 60), base = horizon + 20 + r.below(H - horizon - 30);
        const int w = 26 + r.below(14), h = 16 + r.below(8);
        cv.rect(x - w / 2, base - h, x + w / 2, base, jitter(r, {120, 82, 50}, 10));
        cv.peak(x, base - h - 14, base - h + 1, w / 2 + 4, {60, 70, 45});
        cv.rect(x - 3, base - 9, x + 3, base, {40, 30, 20});
    }
    if (palisade)
        for (int x = 0; x < W; x += 6) cv.rect(x, H - 40 - (x / 6) % 3, x + 4, H - 10, {100, 74, 48});
}

enum Kind { K_MEADOW, K_CONIFER, K_LEAF, K_HEATH, K_MIRE, K_FIELD, K_HILL, K_MOUNTAIN, K_CAVE, K_WATER, K_RIVER,
            K_RAPIDS, K_SEA, K_VILLAGE, K_FORT, K_SETTLEMENT };

Kind kind_of(int c) {
    switch (c) {
    case 210: return K_FORT;
    case 239: return K_VILLAGE;
    case 86: case 211: case 30: return K_SETTLEMENT;
    case 60: return K_CAVE;
    case 94: case 93: case 20: return K_MOUNTAIN;
    case 91: return K_HILL;
    case 251: case 82: case 47: return K_FIELD;
    case 233: case 236: return K_MIRE;
    case 238: case 3: return K_HEATH;
    case CH_RAPIDS: return K_RAPIDS;
    case CH_RIVER: case CH_FORD: return K_RIVER;
    case CH_SEA: case CH_SHALLOW_SEA: return K_SEA;
    default: break;
    }
    if (terrain_flag(c, TF_WATER)) return K_WATER;
    if (terrain_flag(c, TF_SPRUCE) || c == 15 || c == 235) return K_CONIFER;
    if (terrain_flag(c, TF_TREE) || c == 16 || c == 228) return K_LEAF;
    return K_MEADOW;
}

void paint(Canvas &cv, Kind k, uint32_t seed) {
    Rng r(seed);
    int horizon = 120;
    sky(cv, horizon);
    switch (k) {
    case K_CONIFER:
        ground(cv, r, horizon, {70, 95, 55});
        trees(cv, r, horizon, 90, {30, 70, 40}, true);
        break;
    case K_LEAF:
        ground(cv, r, horizon, {95, 120, 60});
        trees(cv, r, horizon, 70, {80, 130, 50}, false);
        break;
    case K_HEATH:
        ground(cv, r, horizon, {180, 180, 150});   // pale lichen
        trees(cv, r, horizon, 35, {50, 80, 45}, true);
        break;
    case K_MIRE:
        ground(cv, r, horizon, {150, 140, 80});
        for (int i = 0; i < 14; i++) cv.ellipse(r.below(W), horizon + 20 + r.below(H - horizon - 20), 20 + r.below(20), 5 + r.below(5), {70, 90, 100});
        trees(cv, r, horizon, 10, {60, 90, 50}, true);
        break;
    case K_FIELD:
        ground(cv, r, horizon, {130, 100, 60});
        for (int y = horizon + 6; y < H; y += 9) cv.rect(0, y, W, y + 2, {100, 75, 45});
        for (int i = 0; i < 8; i++) cv.ellipse(r.below(W), horizon + 20 + r.below(H - horizon - 20), 7, 5, {130, 130, 125});
        break;
    case K_HILL:
        for (int i = 0; i < 4; i++) cv.ellipse(r.below(W), horizon + 10, 120, 50, jitter(r, {90, 120, 70}, 10));
        ground(cv, r, horizon + 30, {90, 120, 70});
        trees(cv, r, horizon + 30, 25, {70, 120, 60}, false);
        break;
    case K_MOUNTAIN:
        mountains(cv, r, horizon + 40, 140, {120, 118, 115}, true);
        ground(cv, r, horizon + 40, {110, 110, 95});
        break;
    case K_CAVE:
        mountains(cv, r, horizon + 40, 120, {110, 105, 100}, false);
        ground(cv, r, horizon + 40, {100, 100, 90});
        cv.ellipse(W / 2, horizon + 60, 40, 30, {25, 20, 20});
        break;
    case K_WATER:
        horizon = 110;
        sky(cv, horizon);
        water(cv, r, horizon, H - 50, {50, 80, 110});
        ground(cv, r, H - 50, {80, 100, 60});
        trees(cv, r, horizon - 2, 40, {30, 60, 40}, true);
        break;
    case K_SEA:
        horizon = 130;
        sky(cv, horizon);
        water(cv, r, horizon, H, {30, 60, 100});
        break;
    case K_RIVER:
    case K_RAPIDS:
        ground(cv, r, horizon, {80, 105, 60});
        for (int y = horizon; y < H; y++) {
            const int mid = W / 2 + (int)(30 * std::sin(y / 25.0)), half = 10 + (y - horizon) / 3;
            for (int x = mid - half; x <= mid + half; x++) {
                Rgb c = {70, 100, 130};
                if (k == K_RAPIDS && r.below(3) == 0) c = {230, 235, 240};
                cv.px(x, y, c);
            }
        }
        trees(cv, r, horizon, 30, {30, 70, 40}, true);
        break;
    case K_VILLAGE:
    case K_FORT:
    case K_SETTLEMENT:
        ground(cv, r, horizon, {100, 115, 65});
        trees(cv, r, horizon - 2, 20, {30, 70, 40}, true);
        houses(cv, r, horizon, k == K_SETTLEMENT ? 2 : 6, k == K_FORT);
        break;
    default:
        ground(cv, r, horizon, {110, 135, 70});
        break;
    }
    // A thin dark frame.
    cv.rect(0, 0, W, 2, {30, 30, 30});
    cv.rect(0, H - 2, W, H, {30, 30, 30});
    cv.rect(0, 0, 2, H, {30, 30, 30});
    cv.rect(W - 2, 0, W, H, {30, 30, 30});
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: gen_arrival <working folder>\n");
        return 2;
    }
    // The terrain table writes its tile list where it stands: in the working folder, like every file
    // of this generator.
    if (chdir(argv[1]) != 0) {
        fprintf(stderr, "gen_arrival: couldn't enter %s\n", argv[1]);
        return 1;
    }
    mkdir("truegfx", 0755);
    memset(&Plr, 0, sizeof Plr);   // no month: the table without the season's tile tints
    init_terrain_struct(0, 0);
    std::set<std::string> done;
    int failed = 0;
    for (int c = 0; c < 256; c++) {
        const char *tile = terrain_tilename(c);
        if (!tile || strncmp(tile, "ter-", 4) != 0 || !tile[4]) continue;
        const std::string name = std::string("terrain-") + (tile + 4);
        if (name.find("ground") != std::string::npos || !done.insert(name).second) continue;
        SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, SDL_PIXELFORMAT_RGBA32);
        if (!s) return 1;
        Canvas cv{s};
        paint(cv, kind_of(c), 1000u + (uint32_t)c);
        const std::string path = "truegfx/" + name + ".png";
        if (IMG_SavePNG(s, path.c_str()) != 0) {
            fprintf(stderr, "gen_arrival: couldn't write %s\n", path.c_str());
            failed = 1;
        }
        SDL_FreeSurface(s);
    }
    return failed;
}
