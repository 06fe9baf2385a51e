// tests/presentation/tiles_test.cpp -- tile strips written by the test itself: size classes, frames,
// the scalable marker, the grey and silhouette copies, the option passes and bad draws.
#include "common/harness.h"
#include "base/debuglog.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const SDL_Color KEYC = {255, 0, 255, 255};

// Writes "truetile/<file>" of the given image size; pixel (0, 0) is the key, `paint` colours the
// rest (return the key to leave a pixel transparent).
void write_tile(const char *file, int w, int h, bool scalable, std::function<SDL_Color(int, int)> paint) {
    mkdir("truetile", 0755);
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(s, nullptr);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            SDL_Color c = (y == 0) ? KEYC : paint(x, y);
            if (y == 0 && x == 2 && scalable) c = {255, 255, 255, 255};
            ((uint32_t *)((uint8_t *)s->pixels + y * s->pitch))[x] = SDL_MapRGBA(s->format, c.r, c.g, c.b, 255);
        }
    std::string path = std::string("truetile/") + file;
    ASSERT_EQ(IMG_SavePNG(s, path.c_str()), 0);
    SDL_FreeSurface(s);
}

SDL_Color solid(int r, int g, int b) { return SDL_Color{(uint8_t)r, (uint8_t)g, (uint8_t)b, 255}; }

// The map texture read back; (x, y) in its pixels.
struct MapPixels {
    std::vector<uint32_t> px;
    MapPixels() : px((size_t)MAPTEX_SIZE * MAPTEX_SIZE) {
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), MAPTEX_SIZE * 4);
        SDL_SetRenderTarget(ren, nullptr);
    }
    uint32_t at(int x, int y) const { return px[(size_t)y * MAPTEX_SIZE + x] & 0xFFFFFF; }
    // Bounding box of the pixels that are not black.
    SDL_Rect ink() const {
        int x0 = MAPTEX_SIZE, y0 = MAPTEX_SIZE, x1 = -1, y1 = -1;
        for (int y = 0; y < MAPTEX_SIZE; y++)
            for (int x = 0; x < MAPTEX_SIZE; x++)
                if (at(x, y)) {
                    if (x < x0) x0 = x;
                    if (y < y0) y0 = y;
                    if (x > x1) x1 = x;
                    if (y > y1) y1 = y;
                }
        return x1 < 0 ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
};

class Tiles : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetTILEOPTIONs(defaults());
        CleanMapDrawBuffers();
    }
    void TearDown() override {
        NewGfx_freetiledata();
        SetTILEOPTIONs(defaults());
        ScreenTest::TearDown();
    }
    static tileoptionStruct defaults() {
        tileoptionStruct o;
        memset(&o, 0, sizeof o);
        o.Alpha = o.WhiteAlpha = o.BlackAlpha = o.RedAlpha = o.BlueAlpha = 255;
        o.scale = 1.0f;
        return o;
    }
};

// Frame f of a strip is filled with the colour (f + 1) * 40 in red; the separators stay keyed.
SDL_Color strip_paint(int x, int y, int fw, int fh) {
    (void)y;
    (void)fh;
    if (x == 0 || (x - 1) % (fw + 1) == fw) return KEYC;
    int f = (x - 1) / (fw + 1);
    return solid((f + 1) * 40, 0, 0);
}

TEST_F(Tiles, SizeClassesAnchorsAndFrameCounts) {
    write_tile("ter-strip.png", 196, 66, false, [](int x, int y) { return strip_paint(x, y, 64, 64); });
    write_tile("it-small.png", 34, 34, false, [](int, int) { return solid(0, 200, 0); });
    write_tile("ter-tall.png", 66, 98, false, [](int, int) { return solid(0, 0, 200); });
    write_tile("gui-button.png", 66, 66, false, [](int, int) { return solid(1, 1, 1); });
    NewGfx_loadtiledata();

    int strip = find_OxaTile_ID("ter-strip");
    ASSERT_GE(strip, 0);
    EXPECT_EQ(OxaTiles[strip].frames, 3);
    EXPECT_EQ(OxaTiles[strip].width, 64);
    EXPECT_EQ(OxaTiles[strip].anchor_x, 32);

    int small = find_OxaTile_ID("it-small");
    ASSERT_GE(small, 0);
    EXPECT_EQ(OxaTiles[small].width, 32);
    EXPECT_EQ(OxaTiles[small].anchor_y, 16);

    int tall = find_OxaTile_ID("ter-tall");
    ASSERT_GE(tall, 0);
    EXPECT_EQ(OxaTiles[tall].height, 96);
    EXPECT_EQ(OxaTiles[tall].anchor_y, 82);

    EXPECT_EQ(find_OxaTile_ID("gui-button"), -1) << "interface icons are not tiles";
    EXPECT_EQ(find_OxaTile_ID("ter-stri"), -1) << "names match exactly";
    // The failed "gui-" record was reused: three tiles fill records 0..2.
    EXPECT_TRUE(OxaTiles[0].name[0] && OxaTiles[1].name[0] && OxaTiles[2].name[0]);
    EXPECT_EQ(OxaTiles[3].name[0], 0);

    std::string log = dir->read_file("debug_tileloader.txt");
    EXPECT_NE(log.find("ter-strip\n tpx,tpy: 32,32\n"), std::string::npos);
}

