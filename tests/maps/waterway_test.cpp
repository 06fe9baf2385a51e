// tests/maps/waterway_test.cpp -- stepping into water: wading and its questions, deep water and
// swimming, drowning, a craft shoved with a pole or overloaded, the shore tests and the ice that
// breaks under a creature.
#include "creatures/creturn.h"
#include "maps/play_fixture.h"

#include "activities/waterway.h"

#include "creatures/bodyrec.h"
#include "creatures/cremove.h"
#include "creatures/hauling.h"
#include "items/itemdefs.h"
#include "creatures/wounds.h"
#include "creatures/zoomservices.h"
#include "maps/squareevents.h"
#include "maps/water.h"
#include "activities/fishing.h"
#include "core/localarea.h"
#include "core/magicknow.h"
#include "game/playerstep.h"
#include "quests/courses.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> water_questions;
int answer = 1;
int ask(const char *q) {
    water_questions.push_back(q);
    return answer;
}
int drowns(int) { return -1; }
int swims_badly(int) { return 0; }

class Waterway : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        water_questions.clear();
        answer = 1;
        ui.choices.yes_no = ask;
        GlobWeather.water_temp = 200;   // 20 degrees: warm water asks nothing of its own
        // A lake east of her: x 232..250, every square 10 high but the deeper ones.
        for (int y = 220; y <= 240; y++)
            for (int x = 232; x <= 250; x++) {
                maailma[mapidx(x, y)] = CH_DEEP_WATER;
                korkeuskartta[mapidx(x, y)] = 10;
            }
        clear_zoomservices();
    }
    void TearDown() override {
        WaterSwimTurn = saved_swim;
        dir->write_file("oxa_ini.txt", "");
        PlayTest::TearDown();
    }
    static void depth(int x, int y, int d) { korkeuskartta[mapidx(x, y)] = (uint8_t)(10 - d); }
    void setting(const char *key, const char *value) {
        dir->write_file("oxa_ini.txt", std::string("[") + key + ":" + value + "]\n");
    }
    int (*saved_swim)(int) = WaterSwimTurn;
};

TEST_F(Waterway, StepsFromTheShoreWadeAfterTheQuestion) {
    depth(232, 230, 1);
    EXPECT_EQ(vesisyvyys(232, 230), 1);
    EXPECT_EQ(WaterwayCheck(232, 230), 1);
    EXPECT_EQ(Plr.movement_mode, 4);
    ASSERT_EQ(water_questions.size(), 1u);
    EXPECT_EQ(water_questions[0], "Step into water?");
    EXPECT_TRUE(was_shown("The water is shallow enough to wade."));

    Plr.movement_mode = 1;
    water_questions.clear();
    answer = 0;
    EXPECT_EQ(WaterwayCheck(232, 230), 0);
    EXPECT_EQ(Plr.movement_mode, 1);
}

TEST_F(Waterway, LegsPastUseKeepHerOutOfTheWater) {
    depth(232, 230, 1);
    plr_bytes(PB_ENDURANCE)[0] = 12;
    WoundSlot w{(uint8_t)WK_BLUNT, 3, (uint8_t)BP_KNEE, 18, 0, 1, 0};   // a crushed right knee
    wound_put(-1, 0, w);
    EXPECT_EQ(WaterwayCheck(232, 230), 0);
    EXPECT_EQ(Plr.movement_mode, 1);
    EXPECT_TRUE(water_questions.empty()) << "she is not asked";
    EXPECT_TRUE(was_shown("Better condition needed.")) << "the body's refusal is told";
    wound_put(-1, 0, WoundSlot{});
    EXPECT_EQ(WaterwayCheck(232, 230), 1);
}

TEST_F(Waterway, AutoWadeNoStopsSilentlyAfterTheColdWarning) {
    depth(232, 230, 1);
    GlobWeather.water_temp = 50;    // 5 degrees
    setting("AUTO_WADE", "NO");
    EXPECT_EQ(WaterwayCheck(232, 230), 0);
    EXPECT_TRUE(water_questions.empty());
    EXPECT_TRUE(was_shown(std::string("The water is ") + WaterTemp_txtdesc(5) + ".")) << "the cold is told";
    EXPECT_EQ(Plr.movement_mode, 1);

    setting("AUTO_WADE", "YES");
    EXPECT_EQ(WaterwayCheck(232, 230), 1);
    EXPECT_TRUE(water_questions.empty());
    EXPECT_EQ(Plr.movement_mode, 4);
}

