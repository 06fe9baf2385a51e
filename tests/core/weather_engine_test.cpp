// The weather engine: the generated year, the hourly step, the sun, summaries, forecasts, the
// climate tables and "WEATHER.DAT".
#include "common/harness.h"
#include "base/ownlib.h"
#include "core/weatherengine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using oxatest::TempDir;

static std::unique_ptr<cWeatherEngine> fresh_engine() { return std::make_unique<cWeatherEngine>(); }

static double month_mean(const cWeatherEngine &e, int first_record, int month) {
    double sum = 0;
    for (int d = 0; d < 30; d++) sum += e.days[first_record + (month - 1) * 30 + d].temperature;
    return sum / 30;
}

TEST(WeatherYear, DefaultClimateFollowsTheSeasons) {
    // Prints the year of a fixed seed month by month, and checks the seasons over several seeds.
    double jan = 0, jul = 0;
    const int seeds = 8;
    for (int s = 1; s <= seeds; s++) {
        auto e = fresh_engine();
        randomize(1000 + s);
        e->start(WEATHER_LATITUDE, 1, 0);
        if (s == 1) {
            for (int m = 1; m <= 12; m++) {
                int wet = 0;
                for (int d = 0; d < 30; d++) wet += e->days[(m - 1) * 30 + d].rain_amount > 0;
                printf("month %2d: mean %6.1f, wet days %2d, type of day 1: %s\n", m, month_mean(*e, 0, m), wet,
                       e->types[e->days[(m - 1) * 30].type].name);
            }
        }
        jan += month_mean(*e, 0, 1) + month_mean(*e, 360, 1);
        jul += month_mean(*e, 0, 7) + month_mean(*e, 360, 7);
        // The line heads from the last point of the year toward the first one of the next.
        EXPECT_LT(month_mean(*e, 0, 12), month_mean(*e, 0, 10));
    }
    jan /= 2 * seeds;
    jul /= 2 * seeds;
    EXPECT_NEAR(jan, -20, 4);
    EXPECT_NEAR(jul, 20, 4);
}

TEST(WeatherYear, SpellsKeepChangingLateInTheYear) {
    // The end of a spell is a full day number: the autumn is not one long spell.
    int stuck_years = 0;
    for (int s = 1; s <= 10; s++) {
        auto e = fresh_engine();
        randomize(s * 7);
        e->calc_year(0);
        int changes = 0;
        for (int d = 261; d < 360; d++) changes += e->days[d].type != e->days[d - 1].type;
        if (changes == 0) stuck_years++;
    }
    EXPECT_EQ(stuck_years, 0);
}

TEST(WeatherYear, DryDaysAndDryTypesNeverRain) {
    auto e = fresh_engine();
    randomize(42);
    e->start(WEATHER_LATITUDE, 1, 0);
    int very_high = 0;
    for (int i = 0; i < 720; i++) {
        const WeatherStruct &d = e->days[i];
        if (d.cloud < 30) { EXPECT_EQ(d.rain_amount, 0) << "day " << i; }
        if (d.type == 0) {
            very_high++;
            EXPECT_LT(d.cloud, 30);
            EXPECT_EQ(d.rain_amount, 0);
        }
        EXPECT_LE(d.type, 8);
        EXPECT_LE(d.wind_dir, 7);
    }
    EXPECT_GT(very_high, 0);
    // Hour by hour a dry day has no precipitation.
    for (int h = 0; h < 24 * 720; h++) {
        WeatherStruct w = e->next_step(WEATHER_LATITUDE);
        if (w.rain_amount == 0) { ASSERT_EQ(w.intensity, 0); }
        if (w.intensity == 0) { ASSERT_EQ(w.rain_kind, 0); }
    }
}

