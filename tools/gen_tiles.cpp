// tools/gen_tiles.cpp -- paints every map tile into "<working folder>/truetile": terrain, trees,
// water and ice, soil and snow overlays, height steps, fires, blood, traps, items, creatures, the
// player figure, cursors and weather. Each file is a strip: row 0 is the marker row (pixel 0,0 the
// colour key), frames lie side by side from (1, 1) with one separator column between them; the
// image height picks the size class (66 -> 64 x 64, 98 -> 64 x 96, 74 -> 64 x 72, 34 -> 32 x 32).
// Everything is drawn from code with fixed seeds, so every build paints the same pixels.
#include "tilepaint.h"

#include <sys/stat.h>
#include <cerrno>

// ---------------------------------------------------------------------------------------------
// Ground: a ragged patch about one cell wide around the reference point (32, 32) of a 64 x 64
// frame. Neighbouring patches overlap a little, so the ground reads as one surface.

typedef std::function<C(int, int)> Paint;

static bool patch_mask(int x, int y, uint32_t seed, double grow = 1.0) {
    double dx = (x + 0.5 - 32) / (12.5 * grow), dy = (y + 0.5 - 32) / (13.5 * grow);
    double d = std::fmax(std::fabs(dx), std::fabs(dy)) * 0.75 + std::sqrt(dx * dx + dy * dy) * 0.25;
    return d < 0.92 + 0.22 * (fbm(x * 0.35, y * 0.35, seed) - 0.5) * 2;
}

static Frame patch(uint32_t seed, const Paint &paint, double grow = 1.0) {
    Frame f(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (patch_mask(x, y, seed, grow)) f.put(x, y, paint(x, y));
    return f;
}

static Paint speckle(C base, C dark, C light, uint32_t seed, double scale = 0.25) {
    return [=](int x, int y) {
        double n = fbm(x * scale, y * scale, seed);
        C c = mixc(dark, base, fade(std::fmin(1.0, n * 1.6)));
        if (rnd(x, y, seed + 3) > 0.93) c = light;
        if (rnd(x, y, seed + 5) > 0.95) c = shade(c, 0.8);
        return c;
    };
}

// Edge pieces of a ground tile over a water square: 2 left, 3 lower left, 4 below, 5 lower right,
// 6 right, 7 upper right, 8 above, 9 upper left, each a fringe spilling in from that side.
static Frame shore_piece(int frame, const Paint &paint, uint32_t seed) {
    Frame f(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            double lx = x - 32 + 9, rx = 32 + 9 - x, ty = y - 32 + 10, by = 32 + 10 - y;   // depth from each side
            double j = (fbm(x * 0.4, y * 0.4, seed + frame) - 0.5) * 5;
            bool in = false;
            switch (frame) {
            case 2: in = lx >= 0 && lx < 5 + j && ty > 0 && by > 0; break;
            case 3: in = lx >= 0 && by >= 0 && lx + by < 8 + j; break;
            case 4: in = by >= 0 && by < 5 + j && lx > 0 && rx > 0; break;
            case 5: in = rx >= 0 && by >= 0 && rx + by < 8 + j; break;
            case 6: in = rx >= 0 && rx < 5 + j && ty > 0 && by > 0; break;
            case 7: in = rx >= 0 && ty >= 0 && rx + ty < 8 + j; break;
            case 8: in = ty >= 0 && ty < 5 + j && lx > 0 && rx > 0; break;
            case 9: in = lx >= 0 && ty >= 0 && lx + ty < 8 + j; break;
            }
            if (in) f.put(x, y, paint(x, y));
        }
    return f;
}

static void ground_tile(const char *name, const Paint &paint, uint32_t seed, bool shores) {
    std::vector<Frame> fr;
    fr.push_back(patch(seed, paint));
    fr.push_back(patch(seed + 1, paint));
    if (shores)
        for (int k = 2; k <= 9; k++) fr.push_back(shore_piece(k, paint, seed));
    save_strip(name, fr);
}

// Overlay of a soil kind: frame 0 the patch, 1..4 a fringe toward the left, right, top, bottom.
static void soil_tile(const char *name, const Paint &paint, uint32_t seed) {
    std::vector<Frame> fr;
    fr.push_back(patch(seed, paint, 0.95));
    for (int k = 1; k <= 4; k++) {
        Frame f(64, 64);
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) {
                double j = (fbm(x * 0.5, y * 0.5, seed + k) - 0.5) * 4;
                int dx = x - 32, dy = y - 32;
                bool in = false;
                if (k == 1) in = dx >= -15 && dx < -9 + j && std::abs(dy) < 10;
                if (k == 2) in = dx <= 15 && dx > 9 + j && std::abs(dy) < 10;
                if (k == 3) in = dy >= -16 && dy < -10 + j && std::abs(dx) < 9;
                if (k == 4) in = dy <= 16 && dy > 10 + j && std::abs(dx) < 9;
                if (in) f.put(x, y, paint(x, y));
            }
        fr.push_back(f);
    }
    save_strip(name, fr);
}

// Height steps: the shaded lip of a drop toward one side (1 left, 2 right, 3 above, 4 below).
static void elev_tile(const char *name, double strength) {
    std::vector<Frame> fr;
    fr.push_back(Frame(64, 64));
    for (int k = 1; k <= 4; k++) {
        Frame f(64, 64);
        int depth = (int)(2 + 2 * strength);
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) {
                int dx = x - 32, dy = y - 32;
                int t = -1;
                if (k == 1 && dx >= -10 && dx < -10 + depth && std::abs(dy) < 11) t = dx + 10;
                if (k == 2 && dx <= 9 && dx > 9 - depth && std::abs(dy) < 11) t = 9 - dx;
                if (k == 3 && dy >= -11 && dy < -11 + depth && std::abs(dx) < 10) t = dy + 11;
                if (k == 4 && dy <= 10 && dy > 10 - depth && std::abs(dx) < 10) t = 10 - dy;
                if (t < 0) continue;
                double v = 0.35 + 0.12 * t / depth - 0.1 * strength;
                // Lit edges face north and west; the drops south and east lie in shadow.
                C c = (k == 3 || k == 1) ? C{clampi((int)(200 * v + 40)), clampi((int)(190 * v + 40)), clampi((int)(150 * v + 30))}
                                         : C{clampi((int)(70 * v)), clampi((int)(62 * v)), clampi((int)(48 * v))};
                if (rnd(x, y, 77 + k) > 0.85) c = shade(c, 0.85);
                f.put(x, y, c);
            }
        fr.push_back(f);
    }
    save_strip(name, fr);
}

// ---------------------------------------------------------------------------------------------
// Water: blue with ripples; frame 1 moves the ripples so that animated water shimmers.

static Paint water_paint(C deep, C light, uint32_t seed, int phase, double foam = 0) {
    return [=](int x, int y) {
        double w = std::sin((x * 0.55 + y * 0.18) + phase * 1.7 + fbm(x * 0.2, y * 0.2, seed) * 5);
        C c = mixc(deep, light, 0.25 + 0.2 * fbm(x * 0.15, y * 0.15, seed + 1));
        if (w > 0.86) c = mixc(c, C{220, 235, 245}, 0.45);
        if (foam > 0 && fbm(x * 0.5 + phase, y * 0.5, seed + 4) > 1 - foam) c = C{225, 235, 240};
        return c;
    };
}

static void water_tile(const char *name, C deep, C light, uint32_t seed, double foam = 0, double grow = 1.05) {
    std::vector<Frame> fr;
    for (int ph = 0; ph < 2; ph++) fr.push_back(patch(seed, water_paint(deep, light, seed, ph, foam), grow));
    save_strip(name, fr);
}

static void ice_tile(const char *name, C base, uint32_t seed) {
    Paint p = [=](int x, int y) {
        C c = mixc(base, C{245, 250, 255}, fbm(x * 0.2, y * 0.2, seed) * 0.6);
        if (std::fabs(std::sin(x * 0.3 + y * 0.7 + fbm(x * 0.1, y * 0.1, seed) * 6)) < 0.05) c = shade(c, 0.8);
        return c;
    };
    soil_tile(name, p, seed);
}

