// One step of a woodsman's work on a busy map: a felling step (the tree found, the body and the axe
// checked, one minute added to the tree's record) and a chopping step under way (its trunk checked
// against what it remembered).
// Target on the development machine: under 20 us a step.
#include <benchmark/benchmark.h>

#include <cstring>

#include "activities/timber.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"

namespace {

const int WOODSMAN = 7, TX = 233, TY = 232;

void setup() {
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    build_objdef_rows();
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    init_terrain_struct(0, 0);
    for (int y = 200; y <= 263; y++)
        for (int x = 200; x <= 263; x++) maailma[mapidx(x, y)] = CH_GROUND;
    maailma[mapidx(TX, TY)] = 18;   // a pine
    PlayerX = PlayerY = 220;
    DISABLE_NOTES = 1;
    // A busy pool: 8000 records of tracks and things, the tree's and the trunk's records among the last.
    for (int i = 0; i < 8000; i++) {
        DataStruct &d = Data[i];
        d.type = i % 20 == 0 ? DT_ITEM : DT_TRACKS;
        d.x = (uint16_t)(200 + i % 60);
        d.y = (uint16_t)(200 + (i / 60) % 60);
        d.id = (uint32_t)object("Stone", 1);
        d.count = 2;
    }
    CreatureStruct &c = Cre[WOODSMAN];
    memset(&c, 0, sizeof c);
    c.kind = CK_HUMAN;
    c.timberskill = 40;
    c.pack[0] = (uint32_t)object("Woodsman's axe", 1);
    c.packcount[0] = 1;
    DataStruct &d = Data[8000];
    d.type = DT_CREATURE;
    d.x = TX - 1;
    d.y = TY;
    d.id = CRE_DATAID + WOODSMAN;
}

void BM_FellingStep(benchmark::State &state) {
    setup();
    int rec = -1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(timber_creature_step(WOODSMAN, 120, TX, TY));
        if (rec < 0) rec = get_datatype(DT_TREE, TX, TY);
        if (rec >= 0) Data[rec].spent_minutes = 0;   // the tree never falls
    }
}
BENCHMARK(BM_FellingStep)->Unit(benchmark::kMicrosecond);

void BM_ChoppingStepUnderWay(benchmark::State &state) {
    setup();
    maailma[mapidx(TX, TY)] = TIMBER_FELLED_CHAR;
    DataStruct &trunk = Data[8001];
    trunk.type = DT_ITEM;
    trunk.x = TX;
    trunk.y = TY;
    trunk.id = (uint32_t)object("Tree trunk", 1);
    trunk.count = 1;
    CreatureStruct &c = Cre[WOODSMAN];
    c.Puuha[0] = 121;
    c.PuuhaX[0] = TX, c.PuuhaY[0] = TY;
    timber_creature_step(WOODSMAN, 121, TX, TY);   // the first step sets the work's timer
    for (auto _ : state) {
        c.PuuhaAika[0] = 100;
        benchmark::DoNotOptimize(timber_creature_step(WOODSMAN, 121, TX, TY));
    }
}
BENCHMARK(BM_ChoppingStepUnderWay)->Unit(benchmark::kMicrosecond);

}  // namespace
