// Water depth, ice thickness and bearing, breaking the ice, and snow.
#include "maps/water.h"
#include "maptest.h"

class WaterTest : public MapsTest {
protected:
    int add_record(int type, int x, int y, int count = 0) { return oxatest::pool_put(type, x, y, 0, count); }
    int count_type(int type, int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data) n += d.type == type && d.x == x && d.y == y;
        return n;
    }
};

TEST_F(WaterTest, WorldDepthByChar) {
    struct { int c, depth; } cases[] = {{176, 0}, {183, 1}, {180, 6}, {182, 6}, {177, 4}, {178, 4}, {181, 4}, {250, 4}};
    for (auto &c : cases) {
        put(10, 10, c.c);
        EXPECT_EQ(vesisyvyys(10, 10), c.depth) << c.c;
    }
    EXPECT_EQ(vesisyvyys(-1, 10), 4);
    EXPECT_EQ(vesisyvyys(3072, 2048), 4);
}

TEST_F(WaterTest, LocalDepthIsTheDropFromTheHighestWaterOfTheFourArms) {
    local_area();
    memset(maailma, CH_GROUND, MAP_BYTES);
    for (int x = 100; x <= 110; x++) {
        put(x, 100, 182);
        korkeuskartta[mapidx(x, 100)] = 3;
    }
    korkeuskartta[mapidx(105, 100)] = 1;
    EXPECT_EQ(vesisyvyys(105, 100), 2);
    korkeuskartta[mapidx(110, 100)] = 5;              // the far end of the east arm is higher
    EXPECT_EQ(vesisyvyys(105, 100), 4);
    EXPECT_EQ(vesisyvyys(100, 100), 2);               // the west arm meets land at once

    // No land within 50 squares on any arm: the shore is taken at 7.
    for (int y = 0; y < 400; y++) memset(&maailma[mapidx(0, y)], 182, 400);
    memset(korkeuskartta, 2, MAP_BYTES);
    EXPECT_EQ(vesisyvyys(200, 200), 5);
}

TEST_F(WaterTest, WorldIceFollowsTheFrostSum) {
    put_world(20, 20, 182);
    put_world(21, 20, CH_FORD);
    put_world(22, 20, CH_SEA);
    put_world(23, 20, 13);
    struct { int frost, lake, ford; } cases[] = {
        {0, 0, 0}, {5, 0, 0}, {-25, 0, 11}, {-30, 6, 13}, {-499, 99, 224}, {-500, 500, 500}, {-1200, 1200, 1200},
    };
    for (auto &c : cases) {
        GlobWeather.water_temp = c.frost;
        EXPECT_EQ(ice_thickness_worldmap(20, 20), c.lake) << c.frost;
        EXPECT_EQ(ice_thickness_worldmap(21, 20), c.ford) << c.frost;
        EXPECT_EQ(ice_thickness_worldmap(22, 20), 0);  // the open sea does not freeze
        EXPECT_EQ(ice_thickness_worldmap(23, 20), 0);
    }
    GlobWeather.water_temp = -800;
    EXPECT_EQ(ice_thickness_worldmap(-1, 20), 0);
}

TEST_F(WaterTest, LocalIceThinsWithTheHeightOfTheWater) {
    local_area();
    Plr.world_x = 300;
    Plr.world_y = 300;
    put(210, 210, 183);
    struct { int height, frost, ice; } cases[] = {
        {0, -100, 10}, {1, -10, 0}, {1, -15, 3}, {2, -100, 45}, {3, -100, 60}, {4, -100, 75}, {5, -499, 449},
        {6, -100, 100}, {1, -600, 600},
    };
    for (auto &c : cases) {
        korkeuskartta[mapidx(210, 210)] = (uint8_t)c.height;
        GlobWeather.water_temp = c.frost;
        EXPECT_EQ(ice_thickness_mapwise(210, 210), c.ice) << c.height << " " << c.frost;
    }
    // A char that doesn't freeze freezes when its world cell does.
    GlobWeather.water_temp = -100;
    korkeuskartta[mapidx(211, 210)] = 2;
    put(211, 210, CH_SEA);
    EXPECT_EQ(ice_thickness_mapwise(211, 210), 0);
    put_world(300, 300, 182);
    EXPECT_EQ(ice_thickness_mapwise(211, 210), 45);
    put(212, 210, CH_GROUND);
    EXPECT_EQ(ice_thickness_mapwise(212, 210), 0);
}

