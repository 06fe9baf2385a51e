// tests/creatures/ownership_test.cpp -- village goods: picked up seen or unseen, booked once, given
// back here only, the society lists, what a villager's drop leaves owned, culture 11, the burglary
// check when she walks off with goods, and the debt book's bounds.
#include "activities/puuharun.h"
#include "core/player.h"
#include "creatures/animals.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "activities/itemcmd.h"
#include "core/vilrecord.h"
#include "game/loader.h"
#include "items/itemwear.h"
#include "village_fixture.h"
#include "items/inventory.h"

using Ownership = VillageTest;

TEST_F(Ownership, UnseenPickUpIsTakenSeenIsADebtAndALaterSeerBooksTheTaken) {
    const int a = goods(232, 233, "Clay jug");
    ASSERT_FALSE(own_datapos(a).free);
    EXPECT_EQ(own_datapos(a).soc, (uint32_t)SOC);
    ASSERT_EQ(GetIt(a, 1, 0), 1);
    const ItemStruct first = ObjToItem(Plr.inv_obj[0]);
    EXPECT_EQ(first.ownerflags & (OWN_UNPAID | OWN_TAKEN), OWN_TAKEN);
    EXPECT_EQ(first.ownersoc, (uint32_t)SOC);
    EXPECT_EQ(first.ownerword1, 1500);
    EXPECT_EQ(vildebtcount(SOC), 0);
    EXPECT_TRUE(GOT_TAKEN_ofsoc(SOC));

    villager(1, 236, 232, true);
    ASSERT_EQ(socseeplr(SOC), 1);
    const int b = goods(232, 231, "Wooden bowl");
    ASSERT_EQ(GetIt(b, 1, 0), 1);
    const ItemStruct second = ObjToItem(Plr.inv_obj[1]);
    EXPECT_EQ(second.ownerflags & (OWN_UNPAID | OWN_TAKEN), OWN_UNPAID);
    EXPECT_EQ(vildebtcount(SOC), 1);
    EXPECT_TRUE(GOT_UNPAID_ofsoc(SOC));

    // the burglary check with the villager watching turns the taken jug into a debt too
    burglary(SOC, 0);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[0]).ownerflags & (OWN_UNPAID | OWN_TAKEN), OWN_UNPAID);
    EXPECT_EQ(vildebtcount(SOC), 2);
    EXPECT_EQ(perinta_taso(SOC), 1);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.graceend, Plr.minutes + 15);
    EXPECT_EQ(globVil.gracetype, 2);
    // the grace runs out: the collection moves up
    Plr.minutes += 16;
    EXPECT_EQ(perinta_taso(SOC), 2);
}

TEST_F(Ownership, AnUnpaidItemKeepsItsOneDebtWhenCaughtAgain) {
    villager(1, 236, 232, true);
    const int a = goods(232, 233, "Clay jug");
    ASSERT_EQ(GetIt(a, 1, 0), 1);
    const int pos = Plr.inv_obj[0];
    ASSERT_EQ(vildebtcount(SOC), 1);
    OwnerStruct place{};
    place.soc = SOC;
    const int again = owned_item_catch(place, pos, 1, 0);
    EXPECT_EQ(ObjToItem(again).ownerflags & OWN_UNPAID, OWN_UNPAID);
    EXPECT_EQ(vildebtcount(SOC), 1);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.debt[0].count, 1u);
    // free goods of nobody pass unchanged
    OwnerStruct nobody{};
    nobody.free = 1;
    const int loose = item("Stone", IT_TOOL, 0.0f);
    EXPECT_EQ(owned_item_catch(nobody, loose, 1, 0), loose);
    EXPECT_EQ(ObjToItem(loose).ownersoc, 0u);
}

