// tests/maps/move_walk_test.cpp -- scripted walks: where the player ends up, the game time each
// step costs, the messages and questions on the way, and what refuses a step.
#include "maps/maptest.h"

#include "activities/swimclimb.h"
#include "core/config.h"
#include "core/harnrule.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "core/creatures.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "maps/facing.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "maps/water.h"
#include "game/playerstep.h"
#include "presentation/notes.h"
#include "core/tekstit.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> notes, questions;
int next_answer = 0;

// The notes as the note box is handed them.
void capture_note(const char *t, const char *, uint8_t, uint8_t, uint8_t, const char *) { notes.push_back(t); }
int scripted_ask(const char *q) {
    questions.push_back(q);
    return next_answer;
}

class Walk : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        Plr.world_x = 1000;
        Plr.world_y = 1000;
        for (int y = 200; y < 264; y++)
            for (int x = 200; x < 264; x++) put(x, y, CH_GROUND);
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        Plr.minutes = 1000;
        Juoksevat_sekuntit = 0;
        RUNNING = LURK = TRANSPORT = 0;
        TurnUsed = 0;
        notes.clear();
        questions.clear();
        next_answer = 0;
        ui.notes.note = capture_note;
        NOTE_TUPLAOK = 1;   // a note said again is heard again
        DISABLE_NOTES = 0;
        ui.choices.yes_no = scripted_ask;
        WaterSwimTurn = [](int) { return 2; };   // every swimming turn a plain success
        memset(Cre, 0, sizeof Cre);
        dir->write_file("oxa_ini.txt", "");
        for (const char *f : {"messages/eng_general.txt", "messages/eng_movement.txt"}) dir->copy_asset(f);
        MSG_forget_index();
    }
    void TearDown() override {
        ui.notes = shown;
        NOTE_TUPLAOK = 0;
        DISABLE_NOTES = kept_disable_notes;
        ui.choices.yes_no = nullptr;
        WaterSwimTurn = saved_swim;
        MSG_forget_index();
        MapsTest::TearDown();
    }
    int (*saved_swim)(int) = WaterSwimTurn;
    const UiNotes shown = ui.notes;
    const uint8_t kept_disable_notes = DISABLE_NOTES;
    // Game seconds spent since the walk began.
    long spent() const { return (long)(Plr.minutes - 1000) * 60 + Juoksevat_sekuntit; }
    bool told(const std::string &text) const {
        for (auto &n : notes)
            if (n == text) return true;
        return false;
    }
    static int place(int type, int x, int y, uint32_t id, int count = 1) { return place_record(type, x, y, id, count); }
    void setting(const char *key, const char *value) {
        dir->write_file("oxa_ini.txt", std::string("[") + key + ":" + value + "]\n");
    }
};

TEST_F(Walk, BothSchemesStepAndEachStepCostsItsTime) {
    // Compass keys: east, south-east, south; facing keys: forward twice and one back.
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(MovePlayer(103), 1);
    EXPECT_EQ(MovePlayer(104), 1);
    EXPECT_EQ(PlayerX, 234);
    EXPECT_EQ(PlayerY, 234);
    EXPECT_EQ(TurnUsed, 2);
    PlayerDir = 2;   // north
    EXPECT_EQ(MovePlayer(1), 1);
    EXPECT_EQ(MovePlayer(1), 1);
    EXPECT_EQ(MovePlayer(-1), 1);
    EXPECT_EQ(PlayerY, 233);
    EXPECT_EQ(LastMovingDirection, 6) << "a backward step remembers the way it went";
    EXPECT_EQ(PlayerX_Previous, 234);
    EXPECT_EQ(PlayerY_Previous, 232);
    EXPECT_EQ(spent(), 6 * 2) << "2 m at 0.9 s/m is 2 seconds a step";
    EXPECT_STREQ(MoveSound, "walk");
}

TEST_F(Walk, AZeroStepTestsTheSquareInPlace) {
    EXPECT_EQ(MovePlayer(0), 1) << "a free square";
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(spent(), 2) << "the step in place spends one step's time";
    put(232, 232, 13);
    EXPECT_EQ(MovePlayer(0), 0) << "a blocked square";
}

