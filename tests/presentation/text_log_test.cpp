// The message log line format and the topic debug logs.
#include "common/harness.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/notes.h"

#include <sys/stat.h>

#include <cstring>
#include <string>

using oxatest::TempDir;

namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        mkdir((dir->path() + "/Hero").c_str(), 0755);
        copy_bounded(CharacterFile, sizeof CharacterFile, "Hero");
        memset(&Plr, 0, sizeof Plr);
        Plr.day = 5;
        Plr.month = 3;
        Plr.year = 1;
        Plr.hour = 14;
        Plr.world_x = 1000;
        Plr.world_y = 500;
        DEBUGLOG = 0;
    }
    void TearDown() override {
        CharacterFile[0] = 0;
        memset(&Plr, 0, sizeof Plr);
        delete dir;
    }
    TempDir *dir = nullptr;
};

TEST_F(LogTest, MessageLogLineHasColourDateMarkAndPlace) {
    logmsg(168, 0, 0, '!', "You can't swim!");
    logmsg(96, 0, 96, '"', "-- my own note");
    EXPECT_EQ(dir->read_file("Hero/msglog.txt"),
              "(A80000):531e:[!]{03E801F4}      | You can't swim!\n"
              "(600060):531e:[\"]{03E801F4}      | -- my own note\n");
}

TEST_F(LogTest, ClockValuesOutsideTheDigitsStayOneCharacter) {
    Plr.day = 200;
    Plr.hour = 255;
    logmsg(0, 0, 0, 'A', "x");
    std::string line = dir->read_file("Hero/msglog.txt");
    EXPECT_EQ(line.substr(0, 14), "(000000):Z31Z:");
    EXPECT_EQ(line.find('|'), 33u);
}

TEST_F(LogTest, NoCharacterNoLog) {
    CharacterFile[0] = 0;
    logmsg(0, 0, 0, 'A', "nowhere");
    EXPECT_FALSE(dir->exists("Hero/msglog.txt"));
}

TEST_F(LogTest, DebugTopicsAreWrittenOnlyWhileLoggingOrWithBang) {
    debuglog("combat", "hidden");
    EXPECT_FALSE(dir->exists("debug_combat.txt"));
    debuglog("!quests", "always");
    std::string q = dir->read_file("debug_!quests.txt");
    EXPECT_NE(q.find("Day/H:M 5/14:0 always\n"), std::string::npos) << q;
    DEBUGLOG = 1;
    debuglog("combat", "shown");
    debuglog("vegetation", "never");
    debuglog("setplant!", "never");
    EXPECT_NE(dir->read_file("debug_combat.txt").find("shown"), std::string::npos);
    EXPECT_FALSE(dir->exists("debug_vegetation.txt"));
    EXPECT_FALSE(dir->exists("debug_setplant!.txt"));
    std::string all = dir->read_file("debug_all.txt");
    EXPECT_NE(all.find("  always\n"), std::string::npos);
    EXPECT_NE(all.find("  shown\n"), std::string::npos);
    std::string last = dir->read_file("debug_lastentry.txt");
    EXPECT_EQ(last.size(), 25u + 2 + strlen("shown") + 1) << last;
    debuglog("combat", "remove");
    EXPECT_FALSE(dir->exists("debug_combat.txt"));
    debuglog("../escape", "kept in the working folder");
    EXPECT_TRUE(dir->exists("debug_.._escape.txt"));
}

}  // namespace
