// tools/portrait_paint.h -- paints a person's face for the talk screen and the heading box: a head
// and shoulders against a plain ground, in the look of a set (northern, eastern and western men,
// women, children). Drawn from code with a fixed-seed generator, so every build paints the same face.
#pragma once
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace portrait {

enum Set { NORTH, EAST, WEST, FEMALE, KID };
enum { SIZE = 160 };

struct Rgb {
    double r, g, b;
};

// 160 x 160 pixels, 3 bytes each, rows top to bottom.
struct Face {
    std::vector<uint8_t> px = std::vector<uint8_t>((size_t)SIZE * SIZE * 3, 0);
};

namespace detail {

struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x2545F491u) {}
    uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double uni() { return (next() >> 8) * (1.0 / 16777216.0); }
    double range(double a, double b) { return a + (b - a) * uni(); }
};

inline Rgb rgb(int r, int g, int b) { return Rgb{r / 255.0, g / 255.0, b / 255.0}; }
inline Rgb mix(Rgb a, Rgb b, double t) { return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

struct Canvas {
    std::vector<Rgb> c = std::vector<Rgb>((size_t)SIZE * SIZE, Rgb{0, 0, 0});
    void blend(int x, int y, Rgb col, double a) {
        if (x < 0 || y < 0 || x >= SIZE || y >= SIZE || a <= 0) return;
        Rgb &p = c[(size_t)y * SIZE + x];
        p = mix(p, col, a > 1 ? 1 : a);
    }
};

// A filled ellipse with a soft rim of one pixel; only the part with y from y_from to y_to.
inline void ellipse(Canvas &cv, double cx, double cy, double rx, double ry, Rgb col, double a = 1.0,
                    double y_from = -1e9, double y_to = 1e9) {
    for (int y = (int)(cy - ry - 2); y <= (int)(cy + ry + 2); y++) {
        if (y < y_from || y > y_to) continue;
        for (int x = (int)(cx - rx - 2); x <= (int)(cx + rx + 2); x++) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double edge = (1.0 - d) * (rx < ry ? rx : ry);   // pixels inside the rim
            const double cov = edge >= 1 ? 1 : edge <= 0 ? 0 : edge;
            cv.blend(x, y, col, cov * a);
        }
    }
}

}  // namespace detail

