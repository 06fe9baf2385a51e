// Wearing, taking off and wielding through their keys: the dressing time, the hands chosen, the
// quick keys of the wield and take-off lists, and what the lists refuse.
#include "items/invsel_fixture.h"

#include "game/command.h"
#include "creatures/bodyrec.h"
#include "creatures/wounds.h"
#include "items/wearing.h"

namespace {

using oxatest::InvTest;

class WearCommands : public InvTest {
protected:
    static bool worn(int slot) { return (held(slot).status & ISTAT_WORN) != 0; }
};

TEST_F(WearCommands, WearingAndTakingOffAShirtSpendTheDressingTime) {
    const int shirt = give(thing(IT_ARMOUR, "Linen shirt", 1.0f));
    const int before = seconds_of_game();
    oxatest::push_key(SDLK_a);
    command_dispatch('W', 0, 0);
    ASSERT_TRUE(worn(shirt)) << notes();
    EXPECT_GE(seconds_of_game() - before, 10) << "a piece of a pound takes ten seconds";

    const int worn_at = seconds_of_game();
    oxatest::push_key(SDLK_a);
    command_dispatch('T', 0, 0);
    EXPECT_FALSE(worn(shirt)) << notes();
    EXPECT_GE(seconds_of_game() - worn_at, 10);

    // Nothing to wear: says so.
    Plr.inv_obj[shirt] = 0;
    give(thing(IT_FOOD, "Rye bread"));
    command_dispatch('W', 0, 0);
    EXPECT_TRUE(noted("You have no")) << notes();
}

TEST_F(WearCommands, ALikePieceAlreadyWornIsRefusedInTheWearList) {
    ItemStruct shirt = thing(IT_ARMOUR, "Linen shirt");
    shirt.status = ISTAT_WORN;
    give(shirt);
    const int second = give(thing(IT_ARMOUR, "Linen shirt"));
    give(thing(IT_ARMOUR, "Woollen trousers"));
    // Rows: the worn shirt, the second shirt, the trousers. The second shirt is refused.
    keys({SDLK_b, SDLK_ESCAPE});
    command_dispatch('W', 0, 0);
    EXPECT_FALSE(worn(second));
    EXPECT_TRUE(noted("You are already wearing the linen shirt.")) << notes();
}

TEST_F(WearCommands, WieldingFillsTheMainHandThenTheSecondThenSwapsTheSecond) {
    const int knife = give(thing(IT_WEAPON, "Knife"));
    const int axe = give(thing(IT_WEAPON, "Axe"));
    const int club = give(thing(IT_WEAPON, "Club"));
    oxatest::push_key(SDLK_a);
    command_dispatch('w', 0, 0);
    EXPECT_EQ(wielding(1), knife);
    oxatest::push_key(SDLK_b);
    command_dispatch('w', 0, 0);
    EXPECT_EQ(wielding(2), axe);
    oxatest::push_key(SDLK_c);
    command_dispatch('w', 0, 0);
    EXPECT_EQ(wielding(1), knife);
    EXPECT_EQ(wielding(2), club) << "the second hand's axe was taken off for the club";
    EXPECT_EQ(held(axe).status & (ISTAT_PRIMARY | ISTAT_SECOND), 0);

    oxatest::push_key(SDLK_a);
    command_dispatch('w', 0, 0);
    EXPECT_TRUE(noted("You are already wielding that!")) << notes();
}

TEST_F(WearCommands, QuickKeysOfTheListsEmptyTheHands) {
    ItemStruct knife = thing(IT_WEAPON, "Knife");
    knife.status = ISTAT_PRIMARY;
    ItemStruct axe = thing(IT_WEAPON, "Axe");
    axe.status = ISTAT_SECOND;
    give(knife);
    give(axe);
    give(thing(IT_FOOD, "Rye bread"));
    oxatest::push_text("-");
    command_dispatch('w', 0, 0);
    EXPECT_EQ(wieldcount(CRE_PLAYER), 0);
    EXPECT_EQ(TurnUsed, 1);

    wieldCmd(0, 0);
    wieldCmd(1, 0);
    ASSERT_EQ(wieldcount(CRE_PLAYER), 2);
    oxatest::push_key(SDLK_2);
    command_dispatch('T', 0, 0);
    EXPECT_EQ(wielding(2), 1000);
    EXPECT_LT(wielding(1), 1000);

    // The take-off list refuses what is neither worn nor held.
    keys({SDLK_c, SDLK_ESCAPE});
    command_dispatch('T', 0, 0);
    EXPECT_TRUE(noted("You are neither wearing nor holding that.")) << notes();
}

TEST_F(WearCommands, PickingUpWithControlWieldsAWeaponButNotAnArrow) {
    lay(thing(IT_WEAPON, "Axe", 3.0f), 1, PlayerX, PlayerY);
    pickupCmd(PlayerX, PlayerY, PICK_WIELD);
    EXPECT_LT(wielding(1), 1000) << notes();
    ItemStruct arrow = thing(IT_WEAPON, "Arrow", 0.1f);
    arrow.subtype = ST_ARROW;
    lay(arrow, 4, PlayerX, PlayerY);
    oxatest::push_key(SDLK_RETURN, KMOD_LSHIFT);
    pickupCmd(PlayerX, PlayerY, PICK_WIELD);
    EXPECT_EQ(wielding(2), 1000);
    EXPECT_NE(carried().find("Arrow x4"), std::string::npos) << carried();
}

// A crushed right hand: the weapon goes to the left hand, and what the left held comes off first.
TEST_F(WearCommands, WieldingWithTheFirstHandPastUseTakesTheSecond) {
    plr_bytes(PB_ENDURANCE)[0] = 12;
    WoundSlot w{(uint8_t)WK_BLUNT, 3, (uint8_t)BP_HAND, 18, 0, 1, 0};
    wound_put(-1, 0, w);
    ItemStruct axe = thing(IT_WEAPON, "Axe");
    axe.status = ISTAT_SECOND;
    const int held_axe = give(axe);
    const int knife = give(thing(IT_WEAPON, "Knife"));
    oxatest::push_key(SDLK_b);
    command_dispatch('w', 0, 0);
    EXPECT_EQ(wielding(2), knife) << notes();
    EXPECT_EQ(wielding(1), 1000) << "the crushed hand holds nothing";
    EXPECT_EQ(held(held_axe).status & (ISTAT_PRIMARY | ISTAT_SECOND), 0) << "the axe was taken off";
    EXPECT_TRUE(noted("injur")) << notes();
    wound_put(-1, 0, WoundSlot{});
}

}  // namespace
