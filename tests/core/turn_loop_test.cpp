// tests/core/turn_loop_test.cpp -- the passes of the turn loop driven by pushed keys: what a command
// that used no time, a turn, or a turn without the creatures' move is followed by; the daily upkeep
// on a new day; facing changes that add up to a turn; and the end of the loop.
#include "game/worldpass.h"
#include "worldgen/encountupkeep.h"
#include "creatures/melee.h"
#include "turn_fixture.h"

#include "base/ui.h"
#include "core/plrfield.h"
#include "creatures/bodyrec.h"
#include "maps/mapdraw.h"
#include "presentation/tiles.h"

#include <fstream>
#include <sstream>

using oxatest::TurnTest;
using oxatest::push_key;
using oxatest::push_quit;

namespace {

class TurnLoopTest : public TurnTest {};

TEST_F(TurnLoopTest, TurnUsedDecidesTickAndCreatures) {
    creature(0, 7, 240, 236);
    struct Case { int used; int seconds; bool creatures; } cases[] = {
        {0, 0, false},   // no time: no tick, nobody moves
        {1, 6, true},    // a turn: one six-second tick, the creatures act
        {2, 0, true},    // a step that spent its own time: the creatures act, no tick
        {3, 0, false},   // time the command spent itself, without the creatures' move
    };
    for (const Case &c : cases) {
        Cre[7].Viimeisin_X = 0;
        const int before = seconds_of_game();
        const uint32_t fine = Plr.fine_time;
        TurnUsed = (uint8_t)c.used;
        EXPECT_EQ(turn_answer(), 1);
        EXPECT_EQ(seconds_of_game() - before, c.seconds) << "TurnUsed " << c.used;
        EXPECT_EQ(Plr.fine_time - fine, c.seconds ? 1u : 0u) << "TurnUsed " << c.used;
        EXPECT_EQ(Cre[7].Viimeisin_X == 240, c.creatures) << "TurnUsed " << c.used;
    }
}

TEST_F(TurnLoopTest, RestKeysSpendTheirSecondsAndTheTurnsTicksUntilTheWindowCloses) {
    int r = 0;
    for (int i = 0; i < 10; i++) {
        push_key('.');             // one at a time: keys typed far ahead are dropped by the reader
        ASSERT_EQ(turn_pass(&r), 1);
    }
    TurnLoop();                    // the empty queue reads as a closed window: "Q" leaves the game
    EXPECT_EQ(REAL_QUIT, -1);
    // Each "." ticks ten seconds and its turn six more at the next pass; the minute drops the
    // seconds past 60: 10 16 26 32 42 48 58 64->0 10 ...
    EXPECT_EQ(Plr.minutes, 2u);
    EXPECT_EQ(Plr.minute, 2);
    EXPECT_EQ(Juoksevat_sekuntit, 32);
    EXPECT_EQ(Plr.fine_time, 20u);
    EXPECT_EQ(Exit_Checking, 0) << "the exits were checked after the rest";
}

TEST_F(TurnLoopTest, DailyUpkeepRunsOncePastSevenOnANewDay) {
    Plr.forest_spirit = -7;
    Plr.daynumber = 40;
    Plr.day = 16;
    Plr.last_upkeep_day = 15;
    Plr.hour = 7;
    last_hour = 7;
    TurnUsed = 1;
    turn_answer();
    EXPECT_EQ(Plr.daynumber, 40u) << "not before eight o'clock";

    Plr.hour = 8;
    last_hour = 8;
    TurnUsed = 1;
    turn_answer();
    EXPECT_EQ(Plr.daynumber, 41u);
    EXPECT_EQ(Plr.last_upkeep_day, 16);
    EXPECT_EQ(dir->read_file("EQUIP.DAT"), "-7\n");
    TurnUsed = 1;
    turn_answer();
    EXPECT_EQ(Plr.daynumber, 41u) << "once a day";
    EXPECT_EQ(dir->read_file("EQUIP.DAT"), "-7\n");
}

TEST_F(TurnLoopTest, FirstDayOfANewCharacterOnlyStoresTheDay) {
    Plr.last_upkeep_day = 0;
    Plr.day = 1;
    Plr.hour = 8;
    last_hour = 8;
    TurnUsed = 1;
    turn_answer();
    EXPECT_EQ(Plr.last_upkeep_day, 1);
    EXPECT_EQ(Plr.daynumber, 0u);
    EXPECT_FALSE(dir->exists("EQUIP.DAT"));
}

TEST_F(TurnLoopTest, TurningInPlaceCostsATurnOnlyOnTheLocalArea) {
    int r = 0;
    push_key(SDLK_END);            // the rotating scheme turns around: two facing changes
    EXPECT_EQ(turn_pass(&r), 1);
    EXPECT_EQ(PlayerDir, 6);
    EXPECT_EQ(LittleTurns, 2);
    EXPECT_EQ(TurnUsed, 0);
    push_key(SDLK_PAGEDOWN);
    EXPECT_EQ(turn_pass(&r), 1);
    EXPECT_EQ(PlayerDir, 2);
    EXPECT_EQ(TurnUsed, 1) << "four changes of facing cost a turn";
    const int before = seconds_of_game();
    push_key(SDLK_LEFT);
    turn_pass(&r);
    EXPECT_EQ(seconds_of_game() - before, 6);
    EXPECT_EQ(LittleTurns, 1) << "the tick began a new count";

    world_map();
    LittleTurns = 0;
    TurnUsed = 0;
    for (int i = 0; i < 4; i++) {
        push_key(SDLK_LEFT);
        turn_pass(&r);
        EXPECT_EQ(TurnUsed, 0);
        EXPECT_EQ(LittleTurns, 0);
    }
}

TEST_F(TurnLoopTest, ClosingTheWindowReadsAsQuitAndEndsTheLoop) {
    // The character has no name and can't be saved: the game stays after the close, and leaves
    // only when the window is still closed at the next command, nobody being there to play on.
    push_quit();
    int r = 1;
    EXPECT_EQ(turn_pass(&r), 1);
    EXPECT_NE(REAL_QUIT, -1);
    EXPECT_EQ(turn_pass(&r), 0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(EXIT_CLOSE_GAME, 0) << "nothing was saved: the loop ends, the program does not";
}

TEST_F(TurnLoopTest, GameLeftDuringThePassStopsBeforeTheCommand) {
    REAL_QUIT = -1;
    TurnUsed = 1;
    EXPECT_EQ(turn_answer(), 0);
}

TEST_F(TurnLoopTest, MapLoadClearsTheFlagAndTheTurn) {
    dir->write_file(".CRS", "");   // the map's creatures come from the character's creature file
    LOAD_MAP = 1;
    TurnUsed = 0;
    ZoomRenew = 0;
    EXPECT_EQ(turn_answer(), 1);
    EXPECT_EQ(LOAD_MAP, 0);
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_EQ(DISABLE_MAP, 0);
}

// She faints and comes to: the map reddens once and clears once.
TEST_F(TurnLoopTest, AFaintReddensTheMapOnceAndComingToClearsItOnce) {
    static std::string shown;
    shown.clear();
    const UiPanels screen = ui.panels;
    ui.panels.faint = [] { shown += "faint|"; };
    ui.panels.wakeup = [] { shown += "wake|"; };
    plr_bytes(PB_ENDURANCE)[0] = 12;
    Plr.posture = 4;
    TurnUsed = 0;
    EXPECT_EQ(turn_answer(), 1);
    ui.panels = screen;
    ASSERT_NE(Plr.posture, 4) << "she came to";
    EXPECT_EQ(shown, "faint|wake|");
}

// ---- the creatures' turn ----------------------------------------------------------------------

class CreatureTurnTest : public TurnTest {};

TEST_F(CreatureTurnTest, SkinAfterFiveDaysGoesAndItsCarcassIsSpent) {
    Data[3] = DataStruct{};
    Data[3].type = DT_CARCASS;
    Data[3].x = Data[3].y = 220;
    Data[5].type = DT_SKIN;
    Data[5].x = Data[5].y = 220;
    Data[5].id = 10;
    Plr.daynumber = 14;
    CreatureMove();
    EXPECT_EQ(Data[5].type, DT_SKIN) << "four days: kept";
    Plr.daynumber = 15;
    CreatureMove();
    EXPECT_EQ(Data[5].type, DT_FREED);
    EXPECT_EQ(Data[3].type, 'X');
}

TEST_F(CreatureTurnTest, RecordsMadeDuringThePassWaitForTheNext) {
    // A burnt-out fire beside a burning one spreads to the burnable squares around it; the new
    // fires land in free slots after it and must not burn in the same pass.
    for (int y = 225; y <= 235; y++)
        for (int x = 225; x <= 235; x++) maailma[mapidx(x, y)] = 70;
    Plr.minutes = 1000;
    Data[0].type = DT_FIRE;
    Data[0].x = Data[0].y = 228;
    Data[0].count = 30;
    Data[0].ready_minute = 900;
    Data[0].spent_minutes = 870;
    Data[0].day = 1;
    Data[1] = Data[0];
    Data[1].x = 229;
    Data[1].ready_minute = 5000;
    int spread = -1;
    for (int seed = 1; seed < 20 && spread <= 0; seed++) {
        // Find a draw of the shared stream under which the fire spreads.
        memset(Data + 2, 0, sizeof(DataStruct) * (DATA_MAX - 2));
        DataStruct keep0 = Data[0], keep1 = Data[1];
        randomize(seed);
        CreatureMove();
        spread = 0;
        for (int i = 0; i < DATA_MAX; i++)
            if (i != 1 && Data[i].type == DT_FIRE) {
                spread++;
                EXPECT_EQ(Data[i].ready_minute, 0u) << "a new fire burned in the pass that lit it";
                EXPECT_EQ(Data[i].spent_minutes, 0u);
            }
        if (spread <= 0) {
            Data[0] = keep0;
            Data[1] = keep1;
        }
    }
    EXPECT_GT(spread, 0);
    EXPECT_GE(get_datatype(DT_FIRE_REMAINS, 228, 228), 0) << "the fire left its remains";
    EXPECT_EQ(Data[1].ready_minute, 1000u + 1200u) << "a fire is never more than 1200 minutes from burning out";
}

TEST_F(CreatureTurnTest, DamagedCreatureRecordsAndTheWorldMapsCountdowns) {
    Data[0].type = DT_CREATURE;
    Data[0].id = 5;                // names no creature
    Data[1].type = DT_CREATURE;
    Data[1].id = CRE_DATAID + CRE_COUNT;
    CreatureMove();                // nothing to do, nothing broken
    world_map();
    Data[2].type = DT_TRACKS;
    Data[2].count = 2;
    Data[3].type = DT_ENCOUNTER;
    Data[3].x = Data[3].y = 230;
    Data[3].count = 1;
    CreatureMove();
    EXPECT_EQ(Data[2].count, 1);
    EXPECT_EQ(Data[3].type, DT_FREED);
    CreatureMove();
    EXPECT_EQ(Data[2].type, DT_FREED);

    Data[4].type = DT_ENCOUNTER;
    Data[4].x = 230 + 101;
    Data[4].y = 230;
    Data[5].type = DT_ENCOUNTER;
    Data[5].x = Data[5].y = 300;
    WorldMap_Maintenance();
    EXPECT_EQ(Data[4].type, DT_FREED);
    EXPECT_EQ(Data[5].type, DT_ENCOUNTER);
}

TEST_F(CreatureTurnTest, AdvantageLetsOnlyItsHolderActFirst) {
    creature(0, 1, 240, 240);
    creature(1, 2, 241, 240);
    creature(2, 3, 242, 240);
    Cre[1].lastaction = Cre[2].lastaction = Cre[3].lastaction = 9;
    TACTICAL_ADVANTAGE = 2;
    CreatureMove();
    EXPECT_EQ(Cre[1].lastaction, 9) << "before the holder, nobody acts";
    EXPECT_EQ(Cre[2].lastaction, 0);
    EXPECT_EQ(Cre[3].lastaction, 9) << "nor after it: it acts alone";
    EXPECT_EQ(TACTICAL_ADVANTAGE, -1000);

    // In the turn loop the holder's walk is followed by one for every creature.
    Cre[1].lastaction = Cre[2].lastaction = Cre[3].lastaction = 9;
    TACTICAL_ADVANTAGE = 2;
    turn_answer();
    EXPECT_EQ(Cre[1].lastaction, 0);
    EXPECT_EQ(Cre[3].lastaction, 0);
    EXPECT_EQ(TACTICAL_ADVANTAGE, -1000);
}

TEST_F(CreatureTurnTest, AFireBurnsThePlayerOnceATurnAndFillsInWhatItLacks) {
    Plr.minutes = 500;
    Plr.daynumber = 8;
    Data[0].type = DT_FIRE;
    Data[0].x = (uint16_t)PlayerX;
    Data[0].y = (uint16_t)PlayerY;
    Data[0].count = 60;
    plr_bytes(PB_ENDURANCE)[0] = 200;   // the burn's shock never fells her: its note stays the last
    CreatureMove();
    EXPECT_EQ(Data[0].ready_minute, 560u) << "lit now, it burns for its count";
    EXPECT_EQ(Data[0].spent_minutes, 500u);
    EXPECT_EQ(Data[0].day, 8);
    EXPECT_EQ(strncmp(lastnote, "!The fire burns your ", 21), 0) << lastnote;
    EXPECT_EQ(strstr(lastnote, "body"), nullptr) << "a body part is named";
    EXPECT_EQ(FIRESAFE, 1);
    lastnote[0] = 0;
    CreatureMove();
    EXPECT_STREQ(lastnote, "") << "once a turn";

    Plr.minutes = 561;             // burnt out: its remains are left and the ground is bare
    maailma[mapidx(PlayerX, PlayerY)] = 70;
    CreatureMove();
    EXPECT_EQ(Data[0].type == DT_FIRE, false);
    EXPECT_GE(get_datatype(DT_FIRE_REMAINS, PlayerX, PlayerY), 0);
    EXPECT_EQ(get_mapchar(PlayerX, PlayerY), CH_GROUND);
}

TEST_F(CreatureTurnTest, BurningAndStandingStill) {
    struct { int c; int burns; } table[] = {{250, 0}, {4, 0}, {82, 0}, {246, 0}, {70, 1}, {13, 1}};
    for (auto &t : table) EXPECT_EQ(burn(t.c), t.burns) << t.c;
    creature(0, 3, 240, 240);
    CreatureMove();
    EXPECT_EQ(Cre[3].still, 0) << "it came from elsewhere";
    CreatureMove();
    EXPECT_EQ(Cre[3].still, 1);
}

}  // namespace

namespace {

// The idle tick while nobody plays: a view with ripples is redrawn, a still one is left alone.
TEST_F(TurnLoopTest, IdleTickRedrawsOnlyAViewThatMoves) {
    const int wx = PlayerX + 2, wy = PlayerY;
    DrawMap();
    EXPECT_EQ(VIEW_ANIMATES, 0) << "open ground in daylight holds still";

    maailma[mapidx(wx, wy)] = CH_DEEP_WATER;
    DrawMap();
    ASSERT_EQ(VIEW_ANIMATES, 1) << "open water ripples";

    // The water dries up: the next idle tick redraws (the view moved last time) and sees it still.
    maailma[mapidx(wx, wy)] = CH_GROUND;
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    SDL_PushEvent(&e);
    EXPECT_EQ(PlayerAction(), 1);
    EXPECT_EQ(VIEW_ANIMATES, 0);

    // Water comes back without a redraw: the idle tick leaves the still view as it was drawn.
    maailma[mapidx(wx, wy)] = CH_DEEP_WATER;
    SDL_PushEvent(&e);
    EXPECT_EQ(PlayerAction(), 1);
    EXPECT_EQ(VIEW_ANIMATES, 0);
}

}  // namespace
