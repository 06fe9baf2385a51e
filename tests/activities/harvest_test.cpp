// tests/activities/harvest_test.cpp -- what a patch gives when it is picked, the rules of threshing and
// grinding by number, and a rye patch cut, threshed and ground, with every refusal or break giving back
// what it took and no more ground than the container holds.
#include "activity_fixture.h"
#include "empty_village.h"
#include "pick_hook.h"
#include "../items/row_letters.h"

#include "activities/fieldwork.h"
#include "activities/harvest.h"
#include "activities/itemcmd.h"
#include "items/plantlife.h"
#include "game/toimi.h"
#include "core/datafunc.h"
#include "core/weatherengine.h"
#include "items/plants.h"
#include "worldgen/chardefs.h"

#include <vector>

using oxatest::ActivityTest;
using oxatest::Pick;
using oxatest::push_key;

namespace {

// Test plants whose harvest tags the tests choose.
const char *const FLORA =
    ".Leafgrass. :100: (2) [grass]\n[NAME:Herba folii][SPROUT:5][WITHER:10][MATURE:30]\n"
    "[QUANTITY:1][FREQUENCY:5][LEAF_VOLUME:bunch]\n\n"
    ".Testberry. :101: (4) [berry]\n[NAME:Bacca][SPROUT:5][WITHER:9][MATURE:60]\n"
    "[QUANTITY:1][FREQUENCY:5][CARB:10][LEAF_VOLUME:pinch]\n\n"
    ".Testcap. :102: (2) [mushroom]\n[NAME:Fungus][SPROUT:7][WITHER:10][MATURE:10]\n[QUANTITY:1][FREQUENCY:5]\n\n"
    ".Testroot. :103: (2) [root]\n[NAME:Radix][SPROUT:5][WITHER:10][MATURE:60]\n"
    "[QUANTITY:1][FREQUENCY:5][CARB:10][ROOT_SIZE:L]\n\n"
    ".Testrye. :104: (5) [grain]\n[NAME:Secale][SPROUT:5][WITHER:9][MATURE:110]\n"
    "[QUANTITY:1][FREQUENCY:5][CARB:70][PROTEIN:9][SEED_VOLUME:handful][SEED_QUANTITY:2]\n\n"
    ".Testflower. :105: (3) [flower]\n[NAME:Flos][SPROUT:5][WITHER:9][MATURE:30]\n"
    "[QUANTITY:1][FREQUENCY:5][FLOWER_VOLUME:pinch]\n\n"
    ".Testpea. :106: (4) [pod]\n[NAME:Pisum][SPROUT:5][WITHER:10][MATURE:60]\n"
    "[QUANTITY:9][FREQUENCY:5][CARB:10]\n";

class HarvestTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_harvest.txt");
        dir->copy_asset("messages/eng_crafting.txt");
        dir->write_file("flora_test.txt", FLORA);
        MSG_forget_index();
        harvest_forget_flora();
        LuoKasvit();
        skill(0, "AGRICULTURE", 30);
        // A mild summer day: three hours at the grinding stones are no danger.
        weather_was = GlobWeather;
        engine_was = weatherengine;
        for (WeatherStruct &w : weatherengine.days) w.temperature = 18;
        weatherengine.current.temperature = GlobWeather.temperature = 18;
        Plr.air_temperature = 18.0f;
    }
    void TearDown() override {
        GlobWeather = weather_was;
        weatherengine = engine_was;
        harvest_forget_flora();
        ActivityTest::TearDown();
    }
    WeatherStruct weather_was;
    cWeatherEngine engine_was;
    Pick pick;
    static int plant_row(const char *name) { return ConstantObj_Nimella(name, IT_PLANT); }
    // A patch of the plant on x, y in the state given; its record.
    static int patch(const char *name, int count, int state, int x, int y) {
        ClearDTEMP();
        DTEMP.type = DT_PLANT;
        DTEMP.x = (uint16_t)x;
        DTEMP.y = (uint16_t)y;
        DTEMP.id = (uint32_t)plant_row(name);
        DTEMP.count = (uint16_t)count;
        DTEMP.flags = (uint8_t)state;
        return SetDTEMP(-1);
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            char it[41];
            if (Plr.inv_obj[s] && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), it), name) == 0) n += Plr.inv_count[s];
        }
        return n;
    }
    static int lying(const char *name, int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data) {
            char it[41];
            if (d.type == DT_ITEM && d.x == x && d.y == y && strcmp(item_name(ObjToItem((int)d.id), it), name) == 0) n += d.count;
        }
        return n;
    }
    // The pack summed: pieces, and pounds over every piece.
    static void pack(int &pieces, float &pounds) {
        pieces = 0;
        pounds = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s]) {
                pieces += Plr.inv_count[s];
                pounds += ObjToItem(Plr.inv_obj[s]).weight * (float)Plr.inv_count[s];
            }
    }
    static void flush() { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }
    // A grinding of the grain begun and broken off (or refused) at once: her pack is as it was.
    void grind_broken_off() {
        int pieces, after_pieces;
        float pounds, after_pounds;
        pack(pieces, pounds);
        push_key(oxatest::carried_letter("Testrye grains"));
        push_key(SDLK_SPACE);
        push_key(SDLK_ESCAPE);
        push_key(SDLK_y);
        EXPECT_EQ(AGRICULTURE_jauhatus(), 0) << notes();
        flush();
        pack(after_pieces, after_pounds);
        EXPECT_EQ(after_pieces, pieces);
        EXPECT_FLOAT_EQ(after_pounds, pounds);
    }
};

