// tests/activities/fieldwork_test.cpp -- the calendar of sowing, the soil frost refusals by month and
// the plants one sowing gives.
#include <gtest/gtest.h>

#include <string>

#include "activities/fieldwork.h"

namespace {

TEST(FieldWork, SowingWaitsForItsDayAndEndsAtTheWitheringMonth) {
    const struct {
        int sprout, wither, month, day, answer;
    } cases[] = {
        {5, 10, 4, 19, 1},              // the day before the sowing day of month 4
        {5, 10, 4, 20, 0},              // day 20 of the month before sprouting
        {5, 10, 3, 1, 49},              // from day 1 of month 3 to day 20 of month 4
        {5, 10, 7, 15, 0},              // in season
        {5, 9, 9, 1, SOW_TOO_LATE},     // the withering month itself
        {5, 9, 12, 30, SOW_TOO_LATE},
        {1, 9, 1, 1, 0},                // sprouting in the first month: never too early
    };
    for (const auto &c : cases)
        EXPECT_EQ(kylvopaivia_jaljella(c.sprout, c.wither, c.month, c.day), c.answer)
            << "S " << c.sprout << " W " << c.wither << " on " << c.day << "/" << c.month;
}

TEST(FieldWork, FrozenAndFrostySoilIsRefusedByMonth) {
    const struct {
        int frost, month;
        bool sowing;
        const char *refusal;        // null: allowed
    } cases[] = {
        {0, 1, false, nullptr},
        {0, 5, true, nullptr},
        {1, 6, false, "!You can't prepare frozen soil."},
        {1, 1, true, "!Nothing grows in frozen ground."},
        {2, 3, false, "!The soil is not yet warm enough to be prepared."},
        {2, 7, false, "!The soil is not yet warm enough to be prepared."},
        {2, 8, false, "!The soil has gotten too frosty to be prepared."},
        {2, 2, false, "!The soil has gotten too frosty to be prepared."},
        {2, 7, true, "!The ground is still too frosty to plant anything."},
        {2, 8, true, "!The ground is too frosty to plant anything."},
    };
    for (const auto &c : cases) {
        const char *got = routa_este(c.frost, c.month, c.sowing);
        EXPECT_EQ(std::string(got ? got : "-"), std::string(c.refusal ? c.refusal : "-"))
            << "frost " << c.frost << " month " << c.month << (c.sowing ? " sowing" : " preparing");
    }
}

TEST(FieldWork, ASowingGivesAtLeastOnePlant) {
    const struct {
        int roll, per_sowing, least, most;
    } cases[] = {{0, 10, 1, 1}, {1, 1, 1, 1}, {1, 10, 1, 4}, {2, 10, 5, 9}, {3, 10, 10, 10}, {3, 0, 1, 1}};
    for (const auto &c : cases)
        for (int k = 0; k < 20; k++) {
            const int n = kylvetyt_kasvit(c.roll, c.per_sowing);
            EXPECT_TRUE(n >= c.least && n <= c.most) << "roll " << c.roll << " of " << c.per_sowing << " gave " << n;
        }
}

}  // namespace
