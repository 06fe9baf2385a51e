// Tracks: the steps of 500 creatures in one turn pass, each leaving or renewing a track in the snow,
// and the daily ageing of a full pool of tracks.
#include <benchmark/benchmark.h>

#include "activities/actions.h"
#include "activities/tracking.h"
#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/records.h"
#include "core/weather.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"

#include <cstring>

namespace {

enum { CREATURES = 500 };

void local_area() {
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    bigmap();
    init_terrain_struct(0, 0);
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, y)] = CH_GROUND;
    Plr.world_x = 1500;
    Plr.world_y = 1000;
    Plr.month = 1;
    Plr.daynumber = 40;
    Plr.minutes = 40 * 1440;
    GlobWeather.snow_depth = 300;
    copy_bounded(Plr.skill_name[0], PLR_SKILLNAME, "TRACKING");
    Plr.skill_level[0] = 60;
    PlayerX = PlayerY = 100;
}

// 500 wolves about the area, each with its record in the pool among 2000 other things.
void wolves() {
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    ConstantCre[611].kind = 3;
    ConstantCre[611].weight = ConstantCre[611].speciesweight = 40.0f;
    for (int i = 0; i < 2000; i++) {
        Data[i].type = DT_FIRE_REMAINS;
        Data[i].x = (uint16_t)(AREA_MIN + i % 300);
        Data[i].y = (uint16_t)(AREA_MIN + 200 + i / 300);
        Data[i].count = 1;
    }
    for (int c = 0; c < CREATURES; c++) {
        Cre[c] = ConstantCre[611];
        Cre[c].speciescode = 611;
        Cre[c].socialid = (uint32_t)(2000 + c);
        DataStruct &d = Data[2000 + c];
        d.type = DT_CREATURE;
        d.id = (uint32_t)(CRE_DATAID + c);
        d.x = (uint16_t)(AREA_MIN + 10 + (c % 25) * 10);
        d.y = (uint16_t)(AREA_MIN + 10 + (c / 25) * 8);
        d.count = 1;
    }
    tracks_forget();
}

// One pass: every creature steps one square east, and back west after ten, about its haunts: after
// the first ten passes each step crosses a square it has crossed before.
void BM_TracksOfATurnPass(benchmark::State &state) {
    local_area();
    wolves();
    int pass = 0;
    for (auto _ : state) {
        Plr.minutes++;   // a new turn: what was learnt of the squares last turn is looked at again
        const int dx = (pass++ / 10) % 2 ? -1 : 1;
        for (int c = 0; c < CREATURES; c++) {
            DataStruct &d = Data[2000 + c];
            tee_zoomjalki(c, d.x, d.y, d.x + dx, d.y);
            d.x = (uint16_t)(d.x + dx);
        }
    }
    int tracks = 0;
    for (const DataStruct &d : Data) tracks += d.type == DT_TRACKS;
    state.counters["tracks"] = tracks;
}
BENCHMARK(BM_TracksOfATurnPass)->Unit(benchmark::kMicrosecond);

// The first pass over fresh snow: every creature leaves a new record.
void BM_TracksOnFreshSnow(benchmark::State &state) {
    local_area();
    for (auto _ : state) {
        state.PauseTiming();
        wolves();
        Plr.minutes++;
        state.ResumeTiming();
        for (int c = 0; c < CREATURES; c++) {
            const DataStruct &d = Data[2000 + c];
            tee_zoomjalki(c, d.x, d.y, d.x + 1, d.y);
        }
    }
}
BENCHMARK(BM_TracksOnFreshSnow)->Unit(benchmark::kMicrosecond);

// The daily upkeep over a full pool of tracks of every age: a third are past thirty days.
void BM_TrackmaintFullPool(benchmark::State &state) {
    local_area();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < DATA_MAX; i++) {
            DataStruct &d = Data[i];
            memset(&d, 0, sizeof d);
            d.type = i % 10 == 0 ? DT_FIRE_REMAINS : DT_TRACKS;
            d.x = (uint16_t)(AREA_MIN + i % 320);
            d.y = (uint16_t)(AREA_MIN + (i / 320) % 320);
            d.count = 1;
            d.id = 611;
            d.spent_minutes = Plr.minutes - (uint32_t)(i % 3) * 20000u;
        }
        state.ResumeTiming();
        trackmaint();
    }
}
BENCHMARK(BM_TrackmaintFullPool)->Unit(benchmark::kMicrosecond);

}  // namespace
