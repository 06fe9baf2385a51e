// The data pool: merging, limits and clean-ups, freeing, splitting, compaction and reordering.
#include "core/records_fixture.h"
#include "common/pool_put.h"
#include "maps/burning.h"
#include "core/spend.h"
#include "creatures/crestep.h"
#include "creatures/predicates.h"

#include <algorithm>

#include <vector>

using namespace oxatest;

using DataPool = RecordsTest;

TEST_F(DataPool, EqualItemsOnOneSquareMerge) {
    define(5, IT_WEAPON, "Knife", 150);
    EXPECT_EQ(set_data(DT_ITEM, 230, 230, 5, 2), 1);
    EXPECT_EQ(set_data(DT_ITEM, 230, 230, 5, 3), 0);
    EXPECT_EQ(Data[0].count, 5);
    EXPECT_EQ(used_records(), 1);

    // A stored copy equal to the definition joins the same stack; another square does not.
    int stored = Luo_Esineen_Itempos(ConstantObj[5]);
    set_data(DT_ITEM, 230, 230, stored, 1);
    EXPECT_EQ(Data[0].count, 6);
    set_data(DT_ITEM, 231, 230, 5, 1);
    EXPECT_EQ(used_records(), 2);

    // Blood marks merge by id and square alone, into one mark of the later day.
    set_data(DT_COUNTED, 240, 240, 77, 4);
    set_data(DT_COUNTED, 240, 240, 77, 2);
    EXPECT_EQ(Data[2].count, 4);
    EXPECT_EQ(used_records(), 3);
}

TEST_F(DataPool, StacksThatNeverMerge) {
    define(5, IT_WEAPON, "Knife", 150);
    define(6, IT_WEAPON, "Knife", 150).quality = 5;

    set_data(DT_ITEM, 230, 230, 5, 1);
    set_data(DT_ITEM, 230, 230, 6, 1);             // a better knife is another stack
    EXPECT_EQ(used_records(), 2);

    Data[0].extra = DATA_NOMERGE;
    set_data(DT_ITEM, 230, 230, 5, 1);
    EXPECT_EQ(Data[0].count, 1);
    EXPECT_EQ(Data[2].count, 1);

    Data[2].owner = SOC_OWNER;                     // village goods take nothing from set_data
    set_data(DT_ITEM, 230, 230, 5, 1);
    EXPECT_EQ(Data[2].count, 1);
    EXPECT_EQ(Data[3].count, 1);

    set_socowned_data(DT_ITEM, 230, 230, 5, 4);    // ... but merge with village goods
    EXPECT_EQ(Data[2].count, 5);
    EXPECT_EQ(Data[3].count, 1);

    Data[3].count = 0xFFFF;                        // a full stack never wraps to a small one
    Data[3].extra = 0;
    set_data(DT_ITEM, 230, 230, 5, 1);
    EXPECT_EQ(Data[3].count, 0xFFFF);

    int before = used_records();
    EXPECT_EQ(set_data(DT_ITEM, 230, 230, 0, 3), 0);
    EXPECT_EQ(used_records(), before);
}

TEST_F(DataPool, VillageGoodsAreMarkedAndOwnedItemsGoThePlainWay) {
    define(5, IT_WEAPON, "Knife", 150);
    set_socowned_data(DT_ITEM, 230, 230, 5, 1);
    EXPECT_EQ(Data[0].owner, SOC_OWNER);

    define(7, IT_WEAPON, "Axe", 100).ownersoc = 1234;
    set_socowned_data(DT_ITEM, 230, 230, 7, 1);
    EXPECT_EQ(Data[1].owner, 0);
}

TEST_F(DataPool, FullPoolFreesDisposablesOrDropsTheThing) {
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
    fill(0, DATA_ALLOC_LAST, DT_TRACKS, 10, 10);
    EXPECT_EQ(set_data(DT_FIRE, 11, 11, 1, 1), 0);  // the world map answers 0 for a new record
    EXPECT_EQ(Data[0].type, DT_FIRE);
    EXPECT_EQ(Data[0].x, 11);
    EXPECT_EQ(used_records(), DATA_ALLOC_LAST + 1 - 101 + 1);   // 101 tracks gave way

    fill(0, DATA_ALLOC_LAST, DT_FIRE, 10, 10);
    std::vector<DataStruct> before(Data, Data + DATA_MAX);
    EXPECT_EQ(set_data(DT_PLANT, 11, 11, 1, 1), 0);
    EXPECT_EQ(memcmp(before.data(), Data, sizeof(DataStruct) * DATA_MAX), 0);
}

