// tools/gen_gui.cpp -- paints the window and button pictures of the GUI into the working folder:
//     truegfx/nappain.png            button pieces: left cap x 0-6, middle x 7-14, right cap x 22-28;
//                                    the key face holds rows 3-15 around the key letter (drawn at rows
//                                    5-14), so that keys on rows 12 pixels apart never cover each
//                                    other's text; the rest of the 32 rows pure white (the sheet's
//                                    transparent colour)
//     truegfx/texture_vaalea.png     window texture: pale linen, for dark text (the encyclopedia's
//                                    pages, the task window)
//     truegfx/texture_tuohi.png      window texture: birch bark
//     truegfx/texture_kivi.png       window texture: dark slate, for light text
//     truegfx/texture_savuseina.png  window texture: smoke-blackened logs, for light text
//     truegfx/cursor_target.png      the target cursor
//     truetile/gui-*.png             horizon-box weather icons, the horizon, the fire glow, the heading
//                                    arrow and the sound clue
// Icons are keyed by their pixel (0, 0) (magenta), textures never hold pure white. Everything is
// drawn with a fixed-seed generator, so every build paints the same pixels.
// Usage: gen_gui <working folder>
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

uint32_t hash2(int x, int y, uint32_t seed) {
    uint32_t h = (uint32_t)x * 0x27D4EB2Du ^ (uint32_t)y * 0x165667B1u ^ seed * 0x9E3779B9u;
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double lattice(int x, int y, uint32_t seed) { return (hash2(x, y, seed) >> 8) * (1.0 / 16777216.0); }
double fade(double t) { return t * t * (3 - 2 * t); }
double lerp(double a, double b, double t) { return a + (b - a) * t; }

// Value noise in [0, 1), tiling with the given period so that window textures join seamlessly.
double noise2(double x, double y, int px, int py, uint32_t seed) {
    int ix = (int)std::floor(x), iy = (int)std::floor(y);
    double fx = fade(x - ix), fy = fade(y - iy);
    auto at = [&](int a, int b) { return lattice(((a % px) + px) % px, ((b % py) + py) % py, seed); };
    return lerp(lerp(at(ix, iy), at(ix + 1, iy), fx), lerp(at(ix, iy + 1), at(ix + 1, iy + 1), fx), fy);
}

const int NO_WRAP = 1 << 20;

double fbm(double x, double y, int px, int py, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; i++) {
        sum += amp * noise2(x, y, px, py, seed + i * 101);
        norm += amp;
        x *= 2;
        y *= 2;
        px *= 2;
        py *= 2;
        amp *= 0.5;
    }
    return sum / norm;
}

int clamp8(double v) { return v < 0 ? 0 : v > 255 ? 255 : (int)v; }

struct Canvas {
    SDL_Surface *s;
    Canvas(int w, int h) : s(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888)) {}
    ~Canvas() { SDL_FreeSurface(s); }
    int w() const { return s->w; }
    int h() const { return s->h; }
    void put(int x, int y, int r, int g, int b) {
        if (x < 0 || y < 0 || x >= s->w || y >= s->h) return;
        uint32_t *row = (uint32_t *)((uint8_t *)s->pixels + y * s->pitch);
        row[x] = 0xFF000000u | (uint32_t)clamp8(r) << 16 | (uint32_t)clamp8(g) << 8 | (uint32_t)clamp8(b);
    }
    void fill(int r, int g, int b) {
        for (int y = 0; y < h(); y++)
            for (int x = 0; x < w(); x++) put(x, y, r, g, b);
    }
    bool save(const std::string &path) const {
        if (IMG_SavePNG(s, path.c_str()) != 0) {
            fprintf(stderr, "gen_gui: cannot write %s: %s\n", path.c_str(), IMG_GetError());
            return false;
        }
        return true;
    }
};

const int KEY_R = 255, KEY_G = 0, KEY_B = 255;   // the icons' transparent colour

// Keeps a texture off pure white, which the GUI sheet treats as transparent.
void put_texture(Canvas &c, int x, int y, double r, double g, double b) {
    c.put(x, y, r > 250 ? 250 : r, g > 250 ? 250 : g, b > 250 ? 250 : b);
}

// The keyboard button: a bevelled light key on rows 3-15, pure white above, below and between the
// pieces. The face stays light behind the black key letter (rows 5-14).
bool button_pieces(const std::string &dir) {
    Canvas c(32, 32);
    c.fill(255, 255, 255);
    const int top = 3, bottom = 15;
    auto piece = [&](int x0, int w, bool left, bool right) {
        for (int y = top; y <= bottom; y++)
            for (int i = 0; i < w; i++) {
                int x = x0 + i;
                bool edge = y == top || y == bottom || (left && i == 0) || (right && i == w - 1);
                bool corner = (y == top || y == bottom) && ((left && i == 0) || (right && i == w - 1));
                if (corner) continue;   // rounded corners stay transparent
                if (edge) {
                    c.put(x, y, 40, 36, 30);
                } else if (y == top + 1 || (left && i == 1)) {
                    c.put(x, y, 246, 242, 228);
                } else if (right && i == w - 2) {
                    c.put(x, y, 150, 142, 126);
                } else {
                    int shade = 226 - 2 * (y - top);
                    c.put(x, y, shade, shade - 4, shade - 16);
                }
            }
    };
    piece(0, 7, true, false);
    piece(7, 8, false, false);
    piece(22, 7, false, true);
    return c.save(dir + "/truegfx/nappain.png");
}

