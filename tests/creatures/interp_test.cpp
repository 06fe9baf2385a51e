// tests/creatures/interp_test.cpp -- the activity interpreter: waiting, waking, roaming, fires and
// roasting, going home, the hunt's deadline and targets that vanished or were reused.
#include "activities/puuharun.h"
#include "core/obj_func.h"
#include "game/worldpass.h"
#include "creatures/animals.h"
#include "creatures/cremove.h"
#include "items/items.h"
#include "creatures/bodyrec.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "life_fixture.h"
#include "core/spend.h"
#include "creatures/people.h"

#include <cstdlib>
#include <string>

using Interp = LifeTest;

TEST_F(Interp, AWaitOfThreeTicksRunsTheHandlerOnTheThird) {
    const int dp = animal(1, 240, 240);
    Lisaa_Puuha(1, 2, 50);
    Cre[1].PuuhaTila[0] = PUUHA_WAITING;
    Cre[1].PuuhaAika[0] = 3;
    EXPECT_EQ(Tee_Puuha(dp), 1);
    EXPECT_EQ(Tee_Puuha(dp), 1);
    EXPECT_EQ(Cre[1].PuuhaTila[0], PUUHA_WAITING);
    Tee_Puuha(dp);
    // the third tick ends the wait, runs the code and then times the activity out
    EXPECT_EQ(Cre[1].Puuha[0], 0);
}

TEST_F(Interp, ASleeperWokenByAnotherCodeSpendsTheTick) {
    const int dp = animal(1, 240, 240);
    Cre[1].mode = CM_ASLEEP;
    Lisaa_Puuha(1, 60, 10);
    EXPECT_EQ(Tee_Puuha(dp), 1);
    EXPECT_NE(Cre[1].mode, CM_ASLEEP);
    EXPECT_EQ(Cre[1].Puuha[0], 1);   // woken creatures roam a while
    EXPECT_EQ(cx(1), 240);
}

TEST_F(Interp, RoamingWrapsTheHeadingRoundTheCompass) {
    int from0[8] = {}, from7[8] = {};
    for (int i = 0; i < 300; i++) {
        memset(Data, 0, sizeof Data);
        const int dp = animal(1, 240, 240);
        Cre[1].Suunta = i & 1 ? 7 : 0;
        Lisaa_Puuha(1, 1, 20);
        Tee_Puuha(dp);
        ASSERT_GE(Cre[1].Suunta, 0);
        ASSERT_LE(Cre[1].Suunta, 7);
        (i & 1 ? from7 : from0)[Cre[1].Suunta]++;
    }
    EXPECT_GT(from0[7], 0);
    EXPECT_GT(from0[1], 0);
    EXPECT_EQ(from0[6] + from0[2], 0);
    EXPECT_GT(from7[0], 0);
    EXPECT_GT(from7[6], 0);
}

TEST_F(Interp, RoastingWithoutAFireQueuesAFireplaceThenTheRoast) {
    const int dp = person(1, 240, 240);
    ItemStruct meat{};
    meat.type = IT_FOOD;
    meat.id = 500;
    meat.weight = meat.fullweight = 1.0f;
    strcpy(meat.name, "Raw meat");
    Cre[1].pack[0] = Luo_Esineen_Itempos(meat);
    Cre[1].packcount[0] = 2;
    ASSERT_GT(Cre[1].pack[0], 0);
    ASSERT_EQ(Lisaa_Puuha(1, 130, 100), 0);
    EXPECT_EQ(Tee_Puuha(dp), 0);
    EXPECT_EQ(Cre[1].Puuha[0], 110);
    EXPECT_EQ(Cre[1].Puuha[1], 130);
}

TEST_F(Interp, GoingHomeOnTheWorldMapOnlyCountsTheTimer) {
    const int dp = animal(1, 240, 240);
    Cre[1].home_x = 5;
    Cre[1].home_y = 5;
    Cre[1].owner = 3;
    ASSERT_EQ(Lisaa_Puuha(1, 65, 20), 0);
    strcpy(Plr.mapname, "BIGMAP");
    EXPECT_EQ(Tee_Puuha(dp), 1);
    EXPECT_EQ(Cre[1].PuuhaAika[0], 19);
    EXPECT_EQ(cx(1), 240);
}

