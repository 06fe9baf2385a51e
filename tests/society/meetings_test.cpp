// Persistent creatures met again: the days they catch up, familiarity by meetings, the quest link,
// healing, growing up and the far stranger who leaves the world; and, as she plays, a neighbour of
// Aino's village met again days later has eaten and healed.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "core/loader_fixture.h"
#include "creatures/describe.h"
#include "creatures/people.h"
#include "creatures/village_fixture.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "society/meetings.h"
#include "worldgen/culturegoods.h"

namespace {

class Meetings : public LifeTest {
protected:
    void SetUp() override {
        LifeTest::SetUp();
        Plr.last_uid = 100;
    }
    // A persistent creature of slot n on x, y, last met `ago` days before today (-1: never).
    int met(int n, int x, int y, int ago, bool human = false) {
        const int dp = human ? person(n, x, y) : animal(n, x, y);
        Cre[n].handling = human ? 2 : 1;
        Cre[n].daysaved = ago < 0 ? -1 : (int32_t)Plr.daynumber - ago;
        RealCreaturePos[n] = CRE_DATAID + 100 + n;
        return dp;
    }
    bool on_map(int n) { return cre_datapos(n) >= 0; }
};

}  // namespace

TEST_F(Meetings, DaysCaughtUpSinceTheLastMeeting) {
    struct Case {
        int32_t lastday;   // -1 never met
        int days;
    } cases[] = {{-1, 10}, {395, 5}, {400, 0}, {300, 30}, {401, 0}, {INT32_MAX, 0}, {INT32_MIN, 10}};
    for (const Case &c : cases) {
        met(1, 240, 232, 0);
        Cre[1].daysaved = c.lastday;
        EXPECT_EQ(creature_update(1), c.days) << c.lastday;
        EXPECT_EQ(Cre[1].visits, 1u);
    }
    // the first meeting stores today as the last and the first one
    met(1, 240, 232, -1);
    creature_update(1);
    EXPECT_EQ(Cre[1].daysaved, 400);
    EXPECT_EQ(Cre[1].first_seen, 400u);

    // numbers that name no persistent creature change nothing
    met(2, 241, 232, 3);
    RealCreaturePos[2] = 0;
    for (int n : {-1, (int)CRE_NONE, (int)CRE_COUNT, 2, 3}) EXPECT_EQ(creature_update(n), -1) << n;
    EXPECT_EQ(Cre[2].visits, 0u);
}

TEST_F(Meetings, FamiliarityStepsUpAtTheTenthAndTwentiethMeeting) {
    met(1, 240, 232, 1);
    Cre[1].familiarity = 1;
    int at[51] = {};
    for (int m = 1; m <= 50; m++) {
        Cre[1].daysaved = (int32_t)Plr.daynumber;
        creature_update(1);
        at[m] = Cre[1].familiarity;
    }
    EXPECT_EQ(at[9], 1);
    EXPECT_EQ(at[10], 3);
    EXPECT_EQ(at[19], 3);
    EXPECT_EQ(at[20], 4);
    EXPECT_EQ(at[50], 4) << "four is as close as a meeting brings";
}

TEST_F(Meetings, WoundsHealTwoPointsADayUnseen) {
    struct Case {
        int injury, days, left;
    } cases[] = {{5, 2, 1}, {5, 3, 0}, {6, 3, 0}, {100, 30, 40}, {9, 0, 9}};
    for (const Case &c : cases) {
        met(1, 240, 232, c.days);
        Cre[1].woundkind[4] = 2;
        Cre[1].woundlevel[4] = 2;
        Cre[1].woundpart[4] = 7;
        Cre[1].woundinjury[4] = (uint8_t)c.injury;
        Cr_Meet_Update(1, c.days);
        EXPECT_EQ(Cre[1].woundinjury[4], c.left) << c.injury << " after " << c.days;
        EXPECT_EQ(Cre[1].woundkind[4] != 0, c.left > 0) << "a healed wound leaves its slot";
        EXPECT_EQ(Cre[1].woundpart[4] != 0, c.left > 0);
    }
}

