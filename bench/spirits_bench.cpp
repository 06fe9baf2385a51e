// The hourly upkeep of the spirits and of the herbs acting in the body (target: under 50 us together)
// on a full pool at night: the spirit of the forest called an hour ago, the player asleep, the nearest
// of many spirit records looked up among 10000.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "activities/actions.h"
#include "activities/spirits.h"
#include "core/maintenance.h"
#include "core/records.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/physical.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/plrlink.h"
#include "worldgen/encounter.h"

#include "bench_screen.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

void night_in_the_wilds() {
    static bool open = false;
    if (!open) {
        open = true;
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        open_headless_screen();
        init_terrain_struct(0, 0);
    }
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.month = 10;
    Plr.day = 10;
    Plr.hour = 23;
    Plr.minutes = 100000;
    Plr.daynumber = 400;
    for (int y = 72; y <= 391; y++)
        for (int x = 72; x <= 391; x++) maailma[mapidx(x, y)] = CH_GROUND;
    PlayerX = PlayerY = 232;
    bigmap();
    memset(Data, 0, sizeof Data);
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        d.x = (uint16_t)(72 + i % 320);
        d.y = (uint16_t)(72 + (i / 320) % 320);
        d.type = (uint8_t)(i % 40 == 0 ? (int)DT_SPIRIT : i % 3 ? (int)DT_ITEM : (int)DT_FIRE);
        d.id = d.type == DT_SPIRIT ? (uint32_t)(700 + i % 3) : 1;
    }
    set_SpiritData_attract(PlayerX, PlayerY, SPIRIT_OF_FOREST);
    Plr.minutes += 60;
    PLAYER_SLEEPING = 1;
}

void BM_HourlySpiritsAndHerbs(benchmark::State &state) {
    night_in_the_wilds();
    for (auto _ : state) {
        supernatural_check();
        Suorita_Yrttivaikutus();
        ENCOUNTER = 0;
    }
    PLAYER_SLEEPING = 0;
}
BENCHMARK(BM_HourlySpiritsAndHerbs)->Unit(benchmark::kMicrosecond);

}  // namespace
