// tests/activities/spirits_test.cpp -- the spirits' records and moods, what the player feels of them,
// and the rituals: their counters, the timed skill bonus and the ritual texts.
#include "activity_fixture.h"

#include "activities/actions.h"
#include "activities/spirits.h"
#include "core/config.h"

#include <cstdio>
#include <string>

namespace {

class Spirits : public oxatest::ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_spirits.txt");
        copy_bounded(OxaPath, sizeof OxaPath, dir->path().c_str());
        MSG_forget_index();
    }
    void TearDown() override {
        OxaPath[0] = 0;
        ActivityTest::TearDown();
    }
    static int records_of(int n) {
        int k = 0;
        for (const DataStruct &d : Data) k += d.type == DT_SPIRIT && d.id == (uint32_t)n;
        return k;
    }
    static void spirit_record(int pos, int n, int x, int y, int mood, int day = 0) {
        Data[pos] = SpiritDataInit(x, y, n);
        Data[pos].owner = (int16_t)mood;
        Data[pos].day = (uint16_t)day;
    }
};

TEST_F(Spirits, MoodsStayWithinTheirBoundsAndFollowTheSpiritsOwnStanding) {
    const struct {
        int n, mood, change, mood_after, standing, standing_after;
    } cases[] = {
        {702, -95, -10, -100, -95, -100}, {702, 95, 10, 100, 0, 10},  {701, 95, 10, 100, 95, 100},
        {701, 0, -3, -3, -99, -100},      {700, 40, -50, -10, 0, 0},  {702, -100, 250, 100, 0, 100},
    };
    for (const auto &c : cases) {
        memset(Data, 0, sizeof Data);
        spirit_record(5, c.n, PlayerX + 2, PlayerY, c.mood);
        Plr.forest_spirit = c.n == 702 ? c.standing : 0;
        Plr.water_spirit = c.n == 701 ? c.standing : 0;
        Plr.spirit_contacts = 3;
        set_SpiritData_mood(PlayerX, PlayerY, c.n, c.change);
        EXPECT_EQ(Data[5].owner, c.mood_after) << c.n << " " << c.mood;
        EXPECT_EQ(records_of(c.n), 1) << "the nearest record changes; no second one is made";
        EXPECT_EQ(c.n == 702 ? Plr.forest_spirit : c.n == 701 ? Plr.water_spirit : 0, c.standing_after) << c.n;
        EXPECT_EQ(Plr.spirit_contacts, 4);
    }
}

TEST_F(Spirits, TheNearestRecordCountsAndAFirstReadMakesANeutralOne) {
    spirit_record(3, 702, PlayerX + 20, PlayerY, -40);
    spirit_record(9, 702, PlayerX - 2, PlayerY + 1, 30, 7);
    EXPECT_EQ(get_SpiritData_mood(PlayerX, PlayerY, 702), 30);
    Plr.daynumber = 8;
    EXPECT_EQ(get_SpiritData_meetgap(702), 1) << "met yesterday";
    int x = 1, y = 1;
    HaltijaSijainti(702, x, y);
    EXPECT_EQ(x, 0) << "met yesterday, it does not come again";
    // Never met: gap 100; a first read stores a neutral record at the square given.
    EXPECT_EQ(get_SpiritData_meetgap(701), 100);
    EXPECT_EQ(get_SpiritData_mood(PlayerX + 1, PlayerY, 701), 0);
    ASSERT_EQ(records_of(701), 1);
    EXPECT_EQ(get_SpiritData_meetgap(701), 100) << "a record before any meeting is no meeting";
    // On the world map nothing is stored and the mood reads neutral.
    world_map();
    EXPECT_EQ(get_SpiritData_mood(PlayerX, PlayerY, 700), 0);
    set_SpiritData_mood(PlayerX, PlayerY, 700, 20);
    EXPECT_EQ(records_of(700), 0);
}

// A pool without a never-used record keeps every record it has; the spirit reads neutral again.
TEST_F(Spirits, AFullPoolStoresNoSpiritAndOverwritesNothing) {
    for (int i = 0; i < DATA_MAX; i++) {
        Data[i].type = (uint8_t)((i % 2) ? '!' : (int)DT_FIRE);
        Data[i].x = (uint16_t)(i % 300);
        Data[i].id = (uint32_t)i;
    }
    static DataStruct before[DATA_MAX];
    memcpy(before, Data, sizeof before);
    set_SpiritData_mood(PlayerX, PlayerY, 702, 25);
    set_SpiritData_attract(PlayerX, PlayerY, 700);
    EXPECT_EQ(memcmp(before, Data, sizeof before), 0);
    EXPECT_EQ(get_SpiritData_mood(PlayerX, PlayerY, 702), 0);
    EXPECT_EQ(get_SpiritData_attractmingap(PlayerX, PlayerY, 700), 0);
}

