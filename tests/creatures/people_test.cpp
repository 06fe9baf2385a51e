// tests/creatures/people_test.cpp -- the life of people and the village's answers to breaches: the
// loner's roast, companions' morale, shouts said once, banishment lengths, robbers and their band.
#include "activities/puuharun.h"
#include "activities/food.h"
#include "activities/itemcmd.h"
#include "society/chat.h"
#include "core/carcassdesc.h"
#include "core/commandcodes.h"
#include "core/datafunc.h"
#include "core/weatherengine.h"
#include "creatures/animals.h"
#include "creatures/life.h"
#include "creatures/predicates.h"
#include "maps/trapdata.h"
#include "maps/facing.h"
#include "village_fixture.h"

using People = VillageTest;

static int raw_meat() {
    ItemStruct meat{};
    meat.type = IT_FOOD;
    meat.id = 500;
    meat.weight = meat.fullweight = 1.0f;
    strcpy(meat.name, "Raw meat");
    return Luo_Esineen_Itempos(meat);
}

TEST_F(People, ALonerRoastsRawMeatBeforeAnythingElseOutsideASettlement) {
    const int dp = person(1, 240, 240);
    Cre[1].rhythm = 4;
    Cre[1].pack[0] = raw_meat();
    Cre[1].packcount[0] = 1;
    Plr.world_x = 1600;   // far from the village: wilderness all round
    Ela_Ihminen(dp);
    EXPECT_EQ(Cre[1].Puuha[0], 130);
    // without meat the loner roams or hunts instead
    memset(Cre[1].Puuha, 0, sizeof Cre[1].Puuha);
    Cre[1].pack[0] = 0;
    Cre[1].packcount[0] = 0;
    Ela_Ihminen(dp);
    EXPECT_NE(Cre[1].Puuha[0], 130);
}

TEST_F(People, AQuestGiverWhoSeesHerComesToTalk) {
    const int dp = person(1, PlayerX + 3, PlayerY);
    Cre[1].rhythm = 4;
    Cre[1].Suunta = 4;   // facing her
    Cre[1].quest = 12;
    Cre[1].stateflags |= SF_QUESTTALK;
    Cre[1].perception = 0;   // no village meeting going on
    Plr.world_x = 1600;
    Ela_Ihminen(dp);
    EXPECT_EQ(Cre[1].Puuha[0], 70);
}

TEST_F(People, ACompanionAsksToTalkOnlyWhenHungryStarvingOrUnhappy) {
    person(1, 233, 232);
    Cre[1].partyflags |= PF_COMPANION;
    const int cap = maxenergiavaranto(1);
    ASSERT_GT(cap, 8);
    struct Case {
        int energy, state;
        int wants;
        uint32_t bits;
    } cases[] = {
        {cap, 4, 0, 0},                        // sated and content: quiet
        {cap / 4, 9, 0, 0},                    // a quarter exactly is still enough
        {cap / 4 - 1, 4, 1, CF_HUNGRY},
        {0, 4, 1, CF_STARVING},
        {cap, 3, 1, CF_UNHAPPY},
    };
    for (const Case &k : cases) {
        set_compword(1, 0);
        Cre[1].energy = (int16_t)k.energy;
        Cre[1].compstate = (uint8_t)k.state;
        EXPECT_EQ(comp_partymorale(1), k.wants) << k.energy << " " << k.state;
        EXPECT_EQ(compword(1) & (CF_HUNGRY | CF_STARVING | CF_UNHAPPY), k.bits);
        EXPECT_EQ((compword(1) & CF_WANTSTALK) != 0, k.wants == 1);
    }
    // not a companion: nothing is counted
    Cre[1].partyflags = 0;
    Cre[1].energy = 0;
    EXPECT_EQ(comp_partymorale(1), 0);
}