TEST(WeatherStep, TwoYearsHourByHourStayWithinTheirLimits) {
    auto e = fresh_engine();
    randomize(99);
    e->start(WEATHER_LATITUDE, 300, 5);
    EXPECT_EQ(e->day_index, 299);
    EXPECT_EQ(e->hour, 5);
    int rollovers = 0, frozen_hours = 0, thawing_hours = 0;
    for (int h = 0; h < 24 * 800; h++) {
        int before_day = e->day_index;
        int before_w = e->current.water_temp;
        WeatherStruct next_year_first = e->days[360];
        WeatherStruct w = e->next_step(WEATHER_LATITUDE);
        ASSERT_GE(w.snow_depth, 0);
        int dw = w.water_temp - before_w;
        // Frozen or freezing water loses at most 4 tenths an hour; warm water may first cool by one.
        ASSERT_GE(dw, before_w <= 0 ? -4 : -5) << "hour " << h;
        ASSERT_LE(dw, 3) << "hour " << h;
        if (dw < 0) frozen_hours++;
        if (dw > 0) thawing_hours++;
        ASSERT_GE(w.intensity, 0);
        ASSERT_LE(w.intensity, 3);
        if (before_day == 359 && e->day_index == 0) {
            rollovers++;
            // The next year's first day became this year's first day.
            EXPECT_EQ(memcmp(&e->days[0], &next_year_first, sizeof(WeatherStruct)), 0);
        }
    }
    EXPECT_GE(rollovers, 2);
    EXPECT_GT(frozen_hours, 0);
    EXPECT_GT(thawing_hours, 0);
}

TEST(WeatherStep, WarmPrecipitationTurnsToRainOnlyAboveTwoDegrees) {
    // With every day alike the hour's temperature before the drop is base + modifier.
    for (int base = -6; base <= 12; base++) {
        auto e = fresh_engine();
        randomize(500 + base);
        e->start(WEATHER_LATITUDE, 1, 0);
        for (int i = 0; i < WEATHER_DAYRECORDS; i++) {
            WeatherStruct &d = e->days[i];
            d.temperature = base;
            d.rain_amount = 60;
            d.cloud = 90;
            d.wind_str = 0;
            d.wind_dir = 3;
        }
        for (int h = 0; h < 24 * 20; h++) {
            WeatherStruct w = e->next_step(WEATHER_LATITUDE);
            // Within the day the value is interpolated, rounded half up and truncated toward zero.
            int hour_base = e->hour == 0 ? base : (int)((float)base + 0.5f);
            int before = hour_base + e->temp_modifier;
            int n = w.intensity;
            if (before > 2) {
                ASSERT_EQ(w.temperature, before - n);
                if (n >= 1 && before - n > 2) { ASSERT_EQ(w.rain_kind, 1); }
            } else {
                ASSERT_EQ(w.temperature, before);
            }
            if (n >= 1 && w.temperature < -1) { ASSERT_EQ(w.rain_kind, 3); }
            if (n >= 1 && w.temperature <= 2) { ASSERT_GE(w.rain_kind, 1); }
        }
    }
}

TEST(WeatherSun, AltitudeAtTheGamesLatitude) {
    celestial sun;
    sun.calcAlt(170, 12, 0, WEATHER_LATITUDE, 0);      // midsummer noon
    EXPECT_GE(sun.altitude, 48);
    EXPECT_LE(sun.altitude, 52);
    sun.calcAlt(350, 12, 0, WEATHER_LATITUDE, 0);      // midwinter noon
    EXPECT_GE(sun.altitude, 2);
    EXPECT_LE(sun.altitude, 7);
    sun.calcAlt(350, 0, 0, WEATHER_LATITUDE, 0);       // winter midnight
    EXPECT_LT(sun.altitude, -45);
    sun.calcAlt(350, 23, 0, WEATHER_LATITUDE, 1);      // an hour past 23 is the next midnight
    EXPECT_LT(sun.altitude, -45);
    EXPECT_NEAR(sun.sine, sin(sun.radians), 1e-6);
    EXPECT_EQ(OxaDayToRealDay(60), 60);
    EXPECT_EQ(OxaDayToRealDay(61), 62);
    EXPECT_EQ(OxaDayToRealDay(300), 304);
    EXPECT_EQ(OxaDayToRealDay(301), 306);
}

