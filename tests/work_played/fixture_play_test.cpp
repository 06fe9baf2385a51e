// tests/activities/fixture_play_test.cpp -- the ready-made character as a player meets the new
// commands: repeat right after loading, eating her rye bread, drinking from her cup, and her
// skills through the skills key.
#include "core/loader_fixture.h"
#include "../items/row_letters.h"
#include "activities/pick_hook.h"

#include "game/command.h"
#include "game/loader.h"
#include "core/oxa.h"
#include "core/obj_func.h"
#include "game/turnloop.h"
#include "core/maintenance.h"
#include "game/clockupkeep.h"
#include "screens/skillscreen.h"
#include "items/items.h"
#include "presentation/notes.h"
#include "presentation/panels.h"

#include <fstream>
#include <sstream>

namespace {

class ReadyMadePlay : public oxatest::LoaderScreenTest {
protected:
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    void SetUp() override {
        LoaderScreenTest::SetUp();
        for (const char *f : {"ini_skills.txt", "flora_forest.txt", "flora_meadow.txt", "weathertypeinfo.txt",
                              "fixedpoints.txt", "messages/eng_uname_flora.txt", "messages/eng_items.txt",
                              "messages/eng_food.txt", "messages/eng_general.txt", "messages/eng_core.txt",
                              "messages/eng_creatures.txt", "messages/eng_world.txt", "messages/eng_weather.txt",
                              "messages/eng_movement.txt", "cookery_baking.txt", "cookery_porridge.txt",
                              "cookery_meat.txt", "cookery_fish.txt", "cookery_vegetable.txt",
                              "messages/eng_crafting.txt"})
            dir->copy_asset(f);
    }
    void start() {
        ASSERT_EQ(loader(), 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    // A command key with the answers to its questions typed after it.
    void keys(std::initializer_list<SDL_Keycode> ks) {
        note_lines_since_pause = 0;             // no paging prompt left from the notes before
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

// Her village comes into view on the first look after loading: the note waits for a key, unless the
// notes are off (1: nothing is shown; any other non-zero value: shown, but nothing waits).
TEST_F(ReadyMadePlay, TheSettlementComingIntoViewWaitsForAKeyUnlessNotesAreOff) {
    const char *seen = "As you explore the wilderness a settlement comes into view up ahead!";
    const struct {
        uint8_t disable_notes;
        bool shown, waits;
    } rows[] = {{0, true, true}, {1, false, false}, {2, true, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << "notes disabled " << (int)row.disable_notes);
        oxatest::reset_loader_tables();   // loaded afresh: the village not seen yet
        start();
        var_clear();
        LOADER_RUN = 0;
        DISABLE_MORECHECK = 0;   // as the turn loop leaves it after every command
        const size_t logged = notes().size();
        DISABLE_NOTES = row.disable_notes;
        press(SDLK_x);   // a key that is not the prompt's, then the prompt's
        press(SDLK_SPACE);
        ASSERT_EQ(turn_answer(), 1);
        DISABLE_NOTES = 0;
        EXPECT_EQ(notes().find(seen, logged) != std::string::npos, row.shown) << notes().substr(logged);
        EXPECT_EQ(kbhit(), row.waits ? 0 : 1) << "the keys were taken by the wait";
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
}

TEST_F(ReadyMadePlay, SkillsKeyForecastsTheWeatherAndWeaponSkillsExplainThemselves) {
    start();
    keys({SDLK_s, SDLK_l});   // weather lore's own key
    EXPECT_TRUE(noted("Using: WEATHERLORE")) << notes();
    EXPECT_TRUE(noted("You attempt to predict the weather...")) << notes();
    EXPECT_TRUE(noted("That's how you think the weather will be like.")) << notes();
    keys({SDLK_s, SDLK_PAGEDOWN, SDLK_RETURN});   // the last row: unarmed, a combat skill
    EXPECT_TRUE(noted("That skill is used by wielding its weapon")) << notes();
    // Hide work, by its key, opens its work menu.
    note_lines_since_pause = 0;
    oxatest::push_text("i");
    oxatest::push_key(SDLK_ESCAPE);
    command_dispatch(SDLK_s, 0, 0);
    EXPECT_TRUE(noted("Using: HIDEWORKING")) << notes();
}

TEST_F(ReadyMadePlay, DrinkingFromHerCup) {
    start();
    Plr.thirst = 1000;
    keys({SDLK_q, SDLK_a});
    EXPECT_TRUE(noted("You drink.")) << notes();
    EXPECT_EQ(Plr.thirst, 0);
}

// Her key on the skills screen: the screen lists the skills in slot order from "a".
// The skill's own key on the skills screen; Esc when she has no such skill.
static SDL_Keycode skill_key(const char *name) {
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], name, PLR_SKILLNAME) == 0) return (SDL_Keycode)SkillDATA(-1, name, SKD_KEY);
    return SDLK_ESCAPE;
}

static int pack_slot_named(const char *name) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && strcmp(ObjToItem(Plr.inv_obj[s]).name, name) == 0) return s;
    return -1;
}

// The pieces lying on her square in pool records of the type whose item has the name.
static int lying_here(int type, const char *name) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == type && Data[i].x == PlayerX && Data[i].y == PlayerY &&
            strcmp(ObjToItem((int)Data[i].id).name, name) == 0)
            n += Data[i].count;
    return n;
}

