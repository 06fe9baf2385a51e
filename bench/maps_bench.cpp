// The map paths that run on every step and on every map entry: the bounded accessors, the terrain
// flags, and finding, loading and rewriting a stored local map.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"

namespace {

// A character folder under /tmp with a store of `maps` local maps; removed at exit.
struct Store {
    std::string path;
    explicit Store(int maps) {
        char tmpl[] = "/tmp/oxabench-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
        for (int i = 0; i < maps; i++) {
            ZoomMap_Clear();
            save_zoommap(1000 + i % 100, 1000 + i / 100, 1);
        }
    }
    ~Store() {
        for (const char *f : {"ZOOMINDEX.DAT", "ZOOMMAPS.DAT", "WORLD.DAT"}) unlink((path + "/" + f).c_str());
        rmdir(path.c_str());
    }
};

void BM_get_mapchar_row(benchmark::State &state) {
    memset(maailma, CH_GROUND, MAP_BYTES);
    for (auto _ : state) {
        int sum = 0;
        for (int x = -8; x < 3080; x++) sum += get_mapchar(x, 1000);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 3088);
}
BENCHMARK(BM_get_mapchar_row);

void BM_view_square_flags(benchmark::State &state) {
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    init_terrain_struct(0, 0);
    memset(maailma, 13, MAP_BYTES);
    for (auto _ : state) {
        int blocked = 0;
        for (int y = 200; y < 264; y++)
            for (int x = 200; x < 264; x++) blocked += terrain_flag(get_mapchar(x, y), TF_BLOCKS_SIGHT);
        benchmark::DoNotOptimize(blocked);
    }
    state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_view_square_flags);

void BM_ZoomMapPos_last_of(benchmark::State &state) {
    Store store((int)state.range(0));
    int n = (int)state.range(0) - 1;
    for (auto _ : state) benchmark::DoNotOptimize(ZoomMapPos(1000 + n % 100, 1000 + n / 100));
}
BENCHMARK(BM_ZoomMapPos_last_of)->Arg(100)->Arg(2000);

void BM_load_zoommap(benchmark::State &state) {
    Store store(500);
    for (auto _ : state) benchmark::DoNotOptimize(load_zoommap(1050, 1004));
    state.SetBytesProcessed(state.iterations() * (int64_t)sizeof(ZoomStruct));
}
BENCHMARK(BM_load_zoommap);

void BM_save_zoommap_in_place(benchmark::State &state) {
    Store store(500);
    load_zoommap(1050, 1004);
    for (auto _ : state) benchmark::DoNotOptimize(save_zoommap(1050, 1004, 1));
}
BENCHMARK(BM_save_zoommap_in_place);

// Entering a local area: all 25 local maps of the area out of the store into the current map.
void BM_Zoomer_whole_area(benchmark::State &state) {
    Store store(500);
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    for (auto _ : state) {
        memset(Data, 0, sizeof Data);
        Zoomer(1010, 1002);
    }
}
BENCHMARK(BM_Zoomer_whole_area);

}  // namespace