TEST_F(People, DropOurGoodsIsShoutedOnceUntilTheMarkIsReset) {
    villager(1, 236, 232, true);
    EXPECT_EQ(aggtalk(1, 1, 0), 1);
    EXPECT_EQ(aggtalk(1, 1, 0), 0);
    EXPECT_EQ(aggtalk(1, 1, 4), 1);   // flag 4 says it again
    EXPECT_EQ(aggtalk(1, 1, 1), 0);   // flag 1 only resets
    EXPECT_EQ(aggtalk(1, 1, 0), 1);
    // a new visit forgets what was shouted on the last, by byte or by bit
    for (unsigned kind : {1u, 10u}) {
        aggtalk(1, kind, 0);
        EXPECT_EQ(aggtalk(1, kind, 0), 0) << kind;
        socmaint(1500, 1000);
        EXPECT_EQ(aggtalk(1, kind, 0), 1) << kind;
    }
    // a person of no community shouts nothing
    person(2, 236, 234);
    EXPECT_EQ(aggtalk(2, 1, 0), 0);
}

TEST_F(People, BanishmentLengthByKindsAndNoSecondBanishment) {
    struct Case {
        unsigned kinds;
        int days;
    } cases[] = {{0, 3}, {1, 7}, {2, 30}, {6, 180}, {3, 30}, {8, 360}, {31, 3650}};
    for (const Case &k : cases) {
        clrVillages();
        breachrun_banish(SOC, 5, k.kinds);
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.banished, 1);
        EXPECT_EQ((int)globVil.banish_day, (int)Plr.daynumber + k.days) << k.kinds;
        EXPECT_EQ(globVil.banish_minute, Plr.minutes + 5);
    }
    breachrun_banish(SOC, 5, 2);   // already banished for 3650 days: kept
    GetGlobVil(SOC);
    EXPECT_EQ((int)globVil.banish_day, (int)Plr.daynumber + 3650);
}

TEST_F(People, RobbersTakeAtMostTenDearestFirstSkippingTrinketsAndFourthClothes) {
    person(1, 233, 232);
    Cre[1].role = 20;
    Cre[1].weight = 400.0f;   // strong enough to carry it all
    const int dear = item("Silver brooch", 10, 1000.0f);
    int s = 0;
    Plr.inv_obj[s] = dear, Plr.inv_count[s++] = 1;
    for (int i = 0; i < 5; i++) Plr.inv_obj[s] = item("Woollen coat", IT_ARMOUR, 200.0f + i), Plr.inv_count[s++] = 1;
    for (int i = 0; i < 3; i++) Plr.inv_obj[s] = item("Axe", IT_TOOL, 160.0f + i), Plr.inv_count[s++] = 1;
    const int trinket1 = item("Bead", 10, 50.0f), trinket2 = item("Shell", 10, 49.0f);
    Plr.inv_obj[s] = trinket1, Plr.inv_count[s++] = 1;
    Plr.inv_obj[s] = trinket2, Plr.inv_count[s++] = 1;
    Plr.inv_obj[s] = item("Bread", IT_FOOD, 500.0f), Plr.inv_count[s++] = 1;   // not wanted
    ASSERT_LT(esinehinta(0, ObjToItem(trinket1)), 160.0f / 3.0f);

    EXPECT_EQ(rob_items(-1, 1, 0), 7);   // the brooch, three coats, three axes
    int coats = 0, axes = 0, left = 0;
    bool gap = false, bead = false;
    for (int k = 0; k < PLR_SLOTS; k++) {
        if (Plr.inv_obj[k] == 0) {
            for (int j = k; j < PLR_SLOTS; j++) gap = gap || Plr.inv_obj[j] != 0;
            continue;
        }
        left++;
        const ItemStruct it = ObjToItem(Plr.inv_obj[k]);
        coats += !strcmp(it.name, "Woollen coat");
        axes += !strcmp(it.name, "Axe");
        bead = bead || !strcmp(it.name, "Bead");
    }
    EXPECT_FALSE(gap) << "the pack keeps no holes";
    EXPECT_EQ(left, 5);
    EXPECT_EQ(coats, 2);
    EXPECT_EQ(axes, 0);
    EXPECT_TRUE(bead);
    EXPECT_NE(strstr(rob_items_string, "brooch"), nullptr) << rob_items_string;
    int packed = 0;
    for (int k = 0; k < CRE_PACK; k++) packed += Cre[1].packcount[k];
    EXPECT_EQ(packed, 7);
    // only the player is robbed
    EXPECT_EQ(rob_items(3, 1, 0), 0);
    EXPECT_EQ(rob_items_string[0], 0);
}

