// tests/activities/aino_body_play_test.cpp -- the ready-made character's body through her keys: a
// pot dish eaten to the end and a cup drunk dry give their vessels back, and the sleep key lets her
// sleep the night through although she is hungry.
#include "core/loader_fixture.h"

#include "items/containers.h"
#include "creatures/bodyrec.h"
#include "core/weatherengine.h"
#include "creatures/physical.h"
#include "items/inventory.h"
#include "presentation/input_feeder.h"

#include <fstream>
#include <sstream>

namespace {

class AinoBody : public oxatest::PlayingTest {
protected:
    static int slot_named(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(ObjToItem(Plr.inv_obj[s]).name, name) == 0) return s;
        return -1;
    }
    // Her key for the slot on a menu of the pack's items of one type, lettered from "a".
    static SDL_Keycode letter_of(int slot, int type) {
        int k = 0;
        for (int s = 0; s < slot; s++)
            if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == type) k++;
        return (SDL_Keycode)('a' + k);
    }
    static void hungry() {
        Plr.stomach = 0;
        Plr.energy = 400;
    }
};

TEST_F(AinoBody, APotDishEatenToTheEndLeavesThePotAndACupDrunkDryTheCup) {
    // Her pike boiled in her pot, carried as what the pot holds.
    const int pike = slot_named("Pike"), pot = slot_named("Pot");
    ASSERT_GE(pike, 0);
    ASSERT_GE(pot, 0);
    const int pot_obj = Plr.inv_obj[pot];
    Sailioi(Plr.inv_obj[pike], pot_obj, 0, 0);
    Poista_PlrItem(pot, 1);
    CrunchItems();
    ASSERT_EQ(slot_named("Pot"), -1);
    const int dish = slot_named("Pike");
    ASSERT_GE(dish, 0);
    ASSERT_EQ(ObjToItem(Plr.inv_obj[dish]).vessel, (uint32_t)pot_obj);

    // A hungry meal takes most of the three pounds and fills her; a second, with a pound more of
    // appetite, takes the rest. No key follows the choice: a key pressed while she eats stops her.
    hungry();
    command({SDLK_e, letter_of(dish, IT_FOOD)});
    ASSERT_EQ(slot_named("Pike"), dish) << notes();
    EXPECT_NE(notes().find("You eat some of the pike."), std::string::npos) << notes();
    hungry();
    Plr.stomach = 250;
    Plr.body_effects |= 8u;
    command({SDLK_e, letter_of(dish, IT_FOOD)});
    EXPECT_NE(notes().find("You eat the pike."), std::string::npos) << notes();
    EXPECT_EQ(slot_named("Pike"), -1) << notes();
    const int back = slot_named("Pot");
    ASSERT_GE(back, 0) << "the empty pot is in her pack: " << notes();
    EXPECT_EQ(back, dish) << "in the dish's slot";
    EXPECT_EQ(ObjToItem(Plr.inv_obj[back]).vessel, 0u);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[back]).type, IT_CONTAINER);
    EXPECT_NE(notes().find("The pot is empty now."), std::string::npos);

    // Her cup of water, drunk dry.
    const int water = slot_named("Water");
    ASSERT_GE(water, 0);
    Plr.thirst = 5000;
    command({SDLK_q, letter_of(water, IT_CONTAINER)});
    EXPECT_NE(notes().find("You gulp down a good drink."), std::string::npos) << notes();
    EXPECT_EQ(slot_named("Water"), -1) << "no weightless water is left behind";
    EXPECT_EQ(slot_named("Wooden cup"), water);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[water]).vessel, 0u);
}

// The sleep key sleeps as she lies down for the night: hunger does not wake her after two hours as it
// wakes one who dozed off.
TEST_F(AinoBody, TheSleepKeySleepsTheNightThroughThoughSheIsHungry) {
    hungry();
    ASSERT_GT(nalantunne(-1), 200);
    Plr.thirst = 100;
    plr_set<int32_t>(PB_SLEEPINESS, 2500);   // tired enough to sleep through rain or snow
    GlobWeather.intensity = 0;
    const uint32_t before = Plr.minutes;
    oxatest::KeyFeeder typing;
    typing.text("Z").key(SDLK_SPACE);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    EXPECT_EQ(notes().find("You wake up hungry."), std::string::npos) << notes();
    EXPECT_GT(Plr.minutes - before, 120u) << "past the two hours of a doze: " << notes();
}

}  // namespace
