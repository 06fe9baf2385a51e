// tools/gen_places.cpp -- paints the location pictures of the region box into <working folder>/truegfx:
// one small landscape for each kind of world cell ("terrain-conifer.jpg", "terrain-lake.jpg", ...),
// a winter form ("terrain-conifer-winter.jpg") where the scene changes with snow and ice, the plain
// winter ground "terrain-ground-winter.jpg", and the lake picture "jarvi" in its full, "_small" and
// "_400x300" forms. Everything is drawn by code with a fixed-seed generator: every build paints the same pixels.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int W = 240, H = 150;

struct Col {
    double r, g, b;
};
Col mix(Col a, Col b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Col rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

struct Rng {                        // xorshift32
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    double uni() { return (next() >> 8) * (1.0 / 16777216.0); }
    double range(double a, double b) { return a + (b - a) * uni(); }
};

struct Image {
    int w, h;
    std::vector<Col> px;
    Image(int w_, int h_) : w(w_), h(h_), px((size_t)w_ * h_, Col{0, 0, 0}) {}
    void put(int x, int y, Col c) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[(size_t)y * w + x] = c;
    }
    void blend(int x, int y, Col c, double a) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[(size_t)y * w + x] = mix(px[(size_t)y * w + x], c, a);
    }
};

// A scene's season decides the light, the ground and whether water is frozen.
struct Season {
    bool winter;
    Col sky_top, sky_low, ground, far_ground, water, foliage, needles;
};
const Season SUMMER = {false, rgb(92, 140, 200), rgb(196, 216, 232), rgb(92, 126, 58), rgb(70, 102, 66),
                       rgb(52, 92, 138), rgb(84, 140, 52), rgb(34, 70, 40)};
const Season WINTER = {true, rgb(150, 168, 190), rgb(226, 230, 236), rgb(236, 240, 246), rgb(206, 214, 226),
                       rgb(210, 222, 232), rgb(120, 120, 110), rgb(40, 62, 52)};

void sky(Image &im, const Season &s, double horizon) {
    for (int y = 0; y < im.h; y++)
        for (int x = 0; x < im.w; x++) im.put(x, y, mix(s.sky_top, s.sky_low, std::min(1.0, y / horizon)));
}

void ground(Image &im, const Season &s, double horizon, uint32_t seed) {
    Rng rng(seed);
    for (int y = (int)horizon; y < im.h; y++)
        for (int x = 0; x < im.w; x++) {
            const double t = (y - horizon) / (im.h - horizon);
            Col c = mix(s.far_ground, s.ground, t);
            const double n = rng.range(-0.04, 0.04);
            im.put(x, y, {c.r + n, c.g + n, c.b + n});
        }
}

// A range of hills or mountains: a silhouette of summed waves above `base`.
void ridge(Image &im, double base, double height, Col c, uint32_t seed, double sharp, Col cap = {-1, 0, 0},
           double cap_depth = 0) {
    Rng rng(seed);
    const double p1 = rng.range(0, 6.28), p2 = rng.range(0, 6.28), p3 = rng.range(0, 6.28);
    for (int x = 0; x < im.w; x++) {
        const double u = x / (double)im.w;
        double v = 0.5 + 0.3 * std::sin(u * 6.0 + p1) + 0.15 * std::sin(u * 13.0 + p2) + 0.05 * std::sin(u * 29.0 + p3);
        if (sharp > 0) v = std::pow(std::fabs(std::sin(u * 3.14 * sharp + p1)), 0.7) * 0.8 + 0.1 * v;
        const int top = (int)(base - height * v);
        for (int y = top; y < (int)base + 1; y++) {
            const bool capped = cap.r >= 0 && y < top + cap_depth * (1.0 + v);
            im.put(x, y, capped ? cap : c);
        }
    }
}

void spruce(Image &im, int x, int foot, int h, Col c, bool snow) {
    for (int dy = 0; dy < h; dy++) {
        const int half = (int)((dy + 1) * 0.28 * (1.0 + 0.25 * ((dy / 4) % 2)));
        for (int dx = -half; dx <= half; dx++) {
            const bool white = snow && (dy % 4 == 0) && std::abs(dx) < half;
            im.put(x + dx, foot - h + dy, white ? rgb(240, 244, 250) : c);
        }
    }
    for (int dy = 0; dy < h / 8 + 1; dy++) im.put(x, foot + dy, rgb(70, 50, 34));
}

void pine(Image &im, int x, int foot, int h, Col crown, bool snow) {
    for (int dy = 0; dy < h; dy++) im.put(x, foot - dy, rgb(150, 90, 60));
    const int cy = foot - h, r = h / 4 + 2;
    for (int dy = -r / 2; dy <= r / 2; dy++)
        for (int dx = -r; dx <= r; dx++)
            if (dx * dx + 4 * dy * dy <= r * r) im.put(x + dx, cy + dy, snow && dy < 0 ? rgb(236, 240, 246) : crown);
}

