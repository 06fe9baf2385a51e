// tests/creatures/records_test.cpp -- the blank creature record, templates and "CONSTANT.CRE".
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/harness.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "core/crefunc.h"

TEST(CreatureRecord, BlankRecordHoldsTheStartingValues) {
    memset(&Creature, 0x5a, sizeof Creature);
    strcpy(cultGAMEtags, "all");
    for (int round = 0; round < 50; round++) {
        reset_creature();
        const CreatureStruct &c = Creature;
        EXPECT_EQ(c.kind, 0);
        EXPECT_EQ(c.attackfig, 2);
        EXPECT_EQ(c.attitude, 3);
        EXPECT_EQ(c.culture, 255);
        EXPECT_EQ(c.weightvar, 30);
        EXPECT_EQ(c.smell, 14);
        EXPECT_EQ(c.handling, 2);
        EXPECT_EQ(c.speed, 60);
        EXPECT_FLOAT_EQ(c.speciesfactor, 0.45f);
        EXPECT_FLOAT_EQ(c.tearing, 30.0f);
        EXPECT_FLOAT_EQ(c.bodytemp, 37.0f);
        EXPECT_STREQ(c.voice1, "whimper");
        EXPECT_STREQ(c.voice2, "mumble");
        EXPECT_STREQ(c.natattack[0], "kick");
        EXPECT_EQ(c.natattack[1][0], 0);
        EXPECT_EQ(c.atkweight[0], 12);
        EXPECT_EQ(c.atkweight[2], 30);
        EXPECT_GE(c.atkskill[0], 30);
        EXPECT_LE(c.atkskill[0], 59);
        EXPECT_GE(c.morale4, 50);
        EXPECT_LE(c.morale4, 99);
        EXPECT_EQ(c.meat[1], 3);
        EXPECT_EQ(c.meat[2], 15);
        EXPECT_EQ(c.daysaved, -1);
        EXPECT_EQ(c.enemy, -1);
        EXPECT_EQ(c.stamina, 0);   // what was poisoned before is gone
        EXPECT_EQ(c.tilename[0], 0);
    }
    EXPECT_EQ(cultGAMEtags[0], 0);
}

TEST(CreatureRecord, GetDefinedKeepsNumbersPastTheTemplates) {
    reset_creature();
    Creature.kind = 3;
    strcpy(Creature.pname, "Keeper");
    get_defined(1000, 1);
    get_defined(1500, 0);
    get_defined(-1, 1);
    EXPECT_EQ(Creature.kind, 3);
    EXPECT_STREQ(Creature.pname, "Keeper");

    // A code that no builder makes is the blank record with its species code.
    get_defined(606, 1);
    EXPECT_EQ(Creature.speciescode, 606u);
    EXPECT_EQ(Creature.kind, 0);
    EXPECT_EQ(Creature.culture, 255);

    // Without build, a template is copied as it stands.
    ConstantCre[42] = CreatureStruct{};
    ConstantCre[42].kind = 21;
    get_defined(42, 1);
    EXPECT_EQ(Creature.kind, 21);
    ConstantCre[42] = CreatureStruct{};
}

TEST(CreatureRecord, WithoutAPositionTheCultureIsWandering) {
    const int x = PlayerX;
    PlayerX = 0;
    FLEXIBLE_BIRTH = 0;
    Luo_Olento(520);
    EXPECT_EQ(Kulttuuri, 10);
    EXPECT_STREQ(Kulttuurilainen, "wandering");
    PlayerX = x;
}

TEST(CreatureRecord, VisualGivesTheFixedPictures) {
    const struct { int kind; uint32_t a, b; } cases[] = {
        {3, 1035, 1035}, {5, 1038, 1039}, {12, 1040, 1040}, {13, 1044, 1044}, {23, 1044, 1044},
        {15, 1033, 1034}, {19, 1055, 1055}, {22, 1045, 1045}, {10, 777, 777},
    };
    for (const auto &k : cases) {
        for (int round = 0; round < 20; round++) {
            Creature.kind = (uint8_t)k.kind;
            Creature.graphic = 777;
            visual();
            EXPECT_TRUE(Creature.graphic == k.a || Creature.graphic == k.b) << "kind " << k.kind;
        }
    }
}

