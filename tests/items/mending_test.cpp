// Mending, cutting and joining, and the stockpile and robber tests: a piece too whole or too worn is
// not mended, the mending minutes, a cord cut by its weight per foot and never below two feet, ropes
// that would be too long together, and what a stockpile or a robber takes.
#include "items/invsel_fixture.h"

#include "items/items_test.h"
#include "activities/mending.h"
#include "items/matching.h"

namespace {

using oxatest::InvTest;

class Mending : public InvTest {
protected:
    void SetUp() override {
        InvTest::SetUp();
        dir->copy_asset("messages/eng_vessels.txt");
        MSG_forget_index();
    }
    static ItemStruct cord(int feet, float weight, const char *name = "Cord", unsigned id = 327) {
        ItemStruct c = thing(IT_TOOL, name, weight, id);
        c.subtype = ST_ROPE;
        set_Item_pituus(feet, c);
        set_Item_maxpituus(feet, c);
        return c;
    }
    static ItemStruct coat(float condition) {
        ItemStruct c = thing(IT_ARMOUR, "Leather coat", 4.0f * condition);
        c.fullweight = 4.0f;
        c.material = MAT_LEATHER;
        return c;
    }
    struct Piece {
        int feet;
        float weight;
    };
    static std::vector<Piece> cords() {
        std::vector<Piece> out;
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (!Plr.inv_obj[s]) continue;
            const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
            for (int n = 0; n < Plr.inv_count[s]; n++) out.push_back({get_Item_pituus(it), it.weight});
        }
        return out;
    }
};

TEST_F(Mending, CuttingFourFeetOffATenFootCordSplitsItsWeightByLength) {
    give(cord(10, 1.0f));
    oxatest::push_key(SDLK_a);
    oxatest::push_key(SDLK_4);
    oxatest::push_key(SDLK_RETURN);
    INSTANT_TASKS = 1;
    EXPECT_EQ(TYING_shorten(), 1) << notes();
    INSTANT_TASKS = 0;
    const auto pieces = cords();
    ASSERT_EQ(pieces.size(), 2u);
    float total = 0;
    for (const Piece &p : pieces) {
        total += p.weight;
        EXPECT_TRUE(p.feet == 4 || p.feet == 6) << p.feet;
        EXPECT_NEAR(p.weight, p.feet == 4 ? 0.4f : 0.6f, 0.0001f);
    }
    EXPECT_NEAR(total, 1.0f, 0.0001f) << "no weight made or lost";
    EXPECT_TRUE(noted("You cut 4 ft piece from the cord.")) << notes();
}

TEST_F(Mending, ACordOfOneFootOrNoneIsNotShortened) {
    for (int feet : {1, 0}) {
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        give(cord(feet, 0.1f));
        oxatest::push_key(SDLK_a);
        EXPECT_EQ(TYING_shorten(), 0) << feet;
        EXPECT_TRUE(noted("too short to be shortened anymore")) << notes();
        EXPECT_EQ(cords().size(), 1u);
    }
}

TEST_F(Mending, JoiningRefusesUnlikePiecesAndLengthsPastTwoHundredFiftyFive) {
    give(cord(200, 2.0f, "Rope", 333));
    give(cord(60, 0.6f, "Rope", 333));
    oxatest::push_key(SDLK_a);
    oxatest::push_key(SDLK_b);
    EXPECT_EQ(TYING_join(), 0);
    EXPECT_TRUE(noted("Maximum tying equipment length is 255 feet")) << notes();
    EXPECT_EQ(cords().size(), 2u);

    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    give(cord(20, 0.2f));
    give(cord(30, 0.3f));
    oxatest::push_key(SDLK_a);
    oxatest::push_key(SDLK_b);
    INSTANT_TASKS = 1;
    EXPECT_EQ(TYING_join(), 1) << notes();
    INSTANT_TASKS = 0;
    const auto joined = cords();
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].feet, 50);
    EXPECT_NEAR(joined[0].weight, 0.5f, 0.0001f);
}