// ---------------------------------------------------------------------------------------------
// Tall things: 64 x 96 frames whose reference point, the middle of their square, is (32, 82). A
// square is 18 x 20 pixels on the map, so a thing standing on it has its foot near the square's
// lower edge (FOOT, as the figures do) and rises at most two squares above it: a tree in the row in
// front of the player covers her only where it stands, and what stands on a square is seen on it.
enum { FOOT = 88 };

static Frame tall() { return Frame(64, 96); }

static void trunk(Frame &f, int x, int top, int bottom, int w, C c) {
    for (int y = top; y <= bottom; y++)
        for (int dx = 0; dx < w; dx++) f.put(x - w / 2 + dx, y, dx == 0 ? shade(c, 1.25) : dx == w - 1 ? shade(c, 0.7) : c);
}

// A spruce: stacked drooping tiers, dark blue-green, lit from the upper left.
static Frame spruce(double size, uint32_t seed, int sway, bool snow) {
    Frame f = tall();
    int foot = FOOT, top = (int)(foot - 70 * size);
    trunk(f, 32, foot - 10, foot, 3, C{70, 48, 32});
    int tiers = (int)(7 * size) + 2;
    for (int i = 0; i < tiers; i++) {
        double t = (double)i / (tiers - 1);
        double yb = top + 8 + t * (foot - 6 - top - 8), half = 3 + t * 13 * size;
        double ya = yb - 10 * size - 4;
        int sx = (int)(sway * (1 - t));
        triangle(f, 32 + sx, ya, 32 - half + sx, yb, 32 + half + sx, yb, [&](int x, int y) {
            double lit = (32 + sx - x) / (half + 1) * 0.25 + 0.9;
            C c = shade(C{34, 72, 48}, lit * (0.85 + 0.3 * rnd(x, y, seed)));
            if (snow && y < yb - 1 && y > ya + (yb - ya) * 0.35 && rnd(x, y, seed + 9) > 0.55) c = C{232, 238, 245};
            return c;
        });
    }
    outline(f, 0.5);
    return f;
}

// A pine: tall bare reddish trunk, a flat-topped crown of clumps.
static Frame pine(double size, uint32_t seed, int sway) {
    Frame f = tall();
    int foot = FOOT, top = (int)(foot - 72 * size);
    trunk(f, 32, top + 12, foot, size > 0.7 ? 4 : 3, C{150, 82, 50});
    for (int i = 0; i < 6; i++) {
        double cx = 32 + sway + (rnd(i, 1, seed) - 0.5) * 22 * size, cy = top + 6 + rnd(i, 2, seed) * 14 * size;
        ellipse(f, cx, cy, 8 * size + 2, 5 * size + 2, [&](int x, int y, double d) {
            return shade(C{50, 92, 50}, (1.1 - 0.4 * d) * (0.8 + 0.35 * rnd(x, y, seed + 3)) + (cx - x) * 0.01);
        });
    }
    outline(f, 0.5);
    return f;
}

// A deciduous tree: the bare trunk and branches; its leaves are a second tile drawn over it.
static Frame bare_tree(double size, uint32_t seed, C bark, bool birch) {
    Frame f = tall();
    int foot = FOOT, top = (int)(foot - 66 * size);
    trunk(f, 32, top + 8, foot, size > 0.7 ? 4 : 2, bark);
    if (birch)
        for (int y = top + 10; y < foot; y += 3)
            if (rnd(y, 0, seed) > 0.5) f.put(32 + (rnd(y, 1, seed) > 0.5 ? 0 : -1), y, C{30, 30, 30});
    for (int i = 0; i < 7; i++) {
        double by = top + 12 + i * 5 * size, dir = (i % 2) ? 1 : -1, len = (10 + rnd(i, 4, seed) * 8) * size;
        line(f, 32, by + 6, 32 + dir * len, by - 2, shade(bark, 0.8), 1.0);
    }
    outline(f, 0.6);
    return f;
}

static Frame leaves(double size, uint32_t seed, C leaf, int sway) {
    Frame f = tall();
    int foot = FOOT, top = (int)(foot - 66 * size);
    for (int i = 0; i < 9; i++) {
        double cx = 32 + sway + (rnd(i, 1, seed) - 0.5) * 26 * size, cy = top + 8 + rnd(i, 2, seed) * 30 * size;
        ellipse(f, cx, cy, 7 * size + 2, 6 * size + 2, [&](int x, int y, double d) {
            return shade(leaf, (1.15 - 0.35 * d) * (0.78 + 0.4 * rnd(x, y, seed + 3)));
        });
    }
    // Gaps between the leaves let the branches through.
    for (int y = 0; y < 96; y++)
        for (int x = 0; x < 64; x++)
            if (rnd(x, y, seed + 11) > 0.9) f.clear(x, y);
    outline(f, 0.6);
    return f;
}

static void tree_tile(const char *name, const std::function<Frame(int)> &frame_of) {
    save_strip(name, {frame_of(0), frame_of(1)});
}

// A forest square: several small trees of one kind on a patch of forest floor.
static Frame forest(uint32_t seed, int kinds, int sway, bool mire) {
    Frame f = tall();
    // the forest floor, drawn at the foot
    for (int y = 0; y < 96; y++)
        for (int x = 0; x < 64; x++) {
            int gy = y - 50;
            if (gy >= 0 && gy < 64 && patch_mask(x, gy, seed, 1.05)) {
                C c = mire ? mixc(C{96, 110, 70}, C{140, 120, 70}, fbm(x * 0.3, y * 0.3, seed))
                           : mixc(C{66, 82, 46}, C{102, 112, 66}, fbm(x * 0.3, y * 0.3, seed));
                if (kinds == 3 && rnd(x, y, seed) > 0.7) c = C{190, 196, 170};   // lichen
                f.put(x, y, c);
            }
        }
    const int n = 4;
    const double px[n] = {24, 40, 29, 37}, py[n] = {76, 78, 90, 88};
    for (int i = 0; i < n; i++) {
        int k = kinds == 3 ? 1 : kinds == 4 ? (i % 2) : kinds;
        double s = 0.3 + 0.08 * rnd(i, 9, seed);
        Frame t = k == 0 ? spruce(s, seed + i * 7, sway, false) : pine(s, seed + i * 7, sway);
        int ox = (int)px[i] - 32, oy = (int)py[i] - FOOT;
        for (int y = 0; y < 96; y++)
            for (int x = 0; x < 64; x++) {
                C c;
                if (t.get(x, y, c)) f.put(x + ox, y + oy, c);
            }
    }
    return f;
}

// ---------------------------------------------------------------------------------------------
// Rocks, walls, buildings and furniture.

static Frame boulder(uint32_t seed, double size, C base) {
    Frame f = tall();
    // It lies on its square: 20 pixels of the 18 x 20 square, resting on the lower edge.
    ellipse(f, 32, FOOT - 9 * size, 12 * size, 9 * size, [&](int x, int y, double d) {
        double lit = 1.15 - 0.5 * d + (32 - x) * 0.012 + (78 - y) * 0.01;
        return shade(mixc(base, shade(base, 0.7), fbm(x * 0.3, y * 0.3, seed)), lit);
    });
    outline(f, 0.45);
    return f;
}

static Frame mountain(uint32_t seed, double height, bool snowcap) {
    Frame f = tall();
    double peak = 82 - 60 * height;
    triangle(f, 32 + (rnd(1, 1, seed) - 0.5) * 10, peak, 8, 86, 56, 86, [&](int x, int y) {
        C c = mixc(C{110, 108, 104}, C{70, 70, 72}, fbm(x * 0.25, y * 0.25, seed));
        if (x > 34) c = shade(c, 0.75);
        if (snowcap && y < peak + 16 + 4 * fbm(x * 0.3, 0, seed)) c = C{236, 240, 246};
        return c;
    });
    outline(f, 0.5);
    return f;
}

static C plank(int x, int y, C base, uint32_t seed) {
    C c = shade(base, 0.85 + 0.3 * rnd(x / 4, 0, seed));
    if (y % 5 == 0) c = shade(c, 0.7);
    return c;
}

// A log wall seen from the south: one cell wide, standing tall above its square.
static Frame wall_piece(int left, int right, int up, int down, uint32_t seed) {
    Frame f = tall();
    int x0 = 32 - (left ? 10 : 4), x1 = 32 + (right ? 10 : 4), y0 = 82 - 34 - (up ? 6 : 0), y1 = 82 + (down ? 8 : 4);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            C c = plank(x, y - y0, C{120, 84, 54}, seed);
            if ((y - y0) % 5 == 4) c = C{70, 48, 30};
            f.put(x, y, c);
        }
    rect(f, x0, y0 - 3, x1 - x0, 3, C{96, 70, 46});
    outline(f, 0.55);
    return f;
}

