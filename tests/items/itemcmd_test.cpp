// The item commands through their keys and screens: dropping several rows, picking up with a count,
// plants before items, heavy things on a neighbouring square, examining, teeth from a skull, and the
// skis and one-hand tests.
#include "items/invsel_fixture.h"

#include "items/plantlife.h"
#include "game/command.h"
#include "items/itemdefs.h"
#include "items/items_test.h"
#include "items/wearing.h"
#include "creatures/melee.h"

namespace {

using oxatest::InvTest;
using oxatest::push_key;

class ItemCommands : public InvTest {};

TEST_F(ItemCommands, DroppingThreeRowsDropsThemInOrderAndLeavesNoGap) {
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_TOOL, "Rope"));
    give(thing(IT_WEAPON, "Knife"));
    give(thing(IT_CONTAINER, "Bowl"));
    // Rows by type: Knife a, Bowl b, Rope c, Rye bread d. Drop the knife, the rope and the bread.
    keys({SDLK_a, SDLK_c, SDLK_d, SDLK_SPACE});
    command_dispatch('d', 0, 0);
    EXPECT_EQ(ground(PlayerX, PlayerY), "Knife x1; Rope x1; Rye bread x1; ");
    EXPECT_EQ(carried(), "Bowl x1; ");
    EXPECT_NE(Plr.inv_obj[0], 0);
    EXPECT_EQ(Plr.inv_obj[1], 0);
    EXPECT_TRUE(noted("You drop a knife.")) << notes();
    EXPECT_EQ(TurnUsed, 1);
}

TEST_F(ItemCommands, PickingUpPartOfAStackTakesTheChosenCount) {
    lay(thing(IT_WEAPON, "Arrow", 0.1f), 5, PlayerX, PlayerY);
    lay(thing(IT_TOOL, "Rope"), 1, PlayerX, PlayerY);
    keys({SDLK_a, SDLK_2, SDLK_SPACE});
    command_dispatch('g', 0, 0);
    EXPECT_EQ(carried(), "Arrow x2; ");
    EXPECT_EQ(ground(PlayerX, PlayerY), "Arrow x3; Rope x1; ");
    EXPECT_TRUE(noted("You pick up 2 arrows.")) << notes();

    // Shift+Enter takes the whole stack.
    push_key(SDLK_RETURN, KMOD_LSHIFT);
    keys({SDLK_SPACE});
    pickupCmd(PlayerX, PlayerY, 0);
    EXPECT_EQ(carried(), "Arrow x5; ");
    EXPECT_EQ(ground(PlayerX, PlayerY), "Rope x1; ");
}

TEST_F(ItemCommands, NothingToPickUpSaysSo) {
    pickupCmd(PlayerX, PlayerY, 0);
    EXPECT_TRUE(noted("There is nothing here you could pick up.")) << notes();
    EXPECT_EQ(TurnUsed, 0);
}

TEST_F(ItemCommands, ARipePlantIsHarvestedFirstWithoutAskingAndTheItemsStay) {
    lay(thing(IT_FOOD, "Rye bread"), 1, PlayerX, PlayerY);
    const int berries = Esineesta_Uniikki(thing(IT_PLANT, "Lingonberry", 0.01f, OID_BERRY));
    Data[20].type = DT_PLANT;
    Data[20].x = (uint16_t)PlayerX;
    Data[20].y = (uint16_t)PlayerY;
    Data[20].id = (uint32_t)berries;
    Data[20].count = 12;
    Data[20].flags = PLANT_RIPE;
    pickupCmd(PlayerX, PlayerY, 0);
    EXPECT_FALSE(noted("Pick the plants for harvest?")) << notes();
    EXPECT_EQ(carried(), "Lingonberry berry x12; ");
    EXPECT_EQ(ground(PlayerX, PlayerY), "Rye bread x1; ") << "the item list was not opened";

    // Asked to ask first: no goes straight on to the items.
    Data[21] = Data[20];
    Data[21].type = DT_PLANT;
    keys({SDLK_n, SDLK_a});
    pickupCmd(PlayerX, PlayerY, PICK_ASK_HARVEST);
    EXPECT_EQ(carried(), "Lingonberry berry x12; Rye bread x1; ");
    EXPECT_EQ(Data[21].type, DT_PLANT) << "the plant was left";
}

TEST_F(ItemCommands, AHeavyThingOnANeighbouringSquareOffersToPullIt) {
    lay(thing(IT_TIMBER, "Log", 900.0f), 1, PlayerX + 1, PlayerY);
    keys({SDLK_n});
    pickupCmd(PlayerX + 1, PlayerY, 0);
    EXPECT_TRUE(noted("can be pulled to your location")) << notes();
    EXPECT_EQ(ground(PlayerX + 1, PlayerY), "Log x1; ");
    EXPECT_EQ(carried(), "");
}

TEST_F(ItemCommands, PickingFromADirectionTakesFromThatSquare) {
    lay(thing(IT_TOOL, "Rope"), 1, PlayerX, PlayerY - 1);
    keys({SDLK_UP});
    command_dispatch('G', 0, 0);
    EXPECT_EQ(carried(), "Rope x1; ");
    EXPECT_EQ(ground(PlayerX, PlayerY - 1), "");
}