TEST_F(DataPool, CrowdedLocalMapCleansUpOnlyItsOwnDisposables) {
    fill(0, 49, DT_TRACKS, 100, 100);               // another local map of the area
    fill(50, 1799, DT_FIRE, 230, 230);
    fill(1800, 1949, DT_TRACKS, 231, 231);
    EXPECT_EQ(set_data(DT_FIRE, 232, 232, 1, 1), 1);
    int here = 0, there = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_TRACKS) continue;
        (Data[i].x == 100 ? there : here)++;
    }
    EXPECT_EQ(there, 50);
    EXPECT_EQ(here, 150 - 101);
    EXPECT_EQ(datapool_gap, 1);
}

TEST_F(DataPool, LimitWarningComesOnlyAfterElevenChecks) {
    fill(0, 1950, DT_FIRE, 230, 230);               // nothing disposable on this map
    DISABLE_MORECHECK = 1;
    for (int i = 1; i <= 10; i++) {
        EXPECT_EQ(chkdplimit(230, 230), 1);
        EXPECT_EQ(datapool_gap, i);
    }
    EXPECT_EQ(DISABLE_MORECHECK, 0) << "a crowded map asks for \"more\" again, warned or not";
    EXPECT_EQ(chkdplimit(230, 230), 1);             // the eleventh warns and starts counting anew
    EXPECT_EQ(datapool_gap, 0);

    datapool_gap = 0;
    fill(0, 1000, DT_FIRE, 230, 230);
    memset(&Data[1001], 0, sizeof(DataStruct) * (DATA_MAX - 1001));
    EXPECT_EQ(chkdplimit(230, 230), 1);             // a roomy map only counts
    EXPECT_EQ(datapool_gap, 1);

    copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
    EXPECT_EQ(chkdplimit(230, 230), 0);
    EXPECT_EQ(datapool_gap, 1);
}

TEST_F(DataPool, SetDTEMPMergesBoundMaterialsAndAnswersNoneWhenFull) {
    fill(0, 2, DT_FIRE, 230, 230);
    Data[1].type = DT_BOUND;
    Data[1].ready_minute = 500;
    Data[1].count = 2;
    ClearDTEMP();
    DTEMP = Data[1];
    DTEMP.count = 3;
    EXPECT_EQ(SetDTEMP(-1), 1);
    EXPECT_EQ(Data[1].count, 5);

    DTEMP.ready_minute = 501;                       // another time: a record of its own
    EXPECT_EQ(SetDTEMP(-1), 3);
    EXPECT_EQ(Data[3].ready_minute, 501u);

    DTEMP.type = DT_FIRE;                           // only bound materials merge
    DTEMP.ready_minute = 500;
    Data[1].type = DT_BOUND;
    EXPECT_EQ(SetDTEMP(-1), 4);

    fill(0, DATA_MAX - 1, DT_FIRE, 230, 230);
    std::vector<DataStruct> before(Data, Data + DATA_MAX);
    EXPECT_EQ(SetDTEMP(-1), -1000);
    EXPECT_EQ(memcmp(before.data(), Data, sizeof(DataStruct) * DATA_MAX), 0);
    EXPECT_EQ(SetDTEMP(DATA_MAX), -1000);
}

TEST_F(DataPool, FreeingKeepsOwnerFlagsAndReadyMinute) {
    fill(0, 3, DT_ITEM, 230, 230);
    Data[1].owner = 77;
    Data[1].flags = 9;
    Data[1].ready_minute = 1234;
    Data[1].spent_minutes = 99;
    Data[1].day = 5;
    Data[1].extra = 4;
    CrunchData(1);
    EXPECT_EQ(Data[1].type, DT_FREED);
    EXPECT_EQ(Data[1].owner, 77);
    EXPECT_EQ(Data[1].flags, 9);
    EXPECT_EQ(Data[1].ready_minute, 1234u);
    EXPECT_EQ(Data[1].id, 0u);
    EXPECT_EQ(Data[1].spent_minutes, 0u);
    EXPECT_EQ(Data[1].day, 0);
    EXPECT_EQ(Data[1].extra, 0);

    Data[2].count = 3;
    reduce_datapos(2);
    EXPECT_EQ(Data[2].count, 2);
    datapos_deccount(2, 1);
    EXPECT_EQ(Data[2].type, DT_ITEM);
    reduce_datapos(2);
    EXPECT_EQ(Data[2].type, DT_FREED);
    Data[3].count = 4;
    datapos_deccount(3, 4);
    EXPECT_EQ(Data[3].type, DT_FREED);

    // The next placement reuses a freed record and clears what freeing kept.
    set_data(DT_FIRE, 240, 240, 3, 1);
    EXPECT_EQ(Data[1].type, DT_FIRE);
    EXPECT_EQ(Data[1].owner, 0);
    EXPECT_EQ(Data[1].ready_minute, 0u);

    CrunchData(-1);                                 // out of range: ignored
    CrunchData(DATA_MAX);
    ClearDATA(0);
    EXPECT_EQ(Data[0].type, DT_UNUSED);
}

