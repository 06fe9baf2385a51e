// tools/gen_pictures.cpp -- paints the pictures a player sees first, into the working folder:
//     oxaicon-256.png            the window icon: a spruce under the moon
//     tahtitaivas.jpg            the splash: a starry night with a faint aurora over the forest
//     truegfx/tahtitaivas.jpg    the same picture where the picture loader looks for it
//     truegfx/bg-oxastart.png    the start menu: a winter lake at blue hour, darker on the right
//     truegfx/logotext.png       the "HALVORNALAND" logo in bold block letters
//     truegfx/bg-worldview.jpg   the farewell: a wide lakeland at sunset
//     truegfx/bg-heritage.jpg    the encyclopedia: old birch bark
//     truegfx/bg-coverage.jpg    the armour coverage screen: dark tanned leather
//     truegfx/bg-injury.jpg      the wounds screen: a dim hide in reddish light
//     truegfx/scene-*.jpg, cre-bear.jpg, info-fence.jpg   the pictures of the start-up stories
//     truegfx/head-108.jpg       the head picture of timber and carpentry work: a woodworker at a log
//     truegfx/armour.png         the body picture: 17 skin regions and their mirrors, each closed by
//                                an outline; pixel x mirrors 197 - x (1337 - x on the screen)
//     truegfx/armour_black.png   its silhouette in black
//     truegfx/pt-north01.png ... the faces people of the map are given (pt-north, pt-east, pt-west
//                                and pt-female 01-12, pt-kid 01-08) and truegfx/kid1.png, the child's
//                                face of the talk screen (tools/portrait_paint.h)
//     truegfx/fem01.png ...      the portrait groups fem, east, west, north 01-12 and kid 01-08
//     truegfx/bg-campsel.jpg     the scenario screen: the lakeland under a dusky northern sky
//     truegfx/coursepic_1..3.png the course pictures, 380 x 160
// Everything is drawn from code with a fixed-seed generator of our own, so every build paints the
// same pixels.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <sys/stat.h>

#include "portrait_paint.h"
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Small helpers: the generator, noise, colours.

struct Rng {  // xorshift32: tiny, fast and the same everywhere
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    double uni() { return (next() >> 8) * (1.0 / 16777216.0); }           // [0, 1)
    double range(double a, double b) { return a + (b - a) * uni(); }
};

static uint32_t hash2(int x, int y, uint32_t seed) {
    uint32_t h = (uint32_t)x * 0x27D4EB2Du ^ (uint32_t)y * 0x165667B1u ^ seed * 0x9E3779B9u;
    h ^= h >> 15; h *= 0x85EBCA6Bu; h ^= h >> 13; h *= 0xC2B2AE35u; h ^= h >> 16;
    return h;
}
static double lattice(int x, int y, uint32_t seed) { return (hash2(x, y, seed) >> 8) * (1.0 / 16777216.0); }
static double fade(double t) { return t * t * (3 - 2 * t); }
static double lerp(double a, double b, double t) { return a + (b - a) * t; }
static double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
static double smooth(double e0, double e1, double x) { return fade(clamp01((x - e0) / (e1 - e0))); }

// Value noise in [0, 1].
static double noise2(double x, double y, uint32_t seed) {
    int ix = (int)std::floor(x), iy = (int)std::floor(y);
    double fx = fade(x - ix), fy = fade(y - iy);
    double a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    double c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return lerp(lerp(a, b, fx), lerp(c, d, fx), fy);
}
static double noise1(double x, uint32_t seed) { return noise2(x, 0.5, seed); }

static double fbm2(double x, double y, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; i++) {
        sum += amp * noise2(x, y, seed + i * 101);
        norm += amp;
        x *= 2.03; y *= 2.03; amp *= 0.5;
    }
    return sum / norm;
}
static double fbm1(double x, int octaves, uint32_t seed) { return fbm2(x, 0.37, octaves, seed); }

struct Col { double r, g, b; };
static Col rgb(int r, int g, int b) { return Col{r / 255.0, g / 255.0, b / 255.0}; }
static Col mix(Col a, Col b, double t) { return Col{lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t)}; }
static Col scale(Col a, double k) { return Col{a.r * k, a.g * k, a.b * k}; }

// ---------------------------------------------------------------------------------------------
// A picture in floating point, with alpha for the pictures that need it.

struct Image {
    int w, h;
    std::vector<Col> px;
    std::vector<double> alpha;
    Image(int w_, int h_) : w(w_), h(h_), px((size_t)w_ * h_, Col{0, 0, 0}), alpha((size_t)w_ * h_, 1.0) {}
    Col &at(int x, int y) { return px[(size_t)y * w + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void blend(int x, int y, Col c, double a) {
        if (!inside(x, y) || a <= 0) return;
        if (a > 1) a = 1;
        Col &p = at(x, y);
        p = mix(p, c, a);
    }
    void add(int x, int y, Col c, double k) {
        if (!inside(x, y) || k <= 0) return;
        Col &p = at(x, y);
        p.r += c.r * k; p.g += c.g * k; p.b += c.b * k;
    }
};

// A soft round spot: full inside radius r, fading to nothing at r + soft.
static void disc(Image &im, double cx, double cy, double r, double soft, Col c, double a) {
    int x0 = (int)std::floor(cx - r - soft - 1), x1 = (int)std::ceil(cx + r + soft + 1);
    int y0 = (int)std::floor(cy - r - soft - 1), y1 = (int)std::ceil(cy + r + soft + 1);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            double cov = soft > 0 ? 1 - smooth(r, r + soft, d) : (d <= r ? 1 : 0);
            im.blend(x, y, c, cov * a);
        }
}

// A light that adds to what lies beneath: intensity k at the centre, falling off over radius.
static void glow(Image &im, double cx, double cy, double radius, Col c, double k) {
    int x0 = (int)(cx - radius) - 1, x1 = (int)(cx + radius) + 1;
    int y0 = (int)(cy - radius) - 1, y1 = (int)(cy + radius) + 1;
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1) continue;
            double f = (1 - d) * (1 - d);
            im.add(x, y, c, k * f * f);
        }
}

// A horizontal run from xa to xb on row y with fractional coverage at both ends.
static void span(Image &im, int y, double xa, double xb, Col c, double a) {
    if (!(xb > xa)) return;   // also a run whose ends are not numbers
    int ia = (int)std::floor(xa), ib = (int)std::floor(xb);
    for (int x = ia; x <= ib; x++) {
        double cov = std::min(xb, x + 1.0) - std::max(xa, (double)x);
        if (cov > 0) im.blend(x, y, c, cov * a);
    }
}

