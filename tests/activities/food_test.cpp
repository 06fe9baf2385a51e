// tests/activities/food_test.cpp -- food values, the body's stomach, energy and thirst, meals,
// drinks, vessels, and the daily spoiling of the pack.
#include "activity_fixture.h"

#include "items/containers.h"
#include "activities/cooking.h"
#include "activities/food.h"
#include "game/loader.h"
#include "core/datafunc.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "items/itemdefs.h"

using oxatest::ActivityTest;
using oxatest::push_key;

namespace {

class FoodTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        Plr.stomach = 0;
        Plr.thirst = 0;
    }
    static ravinto_struct value(int kcal100, int liquid) {
        ravinto_struct v = {};
        v.kcal100 = kcal100;
        v.kcal_lb = 5 * kcal100;
        v.liquid = liquid;
        return v;
    }
};

TEST_F(FoodTest, NamedMeatTakesItsValuesAndWritesThemBack) {
    ItemStruct steak = thing(IT_FOOD, "elk steak", 0, 2.0f);
    ravinto_struct v = ravinto(steak);
    EXPECT_EQ(v.kcal100, 111);
    EXPECT_EQ(v.kcal_lb, 555);
    EXPECT_EQ(v.kcal_item, 1110);
    EXPECT_EQ(steak.fig[0], 0);
    EXPECT_EQ(steak.fig[1], 3);
    EXPECT_EQ(steak.fig[2], 21);
    EXPECT_EQ(v.g_protein, 210);

    struct { const char *name; unsigned id; int c, f, p, l; } table[] = {
        {"Wild berries", 0, 7, 0, 0, 70}, {"fresh water", 0, 0, 0, 0, 100}, {"goat milk", 0, 5, 4, 3, 70}, {"Water", 55, 0, 0, 0, 100},
        {"Rye bread", 0, 41, 1, 7, 0}, {"Salmon", 0, 0, 7, 11, 0}, {"Something", 0, 5, 2, 1, 0},
        {"Flour", 61, 55, 2, 9, 0}, {"Mushroom", 513, 3, 1, 2, 0},
        {"melt water", 69, 0, 0, 0, 100},   // the name says water whatever the id
    };
    for (auto &t : table) {
        ItemStruct it = thing(IT_FOOD, t.name, t.id, 1.0f);
        ravinto_struct r = ravinto(it);
        EXPECT_EQ(r.carb, t.c) << t.name;
        EXPECT_EQ(r.fat, t.f) << t.name;
        EXPECT_EQ(r.protein, t.p) << t.name;
        EXPECT_EQ(r.liquid, t.l) << t.name;
    }
}

TEST_F(FoodTest, NourishingFillsTheStomachEnergyAndThirst) {
    ItemStruct none = thing(IT_FOOD, "x", 0, 1.0f);
    Ravitse(-1, value(0, 0), none, 0.1f, 0);
    EXPECT_EQ(Plr.stomach, 20);

    Plr.stomach = 240;
    Ravitse(-1, value(50, 0), none, 0.1f, 0);
    EXPECT_EQ(Plr.stomach, 255);
    EXPECT_TRUE(noted("Your stomach is full."));

    Plr.energy = 4990;
    Ravitse(-1, value(20, 0), none, 1.0f, 0);
    EXPECT_EQ(Plr.energy, 5000u);

    Plr.thirst = 300;
    Ravitse(-1, value(0, 26), none, 1.0f, 1);
    EXPECT_EQ(Plr.thirst, 0);
    EXPECT_TRUE(noted("Your thirst is extinguished."));
    Plr.thirst = 300;
    Ravitse(-1, value(0, 20), none, 1.0f, 1);
    EXPECT_EQ(Plr.thirst, 100);

    // Every creature but a human is an animal; a hunter of prey is a predator by its diet too.
    const struct { int kind; uint32_t diet; uint8_t meateater; int cap; } caps[] = {
        {20, 0, 0, 3500}, {20, 0, 1, 7000}, {20, 0x4, 0, 7000}, {CK_SPIRIT, 0, 0, 3500}, {CK_HUMAN, 0x4, 1, 5000},
    };
    Cre[4].weight = 100.0f;
    for (const auto &c : caps) {
        Cre[4].kind = (uint8_t)c.kind;
        Cre[4].diet1 = c.diet;
        Cre[4].diet2 = 0;
        Cre[4].meateater = c.meateater;
        EXPECT_EQ(maxenergiavaranto(4), c.cap) << c.kind << " " << c.diet << " " << (int)c.meateater;
    }
    Cre[4].kind = 20;
    Cre[4].meateater = 1;
    Cre[4].energy = 6990;
    Ravitse(4, value(100, 0), none, 1.0f, 0);
    EXPECT_EQ(Cre[4].energy, 7000);
    EXPECT_EQ(maxenergiavaranto(-1), 5000);
}

