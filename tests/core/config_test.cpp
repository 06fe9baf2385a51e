// The settings file: reading by key, the settings globals and writing one key back.
#include "common/harness.h"
#include "core/config.h"
#include "screens/setup.h"

#include <sys/stat.h>
#include <string>

using oxatest::TempDir;

TEST(ConfigRead, CommentsFirstKeyAndBracketForm) {
    TempDir dir;
    dir.write_file("oxa_ini.txt",
                   "// [VOLUME:10]\n"
                   "## [AUDIO:NO]\n"
                   "[AMBIENT_SOUNDS:NO]\n"
                   "some text [VOLUME:80] more\r\n"
                   "[VOLUME:30]\n");
    EXPECT_STREQ(inival("VOLUME", "50"), "80");         // comment skipped, first real line wins, CR stripped
    EXPECT_STREQ(inival("AUDIO", "YES"), "YES");        // only in a comment
    EXPECT_STREQ(inival("SOUNDS", "x"), "x");           // AMBIENT_SOUNDS is not SOUNDS
    EXPECT_STREQ(inival("MISSING", "dflt"), "dflt");
}

TEST(ConfigRead, ExactYesAndNo) {
    TempDir dir;
    dir.write_file("oxa_ini.txt", "[MUSEUM:yes]\n[AUDIO:no]\n[A:YES]\n[B:NO]\n");
    EXPECT_FALSE(inivalyes("MUSEUM"));
    EXPECT_TRUE(inivaldefyes("AUDIO"));
    EXPECT_TRUE(inivalyes("A"));
    EXPECT_FALSE(inivaldefyes("B"));
    EXPECT_FALSE(inivalyes("NOT_THERE"));
    EXPECT_TRUE(inivaldefyes("NOT_THERE"));
}

TEST(ConfigRead, MissingFileGivesDefaults) {
    TempDir dir;
    EXPECT_STREQ(inival("VOLUME", "50"), "50");
    EXPECT_TRUE(inivaldefyes("AUDIO"));
}

TEST(ConfigRead, OverlongValuesAndLinesStayBounded) {
    TempDir dir;
    std::string longvalue(300, 'v');
    std::string longline(2500, 'x');
    dir.write_file("oxa_ini.txt", "[LONG:" + longvalue + "]\n[OPEN:abc\n[NEXT:1]\n" + longline + "\n[AFTER:ok]\n");
    EXPECT_EQ(std::string(inival("LONG", "")), std::string(INI_VALUE_MAX, 'v'));
    EXPECT_STREQ(inival("OPEN", ""), "abc");   // no closing bracket: the value ends with its line
    EXPECT_STREQ(inival("AFTER", ""), "ok");   // a long line is read past in pieces
}

TEST(ConfigGlobals, RulesOfGetConfig) {
    TempDir dir;
    dir.write_file("oxa_ini.txt", "[NIGHT_BRIGHTNESS:61]\n[MUSEUM:yes]\n[MAP_GRID:whatever]\n"
                                  "[TRADITIONAL_MOVEMENT:yes]\n[VOLUME:70]\n[MAP_LIGHTING_EFFECTS:NO]\n");
    GetConfig();
    EXPECT_EQ(OXAINI_BRIGHTNIGHT, 0);
    EXPECT_EQ(PELIMUSEO_EDIT, 0);
    EXPECT_EQ(OXAINI_GRID, 1);
    EXPECT_EQ(TRADMOVEMENT, 0);
    EXPECT_EQ(AUDIO_MAIN_VOLUME, 70);
    EXPECT_EQ(OXAINI_MAPLIGHTING, 0);
    OXAINI_MAPLIGHTING = 1;

    dir.write_file("oxa_ini.txt", "[NIGHT_BRIGHTNESS:-5]\n");
    GetConfig();
    EXPECT_EQ(OXAINI_BRIGHTNIGHT, 0);
    EXPECT_EQ(OXAINI_GRID, 0);
    dir.write_file("oxa_ini.txt", "[NIGHT_BRIGHTNESS:60]\n");
    GetConfig();
    EXPECT_EQ(OXAINI_BRIGHTNIGHT, 60);
}

TEST(ConfigGlobals, InventoryOrder) {
    struct Case {
        const char *value;
        int expect[12];
    } cases[] = {
        {"FOOD,TOOL", {7, 6, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12}},
        {"FOOD,FOOD", {7, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}},
        {"NONSENSE,FOOD", {1, 7, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}},
        {"FOOD,NONSENSE,TOOL", {7, 6, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12}},
        {"", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"CARCASS,PLANT,VALUABLE,VEHICLE,FIREWOOD,FOOD,TOOL,SKIN,CONTAINER,ARMOUR,WEAPON,FOOD,TOOL",
         {12, 11, 10, 9, 8, 7, 6, 5, 3, 2, 1, 4}},
    };
    for (const Case &c : cases) {
        ParseInventoryOrder(c.value);
        for (int i = 0; i < 12; i++) EXPECT_EQ(INVTYPEORDER[i], c.expect[i]) << c.value << " slot " << i;
    }
}

TEST(ConfigWrite, ReplacesEveryHoldingLineAndKeepsTheRest) {
    TempDir dir;
    dir.write_file("oxa_ini.txt", "// settings\n[VOLUME:10] trailing\n[AUDIO:YES]\n//[VOLUME:5]\n[LAST:1]");
    EXPECT_TRUE(ChangeIniValue("VOLUME", "80"));
    EXPECT_EQ(dir.read_file("oxa_ini.txt"), "// settings\n[VOLUME:80]\n[AUDIO:YES]\n[VOLUME:80]\n[LAST:1]\n");
    EXPECT_TRUE(dir.exists("oxa_ini_tmp.txt"));
    EXPECT_STREQ(inival("VOLUME", ""), "80");
}

TEST(ConfigWrite, AppendsAMissingKey) {
    TempDir dir;
    dir.write_file("oxa_ini.txt", "[AUDIO:YES]\n");
    EXPECT_TRUE(ChangeIniValue("VOLUME", "40"));
    EXPECT_EQ(dir.read_file("oxa_ini.txt"), "[AUDIO:YES]\n[VOLUME:40]\n\n");
}

TEST(ConfigWrite, NoFileOrNoTemporaryCopyLosesNothing) {
    TempDir dir;
    EXPECT_FALSE(ChangeIniValue("VOLUME", "40"));
    EXPECT_FALSE(dir.exists("oxa_ini.txt"));

    dir.write_file("oxa_ini.txt", "[VOLUME:10]\n[AUDIO:YES]\n");
    mkdir((dir.path() + "/oxa_ini_tmp.txt").c_str(), 0700);   // the copy cannot be written
    EXPECT_FALSE(ChangeIniValue("VOLUME", "40"));
    EXPECT_EQ(dir.read_file("oxa_ini.txt"), "[VOLUME:10]\n[AUDIO:YES]\n");
}

TEST(ConfigWrite, LongLinesSurviveWhole) {
    TempDir dir;
    std::string longline = "// " + std::string(1500, 'c');
    dir.write_file("oxa_ini.txt", longline + "\n[VOLUME:1]\n");
    EXPECT_TRUE(ChangeIniValue("VOLUME", "2"));
    EXPECT_EQ(dir.read_file("oxa_ini.txt"), longline + "\n[VOLUME:2]\n");
}
