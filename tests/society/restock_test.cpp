// A village's restocking: how many of each class its people and culture call for, the culture tables
// with their defaults, and a village's goods used up and restocked on its own local map.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <vector>
#include <algorithm>

#include "core/datafunc.h"
#include "core/loader_fixture.h"
#include "maps/marker.h"
#include "core/obj_func.h"
#include "core/creatures.h"
#include "creatures/village_fixture.h"
#include "items/itemdefs.h"
#include "society/restock.h"
#include "society/village.h"

namespace {

// ---- the rules ----

struct UnitsCase {
    const char *what;
    std::function<int()> units;
    int lo, hi;                    // every draw inside; a range shows both ends over the draws
};

TEST(RestockRules, UnitsFollowPeopleCultureAndDays) {
    const int F = RESTOCK_FIRST;
    auto armour = [](int p, int c, int d, int ha, int hc) { return restock_armour_units(p, c, d, ha, hc); };
    auto weapons = [](int p, int c, int d, int hw, int hb) { return restock_weapon_units(p, c, d, hw, hb); };
    const UnitsCase cases[] = {
        {"10 of culture 0, first: 3 to 5 furs of 6", [=] { return restock_fur_units(10, 0, F, 0); }, 3, 5},
        {"10 of culture 0, 14 days, 4 held: 2 furs", [=] { return restock_fur_units(10, 0, 14, 4); }, 2, 2},
        {"10 of culture 0, 14 days, 6 held: none", [=] { return restock_fur_units(10, 0, 14, 6); }, 0, 0},
        {"4 people, 7 days: no fur", [=] { return restock_fur_units(4, 0, 7, 0); }, 0, 0},
        {"4 people, 7 days: one everyday food", [=] { return restock_food_units(4, 0, 0, 7, 0); }, 1, 1},
        {"4 people, 7 days, 8 held: no everyday food", [=] { return restock_food_units(4, 0, 0, 7, 8); }, 0, 0},
        {"4 people, 6 days: no food", [=] { return restock_food_units(4, 0, 0, 6, 0); }, 0, 0},
        {"culture 5 keeps no furs", [=] { return restock_fur_units(10, 5, F, 0); }, 0, 0},
        {"culture 12 furs at half", [=] { return restock_fur_units(10, 12, F, 0); }, 2, 3},
        {"no people, no food", [=] { return restock_food_units(0, 0, 0, F, 0); }, 0, 0},
        {"culture 0 keeps no salt", [=] { return restock_salt_units(10, 0, F, 0); }, 0, 0},
        {"culture 1 salt, 40 days", [=] { return restock_salt_units(10, 1, 40, 0); }, 2, 2},
        {"armour after 89 days: none", [=] { return armour(50, 1, 89, 0, 0).armour + armour(50, 1, 89, 0, 0).clothing; }, 0, 0},
        {"armour after 90 days: to its cap of 3", [=] { return armour(50, 1, 90, 0, 0).armour; }, 3, 3},
        {"clothing after 90 days: to its cap of 7", [=] { return armour(50, 1, 90, 0, 0).clothing; }, 7, 7},
        {"culture 5, first: no armour or clothing", [=] { auto n = armour(50, 5, F, 0, 0); return n.armour + n.clothing; }, 0, 0},
        {"culture 5, 200 days: no armour or clothing", [=] { auto n = armour(50, 5, 200, 0, 0); return n.armour + n.clothing; }, 0, 0},
        {"culture 0, first: the clothing target", [=] { return armour(50, 0, F, 0, 0).clothing; }, 5, 5},
        {"culture 12 has no armour", [=] { auto n = armour(50, 12, F, 0, 0); return n.armour + n.clothing; }, 0, 0},
        {"culture 0 has no smiths", [=] { return restock_smith_units(50, 0, F, 0); }, 0, 0},
        {"culture 1 smith-made tools, 20 days over the target", [=] { return restock_smith_units(20, 1, 20, 5); }, 1, 1},
        {"culture 0 war weapons, 40 days", [=] { return weapons(20, 0, 40, 0, 0).war; }, 2, 2},
        {"culture 0 bows, 40 days, 2 held", [=] { return weapons(20, 0, 40, 0, 2).bows; }, 1, 1},
        {"culture 12, first: war weapons 9 to 10", [=] { return weapons(100, 12, F, 0, 0).war; }, 9, 10},
        {"culture 12, first: bows at 0.07", [=] { return weapons(100, 12, F, 0, 0).bows; }, 6, 6},
        {"culture 12, first: no shields", [=] { return weapons(100, 12, F, 0, 0).shields; }, 0, 0},
        {"20 of culture 0, first: fishing gear 3 to 5", [=] { return restock_fishing_units(20, 0); }, 3, 5},
    };
    for (const UnitsCase &c : cases) {
        std::set<int> seen;
        for (int seed = 1; seed <= 60; seed++) {
            randomize(seed);
            const int n = c.units();
            EXPECT_GE(n, c.lo) << c.what;
            EXPECT_LE(n, c.hi) << c.what;
            seen.insert(n);
        }
        EXPECT_TRUE(seen.count(c.lo) && seen.count(c.hi)) << c.what << ": both ends drawn";
    }
}

TEST(RestockRules, CultureTablesAndTheirDefaults) {
    struct Share {
        int row, culture;
        float share;
    } shares[] = {
        {RS_FUR, 0, 0.6f}, {RS_FOOD, 8, 4}, {RS_FISH, 5, 5}, {RS_FISH, 8, 0}, {RS_SALT, 4, 0.15f},
        {RS_ARMOUR, 11, 0.1f}, {RS_BOW, 11, 0.2f}, {RS_POT, 0, 0.125f}, {RS_SHOVEL, 1, 0.08f},
        // the columns marked for the default take it
        {RS_FUR, 10, 0.5f}, {RS_FOOD, 11, 1.0f}, {RS_FISH, 10, 0.5f},
    };
    for (const Share &s : shares) EXPECT_FLOAT_EQ(restock_share(s.row, s.culture), s.share) << s.row << " " << s.culture;
    EXPECT_EQ(restock_count(RN_BOARD, 1), 15);
    EXPECT_EQ(restock_count(RN_TREASURE, 6), 3);
    EXPECT_EQ(restock_count(RN_SLENDER, 8), 15);

    // Codes of 12 and above: furs 0.5, food 1.0 and 0.5, war weapons 0.1, bows 0.07, nothing else.
    for (int c : {12, 13, 200, -1}) {
        EXPECT_FLOAT_EQ(restock_share(RS_FUR, c), 0.5f) << c;
        EXPECT_FLOAT_EQ(restock_share(RS_FOOD, c), 1.0f) << c;
        EXPECT_FLOAT_EQ(restock_share(RS_FISH, c), 0.5f) << c;
        EXPECT_FLOAT_EQ(restock_share(RS_WAR, c), 0.1f) << c;
        EXPECT_FLOAT_EQ(restock_share(RS_BOW, c), 0.07f) << c;
        for (int row : {RS_SALT, RS_ARMOUR, RS_CLOTHING, RS_SHIELD, RS_FISHING, RS_SMITH, RS_POT, RS_ROPE, RS_SICKLE, RS_SHOVEL})
            EXPECT_EQ(restock_share(row, c), 0.0f) << row << " " << c;
        for (int row : {RN_TUB, RN_BOWL, RN_BOARD, RN_STAKE, RN_SLENDER, RN_LOG}) EXPECT_EQ(restock_count(row, c), 0) << row;
    }
    // Targets are whole people's shares, never a hair short of them.
    EXPECT_EQ(restock_target(10, RS_FUR, 0), 6);
    EXPECT_EQ(restock_target(100, RS_BOW, 5), 7);
    EXPECT_EQ(restock_target(50, RS_CLOTHING, 3), 7);
}

// ---- a village on its own map ----

class RestockVillage : public VillageTest {
protected:
    void SetUp() override {
        VillageTest::SetUp();
        build_objdef_rows();
        people(10, 0);
    }
    void people(int n, int culture) {
        GetGlobVil(SOC);
        memset(globVil.people, 0, sizeof globVil.people);
        for (int i = 0; i < n; i++) globVil.people[i] = 90000u + (uint32_t)i;
        globVil.culture = (uint8_t)culture;
        SaveGlobVil();
    }
    // A stack of a made-up thing on a square, the village's.
    int stack(int x, int y, int type, int id, float weight, int count, uint8_t spoil = 20) {
        ItemStruct it{};
        it.type = (uint8_t)type;
        it.id = (uint32_t)id;
        it.weight = it.fullweight = weight;
        it.spoil = spoil;
        strcpy(it.name, "Test goods");
        const int dp = place_record(DT_ITEM, x, y, (uint32_t)Esineesta_Uniikki(it), count);
        Data[dp].owner = SOC_OWNER;
        return dp;
    }
    static float weight_of(int id) {
        float w = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && ObjToItem((int)d.id).id == (uint32_t)id) w += ObjToItem((int)d.id).weight * d.count;
        return w;
    }
};