TEST_F(HarvestTest, APatchPickedGivesItsPartAndLeavesItsRecordByKind) {
    ASSERT_GT(plant_row("Testrye"), 0) << "the test plants are read";
    const int today = (int)Plr.daynumber;
    const struct {
        const char *plant;
        int count, state, mode, answer;
        const char *part;
        int units;
        int type_after;            // 0: the record is gone
    } cases[] = {
        // Whole-plant fashion: three plants of one leaf unit give two, and the patch is pulled up.
        {"Leafgrass", 3, PLANT_GROWING, HARVEST_WHOLE, HARVEST_OK, "Leafgrass leaves", 2, 0},
        // A ripe bush gives its berries, not its leaves, and waits 90 days as picked.
        {"Testberry", 2, PLANT_RIPE, HARVEST_PICK, HARVEST_OK, "Testberry berry", 2, DT_PLANT_PICKED},
        // A mushroom spot stays and sprouts again.
        {"Testcap", 1, PLANT_RIPE, HARVEST_PICK, HARVEST_OK, "Testcap mushroom", 1, DT_PLANT},
        // A root is dug up with its record.
        {"Testroot", 1, PLANT_RIPE, HARVEST_PICK, HARVEST_OK, "Testroot root", 1, 0},
        // Grain is cut with a sickle, never picked.
        {"Testrye", 4, PLANT_RIPE, HARVEST_PICK, HARVEST_REFUSED, "Testrye grains", 0, DT_PLANT},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.plant);
        const int n = patch(c.plant, c.count, c.state, PlayerX, PlayerY);
        ASSERT_GE(n, 0);
        EXPECT_EQ(HarvestBranch(CRE_PLAYER, n, c.mode, 0), c.answer) << notes();
        EXPECT_EQ(carried(c.part), c.units) << notes();
        const int type = Data[n].type == DT_FREED ? 0 : Data[n].type;
        EXPECT_EQ(type, c.type_after);
        if (c.type_after == DT_PLANT_PICKED) {
            EXPECT_EQ((int)Data[n].ready_day, today + 90);
        }
        if (c.type_after == DT_PLANT && c.answer == HARVEST_OK) {
            EXPECT_EQ((int)Data[n].flags, (int)PLANT_GROWING);
            EXPECT_GE(Data[n].day, today + 15);
            EXPECT_LE(Data[n].day, today + 29);
            EXPECT_EQ((int)Data[n].ready_day, Data[n].day + 10);
        }
        if (type) CrunchData(n);
    }
    EXPECT_TRUE(noted("testrye can't be picked by hand.")) << notes();
}

