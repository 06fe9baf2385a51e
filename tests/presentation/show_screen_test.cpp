// Flips, the map composition on the window, light spots, flipper cursor and window coordinates.
#include "presentation/show_fixture.h"

#include "core/config.h"
#include "core/records.h"
#include "core/shading.h"

#include <vector>

using oxatest::window_rgb;
using showtest::map_rgb;

class ShowScreen : public ShowTest {
protected:
    void SetUp() override {
        ShowTest::SetUp();
        OXAINI_MAPLIGHTING = 0;
        DISABLE_RENDER = 1;   // keep the back buffer readable after a flip
        SetRenderColour(MapMainTexture, 0, 200, 0);
        SetRenderColour(MapMainFinalTexture, 0, 0, 0);
        clear_maplightspots();
    }
    void TearDown() override {
        DISABLE_RENDER = 0;
        FLIPMODE = 0;
        ShowTest::TearDown();
    }
    static void SetRenderColour(SDL_Texture *t, int r, int g, int b) {
        SDL_SetRenderTarget(ren, t);
        SDL_SetRenderDrawColor(ren, (Uint8)r, (Uint8)g, (Uint8)b, 255);
        SDL_RenderClear(ren);
        SDL_SetRenderTarget(ren, nullptr);
        map_texture_touched(SDL_Rect{0, 0, MAPTEX_SIZE, MAPTEX_SIZE});   // painted by hand, all over
    }
    static const int VIEW_X = 240, VIEW_Y = 315;   // inside the map view
};

TEST_F(ShowScreen, RendererExistsWithRenderTargets) {
    SDL_RendererInfo info;
    ASSERT_EQ(SDL_GetRendererInfo(ren, &info), 0);
    EXPECT_TRUE(info.flags & SDL_RENDERER_TARGETTEXTURE);
    EXPECT_NE(MapMainTexture, nullptr);
    EXPECT_NE(MapMainFinalTexture, nullptr);
    EXPECT_EQ(GRAPH_INIT, 1);
}

TEST_F(ShowScreen, FlipModeTwoShowsTheMapForOneFlipOnly) {
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    FLIPMODE = 2;   // the map once
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
    EXPECT_EQ(window_rgb(5, 5), 0x0000FFu);
    EXPECT_EQ(FLIPMODE, 0);
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x0000FFu);

    FLIP_map_ON();
    Flip();
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
    EXPECT_EQ(FLIPMODE, 1);
}

TEST_F(ShowScreen, SuspendedFlipChangesNothingAndKeepsModeTwoPending) {
    Flip();
    ASSERT_EQ(window_rgb(5, 5), 0u);
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    DISABLE_FLIP = 1;
    FLIPMODE = 2;   // the map once
    Flip();
    FlipWithMap();
    EXPECT_EQ(window_rgb(5, 5), 0u);
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0u);
    EXPECT_EQ(FLIPMODE, 2);

    Ruudunpaivitys_Off();   // flips go through until put back
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
    EXPECT_EQ(FLIPMODE, 0);
    Ruudunpaivitys_On();
    EXPECT_EQ(DISABLE_FLIP, 1);
    DISABLE_FLIP = 0;
}

TEST_F(ShowScreen, ColourEffectCoversTheMapEvenWhenTheMapIsHidden) {
    DISABLE_MAP = 1;
    FLIP_map_ON();
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0u);   // hidden map: the screen shows through

    MAPEFF_R = 200;
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0xC80000u);
    EXPECT_EQ(window_rgb(mapDim.x - 1, mapDim.y - 1), 0xC80000u);
    EXPECT_EQ(window_rgb(mapDim.x - 2, mapDim.y), 0u);
    RESET_MAPEFF();
    EXPECT_EQ(MAPEFF_R + MAPEFF_G + MAPEFF_B, 0);
}

TEST_F(ShowScreen, NoUpdateReusesTheComposedMap) {
    FLIP_map_ON();
    Flip();
    SetRenderColour(MapMainTexture, 255, 0, 0);
    FlipWithMap();   // copies the map composed before
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
    EXPECT_EQ(NOUPDATE_RC, 0);
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0xFF0000u);
}

