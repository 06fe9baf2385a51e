// The two hands, dressing and undressing, the exclusion of similar pieces, and the protection of
// worn armour.
#include "../activities/activity_fixture.h"

#include "core/player.h"
#include "creatures/bodyrec.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "activities/itemcmd.h"
#include "items/inventory.h"
#include "items/itemwear.h"
#include "items/wearing.h"

namespace oxatest {

class Wearing : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_body.txt");
        MSG_forget_index();
    }
    static ItemStruct armour(const char *name, float weight, int part = 0) {
        ItemStruct it = thing(IT_ARMOUR, name, 0, weight);
        it.cover[part / 8] = (uint8_t)(1 << (part % 8));
        return it;
    }
    // The next timed task is cancelled: Esc, and yes to the question. The note lines start afresh,
    // so that no "more" pause takes the key first.
    static void answer_yes_to_cancel() {
        note_lines_since_pause = 0;
        ui.choices.yes_no = [](const char *) { return 1; };
        push_key(SDLK_ESCAPE);
    }
    static int rec(int slot) { return Plr.inv_obj[slot] - OBJ_PLAYER_FIRST; }
    static int flags(int slot) { return PlayerObj[rec(slot)].status; }
};

TEST_F(Wearing, HandsAreChosenAndBothFullRefuses) {
    give(0, thing(IT_WEAPON, "knife", 0, 0.5f));
    give(1, thing(IT_TOOL, "axe", 0, 3.0f));
    give(2, thing(IT_WEAPON, "spear", 0, 4.0f));
    give(3, thing(IT_ARMOUR, "fur hat", 0, 0.5f));
    EXPECT_EQ(wieldcount(CRE_PLAYER), 0);
    // The second hand asked for while the main hand is free still takes the second hand.
    EXPECT_EQ(Wield(0, 2, 0), 2);
    EXPECT_EQ(flags(0), ISTAT_SECOND);
    EXPECT_EQ(getwieldedItempos(CRE_PLAYER, 1), 0);
    EXPECT_EQ(getwieldedItempos(CRE_PLAYER, 2), Plr.inv_obj[0]);
    EXPECT_EQ(Wield(3, 0, 0), 0) << "clothing is not held";
    EXPECT_TRUE(noted("NOT_SUITABLE") || noted("suitable"));
    EXPECT_EQ(Wield(1, 0, 0), 1);
    EXPECT_EQ(wieldcount(CRE_PLAYER), 2);
    EXPECT_EQ(Wield(2, 0, 0), 0);
    EXPECT_TRUE(noted("Both your hands are full"));
    EXPECT_EQ(flags(2), 0);

    EXPECT_EQ(TakeOff(1, 1), 1);
    EXPECT_EQ(flags(1), 0);
    EXPECT_EQ(wielding(1), 1000);
    EXPECT_EQ(TakeOff(2, 1), 0) << "neither worn nor held";

    // A creature's hands are its two fields.
    Cre[4].kind = 1;
    Cre[4].wielded = 41;
    EXPECT_EQ(wieldcount(4), 1);
    EXPECT_EQ(getwieldedItempos(4, 1), 41);
    EXPECT_EQ(getwieldedItempos(4, 2), 0);
}

TEST_F(Wearing, CrushedHandsHoldNothing) {
    give(0, thing(IT_WEAPON, "knife", 0, 0.5f));
    plr_bytes(PB_ENDURANCE)[0] = 12;
    for (int side = 1; side <= 2; side++) {
        Side = (uint8_t)side;
        SetInjury(16, BP_HAND, 3, 0, 0);
    }
    wieldCmd(0, 0);
    EXPECT_EQ(wielding(1), 1000);
    EXPECT_EQ(wielding(2), 1000);
    EXPECT_TRUE(noted("One usable hand needed."));
}

TEST_F(Wearing, WieldingOneOfAStackLeavesTheRest) {
    give(0, thing(IT_WEAPON, "arrow", 0, 0.1f), 5);
    EXPECT_EQ(Wield(0, 0, 1), 1);
    EXPECT_EQ(Plr.inv_count[0], 1);
    EXPECT_EQ(Plr.inv_count[1], 4);
    EXPECT_EQ(flags(0), ISTAT_PRIMARY);
    EXPECT_EQ(PlayerObj[rec(1)].status, 0);
}