// A spruce seen from the side: a trunk and tiers of drooping branches, each tier a little
// different. With snow, the upper face of every tier carries a broken white cap and the outer
// branch tips hold small lumps. (x, base) is the foot of the tree.
static void spruce(Image &im, double x, double base, double height, Col body, Col snow, double snowy, Rng &rng) {
    double top = base - height;
    double maxw = height * rng.range(0.20, 0.27);
    int tiers = std::max(3, (int)(height / rng.range(9.0, 13.0)));
    double lean = rng.range(-0.04, 0.04) * height;
    double trunk_w = std::max(1.0, height * 0.025);
    double tier_l[64], tier_r[64];
    for (int i = 0; i < 64; i++) { tier_l[i] = rng.range(0.8, 1.12); tier_r[i] = rng.range(0.8, 1.12); }
    uint32_t nseed = rng.next();
    Col lit = mix(body, snow, 0.18);
    for (int y = (int)top; y <= (int)base; y++) {
        double t = (y - top) / height;                      // 0 at the tip, 1 at the foot
        double cx = x + lean * (1 - t) * (1 - t);
        double tier = t * tiers;
        int ti = std::min(63, (int)tier);
        double f = tier - std::floor(tier);                  // 0 at the top of a tier
        double w = maxw * std::pow(t, 0.9) * (0.55 + 0.45 * f);
        double wl = w * tier_l[ti], wr = w * tier_r[ti];
        if (t > 0.93) {                                      // the bare foot
            double k = smooth(1.0, 0.93, t);
            wl = trunk_w + (wl - trunk_w) * k;
            wr = trunk_w + (wr - trunk_w) * k;
        }
        double jl = (rng.uni() - 0.5) * w * 0.16, jr = (rng.uni() - 0.5) * w * 0.16;
        double xl = cx - wl + jl, xr = cx + wr + jr;
        span(im, y, xl, xr, body, 1.0);
        if (snowy <= 0 || t < 0.03 || t > 0.92) continue;
        if (snow.r + snow.g + snow.b < 0.01) continue;
        // a cap on the upper face of the tier, broken where the wind took the snow
        if (f < 0.16) {
            double k = snowy * (1 - f / 0.16);
            for (int px = (int)std::floor(xl); px <= (int)std::ceil(xr); px++) {
                double gap = noise2(px * 0.35, ti * 3.1 + f * 2, nseed);
                if (gap > 0.42) im.blend(px, y, snow, k * smooth(0.42, 0.6, gap));
            }
        } else if (f < 0.55) {
            // lumps on the outer tips, where the branches dip
            double len = (xr - xl) * 0.16 * (1 - f / 0.55);
            span(im, y, xl, xl + len, snow, snowy * 0.75);
            span(im, y, xr - len, xr, snow, snowy * 0.6);
            span(im, y, xl + len, cx - wl * 0.2, lit, 0.5);
        }
    }
}

static void darken_columns(Image &im, double from, double to, double strength) {
    for (int y = 0; y < im.h; y++)
        for (int x = 0; x < im.w; x++) {
            double k = 1 - strength * smooth(from, to, x);
            im.at(x, y) = scale(im.at(x, y), k);
        }
}

// ---------------------------------------------------------------------------------------------
// Writing files.

static std::string Dir;

static SDL_Surface *to_surface(const Image &im, bool with_alpha) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, im.w, im.h, 32, SDL_PIXELFORMAT_RGBA32);
    if (!s) return nullptr;
    SDL_LockSurface(s);
    Rng dither(0xD17E);
    for (int y = 0; y < im.h; y++) {
        uint8_t *row = (uint8_t *)s->pixels + (size_t)y * s->pitch;
        for (int x = 0; x < im.w; x++) {
            const Col &c = im.px[(size_t)y * im.w + x];
            double d = dither.uni() - 0.5;                     // breaks up banding in soft skies
            double v[3] = {c.r, c.g, c.b};
            for (int k = 0; k < 3; k++) {
                double q = clamp01(v[k]) * 255 + d * 0.9;
                row[x * 4 + k] = (uint8_t)std::lround(std::min(255.0, std::max(0.0, q)));
            }
            row[x * 4 + 3] = with_alpha ? (uint8_t)std::lround(clamp01(im.alpha[(size_t)y * im.w + x]) * 255) : 255;
        }
    }
    SDL_UnlockSurface(s);
    return s;
}

