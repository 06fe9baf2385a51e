// tests/creatures/step_choice_test.cpp -- the shortcuts of the creatures' pass answer as the long way
// did: test steps left out only where they change nothing, water depths remembered for one pass, a
// lone animal that skips the herd scan, wound sums read from the slots, searches that end at the
// last record in use, and ice and open water told from the map where the pool holds none.
#include "core/datafunc.h"
#include "core/weatherengine.h"
#include "creatures/cremove.h"
#include "creatures/wounds.h"
#include "life_fixture.h"
#include "maps/water.h"
#include "maps/waterpass.h"

#include <vector>

using StepChoice = LifeTest;

TEST_F(StepChoice, TestsOnFencesIceOrAFollowersWaterAreNotQuiet) {
    animal(1, 240, 240);
    EXPECT_TRUE(crestep_quiet_tests(1, 240, 240, 250, 250));
    put(250, 250, 42);   // a fence at the goal
    EXPECT_FALSE(crestep_quiet_tests(1, 240, 240, 250, 250));
    put(250, 250, CH_GROUND);
    put(239, 241, CH_DEEP_WATER);   // open water beside a wild animal
    EXPECT_TRUE(crestep_quiet_tests(1, 240, 240, 250, 250));
    Cre[1].owner = CRE_PLAYER;      // her pet asks whether it follows her
    EXPECT_FALSE(crestep_quiet_tests(1, 240, 240, 250, 250));
    Cre[1].owner = 0;
    Plr.month = 1;
    place_record(DT_ICEHOLE, 239, 241, 0, 200);   // ice it might try to climb onto
    ASSERT_GT(crestep_ice(239, 241), 0);
    EXPECT_FALSE(crestep_quiet_tests(1, 240, 240, 250, 250));
    Cre[1].korkeus = 100;           // in the air it is no walker
    EXPECT_TRUE(crestep_quiet_tests(1, 240, 240, 250, 250));
    Cre[1].korkeus = 0;
    Cre[1].moveclass = 96;          // nor is a swimmer
    EXPECT_TRUE(crestep_quiet_tests(1, 240, 240, 250, 250));
    Cre[1].moveclass = 0;
    put(239, 241, CH_GROUND);
    cre_spare(Cre[1], SPARE_FENCEBUMPS) = 2;   // a test on open ground would clear the count
    EXPECT_FALSE(crestep_quiet_tests(1, 240, 240, 250, 250));
    // beside the player a person's test onto her square asks whether it is her companion
    animal(2, PlayerX + 1, PlayerY);
    EXPECT_TRUE(crestep_quiet_tests(2, PlayerX + 1, PlayerY, 250, 250));
    person(3, PlayerX - 1, PlayerY);
    EXPECT_FALSE(crestep_quiet_tests(3, PlayerX - 1, PlayerY, 250, 250));
    person(4, 250, 260);
    EXPECT_TRUE(crestep_quiet_tests(4, 250, 260, 240, 260));
    EXPECT_FALSE(crestep_quiet_tests(4, 250, 260, PlayerX, PlayerY));
}

TEST_F(StepChoice, APersonBoxedInBesideAFenceBumpsItOnEveryChoiceAndCrossesOnTheFourth) {
    person(1, 240, 240);
    for (int d = 0; d < 7; d++) put(240 + Heds_x(d), 240 + Heds_y(d), 18);   // pines on seven sides
    put(241, 241, 42);                                                        // and a fence
    put(250, 250, 18);   // the goal a pine too: no test on open ground clears the count
    for (int i = 1; i <= 3; i++) {
        EXPECT_EQ(askel_kohti_paikkaa(1, 250, 250), 0) << i;
        EXPECT_EQ(cre_spare(Cre[1], SPARE_FENCEBUMPS), i) << "every test of the choice is taken";
        EXPECT_EQ(cx(1), 240);
    }
    askel_kohti_paikkaa(1, 250, 250);
    EXPECT_EQ(cx(1), 241);
    EXPECT_EQ(cy(1), 241);
}

TEST_F(StepChoice, AQuietChoiceStillStepsAroundWhatBlocksTheWay) {
    animal(1, 240, 240);
    Cre[1].Suunta = 0;
    for (int y = 236; y <= 243; y++) put(242, y, 18);   // a row of pines east, open to the north
    for (int i = 0; i < 30 && cx(1) < 245; i++) askel_kohti_paikkaa(1, 250, 240);
    EXPECT_GE(cx(1), 245) << "it went round the row";
    EXPECT_NE(get_mapchar(cx(1), cy(1)), 18);
}

TEST_F(StepChoice, AWaterDepthIsRememberedOnlyForOnePass) {
    for (int x = 240; x <= 250; x++) put(x, 240, CH_DEEP_WATER);
    for (int x = 240; x <= 250; x++) korkeuskartta[mapidx(x, 240)] = 10;
    korkeuskartta[mapidx(245, 240)] = 4;
    crestep_pass_begin();
    EXPECT_EQ(crestep_depth(245, 240), vesisyvyys(245, 240));
    EXPECT_EQ(crestep_depth(245, 240), 6);
    korkeuskartta[mapidx(245, 240)] = 7;
    EXPECT_EQ(crestep_depth(245, 240), 6) << "kept for the rest of the pass";
    crestep_pass_end();
    crestep_pass_begin();
    EXPECT_EQ(crestep_depth(245, 240), 3) << "the next pass asks again";
    crestep_pass_end();
    EXPECT_EQ(crestep_depth(245, 240), vesisyvyys(245, 240));
}