TEST(SpiritMood, APendingBearSkullAngersTheForestSpiritDayByDay) {
    const struct {
        int mood, days, reads;
    } cases[] = {{10, 5, 0}, {-80, 5, -25}, {10, 1, 10}, {50, 2, 46}, {0, 20, -25}};
    for (const auto &c : cases) EXPECT_EQ(spirit_mood_skull(c.mood, c.days), c.reads) << c.mood << " " << c.days;
}

TEST_F(Spirits, LooksAndFeelingsTellTheMoods) {
    const struct {
        int n, mood, standing;
        const char *look;
    } looks[] = {{700, -90, 0, "flirty"},      {702, 0, 0, "calm"},           {702, -30, 0, "angry"},
                 {702, 20, 20, "pleased"},     {701, -60, -80, "furious"},    {701, 11, 0, "gentle"},
                 {702, 60, 60, "appreciative and friendly"}};
    for (const auto &c : looks) {
        memset(Data, 0, sizeof Data);
        spirit_record(0, c.n, PlayerX, PlayerY, c.mood);
        Plr.forest_spirit = c.n == 702 ? c.standing : 0;
        Plr.water_spirit = c.n == 701 ? c.standing : 0;
        EXPECT_STREQ(txtdesc_HaltijaIlme(PlayerX, PlayerY, c.n), c.look) << c.n << " " << c.mood;
    }
    // The spirit of the forest speaks by its mood: threats when angry, blessings when pleased.
    const struct {
        int mood;
        const char *one_of[3];
    } said[] = {{-5, {"close my gates", "evading your traps", "your empty hands"}},
                {0, {"the forest will be pleased", "fair to those who are fair", "a guest in my house"}},
                {3, {"My flock will roam", "storehouses are open", "your traps bountiful"}}};
    for (const auto &c : said)
        for (int k = 0; k < 6; k++) {
            memset(Data, 0, sizeof Data);
            spirit_record(0, 702, PlayerX, PlayerY, c.mood);
            const std::string line = talkline_Metsanhaltija();
            bool known = false;
            for (const char *w : c.one_of) known = known || line.find(w) != std::string::npos;
            EXPECT_TRUE(known) << c.mood << ": " << line;
        }
    // At night the stronger feeling is told; equal ones tell of the waters.
    const struct {
        int forest, water;
        const char *felt;
    } felt[] = {{-60, 10, "The forest around looks extremely hostile."},
                {4, -30, "You feel an angry wind passing by."},
                {8, 8, "You feel pleasant."},
                {40, -40, "You feel strangely frightened about the waters around."},
                {36, 2, "You feel comfortable and safe."}};
    for (const auto &c : felt) {
        memset(Data, 0, sizeof Data);
        Plr.forest_spirit = Plr.water_spirit = 0;
        spirit_record(0, 702, PlayerX, PlayerY, c.forest);
        spirit_record(1, 701, PlayerX, PlayerY, c.water);
        Plr.spirit_contacts = 18;
        const size_t before = notes().size();
        supernatural_encount();
        EXPECT_NE(notes().substr(before).find(c.felt), std::string::npos) << c.forest << " " << c.water;
        EXPECT_EQ(Plr.spirit_contacts, 0);
    }
}

