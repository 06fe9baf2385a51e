// A tile strip's metadata read from its picture: the key pixel, the scalable marker, the size class
// from the height and the frame count from the width. The input's first bytes give the picture's
// size, the rest its pixels; the picture is written where the game looks, loaded as the game loads a
// tile, and every frame (and one past the last) drawn in each way the map draws.
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "common.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::open_screen();
    mkdir("truetile", 0755);
    if (size < 3) return 0;
    const int w = 1 + data[0] + (data[2] & 0x80 ? 256 : 0), h = 1 + data[1] + (data[2] & 0x40 ? 8 : 0);
    const uint8_t *px = data + 3;
    const size_t n = size - 3;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) abort();
    std::vector<uint8_t> bytes((size_t)w * h * 4);
    for (size_t i = 0; i < bytes.size(); i++) bytes[i] = n ? px[i % n] : 0;
    for (int y = 0; y < h; y++) memcpy((uint8_t *)s->pixels + (size_t)y * s->pitch, &bytes[(size_t)y * w * 4], (size_t)w * 4);
    const char *name = data[2] & 1 ? "ter-fuzz.bmp" : "it-fuzz.bmp";
    std::string path = std::string("truetile/") + name;
    if (SDL_SaveBMP(s, path.c_str()) != 0) abort();
    SDL_FreeSurface(s);

    SCALENEWGFX = data[2] & 2 ? 1 : 0;
    TileColorMod_A = {(uint8_t)(data[2] * 7), 40, 90, (uint8_t)(data[2] & 4 ? 100 : 255)};
    const int slot = OXATILE_MAX - 1;
    const OxaTile kept = OxaTiles[slot];
    OxaTiles[slot] = LoadOxaTile(name, 0, 1);
    const OxaTile &t = OxaTiles[slot];
    if (t.tex && t.frames < 1) oxafuzz::fail("a loaded tile without frames");
    for (int frame = -1; frame <= t.frames; frame++)
        for (int variant : {0, (int)TILE_GREY})
            for (int flags : {0, (int)TILE_OUTLINE, (int)TILE_ONSCREEN, (int)(TILE_ONSCREEN | TILE_UPPER), (int)TILE_DIRECT})
                DrawOxaTile(slot, frame, variant, 10, 8, flags);
    if (t.tex) SDL_DestroyTexture(t.tex);
    if (t.grey) SDL_DestroyTexture(t.grey);
    if (t.silhouette) SDL_DestroyTexture(t.silhouette);
    OxaTiles[slot] = kept;
    TileColorMod_A = {255, 255, 255, 255};
    return 0;
}
