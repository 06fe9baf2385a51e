// Hit locations, body-part names by kind of body, recording injuries and illnesses, wound lines.
#include "body_fixture.h"

namespace oxatest {

using WoundsTest = BodyTest;

TEST_F(WoundsTest, HitLocationTables) {
    const struct { int zone, roll, part; } cases[] = {
        {0, 1, BP_SKULL}, {0, 16, BP_SKULL}, {0, 17, BP_EYE}, {0, 86, BP_FOREARM}, {0, 87, BP_HIP},
        {0, 88, BP_HAND}, {0, 100, BP_HIP}, {1, 3, BP_HIP}, {1, 69, BP_FOREARM}, {1, 95, BP_UPPERARM},
        {2, 85, BP_GROIN}, {2, 86, BP_HIP}, {2, 100, BP_CALF}, {3, 1, BP_FOREARM}, {3, 95, BP_FOOT},
    };
    for (const auto &c : cases) EXPECT_EQ(bodypart_from_roll(c.zone, c.roll), c.part) << c.zone << "/" << c.roll;
    // The legs zone never rolls past the foot, and a chosen part keeps its own number.
    for (int i = 0; i < 300; i++) EXPECT_LE(RandomBodypart(3, -1), BP_FOOT);
    EXPECT_EQ(RandomBodypart(1000, BP_KNEE), BP_KNEE);
    EXPECT_TRUE(Side == 1 || Side == 2);
    EXPECT_EQ(RandomBodypart(1000, BP_NECK), BP_NECK);
    EXPECT_EQ(Side, 3);
}

TEST_F(WoundsTest, KindsOfBodyAreHitAndNamedTheirOwnWay) {
    beast(1, 11);                 // a snake
    beast(2, 21);                 // a bird
    beast(3, 3, 601);             // a wolf
    beast(4, 7, 609);             // an elk
    for (int i = 0; i < 400; i++) {
        const int p = RandomBodypart(random(4), 1);
        EXPECT_TRUE(p == BP_SKULL || p == BP_ABDOMEN) << p;
        EXPECT_EQ(Side, 3);
        const int b = RandomBodypart(3, 2);
        EXPECT_NE(b, BP_GROIN);
        EXPECT_NE(b, BP_THIGH);
        if (b == BP_KNEE) {
            EXPECT_TRUE(Side == 1 || Side == 2);
        }
        EXPECT_NE(RandomBodypart(2, 3), BP_GROIN) << "an animal is hit in the abdomen instead";
    }
    EXPECT_STREQ(BODYPART(BP_CALF, 2), "shank");
    EXPECT_STREQ(BODYPART(BP_FOREARM, 2), "wing");
    EXPECT_STREQ(BODYPART(BP_HAND, 3), "paw");
    EXPECT_STREQ(BODYPART(BP_FOOT, 4), "hoof");
    EXPECT_STREQ(BODYPART(BP_THIGH, 3), "hind leg");
    EXPECT_STREQ(BODYPART(BP_UPPERARM, -1), "upper arm");
}

TEST_F(WoundsTest, FrostMergesOnlyWithoutAnEarlierHole) {
    Side = 1;
    EXPECT_EQ(SetInjury(4, BP_HAND, 1, 0, 6), 0);
    EXPECT_EQ(SetInjury(7, BP_HAND, 2, 0, 6), 0) << "same part and side: the first slot grows";
    EXPECT_EQ(slot(0).level, 2);
    EXPECT_EQ(slot(0).injury, 7);
    EXPECT_EQ(injury_total(), 7u);
    EXPECT_EQ(SetInjury(2, BP_HAND, 1, 0, 6), 0);
    EXPECT_EQ(slot(0).injury, 7) << "smaller frost keeps the larger injury";
    Side = 2;
    EXPECT_EQ(SetInjury(3, BP_HAND, 1, 0, 6), 1) << "the other hand is a wound of its own";
    // A hole before the frost slot: a new slot is taken.
    wound(0, 0, 0, 0, 0);
    plr_set<uint32_t>(PB_INJURY, (uint32_t)body_injury_sum(-1));
    EXPECT_EQ(SetInjury(5, BP_HAND, 1, 0, 6), 0);
    EXPECT_EQ(slot(0).kind, WK_FROST);
    EXPECT_EQ(slot(1).injury, 3);
    EXPECT_EQ(injury_total(), 8u);
}

TEST_F(WoundsTest, IllnessAddsToItsFirstSlotAndTotalsFollowTheSlots) {
    EXPECT_EQ(SetInjury(3, 0, 5, 0, ILL_INFLUENZA), 0);
    EXPECT_EQ(slot(0).treatment, 5) << "an illness keeps its level as its state";
    EXPECT_EQ(SetInjury(4, 0, 5, 0, ILL_INFLUENZA), 0);
    EXPECT_EQ(slot(0).injury, 7);
    Side = 2;
    for (int i = 1; i < WOUND_SLOTS; i++) SetInjury(2, BP_THORAX, 1, 1, 2);
    EXPECT_EQ(injury_total(), 7u + 2u * 19u);
    EXPECT_EQ(bloodloss(), 19u);
    // The twenty-first wound writes over slot 19, whose injury and bleeding leave the totals first.
    EXPECT_EQ(SetInjury(9, BP_FOOT, 2, 3, 4), 19);
    EXPECT_EQ(slot(19).kind, WK_PUNCTURE);
    EXPECT_EQ(injury_total(), (uint32_t)body_injury_sum(-1));
    EXPECT_EQ(bloodloss(), (uint32_t)body_bleeding_sum(-1));
    EXPECT_EQ(bloodloss(), 18u + 3u);
}

TEST_F(WoundsTest, WoundLinesAndDamagedSlots) {
    wound(0, WK_CUT, 1, BP_THORAX, 3, 3);
    wound(1, WK_BLUNT, 2, BP_FOREARM, 9, 2);
    wound(2, 99, 1, 0, 2);
    EXPECT_STREQ(HAAVA_kuvaus(-1, 0), "Shallow cut in thorax");
    EXPECT_STREQ(HAAVA_kuvaus(-1, 1), "Fracture in left forearm");
    EXPECT_STREQ(HAAVA_kuvaus(-1, 2), "Vague ailment");
    EXPECT_STREQ(DescripeWound(WK_BLUNT, BP_FOREARM, 2, 1), "Fracture in right forearm");
    EXPECT_STREQ(DescripeWound(ILL_HALLUCINATING, 0, 1, 3), "Nausea and altered consciousness");
    // Slot values from a damaged file index no table out of range.
    plr_bytes(PB_W_KIND)[3] = 7;
    plr_bytes(PB_W_LEVEL)[3] = 200;
    plr_bytes(PB_W_PART)[3] = 250;
    plr_bytes(PB_W_SIDE)[3] = 90;
    EXPECT_STREQ(HAAVA_kuvaus(-1, 3), "Crush in thorax");
    Cre[5].kind = 3;
    Cre[5].woundkind[0] = 2;
    Cre[5].woundlevel[0] = 2;
    Cre[5].woundpart[0] = BP_HAND;
    Cre[5].woundside[0] = 1;
    Cre[5].woundbleeding[0] = 4;
    EXPECT_EQ(slot(0, 5).treatment, 4);
    EXPECT_STREQ(HAAVA_kuvaus(5, 0), "Serious cut in right paw (bleeding)");
}

}  // namespace oxatest
