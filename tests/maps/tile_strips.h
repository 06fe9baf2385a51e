// tests/maps/tile_strips.h -- tile pictures written by the tests themselves, so that pixel checks
// never depend on the look of the generated tile set.
#pragma once
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <cstdint>
#include <functional>
#include <string>

namespace oxatest {

const SDL_Color TILE_KEY = {255, 0, 255, 255};   // the key colour: an empty pixel

inline SDL_Color rgb(int r, int g, int b) { return SDL_Color{(uint8_t)r, (uint8_t)g, (uint8_t)b, 255}; }

// Writes "truetile/<name>.png": a strip of `frames` frames of w x h in the tile layout; frame f is
// painted by paint(f, x, y).
inline void write_tile_strip(const char *name, int w, int h, int frames,
                             const std::function<SDL_Color(int, int, int)> &paint) {
    mkdir("truetile", 0755);
    int W = (w + 1) * frames + 1, H = h + 2;
    if (frames > 1 && W < frames * (H - 1)) W = frames * (H - 1);
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(s, nullptr, SDL_MapRGBA(s->format, TILE_KEY.r, TILE_KEY.g, TILE_KEY.b, 255));
    for (int f = 0; f < frames; f++)
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                SDL_Color c = paint(f, x, y);
                ((uint32_t *)((uint8_t *)s->pixels + (y + 1) * s->pitch))[(w + 1) * f + 1 + x] =
                    SDL_MapRGBA(s->format, c.r, c.g, c.b, 255);
            }
    IMG_SavePNG(s, (std::string("truetile/") + name + ".png").c_str());
    SDL_FreeSurface(s);
}

}  // namespace oxatest
