// tests/activities/cooking_test.cpp -- cooking by the fire: boiling in the pot, roasting, salting to
// mature, drying and herb beverages, mixed ingredients, refusals and interruptions that give every
// item back, and recipes read from the cookery files.
#include "activity_fixture.h"

#include <cmath>

#include "activities/cooking.h"
#include "activities/herblore.h"
#include "activities/toimi.h"
#include "core/datafunc.h"
#include "core/loader.h"
#include "items/inventory.h"

using oxatest::ActivityTest;
using oxatest::Script;
using oxatest::push_key;

namespace {

class CookingTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        for (const char *f : {"cookery_baking.txt", "cookery_porridge.txt", "cookery_meat.txt", "cookery_fish.txt",
                              "cookery_vegetable.txt", "menudef_cookery.txt"})
            dir->copy_asset(f);
        skill(0, "COOKERY", 30);
    }
    void fire() { ASSERT_GE(set_data(DT_FIRE, PlayerX + 1, PlayerY, 0, 1), 0); }
    void lake() {
        for (int y = PlayerY - 1; y <= PlayerY + 1; y++) maailma[mapidx(PlayerX - 1, y)] = CH_SHALLOW_WATER;
    }
    static ItemStruct fish(const char *name = "Pike", float weight = 2.0f) {
        ItemStruct f = thing(IT_FOOD, name, OID_RAWFISH, weight);
        f.fig[1] = 1, f.fig[2] = 18;
        f.spoil = 3;
        f.price = 3;
        return f;
    }
    static ItemStruct pot() {
        ItemStruct p = thing(IT_CONTAINER, "Pot", 331, 3.0f);
        p.fullweight = 6.0f;
        return p;
    }
    static float pack_weight() {
        float w = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s]) w += ObjToItem(Plr.inv_obj[s]).weight * (float)Plr.inv_count[s];
        return w;
    }
    static int slot_named(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(ObjToItem(Plr.inv_obj[s]).name, name) == 0) return s;
        return -1;
    }
};

TEST_F(CookingTest, BoilingMakesOneBatchInThePotInThreeMinutes) {
    script();
    fire();
    lake();
    give(0, fish(), 2);
    int potobj = give(1, pot());
    push_key(SDLK_a);
    push_key(SDLK_RETURN);   // the whole stack
    const int before = seconds_of_game();
    Toimi(120, 0, "");
    EXPECT_EQ(seconds_of_game() - before, 180);
    EXPECT_EQ(Script::rolls_taken, 1) << "one batch, one roll";
    int s = slot_named("boiled pike");
    ASSERT_GE(s, 0) << notes();
    ItemStruct soup = ObjToItem(Plr.inv_obj[s]);
    EXPECT_EQ(soup.vessel, (uint32_t)potobj) << "the pot holds it";
    EXPECT_FLOAT_EQ(soup.weight, 4.0f);
    EXPECT_EQ(slot_named("Pot"), -1) << "the pot is carried as what it holds";
    EXPECT_EQ(slot_named("Pike"), -1);
    EXPECT_EQ(Komentohistoria, 120);
}

TEST_F(CookingTest, RoastingSevenTakesThreeMinutesAndSevenRolls) {
    script();
    fire();
    give(0, fish(), 7);
    push_key(SDLK_a);
    push_key(SDLK_RETURN);   // the whole stack
    const int before = seconds_of_game();
    Toimi(121, 0, "");
    EXPECT_EQ(seconds_of_game() - before, 180);
    EXPECT_EQ(Script::rolls_taken, 7);
    int s = slot_named("roasted pike");
    ASSERT_GE(s, 0) << notes();
    ItemStruct roast = ObjToItem(Plr.inv_obj[s]);
    EXPECT_NEAR(roast.weight, 14.0f / 1.34f, 0.01f);
    EXPECT_EQ(roast.spoil, 5);
    EXPECT_FALSE(roast.quality & QUAL_KNOWN) << "the cook learns the quality by eating";
}

