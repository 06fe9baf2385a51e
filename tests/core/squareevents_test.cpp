// Square events: finished work and the care it had, thrown items that bounce, arrivals that sink in
// water and bogs, the party's stack set down on a map, and the readiness and burning texts.
#include "maps/squareevents.h"

#include <cstring>
#include <string>

#include "common/pool_put.h"
#include "core/commandcodes.h"
#include "core/magicknow.h"
#include "core/obj_func.h"
#include "core/turn_fixture.h"
#include "items/items.h"
#include "maps/marker.h"
#include "maps/mapunit.h"
#include "maps/trapdata.h"

namespace {

class SquareTest : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        dir->copy_asset("messages/eng_world.txt");
        MSG_forget_index();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(Plr.party, 0, sizeof Plr.party);
        Plr.daynumber = 100;
        Plr.minutes = 100000;
        Plr.world_x = 500;
        Plr.world_y = 500;
        randomize(11);
    }
    static int stored(int type, const char *name, float weight, uint32_t material = 0) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = type == IT_FOOD ? 700 : 900;
        SET_ITEM_TEXT(it.name, name);
        it.weight = weight;
        it.spoil = 5;
        it.material = material;
        return Luo_Esineen_Itempos(it);
    }
    // A work process on a square with the minutes of care it had.
    static int work(int obj, int count, int care) {
        const int n = place(DT_WORK, 230, 231, obj, count);
        Data[n].flags = '{';
        Data[n].day = (uint16_t)care;
        return n;
    }
    static int place(int type, int x, int y, int id, int count) { return oxatest::pool_put(type, x, y, (uint32_t)id, count); }
    static int units(int type, int x, int y, int id) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == type && d.x == x && d.y == y && (id < 0 || d.id == (uint32_t)id)) n += d.count;
        return n;
    }
    static void put(int x, int y, int c) { maailma[mapidx(x, y)] = (uint8_t)c; }
    static int char_with(uint32_t have, uint32_t lack) {
        for (int c = 33; c < 256; c++)
            if (c != 4 && c != 5 && c != 18 && terrain_flag(c, have) && !terrain_flag(c, lack)) return c;
        return -1;
    }
};

TEST_F(SquareTest, FinishedWorkSpoilsByTheCareItHad) {
    const int fish = stored(IT_FOOD, "Smoked fish", 1.0f);
    // Full care and more: one stack of the full count, as it was.
    for (int care : {961, 2000, 960}) {
        memset(Data, 0, sizeof Data);
        const int n = work(fish, 12, care);
        Valmistunut_DATATYPE(n);
        EXPECT_EQ(Data[n].type, DT_ITEM);
        EXPECT_EQ(Data[n].id, (uint32_t)fish) << care;
        EXPECT_EQ(Data[n].count, 12);
        EXPECT_EQ(Data[n].flags, 0);
        EXPECT_EQ(Data[n].day, 0);
        EXPECT_EQ(units(DT_ITEM, 230, 231, -1), 12) << "nothing split off at care " << care;
    }
    // Below half the care: the whole stack spoils.
    memset(Data, 0, sizeof Data);
    int n = work(fish, 12, 479);
    Valmistunut_DATATYPE(n);
    EXPECT_NE(Data[n].id, (uint32_t)fish);
    EXPECT_EQ(ObjToItem((int)Data[n].id).spoil, 255);
    EXPECT_EQ(Data[n].count, 12);
    // Half the care: about half the units spoil, in a stack of their own beside the good ones.
    memset(Data, 0, sizeof Data);
    n = work(fish, 40, 480);
    Valmistunut_DATATYPE(n);
    const int good = units(DT_ITEM, 230, 231, fish);
    EXPECT_EQ(units(DT_ITEM, 230, 231, -1), 40) << "no unit is lost";
    EXPECT_GT(good, 5);
    EXPECT_LT(good, 35);
    // Work that has no spoiled form loses its failed units all the same.
    memset(Data, 0, sizeof Data);
    const int tar = stored(IT_TOOL, "Tar", 1.0f);
    n = work(tar, 40, 480);
    Valmistunut_DATATYPE(n);
    EXPECT_EQ(Data[n].id, (uint32_t)tar);
    EXPECT_GT(Data[n].count, 5);
    EXPECT_LT(Data[n].count, 35) << "the neglected units are gone";
    EXPECT_EQ(units(DT_ITEM, 230, 231, -1), Data[n].count) << "and nothing lies beside them";
    // Work without care marks is only made an item.
    memset(Data, 0, sizeof Data);
    n = work(fish, 3, 10);
    Data[n].flags = 0;
    Valmistunut_DATATYPE(n);
    EXPECT_EQ(Data[n].id, (uint32_t)fish);
    EXPECT_EQ(Data[n].day, 10);
}

