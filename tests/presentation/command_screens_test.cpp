// The screens the command reader opens with F1, Esc, "A" and "P", reached through pushed keys as a
// player reaches them, and the map view that comes back afterwards.
#include "core/turn_fixture.h"
#include "presentation/audio.h"
#include "presentation/bodypic.h"
#include "presentation/hyper.h"
#include "presentation/input_feeder.h"
#include "presentation/menu.h"
#include "presentation/windows.h"

namespace {

class CommandScreens : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        for (const char *f : {"GAME.NFO", "truegfx/armour.png", "truegfx/armour_black.png", "truegfx/bg-coverage.jpg"})
            dir->copy_asset(f);
        get_topics();
    }
    // One command read from the typed keys; a text types a capital letter.
    int command(const char *text, std::initializer_list<SDL_Keycode> keys) {
        oxatest::KeyFeeder f;
        if (text) f.text(text);
        f.keys(keys);
        return f.typed([] { return PlayerAction(); });
    }
    int command(std::initializer_list<SDL_Keycode> keys) { return command(nullptr, keys); }
};

TEST_F(CommandScreens, F1OpensTheEncyclopediaAtStartAndEscReturnsToTheMap) {
    box(0, 0, 799, 599, RGB_to_color(0, 90, 0));
    const uint32_t before = oxatest::pixel(600, 300);
    memset(topsnes, 0, sizeof topsnes);
    EXPECT_EQ(command({SDLK_F1, SDLK_ESCAPE}), 1);
    EXPECT_STREQ(topsnes, "START");
    EXPECT_STREQ(link_[LINK_HISTORY - 1], "START");
    EXPECT_EQ(INFO_MAPRESTORE, 0);
    EXPECT_EQ(oxatest::pixel(600, 300), before);
    EXPECT_EQ(TurnUsed, 0);
}

TEST_F(CommandScreens, ArmourCoverageOpensWithATheBodyAndComesBack) {
    box(0, 0, 799, 599, RGB_to_color(0, 90, 0));
    const uint32_t before = oxatest::pixel(668, 180);
    SKIN_COLOR = SKIN_BORDER = 0;
    EXPECT_EQ(command("A", {SDLK_b, SDLK_w, SDLK_ESCAPE}), 1);
    int r, g, b;
    oxatest::rgb(SKIN_COLOR, r, g, b);
    EXPECT_EQ(r, 222) << "the body picture was drawn";
    EXPECT_NE(SKIN_BORDER, SKIN_COLOR);
    EXPECT_STREQ(current_music, "");
    EXPECT_EQ(oxatest::pixel(668, 180), before) << "the screen came back";
}

TEST_F(CommandScreens, F1OnTheWoundsScreenOpensItsTopicAndReturnsToTheList) {
    memset(topsnes, 0, sizeof topsnes);
    EXPECT_EQ(command({SDLK_F7, SDLK_F1, SDLK_ESCAPE, SDLK_ESCAPE}), 1);
    EXPECT_STREQ(topsnes, "INJURIES");
}

TEST_F(CommandScreens, EscOpensHelpAndGameOptions) {
    EXPECT_EQ(command({SDLK_ESCAPE, SDLK_ESCAPE}), 1);
    ASSERT_GE(ValintojenMaara, 4);
    EXPECT_STREQ(ValintaEntry[0].text, "?.Keyboard commands");
    EXPECT_EQ(REAL_QUIT, 0);
    // F1 in the menu opens the encyclopedia as the key would.
    memset(topsnes, 0, sizeof topsnes);
    EXPECT_EQ(command({SDLK_ESCAPE, SDLK_F1, SDLK_ESCAPE}), 1);
    EXPECT_STREQ(topsnes, "START");
}

TEST_F(CommandScreens, ProfileWaitsForAKeyAndRestoresTheScreen) {
    box(0, 0, 799, 599, RGB_to_color(0, 90, 0));
    const uint32_t before = oxatest::pixel(300, 300);
    EXPECT_EQ(command("P", {SDLK_SPACE}), 1);
    EXPECT_EQ(oxatest::pixel(300, 300), before);
    EXPECT_EQ(GAME_SAVED, 0);
}

}  // namespace
