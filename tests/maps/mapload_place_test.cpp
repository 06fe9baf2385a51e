// Where a freshly loaded local area puts the player: the load mode, the approach, the edge the player
// came from, the pole off deep water, and the walk off a blocked square.
#include "maps/mapload.h"
#include "maps/maptest.h"
#include "maps/water.h"
#include "core/maintenance.h"

namespace {

class PlaceTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        for (int y = AREA_MIN; y <= AREA_MAX; y++)
            for (int x = AREA_MIN; x <= AREA_MAX; x++) put(x, y, CH_GROUND);
        ZOOMEXTRA_Lahesty = 0;
        SESTA = 0;
        LastMovingDirection = 0;
        Nollaa_Kartanlataustapa();
    }
    void TearDown() override {
        Nollaa_Kartanlataustapa();
        MapsTest::TearDown();
    }
};

}  // namespace

TEST_F(PlaceTest, LoadModeEightWinsOverApproachAndHeading) {
    KARTANLATAUSTAPA = 8;
    KARTANLATAUS_X = 10;
    KARTANLATAUS_Y = 50;
    ZOOMEXTRA_Lahesty = 1;
    PlayerDir = 3;
    PlayerX = PlayerY = 500;
    place_player_on_area();
    EXPECT_EQ(PlayerX, 210);
    EXPECT_EQ(PlayerY, 250);
    EXPECT_EQ(ZOOMEXTRA_Lahesty, 0);
}

TEST_F(PlaceTest, UnsetEntrySquareComesFromTheLastHeading) {
    struct Case {
        int x, y, heading, want_x, want_y;
    } cases[] = {
        {500, 500, 0, 202, 231},   // moving east: the west edge
        {-1, 232, 4, 262, 231},    // the player at -1: the east edge
        {393, 100, 6, 231, 201},   // 393 counts as unset
        {100, 393, 2, 231, 263},
        {392, 392, 0, 391, 391},   // 392 is kept, but lies off the area: the nearest square of it
    };
    for (const Case &c : cases) {
        PlayerX = c.x;
        PlayerY = c.y;
        LastMovingDirection = c.heading;
        place_player_on_area();
        EXPECT_EQ(PlayerX, c.want_x) << c.x << "," << c.y;
        EXPECT_EQ(PlayerY, c.want_y) << c.x << "," << c.y;
    }
}

TEST_F(PlaceTest, ApproachEntersTwentyFiveSquaresOutAndARowerOnlyOnWater) {
    ZOOMEXTRA_Lahesty = 1;
    PlayerDir = 1;
    PlayerX = PlayerY = 240;
    place_player_on_area();
    EXPECT_EQ(PlayerX, 257);
    EXPECT_EQ(PlayerY, 207);

    ZOOMEXTRA_Lahesty = 1;
    Plr.movement_mode = 3;
    PlayerDir = 6;
    place_player_on_area();
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(PlayerY, 232) << "no water at the approach square: the centre";

    ZOOMEXTRA_Lahesty = 1;
    put(232, 257, CH_SHALLOW_WATER);
    place_player_on_area();
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(PlayerY, 257);
}

TEST_F(PlaceTest, PoleUserAtTheCentreIsMovedOffDeepWater) {
    Sight = 50;
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) put(x, y, CH_DEEP_WATER);
    for (int y = 200; y <= 263; y++) {
        put(250, y, CH_GROUND);
        korkeuskartta[mapidx(250, y)] = 7;   // the shore stands above the water
    }
    SESTA = 1;
    PlayerX = 0;
    PlayerY = 300;
    place_player_on_area();
    EXPECT_LT(vesisyvyys(PlayerX, PlayerY), 4) << PlayerX << "," << PlayerY;
}

TEST_F(PlaceTest, BlockedSquareWalksTowardTheCentre) {
    // A wall of spruce around the entry square; the first free square toward the centre is taken.
    for (int y = 200; y <= 215; y++)
        for (int x = 200; x <= 215; x++) put(x, y, 39);   // big rocks block
    PlayerX = 205;
    PlayerY = 205;
    place_player_on_area();
    EXPECT_EQ(PlayerX, 216);
    EXPECT_EQ(PlayerY, 216);
}

TEST_F(PlaceTest, EntryOntoAFenceOrOpenWaterIsRefusedWithoutSpendingTime) {
    int fence = -1;
    for (int c = 0; c < 256 && fence < 0; c++)
        if (terrain_flag(c, TF_FENCE)) fence = c;
    ASSERT_GE(fence, 0);
    const uint32_t minutes = Plr.minutes;
    const int seconds = Juoksevat_sekuntit;
    const struct {
        int c, mode;
    } cases[] = {{fence, 1}, {CH_SHALLOW_WATER, 1}, {CH_DEEP_WATER, 1}};
    for (const auto &k : cases) {
        put(240, 240, k.c);
        Plr.movement_mode = (uint8_t)k.mode;
        KARTANLATAUSTAPA = 8;
        KARTANLATAUS_X = KARTANLATAUS_Y = 40;
        place_player_on_area();
        EXPECT_FALSE(PlayerX == 240 && PlayerY == 240) << k.c;
        EXPECT_EQ(get_mapchar(PlayerX, PlayerY), CH_GROUND) << k.c;
    }
    EXPECT_EQ(Plr.minutes, minutes) << "entering spends no time";
    EXPECT_EQ(Juoksevat_sekuntit, seconds);
    // A swimmer may come in on the water.
    Plr.movement_mode = 2;
    KARTANLATAUSTAPA = 8;
    place_player_on_area();
    EXPECT_EQ(PlayerX, 240);
    EXPECT_EQ(PlayerY, 240);
}
