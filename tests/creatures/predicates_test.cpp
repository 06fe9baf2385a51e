// tests/creatures/predicates_test.cpp -- what the game asks about a creature: kinds, awake hours,
// heat, companions and pets, village roles, and the marks on what a person carries.
#include <gtest/gtest.h>

#include "core/datafunc.h"
#include "creation_fixture.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "game/loader.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "game/turnloop.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"

using oxatest::CreationTest;

namespace {

class Predicates : public CreationTest {
protected:
    // Slot c holds the creature made from code, standing at (x, y) of the data pool.
    void place(int c, int code, int x = 10, int y = 10) {
        Luo_Olento(code);
        Cre[c] = Creature;
        Cre[c].socialid = (uint32_t)(CRE_DATAID + 100 + c);
        Data[c] = DataStruct{};
        Data[c].type = DT_CREATURE;
        Data[c].id = (uint32_t)(CRE_DATAID + c);
        Data[c].x = (uint16_t)x;
        Data[c].y = (uint16_t)y;
    }
    void SetUp() override {
        CreationTest::SetUp();
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    }
};

}  // namespace

TEST_F(Predicates, ThePlayerIsAnImportantHumanAndNoAnimal) {
    EXPECT_EQ(onko_NPC_tarkea_olento(CRE_PLAYER), 1);
    EXPECT_EQ(is_human(CRE_PLAYER), 1);
    EXPECT_EQ(onko_JOKU_elain(CRE_PLAYER), 0);
    EXPECT_EQ(onko_JOKU_petoelain(CRE_PLAYER), 1);
    EXPECT_EQ(syo_kasveja(CRE_PLAYER, 0), 0);
    EXPECT_EQ(lentaako_NPC(CRE_PLAYER), 0);
    EXPECT_EQ(is_human(CRE_COUNT), 0);
    EXPECT_EQ(is_human(CRE_NONE), 0);
}

// Every question the creatures' life asks: a number past the slots answers no; the player answers as
// the table says (she hunts, is human, is awake and free to react; the bird and water questions read the
// working record, the dazed one her own posture).
TEST_F(Predicates, ANumberPastTheSlotsAnswersNoAndThePlayerAsHerRowSays) {
    memset(&Creature, 0, sizeof Creature);
    Plr.posture = 0;
    INVISIBLE = 0;
    struct Question {
        const char *name;
        int (*ask)(int);
        int player;
    };
    static int (*const eats_plants)(int) = [](int n) { return syo_kasveja(n, 0); };
    static int (*const voice)(int) = [](int n) { return aantelylaskuri(n, 0); };
    static int (*const tether)(int) = [](int n) {
        int x, y;
        return tiedxy(n, &x, &y);
    };
    const Question questions[] = {
        {"is_human", is_human, 1},
        {"onko_NPC_kesyelain", onko_NPC_kesyelain, 0},
        {"onko_NPC_kumppani", onko_NPC_kumppani, 0},
        {"is_socanimal", is_socanimal, 0},
        {"is_cub", is_cub, 0},
        {"npcKotielain", npcKotielain, 0},
        {"onko_JOKU_petoelain", onko_JOKU_petoelain, 1},
        {"syo_kasveja", eats_plants, 0},
        {"onko_NPC_lintu", onko_NPC_lintu, 0},
        {"onko_NPC_hereillaoloaika", onko_NPC_hereillaoloaika, 1},
        {"onko_NPC_vapaa_reagoimaan", onko_NPC_vapaa_reagoimaan, 1},
        {"pokertynyt", pokertynyt, 0},
        {"onko_noiduttuelain", onko_noiduttuelain, 0},
        {"onko_vironsusi", onko_vironsusi, 0},
        {"is_mom_around", is_mom_around, 0},
        {"is_cub_around", is_cub_around, 0},
        {"onko_NPC_vesielaja", onko_NPC_vesielaja, 0},
        {"aantelylaskuri", voice, 1},
        {"tiedxy", tether, 0},
    };
    for (const Question &q : questions) {
        for (int n : {(int)CRE_COUNT, CRE_COUNT + 37, -7, (int)CRE_NONE}) EXPECT_EQ(q.ask(n), 0) << q.name << " of " << n;
        EXPECT_EQ(q.ask(CRE_PLAYER), q.player) << q.name << " of the player";
    }
    INVISIBLE = 1;
    EXPECT_EQ(onko_NPC_vapaa_reagoimaan(CRE_PLAYER), 0) << "nobody reacts while she is invisible";
    INVISIBLE = 0;
}