static bool save(const Image &im, const char *name, bool png, bool with_alpha) {
    std::string path = Dir + "/" + name;
    SDL_Surface *s = to_surface(im, with_alpha);
    if (!s) { fprintf(stderr, "gen_pictures: no surface for %s: %s\n", name, SDL_GetError()); return false; }
    int rc;
    if (png) {
        rc = IMG_SavePNG(s, path.c_str());
    } else {
        SDL_Surface *rgb24 = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
        rc = rgb24 ? IMG_SaveJPG(rgb24, path.c_str(), 92) : -1;
        if (rgb24) SDL_FreeSurface(rgb24);
    }
    SDL_FreeSurface(s);
    if (rc != 0) { fprintf(stderr, "gen_pictures: cannot write %s: %s\n", path.c_str(), SDL_GetError()); return false; }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The starry night over the forest.

static void stars(Image &im, int count, double horizon, Rng &rng, double band_k, double (*band)(double, double)) {
    for (int i = 0; i < count; i++) {
        double x = rng.range(0, im.w), y = rng.range(0, horizon);
        if (band && rng.uni() > band_k + (1 - band_k) * band(x, y)) continue;
        double b = std::pow(rng.uni(), 3.2);
        double fadeout = smooth(horizon, horizon * 0.55, y);
        double tint = rng.uni();
        Col c = tint < 0.15 ? rgb(255, 214, 170) : tint < 0.35 ? rgb(190, 210, 255) : rgb(245, 245, 255);
        double k = (0.25 + 0.95 * b) * fadeout;
        im.add((int)x, (int)y, c, k);
        if (b > 0.35) glow(im, x + 0.5, y + 0.5, 2.0 + 5.0 * b, c, 0.35 * k);
        if (b > 0.8) {  // the brightest twinkle with four short rays
            for (int d = 1; d <= 4; d++) {
                double rk = k * 0.35 * (1 - d / 5.0);
                im.add((int)x + d, (int)y, c, rk); im.add((int)x - d, (int)y, c, rk);
                im.add((int)x, (int)y + d, c, rk); im.add((int)x, (int)y - d, c, rk);
            }
        }
    }
}

static double milky_way(double x, double y) {
    // a band from the lower left to the upper right
    double d = (x * 0.55 + y - 520.0) / std::sqrt(1 + 0.55 * 0.55);
    double core = std::exp(-(d * d) / (2 * 70.0 * 70.0));
    return core * (0.45 + 0.55 * fbm2(x * 0.012, y * 0.012, 3, 77));
}

static void aurora(Image &im, double base_y, double amp, double height, uint32_t seed, double strength) {
    for (int x = 0; x < im.w; x++) {
        double yb = base_y + amp * std::sin(x * 0.0065 + seed) + amp * 0.8 * (fbm1(x * 0.004, 3, seed) - 0.5) * 2;
        double hh = height * (0.6 + 0.8 * fbm1(x * 0.005 + 9, 2, seed + 3));
        double rays = 0.35 + 0.65 * std::pow(noise1(x * 0.09, seed + 5), 1.5) * (0.6 + 0.4 * noise1(x * 0.021, seed + 6));
        double curtain = smooth(0.15, 0.45, fbm1(x * 0.0025, 2, seed + 8));   // gaps between curtains
        for (int y = (int)(yb - hh) - 2; y <= (int)yb + 8; y++) {
            if (y < 0 || y >= im.h) continue;
            double u = (yb - y) / hh;                                            // 0 at the lower edge
            double lower = smooth(-0.06, 0.02, u);
            double upper = std::exp(-3.2 * std::max(0.0, u));
            double k = lower * upper * rays * curtain * strength;
            Col c = mix(rgb(70, 255, 150), rgb(150, 70, 200), clamp01(u * 1.3 - 0.2));
            im.add(x, y, c, k);
        }
    }
}

static Image paint_starry_night() {
    const int W = 800, H = 600;
    Image im(W, H);
    Rng rng(0x5EED0001u);
    const double horizon = 505;
    Col top = rgb(3, 5, 16), mid = rgb(10, 18, 42), low = rgb(24, 40, 70);
    for (int y = 0; y < H; y++) {
        double t = y / horizon;
        Col c = t < 0.6 ? mix(top, mid, smooth(0, 0.6, t)) : mix(mid, low, smooth(0.6, 1.0, t));
        for (int x = 0; x < W; x++) im.at(x, y) = c;
    }
    // the milky way as a faint haze
    for (int y = 0; y < (int)horizon; y++)
        for (int x = 0; x < W; x++) {
            double m = milky_way(x, y);
            if (m > 0.02) im.add(x, y, rgb(150, 160, 200), 0.16 * m * smooth(horizon, horizon * 0.6, y));
        }
    aurora(im, 330, 28, 150, 11, 0.30);
    aurora(im, 250, 22, 110, 23, 0.16);
    stars(im, 1700, horizon, rng, 1.0, nullptr);
    stars(im, 2600, horizon, rng, 0.0, milky_way);

    // far hills, then the snow-lit clearing and the forest
    std::vector<double> ridge(W);
    for (int x = 0; x < W; x++) ridge[x] = horizon - 18 - 30 * fbm1(x * 0.004, 4, 31);
    for (int x = 0; x < W; x++)
        for (int y = (int)ridge[x]; y < H; y++) im.blend(x, y, rgb(9, 14, 26), clamp01(y + 1 - ridge[x]));
    // the forest runs from the hills down to the clearing, the nearer trees taller and darker
    for (int i = 0; i < 1100; i++) {
        double x = rng.range(-10, W + 10);
        int xi = std::clamp((int)x, 0, W - 1);
        double d = std::pow(rng.uni(), 0.7);                  // 0 on the ridge, 1 at the clearing
        double foot = lerp(ridge[xi] + 8, 548, d);
        Col c = mix(rgb(7, 11, 21), rgb(3, 5, 11), d);
        spruce(im, x, foot, rng.range(12, 30) * (1 + 1.2 * d), c, rgb(0, 0, 0), 0, rng);
    }
    for (int y = 535; y < H; y++)
        for (int x = 0; x < W; x++) {
            double edge = 535 + 10 * fbm1(x * 0.01, 3, 41);
            if (y < edge) continue;
            double n = fbm2(x * 0.02, y * 0.05, 3, 43);
            Col snow = mix(rgb(26, 36, 60), rgb(46, 60, 92), n * smooth(H, 540, y));
            im.blend(x, y, snow, clamp01(y + 1 - edge));
        }
    // near trees framing both sides
    for (int i = 0; i < 26; i++) {
        double side = rng.uni() < 0.5 ? rng.range(-30, 190) : rng.range(620, 830);
        spruce(im, side, H + 10, rng.range(150, 330), rgb(2, 4, 9), rgb(0, 0, 0), 0, rng);
    }
    for (int i = 0; i < 30; i++) spruce(im, rng.range(160, 660), rng.range(552, 575), rng.range(35, 80), rgb(3, 6, 12), rgb(0, 0, 0), 0, rng);
    return im;
}

// ---------------------------------------------------------------------------------------------
// The start menu: a frozen lake at blue hour.

static Image paint_winter_lake() {
    const int W = 800, H = 600;
    Image im(W, H);
    Rng rng(0x5EED0002u);
    const double horizon = 330;
    // sky
    for (int y = 0; y < (int)horizon + 2; y++) {
        double t = y / horizon;
        Col c = mix(rgb(14, 22, 52), rgb(58, 78, 130), smooth(0.0, 0.7, t));
        c = mix(c, rgb(214, 140, 120), smooth(0.62, 1.0, t) * 0.85);
        c = mix(c, rgb(246, 190, 140), smooth(0.88, 1.0, t) * 0.7);
        for (int x = 0; x < W; x++) im.at(x, y) = c;
    }
    // a few thin clouds catching the last light
    for (int y = 150; y < 300; y++)
        for (int x = 0; x < W; x++) {
            double n = fbm2(x * 0.004, y * 0.03, 4, 5);
            double k = smooth(0.55, 0.75, n) * smooth(150, 200, y) * smooth(300, 260, y);
            im.blend(x, y, rgb(150, 110, 130), k * 0.45);
        }
    stars(im, 260, 200, rng, 1.0, nullptr);
    // the moon with its halo
    glow(im, 170, 105, 90, rgb(180, 190, 230), 0.22);
    disc(im, 170, 105, 17, 1.2, rgb(244, 240, 222), 1.0);
    for (int y = 88; y < 123; y++)
        for (int x = 153; x < 188; x++)
            if (std::hypot(x + 0.5 - 170, y + 0.5 - 105) < 17)
                im.blend(x, y, rgb(200, 198, 190), 0.35 * smooth(0.55, 0.8, fbm2(x * 0.15, y * 0.15, 3, 9)));
    // distant fells, three layers growing nearer and darker
    struct Layer { double base, amp, freq; Col c; uint32_t seed; };
    const Layer layers[3] = {
        {horizon - 2, 70, 0.0035, rgb(112, 104, 150), 51},
        {horizon + 4, 40, 0.006, rgb(72, 72, 112), 52},
        {horizon + 8, 16, 0.012, rgb(38, 44, 74), 53},
    };
    for (const Layer &l : layers)
        for (int x = 0; x < W; x++) {
            double top = l.base - l.amp * clamp01((fbm1(x * l.freq, 5, l.seed) - 0.3) * 2.2);
            for (int y = (int)top; y < (int)horizon + 12; y++) {
                double snowcap = (l.seed != 53) ? smooth(top + 14, top, y) * 0.35 : 0;
                im.blend(x, y, mix(l.c, rgb(196, 180, 200), snowcap), clamp01(y + 1 - top));
            }
        }
    // the far shore's forest
    for (int i = 0; i < 420; i++)
        spruce(im, rng.range(-5, W + 5), horizon + 12, rng.range(8, 22), rgb(24, 28, 48), rgb(0, 0, 0), 0, rng);
    // the frozen lake mirrors the sky, streaked by wind-swept snow
    const double shore = 420;
    for (int y = (int)horizon + 12; y < H; y++)
        for (int x = 0; x < W; x++) {
            double t = (y - horizon - 12) / (shore - horizon - 12);
            int my = std::clamp((int)(horizon - (y - horizon - 12) * 2.2), 0, (int)horizon);
            Col sky = im.at(x, my);
            Col ice = mix(scale(sky, 0.55), rgb(40, 52, 86), clamp01(t * 0.8));
            double streak = fbm2(x * 0.003, y * 0.25, 3, 61);
            ice = mix(ice, rgb(120, 128, 160), smooth(0.5, 0.8, streak) * 0.35);
            im.at(x, y) = ice;
        }
    // snowy foreground with drifts, lit from the sky and darkening towards the viewer
    for (int x = 0; x < W; x++) {
        double edge = shore - 22 * fbm1(x * 0.006, 4, 71) + 18 * smooth(400, 800, x);
        for (int y = (int)edge; y < H; y++) {
            double depth = (y - edge) / (H - edge + 1);
            double drift = fbm2(x * 0.008, y * 0.03, 4, 73);
            Col snow = mix(rgb(112, 126, 168), rgb(44, 52, 84), smooth(0, 1.0, depth));
            snow = mix(snow, rgb(150, 150, 190), smooth(0.55, 0.75, drift) * 0.3 * (1 - depth));
            snow = mix(snow, rgb(30, 36, 62), smooth(0.5, 0.3, drift) * 0.3);
            im.blend(x, y, snow, clamp01(y + 1 - edge));
        }
    }
    // sparkle on the snow
    for (int i = 0; i < 500; i++) {
        int x = (int)rng.range(0, W), y = (int)rng.range(shore, H);
        im.add(x, y, rgb(220, 230, 255), rng.range(0.05, 0.25));
    }
    // spruces on the near shore and a big group framing the left side
    for (int i = 0; i < 16; i++)
        spruce(im, rng.range(300, 560), shore + rng.range(-6, 6), rng.range(30, 70), rgb(20, 30, 40), rgb(150, 160, 200), 0.6, rng);
    for (int i = 0; i < 9; i++)
        spruce(im, rng.range(-40, 250), H + rng.range(0, 30), rng.range(220, 430), rgb(14, 26, 30), rgb(160, 172, 210), 0.75, rng);
    for (int i = 0; i < 6; i++)
        spruce(im, rng.range(560, 840), rng.range(470, 620), rng.range(120, 260), rgb(12, 20, 26), rgb(120, 130, 170), 0.55, rng);
    // the menu stands on the right third: keep it calm and dark
    darken_columns(im, 430, 650, 0.55);
    return im;
}

// ---------------------------------------------------------------------------------------------
// The farewell: a wide lakeland at sunset.

static Image paint_worldview() {
    const int W = 800, H = 600;
    Image im(W, H);
    Rng rng(0x5EED0003u);
    const double horizon = 270;
    const double sun_x = 560, sun_y = 252;
    for (int y = 0; y < H; y++) {
        double t = clamp01(y / horizon);
        Col c = mix(rgb(22, 30, 66), rgb(92, 92, 140), smooth(0.0, 0.6, t));
        c = mix(c, rgb(236, 150, 96), smooth(0.55, 1.0, t) * 0.9);
        c = mix(c, rgb(255, 206, 130), smooth(0.85, 1.0, t) * 0.6);
        for (int x = 0; x < W; x++) im.at(x, y) = c;
    }
    // long evening clouds, lit from below near the sun
    for (int y = 60; y < 250; y++)
        for (int x = 0; x < W; x++) {
            double n = fbm2(x * 0.0025, y * 0.022, 5, 7);
            double k = smooth(0.52, 0.72, n) * smooth(60, 120, y);
            double lit = std::exp(-std::hypot((x - sun_x) * 0.6, y - sun_y) / 180.0);
            Col c = mix(rgb(70, 56, 90), rgb(255, 170, 110), clamp01(lit * 1.4));
            im.blend(x, y, c, k * 0.7);
        }
    glow(im, sun_x, sun_y, 260, rgb(255, 170, 90), 0.35);
    glow(im, sun_x, sun_y, 60, rgb(255, 220, 160), 0.6);
    disc(im, sun_x, sun_y, 13, 2, rgb(255, 236, 190), 1.0);

    // forested ridges from far to near; the nearer ones break into capes and islands, and lakes
    // between them mirror the sky and the sun
    struct Ridge { double base, amp, freq, cut; Col c; double tree; uint32_t seed; };
    const Ridge ridges[5] = {
        {horizon + 2, 26, 0.004, 0.0, rgb(128, 100, 130), 2.0, 81},
        {horizon + 30, 30, 0.005, 0.40, rgb(88, 72, 100), 3.0, 82},
        {horizon + 84, 40, 0.006, 0.42, rgb(52, 50, 66), 5.0, 83},
        {horizon + 160, 52, 0.007, 0.40, rgb(28, 34, 38), 8.0, 84},
        {horizon + 262, 44, 0.008, 0.0, rgb(12, 18, 18), 12.0, 85},
    };
    const double lake_top = horizon + 10;
    for (int y = (int)lake_top; y < H; y++)
        for (int x = 0; x < W; x++) {
            int my = std::clamp((int)(2 * lake_top - y), 0, (int)horizon);
            Col sky = im.at(x, my);
            double depth = (y - lake_top) / (H - lake_top);
            double ripple = noise2(x * 0.05, y * 0.7, 90);
            Col water = mix(scale(sky, 0.8), rgb(26, 28, 48), 0.2 + 0.55 * depth);
            water = mix(water, rgb(160, 150, 190), smooth(0.6, 0.85, ripple) * 0.12);
            double shine = std::exp(-std::fabs(x - sun_x) / (10.0 + (y - horizon) * 0.35)) * smooth(0.4, 0.8, ripple);
            water = mix(water, rgb(255, 204, 140), shine * 0.75);
            im.at(x, y) = water;
        }
    for (int r = 0; r < 5; r++) {
        const Ridge &rd = ridges[r];
        for (int x = 0; x < W; x++) {
            double n = fbm1(x * rd.freq, 5, rd.seed);
            double h = rd.cut > 0 ? rd.amp * (n - rd.cut) * 2.4 : rd.amp * n;
            if (h <= 0) continue;
            double tips = rd.tree * std::pow(noise1(x * (1.6 / rd.tree), rd.seed + 7), 2.0) * smooth(0, 6, h);
            double top = rd.base - h - tips;
            double bottom = r == 0 ? lake_top + 2 : r == 4 ? H : rd.base + 3 + h * 0.22;
            for (int y = (int)top; y < (int)bottom + 1 && y < H; y++) {
                double tex = noise2(x * 0.25, y * 0.12, rd.seed + 40);            // the forest's grain
                Col c = scale(rd.c, 0.86 + 0.24 * tex);
                double rim = std::exp(-(y - top) / 3.0) * std::exp(-std::fabs(x - sun_x) / 300.0);
                c = mix(c, rgb(240, 150, 90), rim * (0.5 - 0.08 * r));        // sunset on the tree tops
                double a = clamp01(y + 1 - top) * clamp01(bottom - y);
                im.blend(x, y, c, a);
            }
        }
        if (r >= 3)
            for (int i = 0; i < (r == 3 ? 110 : 45); i++) {
                double x = rng.range(-10, W + 10);
                int xi = std::clamp((int)x, 0, W - 1);
                double n = fbm1(xi * rd.freq, 5, rd.seed);
                double h = rd.cut > 0 ? rd.amp * (n - rd.cut) * 2.4 : rd.amp * n;
                if (h < 8) continue;
                spruce(im, x, rd.base - h + rng.range(8, 8 + h * 0.8), rng.range(18, 50) * (r == 3 ? 1.0 : 2.4), scale(rd.c, 0.75), rgb(0, 0, 0), 0, rng);
            }
    }
    // the last light rakes across the nearest ridge tops
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++)
            im.at(x, y) = mix(im.at(x, y), rgb(0, 0, 0), 0.25 * smooth(480, 600, y));
    return im;
}

