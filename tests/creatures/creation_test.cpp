// tests/creatures/creation_test.cpp -- making animals, people and spirits by their codes, and the
// draw of a wilderness encounter.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "creation_fixture.h"
#include "creatures/kindtable.h"
#include "maps/maps.h"
#include "maps/mapunit.h"

using oxatest::CreationTest;

TEST_F(CreationTest, EveryAnimalOfTheTableIsBuiltWithItsPicture) {
    struct Expect { int code; const char *name; int kind; float weight; };
    const Expect table[] = {
        {600, "Hare", 2, 4.0f}, {601, "Fox", 18, 5.5f}, {602, "Glutton", 20, 15.0f}, {603, "Arctic fox", 18, 4.0f},
        {604, "Squirrel", 13, 0.4f}, {608, "Lynx", 12, 20.0f}, {611, "Wolf", 3, 40.0f}, {612, "Ermine", 23, 0.3f},
        {613, "Wild boar", 5, 150.0f}, {614, "Wild sow", 5, 120.0f}, {618, "Dog", 15, 40.0f},
        {620, "Forest reindeer", 10, 140.0f}, {621, "Horse", 17, 350.0f}, {622, "Snake", 11, 0.25f},
        {623, "Beaver", 19, 20.0f}, {624, "Badger", 22, 10.0f}, {625, "Weasel", 23, 0.1f},
        {626, "Pine-marten", 23, 1.7f}, {627, "Polecat", 23, 1.0f}, {628, "Black grouse", 21, 1.0f},
        {629, "Swan", 21, 10.0f}, {630, "Mallard", 21, 1.1f}, {631, "Tufted duck", 21, 1.1f},
        {632, "Capercaillie", 21, 4.0f}, {633, "Hazel grouse", 21, 0.35f}, {634, "Raven", 21, 1.2f},
        {635, "Willow grouse", 21, 0.7f}, {636, "Goldeneye", 21, 1.1f}, {637, "Goshawk", 21, 1.5f},
        {638, "Eagle owl", 21, 3.0f}, {639, "Kuikka", 21, 2.5f}, {650, "Grey seal", 24, 200.0f},
        {651, "Ringed seal", 24, 65.0f}, {619, "reindeer", 10, 130.0f},
    };
    EXPECT_EQ(species_count(), 39);
    for (const Expect &e : table) {
        const CreatureStruct c = animal(e.code);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(c.speciescode, (uint32_t)e.code);
        EXPECT_STREQ(c.species, e.name);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_FLOAT_EQ(c.speciesweight, e.weight);
        const float var = c.weightvar / 100.0f * e.weight;
        EXPECT_LE(std::fabs(c.weight - e.weight), var + 1e-4f);
        Creature = c;
        EXPECT_STRNE(tilename_of_graphic(Creature), "") << "no picture";
        EXPECT_TRUE(c.diet1 != 0 || c.diet2 != 0) << "no diet";
    }
}

TEST_F(CreationTest, TheWolfIsBuiltAsItsRowSays) {
    const CreatureStruct w = animal(611);
    EXPECT_EQ(w.graphic, 1035u);
    EXPECT_STREQ(w.tilename, "av-wolf");
    EXPECT_EQ(w.speed, 140);
    EXPECT_EQ(w.meateater, 1);
    EXPECT_EQ(w.group, 3);
    EXPECT_EQ(w.rhythm, 0);
    EXPECT_EQ(w.handling, 3);
    EXPECT_STREQ(w.natattack[0], "savage");
    EXPECT_EQ(w.atkskill[0], 80);
    const uint8_t prot[7] = {3, 1, 2, 3, 2, 3, 3};
    EXPECT_EQ(memcmp(w.natprot, prot, 7), 0);
    EXPECT_EQ(w.diet1 & 12u, 12u);
    EXPECT_EQ(w.diet2 & 0x10022u, 0x10022u);
    EXPECT_EQ(w.habitatbits & 0x40c07u, 0x40c07u);
    EXPECT_FLOAT_EQ(w.tearing, 1.8f);
    EXPECT_EQ(w.abundance, 45);
    EXPECT_GE(w.morale5, 90);
    // Pelts of the wolf are valued in the northern and eastern circles, hunted by the raiders.
    EXPECT_EQ(w.peltcultures, (1u << 0) | (1u << 2) | (1u << 3) | (1u << 7) | (1u << 8) | (1u << 9));
    EXPECT_EQ(w.gamecultures, 1u << 11);
    EXPECT_EQ(animal(618).domesticcultures, (1u << 14) - 1);
}