TEST_F(ShowScreen, OnlyAHundredLightSpotsAreKept) {
    for (int i = 1; i <= 101; i++) add_maplightspot(i, 1000 + i, 2);
    EXPECT_EQ(maplightspot_x[99], 100);
    EXPECT_EQ(maplightspot_y[99], 1100);
    for (int i = 0; i < MAX_LIGHTSPOTS; i++) EXPECT_NE(maplightspot_x[i], 101);
    clear_maplightspots();
    add_maplightspot(7, 8, 3);
    EXPECT_EQ(maplightspot_x[0], 7);
    EXPECT_EQ(maplightspot_size[0], 3);
    EXPECT_EQ(maplightspot_x[1], 0);
}

TEST_F(ShowScreen, FlipperCursorPositionWithinItsArea) {
    SetFlipperCursorArea(100, 100, 200, 100);
    float fx = -1, fy = -1;
    TARGET_CURSOR_X = 200;
    TARGET_CURSOR_Y = 150;
    EXPECT_EQ(GetFlipperCursorRelPos(fx, fy), 1);
    EXPECT_FLOAT_EQ(fx, 0.5f);
    EXPECT_FLOAT_EQ(fy, 0.5f);
    TARGET_CURSOR_X = 150;
    TARGET_CURSOR_Y = 250;   // inside the x bounds, below the area
    EXPECT_EQ(GetFlipperCursorRelPos(fx, fy), 0);
    EXPECT_FLOAT_EQ(fx, 0.25f);
    EXPECT_FLOAT_EQ(fy, 0.0f);
    EXPECT_EQ(TargetCursorOnArea(), 0);
    TARGET_CURSOR_X = 301;
    TARGET_CURSOR_Y = 150;
    EXPECT_EQ(GetFlipperCursorRelPos(fx, fy), 0);
    EXPECT_FLOAT_EQ(fx, 0.0f);
    TARGET_CURSOR_X = 300;   // bounds are inclusive
    TARGET_CURSOR_Y = 200;
    EXPECT_EQ(TargetCursorOnArea(), 1);
    TARGET_CURSOR_X = TARGET_CURSOR_Y = 0;
}

TEST_F(ShowScreen, WindowCoordinatesScaleToTheGameScreen) {
    SDL_SetWindowSize(win, 1200, 900);
    EXPECT_EQ(winXtogameX(1200), 800);
    EXPECT_EQ(winXtogameX(600), 400);
    EXPECT_EQ(winYtogameY(900), 600);
    SDL_SetWindowSize(win, 600, 450);
    EXPECT_EQ(winXtogameX(300), 400);
    EXPECT_EQ(winYtogameY(1), 2);   // rounded up
    SDL_SetWindowSize(win, 800, 600);
    EXPECT_EQ(winXtogameX(123), 123);
    EXPECT_EQ(winW(), 800);
    EXPECT_EQ(winH(), 600);
}

TEST_F(ShowScreen, RectanglesFollowTheOutputScaleUnlessTheRendererScalesItself) {
    int lw = 0, lh = 0;
    SDL_RenderGetLogicalSize(ren, &lw, &lh);
    SDL_RenderSetLogicalSize(ren, 800, 600);
    SDL_SetWindowSize(win, 1600, 1200);
    SDL_Rect r = {10, 20, 30, 40};
    EXPECT_EQ(IS_LOGICALRESIZE(), 1);
    EXPECT_EQ(NativeResolution_RectConvert(&r), 1);
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.h, 40);
    EXPECT_FLOAT_EQ(renderYscale(), 1.0f);
    EXPECT_FLOAT_EQ(renderXscale(), 2.0f);

    SDL_RenderSetLogicalSize(ren, 0, 0);
    EXPECT_EQ(IS_LOGICALRESIZE(), 0);
    EXPECT_EQ(NativeResolution_RectConvert(&r), 0);
    EXPECT_EQ(r.x, 20);
    EXPECT_EQ(r.y, 40);
    EXPECT_EQ(r.w, 60);
    EXPECT_EQ(r.h, 80);

    SDL_SetWindowSize(win, 800, 600);
    r = {10, 20, 30, 40};
    EXPECT_EQ(NativeResolution_RectConvert(&r), 0);
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.h, 40);
    SDL_RenderSetLogicalSize(ren, lw, lh);
}

