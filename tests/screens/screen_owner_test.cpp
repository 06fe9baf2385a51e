// Every screen Aino opens from the game owns the window while it is open: no frame shown meanwhile,
// after idle ticks either, holds the map, and the game screen is whole again when Esc closes it. Every
// frame is read back from SDL's dummy video driver.
#include "core/loader_fixture.h"

#include "common/window_frames.h"
#include "creatures/bodyrec.h"
#include "maps/mapdraw.h"
#include "presentation/panels.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"

#include <functional>

namespace oxatest {
namespace {

constexpr SDL_Rect ABOVE_MAP = {0, 0, 470, 80};   // the place boxes in the game; a title in a screen

class AinoOpensScreens : public PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        SDL_Surface *w = SDL_GetWindowSurface(win);
        ASSERT_NE(w, nullptr);
        if (w->w != 800 || w->h != 600) GTEST_SKIP() << "the window is not at the game's own size";
        // The screens' pictures and the map drawn with the game's tiles.
        const std::string copy = "cp -r " + std::string(OXA_RUN_DIR) + "/truegfx " + std::string(OXA_RUN_DIR) +
                                 "/truetile " + dir->path() + "/";
        ASSERT_EQ(system(copy.c_str()), 0);
        for (const char *f : {"GAME.NFO", "GAMECOURSE.1", "GAMECOURSE.2"})
            if (access((std::string(OXA_RUN_DIR) + "/" + f).c_str(), F_OK) == 0) dir->copy_asset(f);
        NewGfx_loadtiledata();
        getbackgrounds();   // the screens' backgrounds
        StatScreen();   // the side panel on its own picture, as a game with its pictures shows it
        Statistics();
        DrawMap();      // her surroundings drawn with the tiles
    }
    void TearDown() override {
        NewGfx_freetiledata();
        PlayingTest::TearDown();
    }
    static Frame shown() { return adopt(SDL_GetWindowSurface(win)); }
};

TEST_F(AinoOpensScreens, NoFrameOfAnOpenScreenHoldsTheMapAndTheGameIsWholeAfterEsc) {
    struct Screen {
        const char *name;
        std::function<void(KeyFeeder &)> open;
        SDL_Keycode stay;   // a key the screen takes and stays open (0: every key closes it)
    } screens[] = {
        {"skills", [](KeyFeeder &f) { f.key(SDLK_s); }, SDLK_DOWN},
        {"spells and magic means", [](KeyFeeder &f) { f.key(SDLK_F4); }, SDLK_DOWN},
        {"game course", [](KeyFeeder &f) { f.key(SDLK_F5); }, SDLK_x},
        {"character sheet", [](KeyFeeder &f) { f.text("P"); }, 0},
        {"quest journal", [](KeyFeeder &f) { f.key(SDLK_F2); }, 0},
        {"message log", [](KeyFeeder &f) { f.key(SDLK_v); }, SDLK_UP},
        {"wounds", [](KeyFeeder &f) { f.key(SDLK_F7); }, SDLK_b},
        {"armour coverage", [](KeyFeeder &f) { f.text("A"); }, SDLK_b},
    };
    for (const Screen &s : screens) {
        command({SDLK_PERIOD});   // a turn passes: creatures move
        const Frame game = shown();
        ASSERT_TRUE(frame_has_map(game, game)) << s.name << ": the game shows her surroundings";
        const unsigned waits = input_waits_begun();
        int keys = 0;
        const std::vector<Frame> frames = frames_during([&] {
            KeyFeeder f;
            s.open(f);
            f.idle().idle();
            if (s.stay) f.key(s.stay).idle();
            f.key(SDLK_ESCAPE);
            keys = s.stay ? 5 : 3;   // the first is read before the reader sleeps
            int r;
            f.typed([&] { return turn_pass(&r); });
        });
        EXPECT_GE(input_waits_begun() - waits, (unsigned)keys) << s.name << ": every key taken while it was open";
        // A frame of the screen never holds the map; a frame of the game screen, before it opened or
        // after it closed, always does (no game screen with a hole where the map goes).
        int open = 0;
        for (size_t i = 0; i < frames.size(); i++) {
            const bool game_frame = same_share(frames[i], game, ABOVE_MAP) > 0.5;
            open += !game_frame;
            EXPECT_EQ(frame_has_map(frames[i], game), game_frame) << s.name << ": frame " << i;
        }
        EXPECT_GE(open, 1) << s.name << ": shown, of " << frames.size() << " frames";
        ASSERT_FALSE(frames.empty()) << s.name;
        EXPECT_GT(same_share(frames.back(), game, SDL_Rect{0, 0, 800, 600}), 0.9) << s.name << ": the game screen back";
        EXPECT_EQ(FLIPMODE, 1) << s.name;
        EXPECT_EQ(ui_screen_owned(), 0) << s.name;
    }
}

// A wound's mark on the body picture is sized by its level: a level-1 bruise looks the same whatever
// its injury points.
TEST_F(AinoOpensScreens, AWoundIsMarkedByItsLevel) {
    std::vector<Frame> open;
    for (int injury : {12, 60}) {
        for (int slot = 0; slot < WOUND_SLOTS; slot++) wound_put(-1, slot, WoundSlot{});
        WoundSlot w{};
        w.kind = WK_BLUNT, w.level = 1, w.part = BP_THORAX, w.injury = (uint8_t)injury;
        wound_put(-1, 0, w);
        command({SDLK_PERIOD});
        const Frame game = shown();
        const std::vector<Frame> frames = frames_during([&] {
            KeyFeeder f;
            f.key(SDLK_F7).idle().key(SDLK_ESCAPE);
            int r;
            f.typed([&] { return turn_pass(&r); });
        });
        const size_t had = open.size();
        for (const Frame &fr : frames)   // the screen's last frame of the run
            if (same_share(fr, game, ABOVE_MAP) <= 0.5) {
                if (open.size() > had) open.pop_back();
                open.push_back(fr);
            }
        ASSERT_EQ(open.size(), had + 1) << injury;
    }
    EXPECT_EQ(same_share(open.front(), open.back(), SDL_Rect{570, 90, 200, 310}), 1.0);
}

}  // namespace
}  // namespace oxatest
