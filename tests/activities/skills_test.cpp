// tests/activities/skills_test.cpp -- the skill model with scripted rolls: learning by practice,
// the daily cap, boosts, luck rolls, the DAGGER slot, missing skills, the skill bank, opposed
// penalties, work quality and work time.
#include "activity_fixture.h"

#include "core/skilldata.h"

using oxatest::ActivityTest;
using oxatest::Script;

namespace {

class SkillTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        script();
    }
    // Queues n success rolls and the plain draws.
    static void rolls(std::initializer_list<int> r) { Script::rolls().assign(r.begin(), r.end()); }
    static void draws(std::initializer_list<int> d) { Script::draws().assign(d.begin(), d.end()); }
};

TEST_F(SkillTest, LowSkillLearnsFromOneEventHighSkillNeedsFive) {
    skill(0, "FISHING", 5, 1);
    rolls({3});
    draws({50});                   // the raise check: 50 + 1 + 1 > 5, the level rises
    EXPECT_EQ(Kayta_Taitoa(0, 0, "fishing", 0), 3);
    EXPECT_EQ(Plr.skill_level[0], 6);
    EXPECT_EQ(Plr.skill_raises[0], 1);
    EXPECT_EQ(Plr.skill_counter[0], 0u);

    skill(1, "TRACKING", 50, 1);
    for (int event = 1; event <= 4; event++) {
        rolls({3});
        Kayta_Taitoa(0, 0, "TRACKING", 0);
        EXPECT_EQ(Plr.skill_counter[1], (uint32_t)event);
        EXPECT_EQ(Plr.skill_level[1], 50);
    }
    rolls({3});
    draws({0});                    // 0 + 1 + 1 <= 50: the attempt fails but the counter restarts
    Kayta_Taitoa(0, 0, "TRACKING", 0);
    EXPECT_EQ(Plr.skill_level[1], 50);
    EXPECT_EQ(Plr.skill_counter[1], 0u);
}

TEST_F(SkillTest, NoFourthRaiseFromPracticeButABoostStillRaises) {
    skill(0, "COOKERY", 5, 1);
    Plr.skill_raises[0] = 3;
    rolls({3});
    Kayta_Taitoa(0, 0, "COOKERY", 0);
    EXPECT_EQ(Plr.skill_level[0], 5);
    EXPECT_EQ(Plr.skill_counter[0], 0u);

    Plr.skill_flags[0] = 1;
    rolls({0});
    draws({99});
    EXPECT_EQ(Kayta_Taitoa(0, 0, "COOKERY", 0), 3);
    EXPECT_EQ(Plr.skill_level[0], 5 + 5 + 1);
    EXPECT_EQ(Plr.skill_raises[0], 4);
    EXPECT_EQ(Plr.skill_flags[0], 0);
}

TEST_F(SkillTest, BoostBandsAndTheTopLevel) {
    struct { int level; int after; } table[] = {{40, 45}, {41, 45}, {60, 64}, {61, 64}, {80, 83},
                                                {81, 83}, {90, 92}, {91, 92}, {99, 100}, {100, 100}};
    for (auto &t : table) {
        skill(0, "CLIMBING", t.level, 1);
        Plr.skill_flags[0] = 1;
        rolls({1});
        draws({0});                // the raise check fails for all but the lowest
        EXPECT_EQ(Kayta_Taitoa(0, 0, "CLIMBING", 0), 3) << t.level;
        EXPECT_EQ(Plr.skill_level[0], t.after) << t.level;
    }
    skill(0, "CLIMBING", 100, 1);
    Plr.skill_flags[0] = 1;
    rolls({1});
    draws({99});                   // 99 + 1 + 1 > 100: a raise that stays at 100
    Kayta_Taitoa(0, 0, "CLIMBING", 0);
    EXPECT_EQ(Plr.skill_level[0], 100);
    EXPECT_EQ(Plr.skill_raises[0], 1);
}

TEST_F(SkillTest, ModeOneRollsEightTimesAndKeepsTheLast) {
    skill(0, "SKIING", 30);
    rolls({0, 0, 0, 0, 0, 0, 0, 2});
    EXPECT_EQ(Kayta_Taitoa(0, 0, "SKIING", 1), 2);
    EXPECT_EQ(Script::rolls_taken, 8);
    Script::rolls_taken = 0;
    rolls({});
    Kayta_Taitoa(0, 0, "SKIING", 2);
    EXPECT_EQ(Script::rolls_taken, 12);
}