TEST_F(Ownership, GoodsTakenInAnotherCellAreNotReturnedHereOnly) {
    villager(1, 236, 232, true);
    const int a = goods(232, 233, "Clay jug");
    ASSERT_EQ(GetIt(a, 1, 0), 1);
    const int pos = Plr.inv_obj[0];
    Plr.world_x = 1501;   // the next cell
    EXPECT_EQ(debtreturn(pos, 1, 1), 0);
    EXPECT_EQ(vildebtcount(SOC), 1);
    const int back = debtreturn(pos, 1, 0);
    ASSERT_NE(back, 0);
    EXPECT_EQ(ObjToItem(back).ownerflags & OWN_UNPAID, 0);
    EXPECT_EQ(ObjToItem(back).ownersoc, (uint32_t)SOC);
    EXPECT_EQ(vildebtcount(SOC), 0);
    // no debt left to return against
    EXPECT_EQ(debtreturn(pos, 1, 0), 0);
}

TEST_F(Ownership, AFullListAnswersAHundredAndStays) {
    for (int i = 0; i < OWNLIST_MAX; i++) ASSERT_EQ(SET_UNPAID_ofsoc(1000 + i), i);
    EXPECT_EQ(SET_UNPAID_ofsoc(1042), 42);   // already there
    int before[OWNLIST_MAX];
    memcpy(before, GOT_UNPAID, sizeof before);
    EXPECT_EQ(SET_UNPAID_ofsoc(77), OWNLIST_MAX);
    EXPECT_EQ(memcmp(before, GOT_UNPAID, sizeof before), 0);
    EXPECT_FALSE(GOT_UNPAID_ofsoc(77));
    for (int i = 0; i < OWNLIST_MAX; i++) SET_TAKEN_ofsoc(2000 + i);
    EXPECT_EQ(SET_TAKEN_ofsoc(5), OWNLIST_MAX);
    EXPECT_EQ(SET_MOVETAKEN_ofsoc(5), 0);
    EXPECT_TRUE(GOT_PROPERTY_ofsoc(5));
    MOVETAKEN_clr();
    EXPECT_FALSE(GOT_PROPERTY_ofsoc(5));
    EXPECT_FALSE(GOT_PROPERTY_ofsoc(0));
}

TEST_F(Ownership, AVillagersDropIsItsCommunitysUnlessMarkedToClear) {
    villager(1, 236, 232, false);
    ItemStruct it{};
    it.type = IT_TOOL;
    it.id = 300;
    it.weight = it.fullweight = 1.0f;
    strcpy(it.name, "Knife");
    it.ownersoc = 99;
    it.ownerflags = OWN_UNPAID | 64;
    const int marked = Esineesta_Uniikki(it);
    it.ownerflags = OWN_TAKEN;
    const int plain = Esineesta_Uniikki(it);
    NpcDropItem(1, marked, 1);
    NpcDropItem(1, plain, 1);
    int nobodys = 0, villages = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_ITEM || Data[i].x != 236) continue;
        const ItemStruct d = ObjToItem((int)Data[i].id);
        if (d.ownersoc == 0 && d.ownerflags == 0) nobodys++;
        if (d.ownersoc == (uint32_t)SOC && !(d.ownerflags & (OWN_UNPAID | OWN_TAKEN))) villages++;
    }
    EXPECT_EQ(nobodys, 1);
    EXPECT_EQ(villages, 1);
}

TEST_F(Ownership, CultureElevenTakesNothingAndItsVillageGoodsAreFree) {
    villager(1, 236, 232, false);
    Cre[1].culture = 11;
    ItemStruct it{};
    it.type = IT_TOOL;
    it.weight = it.fullweight = 1.0f;
    strcpy(it.name, "Knife");
    it.ownersoc = 99;
    it.ownerflags = OWN_TAKEN;
    const ItemStruct kept = claim_ItemTo_npc(it, 1);
    EXPECT_EQ(kept.ownersoc, 99u);
    EXPECT_EQ(kept.ownerflags, OWN_TAKEN);
    const int a = goods(232, 233, "Clay jug");
    set_alltime_kulttuuri(1500, 1000, 11);
    EXPECT_TRUE(own_datapos(a).free);
    ASSERT_EQ(GetIt(a, 1, 0), 1);
    EXPECT_EQ(ObjToItem(Plr.inv_obj[0]).ownersoc, 0u);
    EXPECT_EQ(vildebtcount(SOC), 0);
}

