// tests/creatures/crefile_test.cpp -- the character's creature file: map entry and exit, growth,
// damaged pool records, carcass state.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/harness.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/crefile.h"

namespace {

class CreatureFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new oxatest::TempDir();
        copy_bounded(CharacterPath, sizeof CharacterPath, dir->path().c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "T");
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        ClrRealCreaturePos();
        Plr.daynumber = 40;
        Plr.world_x = 100;
        Plr.world_y = 200;
    }
    void TearDown() override {
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        ClrRealCreaturePos();
        delete dir;
    }
    void place(int i, int type, uint32_t id) {
        Data[i].type = (uint8_t)type;
        Data[i].x = (uint16_t)(10 + i);
        Data[i].y = 20;
        Data[i].id = id;
        Data[i].count = 1;
    }
    CreatureStruct record(int k) {
        const std::string f = dir->read_file("T.CRS");
        CreatureStruct r{};
        if ((k + 1) * sizeof r <= f.size()) memcpy(&r, f.data() + k * sizeof r, sizeof r);
        return r;
    }
    oxatest::TempDir *dir = nullptr;
};

TEST_F(CreatureFile, TemplateReferencesBecomeTheFirstFreeRecords) {
    ASSERT_EQ(cre_file_create((dir->path() + "/T.CRS").c_str(), CRS_START_RECORDS), 1);
    EXPECT_EQ(dir->read_file("T.CRS").size(), 4152000u);
    for (int i = 0; i < 10; i++) place(i * 3, i % 2 ? DT_CARCASS : DT_CREATURE, (uint32_t)(600 + i));
    creature_mess();
    EXPECT_EQ(cre_file_records(), 3000);
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(Data[i * 3].id, (uint32_t)(1000 + i));
        EXPECT_EQ(RealCreaturePos[i], 1000 + i);
        EXPECT_EQ(Cre[i].socialid, (uint32_t)(1000 + i));
        EXPECT_EQ(Cre[i].speciescode, (uint32_t)(600 + i));
        EXPECT_EQ(record(i).speciescode, (uint32_t)(600 + i));
    }
    EXPECT_EQ(record(10).kind, 0);
}

TEST_F(CreatureFile, GrowsByAHundredBelowFiftyFreeRecords) {
    CreatureStruct used{};
    used.kind = 2;
    std::string file(7 * sizeof used, '\0');
    for (int k = 0; k < 7; k++) memcpy(&file[k * sizeof used], &used, sizeof used);
    dir->write_file("T.CRS", file + std::string(49 * sizeof used, '\0'));
    creature_mess();
    EXPECT_EQ(cre_file_records(), 156);

    dir->write_file("T.CRS", file + std::string(50 * sizeof used, '\0'));
    creature_mess();
    EXPECT_EQ(cre_file_records(), 57);
}

TEST_F(CreatureFile, APoolIdPastTheFileIsFreed) {
    cre_file_create((dir->path() + "/T.CRS").c_str(), 60);
    place(0, DT_CREATURE, 1000 + 60);
    place(1, DT_CREATURE, 1000 + 70000);
    place(2, DT_CREATURE, 605);
    creature_mess();
    EXPECT_NE(Data[0].type, DT_CREATURE);
    EXPECT_NE(Data[1].type, DT_CREATURE);
    EXPECT_EQ(Data[2].id, 1000u);   // the template took slot 0
    EXPECT_EQ(RealCreaturePos[0], 1000);
}

TEST_F(CreatureFile, ExitAndEntryKeepTheCreatures) {
    cre_file_create((dir->path() + "/T.CRS").c_str(), 60);
    place(0, DT_CREATURE, 611);
    place(1, DT_CARCASS, 660);
    creature_mess();
    Cre[0].kind = 3;
    Cre[1].kind = 10;
    copy_bounded(Cre[0].pname, sizeof Cre[0].pname, "Harmaa");
    Cre[1].mode = CM_CARCASS;
    Cre[1].daysaved = 33;   // the carcass was last saved on day 33
    save_creatures();
    EXPECT_EQ(record(0).daysaved, 40);
    EXPECT_EQ(record(0).saved_wx, 100);
    EXPECT_EQ(record(0).saved_wy, 200);
    EXPECT_EQ(record(1).daysaved, 33);
    Plr.daynumber = 45;
    EXPECT_EQ(sotubased_corpse_age(1001), 12);

    // Stored, the pool names the persistent creatures; entering again brings them back.
    Data[0].id = 1000;
    Data[1].id = 1001;
    memset(Cre, 0, sizeof Cre);
    creature_mess();
    EXPECT_STREQ(Cre[0].pname, "Harmaa");
    EXPECT_EQ(Cre[1].mode, CM_CARCASS);
    EXPECT_EQ(Data[0].id, 1000u);
    EXPECT_EQ(RealCreaturePos[1], 1001);

    // A creature no longer on the map is not written.
    Data[0].type = DT_FREED;
    Cre[0].pname[0] = 'X';
    save_creatures();
    EXPECT_EQ(record(0).pname[0], 'H');
}

