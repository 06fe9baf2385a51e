// tests/activities/herbeffects_test.cpp -- what eaten herbs do hour by hour: the pending effect bits,
// the illnesses they bring and how those grow or heal, the vomiting roll, and the dream that moves
// the clock on.
#include "activity_fixture.h"

#include "activities/actions.h"
#include "activities/herbeffects.h"
#include "creatures/bodyrec.h"
#include "creatures/wounds.h"

using oxatest::ActivityTest;

namespace {

int rolled_level = -1, roll_answer = 1;
int scripted_roll(int, int level) {
    rolled_level = level;
    return roll_answer;
}

class HerbEffects : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        herb_successroll = scripted_roll;
        rolled_level = -1;
        roll_answer = 2;   // she keeps her meal down unless a test says otherwise
        plr_set<uint8_t>(2767, 10);   // her will
        srand(46);
    }
    void TearDown() override {
        herb_successroll = SuccessRoll;
        ActivityTest::TearDown();
    }
    static void healthy() {
        for (int s = 0; s < WOUND_SLOTS; s++) wound_put(-1, s, WoundSlot{});
        plr_set<uint32_t>(PB_INJURY, 0);
    }
    static int32_t sleepiness() { return plr_get<int32_t>(PB_SLEEPINESS); }
    static bool slot_of(int kind, WoundSlot &w) {
        for (int s = 0; s < WOUND_SLOTS; s++)
            if (wound_get(-1, s, w) && w.kind == kind) return true;
        return false;
    }
};

TEST_F(HerbEffects, PendingBitsChangeThirstAndSleepinessAndClearAsTheyShould) {
    // The cooling bit eases a thirst only between 301 and 1999, and goes either way.
    struct { int32_t thirst, after; } cooling[] = {{300, 300}, {301, 101}, {1999, 1799}, {2000, 2000}};
    for (auto &c : cooling) {
        Plr.thirst = c.thirst;
        Plr.body_effects = 1u << HERBBIT_REFRIGERANT;
        Suorita_Yrttivaikutus();
        EXPECT_EQ(Plr.thirst, c.after) << c.thirst;
        EXPECT_EQ(Plr.body_effects, 0u) << c.thirst;
    }

    // The stimulant halves the need of sleep once; again before she sleeps it is only spent.
    plr_set<int32_t>(PB_SLEEPINESS, 1000);
    for (int32_t expected : {500, 500}) {
        Plr.body_effects = 1u << HERBBIT_STIMULANT;
        Suorita_Yrttivaikutus();
        EXPECT_EQ(sleepiness(), expected);
        EXPECT_EQ(Plr.body_effects, 0u);
    }
    // The sedative adds 250 and is spent; the appetite stays hour after hour.
    Plr.body_effects = (1u << HERBBIT_SEDATIVE) | (1u << HERBBIT_APPETIZING);
    for (int hour = 0; hour < 3; hour++) Suorita_Yrttivaikutus();
    EXPECT_EQ(sleepiness(), 750);
    EXPECT_EQ(Plr.body_effects, 1u << HERBBIT_APPETIZING);
    EXPECT_EQ(herb_effect_active(HERBBIT_APPETIZING), 1);
    EXPECT_EQ(herb_effect_active(32), 0) << "no bit beyond the word";
    EXPECT_EQ(herb_effect_active(-1), 0);
    herb_effects_clear();
    EXPECT_EQ(Plr.body_effects, 0u);
}

TEST_F(HerbEffects, VomitingDependsOnTheStomachAndTheAntiemetic) {
    struct { uint8_t stomach; bool antiemetic; int level; } bands[] = {
        {0, false, 40}, {125, false, 40}, {126, false, 10}, {200, false, 10}, {201, false, 0}, {255, false, 0},
        {201, true, 80}, {125, true, 80},
    };
    for (auto &b : bands) {
        Plr.stomach = b.stomach;
        Plr.body_effects = b.antiemetic ? 1u << HERBBIT_ANTIEMETIC : 0u;
        SYMPTOM_Vomit();
        EXPECT_EQ(rolled_level, b.level) << (int)b.stomach << (b.antiemetic ? " antiemetic" : "");
        EXPECT_EQ(Plr.stomach, b.stomach) << "a success keeps it down";
    }
    roll_answer = 1;
    Plr.stomach = 180;
    Plr.thirst = 50;
    SYMPTOM_Vomit();
    EXPECT_EQ(Plr.stomach, 0);
    EXPECT_EQ(Plr.thirst, 350);
    EXPECT_TRUE(noted("Barf! You suddenly vomit!"));
}

