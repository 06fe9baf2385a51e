// Settlements and their people.
// Targets on the development machine (release build): the local map of one settlement cell, with its
// people made and kept, under 10 ms of processor time for every layout and culture 0-13 (mean, p95 and
// max over 50 seeds shown); entering a fresh 5 x 5 area around Aino's village end to end, with its settlement,
// finishing and vegetation, under 30 ms of processor time.
#include <benchmark/benchmark.h>

#include "aino_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/ownlib.h"
#include "core/config.h"
#include "game/loader.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/player.h"
#include "creatures/crefile.h"
#include "items/itemdefs.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/worldgen.h"

namespace {

using oxabench::folder;

// Processor time of the whole process, user and system: the machine may be shared with other work.
double cpu_ms() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void report(benchmark::State &state, std::vector<double> &ms) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    double sum = 0;
    for (double v : ms) sum += v;
    state.counters["mean_ms"] = sum / ms.size();
    state.counters["p95_ms"] = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    state.counters["max_ms"] = ms.back();
}

// One settlement cell (char 239 village, 86 homestead, 210 fortified village, 30 camp) of a culture,
// built through the hand-over on heathland, each time a cell never built, its people kept in a
// creature file of its own.
void BM_settlement_cell(benchmark::State &state) {
    const int c = (int)state.range(0), culture = (int)state.range(1);
    oxabench::AinoFolder &f = folder();
    const std::string dir = f.path + "/SETTLE" + std::to_string(c) + "_" + std::to_string(culture);
    mkdir(dir.c_str(), 0755);
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    memset(&Plr, 0, sizeof Plr);
    Plr.month = 6;
    strcpy(Plr.mapname, "BIGMAP");
    init_terrain_struct(0, 0);
    build_objdef_rows();
    char crs[1200];
    cre_file_path(crs, sizeof crs);
    cre_file_create(crs, CRS_START_RECORDS);
    for (int y = 500; y < 700; y++)
        for (int x = 500; x < 700; x++) maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = 238;
    world_layer_touched(500, 699);
    bigmap();
    std::vector<double> ms;
    int k = 0;
    for (auto _ : state) {
        // Settlement cells three apart, so that no two are neighbours.
        const int x = 510 + 3 * (k % 60), y = 510 + 3 * ((k / 60) % 60);
        k++;
        maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = (uint8_t)c;
        world_layer_touched(y, y);
        set_alltime_kulttuuri(x, y, culture);
        PlayerX = x;
        PlayerY = y;
        LuoZoomKorkeusAlue(x, y);
        Aseta_TERRAIN_Korkeus_Relmap(0, 0);
        randomize(k);
        const double t0 = cpu_ms();
        benchmark::DoNotOptimize(TERRAIN(terrain_desc(c), "ZOOM", 0, 6, terrain_name(x, y), x, y, 0));
        ms.push_back(cpu_ms() - t0);
    }
    report(state, ms);
}
void settlement_args(benchmark::internal::Benchmark *b) {
    for (int c : {239, 86, 210, 30})
        for (int culture = 0; culture <= 13; culture++) b->Args({c, culture});
}
BENCHMARK(BM_settlement_cell)->ArgNames({"char", "culture"})->Apply(settlement_args)->Iterations(50)
    ->Unit(benchmark::kMillisecond);

// Zooming into Aino's village with her area never built: the 25 maps made and stored, their
// settlements laid out and settled, the area loaded and its people made.
void BM_enter_fresh_area_round_her_village(benchmark::State &state) {
    oxabench::AinoFolder &f = folder();
    f.fresh_character();
    int vx = 0, vy = 0;
    for (int d = 1; d <= 12 && !vx; d++)
        for (int y = PlayerY - d; y <= PlayerY + d && !vx; y++)
            for (int x = PlayerX - d; x <= PlayerX + d && !vx; x++)
                if (get_alltime_maailmachar(x, y) == 239) vx = x, vy = y;
    oxabench::enter_cell(state, vx, vy);
}
BENCHMARK(BM_enter_fresh_area_round_her_village)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
