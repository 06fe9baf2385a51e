// Local weather: the engine brought to the clock, getting wet, fire heat, the air at a spot and the
// felt temperature of the player.
#include "common/harness.h"
#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "maps/localweather.h"
#include "core/weatherengine.h"
#include "maps/mapunit.h"
#include "maps/burning.h"
#include "maps/mapquery.h"
#include "core/tekstit.h"
#include "creatures/body.h"

#include <cstring>

class LocalWeather : public ::testing::Test {
protected:
    void SetUp() override {
        memset(&Plr, 0, sizeof Plr);
        memset(Data, 0, sizeof Data);
        memset(&GlobWeather, 0, sizeof GlobWeather);
        memset(&PrevWeather, 0, sizeof PrevWeather);
        Plr.body_temperature = 37.0f;
        Plr.movement_mode = 1;
        Plr.month = 6;
        Plr.day = 10;
        Plr.minutes = 100000;
        PlayerX = 220;
        PlayerY = 220;
        SLEEP_INTERRUPT = 0;
        randomize(9);
        weatherengine.start(WEATHER_LATITUDE, 100, 5);
        GlobWeather = weatherengine.current;
        Plr.hour = 5;
    }
    // A record of the data pool placed by hand.
    static int place(int n, int type, int x, int y) {
        Data[n].type = (uint8_t)type;
        Data[n].x = (uint16_t)x;
        Data[n].y = (uint16_t)y;
        return n;
    }
};

TEST_F(LocalWeather, HourlyCheckStepsTheEngineToTheClock) {
    // Level with the clock: nothing is stepped and the previous weather stays.
    PrevWeather.temperature = 12345;
    HourlyWeatherCheck();
    EXPECT_EQ(PrevWeather.temperature, 12345);
    EXPECT_EQ(weatherengine.hour, 5);

    // One hour behind: one step, the old weather becomes the previous one.
    WeatherStruct before = GlobWeather;
    Plr.hour = 6;
    HourlyWeatherCheck();
    EXPECT_EQ(weatherengine.hour, 6);
    EXPECT_EQ(memcmp(&PrevWeather, &before, sizeof before), 0);
    EXPECT_EQ(memcmp(&GlobWeather, &weatherengine.current, sizeof GlobWeather), 0);
    EXPECT_EQ(Plr.air_temperature, (float)before.temperature);

    // A clock hour past 23 is taken as midnight; at most a day of steps is taken.
    Plr.hour = 30;
    HourlyWeatherCheck();
    EXPECT_EQ(Plr.hour, 0);
    EXPECT_EQ(weatherengine.hour, 0);
}

TEST_F(LocalWeather, LightSleetDoesNotWakeButHeavierFallDoes) {
    struct { int kind, intensity, wake; } cases[] = {
        {2, 1, 0}, {3, 1, 0}, {2, 2, 6}, {3, 3, 6}, {1, 1, 6}};
    for (auto &c : cases) {
        SLEEP_INTERRUPT = 0;
        GlobWeather.rain_kind = (uint8_t)c.kind;
        GlobWeather.intensity = (int8_t)c.intensity;
        make_me_wet();
        EXPECT_EQ(SLEEP_INTERRUPT, c.wake) << c.kind << " " << c.intensity;
    }
}

TEST_F(LocalWeather, SmallQuestions) {
    GlobWeather.water_temp = 29;
    EXPECT_EQ(water_temp(), 3);
    GlobWeather.water_temp = -300;
    EXPECT_EQ(water_temp(), 3);
    GlobWeather.water_temp = 157;
    EXPECT_EQ(water_temp(), 15);
    for (int m = 1; m <= 12; m++) {
        Plr.month = (uint8_t)m;
        EXPECT_EQ(on_talvi(), m == 12 || m <= 3) << m;
    }
    GlobWeather.intensity = 0;
    EXPECT_FALSE(is_it_raining());
    GlobWeather.intensity = 1;
    EXPECT_TRUE(is_it_raining());
    struct { int alt, hour, want; } sunset[] = {{10, 18, 1}, {0, 13, 1}, {20, 20, 1}, {-1, 18, 0},
                                               {21, 18, 0}, {10, 12, 0}};
    for (auto &c : sunset) {
        GlobWeather.sun_alt = c.alt;
        Plr.hour = (uint8_t)c.hour;
        EXPECT_EQ(is_it_sunset(), c.want) << c.alt << " " << c.hour;
    }
}

