// tests/creatures/queue_test.cpp -- the activity queue: adding, ending, cancelling, the herd's leader
// and its cohesion, and a queue read from a damaged file.
#include "creatures/cremove.h"
#include "life_fixture.h"

using Queue = LifeTest;

TEST_F(Queue, AFullQueueRefusesAndChangesNothing) {
    animal(1, 240, 240);
    for (int i = 0; i < PUUHA_SLOTS; i++) ASSERT_EQ(Lisaa_Puuha(1, 1, 10 + i), i);
    const CreatureStruct before = Cre[1];
    EXPECT_EQ(Lisaa_Puuha(1, 60, 5), -1);
    EXPECT_EQ(memcmp(&before, &Cre[1], sizeof before), 0);
}

TEST_F(Queue, CancellingSlotZeroLetsTheNextAddTakeIt) {
    animal(1, 240, 240);
    Lisaa_Puuha(1, 1, 10);
    Lisaa_Puuha(1, 2, 20);
    Lisaa_Puuha(1, 60, 30);
    Keskeyta_Puuha(1, -1);
    EXPECT_EQ(Cre[1].Puuha[0], 0);
    EXPECT_EQ(Cre[1].Puuha[1], 2);
    EXPECT_EQ(Lisaa_Puuha(1, 1, 7), 0);
    EXPECT_EQ(Cre[1].Puuha[2], 60);
}

TEST_F(Queue, FinishingSlotZeroMovesTheRestUpInOrder) {
    animal(1, 240, 240);
    Lisaa_Puuha(1, 1, 10);
    Lisaa_Puuha(1, 2, 20);
    apukoord[0] = 250;
    apukoord[1] = 251;
    Lisaa_Puuha(1, 60, 30);
    for (int i = 3; i < PUUHA_SLOTS; i++) Lisaa_Puuha(1, 1, 1);
    Keskeyta_Puuha(1, 0);
    EXPECT_EQ(Cre[1].Puuha[0], 2);
    EXPECT_EQ(Cre[1].PuuhaAika[0], 20);
    EXPECT_EQ(Cre[1].Puuha[1], 60);
    EXPECT_EQ(Cre[1].PuuhaX[1], 250);
    EXPECT_EQ(Cre[1].PuuhaY[1], 251);
    EXPECT_EQ(Cre[1].Puuha[9], 0);
    EXPECT_EQ(Cre[1].PuuhaAika[9], 0);
}

TEST_F(Queue, GoingHomeNeedsASocialAnimalWithAHome) {
    animal(1, 240, 240);
    Cre[1].home_x = 100;
    Cre[1].home_y = 100;
    Cre[1].owner = -1;   // the player's: not a social animal
    EXPECT_EQ(Lisaa_Puuha(1, 65, 200), -1);
    Cre[1].owner = 7;
    EXPECT_EQ(Lisaa_Puuha(1, 65, 200), 0);
    EXPECT_EQ(Cre[1].PuuhaX[0], 100);
    Cre[1].home_x = 0;
    EXPECT_EQ(Lisaa_Puuha(1, 65, 200), -1);
}

TEST_F(Queue, AHerdScanWithNobodyElseSetsNoLeader) {
    animal(1, 240, 240, 620);
    EXPECT_EQ(laumanjohtaja(1), -1);
    EXPECT_EQ(Cre[1].herd, 0);
    animal(2, 245, 245, 620);
    EXPECT_EQ(laumanjohtaja(1), 1);   // the first to ask leads
    EXPECT_EQ(Cre[1].herd, 1);
    EXPECT_EQ(laumanjohtaja(2), 1);
    EXPECT_EQ(Cre[2].community, Cre[1].community);
    EXPECT_NE(Cre[1].community, 0u);
}

TEST_F(Queue, AStrayKeepsWithinTenSquaresOfItsLeaderAYoungOneThree) {
    animal(1, 240, 240, 620);
    animal(2, 250, 240, 620);
    Cre[1].herd = 1;
    Cre[2].Suunta = 4;   // facing its leader
    EXPECT_EQ(laumautumistarve(2, 0), 0);   // 10 squares: stays
    Data[crestep_pos(2)].x = 251;
    EXPECT_EQ(laumautumistarve(2, 0), 1);   // 11: sent back
    EXPECT_LT(cx(2), 251);
    animal(3, 243, 240, 620);
    Cre[3].sexage = 2;
    EXPECT_EQ(laumautumistarve(3, 0), 0);
    Data[crestep_pos(3)].x = 244;
    EXPECT_EQ(laumautumistarve(3, 0), 1);
}

TEST_F(Queue, AHerdCopiesItsLeadersQueue) {
    animal(1, 240, 240, 620);
    animal(2, 242, 240, 620);
    animal(3, 300, 300, 605);   // a bear is no reindeer
    animal(4, 244, 240, 620);
    Cre[1].herd = 1;
    laumanjohtaja(2);
    Cre[4].community = Cre[1].community;
    Cre[4].mode = CM_CARCASS;   // a fallen one, being skinned
    Cre[4].Puuha[0] = 5;
    Lisaa_Puuha(1, 1, 12);
    laumapuuhaus(1);
    EXPECT_EQ(Cre[2].Puuha[0], 1);
    EXPECT_EQ(Cre[2].PuuhaAika[0], 12);
    EXPECT_EQ(Cre[3].Puuha[0], 0);
    EXPECT_EQ(Cre[4].Puuha[0], 5) << "a carcass keeps its own queue";
}

TEST_F(Queue, AQueueReadFromADamagedFileIsCleaned) {
    CreatureStruct c{};
    c.Puuha[0] = 77777;                 // no such activity
    c.Puuha[1] = 60;
    c.PuuhaX[1] = 99999;               // off the map
    c.Puuha[2] = 80;
    c.PuuhaKohde[2] = 123456;          // no such pool record
    c.Puuha[3] = 1;
    c.Suunta = 40;
    puuha_make_safe(c);
    EXPECT_EQ(c.Puuha[0], 0);          // dropped where it stood; the rest wait behind it
    EXPECT_EQ(c.Puuha[1], 60);
    EXPECT_EQ(c.PuuhaX[1], 0);
    EXPECT_EQ(c.Puuha[2], 0);
    EXPECT_EQ(c.Puuha[3], 1);
    // a carcass's queue is its burning and skinning state: left alone
    CreatureStruct carcass{};
    carcass.mode = CM_CARCASS;
    carcass.Puuha[1] = 301;
    carcass.PuuhaKohde[1] = 55555;
    puuha_make_safe(carcass);
    EXPECT_EQ(carcass.Puuha[1], 301);
    EXPECT_EQ(carcass.PuuhaKohde[1], 55555);
    EXPECT_EQ(c.Suunta, 0);
}

TEST_F(Queue, ALeaderThatIsGoneIsNeverReadFromItsFreedSlot) {
    const int lead = animal(1, 240, 240, 620);
    animal(2, 242, 240, 620);
    animal(3, 244, 240, 620);
    Cre[1].herd = 1;
    EXPECT_EQ(laumanjohtaja(2), 1);
    CrunchData(lead);
    Cre[1] = CreatureStruct{};
    // the slot taken again by a bear of the same community: not a reindeer's leader
    animal(1, 300, 300, 605, 200.0f);
    Cre[1].community = Cre[2].community;
    const int l = laumanjohtaja(2);
    EXPECT_NE(l, 1);
    EXPECT_TRUE(l == 2 || l == 3);
    EXPECT_EQ(laumanjohtaja(3), l);
}
