// Treatment methods and outcomes, the daily healing rolls and surviving a beating.
#include "body_fixture.h"

#include "presentation/menu.h"

#include <string>

namespace oxatest {

using HealingTest = BodyTest;

TEST_F(HealingTest, MethodsByWound) {
    EXPECT_EQ(Haavan_Hoitotapa(WK_BLUNT, 2, BP_NECK), 16) << "a neck fracture is dressed";
    EXPECT_EQ(Haavan_Hoitotapa(WK_BLUNT, 2, BP_FOREARM), 32) << "a forearm is splinted";
    EXPECT_EQ(Haavan_Hoitotapa(WK_BLUNT, 2, BP_EYE), 4);
    EXPECT_EQ(Haavan_Hoitotapa(WK_BLUNT, 2, BP_KNEE), 32);
    EXPECT_EQ(Haavan_Hoitotapa(WK_CUT, 2, BP_HAND), 24);
    EXPECT_EQ(Haavan_Hoitotapa(WK_BURN, 3, BP_HAND), 20);
    EXPECT_EQ(Haavan_Hoitotapa(WK_FROST, 1, BP_FOOT), 64);
    EXPECT_EQ(Haavan_Hoitotapa(ILL_INFLUENZA, 5, 0), 2048);
    EXPECT_STREQ(HoitoTeksti(5), "Splint the fractured bone");
}

TEST_F(HealingTest, TreatingOffersWhatTheWoundStillNeeds) {
    // A bleeding cut that still needs cleaning and dressing offers only to stop the bleeding.
    wound(0, WK_CUT, 2, BP_FOREARM, 8, 1, 3);
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(Hoida_Haavaa(-1, 0), 0);
    std::string offered;
    for (int i = 0; i < ValintojenMaara; i++)
        if (ValintaEntry[i].key > 0) offered += ValintaEntry[i].text[0];
    EXPECT_EQ(offered, "B");
    EXPECT_EQ(slot(0).bleeding, 3) << "nothing was done";
    // Every ordinary method was applied already: a bleeding wound still offers to stop the bleeding.
    plr_set<uint32_t>(PB_TREATBITS, 24u);
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(Hoida_Haavaa(-1, 0), 0);
    EXPECT_TRUE(noted("treat the serious cut in right forearm"));
    EXPECT_FALSE(noted("nothing more"));
    wound(0, WK_CUT, 2, BP_FOREARM, 8, 1, 0);
    EXPECT_EQ(Hoida_Haavaa(-1, 0), 0);
    EXPECT_TRUE(noted("You can do nothing more for that wound now."));
    wound(1, ILL_INFLUENZA, 5, 0, 3);
    Hoida_Haavaa(-1, 1);
    EXPECT_TRUE(noted("There is no external treatment for influenza!"));
}

TEST_F(HealingTest, TreatmentOutcomes) {
    wound(0, WK_CUT, 2, BP_THIGH, 9);
    HealScript::rolls() = {0};
    EXPECT_EQ(Toimenpiteen_Seuraus(-1, 0, 0, 0), 61) << "an inferior roll opens a serious cut";
    wound(0, WK_CUT, 2, BP_THIGH, 5);
    HealScript::rolls() = {0};
    EXPECT_EQ(Toimenpiteen_Seuraus(-1, 0, 0, 0), 30) << "a small one only gets worse";
    EXPECT_EQ(Toimenpiteen_Seuraus(-1, 0, 100, 0), 6) << "a sure success";
    wound(0, WK_BLUNT, 1, BP_THIGH, 2);
    EXPECT_EQ(Toimenpiteen_Seuraus(-1, 0, 0, 1), 5);
    wound(0, WK_FROST, 1, BP_FOOT, 2);
    EXPECT_EQ(Toimenpiteen_Seuraus(-1, 0, 0, 0), 4);
    EXPECT_STREQ(wound_state_key(62), "WOUND_STATE_BAD");
    EXPECT_EQ(wound_rating(100), 6);
}

TEST_F(HealingTest, DailyRollsHealWoundsAndIllnesses) {
    wound(0, WK_CUT, 1, BP_HAND, 4, 1);
    HealScript::rolls() = {3};
    HealingRolls();
    EXPECT_EQ(slot(0).treatment, 5) << "an untreated light wound gets 5";
    EXPECT_EQ(slot(0).injury, 2);
    HealScript::rolls() = {1};
    HealingRolls();
    EXPECT_EQ(slot(0).injury, 2) << "a failed roll heals nothing";
    HealScript::rolls() = {2, 2};
    HealingRolls();
    HealingRolls();
    EXPECT_EQ(slot(0).kind, 0) << "healed point by point: gone";
    EXPECT_TRUE(noted("Shallow cut in right hand has fully healed!"));
    EXPECT_EQ(injury_total(), 0u);

    wound(1, ILL_INFLUENZA, 5, 0, 4);
    HealScript::rolls() = {3};
    HealingRolls();
    EXPECT_EQ(slot(1).kind, 0);
    EXPECT_TRUE(noted("Your Influenza is getting much better."));
    EXPECT_TRUE(noted("You don't suffer from Influenza anymore."));
    EXPECT_EQ(injury_total(), 0u);

    wound(2, ILL_POISONING, 2, 0, 30);
    HealScript::rolls() = {0};
    HealingRolls();
    EXPECT_EQ(slot(2).treatment, 0);
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(plr_get<int32_t>(PB_DEATHCAUSE), CAUSE_ILLNESS);
    EXPECT_TRUE(noted("ied from Poisoning"));
}

TEST_F(HealingTest, SurvivingABeating) {
    for (int s = 0; s < 4; s++) wound(s, WK_BLUNT, 2, BP_THORAX, 24, 3, 2);
    plr_bytes(PB_W_TREATMENT)[0] = 5;
    plr_set<uint32_t>(PB_BLOODLOSS, 60);
    unlethalize(0);
    EXPECT_LT(injury_total(), 91u);
    EXPECT_EQ(injury_total(), (uint32_t)body_injury_sum(-1));
    EXPECT_EQ(body_bleeding_sum(-1), 0);
    EXPECT_LE(bloodloss(), 24u);
    EXPECT_EQ(slot(1).kind, 0) << "an untreated slot healed here ends at once";
    EXPECT_EQ(slot(0).kind, WK_BLUNT);
}

}  // namespace oxatest