static Frame kota_piece(int side, uint32_t seed) {
    // A birch-bark tent wall; side picks which part of the cone stands on the square.
    Frame f = tall();
    double apex_x = 32 + (side == 1 ? 8 : side == 2 ? -8 : 0);
    triangle(f, apex_x, 40, 14, 86, 50, 86, [&](int x, int y) {
        C c = mixc(C{176, 150, 112}, C{130, 104, 76}, fbm(x * 0.2, y * 0.4, seed));
        if (y % 7 == 0) c = shade(c, 0.75);
        return c;
    });
    line(f, apex_x, 40, apex_x - 4, 32, C{90, 64, 40}, 1);
    line(f, apex_x, 40, apex_x + 4, 32, C{90, 64, 40}, 1);
    outline(f, 0.55);
    return f;
}

static Frame house(uint32_t seed, C wall, C roof) {
    Frame f = tall();
    for (int y = 60; y < 86; y++)
        for (int x = 12; x < 52; x++) f.put(x, y, plank(x, y, wall, seed));
    triangle(f, 32, 38, 6, 62, 58, 62, [&](int x, int y) { return shade(roof, 0.8 + 0.3 * rnd(x, y / 3, seed)); });
    rect(f, 28, 72, 8, 14, C{60, 40, 26});
    rect(f, 16, 66, 6, 5, C{240, 210, 120});
    outline(f, 0.5);
    return f;
}

// Doors: frame 0 alone, 1 in a wall running north-south, 2 in an east-west wall, 3 toward a room.
static void door_tile(const char *name, bool open, bool shutter) {
    std::vector<Frame> fr;
    for (int v = 0; v < 4; v++) {
        Frame f = tall();
        bool ns = v == 1;
        int w = ns ? 6 : 18, h = shutter ? 18 : 30, x0 = 32 - w / 2, y0 = 84 - h - (shutter ? 10 : 0);
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++) f.put(x, y, plank(x, y, C{132, 92, 56}, 7));
        if (open) rect(f, x0 + 2, y0 + 2, std::max(1, w - 4), h - 2, C{28, 22, 18});
        else rect(f, x0 + w - 4, y0 + h / 2, 2, 2, C{40, 30, 20});
        outline(f, 0.55);
        fr.push_back(f);
    }
    save_strip(name, fr);
}

static Frame fence_frame(bool gate, bool open) {
    Frame f = tall();
    for (int px : {22, 42}) rect(f, px - 1, 62, 3, 22, C{120, 96, 70});
    if (!gate || !open)
        for (int ry : {66, 74}) line(f, 14, ry, 50, ry - 4, gate ? C{150, 120, 80} : C{140, 110, 76}, 2);
    else
        line(f, 22, 66, 16, 84, C{150, 120, 80}, 2);
    outline(f, 0.55);
    return f;
}

static Frame furniture(int kind) {
    Frame f(64, 64);
    C wood{150, 106, 64};
    if (kind == 0) { rect(f, 20, 24, 24, 10, wood); rect(f, 22, 34, 3, 8, shade(wood, 0.7)); rect(f, 39, 34, 3, 8, shade(wood, 0.7)); }   // table
    if (kind == 1) { rect(f, 20, 32, 24, 5, wood); rect(f, 22, 37, 2, 5, shade(wood, 0.7)); rect(f, 40, 37, 2, 5, shade(wood, 0.7)); }   // bench
    if (kind == 2) { rect(f, 19, 22, 26, 20, wood); rect(f, 21, 24, 22, 16, C{170, 150, 110}); }   // bunk with hides
    if (kind == 3 || kind == 4) {   // fireplace and sauna stove: a ring of stones
        for (int i = 0; i < 12; i++) {
            double a = i * 6.2832 / 12;
            ellipse(f, 32 + 9 * std::cos(a), 34 + 7 * std::sin(a), 3.2, 2.6, [&](int x, int y, double d) {
                return shade(C{128, 126, 122}, 1.15 - 0.4 * d - 0.15 * rnd(x, y, 3));
            });
        }
        if (kind == 4) rect(f, 24, 20, 16, 12, C{90, 88, 86});
        ellipse(f, 32, 34, 5, 4, [&](int, int, double) { return C{40, 34, 30}; });
    }
    outline(f, 0.55);
    return f;
}

// ---------------------------------------------------------------------------------------------
// Figures: 64 x 64 frames with the feet near (32, 40) so that they stand on their square.
// Frames 0..7 face east, north-east, north ... south-east; 8 lies down; 10 is the track; 11..18
// are the half figures (in water, up a tree); the player also wades in 19..26.

struct Look { C body, dark, head; double h, w; bool fourlegs; };

static void draw_figure(Frame &f, const Look &L, int dir, int mode) {
    // mode 0 standing, 1 lying, 2 half figure (the lower body hidden), 3 wading (lower legs hidden)
    double dx = std::cos(dir * 0.7854), dy = -std::sin(dir * 0.7854);
    int feet = 40;
    if (mode == 1) {
        ellipse(f, 32, feet - 4, L.h * 0.55, L.w * 0.5 + 2, [&](int x, int y, double d) { return shade(L.body, 1.05 - 0.4 * d + (y < feet - 5 ? 0.1 : 0) + 0 * x); });
        ellipse(f, 32 + L.h * 0.5, feet - 5, 3.5, 3, [&](int, int, double d) { return shade(L.head, 1.05 - 0.3 * d); });
        outline(f, 0.45);
        return;
    }
    int cut = mode == 2 ? feet - (int)(L.h * 0.45) : mode == 3 ? feet - (int)(L.h * 0.22) : 1000;
    if (L.fourlegs) {
        double len = L.w, hx = 32 + dx * len * 0.7, hy = feet - L.h * 0.75 + dy * 3;
        for (double s : {-0.5, 0.5})
            for (double side : {-1.5, 1.5}) line(f, 32 + dx * len * s + side * std::fabs(dy), feet - L.h * 0.4, 32 + dx * len * s + side * std::fabs(dy), feet, L.dark, 1.5);
        ellipse(f, 32, feet - L.h * 0.55, std::fabs(dx) * len * 0.6 + 5, L.h * 0.28, [&](int x, int y, double d) {
            return shade(L.body, 1.1 - 0.35 * d + (feet - L.h * 0.6 - y) * 0.02 + 0 * x);
        });
        ellipse(f, hx, hy, 4, 3.5, [&](int, int, double d) { return shade(L.head, 1.1 - 0.3 * d); });
    } else {
        for (double side : {-2.0, 2.0}) line(f, 32 + side, feet - L.h * 0.45, 32 + side + dx, feet, L.dark, 2);
        ellipse(f, 32, feet - L.h * 0.65, L.w * 0.5, L.h * 0.3, [&](int x, int y, double d) {
            return shade(L.body, 1.1 - 0.35 * d + (32 - x) * 0.02 + 0 * y);
        });
        ellipse(f, 32 + dx * 1.5, feet - L.h * 0.98, 3.5, 3.8, [&](int, int, double d) { return shade(L.head, 1.1 - 0.3 * d); });
        // arms swing toward the heading
        line(f, 32 - L.w * 0.5, feet - L.h * 0.8, 32 - L.w * 0.5 + dx * 2, feet - L.h * 0.45, L.dark, 1.5);
        line(f, 32 + L.w * 0.5, feet - L.h * 0.8, 32 + L.w * 0.5 + dx * 2, feet - L.h * 0.45, L.dark, 1.5);
    }
    for (int y = cut; y < 64; y++)
        for (int x = 0; x < 64; x++) f.clear(x, y);
    if (mode >= 2)   // ripples where the body meets the water
        for (int x = 32 - (int)L.w / 2 - 3; x <= 32 + (int)L.w / 2 + 3; x++) f.put(x, cut, C{200, 220, 235});
    outline(f, 0.45);
}

