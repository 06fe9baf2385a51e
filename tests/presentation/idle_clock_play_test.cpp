// tests/presentation/idle_clock_play_test.cpp -- Aino idling on her field: whatever happened to the
// clock box between two idle ticks, the tick leaves it showing what a fresh drawing of it shows.
#include "core/loader_fixture.h"
#include "core/player.h"
#include "presentation/boxes.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

class AinoClockIdles : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        flip_idle(0);
        PlayingTest::TearDown();
    }
    static std::vector<uint32_t> clock_box() {
        const GuiBlock &b = clockGui;
        std::vector<uint32_t> px;
        for (int y = b.y; y < b.y + b.height; y++)
            for (int x = b.x; x < b.x + b.width; x++)
                px.push_back(((const uint32_t *)((const uint8_t *)game_screen->pixels + (size_t)y * game_screen->pitch))[x]);
        return px;
    }
    static void scribble(int w, int h, uint32_t colour) {
        SDL_Rect r = {clockGui.x + 3, clockGui.y + 3, w, h};
        SDL_FillRect(game_screen, &r, colour);
    }
};

TEST_F(AinoClockIdles, AnIdleTickShowsTheClockAFreshDrawingShows) {
    command({SDLK_RETURN});   // zoomed onto her own field
    command({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_FALSE(bigmap());
    ASSERT_GT(clockGui.width, 10);
    const auto hour = Plr.hour;
    const auto day = Plr.day;
    struct Case {
        const char *what;
        std::function<void()> between;   // what happens between two idle ticks
    };
    const Case cases[] = {
        {"nothing", [] {}},
        {"the hour turned", [] { Plr.hour = (uint8_t)((Plr.hour + 7) % 24); }},
        {"the day turned", [] { Plr.day = (uint8_t)(Plr.day % 30 + 1); }},
        {"a corner drawn over", [] { scribble(2, 2, 0xff00ff); }},
        {"the whole box drawn over", [] { scribble(clockGui.width - 6, clockGui.height - 6, 0x123456); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        idle_tick();
        idle_tick();
        ASSERT_TRUE(input_last_read_idle());
        c.between();
        idle_tick();
        const std::vector<uint32_t> ticked = clock_box();
        // The same clock drawn from scratch: over a painted box the drawing cannot be left out.
        scribble(clockGui.width - 6, clockGui.height - 6, 0xabcdef);
        box_clock();
        EXPECT_TRUE(ticked == clock_box());
        Plr.hour = hour;
        Plr.day = day;
    }
}

}  // namespace