TEST_F(Waterway, DeepWaterOffersASwimOnlyOnALocalMap) {
    depth(232, 230, 3);
    EXPECT_EQ(WaterwayCheck(232, 230), 0);
    EXPECT_TRUE(was_shown("The water is too deep to wade."));
    ASSERT_EQ(water_questions.size(), 1u);
    EXPECT_EQ(water_questions[0], "Swim?");
    EXPECT_EQ(Plr.movement_mode, 2) << "the swim she takes";
    EXPECT_EQ(PlayerX, 232);

    Plr.movement_mode = 1;
    PlayerX = 230;
    world_map();
    water_questions.clear();
    forget();
    maailma[mapidx(231, 230)] = CH_SHALLOW_WATER;
    EXPECT_EQ(WaterwayCheck(231, 230), 0) << "from land into any water on the world map";
    EXPECT_TRUE(was_shown("The water is too deep to wade."));
    EXPECT_TRUE(water_questions.empty()) << "never a swim there";
}

TEST_F(Waterway, ASwimmerReachingTheShallowsWades) {
    PlayerX = 240;
    depth(240, 230, 1);
    Plr.movement_mode = 2;
    EXPECT_EQ(WaterwayCheck(239, 230), 1);
    EXPECT_EQ(Plr.movement_mode, 4);
    EXPECT_TRUE(was_shown("The water is shallow enough to wade."));

    Plr.movement_mode = 2;
    depth(240, 230, 5);
    WaterSwimTurn = swims_badly;
    EXPECT_EQ(WaterwayCheck(241, 230), -1) << "a failed swim gets nowhere";
    EXPECT_EQ(Plr.movement_mode, 2);
}

TEST_F(Waterway, DrowningRunsTheDeathSequence) {
    PlayerX = 240;
    depth(240, 230, 5);
    Plr.movement_mode = 2;
    WaterSwimTurn = drowns;
    REAL_QUIT = 0;
    EXPECT_EQ(WaterwayCheck(241, 230), 0);
    EXPECT_EQ(REAL_QUIT, -1);
    int32_t cause;
    memcpy(&cause, (const char *)&Plr + 5032, sizeof cause);
    EXPECT_EQ(cause, -100);
    EXPECT_TRUE(was_shown("You sink under water"));
}

TEST_F(Waterway, APoleShovesACraftIntoWaterThreeDeepButNotFour) {
    const int boat = object("boat", 9, 13, 60);
    Data[0] = DataStruct{};
    put(DT_ITEM, 230, 230, boat);
    put(DT_ITEM, 230, 230, object("bag", 3, 0, 5));   // cargo
    EXPECT_EQ(WaterwayCheck(232, 230), -1) << "nothing to shove with";
    EXPECT_TRUE(was_shown("ahead you must have sesta or paddle wielded!"));

    carry(0, object("sesta", 6, 13), 128);
    EXPECT_EQ(SestaStatus(), 1);
    depth(231, 230, 3);
    maailma[mapidx(231, 230)] = CH_DEEP_WATER;
    korkeuskartta[mapidx(231, 230)] = 7;
    EXPECT_EQ(WaterwayCheck(231, 230), 1);
    EXPECT_EQ(Plr.movement_mode, 3);
    EXPECT_EQ(Data[0].flags, PlayerDir + 1) << "the craft takes her facing";
    depth(231, 230, 4);
    EXPECT_EQ(WaterwayCheck(231, 230), -1);
    EXPECT_TRUE(was_shown("You can't use plain sesta to move there. The water is too deep."));
}

// The catalogue's paddle rows a craft onto water of any depth, its sesta onto water less than 4 deep.
TEST_F(Waterway, TheCataloguesPaddleRowsOntoDeepWaterItsSestaDoesNot) {
    static const struct {
        const char *row;
        int status, onto_deep;
    } rows[] = {{"Paddle", 2, 1}, {"Sesta", 1, -1}};
    static ItemStruct kept[CONSTANTOBJ_ROWS];
    memcpy(kept, ConstantObj, sizeof kept);
    build_objdef_rows();
    for (const auto &r : rows) {
        SCOPED_TRACE(r.row);
        memset(Data, 0, sizeof Data);
        PlayerX = PlayerY = 230;
        Plr.movement_mode = 1;
        put(DT_ITEM, 230, 230, object("boat", 9, 13, 60));
        const int def = ::object(r.row, 1);
        ASSERT_GT(def, 0);
        carry(0, Esineesta_Uniikki(ObjToItem(def)), 128);
        EXPECT_EQ(SestaStatus(), r.status);
        maailma[mapidx(231, 230)] = CH_DEEP_WATER;
        depth(231, 230, 4);
        EXPECT_EQ(WaterwayCheck(231, 230), r.onto_deep);
    }
    memcpy(ConstantObj, kept, sizeof kept);
}