TEST_F(Wearing, InterruptedCrossbowLoadPutsTheMissileDown) {
    ItemStruct bow = thing(IT_WEAPON, "heavy crossbow", 0, 8.0f);
    bow.subtype = ST_BOW;
    ItemStruct bolt = thing(IT_WEAPON, "bolt", 0, 0.1f);
    bolt.subtype = ST_ARROW;
    give(0, bow);
    give(1, bolt);
    ASSERT_EQ(Wield(0, 0, 0), 1);
    answer_yes_to_cancel();
    EXPECT_EQ(Wield(1, 0, 0), 0);
    EXPECT_TRUE(noted("You didn't manage to load your crossbow!")) << notes();
    EXPECT_EQ(flags(0), ISTAT_PRIMARY) << "the crossbow stays in hand";
    EXPECT_EQ(flags(1), 0) << "the bolt is put down";

    // Quiet wielding skips the loading.
    const unsigned before = Plr.minutes;
    EXPECT_EQ(Wield(1, 0, 1), 2);
    EXPECT_EQ(Plr.minutes, before);
}

TEST_F(Wearing, DressingTimeByWeight) {
    const struct { float weight; int seconds; } cases[] = {
        {0.5f, 10}, {2.0f, 10}, {2.5f, 20}, {6.0f, 20}, {7.0f, 30}, {9.5f, 40},
    };
    for (const auto &c : cases)
        EXPECT_EQ(vaatekappale_aika(thing(IT_ARMOUR, "tunic", 0, c.weight)), c.seconds) << c.weight;
}

TEST_F(Wearing, SimilarPiecesExcludeEachOther) {
    give(0, armour("iron hauberk", 20.0f));
    give(1, armour("leather shoes", 1.0f));
    give(2, armour("wool shirt", 1.0f));
    give(3, armour("leather habergeon", 12.0f));
    give(4, armour("birchbark boots", 1.5f));
    give(5, armour("fine wool shirt", 1.0f));
    give(6, armour("wool shirt", 1.0f));
    give(7, armour("fur footwear", 1.0f));
    for (int s : {0, 1, 2}) ASSERT_EQ(Wear(s), 1) << s;
    EXPECT_EQ(flags(0), ISTAT_WORN);
    EXPECT_EQ(Wear(0), 0);
    EXPECT_TRUE(noted("You are wearing"));

    EXPECT_EQ(Wear(3), 0) << "a habergeon under a hauberk";
    EXPECT_TRUE(noted("over your iron hauberk"));
    EXPECT_EQ(Wear(4), 0) << "two pairs of footwear";
    EXPECT_EQ(Wear(7), 0) << "footwear by its name";
    EXPECT_EQ(Wear(5), 0) << "the same last two words";
    EXPECT_TRUE(noted("over your wool shirt"));
    EXPECT_EQ(Wear(6), 0);
    EXPECT_TRUE(noted("You are already wearing"));
    EXPECT_EQ(PlayerObj[rec(6)].status, 0);

    // A creature's worn positions; a template answers 1.
    Cre[2].kind = 1;
    Cre[2].worn[3] = Plr.inv_obj[1];
    EXPECT_EQ(alreadyworn(2, Plr.inv_obj[4], 0), 1);
    EXPECT_EQ(alreadyworn(2, Plr.inv_obj[2], 0), 0);
    EXPECT_EQ(alreadyworn(600, Plr.inv_obj[2], 0), 1);
}

