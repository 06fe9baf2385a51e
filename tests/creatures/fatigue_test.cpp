// Load, penalties, speed and limbs; fatigue and the minute's body upkeep.
#include "body_fixture.h"

#include <cmath>

#include "core/maintenance.h"
#include "creatures/predicates.h"
#include "items/ownership.h"
#include "items/wearing.h"
#include "items/inventory.h"
#include "creatures/physical.h"

namespace oxatest {

using FatigueTest = BodyTest;

TEST_F(FatigueTest, OverloadStopsHerAndLightClothingIsFree) {
    give(0, thing(IT_TOOL, "stone", 0, 195.0f));
    laske_Load(CRE_PLAYER);
    EXPECT_FLOAT_EQ(plr_get<float>(PB_LOAD), 195.0f);
    EXPECT_EQ(ENCUMBRANCE_PENALTY(-1), 33) << "ceil(2 x 195 / 12) at one and a half body weights";
    Plr.inv_obj[0] = 0;
    give(0, thing(IT_TOOL, "stone", 0, 195.5f));
    laske_Load(CRE_PLAYER);
    EXPECT_EQ(ENCUMBRANCE_PENALTY(-1), 100);
    EXPECT_EQ(ACTUAL_MOBILITY(-1), -1);
    EXPECT_GE(Laske_BITFIELD_Penalty(-1, 22), 100);

    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    ItemStruct shirt = thing(IT_ARMOUR, "wool shirt", 0, 6.0f);
    ItemStruct cloak = thing(IT_ARMOUR, "fur cloak", 0, 12.0f);
    give(0, shirt);
    give(1, cloak);
    ASSERT_EQ(Wear(0), 1);
    EXPECT_FLOAT_EQ(plr_get<float>(PB_FREEWORN), 6.0f);
    EXPECT_EQ(ENCUMBRANCE_PENALTY(-1), 2) << "only the unworn cloak counts";
    ASSERT_EQ(Wear(1), 1);
    EXPECT_FLOAT_EQ(plr_get<float>(PB_FREEWORN), 6.0f) << "past a tenth of the body weight worn weight counts";
    EXPECT_EQ(ENCUMBRANCE_PENALTY(-1), 2);
}

TEST_F(FatigueTest, LimbsAndSpeed) {
    EXPECT_EQ(MOBILITY(-1), 60);
    EXPECT_EQ(ACTUAL_MOBILITY(-1), 60);
    wound(0, WK_CUT, 2, BP_HAND, 16, 1);
    EXPECT_FLOAT_EQ(INVALIDITEETTI(-1, 3, 1), 1.0f) << "a hand of 16 points disables its side";
    EXPECT_FLOAT_EQ(INVALIDITEETTI(-1, 3, 2), 0.0f);
    wound(0, WK_CUT, 2, BP_HAND, 15, 1);
    EXPECT_NEAR(INVALIDITEETTI(-1, 3, 1), 45.0f / 48.0f, 1e-5);
    wound(1, WK_CUT, 2, BP_THIGH, 24, 2);
    EXPECT_FLOAT_EQ(INVASUHDE_liikuntaelimet(-1), 1.0f);
    EXPECT_EQ(ACTUAL_MOBILITY(-1), 0);
    Plr.posture = 0;
    Haavatarkistukset(0);
    EXPECT_EQ(Plr.posture, 1) << "useless legs drop her";
    EXPECT_EQ(Nouse(-1), 0);

    // A four-legged animal with one bad leg keeps at most 0.35 of its pace.
    CreatureStruct &elk = beast(3, 7, 609);
    elk.woundkind[0] = WK_TEAR;
    elk.woundlevel[0] = 3;
    elk.woundpart[0] = BP_KNEE;
    elk.woundside[0] = 1;
    elk.woundinjury[0] = 20;
    EXPECT_FLOAT_EQ(INVASUHDE_liikuntaelimet(3), 0.65f);
    EXPECT_LE(ACTUAL_MOBILITY(3), (int)(0.35f * MOBILITY(3)) + 1);
    EXPECT_GT(ACTUAL_MOBILITY(3), 0);
    // A bird with one badly hurt wing cannot fly.
    CreatureStruct &bird = beast(4, 21);
    bird.korkeus = 100;
    bird.woundkind[0] = WK_TEAR;
    bird.woundpart[0] = BP_UPPERARM;
    bird.woundside[0] = 2;
    bird.woundinjury[0] = 24;
    EXPECT_FLOAT_EQ(INVASUHDE_liikuntaelimet(4), 1.0f);
}

TEST_F(FatigueTest, WhoRunsAtTopSpeed) {
    struct Case {
        const char *what;
        int kind, mode, korkeus;
        bool runs;
    } cases[] = {
        {"a bird walking", 21, 0, 0, false},
        {"a bird fleeing on the ground", 21, 4, 0, false},
        {"a bird fighting on the ground", 21, 2, 0, true},
        {"a bird fleeing in the air", 21, 4, 100, true},
        {"a hare fleeing", 3, 4, 0, true},
    };
    for (const Case &k : cases) {
        CreatureStruct &c = beast(5, k.kind);
        const int walk = ACTUAL_MOBILITY(5);
        ASSERT_GT(walk, 0);
        const int top = (int)std::ceil((float)MAX_MOBILITY(5) * (float)walk / (float)MOBILITY(5));
        ASSERT_GT(top, walk);
        c.mode = (uint8_t)k.mode;
        c.korkeus = k.korkeus;
        EXPECT_EQ(ACTUAL_MOBILITY(5), k.runs ? top : walk) << k.what;
    }
}

TEST_F(FatigueTest, WinterSlowsEveryBodyUnlessSheRowsOrSkis) {
    beast(5, 3);
    const int summer = ACTUAL_MOBILITY(5);
    const uint8_t kept = Plr.movement_mode;
    Plr.month = 1;
    struct Case {
        int mode;
        bool slowed;
    } cases[] = {{1, true}, {2, true}, {3, false}, {7, false}};
    for (const Case &k : cases) {
        Plr.movement_mode = (uint8_t)k.mode;
        EXPECT_EQ(ACTUAL_MOBILITY(5), k.slowed ? (int)((float)summer * 0.8f) : summer) << k.mode;
    }
    Plr.movement_mode = kept;
}

TEST_F(FatigueTest, CreatureLoadAndEncumbrance) {
    CreatureStruct &c = beast(2, 1);
    c.weight = 60.0f;
    c.pack[0] = Esineesta_Uniikki(thing(IT_TOOL, "axe", 0, 4.0f));
    c.packcount[0] = 3;
    c.worn[0] = Esineesta_Uniikki(thing(IT_ARMOUR, "tunic", 0, 5.0f));
    EXPECT_EQ(ENCUMBRANCE_PENALTY(2), 2) << "ceil(2 x 12 / 12); the tunic is under a fifth of the weight";
    EXPECT_EQ(c.load, 12);
    c.endurance = 0;
    EXPECT_EQ(ENCUMBRANCE_PENALTY(2), 50);
    EXPECT_GE(FatigueRate(2), 1) << "no endurance reads as one";
    EXPECT_EQ(ENCUMBRANCE_PENALTY(-5), 0);
}

TEST_F(FatigueTest, CountingTheLoadMarksTheVillagesWhoseGoodsAreCarried) {
    ItemStruct bowl = thing(IT_TOOL, "bowl", 0, 1.0f);
    bowl.ownersoc = 41;
    bowl.ownerflags = OWN_UNPAID;
    ItemStruct axe = thing(IT_TOOL, "axe", 0, 3.0f);
    axe.ownersoc = 42;
    axe.ownerflags = OWN_TAKEN;
    give(0, bowl);
    give(1, axe);
    SET_UNPAID_ofsoc(77);   // a mark left from goods she no longer has
    laske_Load(CRE_PLAYER);
    EXPECT_TRUE(GOT_UNPAID_ofsoc(41));
    EXPECT_TRUE(GOT_TAKEN_ofsoc(42));
    EXPECT_FALSE(GOT_UNPAID_ofsoc(42));
    EXPECT_FALSE(GOT_UNPAID_ofsoc(77)) << "the lists are counted anew from her pack";
    Plr.inv_obj[1] = 0;
    laske_Load(CRE_PLAYER);
    EXPECT_FALSE(GOT_TAKEN_ofsoc(42));

    // On her pet's back they count as packed; on a wild animal's they do not.
    GOT_PACKED_clr();
    CreatureStruct &dog = beast(2, 7, 618);
    dog.pack[0] = Esineesta_Uniikki(axe);
    dog.packcount[0] = 1;
    laske_Load(2);
    EXPECT_FALSE(GOT_PACKED_ofsoc(42));
    set_CrePetAndMaster(2, -1);
    ASSERT_TRUE(onko_NPC_kesyelain(2));
    laske_Load(2);
    EXPECT_TRUE(GOT_PACKED_ofsoc(42));
    GOT_PACKED_clr();
    GOT_UNPAID_clr();
}

TEST_F(FatigueTest, FatigueStaysWithinItsRange) {
    give(0, thing(IT_TOOL, "stone", 0, 120.0f));
    laske_Load(CRE_PLAYER);
    EXPECT_EQ(FatigueRate(-1), 10);
    AsetaPonnistelu(-1, 10);
    for (int i = 0; i < 20; i++) FatigueTick(-1, 1);
    EXPECT_FLOAT_EQ(plr_get<float>(PB_FATIGUE), 100.0f);
    EXPECT_EQ(FATIGUE_PENALTY(-1), 100);
    AsetaPonnistelu(-1, 1);
    for (int i = 0; i < 60; i++) FatigueTick(-1, 1);
    EXPECT_FLOAT_EQ(plr_get<float>(PB_FATIGUE), 0.0f);
    AsetaPonnistelu(-1, 3);
    FatigueTick(-1, 1);
    EXPECT_NEAR(plr_get<float>(PB_FATIGUE), 10.0f / 32.0f, 1e-5);
    EXPECT_STREQ(effortdesc(3), "light");
    EXPECT_STREQ(effortdesc(9), "");
}

TEST_F(FatigueTest, TheClockDrivesTheBody) {
    Plr.energy = 5000;
    Plr.stomach = 100;
    plr_set<int32_t>(PB_SLEEPINESS, 600);
    AsetaPonnistelu(-1, 7);
    MinuteTick(10, 0);
    EXPECT_EQ(Plr.energy, 5000u - 40u);
    EXPECT_EQ(plr_get<int32_t>(PB_SLEEPINESS), 640);
    EXPECT_EQ(Plr.thirst, 20);
    EXPECT_EQ(Plr.stomach, 90);
    EXPECT_GT(plr_get<float>(PB_FATIGUE), 0.0f);
    EXPECT_STREQ(VasymysTeksti(640, 0), "Lively");
    EXPECT_STREQ(VasymysTeksti(2000, 1), "You are very sleepy and");
    Plr.stomach = 55;
    Plr.energy = 400;
    EXPECT_EQ(nalantunne(-1), 255);
    Plr.energy = 3200;
    EXPECT_EQ(nalantunne(-1), 100);
}

}  // namespace oxatest