TEST_F(Ownership, GoodsOfAVillageWithNobodyLeftAreFree) {
    GetGlobVil(SOC);
    memset(globVil.people, 0, sizeof globVil.people);
    SaveGlobVil();
    ASSERT_EQ(socpopulation(SOC), 0);
    const int a = goods(232, 233, "Clay jug");
    ASSERT_EQ(GetIt(a, 1, 0), 1);
    const ItemStruct got = ObjToItem(Plr.inv_obj[0]);
    EXPECT_EQ(got.ownerflags & (OWN_UNPAID | OWN_TAKEN), 0);
    EXPECT_EQ(got.ownersoc, 0u);
    EXPECT_FALSE(GOT_TAKEN_ofsoc(SOC));
}

TEST_F(Ownership, TheWorldCellsOwnerByRecordAndBySettledNeighbourhood) {
    EXPECT_EQ(own_bigmaploc(1500, 1000).soc, (uint32_t)SOC);
    EXPECT_TRUE(own_bigmaploc(1503, 1000).free);   // plain land near the village
    put_world(1503, 1000, 47);
    EXPECT_EQ(own_bigmaploc(1503, 1000).soc, (uint32_t)SOC);
    put_world(1510, 1000, 47);
    EXPECT_TRUE(own_bigmaploc(1510, 1000).free);   // too far
}

TEST_F(Ownership, LeavingWithUnpaidGoodsBringsTheShoutAndTheSecondLevel) {
    villager(1, 236, 232, true);
    const int a = goods(232, 233, "Clay jug");
    ASSERT_EQ(GetIt(a, 1, 0), 1);
    Plr.world_x = 1501;   // she walked out of the village's cell
    burglary(SOC, 0);
    EXPECT_EQ(perinta_taso(SOC), 2);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.gracetype, 3);
    // the same society in the same pass is not checked twice
    aktivoi_perinta(SOC, 0);
    burglary(SOC, 0);
    EXPECT_EQ(perinta_taso(SOC), 0);
    BURGLARYSOC = 0;
    burglary(SOC, 0);
    EXPECT_EQ(perinta_taso(SOC), 2);
}

TEST_F(Ownership, TheDebtBookRefusesBadCountsAndNeverGoesNegative) {
    const int pos = item("Clay jug", IT_TOOL, 4.0f);
    EXPECT_EQ(additemdebt(SOC, pos, 0), 0);
    EXPECT_EQ(additemdebt(SOC, pos, -3), 0);
    EXPECT_EQ(additemdebt(0, pos, 1), 0);
    EXPECT_EQ(additemdebt(-7, pos, 1), 0);
    EXPECT_EQ(vildebtcount(SOC), 0);
    ASSERT_EQ(additemdebt(SOC, pos, 2), 1);
    ASSERT_EQ(additemdebt(SOC, pos, 1), 1);   // more of the same item: the one line grows
    EXPECT_EQ(vildebtcount(SOC), 1);
    EXPECT_EQ(remitemdebt(SOC, (unsigned)pos, 1), 1);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.debt[0].count, 2u);
    EXPECT_EQ(remitemdebt(SOC, (unsigned)pos, 50), 1);   // more than owed: the line closes
    EXPECT_EQ(vildebtcount(SOC), 0);
    EXPECT_EQ(remitemdebt(SOC, (unsigned)pos, 1), 0);
    EXPECT_EQ(remitemdebt(-1, (unsigned)pos, 1), 0);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.hasdebt, 0);
    // a full book refuses the hundred-and-first item and keeps every line
    for (int i = 0; i < VILLAGE_DEBTS; i++) ASSERT_EQ(additemdebt(SOC, item("Bead", 10, 1.0f), 1), 1);
    EXPECT_EQ(additemdebt(SOC, item("Shell", 10, 1.0f), 1), 0);
    EXPECT_EQ(vildebtcount(SOC), VILLAGE_DEBTS);
    EXPECT_EQ(GetGlobVil(0), 0);
    EXPECT_EQ(socpopulation(-5), 0);
    EXPECT_EQ(locdist_soccenter(123456, 1500, 1000), 1000);
}