// A companion keeps what he has claimed for himself: it is listed but cannot be picked from him.
TEST_F(ItemCommands, PickingFromACompanionLeavesWhatHeClaimed) {
    creature(306, 6, PlayerX, PlayerY - 1);
    Cre[6].kind = CK_HUMAN;
    Cre[6].partyflags = 256;
    ItemStruct claimed = thing(IT_TOOL, "Rope");
    claimed.ownerflags = OWN_CLAIM;
    Cre[6].pack[0] = Esineesta_Uniikki(claimed);
    Cre[6].packcount[0] = 1;
    Cre[6].pack[1] = Esineesta_Uniikki(thing(IT_TOOL, "Cord"));
    Cre[6].packcount[1] = 1;
    keys({SDLK_UP, SDLK_a, SDLK_b, SDLK_SPACE});
    command_dispatch('G', 0, 0);
    EXPECT_TRUE(noted("You can't pick that.")) << notes();
    EXPECT_EQ(carried(), "Cord x1; ");
    EXPECT_EQ(Cre[6].packcount[0], 1) << "the rope stays his";
}

TEST_F(ItemCommands, TheInventoryExaminesAWeaponAndRefusesFood) {
    ItemStruct knife = thing(IT_WEAPON, "Knife", 0.5f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    knife.adclass = (uint8_t)Aseta_ADClass(3, 2);
    give(knife);
    give(thing(IT_FOOD, "Rye bread"));
    keys({SDLK_a, SDLK_SPACE, SDLK_b, SDLK_ESCAPE});
    command_dispatch('i', 0, 0);
    EXPECT_TRUE(noted("used with the skill KNIFE")) << notes();
    EXPECT_TRUE(noted("Attack class 3, defence class 2")) << notes();
    EXPECT_TRUE(noted("Only weapons, armours and clothes can be examined.")) << notes();
    EXPECT_EQ(TurnUsed, 0);
}

TEST_F(ItemCommands, TeethComeOutOfASkullOnlyWithTheTimeSpent) {
    ItemStruct knife = thing(IT_WEAPON, "Knife");
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(knife);
    ItemStruct skull = thing(IT_VALUABLE, "Wolf skull", 2.0f, 407);
    SET_ITEM_TEXT(skull.skill, "wolf");
    skull.cover[0] = 4;
    const int slot = give(skull);
    const int minutes = (int)Plr.minutes;
    oxatest::push_key(SDLK_SPACE);   // the knife found for the cutting: go on
    applySkull_teeth(slot);
    EXPECT_EQ(held(slot).cover[0], 0);
    EXPECT_NE(carried().find("wolf tooth x4"), std::string::npos) << carried();
    EXPECT_GE((int)Plr.minutes - minutes, 3);
    EXPECT_TRUE(noted("You got")) << notes();

    applySkull_teeth(slot);
    EXPECT_TRUE(noted("This Wolf skull has no teeth to remove.")) << notes();
}

TEST_F(ItemCommands, AnInterruptedRemovalLeavesTheTeethInTheSkull) {
    ItemStruct knife = thing(IT_WEAPON, "Knife");
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(knife);
    ItemStruct skull = thing(IT_VALUABLE, "Wolf skull", 2.0f, 407);
    SET_ITEM_TEXT(skull.skill, "wolf");
    skull.cover[0] = 4;
    const int slot = give(skull);
    ui.choices.yes_no_esc = [](const char *) { return 1; };
    keys({SDLK_SPACE, SDLK_ESCAPE});   // go on with the knife, then stop the work
    applySkull_teeth(slot);
    EXPECT_EQ(held(slot).cover[0], 4);
    EXPECT_EQ(carried(), "Knife x1; Wolf skull x1; ");
}

TEST_F(ItemCommands, ASkullKeepsItsTeethWithoutACuttingTool) {
    ItemStruct skull = thing(IT_VALUABLE, "Wolf skull", 2.0f, 407);
    SET_ITEM_TEXT(skull.skill, "wolf");
    skull.cover[0] = 4;
    const int slot = give(skull);
    applySkull_teeth(slot);
    EXPECT_EQ(held(slot).cover[0], 4);
    EXPECT_EQ(carried(), "Wolf skull x1; ");
}

TEST_F(ItemCommands, SkisInUseAreThePlayersOnly) {
    EXPECT_EQ(skisequipped(5), CRE_NONE);
    EXPECT_EQ(skisequipped(CRE_PLAYER), 0);
    ItemStruct skis = thing(IT_TOOL, "Skis", 6.0f);
    skis.subtype = ST_SKIS;
    const int slot = give(skis);
    EXPECT_EQ(skisequipped(CRE_PLAYER), 0) << "carried, not in use";
    held(slot).state = 1;
    EXPECT_EQ(skisequipped(CRE_PLAYER), Plr.inv_obj[slot]);
}

TEST_F(ItemCommands, TheOneHandPenaltyAppliesOnlyWhenTheOtherHandCannotHelp) {
    ItemStruct axe = thing(IT_WEAPON, "Broad axe", 6.0f);
    set_one_hand_penalty(axe, 20);
    EXPECT_EQ(onehanded_pen(axe), 20);
    ItemStruct shirt = thing(IT_ARMOUR, "Shirt");
    set_one_hand_penalty(shirt, 20);
    EXPECT_EQ(onehanded_pen(shirt), 0) << "only weapons carry one";
    EXPECT_EQ(wp_handpenalty(CRE_PLAYER, axe, 1), 0) << "held in both hands";
    ItemStruct knife = thing(IT_WEAPON, "Knife");
    knife.status = ISTAT_SECOND;
    axe.status = ISTAT_PRIMARY;
    give(axe);
    give(knife);
    EXPECT_EQ(wp_handpenalty(CRE_PLAYER, axe, 1), 20) << "the other hand holds a knife";
}

}  // namespace
