// The meetings of a map entry: 300 persistent creatures met again, each caught up 30 days unseen.
// Target: under 5 ms for the 300.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/zoomservices.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"
#include "society/meetings.h"

enum { MET = 300 };
static CreatureStruct prepared[MET];

// Wanderers with food of their own, wounded wild animals near her and young animals growing up.
static void open_area() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    DISABLE_NOTES = 1;
    build_objdef_rows();
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.world_x = 1500;
    Plr.world_y = 1000;
    Plr.daynumber = 400;
    Plr.month = 6;
    Plr.last_uid = 100;
    PlayerX = PlayerY = 232;
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    ItemStruct bread{};
    bread.type = IT_FOOD;
    bread.id = 41;
    bread.weight = bread.fullweight = 0.25f;
    bread.spoil = 20;
    strcpy(bread.name, "Rye bread");
    const int food = Luo_Esineen_Itempos(bread);
    for (int n = 0; n < MET; n++) {
        CreatureStruct &c = Cre[n];
        c.kind = n % 3 == 0 ? CK_HUMAN : 5;
        c.handling = n % 3 == 0 ? 2 : 1;
        c.culture = 0;
        c.weight = c.speciesweight = 70.0f;
        c.socialid = 2000u + (uint32_t)n;
        c.daysaved = 370;
        c.visits = (uint32_t)n % 9;
        c.familiarity = 2;
        c.first_seen = 100;
        c.enemy = CRE_NONE;
        if (c.kind == CK_HUMAN) {
            c.pack[0] = food;
            c.packcount[0] = 5;
        }
        for (int w = 0; w < 2; w++) {
            c.woundkind[w] = 2;
            c.woundlevel[w] = 1;
            c.woundinjury[w] = (uint8_t)(20 + 30 * w);
        }
        if (n % 3 == 2) {   // a young one
            c.sexage = 2;
            c.playerage = 20;
            c.birthday = (int16_t)(400 - 30 * (n % 30));
        }
        RealCreaturePos[n] = CRE_DATAID + n;
        set_data(DT_CREATURE, 202 + n % 60, 202 + n / 60, CRE_DATAID + n, 1);
        prepared[n] = c;
    }
}

static void BM_MeetingsAtMapEntry300(benchmark::State &state) {
    open_area();
    int caught = 0;
    for (auto _ : state) {
        memcpy(Cre, prepared, sizeof prepared);
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE) caught += creature_update(creature_slot_of(Data[i].id), i);
    }
    benchmark::DoNotOptimize(caught);
}
BENCHMARK(BM_MeetingsAtMapEntry300)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