TEST_F(Walk, TerrainModeAndLevelSetTheTimeOfAStep) {
    put(233, 232, 15);            // a coniferous forest square does not block: 1.2 s/m
    terrain[15].flags &= ~(uint32_t)TF_BLOCKS;
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(spent(), 3) << "2.4 seconds round up";

    Juoksevat_sekuntit = 0;
    Plr.minutes = 1000;
    put(234, 232, CH_SHALLOW_WATER);
    Plr.movement_mode = 2;        // swimming: ten times as slow
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(spent(), 18);

    // The world map: 100 m a step, 1.5 minutes rounded up.
    strcpy(Plr.mapname, "BIGMAP");
    Plr.movement_mode = 1;
    memset(maailma, CH_GROUND, MAP_BYTES);
    PlayerX = PlayerY = 500;
    Juoksevat_sekuntit = 0;
    Plr.minutes = 1000;
    EXPECT_EQ(MovePlayer(106), 1);
    EXPECT_EQ(spent(), 120);
    EXPECT_EQ(Plr.world_x, 499u) << "on the world map the record's cell follows the player";
}

TEST_F(Walk, ObstaclesRefuseWithTheirMessagesAndCostNothing) {
    put(233, 232, 13);   // spruce
    EXPECT_EQ(MovePlayer(102), 0);
    EXPECT_EQ(PlayerX, 232);
    EXPECT_TRUE(told("!There is a spruce in the way.")) << (notes.empty() ? "" : notes.back());
    EXPECT_EQ(TurnUsed, 0);

    put(231, 232, 196);  // a wall
    EXPECT_EQ(MovePlayer(106), 0);
    EXPECT_TRUE(told("!There is a northern wall in the way."));

    put(232, 231, 39);   // a big rock
    EXPECT_EQ(MovePlayer(100), 0);
    EXPECT_TRUE(told("!There is a big rock in the way."));
    EXPECT_EQ(spent(), 0);
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(PlayerY, 232);
}

TEST_F(Walk, FencesAskOrClimbByTheSetting) {
    put(233, 232, 42);
    EXPECT_EQ(MovePlayer(102), 0) << "asked and answered no";
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Climb it?");
    EXPECT_TRUE(told("!There is a fence in the way."));

    setting("AUTO_CLIMB_FENCE", "NO");
    questions.clear();
    EXPECT_EQ(MovePlayer(102), 0);
    EXPECT_TRUE(questions.empty());

    // Standing on a fence square: the zero step answers 1 for a fence, 0 for other obstacles.
    PlayerX = 233;
    EXPECT_EQ(MovePlayer(0), 1);
    put(233, 232, 13);
    EXPECT_EQ(MovePlayer(0), 0);
}

// Until climbing has its own screens, a climb over a fence is one CLIMBING roll, and the climbing
// of the skill list and the movement menu (no square given) climbs nothing and draws nothing.
TEST_F(Walk, AFenceIsClimbedTryByTry) {
    put(233, 232, 42);
    next_answer = 1;
    WIZARD_randomsuccess = 3;   // every roll fails: a climb this short never falls, it only takes longer
    MovePlayer(102);
    EXPECT_EQ(PlayerX, 233) << "over the fence";
    WIZARD_randomsuccess = 0;

    randomize(7);
    const int first = random(1000);
    randomize(7);
    EXPECT_EQ(climb_it(0, 0), 0);
    EXPECT_EQ(random(1000), first) << "no roll drawn";
}

TEST_F(Walk, DoorsOpenUnlessTheSettingSaysNo) {
    put(233, 232, 254);
    EXPECT_EQ(MovePlayer(102), 0);
    EXPECT_EQ(maailma[mapidx(233, 232)], 22) << "the door stands open";
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(MovePlayer(102), 1) << "and the next step goes through";

    PlayerX = 232;
    put(233, 232, 254);
    setting("AUTO_OPEN_DOOR", "NO");
    notes.clear();
    EXPECT_EQ(MovePlayer(102), 0);
    EXPECT_EQ(maailma[mapidx(233, 232)], 254);
    EXPECT_TRUE(told("!There is a door in the way."));
}

TEST_F(Walk, SlopesAskToClimbOrAreTooSteep) {
    korkeuskartta[mapidx(233, 232)] = 2;
    korkeuskartta[mapidx(231, 232)] = 3;
    EXPECT_EQ(MovePlayer(102), -1);
    EXPECT_TRUE(told("!That's quite steep. Use your CLIMBING skill to move on."));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Climb it?");
    EXPECT_EQ(MovePlayer(106), -1);
    EXPECT_TRUE(told("!That's too steep to be climbed!"));
    EXPECT_EQ(PlayerX, 232);
    korkeuskartta[mapidx(233, 232)] = 1;
    EXPECT_EQ(MovePlayer(102), 1) << "a step of one is a plain step";
    EXPECT_EQ(MovePlayer(106), 1) << "stepping down needs no climbing";
}

