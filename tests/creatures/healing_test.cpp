// Treatment methods and outcomes, the daily healing rolls and surviving a beating.
#include "body_fixture.h"
#include "../activities/pick_hook.h"

#include "items/herbarium.h"
#include "items/materials.h"
#include "presentation/hyper.h"
#include "presentation/input_feeder.h"
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

// F1 on a method opens its help: stopping the bleeding its own topic, every other method the
// treatment's.
TEST_F(HealingTest, F1OnAMethodOpensItsOwnTopicOrTheTreatments) {
    dir->copy_asset("GAME.NFO");
    get_topics();
    static std::string opened;
    void (*const shown)(const char *) = ui.screens.game_info;
    ui.screens.game_info = [](const char *topic) { opened = topic; };
    struct Case {
        int kind, level, bleeding, downs;
        const char *topic;
    } cases[] = {
        {WK_CUT, 2, 3, 0, "BLEEDING WOUNDS"},   // only the bleeding is offered
        {WK_BURN, 3, 0, 0, "WOUND TREATMENT"},  // a compress
        {WK_BURN, 3, 0, 1, "WOUND TREATMENT"},  // a dressing
    };
    for (const Case &c : cases) {
        opened.clear();
        wound(0, c.kind, c.level, BP_FOREARM, 8, 1, c.bleeding);
        KeyFeeder typing;
        for (int d = 0; d < c.downs; d++) typing.key(SDLK_DOWN);
        typing.key(SDLK_F1).key(SDLK_ESCAPE);
        EXPECT_EQ(typing.typed([] { return Hoida_Haavaa(-1, 0); }), 0);
        EXPECT_EQ(opened, c.topic) << c.kind << ", " << c.downs << " down";
    }
    ui.screens.game_info = shown;
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

// A herb laid on her wound that does what the wound needs teaches her herb lore: the needed effects
// are tried with its plant and those it has are felt.
TEST_F(HealingTest, AHerbOnHerWoundTeachesHerItsEffects) {
    enum { ASTRINGENT = 11, ANTI_INFLAMMATORY = 12, VULNERARY = 13, SEDATIVE = 18 };
    const uint32_t wound_needs = (1u << ASTRINGENT) | (1u << ANTI_INFLAMMATORY) | (1u << VULNERARY);
    struct Case { const char *what; int bleeding; SDL_Keycode method; uint32_t herb; uint32_t tried, felt; };
    const Case cases[] = {
        {"an astringent stops the bleeding", 2, SDLK_b, 1u << ASTRINGENT, 1u << ASTRINGENT, 1u << ASTRINGENT},
        {"a vulnerary in the dressing", 0, SDLK_d, (1u << VULNERARY) | (1u << SEDATIVE), wound_needs, 1u << VULNERARY},
        {"a sedative does nothing for a wound", 2, SDLK_b, 1u << SEDATIVE, 0, 0},
    };
    Pick herbs_from_her_pack;
    for (const Case &c : cases) {
        memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
        HERBLORE_lisaa_kasvioon(thing(IT_PLANT, "Yarrow", 0, 1.0f), 0, 40);
        ItemStruct herb = thing(IT_FOOD, "Yarrow leaves", OID_HERB, 0.5f);
        SET_ITEM_TEXT(herb.skill, "Yarrow");
        herb.raw = c.herb;
        const int row = KasvioPos(herb);
        ASSERT_GE(row, 0);
        give(0, herb);
        give(1, thing(IT_TOOL, "Bandage", 600, 0.2f), 3);
        wound(0, WK_CUT, 1, BP_FOREARM, 4, 1, c.bleeding);
        plr_set<uint32_t>(PB_TREATBITS, 0);
        push_key(c.method);
        push_key(SDLK_SPACE);
        EXPECT_EQ(Hoida_Haavaa(-1, 0), 0);
        EXPECT_EQ(HerbloreKasvio[row].tried, c.tried) << c.what << "\n" << notes();
        EXPECT_EQ(HerbloreKasvio[row].felt, c.felt) << c.what;
    }
}

// The blood she has lost stays lost when a wound stops bleeding or is opened again by its treatment.
TEST_F(HealingTest, TreatingABleedingKeepsTheBloodAlreadyLost) {
    struct Case { const char *what; int bleeding; SDL_Keycode method; int opening_roll; int bleeding_after; };
    const Case cases[] = {
        {"the bleeding stopped", 2, SDLK_b, 1, 0},
        {"the dressing opens the cut", 0, SDLK_d, 0, 2},
    };
    Pick no_herbs;
    script();
    for (const Case &c : cases) {
        give(1, thing(IT_TOOL, "Bandage", 600, 0.2f), 3);
        wound(0, WK_CUT, 2, BP_THIGH, 9, 1, c.bleeding);
        plr_set<uint32_t>(PB_TREATBITS, 0);
        plr_set<uint32_t>(PB_BLOODLOSS, 30);
        Script::rolls() = {2};
        HealScript::rolls() = {c.opening_roll};
        push_key(c.method);
        push_key(SDLK_SPACE);
        EXPECT_EQ(Hoida_Haavaa(-1, 0), 0);
        EXPECT_EQ(slot(0).bleeding, c.bleeding_after) << c.what << "\n" << notes();
        EXPECT_GE(bloodloss(), 30u) << c.what << ": what bled meanwhile adds to it";
    }
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
