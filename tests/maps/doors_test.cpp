// tests/maps/doors_test.cpp -- doors and gates by the command keys, hiding and sneaking, skis,
// running and the movement menu, and the door, fence and dragging tests of the creatures' steps.
#include "maps/play_fixture.h"
#include "game/playerstep.h"

#include "base/ui.h"
#include "creatures/perception.h"
#include "creatures/zoomservices.h"
#include "creatures/crestep.h"
#include "creatures/doors.h"
#include "activities/swimclimb.h"
#include "maps/picker.h"
#include "presentation/menu.h"

using oxatest::push_key;

namespace {

class Doors : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        LURK = RUNNING = 0;
        STEALTH_REASONABLE = 0;
        clear_zoomservices();
    }
    void TearDown() override {
        LURK = RUNNING = 0;
        clear_zoomservices();
        PlayTest::TearDown();
    }
    static int key(int k) { return command_dispatch(k, 0, 0); }
};

TEST_F(Doors, OneDoorBesideHerOpensAndClosesWithoutAPrompt) {
    maailma[mapidx(231, 231)] = CH_DOOR_CLOSED;
    TurnUsed = 0;
    key('o');
    EXPECT_EQ(maailma[mapidx(231, 231)], CH_DOOR_OPEN);
    EXPECT_EQ(maailma_memorymap[mapidx(231, 231)], CH_DOOR_OPEN) << "what she remembers changes too";
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_TRUE(was_shown("The door opens."));

    TurnUsed = 0;
    key('c');
    EXPECT_EQ(maailma[mapidx(231, 231)], CH_DOOR_CLOSED);
    EXPECT_EQ(TurnUsed, 1);

    maailma[mapidx(229, 230)] = CH_GATE_OPEN;   // an open gate beside a closed door: the open one
    TurnUsed = 0;
    key('c');
    EXPECT_EQ(maailma[mapidx(229, 230)], CH_GATE_CLOSED);
    EXPECT_TRUE(was_shown("The gate closes."));
}

TEST_F(Doors, AnOpenDoorReportsAndSpendsNothing) {
    maailma[mapidx(230, 229)] = CH_DOOR_OPEN;
    TurnUsed = 0;
    EXPECT_EQ(open_door(230, 229), 0);
    EXPECT_TRUE(was_shown("The door is already open."));
    EXPECT_EQ(GeneralX, 230);
    key('o');   // no closed door or gate around: the picker asks, and Esc answers
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_EQ(open_door(230, 231), 0);
    EXPECT_TRUE(was_shown("There is no door there."));
}

TEST_F(Doors, ADoorIsClosedByCreaturesOnlyOutOfHerSightAndWithNobodyInIt) {
    maailma[mapidx(230, 228)] = CH_DOOR_OPEN;
    EXPECT_EQ(allowdoorclose(230, 230), 0) << "her own square";
    EXPECT_EQ(allowdoorclose(230, 228), 0) << "she stands near and sees it";
    maailma[mapidx(230, 210)] = CH_DOOR_OPEN;
    EXPECT_EQ(allowdoorclose(230, 210), 1);
    creature(0, 3, 230, 210);
    EXPECT_EQ(allowdoorclose(230, 210), 0) << "a creature stands in the door";
}

TEST_F(Doors, SneakingIsRefusedUnderAStrangersEyesButNotAFriends) {
    creature(0, 6, 230, 225);      // five squares north, facing her
    Cre[6].kind = 1;
    Cre[6].Suunta = 6;
    key('h');
    EXPECT_EQ(LURK, 0);
    EXPECT_TRUE(was_shown("You can't hide while someone is watching you."));

    Cre[6].posture = 3;            // senseless: it sees nothing
    forget();
    key('h');
    EXPECT_EQ(LURK, 1);
    key('h');
    Cre[6].posture = 0;

    Cre[6].partyflags |= 256;      // a companion
    forget();
    key('h');
    EXPECT_EQ(LURK, 1);
    EXPECT_TRUE(was_shown("You start sneaking"));
    key('h');
    EXPECT_EQ(LURK, 0) << "the key again stops sneaking";
    {
        // She stops running when she starts sneaking, with or without a panel to show it.
        oxatest::NoScreen hidden;
        const UiScreen kept = ui;
        ui_use_null_screen();
        RUNNING = 1;
        key('h');
        EXPECT_EQ(LURK, 1);
        EXPECT_EQ(RUNNING, 0);
        key('h');
        ui = kept;
    }

    Plr.movement_mode = 2;
    forget();
    Piiloudu();
    EXPECT_EQ(LURK, 0);
    EXPECT_TRUE(was_shown("You can't sneak while swimming!"));
}

