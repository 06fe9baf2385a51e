// Saving and loading a whole character folder, and entering a local area that is already stored.
// Targets on the development machine: a save under 100 ms, entering a stored area under 20 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/config.h"
#include "game/loader.h"
#include "base/ownlib.h"
#include "disk_counts.h"
#include "core/oxa.h"
#include "core/records.h"
#include "worldgen/worldgen.h"

namespace {

// A working folder under /tmp holding the fixture character; removed at exit.
struct Folder {
    std::string path, previous;
    Folder() {
        char tmpl[] = "/tmp/oxasave-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        char cwd[4096];
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
        std::string run = OXA_RUN_DIR;
        std::string cmd = "cp -r " + run + "/../fixture/AINO " + path + " && cp " + run + "/linedist.arr " + run +
                          "/NOTES.STD " + path + " && cp -r " + run + "/messages " + path;
        if (system(cmd.c_str()) != 0) fprintf(stderr, "the fixture couldn't be made: %s\n", cmd.c_str());
        if (chdir(path.c_str()) != 0) perror("chdir");
        OXA_NODELAY = 1;
        copy_bounded(OxaPath, sizeof OxaPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    }
    ~Folder() {
        if (chdir(previous.c_str()) != 0) perror("chdir");
        std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
};

Folder &folder() {
    static Folder f;
    return f;
}

// The counters give the files opened and the flushes of one load.
void BM_load_character(benchmark::State &state) {
    folder();
    oxabench::DiskCounts counts;
    for (auto _ : state) {
        REAL_QUIT = 0;
        counts.begin();
        benchmark::DoNotOptimize(loader());
        counts.end();
    }
    counts.report(state);
}
BENCHMARK(BM_load_character)->Unit(benchmark::kMillisecond);

void BM_save_world_map(benchmark::State &state) {
    folder();
    REAL_QUIT = 0;
    loader();
    for (auto _ : state) benchmark::DoNotOptimize(Save(0));
}
BENCHMARK(BM_save_world_map)->Unit(benchmark::kMillisecond);

// The player on a stored local area: a save writes the 25 local maps and the character files.
void BM_save_local_area(benchmark::State &state) {
    folder();
    REAL_QUIT = 0;
    loader();
    EnterLocale(0, 0);
    GetMappie(0);
    for (auto _ : state) benchmark::DoNotOptimize(Save(0));
    EnterLocale(0, 0);
    GetMappie(0);
}
BENCHMARK(BM_save_local_area)->Unit(benchmark::kMillisecond);

// Entering the 5 x 5 local area of a cell whose maps are all stored: load, upkeep and quick save.
void BM_enter_stored_area(benchmark::State &state) {
    folder();
    REAL_QUIT = 0;
    loader();
    EnterLocale(0, 0);
    GetMappie(0);
    for (auto _ : state) {
        LOAD_MAP = 1;
        benchmark::DoNotOptimize(GetMappie(0));
    }
    EnterLocale(0, 0);
    GetMappie(0);
}
BENCHMARK(BM_enter_stored_area)->Unit(benchmark::kMillisecond);

}  // namespace
