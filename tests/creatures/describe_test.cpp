// Names of creatures, carcass shares and a creature's pack.
#include "body_fixture.h"

#include "core/crefunc.h"
#include "creatures/describe.h"
#include "creatures/life.h"
#include "creatures/people.h"

#include <string>
#include <vector>

namespace oxatest {

using DescribeTest = BodyTest;

static void species(CreatureStruct &c, const char *name) {
    memset(c.species, 0, sizeof c.species);
    memcpy(c.species, name, strlen(name));
}

TEST_F(DescribeTest, NamesBySpeciesSexAgeAndName) {
    CreatureStruct &elk = beast(1, 7, 660);
    species(elk, "Elk");
    elk.sexage = 1;
    EXPECT_STREQ(monnam(1, 0), "bull elk");
    EXPECT_STREQ(monnam(1, 2), "the bull elk");
    elk.sexage = 3;
    EXPECT_STREQ(monnam(1, 0), "elk calf");
    CreatureStruct &dog = beast(2, 3, 618);
    species(dog, "Dog");
    memcpy(dog.pname, "Musti", 5);
    dog.namebits = 2;
    dog.sexage = 1;
    EXPECT_STREQ(monnam(2, 4), "dog called Musti");
    EXPECT_STREQ(monnam(2, 0), "Musti");
    CreatureStruct &man = beast(3, 1);
    species(man, "hunter");
    memcpy(man.pname, "Kauko", 5);
    EXPECT_STREQ(monnam(3, 0), "hunter") << "a name she does not know";
    man.namebits = 1;
    EXPECT_STREQ(monnam(3, 4), "Kauko the hunter");
    EXPECT_STREQ(monnam(3, 1), "human");
    EXPECT_STREQ(monnam(-1, 0), "human");
    // A record named from a scratch copy leaves the last live slot as it was.
    beast(CRE_COUNT - 1, 3, 601);
    species(Cre[CRE_COUNT - 1], "Wolf");
    CreatureStruct other = elk;
    EXPECT_STREQ(monnam_cre(other, 0), "elk calf");
    EXPECT_STREQ(monnam(CRE_COUNT - 1, 0), "wolf");
}

TEST_F(DescribeTest, CarcassShares) {
    CreatureStruct &hare = beast(4, 4, 640);
    hare.mode = CM_CARCASS;
    hare.tearing = 30.0f;
    hare.woundkind[0] = WK_CUT;
    hare.woundlevel[0] = 1;
    hare.woundpart[0] = BP_THORAX;
    char word[100];
    EXPECT_LE(pctTorn_carcass(4, word, sizeof word), 5) << "one light cut tears little";
    hare.woundkind[1] = WK_TEAR;
    hare.woundlevel[1] = 3;
    hare.woundpart[1] = BP_ABDOMEN;
    EXPECT_EQ(pctTorn_carcass(4, word, sizeof word), 100);
    hare.fatigue = 10.0f;
    hare.weight = 7.0f;
    EXPECT_EQ(pctEaten_carcass(4, word, sizeof word), 30);
    EXPECT_STREQ(word, "half eaten");
    hare.weight = 5.0f;
    EXPECT_EQ(pctEaten_carcass(4, word, sizeof word), 50);
    EXPECT_STREQ(word, "mostly eaten");
    EXPECT_EQ(carcass_rot(3, 0, word, sizeof word), 25);
    EXPECT_STREQ(word, "rotten");
    EXPECT_EQ(carcass_rot(10, 1, word, sizeof word), 0) << "ten days in the winter cold";
    EXPECT_STREQ(word, "");
    EXPECT_EQ(carcass_rot(9, 0, word, sizeof word), 100);
}

// How torn a carcass reads from its wounds, in slot order; a fracture tears nothing only while the
// blows counted so far are as many as all the earlier weighted wounds.
TEST_F(DescribeTest, TornShareWeighsEachWoundAgainstAllEarlierOnes) {
    struct W { int kind, level, part; };
    const struct {
        std::vector<W> wounds;
        float tearing;
        int torn;
        const char *word;
    } rows[] = {
        {{{WK_CUT, 1, BP_THIGH}, {WK_BLUNT, 2, BP_THIGH}, {WK_CUT, 1, BP_THIGH}, {WK_BLUNT, 2, BP_THIGH}}, 2.0f, 11, "CARCASS_DAMAGE:LOW"},
        {{{WK_BLUNT, 2, BP_THORAX}, {WK_BLUNT, 2, BP_THORAX}}, 30.0f, 0, nullptr},
        {{{WK_CUT, 1, BP_THORAX}, {WK_CUT, 1, BP_THORAX}, {WK_BLUNT, 2, BP_THORAX}}, 2.0f, 14, "CARCASS_DAMAGE:LOW"},
        {{{WK_BLUNT, 2, BP_HAND}, {WK_CUT, 1, BP_THIGH}, {WK_BLUNT, 2, BP_THIGH}}, 2.0f, 5, "CARCASS_DAMAGE:SLIGHT"},
    };
    for (const auto &row : rows) {
        CreatureStruct &c = beast(4, 4, 640);
        c.mode = CM_CARCASS;
        c.tearing = row.tearing;
        for (size_t i = 0; i < row.wounds.size(); i++) {
            c.woundkind[i] = (uint8_t)row.wounds[i].kind;
            c.woundlevel[i] = (uint8_t)row.wounds[i].level;
            c.woundpart[i] = (uint8_t)row.wounds[i].part;
        }
        char word[100];
        EXPECT_EQ(pctTorn_carcass(4, word, sizeof word), row.torn) << row.wounds.size() << " wounds at " << row.tearing;
        EXPECT_STREQ(word, row.word ? MSG(row.word) : "");
    }
}

// Who of her companions beside her lends a hand with her work.
TEST_F(DescribeTest, OnlyCompanionsFreeBesideHerHelpWithHerTask) {
    const struct {
        int mode, activity, posture, away;
        int helps;
    } rows[] = {
        {0, 0, 0, 1, 1},    // idle beside her
        {2, 0, 0, 0, 0},    // fighting
        {4, 0, 0, 1, 0},    // fleeing
        {0, 52, 0, 1, 0},   // busy
        {0, 0, 1, 1, 0},    // lying
        {0, 0, 0, 2, 0},    // two squares off
    };
    for (const auto &row : rows) {
        CreatureStruct &c = beast(6, CK_HUMAN);
        species(c, "hunter");
        c.partyflags = 256;
        c.mode = (uint8_t)row.mode;
        c.Puuha[0] = row.activity;
        c.posture = (uint8_t)row.posture;
        int dp = 0;
        while (dp < DATA_MAX - 1 && Data[dp].type != DT_UNUSED) dp++;
        Data[dp] = DataStruct{};
        Data[dp].type = DT_CREATURE;
        Data[dp].x = (uint16_t)(PlayerX + row.away);
        Data[dp].y = (uint16_t)PlayerY;
        Data[dp].id = CRE_DATAID + 6;
        Data[dp].count = 1;
        char names[100];
        EXPECT_EQ(spendtask_helpers(names, sizeof names), row.helps) << "mode " << row.mode << ", activity "
                                                                    << row.activity << ", posture " << row.posture;
        CrunchData(dp);
        c.kind = CK_NONE;
    }
}

// The helpers' names as the task's note shows them: a counted list, "and" before the last.
TEST_F(DescribeTest, HelpersAreNamedAsACountedList) {
    const struct {
        const char *first, *second, *names;
    } rows[] = {
        {"hunter", "hunter", "2 hunters"},
        {"hunter", "fisher", "hunter and fisher"},
    };
    for (const auto &row : rows) {
        const char *kinds[2] = {row.first, row.second};
        int dps[2];
        for (int k = 0; k < 2; k++) {
            CreatureStruct &c = beast(6 + k, CK_HUMAN);
            species(c, kinds[k]);
            c.partyflags = 256;
            int dp = 0;
            while (dp < DATA_MAX - 1 && Data[dp].type != DT_UNUSED) dp++;
            Data[dp] = DataStruct{};
            Data[dp].type = DT_CREATURE;
            Data[dp].x = (uint16_t)(PlayerX + 1);
            Data[dp].y = (uint16_t)(PlayerY + k);
            Data[dp].id = (uint32_t)(CRE_DATAID + 6 + k);
            Data[dp].count = 1;
            dps[k] = dp;
        }
        char names[100];
        EXPECT_EQ(spendtask_helpers(names, sizeof names), 2);
        EXPECT_STREQ(names, row.names);
        for (int k = 0; k < 2; k++) {
            CrunchData(dps[k]);
            Cre[6 + k].kind = CK_NONE;
        }
    }
}

TEST_F(DescribeTest, PackFillsSlotsOf255) {
    CreatureStruct &c = beast(5, 1);
    c.weight = 70.0f;
    const int arrow = Esineesta_Uniikki(thing(IT_WEAPON, "arrow", 0, 0.05f));
    EXPECT_EQ(AddCrPack(5, arrow, 300), 1);
    EXPECT_EQ(c.packcount[0], 255);
    EXPECT_EQ(c.packcount[1], 45);
    EXPECT_EQ(c.pack[2], 0);
    EXPECT_EQ(AddCrPack(5, arrow, 0), 1);
    CreatureStruct &mouse = beast(6, 4);
    mouse.weight = 1.0f;
    EXPECT_EQ(AddCrPack(6, arrow, 1), 0) << "too small to carry";
    // 1000 is the record being built: no weight limit.
    memset(&Creature, 0, sizeof Creature);
    EXPECT_EQ(AddCrPack(1000, arrow, 3), 1);
    EXPECT_EQ(Creature.packcount[0], 3);
}

// The information box's text, as the rules hand it to the screen.
static std::string box_text;
static void keep_box(const char *, const char *text, const char *) { box_text = text; }

TEST_F(DescribeTest, TheTiredWordAndWhoHoldsTheCreature) {
    dir->copy_asset("messages/eng_creatures.txt");
    dir->copy_asset("messages/eng_spirits.txt");
    MSG_forget_index();
    void (*shown_by)(const char *, const char *, const char *) = ui.screens.cursor_infobox;
    ui.screens.cursor_infobox = keep_box;
    const struct {
        float fatigue;
        const char *looks;
    } tired[] = {{20.0f, ""}, {20.5f, "It looks a little tired."}, {41.0f, "It looks tired."},
                 {61.0f, "It looks very tired."}, {81.0f, "It looks exhausted."}};
    CreatureStruct &wolf = beast(7, 3, 601);
    species(wolf, "Wolf");
    for (const auto &row : tired) {
        wolf.fatigue = row.fatigue;
        box_text.clear();
        NPC_inforuutu(7);
        const size_t at = box_text.find("It looks");
        EXPECT_EQ(at == std::string::npos ? std::string() : box_text.substr(at, box_text.find('.', at) + 1 - at),
                  row.looks)
            << row.fatigue;
    }
    ui.screens.cursor_infobox = shown_by;

    // A companion, an escortee, an animal on a leash and one tied to a post.
    CreatureStruct &man = beast(8, CK_HUMAN);
    species(man, "hunter");
    man.partyflags = 256;
    EXPECT_NE(std::string(NPC_yleiskuvaus(8, 0)).find("hunter (in your party)"), std::string::npos) << s_creaturedesc;
    set_compword(8, CF_ESCORTEE);
    EXPECT_NE(std::string(NPC_yleiskuvaus(8, 0)).find("hunter (escortee)"), std::string::npos) << s_creaturedesc;
    wolf.fatigue = 0.0f;
    wolf.role = 9;
    EXPECT_NE(std::string(NPC_yleiskuvaus(7, 0)).find("wolf (on a leash)"), std::string::npos) << s_creaturedesc;
    wolf.role = 0;
    wolf.domestic = 16;
    EXPECT_NE(std::string(NPC_yleiskuvaus(7, 0)).find("wolf (tied)"), std::string::npos) << s_creaturedesc;
    wolf.domestic = 0;
    EXPECT_EQ(std::string(NPC_yleiskuvaus(7, 0)).find('('), std::string::npos) << s_creaturedesc;
}

}  // namespace oxatest