// With 91 stacks or more carried the pack counts as full for anything new, but the rest of a stack
// split in it adds nothing: it stays carried while a slot is free.
TEST_F(Wearing, TheRestOfASplitStackStaysInAFullPack) {
    const struct {
        const char *what;
        ItemStruct item;
        int (*act)();
        int left;   // units of the stack still carried
    } cases[] = {
        {"wielding one arrow", thing(IT_WEAPON, "arrow", 0, 0.1f), [] { return Wield(0, 0, 1); }, 5},
        {"wearing one mitten", armour("wool mitten", 0.2f), [] { return Wear(0); }, 5},
        {"eating of one loaf", thing(IT_FOOD, "rye loaf", 0, 1.0f), [] { return (int)(Kuluta_PlrItem(0, 0.5f) * 2); }, 5},
        {"a unit made its own", thing(IT_TOOL, "flint", 0, 0.5f), [] { Slotista_Uniikki(0); return 1; }, 5},
    };
    for (const auto &c : cases) {
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        const ItemStruct stone = thing(IT_TOOL, "stone", 0, 0.01f);
        for (int s = 1; s <= 95; s++) give(s, stone);
        give(0, c.item, 5);
        lastnote[0] = 0;
        EXPECT_EQ(c.act(), 1) << c.what;
        int carried = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(ObjToItem(Plr.inv_obj[s]).name, c.item.name) == 0) carried += Plr.inv_count[s];
        EXPECT_EQ(carried, c.left) << c.what;
        for (int i = 0; i < DATA_MAX; i++) EXPECT_NE(Data[i].type, DT_ITEM) << c.what << ": laid on the ground";
        EXPECT_EQ(strstr(lastnote, "carry too much"), nullptr) << c.what;
    }
}

TEST_F(Wearing, WearingFromAStackAndTakingOffMerges) {
    give(0, armour("wool mitten", 0.2f), 3);
    const unsigned before = Plr.minutes * 60 + Juoksevat_sekuntit;
    ASSERT_EQ(Wear(0), 1);
    EXPECT_EQ(Plr.minutes * 60 + Juoksevat_sekuntit - before, 10u);
    EXPECT_EQ(Plr.inv_count[0], 1);
    EXPECT_EQ(flags(0), ISTAT_WORN);
    int rest = 0;
    for (int s = 1; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && !(PlayerObj[rec(s)].status & ISTAT_WORN)) rest += Plr.inv_count[s];
    EXPECT_EQ(rest, 2);
    ASSERT_EQ(TakeOff(0, 0), 1);
    int total = 0, slots = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s]) total += Plr.inv_count[s], slots++;
    EXPECT_EQ(total, 3);
    EXPECT_EQ(slots, 1) << "the mitten joins its pair again";

    answer_yes_to_cancel();
    give(5, armour("fur cloak", 6.0f));
    EXPECT_EQ(Wear(5), -1);
    EXPECT_EQ(flags(5), 0);
}

TEST_F(Wearing, ProtectionByGradeCoverageAndWeight) {
    const struct { int grade; int value; int expect; } cases[] = {
        {1, 1, 1}, {1, 2, 1}, {2, 2, 2}, {2, 3, 2}, {3, 3, 3}, {4, 3, 3}, {4, 4, 5}, {5, 3, 4}, {5, 2, 2},
    };
    for (const auto &c : cases) {
        Item = thing(IT_ARMOUR, "jerkin", 0, 4.0f);
        ItemSet_laatu(c.grade, Item);
        Item.fig[1] = (uint8_t)c.value;
        EXPECT_EQ(ObjArmourProtection(2), c.expect) << c.grade << " " << c.value;
    }
    Item = thing(IT_ARMOUR, "jerkin", 0, 4.0f);
    Item.fig[3] = 3;
    Item.weight = 2.0f;
    EXPECT_EQ(ObjArmourProtection(3), 2) << "half worn away";
    EXPECT_EQ(ObjArmourProtection(99), 0);
    Item.weight = 4.0f;
    Item.fig[0] = 1;
    EXPECT_EQ(ObjArmourProtection(1000), 1) << "a mean of 0 counts as 1";

    // Worn pieces covering the part add up; unworn or uncovering pieces do not.
    ItemStruct cap = armour("fur cap", 0.5f, 0);
    cap.fig[5] = 3;
    ItemStruct hood = armour("wool hood", 0.5f, 0);
    hood.fig[5] = 2;
    ItemStruct boots = armour("fur boots", 1.5f, 16);
    boots.fig[5] = 4;
    give(0, cap);
    give(1, hood);
    give(2, boots);
    Wear(0);
    Wear(2);
    EXPECT_EQ(PlrArmour(0, 6), 3);
    EXPECT_EQ(PlrArmour(16, 6), 4);
    EXPECT_EQ(PlrArmour(5, 6), 0);
    Wear(1);
    EXPECT_EQ(PlrArmour(0, 6), 5);
    EXPECT_TRUE(ArmourItemProtects(boots, 16));
    EXPECT_FALSE(ArmourItemProtects(boots, 24));
}

}  // namespace oxatest