TEST(WeatherRules, TemperatureModifierAndRainIntensity) {
    auto e = fresh_engine();
    // Sun, then cloud (shifts round down), negatives quartered again when warm, wind direction, wind.
    struct { int t, a, d, s, c, want; } cases[] = {
        {5, -10, 3, 0, 0, 1},      // -4 >> 2 = -1; south-west wind +2
        {5, 0, 2, 0, 0, -2},       // -5 >> 2; a north wind below 10 degrees gives nothing
        {-5, 0, 6, 0, 0, 1},       // -5 stays in the frost; south wind in the frost +6
        {15, 2, 2, 22, 0, -3},     // -4 >> 2 = -1; north wind above 9 +4; wind 22 -6
        {15, 40, 0, 23, 80, -7},   // 2 + 12 / 4 = 5, quartered by cloud to 1; east -1; wind 23 -7
        {-1, -3, 1, 6, 60, -4},    // -4 halved by cloud; north-east -1; wind 6 -1
        {1, 12, 4, 11, 0, -1},     // -1 >> 2 stays -1; west +2; wind 11 -2
    };
    for (auto &c : cases)
        EXPECT_EQ(e->calc_temp_modifier(c.t, c.a, c.d, c.s, c.c), c.want)
            << c.t << " " << c.a << " " << c.d << " " << c.s << " " << c.c;
    EXPECT_EQ(e->get_rain(0), 0);
    randomize(3);
    for (int i = 0; i < 500; i++) {
        int r = e->get_rain(15);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 3);
    }
    for (int i = 0; i < 200; i++) {
        int d = e->get_new_winddir(i % 8);
        ASSERT_GE(d, 0);
        ASSERT_LE(d, 7);
    }
}

TEST(WeatherSummary, MeanOverTheDaysSummed) {
    auto e = fresh_engine();
    for (int i = 0; i < WEATHER_DAYRECORDS; i++) {
        e->days[i].temperature = i % 2 ? 10 : 0;
        e->days[i].rain_amount = 2;
    }
    EXPECT_EQ(e->get_summary(0, 5, 5), std::make_pair(0, 0));
    EXPECT_EQ(e->get_summary(0, 9, 3), std::make_pair(0, 0));
    // Days 1 and 2: 10 and 0 make a mean of 5 over two days.
    EXPECT_EQ(e->get_summary(0, 1, 2), std::make_pair(5, 4));
    // 0 to 800 sums days 1 to 720.
    e->days[0].rain_amount = 100;
    e->days[721].rain_amount = 100;
    EXPECT_EQ(e->get_summary(0, 0, 800), std::make_pair(5, 1440));
}

TEST(WeatherTexts, ComparisonsAndForecasts) {
    auto e = fresh_engine();
    EXPECT_STREQ(e->to_string(0, 0, 5), "about the same as now. It won't be raining.");
    EXPECT_STREQ(e->to_string(-8, 15, -3), "much colder than now. It will be snowing a lot.");
    EXPECT_STREQ(e->to_string(3, 4, 1), "slightly warmer than now. It will be raining a little.");
    EXPECT_STREQ(e->to_string(-5, 8, 1), "colder than now. It will be raining.");

    for (int i = 0; i < WEATHER_DAYRECORDS; i++) {
        e->days[i].temperature = 4;
        e->days[i].rain_amount = 0;
        e->days[i].wind_dir = 3;
    }
    e->current.temperature = 4;
    std::string morning = e->get_forecast(3, 0, 10, 8);
    EXPECT_EQ(morning.rfind("During the day the temperature will be ", 0), 0u) << morning;
    EXPECT_NE(morning.find(" During the night the temperature will be "), std::string::npos);
    EXPECT_EQ(morning.find("Tomorrow"), std::string::npos);
    std::string evening = e->get_forecast(3, 0, 10, 18);
    EXPECT_EQ(evening.rfind("During the night", 0), 0u) << evening;
    EXPECT_NE(evening.find(" Tomorrow the temperature will be "), std::string::npos);
    // Levels and days out of range still answer a text.
    EXPECT_GT(strlen(e->get_forecast(-3, 0, 10, 8)), 0u);
    EXPECT_GT(strlen(e->get_forecast(9, 0, -50, 8)), 0u);
    EXPECT_GT(strlen(e->get_forecast(1, 0, 5000, 20)), 0u);
}

