// The body's per-turn work for the player: the wound and condition checks with a minute of body
// upkeep, and counting the load of a full pack.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "items/items.h"
#include "presentation/notes.h"
#include "items/inventory.h"

static void wounded_player() {
    memset(&Plr, 0, sizeof Plr);
    plr_set<int32_t>(PB_BODYWEIGHT, 130);
    plr_bytes(PB_ENDURANCE)[0] = 12;
    plr_bytes(PB_SPEED)[0] = 12;
    Plr.body_temperature = 37.0f;
    Plr.energy = 3000;
    Plr.minutes = 1000;
    DISABLE_NOTES = 1;
    Side = 1;
    SetInjury(6, BP_THIGH, 1, 0, 2);
    SetInjury(4, BP_HAND, 1, 0, 0);
    SetInjury(3, 0, 5, 0, ILL_INFLUENZA);
}

static void BM_TurnChecks(benchmark::State &state) {
    wounded_player();
    for (auto _ : state) {
        Haavatarkistukset(0);
        Condition_Check(0);
        PhysicalTick(-1, 1);
        FatigueTick(-1, 1);
        benchmark::DoNotOptimize(ACTUAL_MOBILITY(-1));
    }
}
BENCHMARK(BM_TurnChecks);

static void BM_LoadOf100Slots(benchmark::State &state) {
    wounded_player();
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_TOOL;
    it.weight = it.fullweight = 1.5f;
    for (int s = 0; s < PLR_SLOTS; s++) {
        it.id = (uint32_t)s;
        PlayerObj[s] = it;
        Plr.inv_obj[s] = OBJ_PLAYER_FIRST + s;
        Plr.inv_count[s] = 2;
    }
    for (auto _ : state) benchmark::DoNotOptimize(laske_Load_value(-1));
}
BENCHMARK(BM_LoadOf100Slots);