TEST_F(FoodTest, MealTimesAndDrinkNeeds) {
    EXPECT_EQ(ateria_sekunnit(149), 49);
    EXPECT_EQ(ateria_sekunnit(150), 60);
    EXPECT_EQ(ateria_sekunnit(20), 10);
    EXPECT_EQ(ateria_sekunnit(449), 120);
    Plr.thirst = 500;
    EXPECT_FLOAT_EQ(nestetarve(value(0, 100)), 0.5f);
    EXPECT_EQ(nestetarve(value(0, 0)), 0.0f) << "a dry food quenches nothing";
}

TEST_F(FoodTest, DrinkNotesByAmount) {
    struct { float amount; const char *text; } table[] = {
        {0.49f, "You take a sip."}, {1.49f, "You drink."}, {1.5f, "You gulp down a good drink."}};
    for (auto &t : table) {
        ignore_lastnote();
        drinknote(t.amount, 0);
        EXPECT_EQ(std::string(lastnote).find(t.text) != std::string::npos, true) << t.amount << " " << lastnote;
    }
}

TEST_F(FoodTest, EatingBreadThroughTheEatKey) {
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 0.25f);
    bread.spoil = 14;
    give(0, bread);
    Plr.energy = 3000;
    const int before = seconds_of_game();
    push_key(SDLK_a);
    command_dispatch('E', 0, 0);
    EXPECT_TRUE(noted("It tastes good.")) << "not hungry enough for more words";
    EXPECT_TRUE(noted("You eat the rye bread."));
    EXPECT_EQ(Plr.inv_obj[0], 0) << "the bread is eaten";
    // 0.25 lb of bread: 225 kcal per 100 g, 282 calories, one minute and a half rounded to one.
    EXPECT_EQ(seconds_of_game() - before, 60);
    EXPECT_GT(Plr.stomach, 0);
    EXPECT_GT(Plr.energy, 3200u) << "282 calories less a minute's use";
}

// The eat command asks again after a food she cannot eat, until she is full or cancels.
TEST_F(FoodTest, TheEatKeyAsksAgainAfterARefusedFood) {
    give(0, thing(IT_FOOD, "Salt", OID_SALT, 1.0f));
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 0.25f);
    bread.spoil = 14;
    give(1, bread);
    push_key(SDLK_a);        // the salt: not something to eat
    push_key(SDLK_b);        // then the bread, and no more
    command_dispatch('E', 0, 0);
    EXPECT_TRUE(noted("That isn't something you can eat as it is.")) << notes();
    EXPECT_TRUE(noted("You eat the rye bread.")) << notes();
    EXPECT_EQ(Plr.inv_count[0], 1) << "the salt is left";
    EXPECT_EQ(Plr.inv_obj[1], 0) << "the bread is eaten";
}

// Every taste takes its words from the body: none when she is not hungry, the hungry words past a
// hunger of 150, the starving words over them.
TEST_F(FoodTest, TasteWordsFollowHungerAtEveryTaste) {
    enum { FED, HUNGRY, STARVING };
    struct { int grade, body; const char *line; } table[] = {
        {2, FED, "It tastes rather bland."},
        {2, HUNGRY, "It tastes rather bland but your stomach welcomes it."},
        {2, STARVING, "It tastes rather bland but you couldn't care less at the moment."},
        {3, FED, "It tastes good."},
        {3, HUNGRY, "It tastes good and happily consumed too."},
        {3, STARVING, "It tastes good and you dig in like a starving person does."},
        {5, FED, "It tastes delicious."},
        {5, HUNGRY, "It tastes delicious and is devoured with great appetite."},
        {5, STARVING, "It tastes delicious, which you barely notice while gobbling it down."},
    };
    for (auto &t : table) {
        ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 0.25f);
        ItemSet_laatu(t.grade, bread);
        bread.spoil = 14;          // fresh: a stale bread tastes no better than bland
        give(0, bread);
        Plr.stomach = t.body == FED ? 200 : 0;
        Plr.energy = t.body == FED ? 5000 : 400;
        Plr.starvation = t.body == STARVING;
        const size_t before = notes().size();
        eat(0);
        EXPECT_NE(notes().find(std::string(t.line) + "\n", before), std::string::npos)
            << t.grade << " " << t.body << ": " << notes().substr(before);
    }
}