// The voice counter: a call sets it, and the creature calls again once it is back at 0 or past 60.
TEST_F(Predicates, TheVoiceCounterHoldsACallBackUntilItRunsPast60) {
    place(0, 618);
    Cre[0].noisecounter = 0;
    EXPECT_EQ(aantelylaskuri(0, 0), 1);
    EXPECT_EQ(aantelylaskuri(0, 30), 1);
    EXPECT_EQ(Cre[0].noisecounter, 30);
    EXPECT_EQ(aantelylaskuri(0, 0), 0);
    EXPECT_EQ(aantelylaskuri(0, 400), 1);
    EXPECT_EQ(Cre[0].noisecounter, 255) << "a call longer than the byte holds stops at 255";
    EXPECT_EQ(aantelylaskuri(0, 0), 1);
    EXPECT_EQ(Cre[0].noisecounter, 0) << "past 60 the counter starts over";
    Cre[1] = CreatureStruct{};
    EXPECT_EQ(aantelylaskuri(1, 0), 0) << "an empty slot never calls";
    EXPECT_EQ(aantelylaskuri(1, 9), 0);
    EXPECT_EQ(Cre[1].noisecounter, 0);
}

TEST_F(Predicates, KindsOfAnimals) {
    place(0, 611);
    place(1, 660, 12, 10);
    place(2, 628, 14, 10);
    place(3, 605, 16, 10);
    Luo_ElainOlento(Cre[4], 605, "[young]");
    EXPECT_TRUE(onko_JOKU_petoelain(0));
    EXPECT_TRUE(onko_NPC_lihansyoja(0));
    EXPECT_FALSE(onko_JOKU_petoelain(1));
    EXPECT_TRUE(syo_kasveja(1, 1));
    EXPECT_TRUE(onko_NPC_lintu(2));
    EXPECT_TRUE(syo_kasveja(3, 0)) << "a bear eats berries too";
    EXPECT_TRUE(onko_JOKU_petoelain(3));
    EXPECT_FALSE(is_cub(3));
    EXPECT_TRUE(is_cub(4));
    // A young animal in slot 0 is a cub as well.
    Cre[0].sexage |= 2;
    EXPECT_TRUE(is_cub(0));
    // The non-human of handling class 2 (a farm animal) is kept by the game.
    place(5, 609);
    EXPECT_TRUE(onko_NPC_tarkea_olento(5));
    EXPECT_TRUE(npcKotielain(5));
    EXPECT_FALSE(npcKotielain(0));
}

TEST_F(Predicates, WaterCreaturesBySpeciesOrByHowTheyMove) {
    place(0, 611);
    EXPECT_FALSE(onko_NPC_vesielaja(0)) << "a wolf";
    for (int moveclass : {96, 128}) {
        Cre[0].moveclass = (uint8_t)moveclass;
        EXPECT_TRUE(onko_NPC_vesielaja(0)) << moveclass;
    }
    Cre[0].moveclass = 0;
    Cre[0].speciescode = 701;
    EXPECT_TRUE(onko_NPC_vesielaja(0));
    // -1 asks the template a creature is being made from.
    Creature = Cre[0];
    EXPECT_TRUE(onko_NPC_vesielaja(-1));
    Creature.speciescode = 611;
    EXPECT_FALSE(onko_NPC_vesielaja(-1));
    EXPECT_FALSE(onko_NPC_vesielaja(CRE_COUNT)) << "no such creature";
}