TEST_F(LocalWeather, FireSitesAndTheirHeat) {
    // Remains of a fire that burned 120 minutes and died 60 minutes ago.
    int r = place(10, DT_FIRE_REMAINS, 230, 230);
    Data[r].count = 120;
    Data[r].id = 500;
    Data[r].ready_minute = Plr.minutes - 60;
    Data[r].day = 3;
    Plr.daynumber = 5;
    EXPECT_EQ(RemainsHeat(230, 230), 2);
    EXPECT_EQ(lampoarvo(230, 230, 0), 2);           // off a fireplace: min(heat, 60)
    EXPECT_EQ(firesite_last_diemins(r), 60);
    EXPECT_EQ(firesite_total_burnmins(r), 500);
    EXPECT_EQ(ota_lampoarvo(230, 230, 0), 10);
    // A fire that died this very minute gives nothing yet.
    Data[r].ready_minute = Plr.minutes;
    EXPECT_EQ(RemainsHeat(230, 230), 0);
    EXPECT_EQ(RemainsHeat(231, 231), 0);

    // A burning fire off a fireplace: its planned length held within 30-90.
    int f = place(11, DT_FIRE, 240, 240);
    Data[f].spent_minutes = Plr.minutes - 20;
    Data[f].count = 30;
    Data[f].id = 100;
    Data[f].day = 5;
    struct { int planned, want; } plans[] = {{10, 30}, {60, 60}, {500, 90}};
    for (auto &p : plans) {
        Data[f].ready_minute = Data[f].spent_minutes + p.planned;
        EXPECT_EQ(lampoarvo(240, 240, 0), p.want) << p.planned;
    }
    EXPECT_EQ(firesite_total_burnmins(f), 70 + 20);
    EXPECT_EQ(ota_lampoarvo(240, 240, 0), 80);
    EXPECT_EQ(lampoarvo(250, 250, 0), 0);
}

TEST_F(LocalWeather, FiresOnAFireplace) {
    const int fx = 210, fy = 212;
    set_mapchar(fx, fy, 4);
    ASSERT_EQ(get_mapchar(fx, fy), 4);
    int f = place(20, DT_FIRE, fx, fy);
    Data[f].ready_minute = Plr.minutes + 100;
    struct { int lit_ago, last_heat, want; } cases[] = {
        {240, 0, 80},    // burned long enough: the full heat
        {20, 0, 50},     // a long fire on a hearth is warm from the start
        {20, 60, 60},    // the site remembers its last heat while the fire is young
        {90, 10, 50},
    };
    for (auto &c : cases) {
        Data[f].spent_minutes = Plr.minutes - c.lit_ago;
        Data[f].flags = (uint8_t)c.last_heat;
        EXPECT_EQ(lampoarvo(fx, fy, 0), c.want) << c.lit_ago;
    }
    // A short fire on the sauna stove is held only at its lowest.
    set_mapchar(fx, fy, 5);
    Data[f].spent_minutes = Plr.minutes - 20;
    Data[f].ready_minute = Plr.minutes + 10;
    Data[f].flags = 0;
    EXPECT_EQ(lampoarvo(fx, fy, 0), 15);
    EXPECT_EQ(lampoarvo(fx, fy, 1), 0);          // mode 1 leaves the hearth out
    EXPECT_EQ(ota_lampoarvo(fx, fy, 0), 70);

    // Remains on a hearth: a third of the burn less a sixth of the time since.
    CrunchData(f);
    int r = place(21, DT_FIRE_REMAINS, fx, fy);
    Data[r].count = 120;
    Data[r].ready_minute = Plr.minutes - 60;
    EXPECT_EQ(lampoarvo(fx, fy, 0), 30);
    Data[r].ready_minute = Plr.minutes - 600;
    EXPECT_EQ(lampoarvo(fx, fy, 0), 0);
    EXPECT_EQ(ota_lampoarvo(fx, fy, 0), 60);
    set_mapchar(fx, fy, 32);
}

TEST_F(LocalWeather, AirAtASpotAddsNearbyFiresByDistance) {
    Plr.air_temperature = -10.0f;
    EXPECT_FLOAT_EQ(Mittaa_Lampotila(220, 220), -10.0f);
    int f = place(3, DT_FIRE, 222, 221);             // two squares away
    Data[f].spent_minutes = Plr.minutes - 30;
    Data[f].ready_minute = Plr.minutes + 60;          // planned 90: heat 90
    EXPECT_FLOAT_EQ(Mittaa_Lampotila(220, 220), -10.0f + 45.0f);
    EXPECT_FLOAT_EQ(Mittaa_Lampotila(222, 221), -10.0f + 90.0f);
    EXPECT_FLOAT_EQ(Mittaa_Lampotila(226, 221), -10.0f);
}