TEST_F(SquareTest, WorkIsReadyOnItsDayOrMinuteWithItsOwnerAtHand) {
    const int n = place(DT_WORK, 230, 231, 1, 1);
    EXPECT_EQ(PreparedReady(n), 0);
    Data[n].ready_day = 101;
    EXPECT_EQ(PreparedReady(n), 0);
    Plr.daynumber = 101;
    EXPECT_EQ(PreparedReady(n), 1);
    Data[n].ready_day = 0;
    Data[n].ready_minute = Plr.minutes + 1;
    EXPECT_EQ(PreparedReady(n), 0);
    Plr.minutes++;
    EXPECT_EQ(PreparedReady(n), 1);
    Data[n].owner = 321;                              // the owner is away
    EXPECT_EQ(PreparedReady(n), 0);
    Cre[7].kind = CK_HUMAN;
    Cre[7].socialid = 321;
    Cre[7].mode = CM_ASLEEP;
    EXPECT_EQ(PreparedReady(n), 0);
    Cre[7].mode = 3;
    EXPECT_EQ(PreparedReady(n), 1);
    Data[n].ready_day = 200;
    EXPECT_EQ(PreparedReady(n), 1) << "its day is still ahead, but its minute has come";
    EXPECT_EQ(PreparedReady(-1), 0);
    EXPECT_EQ(PreparedReady(DATA_MAX), 0);
}

TEST_F(SquareTest, AThrownItemBouncesToAFreeSquareInSightOrStays) {
    const int wall = char_with(TF_BLOCKS, TF_WATER);
    ASSERT_GT(wall, 0);
    const int stone = stored(IT_VALUABLE, "Stone", 1.0f);
    for (int y = 239; y <= 241; y++)
        for (int x = 239; x <= 241; x++) {
            put(x, y, wall);
            set_tempcol(x, y, ' ');
        }
    // Nothing free around: it lies where it hit.
    aseta_heitetty_esine(240, 240, stone);
    EXPECT_EQ(units(DT_ITEM, 240, 240, stone), 1);
    EXPECT_EQ(GeneralX, 240);
    // One free square in sight; another free one out of sight is never taken.
    put(241, 241, CH_GROUND);
    put(239, 239, CH_GROUND);
    set_tempcol(239, 239, ':');
    int landed = 0, stayed = 0;
    for (int i = 0; i < 30; i++) {
        aseta_heitetty_esine(240, 240, stone);
        landed += GeneralX == 241 && GeneralY == 241;
        stayed += GeneralX == 240 && GeneralY == 240;
    }
    EXPECT_EQ(landed + stayed, 30);
    EXPECT_GT(landed, 10) << "ten tries of nine squares find the free one two times in three";
    EXPECT_GT(stayed, 0);
    EXPECT_EQ(units(DT_ITEM, 239, 239, stone), 0);
    EXPECT_EQ(units(DT_ITEM, 241, 241, stone), landed);
    // An arrow never bounces.
    ItemStruct arrow = ObjToItem(stone);
    arrow.subtype = ST_ARROW;
    arrow.id = 901;
    const int shot = Luo_Esineen_Itempos(arrow);
    aseta_heitetty_esine(240, 240, shot);
    EXPECT_EQ(GeneralX, 240);
    EXPECT_EQ(units(DT_ITEM, 240, 240, shot), 1);
}