TEST_F(Predicates, AwakeHoursFollowTheRhythm) {
    place(0, 611);
    Plr.hour = 22;
    Cre[0].rhythm = 0;
    Cre[0].mode = 0;
    EXPECT_EQ(onko_NPC_hereillaoloaika(0), 1);
    Cre[0].rhythm = 1;
    EXPECT_EQ(onko_NPC_hereillaoloaika(0), 0);
    Cre[0].mode = 4;   // fleeing keeps it awake whatever the hour
    EXPECT_EQ(onko_NPC_hereillaoloaika(0), 1);
    Cre[0].mode = 3;   // at work: it sets down its work and keeps day hours
    Plr.hour = 12;
    Cre[0].rhythm = 0;
    EXPECT_EQ(onko_NPC_hereillaoloaika(0), 1);
    EXPECT_EQ(Cre[0].mode, 0);
    Cre[0].rhythm = 3;
    Plr.hour = 15;
    EXPECT_EQ(onko_NPC_hereillaoloaika(0), 0);
    Cre[0].wakinghour = 16;
    EXPECT_EQ(onko_NPC_hereillaoloaika(0), 1);
}

TEST_F(Predicates, CompanionsAndPets) {
    place(0, 530);
    EXPECT_FALSE(onko_NPC_kumppani(0));
    Cre[0].mode = 6;   // joining the party
    EXPECT_TRUE(onko_NPC_kumppani(0));
    EXPECT_EQ(Cre[0].mode, 0);
    EXPECT_TRUE(Cre[0].memberbits & 2);
    Cre[0].community = 3000;
    EXPECT_FALSE(is_socmember(0)) << "a companion is no village member";

    place(1, 618);
    EXPECT_FALSE(onko_NPC_kesyelain(1));
    Cre[1].owner = CRE_PLAYER;
    EXPECT_TRUE(onko_NPC_kesyelain(1));
    EXPECT_TRUE(onko_NPC_jonkun_kesyelain(1, CRE_PLAYER));
    place(2, 618);
    place(3, 540);
    set_CrePetAndMaster(2, 3);
    EXPECT_TRUE(onko_NPC_jonkun_kesyelain(2, 3));
    EXPECT_EQ(onko_NPClla_kesyelain(3), 2);
    EXPECT_EQ(NPCn_omistajan_sotu(2), (int)Cre[3].socialid);
    EXPECT_FALSE(is_socanimal(1));
}

TEST_F(Predicates, AVillageRoleGoesToAsManyAsItNeeds) {
    place(0, 530);
    place(1, 520, 12, 10);
    for (int c : {0, 1}) Cre[c].community = 4000;
    EXPECT_EQ(has_socrole_susp(0, 2), 0) << "the role is handed out, not yet held";
    const int holders = (Cre[0].suspicion & 4 ? 1 : 0) + (Cre[1].suspicion & 4 ? 1 : 0);
    EXPECT_EQ(holders, 1);
    EXPECT_TRUE(Cre[0].suspicion & 4) << "a man before a woman";
    EXPECT_EQ(has_socrole_susp(0, 2), 1);
    // The watch (role 1) takes two; a lost member's roles are handed out again.
    set_socrole_susp(4000, 1);
    EXPECT_TRUE((Cre[0].suspicion & 2) && (Cre[1].suspicion & 2));
    npc_socroles_lost(0);
    EXPECT_EQ(Cre[0].suspicion & 6, 0);
    EXPECT_EQ(Cre[1].suspicion & 6, 0);
    // Outsiders take no roles.
    set_socrole_susp(0, 1);
    place(2, 510);
    Cre[2].community = 4000;
    EXPECT_EQ(has_socrole_susp(2, 3), 0);
    EXPECT_EQ(Cre[2].suspicion, 0);
}

