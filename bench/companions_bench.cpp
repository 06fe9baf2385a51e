// One turn of a hired woodsman carrying out her order to fell trees, on a busy map: his tick as the
// creature pass runs it (his queue, the felling step with its tree, body and axe checks).
// Target on the development machine: under 20 us a turn.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/people.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"
#include "society/companions.h"

namespace {

const int HAND = 7, TX = 233, TY = 232;
const int HAND_DP = 8000;

void setup() {
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    build_objdef_rows();
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.minutes = 100000;
    Plr.hour = 12;
    init_terrain_struct(0, 0);
    for (int y = 200; y <= 263; y++)
        for (int x = 200; x <= 263; x++) maailma[mapidx(x, y)] = CH_GROUND;
    maailma[mapidx(TX, TY)] = 18;   // a pine
    PlayerX = TX - 2;
    PlayerY = TY + 1;
    DISABLE_NOTES = 1;
    // A busy pool: 8000 records of tracks and things.
    for (int i = 0; i < HAND_DP; i++) {
        DataStruct &d = Data[i];
        d.type = i % 20 == 0 ? DT_ITEM : DT_TRACKS;
        d.x = (uint16_t)(200 + i % 60);
        d.y = (uint16_t)(200 + (i / 60) % 60);
        d.id = (uint32_t)object("Stone", 1);
        d.count = 2;
    }
    CreatureStruct &c = Cre[HAND];
    c.kind = CK_HUMAN;
    c.speciescode = 530;
    c.weight = 70.0f;
    c.strength = c.endurance = c.dexterity = c.intelligence = c.agility = 12;
    c.rhythm = 4;
    c.timberskill = 40;
    c.socialid = 7007;
    c.enemy = CRE_NONE;
    c.partyflags = CW_JOINED | CW_WORK;
    c.pack[0] = object("Woodsman's axe", 1);
    c.packcount[0] = 1;
    c.Viimeisin_X = TX - 1;
    c.Viimeisin_Y = TY;
    DataStruct &d = Data[HAND_DP];
    d.type = DT_CREATURE;
    d.x = TX - 1;
    d.y = TY;
    d.id = CRE_DATAID + HAND;
}

void BM_CompanionFellingTurn(benchmark::State &state) {
    setup();
    compcom_fell(HAND);
    if (Cre[HAND].Puuha[0] != 120) {
        state.SkipWithError("the order to fell was not taken");
        return;
    }
    int tree = -1;
    for (auto _ : state) {
        Ela_Ihminen(HAND_DP);
        if (tree < 0) tree = get_datatype(DT_TREE, TX, TY);
        if (tree >= 0) Data[tree].spent_minutes = 0;   // the tree never falls
        if (Cre[HAND].Puuha[0] != 120) {
            state.PauseTiming();
            compcom_fell(HAND);
            state.ResumeTiming();
        }
    }
    if (tree < 0) state.SkipWithError("he never set to work on the tree");
}
BENCHMARK(BM_CompanionFellingTurn)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