TEST_F(ShowScreen, InfoboxAndTexturesAtXZeroDrawNothing) {
    SDL_Texture *t = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 20, 10);
    SetRenderColour(t, 255, 255, 0);
    RenderQuickDoScreen();
    TexToMainRen(t, 0, 50, 0, 0);
    EXPECT_EQ(window_rgb(5, 55), 0u);
    TexToMainRen(t, 30, 50, 0, 0);   // natural size
    EXPECT_EQ(window_rgb(30, 50), 0xFFFF00u);
    EXPECT_EQ(window_rgb(49, 59), 0xFFFF00u);
    EXPECT_EQ(window_rgb(50, 59), 0u);

    InfoboxTex = t;
    InfoboxRect = {100, 100, 5, 5};
    RenderInfobox();
    EXPECT_EQ(window_rgb(104, 104), 0xFFFF00u);
    RemoveInfobox();
    EXPECT_EQ(InfoboxTex, nullptr);
    EXPECT_EQ(InfoboxRect.x, 0);
}

TEST_F(ShowScreen, LightSpotsGlowOnlyAfterDark) {
    SDL_Texture *glow = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 64, 64);
    SetRenderColour(glow, 255, 255, 255);
    SDL_Texture *kept = mapTEXFirelit;
    mapTEXFirelit = glow;
    SetRenderColour(MapMainTexture, 0, 0, 0);
    OXAINI_MAPLIGHTING = 1;
    const int px = PlayerX, py = PlayerY;
    PlayerX = PlayerY = 100;
    add_maplightspot(100, 100, 2);   // on the player's square: the glow is centred on the view cell 30, 30
    auto final_red = [] {
        uint32_t p = 0;
        SDL_Rect r = {18 * 30 - 8, 20 * 30 - 9, 1, 1};
        SDL_SetRenderTarget(ren, MapMainFinalTexture);
        SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_RGB888, &p, 4);
        SDL_SetRenderTarget(ren, nullptr);
        return (int)((p >> 16) & 0xFF);
    };
    SetMapShade(100, 100, 100);
    OxaMap_to_MasterMapTexture();
    EXPECT_GT(final_red(), 0);
    SetMapShade(250, 250, 250);
    OxaMap_to_MasterMapTexture();
    EXPECT_EQ(final_red(), 0);
    SetMapShade(255, 255, 255);
    clear_maplightspots();
    PlayerX = px;
    PlayerY = py;
    mapTEXFirelit = kept;
    SDL_DestroyTexture(glow);
}

TEST_F(ShowScreen, ZoomedMapIsCutAroundTheViewCentre) {
    SDL_SetRenderTarget(ren, MapMainFinalTexture);
    SDL_SetRenderDrawColor(ren, 255, 0, 0, 255);
    SDL_Rect mark = {531, 590, 10, 10};   // the view's centre in the map texture
    SDL_RenderFillRect(ren, &mark);
    SDL_SetRenderTarget(ren, nullptr);
    NOUPDATE_RC = 1;
    FLIP_map_ON();
    Flip();
    EXPECT_EQ(window_rgb(240, 315), 0xFF0000u);
    EXPECT_EQ(window_rgb(248, 323), 0xFF0000u);
    EXPECT_EQ(window_rgb(239, 315), 0u);
    mapdimInit(800, 600, 0.5f);
    Flip();
    EXPECT_EQ(window_rgb(240, 315), 0xFF0000u);
    EXPECT_EQ(window_rgb(244, 319), 0xFF0000u);
    EXPECT_EQ(window_rgb(248, 323), 0u);   // half the size
    EXPECT_EQ(window_rgb(239, 315), 0u);
    mapdimInit(800, 600, 1.0f);
}