// A hauler who steps into the shallows stops hauling and wades; a craft launched from the shore goes
// into the water with her, and its cargo with it.
TEST_F(Waterway, AStepFromTheShoreWadesOrLaunchesTheCraftWithItsCargo) {
    for (int launch = 0; launch <= 1; launch++) {
        SCOPED_TRACE(launch ? "a launch" : "a hauler wading in");
        memset(Data, 0, sizeof Data);
        PlayerX = 231;
        PlayerY = 230;
        korkeuskartta[mapidx(231, 230)] = 10;   // a shore level with the water
        depth(232, 230, 1);
        const int cargo = put(DT_ITEM, 231, 230, object("bag", 3, 0, 5));
        if (launch) {
            put(DT_ITEM, 231, 230, object("boat", 9, 13, 60));
            carry(0, object("sesta", 6, 13), 128);
            Plr.movement_mode = 1;
        } else {
            ASSERT_GE(dp_setmove(CRE_PLAYER, cargo, 1), 0);
            Plr.movement_mode = 9;
        }
        EXPECT_EQ(MovePlayer(102), 1) << ::testing::PrintToString(shown());
        EXPECT_EQ(PlayerX, 232);
        EXPECT_EQ(Plr.movement_mode, launch ? 3 : 4);
        EXPECT_EQ(Data[cargo].x, launch ? 232 : 231) << "the craft's cargo goes along, the hauled load stays";
    }
}

TEST_F(Waterway, FortyOneStacksOverloadACraftWhateverTheyWeigh) {
    const int boat = object("boat", 9, 13, 60);
    put(DT_ITEM, 230, 230, boat);
    const int feather = object("feather", 10, 0, 0);
    for (int i = 0; i < 39; i++) put(DT_ITEM, 230, 230, feather);
    EXPECT_EQ(transcap(-1, 230, 230), 1) << "forty stacks with the craft";
    put(DT_ITEM, 230, 230, feather);
    EXPECT_EQ(transcap(-1, 230, 230), -1);
    EXPECT_TRUE(was_shown("is overloaded"));
    EXPECT_EQ(transcap(-1, 240, 240), 0) << "no craft";

    memset(Data, 0, sizeof Data);
    put(DT_ITEM, 230, 230, boat);
    put(DT_ITEM, 230, 230, object("stone", 10, 0, 11939));
    EXPECT_EQ(transcap(0, 230, 230), 1);
    put(DT_ITEM, 230, 230, feather, 1);
    put(DT_ITEM, 230, 230, object("pebble", 10, 0, 1));
    EXPECT_EQ(transcap(0, 230, 230), -1) << "200 times the craft's weight";
}

TEST_F(Waterway, OpenWaterAndShores) {
    EXPECT_TRUE(avovesi(240, 230));
    EXPECT_FALSE(avovesi(230, 230));
    EXPECT_TRUE(ranta_alue(228, 230)) << "water five squares east";
    EXPECT_FALSE(ranta_alue(226, 230));
    EXPECT_FALSE(ranta_alue(240, 230)) << "open water is no shore";
    PlayerX = 231;
    EXPECT_TRUE(avovesi(-1, 0)) << "water beside her";
    PlayerX = 220;
    EXPECT_FALSE(avovesi(-1, 0));
}

TEST_F(Waterway, ABeaverLivesOnTheShoreFiveSquaresFromOpenWater) {
    creature(0, 4, 226, 230);
    Cre[4].kind = 5;
    Cre[4].moveclass = 96;
    Cre[4].speciescode = 623;
    Cre[4].morale4 = 1;            // a wild one
    EXPECT_EQ(onko_NPCn_elinymparistoa(4, 227, 230), 1) << "open water five squares east";
    EXPECT_EQ(onko_NPCn_elinymparistoa(4, 220, 230), 0);
    EXPECT_EQ(onko_NPCn_elinymparistoa(4, 240, 230), 1) << "in the water itself";
}

TEST_F(Waterway, IceBreakingUnderACreatureAlarmsItsCommunity) {
    GlobWeather.water_temp = -30;   // thin ice
    ASSERT_GT(ice_thickness_mapwise(240, 230), 0);
    creature(0, 4, 240, 230);
    creature(1, 5, 245, 230);
    creature(2, 6, 246, 230);
    Cre[4].community = Cre[5].community = 77;
    Cre[6].community = 12;
    Cre[4].weight = Cre[5].weight = Cre[6].weight = 400;
    Plr.month = 1;
    put(DT_ITEM, 240, 230, object("rock", 10, 0, 1000));   // what lies there is too heavy for it
    ASSERT_EQ(ice_break_check(240, 230, 0, 0), 1);
    EXPECT_EQ(NpcIceFallCheck(240, 230, 4), 1);
    EXPECT_TRUE(avovesi(240, 230)) << "open water where it broke";
    EXPECT_EQ(Cre[4].stateflags & 8, 8u);
    EXPECT_EQ(Cre[5].stateflags & 8, 8u);
    EXPECT_EQ(Cre[5].icefall, 1);
    EXPECT_EQ(Cre[6].stateflags & 8, 0u) << "another community";
    EXPECT_EQ(NpcIceFallCheck(230, 230, 4), 0) << "no ice on land";
}