// A patch dug or picked whole by the harvest action takes a minute for every three plants, the rest
// of three not counted.
TEST_F(HarvestTest, HarvestingAPatchByHandTakesAMinuteForEveryThreePlants) {
    const struct {
        int count, minutes;
    } cases[] = {{5, 1}, {6, 2}, {8, 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.count);
        const int n = patch("Testflower", c.count, PLANT_RIPE, PlayerX, PlayerY);
        ASSERT_GE(n, 0);
        const int before = seconds_of_game();
        EXPECT_EQ(HarvestBranch(CRE_PLAYER, n, HARVEST_CUT, 0), HARVEST_OK) << notes();
        EXPECT_EQ(seconds_of_game() - before, 60 * c.minutes);
        EXPECT_EQ(Data[n].type, DT_ITEM) << "the patch lies cut as one heap";
        EXPECT_EQ((int)Data[n].count, c.count);
        CrunchData(n);
    }
}

// Picking up on a square sown a minute ago finds no plants: the sowing has not come up.
TEST_F(HarvestTest, PickingUpLeavesASowingThatHasNotComeUp) {
    const int n = patch("Testberry", 2, PLANT_GROWING, PlayerX, PlayerY);
    ASSERT_GE(n, 0);
    Data[n].day = (uint16_t)(Plr.daynumber + 20);
    const DataStruct sown = Data[n];
    pickupCmd(PlayerX, PlayerY, 0);
    EXPECT_EQ(carried("Testberry berry"), 0) << notes();
    EXPECT_EQ(memcmp(&Data[n], &sown, sizeof sown), 0) << "the sowing lies as it was";
}

// A pea pod sown on prepared soil comes up in five to nine days; picked up then, the young patch is
// not ripe and gives no pods, so one pod sown is never many.
TEST_F(HarvestTest, AYoungPeaSowingPickedUpGivesNoPods) {
    Plr.month = 6;
    Plr.day = 1;
    maailma[mapidx(PlayerX, PlayerY)] = 82;   // prepared field soil
    const KasviOsat pea = hajota_kasvi(ConstantObj[plant_row("Testpea")]);
    give(0, pea.part[PART_WHOLE]);
    push_key(SDLK_a);
    ASSERT_EQ(AGRICULTURE_plant(), 1) << notes();
    auto pods = [] {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).id == (uint32_t)OID_POD) n += Plr.inv_count[s];
        return n;
    };
    ASSERT_EQ(pods(), 0) << "the pod went into the ground";
    for (int days : {10, 20}) {
        SCOPED_TRACE(days);
        Plr.daynumber += (uint16_t)days;
        pickupCmd(PlayerX, PlayerY, 0);
        EXPECT_EQ(pods(), 0) << notes();
    }
}

// With no room in the object table for what the work makes, nothing is picked, cut or threshed: the
// patch or the heap lies as it was, no time passes, and she is told.
TEST_F(HarvestTest, WithNoRoomForWhatItMakesAHarvestChangesNothing) {
    const int x = PlayerX + 1, y = PlayerY;
    const int heap = patch("Testflower", 3, PLANT_FLOWERING, x, y);
    ASSERT_EQ(HarvestBranch(CRE_PLAYER, heap, HARVEST_CUT, 0), HARVEST_OK) << notes();
    ASSERT_EQ(Data[heap].type, DT_ITEM);
    const struct {
        const char *work;
        const char *plant;   // a ripe patch at her feet; none for the heap
        int (*run)(int n);
    } rows[] = {
        {"picked", "Testberry", [](int n) { return HarvestBranch(CRE_PLAYER, n, HARVEST_PICK, 0); }},
        {"cut", "Testroot", [](int n) { return HarvestBranch(CRE_PLAYER, n, HARVEST_CUT, 0); }},
        {"threshed", nullptr, [](int) { return AGRICULTURE_puinti(CRE_PLAYER, PlayerX + 1, PlayerY, -1000) - 1; }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.work);
        const int n = r.plant ? patch(r.plant, 2, PLANT_RIPE, PlayerX, PlayerY) : heap;
        ASSERT_GE(n, 0);
        const DataStruct was = Data[n];
        const int told = times_noted("There is no room for more objects");
        const std::vector<int> filled = fill_object_table();
        const int before = seconds_of_game();
        push_key(SDLK_SPACE);   // the maintenance's note
        EXPECT_LT(r.run(n), 0) << notes();
        flush();
        free_objects(filled);
        EXPECT_GT(times_noted("There is no room for more objects"), told) << notes();
        EXPECT_EQ(memcmp(&Data[n], &was, sizeof was), 0) << "the record lies as it was";
        EXPECT_EQ(seconds_of_game(), before);
        int pieces;
        float pounds;
        pack(pieces, pounds);
        EXPECT_EQ(pieces, 0);
        if (r.plant) CrunchData(n);
    }
}

