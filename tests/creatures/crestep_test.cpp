// tests/creatures/crestep_test.cpp -- one creature step: leash, fences, water, ice, doors, crowding
// and the edge of the local area.
#include "creatures/life.h"
#include "life_fixture.h"
#include "maps/water.h"
#include "core/commandcodes.h"
#include "game/playerstep.h"
#include "maps/squareevents.h"
#include "maps/trapdata.h"

#include <algorithm>
#include <vector>

using CreStep = LifeTest;

TEST_F(CreStep, ATestStepChangesNothingAndAMoveLeavesItsMark) {
    const int pos = animal(3, 240, 240);
    EXPECT_EQ(Liikkuminen(3, 241, 240, 0), STEP_OK);
    EXPECT_EQ(Data[pos].x, 240);
    EXPECT_EQ(Liikkuminen(3, 241, 240, 1), STEP_OK);
    EXPECT_EQ(Data[pos].x, 241);
    EXPECT_EQ(Cre[3].Viimeisin_X, 241);
    EXPECT_EQ(Cre[3].still, 0);
    EXPECT_TRUE(Cre[3].lastaction & 2);
}

TEST_F(CreStep, NoStepLeavesTheLocalArea) {
    animal(1, 74, 200);
    EXPECT_EQ(Liikkuminen(1, 73, 200, 1), STEP_BLOCKED);
    EXPECT_EQ(cx(1), 74);
    animal(2, 389, 389);
    EXPECT_EQ(Liikkuminen(2, 390, 390, 1), STEP_BLOCKED);
    EXPECT_EQ(Liikkuminen(2, -5, 70000, 0), STEP_BLOCKED);
}

TEST_F(CreStep, OthersTreesFiresAndThePlayerBlock) {
    animal(1, 240, 240);
    animal(2, 241, 240);
    EXPECT_EQ(Liikkuminen(1, 241, 240, 1), STEP_BLOCKED);
    put(240, 241, 18);   // a pine
    EXPECT_EQ(Liikkuminen(1, 240, 241, 1), STEP_OBSTACLE);
    place_record(DT_FIRE, 239, 239, 0);
    EXPECT_EQ(Liikkuminen(1, 239, 239, 1), STEP_BLOCKED);
    animal(4, 233, 232);
    EXPECT_EQ(Liikkuminen(4, PlayerX, PlayerY, 1), STEP_BLOCKED);
}

// A sapling is the mark on the square's tree record, for a creature's step as for hers: an unmarked
// young tree stops both, a marked one of any kind lets both through, in a pass or out of one.
TEST_F(CreStep, ACreatureAndThePlayerReadASaplingAlike) {
    const int tx = PlayerX + 1, ty = PlayerY;
    struct Row { int tree; bool marked; int verdict; } rows[] = {
        {17, false, STEP_OBSTACLE}, {12, false, STEP_OBSTACLE}, {10, true, STEP_OK}, {12, true, STEP_OK},
    };
    for (const Row &row : rows)
        for (bool in_pass : {false, true}) {
            SCOPED_TRACE(testing::Message() << "tree " << row.tree << (row.marked ? " marked" : "") << (in_pass ? " in a pass" : ""));
            memset(Data, 0, sizeof Data);
            animal(1, tx + 1, ty);
            put(tx, ty, row.tree);
            if (row.marked) Data[place_record(DT_TREE, tx, ty, 0)].flags = 1 << TREEDATA_SAPLING;
            if (in_pass) crestep_pass_begin();
            EXPECT_EQ(Liikkuminen(1, tx, ty, 0), row.verdict);
            if (in_pass) crestep_pass_end();
            EXPECT_EQ(MoveTo(-1, PlayerX, PlayerY, tx, ty, 0) == STEP_OBSTACLE, row.verdict == STEP_OBSTACLE) << "her step";
        }
}

// A trap set with quality 0 mostly takes nothing, so an animal it could take keeps off it; one set well
// takes it at every step.
TEST_F(CreStep, AnAnimalKeepsOffATrapSetWithQualityZero) {
    struct Row { int quality, blocked_min, blocked_max; } rows[] = {{0, 15, 20}, {2, 0, 0}};
    for (const Row &row : rows) {
        int blocked = 0;
        for (int k = 0; k < 20; k++) {
            memset(Data, 0, sizeof Data);
            animal(1, 240, 240);
            Data[place_record(DT_TRAP, 241, 240, ACTION_TRAP_PIT, row.quality)].extra = TRAP_ARMED;
            blocked += Liikkuminen(1, 241, 240, 1) == STEP_BLOCKED;
        }
        EXPECT_GE(blocked, row.blocked_min) << "quality " << row.quality;
        EXPECT_LE(blocked, row.blocked_max) << "quality " << row.quality;
    }
}