TEST_F(WaterTest, PoolRecordsOverrideTheIce) {
    local_area();
    put(210, 210, 183);
    korkeuskartta[mapidx(210, 210)] = 6;
    GlobWeather.water_temp = -300;
    EXPECT_EQ(ice_thickness_true(210, 210), 300);
    int hole = add_record(']', 210, 210, 12);
    EXPECT_EQ(ice_thickness_true(210, 210), 12);
    add_record('^', 210, 210);
    EXPECT_EQ(ice_thickness_true(210, 210), 0);     // open water even in deep frost
    Data[hole].type = 0;
    EXPECT_EQ(ice_thickness_true(210, 210), 0);
}

TEST_F(WaterTest, IceBearsUpToItsCapacity) {
    EXPECT_EQ(ice_bearing(9, 899), 0);
    EXPECT_EQ(ice_bearing(10, 7999), 0);
    for (int i = 0; i < 50; i++) {
        int r = ice_bearing(9, 900);                  // exactly the capacity: creaks or breaks
        EXPECT_TRUE(r == 1 || r == 2);
        EXPECT_EQ(ice_bearing(9, 1800), 1);           // twice the capacity always breaks
        EXPECT_NE(ice_bearing(10, 8001), 0);
    }
    EXPECT_EQ(ice_bearing(0, 0), 1);
}

TEST_F(WaterTest, BreakCheckWeighsTheLoadInGrams) {
    put_world(30, 30, 182);
    GlobWeather.water_temp = -500;                       // 500 mm: 400,000 g
    EXPECT_EQ(ice_break_check(30, 30, 880.0f, 1), 0);
    EXPECT_NE(ice_break_check(30, 30, 884.0f, 1), 0);
    GlobWeather.water_temp = 0;
    EXPECT_EQ(ice_break_check(30, 30, 10000.0f, 1), 0);   // no ice: nothing to break
}

TEST_F(WaterTest, BreakingTheIceOpensTheSquareUnderThePlayer) {
    local_area();
    Plr.minutes = 123456;
    PlayerX = 220;
    PlayerY = 221;
    put(220, 221, 183);
    add_record(9, 1, 1);
    add_record(']', 220, 221, 40);
    add_record(8, 220, 221);
    add_record(10, 220, 221);
    add_record('b', 220, 221);
    int item = add_record(1, 220, 221, 2);
    do_break_ice(220, 221);
    EXPECT_EQ(count_type(']', 220, 221), 0);
    EXPECT_EQ(count_type(8, 220, 221) + count_type(10, 220, 221) + count_type('b', 220, 221), 0);
    ASSERT_EQ(count_type('^', 220, 221), 1);
    EXPECT_EQ(Data[0].type, '^');                     // at the bottom of the stack
    EXPECT_EQ(Data[0].ready_minute, 123456u);
    EXPECT_EQ(count_type(1, 220, 221), 1);
    EXPECT_NE(item, -1);
    EXPECT_EQ(Plr.movement_mode, 2);                    // the player swims
    EXPECT_EQ(ice_thickness_true(220, 221), 0);
}

TEST_F(WaterTest, TheWorldMapIceNeverBreaks) {
    put(40, 40, 183);
    add_record(8, 40, 40);
    do_break_ice(40, 40);
    EXPECT_EQ(count_type(8, 40, 40), 1);
    EXPECT_EQ(count_type('^', 40, 40), 0);
}

TEST_F(WaterTest, SnowLiesOutdoorsAndOnIce) {
    local_area();
    put(210, 210, CH_GROUND);
    put(211, 210, 95);
    put(212, 210, 183);
    korkeuskartta[mapidx(212, 210)] = 6;
    GlobWeather.snow_depth = 300;
    EXPECT_EQ(snow_thickness_mapwise(210, 210), 300);
    EXPECT_EQ(snow_thickness_mapwise(211, 210), 0);
    EXPECT_EQ(snow_thickness_mapwise(212, 210), 0);
    GlobWeather.water_temp = -200;
    EXPECT_EQ(snow_thickness_mapwise(212, 210), 300);
    GlobWeather.snow_depth = 0;
    EXPECT_EQ(snow_thickness_mapwise(210, 210), 0);
}