// ---------------------------------------------------------------------------------------------
// The icon: a snowy spruce under the moon on a rounded night-blue square.

static Image paint_icon() {
    const int S = 256;
    Image im(S, S);
    Rng rng(0x5EED0004u);
    const double R = 44;  // corner radius
    for (int y = 0; y < S; y++)
        for (int x = 0; x < S; x++) {
            double t = y / (double)S;
            im.at(x, y) = mix(rgb(8, 16, 44), rgb(36, 62, 112), t);
            double dx = std::max({R - (x + 0.5), (x + 0.5) - (S - R), 0.0});
            double dy = std::max({R - (y + 0.5), (y + 0.5) - (S - R), 0.0});
            double d = std::hypot(dx, dy);
            im.alpha[(size_t)y * S + x] = clamp01(R - d + 0.5);
        }
    for (int i = 0; i < 40; i++) {
        double x = rng.range(10, 246), y = rng.range(10, 150);
        double b = rng.uni();
        disc(im, x, y, 0.4 + b * 1.0, 0.8, rgb(230, 236, 255), 0.5 + 0.5 * b);
    }
    glow(im, 182, 72, 110, rgb(170, 190, 240), 0.40);
    disc(im, 182, 72, 33, 1.2, rgb(252, 246, 214), 1.0);
    for (int y = 38; y < 106; y++)
        for (int x = 148; x < 216; x++)
            if (std::hypot(x + 0.5 - 182, y + 0.5 - 72) < 33)
                im.blend(x, y, rgb(214, 206, 180), 0.45 * smooth(0.5, 0.75, fbm2(x * 0.08, y * 0.08, 3, 19)));
    // snowy ground: a gentle hill
    for (int y = 0; y < S; y++)
        for (int x = 0; x < S; x++) {
            double hill = 206 + 0.0009 * (x - 150) * (x - 150);
            if (y + 1 > hill) im.blend(x, y, mix(rgb(226, 234, 250), rgb(150, 170, 214), smooth(hill, 256, y)), clamp01(y + 1 - hill));
        }
    Rng tree(0x7EE);
    spruce(im, 40, 226, 66, rgb(16, 44, 40), rgb(220, 230, 250), 0.8, tree);
    spruce(im, 224, 222, 54, rgb(16, 44, 40), rgb(220, 230, 250), 0.8, tree);
    spruce(im, 112, 234, 196, rgb(14, 54, 42), rgb(236, 242, 255), 0.9, tree);
    return im;
}