TEST_F(Walk, FiresAndCreaturesStopTheStep) {
    place(DT_FIRE, 233, 232, 1);
    EXPECT_EQ(MovePlayer(102), 0);
    EXPECT_TRUE(told("!You can't walk through the fire!"));
    memset(Data, 0, sizeof Data);

    Cre[7].kind = 5;   // an animal, awake, standing on the ground
    Cre[7].mode = 3;
    const int rec = place(DT_CREATURE, 232, 233, CRE_DATAID + 7);
    EXPECT_EQ(MovePlayer(104), 0);
    EXPECT_EQ(TARGET_NPC, 7);
    EXPECT_EQ(TurnUsed, 1) << "bumping a creature spends the turn";
    EXPECT_EQ(PlayerY, 232);

    // A calm person gives way, but one that has not moved off the square keeps blocking it: the
    // player and a creature never share a square.
    Cre[7].kind = CK_HUMAN;
    EXPECT_EQ(MovePlayer(104), 0);
    EXPECT_EQ(PlayerY, 232);
    EXPECT_EQ(TARGET_NPC, 7);
    // Once it has stepped off, the way is free.
    Data[rec].x = 240;
    EXPECT_EQ(MovePlayer(104), 1);
    EXPECT_EQ(PlayerY, 233);
}

TEST_F(Walk, WornOutSheCannotStepOrRunAndIsToldWhy) {
    plr_set<float>(PB_FATIGUE, 100.0f);
    EXPECT_EQ(MovePlayer(102), -1);
    EXPECT_TRUE(told("!You are not able move ahead due to being fatigued!")) << (notes.empty() ? "" : notes.back());
    EXPECT_EQ(PlayerX, 232);

    // Nearly worn out she still walks, but a run ends at once.
    plr_set<float>(PB_FATIGUE, 99.0f);
    ASSERT_GE(ACTUAL_MOBILITY(-1), 0);
    RUNNING = 1;
    DISABLE_MORECHECK = 1;   // the pause after the note gives way at once
    ASSERT_LE(ACTUAL_MOBILITY(-1), 9);
    EXPECT_EQ(MovePlayer(102), -1);
    EXPECT_TRUE(told("!You can't run any longer due to being fatigued!"));
    EXPECT_EQ(RUNNING, 0);
    DISABLE_MORECHECK = 0;
    plr_set<float>(PB_FATIGUE, 0.0f);
    RUNNING = 0;
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(PlayerX, 233);
}

// A runner stepping into the shallows runs on: the run's effort, not the wading's.
TEST_F(Walk, ARunnerRunsOnIntoTheShallows) {
    put(233, 232, CH_SHALLOW_WATER);
    korkeuskartta[mapidx(233, 232)] = 5;   // level with its shore: a wading depth
    ASSERT_LT(vesisyvyys(233, 232), 2);
    GlobWeather.water_temp = 200;
    setting("AUTO_WADE", "YES");
    plr_set<uint8_t>(PB_SPEED, 12);   // a walker's pace: fast enough to run
    RUNNING = 1;
    ASSERT_EQ(MovePlayer(102), 1) << (notes.empty() ? "" : notes.back());
    RUNNING = 0;
    EXPECT_EQ(PlayerX, 233);
    EXPECT_EQ(Plr.movement_mode, 4);
    EXPECT_EQ(Plr.exertion, 10);
    EXPECT_TRUE(told("&You run."));
    GlobWeather.water_temp = 0;
}

