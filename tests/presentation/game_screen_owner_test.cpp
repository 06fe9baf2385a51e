// What the window shows in Aino's game around the screens that cover it (those opened from the game are
// in tests/screens/screen_owner_test.cpp): the start menu after her death shows no map; the look cursor
// leaves the map with the prompt; the vigour value of the side panel is written on a clean ground.
// Every frame is read back from SDL's dummy video driver.
#include "common/window_frames.h"
#include "core/loader_fixture.h"
#include "core/player.h"
#include "creatures/bodyrec.h"
#include "maps/mapdraw.h"
#include "maps/picker.h"
#include "presentation/input_feeder.h"
#include "presentation/panels.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "screens/start.h"

#include <functional>

namespace {

using oxatest::Frame;
using oxatest::KeyFeeder;
using oxatest::same_share;

constexpr SDL_Rect MAP_VIEW = {15, 85, 450, 460};

class AinoScreens : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        oxatest::PlayingTest::SetUp();
        for (const char *f : {"truegfx/armour.png", "truegfx/armour_black.png", "truegfx/bg-coverage.jpg",
                              "truegfx/bg-injury.jpg", "truegfx/bg-oxastart.png", "truegfx/bg-rpanel.png"})
            dir->copy_asset(f);
        SDL_Surface *w = SDL_GetWindowSurface(win);
        ASSERT_NE(w, nullptr);
        if (w->w != 800 || w->h != 600) GTEST_SKIP() << "the window is not at the game's own size";
        // The map drawn with the game's tiles, the cursor's among them.
        dir->link_asset("truetile");
        NewGfx_loadtiledata();
        StatScreen();   // the side panel on its own picture, as a game with its pictures shows it
        Statistics();
    }
    void TearDown() override {
        NewGfx_freetiledata();
        oxatest::PlayingTest::TearDown();
    }
    // One pass of the turn loop (creatures move, the map is drawn) and the command typed into it.
    static std::vector<Frame> turn(const std::function<void(KeyFeeder &)> &type) {
        return oxatest::frames_during([&] {
            KeyFeeder f;
            type(f);
            int r;
            f.typed([&] { return turn_pass(&r); });
        });
    }
    static Frame shown() { return oxatest::adopt(SDL_GetWindowSurface(win)); }
};

TEST_F(AinoScreens, StartMenuAfterHerDeathShowsNoMap) {
    FlipWithMap();
    const Frame game = shown();
    // She starves: the day's upkeep at the next turn ends the game.
    Plr.starvation = 100;
    Plr.energy = 100;   // too weak to recover any of it this hour
    Plr.hour = 12;
    Plr.last_upkeep_day = (uint8_t)(Plr.day == 1 ? 2 : Plr.day - 1);
    KeyFeeder f;
    f.key(SDLK_PERIOD).key(SDLK_SPACE).key(SDLK_SPACE);   // the death note's pause, then her memorial page
    f.typed([] {
        TurnLoop();
        return 0;
    });
    ASSERT_EQ(REAL_QUIT, -1);
    const std::vector<Frame> menu = oxatest::frames_during([] {
        KeyFeeder keys;
        keys.key(SDLK_PAGEDOWN).key(SDLK_RETURN);   // QUIT, the last row
        keys.typed([] {
            Oxa_Start();
            return 0;
        });
    });
    ASSERT_FALSE(menu.empty());
    for (size_t i = 0; i < menu.size(); i++)
        EXPECT_LT(same_share(menu[i], game, MAP_VIEW), 0.05) << "the map over the start menu in frame " << i;
}

// The look cursor's yellow.
bool yellow(uint32_t p) { return (p >> 16 & 255) > 200 && (p >> 8 & 255) > 180 && (p & 255) < 140; }

