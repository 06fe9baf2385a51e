// tests/maps/draw_painter_test.cpp -- the square painter on one square at a time, with tiles of plain
// colours: snow by depth, leaves by the season, height steps and door frames.
#include "core/weatherengine.h"
#include "common/harness.h"
#include "maps/tile_strips.h"

#include "base/ownlib.h"
#include "common/pool_put.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/area.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
#include "maps/squareevents.h"
#include "presentation/painter.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <cstring>
#include <functional>
#include <string>

namespace {

const SDL_Color KEY = oxatest::TILE_KEY;
using oxatest::rgb;

// Frame f of the strip is painted by paint(f, x, y).
void tile(const char *name, int w, int h, int frames, std::function<SDL_Color(int, int, int)> paint) {
    oxatest::write_tile_strip(name, w, h, frames, paint);
}

// The cell around the reference point (32, 32) of a 64 x 64 frame, and a dot at its centre.
bool in_cell(int x, int y) { return x >= 23 && x < 41 && y >= 22 && y < 42; }
bool at_centre(int x, int y) { return x >= 31 && x < 34 && y >= 31 && y < 34; }

class Painter : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        tile("ter-ground", 64, 64, 10, [](int, int x, int y) { return in_cell(x, y) ? rgb(60, 140, 60) : KEY; });
        tile("ter-snowgnd", 64, 64, 10, [](int, int x, int y) { return in_cell(x, y) ? rgb(250, 250, 250) : KEY; });
        tile("ter-gcfloor", 64, 64, 1, [](int, int x, int y) { return in_cell(x, y) ? rgb(170, 140, 100) : KEY; });
        tile("ter-snowbits", 64, 64, 2, [](int, int x, int y) { return at_centre(x, y) ? rgb(0, 0, 250) : KEY; });
        tile("ter-snowthin", 64, 64, 2, [](int, int x, int y) { return at_centre(x, y) ? rgb(0, 250, 250) : KEY; });
        tile("ter-ndbirch", 64, 96, 2, [](int, int x, int y) { return (x == 32 && y > 40 && y <= 82) ? rgb(240, 240, 240) : KEY; });
        tile("ter-ndbirchs", 64, 96, 2, [](int, int x, int y) { return (x == 32 && y > 40 && y <= 82) ? rgb(0, 0, 240) : KEY; });
        tile("ter-birch", 64, 96, 2, [](int, int x, int y) { return (x > 20 && x < 44 && y > 30 && y < 60) ? rgb(0, 200, 0) : KEY; });
        tile("ter-elev2", 64, 64, 5, [](int f, int x, int y) { return in_cell(x, y) && f == 4 ? rgb(200, 0, 0) : KEY; });
        tile("ter-doorcl", 64, 96, 4, [](int f, int x, int y) { return (x > 26 && x < 38 && y > 60 && y <= 82) ? rgb(40 * (f + 1), 0, 100) : KEY; });
        NewGfx_loadtiledata();
        memset(Data, 0, sizeof Data);   // no tree records an earlier test laid

        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Environ = 2;
        Plr.month = 0;
        Plr.day = 1;
        GlobWeather = {};
        memset(terrain, 0, sizeof terrain);
        init_terrain_struct(0, 0);
        NEWGFX = 1;
        for (int y = 220; y < 245; y++)
            for (int x = 220; x < 245; x++) {
                const size_t i = mapidx(x, y);
                maailma[i] = maailma_work[i] = CH_GROUND;
                maailma_attrib[i] = '4';
                korkeuskartta[i] = 0;
                pintakartta[i] = 0;
            }
        view_rows_written(220, 244);
        PlayerX = PlayerY = 232;
        mapdimInit(800, 600, 1.0f);
        // The view drawn once, as every frame starts: the painter's marks of the trees are of this
        // test's pool, not of the last view an earlier test drew.
        ShowTemp(0);
        CleanMapDrawBuffers();
    }
    void TearDown() override {
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }
    void set(int x, int y, int c) { maailma[mapidx(x, y)] = maailma_work[mapidx(x, y)] = (uint8_t)c; }
    static uint32_t at(int x, int y) {
        uint32_t p = 0;
        SDL_Rect r = {x, y, 1, 1};
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_ARGB8888, &p, 4);
        SDL_SetRenderTarget(ren, nullptr);
        return p & 0xFFFFFF;
    }
    // The centre pixel of a square's cell, and a pixel some way above it.
    static uint32_t centre(int x, int y) { return at(18 * (x - PlayerX + 30) - 8, 20 * (y - PlayerY + 30) - 9); }
    static uint32_t above(int x, int y, int up) { return at(18 * (x - PlayerX + 30) - 8, 20 * (y - PlayerY + 30) - 9 - up); }
    void ground_pass(int x, int y) { piirra_maatile(x, y, 61, "ter-ground", 0, 64, PAINT_GROUND); }
};