TEST_F(RestockVillage, FirstStockingFollowsTheCulture) {
    struct Case {
        int people, culture;
        int armour_max, clothing_max, salt_max;
    } cases[] = {{10, 0, 0, 1, 0}, {50, 5, 0, 0, 4}, {50, 1, 3, 7, 9}, {2, 0, 0, 0, 0}};
    DoCreatures();   // the food is cooked from the game the culture's animal templates name
    for (const Case &c : cases) {
        people(c.people, c.culture);
        randomize(3);
        socinventory(SOC, 1500, 1000, 0, 1);
        const RestockTally &t = restock_tally();
        const int food = restock_target(c.people, RS_FOOD, c.culture);
        EXPECT_GE(t.stored[RG_FOOD], food / 2 > 0 ? 1 : 0) << c.culture;
        EXPECT_LT(t.stored[RG_FOOD], food > 1 ? food : 1) << c.culture;
        EXPECT_LE(t.stored[RG_ARMOUR], c.armour_max) << c.culture;
        EXPECT_LE(t.stored[RG_CLOTHING], c.clothing_max) << c.culture;
        EXPECT_LE(t.stored[RG_SALT], c.salt_max) << c.culture;
        if (c.people <= 3) {
            EXPECT_EQ(t.stored[RG_HOUSEHOLD] + t.stored[RG_TIMBER] + t.stored[RG_TREASURE], 0) << "too few for household goods";
        }
    }
    // Nothing for a society that is not there.
    socinventory(0, 1500, 1000, 0, 1);
    for (int g = 0; g < RG_GOODS; g++) EXPECT_EQ(restock_tally().stored[g], 0);
}