TEST_F(ReadyMadePlay, CookingByTheFireAndFishSpoilingInHerPackDaysLater) {
    start();
    oxatest::down_to_her_field();   // her fire burns a step north of her there
    oxatest::Pick pick;
    const char cookery = (char)skill_key("COOKERY");
    ASSERT_NE(cookery, (char)SDLK_ESCAPE);
    // The skills key, then the typed answers of the skills screen, the cooking menus and the check of
    // what she has at hand (space goes on); the things she picks on the item screen by name.
    auto cook = [&](const char *answers, std::initializer_list<const char *> picks) {
        note_lines_since_pause = 0;
        for (const char *p : picks) oxatest::Pick::names().push_back(p);
        const char first[2] = {cookery, 0};
        oxatest::push_text(first);
        for (const char *a = answers; *a; a++) {
            const char one[2] = {*a, 0};
            if (*a == ' ') oxatest::push_key(SDLK_SPACE);
            else oxatest::push_text(one);
        }
        command_dispatch(SDLK_s, 0, 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);   // an answer no question took is dropped
        oxatest::Pick::names().clear();
    };
    cook("F2 n", {});  // fish on a plank, from the perch, cooked at once
    EXPECT_TRUE(noted("You cooked")) << notes();
    EXPECT_EQ(lying_here(DT_ITEM, "Fish on a plank"), 1) << notes();
    EXPECT_EQ(Komentohistoria, 122);
    // She takes the fish on its plank with her.
    note_lines_since_pause = 0;
    oxatest::push_key(oxatest::ground_letter(PlayerX, PlayerY, "Fish on a plank"));
    oxatest::push_key(SDLK_RETURN);
    command_dispatch('g', 0, 0);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    ASSERT_GE(pack_slot_named("Fish on a plank"), 0) << notes();

    // Roasting and boiling leave the food by the fire until it is done; salted meat matures for days.
    cook("R n", {"Roach"});
    EXPECT_EQ(lying_here(DT_WORK, "roasted roach"), 1) << notes();
    EXPECT_TRUE(noted("roasted roach to be prepared")) << notes();
    cook("B n", {"Pike", "Water", "Pot"});
    EXPECT_EQ(lying_here(DT_WORK, "boiled pike"), 1) << "in the pot by the fire: " << notes();
    EXPECT_EQ(pack_slot_named("Pot"), -1);
    cook("S n", {"elk cut", "Salt"});
    EXPECT_TRUE(noted("complete after 5 days.")) << notes();

    // Days later the fish spoils where it lies in her pack, with one note.
    const int fish = pack_slot_named("Fish on a plank");
    ASSERT_GE(fish, 0);
    int foul_days = 0;
    for (int d = 0; d < 8; d++) {
        const size_t before = notes().size();
        daily_maintenance();
        const std::string day = notes().substr(before);
        const size_t first = day.find("Something in your pack is smelling foul!");
        if (first == std::string::npos) continue;
        foul_days++;
        EXPECT_EQ(first, day.rfind("Something in your pack is smelling foul!")) << "one note a day: " << day;
    }
    EXPECT_GE(foul_days, 1);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[fish]).spoil, SPOIL_SPOILED) << "still in its slot";
}

}  // namespace