bool texture_vaalea(const std::string &dir) {
    Canvas c(160, 160);
    for (int y = 0; y < 160; y++)
        for (int x = 0; x < 160; x++) {
            double n = fbm(x / 20.0, y / 20.0, 8, 8, 4, 11);
            double weave = ((x + y) % 4 == 0 ? -3 : 0) + ((x - y + 160) % 4 == 0 ? -2 : 0);
            double v = 238 + 14 * (n - 0.5) + weave;
            put_texture(c, x, y, v + 4, v + 1, v - 12);
        }
    return c.save(dir + "/truegfx/texture_vaalea.png");
}

bool texture_tuohi(const std::string &dir) {
    Canvas c(160, 160);
    for (int y = 0; y < 160; y++)
        for (int x = 0; x < 160; x++) {
            double n = fbm(x / 32.0, y / 10.0, 5, 16, 3, 23);
            double v = 226 + 24 * (n - 0.5);
            // dark lenticels: short horizontal streaks
            double streak = noise2(x / 16.0, y / 2.5, 10, 64, 29);
            double bandrow = std::fmod(y + 160.0 * n, 23.0);
            if (streak > 0.8 && bandrow < 3) v = 70 + 60 * (1 - streak);
            put_texture(c, x, y, v, v - 6, v - 18);
        }
    return c.save(dir + "/truegfx/texture_tuohi.png");
}

bool texture_kivi(const std::string &dir) {
    Canvas c(160, 160);
    for (int y = 0; y < 160; y++)
        for (int x = 0; x < 160; x++) {
            double n = fbm(x / 16.0, y / 16.0, 10, 10, 5, 37);
            double cracks = std::fabs(noise2(x / 20.0, y / 20.0, 8, 8, 41) - 0.5);
            double v = 40 + 24 * (n - 0.5) - (cracks < 0.025 ? 16 : 0);
            put_texture(c, x, y, v, v + 2, v + 6);
        }
    return c.save(dir + "/truegfx/texture_kivi.png");
}

bool texture_savuseina(const std::string &dir) {
    Canvas c(160, 160);
    for (int y = 0; y < 160; y++)
        for (int x = 0; x < 160; x++) {
            int log = y / 32, in = y % 32;
            double round = std::sin(M_PI * (in + 0.5) / 32.0);
            double grain = fbm(x / 40.0, (y + log * 7) / 3.0, 4, NO_WRAP, 3, 53 + log);
            double v = 14 + 30 * round + 12 * (grain - 0.5);
            if (in == 0 || in == 31) v = 6;
            put_texture(c, x, y, v + 6, v + 3, v);
        }
    return c.save(dir + "/truegfx/texture_savuseina.png");
}

bool cursor_target(const std::string &dir) {
    Canvas c(32, 32);
    c.fill(KEY_R, KEY_G, KEY_B);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            double dx = x - 15.5, dy = y - 15.5, r = std::sqrt(dx * dx + dy * dy);
            bool ring = r > 11.5 && r < 14.5;
            bool cross = (std::fabs(dx) < 1 || std::fabs(dy) < 1) && r > 4 && r < 12;
            if (ring || cross) c.put(x, y, 250, 200, 40);
            else if (r > 10.5 && r < 15.5) c.put(x, y, 30, 20, 0);
        }
    return c.save(dir + "/truegfx/cursor_target.png");
}

bool icon_sun(const std::string &dir) {
    Canvas c(24, 24);
    c.fill(KEY_R, KEY_G, KEY_B);
    for (int y = 1; y < 24; y++)
        for (int x = 1; x < 24; x++) {
            double dx = x - 12, dy = y - 12, r = std::sqrt(dx * dx + dy * dy);
            double a = std::atan2(dy, dx);
            if (r < 6) c.put(x, y, 255, 220 - (int)(r * 6), 60);
            else if (r < 11 && std::fabs(std::sin(a * 4)) > 0.85) c.put(x, y, 250, 190, 40);
        }
    return c.save(dir + "/truetile/gui-sun.png");
}