static Frame track_frame(const Look &L) {
    Frame f(64, 64);
    for (int i = 0; i < 3; i++) {
        double y = 28 + i * 6;
        ellipse(f, 29 + (i % 2) * 6, y, L.fourlegs ? 1.6 : 2.0, L.fourlegs ? 1.8 : 3.0, [&](int, int, double) { return C{60, 52, 44}; });
    }
    return f;
}

static void figure_tile(const char *name, const Look &L, bool player) {
    std::vector<Frame> fr;
    for (int d = 0; d < 8; d++) { Frame f(64, 64); draw_figure(f, L, d, 0); fr.push_back(f); }
    { Frame f(64, 64); draw_figure(f, L, 0, 1); fr.push_back(f); }   // 8 lying
    fr.push_back(Frame(64, 64));                                     // 9 unused
    fr.push_back(track_frame(L));                                    // 10 track
    for (int d = 0; d < 8; d++) { Frame f(64, 64); draw_figure(f, L, d, 2); fr.push_back(f); }
    if (player)
        for (int d = 0; d < 8; d++) { Frame f(64, 64); draw_figure(f, L, d, 3); fr.push_back(f); }
    save_strip(name, fr);
}

// ---------------------------------------------------------------------------------------------
// Small things: 32 x 32 frames around (16, 16).

static Frame small() { return Frame(32, 32); }

static void item_tile(const char *name, const std::function<void(Frame &, int)> &draw, int frames = 1) {
    std::vector<Frame> fr;
    for (int i = 0; i < frames; i++) {
        Frame f = small();
        draw(f, i);
        outline(f, 0.5);
        fr.push_back(f);
    }
    save_strip(name, fr);
}

static void stick(Frame &f, double x0, double y0, double x1, double y1, C c, double w = 1.5) { line(f, x0, y0, x1, y1, c, w); }

static void fire_tile() {
    std::vector<Frame> fr;
    for (int k = 0; k < 3; k++) {
        Frame f(64, 64);
        for (int i = 0; i < 5; i++) {
            double cx = 32 + (i - 2) * 3.0 + (rnd(i, k, 31) - 0.5) * 3, h = 16 + rnd(i, k + 5, 31) * 10;
            triangle(f, cx, 40 - h, cx - 5, 40, cx + 5, 40, [&](int x, int y) {
                double t = (40 - y) / h;
                C c = mixc(C{255, 240, 150}, C{230, 80, 20}, t + 0.2 * rnd(x, y, k));
                return c;
            });
        }
        ellipse(f, 32, 39, 6, 3, [&](int, int, double) { return C{255, 250, 200}; });
        fr.push_back(f);
    }
    save_strip("fire", fr);
}

static Frame glow(C inner, C outer, double r) {
    Frame f(64, 64);
    ellipse(f, 32, 32, r, r, [&](int x, int y, double d) {
        C c = mixc(inner, outer, d);
        if (rnd(x, y, 5) > 0.8 && d > 0.7) c = shade(c, 0.85);
        return c;
    });
    return f;
}

static Frame arrow(int dir, C c, double len, bool ring) {
    Frame f(64, 64);
    double dx = std::cos(dir * 0.7854), dy = -std::sin(dir * 0.7854);
    if (ring)
        for (int i = 0; i < 64; i++) {
            double a = i * 6.2832 / 64;
            f.put((int)(32 + 13 * std::cos(a)), (int)(32 + 13 * std::sin(a) * 0.8), shade(c, 0.8));
        }
    double tx = 32 + dx * len, ty = 32 + dy * len;
    line(f, 32 + dx * (len - 8), 32 + dy * (len - 8), tx, ty, c, 2);
    triangle(f, tx + dx * 3, ty + dy * 3, tx - dy * 3.5 - dx * 2, ty + dx * 3.5 - dy * 2, tx + dy * 3.5 - dx * 2,
             ty - dx * 3.5 - dy * 2, [&](int, int) { return c; });
    return f;
}

static void precip_tile(const char *name, bool rain) {
    std::vector<Frame> fr;
    for (int k = 0; k < 4; k++) {
        Frame f(64, 64);
        for (int i = 0; i < 7; i++) {
            double x = 20 + rnd(i, k, rain ? 41 : 43) * 24, y = 16 + rnd(i + 9, k, rain ? 41 : 43) * 28;
            if (rain) line(f, x, y, x - 1.5, y + 5, C{170, 190, 220}, 1);
            else ellipse(f, x, y, 1.2, 1.2, [&](int, int, double) { return C{245, 248, 255}; });
        }
        fr.push_back(f);
    }
    save_strip(name, fr);
}

// ---------------------------------------------------------------------------------------------

