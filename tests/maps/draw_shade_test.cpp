// tests/maps/draw_shade_test.cpp -- the map tint by the sun: stages, the fade by the minute, the
// night brightness setting and the fixed calendar of stages.
#include <gtest/gtest.h>

#include "core/weatherengine.h"
#include "core/config.h"
#include "core/records.h"
#include "core/shading.h"

namespace {

struct Shade : ::testing::Test {
    void SetUp() override {
        OXAINI_BRIGHTNIGHT = 0;
        Plr.minute = 0;
    }
    void TearDown() override {
        OXAINI_BRIGHTNIGHT = 0;
        SetMapShade(255, 255, 255);
    }
    static void now(int *r, int *g, int *b) { GetMapShade(r, g, b); }
};

TEST_F(Shade, StagesByTheSunsAltitude) {
    struct { int alt, stage; } cases[] = {{10, 0}, {0, 0}, {-1, 6}, {-6, 6}, {-7, 5}, {-12, 5}, {-13, 3}, {-18, 3}, {-19, 2}};
    for (auto &c : cases) EXPECT_EQ(ShadeStageOfAltitude(c.alt), c.stage) << c.alt;
    int r, g, b;
    GlobWeather.sun_alt = GlobWeather.sun_alt_next = 0;
    DoRealMapShade();
    now(&r, &g, &b);
    EXPECT_EQ(r + g + b, 3 * 255);
    GlobWeather.sun_alt = GlobWeather.sun_alt_next = -6;
    DoRealMapShade();
    now(&r, &g, &b);
    EXPECT_EQ(r, 135);
    EXPECT_EQ(g, 164);
    EXPECT_EQ(b, 211);
}

TEST_F(Shade, TheMinuteFadesTowardTheNextHour) {
    GlobWeather.sun_alt = 3;
    GlobWeather.sun_alt_next = -3;
    int r, g, b;
    Plr.minute = 0;
    DoRealMapShade();
    now(&r, &g, &b);
    EXPECT_EQ(r, 255) << "minute 0 does not fade";
    Plr.minute = 30;
    DoRealMapShade();
    now(&r, &g, &b);
    EXPECT_EQ(r, 195);
    EXPECT_EQ(g, 210);
    EXPECT_EQ(b, 233);
    r = 10, g = 10, b = 10;
    FadeToShade(&r, &g, &b, 5, 0, 200, 200, 200);   // no denominator: no fade, no crash
    EXPECT_EQ(r, 10);
    r = g = b = 255;
    FadeToShade(&r, &g, &b, 90, 60, 135, 164, 211);   // minutes past the hour stop at the next stage
    EXPECT_EQ(r, 135);
    EXPECT_EQ(g, 164);
    EXPECT_EQ(b, 211);
}

TEST_F(Shade, NightBrightnessSetting) {
    int r, g, b;
    OXAINI_BRIGHTNIGHT = 60;
    GetShadeTagRGB(2, &r, &g, &b);
    EXPECT_EQ(r, 76);
    EXPECT_EQ(g, 85);
    EXPECT_EQ(b, 105);
    OXAINI_BRIGHTNIGHT = 61;   // outside 1..60 counts as 0
    GetShadeTagRGB(2, &r, &g, &b);
    EXPECT_EQ(r, 16);
}

TEST_F(Shade, CalendarOfStages) {
    EXPECT_EQ(GetHourlyShade(1, 1, 9), 5);
    EXPECT_EQ(GetHourlyShade(1, 1, 12), 0);
    EXPECT_EQ(GetHourlyShade(4, 1, 18), 6);
    EXPECT_EQ(GetHourlyShade(9, 1, 5), 3);
    EXPECT_EQ(GetHourlyShade(7, 1, 2), 0);
    EXPECT_EQ(GetHourlyShade(2, 1, 24), 2);
    EXPECT_EQ(GetHourlyShade(5, 1, 30), 2) << "read as hour 0";
    EXPECT_EQ(GetHourlyShade(6, 1, 24), 0);
    uint8_t out[3];
    GetCurrentMapShade(out, 4, 1, 17, 30);   // day fading toward civil twilight
    EXPECT_EQ(out[0], 195);
    EXPECT_EQ(out[2], 233);
}

}  // namespace
