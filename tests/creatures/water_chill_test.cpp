// A body in water: cold open water chills all but the water's own creatures, and a bird far out
// over the water, open or frozen, sheds no feather there.
#include "creatures/death.h"
#include "core/weather.h"
#include "life_fixture.h"

using WaterChill = LifeTest;

TEST_F(WaterChill, ColdOpenWaterChillsAllButTheWatersOwn) {
    for (int y = 236; y <= 244; y++)
        for (int x = 236; x <= 244; x++) put(x, y, CH_DEEP_WATER);
    put(230, 242, CH_GROUND);
    const int keep = GlobWeather.water_temp;
    GlobWeather.water_temp = 50;   // 5 degrees and open
    struct Case {
        const char *what;
        int x, moveclass;
        float after;
    } cases[] = {
        {"a person swimming", 240, 0, 35.9f},
        {"a swimmer of the water", 240, 96, 36.0f},
        {"a person on land", 230, 0, 36.1f},
    };
    int n = 1;
    for (const Case &k : cases) {
        person(n, k.x, 236 + 2 * n);
        Cre[n].moveclass = (uint8_t)k.moveclass;
        Cre[n].bodytemp = 36.0f;
        NPC_Kuntotarkistus(n);
        EXPECT_NEAR(Cre[n].bodytemp, k.after, 1e-4) << k.what;
        n++;
    }
    GlobWeather.water_temp = keep;
}

TEST_F(WaterChill, NoFeatherFallsOnWaterFarFromLandOpenOrFrozen) {
    for (int y = 236; y <= 244; y++)
        for (int x = 236; x <= 244; x++) put(x, y, CH_DEEP_WATER);
    put(230, 240, CH_GROUND);
    const int keep = GlobWeather.water_temp;
    struct Case {
        const char *what;
        int x, frost;
        bool falls;
    } cases[] = {
        {"open water", 240, 50, false},
        {"ice", 240, -300, false},
        {"land", 230, 50, true},
    };
    for (const Case &k : cases) {
        animal(1, k.x, 240, 550, 1.0f);
        Cre[1].kind = 21;
        strcpy(Cre[1].species, "grouse");
        GlobWeather.water_temp = k.frost;
        int before = 0, after = 0;
        for (const DataStruct &d : Data) before += d.type == DT_ITEM;
        feather_drop(1, k.x, 240, 0);
        for (const DataStruct &d : Data) after += d.type == DT_ITEM;
        EXPECT_EQ(after > before, k.falls) << k.what;
    }
    GlobWeather.water_temp = keep;
}
