// Map queries: indoors, settlements, chars around, the nearest water and land, shores and islets,
// the local area's rectangles, leaves, and the surface and soil bits.
#include "maps/mapquery.h"
#include "maptest.h"

TEST_F(MapsTest, IndoorsIsTheRoofFlagExceptAShelter) {
    put(10, 10, 95);
    put(11, 10, 31);
    put(12, 10, 13);
    EXPECT_EQ(indoors(10, 10), 1);
    EXPECT_EQ(terrain_flag(31, TF_ROOFED), 1);
    EXPECT_EQ(indoors(11, 10), 0);
    EXPECT_EQ(indoors(12, 10), 0);
    EXPECT_EQ(indoors(-1, 10), 0);
}

TEST_F(MapsTest, SettlementsAndFieldsOfTheWorld) {
    put_world(500, 500, 239);
    put_world(510, 500, CH_FIELD);
    put_world(0, 0, 210);
    EXPECT_EQ(on_kyla(500, 500, 1), 1);
    EXPECT_EQ(on_kyla(510, 500, 1), 0);
    EXPECT_EQ(on_kyla(510, 500, 0), 1);
    EXPECT_EQ(on_kyla(-1, 0, 0), 0);
    EXPECT_EQ(on_pelto(510, 500), 1);
    EXPECT_EQ(is_settled_area(503, 497, 3), 1);
    EXPECT_EQ(is_settled_area(504, 500, 3), 0);
    EXPECT_EQ(is_settled_area(508, 500, 3), 0);       // a field is no settlement
    EXPECT_EQ(is_settled_area(1, 1, 2), 1);           // the corner looks past the grid safely
}

TEST_F(MapsTest, CharsAroundCountBlanksOffTheGrid) {
    put(50, 50, 41);
    EXPECT_EQ(got_mc_around(48, 48, 41, 2), 1);
    EXPECT_EQ(got_mc_around(47, 48, 41, 2), 0);
    EXPECT_EQ(scan_for_mapchar(49, 49, 51, 51, 41), 1);
    EXPECT_EQ(scan_for_mapchar(3070, 2046, 3075, 2050, CH_BLANK), 1);
    memset(maailma, CH_GROUND, MAP_BYTES);
    EXPECT_EQ(scan_for_mapchar(3070, 2046, 3071, 2047, CH_BLANK), 0);
    EXPECT_EQ(scan_for_mapchar(3070, 2046, 3072, 2047, CH_BLANK), 1);
}

TEST_F(MapsTest, NearestWaterLooksOnlyAtOddDistances) {
    memset(maailma, CH_GROUND, MAP_BYTES);
    int wx = -1, wy = -1;
    put(98, 100, 183);                                // two squares west: never looked at
    EXPECT_EQ(etaisyys_veteen(100, 100, &wx, &wy), 1000);
    EXPECT_EQ(wx, 0);
    EXPECT_EQ(wy, 0);
    put(103, 103, 182);                               // south-east at 3
    put(100, 97, 182);                                // north at 3: tried after south-east
    EXPECT_EQ(etaisyys_veteen(100, 100, &wx, &wy), 3);
    EXPECT_EQ(wx, 103);
    EXPECT_EQ(wy, 103);
    put(99, 101, 183);                                // south-west at 1 wins over anything farther
    EXPECT_EQ(etaisyys_veteen(100, 100, &wx, &wy), 1);
    EXPECT_EQ(wx, 99);
    memcpy(maailma_alltime, maailma, MAP_BYTES);      // the world map's ice is the world layer's
    GlobWeather.water_temp = -1000;                      // frozen over: no open water anywhere
    EXPECT_EQ(etaisyys_veteen(100, 100, &wx, &wy), 1000);
}

TEST_F(MapsTest, NearestLandKeepsTheFirstLineOfTheSmallestDistance) {
    for (int y = 0; y < 400; y++) memset(&maailma[mapidx(0, y)], 182, 400);
    int lx = 0, ly = 0;
    EXPECT_EQ(lahin_maa_tile(200, 200, &lx, &ly), 1000);
    put(205, 200, CH_GROUND);                         // east at 5
    put(200, 195, CH_GROUND);                         // north at 5: later in the order
    EXPECT_EQ(lahin_maa_tile(200, 200, &lx, &ly), 5);
    EXPECT_EQ(lx, 205);
    EXPECT_EQ(ly, 200);
    put(200, 196, CH_GROUND);                         // north at 4: an even distance is skipped
    EXPECT_EQ(lahin_maa_tile(200, 200, &lx, &ly), 5);
    EXPECT_EQ(lahin_maa_tile(397, 200, &lx, &ly), 3); // the ground beyond the lake
}

TEST_F(MapsTest, LakeAndSeaShores) {
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 3; x++) put_world(100 + x, 100 + y, x == 0 ? 182 : 250);
    EXPECT_EQ(bigmap_jarvenranta(101, 101), 0);       // three lake cells
    put_world(101, 100, 183);
    EXPECT_EQ(bigmap_jarvenranta(101, 101), 1);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 3; x++) put_world(100 + x, 100 + y, 182);
    EXPECT_EQ(bigmap_jarvenranta(101, 101), 0);       // all nine: open lake, no shore

    for (int y = 0; y < 5; y++)
        for (int x = 0; x < 5; x++) put_world(300 + x, 300 + y, y < 3 ? CH_SEA : CH_GROUND);
    EXPECT_EQ(bigmap_merenranta(302, 302), 1);        // 15 sea cells
    put_world(300, 300, CH_GROUND);
    EXPECT_EQ(bigmap_merenranta(302, 302), 0);        // 14
    EXPECT_EQ(bigmap_merenranta(0, 0), 0);
}

