// tools/oxa_worldgen.cpp -- makes a world headless and writes its files into a folder.
//
//   oxa_worldgen --seed N --out DIR [--culture C]
//
// Writes "WORLD.DAT", the culture map and the place names into DIR as character creation does, then
// "world.png" (a pixel per world cell in the world-generation screen's colours, the start place
// marked with a red box) and "cultures.png" (the culture regions over the terrain). Prints each
// step's time, the start place (in culture C when given) and the settlements of every culture.
#include <sys/stat.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/records.h"
#include "core/culture.h"
#include "worldgen/kartta_main.h"

static void usage() { fprintf(stderr, "usage: oxa_worldgen --seed N --out DIR [--culture C]\n"); }

static bool write_png(const std::string &path, bool cultures) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, 3072, 2048, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return false;
    for (int y = 0; y < 2048; y++) {
        uint32_t *line = (uint32_t *)((uint8_t *)s->pixels + (size_t)y * s->pitch);
        for (int x = 0; x < 3072; x++) {
            uint8_t c[3] = {0, 0, 0};
            if (!(cultures && kulttuuri_rgb((unsigned char)peekkulttuurikartta(y, x), c)))
                karttamerkki_rgb(peekmaailma(y, x), 0, c);
            line[x] = 0xff000000u | (uint32_t)c[0] << 16 | (uint32_t)c[1] << 8 | c[2];
        }
    }
    if (!cultures) {
        SDL_Rect mark = {plr_aloitus_x - 12, plr_aloitus_y - 12, 25, 25};
        SDL_Rect in = {mark.x + 3, mark.y + 3, 19, 19};
        SDL_FillRect(s, &mark, 0xffff0000u);
        SDL_Rect hole = in;
        SDL_Surface *keep = SDL_CreateRGBSurfaceWithFormat(0, 19, 19, 32, SDL_PIXELFORMAT_ARGB8888);
        if (keep) {
            // The box is a frame: the cells inside stay visible.
            for (int j = 0; j < 19; j++)
                for (int i = 0; i < 19; i++) {
                    uint8_t c[3] = {0, 0, 0};
                    karttamerkki_rgb(peekmaailma(in.y + j, in.x + i), 0, c);
                    ((uint32_t *)((uint8_t *)keep->pixels + (size_t)j * keep->pitch))[i] =
                        0xff000000u | (uint32_t)c[0] << 16 | (uint32_t)c[1] << 8 | c[2];
                }
            SDL_BlitSurface(keep, nullptr, s, &hole);
            SDL_FreeSurface(keep);
        }
    }
    const bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    if (!ok) fprintf(stderr, "oxa_worldgen: cannot write %s: %s\n", path.c_str(), IMG_GetError());
    SDL_FreeSurface(s);
    return ok;
}

int main(int argc, char **argv) {
    long seed = -1;
    int culture = -1;
    const char *out = nullptr;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!strcmp(argv[i], "--culture") && i + 1 < argc) culture = atoi(argv[++i]);
        else {
            usage();
            return 2;
        }
    }
    if (seed < 0 || !out || culture > 13) {
        usage();
        return 2;
    }
    mkdir(out, 0755);
    worldgen_seed((uint32_t)seed);
    if (luokartta() != 0) {
        fprintf(stderr, "oxa_worldgen: Error in random world generation!\n");
        return 1;
    }
    double total = 0;
    for (int i = 0; i < 8; i++) {
        printf("%-10s %8.1f ms\n", worldgen_step_name[i], worldgen_step_ms[i]);
        total += worldgen_step_ms[i];
    }
    printf("%-10s %8.1f ms\n", "total", total);
    if (culture >= 0) reinterpret_cast<uint8_t *>(&Plr)[13] = (uint8_t)culture;
    etsialoituskohta(culture >= 0);
    printf("start: %d,%d (code %d, culture %d)%s\n", plr_aloitus_x, plr_aloitus_y,
           peekmaailma(plr_aloitus_y, plr_aloitus_x), peekkulttuurikartta(plr_aloitus_y + 3, plr_aloitus_x + 3),
           ALOITUS_NOTE ? ", not in the home culture: none was found there" : "");
    unsigned counts[14][3];
    siika_count(counts);
    unsigned sum_all = 0;
    for (int c = 0; c < 14; c++) {
        const unsigned sum = counts[c][0] + counts[c][1] + counts[c][2];
        printf("%s: %u+%u+%u = %u\n", CULTURE_TAG[c], counts[c][0], counts[c][1], counts[c][2], sum);
        sum_all += sum;
    }
    printf("total: %u\n", sum_all);
    if (tallennakartta(out) != 0) {
        fprintf(stderr, "oxa_worldgen: couldn't write the world into %s\n", out);
        putsaa();
        return 1;
    }
    putsaa();
    const std::string dir(out);
    const bool ok = write_png(dir + "/world.png", false) && write_png(dir + "/cultures.png", true);
    return ok ? 0 : 1;
}
