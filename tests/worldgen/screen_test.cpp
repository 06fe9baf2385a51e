// The world-generation screen by pushed keys, its pixels on a small known world, and the start
// menu's CREATE A CHARACTER row through to a loaded game.
#include <sys/stat.h>

#include <cstdlib>

#include "common/harness.h"
#include "core/config.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "presentation/input.h"
#include "presentation/input_feeder.h"
#include "presentation/show.h"
#include "screens/loadchar.h"
#include "screens/start.h"
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_test.h"

namespace oxatest {
namespace {

class GenScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WORLDGEN_SEED = 4;
        CRTPLR_TAPA = 0;
        mkdir("NEW", 0755);
    }
    void TearDown() override {
        CRTPLR_TAPA = 0;
        putsaa();
        ScreenTest::TearDown();
    }
    int run(std::initializer_list<SDL_Keycode> keys) {
        for (SDL_Keycode k : keys) push_key(k);
        return kartta_main("NEW");
    }
};

TEST_F(GenScreen, ZoomInMovesTheOriginSoThatTheCentreStays) {
    EXPECT_EQ(run({'+', 'e'}), 0);
    EXPECT_EQ(zoom, 2);
    EXPECT_EQ(plrx, 768);
    EXPECT_EQ(plry, 512);
    EXPECT_EQ(dir->read_file("NEW/WORLD.DAT").size(), 6296577u);
    EXPECT_EQ(tyokartta, nullptr) << "the work map is freed on leaving";
}

TEST_F(GenScreen, ViewIsClampedAtEveryEdge) {
    std::initializer_list<SDL_Keycode> far = {'+', '+', SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT,
                                              SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT,
                                              SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT,
                                              SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                                              SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                                              SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                                              SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                                              SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, 'e'};
    EXPECT_EQ(run(far), 0);
    EXPECT_EQ(zoom, 1);
    EXPECT_EQ(plrx, 3072 - 768) << "right edge";
    EXPECT_EQ(plry, 2048 - 512) << "bottom edge";
}

TEST_F(GenScreen, ZoomOutRestoresAndTheWholeWorldViewCannotMove) {
    // "+" then "-" is back at the origin; at zoom 4 the whole world shows, so no key moves it.
    EXPECT_EQ(run({'+', '-', SDLK_RIGHT, SDLK_DOWN, SDLK_LEFT, SDLK_LEFT, SDLK_UP, SDLK_UP, 'c', 'i', 'e'}), 0);
    EXPECT_EQ(zoom, 4);
    EXPECT_EQ(plrx, 0);
    EXPECT_EQ(plry, 0);
    EXPECT_EQ(maski, 4) << "C shows the cultures";
    EXPECT_EQ(legenda, 0) << "I hid the legend";
}

TEST_F(GenScreen, HomeStartLiesInThePlayersCultureAndAnotherWorldLeaksNothing) {
    reinterpret_cast<uint8_t *>(&Plr)[13] = 3;
    EXPECT_EQ(run({'w', 'w', 'h', 'e'}), 0);
    EXPECT_TRUE(start_place_ok(plr_aloitus_x, plr_aloitus_y));
    if (!ALOITUS_NOTE) {
        EXPECT_EQ(peekkulttuurikartta(plr_aloitus_y + 3, plr_aloitus_x + 3), 3);
    }
    EXPECT_EQ(tyokartta, nullptr);
}

TEST_F(GenScreen, ClosingTheWindowWritesNothingAndQuickModeNeedsNoKeys) {
    push_quit();
    EXPECT_EQ(kartta_main("NEW"), 1);
    EXPECT_FALSE(dir->exists("NEW/WORLD.DAT"));
    EXPECT_EQ(tyokartta, nullptr);
    CRTPLR_TAPA = 1;
    EXPECT_EQ(kartta_main("NEW"), 0);
    for (const char *f : {"NEW/WORLD.DAT", "NEW/kulttuuri.dat", "NEW/names.dat"}) EXPECT_TRUE(dir->exists(f)) << f;
}

// ---- pixels of a small known world --------------------------------------------------------------

class GenPixels : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(alustakartat());
        superzoom = 0;
    }
    void TearDown() override {
        putsaa();
        ScreenTest::TearDown();
    }
    static void expect_colour(int x, int y, int r, int g, int b) {
        int pr, pg, pb;
        rgb(pixel(x, y), pr, pg, pb);
        EXPECT_EQ(pr, r) << x << "," << y;
        EXPECT_EQ(pg, g) << x << "," << y;
        EXPECT_EQ(pb, b) << x << "," << y;
    }
};

TEST_F(GenPixels, TerrainSettlementAndCultureColours) {
    const uint32_t mark = RGB_to_color(1, 2, 3);
    pokemaailma(0, 0, 180);
    pokemaailma(0, 1, 239);
    pokemaailma(0, 2, 3);
    pokemaailma(0, 3, 99);   // not a painted code
    pokemaailma(40, 40, 15);
    pokekulttuurikartta(40, 40, 3);
    SDL_FillRect(game_screen, nullptr, mark);
    NaytaKartta(0, 0, 1, 0);
    expect_colour(16, 24, 8, 20, 200);
    expect_colour(17, 24, 252, 0, 0);
    expect_colour(18, 24, 0, 240, 0);
    expect_colour(19, 24, 1, 2, 3);
    expect_colour(16 + 40, 24 + 40, 0, 160, 0);

    SDL_FillRect(game_screen, nullptr, mark);
    NaytaKartta(0, 0, 1, 1);   // settlements only
    expect_colour(16, 24, 1, 2, 3);
    expect_colour(17, 24, 252, 0, 0);
    expect_colour(18, 24, 1, 2, 3);

    SDL_FillRect(game_screen, nullptr, mark);
    NaytaKartta(0, 0, 1, 4);   // the culture view: culture 3's block in its colour, nobody's in the terrain's
    expect_colour(16 + 40, 24 + 40, 92, 120, 0);
    expect_colour(17, 24, 252, 0, 0);

    SDL_FillRect(game_screen, nullptr, mark);
    NaytaKartta(0, 0, 1, 16);   // the progress view leaves the sea out
    expect_colour(16, 24, 1, 2, 3);

    // At scale 4 pixel (i, j) is cell (4i, 4j).
    pokemaailma(8, 12, 251);
    SDL_FillRect(game_screen, nullptr, mark);
    NaytaKartta(0, 0, 4, 0);
    expect_colour(16 + 3, 24 + 2, 252, 252, 128);
}

TEST_F(GenPixels, StartBoxIsClippedToTheMapArea) {
    zoom = 1;
    plrx = plry = 0;
    plr_aloitus_x = 2;
    plr_aloitus_y = 2;
    SDL_FillRect(game_screen, nullptr, 0);
    NaytaAloitusPaikka();
    int r, g, b;
    rgb(pixel(16, 24), r, g, b);
    EXPECT_GT(r, 100);
    EXPECT_EQ(g, 0);
    rgb(pixel(15, 30), r, g, b);
    EXPECT_EQ(r, 0) << "left of the map area";
    rgb(pixel(20, 23), r, g, b);
    EXPECT_EQ(r, 0) << "above the map area";
    rgb(pixel(16 + 2 + 25, 24 + 2), r, g, b);
    EXPECT_EQ(r, 0) << "the box is 50 cells wide at zoom 1";
}

}  // namespace
}  // namespace oxatest