TEST_F(Ownership, ADownerOfTheVillageTakesBackItsGoodsFromHerAndHerCompanion) {
    villager(1, 236, 232, true);
    Cre[1].weight = 80.0f;
    const int a = goods(232, 233, "Clay jug");
    ASSERT_EQ(GetIt(a, 1, 0), 1);   // seen: a debt
    ASSERT_EQ(vildebtcount(SOC), 1);
    Plr.inv_obj[1] = item("Knife", IT_TOOL, 8.0f);   // her own
    Plr.inv_count[1] = 1;
    person(2, 231, 232);
    Cre[2].partyflags = PF_COMPANION;
    ItemStruct bowl = ObjToItem(item("Wooden bowl", IT_TOOL, 6.0f));
    bowl.ownersoc = SOC;
    bowl.ownerflags = OWN_TAKEN;
    Cre[2].pack[0] = Esineesta_Uniikki(bowl);
    Cre[2].packcount[0] = 1;
    EXPECT_EQ(get_stolen_items(-1, 1), 2);
    EXPECT_EQ(vildebtcount(SOC), 0);
    EXPECT_EQ(Cre[2].pack[0], 0);
    EXPECT_EQ(strcmp(ObjToItem(Plr.inv_obj[0]).name, "Knife"), 0) << "her own knife moved up, no gap";
    EXPECT_EQ(Plr.inv_obj[1], 0);
    int back = 0;
    for (int k = 0; k < CRE_PACK; k++)
        if (Cre[1].pack[k]) {
            back++;
            EXPECT_EQ(ObjToItem(Cre[1].pack[k]).ownerflags & 7, 0);
        }
    EXPECT_EQ(back, 2);
    EXPECT_FALSE(GOT_PROPERTY_ofsoc(SOC));
}

TEST_F(Ownership, ARobberWhoDownsHerRobsHer) {
    person(1, 233, 232);
    Cre[1].role = 20;
    Cre[1].weight = 200.0f;
    Plr.inv_obj[0] = item("Axe", IT_TOOL, 150.0f);
    Plr.inv_count[0] = 1;
    // At the edge of the world there is no wild place to drag her to: she is robbed where she fell.
    Plr.world_x = Plr.world_y = 40;
    plr_downed_act(1);
    EXPECT_EQ(Plr.inv_obj[0], 0);
    EXPECT_EQ(strcmp(ObjToItem(Cre[1].pack[0]).name, "Axe"), 0);
}