TEST_F(Interp, AHuntIsDroppedAfter720Minutes) {
    person(1, 240, 240);
    Cre[1].Paapuuha = 69;
    Plr.minutes = 1000;
    PaaPuuha(1);
    EXPECT_EQ(Cre[1].mainwords[1], 1720u);
    Plr.minutes = 1720;
    PaaPuuha(1);
    EXPECT_EQ(Cre[1].Paapuuha, 69);
    Plr.minutes = 1721;
    EXPECT_EQ(PaaPuuha(1), 0);
    EXPECT_EQ(Cre[1].Paapuuha, 0);
}

TEST_F(Interp, AVanishedPreyCancelsAndTheAnimalChoosesAgainAtOnce) {
    const int dp = animal(1, 240, 240, 611, 40.0f);
    Cre[1].diet1 = 0x2;
    const int prey_dp = animal(2, 250, 250, 600, 3.0f);
    ASSERT_EQ(Lisaa_Puuha(1, 55, 100), 0);
    Cre[1].PuuhaKohde[0] = (int32_t)Cre[2].socialid;
    EXPECT_EQ(Tee_Puuha(dp), 1);
    // the hare's record is freed, and its slot taken by someone else
    CrunchData(prey_dp);
    animal(2, 241, 241, 620, 100.0f);
    Cre[2].socialid = 9999;
    EXPECT_EQ(Tee_Puuha(dp), 0);
    EXPECT_EQ(Cre[1].Puuha[0], 0);
}

TEST_F(Interp, ADeathDuringTheWalkNeitherSkipsNorRepeatsATurnAndThePoolEndsPacked) {
    // Three waiting animals; the middle one drowns in its own tick. Each other one counts its wait
    // down once, and after the pass no hole is left in the pool.
    for (int n = 1; n <= 3; n++) {
        animal(n, 258 + 2 * n, 260);
        Lisaa_Puuha(n, 2, 10);
        Cre[n].PuuhaTila[0] = PUUHA_WAITING;
    }
    Cre[2].bodytemp = 20.0f;
    CreatureMove();
    EXPECT_EQ(Cre[2].mode, CM_CARCASS);
    EXPECT_EQ(Cre[1].PuuhaAika[0], 9);
    EXPECT_EQ(Cre[3].PuuhaAika[0], 9);
    int last = DATA_MAX - 1;
    while (last >= 0 && Data[last].type == DT_UNUSED) last--;
    for (int i = 0; i < last; i++) EXPECT_TRUE(Data[i].type != DT_UNUSED && Data[i].type != DT_FREED) << i;
}

TEST_F(Interp, AHunterSetsOutWithTwoWeaponsWhetherOrNotHeWieldsOne) {
    ItemStruct spear{};
    spear.type = IT_WEAPON;
    spear.weight = spear.fullweight = 4.0f;
    strcpy(spear.name, "Spear");
    const int w = Esineesta_Uniikki(spear);
    const struct { int wielded, packed, hunts; } cases[] = {{1, 0, 0}, {0, 2, 1}, {1, 1, 1}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.packed);
        person(1, 240, 240);
        animal(2, 250, 250, 620);
        Cre[2].gamecultures = 1;
        Cre[1].wielded = k.wielded ? w : 0;
        for (int s = 0; s < k.packed; s++) Cre[1].pack[s] = w, Cre[1].packcount[s] = 1;
        Cre[1].Paapuuha = 69;
        EXPECT_EQ(PaaPuuha(1), k.hunts);
        EXPECT_EQ(Cre[1].Puuha[0], k.hunts ? 69 : 0);
        for (int i = 0; i < DATA_MAX; i++) Data[i].type = DT_UNUSED;
    }
}

// Out of sight the maid leaves her shirt as she goes; one still seen after long only goes.
TEST_F(Interp, TheForestMaidLeavesHerShirtOnceOutOfSight) {
    const struct {
        int away;
        bool gift;
    } cases[] = {{120, true}, {4, false}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.away);
        for (int i = 0; i < DATA_MAX; i++) Data[i].type = DT_UNUSED;
        const int sx = PlayerX + k.away, sy = PlayerY;
        const int dp = animal(3, sx, sy, 700, 40.0f);
        Cre[3].kind = CK_SPIRIT;
        cre_spare(Cre[3], SPARE_APPEARED) = 160;
        cre_spare(Cre[3], SPARE_SPIRITSTATE) = 2;
        plr_set<uint8_t>(5625, 0);
        PlayerView();
        ASSERT_EQ(See(sx, sy) != 0, !k.gift);
        Ela_Haltija(dp);
        EXPECT_LT(crestep_pos(3), 0) << "she is gone";
        int gift = -1;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM && std::abs(Data[i].x - sx) <= 2 && std::abs(Data[i].y - sy) <= 2) gift = i;
        EXPECT_EQ(gift >= 0, k.gift);
        EXPECT_EQ(plr_get<uint8_t>(5625) & 64, k.gift ? 64 : 0) << "her gift is given";
        if (!k.gift) continue;
        const ItemStruct shirt = ObjToItem((int)Data[gift].id);
        EXPECT_EQ(shirt.magic, 2);
        EXPECT_EQ(std::string(shirt.name).rfind("embroidered", 0), 0u) << shirt.name;
    }
}