TEST_F(LocalWeather, SwimmingInColdWaterCools) {
    struct { int tenths; float cap, change; } cases[] = {
        {50, 34.0f, -0.4f}, {20, 34.0f, -0.4f}, {80, 34.5f, -0.1333f}, {120, 35.5f, -0.0833f},
        {150, 36.5f, -0.06f}, {250, 36.5f, 0.0f}};
    for (auto &c : cases) {
        Plr.movement_mode = 2;
        Plr.body_temperature = 37.0f;
        GlobWeather.water_temp = c.tenths;
        LampotilaTarkastus();
        EXPECT_FLOAT_EQ(Plr.body_temperature, c.cap) << c.tenths;
        EXPECT_FLOAT_EQ(Plr.body_temperature_change, c.change) << c.tenths;
        // Wading halves the change.
        Plr.movement_mode = 4;
        LampotilaTarkastus();
        EXPECT_FLOAT_EQ(Plr.body_temperature_change, c.change * 0.5f) << c.tenths;
    }
    // Water of 17-18 degrees sets the body to 36.8.
    Plr.movement_mode = 2;
    Plr.body_temperature = 30.0f;
    GlobWeather.water_temp = 175;
    LampotilaTarkastus();
    EXPECT_FLOAT_EQ(Plr.body_temperature, 36.8f);
}

TEST_F(LocalWeather, NakedInTheFrostFeelsIt) {
    GlobWeather.temperature = -20;
    Plr.body_temperature = 36.0f;
    Plr.felt_temperature = 0;
    LampotilaTarkastus();
    EXPECT_EQ(keho[8].comfort_limit, 12);
    EXPECT_EQ(keho[8].cold_excess, 32);
    EXPECT_EQ(keho[8].frost_level & 0xff, 1);      // a warm body keeps frostbite away
    EXPECT_EQ(keho[1].frost_level, 0);            // the part that never feels cold
    EXPECT_LT(Plr.felt_temperature, 0);
    EXPECT_LT(Plr.body_temperature_change, 0.0f);

    Plr.body_temperature = 34.0f;
    LampotilaTarkastus();
    EXPECT_EQ(keho[8].frost_level & 0xff, 3);
    EXPECT_EQ(SLEEP_INTERRUPT, 5);                // too cold to sleep on
    Plr.body_temperature = 36.0f;
    LampotilaTarkastus();
    EXPECT_EQ(SLEEP_INTERRUPT, 0);
}

TEST_F(LocalWeather, MildAirLeavesTheBodyAlone) {
    GlobWeather.temperature = 20;
    Plr.felt_temperature = 20;
    Plr.body_temperature = 37.0f;
    LampotilaTarkastus();
    for (int p = 0; p < KEHO_PARTS; p++) EXPECT_EQ(keho[p].cold_excess, 0) << p;
    EXPECT_FLOAT_EQ(Plr.body_temperature_change, 0.0f);
    EXPECT_EQ(Plr.felt_temperature, 20);
    // A fever in warm air cools down.
    Plr.body_temperature = 39.5f;
    GlobWeather.temperature = 12;
    LampotilaTarkastus();
    EXPECT_LT(Plr.body_temperature_change, 0.0f);
}

TEST_F(LocalWeather, AmbientLoopFollowsTheWeather) {
    int v;
    GlobWeather.wind_str = 3;
    GlobWeather.rain_kind = 0;
    Plr.hour = 12;
    EXPECT_STREQ(ambient_choice(&v), "ambience");
    EXPECT_EQ(v, 25);
    Plr.hour = 23;
    ambient_choice(&v);
    EXPECT_EQ(v, 20);
    GlobWeather.wind_str = 12;
    EXPECT_STREQ(ambient_choice(&v), "wind");
    GlobWeather.rain_kind = 1;
    EXPECT_STREQ(ambient_choice(&v), "rain");
    EXPECT_EQ(v, 100);
}

TEST(WeatherMessages, EveryWeatherKeyHasItsText) {
    oxatest::TempDir dir;
    dir.copy_asset("messages/eng_weather.txt");
    copy_bounded(language, sizeof language, "eng");
    MSG_forget_index();
    struct { const char *key, *text; } cases[] = {
        {"WEATHER_RAIN_STARTS", ":It starts to rain."},
        {"WEATHER_SNOW_STARTS", ":It starts to snow."},
        {"WEATHER_RAIN_CEASES", ":The rain ceases."},
        {"WEATHER_SNOW_CEASES", ":The snowing ceases."},
        {"WEATHER_RAIN_INCREASES", ":The rain increases."},
        {"WEATHER_SNOW_INCREASES", ":It starts to snow harder."},
        {"WEATHER_RAIN_DECREASES", ":The rain decreases."},
        {"WEATHER_SNOW_DECREASES", ":The snowing eases a bit."},
    };
    for (auto &c : cases) EXPECT_STREQ(MSG(c.key), c.text) << c.key;
    copy_bounded(vMSG_wounded_bodypart, sizeof vMSG_wounded_bodypart, "left ear");
    EXPECT_STREQ(MSG("FROSTBITE_COLD"), "!Your left ear feels cold.");
    EXPECT_STREQ(MSG("FROSTBITE:2"), ":You feel a minor frostbite in your left ear.");
    EXPECT_STREQ(MSG("FROSTBITE:3"), ":You feel a serious frostbite in your left ear.");
    EXPECT_STREQ(MSG("FROSTBITE:4"), ":You feel a severe frostbite in your left ear.");
    MSG_forget_index();
}
