// The ready-made character on the game screen: the boxes beside the map tell where she stands, on the
// world map and on a local map with its location picture, and change when she crosses into another
// named block.
#include "core/loader_fixture.h"
#include "maps/mapdesc.h"
#include "maps/movement.h"
#include "game/playerstep.h"
#include "presentation/show.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderScreenTest;

namespace {
bool fill_colour(int x, int y) {
    int r, g, b;
    oxatest::rgb(oxatest::pixel(x, y), r, g, b);
    return r == 56 && g == 88 && b == 120;
}
}  // namespace

TEST_F(LoaderScreenTest, BoxesBesideTheMapTellWhereSheStands) {
    dir->copy_asset("truegfx/terrain-field.jpg");
    ASSERT_EQ(loader(), 0);
    const std::string world_name = std::string("\"") + regiondesc(PlayerX, PlayerY) + "\"";
    EXPECT_EQ(std::string(LastRegionShow), world_name);
    EXPECT_TRUE(fill_colour(regstatGui.x + 3, regstatGui.y + regstatGui.height - 3));
    EXPECT_TRUE(fill_colour(mapstatGui.x + 3, mapstatGui.y + mapstatGui.height - 3));

    // Southwards over the edge of her place's block, the box names the next place.
    const int home_y = PlayerY, steps = 32 - PlayerY % 32;
    for (int i = 0; i < steps; i++) ASSERT_EQ(MovePlayer(104), 1) << "a step south";
    EXPECT_EQ(PlayerY, home_y + steps);
    EXPECT_NE(std::string(LastRegionShow), world_name);
    EXPECT_EQ(std::string(LastRegionShow), std::string("\"") + regiondesc(PlayerX, PlayerY) + "\"");
    for (int i = 0; i < steps; i++) ASSERT_EQ(MovePlayer(100), 1) << "a step north";

    // On the local map the region box holds the picture of her field.
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    EXPECT_NE(strstr(LastRegionShow, "Field at "), nullptr) << LastRegionShow;
    const int cx = regstatGui.x + regstatGui.width / 2, cy = regstatGui.y + regstatGui.height / 3;
    EXPECT_FALSE(fill_colour(cx, cy)) << "the location picture covers the box";
}
