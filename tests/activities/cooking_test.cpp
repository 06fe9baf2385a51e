// tests/activities/cooking_test.cpp -- cooking by the fire through the crafting engine's material
// check: boiling in the pot and roasting, both done by the fire some minutes later, salting to mature,
// drying and herb beverages, mixed ingredients, refusals and interruptions that give every item back,
// and recipes read from the cookery files.
#include "activity_fixture.h"
#include "pick_hook.h"

#include <cmath>
#include <string>
#include <vector>

#include "activities/activities.h"
#include "items/containers.h"
#include "activities/cooking.h"
#include "activities/herblore.h"
#include "activities/making.h"
#include "items/itemdefs.h"
#include "activities/spirits.h"
#include "activities/survival.h"
#include "game/toimi.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "core/spend.h"
#include "game/turnloop.h"
#include "items/inventory.h"
#include "items/recipes.h"

using oxatest::ActivityTest;
using oxatest::Pick;
using oxatest::Script;
using oxatest::push_key;

namespace {

class CookingTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        for (const char *f : {"cookery_baking.txt", "cookery_porridge.txt", "cookery_meat.txt", "cookery_fish.txt",
                              "cookery_vegetable.txt", "menudef_cookery.txt", "messages/eng_crafting.txt",
                              "messages/eng_world.txt"})
            dir->copy_asset(f);
        MSG_forget_index();
        skill(0, "COOKERY", 30);
        Plr.smell_taste = 10;   // she smells her pot by the fire
        fclose_TEKODATA_F();
    }
    Pick pick;
    // A hut of three by three squares around her, its stove burning in the north-west corner; she
    // hangs two pike in its smoke with her cord.
    void smoke_in_a_hut() {
        const int x0 = PlayerX - 2, y0 = PlayerY - 2;
        for (int i = 0; i <= 4; i++) {
            maailma[mapidx(x0 + i, y0)] = 196;
            maailma[mapidx(x0 + i, y0 + 4)] = 208;
            maailma[mapidx(x0, y0 + i)] = 200;
            maailma[mapidx(x0 + 4, y0 + i)] = 188;
        }
        for (int y = 1; y <= 3; y++)
            for (int x = 1; x <= 3; x++)
                if (maailma[mapidx(x0 + x, y0 + y)] == CH_GROUND) maailma[mapidx(x0 + x, y0 + y)] = 95;
        maailma[mapidx(PlayerX - 1, PlayerY - 1)] = 4;
        ASSERT_GE(set_data(DT_FIRE, PlayerX - 1, PlayerY - 1, 0, 1), 0);
        give(0, fish(), 2);
        give(1, thing(IT_TOOL, "Cord", 327, 1.0f));
        DISABLE_MORECHECK = 1;   // the notes of earlier tests ask for no page turn here
        push_key(SDLK_RETURN);   // the whole stack
        push_key(SDLK_SPACE);
        Toimi(ACTION_SMOKE, 0, "");
    }
    // The work records lying on the player's square: their pieces, and the first one's item.
    static int work_here(ItemStruct *first = nullptr, int type = DT_WORK) {
        int n = 0;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == type && Data[i].x == PlayerX && Data[i].y == PlayerY) {
                if (n == 0 && first) *first = ObjToItem((int)Data[i].id);
                n += Data[i].count;
            }
        return n;
    }
    // The pieces of the name lying on the player's square in records of the type.
    static int lying(const char *name, int type = DT_ITEM, ItemStruct *item = nullptr) {
        int n = 0;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == type && Data[i].x == PlayerX && Data[i].y == PlayerY &&
                strcmp(ObjToItem((int)Data[i].id).name, name) == 0) {
                if (item) *item = ObjToItem((int)Data[i].id);
                n += Data[i].count;
            }
        return n;
    }
    static int ready_minute_here() {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_WORK && Data[i].x == PlayerX && Data[i].y == PlayerY) return (int)Data[i].ready_minute;
        return -1;
    }
    // One pass of the turn loop with the player waiting a turn.
    static void wait_a_turn() {
        int r = 0;
        oxatest::push_key('.');
        ASSERT_EQ(turn_pass(&r), 1);
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

TEST_F(CookingTest, BoilingMakesOneBatchInThePotThatIsDoneByTheFire) {
    script();
    fire();
    lake();
    give(0, fish(), 2);
    give(1, pot());
    push_key(SDLK_RETURN);   // the whole stack
    push_key(SDLK_SPACE);    // all at hand: go on
    const int before = seconds_of_game();
    Toimi(ACTION_BOIL, 0, "");
    EXPECT_EQ(seconds_of_game() - before, 180);
    EXPECT_EQ(Script::rolls_taken, 1) << "one batch, one roll";
    EXPECT_EQ(Komentohistoria, 120);
    EXPECT_EQ(slot_named("Pot"), -1) << "the pot is carried as what it holds";
    EXPECT_EQ(slot_named("Pike"), -1);
    // The pot lies by the fire until the pike is done: half an hour for two pounds of fish.
    ItemStruct soup;
    ASSERT_EQ(work_here(&soup), 1) << notes();
    EXPECT_STREQ(soup.name, "boiled pike");
    EXPECT_STREQ(ObjToItem((int)soup.vessel).name, "Pot") << "the pot holds it";
    EXPECT_FLOAT_EQ(soup.weight, 4.0f);
    EXPECT_EQ(ready_minute_here(), (int)Plr.minutes + 30);
    EXPECT_TRUE(noted("You set")) << notes();

    wait_a_turn();
    EXPECT_EQ(work_here(), 1) << "still cooking";
    ASSERT_TRUE(realbasicspend(30, 0, "WAITING", 0));
    wait_a_turn();
    EXPECT_EQ(work_here(), 0);
    ItemStruct done;
    ASSERT_EQ(work_here(&done, DT_ITEM), 1) << "the pot of boiled pike lies by the fire, done";
    EXPECT_STREQ(done.name, "boiled pike");
    EXPECT_TRUE(noted("seems to be ready")) << notes();
}

TEST_F(CookingTest, RoastingSevenTakesThreeMinutesAndSevenRolls) {
    script();
    fire();
    give(0, fish(), 7);
    push_key(SDLK_RETURN);   // the whole stack
    push_key(SDLK_SPACE);
    const int before = seconds_of_game();
    Toimi(ACTION_ROAST, 0, "");
    EXPECT_EQ(seconds_of_game() - before, 180);
    EXPECT_EQ(Script::rolls_taken, 7);
    ItemStruct roast;
    ASSERT_EQ(work_here(&roast), 7) << notes();
    EXPECT_STREQ(roast.name, "roasted pike");
    EXPECT_NEAR(roast.weight, 2.0f / 1.34f, 0.01f) << "each piece roasted on its own";
    EXPECT_EQ(roast.spoil, 5);
    EXPECT_FALSE(roast.quality & QUAL_KNOWN) << "the cook learns the quality by eating";
    EXPECT_TRUE(noted("You set 7 roasted pike")) << "and no grade is named: " << notes();
    EXPECT_EQ(slot_named("Pike"), -1);
}

TEST_F(CookingTest, SaltingSevenTakesFourteenMinutesAndMaturesFiveDays) {
    give(0, fish(), 7);
    give(1, thing(IT_FOOD, "Salt", OID_SALT, 1.0f));
    ItemStruct knife = thing(IT_WEAPON, "Knife", 250, 0.3f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(2, knife);
    push_key(SDLK_RETURN);   // the whole stack
    push_key(SDLK_SPACE);
    const int before = seconds_of_game();
    Toimi(ACTION_SALT, 0, "");
    EXPECT_EQ(seconds_of_game() - before, 14 * 60);
    ItemStruct salted;
    ASSERT_EQ(work_here(&salted), 7) << notes();
    EXPECT_EQ(ready_minute_here(), (int)Plr.minutes + 5 * 1440);
    EXPECT_STREQ(salted.name, "salted pike");
    EXPECT_EQ(salted.spoil, 254);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[slot_named("Salt")]).weight, 0.3f, 0.001f) << "a tenth of a pound a fish";
    EXPECT_GE(slot_named("Knife"), 0) << "the knife is only used";
    EXPECT_TRUE(noted("complete after 5 days.")) << notes();
}

