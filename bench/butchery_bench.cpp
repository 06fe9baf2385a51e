// Butchery: one carcass-cutting step of a creature with a knife in its pack (target under 20 us), and
// the daily carcass upkeep leaving the hard remains of 100 rotted carcasses (target under 1 ms).
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "activities/butchery.h"
#include "base/ownlib.h"
#include "core/datafunc.h"
#include "game/mapupkeep.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/items.h"
#include "presentation/notes.h"

enum { CUTTER = 1, CARCASS_SLOTS = 100 };

static void open_game() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    DISABLE_NOTES = 1;
    Plr.daynumber = 400;
    Plr.month = 6;
}

static void make_carcass(int slot, int x, int y, unsigned species, int days_dead) {
    CreatureStruct &c = Cre[slot];
    memset(&c, 0, sizeof c);
    c.kind = 10;
    copy_bounded(c.species, sizeof c.species, "Elk");
    c.speciescode = species;
    c.sexage = 1;
    c.speciesweight = 350.0f;
    c.weight = c.fatigue = 300.0f;
    c.speciesfactor = 0.45f;
    c.tearing = 0.3f;
    c.mode = CM_CARCASS;
    c.daysaved = (int32_t)Plr.daynumber - days_dead;
    c.socialid = 2000u + (unsigned)slot;
    ClearDTEMP();
    DTEMP.type = DT_CARCASS;
    DTEMP.x = (uint16_t)x, DTEMP.y = (uint16_t)y;
    DTEMP.id = (uint32_t)(CRE_DATAID + slot);
    DTEMP.count = 1;
    DTEMP.day = (uint16_t)(Plr.daynumber - days_dead);
    SetDTEMP(-1);
}

static void clear_pool() {
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
}

static void BM_CreatureCutStep(benchmark::State &state) {
    open_game();
    clear_pool();
    CreatureStruct &cutter = Cre[CUTTER];
    memset(&cutter, 0, sizeof cutter);
    cutter.kind = CK_HUMAN;
    cutter.weight = cutter.speciesweight = 70.0f;
    cutter.strength = cutter.endurance = 14;
    ItemStruct knife;
    ClrItemstruct(knife);
    knife.type = IT_WEAPON;
    SET_ITEM_TEXT(knife.name, "Knife");
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    knife.weight = knife.fullweight = 0.5f;
    cutter.pack[0] = Luo_Esineen_Itempos(knife);
    cutter.packcount[0] = 1;
    make_carcass(2, 210, 210, 660, 0);
    const int n = get_datatype(DT_CARCASS, 210, 210);
    for (auto _ : state) {
        Cre[2].weight = 300.0f;                         // never cut to the end
        for (int s = 1; s < 20; s++) Cre[CUTTER].pack[s] = 0, Cre[CUTTER].packcount[s] = 0;   // room for the cut
        benchmark::DoNotOptimize(CutCorpse(CUTTER, n, 0));
    }
}
BENCHMARK(BM_CreatureCutStep)->Unit(benchmark::kMicrosecond);

static void BM_DecayOf100Carcasses(benchmark::State &state) {
    open_game();
    for (auto _ : state) {
        state.PauseTiming();
        clear_pool();
        for (int i = 0; i < CARCASS_SLOTS; i++) make_carcass(10 + i, 200 + i % 60, 200 + i / 60, 660, 90);
        state.ResumeTiming();
        CarcassMaintenance();
    }
}
BENCHMARK(BM_DecayOf100Carcasses)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