TEST_F(SkillTest, DaggerRollsTheKnifeSlotAndMissingSkillsNeverLearn) {
    skill(0, "KNIFE", 5, 1);
    rolls({3});
    draws({50});
    Kayta_Taitoa(0, 0, "DAGGER", 0);
    EXPECT_EQ(Plr.skill_level[0], 6);
    EXPECT_EQ(Skill_ML(-1, "DAGGER"), 1000);

    static int seen_level;
    skill_successroll = [](int, int level) { seen_level = level; return 3; };
    EXPECT_EQ(Kayta_Taitoa(0, 7, "STEALTH", 0), 3);
    EXPECT_EQ(seen_level, 5 + 7);
    EXPECT_EQ(Plr.skill_level[0], 6);
    EXPECT_EQ(Kayta_Taitoa(0, 0, "", 0), 0);
}

TEST_F(SkillTest, LuckRollsBendTheResult) {
    skill(0, "TRAPPING", 50);
    struct { int roll; int luck; int extra; int result; } table[] = {
        {0, 0, -1, 3}, {0, 1, -1, 1}, {1, 1, -1, 2}, {2, 1, 0, 3}, {2, 1, 1, 2}, {3, 1, -1, 3},
        {0, 2, -1, 1}, {1, 2, -1, 1},
    };
    for (auto &t : table) {
        PLRGLOBAL_luckrolls = 2;
        rolls({t.roll});
        if (t.extra < 0) draws({t.luck});
        else draws({t.luck, t.extra});
        EXPECT_EQ(Kayta_Taitoa(0, 0, "TRAPPING", -3), t.result) << t.roll << " " << t.luck;
        EXPECT_EQ(PLRGLOBAL_luckrolls, 1);
    }
}

TEST_F(SkillTest, SkillBankTakesBackARoll) {
    skill(3, "TIMBERCRAFT", 5, 1);
    saveskill(-1, "timbercraft");
    rolls({3});
    draws({90});
    Kayta_Taitoa(0, 0, "TIMBERCRAFT", 0);
    EXPECT_EQ(Plr.skill_level[3], 6);
    restoreskill(-1, "FISHING");
    EXPECT_STREQ(skillbank_skill, "TIMBERCRAFT") << "another name keeps the bank";
    restoreskill(-1, "TIMBERCRAFT");
    EXPECT_EQ(Plr.skill_level[3], 5);
    EXPECT_EQ(Plr.skill_raises[3], 0);
    EXPECT_STREQ(skillbank_skill, "");
}

TEST_F(SkillTest, OpposedPenaltiesEvenOut) {
    struct { int mlA, penA, mlB, penB, outA, outB; } table[] = {
        {50, 10, 40, 10, 10, 10},      // both effective levels positive: no change
        {20, 30, 40, 10, 20, 0},       // A at -10: both lowered by 10
        {40, 10, 20, 25, 5, 20},       // B at -5
        {10, 30, 10, 15, 15, 0},       // both negative: |(-20) - (-5)| = 15
    };
    for (auto &t : table) {
        int a = t.penA, b = t.penB;
        EXPECT_EQ(EML_sync(t.mlA, a, t.mlB, b), 0);
        EXPECT_EQ(a, t.outA);
        EXPECT_EQ(b, t.outB);
    }
}

TEST_F(SkillTest, QualityTableCornersAndBadInput) {
    const int table[4][10] = {{1, 1, 1, 1, 2, 2, 2, 2, 2, 2},
                              {1, 1, 2, 2, 2, 3, 3, 3, 3, 3},
                              {1, 2, 3, 3, 3, 4, 4, 4, 4, 4},
                              {2, 2, 3, 3, 4, 4, 4, 5, 5, 5}};
    for (int r = 0; r < 4; r++)
        for (int si = 0; si < 10; si++) EXPECT_EQ(craftquality(si * 10 + 5, r), table[r][si]) << r << " " << si;
    EXPECT_EQ(craftquality(95, 3), 5);
    EXPECT_EQ(craftquality(250, 0), 2);
    EXPECT_EQ(craftquality(-40, 2), 1);
    EXPECT_EQ(craftquality(50, 4), 0);
    EXPECT_EQ(craftquality(50, -1), 0);
}

TEST_F(SkillTest, WorkTimeBySkillAndLuck) {
    unscript();
    for (int seed = 1; seed < 200; seed++) {
        randomize(seed);
        int t = tyoaikamuutos(60, 50, 2);
        EXPECT_GE(t, 116);
        EXPECT_LE(t, 127);
        int u = tyoaikamuutos(60, 0, 2);
        EXPECT_GE(u, 58);
        EXPECT_LE(u, 64);
    }
    EXPECT_EQ(TYOAIKA_katevyysmod(30, 50), 60);
    EXPECT_GT(TYOAIKA_katevyysmod(30, 0), 0);
    EXPECT_GT(TYOAIKA_katevyysmod(30, -5), 0);
}