TEST_F(People, ElevenWantedItemsGiveAtMostTen) {
    person(1, 233, 232);
    Cre[1].role = 20;
    Cre[1].weight = 400.0f;
    for (int i = 0; i < 11; i++) Plr.inv_obj[i] = item("Axe", IT_TOOL, 100.0f + i), Plr.inv_count[i] = 1;
    EXPECT_EQ(rob_items(-1, 1, 1), 10);   // the check alone changes nothing
    for (int i = 0; i < 11; i++) EXPECT_NE(Plr.inv_obj[i], 0);
    EXPECT_EQ(rob_items(-1, 1, 0), 10);
    EXPECT_NE(Plr.inv_obj[0], 0);
    EXPECT_EQ(Plr.inv_obj[1], 0);
    EXPECT_EQ(esinehinta(0, ObjToItem(Plr.inv_obj[0])), 100.0f);   // the cheapest stays
}

TEST_F(People, TheBandGetsTheLeadersRobberyCode) {
    for (int n = 1; n <= 3; n++) {
        person(n, 245 + n, 245);
        Cre[n].role = 20;
        Cre[n].community = 9000;
    }
    Cre[1].herd = 1;
    EXPECT_EQ(Ryostele(1), 1);
    for (int n = 1; n <= 3; n++) EXPECT_EQ(Cre[n].Puuha[0], 150) << n;
    // nobody robs a player out of reach
    memset(Cre[1].Puuha, 0, sizeof Cre[1].Puuha);
    PlayerX = PlayerY = 200;
    person(4, 270, 270);
    Cre[4].role = 20;
    EXPECT_EQ(Ryostele(4), 0);
}

TEST_F(People, ARobberTalksThePlayerOutOfHerGoodsAndTheBandLeaves) {
    person(1, 234, 232);
    Cre[1].role = 20;
    Cre[1].weight = 400.0f;
    Cre[1].herd = 1;
    Cre[1].community = 9000;
    Cre[1].Suunta = suunta_jostain_johonkin(234, 232, PlayerX, PlayerY);
    Plr.inv_obj[0] = item("Axe", IT_TOOL, 150.0f);
    Plr.inv_count[0] = 1;
    ASSERT_EQ(Lisaa_Puuha(1, 150, 255), 0);
    const int give_in[] = {'3'};   // "Oh, take what you want, but don't hurt me."
    ui_script_keys(give_in, 1);
    for (int i = 0; i < 5 && Plr.inv_obj[0]; i++) PUUHASE_rosmous(1);
    ui_script_clear();
    ROBBERY_LOAD = 0.0f;   // her load when robbed, kept for the next hold-up
    EXPECT_EQ(Plr.inv_obj[0], 0);
    EXPECT_TRUE(Cre[1].memberbits & MB_LEAVE);
}

TEST_F(People, ARobberDoesNotHoldUpAPlayerLyingHidden) {
    person(1, 234, 232);
    Cre[1].role = 20;
    Cre[1].weight = 400.0f;
    Cre[1].Suunta = suunta_jostain_johonkin(234, 232, PlayerX, PlayerY);
    Plr.inv_obj[0] = item("Axe", IT_TOOL, 150.0f);
    Plr.inv_count[0] = 1;
    ASSERT_EQ(Lisaa_Puuha(1, 150, 255), 0);
    const int give_in[] = {'3'};
    ui_script_keys(give_in, 1);
    LURK = 1;
    for (int i = 0; i < 5; i++) PUUHASE_rosmous(1);
    LURK = 0;
    ui_script_clear();
    ROBBERY_LOAD = 0.0f;
    EXPECT_NE(Plr.inv_obj[0], 0);
    EXPECT_FALSE(Cre[1].memberbits & MB_LEAVE);
}

