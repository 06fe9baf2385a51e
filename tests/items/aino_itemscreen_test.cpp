// The item screen as the player sees it in the window, with the ready-made character: the list stays
// in sight over the map while it waits for keys (idle ticks and cursor moves included), and a choice
// cancelled there, from the drop command or from cooking through the skills key, leaves the game
// screen whole. Every frame the window shows is kept by SDL's dummy video driver and read back.
#include "common/window_frames.h"
#include "core/loader_fixture.h"
#include "maps/mapdraw.h"

#include "game/command.h"
#include "presentation/notes.h"
#include "presentation/show.h"

namespace {

using oxatest::Frame;
using oxatest::adopt;
using oxatest::differing;
using oxatest::frames_during;
using oxatest::same_share;

// Her key on the skills screen: the skills in slot order from "a".
// The skill's own key on the skills screen; 0 when she has no such skill.
char skill_key(const char *name) {
    for (int s = 0; s < PLR_SKILLS; s++)
        if (!strncmp(Plr.skill_name[s], name, PLR_SKILLNAME)) return (char)SkillDATA(-1, name, SKD_KEY);
    return 0;
}

void push_idle_tick() {
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    SDL_PushEvent(&e);
}

class AinoItemScreen : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        oxatest::PlayingTest::SetUp();
        for (const char *f : {"cookery_baking.txt", "cookery_porridge.txt", "cookery_meat.txt", "cookery_fish.txt",
                              "cookery_vegetable.txt"})
            dir->copy_asset(f);
        SDL_Surface *w = SDL_GetWindowSurface(win);
        ASSERT_NE(w, nullptr);
        if (w->w != 800 || w->h != 600) GTEST_SKIP() << "the window is not at the game's own size";
        note_lines_since_pause = 0;
        Flip();
        game = adopt(w);   // the game screen as the window shows it, the map in its view
    }
    // The list window's part that lies over the map view, and the side panel with the character's state.
    static constexpr SDL_Rect LIST_OVER_MAP = {20, 90, 440, 425};
    // The frames with the list's rows and buttons in the map view, where the game shows only the map.
    int showing_list(const std::vector<Frame> &frames) const {
        int n = 0;
        for (const Frame &f : frames) n += differing(f, game, LIST_OVER_MAP) > 300;
        return n;
    }
    static constexpr SDL_Rect STATE_PANEL = {500, 15, 290, 300};
    static constexpr SDL_Rect PLACE_BOXES = {15, 5, 450, 70};
    Frame game;
};

TEST_F(AinoItemScreen, DropListStaysOverTheMapThroughIdleTicksAndMovesThenTheMapComesBack) {
    const std::vector<Frame> frames = frames_during([] {
        push_idle_tick();
        oxatest::push_key(SDLK_DOWN);
        push_idle_tick();
        oxatest::push_key(SDLK_ESCAPE);
        command_dispatch('d', 0, 0);
    });
    ASSERT_GE(frames.size(), 2u);
    // The first look, two idle ticks and the cursor move: every wait shows the list, none the map.
    EXPECT_GE(showing_list(frames), 4) << "of " << frames.size() << " frames";
    EXPECT_GT(same_share(frames.back(), game, LIST_OVER_MAP), 0.95) << "the map back when the list closes";
    EXPECT_GT(same_share(frames.back(), game, STATE_PANEL), 0.95);
}

TEST_F(AinoItemScreen, RoastCancelledAtTheItemScreenLeavesTheGameScreenWhole) {
    oxatest::down_to_her_field();   // her fire burns a step north of her there
    note_lines_since_pause = 0;
    DrawMap();
    Flip();
    game = adopt(SDL_GetWindowSurface(win));
    const char cookery = skill_key("COOKERY");
    ASSERT_NE(cookery, 0);
    const char key[2] = {cookery, 0};
    const std::vector<Frame> frames = frames_during([&] {
        oxatest::push_text(key);
        oxatest::push_text("R");   // roast: she has a fire; the food is chosen on the item screen
        push_idle_tick();
        oxatest::push_key(SDLK_ESCAPE);
        command_dispatch('s', 0, 0);
    });
    ASSERT_GE(frames.size(), 2u);
    EXPECT_GE(showing_list(frames), 2) << "the list of foods shown over the map, before and after the idle tick";
    const Frame &last = frames.back();
    EXPECT_GT(same_share(last, game, STATE_PANEL), 0.9) << "the side panel after the cancel";
    EXPECT_GT(same_share(last, game, PLACE_BOXES), 0.9) << "the boxes above the map after the cancel";
    EXPECT_GT(same_share(last, game, LIST_OVER_MAP), 0.95) << "the map after the cancel";
    // What the next flip shows, too: the screen itself is whole, not only the last frame.
    Flip();
    EXPECT_GT(same_share(adopt(SDL_GetWindowSurface(win)), game, STATE_PANEL), 0.9);
}

TEST_F(AinoItemScreen, TheListsButtonsStayInsideItsWindow) {
    // Beside the list window, level with its rows of buttons, the game screen shows as it was.
    static constexpr SDL_Rect BESIDE_BUTTONS = {476, 440, 320, 36};
    for (SDL_Keycode filter : {SDLK_UNKNOWN, SDLK_a}) {
        const std::vector<Frame> frames = frames_during([filter] {
            if (filter != SDLK_UNKNOWN) {
                oxatest::push_key(SDLK_TAB);
                oxatest::push_key(filter);   // armours and clothes: the view line gets its own button
            }
            push_idle_tick();
            oxatest::push_key(SDLK_ESCAPE);
            command_dispatch('d', 0, 0);
        });
        ASSERT_GE(showing_list(frames), 1);
        for (size_t i = 0; i < frames.size(); i++)
            EXPECT_LT(differing(frames[i], game, BESIDE_BUTTONS), 10) << "filter key " << filter << ", frame " << i;
    }
}

}  // namespace
