// The local-map generator and the store it writes to.
// Targets on the development machine: entering a fresh 5 x 5 area end to end (forest, lake) under
// 15 ms, one whose local maps are all stored under 8 ms; finding a cell and storing a new one about as fast with 100, 1,000 and 5,000 cells stored;
// one cell built by its builder or as water well under a millisecond or two (mean, p95 and max shown);
// the finishing passes and the wild vegetation of one cell under 0.15 ms mean, the entered areas
// above with them still under 30 ms processor time.
#include <benchmark/benchmark.h>

#include "aino_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/config.h"
#include "game/loader.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

namespace {

using oxabench::folder;

using oxabench::enter_cell;
// The cell of a kind nearest the ready-made character's home, ring by ring.
struct Cell {
    int x, y;
};
Cell nearest(int code) {
    folder().fresh_character();
    const int hx = PlayerX, hy = PlayerY;
    for (int d = 1; d < WORLD_W; d++)
        for (int y = hy - d; y <= hy + d; y++)
            for (int x = hx - d; x <= hx + d; x++)
                if ((std::abs(x - hx) == d || std::abs(y - hy) == d) && x >= 0 && y >= 0 && x < WORLD_W &&
                    y < WORLD_H && get_alltime_maailmachar(x, y) == code)
                    return {x, y};
    return {hx, hy};
}
void BM_enter_fresh_area_forest(benchmark::State &state) {
    const Cell c = nearest(15);
    enter_cell(state, c.x, c.y);
}
void BM_enter_fresh_area_lake(benchmark::State &state) {
    const Cell c = nearest(CH_DEEP_WATER);
    enter_cell(state, c.x, c.y);
}
// The same as the forest without waiting for the disk: the processor's share of the wall time, to which
// each flush of the counters adds the time the disk takes for one.
void BM_enter_fresh_area_forest_unflushed(benchmark::State &state) {
    const Cell c = nearest(15);
    save_flush = 0;
    enter_cell(state, c.x, c.y);
    save_flush = 1;
}
void BM_enter_fresh_area_sea(benchmark::State &state) {
    const Cell c = nearest(CH_SEA);
    enter_cell(state, c.x, c.y);
}
// Zooming in on her home cell, whose 25 local maps the store holds already: none is built, the area is
// loaded, kept up and saved.
void BM_enter_stored_area(benchmark::State &state) {
    oxabench::AinoFolder &f = folder();
    f.fresh_character();
    const int hx = PlayerX, hy = PlayerY;
    int stored = 0;
    for (int y = hy - 2; y <= hy + 2; y++)
        for (int x = hx - 2; x <= hx + 2; x++) stored += ZoomMapPos(x, y) != 0;
    state.counters["stored_cells"] = stored;
    enter_cell(state, hx, hy);
}
BENCHMARK(BM_enter_stored_area)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_enter_fresh_area_forest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_enter_fresh_area_forest_unflushed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_enter_fresh_area_lake)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_enter_fresh_area_sea)->Unit(benchmark::kMillisecond);

// A store of n cells; the map file is sparse, its records never read here.
void make_store(int n) {
    oxabench::AinoFolder &f = folder();
    const std::string dir = f.path + "/STORE" + std::to_string(n);
    mkdir(dir.c_str(), 0755);
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    std::vector<ZoomIndex> entries;
    entries.push_back({0, -1, -1});
    for (int i = 0; i < n; i++) entries.push_back({0, 10 + i % 1000, 10 + i / 1000});
    FILE *idx = fopen((dir + "/ZOOMINDEX.DAT").c_str(), "wb");
    if (idx) {
        fwrite(entries.data(), sizeof(ZoomIndex), entries.size(), idx);
        fclose(idx);
    }
    if (truncate((dir + "/ZOOMMAPS.DAT").c_str(), 0) != 0) {
        FILE *m = fopen((dir + "/ZOOMMAPS.DAT").c_str(), "wb");
        if (m) fclose(m);
    }
    if (truncate((dir + "/ZOOMMAPS.DAT").c_str(), (off_t)entries.size() * ZOOM_RECORD_BYTES) != 0) perror("truncate");
}

