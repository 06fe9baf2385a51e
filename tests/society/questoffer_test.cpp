// A village's or a wanderer's quest offer: the kinds each season and village size allow, the raiders'
// villages, the five tries, the developer's force and the tags that name a person.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "creatures/village_fixture.h"
#include "society/questoffer.h"
#include "society/village.h"

namespace {

// The quest services answered by the test: a person is always found, no repeat exists unless asked,
// and every quest made is recorded.
struct Answers {
    int allowed = 1, repeats = 0, made = 0;
    std::vector<int> kinds;
};
Answers answers;

int allowed() { return answers.allowed; }
int pick(const char *, int, unsigned) { return 0; }
int count(const char *) { return answers.repeats; }
int make(int, int kind, int, int) {
    answers.kinds.push_back(kind);
    return answers.made;
}

class QuestOffer : public VillageTest {
protected:
    void SetUp() override {
        VillageTest::SetUp();
        answers = Answers();
        questoffer_services = {allowed, pick, count, make};
        villager(0, 240, 232, true);
        set_people(10);
        GetGlobVil(SOC);
        globVil.questhelp = 5;   // a village that knows her well
        SaveGlobVil();
        Plr.last_uid = SOC;
        Plr.month = 6;
        Plr.lastquest_day = 0;
    }
    void TearDown() override {
        questoffer_services_reset();
        VillageTest::TearDown();
    }
    void set_people(int n) {
        GetGlobVil(SOC);
        memset(globVil.people, 0, sizeof globVil.people);
        for (int i = 0; i < n; i++) globVil.people[i] = 90000u + (uint32_t)i;
        SaveGlobVil();
    }
    // The kinds a village offers over many draws.
    std::set<int> offered(int seeds, const char *tags = "") {
        std::set<int> kinds;
        for (int s = 0; s < seeds; s++) {
            randomize(s);
            answers.kinds.clear();
            answers.made = 1;
            SocQuestCreator(1500, 1000, SOC, tags);
            kinds.insert(answers.kinds.begin(), answers.kinds.end());
        }
        return kinds;
    }
};

}  // namespace

TEST_F(QuestOffer, KindsKeepToTheirMonthsAndVillageSizes) {
    struct Case {
        int people, month, kind;
        bool offered;
    } cases[] = {
        {14, 6, 10, true},  {15, 6, 10, false}, {30, 6, 10, false},   // the old man's punt: small villages
        {10, 8, 50, false}, {10, 9, 50, true},  {10, 10, 50, true}, {10, 11, 50, false},   // autumn only
        {10, 3, 3, false},  {10, 5, 3, true},   {2, 6, 5, false},   // too few people for any village quest
    };
    for (const Case &c : cases) {
        set_people(c.people);
        Plr.month = (uint8_t)c.month;
        EXPECT_EQ(offered(60).count(c.kind) == 1, c.offered) << c.kind << " with " << c.people << " people in month " << c.month;
    }
}

TEST_F(QuestOffer, TheForestCoverAndWoodsmanKindsCarryTheDaysOfTheTryBefore) {
    // Early in her game, with every try run to the end: kinds 35 and 40 ask the days played that the
    // try before them asked, none on the first try.
    Plr.daynumber = 5;
    int carried = 0;
    for (int s = 0; s < 40; s++) {
        randomize(s);
        answers.made = 0;
        SocQuestCreator(1500, 1000, SOC, "");
        std::istringstream log(questoffer_log());
        std::string line;
        int kind = 0, before = 0;
        bool first = true;
        while (std::getline(log, line)) {
            int k, d;
            if (sscanf(line.c_str(), "kind %d", &k) == 1) kind = k;
            if (sscanf(line.c_str(), "precond days played %d", &d) != 1) continue;
            if (kind == 35 || kind == 40) {
                EXPECT_EQ(d, first ? 0 : before) << "seed " << s << " kind " << kind;
                carried += !first && before > 0;
            }
            before = d;
            first = false;
        }
    }
    EXPECT_GT(carried, 0) << "some try carried days";
}