// A village with nobody living in it keeps no books: picking or cutting its plants books no mischief.
TEST_F(HarvestTest, AnEmptyVillagesPlantsTakenBookNoMischief) {
    const int soc = 4711;
    clrVillages();
    Plr.world_x = 1500;   // her local map lies in the village's cell
    Plr.world_y = 1000;
    oxatest::empty_village_here(soc);
    ASSERT_EQ(socpopulation(soc), 0);
    const struct {
        const char *plant;
        int mode;
    } rows[] = {{"Testberry", HARVEST_PICK}, {"Testroot", HARVEST_CUT}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.plant);
        const int n = patch(r.plant, 2, PLANT_RIPE, PlayerX, PlayerY);
        ASSERT_GE(n, 0);
        Data[n].owner = SOC_OWNER;
        EXPECT_EQ(HarvestBranch(CRE_PLAYER, n, r.mode, 0), HARVEST_OK) << notes();
        EXPECT_EQ(oxatest::village_mischief(soc), 0);
        if (Data[n].type != DT_FREED && Data[n].type != 0) CrunchData(n);
    }
    clrVillages();
}

// Grinding off a sack in a full pack keeps what is left of it in the pack; broken off, the sack is
// whole again and nothing of it lies on the ground.
TEST_F(HarvestTest, GrindingBrokenOffInAFullPackLeavesTheSackAsItWas) {
    ItemStruct grain = ObjToItem(Luo_Esineen_Itempos(hajota_kasvi(ConstantObj[plant_row("Testrye")]).part[PART_SEED]));
    grain.weight = grain.fullweight = 6.0f;
    give(0, grain);
    ItemStruct cup = thing(IT_CONTAINER, "Wooden cup", 0, 0.3f);
    cup.fullweight = 5.0f;
    give(1, cup);
    for (int s = 2; s < 95; s++) {
        char name[20];
        snprintf(name, sizeof name, "Pebble %d", s);
        give(s, thing(IT_TIMBER, name, 0, 0.01f));   // listed after the grain
    }
    set_data(DT_ITEM, PlayerX, PlayerY, Esineesta_Uniikki(thing(IT_TOOL, "Stone", 300, 3.0f)), 2);
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE(round);
        grind_broken_off();
        EXPECT_EQ(lying("Testrye grains", PlayerX, PlayerY), 0) << notes();
    }
    EXPECT_FALSE(noted("You carry too much")) << notes();
}

TEST_F(HarvestTest, TheRulesByNumber) {
    const struct {
        int units, least, most;
    } whole[] = {{0, 1, 1}, {1, 1, 1}, {2, 1, 2}, {3, 2, 2}, {4, 2, 3}, {7, 4, 5}};
    for (const auto &w : whole)
        for (int k = 0; k < 20; k++) {
            const int got = kokonaisina_yksikot(w.units);
            EXPECT_TRUE(got >= w.least && got <= w.most) << w.units << " gave " << got;
        }
    const struct {
        float weight, ground;
        int most;
    } grind[] = {{6.0f, 4.0f, 1}, {1.5f, 0.0f, 3}, {4.0f, 0.0f, 1}, {0.5f, 0.0f, 8}, {0.0f, 0.0f, 0}};
    for (const auto &g : grind) {
        EXPECT_FLOAT_EQ(jauhatus_paino(g.weight), g.ground) << g.weight;
        if (g.ground == 0.0f) {
            EXPECT_EQ(jauhatus_enintaan(g.weight), g.most) << g.weight;
        }
    }
    const KasviOsat rye = hajota_kasvi(ConstantObj[plant_row("Testrye")]);
    EXPECT_EQ(rye.threshing, 2);
    EXPECT_EQ(rye.method, PICK_SICKLE);
    EXPECT_EQ(puinti_minuutit(rye, 10), 20);
    EXPECT_EQ(puinti_minuutit(hajota_kasvi(ConstantObj[plant_row("Leafgrass")]), 10), 20) << "two minutes a plant";
    EXPECT_EQ(rye.count[PART_SEED], 2);
    EXPECT_EQ(rye.part[PART_SEED].id, (uint32_t)OID_GRAIN);
}