TEST_F(FoodTest, RefusedMealsChangeNothing) {
    give(0, thing(IT_FOOD, "Salt", 57, 1.0f));
    give(1, thing(IT_FOOD, "Raw pike", 490, 1.0f));
    Plr.energy = 3000;
    eat(0);
    EXPECT_TRUE(noted("That isn't something you can eat as it is."));
    eat(1);
    EXPECT_TRUE(noted("You aren't hungry enough yet to happily eat raw meat."));
    Plr.stomach = 255;
    eat(1);
    EXPECT_TRUE(noted("You can't eat any more now."));
    EXPECT_EQ(Plr.inv_count[0], 1);
    EXPECT_EQ(Plr.inv_count[1], 1);
    EXPECT_EQ(Plr.energy, 3000u);

    // A mushroom known to be poisonous is eaten only after a yes.
    Plr.stomach = 0;
    ItemStruct fly = thing(IT_FOOD, "Fly agaric", OID_MUSHROOM, 0.2f);
    fly.raw = 0x20;
    give(2, fly);
    push_key(SDLK_n);
    eat(2);
    EXPECT_TRUE(noted("You know the fly agaric is poisonous.")) << notes();
    EXPECT_EQ(Plr.inv_count[2], 1);
    EXPECT_EQ(Plr.stomach, 0);
}

TEST_F(FoodTest, DrinkingFromACupOfWater) {
    ItemStruct cup = thing(IT_CONTAINER, "Wooden cup", 351, 0.3f);
    cup.fullweight = 2.4f;
    int cupobj = Esineesta_Uniikki(cup);
    int water = Sailioi(0, cupobj, OID_WATER, 0);
    EXPECT_FLOAT_EQ(ObjToItem(water).weight, 2.4f) << "amount 0 fills to capacity";
    Plr.inv_obj[0] = water;
    Plr.inv_count[0] = 1;

    Plr.thirst = 0;
    int before = seconds_of_game();
    QuaffIt(0);
    EXPECT_EQ(seconds_of_game() - before, 20);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[0]).weight, 2.3f, 0.001f);

    Plr.thirst = 1200;
    before = seconds_of_game();
    QuaffIt(0);
    EXPECT_EQ(seconds_of_game() - before, 40) << "1.2 lb";
    EXPECT_EQ(Plr.thirst, 0);

    int milk = Sailioi(0, Plr.inv_obj[0], OID_MILK, 0.5f);
    EXPECT_FLOAT_EQ(ObjToItem(milk).weight, 0.5f) << "milk drops the water";
    int full = Sailioi(0, milk, OID_MILK, 9.0f);
    EXPECT_FLOAT_EQ(ObjToItem(full).weight, 2.4f) << "no more than the cup holds";

    give(1, thing(IT_FOOD, "Rye bread", 0, 0.25f));
    QuaffIt(1);
    EXPECT_TRUE(noted("That isn't suitable for this."));
    give(2, cup);
    QuaffIt(2);
    EXPECT_TRUE(noted("The wooden cup is empty!")) << "an empty vessel is a vessel";
}

TEST_F(FoodTest, DrinkingFromTheLake) {
    for (int y = 229; y <= 231; y++) maailma[mapidx(231, y)] = CH_SHALLOW_WATER;
    Plr.thirst = 1200;
    push_key(SDLK_y);
    const int before = seconds_of_game();
    command_dispatch('q', 0, 0);
    EXPECT_EQ(Plr.thirst, 0);
    EXPECT_EQ(seconds_of_game() - before, 40);
    EXPECT_TRUE(noted("You drink."));
}

TEST_F(FoodTest, SpoilingKeepsSlotsAndTellsOnce) {
    ItemStruct fish = thing(IT_FOOD, "Pike", 490, 2.0f);
    fish.spoil = 1;
    ItemStruct meat = thing(IT_FOOD, "elk cut", 500, 1.0f);
    meat.spoil = 0;
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 0.25f);
    bread.spoil = 14;
    give(0, bread, 2);
    give(1, fish, 3);
    give(2, meat, 1);
    EXPECT_EQ(FOODSPOIL_PlrPack(), 1);
    EXPECT_EQ(times_noted("Something in your pack is smelling foul!"), 1);
    EXPECT_EQ(Plr.inv_count[1], 3);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[1]).spoil, 255);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[2]).spoil, 255);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[0]).spoil, 13);
    EXPECT_EQ(Plr.inv_count[0], 2);
}

