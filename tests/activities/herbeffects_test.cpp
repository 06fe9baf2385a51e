// tests/activities/herbeffects_test.cpp -- what eaten herbs do hour by hour: the pending effect bits,
// the illnesses they bring and how those grow, the vomiting roll, the dream that moves the clock on,
// and the question before a mushroom.
#include "activity_fixture.h"

#include "activities/actions.h"
#include "activities/herbeffects.h"
#include "creatures/bodyrec.h"
#include "creatures/wounds.h"

namespace {

int rolled_level = -1, roll_answer = 2;
int scripted_roll(int, int level) { return rolled_level = level, roll_answer; }

class HerbEffects : public oxatest::ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        herb_successroll = scripted_roll;
        roll_answer = 2;   // she keeps her meal down unless a test says otherwise
        plr_set<uint8_t>(2767, 10);   // her will
        srand(46);
    }
    void TearDown() override {
        herb_successroll = SuccessRoll;
        ActivityTest::TearDown();
    }
    static int32_t sleepiness() { return plr_get<int32_t>(PB_SLEEPINESS); }
    static bool slot_of(int kind, WoundSlot &w) {
        for (int s = 0; s < WOUND_SLOTS; s++)
            if (wound_get(-1, s, w) && w.kind == kind) return true;
        return false;
    }
};

TEST_F(HerbEffects, PendingBitsChangeThirstAndSleepinessAndClearAsTheyShould) {
    // The cooling bit eases a thirst only between 301 and 1999, and is spent either way.
    for (auto c : {std::pair<int, int>{300, 300}, {301, 101}, {1999, 1799}, {2000, 2000}}) {
        Plr.thirst = c.first;
        Plr.body_effects = 1u << HERBBIT_REFRIGERANT;
        Suorita_Yrttivaikutus();
        EXPECT_EQ(Plr.thirst, c.second);
        EXPECT_EQ(Plr.body_effects, 0u);
    }
    // The stimulant halves the need of sleep once; again before she sleeps it is only spent.
    plr_set<int32_t>(PB_SLEEPINESS, 1000);
    for (int32_t expected : {500, 500}) {
        Plr.body_effects = 1u << HERBBIT_STIMULANT;
        Suorita_Yrttivaikutus();
        EXPECT_EQ(sleepiness(), expected);
        EXPECT_EQ(Plr.body_effects, 0u);
    }
    // The sedative adds 250 and is spent; the appetite stays hour after hour, until the day ends.
    Plr.body_effects = (1u << HERBBIT_SEDATIVE) | (1u << HERBBIT_APPETIZING);
    for (int hour = 0; hour < 3; hour++) Suorita_Yrttivaikutus();
    EXPECT_EQ(sleepiness(), 750);
    EXPECT_EQ(Plr.body_effects, 1u << HERBBIT_APPETIZING);
    EXPECT_EQ(herb_effect_active(32) + herb_effect_active(-1), 0) << "no bit beyond the word";
    herb_effects_clear();
    EXPECT_EQ(herb_effect_active(HERBBIT_APPETIZING), 0);
}

TEST_F(HerbEffects, VomitingDependsOnTheStomachAndTheAntiemetic) {
    struct { uint8_t stomach; bool antiemetic; int level; } bands[] = {
        {125, false, 40}, {126, false, 10}, {200, false, 10}, {201, false, 0}, {201, true, 80},
    };
    for (auto &b : bands) {
        Plr.stomach = b.stomach;
        Plr.body_effects = b.antiemetic ? 1u << HERBBIT_ANTIEMETIC : 0u;
        SYMPTOM_Vomit();
        EXPECT_EQ(rolled_level, b.level) << (int)b.stomach;
        EXPECT_EQ(Plr.stomach, b.stomach) << "a success keeps it down";
    }
    roll_answer = 1;
    Plr.thirst = 50;
    SYMPTOM_Vomit();
    EXPECT_EQ(Plr.stomach, 0);
    EXPECT_EQ(Plr.thirst, 350);
}

