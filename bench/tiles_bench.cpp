// The tile set loaded as the start-up loads it, and the first tinted draw of a tile, which makes its
// silhouette from the picture's file.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "core/oxa.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include "bench_screen.h"

#include <unistd.h>
#include <cstdlib>
#include <string>

static void open_screen() { open_screen_among_the_assets(); }

static void BM_LoadTileSet(benchmark::State &state) {
    open_screen();
    for (auto _ : state) NewGfx_loadtiledata();
}
BENCHMARK(BM_LoadTileSet)->Unit(benchmark::kMillisecond);

static void BM_FirstTintedDraw(benchmark::State &state) {
    open_screen();
    for (auto _ : state) {
        state.PauseTiming();
        const OxaTile fresh = LoadOxaTile("elk.png", LOADBIGNEWGFX, 0);
        if (!fresh.tex) bench_setup_failed("the tile texture could not be made");
        OxaTile &slot = OxaTiles[OXATILE_MAX - 1];
        if (slot.tex) SDL_DestroyTexture(slot.tex);
        if (slot.grey) SDL_DestroyTexture(slot.grey);
        if (slot.silhouette) SDL_DestroyTexture(slot.silhouette);
        slot = fresh;
        state.ResumeTiming();
        TILEOPTION_RedAlpha = 100;
        DrawOxaTile(OXATILE_MAX - 1, 0, 0, 10, 10, 0);
        TILEOPTION_RedAlpha = 255;
    }
}
BENCHMARK(BM_FirstTintedDraw)->Unit(benchmark::kMicrosecond);
