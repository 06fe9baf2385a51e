// tests/creatures/outfit_test.cpp -- packs and clothes, the clothing sets, first names, hides and
// the value of live animals.
#include <gtest/gtest.h>

#include <cmath>

#include "creation_fixture.h"

using oxatest::CreationTest;

TEST_F(CreationTest, TheClothingPickersFindGarmentsByTheirLastWords) {
    // "shoes" finds "Leather shoes", "hood" finds "Fur hood": object() takes a name that ends the
    // catalogue name word by word.
    EXPECT_GT(object("shoes", 0), 0);
    EXPECT_GT(object("hood", 0), 0);
    bool leather_shoes = false, fur_hood = false;
    for (int i = 0; i < 400; i++) {
        leather_shoes |= item_name_of(object("shoes", 0)) == "Leather shoes";
        fur_hood |= item_name_of(object("hood", 0)) == "Fur hood";
    }
    EXPECT_TRUE(leather_shoes);
    EXPECT_TRUE(fur_hood);
    // The trousers of level 2 come every time.
    for (int i = 0; i < 100; i++) {
        const int t = Housut(2, 0);
        ASSERT_GT(t, 0);
        EXPECT_NE(item_name_of(t).find("trousers"), std::string::npos) << item_name_of(t);
    }
}

TEST_F(CreationTest, AFullPackTakesNothingMore) {
    reset_creature();
    for (int i = 0; i < CRE_PACK; i++) Creature.pack[i] = 100 + i;
    const CreatureStruct before = Creature;
    Lisaa_Esine(object("Cord", 1));
    Lisaa_Usea_Esine(object("Rye bread", 1), 3);
    addobj_creature(Creature, object("Cord", 1), 2, 0, 2);
    EXPECT_EQ(memcmp(&Creature, &before, sizeof before), 0);
    // With room, the same thing is counted on its entry; object 0 is ignored.
    reset_creature();
    const int cord = object("Cord", 1);
    Lisaa_Usea_Esine(cord, 2);
    Lisaa_Usea_Esine(cord, 3);
    Lisaa_Esine(cord);
    Lisaa_Esine(0);
    EXPECT_EQ(Creature.pack[0], cord);
    EXPECT_EQ(Creature.packcount[0], 5);
    EXPECT_EQ(Creature.pack[1], 0);
    // A garment replaces the one that covers the same parts.
    const int a = object("Linen trousers", 1), b = object("Woollen trousers", 1);
    Lisaa_Vaate(a);
    Lisaa_Vaate(b);
    EXPECT_EQ(Creature.worn[0], b);
    EXPECT_EQ(Creature.worn[1], 0);
}

TEST_F(CreationTest, NamesAreRememberedAndTheOldestIsPushedOut) {
    char name[20];
    for (int i = 0; i < 32; i++) {
        snprintf(name, sizeof name, "Name%02d", i);
        EXPECT_EQ(PrevNameStackCheck(name), 0);
    }
    EXPECT_EQ(PrevNameStackCheck("Name00"), 1);
    EXPECT_EQ(PrevNameStackCheck("Name32"), 0);   // the 33rd
    EXPECT_EQ(PrevNameStackCheck("Name00"), 0) << "the oldest was pushed out";
    EXPECT_STREQ(PrevNameStack[PREVNAME_COUNT - 1], "Name00");
    EXPECT_STREQ(PrevNameStack[0], "Name02");
}

TEST_F(CreationTest, FirstNamesComeFromTheFilesCutToTheirField) {
    // A missing file says so in the name.
    remove("westm.dat");
    EXPECT_STREQ(RndHumanName("M", 1), "westm.dat notfound");
    // Overlong lines are cut to 15 characters; the first line is never drawn.
    std::string lines = "HEADER\n";
    lines += std::string(300, 'A') + "\n";
    dir->write_file("westm.dat", lines);
    for (int i = 0; i < 5; i++) EXPECT_EQ(strlen(RndHumanName("M", 1)), 15u);
    // A file of one empty name ends after the repeats instead of searching for ever.
    dir->write_file("westf.dat", "\n\n");
    EXPECT_STREQ(RndHumanName("F", 4), "");
    // The real files (the eastern and northern ones are untouched here) give names that fit.
    const int cultures[6] = {0, 7, 2, 8, 3, 9};
    for (int i = 0; i < 50; i++) {
        const char *n = RndHumanName(i % 2 ? "F" : "M", cultures[i % 6]);
        EXPECT_GT(strlen(n), 1u);
        EXPECT_LE(strlen(n), 15u);
    }
}

TEST_F(CreationTest, HidesAndLiveAnimalsHaveTheirPrices) {
    EXPECT_EQ(NAHKA_Hinta("arctic fox hide"), 112);
    EXPECT_EQ(NAHKA_Hinta("fox hide"), 80);
    EXPECT_EQ(NAHKA_Hinta("birch bark"), 4);
    EXPECT_EQ(NAHKA_Hinta("lynx fur"), 400);
    EXPECT_EQ(NAHKA_Hinta("squirrel pelt"), 8);
    EXPECT_TRUE(NAHKA_OnkoTurkis("wolf hide"));
    EXPECT_FALSE(NAHKA_OnkoTurkis("birch bark"));

    Luo_Olento(618);
    Creature.weight = 40.0f;
    const int dog = elainhinta(CRE_PLAYER);
    Creature.speciescode = 611;   // the same body as anything but a dog
    const int other = elainhinta(CRE_PLAYER);
    EXPECT_EQ(dog, other * 3);
    EXPECT_EQ(other % 3, 0);
}

TEST_F(CreationTest, PicturesAndCalls) {
    reset_creature();
    Creature.graphic = 1051;
    EXPECT_STREQ(tilename_of_graphic(Creature), "av-elk");
    Creature.graphic = 1005;
    Creature.culture = 11;
    EXPECT_STREQ(tilename_of_graphic(Creature), "npc-njman");
    Creature.graphic = 1047;
    EXPECT_STREQ(tilename_of_graphic(Creature), "");
    memset(Creature.tilename, 'x', sizeof Creature.tilename);   // an unterminated name read from a file
    EXPECT_EQ(strlen(tilename_of_graphic(Creature)), sizeof Creature.tilename);
    Luo_Olento(628);
    EXPECT_STREQ(BirdcallSamplename(CRE_PLAYER), "birdcall_black_grouse");
    Plr.month = 4;
    EXPECT_TRUE(BircallActive(CRE_PLAYER));
    Plr.month = 11;
    EXPECT_FALSE(BircallActive(CRE_PLAYER));
}

TEST_F(CreationTest, EveryCreaturePictureIsDrawn) {
    auto drawn = [](const char *name) {
        return own_isfile((std::string(OXA_RUN_DIR) + "/truetile/" + name + ".png").c_str()) != 0;
    };
    for (int g = 1003; g <= 1070; g++)
        for (int culture : {0, 11}) {
            reset_creature();
            Creature.graphic = (uint32_t)g;
            Creature.culture = (uint8_t)culture;
            const std::string name = tilename_of_graphic(Creature);
            if (!name.empty()) {
                EXPECT_TRUE(drawn(name.c_str())) << name;
            }
        }
    // And every template with the shapes its tags give.
    for (int code = 500; code <= 702; code++)
        for (const char *tags : {"[male]", "[female]"}) {
            CreatureStruct c;
            Luo_ElainOlento(c, code, tags);
            Creature = c;
            const std::string name = tilename_of_graphic(Creature);
            if (c.kind != 0) {
                EXPECT_TRUE(!name.empty() && drawn(name.c_str())) << code << " " << name;
            }
        }
}
