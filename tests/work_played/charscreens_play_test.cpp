// tests/activities/charscreens_play_test.cpp -- played: Aino looks at her sheet with P, uses weather
// lore from her skills screen and again with Alt + its letter, and reads and takes the bear skull rite
// from her spells with F4.
#include "core/loader_fixture.h"
#include "core/player.h"

#include "activities/skilluse.h"
#include "presentation/windows.h"
#include "screens/profile.h"

namespace {

class AinoScreens : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        magic_page_saved_entry = -1;
        Weatherlore_lastskillhour = -1;
    }
    void TearDown() override {
        magic_page_saved_entry = -1;
        PlayingTest::TearDown();
    }
    int times_noted(const char *text) const {
        const std::string all = notes();
        int n = 0;
        for (size_t p = all.find(text); p != std::string::npos; p = all.find(text, p + 1)) n++;
        return n;
    }
    static void type(oxatest::KeyFeeder &f) {
        int r;
        f.typed([&] { return turn_pass(&r); });
    }
};

TEST_F(AinoScreens, SheetSkillsAltLetterAndSpellsThroughTheTurnLoop) {
    ASSERT_TRUE(bigmap());
    box(0, 0, 799, 599, RGB_to_color(0, 90, 0));
    const uint32_t before = oxatest::pixel(300, 300);
    oxatest::KeyFeeder sheet;
    sheet.text("P").key(SDLK_SPACE);
    type(sheet);
    EXPECT_EQ(oxatest::pixel(300, 300), before) << "the map came back after the sheet";

    command({SDLK_s, SDLK_l});   // weather lore's own key on her skills screen
    EXPECT_EQ(times_noted("Using: WEATHERLORE"), 1) << notes();
    EXPECT_EQ(times_noted("You attempt to predict the weather..."), 1);
    EXPECT_EQ(GAME_SAVED, 0) << "no copy of the screen outlives the skill's use: a talk would put it back";

    oxatest::KeyFeeder alt, none;
    alt.key(SDLK_l, KMOD_LALT);
    type(alt);
    none.key(SDLK_z, KMOD_LALT);   // no skill of hers bears z
    type(none);
    EXPECT_EQ(times_noted("Using: WEATHERLORE"), 2) << notes();
    EXPECT_EQ(GAME_SAVED, 0);
    EXPECT_EQ(times_noted("Using:"), 2);

    command({SDLK_F4, SDLK_b, SDLK_b});
    EXPECT_EQ(times_noted("This spell about bear skull rite is performed"), 1) << notes();
}

}  // namespace