TEST_F(Tiles, FrameTwoOfAStripIsDrawnAtTheCellAnchor) {
    write_tile("ter-strip.png", 196, 66, false, [](int x, int y) { return strip_paint(x, y, 64, 64); });
    NewGfx_loadtiledata();
    int strip = find_OxaTile_ID("ter-strip");
    ASSERT_GE(strip, 0);
    DrawOxaTile(strip, 2, 0, 10, 10, 0);
    MapPixels m;
    // Cell (10, 10): reference (172, 191), the 64 x 64 frame from (140, 159).
    SDL_Rect r = m.ink();
    EXPECT_EQ(r.x, 140);
    EXPECT_EQ(r.y, 159);
    EXPECT_EQ(r.w, 64);
    EXPECT_EQ(r.h, 64);
    EXPECT_EQ(m.at(172, 191), 0x780000u) << "frame 2 is red 120";
}

TEST_F(Tiles, ScalableUpperPartAndGreyVariants) {
    write_tile("ter-scal.png", 66, 66, true, [](int, int) { return solid(200, 200, 0); });
    write_tile("it-plain.png", 66, 66, false, [](int, int) { return solid(0, 200, 200); });
    SCALENEWGFX = 1;
    NewGfx_loadtiledata();
    SCALENEWGFX = 0;
    int scal = find_OxaTile_ID("ter-scal"), plain = find_OxaTile_ID("it-plain");
    ASSERT_GE(scal, 0);
    ASSERT_GE(plain, 0);
    EXPECT_EQ(OxaTiles[scal].scalable, 1);

    DrawOxaTile(scal, 0, 0, 10, 10, 0);
    SDL_Rect r = MapPixels().ink();
    EXPECT_EQ(r.w, 38) << "0.6 of 64, truncated";
    EXPECT_EQ(r.x, 152) << "anchored at the scaled anchor, truncated";

    CleanMapDrawBuffers();
    DrawOxaTile(plain, 0, 0, 10, 10, TILE_UPPER);
    r = MapPixels().ink();
    EXPECT_EQ(r.h, 24) << "only the rows above anchor y - 8";

    CleanMapDrawBuffers();
    DrawOxaTile(plain, 0, TILE_GREY, 10, 10, 0);
    EXPECT_EQ(MapPixels().ink().w, 0) << "an item has no grey copy";

    DrawOxaTile(scal, 0, TILE_GREY, 10, 10, 0);
    MapPixels m;
    uint32_t p = m.at(172, 191);
    // grey of (200, 200, 0): 0.75 * (0 + 59 + 117) = 132
    EXPECT_EQ(p, 0x848484u);
}

TEST_F(Tiles, OptionsThatResetAfterEveryDrawAndThoseThatStay) {
    write_tile("it-dot.png", 66, 66, false, [](int, int) { return solid(100, 100, 100); });
    NewGfx_loadtiledata();
    int dot = find_OxaTile_ID("it-dot");
    ASSERT_GE(dot, 0);
    TILEOPTION_BlackAlpha = 100;
    TILEOPTION_RedAlpha = 100;
    TILEOPTION_scale = 0.5f;
    tile_x_siirto = 3;
    TILEOPTION_customRGBalpha = 20;
    DrawOxaTile(dot, 0, 0, 10, 10, 0);
    EXPECT_EQ(TILEOPTION_BlackAlpha, 255);
    EXPECT_EQ(TILEOPTION_RedAlpha, 100);
    EXPECT_EQ(TILEOPTION_scale, 1.0f);
    EXPECT_EQ(tile_x_siirto, 0);
    EXPECT_EQ(TILEOPTION_customRGBalpha, 0);

    // The red pass tints the picture.
    MapPixels m;
    uint32_t p = m.at(172, 191);
    EXPECT_GT((p >> 16) & 255, (p >> 8) & 255);

    tileoptionStruct saved = GetTILEOPTIONs();
    TILEOPTION_Lighten = 77;
    SetTILEOPTIONs(saved);
    EXPECT_EQ(TILEOPTION_Lighten, 0);
    EXPECT_EQ(TILEOPTION_RedAlpha, 100);
}