// Face `number` of a set: the same set and number always give the same face.
inline Face paint(Set set, int number) {
    using namespace detail;
    Rng rng(0x5EED0000u + (uint32_t)set * 977u + (uint32_t)number * 7919u);
    Canvas cv;
    static const Rgb GROUNDS[5] = {rgb(70, 84, 96), rgb(96, 78, 58), rgb(72, 88, 64), rgb(92, 70, 84), rgb(84, 92, 72)};
    const Rgb ground = GROUNDS[set];
    const Rgb skin = mix(rgb(236, 200, 170), rgb(196, 150, 112), rng.uni() * (set == EAST ? 1.0 : 0.6));
    static const Rgb HAIRS[5] = {rgb(222, 198, 130), rgb(110, 72, 40), rgb(60, 40, 26), rgb(160, 96, 50), rgb(30, 24, 20)};
    const Rgb hair = mix(HAIRS[rng.next() % 5], HAIRS[set == NORTH ? 0 : set == EAST ? 2 : 1], 0.5);
    static const Rgb CLOTHES[4] = {rgb(120, 60, 40), rgb(60, 80, 110), rgb(110, 104, 80), rgb(70, 96, 60)};
    const Rgb cloth = CLOTHES[rng.next() % 4];

    for (int y = 0; y < SIZE; y++)
        for (int x = 0; x < SIZE; x++) {
            const double v = 0.75 + 0.35 * (1.0 - (double)y / SIZE) + rng.range(-0.03, 0.03);
            cv.c[(size_t)y * SIZE + x] = Rgb{ground.r * v, ground.g * v, ground.b * v};
        }
    const bool kid = set == KID, woman = set == FEMALE;
    const double head_rx = kid ? 30 : rng.range(31, 36), head_ry = kid ? 35 : rng.range(39, 44);
    const double cx = 80 + rng.range(-3, 3), cy = kid ? 80 : 70;
    // Long hair falls behind the shoulders.
    if (woman || (!kid && rng.uni() < 0.25)) ellipse(cv, cx, cy + 20, head_rx + 10, head_ry + 30, hair);
    ellipse(cv, 80, 168, kid ? 50 : 62, 44, cloth);                          // shoulders
    ellipse(cv, cx, cy + head_ry, head_rx * 0.45, 20, mix(skin, rgb(0, 0, 0), 0.12));   // neck
    ellipse(cv, cx, cy, head_rx, head_ry, skin);                             // head
    ellipse(cv, cx - head_rx, cy + 4, 5, 9, skin);                           // ears
    ellipse(cv, cx + head_rx, cy + 4, 5, 9, skin);
    ellipse(cv, cx, cy - head_ry * 0.35, head_rx + 3, head_ry * 0.75, hair, 1.0, -1e9, cy - head_ry * 0.42);
    const Rgb eye = rgb(34, 40, 52), brow = mix(hair, rgb(0, 0, 0), 0.3);
    const double ex = head_rx * 0.4, ey = cy - 2;
    for (int side = -1; side <= 1; side += 2) {
        ellipse(cv, cx + side * ex, ey, 6, 3.5, rgb(240, 236, 226));
        ellipse(cv, cx + side * ex, ey, 2.8, 2.8, eye);
        ellipse(cv, cx + side * ex, ey - 8, 7, 1.6, brow);
    }
    ellipse(cv, cx, cy + 10, 3, 8, mix(skin, rgb(0, 0, 0), 0.18));           // nose
    const double my = cy + head_ry * 0.5;
    if (!kid && !woman && rng.uni() < 0.6) {                                 // beard
        ellipse(cv, cx, cy + head_ry * 0.55, head_rx * 0.85, head_ry * 0.5, hair, 1.0, cy + head_ry * 0.2, 1e9);
        ellipse(cv, cx, my - 2, 8, 2.5, mix(skin, rgb(120, 40, 40), 0.4));
    } else {
        ellipse(cv, cx, my, 9, 2.4, mix(skin, rgb(150, 50, 50), 0.45));      // mouth
    }

    Face f;
    for (size_t i = 0; i < cv.c.size(); i++) {
        const Rgb &p = cv.c[i];
        auto byte = [](double v) { return (uint8_t)(v <= 0 ? 0 : v >= 1 ? 255 : std::lround(v * 255)); };
        f.px[i * 3] = byte(p.r);
        f.px[i * 3 + 1] = byte(p.g);
        f.px[i * 3 + 2] = byte(p.b);
    }
    return f;
}

// Writes the face as a PNG; false when it could not be written.
inline bool save_png(const Face &f, const char *path) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t *>(f.px.data()), SIZE, SIZE, 24, SIZE * 3,
                                                        SDL_PIXELFORMAT_RGB24);
    if (!s) return false;
    const int rc = IMG_SavePNG(s, path);
    SDL_FreeSurface(s);
    return rc == 0;
}

// The faces the game hands out: each set's names ("pt-north01" ...) and how many it has; a child whose
// record names no child's face gets "kid1.png".
struct SetNames {
    Set set;
    const char *prefix;
    int count;
};
inline const SetNames SETS[5] = {
    {NORTH, "pt-north", 12}, {EAST, "pt-east", 12}, {WEST, "pt-west", 12}, {FEMALE, "pt-female", 12}, {KID, "pt-kid", 8}};
// The portrait groups ("fem01.png" ...): a new character chooses her face from her group, and the people
// the world makes from now on are given theirs; the sets above stay for people already stored.
inline const SetNames GROUPS[5] = {
    {NORTH, "north", 12}, {EAST, "east", 12}, {WEST, "west", 12}, {FEMALE, "fem", 12}, {KID, "kid", 8}};

}  // namespace portrait
