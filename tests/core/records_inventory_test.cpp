// The player's inventory slots, wielded weapons and skill lookups.
#include "core/records_fixture.h"
#include "items/inventory.h"
#include "items/wearing.h"
#include "activities/itemcmd.h"

using namespace oxatest;

namespace {

// Slot s holds stored object `obj` with `count`.
void put(int s, int obj, int count) {
    Plr.inv_obj[s] = obj;
    Plr.inv_count[s] = count;
}

int stored_item(const char *name, int type = IT_TOOL, const char *skill = "tuntematon") {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = (uint8_t)type;
    copy_bounded(it.name, sizeof it.name, name);
    copy_bounded(it.skill, sizeof it.skill, skill);
    return Esineesta_Uniikki(it);
}

}  // namespace

using InventorySlots = RecordsTest;

TEST_F(InventorySlots, AddingFillsSlotsAndMergesStacks) {
    int rope = stored_item("Rope");
    int rope2 = stored_item("Rope");                // an equal item under another number
    AddItem(rope, 2, 0);
    EXPECT_EQ(Plr.inv_obj[0], rope);
    AddItem(rope, 3, 0);                            // the same number joins its slot
    EXPECT_EQ(Plr.inv_count[0], 5);
    AddItem(rope2, 1, 0);                           // mode 0 does not look for equal items
    EXPECT_EQ(Plr.inv_obj[1], rope2);
    AddItem(rope2, 4, 1);                           // mode 1 does: the first equal slot
    EXPECT_EQ(Plr.inv_count[0], 9);
    EXPECT_EQ(CheckIfSame(rope2), 0);

    put(1, 0, 0);
    define(30, IT_TOOL, "Rope").weight = 0;
    ConstantObj[30].fullweight = 0;
    AddNewItem(30, 1);                              // a definition equal to a carried item
    EXPECT_EQ(Plr.inv_count[0], 10);
    define(31, IT_TOOL, "Axe");
    AddNewItem(31, 1);                              // a new one becomes a stored object
    EXPECT_GE(Plr.inv_obj[1], OBJ_PLAYER_FIRST);
    EXPECT_STREQ(PlayerObj[Plr.inv_obj[1] - OBJ_PLAYER_FIRST].name, "Axe");
}

TEST_F(InventorySlots, OverloadPutsItemsOnTheGround) {
    define(5, IT_TOOL, "Stone");
    for (int s = 0; s <= PLR_OVERLOAD_SLOT; s++) put(s, 5, 1);
    AddItem(5, 3, 0);
    EXPECT_EQ(Plr.inv_count[0], 1);
    EXPECT_EQ(Data[0].type, DT_ITEM);
    EXPECT_EQ(Data[0].count, 3);
    EXPECT_EQ(Data[0].x, PlayerX);
    EXPECT_EQ(Lisaa_Inventoryyn(5, 2, 0, -1), 99);
    EXPECT_EQ(Data[0].count, 5);
    EXPECT_EQ(Plr.inv_obj[91], 0);
}

TEST_F(InventorySlots, InsertingMovesLaterSlotsBackWithoutLosingAny) {
    for (int s = 0; s < 5; s++) put(s, 100 + s, 1);
    EXPECT_EQ(Lisaa_Inventoryyn(7, 2, 0, 2), 2);
    const int expect[] = {100, 101, 7, 102, 103, 104};
    for (int s = 0; s < 6; s++) EXPECT_EQ(Plr.inv_obj[s], expect[s]) << s;

    // Slots 98 and 99 in use (and slot 90 free): the insertion takes the first empty slot
    // instead of pushing slot 97 over slot 98.
    put(98, 198, 1);
    put(99, 199, 1);
    EXPECT_EQ(Lisaa_Inventoryyn(8, 1, 0, 1), 6);
    EXPECT_EQ(Plr.inv_obj[1], 101);
    EXPECT_EQ(Plr.inv_obj[98], 198);
    EXPECT_EQ(Plr.inv_obj[99], 199);

    // Places outside the slots never write past the last one.
    put(98, 0, 0);
    EXPECT_EQ(Lisaa_Inventoryyn(9, 1, 0, 99), 7);
    EXPECT_EQ(Plr.inv_obj[99], 199);
    EXPECT_EQ(Lisaa_Inventoryyn(10, 1, 0, 150), 8);
    EXPECT_EQ(Plr.inv_obj[99], 199);

    // Mode 2 adds to a slot holding the same number rather than the target.
    EXPECT_EQ(Lisaa_Inventoryyn(101, 5, 2, -1), 1);
    EXPECT_EQ(Plr.inv_count[1], 6);
}

TEST_F(InventorySlots, UniqueSlotSplitsOffTheRest) {
    define(6, IT_WEAPON, "Arrow");
    put(0, 300, 1);
    put(1, 6, 5);
    put(2, 301, 1);
    Slotista_Uniikki(1);
    EXPECT_EQ(Plr.inv_count[1], 1);
    EXPECT_GE(Plr.inv_obj[1], OBJ_PLAYER_FIRST);
    EXPECT_EQ(Plr.inv_count[2], 4);
    EXPECT_EQ(Plr.inv_obj[3], 301);                 // later slots moved one place back
    EXPECT_NE(Plr.inv_obj[1], Plr.inv_obj[2]);
    EXPECT_STREQ(PlayerObj[Plr.inv_obj[1] - OBJ_PLAYER_FIRST].name, "Arrow");
}