// The she-bears drawn into a stored map get their cubs when they first become the area's own; met
// again, the same bears get none.
TEST_F(CreatureFile, TemplateMothersGetTheirYoungOnTheFirstEntryOnly) {
    cre_file_create((dir->path() + "/T.CRS").c_str(), 300);
    for (int i = 0; i < 60; i++) place(i, DT_CREATURE, 605);
    randomize(7);
    creature_mess();
    auto young = [] {
        int n = 0;
        for (int s = 0; s < CRE_COUNT; s++) {
            if (Cre[s].kind == CK_NONE || !Cre[s].mother) continue;
            n++;
            EXPECT_GE(s, 60) << "a young takes a slot of its own";
            EXPECT_TRUE(Cre[s].sexage & 2);
            EXPECT_GE(RealCreaturePos[s], 1060) << "the young is a creature of the file as well";
            const uint32_t mom = Cre[s].mother;
            EXPECT_TRUE(mom >= 1000u && mom < 1060u);
            if (mom >= 1000u && mom < 1060u) EXPECT_EQ(Cre[mom - 1000].sexage & 3, 0) << "her mother is a grown she-bear";
        }
        return n;
    };
    const int cubs = young();
    EXPECT_GT(cubs, 0);
    // Stored again, the pool names the bears by their numbers: no new young.
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE) Data[i].id = (uint32_t)RealCreaturePos[Data[i].id - 1000];
    memset(Cre, 0, sizeof Cre);
    creature_mess();
    EXPECT_EQ(young(), cubs);
}

TEST_F(CreatureFile, NoFreeSlotLeavesTheLiveCreaturesAlone) {
    cre_file_create((dir->path() + "/T.CRS").c_str(), 60);
    CreatureStruct c{};
    c.kind = 3;
    const int n = SaveNewRealCreature(c);
    EXPECT_EQ(n, 1000);
    EXPECT_EQ(SaveNewRealCreature(c), 1001);
    for (int s = 0; s < CRE_COUNT; s++) {
        Cre[s].kind = 1;
        RealCreaturePos[s] = 2000 + s;
    }
    EXPECT_EQ(lisaa_realcreature(n, 0), CRE_NONE);
    EXPECT_EQ(Cre[0].kind, 1);
    EXPECT_EQ(RealCreaturePos[0], 2000);
    Cre[7].kind = 0;
    RealCreaturePos[7] = 0;
    EXPECT_EQ(lisaa_realcreature(n, 0), 1007);
    EXPECT_EQ(lisaa_realcreature(n, 1), 1007);
    EXPECT_EQ(Cre[7].kind, 3);
}

TEST_F(CreatureFile, DamagedRecordsAreReadSafely) {
    std::string file(2 * sizeof(CreatureStruct), 'x');
    dir->write_file("T.CRS", file);
    ASSERT_EQ(Lataa_RealCreature(1001), 1);
    EXPECT_EQ(strlen(Creature.species), sizeof Creature.species - 1);
    EXPECT_EQ(strlen(Creature.tilename), sizeof Creature.tilename - 1);
    Creature.kind = 77;
    EXPECT_EQ(Lataa_RealCreature(1002), 0);   // past the end: left alone
    EXPECT_EQ(Creature.kind, 77);
    EXPECT_EQ(Talleta_RealCreature(Creature, 1005), 0);   // never grows by a stray write
    EXPECT_EQ(cre_file_records(), 2);
}

TEST(CarcassState, SkinningAndBurning) {
    CreatureStruct c{};
    EXPECT_EQ(get_carcass_skin_leftmins(c), -1000);
    EXPECT_EQ(get_carcass_skin_spentmins(c), 0);
    set_carcass_skin_pause(c, 90, 30);
    carcass_skinned_addmins(c, 20);
    EXPECT_EQ(get_carcass_skin_leftmins(c), 40);
    EXPECT_FALSE(is_carcass_skinned(c));
    set_carcass_skinned(c);
    EXPECT_TRUE(is_carcass_skinned(c));

    char text[40];
    c.weight = 50.0f;
    EXPECT_EQ(pctBurnt_carcass(c, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    c.Puuha[0] = 300;
    c.PuuhaAika[0] = 125;
    EXPECT_EQ(pctBurnt_carcass(c, text, sizeof text), 25);
    EXPECT_STREQ(text, "slightly burnt");
    c.PuuhaAika[0] = 130;
    EXPECT_EQ(pctBurnt_carcass(c, text, sizeof text), 26);
    EXPECT_STREQ(text, "partially burnt");
}

}  // namespace

// A person who saw the player's robbery remembers it when it is noticed: on the map and in the file,
// and one away from the map in the file alone.
TEST_F(CreatureFile, ANoticedRobberyIsMarkedInTheFileAndOnTheMap) {
    ASSERT_EQ(cre_file_create((dir->path() + "/T.CRS").c_str(), CRS_START_RECORDS), 1);
    place(0, DT_CREATURE, 600);
    creature_mess();
    ASSERT_EQ(Cre[0].socialid, 1000u);
    CreatureStruct away{};
    away.kind = 1;
    copy_bounded(away.species, sizeof away.species, "Hunter");
    const int far = SaveNewRealCreature(away);
    ASSERT_GE(far, 1001);
    Plr.minutes = 5000;
    SotuNPC_omatunto(1000);
    SotuNPC_omatunto((unsigned)far);
    EXPECT_EQ(Cre[0].stateflags & 8u, 8u);
    EXPECT_EQ(Cre[0].conscience, 5000u);
    EXPECT_EQ(record(0).stateflags & 8u, 8u);
    EXPECT_EQ(record(far - 1000).stateflags & 8u, 8u);
    EXPECT_EQ(record(far - 1000).conscience, 5000u);
    SotuNPC_omatunto(2999);        // a free record stays free
    EXPECT_EQ(record(1999).kind, 0);
    SotuNPC_omatunto(999);         // no persistent number: nothing
}