TEST_F(SquareTest, WhatDoesNotFloatSinksAndABogSaysSoFirst) {
    const int water = char_with(TF_WATER, 0);
    ASSERT_GT(water, 0);
    put(240, 240, water);
    const int pot = stored(IT_VALUABLE, "Stone", 2.0f, MAT_ROCK);
    const int log = stored(IT_TIMBER, "Log", 5.0f, MAT_WOOD);
    place(DT_ITEM, 240, 240, pot, 2);
    place(DT_ITEM, 240, 240, log, 1);
    lastnote[0] = 0;
    esineet_paikkatarkistus(240, 240);
    EXPECT_EQ(units(DT_ITEM, 240, 240, pot), 0) << "the stone sank";
    EXPECT_EQ(units(DT_ITEM, 240, 240, log), 1) << "the log floats";
    EXPECT_EQ(strstr(lastnote, "bog"), nullptr);

    // A bog world cell: the note comes first.
    const int mire = char_with(TF_MIRE, TF_WATER);
    ASSERT_GT(mire, 0);
    maailma_alltime[mapidx(kohtaIsoX(240), kohtaIsoY(240))] = (uint8_t)mire;
    place(DT_ITEM, 240, 240, pot, 1);
    esineet_paikkatarkistus(240, 240);
    EXPECT_EQ(units(DT_ITEM, 240, 240, pot), 0);
    EXPECT_NE(strstr(lastnote, "sinks into the bog"), nullptr) << lastnote;

    // Nothing sinks from a boat's square, nor on dry land.
    ItemStruct boat = ObjToItem(log);
    boat.subtype = ST_BOAT;
    boat.id = 950;
    place(DT_ITEM, 240, 240, Luo_Esineen_Itempos(boat), 1);
    place(DT_ITEM, 240, 240, pot, 1);
    esineet_paikkatarkistus(240, 240);
    EXPECT_EQ(units(DT_ITEM, 240, 240, pot), 1);
    place(DT_ITEM, 230, 230, pot, 1);
    esineet_paikkatarkistus(230, 230);
    EXPECT_EQ(units(DT_ITEM, 230, 230, pot), 1);
}

TEST_F(SquareTest, ThePartyStackIsSetDownAndWhatFindsNoRoomStays) {
    const int fish = stored(IT_FOOD, "Fish", 1.0f);
    Plr.party[0].type = DT_PARTY;
    Plr.party[0].id = 77;
    Plr.party[0].count = 45;
    Plr.party[1].type = DT_ITEM;
    Plr.party[1].id = (uint32_t)fish;
    Plr.party[1].count = 3;
    Plr.party[2].type = DT_ITEM;                      // an empty item entry is simply dropped
    Plr.party[3].type = DT_CREATURE;                  // no creature has this number
    Plr.party[3].id = 0xfffffff0u;
    exit_mess();
    EXPECT_EQ(units(DT_PARTY, PlayerX, PlayerY, 77), 30) << "at most 30 of a party record";
    EXPECT_EQ(units(DT_ITEM, PlayerX, PlayerY, fish), 3);
    for (int k = 0; k < 3; k++) EXPECT_EQ(Plr.party[k].type, DT_UNUSED) << k;
    EXPECT_EQ(Plr.party[3].type, DT_CREATURE) << "a creature that could not come stays in the stack";

    // A full pool: the entries wait in the stack, none is lost.
    memset(Plr.party, 0, sizeof Plr.party);
    for (DataStruct &d : Data) {
        d = DataStruct{};
        d.type = DT_PLANT;
        d.x = d.y = 100;
    }
    Plr.party[0].type = DT_ITEM;
    Plr.party[0].id = (uint32_t)fish;
    Plr.party[0].count = 2;
    exit_mess();
    EXPECT_EQ(Plr.party[0].type, DT_ITEM);
    EXPECT_EQ(Plr.party[0].count, 2);
    EXPECT_EQ(lastnote[0], '!');
}