TEST_F(FoodTest, OwnerMarksFadeOnTheTenthDay) {
    ItemStruct axe = thing(IT_TOOL, "Axe", 0, 3.0f);
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 1.0f);   // food that ages day by day too
    bread.spoil = 100;
    // In the pack each day's upkeep, on the ground the map's day of fading.
    const struct {
        const ItemStruct *taken;
        bool ground;
    } cases[] = {{&axe, false}, {&axe, true}, {&bread, false}, {&bread, true}};
    for (const auto &c : cases) {
        const bool ground = c.ground;
        ItemStruct goods = *c.taken;
        goods.ownerflags = OWN_TAKEN;
        goods.ownersoc = 77;
        goods.ownerword1 = 12;
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        memset(Data, 0, sizeof Data);
        const int n = give(0, goods);
        if (ground) {
            Plr.inv_obj[0] = Plr.inv_count[0] = 0;
            Data[5].type = DT_ITEM;
            Data[5].x = (uint16_t)PlayerX;
            Data[5].y = (uint16_t)PlayerY;
            Data[5].id = (uint32_t)n;
            Data[5].count = 1;
        }
        auto day = [ground] { ground ? areal_food_spoil(1) : (void)FOODSPOIL_PlrPack(); };
        auto now = [ground] { return ObjToItem(ground ? (int)Data[5].id : Plr.inv_obj[0]); };
        for (int d = 1; d <= 9; d++) day();
        EXPECT_EQ(now().ownersoc, 77u) << goods.name << (ground ? " on the ground" : " in the pack");
        EXPECT_EQ(now().ownerflags, OWN_TAKEN) << goods.name << (ground ? " on the ground" : " in the pack");
        day();
        const ItemStruct after = now();
        EXPECT_EQ(after.ownersoc, 0u) << goods.name << (ground ? " on the ground" : " in the pack");
        EXPECT_EQ(after.ownerflags, 0) << goods.name << (ground ? " on the ground" : " in the pack");
        EXPECT_EQ(after.ownerword1, 0) << goods.name << (ground ? " on the ground" : " in the pack");
    }
    ItemStruct plain = thing(IT_TOOL, "Knife", 0, 1.0f);
    EXPECT_EQ(stolendailydecay(plain), 0);
}

TEST_F(FoodTest, MeatCutsTakeTheirAnimalsNutrientsAndPrice) {
    CreatureStruct elk = {};
    elk.meat[0] = 0, elk.meat[1] = 3, elk.meat[2] = 21;
    ItemStruct cut = Lihaesine("elk", 2.0f, elk);
    EXPECT_STREQ(cut.name, "elk cut");
    EXPECT_STREQ(cut.skill, "elk");
    EXPECT_EQ(cut.id, 500u);
    EXPECT_EQ(cut.spoil, 3);
    EXPECT_FLOAT_EQ(cut.priceperweight, 24 * 0.04f);
    EXPECT_FLOAT_EQ(cut.price, 2.0f * 24 * 0.04f);
    EXPECT_EQ(ravinto(cut).kcal_item, 1110) << "a cut eats as its animal's meat";
    // A name is text, never a format.
    EXPECT_STREQ(Lihaesine("%n%s", 1.0f, elk).name, "%n%s cut");
}

TEST_F(FoodTest, RootsOfPlantsEatenCookedTasteTooBadRaw) {
    dir->write_file("flora_roots.txt", ".Bitter root. :1: (1) [root]\n[ROOT_USE:cooked flour][SIZE:M]\n\n"
                                       ".Sweet root. :1: (1) [root]\n[ROOT_USE:raw][SIZE:M]\n");
    ItemStruct bitter = thing(IT_FOOD, "Bitter root", OID_ROOT, 0.2f);
    SET_ITEM_TEXT(bitter.skill, "Bitter root");
    ItemStruct sweet = bitter;
    SET_ITEM_TEXT(sweet.name, "Sweet root");
    SET_ITEM_TEXT(sweet.skill, "Sweet root");
    ItemStruct boiled = bitter;
    SET_ITEM_TEXT(boiled.name, "boiled bitter root");
    EXPECT_EQ(pahanmakuinen(bitter), 1);
    EXPECT_EQ(pahanmakuinen(sweet), 0);
    EXPECT_EQ(pahanmakuinen(boiled), 0);
    EXPECT_EQ(voiko_jauhaa(bitter), 1) << "its plant data names flour";
    EXPECT_EQ(voiko_jauhaa(sweet), 0);
    EXPECT_EQ(voiko_jauhaa(thing(IT_FOOD, "Barley", OID_GRAIN, 1.0f)), 1);
    give(0, bitter);
    eat(0);
    EXPECT_TRUE(noted("It tastes far too bad to be eaten just like that!"));
    EXPECT_EQ(Plr.inv_count[0], 1);
}

TEST_F(FoodTest, CompanionsEatWhenSheEats) {
    Cre[5] = CreatureStruct{};
    Cre[5].kind = CK_HUMAN;
    Cre[5].partyflags |= 256;
    Cre[5].energy = 0;
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 0.25f);
    bread.spoil = 14;
    Cre[5].pack[0] = Esineesta_Uniikki(bread);
    Cre[5].packcount[0] = 3;
    ASSERT_GE(set_data(DT_CREATURE, PlayerX + 1, PlayerY, CRE_DATAID + 5, 1), 0);
    give(0, bread);
    Plr.energy = 3000;
    push_key(SDLK_n);
    eat(0);
    EXPECT_GT(Cre[5].energy, 0);
    EXPECT_LT(Cre[5].packcount[0], 3);
}

}  // namespace