TEST_F(DataPool, SplitRefusesBadArgumentsAndCopiesTheRecord) {
    fill(0, 3, DT_ITEM, 230, 230);
    Data[2].count = 5;
    Data[2].ready_minute = 42;
    Data[2].owner = 8;
    EXPECT_EQ(split_datapos(0, 1), -1000);
    EXPECT_EQ(split_datapos(2, 5), -1000);
    EXPECT_EQ(split_datapos(2, 0), -1000);
    EXPECT_EQ(split_datapos(DATA_MAX, 1), -1000);
    int n = split_datapos(2, 2);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(Data[4].count, 2);
    EXPECT_EQ(Data[2].count, 3);
    EXPECT_EQ(Data[4].ready_minute, 42u);
    EXPECT_EQ(Data[4].owner, 8);
    EXPECT_EQ(Data[4].id, Data[2].id);
}

TEST_F(DataPool, CompactionKeepsOrderAndLeavesNoGap) {
    fill(0, 9, DT_FIRE, 230, 230);
    CrunchData(1);
    ClearDATA(4);
    CrunchData(7);
    Siivoa_DATA();
    const uint32_t expect[] = {1, 3, 4, 6, 7, 9, 10};
    for (int i = 0; i < 7; i++) EXPECT_EQ(Data[i].id, expect[i]) << i;
    for (int i = 7; i < 12; i++) EXPECT_EQ(Data[i].type, DT_UNUSED) << i;

    CrunchData(0);
    SPENDING_CRITICAL = 1;                          // a critical task holds positions
    Siivoa_DATA();
    SPENDING_CRITICAL = 0;
    EXPECT_EQ(Data[0].type, DT_FREED);
}

TEST_F(DataPool, ReorderingMovesOneRecordAndKeepsTheRest) {
    fill(0, 5, DT_FIRE, 230, 230);
    make_datapos_top(2);
    EXPECT_EQ(Data[6].id, 3u);
    EXPECT_EQ(Data[2].type, DT_FREED);
    CrunchData(6);
    make_datapos_top(0);                            // the last record is free: it takes the move
    EXPECT_EQ(Data[6].id, 1u);

    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    fill(0, 5, DT_FIRE, 230, 230);
    make_datapos_bottom(4);
    const uint32_t order[] = {5, 1, 2, 3, 4};
    for (int i = 0; i < 5; i++) EXPECT_EQ(Data[i].id, order[i]) << i;
    EXPECT_EQ(Data[5].type, DT_FREED);
    EXPECT_EQ(Data[6].id, 6u);

    // With the last position in use nothing is pushed out of the pool.
    fill(0, DATA_MAX - 1, DT_FIRE, 230, 230);
    make_datapos_bottom(50);
    EXPECT_EQ(used_records(), DATA_MAX);
    EXPECT_EQ(Data[0].id, 51u);
    EXPECT_EQ(Data[1].id, 1u);
    EXPECT_EQ(Data[50].id, 50u);
    EXPECT_EQ(Data[DATA_MAX - 1].id, (uint32_t)DATA_MAX);

    // While a task runs the record takes the first free place instead.
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    fill(0, 5, DT_FIRE, 230, 230);
    CrunchData(1);
    SPENDING = 1;
    make_datapos_bottom(4);
    SPENDING = 0;
    EXPECT_EQ(Data[1].id, 5u);
    EXPECT_EQ(Data[4].type, DT_FREED);
}

TEST_F(DataPool, FindingRecords) {
    fill(0, 3, DT_FIRE, 230, 230);
    Data[3].x = 231;
    EXPECT_EQ(get_datatype(DT_FIRE, 230, 230), 2);  // highest position first
    EXPECT_EQ(get_datatype(DT_FIRE, 0, 0), 3);      // around the player
    EXPECT_EQ(get_datatype(DT_TRAP, 230, 230), -1);
    EXPECT_EQ(count_datatype_around(DT_FIRE, 231, 231), 4);
    EXPECT_EQ(datatype_around(DT_FIRE, 229, 229), 1);

    Data[0].type = DT_UNUSED;                       // a place left in the middle: the walk goes past it
    EXPECT_EQ(datatype_around(DT_FIRE, 230, 230), 1);

    EXPECT_EQ(dp_leftmins(DATA_MAX), 0);
    EXPECT_EQ(dp_spentmins(-1), 0);
    dp_addmins(DATA_MAX, 5);
    Data[1].ready_minute = 100;
    dp_addmins(1, 30);
    EXPECT_EQ(dp_leftmins(1), 70);
}