// ---------------------------------------------------------------------------------------------
// The logo: HALVORNALAND in bold block letters, golden with a dark outline and a drop shadow.

static const char *const LETTERS[8][10] = {
    {"H", "##...##", "##...##", "##...##", "##...##", "#######", "##...##", "##...##", "##...##", "##...##"},
    {"A", ".#####.", "##...##", "##...##", "##...##", "#######", "##...##", "##...##", "##...##", "##...##"},
    {"L", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "#######"},
    {"V", "##...##", "##...##", "##...##", "##...##", "##...##", "###.###", ".##.##.", ".#####.", "..###.."},
    {"O", ".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", ".#####."},
    {"R", "######.", "##...##", "##...##", "##...##", "######.", "##.##..", "##..##.", "##...##", "##...##"},
    {"N", "##...##", "###..##", "###..##", "####.##", "##.####", "##..###", "##..###", "##...##", "##...##"},
    {"D", "######.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "######."},
};

static const char *const *letter(char ch) {
    for (const auto &l : LETTERS)
        if (l[0][0] == ch) return l + 1;
    return nullptr;
}

// The title lettering, 196 pixels wide with the version line centred under it; the letters keep
// clear of its sides, so that they stay inside the start menu's information box, 190 pixels wide.
static Image paint_logo() {
    const int W = 196, H = 45, CW = 2, CH = 4, GAP = 1, X0 = 6, Y0 = 3;
    const char *text = "HALVORNALAND";
    std::vector<uint8_t> ink((size_t)W * H, 0);
    int x = X0;
    for (const char *p = text; *p; p++) {
        const char *const *rows = letter(*p);
        for (int r = 0; rows && r < 9; r++)
            for (int c = 0; c < 7; c++)
                if (rows[r][c] == '#')
                    for (int yy = 0; yy < CH; yy++)
                        for (int xx = 0; xx < CW; xx++) {
                            int px = x + c * CW + xx, py = Y0 + r * CH + yy;
                            if (px >= 0 && px < W && py >= 0 && py < H) ink[(size_t)py * W + px] = 1;
                        }
        x += 7 * CW + GAP;
    }
    auto has = [&](int px, int py) { return px >= 0 && py >= 0 && px < W && py < H && ink[(size_t)py * W + px]; };
    Image im(W, H);
    std::fill(im.alpha.begin(), im.alpha.end(), 0.0);
    for (int py = 0; py < H; py++)
        for (int px = 0; px < W; px++) {
            size_t i = (size_t)py * W + px;
            if (has(px, py)) {
                double t = (py - Y0) / (9.0 * CH);
                Col c = mix(rgb(255, 236, 150), rgb(214, 124, 30), smooth(0.1, 1.0, t));
                if (!has(px, py - 1) || !has(px - 1, py)) c = mix(c, rgb(255, 250, 220), 0.6);   // bevel light
                if (!has(px, py + 1) || !has(px + 1, py)) c = mix(c, rgb(120, 60, 10), 0.5);     // bevel shade
                im.px[i] = c;
                im.alpha[i] = 1.0;
                continue;
            }
            bool outline = false;
            for (int dy = -1; dy <= 1 && !outline; dy++)
                for (int dx = -1; dx <= 1 && !outline; dx++) outline = has(px + dx, py + dy);
            if (outline) { im.px[i] = rgb(40, 20, 6); im.alpha[i] = 1.0; continue; }
            bool shadow = false;
            for (int dy = -1; dy <= 1 && !shadow; dy++)
                for (int dx = -1; dx <= 1 && !shadow; dx++) shadow = has(px + dx - 2, py + dy - 2);
            if (shadow) { im.px[i] = rgb(0, 0, 0); im.alpha[i] = 0.55; }
        }
    return im;
}

// ---------------------------------------------------------------------------------------------

// ---------------------------------------------------------------------------------------------
// The backgrounds of the game's own screens, made from the scenes above in other lights.

static Image tinted(Image im, Col tint, double brightness) {
    for (Col &p : im.px) p = Col{p.r * tint.r * brightness, p.g * tint.g * brightness, p.b * tint.b * brightness};
    return im;
}

// The side panel beside the map: dark weathered planks, so that text on it stays readable.
static Image paint_panel() {
    const int W = 328, H = 600;
    Image im(W, H);
    const int plank = 41;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            int board = x / plank;
            double grain = fbm2(x * 0.08 + board * 13.7, y * 0.006, 4, 71 + (uint32_t)board);
            double knot = fbm2(x * 0.05, y * 0.05, 2, 91);
            Col wood = mix(rgb(38, 27, 18), rgb(66, 48, 31), grain);
            wood = mix(wood, rgb(30, 20, 13), smooth(0.72, 0.9, knot) * 0.6);
            int seam = x % plank;
            if (seam == 0 || seam == plank - 1) wood = scale(wood, 0.45);
            im.at(x, y) = wood;
        }
    for (int y = 0; y < H; y++) {   // a darker rim towards the map
        for (int x = 0; x < 6; x++) im.at(x, y) = scale(im.at(x, y), 0.4 + 0.1 * x);
    }
    return im;
}

