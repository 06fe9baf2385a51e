// Rooms and world cells: closed rooms and their warmth (as the felt temperature reads it), small
// lakes and the names of world cells.
#include "core/datafunc.h"
#include "core/weather.h"
#include "maps/marker.h"
#include "maps/rooms.h"
#include "maps/burning.h"
#include "maptest.h"
#include "core/tekstit.h"

class RoomsTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        for (int y = 180; y < 240; y++)
            for (int x = 180; x < 240; x++) put(x, y, CH_GROUND);
    }
    // A hut of floor 95 inside walls; its inside runs from (x0 + 1, y0 + 1) to (x0 + n, y0 + n).
    void hut(int x0, int y0, int n) {
        for (int i = 0; i <= n + 1; i++) {
            put(x0 + i, y0, 196);
            put(x0 + i, y0 + n + 1, 208);
            put(x0, y0 + i, 200);
            put(x0 + n + 1, y0 + i, 188);
        }
        for (int y = 1; y <= n; y++)
            for (int x = 1; x <= n; x++) put(x0 + x, y0 + y, 95);
    }
};

TEST_F(RoomsTest, ClosedRoomsAndGaps) {
    hut(200, 200, 3);
    EXPECT_EQ(onkohuone(202, 202), 1);
    EXPECT_EQ(TILA_koko, 9);
    put(201, 201, 4);                              // a stove
    EXPECT_EQ(onkohuone(202, 202), 3);
    EXPECT_EQ(onkohuoneessa_koordinaatti(202, 202, 203, 203), 1);
    EXPECT_EQ(onkohuoneessa_koordinaatti(202, 202, 205, 202), 0);   // outside the wall
    EXPECT_EQ(onkohuone(210, 210), 0);             // not roofed
    put(204, 202, CH_GROUND);                      // a gap in the wall: the ground reaches out
    EXPECT_EQ(onkohuone(202, 202), 0);
    strcpy(Plr.mapname, "BIGMAP");
    put(204, 202, 188);
    EXPECT_EQ(onkohuone(202, 202), 0);             // no rooms on the world map
}

TEST_F(RoomsTest, RoomTemperatureFollowsTheOutdoorsTheDoorAndTheFire) {
    hut(200, 200, 3);
    struct Case { float outdoor; int closed, door; } cases[] = {
        {-30.0f, -5, -15}, {-20.0f, -3, -13}, {-5.0f, 0, -5}, {10.0f, 12, 10}, {25.0f, 20, 25}};
    for (const Case &c : cases) {
        Plr.air_temperature = c.outdoor;
        put(202, 204, 208);
        ASSERT_EQ(onkohuone(202, 202), 1);
        EXPECT_EQ(TILA_huonelampo, c.closed) << c.outdoor;
        put(202, 204, 22);                         // an open door in the south wall
        ASSERT_EQ(onkohuone(202, 202), 1);
        EXPECT_EQ(TILA_huonelampo, c.door) << c.outdoor;
    }
    // A burning stove: its heat spread over the room's squares in thirds.
    put(202, 204, 208);
    put(201, 201, 4);
    Plr.minutes = 1000;
    const int fire = place_record(DT_FIRE, 201, 201, 0);
    ASSERT_GE(fire, 0);
    Data[fire].spent_minutes = 1000 - 150;
    Data[fire].ready_minute = 1000 + 100;
    get_datatype(DT_FIRE, 201, 201);
    Plr.air_temperature = 10.0f;
    const int heat = lampoarvo(201, 201, 0);
    ASSERT_GT(heat, 0);
    ASSERT_EQ(onkohuone(202, 202), 3);
    EXPECT_EQ(TILA_huonelampo, (int)(heat / 3.0 + 12));
}

TEST_F(RoomsTest, FeltTemperatureInsideIsTheRooms) {
    hut(200, 200, 3);
    Plr.air_temperature = -30.0f;
    EXPECT_FLOAT_EQ(Mittaa_Lampotila(202, 202), -5.0f);
    EXPECT_FLOAT_EQ(Mittaa_Lampotila(215, 215), -30.0f);
}

TEST_F(RoomsTest, SmallLakesAndCellNames) {
    for (int y = 90; y < 130; y++)
        for (int x = 90; x < 130; x++) put_world(x, y, 15);
    put_world(100, 100, CH_SHALLOW_WATER);         // a lone pond
    EXPECT_EQ(bigmap_lampi(100, 100), 1);
    EXPECT_STREQ(karttapaikka_teksti(100, 100), "Small lake");
    put_world(101, 100, CH_SHALLOW_WATER);         // two cells: still small
    EXPECT_EQ(bigmap_lampi(100, 100), 1);
    for (int y = 110; y < 120; y++)
        for (int x = 110; x < 120; x++) put_world(x, y, CH_SHALLOW_WATER);
    EXPECT_EQ(bigmap_lampi(115, 115), 0);          // a lake
    EXPECT_STREQ(karttapaikka_teksti(115, 115), "Lake");
    for (int x = 90; x < 100; x++) put_world(x, 95, CH_RIVER);
    EXPECT_EQ(bigmap_lampi(95, 95), 0);
    EXPECT_STREQ(karttapaikka_teksti(95, 95), terrain[CH_RIVER].description);
    EXPECT_STREQ(karttapaikka_teksti(95, 95), "River");
    // A row of three: r 2 with w 3 is small, a cross of five with r 4 is not.
    put_world(125, 125, CH_WADE_WATER);
    put_world(124, 125, CH_WADE_WATER);
    put_world(126, 125, CH_WADE_WATER);
    EXPECT_EQ(bigmap_lampi(125, 125), 1);
    put_world(125, 124, CH_WADE_WATER);
    put_world(125, 126, CH_WADE_WATER);
    EXPECT_EQ(bigmap_lampi(125, 125), 0);

    ZoomExtra[0].x = 120;
    ZoomExtra[0].y = 92;
    ZoomExtra[0].dwelling = 4;
    EXPECT_STREQ(karttapaikka_teksti(120, 92), "Your settlement");
}