TEST_F(Interp, GoingHomeFarAwayMovesTheCreatureIntoItsStoredHomeMap) {
    // Home at a stored cell: the creature leaves the area for a record of that map. Home at a cell
    // that was never stored: it stays where it is.
    ZoomMap_Clear();
    ASSERT_EQ(save_zoommap(1600, 1000, 1), 1);
    for (int stored = 1; stored >= 0; stored--) {
        SCOPED_TRACE(stored ? "a stored home" : "no stored home");
        const int dp = person(1, 232 + 70, 232);
        Cre[1].community = 5;
        Cre[1].socialid = 4242;
        Cre[1].home_x = stored ? 1600 : 1700;
        Cre[1].home_y = 1000;
        ASSERT_GE(Lisaa_Puuha(1, 65, 100), 0);
        Tee_Puuha(dp);
        EXPECT_EQ(crestep_pos(1) >= 0, !stored);
        if (!stored) EXPECT_EQ(Cre[1].PuuhaAika[0], 99) << "a move that failed counts the timer down";
        if (stored) {
            ASSERT_EQ(load_zoommap(1600, 1000), 1);
            int found = 0;
            for (const DataStruct &d : Zoom.data)
                found += d.type == DT_CREATURE && d.id == 4242u && d.x == 30 && d.y == 30;
            EXPECT_EQ(found, 1);
        }
        for (int i = 0; i < DATA_MAX; i++) Data[i].type = DT_UNUSED;
    }
}

// The water spirit wades into the open water beside it, near the player, and when she comes to the
// water's edge it dives and is gone.
TEST_F(Interp, TheWaterSpiritWadesInAndDivesAway) {
    put(PlayerX + 3, PlayerY + 1, CH_DEEP_WATER);
    animal(3, PlayerX + 4, PlayerY, 701, 40.0f);
    Cre[3].kind = CK_SPIRIT;
    for (int t = 0; t < 30 && crestep_pos(3) >= 0 && !crestep_open_water(cx(3), cy(3)); t++) Ela_Haltija(crestep_pos(3));
    ASSERT_GE(crestep_pos(3), 0);
    ASSERT_TRUE(crestep_open_water(cx(3), cy(3))) << "it waded in";
    EXPECT_EQ(koordinaattien_vali(cx(3), cy(3), PlayerX, PlayerY), 3);
    PlayerX = cx(3) - 1;
    Ela_Haltija(crestep_pos(3));
    EXPECT_LT(crestep_pos(3), 0) << "it dived";
}

// The forest spirit that has spoken its words may go at any tick: about one in three.
TEST_F(Interp, TheForestSpiritThatHasSpokenGoesSoon) {
    int gone = 0;
    for (int i = 0; i < 90; i++) {
        memset(Data, 0, sizeof Data);
        const int dp = animal(3, PlayerX + 120, PlayerY, 702, 40.0f);
        Cre[3].kind = CK_SPIRIT;
        cre_spare(Cre[3], SPARE_SPIRITSTATE) = 3;
        Ela_Haltija(dp);
        gone += crestep_pos(3) < 0;
    }
    EXPECT_NEAR(gone, 30, 14);
}

// The forest maid speaks her words as a creature does, and they break off what the player is doing.
TEST_F(Interp, TheForestMaidSpeaksAndHerWordsBreakOffTheWork) {
    static std::string said;
    said.clear();
    people_speech_log = [](int, const char *key, const char *text) { said += std::string(key) + ":" + text + ";"; };
    const int dp = animal(3, PlayerX + 10, PlayerY, 700, 40.0f);
    Cre[3].kind = CK_SPIRIT;
    cre_spare(Cre[3], SPARE_APPEARED) = 11;
    SPEND_INTERRUPT = 0;
    Ela_Haltija(dp);
    people_speech_log = nullptr;
    EXPECT_EQ(said.rfind("NPC_SAYS:", 0), 0u) << said;
    EXPECT_EQ(said.find('"'), std::string::npos) << said;
    EXPECT_EQ(SPEND_INTERRUPT, 4);
    SPEND_INTERRUPT = 0;
}
