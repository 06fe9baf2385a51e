// Swimming: one swimming turn's check (UINTI) of a tiring swimmer in open water, with the tiredness
// line and the SWIMMING roll. Target: under 20 µs a turn.
#include <benchmark/benchmark.h>

#include "activities/swimclimb.h"
#include "creatures/body.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/movement.h"

#include <cstring>

namespace {

void lake() {
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    bigmap();
    init_terrain_struct(0, 0);
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, y)] = CH_DEEP_WATER;
    GlobWeather.water_temp = 150;
    copy_bounded(Plr.skill_name[0], PLR_SKILLNAME, "SWIMMING");
    Plr.skill_level[0] = 30;
    Plr.movement_mode = 2;
    PlayerX = PlayerY = 230;
}

void BM_SwimmingTurn(benchmark::State &state) {
    lake();
    int turn = 0;
    for (auto _ : state) {
        set_swim_fatigue((float)(turn % 40));   // from at ease to struggling, every line in turn
        SWIMTURNS = (uint8_t)(turn++ % 5);
        benchmark::DoNotOptimize(UINTI(1));
    }
}
BENCHMARK(BM_SwimmingTurn);

}  // namespace

BENCHMARK_MAIN();
