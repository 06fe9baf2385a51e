// The pagan calendar: periods, weeks counted down and the date texts.
#include "common/harness.h"
#include "core/pagan.h"

#include <string>

TEST(PaganCalendar, DatesFallIntoTheirPeriods) {
    struct { int day, month, period, period_day, weeks_left, weekday; const char *name, *next; } cases[] = {
        {1, 1, 1, 78, 2, 1, "winter season", "midwinter point"},
        {12, 1, 1, 89, 1, 5, "winter season", "midwinter point"},
        {13, 1, 2, 1, 13, 1, "midwinter", "summer season"},
        {27, 1, 2, 15, 11, 1, "latter winter", "summer season"},
        {13, 4, 2, 91, 1, 7, "latter winter", "summer season"},
        {14, 4, 3, 1, 13, 1, "summer season", "midsummer point"},
        {12, 7, 3, 89, 1, 5, "summer season", "midsummer point"},
        {13, 7, 4, 1, 13, 1, "midsummer", "winter season"},
        {13, 10, 4, 91, 1, 7, "latter summer", "winter season"},
        {14, 10, 1, 1, 13, 1, "winter season", "midwinter point"},
        {30, 12, 1, 77, 3, 7, "winter season", "midwinter point"},
    };
    for (auto &c : cases) {
        PagantimeStruct p = pagantime(c.day, c.month);
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month));
        EXPECT_EQ(p.period, c.period);
        EXPECT_EQ(p.period_day, c.period_day);
        EXPECT_EQ(p.weeks_left, c.weeks_left);
        EXPECT_EQ(p.weekday, c.weekday);
        EXPECT_STREQ(p.name, c.name);
        EXPECT_STREQ(p.next_point, c.next);
        EXPECT_EQ(p.day, c.day);
        EXPECT_EQ(p.month, c.month);
    }
    // Every day of the year has a period and a week.
    for (int m = 1; m <= 12; m++)
        for (int d = 1; d <= 30; d++) {
            PagantimeStruct p = pagantime(d, m);
            ASSERT_GE(p.weeks_left, 1);
            ASSERT_LE(p.weeks_left, 13);
            ASSERT_GE(p.weekday, 1);
            ASSERT_LE(p.weekday, 7);
        }
}

TEST(PaganCalendar, DateTexts) {
    EXPECT_STREQ(pagandatedesc(pagantime(1, 1), PAGAN_DAYTEXT), "day 1 of 2nd week before midwinter point");
    EXPECT_STREQ(pagandatedesc(pagantime(14, 10), PAGAN_DAYTEXT), "day 1 of 13th week before midwinter point");
    EXPECT_STREQ(pagandatedesc(pagantime(13, 4), PAGAN_DAYTEXT), "day 7 of last week before summer season");
    EXPECT_STREQ(pagandatedesc(pagantime(13, 4), PAGAN_DAYTEXT | PAGAN_PHRASE),
                 "on day 7 of last week before summer season");
    // Week words: first digit below 10, "th" from 10 up.
    EXPECT_STREQ(pagandatedesc(pagantime(2, 11), PAGAN_DAYTEXT), "day 5 of 11th week before midwinter point");
    EXPECT_STREQ(pagandatedesc(pagantime(23, 3), PAGAN_DAYTEXT), "day 1 of 3rd week before summer season");
    EXPECT_STREQ(pagandatedesc(pagantime(30, 3), PAGAN_DAYTEXT), "day 1 of 2nd week before summer season");
    EXPECT_STREQ(pagandatedesc(pagantime(13, 3), PAGAN_DAYTEXT), "day 5 of 5th week before summer season");

    std::string full = pagandatedesc(pagantime(27, 1), PAGAN_FULL | PAGAN_PHRASE);
    EXPECT_EQ(full.rfind("in latter winter, during ", 0), 0u) << full;
    EXPECT_NE(full.find(", on day 1 of 11th week before summer season"), std::string::npos) << full;
    std::string plain = pagandatedesc(pagantime(27, 1), PAGAN_FULL);
    EXPECT_EQ(plain.rfind("latter winter, ", 0), 0u) << plain;
    std::string season = pagandatedesc(pagantime(14, 1), PAGAN_SEASON | PAGAN_PHRASE);
    EXPECT_EQ(season.rfind("in midwinter, during ", 0), 0u) << season;
    EXPECT_EQ(season.find("week"), std::string::npos);
    // The day text wins over the others; no flag gives an empty text.
    EXPECT_STREQ(pagandatedesc(pagantime(1, 1), PAGAN_DAYTEXT | PAGAN_FULL),
                 "day 1 of 2nd week before midwinter point");
    EXPECT_STREQ(pagandatedesc(pagantime(1, 1), 0), "");
    EXPECT_STREQ(pagandatedesc(pagantime(1, 1), PAGAN_PHRASE), "");
}