// Smoking in a heated hut: the goods hang in the smoke of every fire of the hut, and what matured
// without enough smoke spoils.
TEST_F(CookingTest, SmokingGoodsTakeTheSmokeOfTheHutsFiresAndSpoilWithout) {
    const int x0 = PlayerX - 2, sx = PlayerX - 1, sy = PlayerY - 1;
    smoke_in_a_hut();
    std::vector<int> smoking;   // a record for each grade the fish came out in
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_WORK && Data[i].x == PlayerX && Data[i].y == PlayerY) smoking.push_back(i);
    ASSERT_FALSE(smoking.empty()) << notes();
    for (int rec : smoking) {
        EXPECT_STREQ(ObjToItem((int)Data[rec].id).name, "smoked pike");
        EXPECT_EQ(Data[rec].flags, '{') << "the goods wait for smoke";
        EXPECT_EQ(Data[rec].day, 0) << "and have had none yet";
    }
    EXPECT_TRUE(noted("Smoking requires continuous maintaining of fire")) << notes();

    // A fire lit in the hut's stove smokes them; one lit outside the walls does not.
    const int rec = smoking[0];
    SetFireBurning(sx, sy, 10);
    EXPECT_EQ(Data[rec].day, 10);
    SetFireBurning(x0 - 3, PlayerY, 10);
    EXPECT_EQ(Data[rec].day, 10);

    // Ten minutes of smoke in sixteen days is neglect: the goods spoil when their time comes.
    Plr.minutes = Data[rec].ready_minute;
    wait_a_turn();
    int fish_left = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_ITEM || d.x != PlayerX || d.y != PlayerY) continue;
        const ItemStruct it = ObjToItem((int)d.id);
        if (!strstr(it.name, "smoked pike")) continue;
        fish_left += d.count;
        EXPECT_TRUE(oe_pilaantunut(it)) << it.name;
    }
    EXPECT_EQ(fish_left, 2) << notes();
}

