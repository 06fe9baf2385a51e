// The screens the command reader opens with F1, Esc, "A" and "P", reached through pushed keys as a
// player reaches them, and the map view that comes back afterwards.
#include "core/turn_fixture.h"
#include "presentation/hyper.h"
#include "presentation/input_feeder.h"

namespace {

class CommandScreens : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        dir->copy_asset("GAME.NFO");
        get_topics();
    }
    // One command read from the typed keys.
    int command(std::initializer_list<SDL_Keycode> keys) {
        oxatest::KeyFeeder f;
        f.keys(keys);
        return f.typed([] { return PlayerAction(); });
    }
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

}  // namespace
