// The world generator: a whole world over five seeds with each step's share, writing its files, the
// progress drawing of a generation and of its save on a headless screen, and the start search when
// the home culture placed nothing.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_screen.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "worldgen/kartta_main.h"

namespace {

// One world per iteration, the seeds 1..5 in turn; the counters are each step's mean share in per cent.
// A world is to be made in under 250 ms (the median); each one takes a fresh work map, as in play.
void BM_luokartta(benchmark::State &state) {
    WORLDGEN_SCREEN = 0;
    double share[8] = {0};
    int seed = 0;
    for (auto _ : state) {
        worldgen_seed((uint32_t)(seed++ % 5 + 1));
        if (luokartta() != 0) state.SkipWithError("no work map");
        double total = 0;
        for (double ms : worldgen_step_ms) total += ms;
        for (int i = 0; i < 8; i++) share[i] += total > 0 ? 100.0 * worldgen_step_ms[i] / total : 0;
    }
    for (int i = 0; i < 8; i++) state.counters[worldgen_step_name[i]] = share[i] / (double)state.iterations();
    putsaa();
}
BENCHMARK(BM_luokartta)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)
    ->ComputeStatistics("max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); });

struct Folder {
    std::string path;
    Folder() {
        char tmpl[] = "/tmp/oxabench-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
    }
    ~Folder() {
        for (const char *f : {"WORLD.DAT", "kulttuuri.dat", "kulttuuri.bak", "names.dat"}) unlink((path + "/" + f).c_str());
        rmdir(path.c_str());
    }
};

void BM_tallennakartta(benchmark::State &state) {
    WORLDGEN_SCREEN = 0;
    worldgen_seed(1);
    luokartta();
    Folder folder;
    for (auto _ : state)
        if (tallennakartta(folder.path.c_str()) != 0) state.SkipWithError("write failed");
    putsaa();
}
BENCHMARK(BM_tallennakartta)->Unit(benchmark::kMillisecond);

// The drawing alone: the steps of a generation (eight map paintings and the meter) and of a save
// (the meter only), on a finished world.
void BM_progress_drawing(benchmark::State &state) {
    if (chdir(OXA_RUN_DIR) != 0) state.SkipWithError("no working folder");
    open_headless_screen();
    WORLDGEN_SCREEN = 0;
    worldgen_seed(1);
    luokartta();
    WORLDGEN_SCREEN = 1;
    for (auto _ : state) {
        edistyminen = 1;
        for (int i = 0; i < 8; i++) edistymisgrafiikka("Generating ... ");
        for (int i = 0; i < 40; i++) edistymisgrafiikka("BARONLY");
        edistyminen = 0;
        edistymisgrafiikka("Saving ... ");
        for (int i = 0; i < 66; i++) edistymisgrafiikka("BARONLY");
    }
    WORLDGEN_SCREEN = 0;
    putsaa();
}
BENCHMARK(BM_progress_drawing)->Unit(benchmark::kMillisecond);

// A home culture with no blocks at all: the bounded draws, then any accepted cell.
void BM_start_search_missing_culture(benchmark::State &state) {
    WORLDGEN_SCREEN = 0;
    worldgen_seed(2);
    luokartta();
    reinterpret_cast<uint8_t *>(&Plr)[13] = 12;
    for (auto _ : state) {
        etsialoituskohta(1);
        benchmark::DoNotOptimize(plr_aloitus_x);
    }
    if (!ALOITUS_NOTE) state.SkipWithError("culture 12 was found");
    putsaa();
}
BENCHMARK(BM_start_search_missing_culture)->Unit(benchmark::kMillisecond);

}  // namespace