TEST_F(DataPool, CreaturesOnSquares) {
    set_data(DT_CREATURE, 240, 241, 1003, 1);
    set_data(DT_CREATURE, 240, 241, 1004, 1);
    EXPECT_EQ(cre_datapos(3), 0);
    EXPECT_EQ(datapos_Crepos(1), 4);
    EXPECT_EQ(cre_x(4), 240);
    EXPECT_EQ(cre_y(4), 241);
    EXPECT_EQ(cre_x(CRE_PLAYER), PlayerX);
    EXPECT_EQ(cre_x(9), 0);
    cr_loc(3);
    EXPECT_EQ(GeneralX, 240);
    EXPECT_EQ(GeneralY, 241);
    cr_loc(9);
    EXPECT_EQ(GeneralX, 0);

    Cre[3].posture = 4;                             // the unconscious one yields to the other
    EXPECT_EQ(cre_xy(240, 241), 4);
    Cre[4].korkeus = -100;                          // a diver is not seen
    EXPECT_EQ(cre_xy(240, 241), 3);
    EXPECT_EQ(cre_xy(1, 1), -1);

    Cre[3].speciescode = 605;
    EXPECT_EQ(is_datapos_OLENTO(0, 605), 1);
    EXPECT_EQ(is_datapos_OLENTO(1, 605), 0);

    Data[0].type = DT_CARCASS;
    EXPECT_EQ(dp_nyljetty(0), 0);
    set_data(DT_SKIN, 240, 241, 0, 1);
    EXPECT_EQ(dp_nyljetty(0), 1);
}

TEST_F(DataPool, ItemsAround) {
    define(5, IT_FOOD, "Fish", 490);
    define(6, IT_FOOD, "Big fish", 490);
    define(7, IT_TOOL, "Rope", 333);
    set_data(DT_ITEM, 230, 230, 5, 3);
    set_data(DT_ITEM, 232, 230, 6, 2);
    set_data(DT_ITEM, 240, 230, 5, 9);
    set_data(DT_ITEM, 231, 231, 7, 1);
    EXPECT_EQ(esineids_around(490, 231, 230, 1), 5);
    EXPECT_EQ(get_itemtype(IT_TOOL, 231, 231), 3);
}

// The pool's scans that look at several records at a time answer as a walk record by record does,
// wherever in the pool (in which place of a group of four) the records lie, among records of the
// neighbouring squares, of the same square and another type, and freed places.
TEST_F(DataPool, GroupedScansFindWhatTheWalkFinds) {
    define(7, IT_TIMBER, "Log");
    const std::vector<std::vector<int>> layouts = {
        {}, {0}, {1}, {2}, {3}, {4, 9999}, {9996, 9997, 9998}, {5000, 5001, 5002, 5003}, {2847}, {6, 13, 4095}};
    // the fuel of the square with its logs alone at the front of the pool: the long way
    auto fuel_alone = [&](const std::vector<int> &at) {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        for (size_t k = 0; k < at.size(); k++) pool_put(DT_ITEM, 230, 230, 7, (int)k + 2);
        return PolttoTarkistus(230, 230, 0, "");
    };
    for (const std::vector<int> &at : layouts) {
        SCOPED_TRACE(at.empty() ? -1 : at[0]);
        const int expected_fuel = fuel_alone(at);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        const int hi = at.empty() ? 700 : std::max(700, at.back() - 3);
        for (int i = 0; i < hi; i++) {   // the neighbours, and what else lies on the square
            Data[i].type = i % 7 == 0 ? DT_FREED : i % 3 == 0 ? DT_PLANT : DT_ITEM;
            Data[i].x = (uint16_t)(i % 3 == 0 ? 230 : 230 + (i % 2 ? 1 : -1));
            Data[i].y = (uint16_t)(i % 5 == 0 ? 231 : 230);
            Data[i].id = 7;
            Data[i].count = 1;
        }
        for (size_t k = 0; k < at.size(); k++) {
            Data[at[k]] = DataStruct{};
            Data[at[k]].type = DT_ITEM;
            Data[at[k]].x = Data[at[k]].y = 230;
            Data[at[k]].id = 7;
            Data[at[k]].count = (uint16_t)(k + 2);
        }
        int walk_found = -1, walk_end = 0;
        for (int i = DATA_MAX - 1; i >= 0 && walk_found < 0; i--)
            if (Data[i].type == DT_ITEM && Data[i].x == 230 && Data[i].y == 230) walk_found = i;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type != DT_UNUSED && Data[i].type != DT_FREED) walk_end = i + 1;
        EXPECT_EQ(get_datatype(DT_ITEM, 230, 230), walk_found);
        EXPECT_EQ(crestep_pool_end(), walk_end);
        EXPECT_EQ(PolttoTarkistus(230, 230, 0, ""), expected_fuel);
    }
}
