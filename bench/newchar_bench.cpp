// A new character built whole with no screen, quick mode from a seed: rolls, skills, the world and its
// files, the scenario's story, the definitions, the creature files and the equipment. Target: under
// one second a character.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ownlib.h"
#include "worldgen/kartta_main.h"
#include "worldgen/newchar.h"

namespace {

struct WorkFolder {
    std::string path, previous;
    WorkFolder() {
        const char *dir = getenv("TMPDIR");
        std::string tmpl = std::string(dir && dir[0] ? dir : "/tmp") + "/oxabench-XXXXXX";
        path = mkdtemp(&tmpl[0]) ? tmpl : "/tmp";
        char cwd[4096];
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
        const std::string run = OXA_RUN_DIR;
        const std::string cmd = "cd " + run + " && cp linedist.arr NOTES.STD ini_skills.txt flora_forest.txt "
                                "flora_meadow.txt RNDCAMP.1 *.dat " + path + " && cp -r messages " + path;
        if (system(cmd.c_str()) != 0) fprintf(stderr, "the working folder couldn't be made: %s\n", cmd.c_str());
        if (chdir(path.c_str()) != 0) perror("chdir");
    }
    ~WorkFolder() {
        if (chdir(previous.c_str()) != 0) perror("chdir");
        const std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) fprintf(stderr, "%s left behind\n", path.c_str());
    }
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