TEST_F(CreationTest, DietsFitTheirLives) {
    // A wolf takes a hare (small prey) and carcasses; an elk grazes; a bear eats berries too.
    EXPECT_TRUE(animal(611).diet2 & 0x2);
    EXPECT_TRUE(animal(660).diet1 & 0x100);
    EXPECT_FALSE(animal(660).meateater);
    const CreatureStruct bear = animal(605);
    EXPECT_TRUE((bear.diet1 | bear.diet2) & 0x400);
    EXPECT_TRUE((bear.diet1 | bear.diet2) & 0x4000000);
}

TEST_F(CreationTest, TagsChooseSexAndYouth) {
    for (int round = 0; round < 10; round++) {
        const CreatureStruct she = animal(605, "[female]");
        EXPECT_EQ(she.sexage & 1, 0);
        EXPECT_FLOAT_EQ(she.speciesweight, 160.0f);
        EXPECT_EQ(she.atkstrength[0], 6);
        const CreatureStruct bull = animal(660, "[male]");
        EXPECT_EQ(bull.sexage & 1, 1);
        EXPECT_STREQ(bull.tilename, "av-bullelk");
        EXPECT_STREQ(bull.natattack[1], "antler_rake");
        // [female] overrides [male].
        EXPECT_EQ(animal(616, "[male][female]").sexage & 1, 0);
    }
    // A young one keeps exactly a fifth of its species weight through the finishing step.
    const CreatureStruct cub = animal(605, "[male][young]");
    EXPECT_EQ(cub.sexage, 3);
    EXPECT_FLOAT_EQ(cub.weight, 240.0f / 5.0f);
    EXPECT_EQ(cub.endurance, 9);
    EXPECT_EQ(cub.birthday, 500 - 180);
    EXPECT_FLOAT_EQ(animal(620, "[young]").weight, 28.0f);
    EXPECT_FLOAT_EQ(animal(609, "[female][young]").weight, 40.0f);
    // Tags do not outlive the animal they shaped.
    EXPECT_EQ(AnimalTags[0], 0);
    Luo_Olento(605);
    EXPECT_EQ(Creature.sexage & 2, 0);
}

TEST_F(CreationTest, PeopleLookLikeTheirCultureCircle) {
    EXPECT_EQ(person(520, 1).graphic, 1016u);   // western
    EXPECT_EQ(person(520, 7).graphic, 1024u);   // northern
    EXPECT_EQ(person(520, 0).graphic, 1008u);   // eastern
    EXPECT_EQ(person(520, 11).graphic, 1061u);  // a raider woman
    const CreatureStruct w = person(520, 0);
    EXPECT_EQ(w.role, 14);
    EXPECT_EQ(w.kind, 1);
    EXPECT_EQ(w.culture, 0);
    EXPECT_TRUE(!strcmp(w.species, "Woman") || !strcmp(w.species, "Maiden") || !strcmp(w.species, "Housewife"))
        << w.species;
    EXPECT_NE(w.pname[0], 0);
    EXPECT_EQ(w.pname[sizeof w.pname - 1], 0);
    const CreatureStruct old = person(560, 7);
    EXPECT_STREQ(old.species, "Old kuikka man");
    EXPECT_STREQ(person(570, 8).species, "Owl shaman");
    EXPECT_STREQ(person(570, 1).species, "Driik sage");
    Creature = person(580, 11);
    EXPECT_STREQ(tilename_of_graphic(Creature), "npc-njman");
    EXPECT_EQ(Creature.mode, 3);
    EXPECT_EQ(Creature.raider, -100);
}