TEST_F(Spirits, RitualCountersDecideWhetherARitualMeansSomething) {
    const struct {
        int who, ritual, counter, answer, counter_after, forest, water, contacts;
    } cases[] = {
        {1, 0, 0, 1, 0, 1, 0, 1},     // the plain thanks of a ritual done
        {0, 7, 0, 0, 0, 0, 0, 0},     // never meaningful
        {0, 7, 200, 0, 200, 0, 0, 0}, // spent
        {1, 7, 3, 1, 3, 0, 0, 1},     // meaningful, without favour
        {1, 7, 9, 1, 0, 1, 0, 1},     // favoured once
        {0, 7, 9, 1, 0, 2, 2, 1},     // both values, twice
        {1, 4, 0, 1, 200, 0, 0, 1},   // the sleep ritual, once a night
        {1, 4, 200, 1, 200, 0, 0, 0}, // done already: no contact
        {1, 150, 0, 0, 0, 0, 0, 0},   // no counter of its own
    };
    for (const auto &c : cases) {
        memset(Plr.ritual_counter, 0, sizeof Plr.ritual_counter);
        Plr.forest_spirit = Plr.water_spirit = Plr.spirit_contacts = 0;
        if (c.ritual < 100) Plr.ritual_counter[c.ritual] = (uint8_t)c.counter;
        EXPECT_EQ(supernatural_please(c.who, c.ritual), c.answer) << c.ritual << " " << c.counter;
        if (c.ritual < 100) {
            EXPECT_EQ(Plr.ritual_counter[c.ritual], c.counter_after) << c.ritual;
        }
        EXPECT_EQ(Plr.forest_spirit, c.forest) << c.ritual << " " << c.counter;
        EXPECT_EQ(Plr.water_spirit, c.water) << c.ritual << " " << c.counter;
        EXPECT_EQ(Plr.spirit_contacts, c.contacts) << c.ritual << " " << c.counter;
    }
    // A sacrifice for a need takes the favour of the first meaningful ritual for its own.
    memset(Plr.ritual_counter, 0, sizeof Plr.ritual_counter);
    Plr.ritual_counter[9] = 40;
    Plr.forest_spirit = 0;
    EXPECT_EQ(supernatural_please(1, 2), 1);
    EXPECT_EQ(Plr.ritual_counter[9], 0);
    EXPECT_EQ(Plr.ritual_counter[2], 0);
    EXPECT_EQ(Plr.forest_spirit, 1);
}

TEST_F(Spirits, TheTimedSkillBonusReachesNinetyFiveAndDoesNotStack) {
    const struct {
        int level, amount, level_after, bonus;
    } cases[] = {{90, 30, 95, 5}, {50, 30, 80, 30}, {97, 30, 97, 0}, {65, 30, 95, 30}};
    for (const auto &c : cases) {
        skill(4, "TRACKING", c.level);
        Plr.skill_bonus[4] = Plr.skill_bonus_min[4] = 0;
        skill_up("TRACKING", c.amount, 240);
        EXPECT_EQ(Plr.skill_level[4], c.level_after) << c.level;
        EXPECT_EQ(Plr.skill_bonus[4], c.bonus) << c.level;
        EXPECT_EQ(Plr.skill_bonus_min[4], 240);
        if (!c.bonus) continue;
        skill_up("TRACKING", c.amount, 240);
        EXPECT_EQ(Plr.skill_level[4], c.level_after) << "a second bonus before the first ran out";
    }
    skill(4, "", 0);
    skill_up("TRACKING", 30, 240);   // nobody has the skill: nothing happens
}

// A ritual text longer than the screen is cut to what fits, each line to 79 characters; a text that
// is missing shows nothing and the ritual still counts as performed.
TEST_F(Spirits, RitualTextsAreCutToTheScreenAndAMissingOneStillPerforms) {
    std::string text;
    for (int i = 0; i < 60; i++) text += std::string(100 + i, (char)('a' + i % 26)) + "\r\n";
    text += "no newline at the end";
    dir->write_file("LONG.RIT", text);
    static char lines[RITUAL_LINES_MAX][RITUAL_LINE_MAX + 1];
    EXPECT_EQ(ritual_text_lines("LONG.RIT", lines, RITUAL_LINES_MAX), RITUAL_LINES_MAX);
    for (int i = 0; i < RITUAL_LINES_MAX; i++) EXPECT_EQ(strlen(lines[i]), 79u) << i;
    dir->write_file("SHORT.RIT", "one\n\nthree");
    ASSERT_EQ(ritual_text_lines("SHORT.RIT", lines, RITUAL_LINES_MAX), 3);
    EXPECT_STREQ(lines[2], "three");
    EXPECT_EQ(ritual_text_lines("HUNT.RIT", lines, RITUAL_LINES_MAX), -1);

    // The hunting incantation at dawn, its text missing: time spent, the ritual done all the same.
    skill(4, "TRACKING", 40);
    Plr.hour = 5;
    Plr.forest_spirit = 0;
    uint32_t before = Plr.minutes;
    do_ritual(6);
    EXPECT_GE(Plr.minutes - before, 15u);
    EXPECT_EQ(Plr.skill_level[4], 70);
    EXPECT_EQ(Plr.forest_spirit, -3) << "lowered by 4 by the ritual, raised by 1 by its thanks";
    // At nine it is too late: only the message, no time.
    Plr.hour = 9;
    before = Plr.minutes;
    do_ritual(6);
    EXPECT_EQ(Plr.minutes, before);
    EXPECT_TRUE(noted("This incantation must be performed early in the morning."));
}

}  // namespace