TEST_F(InventorySlots, MergingEqualSlots) {
    int a = stored_item("Fish", IT_FOOD), b = stored_item("Fish", IT_FOOD), c = stored_item("Eel", IT_FOOD);
    put(0, c, 1);
    put(2, a, 2);
    put(5, b, 3);
    put(7, a, 1);
    Yhdista_Slottiin(2);
    EXPECT_EQ(Plr.inv_count[2], 6);
    EXPECT_EQ(Plr.inv_obj[5], 0);
    EXPECT_EQ(Plr.inv_obj[7], 0);
    EXPECT_EQ(Plr.inv_count[0], 1);
}

TEST_F(InventorySlots, DroppingUnwieldsAndPlacesTheItem) {
    int sword = stored_item("Sword", IT_WEAPON, "SWORD");
    StatusSet(sword - OBJ_PLAYER_FIRST, ISTAT_PRIMARY);
    EXPECT_EQ(DropItem(1, sword, 240, 241), 1);
    EXPECT_EQ(Status(sword - OBJ_PLAYER_FIRST, ISTAT_PRIMARY | ISTAT_SECOND), 0);
    EXPECT_EQ(Data[0].id, (uint32_t)sword);
    EXPECT_EQ(Data[0].x, 240);
}

TEST_F(InventorySlots, WearingArmourOnce) {
    int shirt = stored_item("Shirt", IT_ARMOUR);
    int socks = stored_item("Socks", IT_ARMOUR);
    put(0, shirt, 1);
    put(1, socks, 2);                               // a pair of stacks is not worn
    wear_armours();
    wear_armours();
    EXPECT_EQ(PlayerObj[shirt - OBJ_PLAYER_FIRST].status, ISTAT_WORN);
    EXPECT_EQ(PlayerObj[socks - OBJ_PLAYER_FIRST].status, 0);
}

TEST_F(InventorySlots, ExchangingWeapons) {
    oxatest::TempDir dir;   // the exchange's notes redraw the sight, which reads the line table
    dir.copy_asset("linedist.arr");
    int sword = stored_item("Sword", IT_WEAPON, "SWORD");
    int shield = stored_item("Shield", IT_ARMOUR, "SHIELD");
    put(0, sword, 1);
    put(1, shield, 1);
    StatusSet(sword - OBJ_PLAYER_FIRST, ISTAT_PRIMARY);
    StatusSet(shield - OBJ_PLAYER_FIRST, ISTAT_SECOND | ISTAT_WORN);
    Exchange();
    EXPECT_EQ(PlayerObj[sword - OBJ_PLAYER_FIRST].status, ISTAT_SECOND);
    EXPECT_EQ(PlayerObj[shield - OBJ_PLAYER_FIRST].status, ISTAT_PRIMARY | ISTAT_WORN);
    EXPECT_EQ(TurnUsed, 1);                         // a shield takes the turn

    TurnUsed = 0;
    int k1 = stored_item("Knife", IT_WEAPON, "KNIFE"), k2 = stored_item("Knife2", IT_WEAPON, "KNIFE");
    put(0, k1, 1);
    put(1, k2, 1);
    StatusSet(k1 - OBJ_PLAYER_FIRST, ISTAT_PRIMARY);
    Exchange();                                     // one knife in hand: it moves to the other
    EXPECT_EQ(PlayerObj[k1 - OBJ_PLAYER_FIRST].status, ISTAT_SECOND);
    EXPECT_EQ(PlayerObj[k2 - OBJ_PLAYER_FIRST].status, 0);
    EXPECT_EQ(TurnUsed, 0);

    StatusUnset(k1 - OBJ_PLAYER_FIRST, ISTAT_SECOND);
    Exchange();                                     // nothing in hand: nothing changes
    EXPECT_EQ(PlayerObj[k1 - OBJ_PLAYER_FIRST].status, 0);
}

TEST_F(InventorySlots, SkillLookups) {
    copy_bounded(Plr.skill_name[0], PLR_SKILLNAME, "SWIMMING");
    copy_bounded(Plr.skill_name[3], PLR_SKILLNAME, "TRACKING");
    copy_bounded(Plr.skill_name[4], PLR_SKILLNAME, "TRACK");
    memcpy(Plr.skill_name[5], "TIMBERCRAFTS", PLR_SKILLNAME);   // a full name without terminator
    Plr.skill_level[3] = 40;
    Plr.skill_level[4] = 70;
    Plr.skill_level[5] = 33;
    EXPECT_EQ(plr_ML("TRACK"), 40);
    EXPECT_EQ(plr_ML("CRAFT"), 33);
    EXPECT_EQ(plr_ML("SAILING"), 1000);

    set_ML("TRACK", 55);
    EXPECT_EQ(Plr.skill_level[3], 55);
    EXPECT_EQ(Plr.skill_level[4], 55);
    impro("TRACK");                                 // only the exact name, only below 80
    EXPECT_EQ(Plr.skill_level[3], 55);
    EXPECT_EQ(Plr.skill_level[4], 75);
    impro("TRACK");
    EXPECT_EQ(Plr.skill_level[4], 95);
    impro("TRACK");
    EXPECT_EQ(Plr.skill_level[4], 95);
}
