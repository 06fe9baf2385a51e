// Where-you-are paths: the heights of one local area (built on every map entry), the culture blocks
// (built once per load) and the information boxes after a change of place.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstring>

#include "bench_screen.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/korkeus_main.h"
#include "maps/kulttuuri.h"
#include "presentation/mapborder.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "presentation/show.h"

namespace {

void fill_patchwork() {
    static const int chars[] = {15, 91, 233, 183, 239, 94, 3, 251, 235, 178, 238, 176, 60};
    memset(maailma_alltime, CH_BLANK, MAP_BYTES);
    for (int y = 1000; y < 1030; y++)
        for (int x = 1000; x < 1030; x++) maailma_alltime[mapidx(x, y)] = (uint8_t)chars[(x * 7 + y * 3) % 13];
}

// The ready-made world's cultures: the sea nobody's, the west coast 1, a band of no man's land, the
// north-east 2 and the south-east 3.
void fixture_cultures() {
    for (int by = 0; by < BLOCKS_H; by++)
        for (int bx = 0; bx < BLOCKS_W; bx++)
            kulttuurikartta[by * BLOCKS_W + bx] = (uint8_t)(bx * 32 + 31 < 1400 ? 10 : bx == 46 ? 10 : bx >= 47 ? (by >= 36 ? 3 : 2) : 1);
}

// Target: under 5 ms for the 7 x 7 cells of one area.
void BM_HeightsOfOneArea(benchmark::State &state) {
    fill_patchwork();
    for (auto _ : state) {
        laskekorkeuskartta(1012, 1012);
        benchmark::DoNotOptimize(zoomkorkeus[449 * 100 + 100]);
    }
}
BENCHMARK(BM_HeightsOfOneArea)->Unit(benchmark::kMillisecond);

// Target: under 100 ms.
void BM_CultureBlocks(benchmark::State &state) {
    fixture_cultures();
    for (auto _ : state) {
        init_cultblock();
        benchmark::DoNotOptimize(cultblock[2].cx);
    }
}
BENCHMARK(BM_CultureBlocks)->Unit(benchmark::kMillisecond);

// The boxes drawn anew after every step into another block, on the world map.
void BM_BoxesAfterAChangeOfPlace(benchmark::State &state) {
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();
    guiInit(800, 600);
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "BIGMAP");
    Plr.month = 6;
    Plr.day = 15;
    memset(maailma_alltime, 15, MAP_BYTES);
    fixture_cultures();
    alustanimilistat();
    srand(7);
    for (uint16_t &v : nimikartta) v = (uint16_t)(20 + rand() % 200 + 256 * (32 + rand() % 10));
    init_terrain_struct(0, 0);
    init_cultblock();
    PlayerY = 1000;
    int step = 0;
    for (auto _ : state) {
        PlayerX = 1500 + 32 * (step++ % 20);
        MapBorderInfo();
    }
}
BENCHMARK(BM_BoxesAfterAChangeOfPlace)->Unit(benchmark::kMicrosecond);

}  // namespace
