// One picking step: a creature picks a ripe bilberry patch of six bushes on a local map, the plant's
// harvest profile built from its plant data as every picking builds it, and the patch is left picked.
// Target on the development machine: under 20 µs.
#include <benchmark/benchmark.h>

#include "bench_setup.h"
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "activities/harvest.h"
#include "items/plantlife.h"
#include "core/datafunc.h"
#include "core/oxa.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"
#include "maps/maps.h"
#include "worldgen/chardefs.h"

#include "bench_screen.h"

namespace {

struct Patch {
    int plant = 0;
    Patch() {
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        open_headless_screen();
        InitObjs();
        InitUnames();
        LuoKasvit();
        unlink("create_objects.txt");   // the catalogue's log, not the game's
        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.month = 8;
        Plr.daynumber = 400;
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        plant = ConstantObj_Nimella("Bilberry", IT_PLANT);
        if (plant <= 0) bench_setup_failed("no plant to harvest was found");
        // A map's worth of other plant records before it.
        for (int i = 0; i < 1500; i++) {
            Data[i].type = DT_PLANT;
            Data[i].x = (uint16_t)(100 + i % 200);
            Data[i].y = (uint16_t)(100 + i / 200);
            Data[i].id = (uint32_t)plant;
            Data[i].count = 3;
        }
    }
    void ripe() {
        DataStruct &d = Data[1500];
        memset(&d, 0, sizeof d);
        d.type = DT_PLANT;
        d.x = d.y = 232;
        d.id = (uint32_t)plant;
        d.count = 6;
        d.flags = PLANT_RIPE;
    }
};

void BM_PickingStep(benchmark::State &state) {
    static Patch patch;
    for (auto _ : state) {
        state.PauseTiming();
        patch.ripe();
        state.ResumeTiming();
        benchmark::DoNotOptimize(HarvestBranch(0, 1500, HARVEST_PICK, 0));
    }
}
BENCHMARK(BM_PickingStep)->Unit(benchmark::kMicrosecond);

}  // namespace