// A sheet of pale birch bark pinned over the picture, for the black text the start-up story writes
// on it: the window laid over the story darkens it by half, so it starts near white.
static void bark_sheet(Image &im, int x0, int y0, int x1, int y1, uint32_t seed) {
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double n = fbm2(x * 0.01, y * 0.2, 3, seed);
            Col c = mix(rgb(242, 238, 224), rgb(255, 252, 242), n);
            if (x == x0 || y == y0 || x == x1 || y == y1) c = rgb(120, 104, 80);
            im.at(x, y) = c;
        }
}

static Image paint_campfire_night() {
    Image im = paint_starry_night();
    glow(im, 400, 585, 260, rgb(255, 120, 40), 0.55);   // a campfire beyond the clearing
    glow(im, 400, 590, 60, rgb(255, 200, 120), 0.9);
    return im;
}

static Image paint_backstory() {
    Image im = paint_campfire_night();
    bark_sheet(im, 4, 24, 384, 176, 311);     // the words about the story, beside its picture
    bark_sheet(im, 190, 578, 610, 598, 313);  // the line that asks for a key
    return im;
}

static Image paint_supernatural() {
    Image im = paint_starry_night();
    aurora(im, 300, 45, 220, 77, 0.55);
    return tinted(im, Col{1.15, 0.75, 1.25}, 0.95);
}

// ---------------------------------------------------------------------------------------------
// Screen backgrounds of the encyclopedia and the body screens.

// A surface of fibres: bark, leather or hide, by the two colours and the grain's stretch.
static Image paint_fibres(Col dark, Col light, double sx, double sy, uint32_t seed, double vignette) {
    const int W = 800, H = 600;
    Image im(W, H);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            double n = fbm2(x * sx, y * sy, 5, seed);
            double m = fbm2(x * 0.01, y * 0.01, 3, seed + 7);
            Col c = mix(dark, light, n);
            c = mix(c, scale(dark, 0.6), smooth(0.62, 0.8, m) * 0.5);
            double dx = (x - W / 2.0) / (W / 2.0), dy = (y - H / 2.0) / (H / 2.0);
            im.at(x, y) = scale(c, 1 - vignette * (dx * dx + dy * dy) * 0.5);
        }
    return im;
}

static Image paint_heritage() {
    Image im = paint_fibres(rgb(150, 128, 96), rgb(226, 214, 186), 0.004, 0.09, 301, 0.5);
    Rng rng(0x4E51u);
    for (int i = 0; i < 90; i++) {   // the dark lenticels of birch bark
        double x = rng.range(0, 800), y = rng.range(0, 600), w = rng.range(8, 40);
        for (int k = 0; k < 3; k++) span(im, (int)y + k, x, x + w * (1 - k * 0.3), rgb(60, 44, 32), 0.55);
    }
    return im;
}

// ---------------------------------------------------------------------------------------------
// The story pictures, 240 x 150.

static Image shrink(const Image &src, int w, int h) {
    Image im(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            int x0 = x * src.w / w, x1 = (x + 1) * src.w / w, y0 = y * src.h / h, y1 = (y + 1) * src.h / h;
            Col sum{0, 0, 0};
            int n = 0;
            for (int yy = y0; yy < y1; yy++)
                for (int xx = x0; xx < x1; xx++) {
                    const Col &c = src.px[(size_t)yy * src.w + xx];
                    sum.r += c.r; sum.g += c.g; sum.b += c.b;
                    n++;
                }
            im.at(x, y) = n ? scale(sum, 1.0 / n) : Col{0, 0, 0};
        }
    return im;
}

// Sky, a far forest edge and ground: the frame every story scene is painted on.
static Image scene_base(Col sky_top, Col sky_low, Col ground, double horizon, uint32_t seed) {
    const int W = 240, H = 150;
    Image im(W, H);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            if (y < horizon) {
                im.at(x, y) = mix(sky_top, sky_low, y / horizon);
            } else {
                double n = fbm2(x * 0.05, y * 0.08, 3, seed);
                im.at(x, y) = mix(scale(ground, 0.8), ground, n);
            }
        }
    Rng rng(seed);
    for (double x = -4; x < W + 4; x += rng.range(4, 9))
        spruce(im, x, horizon + 2, rng.range(14, 30), mix(rgb(16, 30, 20), sky_low, 0.15), Col{0, 0, 0}, 0, rng);
    return im;
}

static Image paint_agriculture() {
    Image im = scene_base(rgb(110, 160, 220), rgb(220, 226, 210), rgb(196, 160, 70), 60, 11);
    for (int y = 64; y < 150; y += 6)   // furrows of ripe rye
        for (int x = 0; x < 240; x++) im.blend(x, y, rgb(150, 110, 40), 0.5);
    for (int i = 0; i < 5; i++) disc(im, 60 + i * 30, 100 + (i % 2) * 8, 5, 2, rgb(214, 186, 90), 1);   // sheaves
    return im;
}

static Image paint_fishing() {
    Image im = scene_base(rgb(120, 150, 200), rgb(230, 210, 180), rgb(60, 90, 120), 62, 12);
    for (int y = 64; y < 150; y++)
        for (int x = 0; x < 240; x++)
            im.blend(x, y, rgb(200, 200, 210), 0.2 * smooth(0.6, 0.8, noise2(x * 0.2, y * 0.6, 5)));
    for (int y = 0; y < 6; y++) span(im, 100 + y, 90 + y * 2, 150 - y * 2, rgb(70, 44, 24), 1);   // a boat
    disc(im, 120, 94, 4, 1, rgb(40, 30, 24), 1);
    for (int k = 0; k < 30; k++) im.blend(123 + k, 92 - k, rgb(60, 50, 40), 1);   // the rod
    return im;
}

// A band of a full-screen picture, rows y0 .. y0 + h - 1, shrunk to w x out_h: the course pictures.
static Image band(const Image &src, int y0, int h, int w, int out_h) {
    Image cut(src.w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < src.w; x++) cut.at(x, y) = src.px[(size_t)(y0 + y) * src.w + x];
    return shrink(cut, w, out_h);
}

static Image paint_camp() { return shrink(paint_campfire_night(), 240, 150); }

static Image paint_helpless() {
    Image im = shrink(paint_starry_night(), 240, 150);
    return tinted(im, Col{0.8, 0.85, 1.0}, 0.55);
}

static Image paint_halvornaland() { return shrink(paint_worldview(), 240, 150); }