// A bench over fish hung in the smoke: taken apart, it gives its board and blocks, and the cord the
// smoking bound to the square stays bound.
TEST_F(CookingTest, ABenchTakenApartOverSmokingFishGivesItsOwnWood) {
    dir->copy_asset("biy_building.txt");
    build_objdef_rows();   // the bench's own wood comes from the catalogue
    ui.choices.yes_no = ui.choices.yes_no_esc = [](const char *) { return 1; };
    maailma[mapidx(PlayerX, PlayerY)] = 28;   // she stands at a bench
    smoke_in_a_hut();
    ASSERT_EQ(lying("Cord", DT_BOUND), 1) << notes();
    INSTANT_TASKS = 1;
    Pura(-1, PlayerX, PlayerY);
    INSTANT_TASKS = 0;
    EXPECT_EQ(get_mapchar(PlayerX, PlayerY), 95) << notes();
    EXPECT_EQ(lying("Cord", DT_BOUND), 1) << "the smoking keeps its cord";
    EXPECT_EQ(lying("Cord"), 0);
    EXPECT_EQ(lying("Board"), 1) << notes();
    EXPECT_EQ(lying("Block of wood"), 2);
}

TEST_F(CookingTest, MergedIngredientsByMethod) {
    // Two different fish in one pot: the raw name becomes "Mixed".
    Tyhjaa_Tarvikelista();
    Kayttolista[0].id = 420;
    Kayttolista[0].itempos = (uint32_t)Esineesta_Uniikki(fish("Pike"));
    Kayttolista[0].count = 1, Kayttolista[0].method = 120, Kayttolista[0].naming = NAMING_ORIGINAL;
    strcpy(Kayttolista[0].naming_text, "boiled %s");
    Kayttolista[1] = Kayttolista[0];
    Kayttolista[1].itempos = (uint32_t)Esineesta_Uniikki(fish("Perch"));
    int mixed = Kokkaa_Tarvikelista(120, "", 0);
    ASSERT_GT(mixed, 0);
    EXPECT_EQ(strncmp(ObjToItem(mixed).name, "Mixed", 5), 0) << ObjToItem(mixed).name;
    EXPECT_FLOAT_EQ(ObjToItem(mixed).weight, 4.0f);

    // Ingredients of no weight at all: no per cent or price is divided by the weight.
    ItemStruct none = fish("Pike", 0.0f);
    none.price = 5;
    Tyhjaa_Tarvikelista();
    Kayttolista[0].id = 495;
    Kayttolista[0].itempos = (uint32_t)Esineesta_Uniikki(none), Kayttolista[0].count = 1, Kayttolista[0].method = 121;
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
    memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);   // no herbarium: the herb goes by its own name
    dir->write_file("flora_herbs.txt", ".Yarrow. :1: (1) [herb]\n[REMOVE_BOILED:nausea][EFFECT_BOILED:sedative]\n");
    ItemStruct herb = thing(IT_FOOD, "Yarrow", OID_HERB, 0.1f);
    SET_ITEM_TEXT(herb.skill, "Yarrow");
    herb.raw = 1u << 1 | 1u << 11;   // nausea and astringent
    int tea = Kokkaa(-1, 120, "", 1, Esineesta_Uniikki(herb));
    EXPECT_STREQ(ObjToItem(tea).name, "yarrow beverage");
    EXPECT_EQ(ObjToItem(tea).type, IT_CONTAINER);
    EXPECT_EQ(ObjToItem(tea).spoil, 20);
    EXPECT_EQ(ObjToItem(tea).id, (uint32_t)OID_HERB);
    EXPECT_NEAR(ObjToItem(tea).weight, 1.4f, 0.001f) << "the herb with the water it was boiled in";
    EXPECT_EQ(ObjToItem(tea).raw, 1u << 11 | 1u << 18) << "nausea boiled away, sedative gained";
}