TEST(CreatureRecord, DamagedTextsEndInsideTheirFields) {
    CreatureStruct c;
    memset(&c, 'x', sizeof c);
    creature_make_safe(c);
    EXPECT_EQ(strlen(c.species), sizeof c.species - 1);
    EXPECT_EQ(strlen(c.pname), sizeof c.pname - 1);
    EXPECT_EQ(strlen(c.portrait), sizeof c.portrait - 1);
    EXPECT_EQ(strlen(c.tilename), sizeof c.tilename - 1);
    EXPECT_EQ(strlen(c.voice2), sizeof c.voice2 - 1);
    EXPECT_EQ(strlen(c.natattack[2]), sizeof c.natattack[2] - 1);
    EXPECT_EQ(strlen(c.skillname[3]), sizeof c.skillname[3] - 1);
    // The things it carries name nothing the object tables hold: the entries are empty.
    EXPECT_EQ(c.pack[0], 0);
    EXPECT_EQ(c.packcount[0], 0);
    EXPECT_EQ(c.worn[6], 0);
    EXPECT_EQ(c.wielded, 0);
    c.pack[3] = 12;
    c.packcount[3] = 2;
    c.worn[0] = OBJ_PLAYER_FIRST + 5;
    c.offhand = -7;
    creature_make_safe(c);
    EXPECT_EQ(c.pack[3], 12);
    EXPECT_EQ(c.packcount[3], 2);
    EXPECT_EQ(c.worn[0], OBJ_PLAYER_FIRST + 5);
    EXPECT_EQ(c.offhand, 0);
}

TEST(TemplateFile, DefcreatWritesAThousandRecords) {
    oxatest::TempDir dir;
    ASSERT_EQ(defcreat(dir.path().c_str()), 1);
    const std::string file = dir.read_file("CONSTANT.CRE");
    ASSERT_EQ(file.size(), 1384000u);
    CreatureStruct rec;
    memcpy(&rec, file.data() + 3 * sizeof rec, sizeof rec);
    EXPECT_EQ(rec.speciescode, 0u);
    EXPECT_EQ(rec.culture, 255);
    memcpy(&rec, file.data() + 702 * sizeof rec, sizeof rec);
    EXPECT_EQ(rec.speciescode, 702u);
    EXPECT_EQ(memcmp(&rec, &ConstantCre[702], sizeof rec), 0);

    EXPECT_EQ(defcreat((dir.path() + "/no/such/folder").c_str()), 0);
}

TEST(TemplateFile, DoCreaturesMendsDamagedBlankTemplates) {
    memset(&ConstantCre[7], 'x', sizeof ConstantCre[7]);
    DoCreatures();
    EXPECT_EQ(strlen(ConstantCre[7].species), sizeof ConstantCre[7].species - 1);
    EXPECT_EQ(ConstantCre[650].speciescode, 650u);
    ConstantCre[7] = CreatureStruct{};
}

TEST(CreatureAge, CountedFromTheBirthDay) {
    const uint32_t today = Plr.daynumber;
    Plr.daynumber = 400;
    Cre[5] = CreatureStruct{};
    EXPECT_EQ(CreAgeInDays(5), 1000);   // no birth known: grown
    EXPECT_EQ(CreAgeInMonths(5), 33);
    Cre[5].birthday = -200;             // born before day 0
    EXPECT_EQ(CreAgeInDays(5), 600);
    EXPECT_EQ(CreAgeInMonths(5), 20);
    EXPECT_EQ(CreAgeInMonths(-1), 0);
    Cre[5] = CreatureStruct{};
    Plr.daynumber = today;
}
