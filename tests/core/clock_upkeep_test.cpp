// tests/core/clock_upkeep_test.cpp -- the game clock: seconds into the minute step, minutes into
// hours, days, months and years, timed skill bonuses, starvation by the hour, the daily upkeep with
// its "EQUIP.DAT" line, unique ids and day arithmetic.
#include "turn_fixture.h"
#include "game/clockupkeep.h"
#include "core/shading.h"
#include "core/weatherengine.h"
#include "base/ui.h"
#include "creatures/people.h"
#include "society/chat_topics.h"

#include <sys/stat.h>

using oxatest::TurnTest;

namespace {

class ClockTest : public TurnTest {};

TEST_F(ClockTest, SecondsCarryIntoTheMinuteAndTheRestIsDropped) {
    for (int i = 0; i < 3; i++) SecondTick(25, 1);
    EXPECT_EQ(Plr.minutes, 1u);
    EXPECT_EQ(Plr.minute, 1);
    EXPECT_EQ(Juoksevat_sekuntit, 0) << "15 seconds are lost";
    EXPECT_EQ(Plr.fine_time, 6u);

    clock_reset();
    Plr.minutes = 0;
    Plr.minute = 0;
    Plr.fine_time = 0;
    for (int i = 0; i < 9; i++) SecondTick(6, 0);
    EXPECT_EQ(Plr.minutes, 0u);
    EXPECT_EQ(Juoksevat_sekuntit, 54);
    SecondTick(6, 0);
    EXPECT_EQ(Plr.minutes, 1u) << "ten six-second turns make a minute";
    EXPECT_EQ(Juoksevat_sekuntit, 0);
    EXPECT_EQ(Plr.fine_time, 10u) << "a tick of less than ten seconds still counts one";

    MinuteTick(90, 1);
    EXPECT_EQ(Plr.minute, 91) << "the minute step does not carry";
    EXPECT_EQ(Plr.minutes, 91u);
}

TEST_F(ClockTest, MinutesCarryIntoHoursDaysMonthsAndYears) {
    struct Case {
        int minute, hour, day, month, year;
        int want_minute, want_hour, want_day, want_month, want_year;
    } cases[] = {
        {90, 23, 5, 3, 1, 30, 0, 6, 3, 1},     // 23:00 and 90 minutes: 00:30 of the next day
        {0, 24, 30, 4, 1, 0, 0, 1, 5, 1},      // the last day of a month
        {0, 24, 30, 12, 1, 0, 0, 1, 1, 2},     // the last day of the year
        {30, 10, 31, 12, 1, 30, 10, 1, 1, 2},  // a day past the month's end
        {59, 12, 14, 7, 3, 59, 12, 14, 7, 3},  // nothing to carry
        {240, 22, 29, 6, 1, 0, 2, 30, 6, 1},   // four hours past 22:00
    };
    for (const Case &c : cases) {
        Plr.minute = (uint8_t)c.minute;
        Plr.hour = (uint8_t)c.hour;
        Plr.day = (uint8_t)c.day;
        Plr.month = (uint8_t)c.month;
        Plr.year = (uint8_t)c.year;
        Time();
        EXPECT_EQ(Plr.minute, c.want_minute) << c.hour << ":" << c.minute << " " << c.day << "." << c.month;
        EXPECT_EQ(Plr.hour, c.want_hour) << c.hour << ":" << c.minute << " " << c.day << "." << c.month;
        EXPECT_EQ(Plr.day, c.want_day) << c.hour << ":" << c.minute << " " << c.day << "." << c.month;
        EXPECT_EQ(Plr.month, c.want_month) << c.hour << ":" << c.minute << " " << c.day << "." << c.month;
        EXPECT_EQ(Plr.year, c.want_year) << c.hour << ":" << c.minute << " " << c.day << "." << c.month;
        EXPECT_EQ(last_hour, c.want_hour) << "the hour's upkeep ran for the new hour";
    }
}

// A clock step past the hour leaves the map tinted as the new hour and minute shade it.
TEST_F(ClockTest, TheTintFollowsTheHourTheClockTurnedTo) {
    GlobWeather.sun_alt = 3;
    GlobWeather.sun_alt_next = -3;   // day turning to dusk
    Plr.hour = 10;
    Plr.minute = 70;
    Time();
    ASSERT_EQ(Plr.hour, 11);
    int r, g, b, wr, wg, wb;
    GetMapShade(&r, &g, &b);
    DoRealMapShade();
    GetMapShade(&wr, &wg, &wb);
    EXPECT_EQ(r, wr);
    EXPECT_EQ(g, wg);
    EXPECT_EQ(b, wb);
}

TEST_F(ClockTest, TimedSkillBonusesEndOnTheHour) {
    Plr.skill_level[3] = 15;
    Plr.skill_bonus[3] = 5;
    Plr.skill_bonus_min[3] = 61;
    Plr.skill_level[4] = 12;
    Plr.skill_bonus[4] = 2;
    Plr.skill_bonus_min[4] = 60;
    Plr.minute = 60;
    Time();
    EXPECT_EQ(Plr.skill_bonus_min[3], 1);
    EXPECT_EQ(Plr.skill_level[3], 15);
    EXPECT_EQ(Plr.skill_level[4], 10) << "sixty minutes end at the first hour";
    EXPECT_EQ(Plr.skill_bonus[4], 0);
    EXPECT_EQ(Plr.skill_bonus_min[4], 0);
    Plr.minute = 60;
    Time();
    EXPECT_EQ(Plr.skill_level[3], 10);
    EXPECT_EQ(Plr.skill_bonus_min[3], 0);
}

TEST_F(ClockTest, StarvationGrowsOnlyOnAnEmptyStoreAndEbbsOnAFullOne) {
    Plr.energy = 150;
    Plr.starvation = 3;
    randomize(3);
    for (int h = 0; h < 200; h++) hourly_check();
    EXPECT_GT(Plr.starvation, 3) << "a store below 200 lets starvation grow now and then";
    EXPECT_LT(Plr.starvation, 3 + 200 / 3);

    Plr.energy = 1500;
    Plr.starvation = 4;
    for (int h = 0; h < 400 && Plr.starvation; h++) hourly_check();
    EXPECT_EQ(Plr.starvation, 0) << "a store of 1200 or more lets it ebb away";
    EXPECT_NE(strstr(lastnote, "fully recovered"), nullptr);
}

TEST_F(ClockTest, DailyUpkeepInItsOrderAndStarvationDeath) {
    Plr.skill_raises[7] = 2;
    Plr.ritual_marks[2] = 99;
    Plr.daynumber = 10;
    Plr.day_counter2 = 10;
    Plr.day = 9;
    Plr.forest_spirit = 12;
    daily_maintenance();
    EXPECT_EQ(Plr.daynumber, 11u);
    EXPECT_EQ(Plr.day_counter2, 11u);
    EXPECT_EQ(Plr.last_upkeep_day, 9);
    EXPECT_EQ(Plr.skill_raises[7], 0);
    EXPECT_EQ(Plr.ritual_marks[2], 0u);
    Plr.forest_spirit = -100;
    daily_maintenance();
    EXPECT_EQ(dir->read_file("EQUIP.DAT"), "12\n-100\n");

    Plr.starvation = 100;
    Plr.day = 10;
    daily_maintenance();
    EXPECT_EQ(REAL_QUIT, -1) << "starved to death";
    EXPECT_EQ(Plr.daynumber, 13u) << "the day number rose before the death";
    EXPECT_EQ(Plr.day_counter2, 12u) << "the second counter did not";
    EXPECT_EQ(Plr.last_upkeep_day, 9);
    EXPECT_EQ(dir->read_file("EQUIP.DAT"), "12\n-100\n") << "no line on the day of death";
}

// The day marks her dog's hunger by its store: a hungry or starving dog beside her is offered "Eat now",
// and once fed the offer goes with the next day.
TEST_F(ClockTest, TheDayMarksHerPetsHungerForItsMenu) {
    creature(10, 1, PlayerX + 1, PlayerY);
    Cre[1].speciescode = 618;
    Cre[1].weight = 30.0f;   // a store of 1050
    Cre[1].owner = CRE_PLAYER;
    const struct { const char *what; int energy; uint32_t marks; } cases[] = {
        {"hungry", 200, CF_HUNGRY},
        {"starving", -40, CF_STARVING},
        {"fed", 900, 0},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        Cre[1].energy = (int16_t)k.energy;
        daily_maintenance();
        EXPECT_EQ(compword(1) & (CF_HUNGRY | CF_STARVING), k.marks);
        int ooe;
        pet_menu_entries(1, 0, 0, 1, &ooe);
        bool eat = false;
        for (int i = 0; i < ValintojenMaara; i++) eat = eat || ValintaEntry[i].key == 'E';
        EXPECT_EQ(eat, k.marks != 0);
    }
}

TEST_F(ClockTest, EquipLineSkippedWhenTheFolderIsGone) {
    copy_bounded(CharacterPath, sizeof CharacterPath, "/nonexistent/folder");
    daily_maintenance();
    EXPECT_EQ(Plr.daynumber, 1u);
}

TEST_F(ClockTest, IdsAndDays) {
    Plr.last_uid = 41;
    EXPECT_EQ(crID(), 42u);
    EXPECT_EQ(crID(), 43u);
    EXPECT_EQ(Plr.last_uid, 43u);
    EXPECT_EQ(dayofyear(1, 1), 1);
    EXPECT_EQ(dayofyear(30, 12), 360);
}

}  // namespace