void cloud(Canvas &c, int grey) {
    const int blobs[4][3] = {{8, 13, 5}, {13, 10, 6}, {18, 13, 5}, {13, 15, 5}};
    for (int y = 1; y < c.h(); y++)
        for (int x = 1; x < c.w(); x++)
            for (const auto &b : blobs) {
                double dx = x - b[0], dy = y - b[1];
                if (dx * dx + dy * dy < b[2] * b[2]) {
                    int v = grey - (int)(y * 1.5);
                    c.put(x, y, v, v, v + 8);
                    break;
                }
            }
}

bool icon_clouds(const std::string &dir) {
    Canvas c(24, 24);
    c.fill(KEY_R, KEY_G, KEY_B);
    cloud(c, 236);
    return c.save(dir + "/truetile/gui-clouds.png");
}

bool icon_rain(const std::string &dir) {
    Canvas c(24, 24);
    c.fill(KEY_R, KEY_G, KEY_B);
    cloud(c, 170);
    for (int i = 0; i < 4; i++)
        for (int t = 0; t < 4; t++) c.put(6 + 4 * i - t / 2, 19 + t, 90, 130, 230);
    return c.save(dir + "/truetile/gui-rain.png");
}

bool icon_snowfall(const std::string &dir) {
    Canvas c(24, 24);
    c.fill(KEY_R, KEY_G, KEY_B);
    cloud(c, 200);
    for (int i = 0; i < 4; i++) {
        int x = 5 + 4 * i, y = 20 + (i % 2);
        c.put(x, y, 240, 240, 250);
        c.put(x - 1, y, 220, 220, 235);
        c.put(x + 1, y, 220, 220, 235);
        c.put(x, y - 1, 220, 220, 235);
        c.put(x, y + 1, 220, 220, 235);
    }
    return c.save(dir + "/truetile/gui-snowfall.png");
}

bool icon_horizon(const std::string &dir) {
    Canvas c(96, 74);
    c.fill(KEY_R, KEY_G, KEY_B);
    for (int x = 0; x < 96; x++) {
        double ridge = 50 + 8 * std::sin(x / 9.0) + 5 * (noise2(x / 6.0, 0.5, NO_WRAP, NO_WRAP, 61) - 0.5) * 2;
        for (int y = (int)ridge; y < 74; y++) {
            if (x == 0 && y == 0) continue;
            bool tree = ((x * 7) % 11 < 3) && y < ridge + 6;
            c.put(x, y, tree ? 20 : 34, tree ? 44 : 52, tree ? 26 : 40);
        }
    }
    return c.save(dir + "/truetile/gui-horizon.png");
}

bool icon_firelit(const std::string &dir) {
    Canvas c(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            double dx = x - 31.5, dy = y - 31.5, r = std::sqrt(dx * dx + dy * dy) / 32.0;
            double v = r >= 1 ? 0 : (1 - r) * (1 - r);
            c.put(x, y, 255 * v, 200 * v, 120 * v);
        }
    return c.save(dir + "/truetile/gui-firelit.png");
}

bool icon_arrow(const std::string &dir) {
    Canvas c(16, 16);
    c.fill(KEY_R, KEY_G, KEY_B);
    for (int y = 1; y < 16; y++)
        for (int x = 1; x < 16; x++) {
            bool head = y <= 8 && std::abs(x - 8) <= y - 1;
            bool shaft = y > 8 && y < 15 && std::abs(x - 8) <= 1;
            if (head || shaft) c.put(x, y, 220, 30, 20);
        }
    return c.save(dir + "/truetile/gui-arrow.png");
}

bool icon_sndclue(const std::string &dir) {
    Canvas c(16, 16);
    c.fill(KEY_R, KEY_G, KEY_B);
    for (int y = 1; y < 16; y++)
        for (int x = 1; x < 16; x++) {
            double dx = x - 3, dy = y - 8, r = std::sqrt(dx * dx + dy * dy);
            bool speaker = x >= 2 && x <= 5 && std::abs(y - 8) <= 2 + (x - 2) / 2;
            bool wave = dx > 0 && (std::fabs(r - 7) < 0.7 || std::fabs(r - 11) < 0.7) && std::fabs(dy) < r * 0.7;
            if (speaker || wave) c.put(x, y, 240, 230, 140);
        }
    return c.save(dir + "/truetile/gui-sndclue.png");
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_gui <working folder>\n");
        return 2;
    }
    std::string dir = argv[1];
    mkdir(dir.c_str(), 0755);
    mkdir((dir + "/truegfx").c_str(), 0755);
    mkdir((dir + "/truetile").c_str(), 0755);
    bool ok = button_pieces(dir) && texture_vaalea(dir) && texture_tuohi(dir) && texture_kivi(dir) &&
              texture_savuseina(dir) && cursor_target(dir) && icon_sun(dir) && icon_clouds(dir) && icon_rain(dir) &&
              icon_snowfall(dir) && icon_horizon(dir) && icon_firelit(dir) && icon_arrow(dir) && icon_sndclue(dir);
    return ok ? 0 : 1;
}