TEST_F(CreStep, ALeashedAnimalFarBehindIsPutBehindThePlayer) {
    PlayerDir = 0;   // facing east: behind her is the square to the west
    animal(5, 236, 232, 618, 30.0f);
    Cre[5].role = 9;   // on a leash
    EXPECT_EQ(Liikkuminen(5, 235, 232, 1), STEP_OK);
    EXPECT_EQ(cx(5), 231);
    EXPECT_EQ(cy(5), 232);
    // within two squares it may not step farther than one from her
    EXPECT_EQ(Liikkuminen(5, 230, 232, 0), STEP_BLOCKED);
}

TEST_F(CreStep, ALeashedAnimalIsNeverSetIntoAWall) {
    PlayerDir = 0;
    put(231, 232, 18);         // a tree behind her
    animal(5, 240, 240, 618, 30.0f);
    Cre[5].role = 9;   // on a leash
    EXPECT_EQ(Liikkuminen(5, 239, 240, 1), STEP_OK);
    EXPECT_EQ(koordinaattien_vali(cx(5), cy(5), PlayerX, PlayerY), 1);
    EXPECT_FALSE(terrain_flag(get_mapchar(cx(5), cy(5)), TF_BLOCKS));
    // walled in all round: it stays where it is
    for (int d = 0; d < 8; d++) put(PlayerX + Heds_x(d), PlayerY + Heds_y(d), 18);
    const int pos = crestep_pos(5);
    Data[pos].x = 250;
    Data[pos].y = 250;
    EXPECT_EQ(Liikkuminen(5, 249, 250, 1), STEP_BLOCKED);
    EXPECT_EQ(cx(5), 250);
}

TEST_F(CreStep, AVillagerCrossesAFenceOnTheFourthTryAndTheCountStaysAt255) {
    person(6, 240, 240);
    put(241, 240, 42);
    for (int i = 0; i < 3; i++) EXPECT_EQ(Liikkuminen(6, 241, 240, 1), STEP_OBSTACLE) << i;
    EXPECT_EQ(Liikkuminen(6, 241, 240, 1), STEP_OK);
    EXPECT_EQ(cx(6), 241);
    cre_spare(Cre[6], SPARE_FENCEBUMPS) = 255;
    put(242, 240, 42);
    EXPECT_EQ(Liikkuminen(6, 242, 240, 0), STEP_OK);
    EXPECT_EQ(cre_spare(Cre[6], SPARE_FENCEBUMPS), 255);
    // an animal does not pass
    animal(7, 243, 241);
    put(244, 241, 42);
    EXPECT_EQ(Liikkuminen(7, 244, 241, 0), STEP_OBSTACLE);
}

TEST_F(CreStep, ACompanionKeepsOutOfDeepWaterWhileThePlayerWalks) {
    person(8, 250, 250);
    Cre[8].partyflags |= 256;   // her companion
    put(251, 250, CH_DEEP_WATER);
    ASSERT_GE(vesisyvyys(251, 250), 2);
    Plr.movement_mode = 1;
    EXPECT_NE(Liikkuminen(8, 251, 250, 0), STEP_OK);
    Plr.movement_mode = 2;   // she swims: it follows
    EXPECT_EQ(Liikkuminen(8, 251, 250, 0), STEP_OK);
}

TEST_F(CreStep, ACreatureThatFellThroughTheIceRefusesIceThatMonth) {
    animal(9, 260, 260, 620, 60.0f);
    put(261, 260, CH_DEEP_WATER);
    place_record(DT_ICEHOLE, 261, 260, 0, 200);   // 200 mm of ice there
    Plr.month = 1;
    ASSERT_EQ(ice_thickness_true(261, 260), 200);
    EXPECT_EQ(Liikkuminen(9, 261, 260, 0), STEP_OK);
    Cre[9].icefall = 1;
    EXPECT_EQ(Liikkuminen(9, 261, 260, 0), STEP_OBSTACLE);
    Plr.month = 2;
    EXPECT_EQ(Liikkuminen(9, 261, 260, 0), STEP_OK);
}

TEST_F(CreStep, OpeningADoorCostsTheStep) {
    person(10, 270, 270);
    put(271, 270, 254);
    EXPECT_EQ(Liikkuminen(10, 271, 270, 0), STEP_OK);   // a test counts it as passable
    EXPECT_EQ(Liikkuminen(10, 271, 270, 1), STEP_OK);
    EXPECT_EQ(get_mapchar(271, 270), 22);
    EXPECT_EQ(cx(10), 270);
    EXPECT_EQ(Liikkuminen(10, 271, 270, 1), STEP_OK);
    EXPECT_EQ(cx(10), 271);
    // and closes it behind itself
    EXPECT_EQ(Liikkuminen(10, 272, 270, 1), STEP_OK);
    EXPECT_EQ(get_mapchar(271, 270), 254);
    // an animal stays out
    animal(11, 280, 280);
    put(281, 280, 254);
    EXPECT_EQ(Liikkuminen(11, 281, 280, 1), STEP_OBSTACLE);
}

