// The upkeep of what lies on the map: one walk of the turn loop over a full pool (500 creature records
// with fires, smoked goods, food by the fires, work and tracks between them), the rain's fading of 10000
// tracks, the burning check of 25 fires, a place search 500 cells wide, and compacting stores of 100
// and of 1000 local maps.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "maps/burning.h"
#include "core/maintenance.h"
#include "game/mapupkeep.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "game/turnloop.h"
#include "core/weatherengine.h"
#include "game/worldpass.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"

#include "bench_screen.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void open_game() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();
    guiInit(800, 600);
    mapdimInit(800, 600, 1.0f);
    init_terrain_struct(0, 0);
    InitSines();
    Sight = 50;
    CalculateLDist(50);
}

void local_area() {
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.month = 7;
    Plr.day = 10;
    Plr.hour = 12;
    Plr.last_upkeep_day = 10;
    Plr.movement_mode = 1;
    Plr.minutes = 100000;
    Plr.daynumber = 400;
    memset(maailma_memorymap, ' ', MAP_BYTES);
    for (int y = 72; y <= 391; y++)
        for (int x = 72; x <= 391; x++) maailma[mapidx(x, y)] = CH_GROUND;
    PlayerX = PlayerY = 232;
    bigmap();
    clock_reset();
    last_hour = Plr.hour;
    turnloop_reset();
}

// 500 creatures and, filling the rest of the pool, 25 fires, smoked goods, food by the fires, item
// stacks and tracks.
void full_pool() {
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
    ItemStruct fish;
    ClrItemstruct(fish);
    fish.type = IT_FOOD;
    fish.id = 490;
    SET_ITEM_TEXT(fish.name, "Pike");
    fish.weight = 3.0f;
    fish.spoil = 5;
    const int fish_obj = Luo_Esineen_Itempos(fish);
    int fires = 0;
    for (int i = 0; i < DATA_ALLOC_LAST; i++) {
        DataStruct &d = Data[i];
        d.x = (uint16_t)(80 + (i * 37) % 300);
        d.y = (uint16_t)(80 + (i * 91) % 300);
        d.count = 1;
        if (i < 2 * CRE_COUNT && i % 2 == 0) {
            const int c = i / 2;
            d.type = DT_CREATURE;
            d.id = (uint32_t)(CRE_DATAID + c);   // resting: the creatures' own turn is measured apart
            continue;
        }
        switch (i % 8) {
        case 1:
            if (fires++ >= 25) {
                d.type = DT_ITEM;
                d.id = (uint32_t)fish_obj;
                break;
            }
            d.type = DT_FIRE;
            d.count = 600;
            d.ready_minute = Plr.minutes + 600;
            break;
        case 2:
            d.type = DT_WORK;
            d.flags = '{';
            d.id = (uint32_t)fish_obj;
            d.ready_minute = Plr.minutes + 100000;
            break;
        case 3:
            d.type = DT_ITEM;
            d.extra = 1;
            d.id = (uint32_t)fish_obj;
            d.spent_minutes = Plr.minutes + 100000;
            break;
        case 4:
        case 5:
            d.type = DT_ITEM;
            d.id = (uint32_t)fish_obj;
            break;
        default:
            d.type = DT_TRACKS;
            d.extra = 200;
            d.spent_minutes = Plr.minutes;
            break;
        }
    }
}

// The pool walk's upkeep steps; the creatures themselves rest (their turn is turn_bench's).
void BM_PoolWalkFullPool(benchmark::State &state) {
    open_game();
    local_area();
    full_pool();
    for (auto _ : state) {
        CreatureMove();
        for (DataStruct &d : Data)   // the fires burn on, the smoke goes on
            if (d.type == DT_FIRE) d.ready_minute = Plr.minutes + 600;
    }
}
BENCHMARK(BM_PoolWalkFullPool)->Unit(benchmark::kMicrosecond);

void BM_TracksInTheRain(benchmark::State &state) {
    open_game();
    local_area();
    GlobWeather.intensity = 1;
    GlobWeather.rain_kind = 3;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < DATA_MAX; i++) {
            Data[i] = DataStruct{};
            Data[i].type = DT_TRACKS;
            Data[i].x = (uint16_t)(80 + i % 300);
            Data[i].y = (uint16_t)(80 + i / 300);
            Data[i].extra = 250;
            Data[i].spent_minutes = Plr.minutes - 100;
        }
        state.ResumeTiming();
        MapDataMinuteMaintenance(1);
    }
    GlobWeather = {};
}
BENCHMARK(BM_TracksInTheRain)->Unit(benchmark::kMicrosecond);

void BM_BurningCheck25Fires(benchmark::State &state) {
    open_game();
    local_area();
    full_pool();
    int fires[25][2], n = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_FIRE && n < 25) fires[n][0] = d.x, fires[n++][1] = d.y;
    for (auto _ : state)
        for (int k = 0; k < n; k++) benchmark::DoNotOptimize(PolttoTarkistus(fires[k][0], fires[k][1], 0, ""));
}
BENCHMARK(BM_BurningCheck25Fires)->Unit(benchmark::kMicrosecond);

void BM_FindBigmapLocRadius500(benchmark::State &state) {
    open_game();
    local_area();
    strcpy(Plr.mapname, "BIGMAP");
    // A forest with a straight edge of field every 40 rows.
    for (int y = 0; y < WORLD_H; y++)
        for (int x = 0; x < WORLD_W; x++) maailma_alltime[mapidx(x, y)] = (uint8_t)(y % 40 < 20 ? 15 : CH_FIELD);
    randomize(3);
    for (auto _ : state) benchmark::DoNotOptimize(FindBigmapLoc(1500, 1000, 0, 500, 0, 0, 0));
}
BENCHMARK(BM_FindBigmapLocRadius500)->Unit(benchmark::kMillisecond);

// A character folder whose store holds n local maps, half of them blank and long unvisited.
void make_store(const std::string &folder, int maps) {
    if (system(("rm -rf " + folder + " && mkdir -p " + folder).c_str()) != 0) bench_setup_failed("could not lay out its folder");
    copy_bounded(CharacterPath, sizeof CharacterPath, folder.c_str());
    FILE *index = fopen((folder + "/ZOOMINDEX.DAT").c_str(), "wb");
    FILE *store = fopen((folder + "/ZOOMMAPS.DAT").c_str(), "wb");
    static ZoomStruct z;
    for (int n = 0; n <= maps; n++) {
        memset(&z, 0, sizeof z);
        memset(z.memory, n % 2 ? CH_GROUND : ' ', 600);
        z.x = n ? 100 + n : -1;
        z.y = n ? 100 : -1;
        const ZoomIndex e = {0, z.x, z.y};
        fwrite(&e, sizeof e, 1, index);
        fwrite(&z, sizeof z, 1, store);
        if (n) {
            ZoomExtraStruct &info = zoomextra_ref(z.x, z.y);
            info.x = (uint16_t)z.x;
            info.y = (uint16_t)z.y;
            info.lastday = 10;
        }
    }
    fclose(index);
    fclose(store);
}

void BM_CompactStore(benchmark::State &state) {
    open_game();
    local_area();
    const std::string folder = "/tmp/oxabench-compaction";
    for (auto _ : state) {
        state.PauseTiming();
        memset(ZoomExtra, 0, sizeof ZoomExtra);
        marker_tables_changed();
        make_store(folder, (int)state.range(0));
        state.ResumeTiming();
        zoommap_maintenance();
    }
    if (system(("rm -rf " + folder).c_str()) != 0) perror("rm");
}
BENCHMARK(BM_CompactStore)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