TEST_F(Tiles, BadIndexesAndMissingTexturesDrawNothingAndAreLogged) {
    write_tile("it-dot.png", 66, 66, false, [](int, int) { return solid(100, 100, 100); });
    NewGfx_loadtiledata();
    int before = tile_baddraws();
    DrawOxaTile(-1, 0, 0, 10, 10, 0);
    DrawOxaTile(OXATILE_MAX, 0, 0, 10, 10, 0);
    DrawOxaTile(500, 0, 0, 10, 10, 0);                      // a free record
    DrawOxaTile(find_OxaTile_ID("it-dot"), 7, 0, 10, 10, 0);  // a frame beyond the strip
    TileDraw_named("no-such-tile", 0, 0, 10, 10, 0);
    EXPECT_EQ(tile_baddraws(), before + 3);
    EXPECT_EQ(MapPixels().ink().w, 0);
    EXPECT_FALSE(dir->exists("debug_tiles.txt")) << "no log with the debug logs off";
    DEBUGLOG = 1;
    DrawOxaTile(-1, 0, 0, 10, 10, 0);
    DEBUGLOG = 0;
    EXPECT_TRUE(dir->exists("debug_tiles.txt"));
}

TEST_F(Tiles, RainAndSnowOverlaysAndTheGrid) {
    write_tile("ele-rain.png", 261, 66, false, [](int x, int y) { return strip_paint(x, y, 64, 64); });
    write_tile("ele-snow.png", 261, 66, false, [](int x, int y) { return strip_paint(x, y, 64, 64); });
    NewGfx_loadtiledata();
    ASSERT_GE(OXATILEID_rain, 0);
    EXPECT_EQ(OxaTiles[OXATILEID_rain].frames, 4);
    DrawDecoTile_Rain(10, 10, 1, 0);
    EXPECT_EQ(MapPixels().ink().w, 0) << "no rain, nothing drawn";
    for (int i = 0; i < 20; i++) {
        DrawDecoTile_Rain(10, 10, 1, 1);
        EXPECT_GE(tile_x_siirto, -1);
        EXPECT_LE(tile_x_siirto, 1);
        tile_x_siirto = 0;
    }
    SDL_Rect r = MapPixels().ink();
    EXPECT_EQ(r.w, 64) << "light rain: one frame, unshifted";
    DrawDecoTile_Rain(10, 10, 2, 3);
    EXPECT_EQ(TILEOPTION_Alpha, 255);
    EXPECT_EQ(tile_x_siirto, 0) << "the second frame's draw takes the shifts";

    CleanMapDrawBuffers();
    DrawOxaGrid(3, 4);
    MapPixels m;
    EXPECT_NE(m.at(36, 60), 0u) << "the outline's corner at 18 x 2, 20 x 3";
    EXPECT_EQ(m.at(40, 65), 0u) << "inside the cell nothing";
}

TEST_F(Tiles, BrokenPicturesAreSkippedAndColourLayersReplaceTheRecord) {
    mkdir("truetile", 0755);
    dir->write_file("truetile/ter-broken.png", "not a picture");
    write_tile("ter-snowgnd.png", 66, 66, false, [](int, int) { return solid(0, 0, 0); });
    NewGfx_loadtiledata();
    EXPECT_EQ(find_OxaTile_ID("ter-broken"), -1);
    ASSERT_GE(OXATILEID_snowground, 0);
    EXPECT_EQ(OXATILEID_ground, -1);
    // The snow ground was reloaded with the light grey and white layers over its black.
    DrawOxaTile(OXATILEID_snowground, 0, 0, 10, 10, 0);
    uint32_t p = MapPixels().at(172, 191);
    EXPECT_GT(p & 255, 150u);
}