TEST_F(RestockVillage, AFortnightAwayUsesUpGoodsInTheCellOnly) {
    int food[9], far_food[2];
    for (int i = 0; i < 9; i++) food[i] = stack(210 + i, 210, IT_FOOD, 300, 1.0f, 1);
    for (int i = 0; i < 2; i++) far_food[i] = stack(150 + i, 150, IT_FOOD, 300, 1.0f, 1);   // the next cell
    const int big = stack(220, 220, IT_FOOD, 300, 1.0f, 10);
    const int spoiled = stack(221, 220, IT_TOOL, 300, 1.0f, 3, 255);
    const int roots = stack(222, 220, IT_FOOD, OID_ROOT, 5.0f, 10);        // 50 lb against 35
    stack(223, 220, IT_FOOD, OID_FLOUR, 10.0f, 1);       // 10 lb against 7

    socinventory(SOC, 1500, 1000, 14, 0);
    // Food budget 14 x 0.05 x 10 = 7: one unit from each of the first seven stacks of the cell.
    int left = 0;
    for (const DataStruct &d : Data) left += d.type == DT_ITEM && d.y == 210 && d.x >= 210 && d.x <= 218;
    EXPECT_EQ(left, 2);
    EXPECT_EQ(Data[food[8]].count, 1);
    EXPECT_EQ(Data[big].count, 10) << "past the budget";
    for (int dp : far_food) EXPECT_EQ(Data[dp].count, 1) << "another cell's goods";
    EXPECT_NE(Data[spoiled].type, DT_ITEM) << "spoiled goods thrown out whole";
    EXPECT_EQ(restock_tally().used_food, 7);
    // Reserves: 35 lb of roots, seven of the ten; 7 lb of flour from the one sack, 3 lb put back.
    EXPECT_EQ(Data[roots].count, 3);
    EXPECT_NEAR(weight_of(OID_FLOUR), 3.0f, 0.01f);
}