TEST_F(HerbEffects, PoisonBitsBecomeIllnessesThatGrowUntilTheySettle) {
    // Each acts in the hour it sets in: nausea heals a step, a poisoning grows.
    struct { int bit, kind, low, high; const char *cause; } table[] = {
        {HERBBIT_NAUSEA, ILL_NAUSEA, 1, 3, "nausea"},
        {HERBBIT_GUT, ILL_STOMACH, 2, 4, "stomach burning poisoning"},
        {HERBBIT_DEADLY, ILL_DEADLY, 1, 6, "poisoning"},
        {HERBBIT_POISONOUS, ILL_POISONING, 3, 5, "poisoning"},
    };
    WoundSlot w;
    for (auto &t : table) {
        for (int s = 0; s < WOUND_SLOTS; s++) wound_put(-1, s, WoundSlot{});
        plr_set<uint32_t>(PB_INJURY, 0);
        Plr.body_effects = (1u << t.bit) | (1u << HERBBIT_ANALGESIC);   // no fall to the knees here
        Suorita_Yrttivaikutus();
        ASSERT_TRUE(slot_of(t.kind, w)) << t.cause;
        EXPECT_STREQ(InjuryCause, t.cause);
        EXPECT_EQ(plr_get<int32_t>(PB_ATTACKER), CAUSE_ILLNESS);
        EXPECT_EQ(Plr.body_effects, 1u << HERBBIT_ANALGESIC) << "spent: " << t.cause;
        EXPECT_GE(w.injury, t.low) << t.cause;
        EXPECT_LE(w.injury, t.high) << t.cause;
        EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), (uint32_t)body_injury_sum(-1)) << t.cause;
    }
    // The poisoning (the last row) grows while its level is above 3; past 10 it settles at 3.
    for (int hours = 0; hours < 200 && slot_of(ILL_POISONING, w) && w.level > 3; hours++) Suorita_Yrttivaikutus();
    ASSERT_TRUE(slot_of(ILL_POISONING, w));
    EXPECT_GT(w.injury, 10);
    const uint8_t settled = w.injury;
    for (int h = 0; h < 5; h++) Suorita_Yrttivaikutus();
    ASSERT_TRUE(slot_of(ILL_POISONING, w));
    EXPECT_EQ(w.injury, settled);
    EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), (uint32_t)body_injury_sum(-1));
}

// The dream carries her hours on through the clock, with every hour's upkeep: the hour byte always
// names an hour of the day and agrees with the running minutes.
TEST_F(HerbEffects, TheDreamMovesTheClockOnWithTheHourlyUpkeep) {
    Plr.hour = 23;
    last_hour = 23;
    const uint32_t start = Plr.minutes;
    const int start_hours = Plr.day * 24 + Plr.hour;
    int dreamt = 0;
    for (int h = 0; h < 100 && Plr.day < 30; h++) {   // within the month, where the sum holds
        Plr.body_effects = 1u << HERBBIT_PSYCHOACTIVE;
        const uint32_t before = Plr.minutes;
        Suorita_Yrttivaikutus();
        ASSERT_LT(Plr.hour, 24);
        ASSERT_EQ(last_hour, Plr.hour) << "the hourly upkeep ran for the hour she woke in";
        ASSERT_EQ(Plr.minutes - start, (uint32_t)(60 * (Plr.day * 24 + Plr.hour - start_hours)));
        dreamt += Plr.minutes != before;
    }
    EXPECT_GT(dreamt, 0) << "some hour was lost in the dream";
    Plr.hallucinating = 1;
    Plr.body_effects = 0;
    Suorita_Yrttivaikutus();
    EXPECT_EQ(Plr.hallucinating, 0) << "without the bit the trance is over";
}

TEST_F(HerbEffects, AMushroomIsEatenWithoutAQuestionOnlyWhenKnownHarmlessOrTheQuestionIsOff) {
    struct { uint32_t raw; const char *setting; bool asked; } table[] = {
        {0u, "", false},
        {1u << HERBBIT_GUT, "[EAT_MUSHROOM_CONFIRMATION:YES]\n", true},
        {1u << HERBBIT_DEADLY, "[EAT_MUSHROOM_CONFIRMATION:NO]\n", false},
        {1u << HERBBIT_NAUSEA, "", false},
    };
    for (auto &t : table) {
        dir->write_file("oxa_ini.txt", t.setting);
        ItemStruct cap = thing(IT_FOOD, "Milkcap", OID_MUSHROOM, 0.2f);
        cap.raw = t.raw;
        give(0, cap);
        Plr.stomach = 0;
        Plr.body_effects = 0;
        const int asked = times_noted("You know the milkcap is poisonous.");
        oxatest::push_key(SDLK_n);
        eat(0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        EXPECT_EQ(times_noted("You know the milkcap is poisonous.") > asked, t.asked) << t.raw;
        EXPECT_EQ(Plr.body_effects, t.asked ? 0u : t.raw) << "eaten, its effects join hers";
    }
}

}  // namespace