TEST_F(Meetings, AFarStrangerLongUnseenLeavesTheWorld) {
    struct Case {
        int dx, dy, firstago, days;
        bool important, removed;
    } cases[] = {
        {50, 50, 40, 11, false, true},   // 100 squares away, first seen 40 days ago, 11 unseen
        {50, 50, 40, 10, false, false},  // 10 unseen
        {30, 33, 40, 11, false, false},  // 63 squares away
        {32, 32, 40, 11, false, true},   // 64
        {50, 50, 30, 11, false, false},  // first seen 30 days ago
        {50, 50, 40, 30, true, false},   // a village's animal stays
    };
    for (const Case &c : cases) {
        met(1, PlayerX + c.dx, PlayerY + c.dy, c.days);
        Cre[1].handling = c.important ? 2 : 1;
        Cre[1].first_seen = Plr.daynumber - (uint32_t)c.firstago;
        Cr_Meet_Update(1, c.days);
        EXPECT_EQ(!on_map(1), c.removed) << c.dx + c.dy << " squares, " << c.days << " days";
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    }
}

// Today is day 400: a quest done is kept 364 days from its completion, whenever it was taken on.
TEST_F(Meetings, TheQuestLinkIsKeptOrDropped) {
    struct Case {
        uint32_t quest;
        bool stored;
        uint32_t acceptday, doneday, memory;
        uint16_t offerend;
        bool kept;
        uint32_t memory_after;
        bool closed = false, companion = false;
    } cases[] = {
        {0, false, 0, 0, 300, 0, false, 0},           // no quest: the memory is forgotten
        {9999, true, 0, 0, 0, 0, false, 0},           // an id never handed out
        {50, false, 0, 0, 0, 0, false, 0},            // no record
        {51, true, 30, 36, 0, 0, true, 36},           // done 364 days ago, taken on long before
        {52, true, 30, 35, 0, 0, false, 0},           // done 365 days ago
        {53, true, 0, 35, 0, 0, false, 0},            // a side role done 365 days ago
        {54, true, 30, 36, 300, 0, true, 300},        // the day remembered counts
        {55, true, 0, 0, 0, 399, false, 0},           // offered, the offer ended yesterday
        {56, true, 0, 0, 0, 400, true, 0},            // the offer ends today
        {57, true, 390, 0, 0, 0, false, 0, true, true},   // an escort whose days ran out
    };
    for (const Case &c : cases) {
        met(1, 240, 232, 1, true);
        Cre[1].quest = c.quest;
        Cre[1].questday = c.offerend;
        Cre[1].questexpiry = c.memory;
        Cre[1].stateflags = SF_QUESTTALK;
        static QuestStruct q;
        memset(&q, 0, sizeof q);
        q.id = c.quest;
        q.acceptDayOfMonth = c.acceptday ? 3 : 0;
        q.acceptDay = c.acceptday;
        q.completionDay = c.doneday;
        q.closed = c.closed;
        if (c.companion) Cre[1].partyflags |= PF_COMPANION;
        if (c.stored) SaveQuest(&q);
        creature_update(1);
        EXPECT_EQ(Cre[1].quest != 0, c.kept) << c.quest;
        EXPECT_EQ(Cre[1].questexpiry, c.memory_after) << c.quest;
        EXPECT_EQ(Cre[1].partyflags & PF_COMPANION, 0u) << c.quest << ": a closed quest's escortee leaves";
        if (!c.kept) {
            EXPECT_EQ(Cre[1].questday, 0u) << c.quest;
            EXPECT_EQ(Cre[1].stateflags & SF_QUESTTALK, 0u) << c.quest;
        }
        RemoveQuest(c.quest);
    }
}

