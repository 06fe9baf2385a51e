// Fades and map effects: what the screen and the window show when they end.
#include "presentation/show_fixture.h"

#include "core/config.h"
#include "presentation/effects.h"

using oxatest::window_rgb;
using showtest::map_rgb;

class Effects : public ShowTest {
protected:
    void SetUp() override {
        ShowTest::SetUp();
        OXAINI_MAPLIGHTING = 0;
        DISABLE_RENDER = 1;   // keep the back buffer readable after a flip
        SetRenderColour(MapMainTexture, 0, 200, 0);
        SetRenderColour(MapMainFinalTexture, 0, 200, 0);
    }
    void TearDown() override {
        DISABLE_RENDER = 0;
        FLIPMODE = 0;
        RESET_MAPEFF();
        ShowTest::TearDown();
    }
    static void SetRenderColour(SDL_Texture *t, int r, int g, int b) {
        SDL_SetRenderTarget(ren, t);
        SDL_SetRenderDrawColor(ren, (Uint8)r, (Uint8)g, (Uint8)b, 255);
        SDL_RenderClear(ren);
        SDL_SetRenderTarget(ren, nullptr);
        map_texture_touched(SDL_Rect{0, 0, MAPTEX_SIZE, MAPTEX_SIZE});   // painted by hand, all over
    }
    static uint32_t screen_rgb(int x, int y) {
        int r, g, b;
        oxatest::rgb(oxatest::pixel(x, y), r, g, b);
        return (uint32_t)(r << 16 | g << 8 | b);
    }
    static const int VIEW_X = 240, VIEW_Y = 315;   // inside the map view
};

TEST_F(Effects, FadeInOfZeroSecondsEndsWithThePicture) {
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    box(10, 10, 20, 20, map_rgb(255, 255, 0));
    FadeIn(0);
    EXPECT_EQ(screen_rgb(5, 5), 0x0000FFu);
    EXPECT_EQ(screen_rgb(15, 15), 0xFFFF00u);
    EXPECT_EQ(window_rgb(5, 5), 0x0000FFu);
    EXPECT_EQ(window_rgb(15, 15), 0xFFFF00u);
}

TEST_F(Effects, FadeOutEndsBlackAndClears) {
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    FadeOut(0);
    EXPECT_EQ(screen_rgb(5, 5), 0u);
    EXPECT_EQ(window_rgb(5, 5), 0u);
    // A timed fade of another surface into a target leaves the picture itself alone.
    SDL_Surface *pic = SDL_ConvertSurface(game_screen, game_screen->format, 0);
    SDL_FillRect(pic, nullptr, map_rgb(0, 255, 0));
    fade(pic, game_screen, 0.02f, 0);
    EXPECT_EQ(screen_rgb(100, 100), 0x00FF00u);
    SDL_FreeSurface(pic);
}

TEST_F(Effects, FaintLeavesTheMapRedUntilTheWakeUp) {
    box(0, 0, 799, 599, map_rgb(0, 0, 255));
    MAPEFFECT_faint();
    EXPECT_EQ(MAPEFFECT_DRAW, 0);
    EXPECT_EQ(MAPEFF_R, 52);
    // The screen surface holds the colour over the view as well.
    EXPECT_EQ(screen_rgb(VIEW_X, VIEW_Y), 0x340000u);
    FLIP_map_ON();
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x340000u);
    EXPECT_EQ(window_rgb(5, 5), 0x0000FFu);

    MAPEFFECT_wakeup();
    EXPECT_EQ(MAPEFF_R + MAPEFF_G + MAPEFF_B, 0);
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
}

TEST_F(Effects, SleepCoverIsNightBlue) {
    MAPEFFECT_sleep_fade();
    FLIP_map_ON();
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x001A33u);
    RESET_MAPEFF();
    Flip();
    EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
}

// The sauna steam rises in its growing grey and clears in its full pale grey, the map under black
// at the same alpha: at alpha 100 the green map shows red 43 while rising and 82 while clearing.
TEST_F(Effects, SaunaSteamClearsInItsPaleGrey) {
    const struct { int effect, a, red; } frames[] = {
        {MAPEFF_LOYLY, 100, 109 * 100 / 255}, {MAPEFF_LOYLY_OUT, 100, 209 * 100 / 255},
        {MAPEFF_LOYLY, 195, 204 * 195 / 255}, {MAPEFF_LOYLY_OUT, 10, 209 * 10 / 255},
    };
    for (const auto &f : frames) {
        SCOPED_TRACE(f.effect * 1000 + f.a);
        mapeffect_frame(f.effect, f.a);
        EXPECT_NEAR((int)(window_rgb(VIEW_X, VIEW_Y) >> 16), f.red, 2);
    }
}

TEST_F(Effects, PassingEffectsLeaveTheMapAndDrawModesAsTheyWere) {
    void (*effects[])() = {MAPEFFECT_loyly, MAPEFFECT_zoomshade};
    for (auto effect : effects) {
        effect();
        EXPECT_EQ(MAPEFFECT_DRAW, 0);
        EXPECT_EQ(MAPEFF_R + MAPEFF_G + MAPEFF_B, 0);
        SDL_BlendMode mode;
        SDL_GetRenderDrawBlendMode(ren, &mode);
        EXPECT_EQ(mode, SDL_BLENDMODE_NONE);
        SDL_GetTextureBlendMode(MapMainFinalTexture, &mode);
        EXPECT_EQ(mode, SDL_BLENDMODE_NONE);
        FLIP_map_ON();
        Flip();
        EXPECT_EQ(window_rgb(VIEW_X, VIEW_Y), 0x00C800u);
    }
}