// A member lying senseless is passed over when a role is handed out.
TEST_F(Predicates, ADazedMemberTakesNoRole) {
    place(0, 530);
    place(1, 520, 12, 10);
    for (int c : {0, 1}) Cre[c].community = 4000;
    Cre[0].posture = 4;            // the man lies unconscious
    EXPECT_EQ(pokertynyt(0), 1);
    EXPECT_EQ(pokertynyt(1), 0);
    has_socrole_susp(1, 2);
    EXPECT_FALSE(Cre[0].suspicion & 4);
    EXPECT_TRUE(Cre[1].suspicion & 4) << "the woman takes it";
}

TEST_F(Predicates, PersonalMarksStayInsideThePack) {
    place(0, 530);
    CreatureStruct &c = Cre[0];
    memset(c.pack, 0, sizeof c.pack);
    memset(c.packcount, 0, sizeof c.packcount);
    const int sword = object("Broadsword", 1), cord = object("Cord", 1);
    ASSERT_GT(sword, 0);
    c.pack[19] = sword;
    c.packcount[19] = 1;
    c.pack[3] = cord;
    c.packcount[3] = 2;
    c.pack[4] = sword;
    c.packbits[4] = 1;   // already his own: left alone
    const CreatureStruct before = c;
    makepersonal_NPCitems(0, 1);
    EXPECT_TRUE(ObjToItem(c.pack[19]).ownerflags & 4);
    EXPECT_NE(c.pack[19], sword) << "the marked sword is a stored thing of its own";
    EXPECT_EQ(c.pack[4], sword);
    EXPECT_EQ(memcmp(c.packcount, before.packcount, sizeof c.packcount), 0);
    EXPECT_EQ(c.speciesweight, before.speciesweight);
    EXPECT_EQ(c.daysaved, before.daysaved);
    for (int w : c.worn) {
        if (w) {
            EXPECT_TRUE(ObjToItem(w).ownerflags & 4);
        }
    }
    EXPECT_GT(NPC_inventoryhinta(0), 0);
    makepersonal_NPCitems(0, 0);
    EXPECT_FALSE(ObjToItem(c.pack[19]).ownerflags & 4);
    // A slot past the table changes nothing.
    makepersonal_NPCitems(CRE_COUNT, 1);
    EXPECT_EQ(NPC_inventoryhinta(CRE_COUNT), 0);
}

TEST_F(Predicates, ASleeperOrASenselessOneSeesNothing) {
    place(0, 611, 10, 10);
    Cre[0].Suunta = 2;                       // facing east, the square ahead in plain view
    const int sees = NPCSee(0, 12, 10);
    Cre[0].posture = 3;
    EXPECT_EQ(NPCSee(0, 12, 10), 0);
    Cre[0].posture = 4;
    EXPECT_EQ(NPCSee(0, 12, 10), 0);
    Cre[0].posture = 0;
    EXPECT_EQ(NPCSee(0, 12, 10), sees) << "awake again it sees as before";
    EXPECT_EQ(NPCSee(CRE_COUNT, 12, 10), 0);
}

TEST_F(Predicates, ATiedCreatureIsBoundWhereItsLeashLies) {
    place(0, 618, 10, 10);
    Cre[0].domestic |= 16;                   // tied
    ItemStruct leash{};
    leash.type = IT_TOOL;
    leash.subtype = ST_ROPE;
    SET_ITEM_TEXT(leash.name, "Rope");
    leash.state = (uint16_t)Cre[0].socialid;
    Data[5].type = DT_ITEM;
    Data[5].x = 20;
    Data[5].y = 21;
    Data[5].id = (uint32_t)Esineesta_Uniikki(leash);
    Data[5].count = 1;
    int x = -1, y = -1;
    EXPECT_EQ(tiedxy(0, &x, &y), 1);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 21);
    EXPECT_TRUE(is_tied(0));

    ClearDATA(5);
    LOAD_MAP = 1;
    EXPECT_EQ(tiedxy(0, &x, &y), 0);
    EXPECT_TRUE(is_tied(0)) << "a map being loaded may not have laid its leash yet";
    LOAD_MAP = 0;
    EXPECT_EQ(tiedxy(0, &x, &y), 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(is_tied(0)) << "no leash holds it";
}

