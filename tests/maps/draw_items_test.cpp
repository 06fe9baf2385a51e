// tests/maps/draw_items_test.cpp -- the items pass: stacks drawn as shifted copies, the depth order
// of creatures and the player, ice holes, diving creatures and tracks under things.
#include "common/harness.h"
#include "maps/maptest.h"
#include "maps/tile_strips.h"

#include "base/debuglog.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
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

// Every frame of the strip is painted alike by paint(x, y).
void tile(const char *name, int w, int h, int frames, std::function<SDL_Color(int, int)> paint) {
    oxatest::write_tile_strip(name, w, h, frames, [&](int, int x, int y) { return paint(x, y); });
}

class ItemsPass : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        // One pixel at the anchor of a small tile: each copy of a stack leaves one dot.
        tile("it-dot", 32, 32, 1, [](int x, int y) { return (x == 16 && y == 16) ? rgb(250, 0, 0) : KEY; });
        // Creatures: a block that reaches 25 pixels up and 20 to the left of their reference point.
        tile("blocky", 64, 64, 19, [](int x, int y) { return (x >= 12 && x <= 32 && y >= 7 && y <= 32) ? rgb(200, 200, 0) : KEY; });
        tile("pc-male", 64, 64, 27, [](int x, int y) { return (x >= 30 && x <= 34 && y >= 28 && y <= 34) ? rgb(0, 0, 250) : KEY; });
        tile("ter-icehole", 64, 64, 1, [](int x, int y) { return (x >= 30 && x <= 34 && y >= 30 && y <= 34) ? rgb(0, 0, 0 + 40) : KEY; });
        NewGfx_loadtiledata();
        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Environ = 2;
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        for (int y = 215; y < 250; y++)
            for (int x = 215; x < 250; x++) {
                const size_t i = mapidx(x, y);
                maailma[i] = maailma_work[i] = CH_GROUND;
                maailma_attrib[i] = '4';
            }
        view_rows_written(215, 249);
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        mapdimInit(800, 600, 1.0f);
        ClrItemstruct(ConstantObj[7]);
        ConstantObj[7].type = IT_TOOL;
        copy_bounded(ConstantObj[7].tile, sizeof ConstantObj[7].tile, "it-dot");
        CleanMapDrawBuffers();
    }
    void TearDown() override {
        ClrItemstruct(ConstantObj[7]);
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }
    static int place(int type, int x, int y, uint32_t id, int count = 1) { return place_record(type, x, y, id, count); }
    static uint32_t at(int x, int y) {
        uint32_t p = 0;
        SDL_Rect r = {x, y, 1, 1};
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_ARGB8888, &p, 4);
        SDL_SetRenderTarget(ren, nullptr);
        return p & 0xFFFFFF;
    }
    static int refx(int x) { return 18 * (x - PlayerX + 30) - 8; }
    static int refy(int y) { return 20 * (y - PlayerY + 30) - 9; }
    void draw() {
        CleanMapDrawBuffers();
        SDL_SetRenderTarget(ren, MapMainTexture);
        Items(0);
        SDL_SetRenderTarget(ren, nullptr);
    }
};

TEST_F(ItemsPass, StacksOfTenShowTenCopiesAndLargerStacksNine) {
    const int d = place(DT_ITEM, 234, 232, 7, 10);
    draw();
    // Copy 0 is shifted by the last entry of the tables (3, 0); copy 9 by the first (-2, -5).
    EXPECT_EQ(at(refx(234) + 3, refy(232)), 0xFA0000u);
    EXPECT_EQ(at(refx(234) - 2, refy(232) - 5), 0xFA0000u);
    Data[d].count = 11;
    draw();
    EXPECT_EQ(at(refx(234) + 3, refy(232)), 0xFA0000u);
    EXPECT_EQ(at(refx(234) - 2, refy(232) - 5), 0u) << "nine copies: the tenth shift is not used";
    Data[d].count = 1;
    draw();
    EXPECT_EQ(at(refx(234), refy(232)), 0xFA0000u) << "a single thing is not shifted";
    EXPECT_EQ(esine_maailma[mapidx(234, 232)], 1);
    EXPECT_EQ(maailma_attrib[mapidx(234, 232)], '!');
}