TEST_F(Walk, ASleeperInTheWayWakesAndAPetMakesWay) {
    Cre[7].kind = 5;   // an animal asleep on the square south of her
    Cre[7].mode = CM_ASLEEP;
    place(DT_CREATURE, 232, 233, CRE_DATAID + 7);
    EXPECT_EQ(MovePlayer(104), 0);
    EXPECT_NE(Cre[7].mode, CM_ASLEEP) << "woken by her step";
    EXPECT_EQ(PlayerY, 232);

    // Awake, her own pet steps aside as a calm person would: she is told it withdraws.
    Cre[7].mode = 3;
    Cre[7].posture = 0;
    Cre[7].owner = CRE_PLAYER;
    notes.clear();
    MovePlayer(104);
    // Told as a note is: its first letter a capital.
    auto noted = [](std::string t) {
        size_t i = t.find_first_not_of("!+:_ ");
        if (i != std::string::npos) t[i] = (char)toupper((unsigned char)t[i]);
        return t;
    };
    const std::string withdraws = noted(MSG("NPC_WITHDRAWS")), ahead = noted(MSG("MOVEMENT_NPC_AHEAD"));
    EXPECT_TRUE(told(withdraws)) << (notes.empty() ? "" : notes.back());
    EXPECT_FALSE(told(ahead));
    // A wild animal awake in her way stays the creature ahead.
    Cre[7].owner = 0;
    notes.clear();
    MovePlayer(104);
    EXPECT_TRUE(told(ahead));
    EXPECT_FALSE(told(withdraws));
}

TEST_F(Walk, HerStepIsHeardInTheWorld) {
    clear_noises();
    ASSERT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(AANI_AIHEUTTAJA, -1);
    EXPECT_GE(AANI_TASO, 1);
    EXPECT_EQ(AANI_X, PlayerX);
    EXPECT_EQ(AANI_Y, PlayerY);
    EXPECT_EQ(Plr.noise, AANI_TASO);
}

TEST_F(Walk, IceThatHoldsIsWalkedAndThinIceAsksFirst) {
    put(233, 232, CH_SHALLOW_WATER);
    GlobWeather.water_temp = -1000;   // a metre of ice
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(PlayerX, 233);
    EXPECT_TRUE(questions.empty());

    PlayerX = 232;
    GlobWeather.water_temp = -30;     // three millimetres
    next_answer = 0;
    EXPECT_EQ(MovePlayer(102), 0);
    EXPECT_EQ(PlayerX, 232);
    EXPECT_TRUE(told("!You doubt the ice will hold your weight."));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Still want to step on the ice?");
    EXPECT_EQ(TurnUsed, 1);
    next_answer = 1;
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(PlayerX, 233);
    GlobWeather.water_temp = 0;
}

// The ground under her picks the step sound: moss on a square of a mire cell, with no soil of its
// own, squelches.
TEST_F(Walk, MossOnAMireCellSoundsSoggy) {
    int mire = 0;
    for (int c = 1; c < 256 && !mire; c++)
        if (terrain_flag(c, TF_MIRE)) mire = c;
    ASSERT_NE(mire, 0);
    static const struct {
        bool mire_cell;
        uint8_t bits;   // surface code, soil code above it
        const char *sound;
    } rows[] = {
        {true, 2, "walk_soggy"},
        {true, 2 | 1 << 3, "walk"},   // moss on rock
        {false, 2, "walk"},           // a cell of dry land
        {true, 1, "walk"},            // lichen
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.sound);
        PlayerX = 232;
        put_world(1000, 1000, r.mire_cell ? mire : CH_GROUND);
        pintakartta[mapidx(233, 232)] = r.bits;
        ASSERT_EQ(MovePlayer(102), 1);
        EXPECT_STREQ(MoveSound, r.sound);
    }
}

// Climbing out of the water onto ice, a pointed weapon in each hand bites into the edge.
TEST_F(Walk, PointedWeaponsHelpASwimmerOntoTheIce) {
    int open = 0;   // water that never freezes, beside water that does
    for (int c = 1; c < 256 && !open; c++)
        if (terrain_flag(c, TF_WATER) && !terrain_jaatyy(c)) open = c;
    ASSERT_NE(open, 0);
    put(232, 232, open);
    put(233, 232, CH_SHALLOW_WATER);
    GlobWeather.water_temp = -1000;
    ASSERT_TRUE(has_ice(233, 232));
    ASSERT_FALSE(has_ice(232, 232));
    Plr.agility = Plr.strength = 18;   // a plain success always lifts her
    auto climbs = [] {
        int up = 0;
        for (int i = 0; i < 200; i++) {
            Plr.movement_mode = 2;
            Plr.posture = 0;
            up += MoveTo(1000, 232, 232, 233, 232, 1) == 1;
        }
        return up;
    };
    srand(7);
    const int bare = climbs();
    const ItemStruct kept[2] = {PlayerObj[0], PlayerObj[1]};
    for (int h = 0; h < 2; h++) {
        PlayerObj[h] = {};
        PlayerObj[h].type = IT_WEAPON;
        PlayerObj[h].fig[0] = PlayerObj[h].fig[1] = 200;
        PlayerObj[h].fig[2] = 4;   // a spear's point
        PlayerObj[h].status = h == 0 ? ISTAT_PRIMARY : ISTAT_SECOND;
        Plr.inv_obj[h] = OBJ_PLAYER_FIRST + h;
    }
    const int armed = climbs();
    PlayerObj[0] = kept[0];
    PlayerObj[1] = kept[1];
    EXPECT_LT(bare, 30) << "unskilled and empty-handed she seldom makes it";
    EXPECT_GT(armed, 50);
    GlobWeather.water_temp = 0;
}

