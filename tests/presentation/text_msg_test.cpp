// Texts by key: plain keys, variants by sub-key and by variable, nested keys, variables, heard texts,
// conversation answers and the bounds that keep message files from breaking the game.
#include "common/harness.h"

#include "core/tekstit.h"
#include "base/debuglog.h"
#include "society/reputation.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

using oxatest::TempDir;

namespace {

const char *kMessages =
    "// test messages\n"
    ".PLAIN.\n"
    "A plain text.\n"
    "\n"
    ".WITH_HEAR.\n"
    "You see it.\n"
    "[HEAR:You hear %s nearby.]\n"
    "\n"
    ".VARIANT.\n"
    "[A*:starts with a]\n"
    "[B?:b and one more]\n"
    "[*:anything else]\n"
    "\n"
    ".NOSTAR.\n"
    "[ONE:the first]\n"
    "[TWO:the second]\n"
    "\n"
    ".BYVAR.(npc)\n"
    "[PC:You fall.]\n"
    "[*:<npc_defdesc> falls.]\n"
    "[HEAR:A thud in the <npc_direction>.]\n"
    "\n"
    ".NEST_OUTER.\n"
    "Before [NEST_INNER] after.\n"
    "\n"
    ".NEST_INNER.\n"
    "inner with [NEST_DEEP]\n"
    "\n"
    ".NEST_DEEP.\n"
    "deep\n"
    "\n"
    ".SELF.\n"
    "again [SELF]\n"
    "\n"
    ".EMPTYPAIR.\n"
    "keep [] and [NEST_DEEP]\n"
    "\n"
    ".FORMATS.\n"
    "Stray %d and %n and %s stay.\n"
    "\n"
    ".VARS.\n"
    "Num <num>, var <var>, status <status>.\n"
    "\n"
    ".LOOPVAR.\n"
    "Value <var> end.\n"
    "\n"
    ".DEBUGVAR.\n"
    "[*:a debug text]\n";

const char *kSecond =
    ".NOSTAR.\n"
    "[THREE:from the second file]\n"
    "\n"
    ".PLAIN.\n"
    "Never reached: the first file settles it.\n";

const char *kChat =
    ".GREET.(overall)\n"
    ":(-Go away.\n"
    ":|-Hello.\n"
    ":)-Welcome, friend.\n"
    "\n"
    ".UNTAGGED.\n"
    ":|-Only neutral.\n"
    ":(-Sad.\n"
    "\n"
    ".NOSAD.\n"
    ":|-First neutral.\n"
    "\n"
    ".FAMILY.(fam)\n"
    ":(-Stranger.\n"
    ":|-Known face.\n"
    "\n"
    ".TOPIC.\n"
    ":|-wolf: Wolves roam here.\n"
    ":|-bear: Bears sleep in winter.\n";

class MsgTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        write_messages(kMessages, kSecond, kChat);
        copy_bounded_str(language, "eng");
        TARGET_NPC = -1000;
        TARGET_ITEM = -1000;
        TARGET_NUM = 0;
        TARGET_DIR = 0;
        copy_bounded_str(vMSG_var, "none");
        copy_bounded_str(vMSG_status, "none");
        vMSG_s[0] = 0;
        memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
        DEBUGLOG = 0;
        MSG_forget_index();
    }
    void TearDown() override {
        MSG_forget_index();
        delete dir;
    }
    void write_messages(const char *a, const char *b, const char *chat) {
        mkdir_messages();
        dir->write_file("messages/eng_a.txt", a);
        dir->write_file("messages/eng_b.txt", b);
        dir->write_file("messages/eng_chat.txt", chat);
    }
    void mkdir_messages() { mkdir((dir->path() + "/messages").c_str(), 0755); }
    template <size_t N> static void copy_bounded_str(char (&dst)[N], const char *src) {
        strncpy(dst, src, N - 1);
        dst[N - 1] = 0;
    }
    TempDir *dir = nullptr;
};

TEST_F(MsgTest, PlainKeysAndMissingKeysShowTheirKey) {
    EXPECT_STREQ(MSG("PLAIN"), "A plain text.");
    EXPECT_STREQ(HEAR_s, "");
    EXPECT_STREQ(MSG("NO_SUCH_KEY"), ".NO_SUCH_KEY.");
    EXPECT_STREQ(MSG("NOSTAR:NINE"), ".NOSTAR.(NINE)");
}

