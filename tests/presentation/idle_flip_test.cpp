// tests/presentation/idle_flip_test.cpp -- the flips of an idling game: a flip of what the window
// already shows draws only what changed, and the window ends as a whole flip leaves it, whoever drew
// on the screen, the map or the window itself in between.
#include "common/harness.h"
#include "common/map_pixels.h"

#include "base/ui.h"
#include "presentation/show.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

class IdleFlip : public oxatest::ScreenTest {
protected:
    void TearDown() override {
        flip_idle(0);
        FLIP_map_OFF();
        if (MapMainFinalTexture) SDL_SetTextureAlphaMod(MapMainFinalTexture, 255);
        ScreenTest::TearDown();
    }
    static void paint_map(int x, int y, uint8_t r) {
        SDL_Texture *held = SDL_GetRenderTarget(ren);
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_SetRenderDrawColor(ren, r, 90, 30, 255);
        const SDL_Rect box = {x, y, 120, 80};
        SDL_RenderFillRect(ren, &box);
        map_texture_touched(box);
        SDL_SetRenderTarget(ren, held);
    }
};

TEST_F(IdleFlip, WindowEndsAsAWholeFlipLeavesIt) {
    struct Case {
        const char *what;
        bool map;                        // the map is laid over the screen
        std::function<void()> between;   // after the last flip, before this one
        std::function<void()> flip;
    };
    const Case cases[] = {
        {"nothing changed", false, [] {}, [] { Flip(); }},
        {"nothing changed, map shown", true, [] {}, [] { FlipWithMap(); }},
        {"a box on the screen", false, [] { box(300, 200, 340, 230, 4); }, [] { Flip(); }},
        {"a box under the map", true, [] { box(100, 100, 700, 500, 2); }, [] { FlipWithMap(); }},
        {"the map drawn on", true, [] { paint_map(40, 60, 200); }, [] { Flip(); }},
        {"the map drawn on where it shows", true, [] { paint_map(mapDim.src_left + 30, mapDim.src_top + 40, 200); },
         [] { Flip(); }},
        {"the window painted over", true, [] {
             SDL_SetRenderTarget(ren, nullptr);
             SDL_SetRenderDrawColor(ren, 255, 0, 0, 255);
             SDL_RenderClear(ren);
         }, [] { FlipWithMap(); }},
        {"the window painted over the map only", true, [] {
             SDL_SetRenderTarget(ren, nullptr);
             SDL_SetRenderDrawColor(ren, 0, 255, 0, 255);
             const SDL_Rect r = {mapDim.x + 20, mapDim.y + 30, 40, 25};
             SDL_RenderFillRect(ren, &r);
         }, [] { FlipWithMap(); }},
        {"a box on the screen where the map covers it", true,
         [] { box(mapDim.x + 20, mapDim.y + 20, mapDim.x + 90, mapDim.y + 60, 4); }, [] { FlipWithMap(); }},
        {"the window painted and shown", false, [] {
             SDL_SetRenderTarget(ren, nullptr);
             SDL_SetRenderDrawColor(ren, 0, 0, 255, 255);
             SDL_RenderClear(ren);
             SDL_RenderPresent(ren);
         }, [] { Flip(); }},
        {"the map faded", true, [] { SDL_SetTextureAlphaMod(MapMainFinalTexture, 128); }, [] { FlipWithMap(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SDL_FillRect(game_screen, nullptr, SDL_MapRGB(game_screen->format, 20, 40, 60));
        if (c.map) FLIP_map_ON();
        else FLIP_map_OFF();
        paint_map(0, 0, 10);
        flip_idle(1);
        Flip();        // the idle tick's flip: the window as it shows
        Flip();        // and again, with nothing new
        c.between();
        c.flip();
        const std::vector<uint8_t> idle = oxatest::window_pixels();
        flip_idle(0);
        c.flip();      // the same flip drawn whole
        EXPECT_TRUE(idle == oxatest::window_pixels());
        SDL_SetTextureAlphaMod(MapMainFinalTexture, 255);
    }
}

}  // namespace
