// tests/worldgen/arrival_test.cpp -- the words and pictures that greet the player zooming in.
#include "worldgen/localgen_fixture.h"

#include <sys/stat.h>

#include "game/turnloop.h"
#include "maps/mapload.h"
#include "worldgen/arrival.h"

namespace {

class ArrivalTest : public LocalGenTest {
protected:
    std::string text, picture;
    int lahesty = 0;
    void choose(int mode) {
        char t[400], p[64];
        arrival_choice(mode, t, sizeof t, p, sizeof p, &lahesty);
        text = t;
        picture = p;
    }
    void stand(int c, int ahead, int prev) {
        PlayerX = PlayerY = 500;
        PlayerDir = 2;   // east
        PrevX = 499;
        PrevY = 500;
        put_world(500, 500, c);
        put_world(500 + Heds_x(2), 500 + Heds_y(2), ahead);
        put_world(499, 500, prev);
    }
};

}  // namespace

TEST_F(ArrivalTest, EachKindOfPlaceHasItsWordsAndOnlyStrikingOnesAPicture) {
    stand(210, 210, 210);
    set_alltime_kulttuuri(500, 500, 3);
    choose(0);
    EXPECT_NE(text.find("You are entering "), std::string::npos);
    EXPECT_NE(text.find(" village..."), std::string::npos);
    EXPECT_EQ(picture, "terrain-village.jpg") << "the place's picture, as the map border shows it";

    stand(15, 15, 15);
    choose(0);
    EXPECT_EQ(text, "There is coniferous forest here and you take a closer look at this area.");
    EXPECT_EQ(picture, "") << "an everyday forest is told of, not shown";
    choose(1);
    EXPECT_EQ(text, "There is coniferous forest here and you encounter something.");
    stand(177, 177, 177);
    choose(0);
    EXPECT_EQ(text, "There are rapids here and you take a closer look at this area.");

    stand(238, 238, 238);
    choose(0);
    EXPECT_EQ(text, "Branches bend and curve above your head here in the majestic temple of the ageless forest as "
                    "you take a closer look at this area.");
    EXPECT_EQ(picture, "terrain-pine_heath.jpg");

    stand(30, 30, 30);
    choose(0);
    EXPECT_EQ(text, "You enter into a camp with few quickly built settlements.");
    EXPECT_EQ(picture, "");

    // Her own homestead shows its house; in winter the winter picture shows.
    stand(15, 15, 15);
    ZoomExtra[0].x = 500;
    ZoomExtra[0].y = 500;
    ZoomExtra[0].dwelling = 4;
    choose(0);
    EXPECT_EQ(picture, "terrain-house.jpg");
    memset(&ZoomExtra[0], 0, sizeof ZoomExtra[0]);
    dir->link_asset("truegfx");
    Plr.month = 1;
    stand(238, 238, 238);
    choose(0);
    EXPECT_EQ(picture, "terrain-pine_heath-winter.jpg");
}

TEST_F(ArrivalTest, WaterAheadReplacesThePlacesOwnAndApproachesTheShore) {
    stand(15, CH_DEEP_WATER, 15);
    choose(0);
    EXPECT_EQ(text, "By this lake, where the surface of the water reflects images of both you and the skies above, "
                    "you take a closer look at this area.");
    EXPECT_EQ(picture, "terrain-lake.jpg");
    EXPECT_EQ(lahesty, 1);

    stand(CH_RIVER, CH_RAPIDS, CH_RIVER);
    choose(0);
    EXPECT_EQ(text.rfind("The sound of the surging rapids ahead fills your ears as ", 0), 0u);
    EXPECT_EQ(lahesty, 0) << "coming from water the shore is not sought";

    stand(94, CH_SEA, 94);
    choose(2);
    EXPECT_EQ(text, "By the sea ahead ") << "a silent arrival adds no ending";
}

TEST_F(ArrivalTest, EveryPictureAnArrivalCanShowIsPainted) {
    const int chars[] = {210, 239, 86, 211, 60, 94, 235, 238, CH_FORD, CH_RIVER, CH_RAPIDS, CH_SEA,
                         CH_SHALLOW_SEA, CH_DEEP_WATER, CH_SHALLOW_WATER, CH_WADE_WATER, 251, 15, 16, 233, 246};
    for (int month : {7, 1}) {
        Plr.month = (uint8_t)month;
        for (int c : chars) {
            stand(c, c, c);
            choose(0);
            if (picture.empty()) continue;
            char path[200];
            arrival_picture_path(picture.c_str(), path, sizeof path);
            struct stat st;
            EXPECT_EQ(stat((std::string(OXA_RUN_DIR) + "/" + path).c_str(), &st), 0) << path;
        }
    }
}