TEST_F(People, ACollectorHoldsNoSecondDebtTalkAfterHersOnTheSameVisit) {
    for (bool hers : {false, true}) {
        clrVillages();
        village_of_one();
        GOT_UNPAID_clr();
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        const int dp = villager(1, PlayerX + 1, PlayerY, true);
        ASSERT_EQ(GetIt(goods(PlayerX, PlayerY, "Tub", 100.0f), 1, 0), 1);
        GetGlobVil(SOC);
        globVil.centre_x = 1500;
        globVil.centre_y = 1000;
        globVil.tradeban = 1;
        SaveGlobVil();
        aktivoi_perinta(SOC, 1);
        const int keys[] = {27, 27, 27};
        ui_script_keys(keys, 3);
        if (hers) npc_talkstart_debtissue(1);   // her own talk with him turned to the debt
        PUUHA_perinta(dp, 1);
        ui_script_clear();
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.debttalked, hers ? 0 : 1) << hers;
    }
}

TEST_F(People, ADressRequestPutsOnTheFirstLooseClothingOnce) {
    const int dp = person(1, 240, 240);
    Cre[1].requestbits = 1;
    Cre[1].pack[0] = item("Axe", IT_TOOL, 10.0f);
    Cre[1].packcount[0] = 1;
    Cre[1].pack[1] = item("Woollen coat", IT_ARMOUR, 10.0f);
    Cre[1].packcount[1] = 1;
    Ela_Ihminen(dp);
    EXPECT_EQ(strcmp(ObjToItem(Cre[1].worn[0]).name, "Woollen coat"), 0);
    EXPECT_EQ(Cre[1].pack[1], 0);
    Ela_Ihminen(dp);   // nothing more to put on: the request ends
    EXPECT_EQ(Cre[1].requestbits & 1, 0u);
}

TEST_F(People, AVillageMemberAwayFromItsVillageTurnsHome) {
    const int dp = villager(1, 240, 240, false);
    Cre[1].home_x = 1500;
    Cre[1].home_y = 1000;
    Plr.world_x = 1540;   // wilderness, 40 cells from the centre
    Ela_Ihminen(dp);
    EXPECT_TRUE(Cre[1].memberbits & MB_GOHOME);
    Ela_Ihminen(dp);
    EXPECT_EQ(Cre[1].Puuha[0], 65);
}

TEST_F(People, ALeavingCompanionOwesOrNot) {
    person(1, 233, 232);
    Cre[1].partyflags = PF_COMPANION;
    set_compword(1, CF_ESCORTEE | CF_ATDEST);
    Cre[1].compdebt = 0;
    unjoin_npc(1);
    EXPECT_FALSE(onko_NPC_kumppani(1));
    EXPECT_EQ(compword(1), (uint32_t)CF_LEFTPARTY);
    EXPECT_TRUE(Cre[1].memberbits & MB_GOHOME);
    EXPECT_EQ(Cre[1].leftday, Plr.daynumber);
    Cre[1].partyflags = PF_COMPANION;
    Cre[1].hirevalue = 40;   // hired with 40 worth of things, now carrying nothing
    unjoin_npc(1);
    EXPECT_TRUE(compword(1) & CF_OWING);
}

TEST_F(People, MischiefCountsOutsideTheCentreOnlyWhenSeenAndKeepsFourKinds) {
    Plr.world_x = 1501;   // next to the village, in its fields
    Mapinfo_setsocID(1501, 1000, SOC);
    breachrun_mischief(SOC, 600, 5);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.mischief, 0) << "nobody saw it";
    villager(1, 236, 232, true);
    for (int kind = 1; kind <= 5; kind++) breachrun_mischief(0, kind, kind);
    breachrun_mischief(SOC, 3, 9);   // a kind already listed keeps its place
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.mischief, 1);
    EXPECT_EQ(globVil.mischiefcount, 0) << "no count runs until the village has weighed its mischief";
    EXPECT_EQ(globVil.mischiefkind[0], 5);
    EXPECT_EQ(globVil.mischiefkind[3], 2);
    EXPECT_EQ(globVil.mischiefweight[0], 5);
    // the villager, meeting her eyes, shouts and comes to have a word about it
    Cre[1].perception = 1;
    const int dp = crestep_pos(1);
    for (int t = 0; t < 20 && GetGlobVil(SOC) && globVil.mischief; t++) Ela_Ihminen(dp);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.mischief, 0);
    EXPECT_EQ(globVil.said[3], 1);
    // a count already running grows by one a breach
    globVil.mischiefcount = 3;
    SaveGlobVil();
    breachrun_mischief(SOC, 7, 1);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.mischiefcount, 4);
}