TEST_F(CreationTest, BodyFamiliesGiveTheirPicturesVoicesAndSkills) {
    // Cattle draw 1029 or 1030, bull or cow; the deer family bawls and coughs; the squirrel has the
    // small rodent's tile; an old man keeps the weapon skill his body drew (CLUB only from there).
    bool club = false;
    for (int i = 0; i < 40; i++) {
        const CreatureStruct bull = animal(609, "[male]");
        EXPECT_TRUE(bull.graphic == 1029u || bull.graphic == 1030u) << bull.graphic;
        const CreatureStruct old = person(560, 0);
        for (const auto &sk : old.skillname) club |= !strcmp(sk, "CLUB");
    }
    EXPECT_TRUE(club);
    for (int code : {619, 620, 660}) {
        const CreatureStruct deer = animal(code);
        EXPECT_STREQ(deer.voice1, "bawl") << code;
        EXPECT_STREQ(deer.voice2, "cough") << code;
    }
    EXPECT_STREQ(animal(604).tilename, "av-srodent");
    // The small mustelids share their temper: figure 3 below 30, figure 4 from 20 to 99.
    for (int code : {612, 625, 626, 627}) {
        int low4 = 0, some3 = 0;
        for (int i = 0; i < 40; i++) {
            const CreatureStruct m = animal(code);
            EXPECT_LT(m.morale3, 30) << code;
            EXPECT_GE(m.morale4, 20) << code;
            some3 += m.morale3 > 0;
            low4 += m.morale4 < 50;
        }
        EXPECT_GT(some3, 0) << code;
        EXPECT_GT(low4, 0) << code;
    }
}

TEST_F(CreationTest, PeopleAreDressedAndArmedByRole) {
    int knives = 0, dressed = 0;
    for (int i = 0; i < 20; i++) {
        const CreatureStruct v = person(530, 3);
        bool worn = false;
        for (int w : v.worn) worn |= w != 0;
        dressed += worn;
        for (int k = 0; k < CRE_PACK; k++)
            if (v.pack[k] && item_name_of(v.pack[k]).find("nife") != std::string::npos) knives++;   // her culture's knife
        EXPECT_EQ(v.attitude <= 4 && v.familiarity <= 4, true);
    }
    EXPECT_GE(knives, 12);
    EXPECT_GE(dressed, 18);

    const CreatureStruct war = person(500, 0);
    EXPECT_EQ(war.culture, 11);
    EXPECT_STREQ(war.species, "Njerpez warrior");
    EXPECT_EQ(war.morale2, 100);
    int weapons = 0;
    for (int k = 0; k < CRE_PACK; k++) weapons += war.pack[k] && ObjToItem(war.pack[k]).type == 1;
    EXPECT_GE(weapons, 1);

    const CreatureStruct t = person(510, 3);
    EXPECT_EQ(t.role, 5);
    EXPECT_EQ(t.culture, 12);
    EXPECT_EQ(t.localknowledge, 0);
    EXPECT_GT(strlen(t.pname), 3u);
    int goods = 0;
    for (int k = 0; k < CRE_PACK; k++) goods += t.pack[k] && (t.packbits[k] & 2);
    EXPECT_GE(goods, 1);
}

TEST_F(CreationTest, SpiritsWearTheirRenamedClothes) {
    Creature = CreatureStruct{};
    Luo_Olento(702);
    const CreatureStruct s = Creature;
    EXPECT_EQ(s.kind, 50);
    EXPECT_STREQ(s.tilename, "npc-forspr");
    std::set<std::string> worn;
    for (int w : s.worn)
        if (w) worn.insert(item_name_of(w));
    EXPECT_EQ(worn.count("Tree lichen overcoat"), 1u);
    EXPECT_EQ(worn.count("Moss trousers"), 1u);
    EXPECT_EQ(worn.count("Grey hat"), 1u);
    Luo_Olento(700);
    EXPECT_STREQ(Creature.species, "Beautiful maid");
    EXPECT_EQ(Creature.role, 14);
    Luo_Olento(701);
    EXPECT_STREQ(tilename_of_graphic(Creature), "npc-wtrman");
}

// A spirit speaks to her by a name of her own people, whoever lives on the land.
TEST_F(CreationTest, SpiritsAreNamedAfterHerOwnPeople) {
    Plr.culture = 1;   // a western people; she has no place yet, so the land counts as the wanderers'
    const struct {
        int code;
        const char *file;
    } rows[] = {{702, "westm.dat"}, {701, "westm.dat"}, {700, "westf.dat"}};
    for (const auto &row : rows) {
        const std::string names = "\n" + dir->read_file(row.file);
        for (int i = 0; i < 5; i++) {
            Luo_Olento(row.code);
            const std::string name(Creature.pname, strnlen(Creature.pname, sizeof Creature.pname));
            EXPECT_NE(names.find("\n" + name + "\n"), std::string::npos) << row.code << " named " << name;
        }
    }
}