static const C GROUND{102, 112, 66}, GROUND_D{78, 88, 52};

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_tiles <working folder>\n");
        return 1;
    }
    outdir = std::string(argv[1]) + "/truetile";
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) { perror(argv[1]); return 1; }
    if (mkdir(outdir.c_str(), 0755) != 0 && errno != EEXIST) { perror(outdir.c_str()); return 1; }

    // ---- ground, floors, fields, roads ----
    Paint ground = speckle(GROUND, GROUND_D, C{132, 128, 70}, 11);
    ground_tile("ter-ground", ground, 11, true);
    ground_tile("ter-snowgnd", speckle(C{232, 236, 242}, C{200, 210, 222}, C{250, 252, 255}, 12), 12, true);
    ground_tile("ter-road", speckle(C{150, 128, 96}, C{120, 100, 72}, C{170, 150, 116}, 13), 13, false);
    ground_tile("ter-field", [](int x, int y) {
        C c = (y / 3) % 2 ? C{120, 96, 60} : C{138, 112, 70};
        return rnd(x, y, 14) > 0.9 ? C{170, 160, 90} : c;
    }, 14, false);
    ground_tile("ter-pasture", speckle(C{108, 132, 64}, C{84, 106, 50}, C{150, 170, 90}, 15), 15, false);
    ground_tile("ter-prepsoil", speckle(C{96, 72, 50}, C{70, 52, 36}, C{120, 92, 64}, 16), 16, false);
    ground_tile("ter-gcfloor", [](int x, int y) { return plank(x, y, C{136, 104, 70}, 17); }, 17, false);
    ground_tile("ter-cellar", speckle(C{70, 64, 58}, C{50, 46, 42}, C{90, 84, 76}, 18), 18, false);
    ground_tile("ter-cave", speckle(C{84, 80, 78}, C{46, 44, 44}, C{110, 106, 100}, 19), 19, false);
    ground_tile("ter-pit", [](int x, int y) { double d = std::hypot(x - 32.0, y - 32.0); return d < 8 ? C{30, 24, 20} : speckle(GROUND, GROUND_D, C{132, 128, 70}, 20)(x, y); }, 20, false);
    ground_tile("ter-openmire", speckle(C{150, 138, 82}, C{110, 112, 70}, C{190, 170, 110}, 21, 0.35), 21, false);
    ground_tile("ter-pinemire", speckle(C{120, 124, 74}, C{88, 98, 60}, C{176, 150, 96}, 22, 0.35), 22, false);
    ground_tile("ter-heath", speckle(C{112, 86, 84}, C{80, 70, 62}, C{150, 110, 130}, 23), 23, false);
    ground_tile("ter-antnest", [](int x, int y) { double d = std::hypot(x - 32.0, (y - 34.0) * 1.3); return d < 7 ? shade(C{120, 90, 60}, 1.2 - d / 10 + 0.2 * rnd(x, y, 1)) : speckle(GROUND, GROUND_D, C{132, 128, 70}, 25)(x, y); }, 25, false);

    // ---- soil and surface overlays, snow, height steps ----
    soil_tile("ter-gcmoss", speckle(C{84, 122, 58}, C{60, 92, 44}, C{120, 150, 70}, 31, 0.4), 31);
    soil_tile("ter-gclichen", speckle(C{196, 198, 170}, C{160, 166, 140}, C{220, 222, 200}, 32, 0.4), 32);
    soil_tile("ter-gcbrock", speckle(C{130, 128, 124}, C{100, 98, 96}, C{160, 158, 150}, 33, 0.3), 33);
    soil_tile("ter-gccrag", [](int x, int y) {
        C c = mixc(C{120, 118, 116}, C{80, 78, 78}, fbm(x * 0.45, y * 0.45, 34));
        return rnd(x / 3, y / 3, 34) > 0.8 ? C{150, 148, 142} : c;
    }, 34);
    elev_tile("ter-elev1", 0.0);
    elev_tile("ter-elev2", 0.5);
    elev_tile("ter-elev3", 1.0);
    {
        std::vector<Frame> bits, thin;
        for (int k = 0; k < 2; k++) {
            Frame b(64, 64), t(64, 64);
            for (int y = 0; y < 64; y++)
                for (int x = 0; x < 64; x++) {
                    if (!patch_mask(x, y, 40 + k)) continue;
                    if (rnd(x, y, 41 + k) > 0.86) b.put(x, y, C{240, 244, 250});
                    if (fbm(x * 0.3, y * 0.3, 42 + k) > 0.42) t.put(x, y, mixc(C{226, 232, 240}, C{250, 252, 255}, rnd(x, y, 43)));
                }
            bits.push_back(b);
            thin.push_back(t);
        }
        save_strip("ter-snowbits", bits);
        save_strip("ter-snowthin", thin);
    }

    // ---- water and ice ----
    water_tile("ter-water", C{40, 76, 110}, C{70, 110, 140}, 51);
    water_tile("ter-dpwater", C{26, 52, 88}, C{50, 82, 116}, 52);
    water_tile("ter-shwater", C{62, 104, 128}, C{96, 136, 150}, 53);
    water_tile("ter-sea", C{28, 56, 86}, C{56, 90, 120}, 54);
    water_tile("ter-shsea", C{52, 92, 118}, C{86, 124, 146}, 55);
    water_tile("ter-river", C{44, 84, 116}, C{80, 120, 150}, 56);
    water_tile("ter-ford", C{84, 118, 130}, C{130, 150, 150}, 57, 0.08);
    water_tile("ter-rapids", C{50, 92, 122}, C{100, 140, 165}, 58, 0.3);
    ice_tile("ter-iceblue", C{150, 190, 220}, 61);
    ice_tile("ter-ice", C{220, 232, 242}, 62);
    save_strip("ter-icehole", {glow(C{20, 40, 70}, C{60, 100, 140}, 7)});

    // ---- trees: two frames each, the second swaying for the vegetation animation ----
    tree_tile("ter-spruce", [](int k) { return spruce(0.58, 101, k, false); });
    tree_tile("ter-wspruce", [](int k) { return spruce(0.58, 101, k, true); });
    tree_tile("ter-yspruce", [](int k) { return spruce(0.4, 102, k, false); });
    tree_tile("ter-spruces", [](int k) { return spruce(0.24, 103, k, false); });
    tree_tile("ter-pine", [](int k) { return pine(0.56, 104, k); });
    tree_tile("ter-ypine", [](int k) { return pine(0.4, 105, k); });
    tree_tile("ter-ndbirch", [](int) { return bare_tree(0.6, 106, C{226, 222, 214}, true); });
    tree_tile("ter-birch", [](int k) { return leaves(0.6, 106, C{110, 160, 70}, k); });
    tree_tile("ter-ndbirchs", [](int) { return bare_tree(0.34, 107, C{226, 222, 214}, true); });
    tree_tile("ter-birchs", [](int k) { return leaves(0.34, 107, C{120, 170, 76}, k); });
    tree_tile("ter-ndrowan", [](int) { return bare_tree(0.5, 108, C{110, 96, 84}, false); });
    tree_tile("ter-rowan", [](int k) {
        Frame f = leaves(0.5, 108, C{90, 136, 60}, k);
        for (int i = 0; i < 10; i++) f.put(27 + (int)(rnd(i, 0, 9) * 10), FOOT - 30 + (int)(rnd(i, 1, 9) * 12), C{210, 50, 30});
        return f;
    });
    tree_tile("ter-ndalder", [](int) { return bare_tree(0.55, 109, C{96, 88, 80}, false); });
    tree_tile("ter-alder", [](int k) { return leaves(0.55, 109, C{70, 116, 60}, k); });
    tree_tile("ter-conifore", [](int k) { return forest(111, 4, k, false); });
    tree_tile("ter-lichpine", [](int k) { return forest(112, 3, k, false); });
    tree_tile("ter-sprmire", [](int k) { return forest(113, 0, k, true); });
    tree_tile("ter-grove", [](int k) {
        Frame f = leaves(0.45, 114, C{100, 150, 70}, k);
        Frame g = leaves(0.38, 115, C{110, 160, 80}, k);
        for (int y = 0; y < 96; y++) for (int x = 0; x < 64; x++) { C c; if (g.get(x, y, c)) f.put(x + ((x < 40) ? 10 : 0), y + 6, c); }
        return f;
    });
    tree_tile("ter-thicket", [](int k) {
        Frame f = tall();
        for (int i = 0; i < 8; i++)
            ellipse(f, 22 + rnd(i, 0, 116) * 20 + k, FOOT - 18 + rnd(i, 1, 116) * 14, 6, 5, [&](int x, int y, double d) { return shade(C{70, 110, 56}, 1.1 - 0.4 * d - 0.2 * rnd(x, y, 2)); });
        outline(f, 0.55);
        return f;
    });
    tree_tile("ter-bushes", [](int k) {
        Frame f = tall();
        for (int i = 0; i < 4; i++)
            ellipse(f, 22 + rnd(i, 0, 117) * 20 + k, FOOT - 10 + rnd(i, 1, 117) * 6, 5, 4, [&](int x, int y, double d) { return shade(C{90, 126, 62}, 1.1 - 0.4 * d - 0.2 * rnd(x, y, 3)); });
        outline(f, 0.55);
        return f;
    });

    // ---- rocks and heights ----
    tree_tile("ter-boulder", [](int) { return boulder(121, 1.0, C{128, 126, 122}); });
    tree_tile("ter-hill", [](int k) {
        Frame f = tall();
        ellipse(f, 32, 84, 22, 16, [&](int x, int y, double d) { return shade(mixc(C{100, 118, 64}, C{80, 96, 54}, fbm(x * 0.2, y * 0.2, 122)), 1.15 - 0.4 * d + (32 - x) * 0.006); });
        Frame t = spruce(0.35, 123, k, false);
        for (int y = 0; y < 96; y++) for (int x = 0; x < 64; x++) { C c; if (t.get(x, y, c)) f.put(x + 6, y - 12, c); }
        outline(f, 0.55);
        return f;
    });
    tree_tile("ter-cliff", [](int) { return mountain(124, 0.4, false); });
    tree_tile("ter-hicliff", [](int) { return mountain(125, 0.6, false); });
    tree_tile("ter-mount", [](int) { return mountain(126, 0.8, true); });

    // ---- walls, doors, fences, buildings ----
    save_strip("ter-walln", {wall_piece(1, 1, 0, 0, 131)});
    save_strip("ter-walls", {wall_piece(1, 1, 0, 0, 132)});
    save_strip("ter-walle", {wall_piece(0, 0, 1, 1, 133)});
    save_strip("ter-wallw", {wall_piece(0, 0, 1, 1, 134)});
    save_strip("ter-wallnwc", {wall_piece(0, 1, 0, 1, 135)});
    save_strip("ter-wallnec", {wall_piece(1, 0, 0, 1, 136)});
    save_strip("ter-wallswc", {wall_piece(0, 1, 1, 0, 137)});
    save_strip("ter-wallsec", {wall_piece(1, 0, 1, 0, 138)});
    door_tile("ter-doorcl", false, false);
    door_tile("ter-doorop", true, false);
    door_tile("ter-shutter", false, true);
    save_strip("ter-fence", {fence_frame(false, false)});
    save_strip("ter-fenceclg", {fence_frame(true, false)});
    save_strip("ter-fenceopg", {fence_frame(true, true)});
    save_strip("ter-kotaw", {kota_piece(1, 141)});
    save_strip("ter-kotae", {kota_piece(2, 142)});
    save_strip("ter-kotan", {kota_piece(0, 143)});
    save_strip("ter-kotas", {kota_piece(0, 144)});
    save_strip("ter-kotanwc", {kota_piece(1, 145)});
    save_strip("ter-kotanec", {kota_piece(2, 146)});
    save_strip("ter-kotaswc", {kota_piece(1, 147)});
    save_strip("ter-kotasec", {kota_piece(2, 148)});
    save_strip("ter-kotadoor", {[] { Frame f = kota_piece(0, 149); rect(f, 28, 68, 8, 18, C{30, 24, 20}); return f; }()});
    save_strip("ter-kotacamp", {kota_piece(0, 150)});
    save_strip("ter-kotafram", {[] {
        Frame f = tall();
        for (int i = -2; i <= 2; i++) line(f, 32 + i * 2, 36, 32 + i * 8, 86, C{120, 90, 60}, 1.5);
        outline(f, 0.6);
        return f;
    }()});
    save_strip("ter-shelter", {[] {
        Frame f = tall();
        triangle(f, 14, 86, 50, 86, 20, 56, [](int x, int y) { return shade(C{60, 96, 60}, 0.8 + 0.3 * rnd(x, y, 151)); });
        outline(f, 0.55);
        return f;
    }()});
    save_strip("ter-snghouse", {house(152, C{130, 92, 60}, C{90, 110, 70})});
    // A village on the world map: three small houses on trodden ground.
    save_strip("ter-village", {[] {
        Frame f = tall();
        for (int y = 0; y < 96; y++)
            for (int x = 0; x < 64; x++)
                if (y >= 50 && patch_mask(x, y - 50, 24, 1.1)) f.put(x, y, speckle(C{140, 120, 90}, C{110, 94, 70}, C{160, 140, 110}, 24)(x, y));
        const int hx[3] = {22, 40, 31}, hy[3] = {76, 78, 88};
        for (int i = 0; i < 3; i++) {
            rect(f, hx[i] - 6, hy[i] - 8, 12, 8, C{130, 92, 60});
            triangle(f, hx[i], hy[i] - 15, hx[i] - 8, hy[i] - 7, hx[i] + 8, hy[i] - 7, [](int x, int y) { return shade(C{90, 110, 70}, 0.8 + 0.3 * rnd(x, y / 2, 25)); });
        }
        outline(f, 0.55);
        return f;
    }()});
    save_strip("ter-fortvill", {[] {
        Frame f = house(153, C{120, 86, 56}, C{80, 100, 64});
        for (int x = 4; x < 60; x += 4) rect(f, x, 74, 3, 14, C{110, 84, 54});
        return f;
    }()});
    save_strip("ter-table", {furniture(0)});
    save_strip("ter-bench", {furniture(1)});
    save_strip("ter-bunk", {furniture(2)});
    save_strip("ter-firepla", {furniture(3)});
    save_strip("ter-saustove", {furniture(4)});

    // ---- the player and the creatures ----
    figure_tile("pc-male", Look{C{96, 104, 130}, C{60, 52, 44}, C{222, 184, 150}, 24, 9, false}, true);
    figure_tile("pc-female", Look{C{140, 80, 70}, C{60, 52, 44}, C{226, 190, 156}, 23, 9, false}, true);
    figure_tile("human", Look{C{120, 110, 84}, C{60, 52, 44}, C{216, 180, 146}, 24, 9, false}, false);
    figure_tile("humanf", Look{C{150, 96, 86}, C{60, 52, 44}, C{220, 186, 152}, 23, 9, false}, false);
    figure_tile("elk", Look{C{92, 70, 50}, C{60, 46, 34}, C{80, 60, 44}, 30, 22, true}, false);
    figure_tile("reindeer", Look{C{150, 136, 116}, C{90, 80, 66}, C{200, 196, 186}, 24, 18, true}, false);
    figure_tile("bear", Look{C{86, 62, 42}, C{56, 40, 28}, C{96, 70, 48}, 22, 20, true}, false);
    figure_tile("wolf", Look{C{120, 116, 108}, C{80, 76, 70}, C{140, 136, 126}, 16, 16, true}, false);
    figure_tile("lynx", Look{C{170, 140, 100}, C{110, 90, 64}, C{180, 150, 110}, 14, 14, true}, false);
    figure_tile("fox", Look{C{200, 110, 50}, C{120, 60, 30}, C{220, 130, 60}, 10, 12, true}, false);
    figure_tile("hare", Look{C{150, 136, 112}, C{100, 90, 74}, C{160, 146, 120}, 8, 8, true}, false);
    figure_tile("squirrel", Look{C{170, 90, 50}, C{110, 60, 34}, C{180, 100, 56}, 6, 6, true}, false);
    figure_tile("beaver", Look{C{110, 76, 50}, C{70, 48, 32}, C{120, 84, 56}, 8, 12, true}, false);
    figure_tile("bird", Look{C{60, 60, 64}, C{40, 40, 44}, C{70, 70, 74}, 8, 8, false}, false);
    figure_tile("dog", Look{C{140, 110, 80}, C{90, 70, 50}, C{150, 120, 90}, 13, 14, true}, false);
    figure_tile("cattle", Look{C{130, 90, 60}, C{80, 56, 38}, C{150, 110, 80}, 24, 22, true}, false);
    figure_tile("sheep", Look{C{226, 222, 210}, C{90, 84, 76}, C{70, 64, 60}, 14, 14, true}, false);
    figure_tile("pig", Look{C{220, 170, 160}, C{160, 120, 110}, C{230, 180, 170}, 12, 16, true}, false);
    figure_tile("spirit", Look{C{180, 210, 200}, C{120, 150, 140}, C{210, 230, 220}, 26, 10, false}, false);

    // The pictures of creature graphics: the animals by species, and the people by culture circle
    // (west in blue wool, north in red and fur brown, east in pale linen) and by role.
    {
        struct Named { const char *name; Look look; };
        const C skin{216, 180, 146}, dskin{190, 150, 116};
        const Named animals[] = {
            {"av-cow", {C{140, 96, 64}, C{84, 58, 40}, C{230, 226, 214}, 24, 22, true}},
            {"av-bull", {C{70, 50, 36}, C{40, 30, 22}, C{90, 66, 48}, 26, 24, true}},
            {"av-dog", {C{140, 110, 80}, C{90, 70, 50}, C{150, 120, 90}, 13, 14, true}},
            {"av-wolf", {C{120, 116, 108}, C{80, 76, 70}, C{140, 136, 126}, 16, 16, true}},
            {"av-sheep", {C{226, 222, 210}, C{90, 84, 76}, C{70, 64, 60}, 14, 14, true}},
            {"av-ram", {C{214, 208, 190}, C{80, 74, 66}, C{120, 100, 70}, 16, 16, true}},
            {"av-pig", {C{220, 170, 160}, C{160, 120, 110}, C{230, 180, 170}, 12, 16, true}},
            {"av-lynx", {C{170, 140, 100}, C{110, 90, 64}, C{180, 150, 110}, 14, 14, true}},
            {"av-fox", {C{200, 110, 50}, C{120, 60, 30}, C{220, 130, 60}, 10, 12, true}},
            {"av-afox", {C{236, 236, 240}, C{170, 170, 180}, C{250, 250, 252}, 9, 11, true}},
            {"av-glutton", {C{70, 50, 36}, C{40, 28, 20}, C{150, 120, 80}, 11, 14, true}},
            {"av-srodent", {C{150, 100, 60}, C{100, 64, 40}, C{230, 220, 200}, 5, 8, true}},
            {"av-badger", {C{130, 130, 130}, C{40, 40, 40}, C{236, 236, 236}, 9, 13, true}},
            {"av-snake", {C{60, 70, 50}, C{30, 30, 26}, C{70, 80, 56}, 3, 14, true}},
            {"av-bear", {C{86, 62, 42}, C{56, 40, 28}, C{96, 70, 48}, 22, 20, true}},
            {"av-bullelk", {C{70, 54, 40}, C{44, 34, 26}, C{200, 180, 140}, 32, 24, true}},
            {"av-elk", {C{92, 70, 50}, C{60, 46, 34}, C{80, 60, 44}, 30, 22, true}},
            {"av-reindeer", {C{150, 136, 116}, C{90, 80, 66}, C{200, 196, 186}, 24, 18, true}},
            {"av-squirrel", {C{170, 90, 50}, C{110, 60, 34}, C{180, 100, 56}, 6, 6, true}},
            {"av-beaver", {C{110, 76, 50}, C{70, 48, 32}, C{120, 84, 56}, 8, 12, true}},
            {"av-hare", {C{150, 136, 112}, C{100, 90, 74}, C{160, 146, 120}, 8, 8, true}},
            {"av-horse", {C{120, 80, 50}, C{50, 36, 26}, C{130, 90, 60}, 30, 24, true}},
            {"av-gseal", {C{110, 110, 116}, C{70, 70, 76}, C{130, 130, 136}, 8, 22, true}},
            {"av-rseal", {C{140, 140, 130}, C{90, 90, 84}, C{160, 160, 150}, 7, 16, true}},
            {"av-bgrouse", {C{30, 30, 40}, C{200, 40, 40}, C{40, 40, 52}, 9, 8, false}},
            {"av-capcail", {C{50, 54, 50}, C{30, 70, 50}, C{60, 64, 60}, 13, 11, false}},
            {"av-hgrouse", {C{130, 110, 90}, C{80, 70, 60}, C{150, 130, 110}, 7, 6, false}},
            {"av-wgrouse", {C{200, 180, 150}, C{120, 90, 60}, C{230, 220, 200}, 8, 7, false}},
            {"av-swan", {C{244, 244, 240}, C{200, 200, 196}, C{250, 200, 60}, 14, 12, false}},
            {"av-mallard", {C{150, 130, 100}, C{40, 100, 60}, C{40, 110, 70}, 7, 8, false}},
            {"av-tduck", {C{40, 40, 44}, C{230, 230, 230}, C{30, 30, 34}, 7, 8, false}},
            {"av-goldeye", {C{230, 230, 226}, C{30, 30, 30}, C{30, 60, 50}, 7, 8, false}},
            {"av-kuikka", {C{40, 44, 48}, C{220, 220, 220}, C{60, 64, 70}, 9, 10, false}},
            {"av-raven", {C{26, 26, 34}, C{10, 10, 16}, C{36, 36, 46}, 9, 8, false}},
            {"av-goshawk", {C{120, 120, 124}, C{70, 66, 60}, C{200, 200, 196}, 10, 9, false}},
            {"av-eowl", {C{160, 120, 70}, C{90, 66, 40}, C{200, 150, 60}, 12, 11, false}},
        };
        for (const Named &a : animals) figure_tile(a.name, a.look, false);

        // Circle colours: clothing, its darker trim.
        struct Circle { const char *tag; C cloth, trim; };
        const Circle circles[3] = {{"w", C{70, 90, 150}, C{40, 50, 90}},
                                   {"n", C{150, 60, 50}, C{96, 70, 48}},
                                   {"e", C{210, 205, 190}, C{120, 110, 90}}};
        struct Role { const char *suffix; double tint, h, w; bool old; };
        const Role roles[] = {{"man", 1.0, 24, 9, false},   {"woman", 1.1, 23, 10, false}, {"craftm", 0.8, 24, 10, false},
                              {"adv", 0.7, 25, 9, false},   {"wdsman", 0.6, 24, 9, false}, {"oldman", 0.9, 22, 9, true},
                              {"sage", 1.2, 23, 10, true},  {"boy", 1.0, 16, 7, false}};
        char name[32];
        for (const Circle &k : circles)
            for (const Role &r : roles) {
                snprintf(name, sizeof name, "npc-%s%s", k.tag, r.suffix);
                const C cloth = r.suffix[0] == 'w' && r.suffix[1] == 'd' ? mixc(k.cloth, C{80, 100, 60}, 0.5)
                                : r.suffix[0] == 'a' ? mixc(k.cloth, C{60, 110, 70}, 0.4)
                                                     : shade(k.cloth, r.tint);
                figure_tile(name, Look{cloth, k.trim, r.old ? C{200, 200, 204} : k.tag[0] == 'n' ? dskin : skin, r.h, r.w, false}, false);
            }
        figure_tile("npc-njwar", Look{C{110, 110, 118}, C{60, 40, 30}, dskin, 25, 11, false}, false);
        figure_tile("npc-njman", Look{C{120, 80, 60}, C{60, 40, 30}, dskin, 24, 10, false}, false);
        figure_tile("npc-njboy", Look{C{120, 80, 60}, C{60, 40, 30}, dskin, 16, 7, false}, false);
        figure_tile("npc-njwoman", Look{C{140, 90, 70}, C{60, 40, 30}, dskin, 23, 10, false}, false);
        figure_tile("npc-ftrader", Look{C{130, 40, 110}, C{200, 170, 60}, skin, 25, 11, false}, false);
        figure_tile("npc-wtrman", Look{C{60, 110, 120}, C{30, 60, 70}, C{170, 200, 200}, 25, 9, false}, false);
        figure_tile("npc-forspr", Look{C{90, 110, 70}, C{60, 70, 50}, C{190, 190, 180}, 26, 10, false}, false);
    }

    // ---- fires, remains, blood ----
    fire_tile();
    save_strip("remofire", {[] {
        Frame f(64, 64);
        ellipse(f, 32, 38, 11, 6, [](int x, int y, double d) { return shade(C{60, 52, 48}, 1.0 - 0.3 * d + 0.3 * rnd(x, y, 161)); });
        for (int i = 0; i < 5; i++) line(f, 24 + i * 4, 34 + (i % 2) * 6, 30 + i * 3, 40 - (i % 2) * 4, C{40, 30, 24}, 1.5);
        return f;
    }()});
    save_strip("embers", {[] {
        Frame f(64, 64);
        ellipse(f, 32, 38, 9, 5, [](int x, int y, double d) { return mixc(C{255, 180, 60}, C{150, 30, 10}, d * 0.7 + 0.3 * rnd(x, y, 162)); });
        return f;
    }()});
    save_strip("blood", {[] {
        Frame f(64, 64);
        for (int i = 0; i < 6; i++)
            ellipse(f, 26 + rnd(i, 0, 163) * 12, 34 + rnd(i, 1, 163) * 8, 2 + rnd(i, 2, 163) * 4, 1.5 + rnd(i, 3, 163) * 2, [](int x, int y, double) { return shade(C{130, 14, 14}, 0.8 + 0.3 * rnd(x, y, 164)); });
        return f;
    }()});
    save_strip("firelit", {glow(C{255, 230, 160}, C{180, 110, 40}, 30)});

    // ---- cursors and marks ----
    {
        std::vector<Frame> pcd, fd;
        for (int d = 0; d < 8; d++) {
            pcd.push_back(arrow(d, C{250, 230, 120}, 18, false));
            fd.push_back(arrow(d, C{220, 220, 220}, 12, false));
        }
        save_strip("cur-pcdirs", pcd);
        save_strip("cur-facedirs", fd);
    }
    save_strip("cur-arrow", {arrow(6, C{250, 250, 250}, 12, false)});
    save_strip("cur-locsel", {[] {
        Frame f(64, 64);
        for (int x = 22; x <= 42; x++) for (int y : {21, 43}) if (x < 27 || x > 37) f.put(x, y, C{250, 230, 90});
        for (int y = 21; y <= 43; y++) for (int x : {22, 42}) if (y < 26 || y > 38) f.put(x, y, C{250, 230, 90});
        return f;
    }()});
    save_strip("cur-flee", {[] { Frame f(64, 64); line(f, 36, 10, 46, 10, C{250, 250, 120}, 2); line(f, 36, 14, 44, 14, C{250, 250, 120}, 1); return f; }()});
    save_strip("cur-agg", {[] { Frame f(64, 64); triangle(f, 32, 2, 27, 12, 37, 12, [](int, int) { return C{230, 40, 30}; }); outline(f, 0.5); return f; }()});
    save_strip("cur-zzz", {[] { Frame f(64, 64); for (int i = 0; i < 3; i++) { double x = 38 + i * 5, y = 14 - i * 5, s = 2 + i; line(f, x, y, x + s, y, C{230, 230, 250}); line(f, x + s, y, x, y + s, C{230, 230, 250}); line(f, x, y + s, x + s, y + s, C{230, 230, 250}); } return f; }()});
    save_strip("cur-traps", {[] { Frame f(64, 64); for (int i = -3; i <= 3; i++) { f.put(32 + i, 24 + i, C{240, 200, 60}); f.put(32 + i, 24 - i, C{240, 200, 60}); } return f; }()});
    save_strip("cur-marker", {[] { Frame f(64, 64); rect(f, 31, 14, 2, 20, C{230, 230, 230}); triangle(f, 33, 14, 33, 22, 42, 18, [](int, int) { return C{250, 250, 250}; }); outline(f, 0.5); return f; }()});

    // ---- weather ----
    precip_tile("ele-rain", true);
    precip_tile("ele-snow", false);

    // ---- traps: frame 0 standing open, frame 1 sprung ----
    auto trap = [](const char *name, C wood, int kind) {
        item_tile(name, [=](Frame &f, int k) {
            if (kind == 0) { stick(f, 8, 24, 24, 24 - (k ? 2 : 10), wood, 2); stick(f, 12, 24, 12, 16, wood); }
            if (kind == 1) { rect(f, 6, k ? 20 : 10, 20, 4, wood); stick(f, 10, 24, 10, k ? 24 : 14, wood); }
            if (kind == 2) { rect(f, 5, k ? 18 : 8, 22, 6, shade(wood, 0.8)); stick(f, 8, 24, 8, k ? 24 : 14, wood); }
            if (kind == 3) { for (int y = 12; y < 22; y++) for (int x = 6; x < 26; x++) f.put(x, y, (x + y) % 3 ? shade(wood, 0.9) : C{100, 120, 60}); }
        }, 2);
    };
    trap("tr-lever", C{140, 104, 70}, 0);
    trap("tr-deadf", C{130, 100, 70}, 1);
    trap("tr-heavydf", C{120, 96, 66}, 2);
    trap("tr-pitcover", C{110, 90, 60}, 3);
    trap("tr-stpitcov", C{100, 100, 96}, 3);
    trap("tr-sdeadf", C{136, 104, 72}, 1);

    // ---- items ----
    item_tile("it-skis", [](Frame &f, int k) {
        if (k == 0) return;
        int d = k - 1;
        double dx = std::cos(d * 0.7854) * 12, dy = -std::sin(d * 0.7854) * 12;
        for (int s : {-2, 2}) line(f, 16 - dx + s * std::fabs(std::sin(d * 0.7854)), 22 - dy + s * std::fabs(std::cos(d * 0.7854)) * 0.5, 16 + dx + s * std::fabs(std::sin(d * 0.7854)), 22 + dy + s * std::fabs(std::cos(d * 0.7854)) * 0.5, C{150, 110, 60}, 1.5);
    }, 9);
    item_tile("it-net", [](Frame &f, int) { for (int i = 0; i < 5; i++) { line(f, 6 + i * 5, 8, 6 + i * 5, 26, C{170, 160, 130}, 1); line(f, 6, 8 + i * 4.5, 26, 8 + i * 4.5, C{170, 160, 130}, 1); } });
    item_tile("it-item", [](Frame &f, int) { rect(f, 10, 12, 12, 10, C{150, 120, 80}); });
    item_tile("it-axe", [](Frame &f, int) { stick(f, 10, 26, 22, 8, C{140, 100, 60}, 2); triangle(f, 20, 6, 28, 8, 22, 16, [](int, int) { return C{170, 174, 180}; }); });
    item_tile("it-knife", [](Frame &f, int) { stick(f, 10, 24, 15, 19, C{100, 70, 40}, 2.5); stick(f, 15, 19, 24, 10, C{190, 194, 200}, 1.5); });
    item_tile("it-spear", [](Frame &f, int) { stick(f, 4, 28, 24, 8, C{140, 100, 60}, 1.5); triangle(f, 28, 4, 22, 8, 24, 10, [](int, int) { return C{180, 184, 190}; }); });
    item_tile("it-bow", [](Frame &f, int) { for (int i = 0; i < 20; i++) { double a = -1.2 + i * 0.12; f.put((int)(10 + 10 * std::cos(a)), (int)(16 + 12 * std::sin(a)), C{130, 90, 50}); } stick(f, 19, 5, 19, 27, C{220, 220, 200}, 1); });
    item_tile("it-arrow", [](Frame &f, int) { stick(f, 6, 24, 24, 8, C{160, 120, 70}, 1); triangle(f, 26, 6, 22, 8, 24, 10, [](int, int) { return C{160, 160, 170}; }); });
    item_tile("it-fish", [](Frame &f, int) { ellipse(f, 15, 16, 8, 3.5, [](int, int y, double) { return y < 16 ? C{110, 130, 140} : C{200, 206, 210}; }); triangle(f, 22, 16, 27, 12, 27, 20, [](int, int) { return C{100, 120, 130}; }); });
    item_tile("it-meat", [](Frame &f, int) { ellipse(f, 16, 17, 8, 6, [](int x, int y, double d) { return d > 0.7 ? C{230, 220, 200} : shade(C{170, 50, 50}, 0.9 + 0.2 * rnd(x, y, 1)); }); });
    item_tile("it-berries", [](Frame &f, int) { for (int i = 0; i < 7; i++) ellipse(f, 10 + rnd(i, 0, 3) * 12, 12 + rnd(i, 1, 3) * 10, 2, 2, [](int, int, double d) { return d < 0.3 ? C{200, 120, 160} : C{70, 60, 140}; }); });
    item_tile("it-mushroom", [](Frame &f, int) { rect(f, 14, 16, 4, 8, C{230, 220, 200}); ellipse(f, 16, 15, 7, 4, [](int, int, double) { return C{170, 110, 60}; }); });
    item_tile("it-log", [](Frame &f, int) { stick(f, 4, 22, 26, 12, C{120, 84, 52}, 5); ellipse(f, 26, 12, 2.5, 2.5, [](int, int, double) { return C{200, 170, 120}; }); });
    item_tile("it-branch", [](Frame &f, int) { stick(f, 4, 24, 26, 10, C{110, 80, 50}, 1.5); stick(f, 14, 18, 18, 8, C{110, 80, 50}, 1); });
    item_tile("it-stone", [](Frame &f, int) { ellipse(f, 16, 18, 6, 4.5, [](int x, int y, double d) { return shade(C{140, 138, 132}, 1.1 - 0.4 * d + 0.1 * rnd(x, y, 2)); }); });
    item_tile("it-pelt", [](Frame &f, int) { ellipse(f, 16, 16, 10, 7, [](int x, int y, double) { return shade(C{150, 110, 70}, 0.85 + 0.3 * rnd(x, y, 4)); }); });
    item_tile("it-pot", [](Frame &f, int) { ellipse(f, 16, 18, 7, 6, [](int x, int, double d) { return shade(C{90, 80, 76}, 1.1 - 0.4 * d + (16 - x) * 0.02); }); rect(f, 10, 11, 12, 2, C{60, 54, 50}); });
    item_tile("it-bag", [](Frame &f, int) { ellipse(f, 16, 18, 7, 7, [](int x, int y, double d) { return shade(C{150, 126, 90}, 1.1 - 0.4 * d + 0.1 * rnd(x, y, 5)); }); stick(f, 13, 11, 19, 11, C{90, 70, 50}, 1); });
    item_tile("it-rope", [](Frame &f, int) { for (int i = 0; i < 3; i++) for (int a = 0; a < 40; a++) f.put((int)(16 + (8 - i * 2) * std::cos(a * 0.157)), (int)(17 + (6 - i * 1.5) * std::sin(a * 0.157)), C{190, 160, 110}); });
    item_tile("it-feather", [](Frame &f, int) { stick(f, 8, 24, 24, 8, C{230, 230, 230}, 1); for (int i = 0; i < 8; i++) stick(f, 10 + i * 2, 22 - i * 2, 8 + i * 2, 18 - i * 2, C{200, 200, 210}, 1); });
    item_tile("it-torch", [](Frame &f, int) { stick(f, 12, 26, 18, 12, C{120, 84, 52}, 2); ellipse(f, 19, 9, 3, 4, [](int, int, double d) { return mixc(C{255, 240, 160}, C{230, 90, 20}, d); }); });
    item_tile("it-herb", [](Frame &f, int) { for (int i = 0; i < 5; i++) stick(f, 16, 26, 8 + i * 4, 10 + (i % 2) * 4, C{90, 150, 70}, 1.5); });
    item_tile("it-bread", [](Frame &f, int) { ellipse(f, 16, 18, 9, 5, [](int, int y, double d) { return y < 17 ? shade(C{190, 140, 80}, 1.1 - 0.2 * d) : C{160, 110, 60}; }); });
    item_tile("it-cloth", [](Frame &f, int) { rect(f, 8, 10, 16, 12, C{160, 60, 50}); stick(f, 8, 14, 24, 14, C{190, 150, 80}, 1); });

    printf("gen_tiles: %d tiles into %s\n", files_written, outdir.c_str());
    return 0;
}
