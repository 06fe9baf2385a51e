// tests/maps/draw_view_test.cpp -- a fixed local map drawn with a tile set of plain shapes and
// compared pixel by pixel with the expected pictures at zoom 1.0 and 0.5; and the drawing rules
// that a picture shows: grey remembered squares, tree tops over the player, bad records skipped.
#include "core/weatherengine.h"
#include "common/harness.h"
#include "common/map_layers.h"
#include "maps/tile_strips.h"

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
#include "presentation/painter.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const SDL_Color KEY = oxatest::TILE_KEY;
using oxatest::rgb;

// Every frame of the strip is painted alike by paint(x, y).
void tile(const char *name, int w, int h, int frames, std::function<SDL_Color(int, int)> paint) {
    oxatest::write_tile_strip(name, w, h, frames, [&](int, int x, int y) { return paint(x, y); });
}

// A cell-sized block around the reference point of a 64 x 64 frame.
std::function<SDL_Color(int, int)> cell_block(SDL_Color c) {
    return [c](int x, int y) { return (x >= 23 && x < 41 && y >= 22 && y < 42) ? c : KEY; };
}

// A standing shape on a 64 x 96 frame: w wide, h high above the foot at (32, 82).
std::function<SDL_Color(int, int)> standing(SDL_Color c, int w, int h) {
    return [=](int x, int y) { return (x >= 32 - w / 2 && x < 32 + w / 2 && y > 82 - h && y <= 82) ? c : KEY; };
}

class DrawView : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dir->copy_asset("linedist.arr");
        tile("ter-ground", 64, 64, 10, cell_block(rgb(60, 140, 60)));
        tile("ter-gcfloor", 64, 64, 1, cell_block(rgb(170, 140, 100)));
        tile("ter-spruce", 64, 96, 2, standing(rgb(20, 80, 40), 12, 44));
        tile("ter-walln", 64, 96, 1, standing(rgb(120, 80, 50), 18, 26));
        tile("pc-male", 64, 64, 9, [](int x, int y) { return (x >= 28 && x < 36 && y >= 18 && y < 33) ? rgb(40, 60, 220) : KEY; });
        tile("cur-pcdirs", 64, 64, 8, [](int x, int y) { return (x >= 30 && x < 34 && y >= 8 && y < 12) ? rgb(250, 230, 60) : KEY; });
        tile("it-test", 32, 32, 1, [](int x, int y) { return (x >= 12 && x < 20 && y >= 12 && y < 18) ? rgb(230, 40, 40) : KEY; });
        NewGfx_loadtiledata();

        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.month = 0;   // no month: the ground keeps the colours of its picture, untinted by the season
        Plr.day = 15;
        Plr.movement_mode = 1;
        GlobWeather = {};
        oxatest::clear_map_layers(CH_BLANK);
        memset(maailma_memorymap, ' ', MAP_BYTES);
        memset(pintakartta, 0, MAP_BYTES);
        memset(korkeuskartta, 0, MAP_BYTES);
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        memset(terrain, 0, sizeof terrain);
        init_terrain_struct(0, 0);
        InitSines();
        Sight = 50;
        CalculateLDist(50);
        ALL_SEE = 0;
        NEWGFX = 1;
        for (int y = 190; y < 280; y++)
            for (int x = 190; x < 280; x++) maailma[mapidx(x, y)] = CH_GROUND;
        for (int y = 229; y <= 235; y++) maailma[mapidx(236, y)] = 196;
        for (const auto &t : {std::pair<int, int>{233, 229}, {234, 236}, {230, 228}, {240, 226}})
            maailma[mapidx(t.first, t.second)] = 13;
        // Remembered ground behind the wall: drawn grey.
        for (int y = 230; y <= 234; y++)
            for (int x = 237; x <= 244; x++) maailma_memorymap[mapidx(x, y)] = CH_GROUND;
        ClrItemstruct(ConstantObj[5]);
        ConstantObj[5].type = IT_TOOL;
        copy_bounded(ConstantObj[5].tile, sizeof ConstantObj[5].tile, "it-test");
        Data[0].type = DT_ITEM;
        Data[0].x = 233;
        Data[0].y = 233;
        Data[0].id = 5;
        Data[0].count = 1;
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        mapdimInit(800, 600, 1.0f);
    }
    void TearDown() override {
        mapdimInit(800, 600, 1.0f);
        ClrItemstruct(ConstantObj[5]);
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }

    // The part of the map texture the view shows at the current zoom.
    static SDL_Rect view_source() {
        if (mapDim.scale == 1.0f) return SDL_Rect{mapDim.src_left, mapDim.src_top, mapDim.width, mapDim.height};
        int sw = (int)(mapDim.width / mapDim.scale), sh = (int)(mapDim.height / mapDim.scale);
        return SDL_Rect{mapDim.src_centre_x - sw / 2, mapDim.src_centre_y - sh / 2, sw, sh};
    }
    static std::vector<uint32_t> read(SDL_Rect r) {
        std::vector<uint32_t> px((size_t)r.w * r.h);
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_ARGB8888, px.data(), r.w * 4);
        SDL_SetRenderTarget(ren, nullptr);
        for (uint32_t &p : px) p |= 0xFF000000u;
        return px;
    }
    static uint32_t at(int x, int y) { return read(SDL_Rect{x, y, 1, 1})[0] & 0xFFFFFF; }
    // Centre pixel of a map square's view cell.
    static uint32_t square(int x, int y) { return at(18 * (x - PlayerX + 30) - 8, 20 * (y - PlayerY + 30) - 9); }

    // Compares with the expected picture beside this test; a missing picture is written (and the
    // test fails) so that a person can look at it before it is committed.
    void expect_picture(const char *name) {
        const SDL_Rect r = view_source();
        std::vector<uint32_t> px = read(r);
        std::string path = std::string(OXA_SOURCE_DIR) + "/tests/maps/" + name;
        SDL_Surface *want = IMG_Load(path.c_str());
        if (!want) {
            SDL_Surface *s = SDL_CreateRGBSurfaceWithFormatFrom(px.data(), r.w, r.h, 32, r.w * 4, SDL_PIXELFORMAT_ARGB8888);
            IMG_SavePNG(s, path.c_str());
            SDL_FreeSurface(s);
            FAIL() << "wrote the missing expected picture " << path;
        }
        SDL_Surface *w = SDL_ConvertSurfaceFormat(want, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(want);
        ASSERT_EQ(w->w, r.w);
        ASSERT_EQ(w->h, r.h);
        int wrong = 0, first_x = -1, first_y = -1;
        for (int y = 0; y < r.h; y++)
            for (int x = 0; x < r.w; x++) {
                uint32_t a = px[(size_t)y * r.w + x] & 0xFFFFFF;
                uint32_t b = ((uint32_t *)((uint8_t *)w->pixels + y * w->pitch))[x] & 0xFFFFFF;
                if (a != b && wrong++ == 0) {
                    first_x = x;
                    first_y = y;
                }
            }
        SDL_FreeSurface(w);
        if (wrong) {
            SDL_Surface *s = SDL_CreateRGBSurfaceWithFormatFrom(px.data(), r.w, r.h, 32, r.w * 4, SDL_PIXELFORMAT_ARGB8888);
            IMG_SavePNG(s, (std::string(name) + ".actual.png").c_str());
            SDL_FreeSurface(s);
        }
        EXPECT_EQ(wrong, 0) << "first difference at " << first_x << "," << first_y;
    }
};