void leafy(Image &im, int x, int foot, int h, Col crown) {
    for (int dy = 0; dy < h / 2; dy++) im.put(x, foot - dy, rgb(220, 220, 210));     // a birch stem
    const int r = h / 3 + 2, cy = foot - h + r;
    for (int dy = -r; dy <= r; dy++)
        for (int dx = -r; dx <= r; dx++)
            if (dx * dx + dy * dy <= r * r) im.put(x + dx, cy + dy, crown);
}

void forest(Image &im, const Season &s, double horizon, int kind, uint32_t seed, int count) {
    Rng rng(seed);
    for (int i = 0; i < count; i++) {
        const double depth = rng.uni();
        const int foot = (int)(horizon + 4 + depth * (im.h - horizon - 8));
        const int x = (int)rng.range(-5, im.w + 5), h = (int)(14 + depth * 34);
        const int k = kind == 3 ? (int)rng.range(0, 3) : kind;
        if (k == 0) spruce(im, x, foot, h, s.needles, s.winter);
        else if (k == 1) pine(im, x, foot, h, s.needles, s.winter);
        else leafy(im, x, foot, h, s.winter ? s.foliage : mix(s.foliage, rgb(140, 170, 60), rng.uni() * 0.4));
    }
}

void water(Image &im, const Season &s, int top, int bottom, int left, int right, uint32_t seed, bool flowing) {
    Rng rng(seed);
    for (int y = top; y < bottom; y++)
        for (int x = left; x < right; x++) {
            Col c = mix(s.water, s.sky_low, 0.3 * (1.0 - (y - top) / (double)(bottom - top + 1)));
            if (!s.winter && rng.uni() < (flowing ? 0.08 : 0.025)) c = mix(c, rgb(230, 240, 250), 0.6);
            im.put(x, y, c);
        }
}

void mire(Image &im, const Season &s, double horizon, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 26; i++) {                  // pools
        const int cx = (int)rng.range(0, im.w), cy = (int)rng.range(horizon + 6, im.h);
        const int rx = (int)rng.range(6, 16), ry = rx / 4 + 1;
        for (int dy = -ry; dy <= ry; dy++)
            for (int dx = -rx; dx <= rx; dx++)
                if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry)
                    im.put(cx + dx, cy + dy, s.winter ? rgb(214, 224, 234) : rgb(60, 78, 70));
    }
    for (int i = 0; i < 400; i++) {                 // tussocks
        const int x = (int)rng.range(0, im.w), y = (int)rng.range(horizon + 2, im.h);
        im.put(x, y, s.winter ? rgb(170, 160, 120) : rgb(168, 150, 70));
        im.put(x, y - 1, s.winter ? rgb(190, 180, 140) : rgb(190, 170, 90));
    }
}

void field(Image &im, const Season &s, double horizon) {
    for (int y = (int)horizon + 2; y < im.h; y++)
        for (int x = 0; x < im.w; x++) {
            const double furrow = std::sin((x - W / 2) * (1.0 + (y - horizon) * 0.02) * 0.9);
            if (furrow > 0.6) im.blend(x, y, s.winter ? rgb(200, 205, 215) : rgb(170, 150, 70), 0.5);
        }
}

void house(Image &im, int x, int foot, int w, int h, const Season &s) {
    for (int dy = 0; dy < h; dy++)
        for (int dx = 0; dx < w; dx++) im.put(x + dx, foot - dy, dx % 5 == 0 ? rgb(90, 60, 40) : rgb(120, 80, 50));
    for (int dy = 0; dy < h / 2 + 3; dy++)
        for (int dx = -3 + dy; dx < w + 3 - dy; dx++)
            im.put(x + dx, foot - h - h / 2 - 2 + dy, s.winter ? rgb(236, 240, 246) : rgb(70, 60, 50));
    im.put(x + w / 2, foot - h / 2, rgb(250, 210, 120));
    im.put(x + w / 2 + 1, foot - h / 2, rgb(250, 210, 120));
}

void kota(Image &im, int x, int foot, int h, const Season &s) {
    for (int dy = 0; dy < h; dy++)
        for (int dx = -dy / 2; dx <= dy / 2; dx++)
            im.put(x + dx, foot - h + dy, s.winter && dy < h / 3 ? rgb(230, 232, 236) : rgb(110, 96, 80));
    for (int dy = 0; dy < h / 3; dy++) im.put(x, foot - dy, rgb(40, 30, 24));
}