TEST_F(ItemsPass, CreaturesInTheRowBelowCoverThePlayer) {
    copy_bounded(Cre[2].tilename, sizeof Cre[2].tilename, "blocky");
    Cre[2].kind = 5;
    Cre[2].mode = CM_ASLEEP;   // asleep: no jitter
    Cre[2].Suunta = -1;
    const int d = place(DT_CREATURE, 232, 233, CRE_DATAID + 2);
    draw();
    EXPECT_EQ(at(refx(232), refy(232)), 0xC8C800u) << "the creature below is drawn after the player";
    Data[d].x = 233;
    Data[d].y = 232;
    draw();
    EXPECT_EQ(at(refx(232), refy(232)), 0x0000FAu) << "one in the player's own row is drawn before";
    EXPECT_EQ(maailma_attrib[mapidx(233, 232)], '&');

    Cre[2].mode = 3;
    Cre[2].korkeus = -100;   // diving
    draw();
    EXPECT_EQ(at(refx(233), refy(232)), 0u) << "a diving creature is not drawn";
    DEBUG_INFO = 1;
    draw();
    DEBUG_INFO = 0;
    EXPECT_EQ(at(refx(233), refy(232)), 0xC8C800u) << "but the debug details show it";
}

TEST_F(ItemsPass, IceHolesByTheirFlags) {
    const int d = place(DT_ICEHOLE, 234, 232, 0);
    Data[d].flags = 51;
    CleanMapDrawBuffers();
    SDL_SetRenderTarget(ren, MapMainTexture);
    Items(128);
    EXPECT_EQ(at(refx(234), refy(232)), 0u) << "flags 51: not drawn";
    Data[d].flags = 20;   // lightened by 180 toward white
    CleanMapDrawBuffers();
    SDL_SetRenderTarget(ren, MapMainTexture);
    Items(128);
    const uint32_t p = at(refx(234), refy(232));
    EXPECT_GT((p >> 16) & 255, 150u);
}

TEST_F(ItemsPass, TracksAreNotDrawnUnderThingsAndBadRecordsAreSkipped) {
    copy_bounded(ConstantCre[600].tilename, sizeof ConstantCre[600].tilename, "blocky");
    place(DT_ITEM, 234, 232, 7, 1);
    const int t = place(DT_TRACKS, 234, 232, 600, 3);
    Data[t].extra = 100;
    draw();
    EXPECT_EQ(at(refx(234), refy(232)), 0xFA0000u);
    EXPECT_EQ(at(refx(234) - 10, refy(232) - 10), 0u) << "no track where an item lies";
    Data[t].x = 235;   // on a square of its own the track shows (turned by its flags byte)
    draw();
    int ink = 0;
    for (int dy = -30; dy <= 30; dy += 3)
        for (int dx = -30; dx <= 30; dx += 3) ink += at(refx(235) + dx, refy(232) + dy) != 0;
    EXPECT_GT(ink, 20);
    EXPECT_EQ(esine_maailma[mapidx(235, 232)], 0) << "tracks never mark their square";

    place(DT_TRACKS, 236, 232, 5000, 3);               // names no template
    place(DT_CARCASS, 237, 232, CRE_DATAID + 900);     // names no creature
    place(DT_CREATURE, 238, 232, 999999999u);
    place(DT_PAUSED_BUILDING, 239, 232, 70000);        // names no terrain char
    draw();
    EXPECT_EQ(at(refx(237), refy(232)), 0u);
    ConstantCre[600].tilename[0] = 0;
}