TEST_F(ShowScreen, MapDrawnIntoTheScreenIsWhatTheMapFlipShows) {
    FLIP_map_ON();
    Flip();   // composes the map: green
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    ASSERT_EQ(MapIntoSurface(game_screen), 1);
    EXPECT_EQ(oxatest::pixel(VIEW_X, VIEW_Y), map_rgb(0, 200, 0));
    EXPECT_EQ(oxatest::pixel(mapDim.x, mapDim.y), map_rgb(0, 200, 0));
    EXPECT_EQ(oxatest::pixel(mapDim.x + mapDim.width - 1, mapDim.y + mapDim.height - 1), map_rgb(0, 200, 0));
    EXPECT_EQ(oxatest::pixel(mapDim.x - 1, mapDim.y), map_rgb(0, 0, 255));
    EXPECT_EQ(oxatest::pixel(mapDim.x + mapDim.width, VIEW_Y), map_rgb(0, 0, 255));
    FLIP_map_OFF();
    Flip();   // without the map flip the window shows the same
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);

    // A colour effect shows as the flip shows it; a hidden map is not drawn at all.
    MAPEFF_R = 200;
    ASSERT_EQ(MapIntoSurface(game_screen), 1);
    EXPECT_EQ(oxatest::pixel(mapDim.x - 1, mapDim.y - 1), map_rgb(200, 0, 0));
    RESET_MAPEFF();
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    DISABLE_MAP = 1;
    EXPECT_EQ(MapIntoSurface(game_screen), 0);
    EXPECT_EQ(oxatest::pixel(VIEW_X, VIEW_Y), map_rgb(0, 0, 255));
    DISABLE_MAP = 0;
}

// A flip with the map leaves the window as the screen copied whole and the map over it would: in a
// plain window, with the map zoomed, with a clip in force and with the map shown blended.
TEST_F(ShowScreen, MapFlipShowsWhatAWholeCopyShows) {
    auto whole_window = [] {
        std::vector<uint32_t> px((size_t)RESOLUTION_X * RESOLUTION_Y);
        SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_RGB888, px.data(), RESOLUTION_X * 4);
        return px;
    };
    auto wipe_window = [] {
        SDL_SetRenderDrawColor(ren, 90, 10, 60, 255);
        SDL_RenderClear(ren);
    };
    struct Case {
        const char *name;
        float scale;
        bool clip, blended;
    } cases[] = {
        {"plain", 1.0f, false, false},
        {"zoomed", 2.0f, false, false},
        {"clipped", 1.0f, true, false},
        {"blended", 1.0f, false, true},
    };
    for (const Case &c : cases) {
        mapdimInit(800, 600, c.scale);
        FLIP_map_ON();
        Flip();   // composes the map: green, opaque
        // Marks across every edge of the map view, and the rest of the screen striped.
        for (int y = 0; y < 600; y += 7) box(0, y, 799, y + 2, map_rgb(0, 0, 255));
        for (int k = -2; k <= 2; k++) {
            box(mapDim.x + k, 0, mapDim.x + k, 599, map_rgb(255, 255, 0));
            box(mapDim.x + mapDim.width + k, 0, mapDim.x + mapDim.width + k, 599, map_rgb(255, 0, 255));
            box(0, mapDim.y + k, 799, mapDim.y + k, map_rgb(0, 255, 255));
            box(0, mapDim.y + mapDim.height + k, 799, mapDim.y + mapDim.height + k, map_rgb(255, 128, 0));
        }
        const SDL_Rect clip = {mapDim.x - 40, mapDim.y + 30, 300, 200};
        if (c.clip) SDL_RenderSetClipRect(ren, &clip);
        if (c.blended) SDL_SetTextureBlendMode(MapMainFinalTexture, SDL_BLENDMODE_BLEND);
        wipe_window();
        FlipWithMap();
        const std::vector<uint32_t> flipped = whole_window();

        wipe_window();
        UpdScreenWithMap();   // the screen uploaded and copied whole, the map over it
        EXPECT_EQ(flipped, whole_window()) << c.name;

        SDL_RenderSetClipRect(ren, nullptr);
        SDL_SetTextureBlendMode(MapMainFinalTexture, SDL_BLENDMODE_NONE);
    }
    mapdimInit(800, 600, 1.0f);
}
