// tests/creatures/cremove_test.cpp -- where creatures step: the heading window, a boxed-in creature,
// arrival beside a wall, travel by speed, the place searches, escape and safety.
#include "creatures/cremove.h"
#include "life_fixture.h"
#include "creatures/wounds.h"
#include "creatures/weaponchoice.h"
#include "core/obj_func.h"

using Moving = LifeTest;

TEST(Heading, TheFiveDirectionsAheadWrapRoundTheCompass) {
    std::vector<int> h1, h6;
    for (int d = 0; d < 8; d++) {
        if (within_heading(1, d)) h1.push_back(d);
        if (within_heading(6, d)) h6.push_back(d);
    }
    EXPECT_EQ(h1, (std::vector<int>{0, 1, 2, 3, 7}));
    EXPECT_EQ(h6, (std::vector<int>{0, 4, 5, 6, 7}));
}

TEST_F(Moving, ABoxedInCreatureStaysAndEmptiesItsNewestHistory) {
    animal(1, 240, 240);
    for (int d = 0; d < 8; d++) put(240 + Heds_x(d), 240 + Heds_y(d), 18);
    Cre[1].movehist_x[0] = 239;
    Cre[1].movehist_y[0] = 239;
    EXPECT_EQ(askel_kohti_paikkaa(1, 250, 250), 0);
    EXPECT_EQ(cx(1), 240);
    EXPECT_EQ(Cre[1].movehist_x[0], 0);
    EXPECT_EQ(Cre[1].movehist_y[0], 0);
}

TEST_F(Moving, AGoalBesideItThatCannotBeEnteredCountsAsReached) {
    animal(1, 240, 240);
    put(241, 241, 18);
    EXPECT_EQ(askel_kohti_paikkaa(1, 241, 241), 1);
    animal(2, 245, 240);
    EXPECT_EQ(askel_kohti_paikkaa(1, 245, 240), 0);   // four squares off: it walks
    EXPECT_EQ(cx(1), 241);
}

// On its goal it stays; beside an open goal it steps onto it however it faces and wherever it went
// lately, whatever the draws: turned by its heading alone it circled the goal a square off.
TEST_F(Moving, OnOrBesideAnOpenGoalItArrivesWhicheverWayItFaces) {
    const struct {
        int dx, dy, heading;
        bool walked_over;
    } cases[] = {{0, 0, 2, false}, {1, 0, 4, false}, {-1, 0, 0, false}, {0, 1, 2, false},
                 {0, -1, 6, true}, {1, 1, 3, false}, {-1, 1, 1, true}};
    for (const auto &c : cases)
        for (int draw = 1; draw <= 8; draw++) {
            randomize(draw);
            animal(1, 240, 240);
            Cre[1].Suunta = c.heading;
            if (c.walked_over) Cre[1].movehist_x[2] = 240 + c.dx, Cre[1].movehist_y[2] = 240 + c.dy;
            EXPECT_EQ(askel_kohti_paikkaa(1, 240 + c.dx, 240 + c.dy), 1) << c.dx << "," << c.dy << " draw " << draw;
            EXPECT_EQ(cx(1), 240 + c.dx) << c.dx << "," << c.dy;
            EXPECT_EQ(cy(1), 240 + c.dy) << c.dx << "," << c.dy;
            Data[crestep_pos(1)] = DataStruct{};
        }
}

TEST_F(Moving, AStepGoesTowardTheGoalAndIsRemembered) {
    animal(1, 240, 240);
    Cre[1].Suunta = 0;
    for (int i = 0; i < 5; i++) askel_kohti_paikkaa(1, 250, 240);
    EXPECT_EQ(cx(1), 245);
    EXPECT_EQ(Cre[1].movehist_x[0], 245);
    EXPECT_EQ(Cre[1].movehist_x[1], 244);
}

TEST(Travel, StepsByTheSpeedAgainstThePlayers) {
    randomize(3);
    for (int i = 0; i < 200; i++) {
        EXPECT_EQ(travel_steps(175, 50, 0, 0), 3);   // three and a half times as fast
        EXPECT_EQ(travel_steps(100, 50, 0, 0), 2);
        EXPECT_EQ(travel_steps(50, 50, 1, 0), 1);    // a tame one as fast as the player
        EXPECT_EQ(travel_steps(200, 50, 1, 0), 1);   // a tame one never outruns her
    }
    int skipped = 0;
    for (int i = 0; i < 1000; i++) skipped += travel_steps(10, 50, 0, 0) == 0;
    EXPECT_GT(skipped, 300);
    EXPECT_LT(skipped, 700);
}

TEST_F(Moving, APoolSearchReachesJustUnderTwiceItsRadius) {
    place_record(DT_FIRE_REMAINS, 240 + 59, 240 + 59, 0);
    Paikka p = HaePaikka_Datamerkki(240, 240, 30, DT_FIRE_REMAINS, DT_FIRE_REMAINS);
    EXPECT_EQ(p.x, 299);
    memset(Data, 0, sizeof Data);
    place_record(DT_FIRE_REMAINS, 240 + 60, 240 + 60, 0);
    p = HaePaikka_Datamerkki(240, 240, 30, DT_FIRE_REMAINS, DT_FIRE_REMAINS);
    EXPECT_EQ(p.x, 0);
}