TEST_F(StepChoice, ALoneAnimalOfAKindThatNeverHerdsFindsNoLeader) {
    animal(1, 240, 240, 660, 400.0f);   // elk
    animal(2, 242, 240, 660, 400.0f);
    EXPECT_TRUE(yhteisoton_elain(1));
    EXPECT_EQ(laumanjohtaja(1), -1);
    EXPECT_EQ(Cre[1].community, 0u);
    EXPECT_EQ(Cre[2].community, 0u);
    EXPECT_EQ(Cre[1].herd, 0);
    // two elks of one community herd after all
    Cre[1].community = Cre[2].community = 77;
    EXPECT_FALSE(yhteisoton_elain(1));
    EXPECT_EQ(laumanjohtaja(1), 1);
    EXPECT_EQ(laumanjohtaja(2), 1);
    // herding kinds, dogs and people always look
    animal(3, 250, 250, 620);
    EXPECT_FALSE(yhteisoton_elain(3));
    animal(4, 252, 250, 618, 20.0f);
    EXPECT_FALSE(yhteisoton_elain(4));
    person(5, 254, 250);
    EXPECT_FALSE(yhteisoton_elain(5));
}

TEST_F(StepChoice, ACreaturesWoundSumsCountTheSlotsThatHoldAWound) {
    CreatureStruct &c = Cre[6];
    c.kind = 5;
    c.woundkind[0] = WK_CUT, c.woundinjury[0] = 5, c.woundbleeding[0] = 2;
    c.woundkind[1] = 0, c.woundinjury[1] = 40, c.woundbleeding[1] = 40;   // an empty slot
    c.woundkind[19] = 200, c.woundinjury[19] = 3, c.woundbleeding[19] = 1;   // read as an illness
    EXPECT_EQ(body_injury_sum(6), 8);
    EXPECT_EQ(body_bleeding_sum(6), 3);
    for (int s = 0; s < WOUND_SLOTS; s++) {
        WoundSlot w;
        ASSERT_TRUE(wound_get(6, s, w));
        EXPECT_EQ(w.kind != 0, c.woundkind[s] != 0) << s;
    }
}

TEST_F(StepChoice, APoolSearchFindsRecordsPastGapsAndFreedPlacesPastTheEnd) {
    for (int i = 0; i < 50; i++) place_record(DT_ITEM, 240, 240, 1);
    for (int i = 10; i < 40; i++) Data[i].type = DT_FREED;
    const int far = place_record(DT_FIRE_REMAINS, 250, 250, 0);   // past the gap, at the first unused place
    ASSERT_GE(far, 50);
    Paikka p = HaePaikka_Datamerkki(240, 240, 30, DT_FIRE_REMAINS, DT_FIRE_REMAINS);
    EXPECT_EQ(p.dp, far);
    // a freed place beyond the last record in use is still found by a search for freed places
    Data[far] = DataStruct{};
    Data[far + 100].type = DT_FREED;
    p = HaePaikka_Datamerkki(10, 10, 30, DT_FREED, DT_FREED);
    EXPECT_EQ(p.dp, far + 100);
}

// In a pass, a square without an ice hole or open water has its ice and open water told from the
// map and the frost alone: every square answers as the pool answers it outside a pass, as the pass
// began, after a hole is broken during it, and after one is set down during it past where the pool
// ended as it began.
TEST_F(StepChoice, IceAndOpenWaterInAPassAnswerAsThePoolDoes) {
    for (int y = 236; y <= 244; y++)
        for (int x = 236; x <= 244; x++) put(x, y, CH_DEEP_WATER);
    const int keep_frost = GlobWeather.water_temp;
    GlobWeather.water_temp = -300;
    place_record(DT_ICEHOLE, 238, 238, 0, 40);
    place_record(DT_OPENWATER, 240, 240, 0);
    auto answers = [] {
        std::vector<int> a;
        for (int y = 235; y <= 245; y++)
            for (int x = 235; x <= 245; x++) a.push_back(ice_thickness_true(x, y) * 2 + (avovesi(x, y) ? 1 : 0));
        return a;
    };
    const struct Case {
        const char *what;
        bool break_ice, set_hole;
    } cases[] = {
        {"as the pass began", false, false},
        {"a hole broken during the pass", true, false},
        {"a hole set down during the pass", false, true},
    };
    for (const Case &c : cases) {
        const int end = crestep_pool_end();
        crestep_pass_begin(end);
        EXPECT_TRUE(water_index_no_records(237, 237)) << c.what;
        EXPECT_FALSE(water_index_no_records(238, 238)) << c.what;
        EXPECT_GT(ice_thickness_true(237, 237), 0) << c.what;
        if (c.break_ice) do_break_ice(244, 244);
        if (c.set_hole) {
            set_data(DT_ICEHOLE, 242, 242, 0, 25);
            ASSERT_EQ(Data[end].type, DT_ICEHOLE) << "past the end";
        }
        const std::vector<int> in_pass = answers();
        crestep_pass_end();
        EXPECT_EQ(in_pass, answers()) << c.what;
    }
    GlobWeather.water_temp = keep_frost;
}
