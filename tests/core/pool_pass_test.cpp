// The creatures' walk over the pool: a record that stood when the walk began, was freed during it and
// whose place a new record took at once, is not visited in the same walk; the newcomer waits for the
// next one.
#include <functional>

#include "activities/spirits.h"
#include "maps/burning.h"
#include "core/datafunc.h"
#include "game/worldpass.h"
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
    // one placed past a gap of free places too, or past the tracks of the local area, which the walk
    // passes over four at a time and leaves as they were.
    for (int y = 225; y <= 235; y++)
        for (int x = 225; x <= 235; x++) maailma[mapidx(x, y)] = 70;
    Plr.minutes = 1000;
    for (int last : {DATA_MAX - 1, 7, 10}) {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        Data[0].type = DT_FIRE_REMAINS;
        Data[0].x = Data[0].y = 226;
        const int tracks_to = last == 10 ? last : 0;
        for (int i = 1; i < tracks_to; i++) {
            Data[i].type = DT_TRACKS;
            Data[i].x = (uint16_t)(225 + i % 3);
            Data[i].y = 233;
            Data[i].count = 3;
        }
        DataStruct tracks_before[10];
        memcpy(tracks_before, Data, sizeof tracks_before);
        Data[last].type = DT_FIRE;
        Data[last].x = Data[last].y = 230;
        Data[last].count = 40;
        CreatureMove();
        EXPECT_EQ(Data[last].ready_minute, 1040u) << "the fire in place " << last << " was not walked";
        for (int i = 1; i < tracks_to; i++) EXPECT_EQ(memcmp(&Data[i], &tracks_before[i], sizeof(DataStruct)), 0) << i;
    }
}

// While a walk runs, the fire check and the searches stop at the bound of the records in use: every
// way a record comes to lie past the end the walk began with leaves a bound beyond it, or none, and a
// burning finds the plants a search of the whole pool finds.
TEST_F(PoolPassTest, TheBoundOfAWalkLiesPastEveryRecordInUse) {
    const struct Case {
        const char *what;
        std::function<void()> change;
    } cases[] = {
        {"a record placed", [] { set_data(DT_PLANT, 240, 240, 1, 1); }},
        {"a record from the staging record", [] {
             ClearDTEMP();
             DTEMP.type = DT_PLANT;
             DTEMP.x = DTEMP.y = 241;
             SetDTEMP(-1);
         }},
        {"a record put in a far place", [] {
             ClearDTEMP();
             DTEMP.type = DT_PLANT;
             DTEMP.x = DTEMP.y = 242;
             SetDTEMP(DATA_MAX - 1);
         }},
        {"a stack split", [] { split_datapos(5, 1); }},
        {"a record drawn on top", [] { make_datapos_top(3); }},
        {"a record drawn underneath", [] { make_datapos_bottom(3); }},
        {"the pool packed", [] {
             CrunchData(2);
             Siivoa_DATA();
         }},
        {"a spirit remembered", [] { set_SpiritData(1, SpiritDataInit(243, 243, 1)); }},
        {"a record freed", [] { CrunchData(9); }},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        for (int i = 0; i < 10; i++) {
            Data[i].type = DT_PLANT;
            Data[i].x = (uint16_t)(220 + i);
            Data[i].y = 230;
            Data[i].count = 2;
        }
        mark_pool_pass();
        pool_end_bound_begin(10);
        c.change();
        int end = DATA_MAX;
        while (end > 0 && (Data[end - 1].type == DT_UNUSED || Data[end - 1].type == DT_FREED)) end--;
        const int bound = pool_end_bound();
        EXPECT_TRUE(bound < 0 || bound >= end) << c.what << ": bound " << bound << ", records to " << end;
        for (int i = 0; i < end; i++) {   // the search from the top finds the last plant of the square
            if (Data[i].type != DT_PLANT) continue;
            int last = DATA_MAX - 1;
            while (Data[last].type != DT_PLANT || Data[last].x != Data[i].x || Data[last].y != Data[i].y) last--;
            EXPECT_EQ(get_datatype(DT_PLANT, Data[i].x, Data[i].y), last) << c.what;
        }
        for (int i = 0; i < end; i++) {
            if (Data[i].type != DT_PLANT) continue;
            PolttoTarkistus(Data[i].x, Data[i].y, 1, "");
            EXPECT_NE(Data[i].type, DT_PLANT) << c.what << ": the plant in place " << i << " was not found";
        }
        pool_end_bound_end();
        EXPECT_EQ(pool_end_bound(), -1);
    }
}

}  // namespace