static Image paint_fence(bool snow) {
    Image im = snow ? scene_base(rgb(150, 170, 200), rgb(226, 232, 240), rgb(236, 240, 246), 58, 13)
                    : scene_base(rgb(110, 150, 200), rgb(210, 220, 210), rgb(90, 110, 60), 58, 13);
    for (int i = 0; i < 14; i++) {   // felled trees laid as a fence, narrowing to a pit
        double x = 8 + i * 17, y = 120 - i * 3.5;
        for (int k = 0; k < 4; k++) span(im, (int)y + k, x, x + 20, rgb(84, 60, 40), 1);
    }
    disc(im, 226, 76, 8, 2, rgb(30, 24, 20), 1);
    return im;
}

static Image paint_trapping() {
    Image im = paint_fence(true);
    disc(im, 70, 118, 3, 1, rgb(230, 230, 235), 1);   // a snared hare in the snow
    return im;
}

static Image paint_bear() {
    Image im = scene_base(rgb(100, 140, 190), rgb(200, 214, 200), rgb(70, 96, 50), 66, 14);
    const Col fur = rgb(74, 48, 28);
    disc(im, 120, 104, 30, 3, fur, 1);      // body
    disc(im, 84, 96, 15, 2, fur, 1);        // head
    disc(im, 76, 84, 5, 1, fur, 1);         // ears
    disc(im, 92, 83, 5, 1, fur, 1);
    disc(im, 72, 100, 6, 1, rgb(110, 80, 56), 1);   // muzzle
    for (int lx : {98, 112, 134, 146})
        for (int y = 120; y < 140; y++) span(im, y, lx, lx + 9, fur, 1);
    disc(im, 80, 93, 1.5, 0.5, rgb(10, 8, 6), 1);
    return im;
}

// A thick straight stroke: round spots along the way.
static void stroke(Image &im, double x0, double y0, double x1, double y1, double width, Col c) {
    const int steps = (int)std::ceil(std::hypot(x1 - x0, y1 - y0) * 2) + 1;
    for (int i = 0; i <= steps; i++) {
        const double t = (double)i / steps;
        disc(im, lerp(x0, x1, t), lerp(y0, y1, t), width / 2, 0.6, c, 1);
    }
}

// The head picture of timber and carpentry work: a woodworker at a log laid on two trestles, the axe
// raised for the next blow, chips in the grass.
static Image paint_woodworker() {
    Image im = scene_base(rgb(120, 160, 210), rgb(226, 222, 196), rgb(96, 118, 58), 58, 15);
    const Col wood = rgb(112, 78, 44), dark = rgb(58, 40, 24), cloth = rgb(82, 96, 120), skin = rgb(214, 170, 130);
    for (double tx : {70.0, 140.0}) {   // the trestles
        stroke(im, tx - 10, 132, tx + 6, 98, 3, dark);
        stroke(im, tx + 10, 132, tx - 6, 98, 3, dark);
    }
    for (int y = 0; y < 12; y++)        // the log, lighter on top
        span(im, 90 + y, 40, 168, mix(rgb(150, 112, 70), wood, y / 11.0), 1);
    disc(im, 168, 96, 6, 0.8, rgb(196, 160, 110), 1);   // its cut end with the rings
    disc(im, 168, 96, 3, 0.5, rgb(168, 128, 84), 1);
    Rng rng(16);
    for (int i = 0; i < 18; i++)        // chips on the ground
        disc(im, rng.range(60, 200), rng.range(118, 142), rng.range(0.8, 1.8), 0.5, rgb(214, 186, 140), 1);
    // The woodworker, facing the log from the right.
    stroke(im, 196, 142, 190, 116, 5, dark);   // legs
    stroke(im, 206, 142, 200, 116, 5, dark);
    for (int y = 86; y < 118; y++) span(im, y, 186 + (y - 86) * 0.1, 206 - (y - 86) * 0.05, cloth, 1);   // body
    disc(im, 197, 78, 7, 0.8, skin, 1);                   // head
    disc(im, 197, 73, 7, 0.8, rgb(70, 50, 30), 0.9);      // hair
    stroke(im, 190, 90, 178, 64, 4, cloth);               // arms raised
    stroke(im, 202, 90, 182, 62, 4, cloth);
    disc(im, 180, 62, 3, 0.6, skin, 1);                   // hands
    stroke(im, 180, 62, 166, 40, 2.4, rgb(150, 110, 64)); // the axe's handle
    for (int k = 0; k < 9; k++)                           // its blade
        span(im, 34 + k, 158 - k * 0.4, 168 - k * 0.8, rgb(170, 176, 184), 1);
    return im;
}

// ---------------------------------------------------------------------------------------------
// The body picture. Each pixel belongs to a region (0 outside); a region's pixels that touch another
// region or the outside are its outline, the rest its skin. The left half is described; the right
// half is its mirror (pixel x and 197 - x), and every part off the middle has its own region on each side.

static const int BODY_W = 198, BODY_H = 302;
static const Col SKIN = Col{222 / 255.0, 186 / 255.0, 152 / 255.0};
static const Col OUTLINE = Col{62 / 255.0, 40 / 255.0, 28 / 255.0};

static bool in_ellipse(double x, double y, double cx, double cy, double rx, double ry) {
    double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

// The part of the left half at (fx, fy) (pixel centres), 1 + part number, or 0 outside.
static int body_part_at(double fx, double fy) {
    if (in_ellipse(fx, fy, 87.5, 27.5, 4.5, 3)) return 1 + 1;                      // eye
    if (in_ellipse(fx, fy, 99, 20, 15, 19)) return fy < 23 ? 1 + 0 : 1 + 2;         // skull, face
    if (fy >= 39 && fy < 62 && fx >= 91) return 1 + 3;                              // neck
    if (fy >= 62 && fy < 125 && fx >= 60) return 1 + 9;                             // chest
    if (in_ellipse(fx, fy, 38, 75, 22, 14) && fx < 60 && fy < 89) return 1 + 4;     // shoulder
    if (fx >= 16 && fx < 40) {                                                      // the arm
        if (fy >= 89 && fy < 112) return 1 + 5;
        if (fy >= 112 && fy < 128) return 1 + 6;
        if (fy >= 128 && fy < 158) return 1 + 7;
    }
    if (in_ellipse(fx, fy, 27, 170, 11, 13) && fy >= 158) return 1 + 8;             // hand
    if (fy >= 125 && fy < 158 && fx >= 64) return 1 + 10;                           // abdomen
    if (fy >= 158 && fy < 188 && fx >= 82) return 1 + 12;                           // groin
    if (fy >= 158 && fy < 185 && fx >= 58) return 1 + 11;                           // hip
    if (fy >= 185 && fy < 215 && fx >= 58 && fx < 96) return 1 + 13;                // thigh
    if (fy >= 215 && fy < 238 && fx >= 60 && fx < 92) return 1 + 14;                // knee
    if (fy >= 238 && fy < 280 && fx >= 60 && fx < 88) return 1 + 15;                // shin
    if (fy >= 280 && fy < 300 && fx >= 50 && fx < 88) return 1 + 16;                // foot
    return 0;
}

static int body_region(int x, int y) {
    if (x < 0 || y < 0 || x >= BODY_W || y >= BODY_H) return 0;
    const double px = x + 0.5, py = y + 0.5;
    const bool right = px > 99;
    const int part = body_part_at(right ? 198 - px : px, py);
    if (part == 0) return 0;
    static const bool middle[18] = {false, true, false, true, true, false, false, false, false,
                                    false, true, true, false, true, false, false, false, false};
    return right && !middle[part] ? part + 100 : part;
}

static void paint_body(Image &skin, Image &black) {
    for (int y = 0; y < BODY_H; y++)
        for (int x = 0; x < BODY_W; x++) {
            const int r = body_region(x, y);
            skin.alpha[(size_t)y * BODY_W + x] = r ? 1.0 : 0.0;
            black.alpha[(size_t)y * BODY_W + x] = r ? 1.0 : 0.0;
            black.at(x, y) = Col{0, 0, 0};
            if (!r) continue;
            const bool edge = body_region(x - 1, y) != r || body_region(x + 1, y) != r ||
                              body_region(x, y - 1) != r || body_region(x, y + 1) != r;
            skin.at(x, y) = edge ? OUTLINE : SKIN;
        }
}

// Writes a picture without the dither of photographs: the body's colours must be exact.
static bool save_exact(const Image &im, const char *name) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, im.w, im.h, 32, SDL_PIXELFORMAT_RGBA32);
    if (!s) return false;
    SDL_LockSurface(s);
    for (int y = 0; y < im.h; y++) {
        uint8_t *row = (uint8_t *)s->pixels + (size_t)y * s->pitch;
        for (int x = 0; x < im.w; x++) {
            const Col &c = im.px[(size_t)y * im.w + x];
            row[x * 4 + 0] = (uint8_t)std::lround(clamp01(c.r) * 255);
            row[x * 4 + 1] = (uint8_t)std::lround(clamp01(c.g) * 255);
            row[x * 4 + 2] = (uint8_t)std::lround(clamp01(c.b) * 255);
            row[x * 4 + 3] = (uint8_t)std::lround(clamp01(im.alpha[(size_t)y * im.w + x]) * 255);
        }
    }
    SDL_UnlockSurface(s);
    const std::string path = Dir + "/" + name;
    const int rc = IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) fprintf(stderr, "gen_pictures: cannot write %s: %s\n", path.c_str(), SDL_GetError());
    return rc == 0;
}