TEST_F(Predicates, TheBiggestGameAboutHerIsFoundOffHerOwnCell) {
    memcpy(Plr.mapname, "BIGMAP", 7);
    PlayerX = 100, PlayerY = 100;
    memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
    static CreatureStruct kept[3];
    const int codes[3] = {605, 611, 618};
    for (int i = 0; i < 3; i++) {
        kept[i] = ConstantCre[codes[i]];
        Luo_Olento(codes[i]);
        ConstantCre[codes[i]] = Creature;
    }
    const int big = ConstantCre[605].speciesweight > ConstantCre[611].speciesweight ? 605 : 611;
    const int small = big == 605 ? 611 : 605;
    auto encounter = [](int i, int code, int x, int y) {
        IsoData[i].type = DT_ENCOUNTER;
        IsoData[i].id = (uint32_t)code;
        IsoData[i].x = (uint16_t)x;
        IsoData[i].y = (uint16_t)y;
    };
    encounter(0, small, 110, 95);
    encounter(1, big, 100, 100);             // on her own cell: not counted
    encounter(2, big, 121, 100);             // 21 cells away: not counted
    CreatureStruct rec{};
    int x, y;
    EXPECT_EQ(find_BigMapGame(big, &rec, &x, &y), 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(find_BigMapGame(small, &rec, &x, &y), 1);
    EXPECT_EQ(x, 110);
    EXPECT_EQ(y, 95);
    EXPECT_EQ((int)rec.speciescode, (int)ConstantCre[small].speciescode);
    encounter(3, big, 80, 119);
    encounter(4, 618, 101, 101);
    ConstantCre[618].speciesweight = 5000;   // a dog, heavier than anything, but of no species asked
    EXPECT_EQ(find_BigMapGame(big, &rec, &x, &y), 1);
    EXPECT_EQ(x, 80);
    EXPECT_EQ(y, 119);
    for (int i = 0; i < 3; i++) ConstantCre[codes[i]] = kept[i];   // the templates are the game's own
    memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
    memset(Plr.mapname, 0, sizeof Plr.mapname);
}

// Any game asked: what her own people hunt or skin, weighed by the kind, not by the one animal drawn,
// whatever people live on the land under her.
TEST_F(Predicates, TheBiggestGameIsWeighedByItsKindForHerOwnCulture) {
    memcpy(Plr.mapname, "BIGMAP", 7);
    PlayerX = 100, PlayerY = 100;
    memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
    const int land = get_alltime_kulttuuri(100, 100);
    const uint8_t own = Plr.culture;
    Plr.culture = 3;
    set_alltime_kulttuuri(100, 100, 5);
    static CreatureStruct kept[3];
    const int codes[3] = {605, 611, 660};
    const float species[3] = {300, 250, 1000}, drawn[3] = {200, 280, 1000};
    const uint16_t game[3] = {1u << 3, 0, 1u << 5}, pelt[3] = {0, 1u << 3, 0};
    for (int i = 0; i < 3; i++) {
        kept[i] = ConstantCre[codes[i]];
        Luo_Olento(codes[i]);
        ConstantCre[codes[i]] = Creature;
        ConstantCre[codes[i]].speciesweight = species[i];
        ConstantCre[codes[i]].weight = drawn[i];
        ConstantCre[codes[i]].gamecultures = game[i];
        ConstantCre[codes[i]].peltcultures = pelt[i];
        IsoData[i].type = DT_ENCOUNTER;
        IsoData[i].id = (uint32_t)codes[i];
        IsoData[i].x = (uint16_t)(105 + i);
        IsoData[i].y = 100;
    }
    CreatureStruct rec{};
    int x, y;
    EXPECT_EQ(find_BigMapGame(0, &rec, &x, &y), 1);
    EXPECT_EQ(x, 105) << "the heavier kind, though this one was drawn light; the elk is game only on the land's people";
    EXPECT_EQ((int)rec.speciescode, (int)ConstantCre[605].speciescode);
    for (int i = 0; i < 3; i++) ConstantCre[codes[i]] = kept[i];
    set_alltime_kulttuuri(100, 100, land);
    Plr.culture = own;
    memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
    memset(Plr.mapname, 0, sizeof Plr.mapname);
}

TEST_F(Predicates, LoosePeopleOfTheCellsCultureJoinTheVillage) {
    memset(Plr.mapname, 0, sizeof Plr.mapname);
    memcpy(Plr.mapname, "ZOOMMAP", 8);
    Plr.world_x = 1500, Plr.world_y = 1000;
    const int keep = get_alltime_kulttuuri(1501, 1000);
    set_alltime_kulttuuri(1501, 1000, 3);
    place(0, 501);
    place(1, 501, 12, 10);
    place(2, 501, 14, 10);
    place(3, 611, 16, 10);
    for (int c = 0; c < 3; c++) Cre[c].kind = CK_HUMAN;
    Cre[0].culture = 3;
    Cre[1].culture = 4;                      // of another culture
    Cre[2].culture = 3;
    Cre[2].community = 77;                   // has a village already
    Cre[3].culture = 3;                      // an animal
    EXPECT_EQ(luo_ihmisyhteiso(1501, 1000, 12), 1);
    EXPECT_EQ(Cre[0].community, 12u);
    EXPECT_EQ(Cre[1].community, 0u);
    EXPECT_EQ(Cre[2].community, 77u);
    EXPECT_EQ(Cre[3].community, 0u);
    EXPECT_EQ(luo_ihmisyhteiso(1504, 1000, 12), 0) << "a cell outside the area";
    memcpy(Plr.mapname, "BIGMAP", 7);
    EXPECT_EQ(luo_ihmisyhteiso(1501, 1000, 12), 0) << "not on the world map";
    set_alltime_kulttuuri(1501, 1000, keep);
    memset(Plr.mapname, 0, sizeof Plr.mapname);
}

// The member nearest her among the awake ones of a village: a sleeper and a member off the map are
// passed over, a tie goes to the lower slot, and a member's square is that of its first record in
// the pool (a carcass laid before its live record counts where it lies).
TEST_F(Predicates, TheNearestAwakeMemberOfAVillage) {
    struct Case {
        const char *what;
        int x0, x1, x2;            // columns of members 0, 1 and 2 on row 10 (0: no record)
        int asleep;                // member put to sleep, or -1
        int early_carcass_x;       // a carcass record of member 2 before all the others, or 0
        int nearest;
    };
    static const Case cases[] = {
        {"plain nearest", 20, 14, 30, -1, 0, 1},
        {"sleeper passed over", 20, 14, 30, 1, 0, 0},
        {"no record, no member here", 20, 0, 30, -1, 0, 0},
        {"a tie to the lower slot", 14, 14, 30, -1, 0, 0},
        {"first record decides", 20, 14, 30, -1, 11, 2},
        {"nobody", 0, 0, 0, -1, 0, CRE_NONE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        PlayerX = 10;
        PlayerY = 10;
        INVISIBLE = 0;
        const int xs[3] = {c.x0, c.x1, c.x2};
        for (int m = 0; m < 3; m++) {
            place(m, 530, xs[m] ? xs[m] : 10, 10);
            Cre[m].community = 4000;
            Cre[m].mode = 0;
            Cre[m].posture = 0;
            if (xs[m]) Data[10 + m] = Data[m];   // the live records lie from place 10 on
            Data[m] = DataStruct{};
        }
        if (c.asleep >= 0) Cre[c.asleep].mode = CM_ASLEEP;
        if (c.early_carcass_x) {
            Data[0].type = DT_CARCASS;
            Data[0].id = (uint32_t)(CRE_DATAID + 2);
            Data[0].x = (uint16_t)c.early_carcass_x;
            Data[0].y = 10;
        }
        EXPECT_EQ(socnearestnpc(4000), c.nearest);
    }
}
