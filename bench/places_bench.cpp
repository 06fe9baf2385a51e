// Where-you-are paths: the heights of one local area, built on every map entry.
#include <benchmark/benchmark.h>

#include <cstring>

#include "maps/korkeus_main.h"
#include "maps/mapunit.h"

namespace {

void fill_patchwork() {
    static const int chars[] = {15, 91, 233, 183, 239, 94, 3, 251, 235, 178, 238, 176, 60};
    memset(maailma_alltime, CH_BLANK, MAP_BYTES);
    for (int y = 1000; y < 1030; y++)
        for (int x = 1000; x < 1030; x++) maailma_alltime[mapidx(x, y)] = (uint8_t)chars[(x * 7 + y * 3) % 13];
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

}  // namespace