void cave_mouth(Image &im, int cx, int foot, int r) {
    for (int dy = -r; dy <= 0; dy++)
        for (int dx = -r; dx <= r; dx++)
            if (dx * dx + dy * dy <= r * r) im.put(cx + dx, foot + dy, rgb(20, 18, 16));
}

bool save(const Image &im, const std::string &dir, const std::string &name) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, im.w, im.h, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return false;
    SDL_LockSurface(s);
    for (int y = 0; y < im.h; y++) {
        uint8_t *row = (uint8_t *)s->pixels + (size_t)y * s->pitch;
        for (int x = 0; x < im.w; x++) {
            const Col &c = im.px[(size_t)y * im.w + x];
            const double v[3] = {c.r, c.g, c.b};
            for (int k = 0; k < 3; k++) row[x * 3 + k] = (uint8_t)std::lround(255 * std::min(1.0, std::max(0.0, v[k])));
        }
    }
    SDL_UnlockSurface(s);
    const std::string path = dir + "/truegfx/" + name;
    const int rc = IMG_SaveJPG(s, path.c_str(), 90);
    SDL_FreeSurface(s);
    if (rc != 0) fprintf(stderr, "gen_places: cannot write %s: %s\n", path.c_str(), SDL_GetError());
    return rc == 0;
}

// One scene by the kind of world cell.
Image paint(const std::string &kind, const Season &s) {
    Image im(W, H);
    const double hz = 62;
    sky(im, s, hz);
    uint32_t k = 7;
    for (char c : kind) k = k * 31 + (uint8_t)c;
    const Col far = mix(s.needles, s.sky_low, 0.55);
    if (kind == "mountain" || kind == "fell") {
        const bool fell = kind == "fell";
        ridge(im, hz + 10, fell ? 44 : 58, mix(rgb(110, 110, 120), s.sky_low, 0.2), k, fell ? 0 : 2.2,
              rgb(240, 244, 250), s.winter ? 60 : (fell ? 4 : 10));
        ground(im, s, hz + 10, k);
        if (!fell) forest(im, s, hz + 10, 0, k + 1, 14);
        return im;
    }
    if (kind == "cliff" || kind == "cave") {
        ridge(im, hz + 4, 20, far, k + 3, 0);
        ground(im, s, hz + 4, k);
        for (int x = 60; x < 190; x++)           // a wall of rock
            for (int y = (int)(hz - 30 + 8 * std::sin(x * 0.09)); y < H - 10; y++)
                im.put(x, y, mix(rgb(96, 92, 88), rgb(140, 136, 128), 0.5 + 0.5 * std::sin(x * 0.7 + y * 0.13)));
        if (kind == "cave") cave_mouth(im, 125, H - 10, 22);
        forest(im, s, hz + 4, 0, k + 2, 10);
        return im;
    }
    ridge(im, hz + 2, kind == "hill" ? 34 : 12, far, k + 5, 0);
    ground(im, s, hz + 2, k);
    if (kind == "hill") {
        ridge(im, H - 20, 50, s.winter ? s.ground : mix(s.ground, s.needles, 0.3), k + 9, 0);
        forest(im, s, hz + 2, 0, k + 1, 12);
    } else if (kind == "conifer") {
        forest(im, s, hz + 2, 0, k, 70);
    } else if (kind == "grove") {
        forest(im, s, hz + 2, 2, k, 40);
    } else if (kind == "lichen_heath" || kind == "pine_heath") {
        for (int y = (int)hz + 4; y < H; y += 2)
            for (int x = (y * 7) % 5; x < W; x += 5) im.blend(x, y, s.winter ? rgb(250, 250, 250) : rgb(200, 200, 170), 0.5);
        forest(im, s, hz + 2, 1, k, 26);
    } else if (kind == "open_mire" || kind == "pine_mire" || kind == "spruce_mire") {
        mire(im, s, hz + 2, k);
        if (kind == "pine_mire") forest(im, s, hz + 2, 1, k + 1, 14);
        if (kind == "spruce_mire") forest(im, s, hz + 2, 0, k + 1, 22);
    } else if (kind == "lake" || kind == "small_lake" || kind == "jarvi") {
        const bool small = kind == "small_lake";
        water(im, s, (int)hz + 6, H - (small ? 40 : 18), small ? 50 : 0, small ? 190 : W, k, false);
        forest(im, s, hz + 2, 0, k, 10);
    } else if (kind == "river" || kind == "rapids") {
        for (int y = (int)hz + 4; y < H; y++) {
            const double t = (y - hz) / (H - hz);
            const int mid = (int)(W / 2 + 30 * std::sin(t * 3.0)), half = (int)(6 + 40 * t);
            water(im, s, y, y + 1, mid - half, mid + half, k + y, true);
            if (kind == "rapids" && !s.winter)
                for (int x = mid - half; x < mid + half; x += 3)
                    if (((x * 13 + y * 7) % 5) < 2) im.put(x, y, rgb(240, 246, 250));
        }
        forest(im, s, hz + 2, 0, k, 16);
    } else if (kind == "field") {
        field(im, s, hz + 2);
        house(im, 170, (int)hz + 20, 22, 10, s);
    } else if (kind == "village" || kind == "house") {
        forest(im, s, hz + 2, 0, k, 10);
        const int n = kind == "house" ? 1 : 4;
        for (int i = 0; i < n; i++) house(im, 30 + i * 50 + (kind == "house" ? 60 : 0), (int)hz + 40 + (i % 2) * 24, 30, 14, s);
    } else if (kind == "kota_village") {
        forest(im, s, hz + 2, 1, k, 10);
        for (int i = 0; i < 4; i++) kota(im, 40 + i * 52, (int)hz + 46 + (i % 2) * 20, 34, s);
    } else {                                         // plain ground
        forest(im, s, hz + 2, 3, k, 8);
    }
    return im;
}

