// The creatures' walk over the pool: a record that stood when the walk began, was freed during it and
// whose place a new record took at once, is not visited in the same walk; the newcomer waits for the
// next one.
#include "core/worldpass.h"
#include "turn_fixture.h"

using oxatest::TurnTest;

namespace {

class PoolPassTest : public TurnTest {};

TEST_F(PoolPassTest, APlaceFreedAndTakenDuringTheWalkWaitsForTheNext) {
    // A burnt-out fire clears the old remains on its square and spreads: its second new fire takes
    // the place the old remains had, a place that was in use when the walk began.
    for (int y = 225; y <= 235; y++)
        for (int x = 225; x <= 235; x++) maailma[mapidx(x, y)] = 70;
    Plr.minutes = 1000;
    bool refilled = false;
    for (int seed = 1; seed < 60 && !refilled; seed++) {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        for (int y = 225; y <= 235; y++)
            for (int x = 225; x <= 235; x++) maailma[mapidx(x, y)] = 70;
        Data[0].type = DT_FIRE;                   // burnt out: it spreads in this pass
        Data[0].x = Data[0].y = 228;
        Data[0].count = 30;
        Data[0].ready_minute = 900;
        Data[0].spent_minutes = 870;
        Data[0].day = 1;
        Data[2].type = DT_FIRE_REMAINS;           // the old remains of its square
        Data[2].x = Data[2].y = 228;
        Data[2].day = 1;
        Data[3] = Data[0];                         // a burning neighbour
        Data[3].x = 229;
        Data[3].ready_minute = 5000;
        randomize(seed);
        CreatureMove();
        if (Data[2].type != DT_FIRE) continue;
        refilled = true;
        EXPECT_EQ(Data[2].ready_minute, 0u) << "the fire in the refilled place burned in the walk that lit it";
        EXPECT_EQ(Data[2].spent_minutes, 0u);
        EXPECT_EQ(Data[2].day, 0u);
    }
    EXPECT_TRUE(refilled) << "no draw spread a fire into the freed place";
}

TEST_F(PoolPassTest, TheWalkReachesTheLastPlaceOfThePool) {
    // The walk ends at the last record in use: a fire in the pool's very last place still burns, and
    // one placed past a gap of free places too.
    for (int y = 225; y <= 235; y++)
        for (int x = 225; x <= 235; x++) maailma[mapidx(x, y)] = 70;
    Plr.minutes = 1000;
    for (int last : {DATA_MAX - 1, 7}) {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        Data[0].type = DT_FIRE_REMAINS;
        Data[0].x = Data[0].y = 226;
        Data[last].type = DT_FIRE;
        Data[last].x = Data[last].y = 230;
        Data[last].count = 40;
        CreatureMove();
        EXPECT_EQ(Data[last].ready_minute, 1040u) << "the fire in place " << last << " was not walked";
    }
}

}  // namespace