TEST(WeatherStart, DayAndHourAreBroughtIntoRange) {
    struct { int day, hour, want_day, want_hour; } cases[] = {
        {0, 0, 0, 0}, {-5, 3, 0, 3}, {400, 12, 359, 12}, {10, 25, 9, 1}, {10, -1, 9, 23}, {10, 48, 9, 0}};
    for (auto &c : cases) {
        auto e = fresh_engine();
        randomize(11);
        e->start(WEATHER_LATITUDE, c.day, c.hour);
        EXPECT_EQ(e->day_index, c.want_day) << c.day << " " << c.hour;
        EXPECT_EQ(e->hour, c.want_hour) << c.day << " " << c.hour;
        EXPECT_GE(e->current.snow_depth, 0);
    }
}

// ---- climate tables ----

TEST(WeatherClimateFiles, ShippedTablesEqualTheDefaults) {
    cWeatherEngine defaults;
    auto e = fresh_engine();
    EXPECT_TRUE(e->fixedpoints.read(oxatest::asset_path("fixedpoints.txt").c_str()));
    EXPECT_TRUE(e->read_types(oxatest::asset_path("weathertypeinfo.txt").c_str()));
    EXPECT_EQ(memcmp(e->fixedpoints.points, defaults.fixedpoints.points, sizeof e->fixedpoints.points), 0);
    EXPECT_EQ(memcmp(e->types, defaults.types, sizeof e->types), 0);
    EXPECT_STREQ(e->types[8].name, "very low pressure");
}

TEST(WeatherClimateFiles, UnusableFixedPointsFallBackToTheDefaults) {
    TempDir dir;
    cWeatherEngine defaults;
    std::string twelve;
    for (int i = 0; i < 12; i++) twelve += "day:" + std::to_string(10 + 25 * i) + ";t:" + std::to_string(i) + ";s:3;\n";
    const char *bad[] = {
        "day:15; temp:-20; spread:8;",                                      // one point
        "",                                                                 // empty
        "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;",  // days not increasing
        "x;1;1;",                                                           // not a number
    };
    for (const char *text : bad) {
        dir.write_file("fixedpoints.txt", text);
        auto e = fresh_engine();
        e->fixedpoints.points[3].day = 999;
        EXPECT_FALSE(e->fixedpoints.read("fixedpoints.txt")) << text;
        EXPECT_EQ(memcmp(e->fixedpoints.points, defaults.fixedpoints.points, sizeof e->fixedpoints.points), 0);
    }
    std::string decreasing = twelve;
    decreasing.replace(decreasing.find("day:35"), 6, "day:05");
    dir.write_file("fixedpoints.txt", decreasing);
    EXPECT_FALSE(fresh_engine()->fixedpoints.read("fixedpoints.txt"));

    dir.write_file("fixedpoints.txt", "// comment line\n" + twelve + "trailing text is ignored");
    auto e = fresh_engine();
    EXPECT_TRUE(e->fixedpoints.read("fixedpoints.txt"));
    EXPECT_EQ(e->fixedpoints.points[11].day, 285);
    EXPECT_EQ(e->fixedpoints.points[11].temperature, 11);
    EXPECT_EQ(e->fixedpoints.points[11].spread, 3);
    // A year drawn from the file's points works as well.
    randomize(8);
    e->start(WEATHER_LATITUDE, 1, 0);
    // A fetched point draws round its mean; an index past the table gives point 0.
    for (int i = 0; i < 100; i++) {
        FixedPoint p = e->fixedpoints.get(12);
        ASSERT_EQ(p.day, 10);
        ASSERT_GE(p.drawn, -3);
        ASSERT_LE(p.drawn, 3);
    }
}