TEST_F(Doors, CoverCountsTheBlockingSquaresAround) {
    EXPECT_EQ(nakosuojataso(-1), 0);
    maailma[mapidx(229, 229)] = 'T';
    terrain[(unsigned char)'T'].flags |= TF_TREE;
    maailma[mapidx(231, 231)] = 219;
    terrain[219].flags |= TF_BLOCKS;
    EXPECT_EQ(nakosuojataso(-1), 2);
}

TEST_F(Doors, SkisNeedAStickAndAHundredOfSnow) {
    carry(0, object("skis", 6, 40), 0, 1);
    GlobWeather.snow_depth = 100;
    EXPECT_EQ(MovePlayer(1), 1);
    EXPECT_EQ(Plr.movement_mode, 1) << "no stick";
    EXPECT_TRUE(was_shown("in order to ski you need to wield a ski stick too"));

    carry(1, object("ski stick", 1, 41), 128);
    EXPECT_EQ(MovePlayer(1), 1);
    EXPECT_EQ(Plr.movement_mode, 7);
    EXPECT_STREQ(movement_desc(), "Skiing");

    GlobWeather.snow_depth = 99;
    forget();
    MovePlayer(1);
    EXPECT_EQ(Plr.movement_mode, 1);
    EXPECT_TRUE(was_shown("You are wearing skis, but there's not enough snow for proper skiing."));
}

TEST_F(Doors, RunningFromTheGroundGetsUpFirst) {
    Plr.posture = 1;
    EXPECT_STREQ(movement_desc(), "laying down");
    key('R');
    EXPECT_EQ(Plr.posture, 0);
    EXPECT_EQ(RUNNING, 1);
    EXPECT_TRUE(was_shown("You run."));
    key('R');
    EXPECT_EQ(RUNNING, 0) << "running again walks";

    Plr.movement_mode = 4;
    forget();
    MOVEDO_run();
    EXPECT_EQ(RUNNING, 0);
    EXPECT_TRUE(was_shown("You can't run while wading!"));
}

TEST_F(Doors, TheMovementMenuOffersItsActions) {
    push_key('G');                 // go prone
    key('/');
    EXPECT_EQ(Plr.posture, 1);
    std::vector<std::string> entries;
    for (int i = 0; i < ValintojenMaara; i++) entries.push_back(ValintaEntry[i].text);
    const char *want[] = {"Run", "Hide and sneak", "Go prone (lay down)", "Stand still - wait and rest", "Sleep"};
    for (const char *w : want) {
        bool found = false;
        for (auto &e : entries) found = found || e.find(w) != std::string::npos;
        EXPECT_TRUE(found) << w;
    }
    for (auto &e : entries) EXPECT_EQ(e.find("Rest until not fatigued"), std::string::npos) << "she is not tired";

    push_key('G');                 // lying: the first entry gets her up
    menusel_Movemode();
    EXPECT_NE(std::string(ValintaEntry[0].text).find("Get up (stand)"), std::string::npos);

    Plr.movement_mode = 2;
    const int before = seconds_of_game();
    push_key('-');
    menusel_Movemode();
    EXPECT_TRUE(was_shown("That's something you can not do while swimming!"));
    EXPECT_EQ(seconds_of_game(), before);
}

TEST_F(Doors, WaitingRestingAndLyingDownSpendTime) {
    const int before = seconds_of_game();
    key('-');                      // nobody interrupts: she stands the whole four hours
    EXPECT_EQ(seconds_of_game() - before, 240 * 60);

    TurnUsed = 0;
    key('u');
    EXPECT_EQ(Plr.posture, 1);
    EXPECT_EQ(TurnUsed, 1);

    TurnUsed = 0;
    const int rested = seconds_of_game();
    key(KEY_ALT_MINUS);                  // not tired: the rest is over at once
    EXPECT_LT(seconds_of_game() - rested, 240 * 60);
}