TEST_F(Meetings, AYoungAnimalPutsOnWeightByItsAgeAndGrowsUp) {
    struct Case {
        int months;
        float share;
    } cases[] = {{1, 0.1f}, {3, 0.2f}, {5, 1.0f / 3.0f}, {12, 0.5f}, {13, 0.7f}, {25, 1.0f}};
    for (const Case &c : cases) {
        met(1, 240, 232, 2);
        Cre[1].sexage = 2;
        Cre[1].speciesweight = 90.0f;
        Cre[1].endurance = 6;
        Cre[1].playerage = 20;
        Cre[1].birthday = (int16_t)((int)Plr.daynumber - c.months * 30 - 1);
        Cr_Meet_Update(1, 2);
        EXPECT_NEAR(Cre[1].weight, 90.0f * c.share, 0.01f) << c.months << " months";
        EXPECT_EQ((Cre[1].sexage & 2) == 0, c.months >= 25);
        EXPECT_EQ(Cre[1].endurance, c.months >= 25 ? 12 : 6);
    }
}

// ---- as she plays ----

namespace {
using oxatest::LoaderTest;

class MeetingsPlayed : public LoaderTest {
protected:
    void zoom() {
        if (!bigmap()) oxatest::step_away_from_creatures();
        EnterLocale(0, 0);
        ASSERT_EQ(LOAD_MAP, 1);
        ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    }
    static int slot_of(uint32_t sotu) {
        for (int n = 0; n < CRE_COUNT; n++)
            if (Cre[n].kind != CK_NONE && Cre[n].socialid == sotu && cre_datapos(n) >= 0) return n;
        return -1;
    }
    static int carried(int n, int obj) {
        int sum = 0;
        for (int s = 0; s < CRE_PACK; s++)
            if (Cre[n].pack[s] == obj) sum += Cre[n].packcount[s];
        return sum;
    }
};
}  // namespace

TEST_F(MeetingsPlayed, HerNeighbourMetAgainDaysLaterHasEatenAndHealed) {
    enter_her_village();
    randomize(11);
    const unsigned soc = Mapinfo_socID(IsoX(), IsoY());
    int n = -1;
    for (int c = 0; c < CRE_COUNT && n < 0; c++)
        if (Cre[c].kind == CK_HUMAN && Cre[c].community == soc && RealCreaturePos[c] >= CRE_DATAID &&
            Cre[c].role != 15 && cre_datapos(c) >= 0)
            n = c;
    ASSERT_GE(n, 0) << "her village has people of its own";
    const uint32_t sotu = Cre[n].socialid;
    const uint32_t visits = Cre[n].visits;
    EXPECT_GE(visits, 1u) << "meeting him on entry counted";

    // he is cut and hungry, with a little food of his own, when she leaves
    memset(Cre[n].pack, 0, sizeof Cre[n].pack);
    memset(Cre[n].packcount, 0, sizeof Cre[n].packcount);
    const int food = KULTTUURIESINE_Eraruoka(Cre[n].culture < 14 ? Cre[n].culture : 0);
    ASSERT_GT(food, 0);
    ASSERT_EQ(AddCrPack(n, food, 3), 1);
    Cre[n].energy = 0;
    Cre[n].woundkind[0] = 2;
    Cre[n].woundlevel[0] = 1;
    Cre[n].woundpart[0] = 3;
    Cre[n].woundinjury[0] = 5;
    zoom();
    ASSERT_TRUE(bigmap());
    Plr.daynumber += 5;   // she is away five days
    zoom();
    ASSERT_FALSE(bigmap());

    const int m = slot_of(sotu);
    ASSERT_GE(m, 0) << "he is in his village when she comes back";
    EXPECT_EQ(Cre[m].visits, visits + 1);
    EXPECT_EQ(Cre[m].woundkind[0], 0) << "the cut healed while she was away";
    EXPECT_GT(Cre[m].energy, 0) << "he has eaten";
    EXPECT_LT(carried(m, food), 3) << "of his own food";
}
