// The data pool over a full 10000-record pool, and the object-number conversions.
#include <benchmark/benchmark.h>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"

#include <cstring>

namespace {

// A full local-area pool: fires everywhere, with every tenth record a disposable track.
void fill_pool() {
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    for (int i = 0; i < DATA_MAX; i++) {
        Data[i].type = i % 10 == 0 ? DT_TRACKS : DT_FIRE;
        Data[i].x = (uint16_t)(72 + i % 320);
        Data[i].y = (uint16_t)(72 + (i / 320) % 320);
        Data[i].id = (uint32_t)(i + 1);
        Data[i].count = 1;
    }
}

void world_map() { copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP"); }
void local_map() { copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP"); }

void define_items() {
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        ClrItemstruct(ConstantObj[r]);
        ConstantObj[r].type = IT_TOOL;
        snprintf(ConstantObj[r].name, sizeof ConstantObj[r].name, "thing %d", r);
    }
}

// Placing into a full pool: every call frees the disposables it needs and takes a place.
void BM_SetDataFullPool(benchmark::State &state) {
    world_map();
    for (auto _ : state) {
        state.PauseTiming();
        fill_pool();
        state.ResumeTiming();
        benchmark::DoNotOptimize(set_data(DT_FIRE, 300, 300, 1, 1));
    }
}
BENCHMARK(BM_SetDataFullPool);

// Placing on a local map: every new record counts the records of its local map.
void BM_SetDataLocalLimit(benchmark::State &state) {
    local_map();
    for (auto _ : state) {
        state.PauseTiming();
        fill_pool();
        for (int i = DATA_ALLOC_LAST - 200; i < DATA_MAX; i++) Data[i].type = DT_UNUSED;
        state.ResumeTiming();
        benchmark::DoNotOptimize(set_data(DT_FIRE, 230, 230, 1, 1));
    }
}
BENCHMARK(BM_SetDataLocalLimit);

// Merging an item into a stack at the far end of the pool.
void BM_SetDataMergeItem(benchmark::State &state) {
    world_map();
    define_items();
    fill_pool();
    Data[DATA_MAX - 1].type = DT_ITEM;
    Data[DATA_MAX - 1].id = 5;
    Data[DATA_MAX - 1].x = 1;
    Data[DATA_MAX - 1].y = 1;
    for (auto _ : state) {
        Data[DATA_MAX - 1].count = 1;
        benchmark::DoNotOptimize(set_data(DT_ITEM, 1, 1, 5, 1));
    }
}
BENCHMARK(BM_SetDataMergeItem);

void BM_FindOverFullPool(benchmark::State &state) {
    fill_pool();
    Data[0].type = DT_TRAP;
    for (auto _ : state) {
        benchmark::DoNotOptimize(get_datatype(DT_TRAP, Data[0].x, Data[0].y));
        benchmark::DoNotOptimize(cre_datapos(4321));
        benchmark::DoNotOptimize(count_datatype_around(DT_FIRE, 200, 200));
    }
}
BENCHMARK(BM_FindOverFullPool);

void BM_CleanUp(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        fill_pool();
        state.ResumeTiming();
        benchmark::DoNotOptimize(Siisti_DATA(100));
        benchmark::DoNotOptimize(rmDatas(100, 230, 230));
    }
}
BENCHMARK(BM_CleanUp);

void BM_Compaction(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        fill_pool();
        for (int i = 0; i < DATA_MAX; i += 3) CrunchData(i);
        state.ResumeTiming();
        Siivoa_DATA();
    }
}
BENCHMARK(BM_Compaction);

void BM_MakeDataposBottom(benchmark::State &state) {
    fill_pool();
    for (auto _ : state) make_datapos_bottom(DATA_MAX - 1);
}
BENCHMARK(BM_MakeDataposBottom);

void BM_ObjToItem(benchmark::State &state) {
    define_items();
    const int numbers[] = {0, 1, 399, 400, 49999, 50000, 99899, 99900, -5};
    ItemStruct it;
    for (auto _ : state)
        for (int n : numbers) benchmark::DoNotOptimize(ObjToItem(it, n));
}
BENCHMARK(BM_ObjToItem);

// Storing an item compares it with every used record first.
void BM_StoreIntoFullStretch(benchmark::State &state) {
    const int used = (int)state.range(0);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    for (int i = 0; i < used; i++) {
        ClrItemstruct(PlayerObj[i]);
        PlayerObj[i].type = IT_TOOL;
        snprintf(PlayerObj[i].name, sizeof PlayerObj[i].name, "stored %d", i);
    }
    ItemStruct fresh;
    ClrItemstruct(fresh);
    fresh.type = IT_TOOL;
    copy_bounded(fresh.name, sizeof fresh.name, "stored last");
    for (auto _ : state) {
        benchmark::DoNotOptimize(Luo_Esineen_Itempos(fresh));
        PlayerObj[used].type = IT_NONE;
    }
}
BENCHMARK(BM_StoreIntoFullStretch)->Arg(1000)->Arg(49000);

}  // namespace
