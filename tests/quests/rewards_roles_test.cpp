// What a quest offers and who gives it: the skill lesson only in a skill she is not yet good at, a spare
// tool she lacks, how she looks to a giver, and the person a role tag falls to.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "creatures/people.h"
#include "creatures/village_fixture.h"
#include "items/items.h"
#include "quests/rewards.h"
#include "core/tehtavat.h"
#include "society/questoffer.h"

namespace {

class QuestRewards : public VillageTest {
protected:
    void SetUp() override {
        VillageTest::SetUp();
        memset(Plr.skill_name, 0, sizeof Plr.skill_name);
        memset(Plr.skill_level, 0, sizeof Plr.skill_level);
        memset(Plr.skill_start, 0, sizeof Plr.skill_start);
    }
    static void skill(int slot, const char *name, int level, int start) {
        strncpy(Plr.skill_name[slot], name, PLR_SKILLNAME);
        Plr.skill_level[slot] = (uint8_t)level;
        Plr.skill_start[slot] = (uint8_t)start;
    }
};

const char *const LESSONS[] = {"TRAPPING", "TRACKING", "FISHING", "BOW", "HIDEWORKING", "HERBLORE", "SPEAR"};

}  // namespace

TEST_F(QuestRewards, ASkillLessonIsOfferedOnlyInASkillSheIsNotGoodAt) {
    villager(1, 240, 232, true);
    struct Case {
        int level;         // of every skill a giver may teach; -1 she has none
        int valid;
        const char *opening;
    } cases[] = {
        {-1, 0, ""}, {81, 0, ""}, {80, 1, "I trust you are "}, {40, 1, "I trust you are "}, {39, 1, "I reckon your "},
    };
    for (const Case &c : cases) {
        memset(Plr.skill_name, 0, sizeof Plr.skill_name);
        if (c.level >= 0)
            for (int i = 0; i < 7; i++) skill(i, LESSONS[i], c.level, c.level);
        QuestStruct q{};
        const RewardStruct r = GenerateReward_skill(1, &q, "");
        EXPECT_EQ(r.valid, c.valid) << c.level;
        EXPECT_EQ(q.rewardKind, c.valid) << c.level;
        if (!c.valid) {
            EXPECT_STREQ(r.kindText, "somekind of reward");
            continue;
        }
        std::string lower = q.rewardSkill;
        for (char &ch : lower) ch = (char)tolower(ch);
        EXPECT_EQ(std::string(r.kindText), "a " + lower + " lesson");
        EXPECT_EQ(std::string(r.explanation).rfind(c.opening, 0), 0u) << r.explanation;
        EXPECT_NE(std::string(r.explanation).find("teach you to improve with that a bit more."), std::string::npos);
        EXPECT_STREQ(r.tags, "[claim reward]");
    }
}

TEST_F(QuestRewards, SheLooksLikeAFishermanOrAHunterByHerSkills) {
    struct Case {
        const char *name;
        int level, start;
        bool fisher, hunter;
    } cases[] = {
        {"FISHING", 80, 80, true, false},  {"FISHING", 79, 75, true, false}, {"FISHING", 79, 76, false, false},
        {"TRACKING", 80, 80, false, true}, {"TRAPPING", 30, 28, false, true}, {"HIDEWORKING", 79, 78, false, false},
        {"", 0, 0, false, false},   // she has neither skill: the level 1000 of a missing skill is no mastery
    };
    for (const Case &c : cases) {
        memset(Plr.skill_name, 0, sizeof Plr.skill_name);
        if (c.name[0]) skill(0, c.name, c.level, c.start);
        EXPECT_EQ(plr_appears_fisherman(), c.fisher) << c.name << " " << c.level;
        EXPECT_EQ(plr_appears_hunter(), c.hunter) << c.name << " " << c.level;
    }
    // A tag leans the spell's kind whichever way the draw falls.
    for (int i = 0; i < 6; i++) {
        EXPECT_STREQ(GenerateReward_spell("[fishing]").kindText, "some fishing spells");
        const RewardStruct hunting = GenerateReward_spell("[hunting]");
        EXPECT_STREQ(hunting.kindText, "some old woodsman spells");
        EXPECT_EQ(std::string(hunting.tags).rfind("[info] [magicmeans:", 0), 0u) << hunting.tags;
    }
    EXPECT_STREQ(QTalkStr_rahapalkkio(12), "you will be given 12 squirrel hides worth of goods of your choice");
}

TEST_F(QuestRewards, ARoleFallsToTheFirstFreePersonOfItsKind) {
    struct Person {
        const char *species;
        int role, code;
    } people[] = {
        {"woodsman", 0, 540},    // 1, a raider: never picked
        {"healer", 13, 500},     // 2
        {"woman", 14, 500},      // 3
        {"woodsman", 0, 550},    // 4
        {"old man", 0, 500},     // 5
        {"maiden", 15, 500},     // 6
        {"peasant", 0, 500},     // 7
        {"woodsman", 0, 540},    // 8
    };
    for (int i = 0; i < 8; i++) {
        villager(i + 1, 236 + i, 230, true);
        strcpy(Cre[i + 1].species, people[i].species);
        Cre[i + 1].role = (uint8_t)people[i].role;
        Cre[i + 1].speciescode = (uint32_t)people[i].code;
    }
    Cre[1].culture = 11;
    struct Case {
        const char *tags;
        unsigned exclude;
        int picked;
    } cases[] = {
        {"[sage]", 0, 2},          {"[any old man]", 0, 2},  {"[old man]", 0, 5},         {"[woman]", 0, 3},
        {"[any woodsman]", 0, 4},  {"[man]", 0, 5},          {"[young man] [maiden]", 0, 6},
        {"[young man]", 0, 7},     {"[woodsman]", 0, 8},     {"[old man]", 5005, CRE_NONE}, {"[nobody]", 0, CRE_NONE},
    };
    for (const Case &c : cases) EXPECT_EQ(pick_socsivuNPC(c.tags, SOC, c.exclude), c.picked) << c.tags;
    EXPECT_EQ(pick_socsivuNPC("[woodsman]", SOC + 1, 0), CRE_NONE) << "another village's";

    // Who is never picked: one with a quest, a companion, a robber, one of a foreign culture.
    auto unfit = [](CreatureStruct &c, int k) {
        if (k == 0) c.quest = 77;
        if (k == 1) c.partyflags |= PF_COMPANION;
        if (k == 2) c.role = 20;
        if (k == 3) c.culture = 12;
    };
    for (int k = 0; k < 4; k++) {
        const CreatureStruct kept = Cre[8];
        unfit(Cre[8], k);
        EXPECT_EQ(pick_socsivuNPC("[woodsman]", SOC, 0), CRE_NONE) << k;
        Cre[8] = kept;
    }
}