TEST_F(People, ATheftWeighsAsTheDebtsAndHeavyOnesCallTheSuspectsOn) {
    struct Case {
        float price;
        int weight;
        bool suspect_attacks;
    } cases[] = {{10.0f, 1, false}, {100.0f, 2, true}, {500.0f, 3, true}};
    for (const Case &k : cases) {
        clrVillages();
        GOT_UNPAID_clr();
        GOT_TAKEN_clr();
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        village_of_one();
        villager(1, 235, 232, true);   // the nearest adult, on the watch
        villager(2, 240, 232, true);   // a suspect of the second level only
        villager(3, 250, 250, false);  // the other one on the watch
        Cre[1].suspicion = 2;
        Cre[2].suspicion = 4;
        Cre[3].suspicion = 2;
        const int dp = goods(PlayerX, PlayerY, "Tub", k.price);
        ASSERT_EQ(GetIt(dp, 1, 0), 1);
        ASSERT_TRUE(GOT_PROPERTY_ofsoc(SOC));
        breachrun_theft(SOC);
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.theftcount, k.weight) << k.price;
        EXPECT_TRUE(vio_act(2));
        EXPECT_EQ(Cre[2].mode == 99, k.suspect_attacks) << k.price;   // 99: fighting
    }
}

TEST_F(People, ActivitiesCallWatchAndHuntAsTheirCodesSay) {
    const int knife = item("Knife", IT_WEAPON, 20.0f);
    // 50: a companion going to the player calls out to her.
    {
        static std::string said;
        said.clear();
        people_speech_log = [](int, const char *key, const char *text) { said += std::string(key) + ":" + text; };
        const int dp = person(1, 245, 232);
        Cre[1].partyflags = 256;
        Lisaa_Puuha(1, 50, 100);
        Cre[1].PuuhaX[0] = PlayerX;
        Cre[1].PuuhaY[0] = PlayerY;
        Cre[1].noisecounter = 0;   // its voice is free again
        Tee_Puuha(dp);
        people_speech_log = nullptr;
        EXPECT_EQ(said, "NPC_SHOUTS:Come here!");
    }
    // 151: a robber watching her takes up his knife; once her load has grown since the robbery was
    // settled, he stops watching and his morale toward her becomes 3.
    for (int grown = 0; grown < 2; grown++) {
        SCOPED_TRACE(grown ? "her load grew" : "watching");
        memset(Cre, 0, sizeof Cre);
        const int dp = person(2, 236, 232);
        Cre[2].role = 20;
        Cre[2].pack[0] = knife;
        Cre[2].packcount[0] = 1;
        Cre[2].skillname[0][0] = 'K';
        Plr.inv_obj[0] = grown ? item("Silver ring", IT_VALUABLE, 80.0f, 0.1f) : 0;
        Plr.inv_count[0] = grown;
        ROBBERY_LOAD = -1.0f;
        Lisaa_Puuha(2, 151, 100);
        for (int t = 0; t < 40 && Cre[2].Puuha[0] == 151 && !Cre[2].wielded; t++) Tee_Puuha(dp);
        if (grown) {
            EXPECT_EQ(Cre[2].Puuha[0], 0);
            EXPECT_EQ(Cre[2].moralebits[19], 3);
        } else {
            EXPECT_EQ(Cre[2].wielded, knife);
        }
    }
    // 69: game up in a tree is hunted with a bow and arrows only.
    for (int bow = 0; bow < 2; bow++) {
        SCOPED_TRACE(bow ? "with a bow" : "without a bow");
        memset(Cre, 0, sizeof Cre);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        const int dp = person(3, 240, 240);
        animal(4, 245, 240, 632, 4.0f);
        Cre[4].korkeus = 200;
        if (bow) {
            ItemStruct b{}, a{};
            b.type = a.type = IT_WEAPON;
            b.subtype = ST_BOW;
            a.subtype = ST_ARROW;
            strcpy(b.name, "Bow");
            strcpy(a.name, "Arrow");
            Cre[3].pack[0] = Esineesta_Uniikki(b), Cre[3].packcount[0] = 1;
            Cre[3].pack[1] = Esineesta_Uniikki(a), Cre[3].packcount[1] = 5;
        }
        Lisaa_Puuha(3, 69, 100);
        Cre[3].PuuhaKohde[0] = (int32_t)Cre[4].socialid;
        EXPECT_EQ(Tee_Puuha(dp), bow);
        EXPECT_EQ(Cre[3].Puuha[0], bow ? 69 : 0);
    }
}