void BM_find_cell_in_store(benchmark::State &state) {
    const int n = (int)state.range(0);
    make_store(n);
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZoomMapPos(10 + k % 1000, 10 + (k % n) / 1000));
        k = (k + 97) % n;
    }
}
BENCHMARK(BM_find_cell_in_store)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_store_new_cell(benchmark::State &state) {
    const int n = (int)state.range(0);
    make_store(n);
    strcpy(Plr.mapname, "BIGMAP");
    ZoomMap_Clear();
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(save_zoommap(2000 + k % 1000, 1500 + k / 1000, 1));
        k++;
    }
}
BENCHMARK(BM_store_new_cell)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// One cell built through the hand-over by its builder (or as water), each time a cell never built.
void build_char(benchmark::State &state) {
    const int c = (int)state.range(0);
    oxabench::AinoFolder &f = folder();
    const std::string dir = f.path + "/BUILD" + std::to_string(c);
    mkdir(dir.c_str(), 0755);
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    memset(&Plr, 0, sizeof Plr);
    Plr.month = 6;
    strcpy(Plr.mapname, "BIGMAP");
    init_terrain_struct(0, 0);
    for (int y = 500; y < 700; y++)
        for (int x = 500; x < 700; x++) maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = (uint8_t)c;
    world_layer_touched(500, 699);
    bigmap();
    std::vector<double> ms;
    int k = 0;
    for (auto _ : state) {
        const int x = 510 + k % 180, y = 510 + (k / 180) % 180;
        k++;
        PlayerX = x;
        PlayerY = y;
        LuoZoomKorkeusAlue(x, y);
        Aseta_TERRAIN_Korkeus_Relmap(0, 0);
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(TERRAIN(terrain_desc(c), "ZOOM", 0, 6, terrain_name(x, y), x, y, 0));
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    if (!ms.empty()) {
        double sum = 0;
        for (double v : ms) sum += v;
        state.counters["mean_ms"] = sum / ms.size();
        state.counters["p95_ms"] = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
        state.counters["max_ms"] = ms.back();
    }
}
BENCHMARK(build_char)
    ->ArgName("char")
    ->Arg(3)->Arg(60)->Arg(91)->Arg(93)->Arg(94)->Arg(228)->Arg(233)->Arg(235)->Arg(236)->Arg(238)->Arg(251)
    ->Arg(15)->Arg(16)->Arg(176)->Arg(177)->Arg(178)->Arg(180)->Arg(181)->Arg(182)->Arg(183)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

// The finishing passes and the wild vegetation of one cell of her world, its land laid once by its
// builder (or as water) and laid again before each run. Her plants are the definitions of her load.
void finish_cell(benchmark::State &state) {
    const int code = (int)state.range(0);
    const Cell c = nearest(code);
    oxabench::AinoFolder &f = folder();
    copy_bounded(CharacterPath, sizeof CharacterPath, (f.path + "/AINO").c_str());
    LuoZoomKorkeusAlue(c.x, c.y);
    Aseta_TERRAIN_Korkeus_Relmap(0, 0);
    ZoomMap_Clear();
    LuontiX = c.x;
    LuontiY = c.y;
    kosteikkotyyppi = 0;
    if (terrain_flag(code, TF_WATER)) {
        const int nx[4] = {c.x, c.x, c.x + 1, c.x - 1}, ny[4] = {c.y - 1, c.y + 1, c.y, c.y - 1};
        for (int k = 0; k < 4; k++) {
            const int n = get_alltime_maailmachar(nx[k], ny[k]);
            if (!terrain_flag(n, TF_WATER)) kosteikkotyyppi |= terrain[n & 255].nature;
        }
        DoWater();
    } else {
        LuoMaasto(c.x, c.y);
    }
    static ZoomStruct laid;
    laid = Zoom;
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        Zoom = laid;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        ZOOMTERRAIN_Viimeistele();
        ELAVOITYS(1);
        ELAVOITYS(2);
        ELAVOITYS(3);
        ZOOMTERRAIN_ViimeistelePuut();
        terrain_vegetation();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        benchmark::DoNotOptimize(Zoom.data[0]);
    }
    double sum = 0;
    for (double v : ms) sum += v;
    if (!ms.empty()) state.counters["mean_ms"] = sum / ms.size();
    int items = 0, plants = 0, trees = 0;
    for (const DataStruct &d : Zoom.data) items += d.type == DT_ITEM, plants += d.type == DT_PLANT, trees += d.type == DT_TREE;
    state.counters["items"] = items;
    state.counters["plants"] = plants;
    state.counters["saplings"] = trees;
}
BENCHMARK(finish_cell)
    ->ArgName("char")
    ->Arg(15)->Arg(3)->Arg(235)->Arg(238)->Arg(233)->Arg(251)->Arg(CH_DEEP_WATER)
    ->Iterations(getenv("OXA_BENCH_LONG") ? 20000 : 300)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
