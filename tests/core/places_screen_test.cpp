// The ready-made character on the game screen: the boxes beside the map tell where she stands, on the
// world map and on a local map with its location picture, and change when she crosses into another
// named block.
#include "core/loader_fixture.h"
#include "maps/mapdesc.h"
#include "maps/movement.h"
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

    // Two steps west she is in the no man's land beside her people's home.
    ASSERT_EQ(MovePlayer(106), 1);   // a step west
    ASSERT_EQ(MovePlayer(106), 1);   // a step west
    EXPECT_EQ(PlayerX, 1503);
    EXPECT_NE(std::string(LastRegionShow), world_name);
    EXPECT_NE(strstr(terdesc(IsoX(), IsoY(), 0), "no man's land"), nullptr) << terdesc(IsoX(), IsoY(), 0);
    ASSERT_EQ(MovePlayer(102), 1);   // a step east
    ASSERT_EQ(MovePlayer(102), 1);   // a step east

    // On the local map the region box holds the picture of her field.
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    EXPECT_NE(strstr(LastRegionShow, "Field at "), nullptr) << LastRegionShow;
    const int cx = regstatGui.x + regstatGui.width / 2, cy = regstatGui.y + regstatGui.height / 3;
    EXPECT_FALSE(fill_colour(cx, cy)) << "the location picture covers the box";
}