TEST_F(People, AWolfEatsAGrouseToTheFeathersAndTheBewitchedWolfIsFreedByBread) {
    // 52: the last pound of an unskinned grouse is eaten: its feathers lie at the wolf's feet and the
    // carcass is gone.
    const int wolf = animal(1, 240, 240, 611, 40.0f);
    Cre[1].diet1 = 0x4000000;
    animal(2, 241, 240, 628, 1.0f);
    Cre[2].kind = 21;
    Cre[2].mode = CM_CARCASS;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(CRE_DATAID + 2)) Data[i].type = DT_CARCASS;
    Lisaa_Puuha(1, 52, 50);
    Cre[1].PuuhaKohde[0] = (int32_t)Cre[2].socialid;
    Tee_Puuha(wolf);
    int feathers = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_ITEM && Data[i].x == cx(1) && Data[i].y == cy(1)) feathers += Data[i].count;
    EXPECT_GE(feathers, 3);
    for (int i = 0; i < DATA_MAX; i++) EXPECT_NE(Data[i].type, DT_CARCASS);
    // 53: the bewitched wolf eats the bread it stands on; it is freed and her record says so.
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    const int bewitched = animal(3, 250, 250, 611, 40.0f);
    Cre[3].stateflags = 2;
    Cre[3].diet2 = 0x400000;
    ItemStruct bread{};
    bread.type = IT_FOOD;
    bread.weight = bread.fullweight = 1.0f;
    strcpy(bread.name, "Rye bread");
    const int pos = Esineesta_Uniikki(bread);
    place_record(DT_ITEM, 250, 250, (uint32_t)pos);
    plr_set<uint8_t>(5038, 0);
    Lisaa_Puuha(3, 53, 50);
    Cre[3].PuuhaX[0] = Cre[3].PuuhaY[0] = 250;
    Cre[3].PuuhaKohde[0] = pos;
    for (int t = 0; t < 10 && Cre[3].Puuha[0] == 53; t++) Tee_Puuha(bewitched);
    EXPECT_TRUE(Cre[3].stateflags & 4);
    EXPECT_EQ(plr_get<uint8_t>(5038) & 2, 2);
}

TEST_F(People, AVillagerWhoHasBeatenHerEnoughShoutsAtHer) {
    static std::string said;
    said.clear();
    people_speech_log = [](int, const char *key, const char *text) { said += std::string(key) + ":" + text + ";"; };
    const int dp = villager(1, 233, 232, true);
    Cre[1].mode = 99;
    Cre[1].enemy = -1;
    Cre[1].fightbits = 4;
    Cre[1].stamina = 255;
    GetGlobVil(SOC);
    globVil.nobeating = 1;
    globVil.violence = 0;
    SaveGlobVil();
    Taistelu_Main(1, dp);
    people_speech_log = nullptr;
    EXPECT_NE(said.find("NPC_SHOUTS:Won't you behave now?"), std::string::npos) << said;
    EXPECT_NE(Cre[1].mode, 99) << "the beating is over";
}

// Sleep refused in the rain without a roof keeps a person up until the next hour: at 23 o'clock as
// at 22 it asks once and then goes about its night.
TEST_F(People, SleepRefusedInTheRainIsAskedForOnceAnHourAlsoAtEleven) {
    const WeatherStruct weather = GlobWeather;
    GlobWeather.intensity = 2;
    GlobWeather.rain_kind = 1;
    Plr.world_x = 1600;   // the wilds: no roof anywhere
    for (int hour : {22, 23}) {
        const int n = hour - 21;
        const int dp = person(n, 230 + 10 * n, 240);
        Cre[n].rhythm = 1;   // asleep from 22 o'clock
        Plr.hour = (uint8_t)hour;
        int asked = 0;
        for (int tick = 0; tick < 6; tick++) {
            Ela_Ihminen(dp);
            asked += Cre[n].Puuha[0] == 4;
        }
        EXPECT_EQ(asked, 1) << hour << " o'clock";
        EXPECT_EQ(Cre[n].wakinghour, hour + 1) << hour << " o'clock";
    }
    GlobWeather = weather;
}

