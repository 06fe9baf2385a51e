// One frame of each map effect (each must fit its 5 ms frame so that a faint lasts about half a
// second), one encyclopedia page drawn with its links, and one fill of the armour coverage.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "bench_screen.h"
#include "core/obj_func.h"
#include "items/items.h"
#include "presentation/bodypic.h"
#include "presentation/effects.h"
#include "presentation/hyper.h"
#include "presentation/pictures.h"

#include <unistd.h>

#include <string>

namespace {

// The built working folder is the benchmark's folder: its GAME.NFO and pictures are the game's.
void open_in_run_dir() {
    static bool open = false;
    if (open) return;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();
    open = true;
}

void BM_MapEffectFrame(benchmark::State &state) {
    open_in_run_dir();
    const int effect = (int)state.range(0);
    MAPEFF_R = 52;
    for (auto _ : state) mapeffect_frame(effect, 128);
    RESET_MAPEFF();
}
BENCHMARK(BM_MapEffectFrame)
    ->Arg(MAPEFF_SLEEP)->Arg(MAPEFF_FAINT)->Arg(MAPEFF_WAKEUP)->Arg(MAPEFF_LOYLY)
    ->Arg(MAPEFF_ZOOMSHADE)->Unit(benchmark::kMillisecond);

void BM_EncyclopediaPage(benchmark::State &state) {
    open_in_run_dir();
    get_topics();
    for (auto _ : state) {
        clear_history();
        benchmark::DoNotOptimize(show_topic("THE HALVORNALAND"));
    }
}
BENCHMARK(BM_EncyclopediaPage)->Unit(benchmark::kMillisecond);

void BM_CoverageFill(benchmark::State &state) {
    open_in_run_dir();
    freesizePic("armour.png", BODYPIC_X, BODYPIC_Y, 0, 0, 0);
    SKIN_BORDER = getpix(668, 91);
    memset(&Item, 0, sizeof Item);
    Item.cover[0] = 0xFF;
    Item.fig[0] = 5;
    int kind = 0;
    for (auto _ : state) coverage_fill(1, (kind++ & 1) ? 0 : 1000);
}
BENCHMARK(BM_CoverageFill)->Unit(benchmark::kMillisecond);

}  // namespace