// A half-size copy for the small form.
Image half(const Image &im) {
    Image out(im.w / 2, im.h / 2);
    for (int y = 0; y < out.h; y++)
        for (int x = 0; x < out.w; x++) {
            const Col a = im.px[(size_t)(2 * y) * im.w + 2 * x], b = im.px[(size_t)(2 * y) * im.w + 2 * x + 1];
            const Col c = im.px[(size_t)(2 * y + 1) * im.w + 2 * x], d = im.px[(size_t)(2 * y + 1) * im.w + 2 * x + 1];
            out.put(x, y, {(a.r + b.r + c.r + d.r) / 4, (a.g + b.g + c.g + d.g) / 4, (a.b + b.b + c.b + d.b) / 4});
        }
    return out;
}

// The middle 200 x 150 of a scene drawn twice as large, smoothly: the 400 x 300 picture of the game
// course's first task.
Image doubled_middle(const Image &im) {
    Image out(400, 300);
    const int left = (im.w - 200) / 2;
    for (int y = 0; y < out.h; y++)
        for (int x = 0; x < out.w; x++) {
            const double sx = left + (x - 0.5) / 2.0, sy = (y - 0.5) / 2.0;
            const int x0 = std::max(0, std::min(im.w - 1, (int)std::floor(sx))), y0 = std::max(0, std::min(im.h - 1, (int)std::floor(sy)));
            const int x1 = std::min(im.w - 1, x0 + 1), y1 = std::min(im.h - 1, y0 + 1);
            const double fx = std::max(0.0, std::min(1.0, sx - x0)), fy = std::max(0.0, std::min(1.0, sy - y0));
            const Col top = mix(im.px[(size_t)y0 * im.w + x0], im.px[(size_t)y0 * im.w + x1], fx);
            const Col low = mix(im.px[(size_t)y1 * im.w + x0], im.px[(size_t)y1 * im.w + x1], fx);
            out.put(x, y, mix(top, low, fy));
        }
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_places <working folder>\n");
        return 1;
    }
    const std::string dir = argv[1];
    if (mkdir((dir + "/truegfx").c_str(), 0755) != 0 && errno != EEXIST) {
        fprintf(stderr, "gen_places: cannot make %s/truegfx\n", dir.c_str());
        return 1;
    }
    // Every kind with a winter form: the snow, the ice and the bare trees change the scene.
    const char *kinds[] = {"conifer", "grove", "cave", "hill", "cliff", "mountain", "fell", "river", "rapids",
                           "village", "kota_village", "open_mire", "spruce_mire", "pine_mire", "pine_heath",
                           "field", "lake", "small_lake", "house", "lichen_heath", "ground"};
    bool ok = true;
    for (const char *kind : kinds) {
        const std::string name = std::string("terrain-") + kind;
        ok = save(paint(kind, SUMMER), dir, name + ".jpg") && ok;
        if (std::string(kind) != "lichen_heath") ok = save(paint(kind, WINTER), dir, name + "-winter.jpg") && ok;
    }
    // The lichen heath under snow looks like the pine heath in winter.
    ok = save(paint("pine_heath", WINTER), dir, "terrain-pine_heath-winter.jpg") && ok;
    const Image lake = paint("jarvi", SUMMER);
    ok = save(lake, dir, "jarvi.jpg") && ok;
    ok = save(half(lake), dir, "jarvi_small.jpg") && ok;
    ok = save(doubled_middle(lake), dir, "jarvi_400x300.jpg") && ok;
    return ok ? 0 : 1;
}
