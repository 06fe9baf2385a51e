// A creature's death: the kill log, the carcass on its square, what falls from it, and the flight
// and cornered attack of a frightened animal.
#include "combat_fixture.h"

#include <sys/stat.h>

#include "creatures/death.h"
#include "creatures/melee.h"
#include "creatures/wounding.h"

namespace oxatest {

class DeathTest : public CombatTest {
protected:
    long log_size() const {
        struct stat st;
        const std::string p = dir->path() + "/KILL.LOG";
        return stat(p.c_str(), &st) == 0 ? (long)st.st_size : 0;
    }
    CreatureStruct &hare(int c, int pos) {
        creature(pos, c, PlayerX + 2, PlayerY);
        CreatureStruct &h = Cre[c];
        h.kind = 3;
        h.speciescode = 620;
        h.weight = 4.0f;
        h.endurance = 8;
        h.socialid = 900u + (uint32_t)c;
        return h;
    }
};

TEST_F(DeathTest, APlayersKillAddsOneWholeRecordAndLeavesACarcass) {
    CreatureStruct &h = hare(1, 10);
    h.killer = -1;
    h.weight = 4.5f;
    KillCreature(1, 1);
    EXPECT_EQ(log_size(), 1384);
    EXPECT_EQ(Cre[1].mode, CM_CARCASS);
    int carcass = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CARCASS && Data[i].id == (uint32_t)(CRE_DATAID + 1)) carcass = i;
    ASSERT_GE(carcass, 0) << "the carcass lies on its square";
    EXPECT_EQ(Data[carcass].x, PlayerX + 2);
    EXPECT_FLOAT_EQ(Cre[1].fatigue, 4.5f) << "the carcass keeps its weight at death";
    // The record in the log is the living creature, before the death changed it.
    CreatureStruct logged;
    ASSERT_TRUE(read_exact((dir->path() + "/KILL.LOG").c_str(), &logged, sizeof logged));
    EXPECT_EQ(logged.mode, 3);
    EXPECT_EQ(logged.socialid, h.socialid);
    // Dying twice changes nothing.
    KillCreature(1, 1);
    EXPECT_EQ(log_size(), 1384);
    // A kill by another creature: a carcass and no record.
    CreatureStruct &h2 = hare(2, 11);
    h2.killer = 5;
    KillCreature(2, 0);
    EXPECT_EQ(Cre[2].mode, CM_CARCASS);
    EXPECT_EQ(log_size(), 1384);
}

TEST_F(DeathTest, WornPiecesFallOnceAndLeaveTheirSlots) {
    CreatureStruct &p = hare(1, 10);
    p.kind = CK_HUMAN;
    ItemStruct coat = thing(IT_ARMOUR, "Fur coat", 200, 6.0f);
    p.worn[0] = Esineesta_Uniikki(coat);
    p.pack[3] = Esineesta_Uniikki(thing(IT_TOOL, "Rope", 201, 1.0f));
    p.packcount[3] = 2;
    KillCreature(1, 0);
    EXPECT_EQ(Cre[1].worn[0], 0);
    EXPECT_EQ(Cre[1].pack[3], 0);
    int items = 0, ropes = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM) {
            items++;
            if (ObjToItem((int)d.id).id == 201) ropes += d.count;
        }
    EXPECT_EQ(items, 2);
    EXPECT_EQ(ropes, 2);
}

TEST_F(DeathTest, ADivingCreatureLostInTheWaterLeavesNoRecordButLetsGoOfTheLeash) {
    int lost = 0, drowned = 0;
    for (int i = 0; i < 40; i++) {
        CreatureStruct &h = hare(1, 10);
        h.korkeus = -100;
        h.role = 9;
        h.killer = -1;
        ItemStruct leash = thing(IT_TOOL, "Leash", 202, 1.0f);
        leash.state = (uint16_t)h.socialid;
        give(0, leash);
        const long before = log_size();
        const int kills = Tappolista[620];
        KillCreature(1, 0);
        EXPECT_EQ(ObjToItem(Plr.inv_obj[0]).state, 0) << "no leash keeps naming it";
        if (Cre[1].kind == CK_NONE) {
            lost++;
            EXPECT_EQ(log_size(), before) << "lost in the water: no record";
            EXPECT_EQ(Tappolista[620], kills) << "nor a kill of hers";
        } else {
            drowned++;
            EXPECT_EQ(log_size(), before + 1384);
            EXPECT_EQ(Tappolista[620], kills + 1);
        }
    }
    EXPECT_GT(lost, 0);
    EXPECT_GT(drowned, 0);
}

TEST_F(DeathTest, ACorneredAnimalThatIsNotExhaustedNeverTurns) {
    CreatureStruct &h = hare(1, 10);
    h.morale7 = 5;
    h.morale6 = 100;
    h.enemy = -1;
    h.fatigue = 10.0f;
    for (int i = 0; i < 200; i++) EXPECT_EQ(PakoHyokkays(1), 0);
    h.morale7 = 0;
    h.fatigue = 90.0f;
    for (int i = 0; i < 50; i++) EXPECT_EQ(PakoHyokkays(1), 0) << "no fighting spirit at all";
}

TEST_F(DeathTest, FeathersNotPastSixNearby) {
    CreatureStruct &b = hare(1, 10);
    b.kind = 21;
    strcpy(b.species, "grouse");
    feather_drop(1, 240, 240, 1);
    int lying = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM) lying += d.count;
    EXPECT_GE(lying, 1);
    EXPECT_LE(lying, 2);
    const int pos = (int)[&] { for (const DataStruct &d : Data) if (d.type == DT_ITEM) return d.id; return 0u; }();
    set_data(DT_ITEM, 241, 240, pos, 6);
    auto feathers = [&] { int r = 0; for (const DataStruct &d : Data) if (d.type == DT_ITEM) r += d.count; return r; };
    const int before = feathers();
    feather_drop(1, 240, 240, 1);
    EXPECT_EQ(feathers(), before) << "more than five lie within 31 squares";
    feather_drop(1, 240, 240, 0);
    EXPECT_GT(feathers(), before) << "without the limit they fall anyway";
}

}  // namespace oxatest