// Units of an object set down beside an equal item under another number join its stack: they lie
// there, so neither the party's stack keeps them nor a thrown one is reported lost.
TEST_F(SquareTest, UnitsThatJoinAnEqualStackAreSetDown) {
    struct Case {
        const char *what;
        bool thrown;
        int count;
    } cases[] = {{"party", false, 3}, {"thrown", true, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (DataStruct &d : Data) d = DataStruct{};
        memset(Plr.party, 0, sizeof Plr.party);
        lastnote[0] = 0;
        const int fish = stored(IT_FOOD, "Fish", 1.0f);
        const int twin = Esineesta_Uniikki(ObjToItem(fish));
        ASSERT_NE(twin, fish);
        place(DT_ITEM, PlayerX, PlayerY, fish, 2);
        if (c.thrown) {
            aseta_heitetty_esine(PlayerX, PlayerY, twin);
        } else {
            Plr.party[0].type = DT_ITEM;
            Plr.party[0].id = (uint32_t)twin;
            Plr.party[0].count = (uint16_t)c.count;
            exit_mess();
            EXPECT_EQ(Plr.party[0].type, DT_UNUSED) << "set down, not kept for the next map";
            exit_mess();
        }
        EXPECT_EQ(units(DT_ITEM, PlayerX, PlayerY, -1), 2 + c.count) << "neither lost nor doubled";
        EXPECT_EQ(lastnote[0], 0) << lastnote;
    }
}

TEST_F(SquareTest, DuplicateCreaturesOfTheStackComeOnce) {
    // Template creatures stand in for stored ones: numbers below 1000 name templates.
    ConstantCre[600].kind = 50;
    memset(RealCreaturePos, 0, sizeof RealCreaturePos);
    for (int k : {0, 1, 2}) {
        Plr.party[k].type = DT_CREATURE;
        Plr.party[k].id = 600;
        Plr.party[k].count = 1;
    }
    exit_mess();
    EXPECT_EQ(units(DT_CREATURE, PlayerX + 1, PlayerY, -1), 1);
    for (int k = 0; k < 3; k++) EXPECT_EQ(Plr.party[k].type, DT_UNUSED);
}

TEST_F(SquareTest, ReadinessAndBurningTextsAtTheirBounds) {
    const int n = place(DT_WORK, 230, 231, 1, 1);
    EXPECT_STREQ(DataReadyDesc(n), "some day");
    Data[n].ready_day = 101;
    EXPECT_STREQ(DataReadyDesc(n), "tomorrow");
    Data[n].ready_minute = Plr.minutes + 5;           // the day's word stands when it is tomorrow
    EXPECT_STREQ(DataReadyDesc(n), "tomorrow");
    Data[n].ready_minute = 0;
    Data[n].ready_day = 104;
    EXPECT_STREQ(DataReadyDesc(n), "after 4 days");
    Data[n].ready_day = 0;
    struct { int m; const char *text; } ready[] = {{14, "shortly"}, {15, "in half an hour"}, {39, "in half an hour"},
                                                   {40, "in an hour"}, {70, "in a few hours"}, {120, "in a few hours"},
                                                   {1301, "tomorrow"}, {2879, "tomorrow"}, {2880, "after 2 days"}};
    for (auto &r : ready) {
        Data[n].ready_minute = Plr.minutes + (uint32_t)r.m;
        EXPECT_STREQ(DataReadyDesc(n), r.text) << r.m;
    }
    Plr.hour = 12;
    Data[n].ready_minute = Plr.minutes + 121;
    EXPECT_STREQ(DataReadyDesc(n), "by afternoon");
    Plr.hour = 22;
    Data[n].ready_minute = Plr.minutes + 1300;        // 22 + 21 = 43, less 24: 19
    EXPECT_STREQ(DataReadyDesc(n), "by evening");

    struct { int m; const char *text; } fire[] = {{9, "for a very little while"}, {10, "for a little while"},
                                                  {19, "for a little while"}, {20, "for half an hour"},
                                                  {70, "for over an hour"}, {149, "for a few hours"},
                                                  {239, "for several hours"}};
    for (auto &f : fire) {
        Data[n].ready_minute = Plr.minutes + (uint32_t)f.m;
        EXPECT_STREQ(FireBurnDesc(n), f.text) << f.m;
    }
    Plr.hour = 12;
    Data[n].ready_minute = Plr.minutes + 240;
    EXPECT_STREQ(FireBurnDesc(n), "till late afternoon");
}

TEST_F(SquareTest, UsingUpWeightTakesOneUnitAtATime) {
    const int cheese = stored(IT_FOOD, "Cheese", 2.0f);
    const int n = place(DT_ITEM, 230, 230, cheese, 3);
    EXPECT_FLOAT_EQ(kuluta_datapos(n, 0.5f), 0.5f);
    EXPECT_EQ(Data[n].count, 1);
    EXPECT_FLOAT_EQ(ObjToItem((int)Data[n].id).weight, 1.5f);
    EXPECT_EQ(units(DT_ITEM, 230, 230, cheese), 2) << "the other units stay whole";
    // With no room in the object table for what is left of a unit, nothing is used.
    const std::vector<int> filled = fill_object_table();
    oxatest::push_key(SDLK_SPACE);   // the maintenance's note
    EXPECT_FLOAT_EQ(kuluta_datapos(n, 0.5f), 0.0f);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    free_objects(filled);
    EXPECT_FLOAT_EQ(ObjToItem((int)Data[n].id).weight, 1.5f);
    EXPECT_EQ(Data[n].count, 1);
    EXPECT_FLOAT_EQ(kuluta_datapos(n, 5.0f), 1.5f);
    EXPECT_NE(Data[n].type, DT_ITEM);
    EXPECT_FLOAT_EQ(kuluta_datapos(place(DT_WORK, 1, 1, cheese, 1), 1.0f), 0.0f);
}

TEST_F(SquareTest, TreeMarksGoWithTheTree) {
    const int tree = char_with(TF_TREE, TF_WATER);
    ASSERT_GT(tree, 0);
    put(235, 235, tree);
    EXPECT_EQ(get_TreeData_peeled(235, 235), 0);
    set_TreeData_peeled(235, 235);
    EXPECT_EQ(get_TreeData_peeled(235, 235), 1);
    const int n = init_TreeData(235, 235);
    Data[n].flags |= 1 << TREEDATA_SAPLING;
    EXPECT_EQ(is_TreeData_sapling(235, 235), 1);
    put(235, 235, CH_GROUND);
    EXPECT_EQ(is_TreeData_sapling(235, 235), 0);
    EXPECT_NE(Data[n].type, DT_TREE) << "the mark went with the tree";
}

// Meat laid naked in a built bear trap makes it the bear's alone, once and for good.
TEST_F(SquareTest, NakedMeatBaitFavoursABuiltBearTrap) {
    opi_taikakeino(40, 0);
    static const struct {
        const char *what;
        int trap, flags, bait, favoured;
    } cases[] = {
        {"meat in a bear trap", ACTION_BEAR_DEADFALL, 0, 500, 1},
        {"fish in a bear trap", ACTION_BEAR_DEADFALL, 0, 490, 1},
        {"a second bait keeps the favour", ACTION_BEAR_DEADFALL, TRAPF_FAVOURED, 500, 1},
        {"meat in another deadfall", ACTION_BIG_DEADFALL, 0, 500, 0},
        {"bread in a bear trap", ACTION_BEAR_DEADFALL, 0, 700, 0},
    };
    int x = 220;
    for (const auto &c : cases) {
        put(++x, 232, CH_GROUND);
        const int trap = place(DT_TRAP, x, 232, c.trap, 1);
        Data[trap].flags = (uint8_t)c.flags;
        ItemStruct it;
        ClrItemstruct(it);
        it.type = IT_FOOD;
        it.id = (uint32_t)c.bait;
        SET_ITEM_TEXT(it.name, "Bait");
        it.weight = 1.0f;
        place(DT_ITEM, x, 232, Luo_Esineen_Itempos(it), 1);
        esineet_paikkatarkistus(x, 232);
        EXPECT_EQ(Data[trap].flags & TRAPF_FAVOURED, c.favoured ? TRAPF_FAVOURED : 0) << c.what;
        EXPECT_EQ(Data[trap].flags & ~TRAPF_FAVOURED, c.flags & ~TRAPF_FAVOURED) << c.what;
    }
}

}  // namespace
