// The option points played by keys on the skills screen: the arrows move the cursor to a skill,
// "=" raises it and "-" lowers it, DODGE never moves, and once the points are spent N takes the last
// step back and the screen returns for the point, still holding back the skills at their limit.
#include "common/harness.h"
#include "screens/screen_typist.h"

#include "activities/crolls.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "screens/optionscreen.h"

#include <cstring>

namespace oxatest {
namespace {

class OptionScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dir->copy_asset("ini_skills.txt");   // the skills screen groups the skills by the table
        saved = Plr;
        memset(&Plr, 0, sizeof Plr);
        const char *names[] = {"DODGE", "BOW", "AXE", "KNIFE", "SPEAR", "CLUB", "SWORD"};
        for (int s = 0; s < 7; s++) {
            copy_bounded(Plr.skill_name[s], PLR_SKILLNAME, names[s]);
            Plr.skill_level[s] = Plr.skill_start[s] = (uint8_t)(20 + s);
            Plr.skill_aptitude[s] = 10;
        }
        Plr.skill_level[2] = Plr.skill_start[2] = 95;   // AXE: a step would pass 99
    }
    void TearDown() override {
        Plr = saved;
        option_start(0, 0, 0);
        ScreenTest::TearDown();
    }
    PlayerStruct saved;
};

TEST_F(OptionScreen, FivePointsSpentByKeysAndTheLastTakenBack) {
    int after_n = -1, sword_after_n = -1;   // points and the sum of the levels after N
    Shot asked;
    // The rows: DODGE among the physical skills, then the combat skills, which have no keys, from the
    // highest slot down: SWORD, CLUB, SPEAR, KNIFE, AXE, BOW. The cursor starts on DODGE.
    Typist()
        .key(SDLK_EQUALS)                                         // DODGE: nothing
        .keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_EQUALS})   // AXE past 99: nothing
        .keys({SDLK_DOWN, SDLK_EQUALS, SDLK_EQUALS})              // BOW once, the second over its limit
        .keys({SDLK_UP, SDLK_UP, SDLK_EQUALS, SDLK_MINUS, SDLK_EQUALS})   // KNIFE
        .keys({SDLK_UP, SDLK_EQUALS, SDLK_UP, SDLK_EQUALS, SDLK_UP, SDLK_EQUALS})   // SPEAR, CLUB, SWORD
        .look([&] { asked = copy_of_screen(); })                  // the question over the spent points
        .key(SDLK_n)                                              // not happy: SWORD's step comes back
        .look([&] {
            after_n = SKILLIMPROVE_points;
            sword_after_n = 0;
            for (int s = 0; s < 7; s++) sword_after_n += Plr.skill_level[s];
        })
        .keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_EQUALS})   // KNIFE stays at its limit
        .keys({SDLK_UP, SDLK_UP, SDLK_UP, SDLK_EQUALS})          // SWORD again
        .key(SDLK_y)
        .run([] { option_points(0, 5, 1); });
    EXPECT_EQ(after_n, 1);
    EXPECT_EQ(sword_after_n, 20 + 31 + 95 + 33 + 34 + 35 + 36 - 10) << "one step was taken back";
    const int want[] = {20, 31, 95, 33, 34, 35, 36};
    for (int s = 0; s < 7; s++) EXPECT_EQ(Plr.skill_level[s], want[s]) << Plr.skill_name[s];
    EXPECT_EQ(SKILLIMPROVE_points, 0);
    // The option box under the question counts no point left.
    ASSERT_TRUE(asked);
    NaytaOptioRuutu();
    const Shot none_left = copy_of_screen();
    int differ = 0;
    for (int y = 408; y < 420; y++)
        for (int x = 745; x < 775; x++) {
            const SDL_Color a = shot_at(asked, x, y), b = shot_at(none_left, x, y);
            differ += a.r != b.r || a.g != b.g || a.b != b.b;
        }
    EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace oxatest
