// A new character built whole with no screen, quick mode from a seed: rolls, skills, the world and its
// files, the scenario's story, the definitions, the creature files and the equipment. Target: under
// one second a character.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "aino_folder.h"
#include "base/ownlib.h"
#include "worldgen/kartta_main.h"
#include "worldgen/newchar.h"

namespace {

// The data files a new character's build reads.
struct WorkFolder : oxabench::ScratchFolder {
    WorkFolder()
        : ScratchFolder("cp -r linedist.arr NOTES.STD ini_skills.txt flora_forest.txt flora_meadow.txt RNDCAMP.1 "
                        "*.dat messages") {}
};

void BM_crtplr_build_quick(benchmark::State &state) {
    WorkFolder folder;
    WORLDGEN_SCREEN = 0;
    uint32_t seed = 1;
    for (auto _ : state) {
        NewCharChoices c{};
        copy_bounded(c.name, sizeof c.name, "Bench");
        c.mode = CRTPLR_QUICK;
        c.culture = (int)(seed % 4);
        c.sex = 1;
        c.season = 1;
        c.scenario = -1;
        c.course = -1;
        c.seed = seed++;
        char err[200];
        if (!crtplr_build(c, nullptr, err, sizeof err)) state.SkipWithError(err);
        state.PauseTiming();
        if (system("rm -rf BENCH") != 0) state.SkipWithError("the character couldn't be taken away");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_crtplr_build_quick)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