TEST_F(CreationTest, TheBigPredatorFilterDrawsOnlyBigPredators) {
    DoCreatures();
    // The draw is made on wide land of the world, whatever world an earlier test left.
    memset(maailma_alltime, CH_GROUND, MAP_BYTES);
    world_layer_touched(0, MAP_ROWS - 1);
    Plr.month = 6;
    std::set<int> seen;
    for (int i = 0; i < 200; i++) {
        const int code = Arvo_Olento(1, 100, 100, 1);
        ASSERT_TRUE(code == 602 || code == 605 || code == 608 || code == 611) << code;
        seen.insert(code);
    }
    EXPECT_EQ(seen.size(), 4u);
    // In winter the bear sleeps: it is never met.
    Plr.month = 1;
    for (int i = 0; i < 100; i++) EXPECT_NE(Arvo_Olento(1, 100, 100, 1), 605);
    // Without people and with birds only.
    Plr.month = 6;
    for (int i = 0; i < 200; i++) {
        const int code = Arvo_Olento(2, 100, 100, 2);
        EXPECT_TRUE(code == 0 || code >= 600) << code;
        const int bird = Arvo_Olento(1, 100, 100, 3);
        EXPECT_TRUE(bird == 0 || (bird >= 628 && bird <= 639)) << bird;
    }
}

TEST_F(CreationTest, BuildingTheTemplatesStoresNoThings) {
    DoCreatures();
    for (int i = 0; i < 200; i++) EXPECT_EQ(PlayerObj[i].type, 0) << i;
    // A person made in play may carry things of a drawn quality, stored as things of their own.
    for (int i = 0; i < 30; i++) person(510, 12);
    int stored = 0;
    for (int i = 0; i < 200; i++) stored += PlayerObj[i].type != 0;
    EXPECT_GT(stored, 0);
}

TEST_F(CreationTest, TheTemplateListShowsEveryAnimalOfTheTable) {
    const struct { int code; const char *name; float weight; } animals[] = {
        {600, "Hare", 4}, {601, "Fox", 5.5f}, {602, "Glutton", 15}, {603, "Arctic fox", 4}, {604, "Squirrel", 0.4f},
        {608, "Lynx", 20}, {611, "Wolf", 40}, {612, "Ermine", 0.3f}, {613, "Wild boar", 150},
        {614, "Wild sow", 120}, {615, "pig", 100}, {618, "Dog", 40}, {619, "reindeer", 130},
        {620, "Forest reindeer", 140}, {621, "Horse", 350}, {622, "Snake", 0.25f}, {623, "Beaver", 20},
        {624, "Badger", 10}, {625, "Weasel", 0.1f}, {626, "Pine-marten", 1.7f}, {627, "Polecat", 1},
        {628, "Black grouse", 1}, {629, "Swan", 10}, {630, "Mallard", 1.1f}, {631, "Tufted duck", 1.1f},
        {632, "Capercaillie", 4}, {633, "Hazel grouse", 0.35f}, {634, "Raven", 1.2f}, {635, "Willow grouse", 0.7f},
        {636, "Goldeneye", 1.1f}, {637, "Goshawk", 1.5f}, {638, "Eagle owl", 3}, {639, "Kuikka", 2.5f},
        {650, "Grey seal", 200}, {651, "Ringed seal", 65},
    };
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    const int rows = list_creature_templates(f);
    rewind(f);
    std::string text;
    char buf[512];
    while (fgets(buf, sizeof buf, f)) text += buf;
    fclose(f);
    EXPECT_EQ(rows, 39 + 11 + 3);   // the animals, the people by role, the spirits
    for (const auto &a : animals) {
        char line[80];
        snprintf(line, sizeof line, "\n%d | %s | %.2f | ", a.code, a.name, (double)a.weight);
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    // Bear, cattle, sheep and elk come in two shapes; their line shows the shape drawn.
    for (int code : {605, 609, 616, 660}) EXPECT_NE(text.find("\n" + std::to_string(code) + " | "), std::string::npos);
    EXPECT_NE(text.find(" | av-wolf\n"), std::string::npos);
}