TEST_F(CookingTest, RefusedOrInterruptedCookingGivesEverythingBack) {
    give(0, fish(), 3);
    give(1, thing(IT_FOOD, "Rye bread", 0, 0.25f), 2);
    const float before = pack_weight();
    Toimi(ACTION_ROAST, 0, "");
    EXPECT_TRUE(noted("You don't have any fire!")) << notes();
    EXPECT_FLOAT_EQ(pack_weight(), before);

    fire();
    // Everything at hand, and then she would rather not.
    push_key(SDLK_RETURN);
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(Kokkaa(-1, 121, "", 0, 0), -1);
    EXPECT_FLOAT_EQ(pack_weight(), before);
    EXPECT_EQ(Plr.inv_count[slot_named("Pike")], 3);

    // Broken off while the fish roast.
    push_key(SDLK_RETURN);   // the whole stack
    push_key(SDLK_SPACE);
    push_key(SDLK_ESCAPE);
    push_key(SDLK_y);
    EXPECT_EQ(Kokkaa(-1, 121, "", 0, 0), -1);
    EXPECT_FLOAT_EQ(pack_weight(), before);
    EXPECT_EQ(work_here(), 0);
    EXPECT_EQ(Plr.inv_count[slot_named("Pike")], 3);

    // Part of a stack: two of the three are roasted, one is left raw.
    push_key(SDLK_2);
    push_key(SDLK_SPACE);
    ASSERT_GT(Kokkaa(-1, 121, "", 0, 0), 0) << notes();
    EXPECT_EQ(Plr.inv_count[slot_named("Pike")], 1);
    EXPECT_EQ(work_here(), 2);
}

// With no room in the object table for the dish, or for what it is handed out as, nothing is cooked:
// no time passes, every ingredient and the pot stay in her pack as they were, and she is told.
TEST_F(CookingTest, WithNoRoomForTheDishCookingChangesNothing) {
    script();
    lake();
    const struct {
        const char *work;
        int keep_free;   // records left free: the dish finds one, what it is handed out as none
        bool count;      // she is asked how many fish
        void (*run)();
    } rows[] = {
        {"roasting", 0, true, [] { Toimi(ACTION_ROAST, 0, ""); }},
        {"boiling", 0, true, [] { Toimi(ACTION_BOIL, 0, ""); }},
        {"boiling, room for the dish only", 1, true, [] { Toimi(ACTION_BOIL, 0, ""); }},
        {"a recipe", 0, false, [] { Toimi(ACTION_COOK, 0, "Fish soup"); }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.work);
        fire();
        give(0, fish(), 3);
        give(1, pot());
        auto pack = [] {
            std::string s;
            for (int i = 0; i < PLR_SLOTS; i++)
                if (Plr.inv_obj[i]) {
                    const ItemStruct it = ObjToItem(Plr.inv_obj[i]);
                    s += std::string(it.name) + " x" + std::to_string(Plr.inv_count[i]) + " " + std::to_string(it.weight) + "|";
                }
            return s;
        };
        const std::string before = pack();
        const int told = times_noted("There is no room for more objects");
        push_key(SDLK_SPACE);   // the maintenance's note: what nothing holds is freed before the table fills
        object_maintenance();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        std::vector<int> filled = fill_object_table();
        for (int i = 0; i < r.keep_free; i++) PlayerObj[filled.back()] = ItemStruct{}, filled.pop_back();
        const int start = seconds_of_game();
        note_lines_since_pause = 0;            // no page of notes waits for a key
        if (r.count) push_key(SDLK_RETURN);   // the whole stack
        push_key(SDLK_SPACE);                  // all at hand: go on
        r.run();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        free_objects(filled);
        EXPECT_GT(times_noted("There is no room for more objects"), told) << notes();
        EXPECT_EQ(seconds_of_game(), start);
        EXPECT_EQ(pack(), before);
        EXPECT_EQ(work_here(), 0);
        EXPECT_EQ(work_here(nullptr, DT_ITEM), 0);
    }
}