// On their way home a villager and a village cow walk past the trap pits in the wild; a stranger
// falls in.
TEST_F(People, OnTheirWayHomeVillagersAndTheirAnimalsGoPastTrapPits) {
    Plr.world_x = 1540;   // the wilds, 40 cells east of the village
    const int man = villager(1, 240, 240, false);
    Cre[1].home_x = 1500;
    Cre[1].home_y = 1000;
    const int cow = animal(2, 250, 240, 609, 300.0f);
    Cre[2].owner = SOC;   // the village's
    Cre[2].home_x = 1500;
    Cre[2].home_y = 1000;
    person(3, 260, 240);
    Ela_Ihminen(man);
    for (int t = 0; t < 30 && !(Cre[2].memberbits & MB_GOHOME); t++) Ela_Elain(cow);
    ASSERT_TRUE(Cre[1].memberbits & MB_GOHOME);
    ASSERT_TRUE(Cre[2].memberbits & MB_GOHOME);
    struct Case {
        int n;
        bool caught;
    } cases[] = {{1, false}, {2, false}, {3, true}};
    for (const Case &c : cases) {
        const int x = cx(c.n) + 1, y = cy(c.n);
        const int pit = place_record(DT_TRAP, x, y, ACTION_TRAP_PIT, 2);
        Data[pit].extra = TRAP_ARMED;
        Liikkuminen(c.n, x, y, 1);
        EXPECT_EQ(Data[pit].extra == TRAP_SPRUNG, c.caught) << "creature " << c.n;
    }
}

// An escortee at its destination follows her only while she stands in the world cell where it
// stopped, wherever in the area that cell lies.
TEST_F(People, AnArrivedEscorteeFollowsHerOnlyInTheCellWhereItStopped) {
    const int was = get_alltime_kulttuuri(1501, 1000);
    set_alltime_kulttuuri(1501, 1000, 0);   // the next cell east is of the destination people too
    struct Case {
        int stop_x, her_x, follows;
    } cases[] = {
        {240, 242, 1},   // stopped in the centre cell; she stays in it
        {240, 302, 0},   // she walks on into the next cell
        {300, 302, 1},   // stopped in the next cell; she stands in it
        {300, 242, 0},   // she goes back to the centre cell
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        const int dp = person(1, c.stop_x, 240);
        make_NPC_escortee(1, 0);
        Cre[1].escortdest = 2;   // to the land of a people
        Cre[1].escortculture = 0;
        PlayerX = c.stop_x + 2;
        PlayerY = 240;
        Ela_Ihminen(dp);   // it knows it has arrived and stops
        ASSERT_TRUE(compword(1) & CF_ATDEST);
        PlayerX = c.her_x;
        EXPECT_EQ(come_along(1, 0), c.follows) << c.stop_x << " -> " << c.her_x;
    }
    set_alltime_kulttuuri(1501, 1000, was);
}

// A hare that fled from her and fell has no foe left: the share a wolf ate of it shows.
TEST_F(People, AFledHareThatFellShowsHowMuchOfItAWolfAte) {
    dir->copy_asset("messages/eng_general.txt");
    MSG_forget_index();
    animal(2, 236, 232, 600, 4.0f);
    Cre[2].kind = 2;
    Cre[2].mode = 4;   // fleeing from her
    Cre[2].enemy = CRE_PLAYER;
    Pakene(2);
    ASSERT_TRUE(Cre[2].enemy_x || Cre[2].enemy_y) << "the flight keeps where she stood";
    const int wolf = animal(1, cx(2) + 1, cy(2), 611, 40.0f);
    Cre[2].killer = 1;
    KillCreature(2, 0);
    Lisaa_Puuha(1, 52, 50);
    Cre[1].PuuhaKohde[0] = (int32_t)Cre[2].socialid;
    Tee_Puuha(wolf);
    char word[100];
    EXPECT_EQ(pctEaten_carcass(2, word, sizeof word), 25);
    EXPECT_STREQ(word, "half eaten");
}