TEST_F(CreStep, AFleeingSwimmerKeepsToOpenWater) {
    animal(12, 300, 300, 623, 20.0f);
    Cre[12].moveclass = 96;
    Cre[12].mode = 4;
    put(300, 300, CH_DEEP_WATER);
    put(301, 300, CH_DEEP_WATER);
    EXPECT_EQ(Liikkuminen(12, 301, 300, 0), STEP_OK);
    EXPECT_EQ(Liikkuminen(12, 299, 300, 0), STEP_BLOCKED);
}

TEST_F(CreStep, InAPassTheSquaresFollowEveryMoveAndFreedRecord) {
    animal(1, 240, 240);
    const int b = animal(2, 244, 244);
    const int fire = place_record(DT_FIRE, 241, 241, 0);
    crestep_pass_begin();
    EXPECT_EQ(Liikkuminen(1, 241, 241, 0), STEP_BLOCKED);   // the fire listed at the beginning
    CrunchData(fire);
    EXPECT_EQ(Liikkuminen(1, 241, 241, 0), STEP_OK);        // and gone when freed
    // a creature that stepped next to it blocks at once; the square it left is free
    Data[b].x = 242;
    Data[b].y = 240;
    crestep_record_moved(b);
    EXPECT_EQ(Liikkuminen(2, 241, 240, 1), STEP_OK);
    EXPECT_EQ(Liikkuminen(1, 241, 240, 0), STEP_BLOCKED);
    EXPECT_EQ(Liikkuminen(1, 241, 239, 0), STEP_OK);
    EXPECT_EQ(Liikkuminen(1, 242, 240, 1), STEP_OK);
    int near[8];
    EXPECT_EQ(crestep_creatures_near(240, 240, 3, near, 8), 2);
    crestep_pass_end();
    EXPECT_EQ(crestep_creatures_near(240, 240, 3, near, 8), -1);
}

// Who is near is answered in pool order, as a walk over the pool meets them, wherever in the blocks of
// the pass they lie; a caller taking fewer gets as many, still in pool order.
TEST_F(CreStep, CreaturesNearComeInPoolOrder) {
    // pool places 0.. hold creatures spread over several blocks, far ones first
    const int at[][2] = {{290, 290}, {236, 236}, {250, 240}, {240, 250}, {241, 241}, {256, 256}, {239, 262}, {200, 200}};
    for (int k = 0; k < 8; k++) animal(k + 1, at[k][0], at[k][1]);
    crestep_pass_begin();
    struct Case {
        int x, y, r, max;
    };
    const Case cases[] = {{240, 240, 15, 16}, {240, 240, 3, 16}, {250, 250, 30, 16}, {240, 240, 60, 16}, {240, 240, 60, 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " r " << c.r << " max " << c.max);
        std::vector<int> walked;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE && abs(Data[i].x - c.x) <= c.r && abs(Data[i].y - c.y) <= c.r) walked.push_back(i);
        int near[16];
        const int n = crestep_creatures_near(c.x, c.y, c.r, near, c.max);
        if ((int)walked.size() <= c.max) {
            EXPECT_EQ(std::vector<int>(near, near + n), walked);
        } else {
            EXPECT_EQ(n, c.max);
            EXPECT_TRUE(std::is_sorted(near, near + n));
        }
    }
    crestep_pass_end();
}

// A step's slope answers as the slope rule does (kiipeily_lahialue), which tells the step onto level
// or lower ground first: the chars it refuses outright and every rise are tried here, for a nimble
// creature and a stiff one.
TEST_F(CreStep, AStepClimbsAsTheSlopeRuleSays) {
    struct Row {
        int c, rise, agility;
    };
    const Row table[] = {{CH_GROUND, 0, 14},  {CH_GROUND, -2, 14}, {CH_GROUND, 1, 14}, {CH_GROUND, 2, 14},
                         {CH_GROUND, 3, 14},  {CH_GROUND, 2, 6},   {20, 0, 14},        {20, -1, 14},
                         {20, 2, 14},         {39, 0, 14},         {39, -1, 14},       {39, 3, 14},
                         {CH_BLANK, -1, 14},  {CH_BLANK, 1, 14}};
    for (const Row &row : table) {
        SCOPED_TRACE(testing::Message() << "char " << row.c << " rise " << row.rise << " agility " << row.agility);
        animal(1, 240, 240);
        Cre[1].agility = (uint8_t)row.agility;
        put(241, 240, row.c);
        korkeuskartta[mapidx(240, 240)] = 5;
        korkeuskartta[mapidx(241, 240)] = 5 - 4;   // downhill: the step as the square alone answers it
        const int down = Liikkuminen(1, 241, 240, 0);
        korkeuskartta[mapidx(241, 240)] = (uint8_t)(5 + row.rise);
        const int climb = kiipeily_lahialue(1, 240, 240, 241, 240);
        EXPECT_EQ(Liikkuminen(1, 241, 240, 0), climb == 1000 ? STEP_BLOCKED : down);
    }
}
