// The creatures' part of one turn pass: 500 animals of mixed species acting on a generated local
// area of forest and lake, and single creature steps on a full pool.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>

#include "core/records.h"
#include "core/creatures.h"
#include "creatures/crsim.h"
#include "creatures/crestep.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"

static void open_area() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    DISABLE_NOTES = 1;
    crsim_build_area(1);
    crsim_place_animals(CRE_COUNT);
    for (int t = 0; t < 20; t++) crsim_tick();   // past the first choices
}

static void BM_CreaturePass500(benchmark::State &state) {
    open_area();
    for (auto _ : state) crsim_tick();
}
BENCHMARK(BM_CreaturePass500)->Unit(benchmark::kMillisecond);

static void BM_CreatureTestStep500(benchmark::State &state) {
    open_area();
    crestep_pass_begin();   // as in the turn loop's creature pass
    for (auto _ : state) {
        int ok = 0;
        for (int n = 0; n < CRE_COUNT; n++) {
            const int p = crestep_pos(n);
            if (p >= 0) ok += Liikkuminen(n, Data[p].x + 1, Data[p].y, 0) == STEP_OK;
        }
        benchmark::DoNotOptimize(ok);
    }
    crestep_pass_end();
}
BENCHMARK(BM_CreatureTestStep500)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