TEST_F(Doors, TheFenceStopsAllButSmallAnimalsAndJumpersInAHurry) {
    for (int y = 220; y <= 224; y++) maailma[mapidx(235, y)] = 42;   // a fence running north-south
    creature(0, 2, 236, 222);
    Cre[2].kind = 5;
    Cre[2].weight = 5;
    EXPECT_EQ(obstacleCheck(2, 235, 222), 1) << "under 10 kg it slips through";
    Cre[2].weight = 300;
    Cre[2].speciescode = 602;
    EXPECT_EQ(obstacleCheck(2, 235, 222), 103) << "a jumper at ease stays";
    Cre[2].mode = 4;
    EXPECT_EQ(obstacleCheck(2, 235, 222), 1) << "a fleeing jumper jumps";
    Cre[2].mode = 0;
    Cre[2].Puuha[0] = 52;          // hunting
    Cre[2].energy = 1000;
    EXPECT_EQ(obstacleCheck(2, 235, 222), 1) << "a hunter under a tenth of its 10500 reserve is in a hurry";
    Cre[2].energy = 1100;
    EXPECT_EQ(obstacleCheck(2, 235, 222), 103) << "a fed hunter is not";
    Cre[2].Puuha[0] = 0;
    Cre[2].mode = 4;
    Data[0].x = 235;
    EXPECT_EQ(obstacleCheck(2, 235, 223), 103) << "but not from a fence square";
    EXPECT_EQ(obstacleCheck(2, 236, 223), 103) << "no fence: blocked as an obstacle";
    EXPECT_EQ(obstacleCheck(-1, 235, 222), 103);
}

TEST_F(Doors, TheCreatureStepAsksTheFenceAndTheDoorRules) {
    for (int y = 220; y <= 224; y++) maailma[mapidx(235, y)] = 42;
    creature(0, 2, 236, 222);
    Cre[2].kind = 5;
    Cre[2].weight = 300;
    Cre[2].speciescode = 602;
    EXPECT_EQ(Liikkuminen(2, 235, 222, 0), STEP_OBSTACLE) << "at ease the fence stops it";
    Cre[2].mode = 4;
    EXPECT_EQ(Liikkuminen(2, 235, 222, 0), STEP_OK) << "fleeing, it leaps";

    maailma[mapidx(230, 228)] = CH_DOOR_OPEN;   // a person leaves a door she stands beside and sees
    creature(1, 3, 230, 228);
    Cre[3].kind = 1;
    EXPECT_EQ(Liikkuminen(3, 230, 227, 1), STEP_OK);
    EXPECT_EQ(maailma[mapidx(230, 228)], CH_DOOR_OPEN) << "not shut in front of her";
}

TEST_F(Doors, ADraggedPetLandsOnlyWhereACreatureCanStand) {
    creature(0, 8, 230, 270);      // forty squares behind her: more than its walk of a tick
    Cre[8].owner = CRE_PLAYER;     // her pet
    PlayerDir = 2;
    pet_drag(-1, 8);
    EXPECT_EQ(Data[0].x, 230);
    EXPECT_EQ(Data[0].y, 229) << "onto the square ahead";

    Data[0].x = 230;
    Data[0].y = 270;
    terrain[219].flags |= TF_BLOCKS;
    maailma[mapidx(230, 229)] = 219;   // a wall ahead: the nearest free square round from it
    pet_drag(-1, 8);
    EXPECT_EQ(koordinaattien_vali(Data[0].x, Data[0].y, 230, 230), 1);
    EXPECT_FALSE(Data[0].x == 230 && Data[0].y == 229);

    for (int d = 0; d < 8; d++) maailma[mapidx(230 + Heds_x(d), 230 + Heds_y(d))] = 219;
    Data[0].x = 230;
    Data[0].y = 270;
    pet_drag(-1, 8);
    EXPECT_GT(koordinaattien_vali(Data[0].x, Data[0].y, 230, 230), 1) << "walled in: not set into a wall";
    EXPECT_FALSE(terrain_flag(get_mapchar(Data[0].x, Data[0].y), TF_BLOCKS));
}

}  // namespace