int swim_turns = 0;
int swims(int) {
    swim_turns++;
    return 2;
}

// A load laid down on thin ice where she stands breaks it under her: she takes her step in the water
// there at once, wading in the shallows, swimming in deep water, or drowning.
TEST_F(Waterway, IceBrokenUnderHerByALoadPutsHerStepInTheWater) {
    static const struct {
        int depth;
        int (*swim)(int);
        int mode, turns;
        const char *told;
    } rows[] = {{1, swims, 4, 0, "The water is shallow enough to wade."},
                {5, swims, 2, 1, nullptr},
                {5, drowns, 2, 0, "You sink under water"}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.depth);
        memset(Data, 0, sizeof Data);
        GlobWeather.water_temp = -30;   // thin ice
        PlayerX = 240;
        PlayerY = 230;
        Plr.movement_mode = 1;
        depth(240, 230, r.depth);
        WaterSwimTurn = r.swim;
        swim_turns = 0;
        REAL_QUIT = 0;
        put(DT_ITEM, 240, 230, object("rock", 10, 0, 1000));
        esineet_paikkatarkistus(240, 230);
        EXPECT_EQ(Plr.movement_mode, r.mode);
        EXPECT_EQ(swim_turns, r.turns);
        if (r.told) EXPECT_TRUE(was_shown(r.told));
        if (r.swim == drowns) {
            EXPECT_EQ(REAL_QUIT, -1) << "her death ends the game";
        } else {
            EXPECT_EQ(REAL_QUIT, 0);
            EXPECT_TRUE(avovesi(240, 230)) << "open water where it broke";
        }
    }
}

TEST_F(Waterway, ACreatureStandingOnIceThatBreaksEndsItsTurnInTheWater) {
    GlobWeather.water_temp = -30;
    creature(0, 4, 240, 230);
    Cre[4].community = 9;
    put(DT_ITEM, 240, 230, object("rock", 10, 0, 1000));
    CreatureAct(0);
    EXPECT_TRUE(avovesi(240, 230)) << "the creatures' turn breaks the ice";
    EXPECT_EQ(Cre[4].stateflags & 8, 8u);
}

}  // namespace

// Landing a rowed craft: the shore of a small island (of the 5 x 5 world cells around her, fewer
// land than water and fewer than 15 land) is the island task of the second course; any shore goes
// on to the landing task.
TEST_F(Waterway, ALandedCraftFindsTheSmallIsland) {
    static const struct {
        int land;
        bool island;
    } rows[] = {{25, false}, {13, false}, {12, true}, {1, true}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.land);
        Plr.world_x = Plr.world_y = 500;
        const int wx = 500 + find_zoom_x(231, 0), wy = 500 + find_zoom_y(230, 0);
        int n = 0;
        for (int dy = -2; dy <= 2; dy++)
            for (int dx = -2; dx <= 2; dx++)
                maailma_alltime[mapidx(wx + dx, wy + dy)] = n++ < r.land ? CH_GROUND : CH_DEEP_WATER;
        Plr.course_index = 9;
        Plr.task_number = 47;
        Tehtavan_Vaihe = 0;
        PlayerX = 232;
        PlayerY = 230;
        Plr.movement_mode = 3;
        MovePlayer(106);
        ASSERT_EQ(PlayerX, 231);
        EXPECT_EQ(Plr.movement_mode, 1);
        EXPECT_EQ(Tehtavan_Vaihe, r.island ? 1 : 0);
    }
    Tehtavan_Vaihe = -1;
    Plr.course_index = -1;
}

// Launched backwards with the fisherman's means known, the rowing luck lasts 300 minutes.
TEST_F(Waterway, ABackwardLaunchStartsTheRowingLuckOnlyWithTheMeans) {
    for (int knows = 0; knows <= 1; knows++) {
        SCOPED_TRACE(knows);
        PLRGLOBAL_rowing_fishermans_luck_mintick = 0;
        memset(Data, 0, sizeof Data);
        put(DT_ITEM, 230, 230, object("boat", 9, 13, 60));
        carry(0, object("sesta", 6, 13), 128);
        if (knows) opi_taikakeino(115, 0);
        PlayerX = PlayerY = 230;
        Plr.movement_mode = 1;
        Plr.minutes = 1000;
        Plr.command_flags |= 16;
        depth(231, 230, 2);
        EXPECT_EQ(WaterwayCheck(231, 230), 1);
        EXPECT_EQ(Plr.movement_mode, 3);
        EXPECT_EQ(PLRGLOBAL_rowing_fishermans_luck_mintick, knows ? 1300u : 0u);
    }
}
