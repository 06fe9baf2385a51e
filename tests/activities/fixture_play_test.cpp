// tests/activities/fixture_play_test.cpp -- the ready-made character as a player meets the new
// commands: repeat right after loading, eating her rye bread, drinking from her cup, and her
// skills through the skills key.
#include "core/loader_fixture.h"

#include "core/command.h"
#include "core/loader.h"
#include "core/oxa.h"
#include "core/obj_func.h"
#include "core/turnloop.h"
#include "presentation/notes.h"
#include "presentation/panels.h"

#include <fstream>
#include <sstream>

namespace {

class ReadyMadePlay : public oxatest::LoaderScreenTest {
protected:
    std::string notes() const {
        std::ifstream in(path("msglog.txt"));
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    void SetUp() override {
        LoaderScreenTest::SetUp();
        for (const char *f : {"ini_skills.txt", "flora_forest.txt", "flora_meadow.txt", "weathertypeinfo.txt",
                              "fixedpoints.txt", "messages/eng_uname_flora.txt", "messages/eng_items.txt",
                              "messages/eng_food.txt", "messages/eng_general.txt", "messages/eng_core.txt",
                              "messages/eng_creatures.txt", "messages/eng_world.txt", "messages/eng_weather.txt",
                              "messages/eng_movement.txt"})
            dir->copy_asset(f);
    }
    void start() {
        ASSERT_EQ(loader(), 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    // A command key with the answers to its questions typed after it.
    void keys(std::initializer_list<SDL_Keycode> ks) {
        lines = 0;             // no paging prompt left from the notes before
        auto k = ks.begin();
        const int command = (int)*k;
        for (++k; k != ks.end(); ++k) oxatest::push_key(*k);
        command_dispatch(command, 0, 0);
    }
};

TEST_F(ReadyMadePlay, RepeatAfterLoadingDoesNothingAndBreadIsEaten) {
    start();
    EXPECT_EQ(Komentohistoria, 0);
    const std::string before = notes();
    keys({SDLK_r});
    EXPECT_EQ(Komentohistoria, 0);
    EXPECT_EQ(notes(), before) << "only the command line shows the repeat";

    ASSERT_NE(Plr.inv_obj[0], 0);
    keys({SDLK_e, SDLK_a, SDLK_n});   // the village in view asks whether to stop eating: no
    EXPECT_TRUE(noted("It tastes good")) << notes();
    EXPECT_TRUE(noted("You eat the rye bread.")) << notes();
}

TEST_F(ReadyMadePlay, SkillsKeyForecastsTheWeatherAndWeaponSkillsExplainThemselves) {
    start();
    keys({SDLK_s, SDLK_y});
    EXPECT_TRUE(noted("Using: WEATHERLORE")) << notes();
    EXPECT_TRUE(noted("You attempt to predict the weather...")) << notes();
    EXPECT_TRUE(noted("That's how you think the weather will be like.")) << notes();
    keys({SDLK_s, SDLK_g});
    EXPECT_TRUE(noted("That skill is used by wielding its weapon")) << notes();
}

TEST_F(ReadyMadePlay, DrinkingFromHerCup) {
    start();
    Plr.thirst = 1000;
    keys({SDLK_q, SDLK_a});
    EXPECT_TRUE(noted("You drink.")) << notes();
    EXPECT_EQ(Plr.thirst, 0);
}

}  // namespace
