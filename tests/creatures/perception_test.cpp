// tests/creatures/perception_test.cpp -- noise, hearing, the hideout, prey relations, the village dog
// and the bonds.
#include "creatures/animals.h"
#include "creatures/body.h"
#include "creatures/outfit.h"
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
    // a villager's own pet is no watchdog of the village
    visits(1);
    Cre[1].ownerbits = 1;
    Havaitse_PLR(1, dp);
    EXPECT_EQ(AANI_TASO, 0);
    clrVillages();
}

// A sleeping wolf neither sees nor hears a silent player, but wakes at her smell when she is
// within its nose's reach.
TEST_F(Perception, ASleepingAnimalWakesAtHerSmell) {
    const struct { int smell; bool wakes; } noses[] = {{20, true}, {1, false}};
    for (const auto &nose : noses) {
        SCOPED_TRACE(nose.smell);
        const int dp = animal(1, PlayerX + 2, PlayerY, 611, 40.0f);
        Cre[1].smell = (uint8_t)nose.smell;
        Cre[1].hearing = 0;
        Plr.noise = 0;
        Cre[1].mode = CM_ASLEEP;
        for (int i = 0; i < 30 && Cre[1].mode == CM_ASLEEP; i++) Havaitse_PLR(1, dp);
        EXPECT_EQ(Cre[1].mode != CM_ASLEEP, nose.wakes);
    }
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
    EXPECT_EQ(Cre[1].mode, 4);   // it runs on its own turns from now on
    EXPECT_EQ(Cre[1].enemy, -1);
    const int bear = animal(2, PlayerX, PlayerY + 5, 605, 250.0f);
    Cre[2].Suunta = 2;
    Cre[2].morale1 = 90;
    Cre[2].morale4 = 0;
    Cre[2].morale5 = 10;   // both 0 would make it a tame beast
    strcpy(Cre[2].natattack[0], "bite");
    Havaitse_PLR(2, bear);
    EXPECT_EQ(Cre[2].enemy, -1);
    EXPECT_NE(Cre[2].Puuha[0], 60);
    EXPECT_NE(Cre[2].mode, 4);
    // a wolf with no teeth it can use cannot go for her and runs instead
    const int wolf = animal(3, PlayerX + 3, PlayerY, 611, 40.0f);
    Cre[3].Suunta = 4;
    Cre[3].morale1 = 90;
    Cre[3].morale4 = 1;   // no flight at three squares
    Cre[3].morale5 = 0;
    Havaitse_PLR(3, wolf);
    EXPECT_EQ(Cre[3].mode, 4);
}

// An attack on one of a group is answered by each of the others with the nerve it has for blows.
TEST_F(Perception, AGroupAnswersAnAttackWithItsNerve) {
    animal(1, PlayerX + 3, PlayerY, 620, 100.0f);
    animal(2, PlayerX + 12, PlayerY, 620, 100.0f);   // out of every morale range
    Cre[2].morale1 = Cre[2].morale3 = Cre[2].morale4 = Cre[2].morale5 = 0;
    Cre[2].aggressiveness = 0;
    person(3, PlayerX + 4, PlayerY);
    person(4, PlayerX + 14, PlayerY);
    Cre[3].speciescode = Cre[4].speciescode = 510;
    Cre[4].mode = CM_ASLEEP;
    RYHMA_moraalitarkistus(1, -1);
    EXPECT_EQ(Cre[2].mode, 4) << "the herd scatters";
    RYHMA_moraalitarkistus(3, -1);
    EXPECT_EQ(Cre[4].mode, 99) << "the sleeping trader wakes and goes for her";
    EXPECT_EQ(Cre[4].enemy, -1);
}

