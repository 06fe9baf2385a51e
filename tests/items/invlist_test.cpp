// The list rows: filling from a square and an inventory, grouping by the type order, the filters,
// the page with its "none available" blocks, and the row limit.
#include "items/invsel_fixture.h"

#include "core/config.h"

namespace {

using oxatest::InvTest;

class InvList : public InvTest {
protected:
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (const InvDataStruct &r : InvData)
            if (r.pos) out.push_back(name_at(r));
        return out;
    }
};

TEST_F(InvList, CarcassComesAfterEveryOtherTypeWhateverTheRecordOrder) {
    Cre[7].kind = 3;
    Cre[7].socialid = 1234;
    Data[50].type = DT_CARCASS;
    Data[50].x = Data[50].y = 230;
    Data[50].id = CRE_DATAID + 7;
    Data[50].count = 1;
    lay(thing(IT_FOOD, "Rye bread"), 2, 230, 230, 60);
    lay(thing(IT_WEAPON, "Knife"), 1, 230, 230, 70);
    lay(thing(IT_FOOD, "Pike"), 1, 231, 230, 80);   // another square
    ASSERT_EQ(InvGet_data(230, 230), 3);
    EXPECT_EQ(doInvList(0, 0), 3);
    ASSERT_EQ(listed().size(), 3u);
    EXPECT_EQ(listed()[0], "Knife");
    EXPECT_EQ(listed()[1], "Rye bread");
    EXPECT_EQ(InvData[2].kind, INV_KIND_CARCASS);
    EXPECT_EQ(ObjToItem(InvData[2].pos).type, IT_CARCASS);
    EXPECT_EQ(InvData[2].index, 50);
    EXPECT_EQ(InvData[1].count, 2);
}

TEST_F(InvList, UnpaidFilterKeepsOnlyUnpaidOrTakenGoodsGroupedByTheirTypes) {
    ItemStruct bread = thing(IT_FOOD, "Rye bread"), axe = thing(IT_WEAPON, "Axe"), rope = thing(IT_TOOL, "Rope");
    bread.ownersoc = axe.ownersoc = rope.ownersoc = 5;
    bread.ownerflags = OWN_UNPAID;
    axe.ownerflags = OWN_TAKEN;
    give(bread);
    give(rope);
    give(axe);
    ASSERT_EQ(InvGet_character(CRE_PLAYER, 0), 3);
    EXPECT_EQ(doInvList(INVFILTER_UNPAID, 0), 2);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Axe", "Rye bread"}));
}

TEST_F(InvList, MaskListsWeaponsBeforeToolsAndAbsentTypesAreShownAsNoneAvailable) {
    give(thing(IT_TOOL, "Rope"));
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_WEAPON, "Knife"));
    InvGet_character(CRE_PLAYER, 0);
    EXPECT_EQ(doInvList(invmask(IT_WEAPON, IT_TOOL), 0), 2);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Knife", "Rope"}));
    EXPECT_EQ(zeroitem_filtertypes & 0xFFFF, 0u) << "both asked types have rows";

    // Neither skins nor vehicles: one block per asked type.
    InvGet_character(CRE_PLAYER, 0);
    EXPECT_EQ(doInvList(invmask(IT_SKIN, IT_VEHICLE), 0), 0);
    EXPECT_EQ(zeroitem_filtertypes & 0xFFFF, (1u << IT_SKIN) | (1u << IT_VEHICLE));
    EXPECT_EQ(showInvList(0, invmask(IT_SKIN, IT_VEHICLE)), 13);
    EXPECT_STREQ(InvList_TYPETITLE(invmask(IT_SKIN)), "Preferred types");
}

TEST_F(InvList, TypeFourListsBetweenContainersAndSkinsUnderAnUntitledBar) {
    give(thing(IT_SKIN, "Elk hide"));
    give(thing(4, "Odd thing"));
    give(thing(IT_CONTAINER, "Bowl"));
    InvGet_character(CRE_PLAYER, 0);
    doInvList(0, 0);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bowl", "Odd thing", "Elk hide"}));
    EXPECT_STREQ(InvList_TYPETITLE(4), "");
    EXPECT_STREQ(InvList_TYPETITLE(2), "Armours & Clothes");
}

TEST_F(InvList, EmptySlotsAndBadPositionsAreNotListed) {
    give(thing(IT_FOOD, "Rye bread"));
    const int s = give(thing(IT_WEAPON, "Knife"));
    Plr.inv_count[s] = 0;                // a slot whose count ran out
    Plr.inv_obj[5] = 0;
    Plr.inv_count[5] = 3;                // a count without an item
    Plr.inv_obj[6] = 123456789;          // a position outside every table
    Plr.inv_count[6] = 1;
    EXPECT_EQ(InvGet_character(CRE_PLAYER, 0), 1);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Rye bread"}));
}

TEST_F(InvList, ConfiguredTypeOrderIsFollowedAndTypesItLacksComeAfter) {
    uint8_t saved[12];
    memcpy(saved, INVTYPEORDER, sizeof saved);
    ParseInventoryOrder("FOOD,WEAPON");
    give(thing(IT_WEAPON, "Knife"));
    give(thing(IT_TOOL, "Rope"));
    give(thing(IT_FOOD, "Rye bread"));
    InvGet_character(CRE_PLAYER, 0);
    doInvList(0, 0);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Rye bread", "Knife", "Rope"}));
    memcpy(INVTYPEORDER, saved, sizeof saved);
}

TEST_F(InvList, ASquareOfSixHundredRecordsFillsFiveHundredRows) {
    const int pos = Esineesta_Uniikki(thing(IT_TIMBER, "Log"));
    for (int i = 0; i < 600; i++) {
        Data[1000 + i].type = DT_ITEM;
        Data[1000 + i].x = Data[1000 + i].y = 230;
        Data[1000 + i].id = (uint32_t)pos;
        Data[1000 + i].count = 1;
    }
    EXPECT_EQ(InvGet_data(230, 230), INVDATA_MAX);
    EXPECT_EQ(doInvList(0, 0), INVDATA_MAX);
}

TEST_F(InvList, TradingListsOnlyTradablePackSlotsAndClaimedGoodsAreDisabled) {
    Cre[3].kind = 1;
    ItemStruct claimed = thing(IT_TOOL, "Rope");
    claimed.ownerflags = OWN_CLAIM;
    Cre[3].pack[0] = Esineesta_Uniikki(thing(IT_FOOD, "Rye bread"));
    Cre[3].packcount[0] = 2;
    Cre[3].pack[1] = Esineesta_Uniikki(claimed);
    Cre[3].packcount[1] = 1;
    npcitemtradable[1] = 1;
    EXPECT_EQ(InvGet_character(3, 0), 2);
    EXPECT_EQ(InvGet_character(3, SEL_TRADABLE), 1);
    EXPECT_EQ(InvGet_character(3, SEL_NO_CLAIMED), 2);
    EXPECT_EQ(InvData[0].disabled, 0);
    EXPECT_EQ(InvData[1].disabled, 1);
    npcitemtradable[1] = 0;
}

}  // namespace