TEST_F(Ownership, AReclaimerClearsTheDebtAndARobberTakesWhatHeStillWants) {
    // 80: the jug she booked and then dropped is fetched back by a villager, and its debt line goes.
    // 81: a robber fetches a dear ring stack whole. Either cancels at once when its target is gone,
    // free of the village or no longer worth robbing.
    for (int code : {80, 81}) {
        SCOPED_TRACE(code);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        const int vdp = villager(1, 236, 232, true);
        Cre[1].intelligence = Cre[1].dexterity = 10;
        int pos;
        if (code == 80) {
            ASSERT_EQ(GetIt(goods(232, 233, "Clay jug"), 1, 0), 1);
            ASSERT_EQ(vildebtcount(SOC), 1);
            pos = Plr.inv_obj[0];
            DropItem(1, pos, 240, 232);
        } else {
            Cre[1].role = 20;
            pos = item("Silver ring", IT_VALUABLE, 60.0f, 0.1f);
            place_record(DT_ITEM, 240, 232, (uint32_t)pos, 3);
        }
        auto aimed = [&] {
            int r = -1;
            for (int i = 0; i < DATA_MAX; i++)
                if (Data[i].type == DT_ITEM && Data[i].id == (uint32_t)pos) r = i;
            Keskeyta_Puuha(1, -1);
            Lisaa_Puuha(1, code, 100);
            Cre[1].PuuhaKohde[0] = r;
            Cre[1].PuuhaX[0] = 240;
            Cre[1].PuuhaY[0] = 232;
            return r;
        };
        const int r = aimed();
        ASSERT_GE(r, 0);
        for (int t = 0; t < 20 && Cre[1].Puuha[0] == code; t++) Tee_Puuha(vdp);
        EXPECT_EQ(npc_got_ESINE(1, ObjToItem(pos).id) != -1000, true);
        EXPECT_NE(Data[r].type, DT_ITEM);
        if (code == 80) {
            EXPECT_EQ(vildebtcount(SOC), 0) << "the debt goes with the jug";
        }
        // not wanted any longer: the jug lies free of the village, the ring is worth nothing now
        ItemStruct it = ObjToItem(pos);
        if (code == 80) {
            it.ownersoc = 0, it.ownerword1 = it.ownerword2 = 0;
        } else {
            it.price = it.priceperweight = 0.0f;
        }
        pos = Esineesta_Uniikki(it);
        place_record(DT_ITEM, 240, 232, (uint32_t)pos);
        aimed();
        EXPECT_EQ(Tee_Puuha(vdp), 0);
        EXPECT_EQ(Cre[1].Puuha[0], 0);
    }
}

// Unpaid milk drunk to the end: the jug comes back with the village's mark, and the debt is for the jug.
TEST_F(Ownership, UnpaidContentsUsedUpLeaveTheirDebtOnTheVessel) {
    ItemStruct milk{};
    milk.type = IT_CONTAINER;
    milk.id = OID_MILK;
    strcpy(milk.name, "Milk");
    milk.weight = 1.0f;
    milk.fullweight = 2.0f;
    milk.price = 3.0f;
    milk.vessel = (uint32_t)item("Clay jug", IT_CONTAINER, 5.0f);
    milk.ownersoc = SOC;
    milk.ownerflags = OWN_UNPAID;
    const int pos = Esineesta_Uniikki(milk);
    Plr.inv_obj[0] = pos;
    Plr.inv_count[0] = 1;
    ASSERT_EQ(additemdebt(SOC, pos, 1), 1);
    EXPECT_FLOAT_EQ(Kuluta_PlrItem(0, 1.0f), 1.0f);
    const int jug = Plr.inv_obj[0];
    EXPECT_STREQ(ObjToItem(jug).name, "Clay jug");
    EXPECT_EQ(ObjToItem(jug).ownersoc, (uint32_t)SOC);
    EXPECT_EQ(vildebtcount(SOC), 1);
    GetGlobVil(SOC);
    int lines_for_jug = 0;
    for (const VillageDebtLine &d : globVil.debt)
        if (d.active && d.object == (uint32_t)jug) lines_for_jug++;
    EXPECT_EQ(lines_for_jug, 1);
}

// Food among a village's goods keeps while its people tend it; in a village left with one soul or
// none it spoils with the day like food lying anywhere.
TEST_F(Ownership, VillageFoodSpoilsOnlyWhenTheVillageHasLostItsPeople) {
    const struct {
        int people;
        bool spoils;
    } rows[] = {{0, true}, {1, true}, {2, false}, {3, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.people);
        memset(Data, 0, sizeof Data);
        GetGlobVil(SOC);
        memset(globVil.people, 0, sizeof globVil.people);
        for (int n = 0; n < row.people; n++) {
            villager(1 + n, 236, 228 + 2 * n, false);
            npctosocppl(1 + n, SOC);
        }
        const int food = item("Fish stew", IT_FOOD, 3.0f);
        PlayerObj[food - OBJ_PLAYER_FIRST].spoil = 1;   // on its last day
        const int dp = place_record(DT_ITEM, 230, 230, (uint32_t)food);
        Data[dp].owner = SOC_OWNER;
        areal_food_spoil(1);
        EXPECT_EQ(ObjToItem((int)Data[dp].id).spoil == 255, row.spoils);
    }
}