TEST_F(HerbEffects, PoisonBitsBecomeIllnessesThatGrowOrHeal) {
    // The illness acts in the hour it sets in: nausea heals a step, a poisoning grows.
    struct { int bit, kind, injury_min, injury_max; const char *cause, *note; } table[] = {
        {HERBBIT_NAUSEA, ILL_NAUSEA, 1, 3, "nausea", "You are starting to feel slightly nauseous."},
        {HERBBIT_GUT, ILL_STOMACH, 2, 4, "stomach burning poisoning", "You feel burning sensation in your stomach."},
        {HERBBIT_DEADLY, ILL_DEADLY, 1, 6, "deadly poisoning", "You start to feel very sick."},
        {HERBBIT_POISONOUS, ILL_POISONING, 3, 5, "poisoning", "You start to feel nauseous and weak."},
    };
    for (auto &t : table) {
        healthy();
        Plr.body_effects = 1u << t.bit;
        Plr.body_effects |= 1u << HERBBIT_ANALGESIC;   // no fall to the knees in this table
        Suorita_Yrttivaikutus();
        WoundSlot w;
        ASSERT_TRUE(slot_of(t.kind, w)) << t.cause;
        EXPECT_STREQ(InjuryCause, t.kind == ILL_DEADLY ? "poisoning" : t.cause);
        EXPECT_EQ(plr_get<int32_t>(PB_INJURYCAUSE), CAUSE_ILLNESS);
        EXPECT_TRUE(noted(t.note)) << t.cause;
        EXPECT_EQ(Plr.body_effects, 1u << HERBBIT_ANALGESIC) << "spent: " << t.cause;
        EXPECT_GE(w.injury, t.injury_min) << t.cause;
        EXPECT_LE(w.injury, t.injury_max) << t.cause;
        EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), (uint32_t)body_injury_sum(-1)) << t.cause;
    }

    // A poisoning grows while its level is above 3; past 10 it settles at level 3 and stops.
    healthy();
    Plr.body_effects = 1u << HERBBIT_POISONOUS;
    WoundSlot w;
    int hours = 0;
    do {
        Suorita_Yrttivaikutus();
        ASSERT_TRUE(slot_of(ILL_POISONING, w));
    } while (w.level > 3 && ++hours < 200);
    EXPECT_GT(w.injury, 10);
    const uint8_t settled = w.injury;
    for (int h = 0; h < 5; h++) Suorita_Yrttivaikutus();
    ASSERT_TRUE(slot_of(ILL_POISONING, w));
    EXPECT_EQ(w.injury, settled);
    EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), (uint32_t)body_injury_sum(-1));

    // Nausea makes her vomit while it is strong and heals a step an hour until it is gone.
    healthy();
    Plr.body_effects = 1u << HERBBIT_NAUSEA;
    Suorita_Yrttivaikutus();
    ASSERT_TRUE(slot_of(ILL_NAUSEA, w));
    for (int h = 0; h < 6; h++) Suorita_Yrttivaikutus();
    EXPECT_FALSE(slot_of(ILL_NAUSEA, w)) << "gone after a few hours";
    EXPECT_GE(rolled_level, 0) << "she felt like throwing up";
    EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), 0u);
}

// The dream carries her hours on through the clock, with every hour's upkeep; the hour byte always
// names an hour of the day and agrees with the running minutes.
TEST_F(HerbEffects, TheDreamMovesTheClockOnWithTheHourlyUpkeep) {
    Plr.hour = 23;
    Plr.minute = 0;
    last_hour = 23;
    const uint32_t start = Plr.minutes;
    const int start_hours = Plr.day * 24 + Plr.hour;
    int dreamt = 0;
    for (int h = 0; h < 100; h++) {
        Plr.body_effects = 1u << HERBBIT_PSYCHOACTIVE;
        const uint32_t before = Plr.minutes;
        Suorita_Yrttivaikutus();
        ASSERT_LT(Plr.hour, 24);
        ASSERT_EQ(last_hour, Plr.hour) << "the hourly upkeep ran for the hour she woke in";
        ASSERT_EQ(Plr.minutes - start, (uint32_t)(60 * (Plr.day * 24 + Plr.hour - start_hours)))
            << "day " << (int)Plr.day << " hour " << (int)Plr.hour;
        if (Plr.minutes != before) dreamt++;
        if (Plr.day == 30) break;   // the month turns: the sum above no longer holds
    }
    EXPECT_GT(dreamt, 0) << "some hour was lost in the dream";

    // Without the bit the trance is over.
    Plr.hallucinating = 1;
    Plr.body_effects = 0;
    Suorita_Yrttivaikutus();
    EXPECT_EQ(Plr.hallucinating, 0);
}

TEST_F(HerbEffects, AMushroomIsEatenWithoutAQuestionOnlyWhenKnownHarmlessOrTheQuestionIsOff) {
    struct { uint32_t raw; const char *setting; bool asked; } table[] = {
        {0u, "", false},
        {1u << HERBBIT_POISONOUS, "", true},
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
        const int asked_before = times_noted("You know the milkcap is poisonous.");
        oxatest::push_key(SDLK_n);
        eat(0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        EXPECT_EQ(times_noted("You know the milkcap is poisonous.") > asked_before, t.asked) << t.raw;
        EXPECT_EQ(Plr.body_effects, t.asked ? 0u : t.raw) << "eaten: the effects join hers; refused: nothing";
        Plr.inv_obj[0] = 0;
    }
}

}  // namespace