TEST_F(MapsTest, WaterSystemNeighboursAreFreshWater) {
    memset(maailma, CH_GROUND, MAP_BYTES);
    put(10, 9, CH_SEA);
    EXPECT_EQ(isokartta_vesisto(10, 10), 0);
    put(11, 10, CH_RIVER);
    EXPECT_EQ(isokartta_vesisto(10, 10), 1);
    EXPECT_EQ(isokartta_vesisto(0, 0), 0);
}

TEST_F(MapsTest, IsletNeedsRockGroundInsideOpenWater) {
    local_area();
    memset(maailma, 182, MAP_BYTES);
    int ox = 0, oy = 0;
    put(231, 229, CH_GROUND);
    EXPECT_EQ(zoommap_ulkoluoto(230, 230, &ox, &oy), 0);   // ground without rock soil
    pintakartta[mapidx(231, 229)] = (uint8_t)aseta_MAAPERA(0, 1);
    EXPECT_EQ(zoommap_ulkoluoto(230, 230, &ox, &oy), 1);
    EXPECT_EQ(ox, 231);
    EXPECT_EQ(oy, 229);
    put(233, 230, CH_GROUND);                         // the ring at 3 touches land
    EXPECT_EQ(zoommap_ulkoluoto(230, 230, &ox, &oy), 0);
}

TEST_F(MapsTest, WorldCellRectanglesInTheLocalArea) {
    Plr.world_x = 700;
    Plr.world_y = 800;
    UiRect r = bigxy_zoomrect(700, 800);
    EXPECT_EQ(r.w, 0);                                // on the world map: all zero
    local_area();
    r = bigxy_zoomrect(700, 800);
    EXPECT_EQ(r.x, 200);
    EXPECT_EQ(r.y, 200);
    EXPECT_EQ(r.w, 64);
    EXPECT_EQ(r.h, 64);
    r = bigxy_zoomrect(698, 802);
    EXPECT_EQ(r.x, 72);
    EXPECT_EQ(r.y, 328);
    r = bigxy_zoomrect(703, 800);
    EXPECT_EQ(r.w, 0);
}

TEST_F(MapsTest, BirchLeavesByDate) {
    struct { int m, d, leaf; } cases[] = {{3, 30, 0},  {4, 9, 4},   {5, 30, 45},  {6, 30, 75}, {7, 26, 100},
                                          {8, 1, 99},  {8, 30, 70}, {9, 20, 10},  {9, 30, 0},  {10, 1, 0}};
    for (auto &c : cases) {
        Plr.month = c.m;
        Plr.day = c.d;
        EXPECT_EQ(birch_leaf_level(), c.leaf) << c.m << "/" << c.d;
    }
}

TEST_F(MapsTest, SurfaceAndSoilBits) {
    int b = aseta_maaperatyyppi(0xff, 2);
    EXPECT_EQ(PINTA(b), 2);
    EXPECT_EQ(MAAPERA(b), 7);
    b = aseta_MAAPERA(b, 3);
    EXPECT_EQ(MAAPERA(b), 3);
    EXPECT_EQ(PINTA(b), 2);
    EXPECT_EQ(b & 0xc0, 0xc0);                        // the bits above the soil are kept

    pintakartta[mapidx(3072, 2048)] = 9;
    EXPECT_EQ(pintakartta_value(3072, 2048), 9);
    EXPECT_EQ(pintakartta_value(3073, 0), 0);
    EXPECT_EQ(pintakartta_value(0, -1), 0);
    pintakartta[mapidx(5, 5)] = (uint8_t)aseta_MAAPERA(5, 2);
    Tyhjenna_PINTA(5, 5);
    EXPECT_EQ(pintakartta[mapidx(5, 5)], aseta_MAAPERA(0, 2));
    Tyhjenna_PINTA(-3, 5);
}

TEST_F(MapsTest, MireSoilComesFromTheWorldCellOnlyOnALocalArea) {
    Plr.world_x = 40;
    Plr.world_y = 50;
    put_world(40, 50, 233);                           // open mire
    put_world(210, 220, 233);
    EXPECT_EQ(maapera_arvo(210, 220), 0);             // the world map never answers mire soil
    local_area();
    EXPECT_EQ(maapera_arvo(210, 220), 64);
    EXPECT_EQ(maapera_muokattavissa(210, 220), -1);
    EXPECT_EQ(maapera_arvo(150, 220), 0);             // the cell west of the centre is dry
    pintakartta[mapidx(150, 220)] = (uint8_t)aseta_MAAPERA(0, 2);
    EXPECT_EQ(maapera_muokattavissa(150, 220), 0);
    pintakartta[mapidx(150, 220)] = (uint8_t)aseta_MAAPERA(0, 1);
    EXPECT_EQ(maapera_muokattavissa(150, 220), -1);
    pintakartta[mapidx(150, 220)] = (uint8_t)aseta_MAAPERA(0, 4);
    EXPECT_EQ(maapera_muokattavissa(150, 220), 1);
}

TEST_F(MapsTest, SurfaceHeightByLevel) {
    korkeuskartta[mapidx(210, 210)] = 33;
    EXPECT_EQ(Pinnan_Korkeus(3072, 0), 0);
    local_area();
    EXPECT_EQ(Pinnan_Korkeus(210, 210), 33);
    EXPECT_EQ(Pinnan_Korkeus(-1, 210), 0);
}