TEST_F(QuestOffer, RaidersVillagesNeverOfferAndWanderersOfferTheirOwnKind) {
    GetGlobVil(SOC);
    globVil.culture = 11;
    SaveGlobVil();
    EXPECT_TRUE(offered(20).empty());
    EXPECT_TRUE(offered(5, "force").empty()) << "not even forced";
    EXPECT_NE(std::string(questoffer_log()).find("precond culture 11"), std::string::npos);

    answers.kinds.clear();
    answers.made = 1;
    ASSERT_EQ(SocQuestCreator(1400, 900, 0, ""), 1);
    EXPECT_EQ(answers.kinds, std::vector<int>{38});
}

TEST_F(QuestOffer, FiveFailedTriesRecordNothingAndASuccessRecordsTheDay) {
    answers.made = 0;
    EXPECT_EQ(SocQuestCreator(1500, 1000, SOC, "[forcequest:70]"), 0);
    EXPECT_EQ(answers.kinds.size(), 5u);
    EXPECT_EQ(Plr.lastquest_day, 0u);
    const std::string log = questoffer_log();
    EXPECT_NE(log.find(" quest gen try 5 / 5"), std::string::npos);
    EXPECT_NE(log.find("SocQuestCreator not generating quest"), std::string::npos);

    answers.kinds.clear();
    answers.made = 1;
    EXPECT_EQ(SocQuestCreator(1500, 1000, SOC, "[forcequest:70]"), 1);
    EXPECT_EQ(answers.kinds, std::vector<int>{70});
    EXPECT_EQ(Plr.lastquest_day, Plr.daynumber);
}

TEST_F(QuestOffer, ForceSkipsTheLimitsStandingAndRepeatsButNotTheSeason) {
    GetGlobVil(SOC);
    globVil.questhelp = 0;   // a stranger to the village: familiarity 0, below kind 15's 2
    globVil.visits = 0;
    SaveGlobVil();
    Cre[0].visits = 0;
    answers.allowed = 0;     // too many open quests
    answers.repeats = 1;     // and one of the kind lately
    answers.made = 1;
    struct Case {
        const char *tags;
        int month;
        int made;
    } cases[] = {
        {"[forcequest:15]", 6, 0},
        {"force [forcequest:15]", 6, 1},
        {"force [forcequest:50]", 6, 0},   // forcing keeps the season
        {"[forcequest:15] [forcenpc:0]", 6, 0},   // a bracketed tag does not force
    };
    for (const Case &c : cases) {
        Plr.month = (uint8_t)c.month;
        answers.kinds.clear();
        EXPECT_EQ(SocQuestCreator(1500, 1000, SOC, c.tags), c.made) << c.tags;
    }
    Plr.month = 6;
    SocQuestCreator(1500, 1000, SOC, "force [forcequest:15]");
    EXPECT_NE(std::string(questoffer_log()).find(" -- ignored in QSTDEBMODE, proceeding"), std::string::npos);
}

TEST_F(QuestOffer, ForcedPersonMustBeACreatureOfTheArea) {
    answers.made = 1;
    questoffer_services.pick = [](const char *, int, unsigned) -> int { return CRE_NONE; };
    Cre[0].questexpiry = 77;
    struct Case {
        const char *tags;
        int made;
    } cases[] = {
        {"force [forcequest:70] [forcenpc:0]", 1},
        {"force [forcequest:70] [forcenpc:500]", 0},
        {"force [forcequest:70] [forcenpc:-1]", 0},
        {"force [forcequest:70] [forcenpc:7]", 0},   // an empty slot
        {"force [forcequest:70] [forcenpc:x]", 0},
        {"force [forcequest:70] [forcenpc:99999999999]", 0},
    };
    for (const Case &c : cases) EXPECT_EQ(SocQuestCreator(1500, 1000, SOC, c.tags), c.made) << c.tags;
    EXPECT_EQ(Cre[0].questexpiry, 0u) << "the forced person's completion-day memory is cleared";
}