TEST_F(CookingTest, SaltingSevenTakesFourteenMinutesAndMaturesFiveDays) {
    give(0, fish(), 7);
    give(1, thing(IT_FOOD, "Salt", OID_SALT, 1.0f));
    give(2, thing(IT_WEAPON, "Knife", 250, 0.3f));
    push_key(SDLK_a);
    push_key(SDLK_RETURN);   // the whole stack
    const int before = seconds_of_game();
    Toimi(105, 0, "");
    EXPECT_EQ(seconds_of_game() - before, 14 * 60);
    int work = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_WORK) work = i;
    ASSERT_GE(work, 0) << notes();
    EXPECT_EQ(Data[work].ready_day, Plr.daynumber + 5);
    EXPECT_STREQ(ObjToItem((int)Data[work].id).name, "salted pike");
    EXPECT_EQ(ObjToItem((int)Data[work].id).spoil, 254);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[slot_named("Salt")]).weight, 0.3f, 0.001f);
    EXPECT_TRUE(noted("will be ready in 5 days"));
}

TEST_F(CookingTest, MergedIngredientsByMethod) {
    // Two different fish in one pot: the raw name becomes "Mixed".
    KaytetytMaara = 2;
    Kaytetyt[0] = {};
    Kaytetyt[0].obj = Esineesta_Uniikki(fish("Pike")), Kaytetyt[0].count = 1, Kaytetyt[0].method = 120, Kaytetyt[0].naming = 1;
    strcpy(Kaytetyt[0].pattern, "boiled %s");
    Kaytetyt[1] = Kaytetyt[0];
    Kaytetyt[1].obj = Esineesta_Uniikki(fish("Perch"));
    int mixed = Kokkaa_Tarvikelista(120, "", 0);
    ASSERT_GT(mixed, 0);
    EXPECT_EQ(strncmp(ObjToItem(mixed).name, "Mixed", 5), 0) << ObjToItem(mixed).name;
    EXPECT_FLOAT_EQ(ObjToItem(mixed).weight, 4.0f);

    // Ingredients of no weight at all: no per cent or price is divided by the weight.
    ItemStruct none = fish("Pike", 0.0f);
    none.price = 5;
    KaytetytMaara = 1;
    Kaytetyt[0].obj = Esineesta_Uniikki(none), Kaytetyt[0].count = 1, Kaytetyt[0].method = 121;
    int weightless = Kokkaa_Tarvikelista(121, "", 0);
    ASSERT_GT(weightless, 0);
    EXPECT_FLOAT_EQ(ObjToItem(weightless).weight, 0.0f);
    EXPECT_TRUE(std::isfinite(ObjToItem(weightless).priceperweight));
    EXPECT_FLOAT_EQ(ObjToItem(weightless).priceperweight, 0.0f);

    // Drying: ten times lighter, the nutrient bytes ten times higher and at most 255.
    ItemStruct f = fish("Pike", 2.0f);
    f.fig[1] = 10, f.fig[2] = 18, f.water = 70;
    int dried = Kokkaa(-1, 103, "", 1, Esineesta_Uniikki(f));
    ItemStruct d = ObjToItem(dried);
    EXPECT_STREQ(d.name, "dried pike");
    EXPECT_FLOAT_EQ(d.weight, 0.2f);
    EXPECT_EQ(d.fig[1], 100);
    EXPECT_EQ(d.fig[2], 180);
    EXPECT_EQ(d.water, 255);
    EXPECT_EQ(d.spoil, 180);

    // Boiled herbs become a drink, with the effects boiling takes away and gives by their plant data.
    definit_yrttidata();
    dir->write_file("flora_herbs.txt", ".Yarrow. :1: (1) [herb]\n[REMOVE_BOILED:nausea][EFFECT_BOILED:sedative]\n");
    ItemStruct herb = thing(IT_FOOD, "Yarrow", OID_HERB, 0.1f);
    SET_ITEM_TEXT(herb.skill, "Yarrow");
    herb.raw = 1u << 1 | 1u << 11;   // nausea and astringent
    int tea = Kokkaa(-1, 120, "", 1, Esineesta_Uniikki(herb));
    EXPECT_STREQ(ObjToItem(tea).name, "yarrow beverage");
    EXPECT_EQ(ObjToItem(tea).type, IT_CONTAINER);
    EXPECT_EQ(ObjToItem(tea).spoil, 20);
    EXPECT_EQ(ObjToItem(tea).id, (uint32_t)OID_HERB);
    EXPECT_EQ(ObjToItem(tea).raw, 1u << 11 | 1u << 18) << "nausea boiled away, sedative gained";
}

