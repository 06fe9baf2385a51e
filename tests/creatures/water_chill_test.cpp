// The condition check of a body in water: cold open water chills all but the water's own creatures.
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