static bool save_story_pictures() {
    Image skin(BODY_W, BODY_H), black(BODY_W, BODY_H);
    paint_body(skin, black);
    bool ok = save_exact(skin, "truegfx/armour.png");
    ok = save_exact(black, "truegfx/armour_black.png") && ok;
    ok = save(paint_heritage(), "truegfx/bg-heritage.jpg", false, false) && ok;
    ok = save(paint_fibres(rgb(34, 24, 18), rgb(92, 64, 42), 0.02, 0.006, 303, 0.8), "truegfx/bg-coverage.jpg",
              false, false) && ok;
    ok = save(paint_fibres(rgb(40, 14, 12), rgb(110, 60, 46), 0.006, 0.02, 305, 0.9), "truegfx/bg-injury.jpg",
              false, false) && ok;
    ok = save(paint_halvornaland(), "truegfx/scene-halvornaland.jpg", false, false) && ok;
    ok = save(paint_helpless(), "truegfx/scene-helpless.jpg", false, false) && ok;
    ok = save(paint_agriculture(), "truegfx/scene-agriculture.jpg", false, false) && ok;
    ok = save(paint_fishing(), "truegfx/scene-fishing.jpg", false, false) && ok;
    ok = save(paint_camp(), "truegfx/scene-camp.jpg", false, false) && ok;
    ok = save(paint_trapping(), "truegfx/scene-trapping.jpg", false, false) && ok;
    ok = save(paint_bear(), "truegfx/cre-bear.jpg", false, false) && ok;
    ok = save(paint_fence(false), "truegfx/info-fence.jpg", false, false) && ok;
    ok = save(paint_woodworker(), "truegfx/head-108.jpg", false, false) && ok;
    return ok;
}

// The faces of the talk screen, one file per name the game gives a person.
static bool save_portraits() {
    bool ok = true;
    for (const portrait::SetNames *sets : {portrait::SETS, portrait::GROUPS})
        for (int g = 0; g < 5; g++) {
        const portrait::SetNames &set = sets[g];
        for (int n = 1; n <= set.count; n++) {
            char name[64];
            snprintf(name, sizeof name, "%s/truegfx/%s%02d.png", Dir.c_str(), set.prefix, n);
            if (!portrait::save_png(portrait::paint(set.set, n), name)) {
                fprintf(stderr, "gen_pictures: cannot write %s\n", name);
                ok = false;
            }
        }
        }
    const std::string kid = Dir + "/truegfx/kid1.png";
    if (!portrait::save_png(portrait::paint(portrait::KID, 0), kid.c_str())) {
        fprintf(stderr, "gen_pictures: cannot write %s\n", kid.c_str());
        ok = false;
    }
    return ok;
}

int main(int argc, char **argv) {
    if (argc < 2) { fprintf(stderr, "usage: gen_pictures <working folder>\n"); return 1; }
    Dir = argv[1];
    std::string truegfx = Dir + "/truegfx";
    if (mkdir(truegfx.c_str(), 0755) != 0 && errno != EEXIST) {
        fprintf(stderr, "gen_pictures: cannot make %s\n", truegfx.c_str());
        return 1;
    }
    bool ok = true;
    Image night = paint_starry_night();
    ok = save(night, "tahtitaivas.jpg", false, false) && ok;
    ok = save(night, "truegfx/tahtitaivas.jpg", false, false) && ok;
    ok = save(paint_icon(), "oxaicon-256.png", true, true) && ok;
    ok = save(paint_winter_lake(), "truegfx/bg-oxastart.png", true, false) && ok;
    ok = save(paint_logo(), "truegfx/logotext.png", true, true) && ok;
    Image world = paint_worldview();
    ok = save(world, "truegfx/bg-worldview.jpg", false, false) && ok;
    ok = save(tinted(world, Col{0.9, 0.95, 1.05}, 0.8), "truegfx/bg-wideworld.jpg", false, false) && ok;
    ok = save(tinted(world, Col{0.85, 0.9, 1.0}, 0.4), "truegfx/bg-origin.jpg", false, false) && ok;
    ok = save(tinted(paint_winter_lake(), Col{1, 1, 1}, 0.55), "truegfx/bg-profile.jpg", false, false) && ok;
    ok = save(tinted(night, Col{0.8, 0.8, 0.8}, 0.6), "truegfx/bg-deathscene.png", true, false) && ok;
    ok = save(paint_backstory(), "truegfx/bg-backstory.png", true, false) && ok;
    ok = save(paint_supernatural(), "truegfx/bg-supernatural.jpg", false, false) && ok;
    ok = save(paint_panel(), "truegfx/bg-rpanel.png", true, false) && ok;
    ok = save(tinted(world, Col{0.7, 0.8, 1.1}, 0.55), "truegfx/bg-campsel.jpg", false, false) && ok;
    ok = save(band(world, 200, 337, 380, 160), "truegfx/coursepic_1.png", true, false) && ok;
    ok = save(band(paint_winter_lake(), 240, 337, 380, 160), "truegfx/coursepic_2.png", true, false) && ok;
    ok = save(band(paint_supernatural(), 60, 337, 380, 160), "truegfx/coursepic_3.png", true, false) && ok;
    ok = save_story_pictures() && ok;
    ok = save_portraits() && ok;
    return ok ? 0 : 1;
}