TEST_F(HarvestTest, ARyePatchIsCutThreshedAndGroundAndABreakGivesEverythingBack) {
    // Six pounds of grain in a sack first in her pack, a knife, a club and a cup.
    ItemStruct grain = ObjToItem(Luo_Esineen_Itempos(hajota_kasvi(ConstantObj[plant_row("Testrye")]).part[PART_SEED]));
    grain.weight = grain.fullweight = 6.0f;
    give(0, grain);
    ItemStruct knife = thing(IT_WEAPON, "Knife", 250, 0.3f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(1, knife);
    ItemStruct club = thing(IT_WEAPON, "Club", 0, 2.0f);
    SET_ITEM_TEXT(club.skill, "CLUB");
    give(2, club);
    ItemStruct cup = thing(IT_CONTAINER, "Wooden cup", 0, 0.3f);
    cup.fullweight = 5.0f;
    give(3, cup);
    const int x = PlayerX + 1, y = PlayerY;
    patch("Testrye", 10, PLANT_RIPE, x, y);

    // Cut with a knife for a sickle: seven of the ten in twice the time.
    push_key(SDLK_RIGHT);
    push_key(SDLK_SPACE);
    EXPECT_EQ(AGRICULTURE_korjuu(), HARVEST_OK) << notes();
    EXPECT_EQ(lying("Testrye", x, y), 7) << notes();
    flush();

    // Threshing broken off leaves the heap and the pack as they were.
    int pieces, after_pieces;
    float pounds, after_pounds;
    pack(pieces, pounds);
    push_key(SDLK_SPACE);
    push_key(SDLK_ESCAPE);
    push_key(SDLK_y);
    EXPECT_EQ(AGRICULTURE_puinti(CRE_PLAYER, x, y, -1000), 0);
    flush();
    EXPECT_EQ(lying("Testrye", x, y), 7);
    pack(after_pieces, after_pounds);
    EXPECT_EQ(after_pieces, pieces);
    EXPECT_FLOAT_EQ(after_pounds, pounds);
    push_key(SDLK_SPACE);
    EXPECT_EQ(AGRICULTURE_puinti(CRE_PLAYER, x, y, -1000), 1) << notes();
    flush();
    EXPECT_EQ(lying("Testrye", x, y), 0);
    EXPECT_EQ(lying("Testrye grains", x, y), 14);

    // The grain: no stones refuses, a break gives it back, then four pounds are ground into the cup
    // and two stay.
    for (int stones = 0; stones < 2; stones++) {
        SCOPED_TRACE(stones ? "broken off" : "no stones");
        if (stones) set_data(DT_ITEM, PlayerX, PlayerY, Esineesta_Uniikki(thing(IT_TOOL, "Stone", 300, 3.0f)), 2);
        grind_broken_off();
    }
    push_key(oxatest::carried_letter("Testrye grains"));
    push_key(SDLK_SPACE);
    EXPECT_EQ(AGRICULTURE_jauhatus(), 1) << notes();
    EXPECT_TRUE(noted("Ok. Some Testrye-flour has been ground into the Wooden cup.")) << notes();
    int flour = -1;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).id == OID_FLOUR) flour = s;
    ASSERT_GE(flour, 0);
    EXPECT_FLOAT_EQ(ObjToItem(Plr.inv_obj[flour]).weight, 4.0f);
    EXPECT_NE(ObjToItem(Plr.inv_obj[flour]).vessel, 0u);
    EXPECT_EQ(carried("Testrye grains"), 1);
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).id == OID_GRAIN) {
            EXPECT_FLOAT_EQ(ObjToItem(Plr.inv_obj[s]).weight, 2.0f);
        }

    // The cup has room for one pound more: the two pounds left are not ground into it to be lost.
    pack(pieces, pounds);
    push_key(oxatest::carried_letter("Testrye grains"));
    push_key(SDLK_SPACE);
    EXPECT_EQ(AGRICULTURE_jauhatus(), 0);
    EXPECT_TRUE(noted("There's no room for the flour in the Wooden cup!")) << notes();
    pack(after_pieces, after_pounds);
    EXPECT_EQ(after_pieces, pieces);
    EXPECT_FLOAT_EQ(after_pounds, pounds);
}

}  // namespace
