// Building the catalogue of item kinds with the plants, as each load does (target: under 20 ms), and
// naming and describing one item (target: under 5 µs).
#include <benchmark/benchmark.h>

#include "bench_setup.h"
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "activities/herblore.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"
#include "worldgen/chardefs.h"

namespace {

// A folder holding the plant data and names, with a character folder inside it.
struct Folder {
    Folder() {
        char tmpl[] = "/tmp/oxa-items-bench-XXXXXX";
        if (!mkdtemp(tmpl)) bench_setup_failed("could not make a folder of its own");
        path = tmpl;
        std::string cmd = std::string("cp -r " OXA_RUN_DIR "/flora_*.txt ") + path + " && mkdir -p " + path +
                          "/messages " + path + "/AINO && cp " OXA_RUN_DIR "/messages/eng_uname_flora.txt " + path +
                          "/messages/";
        if (system(cmd.c_str()) != 0 || chdir(path.c_str()) != 0) bench_setup_failed("could not copy the ready-made character into its folder");
        snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", path.c_str());
        definit_yrttidata();
    }
    ~Folder() {
        if (chdir("/") == 0) {
            std::string cmd = "rm -rf " + path;
            if (system(cmd.c_str()) != 0) perror("rm");
        }
    }
    std::string path;
};

void BM_CatalogueWithPlants(benchmark::State &state) {
    Folder folder;
    for (auto _ : state) {
        InitObjs();
        InitUnames();
        LuoKasvit();
        state.PauseTiming();
        unlink("create_objects.txt");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CatalogueWithPlants)->Unit(benchmark::kMillisecond);

void BM_NameAndDescribeOneItem(benchmark::State &state) {
    Folder folder;
    InitObjs();
    InitUnames();
    LuoKasvit();
    int rows[] = {251, 121, 46, 73, 212, 1, 5};
    int i = 0;
    for (auto _ : state) {
        int pos = rows[i++ % 7];
        benchmark::DoNotOptimize(enimi(pos, 2, 0));
        benchmark::DoNotOptimize(ekuvaus(pos, 2, 1));
    }
}
BENCHMARK(BM_NameAndDescribeOneItem)->Unit(benchmark::kMicrosecond);

}  // namespace