TEST_F(CookingTest, RecipesFromTheCookeryFiles) {
    Toimi(ACTION_COOK, 0, "No such dish");
    EXPECT_TRUE(noted("Error! Object header not found!"));

    fire();
    lake();
    give(0, fish(), 1);
    give(1, pot());
    oxatest::push_text("F");   // fish recipes
    push_key(SDLK_1);          // the first: fish soup
    push_key(SDLK_SPACE);      // cook it with what is at hand
    Cook();
    ItemStruct soup;
    ASSERT_EQ(lying("Fish soup", DT_ITEM, &soup), 1) << "cooked by the fire: " << notes();
    EXPECT_NE(soup.vessel, 0u) << "in its pot";
    EXPECT_TRUE(noted("You cooked")) << notes();
    EXPECT_EQ(slot_named("Pike"), -1);
    EXPECT_EQ(slot_named("Pot"), -1);
    EXPECT_EQ(Komentohistoria, 122);
    EXPECT_STREQ(Komentotekstitarkenne, "Fish soup");

    // A recipe's name is text, never a format.
    dir->write_file("cookery_fish.txt", ".Odd %n dish. *COOKERY* /5/\n{Water} #1# [roast]\n");
    fire();
    push_key(SDLK_SPACE);
    TeeResepti("odd %n dish");
    EXPECT_EQ(lying("Odd %n dish"), 1) << notes();
    char out[64];
    fill_name(out, sizeof out, "%s %n", "stew");
    EXPECT_STREQ(out, "stew %n");
}

TEST_F(CookingTest, MenuDefinitionEntriesAndPatchesOfARecipe) {
    script();
    // The cookery menu's own entry "Drinks" lists the recipes of its group.
    fire();
    lake();
    give(0, thing(IT_FOOD, "Lingonberries", OID_BERRY, 0.5f));
    give(1, pot());
    oxatest::push_text("K");
    push_key(SDLK_1);
    push_key(SDLK_SPACE);
    Cook();
    EXPECT_EQ(lying("Berry drink"), 1) << notes();
    EXPECT_EQ(slot_named("Lingonberries"), -1);

    // A dish cooked in patches: the patchwise ingredient is taken once a patch, and the pieces share
    // the weight.
    dir->write_file("cookery_porridge.txt",
                    "[SUBMENU_START:porridge]\n.Flat cake. *COOKERY* /10/ (1) [patch:5]\n"
                    "{Flour} #0.5# [remove] [patchwise] [roast]\n\n[SUBMENU_END:porridge]\n");
    give(2, thing(IT_FOOD, "Flour", 61, 3.0f));
    fire();   // the first has burnt down
    push_key(SDLK_3);
    push_key(SDLK_SPACE);
    Toimi(ACTION_COOK, 0, "Flat cake");
    ItemStruct cake;
    EXPECT_EQ(lying("Flat cake", DT_ITEM, &cake), 3) << notes();
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[slot_named("Flour")]).weight, 1.5f, 0.001f);
    EXPECT_NEAR(cake.weight, 0.5f, 0.001f);
}

// The fisherman's springtime sacrifice: fish from the season's first net catch, boiled by the water
// that day or the next, give the water folk the first taste once a season.
TEST_F(CookingTest, TheFirstNetCatchBoiledByTheWaterIsOfferedOnceASeason) {
    opi_taikakeino(111, 0);
    if (!taikakeino_tuttu(111, 0)) GTEST_SKIP() << "she can learn no magic means yet";
    // days_ago 100: the day mark is 0, no catch this season.
    struct { int days_ago; bool offered_before, offered; } table[] = {
        {0, false, true}, {1, false, true}, {2, false, false}, {0, true, false}, {100, false, false},
    };
    Plr.daynumber = 100;
    for (auto &t : table) {
        lake();
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        fire();
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        give(0, fish());
        give(1, pot());
        Plr.net_season_day = (uint16_t)(Plr.daynumber - t.days_ago);
        Plr.spirit_customs = t.offered_before ? 2u : 0u;
        const int mood = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK);
        push_key(SDLK_RETURN);
        push_key(SDLK_SPACE);
        Toimi(ACTION_BOIL, 0, "");
        ASSERT_EQ(slot_named("Pike"), -1) << "boiled: " << notes();
        EXPECT_EQ(Plr.spirit_customs & 2u, t.offered || t.offered_before ? 2u : 0u) << t.days_ago;
        EXPECT_EQ(get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK) - mood, t.offered ? 35 : 0) << t.days_ago;
    }
}

}  // namespace