// Where a person is struck at, feared or set upon by an old foe, the blow's nerve decides.
TEST_F(Perception, APersonFacingAFoeAnswersWithTheNerveForBlows) {
    struct Case {
        const char *what;
        uint8_t bits;   // toward the player
        int culture, aggressiveness, mode, bit1;
    };
    const Case cases[] = {
        {"she fears the player and runs", 1, 0, 0, 4, 1},
        {"an old foe who sees her remembers the blow and attacks", 8, 0, 0, 99, 1},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        const int pos = person(1, PlayerX + 3, PlayerY);
        Cre[1].speciescode = 501;
        Cre[1].Suunta = 4;
        Cre[1].culture = (uint8_t)k.culture;
        Cre[1].aggressiveness = (uint8_t)k.aggressiveness;
        Cre[1].moralebits[19] = k.bits;
        Havaitse_PLR(1, pos);
        EXPECT_EQ(Cre[1].mode, k.mode);
        EXPECT_EQ(Cre[1].moralebits[19] & 1, k.bit1);
    }
    // one who is set upon by another person
    person(1, PlayerX + 3, PlayerY);
    person(2, PlayerX + 5, PlayerY);
    Cre[1].speciescode = 501;
    Cre[2].speciescode = 502;
    Cre[2].culture = 11;
    Cre[2].enemy = 1;
    Cre[2].mode = 99;
    EXPECT_EQ(ihminen_vs_ihminen(1, 2), 0);
    EXPECT_EQ(Cre[1].mode, 4);
    EXPECT_EQ(Cre[1].enemy, 2);
}

TEST_F(Perception, BitsTowardThePlayerAloneMakeAPersonsRelation) {
    person(1, PlayerX + 3, PlayerY);
    person(2, PlayerX + 6, PlayerY);
    Cre[1].speciescode = 501;
    Cre[2].speciescode = 502;
    Cre[2].culture = 11;
    setall_Cre_moralebit(1, 8);   // one who keeps away from raiders
    EXPECT_EQ(ihminen_vs_ihminen(1, 2), 0);
    EXPECT_EQ(ihminen_vs_ihminen(1, -1), 1);
}

TEST_F(Perception, AThreatenedCreatureKnowsItsFoeBySocialIdAndSquare) {
    animal(1, PlayerX + 3, PlayerY);
    animal(2, PlayerX + 7, PlayerY + 2);
    Cre[1].morale1 = Cre[1].morale3 = Cre[1].morale4 = Cre[1].morale5 = 0;
    NPC_uhkareagointi(1, 2);
    EXPECT_EQ(Cre[1].enemy, 2);
    EXPECT_EQ(Cre[1].enemy_soc, Cre[2].socialid);
    EXPECT_EQ(Cre[1].enemy_x, PlayerX + 7);
    EXPECT_EQ(Cre[1].enemy_y, PlayerY + 2);
}

// The player's own senses: the hearing she rolled, the culture she hunts by.
TEST_F(Perception, ThePlayerHearsAndHuntsByHerOwnFigures) {
    struct Case {
        int hearing, dist, heard;
    };
    const Case cases[] = {{3, 5, 0}, {18, 15, 1}};
    const uint8_t hearing = Plr.hearing, culture = Plr.culture;
    for (const Case &k : cases) {
        Plr.hearing = (uint8_t)k.hearing;
        int heard = 0;
        for (int i = 0; i < 200; i++) heard += kuulohavainto(-1, PlayerX + k.dist, PlayerY, 1);
        EXPECT_EQ(heard > 0, k.heard == 1) << "hearing " << k.hearing << " at " << k.dist;
    }
    animal(1, PlayerX + 3, PlayerY);
    Cre[1].gamecultures = 1u << 4;
    Plr.culture = 4;
    EXPECT_EQ(riistaelain(-1, 1), 1);
    Plr.culture = 0;
    EXPECT_EQ(riistaelain(-1, 1), 0);
    Plr.hearing = hearing;
    Plr.culture = culture;
}

TEST_F(Perception, ADogKeepsWithItsMasterOrItsVillage) {
    struct Case {
        const char *what;
        int owner, ownerbits;
        uint32_t community;
        int together;
    };
    const Case cases[] = {
        {"her own dog", 7001, 1, 0, 1},
        {"a dog of her village", 44, 0, 44, 1},
        {"someone else's dog whose master's number is her village's", 44, 1, 44, 0},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        animal(1, PlayerX + 3, PlayerY, 618, 25.0f);
        person(2, PlayerX + 5, PlayerY);
        Cre[1].owner = k.owner;
        Cre[1].ownerbits = (uint8_t)k.ownerbits;
        Cre[2].socialid = 7001;
        Cre[2].community = k.community;
        EXPECT_EQ(ovatko_NPCt_yhteisossa(1, 2), k.together);
        EXPECT_EQ(ovatko_NPCt_yhteisossa(2, 1), k.together);
    }
}