TEST_F(Painter, SnowByDepth) {
    struct { int depth; uint32_t want; } cases[] = {
        {9, 0x3C8C3C}, {10, 0x0000FA}, {40, 0x0000FA}, {41, 0x00FAFA}, {70, 0x00FAFA}};
    for (auto &c : cases) {
        GlobWeather.snow_depth = c.depth;
        CleanMapDrawBuffers();
        ground_pass(233, 232);
        EXPECT_EQ(centre(233, 232), c.want) << "snow depth " << c.depth;
    }
    // 71: the snow ground (reloaded under its light grey and white layers) instead of the ground.
    GlobWeather.snow_depth = 71;
    CleanMapDrawBuffers();
    ground_pass(233, 232);
    const uint32_t snow = centre(233, 232);
    EXPECT_GE(snow & 255, 245u);
    EXPECT_GE((snow >> 8) & 255, 245u);
    // Floors keep their snow off up to 70; from 71 plain ground is snow everywhere.
    set(234, 232, 95);
    GlobWeather.snow_depth = 70;
    CleanMapDrawBuffers();
    piirra_maatile(234, 232, 73, "ter-gcfloor", 0, 64, PAINT_GROUND);
    EXPECT_EQ(centre(234, 232), 0xAA8C64u);
}

TEST_F(Painter, BirchLeavesFollowTheSeason) {
    set(233, 232, 10);
    Plr.month = 1;   // winter: bare
    CleanMapDrawBuffers();
    piirra_maatile(233, 232, 0, "", 0, 0, PAINT_STANDING);
    EXPECT_EQ(above(233, 232, 45), 0u) << "no leaves in winter";
    EXPECT_EQ(above(233, 232, 10), 0xF0F0F0u) << "the bare trunk";
    Plr.month = 7;
    Plr.day = 25;    // full leaf
    CleanMapDrawBuffers();
    piirra_maatile(233, 232, 0, "", 0, 0, PAINT_STANDING);
    EXPECT_EQ(above(233, 232, 45), 0x00C800u);
    Plr.month = 7;
    Plr.day = 1;     // leaf level 76: alpha 194
    CleanMapDrawBuffers();
    piirra_maatile(233, 232, 0, "", 0, 0, PAINT_STANDING);
    const uint32_t g = (above(233, 232, 45) >> 8) & 255;
    EXPECT_GE(g, 150u);
    EXPECT_LT(g, 200u);
}

TEST_F(Painter, HeightStepsDownwardOnly) {
    korkeuskartta[mapidx(233, 232)] = 2;
    korkeuskartta[mapidx(233, 233)] = 0;   // a drop of 2 below
    korkeuskartta[mapidx(233, 231)] = 4;   // a rise above: nothing
    korkeuskartta[mapidx(232, 232)] = 2;
    korkeuskartta[mapidx(234, 232)] = 2;
    piirra_maatile(233, 232, 61, "ter-ground", 0, 0, PAINT_STEPS);
    EXPECT_EQ(centre(233, 232), 0xC80000u) << "ter-elev2 frame 4";
    korkeuskartta[mapidx(233, 233)] = 2;
    CleanMapDrawBuffers();
    piirra_maatile(233, 232, 61, "ter-ground", 0, 0, PAINT_STEPS);
    EXPECT_EQ(centre(233, 232), 0u);
}

TEST_F(Painter, DoorFramesFollowTheirNeighbours) {
    // A closed door with floor (95) below it takes frame 3; with an eastern wall below, frame 1.
    set(233, 232, 254);
    set(233, 233, 95);
    piirra_maatile(233, 232, 0, "", 0, 0, PAINT_STANDING);
    EXPECT_EQ(centre(233, 232), 0xA00064u) << "frame 3 (red 160) for floor below";
    set(233, 233, 188);
    CleanMapDrawBuffers();
    piirra_maatile(233, 232, 0, "", 0, 0, PAINT_STANDING);
    EXPECT_EQ(centre(233, 232), 0x500064u) << "frame 1 (red 80) with an eastern wall below";
}

TEST_F(Painter, ASaplingInADenseForestIsDrawnAsASapling) {
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    for (int i = 0; i < 700; i++) {   // saplings elsewhere on the map, marked before hers
        const int d = oxatest::pool_put(DT_TREE, 20 + i % 100, 20 + i / 100);
        Data[d].flags = 1 << TREEDATA_SAPLING;
    }
    Data[oxatest::pool_put(DT_TREE, 233, 232)].flags = 1 << TREEDATA_SAPLING;
    set(233, 232, 10);
    Plr.month = 1;
    CleanMapDrawBuffers();
    ShowTemp(0);
    EXPECT_EQ(above(233, 232, 10), 0x0000F0u) << "the sapling's trunk, not a grown birch";
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
}

TEST_F(Painter, SquaresOutsideTheViewAreNotPainted) {
    ground_pass(232 + 13, 232);
    ground_pass(232, 232 + 12);
    EXPECT_EQ(at(18 * 43 - 8, 20 * 30 - 9), 0u);
    EXPECT_EQ(at(18 * 30 - 8, 20 * 42 - 9), 0u);
}

}  // namespace
