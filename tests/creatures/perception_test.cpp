// tests/creatures/perception_test.cpp -- noise, hearing, the hideout, prey relations, the village dog
// and the bonds.
#include "creatures/animals.h"
#include "creatures/body.h"
#include "maps/marker.h"
#include "life_fixture.h"
#include "society/village.h"

using Perception = LifeTest;

TEST_F(Perception, ALouderNoiseStandsAndLevelZeroClearsIt) {
    aseta_maailmaan_meteli(240, 240, 3, 1);
    aseta_maailmaan_meteli(250, 250, 2, 2);
    EXPECT_EQ(AANI_TASO, 3);
    EXPECT_EQ(AANI_X, 240);
    aseta_maailmaan_meteli(260, 260, 3, 3);
    EXPECT_EQ(AANI_X, 260);
    aseta_maailmaan_meteli(0, 0, 0, 0);
    EXPECT_EQ(AANI_TASO, 0);
    aseta_maailmaan_meteli(250, 250, 1, 2);
    EXPECT_EQ(AANI_TASO, 1);
    clear_noises();
    EXPECT_EQ(AANI_TASO, 0);
}

TEST_F(Perception, HearingFourteenReachesFourteenSquares) {
    animal(1, 240, 240);
    Cre[1].hearing = 14;
    int heard14 = 0, heard15 = 0;
    for (int i = 0; i < 200; i++) {
        heard14 += kuulohavainto(1, 254, 240, 1);
        heard15 += kuulohavainto(1, 255, 240, 1);
    }
    EXPECT_GT(heard14, 0);
    EXPECT_EQ(heard15, 0);
    EXPECT_EQ(kuulohavainto(1, 241, 240, 0), 0);
}

TEST_F(Perception, AHiddenPlayerInThickCoverIsFoundOnlyByTheRoll) {
    const int dp = animal(1, PlayerX + 2, PlayerY, 611, 40.0f);
    Cre[1].hearing = 1;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) put(PlayerX + dx, PlayerY + dy, 13);   // spruce all round
    int found = 0;
    for (int i = 0; i < 300; i++) found += huomaako_NPC_piilopaikan(1, dp);
    EXPECT_LT(found, 300);
    Cre[1].hearing = 100;
    found = 0;
    for (int i = 0; i < 300; i++) found += huomaako_NPC_piilopaikan(1, dp);
    EXPECT_GT(found, 0);
}

TEST_F(Perception, PreyIsWeighedAgainstThePredator) {
    animal(1, 240, 240, 611, 40.0f);
    animal(2, 250, 250, 620, 60.0f);
    Cre[1].diet1 = 0x2;   // bit 1: up to one and a half times its weight
    EXPECT_EQ(saaliselain(1, 2), 1);
    Cre[2].weight = 61.0f;
    EXPECT_EQ(saaliselain(1, 2), 0);
    Cre[1].diet2 = 0x4;   // bit 2: heavier, below ten times
    EXPECT_EQ(saaliselain(1, 2), 2);
    Cre[2].weight = 400.0f;
    EXPECT_EQ(saaliselain(1, 2), 0);
    Cre[2].weight = 399.0f;
    EXPECT_EQ(saaliselain(1, 2), 2);
    EXPECT_EQ(elain_vs_elain(1, 2), 3);
    EXPECT_EQ(elain_vs_elain(2, 1), 2);
}

TEST_F(Perception, AVillageDogFallsSilentAfterEightVisits) {
    Plr.world_x = 100;
    Plr.world_y = 100;
    Mapinfo_setsocID(100, 100, 44);
    const int dp = animal(1, PlayerX + 3, PlayerY, 618, 25.0f);
    Cre[1].owner = 44;
    Cre[1].Suunta = 4;   // facing the player
    Cre[1].morale4 = Cre[1].morale5 = 0;
    ASSERT_EQ(Mapinfo_socID(100, 100), 44u);
    // The visits are the village's count of hers, not the dog's own.
    clrVillages();
    auto visits = [](int v) {
        GetGlobVil(44);
        globVil.visits = (uint16_t)v;
        SaveGlobVil();
    };
    visits(1);
    Cre[1].visits = 20;
    Havaitse_PLR(1, dp);
    EXPECT_EQ(AANI_TASO, 3);
    clear_noises();
    Cre[1].noisecounter = 0;
    visits(9);
    Cre[1].visits = 0;
    for (int i = 0; i < 50; i++) Havaitse_PLR(1, dp);
    EXPECT_EQ(AANI_TASO, 0);
    clrVillages();
}

TEST_F(Perception, FriendshipStopsAt255) {
    animal(1, 240, 240);
    Cre[1].friendship = 250;
    set_NPC_friendship(1, 10);
    EXPECT_EQ(Cre[1].friendship, 250);
    set_NPC_friendship(1, 5);
    EXPECT_EQ(Cre[1].friendship, 255);
    set_NPC_friendship(1, -300);
    EXPECT_EQ(Cre[1].friendship, 0);
    set_NPC_foeship(1, 3);
    EXPECT_EQ(Cre[1].foeship, 3);
    set_NPC_alertness(1, 30);
    EXPECT_EQ(Cre[1].alertness, 10);
}

TEST_F(Perception, AnElkThatSeesThePlayerFleesABearStandsItsGround) {
    const int elk = animal(1, PlayerX + 5, PlayerY, 660, 400.0f);
    Cre[1].Suunta = 4;
    Cre[1].morale1 = 0;
    Cre[1].morale4 = 90;
    Havaitse_PLR(1, elk);
    EXPECT_EQ(Cre[1].perception, 1);
    ASSERT_EQ(Cre[1].Puuha[0], 60);
    EXPECT_GT(Cre[1].PuuhaX[0], PlayerX + 5);   // away from her
    const int bear = animal(2, PlayerX, PlayerY + 5, 605, 250.0f);
    Cre[2].Suunta = 2;
    Cre[2].morale1 = 90;
    Cre[2].morale4 = 0;
    Cre[2].morale5 = 10;   // both 0 would make it a tame beast
    Havaitse_PLR(2, bear);
    EXPECT_EQ(Cre[2].enemy, -1);
    EXPECT_NE(Cre[2].Puuha[0], 60);
}