TEST(WeatherClimateFiles, WeatherTypesReadWithBoundedNames) {
    TempDir dir;
    std::string text = "heading\n";
    text += std::string(60, 'n') + ",1,2,3,4,5,6,7\n";
    for (int i = 1; i < 9; i++) text += "type " + std::to_string(i) + ", 1, 1, 1, 1, 1, 50, 9\n";
    dir.write_file("weathertypeinfo.txt", text);
    auto e = fresh_engine();
    EXPECT_TRUE(e->read_types("weathertypeinfo.txt"));
    EXPECT_EQ(strlen(e->types[0].name), 31u);
    EXPECT_EQ(e->types[0].b[6], 7);
    EXPECT_STREQ(e->types[8].name, "type 8");
    EXPECT_EQ(e->types[8].b[5], 50);

    cWeatherEngine defaults;
    const char *bad[] = {"heading\nonly one,1,2,3,4,5,6,7\n", "heading\nname,1,2,3\n", "no lines at all",
                         "heading\nname,1,2,3,4,5,6,999\n"};
    for (const char *b : bad) {
        dir.write_file("weathertypeinfo.txt", b);
        auto f = fresh_engine();
        EXPECT_FALSE(f->read_types("weathertypeinfo.txt")) << b;
        EXPECT_EQ(memcmp(f->types, defaults.types, sizeof f->types), 0);
    }
}

TEST(WeatherClimateFiles, InitReadsTheWorkingFolder) {
    TempDir dir;
    auto e = fresh_engine();
    e->init();      // no files: defaults
    cWeatherEngine defaults;
    EXPECT_EQ(memcmp(e->types, defaults.types, sizeof e->types), 0);
    EXPECT_EQ(e->type_cycle[0], 2);
    EXPECT_EQ(e->type_cycle[11], 5);
}

// ---- "WEATHER.DAT" ----

static std::string file_bytes(const char *path) {
    FILE *f = fopen(path, "rb");
    if (!f) return "";
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

TEST(WeatherFile, WrittenAndReadBackByteForByte) {
    TempDir dir;
    auto e = fresh_engine();
    randomize(21);
    e->start(WEATHER_LATITUDE, 200, 14);
    EXPECT_TRUE(e->write_file("WEATHER.DAT"));
    std::string first = file_bytes("WEATHER.DAT");
    ASSERT_EQ(first.size(), (size_t)WEATHER_FILE_BYTES);

    auto f = fresh_engine();
    WeatherStruct w = f->load("WEATHER.DAT");
    EXPECT_EQ(memcmp(&w, &e->current, sizeof w), 0);
    EXPECT_EQ(f->day_index, 199);
    EXPECT_EQ(f->hour, 14);
    f->save("WEATHER2.DAT");
    EXPECT_EQ(file_bytes("WEATHER2.DAT"), first);
    // Both engines step on alike.
    randomize(5);
    WeatherStruct a = e->next_step(WEATHER_LATITUDE);
    randomize(5);
    WeatherStruct b = f->next_step(WEATHER_LATITUDE);
    EXPECT_EQ(memcmp(&a, &b, sizeof a), 0);
}

TEST(WeatherFile, AnythingButACompleteVersionOneImageIsRefused) {
    TempDir dir;
    auto good = fresh_engine();
    randomize(4);
    good->start(WEATHER_LATITUDE, 30, 3);
    ASSERT_TRUE(good->write_file("WEATHER.DAT"));
    std::string image = file_bytes("WEATHER.DAT");

    auto patched = [&](size_t offset, int32_t value) {
        std::string s = image;
        memcpy(&s[offset], &value, 4);
        return s;
    };
    std::vector<std::string> bad = {
        image.substr(0, WEATHER_FILE_BYTES - 1),   // short
        image + "x",                               // long
        patched(0, 2),                             // version
        patched(4, 360),                           // day index out of the year
        patched(4, -1),
        patched(8, 24),                            // hour
        "",
    };
    for (size_t i = 0; i < bad.size(); i++) {
        dir.write_file("BAD.DAT", bad[i]);
        auto e = fresh_engine();
        randomize(77);
        e->start(WEATHER_LATITUDE, 100, 6);
        auto before = std::make_unique<cWeatherEngine>(*e);
        EXPECT_FALSE(e->read_file("BAD.DAT")) << "case " << i;
        WeatherStruct w = e->load("BAD.DAT");
        EXPECT_EQ(memcmp(&w, &before->current, sizeof w), 0);
        EXPECT_EQ(e->day_index, before->day_index);
        EXPECT_EQ(e->hour, before->hour);
        EXPECT_EQ(memcmp(e->days, before->days, sizeof e->days), 0) << "case " << i;
    }
    EXPECT_FALSE(fresh_engine()->read_file("MISSING.DAT"));
}
