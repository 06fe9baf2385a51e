// Success rolls and dice.
#include "core/records_fixture.h"

#include <cstdlib>

using namespace oxatest;

namespace {

// The roll a SuccessRoll makes after randomize(seed), drawn by hand: the number of advancing
// draws first, then that many percentile draws, the last one counting.
struct Drawn {
    int roll;
    int calls;
};

Drawn drawn_roll(int seed) {
    randomize(seed);
    int k = random(10) + 9;
    int roll = 0;
    for (int i = 0; i < k; i++) roll = random(100) + 1;
    return {roll, k + 1};
}

// A seed whose roll satisfies `want`.
template <class Want> int seed_for(Want want) {
    for (int seed = 1; seed < 200000; seed++)
        if (want(drawn_roll(seed).roll)) return seed;
    return 0;
}

int roll_with(int seed, int penalty, int level) {
    randomize(seed);
    return SuccessRoll(penalty, level);
}

}  // namespace

using Dice = RecordsTest;

TEST_F(Dice, SuccessRollGradesAndClamps) {
    struct Case {
        const char *what;
        int roll_lo, roll_hi, penalty, level, expect;
    };
    const Case cases[] = {
        {"a roll of 100 fails critically even at level 200", 100, 100, 0, 200, SR_CRITFAIL},
        {"96..99 fail at level 200 (target 95)", 96, 99, 0, 200, SR_FAIL},
        {"95 succeeds critically at level 200", 95, 95, 0, 200, SR_CRITSUCCESS},
        {"5 succeeds critically at level 0 (target 5)", 5, 5, 0, 0, SR_CRITSUCCESS},
        {"1..4 succeed at level 0", 1, 4, 0, 0, SR_SUCCESS},
        {"6..9 fail at level 0", 6, 9, 0, 0, SR_FAIL},
        {"a penalty lowers the target below the roll", 41, 44, 20, 60, SR_FAIL},
        {"a roll equal to the target succeeds", 43, 43, 7, 50, SR_SUCCESS},
        {"a critical roll above the target is a critical failure", 60, 60, 0, 50, SR_CRITFAIL},
        {"a critical roll within the target is a critical success", 30, 30, 0, 50, SR_CRITSUCCESS},
    };
    for (const Case &c : cases) {
        int seed = seed_for([&](int r) { return r >= c.roll_lo && r <= c.roll_hi; });
        ASSERT_NE(seed, 0) << c.what;
        EXPECT_EQ(roll_with(seed, c.penalty, c.level), c.expect) << c.what;
    }
}

TEST_F(Dice, SuccessRollAdvancesTheStreamTenToNineteenTimes) {
    for (int seed = 1; seed <= 50; seed++) {
        Drawn d = drawn_roll(seed);
        int after_hand = rand();
        randomize(seed);
        SuccessRoll(0, 50);
        EXPECT_EQ(rand(), after_hand) << seed;
        EXPECT_GE(d.calls, 10);
        EXPECT_LE(d.calls, 19);
    }
}

TEST_F(Dice, ConsoleOverrides) {
    WIZARD_randomsuccess = 3;
    EXPECT_EQ(SuccessRoll(0, 200), SR_CRITFAIL);
    WIZARD_randomsuccess = 4;
    EXPECT_EQ(SuccessRoll(500, 0), SR_CRITSUCCESS);
    WIZARD_randomsuccess = 1;
    for (int i = 0; i < 50; i++) {
        int r = SuccessRoll(0, 50);
        EXPECT_GE(r, SR_CRITFAIL);
        EXPECT_LE(r, SR_CRITSUCCESS);
    }
}

TEST_F(Dice, NoDiceDrawNothing) {
    for (int n : {0, -3}) {
        randomize(77);
        EXPECT_EQ(d6(n), 0);
        int next = rand();
        randomize(77);
        EXPECT_EQ(rand(), next) << n;
    }
    randomize(3);
    bool low = false, high = false;
    for (int i = 0; i < 2000; i++) {
        int v = d6(2);
        ASSERT_GE(v, 2);
        ASSERT_LE(v, 12);
        low |= v == 2;
        high |= v == 12;
    }
    EXPECT_TRUE(low && high);
}