// A class without a target makes nothing however often she comes back: the armour of a people that
// keeps none, and the clothing of a village too small for its share, never pile up.
TEST_F(RestockVillage, AClassWithoutATargetStaysEmptyQuarterAfterQuarter) {
    DoCreatures();
    struct Case {
        int people, culture, goods;
    } cases[] = {
        {20, 0, RG_ARMOUR},
        {20, 2, RG_ARMOUR},
        {8, 0, RG_CLOTHING},   // 8 x 0.11 rounds down to none
    };
    for (const Case &c : cases) {
        people(c.people, c.culture);
        int made = 0;
        for (int quarter = 1; quarter <= 4; quarter++) {
            randomize(quarter);
            socinventory(SOC, 1500, 1000, 90, 0);
            made += restock_tally().stored[c.goods];
        }
        EXPECT_EQ(made, 0) << RESTOCK_GOODS_NAME[c.goods] << ", culture " << c.culture;
    }
}

// Her own village, loaded and entered: stocked for its people and culture, and a fortnight later its
// cell's goods are used up while the goods of the cells around it stay as they were.
class RestockHerVillage : public oxatest::LoaderTest {};

TEST_F(RestockHerVillage, StockedThenAFortnightLaterOnlyItsCellIsUsedUp) {
    enter_her_village();
    const int x = IsoX(), y = IsoY(), soc = (int)Mapinfo_socID(x, y);
    ASSERT_GT(soc, 0);
    const int people = socpopulation(soc);
    ASSERT_GT(people, 3);
    ASSERT_EQ(GetGlobVil(soc), 1);
    const int culture = globVil.culture;

    socinventory(soc, x, y, 0, 1);
    const int food = restock_target(people, RS_FOOD, culture);
    EXPECT_LT(restock_tally().stored[RG_FOOD], food > 1 ? food : 1);
    if (food >= 2) {
        EXPECT_GE(restock_tally().stored[RG_FOOD], 1);
    }
    EXPECT_LE(restock_tally().stored[RG_ARMOUR], std::min(restock_target(people, RS_ARMOUR, culture), 3));
    EXPECT_LE(restock_tally().stored[RG_CLOTHING], std::min(restock_target(people, RS_CLOTHING, culture), 7));

    // Food of the cells around hers, which a fortnight in her village never touches.
    const int around = AREA_CENTRE - ZOOM_SIDE + 5;
    std::vector<int> far;
    ItemStruct meat{};
    meat.type = IT_FOOD;
    meat.id = 300;
    meat.weight = meat.fullweight = 1.0f;
    meat.spoil = 30;
    strcpy(meat.name, "Smoked mutton");
    const int obj = Esineesta_Uniikki(meat);
    for (int i = 0; i < 8; i++) {
        const int dp = place_record(DT_ITEM, around + i, around, (uint32_t)obj, 2);
        Data[dp].owner = SOC_OWNER;
        far.push_back(dp);
    }
    Plr.daynumber += 14;
    socinventory(soc, x, y, 14, 0);
    for (int dp : far) {
        EXPECT_EQ(Data[dp].type, DT_ITEM);
        EXPECT_EQ(Data[dp].count, 2);
    }
    EXPECT_LE(restock_tally().used_food, (int)(14 * 0.05 * people));
}

}  // namespace