TEST_F(ItemsPass, CarcassesTakeTheirTintAndAnEmptyTrapLetsGo) {
    // The yellow block modulated by the tint: eaten, skinned, burnt, or the coat when untouched.
    struct Case { const char *what; std::function<void(CreatureStruct &)> make; int r, g; } cases[] = {
        {"untouched", [](CreatureStruct &) {}, 200, 200},
        {"half eaten", [](CreatureStruct &c) { c.fatigue = 100.0f; c.weight = 50.0f; }, 200 * 230 / 255, 200 * 110 / 255},
        {"skinned", [](CreatureStruct &c) { c.Puuha[1] = 301; c.PuuhaTila[1] = 100; }, 200 * 250 / 255, 200 * 20 / 255},
        {"burnt", [](CreatureStruct &c) { c.Puuha[0] = 300; c.weight = 10.0f; c.PuuhaAika[0] = 40; }, 200 * 150 / 255,
         200 * 130 / 255},
    };
    place(DT_CARCASS, 234, 232, CRE_DATAID + 3);
    for (auto &c : cases) {
        memset(&Cre[3], 0, sizeof Cre[3]);
        copy_bounded(Cre[3].tilename, sizeof Cre[3].tilename, "blocky");
        c.make(Cre[3]);
        draw();
        const uint32_t p = at(refx(234), refy(232));
        EXPECT_NEAR((int)(p >> 16 & 255), c.r, 2) << c.what;
        EXPECT_NEAR((int)(p >> 8 & 255), c.g, 2) << c.what;
    }

    // A trap that caught something holds nobody on its square: drawing it lets it go.
    const int empty = place(DT_TRAP, 236, 232, 392);
    Data[empty].flags = 2;
    Data[empty].extra = 'e';
    const int held = place(DT_TRAP, 238, 232, 392);
    Data[held].flags = 2;
    Data[held].extra = 'e';
    copy_bounded(Cre[4].tilename, sizeof Cre[4].tilename, "blocky");
    Cre[4].mode = CM_ASLEEP;
    place(DT_CREATURE, 238, 232, CRE_DATAID + 4);
    draw();
    EXPECT_EQ(Data[empty].extra, 0);
    EXPECT_EQ(Data[held].extra, 'e') << "one holding its catch stays shut";
}

TEST_F(ItemsPass, FireScalesAndCoatColours) {
    Plr.minutes = 10000;
    struct { uint32_t ready; float scale; } fires[] = {
        {0, 0.55f}, {9990, 0.3f}, {9970, 0.4f}, {9955, 0.45f}, {9941, 0.5f}, {9940, 0.55f},
        {9880, 0.6f}, {9580, 0.85f}, {9460, 1.0f}, {9400, 1.1f}, {10030, 0.4f}};
    for (auto &f : fires) EXPECT_FLOAT_EQ(Fire_TileScale((int)f.ready), f.scale) << f.ready;
    const int r = place(DT_FIRE_REMAINS, 234, 232, 0);
    struct { uint32_t minutes; float scale; } remains[] = {{59, 0.4f}, {60, 0.5f}, {419, 0.95f}, {420, 1.0f}};
    for (auto &m : remains) {
        Data[r].id = m.minutes;
        EXPECT_FLOAT_EQ(RemainsOfFire_TileScale(r), m.scale) << m.minutes;
    }
    EXPECT_FLOAT_EQ(RemainsOfFire_TileScale(-1), 1.0f);
    EXPECT_FLOAT_EQ(RemainsOfFire_TileScale(DATA_MAX), 1.0f);

    // A dog of coat 0 and strength 2 is darkened by 12 x 2 + 12; a reindeer of coat 6 lightened by 2 x 2.
    Cre[5].speciescode = 618;
    Cre[5].socialid = (2 << 3) | 0;
    TILEOPTION_BlackAlpha = 255;
    activate_CreTileCustomRGB(5);
    EXPECT_EQ(TILEOPTION_BlackAlpha, 36);
    Cre[5].speciescode = 619;
    Cre[5].socialid = (2 << 3) | 6;
    activate_CreTileCustomRGB(5);
    EXPECT_EQ(TILEOPTION_Lighten, 4);
    Cre[5].speciescode = 609;   // cattle, coat 3: the blended yellow
    Cre[5].socialid = (1 << 3) | 3;
    activate_CreTileCustomRGB(5);
    EXPECT_EQ(TILEOPTION_customRGBblendAlpha, 10);
    EXPECT_EQ(TILEOPTION_g, 255);
    activate_CreTileCustomRGB(-1);
    activate_CreTileCustomRGB(CRE_COUNT);
    SetTILEOPTIONs(tileoptionStruct{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 1.0f});
}

}  // namespace
