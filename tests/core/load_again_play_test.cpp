// tests/core/load_again_play_test.cpp -- played: Aino loaded, walked into her village and played a
// while, then loaded again in the same run from the same save and played the same way: the second
// time goes draw for draw, record for record and line for line as the first.
#include "core/loader_fixture.h"

#include <cstdlib>
#include <string>

#include "activities/charscreens.h"
#include "core/oxa.h"
#include "society/village.h"
#include "game/turnloop.h"
#include "core/weather.h"
#include "maps/movement.h"
#include "activities/skilluse.h"
#include "activities/tracking.h"
#include "base/ui.h"
#include "creatures/melee.h"
#include "game/loader.h"
#include "items/itemwear.h"
#include "maps/burning.h"
#include "worldgen/encounter.h"

namespace {

// What one time through leaves: where the shared stream stands, her record, the pools and her log.
struct Left {
    std::vector<int32_t> stream;
    PlayerStruct plr;
    std::vector<DataStruct> data;
    std::vector<CreatureStruct> cre;
    std::vector<ItemStruct> objects;
    std::string log;
};

class LoadedAgain : public oxatest::PlayingTest {
protected:
    // The time through: a few turns on the world map, down into her village, a few turns there.
    Left play() {
        for (int t = 0; t < 4; t++) command({SDLK_PERIOD});
        EXPECT_GT(walk_into_her_village(), 0) << notes();
        for (int t = 0; t < 6; t++) command({SDLK_PERIOD});
        Left l;
        l.stream.assign(oxa_rand::state, oxa_rand::state + oxa_rand::DEG);
        l.stream.push_back((int32_t)oxa_rand::front);
        l.plr = Plr;
        l.data.assign(Data, Data + DATA_MAX);
        l.cre.assign(Cre, Cre + CRE_COUNT);
        l.objects.assign(PlayerObj, PlayerObj + PLAYEROBJ_COUNT);
        l.log = notes();
        return l;
    }
    // Her folder as the save left it, loaded as the outer loop loads a game, its first turn played.
    void load_again() {
        const std::string cmd = "rm -rf " + dir->path() + "/AINO && cp -r " + std::string(OXA_RUN_DIR) +
                                "/../fixture/AINO " + dir->path() + "/";
        ASSERT_EQ(system(cmd.c_str()), 0);
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        fresh_stream();
        ASSERT_EQ(loader(), 0);
        var_clear();
        LOADER_RUN = 0;
        srand(20261207);
        first_pass();
    }
    template <class T> static int first_unlike(const std::vector<T> &a, const std::vector<T> &b) {
        for (size_t i = 0; i < a.size(); i++)
            if (memcmp(&a[i], &b[i], sizeof(T)) != 0) return (int)i;
        return -1;
    }
};

TEST_F(LoadedAgain, TheSecondLoadPlaysAsTheFirst) {
    const Left first = play();
    for (int t = 0; t < 30; t++) command({SDLK_PERIOD});   // her village lives on a while
    load_again();
    const Left second = play();

    EXPECT_EQ(first.log, second.log);
    EXPECT_EQ(first.stream, second.stream) << "the same draws";
    EXPECT_EQ(memcmp(&first.plr, &second.plr, sizeof first.plr), 0);
    EXPECT_EQ(first_unlike(first.data, second.data), -1) << "pool record";
    EXPECT_EQ(first_unlike(first.cre, second.cre), -1) << "creature";
    EXPECT_EQ(first_unlike(first.objects, second.objects), -1) << "object";
}

TEST_F(LoadedAgain, NothingOfTheGameBeforeCarriesOver) {
    RUNNING = LURK = TRANSPORT = 1;   // the game before was left running, lurking, rowing, woken by rain
    SLEEP_INTERRUPT = 6;
    Weatherlore_lastskillhour = Plr.hour;   // and forecast this hour
    Weatherlore_suc = 1;
    LASTSKILLPOS = 3;                 // with the fourth row of her skill screen picked last
    LastTrackingX = PlayerX;          // with tracks read where she stands now
    LastTrackingY = PlayerY;
    StepSecCounter = 30;              // her shoes, worn in the third slot, nearly due to wear
    StepMinCounter = 59;
    PrevKenkaSlot = 2;
    LAST_TACTICAL_ADVANTAGE = 4;      // and the fight's last advantage held by the creature of slot 4
    load_again();
    EXPECT_EQ(LASTSKILLPOS, 0);
    EXPECT_EQ(Weatherlore_lastskillhour, -1) << "her first forecast rolls anew";
    EXPECT_EQ(RUNNING, 0);
    EXPECT_EQ(LURK, 0);
    EXPECT_EQ(TRANSPORT, 0);
    EXPECT_EQ(SLEEP_INTERRUPT, 0);
    EXPECT_EQ(LastTrackingX, 0) << "her first track reading may teach her";
    EXPECT_EQ(LastTrackingY, 0);
    EXPECT_EQ(StepSecCounter, 0) << "her shoes wear from her own steps";
    EXPECT_EQ(StepMinCounter, 0);
    EXPECT_EQ(PrevKenkaSlot, -1000);
    EXPECT_EQ(LAST_TACTICAL_ADVANTAGE, -1000);
}

// Her first look round the square she stands on after a load is not skipped because the game before
// last looked round the same square.
TEST_F(LoadedAgain, HerFirstLookRoundAfterALoadIsNotSkipped) {
    ASSERT_TRUE(bigmap());
    const std::string cmd = "rm -rf " + dir->path() + "/AINO && cp -r " + std::string(OXA_RUN_DIR) +
                            "/../fixture/AINO " + dir->path() + "/";
    ASSERT_EQ(system(cmd.c_str()), 0);
    fresh_stream();
    ASSERT_EQ(loader(), 0);
    var_clear();
    LOADER_RUN = 0;
    ASSERT_GE(set_data('p', PlayerX, PlayerY, 0, 1), 0);   // someone is about
    const size_t before = notes().size();
    srand(20261207);
    first_pass();
    EXPECT_NE(notes().substr(before).find("You think there is someone here."), std::string::npos) << notes().substr(before);
}

// The hourly upkeep draws the sun once an hour; nothing else in play draws it.
int suns_drawn = 0;
void (*real_sun_draw)() = nullptr;
void counted_sun_draw() {
    suns_drawn++;
    if (real_sun_draw) real_sun_draw();
}

// The hour a game is loaded in has its upkeep once: one starvation and recovery roll, one illness step,
// one spirit check.
TEST_F(LoadedAgain, ALoadUpkeepsItsHourOnce) {
    real_sun_draw = ui.panels.sun_draw;
    ui.panels.sun_draw = counted_sun_draw;
    load_again();
    const int hour = Plr.hour;
    suns_drawn = 0;
    command({SDLK_PERIOD});   // her first turns, within the hour
    command({SDLK_PERIOD});
    ui.panels.sun_draw = real_sun_draw;
    ASSERT_EQ(Plr.hour, hour);
    EXPECT_EQ(suns_drawn, 0) << "the loaded hour was upkept again";
}

// Saved beside a fire she has warmed at, she loads as she was saved: her felt temperature is one play
// reaches, not a damaged figure.
TEST_F(LoadedAgain, ASaveByAFireLoadsWithoutADamagedReport) {
    GlobWeather.temperature = 18;
    const int fire = set_data(DT_FIRE, PlayerX + 1, PlayerY, 0, 1);
    ASSERT_GE(fire, 0);
    Data[fire].spent_minutes = Plr.minutes;   // laid for an hour and a half
    Data[fire].ready_minute = Plr.minutes + 90;
    for (int t = 0; t < 80 && Plr.felt_temperature <= 100; t++) command({SDLK_PERIOD});
    ASSERT_GT(Plr.felt_temperature, 100) << "warmed at her fire";
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    var_clear();
    oxatest::reset_loader_tables();
    fresh_stream();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(std::string(loader_load_notes()).find("out of range"), std::string::npos) << loader_load_notes();
}

}  // namespace
