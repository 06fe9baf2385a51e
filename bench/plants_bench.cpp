// The plant year: one day's growth of a local map's pool holding 2,000 plant records of ten kinds,
// living, dormant and withered, among 3,000 other records.
// Target on the development machine: under 1 ms a day.
#include <benchmark/benchmark.h>

#include "items/plantlife.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "items/items.h"

#include <cstring>

namespace {

void fill_pool() {
    memset(&Plr, 0, sizeof Plr);
    Plr.month = 6;
    Plr.day = 10;
    Plr.daynumber = 4000;
    for (int k = 0; k < 10; k++) {
        ItemStruct &p = ConstantObj[300 + k];
        ClrItemstruct(p);
        p.type = IT_PLANT;
        p.id = k % 2 ? 430 : 431;
        SET_ITEM_TEXT(p.name, "plant");
        p.fig[4] = (uint8_t)(4 + k % 3);
        p.fig[5] = (uint8_t)(8 + k % 3);
        p.fig[3] = (uint8_t)(30 + 5 * k);
        p.state = (uint16_t)(k % 3);
    }
    memset(Data, 0, sizeof Data);
    static const uint8_t kinds[3] = {DT_PLANT, DT_PLANT_DORMANT, DT_PLANT_PICKED};
    for (int n = 0; n < 5000; n++) {
        DataStruct &d = Data[n];
        d.x = (uint16_t)(n % 320);
        d.y = (uint16_t)(n / 320);
        d.count = 3;
        if (n % 5 < 2) {
            d.type = kinds[n % 3];
            d.id = (uint32_t)(300 + n % 10);
            d.ready_day = (uint16_t)(Plr.daynumber + n % 40 - 20);
        } else {
            d.type = DT_ITEM;
            d.id = 12;
        }
    }
}

void BM_VegetationGrowthDay(benchmark::State &state) {
    randomize(7);
    fill_pool();
    for (auto _ : state) {
        VegetationGrowth();
        state.PauseTiming();
        Plr.daynumber++;
        if (++Plr.day > 30) {
            Plr.day = 1;
            if (++Plr.month > 12) Plr.month = 1;
        }
        if (Plr.daynumber > 4300) fill_pool();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VegetationGrowthDay)->Unit(benchmark::kMicrosecond);

}  // namespace
