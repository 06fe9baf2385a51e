// tests/activities/repeat_play_test.cpp -- the repeat key in a running game: after the ready-made
// character makes a birch-bark basket from the make menu, "r" makes another with no menu at all.
#include "core/loader_fixture.h"
#include "presentation/input_feeder.h"

#include "game/command.h"
#include "core/spend.h"
#include "items/items.h"
#include "presentation/menu.h"
#include "presentation/panels.h"

namespace {

class RepeatPlay : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        for (const char *f : {"diy_utility.txt", "diy_clothes.txt", "diy_lumber.txt", "diy_transport.txt",
                              "diy_weapons.txt", "diy_tying.txt", "menudef_make.txt"})
            dir->copy_asset(f);
        ui.choices.yes_no = ui.choices.yes_no_esc = [](const char *) { return 1; };
        INSTANT_TASKS = 1;
    }
    void TearDown() override {
        INSTANT_TASKS = 0;
        PlayingTest::TearDown();
    }
    static int count_named(const char *name) {
        int n = 0;
        char own[41];
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), own), name) == 0) n += Plr.inv_count[s];
        return n;
    }
};

TEST_F(RepeatPlay, RepeatKeyMakesAnotherBasket) {
    const int strips = count_named("Birch-bark strip");
    ASSERT_GE(strips, 6) << "bark for two baskets";
    oxatest::KeyFeeder make;
    make.key(SDLK_PLUS).key(SDLK_u).key(SDLK_1).key(SDLK_SPACE);
    ASSERT_EQ(make.typed([] { return PlayerAction(); }), 1);
    ASSERT_EQ(count_named("Birch-bark basket"), 1);
    EXPECT_EQ(Komentohistoria, -1);

    // "r" goes straight to the materials of the same basket.
    oxatest::KeyFeeder again;
    again.key(SDLK_r).key(SDLK_SPACE);
    ASSERT_EQ(again.typed([] { return PlayerAction(); }), 1);
    EXPECT_EQ(count_named("Birch-bark basket"), 2);
    EXPECT_EQ(count_named("Birch-bark strip"), strips - 6);
}

}  // namespace
