// Text drawing on the screen surface and on the renderer, and a full screen flip with the map.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "core/oxa.h"
#include "presentation/show.h"

#include "bench_screen.h"

#include <SDL2/SDL.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Opens the screen once in a throwaway folder holding a font and a palette of its own.
static char folder[] = "/tmp/oxabench-XXXXXX";

static void remove_folder() {
    if (chdir("/") != 0) return;
    for (const char *name : {"OXA.FNT", "palette.nfo", "debug_renderer.txt", "init_log.txt"})
        unlink((std::string(folder) + "/" + name).c_str());
    rmdir(folder);
}

static void open_screen() {
    static bool open = false;
    if (open) return;
    open = true;
    if (!mkdtemp(folder) || chdir(folder) != 0) bench_setup_failed("could not make and enter a folder of its own");
    atexit(remove_folder);
    std::string font(FONT_BYTES, '\0');
    for (int i = 0; i < FONT_BYTES; i++) font[i] = (i * 7 / 3) % 3 == 0;
    std::string palette(PALETTE_BYTES, '\0');
    FILE *f = fopen("OXA.FNT", "wb");
    fwrite(font.data(), 1, font.size(), f);
    fclose(f);
    f = fopen("palette.nfo", "wb");
    fwrite(palette.data(), 1, palette.size(), f);
    fclose(f);
    open_headless_screen();
}

static const char *LINE = "You see a birch forest, a small lake and tracks of an elk.";

static void BM_showtext(benchmark::State &state) {
    open_screen();
    const uint32_t colour = COLOR_WHITE();
    for (auto _ : state) showtext(10, 100, LINE, colour, (int)state.range(0));
    state.SetItemsProcessed(state.iterations() * (int64_t)strlen(LINE));
}
BENCHMARK(BM_showtext)->Arg(0)->Arg(1);

static void BM_renshowtext(benchmark::State &state) {
    open_screen();
    const uint32_t colour = ColorPack(RGBAColor_White);
    for (auto _ : state) renshowtext(ren, 10, 100, LINE, colour, 0);
    state.SetItemsProcessed(state.iterations() * (int64_t)strlen(LINE));
}
BENCHMARK(BM_renshowtext);

static void BM_Flip(benchmark::State &state) {
    open_screen();
    DISABLE_FLIP = 0;
    for (auto _ : state) {
        FLIPMODE = (int)state.range(0);
        Flip();
    }
    FLIPMODE = 0;
}
BENCHMARK(BM_Flip)->Arg(0)->Arg(1);
