// A skill roll in the twelve-roll learning mode, and a day's spoiling of a full pack of food.
#include <benchmark/benchmark.h>

#include "activities/food.h"
#include "creatures/skills.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "items/items.h"

#include <cstdio>
#include <cstring>

namespace {

void BM_SkillRollTwelveRolls(benchmark::State &state) {
    memset(&Plr, 0, sizeof Plr);
    copy_bounded(Plr.skill_name[20], PLR_SKILLNAME, "COOKERY");
    Plr.skill_level[20] = 40;
    Plr.skill_aptitude[20] = 12;
    randomize(7);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Kayta_Taitoa(0, 10, "COOKERY", 2));
        Plr.skill_level[20] = 40;   // the same skill on every pass
        Plr.skill_raises[20] = 0;
    }
}
BENCHMARK(BM_SkillRollTwelveRolls);

// 100 slots of food, each a day fresher than spoiling, in a summer pack.
void fill_pack() {
    for (int s = 0; s < PLR_SLOTS; s++) {
        ItemStruct &it = PlayerObj[s];
        ClrItemstruct(it);
        it.type = IT_FOOD;
        it.id = 490;
        snprintf(it.name, sizeof it.name, "fish %d", s);
        it.weight = it.fullweight = 1.0f;
        it.spoil = 100;
        Plr.inv_obj[s] = OBJ_PLAYER_FIRST + s;
        Plr.inv_count[s] = 1 + s % 3;
    }
}

void BM_PackSpoilsOneDay(benchmark::State &state) {
    memset(&Plr, 0, sizeof Plr);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    Plr.month = 7;
    Plr.day = 10;
    for (auto _ : state) {
        state.PauseTiming();
        memset(PlayerObj, 0, sizeof(ItemStruct) * 400);
        fill_pack();
        state.ResumeTiming();
        benchmark::DoNotOptimize(FOODSPOIL_PlrPack());
    }
}
BENCHMARK(BM_PackSpoilsOneDay);

}  // namespace
