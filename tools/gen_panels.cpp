// tools/gen_panels.cpp -- paints the background of the status panel on the right of the game screen:
//     truegfx/bg-rpanel.png    328 x 600: dark weathered planks with a lighter frame
// Drawn from code with a fixed-seed generator, so every build paints the same pixels.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

enum { PANEL_W = 328, PANEL_H = 600, PLANK_H = 40 };

static uint32_t hash2(int x, int y, uint32_t seed) {
    uint32_t h = (uint32_t)x * 0x27D4EB2Du ^ (uint32_t)y * 0x165667B1u ^ seed * 0x9E3779B9u;
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

static double unit(int x, int y, uint32_t seed) { return (hash2(x, y, seed) >> 8) * (1.0 / 16777216.0); }

static int clamp255(double v) { return v < 0 ? 0 : v > 255 ? 255 : (int)v; }

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_panels <working folder>\n");
        return 1;
    }
    std::string dir = argv[1];
    mkdir(dir.c_str(), 0755);
    mkdir((dir + "/truegfx").c_str(), 0755);
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, PANEL_W, PANEL_H, 32, SDL_PIXELFORMAT_RGBA32);
    if (!s) {
        fprintf(stderr, "gen_panels: %s\n", SDL_GetError());
        return 1;
    }
    uint8_t *px = (uint8_t *)s->pixels;
    for (int y = 0; y < PANEL_H; y++) {
        int plank = y / PLANK_H;
        double plank_tone = 0.85 + 0.3 * unit(plank, 0, 7);
        double shift = unit(plank, 1, 7) * 200.0;
        for (int x = 0; x < PANEL_W; x++) {
            // Grain: long streaks along the plank, a little noise across.
            double grain = 0.5 + 0.5 * sin((x + shift) * 0.045 + sin((x + shift) * 0.011) * 3.0 + (y % PLANK_H) * 0.35);
            double noise = unit(x, y, 11) - 0.5;
            double v = (38 + 14 * grain + 10 * noise) * plank_tone;
            int r = clamp255(v * 1.05), g = clamp255(v * 0.95), b = clamp255(v * 0.85);
            // A dark seam between planks and a lighter frame round the panel.
            if (y % PLANK_H == 0) r = g = b = 14;
            if (x < 3 || y < 3 || x >= PANEL_W - 3 || y >= PANEL_H - 3) {
                r = 96;
                g = 88;
                b = 72;
            }
            if (x == 0 || y == 0 || x == PANEL_W - 1 || y == PANEL_H - 1) r = g = b = 0;
            uint8_t *p = px + y * s->pitch + x * 4;
            p[0] = (uint8_t)r;
            p[1] = (uint8_t)g;
            p[2] = (uint8_t)b;
            p[3] = 255;
        }
    }
    std::string path = dir + "/truegfx/bg-rpanel.png";
    int rc = IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) {
        fprintf(stderr, "gen_panels: cannot write %s: %s\n", path.c_str(), SDL_GetError());
        return 1;
    }
    return 0;
}
