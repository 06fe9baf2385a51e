// tests/maps/directions_test.cpp -- compass and relative directions and the navigation phrases.
#include "maps/maptest.h"

#include "core/creatures.h"
#include "maps/directions.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"

namespace {

class Directions : public MapsTest {};

TEST_F(Directions, DirectionTextsAndTheirFlags) {
    EXPECT_STREQ(navitxt_Dir(10, 10, 13, 7, NAVI_FROM_HERE), "directly in the north-east from here");
    EXPECT_EQ(TARGET_DIR, 1);
    EXPECT_STREQ(navitxt_Dir(10, 10, 10, 10, 0), "directly in the east") << "a point to itself lies east";
    EXPECT_STREQ(navitxt_Dir(10, 10, 13, 8, 0), "in the north-east") << "off the diagonal: not directly";
    EXPECT_STREQ(navitxt_Dir(10, 10, 10, 20, NAVI_NO_DIRECTLY), "in the south");
    EXPECT_STREQ(navitxt_Dir(10, 10, 0, 10, NAVI_BARE | NAVI_FROM_HERE), "west from here");
    EXPECT_STREQ(navitxt_Full(10, 10, 10, 130, NAVI_AWAY), "directly in the south from here, about 12 kilometers away")
        << "one flag gives both the \" from here\" and the \" away\"";
}

TEST_F(Directions, DistanceTextsAtTheirLimits) {
    EXPECT_STREQ(navitxt_Dist(0, 0, 9, 0, 0), "less than a kilometer");
    EXPECT_STREQ(navitxt_Dist(0, 0, 10, 5, 0), "just a couple of kilometers");
    EXPECT_STREQ(navitxt_Dist(0, 0, 0, 31, NAVI_AWAY), "about 4 kilometers away");
    EXPECT_STREQ(navitxt_Dist(0, 0, 250, 0, NAVI_WALKING), "around two day's walk or at least 30 kilometers");
    EXPECT_STREQ(navitxt_Dist(0, 0, 300, 0, NAVI_WALKING), "around two day's walk or at least 30 kilometers")
        << "exactly 30 km stays in the shorter walk and its own ten";
    EXPECT_STREQ(navitxt_Dist(0, 0, 301, 0, NAVI_WALKING), "two day's walk or at least 40 kilometers");
    EXPECT_STREQ(navitxt_Dist(0, 0, 30, 0, NAVI_WALKING), "few hours walk or at least 10 kilometers");
    EXPECT_STREQ(navitxt_Dist(0, 0, 1401, 0, NAVI_WALKING | NAVI_AWAY), "over a week's walk or at least 150 kilometers away");
}

TEST_F(Directions, RelativeDirectionsStayInRange) {
    PlayerX = PlayerY = 100;
    PlayerDir = 2;   // north
    EXPECT_EQ(reldir(-1, 100, 90), 0) << "ahead";
    EXPECT_EQ(reldir(-1, 90, 100), 2) << "to the left";
    EXPECT_EQ(reldir(-1, 100, 110), 4) << "behind";
    EXPECT_EQ(reldir(-1, 110, 100), 6) << "to the right";
    EXPECT_EQ(reldir(-1, 110, 110), 5) << "behind and to the right: no negative remainder";
    PlayerDir = 7;   // south-east: the east lies one step counter-clockwise
    EXPECT_EQ(reldir(-1, 110, 100), 1);
    PlayerDir = 9;
    EXPECT_EQ(reldir(-1, 110, 100), 0) << "a heading above 7";

    memset(Cre, 0, sizeof Cre);
    Cre[3].kind = 1;
    Cre[3].Suunta = 6;   // facing south
    place_record(DT_CREATURE, 50, 50, CRE_DATAID + 3);
    EXPECT_EQ(reldir(3, 50, 40), 4) << "north of a creature facing south lies behind it";
    EXPECT_EQ(npcSuunta(3), 3) << "the creature lies north-west of the player";
    EXPECT_EQ(npcSuunta(-1), 0);
    EXPECT_EQ(npcSuunta(7000), 0);
}

TEST_F(Directions, AreaTextsTellSizeAndBorder) {
    // A lake of 5 x 5 cells at 100..104: the north row above it forest, the west column bog.
    for (int y = 100; y < 105; y++)
        for (int x = 100; x < 105; x++) put_world(x, y, CH_DEEP_WATER);
    for (int x = 99; x < 106; x++) put_world(x, 99, 15);
    for (int y = 98; y < 106; y++) put_world(99, y, 96);
    set_terrain_desc(CH_DEEP_WATER, "Deep Lake");
    set_terrain_desc(15, "Forest");
    set_terrain_desc(96, "Bog");
    EXPECT_STREQ(navitxt_Area(100, 100), "border location of deep lake area right next to bog in the west")
        << "the west side counts last and wins";
    EXPECT_STREQ(navitxt_Area(102, 102), "deep lake area");
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) put_world(x, y, 15);
    EXPECT_STREQ(navitxt_Area(10, 10), "large forest area");
    put_world(500, 500, 96);   // no side holds one terrain along all three cells
    put_world(499, 499, 15);
    put_world(501, 501, 15);
    EXPECT_STREQ(navitxt_Area(500, 500), "tiny bog area");
}

}  // namespace
