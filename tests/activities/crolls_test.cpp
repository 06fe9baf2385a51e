// A new character's rolls: the body's table, the attributes over many seeds, the starting skills
// from the game's own skill table, and the steps of the option points.
#include "activity_fixture.h"

#include "activities/activities.h"
#include "activities/crolls.h"
#include "core/skilldata.h"
#include "base/ownlib.h"
#include "core/records.h"

#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>

namespace oxatest {
namespace {

class CreationRolls : public ActivityTest {};

TEST_F(CreationRolls, WeightFollowsHeightAndBuild) {
    struct { int height, build, weight; } cases[] = {
        {39, 3, 73},  {40, 3, 75},  {51, 3, 97},  {52, 3, 100}, {63, 3, 133}, {64, 3, 137},
        {69, 3, 157}, {70, 3, 162}, {71, 3, 167}, {72, 3, 171}, {72, 1, 137}, {72, 2, 154},
        {72, 4, 188}, {72, 5, 205}, {52, 1, 80},  {53, 1, 83},  {64, 2, 124},
    };
    for (const auto &c : cases)
        EXPECT_EQ(build_weight(height_weight(c.height), c.build), c.weight) << c.height << " in, build " << c.build;
}

TEST_F(CreationRolls, TwoHundredSeedsOfEveryCulture) {
    for (int culture = 0; culture < 10; culture++)
        for (int seed = 1; seed <= 200; seed++) {
            memset(&Plr, 0, sizeof Plr);
            Plr.culture = (uint8_t)culture;
            randomize(seed);
            DoHeightWeight();
            DoKeyAttributes();
            const std::string at = "culture " + std::to_string(culture) + " seed " + std::to_string(seed);
            ASSERT_GE(Plr.build, 1) << at;
            ASSERT_LE(Plr.build, 5) << at;
            ASSERT_EQ(Plr.weight_lbs, build_weight(height_weight(Plr.height_in), Plr.build)) << at;
            if (culture == 0) {
                ASSERT_GE(Plr.height_in, 60) << at;
                ASSERT_GE(Plr.build, 3) << at;
            }
            for (uint8_t a : {Plr.strength, Plr.agility, Plr.speed, Plr.dexterity, Plr.endurance, Plr.smell_taste,
                              Plr.touch, Plr.will, Plr.sight, Plr.intelligence, Plr.hearing}) {
                ASSERT_GE(a, 1) << at;
                ASSERT_LE(a, 18) << at;
            }
            ASSERT_LE(abs(Plr.speed - Plr.agility), 4) << at;
            ASSERT_GE(Plr.hidden_roll, 1) << at;
            ASSERT_LE(Plr.hidden_roll, 10) << at;
            ASSERT_GE(Plr.hidden_5d6, 5) << at;
            ASSERT_LE(Plr.hidden_5d6, 30) << at;
        }
}

void every_attribute(int v) {
    for (uint8_t *a : {&Plr.strength, &Plr.agility, &Plr.speed, &Plr.dexterity, &Plr.endurance, &Plr.smell_taste,
                       &Plr.touch, &Plr.will, &Plr.sight, &Plr.intelligence, &Plr.hearing})
        *a = (uint8_t)v;
}

// The game's own table: no start level above 99 even at 18 in every attribute, and no two skills of a
// group share a key; every starting skill lands in its slot at its table level, with the first means.
TEST_F(CreationRolls, StartingSkillsFromTheGamesTable) {
    memset(&Plr, 0, sizeof Plr);
    every_attribute(18);
    static const char *const names[] = {"DODGE", "AGRICULTURE", "SHIELD", "KNIFE", "SWORD", "CLUB", "AXE",
                                        "FLAIL", "SPEAR", "BOW", "CROSSBOW", "UNARMED", "PHYSICIAN", "CLIMBING",
                                        "STEALTH", "COOKERY", "SKIING", "TIMBERCRAFT", "SWIMMING", "FISHING",
                                        "WEATHERLORE", "CARPENTRY", "HERBLORE", "HIDEWORKING", "TRACKING",
                                        "TRAPPING", "BUILDING", "WHIP"};
    std::set<std::pair<unsigned, unsigned>> keys;
    for (const char *name : names) {
        for (int culture = 0; culture < 14; culture++) {
            Plr.culture = (uint8_t)culture;
            EXPECT_LE(SkillDATA(-1, name, SKD_LEVEL), 99u) << name << " culture " << culture;
        }
        const unsigned key = SkillDATA(-1, name, SKD_KEY);
        if (key != '!') {
            EXPECT_TRUE(keys.insert({SkillDATA(-1, name, SKD_GROUP), key}).second) << name;
        }
    }

    memset(&Plr, 0, sizeof Plr);
    every_attribute(11);
    Plr.culture = 0;
    randomize(7);
    character_skills();
    for (int s = 0; s < 27; s++) {
        EXPECT_STREQ(Plr.skill_name[s], names[s]);
        EXPECT_EQ(Plr.skill_level[s], SkillDATA(-1, names[s], SKD_LEVEL)) << names[s];
        EXPECT_EQ(Plr.skill_start[s], Plr.skill_level[s]);
        EXPECT_EQ(Plr.skill_aptitude[s], 11);
    }
    EXPECT_FALSE(Plr.skill_name[27][0]);
    EXPECT_TRUE(taikakeino_tuttu(9, 0));
    EXPECT_TRUE(taikakeino_tuttu(10, 0));
}

[[noreturn]] void throw_quit(const char *text) { throw std::runtime_error(text); }

// GenSkill: a held skill is left alone, a slot holding the name at level 0 takes it again, a full
// record takes nothing, a level past 99 is held to 99; without the table the game ends naming it.
TEST_F(CreationRolls, GenSkillSlotsAndBounds) {
    dir->write_file("ini_skills.txt", ".BIG. [def:50]\n[ATTRIBS:str]\n\n.SMALL. [def:2]\n[ATTRIBS:str]\n\n"
                                      ".NEG. [def:-3]\n[ATTRIBS:str]\n");
    memset(&Plr, 0, sizeof Plr);
    Plr.strength = 18;
    EXPECT_EQ(GenSkill(-1, "BIG"), 99);
    EXPECT_EQ(Plr.skill_level[0], 99);
    EXPECT_EQ(Plr.skill_aptitude[0], 18);
    EXPECT_EQ(GenSkill(-1, "BIG"), 0) << "held above level 0";
    EXPECT_FALSE(Plr.skill_name[1][0]);

    copy_bounded(Plr.skill_name[3], PLR_SKILLNAME, "SMALL");   // held at level 0, slot 1 free before it
    EXPECT_EQ(GenSkill(-1, "SMALL"), 36);
    EXPECT_EQ(Plr.skill_level[3], 36);
    EXPECT_FALSE(Plr.skill_name[1][0]) << "no second slot for the same skill";
    EXPECT_EQ(GenSkill(-1, "NEG"), 0) << "a negative number gives no level, not 99";
    EXPECT_EQ(Plr.skill_level[1], 0);

    for (int s = 0; s < PLR_SKILLS; s++)
        if (!Plr.skill_name[s][0]) copy_bounded(Plr.skill_name[s], PLR_SKILLNAME, "X");
    Plr.skill_level[3] = 5;
    EXPECT_EQ(GenSkill(-1, "NEW"), 0);

    remove("ini_skills.txt");
    oxa_quit_hook = throw_quit;
    memset(&Plr, 0, sizeof Plr);
    std::string quit;
    try {
        GenSkill(-1, "SMALL");
    } catch (const std::runtime_error &e) {
        quit = e.what();
    }
    oxa_quit_hook = nullptr;
    EXPECT_NE(quit.find("ini_skills.txt"), std::string::npos);
}

// The option points of custom creation (none below, five, one step above): each row is a step and
// what it leaves.
TEST_F(CreationRolls, OptionStepsKeepTheirLimits) {
    memset(&Plr, 0, sizeof Plr);
    skill(0, "DODGE", 30, 10);
    skill(1, "BOW", 40, 10);
    skill(2, "AXE", 95, 10);
    skill(3, "KNIFE", 20, 7);
    for (int s = 0; s < 4; s++) Plr.skill_start[s] = Plr.skill_level[s];
    option_start(0, 5, 1);
    struct { int slot, direction, moved, level, points; } steps[] = {
        {0, 1, 0, 30, 5},    // DODGE never moves
        {0, -1, 0, 30, 5},
        {2, 1, 0, 95, 5},    // past 99: nothing spent
        {1, 1, 1, 50, 4},
        {1, 1, 0, 50, 4},    // one step above its start at most
        {1, -1, 1, 40, 5},   // taken back, the point with it
        {1, -1, 0, 40, 5},   // no step below where the phase began
        {1, 1, 1, 50, 4},    // free to rise again
        {3, 1, 1, 27, 3},
        {1000, 1, 0, 0, 3},
    };
    for (const auto &st : steps) {
        EXPECT_EQ(KaytaOptio(st.slot, st.direction), st.moved) << st.slot << " " << st.direction;
        if (st.slot < PLR_SKILLS) {
            EXPECT_EQ(Plr.skill_level[st.slot], st.level) << st.slot;
        }
        EXPECT_EQ(SKILLIMPROVE_points, st.points);
    }
    EXPECT_EQ(SKILLIMPROVE_lastplus, 3);
    option_start(1, 1, 0);   // one step below allowed, no limit above
    EXPECT_EQ(KaytaOptio(3, -1), 1);
    EXPECT_EQ(KaytaOptio(3, -1), 0);
    EXPECT_EQ(Plr.skill_level[3], 20);
    for (int i = 0; i < 4; i++) KaytaOptio(1, 1);
    EXPECT_EQ(Plr.skill_level[1], 90);
}

}  // namespace
}  // namespace oxatest
