// Wear by grade bands, armour and shoe wear, and consuming weight or length.
#include "../activities/activity_fixture.h"

#include "core/player.h"
#include "items/items_test.h"
#include "items/itemwear.h"
#include "items/wearing.h"

namespace oxatest {

class ItemWear : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_body.txt");
        MSG_forget_index();
        StepSecCounter = StepMinCounter = 0;
        PrevKenkaSlot = -1000;
    }
    static ItemStruct graded(int grade, float weight = 10.0f) {
        ItemStruct it = thing(IT_WEAPON, "axe", 0, weight);
        ItemSet_laatu(grade, it);
        return it;
    }
    static int grade(const ItemStruct &it) { return ItemGet_laatu(&it); }
    static std::string name_of(const ItemStruct &it) {
        char n[41];
        return item_name(it, n);
    }
};

TEST_F(ItemWear, GradeFallsBandByBand) {
    ItemStruct it = graded(3);
    EXPECT_EQ(DamageObj(it, 10.0f, 8, 0), 0);
    EXPECT_FLOAT_EQ(it.weight, 9.0f);
    EXPECT_EQ(grade(it), 3) << "90 percent is in the same band as the whole";
    EXPECT_EQ(it.quality & QUAL_KNOWN, 0);
    EXPECT_EQ(DamageObj(it, 3.0f, 8, 0), 0);
    EXPECT_EQ(grade(it), 2) << "87 percent crosses into the next band";
    EXPECT_NE(it.quality & QUAL_KNOWN, 0);

    ItemStruct best = graded(5);
    DamageObj(best, 10.0f, 8, 0);
    EXPECT_FLOAT_EQ(best.weight, 9.5f) << "the best grade wears at half the rate";

    ItemStruct worst = graded(1);
    for (int i = 0; i < 5; i++) DamageObj(worst, 5.0f, 8, 0);
    EXPECT_EQ(grade(worst), 1) << "never below grade 1";
    ItemStruct breaking = graded(2);
    EXPECT_EQ(DamageObj(breaking, 50.0f, 8, 50), 1);
    EXPECT_EQ(grade(breaking), 2) << "the breaking call leaves the grade";
    // Five decimals, whatever the locale.
    ItemStruct fine = graded(3, 1.0f);
    DamageObj(fine, 0.1234f, 0, 0);
    EXPECT_FLOAT_EQ(fine.weight, 1.0f - 0.00123f);
}

TEST_F(ItemWear, ArmourWearsWhereItIsHit) {
    ItemStruct jerkin = thing(IT_ARMOUR, "leather jerkin", 0, 10.0f);
    jerkin.cover[1] = 1 << (9 - 8);   // the thorax
    ItemStruct charmed = jerkin;
    SET_ITEM_TEXT(charmed.name, "charmed vest");
    charmed.magic = 2;
    give(0, jerkin);
    give(1, charmed);
    Wear(0);
    Wear(1);
    armour_damage(9, 10);
    const float a = ObjToItem(Plr.inv_obj[0]).weight, b = ObjToItem(Plr.inv_obj[1]).weight;
    EXPECT_NEAR(10.0f - a, 1.0f, 0.01f);
    EXPECT_NEAR(10.0f - b, 0.5f, 0.01f) << "the special mark halves the wear";
    armour_damage(0, 10);
    EXPECT_FLOAT_EQ(ObjToItem(Plr.inv_obj[0]).weight, a) << "the skull is not covered";
    // A broken piece leaves; the piece that moves into its slot is spared by this blow.
    armour_damage(9, 70);
    EXPECT_TRUE(noted("breaks apart"));
    ASSERT_NE(Plr.inv_obj[0], 0);
    const ItemStruct moved = ObjToItem(Plr.inv_obj[0]);
    EXPECT_EQ(name_of(moved), "charmed vest");
    EXPECT_FLOAT_EQ(moved.weight, b);
    EXPECT_EQ(Plr.inv_obj[1], 0);
}

TEST_F(ItemWear, ShoesWearFromTheSecondHourInTheSameSlot) {
    ItemStruct shoes = thing(IT_ARMOUR, "leather shoes", 0, 2.0f);
    shoes.material = MAT_LEATHER;
    give(0, shoes);
    Wear(0);
    Kuluta_Kenkia(0, 60);
    EXPECT_FLOAT_EQ(ObjToItem(Plr.inv_obj[0]).weight, 2.0f) << "the first hour only finds them";
    for (int i = 0; i < 59; i++) Kuluta_Kenkia(30, 0);
    Kuluta_Kenkia(30, 59);
    EXPECT_EQ(StepMinCounter, 0);
    EXPECT_LT(ObjToItem(Plr.inv_obj[0]).weight, 2.0f) << "the second hour in the same shoes wears them";
    Kuluta_Kenkia(50, 0);
    Kuluta_Kenkia(50, 0);
    EXPECT_EQ(StepSecCounter, 0) << "a full minute starts the seconds over";
    EXPECT_EQ(StepMinCounter, 1);
    Plr.movement_mode = 2;
    const float now = ObjToItem(Plr.inv_obj[0]).weight;
    Kuluta_Kenkia(0, 120);
    EXPECT_FLOAT_EQ(ObjToItem(Plr.inv_obj[0]).weight, now) << "no wear while swimming";
}

TEST_F(ItemWear, UsingUpContentsGivesTheVesselBack) {
    ItemStruct cup = thing(IT_CONTAINER, "birch-bark cup", 0, 0.0f);
    cup.fullweight = 1.0f;
    const int cup_pos = Esineesta_Uniikki(cup);
    ItemStruct water = thing(IT_FOOD, "water", OID_WATER, 1.0f);
    water.vessel = (uint32_t)cup_pos;
    water.ownersoc = 7;
    water.ownerflags = OWN_UNPAID;
    give(0, thing(IT_TOOL, "knife", 0, 0.5f));
    give(1, water);
    EXPECT_FLOAT_EQ(Kuluta_PlrItem(1, 0.9f), 0.9f);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[1]).weight, 0.1f, 1e-5);
    EXPECT_NEAR(Kuluta_PlrItem(1, 0.96f), 0.1f, 1e-5);
    const ItemStruct back = ObjToItem(Plr.inv_obj[1]);
    EXPECT_EQ(back.type, IT_CONTAINER);
    EXPECT_EQ(back.vessel, 0u);
    EXPECT_EQ(back.ownersoc, 7u) << "the village's goods stay the village's";
    EXPECT_TRUE(noted("The birch-bark cup is empty now."));
    EXPECT_FLOAT_EQ(Kuluta_PlrItem(1, 1.0f), 0.0f) << "an empty vessel is left alone";
}

}  // namespace oxatest