const uint32_t GROUND = 0x3C8C3C, SPRUCE = 0x145028, PLAYER = 0x283CDC, ITEM = 0xE62828, WALL = 0x785032;

TEST_F(DrawView, FixedMapAtZoomOne) {
    DrawMap();
    expect_picture("draw_view_1.png");
    EXPECT_EQ(square(232, 232), PLAYER);
    EXPECT_EQ(square(231, 232), 0u) << "behind the player: never seen, not drawn";
    EXPECT_EQ(square(234, 232), GROUND);
    EXPECT_EQ(square(233, 233), ITEM);
    // Remembered ground behind the wall is grey: 0.75 x (17 + 82 + 6) of the ground's (60, 140, 60).
    EXPECT_EQ(square(240, 232), 0x4E4E4Eu);
}

TEST_F(DrawView, FixedMapAtZoomHalf) {
    mapdimInit(800, 600, 0.5f);
    DrawMap();
    expect_picture("draw_view_05.png");
    EXPECT_EQ(mapDim.half_w, 25);
    EXPECT_EQ(square(232, 250), GROUND) << "the wider view draws squares 18 rows away";
}

TEST_F(DrawView, TreeTopsCoverWhatStandsBehindButNotWhatStandsInFront) {
    // The spruce at 233,229: its top covers the ground above it. With the item moved north of
    // the tree, the top is drawn at half alpha so that the item shows through.
    DrawMap();
    const uint32_t top = at(18 * 31 - 8, 20 * 27 - 9 - 20);
    EXPECT_EQ(top, SPRUCE);
    Data[0].x = 233;
    Data[0].y = 228;
    DrawMap();
    // The item lies over the standing tree; the top drawn again at half alpha blends over it.
    const uint32_t p = square(233, 228);
    const int red = (int)(p >> 16);
    EXPECT_GT(red, 100) << std::hex << p;
    EXPECT_LT(red, 150) << std::hex << p;
}

TEST_F(DrawView, WallsBlockTheViewAndRecordsWithBadIdsAreSkipped) {
    Data[1].type = DT_CREATURE;
    Data[1].x = 234;
    Data[1].y = 231;
    Data[1].id = CRE_DATAID + CRE_COUNT + 5;   // names no creature
    Data[2].type = DT_CARCASS;
    Data[2].x = 234;
    Data[2].y = 230;
    Data[2].id = 3;                            // below the creature range
    Data[3].type = DT_ITEM;                    // an item stack off the grid is freed
    Data[3].x = 5000;
    Data[3].y = 5000;
    Data[3].id = 5;
    Data[3].count = 1;
    DrawMap();
    EXPECT_EQ(Data[3].type, DT_FREED);
    EXPECT_EQ(square(234, 231), GROUND);
    EXPECT_EQ(square(236, 232), WALL);
    EXPECT_FALSE(See(238, 232)) << "behind the wall";
}

}  // namespace
