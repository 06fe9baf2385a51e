// An arrow shot across the whole local area with drawing off: the flight loop alone, and the whole
// shot with its roll, its flight and its landing, on the creatures' generated local area.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/combat.h"
#include "creatures/crsim.h"
#include "creatures/missiles.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"

static ItemStruct arrow;
static int bow;

static void open_area() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    DISABLE_NOTES = 1;
    MISSILE_DRAW = 0;
    crsim_build_area(1);
    // Two open rows across the area, the lines the benchmarks shoot along.
    for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, 230)] = maailma[mapidx(x, 200)] = CH_GROUND;
    ClrItemstruct(arrow);
    arrow.type = IT_WEAPON;
    arrow.subtype = ST_ARROW;
    arrow.weight = arrow.fullweight = 0.1f;
    arrow.fig[2] = 8;
    ItemStruct b;
    ClrItemstruct(b);
    b.type = IT_WEAPON;
    b.subtype = ST_BOW;
    b.fig[2] = 9;
    memcpy(b.skill, "BOW", 4);
    bow = Esineesta_Uniikki(b);
}

// From the west edge to the east edge, high enough above the ground to fly the whole way: it stops
// at the border of the area.
static void BM_FlightAcrossTheArea(benchmark::State &state) {
    open_area();
    MISSILE_original_target = -1000;
    for (auto _ : state) {
        MISSILE_osui = MISSILE_tile_osuma = 0;
        shoot_missile(1, AREA_MIN, 230, AREA_MAX, 230, 0.0f, 300.0f, 300.0f, 141.0f, 1.0f);
        benchmark::DoNotOptimize(MISSILE_landX);
    }
    state.counters["squares"] = MISSILE_thrown_range / 2;
}
BENCHMARK(BM_FlightAcrossTheArea)->Unit(benchmark::kMicrosecond);

// The player's shot at a square 60 squares off: roll, flight and landing.
static void BM_ShotAtAPlace(benchmark::State &state) {
    open_area();
    PlayerX = PlayerY = 200;
    MISSILE_original_target = -1000;
    int n = 0;
    for (auto _ : state) {
        if (++n % 500 == 0) memset(Data, 0, sizeof(DataStruct) * DATA_MAX);   // the arrows pile up
        MissileTarkistukset(-1, 260, 200, arrow, bow);
        benchmark::DoNotOptimize(MISSILE_landX);
    }
    state.counters["squares"] = MISSILE_thrown_range / 2;
}
BENCHMARK(BM_ShotAtAPlace)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
