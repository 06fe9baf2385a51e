// One exchange of blows between two wolves with notes off, and a fighting creature's turn, on the
// creatures' generated local area.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crsim.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "presentation/notes.h"

// Two fresh wolves side by side, each the other's foe; answers the first one's pool record.
static int two_wolves() {
    static bool open = false;
    if (!open) {
        open = true;
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        DISABLE_NOTES = 1;
        crsim_build_area(1);
    }
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    for (int s = 0; s < 2; s++) {
        Luo_Olento(611);
        Cre[s] = Creature;
        Cre[s].enemy = 1 - s;
        Cre[s].mode = 99;
        Cre[s].stamina = 255;
        set_data(DT_CREATURE, 30 + s, 30, CRE_DATAID + s, 1);
    }
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)CRE_DATAID) return i;
    return -1;
}

static void BM_OneExchange(benchmark::State &state) {
    two_wolves();
    int n = 0;
    for (auto _ : state) {
        if (++n % 50 == 0) two_wolves();   // fresh bodies before the wounds pile up
        benchmark::DoNotOptimize(Taistelu_TAPAHTUMA(0, 0, 0, 1, 0));
    }
}
BENCHMARK(BM_OneExchange)->Unit(benchmark::kMicrosecond);

static void BM_CombatTurn(benchmark::State &state) {
    int pos = two_wolves();
    int n = 0;
    for (auto _ : state) {
        if (++n % 50 == 0) pos = two_wolves();
        Cre[0].mode = 99;
        Cre[0].stamina = 255;
        Taistelu_Main(0, pos);
    }
}
BENCHMARK(BM_CombatTurn)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
