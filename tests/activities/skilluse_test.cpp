// tests/activities/skilluse_test.cpp -- the skills command: weapon skills and fights answered with
// the standard notes, weather lore through key "s" rolled once an hour, and the texts telling how
// the body lowers a skill.
#include "activity_fixture.h"

#include "activities/skilluse.h"
#include "core/creatures.h"
#include "creatures/physical.h"
#include "maps/mapunit.h"
#include "core/datafunc.h"
#include "worldgen/encounter.h"
#include "core/tekstit.h"

using oxatest::ActivityTest;
using oxatest::Script;
using oxatest::push_key;

namespace {

int cause_pen[32];
int body_penalty;
float fatigue_rate = 1.0f;

class SkillUseTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        get_notes();
        memset(cause_pen, 0, sizeof cause_pen);
        body_penalty = 0;
        fatigue_rate = 1.0f;
        skill_penalty_cause = [](int, int k) { return cause_pen[k]; };
        skill_physical_penalty = [](int) { return body_penalty; };
        skill_fatigue_rate = [](int) { return fatigue_rate; };
        Weatherlore_lastskillhour = -1;
    }
    void TearDown() override {
        skill_penalty_cause = PENALTY_bitget;
        skill_physical_penalty = PHYSICAL_PENALTY;
        ActivityTest::TearDown();
    }
};

TEST_F(SkillUseTest, WeaponSkillsAnswerWithTheStandardNote) {
    for (const char *name : {"SKIING", "BOW", "KNIFE"}) {
        ignore_lastnote();
        use_skill(name);
        EXPECT_TRUE(noted("That skill is used by wielding its weapon")) << name;
    }
    EXPECT_FALSE(noted("You attempt to predict"));
}

TEST_F(SkillUseTest, WeatherLoreThroughTheSkillsKeyRollsOnceAnHour) {
    script();
    skill(0, "FISHING", 20);
    skill(1, "WEATHERLORE", 30);
    push_key(SDLK_l);   // its key on the skills screen
    command_dispatch('s', 0, 0);
    EXPECT_TRUE(noted("Using: WEATHERLORE"));
    EXPECT_EQ(Script::rolls_taken, 1);
    EXPECT_EQ(times_noted("You attempt to predict the weather..."), 1);
    EXPECT_EQ(times_noted("That's how you think the weather will be like."), 1);

    ignore_lastnote();
    Weatherlore();
    EXPECT_EQ(Script::rolls_taken, 1) << "the same hour keeps the first roll";
    EXPECT_EQ(times_noted("That's how you think the weather will be like."), 2);
    Plr.hour = (uint8_t)(Plr.hour + 1);
    Weatherlore();
    EXPECT_EQ(Script::rolls_taken, 2);
}

TEST_F(SkillUseTest, EscOnTheSkillsScreenUsesNothing) {
    skill(0, "WEATHERLORE", 30);
    push_key(SDLK_ESCAPE);
    command_dispatch('s', 0, 0);
    EXPECT_FALSE(noted("Using:"));
}

TEST_F(SkillUseTest, PenaltyReasonsNameTheLargestCauses) {
    EXPECT_STREQ(Penalty_Syy(30), "");
    cause_pen[1] = 30;
    EXPECT_STREQ(Penalty_Syy(30), "due to being wounded");
    cause_pen[2] = 5;
    EXPECT_STREQ(Penalty_Syy(30), "mostly due to being wounded");
    cause_pen[2] = 20;
    cause_pen[4] = 4;
    EXPECT_STREQ(Penalty_Syy(30), "due to being wounded and being fatigued - plus other penalties");
    fatigue_rate = 9.0f;
    EXPECT_STREQ(Penalty_Syy(30),
                 "due to being wounded and being fatigued from carrying excess load - plus other penalties");
    EXPECT_STREQ(Penalty_Syy(4), "due to being fatigued from carrying excess load");
}

TEST_F(SkillUseTest, SkillAnalysisByPenaltyShare) {
    skill(0, "TRACKING", 50);
    cause_pen[1] = 40;
    body_penalty = 40;
    EXPECT_STREQ(Skill_Analyysi("TRACKING", 1), "&Your tracking expertise is severely impaired due to being wounded.");
    EXPECT_STREQ(Skill_Analyysi("TRACKING", 0), "");
    body_penalty = 45;
    EXPECT_STREQ(Skill_Analyysi("TRACKING", 1),
                 "&Your tracking expertise is most likely to succeed poorly due to being wounded!");
    skill(0, "TRACKING", 80);
    body_penalty = 5;
    EXPECT_STREQ(Skill_Analyysi("TRACKING", 1), "");
    EXPECT_STREQ(Skill_Analyysi("FISHING", 1), "") << "a skill the player lacks";
    skill(0, "TRACKING", 0);
    EXPECT_STREQ(Skill_Analyysi("TRACKING", 1),
                 "&Your already unskilled tracking attempt is determined to succeed poorly due to being wounded!");
    body_penalty = 0;
    EXPECT_STREQ(Skill_Analyysi("TRACKING", 1), "");
}

TEST_F(SkillUseTest, PhysicianSeesTheWorstBleedingOfACompanionAhead) {
    Cre[4] = CreatureStruct{};
    Cre[4].kind = CK_HUMAN;
    Cre[4].partyflags |= 256;
    Cre[4].woundbleeding[2] = 3;
    Cre[4].woundbleeding[7] = 9;
    const int ax = PlayerX + Heds_x(PlayerDir), ay = PlayerY + Heds_y(PlayerDir);
    ASSERT_GE(set_data(DT_CREATURE, ax, ay, CRE_DATAID + 4, 1), 0);
    push_key(SDLK_n);        // not the companion: her own wounds instead
    push_key(SDLK_ESCAPE);   // and none of those
    PHYSICIAN();
    EXPECT_TRUE(noted("is bleeding.")) << notes();
    EXPECT_TRUE(noted("Try to treat her wounds?")) << notes();
    EXPECT_EQ(TARGET_NPC, 4);
    EXPECT_EQ(Cre[4].woundbleeding[7], 9) << "nothing treated without a yes";

    // Nobody bleeding ahead: straight to her own wounds.
    Cre[4].woundbleeding[2] = Cre[4].woundbleeding[7] = 0;
    TARGET_NPC = -1;
    push_key(SDLK_ESCAPE);
    PHYSICIAN();
    EXPECT_EQ(TARGET_NPC, -1);
}

}  // namespace

namespace {

// The world map's track check rolls the player's tracking: practice there raises the skill.
TEST_F(SkillUseTest, TracksOnTheWorldMapAreNoticedByTheTrackingSkill) {
    script();
    skill(0, "TRACKING", 50);
    for (int x : {PlayerX, PlayerX + 1}) {
        Data[x - PlayerX].type = DT_ENCOUNTER;
        Data[x - PlayerX].flags = 2;
        Data[x - PlayerX].x = (uint16_t)x;
        Data[x - PlayerX].y = (uint16_t)PlayerY;
    }
    const int home = PlayerX;
    for (int step = 0; step < 60; step++) {
        PlayerX = home + step % 2;
        Script::rolls().push_back(3);
        area_check();
    }
    EXPECT_GT(Script::rolls_taken, 0);
    EXPECT_TRUE(Plr.skill_counter[0] > 0 || Plr.skill_level[0] > 50) << "each noticing is practice";
}

}  // namespace