TEST_F(Walk, ACreatureIdOutsideTheTableNamesNoCreature) {
    place(DT_CREATURE, 233, 232, CRE_DATAID + 600);
    place(DT_CREATURE, 233, 232, 4000000000u);
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(PlayerX, 233);
}

TEST_F(Walk, TheEdgesOfTheWorldTurnThePlayerBack) {
    strcpy(Plr.mapname, "BIGMAP");
    memset(maailma, CH_GROUND, MAP_BYTES);
    PlayerX = 31;
    PlayerY = 500;
    EXPECT_EQ(MovePlayer(106), 1);
    EXPECT_EQ(PlayerX, 31) << "the step west of the band is undone";
    EXPECT_TRUE(told("!For some reason you dare not to go further."));
    PlayerX = 29;
    notes.clear();
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(PlayerX, 30) << "a step back inward is kept";
    EXPECT_TRUE(told("!For some reason you dare not to go further."));
}

// Walking the world map she now and then hears the land around her: the forest's or the open
// land's sounds by day, the night's at night, seldom outside the summer months.
TEST_F(Walk, TheWildsAreHeardNowAndThenOnTheWorldMap) {
    strcpy(Plr.mapname, "BIGMAP");
    int forest = 0;
    for (int c = 1; c < 256 && !forest; c++)
        if (terrain_flag(c, TF_TREE) && !terrain_flag(c, TF_BLOCKS | TF_WATER)) forest = c;
    ASSERT_NE(forest, 0);
    static std::vector<std::string> heard;
    const UiSound kept = ui.sound;
    ui.sound.keyword_sample = [](const char *words) { heard.push_back(words); };
    static const struct {
        int month, hour;
        bool woods;
        int forest_min, nature_min, night_min;   // how many of each at least; -1 none at all
    } rows[] = {
        {6, 12, true, 5, 1, -1},
        {6, 12, false, -1, 5, -1},
        {6, 1, true, -1, -1, 2},
        {12, 12, false, -1, 1, -1},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.month * 100 + r.hour);
        memset(maailma, r.woods ? forest : CH_GROUND, MAP_BYTES);
        Plr.month = (uint8_t)r.month;
        Plr.hour = (uint8_t)r.hour;
        PlayerX = PlayerY = 500;
        heard.clear();
        srand(11);
        for (int i = 0; i < 600; i++) ASSERT_EQ(MovePlayer(i % 2 ? 106 : 102), 1);
        int n[3] = {};
        for (const auto &h : heard) n[h == "FOREST LIVING" ? 0 : h == "NATURE LIVING" ? 1 : 2]++;
        const int mins[3] = {r.forest_min, r.nature_min, r.night_min};
        for (int k = 0; k < 3; k++) {
            if (mins[k] < 0) EXPECT_EQ(n[k], 0) << k;
            else EXPECT_GE(n[k], mins[k]) << k;
        }
        EXPECT_LT(heard.size(), 60u) << "about one step in thirty at most";
    }
    ui.sound = kept;
    SOUND_IN_DISTANCE = SOUND_IN_POSITION = 0;
}

TEST_F(Walk, LeavingTheMiddleOfTheAreaAsksForANewArea) {
    PlayerX = 328;
    for (int x = 320; x < 340; x++) put(x, 232, CH_GROUND);
    ZoomRenew = 0;
    EXPECT_EQ(MovePlayer(102), 1);
    EXPECT_EQ(ZoomRenew, 1);
    ZoomRenew = 0;
}

}  // namespace