TEST_F(AinoScreens, LookAndDoorPromptsTakeTheirCursorOffTheMap) {
    turn([](KeyFeeder &f) { f.key(SDLK_RETURN); });   // into her local area, where doors are closed
    turn([](KeyFeeder &f) { f.key(SDLK_PERIOD); });
    ASSERT_EQ(Environ, 2);
    for (SDL_Keycode command : {SDLK_x, SDLK_c}) {
        const std::vector<Frame> frames = turn([&](KeyFeeder &f) { f.key(command).key(SDLK_8); });
        const Frame after = shown();
        DrawMap();   // the map as it is, with no cursor
        const Frame plain = shown();
        // The cursor's pixels: yellow in a frame of the prompt where the plain map has none.
        const SDL_Rect near = {LOCSEL_SCREEN_X - 2, LOCSEL_SCREEN_Y, 24, 24};
        ASSERT_GT(near.x, MAP_VIEW.x);
        std::vector<std::pair<int, int>> cursor;
        const Frame *asking = nullptr;
        for (const Frame &fr : frames) {
            std::vector<std::pair<int, int>> found;
            for (int y = near.y; y < near.y + near.h; y++)
                for (int x = near.x; x < near.x + near.w; x++)
                    if (yellow(oxatest::at(fr, x, y)) && !yellow(oxatest::at(plain, x, y))) found.push_back({x, y});
            if (found.size() > cursor.size()) cursor = found, asking = &fr;
        }
        ASSERT_GE(cursor.size(), 10u) << "the cursor was shown while " << (char)command << " asked";
        size_t left = 0;
        for (auto [x, y] : cursor) left += oxatest::at(after, x, y) == oxatest::at(*asking, x, y);
        EXPECT_EQ(LOCSEL_CURSOR_X, 0);
        EXPECT_LT(left, cursor.size() / 5) << "the cursor left on the map after " << (char)command;
    }
}

TEST_F(AinoScreens, VigourIsWrittenOnACleanGround) {
    // The longest word first, then after a turn of rest the shortest in its place.
    turn([](KeyFeeder &f) { f.key(SDLK_PERIOD); });
    plr_set<int32_t>(PB_SLEEPINESS, 1900);
    turn([](KeyFeeder &f) { f.key(SDLK_PERIOD); });
    plr_set<int32_t>(PB_SLEEPINESS, 100);
    turn([](KeyFeeder &f) { f.key(SDLK_PERIOD); });
    const Frame played = shown();
    StatScreen();   // the whole panel drawn anew shows the word as it should read
    Statistics();
    const SDL_Rect vigour = NEWHEADINGBRANCH == 1 ? SDL_Rect{568, 240, 215, 9} : SDL_Rect{625, 283, 160, 9};
    EXPECT_GT(same_share(played, shown(), vigour), 0.99);
}

}  // namespace

// The look cursor moved square by square: each move draws only the squares it leaves and enters,
// and no cursor is left behind where it was.
TEST_F(AinoScreens, LookCursorMovesLeaveNoCursorBehind) {
    turn([](KeyFeeder &f) { f.key(SDLK_RETURN); });   // into her local area
    turn([](KeyFeeder &f) { f.key(SDLK_PERIOD); });
    ASSERT_EQ(Environ, 2);
    DrawMap();
    const Frame plain = shown();
    const std::vector<Frame> frames =
        turn([](KeyFeeder &f) { f.key(SDLK_l).key(SDLK_RIGHT).key(SDLK_RIGHT).key(SDLK_RIGHT).key(SDLK_RIGHT).key(SDLK_ESCAPE); });
    const int end_x = LOCSEL_SCREEN_X, end_y = LOCSEL_SCREEN_Y;
    auto cursor_at = [&](const Frame &fr, int sx, int sy) {
        int n = 0;
        for (int y = sy; y < sy + 24; y++)
            for (int x = sx - 2; x < sx + 22; x++) n += yellow(oxatest::at(fr, x, y)) && !yellow(oxatest::at(plain, x, y));
        return n;
    };
    const Frame *last = nullptr;
    for (const Frame &fr : frames)
        if (cursor_at(fr, end_x, end_y) >= 10) last = &fr;
    ASSERT_NE(last, nullptr) << "the cursor shown on its last square";
    // Where it stood before, two to four squares to the left (the square next to it shares pixels).
    for (int dx : {-36, -54, -72})
        EXPECT_LT(cursor_at(*last, end_x + dx, end_y), 3) << "a cursor left " << -dx / 18 << " squares back";
    EXPECT_EQ(LOCSEL_CURSOR_X, 0);
}