TEST_F(Mending, APieceTooWholeOrTooWornIsNotMended) {
    give(coat(0.96f));
    oxatest::push_key(SDLK_a);
    EXPECT_EQ(Korjaa_Vaatteita(), 0);
    EXPECT_TRUE(noted("no need to repair")) << notes();
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    give(coat(0.39f));
    oxatest::push_key(SDLK_a);
    EXPECT_EQ(Korjaa_Vaatteita(), 0);
    EXPECT_TRUE(noted("worn out beyond repair")) << notes();
}

int mend_offers[2], mend_offered;

TEST_F(Mending, APieceIsNotMendedWithItself) {
    const int coat_slot = give(coat(0.7f));
    const int leather = give(thing(IT_SKIN, "Leather", 3.0f, 413));
    ItemStruct knife = thing(IT_WEAPON, "Knife", 0.3f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(knife);
    // The item screen is offered the coat itself first, then the leather.
    mend_offers[0] = coat_slot, mend_offers[1] = leather, mend_offered = 0;
    int (*const chooser)(int) = tarvike_valinta;
    tarvike_valinta = [](int) { return mend_offers[mend_offered < 2 ? mend_offered++ : 1]; };
    oxatest::push_key(SDLK_b);   // the coat, listed after the weapons
    oxatest::push_key(SDLK_SPACE);
    INSTANT_TASKS = 1;
    const int done = Korjaa_Vaatteita();
    INSTANT_TASKS = 0;
    tarvike_valinta = chooser;
    EXPECT_EQ(done, 1) << notes();
    EXPECT_TRUE(noted("You can not select that")) << notes();
    const ItemStruct mended = ObjToItem(Plr.inv_obj[coat_slot]);
    EXPECT_STREQ(mended.name, "Leather coat");
    EXPECT_NEAR(mended.weight, 4.0f * 0.97f, 0.001f);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[leather]).weight, 3.0f - 1.2f, 0.001f);
}

TEST_F(Mending, MendingTakesTwentyFiveMinutesAPoundAndAtLeastTwenty) {
    ItemStruct c = coat(1.0f);
    c.weight = c.fullweight - 0.4f;
    EXPECT_EQ(mend_minutes(c), 20);
    c.weight = c.fullweight - 1.2f;
    EXPECT_EQ(mend_minutes(c), 30);
}

TEST_F(Mending, AStockpileTakesWhatItsKindMaskNames) {
    ItemStruct arrow = thing(IT_WEAPON, "Arrow", 0.1f);
    arrow.subtype = ST_ARROW;
    const ItemStruct sword = thing(IT_WEAPON, "Sword", 3.0f);
    const ItemStruct shirt = thing(IT_ARMOUR, "Shirt", 1.0f);
    Data[60].type = 'q';
    Data[60].id = 0x20;
    EXPECT_EQ(stockpile_match(arrow, 60), 1);
    EXPECT_EQ(stockpile_match(sword, 60), 0);
    ItemStruct crossbow = thing(IT_WEAPON, "Crossbow", 6.0f);   // a bow by its skill, not its subtype
    SET_ITEM_TEXT(crossbow.skill, "BOW");
    EXPECT_EQ(stockpile_match(crossbow, 60), 1);
    Data[60].id = 0x22;
    EXPECT_EQ(stockpile_match(sword, 60), 1);
    EXPECT_EQ(stockpile_match(shirt, 60), 0);
    EXPECT_EQ(stocktype_match(shirt, 0x100), 1);
    Data[60].type = DT_ITEM;
    EXPECT_EQ(stockpile_match(arrow, 60), 0) << "not a stockpile";
}

TEST_F(Mending, ARobberWantsDearGearButNotFoodOrCheapThings) {
    ItemStruct axe = thing(IT_WEAPON, "Axe", 3.0f);
    axe.price = 40;
    ItemStruct trinket = thing(IT_VALUABLE, "Bead", 0.1f);
    trinket.price = 1;
    ItemStruct bread = thing(IT_FOOD, "Bread", 0.5f);
    bread.price = 40;
    EXPECT_EQ(robber_wanted_item(axe), 1);
    EXPECT_EQ(robber_wanted_item(trinket), 0);
    EXPECT_EQ(robber_wanted_item(bread), 0);
}

}  // namespace
