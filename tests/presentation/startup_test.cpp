// A new character's first load: the first-timer page over THE HALVORNALAND, then her story; the
// marker goes back to the scenario number, so later loads go straight to the game.
#include "core/loader_fixture.h"
#include "presentation/hyper.h"
#include "presentation/input_feeder.h"
#include "core/tekstit.h"
#include "game/turnloop.h"

namespace {

class FirstLoad : public oxatest::LoaderScreenTest {
protected:
    void SetUp() override {
        LoaderScreenTest::SetUp();
        for (const char *f : {"GAME.NFO", "truegfx/bg-heritage.jpg", "truegfx/scene-agriculture.jpg",
                              "truegfx/bg-backstory.png"})
            dir->copy_asset(f);
        get_topics();
        memset(topsnes, 0, sizeof topsnes);
        clear_history();
    }
    static int load_typing(std::initializer_list<SDL_Keycode> keys) {
        oxatest::KeyFeeder f;
        f.keys(keys);
        return f.typed([] { return loader(); });
    }
};

TEST_F(FirstLoad, FirstTimerPageAndStoryOnceOnly) {
    PlayerStruct rec;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &rec, sizeof rec));
    EXPECT_EQ(rec.scenario, 100) << "the fixture's first-start marker";
    ASSERT_TRUE(dir->exists("AINO/story.txt"));

    ASSERT_EQ(load_typing({SDLK_ESCAPE, SDLK_SPACE}), 0);
    EXPECT_STREQ(topsnes, "THE HALVORNALAND") << "the first-timer page";
    EXPECT_EQ(Plr.scenario, 0);
    // The start-up screen's words over the story were laid out.
    bool startup = false;
    for (int i = 0; i < SANATAULUKKO_MAX && SanaTaulukko[i][0]; i++) startup |= !strcmp(SanaTaulukko[i], "windbreezes");
    EXPECT_TRUE(startup);
    CLOSE_WINDOW = 0;
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);

    var_clear();
    oxatest::reset_loader_tables();
    memset(topsnes, 0, sizeof topsnes);
    ASSERT_EQ(load_typing({}), 0);
    EXPECT_STREQ(topsnes, "") << "a later load opens no encyclopedia";
    EXPECT_EQ(Plr.scenario, 0);
}

}  // namespace
