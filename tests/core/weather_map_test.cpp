// The weather reaches the map: the ready-made character resting into the evening sees the map
// darken, and loaded in winter finds snow on the ground and ice on the water.
#include "core/loader_fixture.h"
#include "core/spend.h"
#include "presentation/notes.h"
#include "core/maintenance.h"
#include "core/weatherengine.h"
#include "maps/area.h"
#include "core/shading.h"
#include "maps/water.h"
#include "game/turnloop.h"

using oxatest::LoaderScreenTest;

namespace {

class WeatherMapTest : public LoaderScreenTest {
protected:
    // The fixture character at another date and hour, with the weather started anew for it.
    void load_at(int month, int day, int hour) {
        static PlayerStruct rec;
        ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &rec, sizeof rec));
        rec.month = (uint8_t)month;
        rec.day = (uint8_t)day;
        rec.hour = (uint8_t)hour;
        rec.minute = 0;
        FILE *f = fopen(path("AINO.OXS").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(fwrite(&rec, sizeof rec, 1, f), 1u);
        fclose(f);
        remove(path("WEATHER.DAT").c_str());
        REAL_QUIT = loader();
        ASSERT_EQ(REAL_QUIT, 0);
        var_clear();
    }
    static int brightness() {
        int r, g, b;
        GetMapShade(&r, &g, &b);
        return r + g + b;
    }
};

}  // namespace

TEST_F(WeatherMapTest, WaitingIntoTheEveningDarkensTheMap) {
    load_at(10, 15, 17);
    first_pass();
    int r;
    const int dusk = brightness();
    const int sun = GlobWeather.sun_alt;
    // Resting turn by turn: the hourly weather step lowers the sun, the minute step tints the map.
    // (The rules' own turns: the map is not drawn for each of them.)
    {
        oxatest::NoScreen no_screen;
        const int rest = '.';
        for (int i = 0; i < 2000 && Plr.hour < 19; i++) {
            ui_script_keys(&rest, 1);   // no window: the null screen hands her the key
            ASSERT_EQ(turn_pass(&r), 1);
        }
    }
    ASSERT_EQ(Plr.hour, 19);
    EXPECT_LT(GlobWeather.sun_alt, sun);
    EXPECT_LT(brightness(), dusk) << "night falls on the map";

    var_clear();
    oxatest::reset_loader_tables();
    load_at(10, 15, 12);
    EXPECT_EQ(brightness(), 3 * 255) << "daylight leaves the map untinted";
    var_clear();
    oxatest::reset_loader_tables();
    load_at(10, 15, 22);
    EXPECT_LT(GlobWeather.sun_alt, -12);
    EXPECT_LT(brightness(), 3 * 255 / 2);
}

TEST_F(WeatherMapTest, WinterBringsSnowOnTheGroundAndIceOnTheWater) {
    load_at(1, 20, 12);
    ASSERT_GT(GlobWeather.snow_depth, 0) << "the weather's run-in into January lays snow";
    ASSERT_LT(GlobWeather.water_temp, 0);
    EXPECT_EQ(snow_thickness_mapwise(PlayerX, PlayerY), GlobWeather.snow_depth);
    // Water near the start is frozen over.
    int water = 0, iced = 0;
    for (int y = PlayerY - 40; y <= PlayerY + 40; y++)
        for (int x = PlayerX - 40; x <= PlayerX + 40; x++) {
            if (!terrain_flag(get_mapchar(x, y), TF_WATER)) continue;
            water++;
            iced += ice_thickness_true(x, y) > 0;
        }
    ASSERT_GT(water, 0) << "the fixture's world has water near the start";
    EXPECT_EQ(iced, water);

    // Summer melts it all.
    var_clear();
    oxatest::reset_loader_tables();
    load_at(7, 10, 12);
    EXPECT_EQ(GlobWeather.snow_depth, 0);
    EXPECT_EQ(snow_thickness_mapwise(PlayerX, PlayerY), 0);
}
