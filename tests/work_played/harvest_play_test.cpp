// tests/activities/harvest_play_test.cpp -- played: Aino picks a ripe bilberry patch with "g", prepares
// burnt ground with the shovel beside her through the agriculture skill and sows wild rye there once
// the fire remains are gone; Vilho, in his winter, is refused the frozen soil.
#include <string>

#include "core/loader_fixture.h"
#include "../items/row_letters.h"

#include "activities/crolls.h"
#include "activities/harvest.h"
#include "items/plantlife.h"
#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/weatherengine.h"
#include "items/invlist.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "items/inventory.h"

namespace {

enum { CH_PREPARED = 82 };

// What both played tests share: typing through the turn loop and the agriculture skill's keys.
struct Fields {
    static void type(const std::string &keys) {
        CLOSE_WINDOW = 0;   // a wait of the last command that found the queue empty
        oxatest::KeyFeeder typing;
        for (char k : keys) typing.key((SDL_Keycode)k, 0);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    static int agriculture_slot() {
        for (int s = 0; s < PLR_SKILLS; s++)
            if (strncmp(Plr.skill_name[s], "AGRICULTURE", PLR_SKILLNAME) == 0) return s;
        return -1;
    }
    static void weather(int temperature) {
        for (WeatherStruct &w : weatherengine.days) w.temperature = temperature;
    }
    static void without_animals() {
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
                Cre[d.id - CRE_DATAID].kind != CK_HUMAN) {
                Cre[d.id - CRE_DATAID].kind = CK_NONE;
                d.type = 0;
            }
    }
    static int record_here(int type, int x, int y) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == type && Data[i].x == x && Data[i].y == y) return i;
        return -1;
    }
};

class AinoFields : public oxatest::PlayingTest, public Fields {
protected:
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            char it[41];
            if (Plr.inv_obj[s] && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), it), name) == 0) n += Plr.inv_count[s];
        }
        return n;
    }
    void TearDown() override {
        harvest_forget_flora();
        oxatest::PlayingTest::TearDown();
    }
};

TEST_F(AinoFields, SheSowsHerPlotAndPicksARipePatch) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    without_animals();
    weather(15);              // a warm spring: the soil is thawed
    Plr.month = 5;
    Plr.day = 25;
    // Her plot: the square north-east of where she came down, beside the shovel the fixture laid.
    PlayerX += 1;
    PlayerY -= 1;
    const int x = PlayerX, y = PlayerY;
    const int slot = agriculture_slot();
    ASSERT_GE(slot, 0) << "she knows the fields";
    const std::string skill = "s" + skill_keys(slot);

    // A ripe bilberry patch under her feet: "g" picks its berries and leaves it picked.
    const int bilberry = ConstantObj_Nimella("Bilberry", IT_PLANT);
    ASSERT_GT(bilberry, 0);
    ASSERT_GE(set_data(DT_PLANT, x, y, bilberry, 2), 0);
    const int patch = record_here(DT_PLANT, x, y);
    ASSERT_GE(patch, 0);
    Data[patch].flags = PLANT_RIPE;
    type("g");
    EXPECT_GE(carried("Bilberry berry"), 2) << notes();
    EXPECT_EQ(Data[patch].type, DT_PLANT_PICKED);
    EXPECT_EQ((int)Data[patch].ready_day, (int)Plr.daynumber + 90);

    // Bare ground with no fire burnt on it yet.
    set_mapchar(x, y, CH_GROUND);
    ASSERT_EQ(maapera_muokattavissa(x, y), 1) << "her field's soil can be worked";
    type(skill + "S");
    EXPECT_NE(notes().find("You must first burn some wood on the ground here!"), std::string::npos) << notes();
    EXPECT_EQ(get_mapchar(x, y), CH_GROUND);

    // Where the fire burnt, the shovel lying beside her prepares the soil.
    ASSERT_GE(set_data(DT_FIRE_REMAINS, x, y, 0, 1), 0);
    type(skill + "S ");
    EXPECT_EQ(get_mapchar(x, y), CH_PREPARED) << notes();
    EXPECT_NE(notes().find("The soil here is now prepared."), std::string::npos) << notes();

    // Wild rye grains in her pack; the ground is still warm.
    const int rye = ConstantObj_Nimella("Wild rye", IT_PLANT);
    ASSERT_GT(rye, 0);
    const int grains = Luo_Esineen_Itempos(hajota_kasvi(ConstantObj[rye]).part[PART_SEED]);
    ASSERT_GT(AddNewItem(grains, 3), 0);
    type(skill + "P");
    EXPECT_NE(notes().find("The ground is still very warm."), std::string::npos) << notes();
    EXPECT_EQ(record_here(DT_PLANT, x, y), -1);

    // The remains cold and gone: she sows, and one grain less is carried.
    CrunchData(record_here(DT_FIRE_REMAINS, x, y));
    const SDL_Keycode letter = oxatest::carried_letter("Wild rye grains");
    type(skill + "P" + std::string(1, (char)letter));
    const int sown = record_here(DT_PLANT, x, y);
    ASSERT_GE(sown, 0) << notes();
    EXPECT_EQ(Data[sown].id, (uint32_t)rye);
    EXPECT_GE(Data[sown].count, 1);
    EXPECT_GE((int)Data[sown].day, (int)Plr.daynumber + 5);
    EXPECT_LE((int)Data[sown].day, (int)Plr.daynumber + 9);
    EXPECT_EQ(carried("Wild rye grains"), 2);
    EXPECT_EQ(record_here(DT_PLANT_PICKED, x, y), -1) << "the picked bilberries made way for the field";
}

class VilhoFrost : public oxatest::VilhoInCampTest, public Fields {};

TEST_F(VilhoFrost, HisFrozenSoilIsRefused) {
    without_animals();
    weather(-10);
    if (maapera_roudassa(0) != 1) GTEST_SKIP() << "waits for the soil frost of the plant year";
    int slot = agriculture_slot();
    if (slot < 0) {
        GenSkill(CRE_PLAYER, "AGRICULTURE");
        slot = agriculture_slot();
    }
    ASSERT_GE(slot, 0);
    set_mapchar(PlayerX, PlayerY, CH_GROUND);
    ASSERT_GE(set_data(DT_FIRE_REMAINS, PlayerX, PlayerY, 0, 1), 0);
    type("s" + skill_keys(slot) + "S");
    EXPECT_NE(log().find("You can't prepare frozen soil."), std::string::npos) << log();
    EXPECT_EQ(get_mapchar(PlayerX, PlayerY), CH_GROUND);
    set_mapchar(PlayerX, PlayerY, CH_PREPARED);
    type("s" + skill_keys(slot) + "P");
    EXPECT_NE(log().find("Nothing grows in frozen ground."), std::string::npos) << log();
}

}  // namespace