// A seal hauls out onto ice beside open water, never into a hole broken in that ice.
TEST_F(Moving, ASealBasksOnTheIceNotInAHoleInIt) {
    static const struct {
        const char *holes;
        int every;   // a hole where (x + y) divides by it
    } rows[] = {{"every square", 1}, {"every other square", 2}};
    GlobWeather.water_temp = -800;   // ice 800 mm thick
    for (const auto &r : rows) {
        SCOPED_TRACE(r.holes);
        memset(Data, 0, sizeof Data);
        for (int y = 196; y <= 243; y++)
            for (int x = 196; x <= 243; x++) {
                const bool shore = x < 200 || x > 239 || y < 200 || y > 239;
                put(x, y, shore ? CH_GROUND : CH_DEEP_WATER);
                korkeuskartta[mapidx(x, y)] = (uint8_t)(shore ? 8 : x == 200 || y == 200 ? 8 : 2);   // 6 deep
                if (!shore && (x + y) % r.every == 0) place_record(DT_OPENWATER, x, y, 0);
            }
        for (int draw = 1; draw <= 5; draw++) {
            randomize(draw);
            const Paikka p = Hae_Hylkeen_Lekottelupaikka();
            if (r.every == 1) {
                EXPECT_EQ(p.x, 0) << "no ice left to lie on";
            } else {
                EXPECT_NE(p.x, 0);
                EXPECT_LT(get_datatype(DT_OPENWATER, p.x, p.y), 0) << p.x << "," << p.y;
            }
        }
    }
    GlobWeather.water_temp = 0;
    memset(Data, 0, sizeof Data);
}

TEST_F(Moving, ASwimmerOnLandFleesToWater) {
    animal(1, 240, 240, 623, 20.0f);
    Cre[1].moveclass = 96;
    put(229, 240, CH_DEEP_WATER);   // behind the threat
    const Paikka p = Hae_Pakopaikka(1, 238, 240);
    EXPECT_EQ(p.x, 229);
    EXPECT_EQ(p.y, 240);
    animal(2, 240, 260);
    const Paikka q = Hae_Pakopaikka(2, 238, 260);
    EXPECT_GT(q.x, 240);   // a walker runs away from it
}

TEST_F(Moving, SafetyIsThirtySquaresAndTwoMorePerAlertness) {
    person(1, 232 + 26, 232);
    EXPECT_EQ(Onko_Turvassa(1), 1);
    Cre[1].alertness = 1;
    EXPECT_EQ(Onko_Turvassa(1), 0);
    animal(2, 232 + 31, 232);
    EXPECT_EQ(Onko_Turvassa(2), 1);
    // a foe whose slot now holds another creature is no threat: she is, far off
    animal(3, 232 + 40, 232);
    animal(4, 232 + 44, 232);
    Aseta_Vihollinen(3, 4);
    EXPECT_EQ(Onko_Turvassa(3), 0);
    Cre[4].socialid++;
    EXPECT_EQ(Onko_Turvassa(3), 1);
}

TEST_F(Moving, ReachingAroundAWallDoesNotChangeThePool) {
    animal(1, 240, 240);
    for (int y = 230; y <= 250; y++) put(243, y, 18);
    DataStruct before[40];
    memcpy(before, Data, sizeof before);
    EXPECT_EQ(canreachloc(1, 246, 240), 1);
    EXPECT_EQ(memcmp(before, Data, sizeof before), 0);
    for (int y = 74; y <= 389; y++) put(243, y, 18);
    EXPECT_EQ(canreachloc(1, 246, 240), 0);
}

TEST_F(Moving, ABirdWithAWingPastUseCannotTakeOff) {
    animal(3, 240, 240, 632, 4.0f);
    Cre[3].kind = 21;
    Cre[3].endurance = 10;
    Cre[3].woundkind[0] = WK_BLUNT;
    Cre[3].woundlevel[0] = 3;
    Cre[3].woundpart[0] = BP_ELBOW;
    Cre[3].woundinjury[0] = 18;
    Cre[3].woundside[0] = 1;
    EXPECT_EQ(Lenna(3), 0);
    EXPECT_EQ(Cre[3].korkeus, 0) << "it falls back to the ground";
    Cre[3].woundkind[0] = 0;
    Cre[3].woundinjury[0] = 0;
    EXPECT_EQ(Lenna(3), 1);
    EXPECT_EQ(Cre[3].korkeus, 100);
    // a sleeping bird startled into the air is awake and leaves its sleep behind
    Cre[3].korkeus = 0;
    Cre[3].mode = CM_ASLEEP;
    Lisaa_Puuha(3, 4, 1000);
    EXPECT_EQ(Lenna(3), 1);
    EXPECT_NE(Cre[3].mode, CM_ASLEEP);
    EXPECT_NE(Cre[3].Puuha[0], 4);
}

TEST_F(Moving, ABirdTakingOffAndLandingShedsFeathersWithinTheLimit) {
    animal(3, 240, 240, 632, 4.0f);
    Cre[3].kind = 21;
    srand(5);
    for (int i = 0; i < 200; i++) {
        Lenna(3);
        Laskeudu(3);
    }
    int stacks = 0, feathers = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && d.x == 240 && d.y == 240) {
            stacks++;
            feathers += d.count;
            EXPECT_EQ(ObjToItem((int)d.id).id, 418u) << "a feather";
        }
    EXPECT_GE(stacks, 1) << "some take-offs and landings shed a feather";
    EXPECT_LE(feathers, 7) << "none once more than five lie about; one shedding leaves two at the most";
}