TEST_F(SkillTest, SkillTableGivesLevelsAptitudesGroupsAndKeys) {
    const char table[] =
        ".AXE. [kau:3][def:2]\n[ATTRIBS:str dex]\n[GROUP:Combat]\n\n"
        ".SWIM. [def:]\n[GROUP:physical]\n[KEY:w]\n\n"
        ".ODD.\n[ATTRIBS:]\n";
    uint8_t *p = reinterpret_cast<uint8_t *>(&Plr);
    p[13] = 0;                     // culture 0, tag kau
    Plr.strength = 12;
    p[2758] = 15;                  // dexterity
    p[2770] = 9;                   // intelligence
    unsigned n = sizeof table - 1;
    EXPECT_EQ(SkillDATA_text(table, n, -1, "AXE", SKD_APTITUDE), 13u);
    EXPECT_EQ(SkillDATA_text(table, n, -1, "AXE", SKD_LEVEL), 39u);
    p[13] = 4;
    EXPECT_EQ(SkillDATA_text(table, n, -1, "AXE", SKD_LEVEL), 26u) << "no field: the default";
    EXPECT_EQ(SkillDATA_text(table, n, -1, "AXE", SKD_GROUP), 2u);
    EXPECT_EQ(SkillDATA_text(table, n, -1, "AXE", SKD_KEY), (unsigned)'!');
    EXPECT_EQ(SkillDATA_text(table, n, -1, "SWIM", SKD_LEVEL), 12u) << "str int dex, culture number 1";
    EXPECT_EQ(SkillDATA_text(table, n, -1, "SWIM", SKD_GROUP), 1u);
    EXPECT_EQ(SkillDATA_text(table, n, -1, "SWIM", SKD_KEY), (unsigned)'w');
    EXPECT_EQ(SkillDATA_text(table, n, -1, "ODD", SKD_APTITUDE), 0u);
    DISABLE_MORECHECK = 0;           // as a turn begins: no earlier note's Esc skips the prompts
    DISABLE_NOTES = 0;
    oxatest::push_key(SDLK_SPACE);   // the note of a skill the table lacks waits for a key
    EXPECT_EQ(SkillDATA_text(table, n, -1, "SWI", SKD_LEVEL), 0u) << "names match whole";
    EXPECT_EQ(SDL_PeepEvents(nullptr, 8, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN), 0) << "the key was waited for";
    EXPECT_EQ(SkillDATA_text(table, n, -1, "", SKD_LEVEL), 0u);

    std::string huge = ".LONG. [def:4]" + std::string(5000, ' ') + "[def:9]\n[ATTRIBS:" + std::string(3000, 'x') + "]\n";
    EXPECT_EQ(SkillDATA_text(huge.data(), (unsigned)huge.size(), -1, "LONG", SKD_LEVEL), 0u);

    // The game's own table names every skill the game uses.
    const char *names[] = {"DODGE", "AGRICULTURE", "SHIELD", "KNIFE", "SWORD", "CLUB", "AXE", "FLAIL", "SPEAR",
                           "BOW", "CROSSBOW", "UNARMED", "PHYSICIAN", "CLIMBING", "STEALTH", "COOKERY",
                           "SKIING", "TIMBERCRAFT", "SWIMMING", "FISHING", "WEATHERLORE", "CARPENTRY",
                           "HERBLORE", "HIDEWORKING", "TRACKING", "TRAPPING", "BUILDING"};
    for (int off : {2754, 2755, 2758, 2759, 2761, 2762, 2765, 2766, 2767, 2770, 2771}) p[off] = 10;
    for (const char *name : names) EXPECT_GT(SkillDATA(-1, name, SKD_LEVEL), 0u) << name;
    EXPECT_FALSE(noted("Couldn't resolve D"));
    oxatest::push_key(SDLK_SPACE);
    EXPECT_EQ(SkillDATA(-1, "NOSUCHSKILL", SKD_LEVEL), 0u);
    EXPECT_EQ(SDL_PeepEvents(nullptr, 8, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN), 0);
    EXPECT_EQ(SkillDATA(-1, "DAGGER", SKD_LEVEL), 0u) << "a dagger has no block of its own, and no note stops her";
    EXPECT_TRUE(noted("Couldn't resolve NOSUCHSKILL-skill"));
}

TEST_F(SkillTest, CreaturesLearnTheirSkillLevelFromTheTable) {
    Cre[3].kind = 1;
    Cre[3].culture = 0;
    Cre[3].strength = 10;
    Cre[3].dexterity = 14;
    Cre[3].hideskill = 33;
    EXPECT_EQ(Skill_ML(3, "HIDEWORKING"), 33);
    int club = Skill_ML(3, "CLUB");
    EXPECT_EQ(club, (int)SkillDATA(3, "CLUB", SKD_LEVEL));
    EXPECT_STREQ(Cre[3].skillname[0], "CLUB");
    EXPECT_EQ(Skill_ML(3, "COMMON"), 60);
}

}  // namespace