TEST_F(CookingTest, RefusedOrInterruptedCookingGivesEverythingBack) {
    give(0, fish(), 3);
    give(1, thing(IT_FOOD, "Rye bread", 0, 0.25f), 2);
    const float before = pack_weight();
    Toimi(121, 0, "");
    EXPECT_TRUE(noted("need a fire")) << notes();
    EXPECT_FLOAT_EQ(pack_weight(), before);

    fire();
    push_key(SDLK_a);
    push_key(SDLK_RETURN);   // the whole stack
    push_key(SDLK_ESCAPE);
    push_key(SDLK_y);
    EXPECT_EQ(Kokkaa(-1, 121, "", 0, 0), -1);
    EXPECT_FLOAT_EQ(pack_weight(), before);
    EXPECT_EQ(slot_named("roasted pike"), -1);
    EXPECT_GE(slot_named("Pike"), 0);

    // Part of a stack: two of the three are roasted, one is left raw.
    push_key(SDLK_a);
    push_key(SDLK_2);
    ASSERT_GT(Kokkaa(-1, 121, "", 0, 0), 0) << notes();
    EXPECT_EQ(Plr.inv_count[slot_named("Pike")], 1);
    EXPECT_GE(slot_named("roasted pike"), 0);
}

TEST_F(CookingTest, RecipesFromTheCookeryFiles) {
    Toimi(122, 0, "No such dish");
    EXPECT_TRUE(noted("Error! Object header not found!"));

    fire();
    lake();
    give(0, fish(), 1);
    give(1, pot());
    oxatest::push_text("F");   // fish recipes
    push_key(SDLK_1);          // the first: fish soup
    push_key(SDLK_y);          // cook it with what is at hand
    Cook();
    int s = slot_named("Fish soup");
    ASSERT_GE(s, 0) << notes();
    EXPECT_EQ(slot_named("Pike"), -1);
    EXPECT_EQ(Komentohistoria, 122);
    EXPECT_STREQ(Komentotekstitarkenne, "Fish soup");

    // A recipe's name is text, never a format.
    const char file[] = ".Odd %n dish. *COOKERY* /5/\n{Water} #1# [boil]\n";
    char header[450];
    EXPECT_STREQ(cookery_header_text(file, sizeof file - 1, "odd %n dish", header, sizeof header),
                 ".Odd %n dish. *COOKERY* /5/");
    char out[64];
    fill_name(out, sizeof out, "%s %n", "stew");
    EXPECT_STREQ(out, "stew %n");
}

TEST_F(CookingTest, MenuDefinitionEntriesAndPatchesOfARecipe) {
    // The cookery menu's own entry "Drinks" lists the recipes of its group.
    fire();
    lake();
    give(0, thing(IT_FOOD, "Lingonberries", OID_BERRY, 0.5f));
    give(1, pot());
    oxatest::push_text("K");
    push_key(SDLK_1);
    push_key(SDLK_y);
    Cook();
    EXPECT_GE(slot_named("Berry drink"), 0) << notes();
    EXPECT_EQ(slot_named("Lingonberries"), -1);

    // A dish cooked in patches: the patchwise ingredient is taken once a patch, and the pieces share
    // the weight.
    dir->write_file("cookery_porridge.txt",
                    "[SUBMENU_START:porridge]\n.Flat cake. *COOKERY* /10/ (1) [patch:5]\n"
                    "{Flour} #0.5# [patchwise] [roast]\n\n[SUBMENU_END:porridge]\n");
    give(2, thing(IT_FOOD, "Flour", 61, 3.0f));
    fire();   // the first has burnt down
    push_key(SDLK_3);
    push_key(SDLK_y);
    Toimi(122, 0, "Flat cake");
    const int cakes = slot_named("Flat cake");
    ASSERT_GE(cakes, 0) << notes();
    EXPECT_EQ(Plr.inv_count[cakes], 3);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[slot_named("Flour")]).weight, 1.5f, 0.001f);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[cakes]).weight, 0.5f, 0.001f);
}

}  // namespace
