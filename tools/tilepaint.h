// tools/tilepaint.h -- the painting helpers the tile generators share: hashed noise, colours, one
// frame of pixels with its shapes and outline, and writing a strip of frames as a tile file.
// A strip: row 0 is the marker row (pixel 0,0 the colour key), frames lie side by side from (1, 1)
// with one separator column between them; the image height picks the size class.
#pragma once
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Noise and colours.

static inline uint32_t hash3(int x, int y, uint32_t seed) {
    uint32_t h = (uint32_t)x * 0x27D4EB2Du ^ (uint32_t)y * 0x165667B1u ^ seed * 0x9E3779B9u;
    h ^= h >> 15; h *= 0x85EBCA6Bu; h ^= h >> 13; h *= 0xC2B2AE35u; h ^= h >> 16;
    return h;
}
static inline double rnd(int x, int y, uint32_t seed) { return (hash3(x, y, seed) >> 8) * (1.0 / 16777216.0); }
static inline double fade(double t) { return t * t * (3 - 2 * t); }
static inline double noise(double x, double y, uint32_t seed) {
    int ix = (int)std::floor(x), iy = (int)std::floor(y);
    double fx = fade(x - ix), fy = fade(y - iy);
    double a = rnd(ix, iy, seed), b = rnd(ix + 1, iy, seed), c = rnd(ix, iy + 1, seed), d = rnd(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}
static inline double fbm(double x, double y, uint32_t seed) {
    return 0.55 * noise(x, y, seed) + 0.3 * noise(x * 2.1, y * 2.1, seed + 7) + 0.15 * noise(x * 4.3, y * 4.3, seed + 13);
}

struct C { int r, g, b; };
static inline int clampi(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
static inline C shade(C c, double k) { return C{clampi((int)(c.r * k)), clampi((int)(c.g * k)), clampi((int)(c.b * k))}; }
static inline C mixc(C a, C b, double t) {
    return C{clampi((int)(a.r + (b.r - a.r) * t)), clampi((int)(a.g + (b.g - a.g) * t)), clampi((int)(a.b + (b.b - a.b) * t))};
}
static const C KEY = {255, 0, 255};

// ---------------------------------------------------------------------------------------------
// One frame: w x h pixels, each either empty (the key) or a colour.

struct Frame {
    int w, h;
    std::vector<C> px;
    std::vector<uint8_t> on;
    Frame(int w_, int h_) : w(w_), h(h_), px((size_t)w_ * h_, KEY), on((size_t)w_ * h_, 0) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void put(int x, int y, C c) {
        if (!inside(x, y)) return;
        // Never paint the key itself: it would turn transparent.
        if (c.r == 255 && c.g == 0 && c.b == 255) c.g = 1;
        px[(size_t)y * w + x] = c;
        on[(size_t)y * w + x] = 1;
    }
    bool get(int x, int y, C &c) const {
        if (!inside(x, y) || !on[(size_t)y * w + x]) return false;
        c = px[(size_t)y * w + x];
        return true;
    }
    void clear(int x, int y) {
        if (inside(x, y)) { on[(size_t)y * w + x] = 0; px[(size_t)y * w + x] = KEY; }
    }
};

static inline void ellipse(Frame &f, double cx, double cy, double rx, double ry, const std::function<C(int, int, double)> &col) {
    for (int y = (int)(cy - ry - 1); y <= (int)(cy + ry + 1); y++)
        for (int x = (int)(cx - rx - 1); x <= (int)(cx + rx + 1); x++) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry, d = dx * dx + dy * dy;
            if (d <= 1.0) f.put(x, y, col(x, y, d));
        }
}
static inline void rect(Frame &f, int x0, int y0, int w, int h, C c) {
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) f.put(x, y, c);
}
static inline void line(Frame &f, double x0, double y0, double x1, double y1, C c, double width = 1.0) {
    int n = (int)(std::fmax(std::fabs(x1 - x0), std::fabs(y1 - y0)) * 2) + 1;
    for (int i = 0; i <= n; i++) {
        double t = (double)i / n, x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
        for (double oy = -width / 2; oy <= width / 2; oy += 0.5)
            for (double ox = -width / 2; ox <= width / 2; ox += 0.5) f.put((int)std::floor(x + ox), (int)std::floor(y + oy), c);
    }
}
static inline void triangle(Frame &f, double ax, double ay, double bx, double by, double cx, double cy,
                     const std::function<C(int, int)> &col) {
    int x0 = (int)std::floor(std::fmin(ax, std::fmin(bx, cx))), x1 = (int)std::ceil(std::fmax(ax, std::fmax(bx, cx)));
    int y0 = (int)std::floor(std::fmin(ay, std::fmin(by, cy))), y1 = (int)std::ceil(std::fmax(ay, std::fmax(by, cy)));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double px = x + 0.5, py = y + 0.5;
            double d1 = (px - bx) * (ay - by) - (ax - bx) * (py - by);
            double d2 = (px - cx) * (by - cy) - (bx - cx) * (py - cy);
            double d3 = (px - ax) * (cy - ay) - (cx - ax) * (py - ay);
            bool neg = d1 < 0 || d2 < 0 || d3 < 0, pos = d1 > 0 || d2 > 0 || d3 > 0;
            if (!(neg && pos)) f.put(x, y, col(x, y));
        }
}
// A dark rim on every painted pixel next to an empty one: shapes read at a glance.
static inline void outline(Frame &f, double k = 0.55) {
    Frame copy = f;
    for (int y = 0; y < f.h; y++)
        for (int x = 0; x < f.w; x++) {
            C c;
            if (!copy.get(x, y, c)) continue;
            C n;
            if (!copy.get(x - 1, y, n) || !copy.get(x + 1, y, n) || !copy.get(x, y - 1, n) || !copy.get(x, y + 1, n))
                f.put(x, y, shade(c, k));
        }
}

// ---------------------------------------------------------------------------------------------
// Writing a strip.

static std::string outdir;        // "<working folder>/truetile"
static int files_written = 0;

static inline void save_strip(const char *name, const std::vector<Frame> &frames, bool scalable = false) {
    int fw = frames[0].w, fh = frames[0].h;
    int n = (int)frames.size(), W = (fw + 1) * n + 1, H = fh + 2;
    // The loader counts frames as width / (height - 1): tall strips get keyed columns at the end.
    if (n > 1 && W < n * (H - 1)) W = n * (H - 1);
    if (W < 3) W = 3;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, W, H, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) { fprintf(stderr, "tiles: %s\n", SDL_GetError()); exit(1); }
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, KEY.r, KEY.g, KEY.b));
    auto put = [&](int x, int y, C c) {
        uint8_t *p = (uint8_t *)s->pixels + y * s->pitch + x * 3;
        p[0] = (uint8_t)c.r; p[1] = (uint8_t)c.g; p[2] = (uint8_t)c.b;
    };
    if (scalable) put(2, 0, C{255, 255, 255});
    for (size_t i = 0; i < frames.size(); i++)
        for (int y = 0; y < fh; y++)
            for (int x = 0; x < fw; x++) {
                C c;
                if (frames[i].get(x, y, c)) put((int)((fw + 1) * i + 1 + x), 1 + y, c);
            }
    std::string path = outdir + "/" + name + ".png";
    if (IMG_SavePNG(s, path.c_str()) != 0) {
        fprintf(stderr, "tiles: couldn't write %s: %s\n", path.c_str(), IMG_GetError());
        exit(1);
    }
    SDL_FreeSurface(s);
    files_written++;
}

