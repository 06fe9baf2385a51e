// The second ready-made character lives in winter: loaded, he finds snow on the ground and the lakes
// frozen. A wounded start leaves the player hurt but never bleeding to death.
#include <string>

#include "core/loader_fixture.h"
#include "game/scenario.h"
#include "creatures/bodyrec.h"
#include "creatures/wounds.h"
#include "maps/water.h"

namespace {

class WinterStartTest : public oxatest::LoaderScreenTest {
protected:
    WinterStartTest() { vilho = true; }   // he is loaded and played
    void load(const char *folder) {
        copy_bounded(CharacterFile, sizeof CharacterFile, folder);
        REAL_QUIT = loader();
        ASSERT_EQ(REAL_QUIT, 0);
        LOADER_RUN = 0;
    }
};

TEST_F(WinterStartTest, VilhoFindsSnowOnTheGroundAndTheLakesFrozen) {
    load("VILHO");
    EXPECT_EQ(Plr.month, 1);
    EXPECT_GE(GlobWeather.snow_depth, 10) << "deep enough to be drawn";
    EXPECT_LT(GlobWeather.water_temp, 0);
    // Some water cell of his world carries ice.
    bool ice = false;
    for (int y = PlayerY - 60; y <= PlayerY + 60 && !ice; y++)
        for (int x = PlayerX - 60; x <= PlayerX + 60 && !ice; x++) ice = ice_thickness_worldmap(x, y) > 0;
    EXPECT_TRUE(ice);

    // Aino, by the same loader, is in summer: no snow, open water.
    oxatest::reset_loader_tables();
    load("AINO");
    EXPECT_EQ(GlobWeather.snow_depth, 0);
    EXPECT_GE(GlobWeather.water_temp, 0);
}

TEST_F(WinterStartTest, AWoundedStartBleedsNotAndStaysBelowTheDeadlyMarks) {
    for (int seed : {3, 8, 21}) {
        oxatest::reset_loader_tables();
        load("AINO");
        randomize(seed);
        Plr.scenario = 5;
        start_scenario();
        EXPECT_GT(body_injury_sum(-1), 0) << "wounded, seed " << seed;
        EXPECT_LT(body_injury_sum(-1), 91) << seed;
        WoundSlot w;
        for (int s = 0; s < WOUND_SLOTS; s++)
            if (wound_get(-1, s, w)) {
                EXPECT_EQ(w.bleeding, 0) << "slot " << s << ", seed " << seed;
            }
        const uint32_t endurance = plr_bytes(PB_ENDURANCE)[0];
        EXPECT_LE(plr_get<uint32_t>(PB_BLOODLOSS), 2 * endurance);
    }
}

}  // namespace
