// bench/console_bench.cpp -- the console's duties of every turn: with every switch off (target under
// 0.1 us a turn), and with the object count on over a full table of 49,900 player-object rows
// (target under 1 ms a turn).
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/obj_func.h"
#include "game/wizard.h"

static void BM_ConsoleTurnSwitchesOff(benchmark::State &state) {
    WIZ_NAKO = 0;
    WIZARD_objcount = 0;
    for (auto _ : state) wizard_turn_duties();
}
BENCHMARK(BM_ConsoleTurnSwitchesOff);

static void BM_ConsoleTurnObjectCount(benchmark::State &state) {
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) PlayerObj[i].type = (uint8_t)(i % 3 ? 1 : 0);
    WIZARD_objcount = 1;
    for (auto _ : state) wizard_turn_duties();
    WIZARD_objcount = 0;
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
}
BENCHMARK(BM_ConsoleTurnObjectCount)->Unit(benchmark::kMicrosecond);
