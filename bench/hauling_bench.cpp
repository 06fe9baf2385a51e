// One hauling step: twenty hauled records among a busy local map's pool follow the player, and the
// step's minutes and exertion are priced by their weights (target under 100 microseconds).
#include <benchmark/benchmark.h>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/hauling.h"
#include "items/items.h"

#include <cstdio>
#include <cstring>

namespace {

// A local map with 6000 things on it, twenty of them stacks hauled by the player.
void busy_pool_with_hauled_load() {
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        ClrItemstruct(ConstantObj[r]);
        ConstantObj[r].type = IT_TOOL;
        ConstantObj[r].weight = ConstantObj[r].fullweight = (float)(r % 50) * 3.0f;
        snprintf(ConstantObj[r].name, sizeof ConstantObj[r].name, "thing %d", r);
    }
    for (int i = 0; i < 6000; i++) {
        DataStruct &d = Data[i];
        d.type = i % 3 == 0 ? DT_PLANT : DT_ITEM;
        d.x = (uint16_t)(136 + i % 192);
        d.y = (uint16_t)(136 + (i / 192) % 192);
        d.id = (uint32_t)(1 + i % 399);
        d.count = (uint16_t)(1 + i % 7);
    }
    for (int k = 0; k < 20; k++) {
        DataStruct &d = Data[250 * k + 1];
        d.type = DT_ITEM;
        d.extra = HAULED_STATE;
        d.owner = CRE_PLAYER;
    }
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
}

void BM_HaulingStepTwentyRecords(benchmark::State &state) {
    busy_pool_with_hauled_load();
    int step = 0;
    for (auto _ : state) {
        PlayerX = 200 + (step & 7);
        PlayerY = 200;
        step++;
        benchmark::DoNotOptimize(itemmove_spendtime(CRE_PLAYER));
        benchmark::DoNotOptimize(ItemMove());
    }
}
BENCHMARK(BM_HaulingStepTwentyRecords);

}  // namespace