TEST_F(MsgTest, SubKeysPickTheFirstMatchingVariantByWildcard) {
    EXPECT_STREQ(MSG("VARIANT:apple"), "starts with a");   // case does not matter
    EXPECT_STREQ(MSG("VARIANT:Bx"), "b and one more");
    EXPECT_STREQ(MSG("VARIANT:Bxy"), "anything else");
    EXPECT_STREQ(MSG("VARIANT:zzz"), "anything else");
    EXPECT_STREQ(MSG("NOSTAR:TWO"), "the second");
    // A key whose variants in the first file do not match is looked for in the next file.
    EXPECT_STREQ(MSG("NOSTAR:THREE"), "from the second file");
    EXPECT_STREQ(MSG("DEBUGVAR:xyz"), "[xyz:");
}

TEST_F(MsgTest, VariableChoosesTheVariantAndFillsTheText) {
    TARGET_NPC = -1;
    EXPECT_STREQ(MSG("BYVAR"), "You fall.");
    EXPECT_STREQ(HEAR_s, "A thud in the E.");
    TARGET_NPC = 5;   // any creature of the local area: its class is not "PC"
    MSG("BYVAR");
    EXPECT_NE(std::string(MESSAGE_s).find("falls."), std::string::npos) << MESSAGE_s;
}

TEST_F(MsgTest, HeardTextIsFilledFromvMSGOnlyWhenSet) {
    copy_bounded_str(vMSG_s, "a wolf");
    EXPECT_STREQ(MSG("WITH_HEAR"), "You see it.");
    EXPECT_STREQ(HEAR_s, "You hear a wolf nearby.");
    EXPECT_STREQ(vMSG_s, "");   // cleared by every lookup
    MSG("WITH_HEAR");
    EXPECT_STREQ(HEAR_s, "You hear %s nearby.");
    MSG("PLAIN");
    EXPECT_STREQ(HEAR_s, "");
}

TEST_F(MsgTest, NestedKeysExpandAndStop) {
    EXPECT_STREQ(MSG("NEST_OUTER"), "Before inner with deep after.");
    EXPECT_STREQ(MSG("EMPTYPAIR"), "keep [] and [NEST_DEEP]");
    // A text that names itself ends, bounded to its buffer.
    const char *self = MSG("SELF");
    EXPECT_LT(strlen(self), (size_t)MSGBUF_SIZE);
    EXPECT_EQ(std::string(self).rfind("again ", 0), 0u);
}

TEST_F(MsgTest, VariablesFillFromTheTargetGlobalsAndAreNotExpandedAgain) {
    TARGET_NUM = 42;
    copy_bounded_str(vMSG_var, "<num>");
    copy_bounded_str(vMSG_status, "100%% sure");
    EXPECT_STREQ(MSG("VARS"), "Num 42, var <num>, status 100% sure.");
    copy_bounded_str(vMSG_var, "<var>");
    EXPECT_STREQ(MSG("LOOPVAR"), "Value <var> end.");
    EXPECT_STREQ(Vaihtuva_MSG_Avain("unknown_thing"), "?unknown_thing?");
    EXPECT_STREQ(Vaihtuva_MSG_Avain("bodyparts"), "?bodyparts?");
    TARGET_DIR = 3;
    EXPECT_STREQ(Vaihtuva_MSG_Avain("direction"), "NW");
    TARGET_NPC = -1;
    EXPECT_STREQ(Vaihtuva_MSG_Avain("npc"), "PC");
    EXPECT_STREQ(Vaihtuva_MSG_Avain("npc_desc"), "you");
    EXPECT_STREQ(Vaihtuva_MSG_Avain("npc_defdesc_aggsound"), "swear");
}

TEST_F(MsgTest, FileTextIsNeverAFormat) {
    EXPECT_STREQ(MSG("FORMATS"), "Stray %d and %n and %s stay.");
    dir->write_file("messages/eng_a.txt", ".OUT_OF_ITEMS.\nNo %s left, %d %n.\n");
    MSG_forget_index();
    EXPECT_STREQ(nothingto("arrows"), "No arrows left, %d %n.");
}