// A silhouette is made on its first draw: from the picture under the colour layers it was loaded
// with, whatever the layers are by then (under the snow's layers a colour next to the key's becomes the
// key and is transparent); a picture gone since draws without it.
TEST_F(Tiles, SilhouetteMadeOnFirstDrawIsThatOfTheLoadedPicture) {
    struct Case {
        const char *what;
        bool layers_changed, file_gone;
    } cases[] = {{"as loaded", false, false}, {"layers changed since", true, false}, {"file gone", false, true}};
    std::vector<uint32_t> first_tinted;
    const SDL_Color held_a = TileColorMod_A, held_b = TileColorMod_B;
    for (const Case &c : cases) {
        write_tile("ter-snowgnd.png", 66, 66, false,
                   [](int x, int) { return x % 4 == 0 ? solid(254, 1, 254) : solid(x * 3, 40, 0); });
        NewGfx_loadtiledata();
        const int snow = OXATILEID_snowground;
        ASSERT_GE(snow, 0);
        if (c.layers_changed) TileColorMod_A = TileColorMod_B = SDL_Color{255, 0, 0, 100};
        if (c.file_gone) {
            ASSERT_EQ(remove("truetile/ter-snowgnd.png"), 0);
        }
        CleanMapDrawBuffers();
        TILEOPTION_RedAlpha = 100;
        DrawOxaTile(snow, 0, 0, 10, 10, 0);
        TILEOPTION_RedAlpha = 255;
        const std::vector<uint32_t> tinted = MapPixels().px;
        CleanMapDrawBuffers();
        DrawOxaTile(snow, 0, 0, 10, 10, 0);
        const MapPixels plain;
        if (c.file_gone) {
            EXPECT_TRUE(tinted == plain.px) << c.what << ": the picture without its red pass";
        } else if (first_tinted.empty()) {
            first_tinted = tinted;
            const uint32_t t = tinted[(size_t)191 * MAPTEX_SIZE + 172] & 0xFFFFFF;
            EXPECT_GT((t >> 16) & 255, (plain.at(172, 191) >> 16) & 255) << "the red pass";
        } else {
            EXPECT_TRUE(tinted == first_tinted) << c.what;
        }
        NewGfx_freetiledata();
        TileColorMod_A = held_a;
        TileColorMod_B = held_b;
    }
}

TEST_F(Tiles, GeneratedSetHoldsEveryNamedTileInItsLayout) {
    // The generated working folder's tiles, loaded as the game loads them.
    std::string from = oxatest::asset_path("truetile");
    std::string cmd = "cp -r '" + from + "' .";
    ASSERT_EQ(system(cmd.c_str()), 0);
    NewGfx_loadtiledata();
    const int named[] = {OXATILEID_snowground, OXATILEID_ground, OXATILEID_moss, OXATILEID_iceblue,
                         OXATILEID_icewhite, OXATILEID_pc_male, OXATILEID_pc_female, OXATILEID_it_skis,
                         OXATILEID_facedirs, OXATILEID_pcdirs, OXATILEID_floor, OXATILEID_cur_locsel,
                         OXATILEID_firelit, OXATILEID_elev1, OXATILEID_elev2, OXATILEID_elev3,
                         OXATILEID_cur_arrow, OXATILEID_flee, OXATILEID_rain, OXATILEID_snow};
    for (int id : named) EXPECT_GE(id, 0);
    struct { const char *name; int frames; } layouts[] = {
        {"ter-ground", 10}, {"ter-snowgnd", 10}, {"ter-water", 2}, {"ter-spruce", 2}, {"ter-doorcl", 4},
        {"ter-gcmoss", 5}, {"ter-elev2", 5}, {"pc-male", 27}, {"elk", 19}, {"fire", 3}, {"ele-rain", 4},
        {"cur-pcdirs", 8}, {"it-skis", 9}, {"tr-deadf", 2},
    };
    for (auto &l : layouts) {
        int id = find_OxaTile_ID(l.name);
        ASSERT_GE(id, 0) << l.name;
        EXPECT_EQ(OxaTiles[id].frames, l.frames) << l.name;
    }
    EXPECT_EQ(OxaTiles[find_OxaTile_ID("ter-spruce")].anchor_y, 82) << "trees stand on their square";
}

}  // namespace