TEST_F(MsgTest, LongTextsStayWithinTheirBuffers) {
    std::string big(5000, 'x');
    std::string file = ".LONG.\n" + big + "\n\n.LONGVAR.\n[" + big + ":too long]\n";
    dir->write_file("messages/eng_a.txt", file);
    MSG_forget_index();
    EXPECT_LE(strlen(MSG("LONG")), (size_t)MSGLINE_MAX);
    std::string key(3000, 'K');
    EXPECT_LT(strlen(MSG(key.c_str())), (size_t)MSGBUF_SIZE);
    std::string longvar(2000, 'v');
    copy_bounded_str(vMSG_var, longvar.c_str());
    EXPECT_LT(strlen(Vaihtuva_MSG_Avain("var")), (size_t)MSGVAR_SIZE);
    EXPECT_LT(strlen(cant(big.c_str())), (size_t)SBUF_SIZE);
    EXPECT_LT(strlen(cantwhile(big.c_str(), big.c_str())), (size_t)SBUF_SIZE);
}

TEST_F(MsgTest, MissingMessageFilesSayWhatIsMissing) {
    for (const char *f : {"eng_a.txt", "eng_b.txt", "eng_chat.txt"}) remove((dir->path() + "/messages/" + f).c_str());
    MSG_forget_index();
    EXPECT_EQ(std::string(MSG("PLAIN")).rfind("!ERROR: messages/", 0), 0u) << MESSAGE_s;
}

TEST_F(MsgTest, ChatAnswersFollowReputationLevelAndMood) {
    TARGET_REPSUMMARY.overall = 1;
    EXPECT_STREQ(CHATMSG("GREET"), "Go away.");
    TARGET_REPSUMMARY.overall = 3;
    EXPECT_STREQ(CHATMSG("GREET"), "Hello.");
    TARGET_REPSUMMARY.overall = 6;
    EXPECT_STREQ(CHATMSG("GREET"), "Welcome, friend.");
    TARGET_REPSUMMARY.overall = 200;   // a damaged level falls back to the first answer
    EXPECT_STREQ(CHATMSG("GREET"), "Go away.");
    // Without a tag the level is 0: the ":(" answer, or the first one when there is none.
    EXPECT_STREQ(CHATMSG("UNTAGGED"), "Sad.");
    EXPECT_STREQ(CHATMSG("NOSAD"), "First neutral.");
    // Familiarity 2 counts as 3.
    TARGET_REPSUMMARY.familiarity_level = 2;
    EXPECT_STREQ(CHATMSG("FAMILY"), "Known face.");
    EXPECT_STREQ(CHATMSG("TOPIC:bear"), "bear: Bears sleep in winter.");
    EXPECT_STREQ(CHATMSG("NOT_TAUGHT"), "I haven't been taught to talk about NOT_TAUGHT.");
    EXPECT_STREQ(CHATMSG("%n%d"), "I haven't been taught to talk about %n%d.");
}

TEST_F(MsgTest, CantTextsAndTimeSpans) {
    EXPECT_STREQ(cant("swim"), "!You can't swim!");
    EXPECT_STREQ(cantwhile("run", "sneaking"), "!You can't run while sneaking!");
    dir->write_file("messages/eng_a.txt", ".TIMESPAN_DAY.\n[1:one day]\n[*:many days]\n");
    MSG_forget_index();
    EXPECT_STREQ(TIMESPAN_days(1), "one day");
    EXPECT_STREQ(TIMESPAN_days(12), "many days");
}

TEST_F(MsgTest, StartUpWordsComeFromTheMessageFiles) {
    dir->write_file("messages/eng_a.txt",
                    ".MONTH_NAME.\n[1:frost month]\n[12:yule month]\n\n.ADJ.\n[BIG:a word far longer than "
                    "twenty-five bytes]\n[SMALL:small]\n");
    oxa_textinit();
    EXPECT_STREQ(PAGANMONTH[1], "frost month");
    EXPECT_STREQ(PAGANMONTH[12], "yule month");
    EXPECT_STREQ(defs_ADJ_PIENI, "small");
    EXPECT_EQ(strlen(defs_ADJ_ISO), sizeof defs_ADJ_ISO - 1);   // cut to its buffer
}

TEST_F(MsgTest, LookupsAreLoggedUnderMsgWhileDebugLoggingIsOn) {
    DEBUGLOG = 1;
    MSG("PLAIN");
    DEBUGLOG = 0;
    std::string log = dir->read_file("debug_msg.txt");
    EXPECT_NE(log.find("PLAIN"), std::string::npos);
    EXPECT_NE(log.find("A plain text."), std::string::npos);
}

}  // namespace
