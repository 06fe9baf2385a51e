// A quest giver of a prepared village with a written quest record: the options its control tags
// allow, "[once]" and "[reset once]", the action tags of a spoken line, the greeting, the conditions
// read from the map and the community, deliveries and gifts that move exactly the counted items,
// rewards, craft orders and healing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "activities/puuharun.h"
#include "base/ui.h"
#include "base/ui_pixels.h"
#include "common/harness.h"
#include "creatures/bodyrec.h"
#include "creatures/village_fixture.h"
#include "creatures/people.h"
#include "creatures/puuha.h"
#include "presentation/screen_ui.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/smalltalk.h"
#include "society/questtalk.h"
#include "society/reputation.h"
#include "society/trade.h"

namespace {

std::string heard;
int heard_next_x = -1;
void hear(int x, int, const char *text, UiColour, int) {
    if (!heard.empty() && heard.back() != ' ' && x != heard_next_x) heard += ' ';
    heard += text;
    heard_next_x = x + 8 * (int)strlen(text);
}

class QuestTalk : public VillageTest {
protected:
    oxatest::NoScreen *noscreen = nullptr;
    static constexpr int NPC = 1;
    static constexpr uint32_t QID = 501, OTHER = 502;
    void SetUp() override {
        VillageTest::SetUp();
        noscreen = new oxatest::NoScreen();
        ui_pixels.text_line = hear;
        screen_ui_talk(ui.talk);   // the talk laid out as on a window: each word said reaches the text line
        heard.clear();
        villager(NPC, PlayerX + 2, PlayerY, true);
        Cre[NPC].weight = 70.0f;
        Cre[NPC].quest = QID;
        Chatting_With = NPC;
        Chat_Mode = CHAT_GREET;
        QUIT = EXIT_CHAT = 0;
        CANTCANCELCHAT = QUEST_SUMMARY_TALK = 0;
        LAST_TALKNUM = 0;
        ClearChatOptStruct();
        // Both boxes empty: what a test before left said does not move where these words fall.
        CrTalk_Clear();
        PlrTalk_Clear();
        heard.clear();
        heard_next_x = -1;
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        GetNpcVil(SOC);
        memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
        TARGET_REPSUMMARY.overall = 3;
        TARGET_REPSUMMARY.help.level = 3;
    }
    void TearDown() override {
        ui_script_clear();
        RemoveQuest(QID);
        RemoveQuest(OTHER);
        memset(&globqS, 0, sizeof globqS);
        ClearChatOptStruct();
        CANTCANCELCHAT = QUEST_SUMMARY_TALK = 0;
        DEBUG_KUESTILIPUT = 0;
        Chatting_With = -1000;
        delete noscreen;
        VillageTest::TearDown();
    }
    static void line(int n, const char *text, const char *tags) {
        strcpy(globqS.talk[n].npcText, text);
        strcpy(globqS.talk[n].actionTags, tags);
    }
    static void option(int n, int o, const char *coded, const char *tags) {
        strcpy(globqS.talk[n].options[o].coded, coded);
        strcpy(globqS.talk[n].options[o].optionTags, tags);
    }
    static std::string offered() {
        std::string s;
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0]) s += std::string(o.tag) + ";";
        return s;
    }
    bool said(const char *words) const { return heard.find(words) != std::string::npos; }
    // Count of an object in the player's slots and in the person's pack.
    static int plr_units(int obj) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] == obj) n += Plr.inv_count[s];
        return n;
    }
    static int npc_units() {
        int n = 0;
        for (int s = 0; s < 20; s++)
            if (Cre[NPC].pack[s]) n += Cre[NPC].packcount[s];
        return n;
    }
    static void hold(int obj, int count) {
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        Plr.inv_obj[0] = obj;
        Plr.inv_count[0] = count;
    }
};

// The control tags of an option against the quest's conditions, its said lines, a line of another
// quest and the player's sex; numbers out of range never select anything.
TEST_F(QuestTalk, OptionTagsDecideWhatIsOffered) {
    QuestStruct other{};
    other.id = OTHER;
    other.talk[3].said = 1;
    SaveQuest(&other);
    globqS.conditions[1] = 1;
    globqS.conditions[2] = 2;
    globqS.talk[4].said = 1;
    struct Case {
        const char *tags;
        int sex;
        bool holds;
    };
    const Case cases[] = {
        {"[ifcond 1]", 1, true},       {"[ifcond 2]", 1, false},      {"[ifcond 7]", 1, true},
        {"[ifncond 0]", 1, true},      {"[ifncond 1]", 1, false},     {"[ifncond 9]", 1, false},
        {"[ifsemicond 2]", 1, true},   {"[ifsemicond 1]", 1, false},  {"[ifsaid 4]", 1, true},
        {"[ifsaid 5]", 1, false},      {"[ifsaid 999]", 1, false},    {"[ifsaid -1]", 1, false},
        {"[ifnsaid 5]", 1, true},      {"[ifnsaid 4]", 1, false},     {"[ifheard 502.3]", 1, true},
        {"[ifheard 502.4]", 1, false}, {"[ifheard 777.3]", 1, false}, {"[ifnheard 502.3]", 1, false},
        {"[ifnheard 502.4]", 1, true}, {"[ifheard 502.99]", 1, false}, {"[ifheard x]", 1, false},
        {"[malepc]", 1, true},         {"[malepc]", 2, false},        {"[femalepc]", 2, true},
        {"[ifcond 1] [femalepc]", 1, false}, {"[summary] [ifcond 1]", 1, true}, {"", 2, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.tags) + " sex " + std::to_string(c.sex));
        Plr.sex = (uint8_t)c.sex;
        EXPECT_EQ(quest_option_holds(globqS, c.tags), c.holds);
    }
    // Offered through the line's table: the failing option is left out, a line out of range offers nothing.
    option(2, 0, "Yes|TALKLINE 3:Good.", "[ifcond 1]");
    option(2, 1, "No|TALKLINE 4:Bad.", "[ifcond 2]");
    option(2, 2, "%s%n|TALKLINE 5:%n", "");
    AddQuestChatOpts(2);
    EXPECT_EQ(offered(), "[TALKLINE 3];[TALKLINE 5];");
    EXPECT_STREQ(ChatOptions[1].text, "2.\"%s%n\"");
    EXPECT_EQ(ChatOptions[1].questline, 2);
    EXPECT_EQ(ChatOptions[1].questoption, 2);
    ClearChatOptStruct();
    for (int bad : {-1, 29, 100000}) AddQuestChatOpts(bad);
    EXPECT_EQ(offered(), "");
}

// "[once]" spends every option leading to its line, except those asking for a summary; a spent option
// comes back only in a summary talk with "[summary]" or after "[reset once]".
TEST_F(QuestTalk, OnceSpendsOptionsUntilResetOrSummary) {
    option(2, 0, "Tell me|TALKLINE 3:Listen.", "");
    option(2, 1, "Again?|TALKLINE 3:Once more.", "[ask summary]");
    option(2, 2, "Sum up|TALKLINE 3:Well.", "[summary]");
    option(6, 0, "Also|TALKLINE 3:Yes.", "");
    option(6, 1, "Elsewhere|TALKLINE 4:No.", "");
    line(3, "Listen then.", "[once]");
    line(5, "Let us start over.", "[reset once]");
    NPCpuhe_talk("[TALKLINE 3]");
    EXPECT_EQ(globqS.talk[2].options[0].used, 1);
    EXPECT_EQ(globqS.talk[2].options[1].used, 0);
    EXPECT_EQ(globqS.talk[2].options[2].used, 1);
    EXPECT_EQ(globqS.talk[6].options[0].used, 1);
    EXPECT_EQ(globqS.talk[6].options[1].used, 0);
    EXPECT_EQ(globqS.talk[3].said, 1);
    EXPECT_EQ(LAST_TALKNUM, 3);
    struct Case {
        uint8_t summary;
        const char *offered;
    };
    for (const Case &c : {Case{0, "[TALKLINE 3];"}, Case{1, "[TALKLINE 3];"}}) {
        SCOPED_TRACE((int)c.summary);
        QUEST_SUMMARY_TALK = c.summary;
        ClearChatOptStruct();
        AddQuestChatOpts(2);
        EXPECT_EQ(offered(), c.offered);
        EXPECT_EQ(ChatOptions[0].questoption, c.summary ? 2 : 1);
    }
    QUEST_SUMMARY_TALK = 0;
    NPCpuhe_talk("TALKLINE 5");
    for (const QuestTalkLine &l : globqS.talk)
        for (const QuestOption &o : l.options) EXPECT_EQ(o.used, 0);
    ClearChatOptStruct();
    AddQuestChatOpts(2);
    EXPECT_EQ(ChatOptions[0].questoption, 0);
}

// The action tags of a spoken line, each case on a fresh quest and a fresh village record.
TEST_F(QuestTalk, ActionTagsOfASpokenLine) {
    Plr.daynumber = 40;
    struct Case {
        const char *command, *tags;
        uint8_t help_before;
        int help_after, best_after;
        const char *pending;
        uint8_t pending_flag, accepted, reward_kind, reward_count;
        uint32_t completion;
        bool quest_kept, cant_cancel;
    };
    const Case cases[] = {
        {"[TALKLINE 3]", "[repinc 9]", 0, 3, 3, "", 0, 0, 0, 0, 0, true, false},
        {"[TALKLINE 3]", "[repinc -1]", 0, 1, 1, "", 0, 0, 0, 0, 0, true, false},
        {"[TALKLINE 3]", "[repinc:2]", 254, 255, 2, "", 0, 0, 0, 0, 0, true, false},
        {"[TALKLINE 3]", "[repinc 3]", 255, 255, 3, "", 0, 0, 0, 0, 0, true, false},
        {"[TALKLINE 3]", "[pending:TALKLINE 7] [cant cancel]", 0, 0, 0, "TALKLINE 7", 1, 0, 0, 0, 0, true, true},
        {"[TALKLINE 3]", "[accept] [credit reward:20]", 0, 0, 0, "", 0, 1, 2, 20, 0, true, false},
        {"[TALKLINE 3]", "[credit reward:999]", 0, 0, 0, "", 0, 0, 0, 0, 0, true, false},
        {"[TALKLINE 3]", "[completed] [close]", 0, 0, 0, "", 0, 0, 0, 0, 40, false, false},
        {"[TALKLINE 29]", "[accept]", 0, 0, 0, "", 0, 0, 0, 0, 0, true, false},
        {"[TALKLINE -2]", "[accept]", 0, 0, 0, "", 0, 0, 0, 0, 0, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.tags);
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        Cre[NPC].quest = QID;
        Cre[NPC].questexpiry = 0;
        CANTCANCELCHAT = 0;
        GetNpcVil(SOC);
        NpcVil.questhelp = c.help_before;
        NpcVil.questhelpbest = 0;
        for (int n : {3, 28}) line(n, "As you say.", c.tags);
        heard.clear();
        NPCpuhe_talk(c.command);
        EXPECT_EQ(NpcVil.questhelp, c.help_after);
        EXPECT_EQ(NpcVil.questhelpbest, c.best_after);
        EXPECT_STREQ(globqS.pendingText, c.pending);
        EXPECT_EQ(globqS.pendingFlag, c.pending_flag);
        EXPECT_EQ(globqS.accepted, c.accepted);
        EXPECT_EQ(globqS.rewardKind, c.reward_kind);
        EXPECT_EQ(globqS.rewardCount, c.reward_count);
        EXPECT_EQ(globqS.completionDay, c.completion);
        EXPECT_EQ(Cre[NPC].questexpiry, c.quest_kept ? c.completion : 0u) << "a dropped link forgets its day too";
        EXPECT_EQ(Cre[NPC].quest != 0, c.quest_kept);
        EXPECT_EQ(CANTCANCELCHAT != 0, c.cant_cancel);
        EXPECT_EQ(said("As you say."), strcmp(c.command, "[TALKLINE 3]") == 0) << heard;
    }
    // A line's text is said as written, never read as a format.
    memset(&globqS, 0, sizeof globqS);
    globqS.id = QID;
    Cre[NPC].quest = QID;
    line(4, "100%s sure %n%d.", "");
    heard.clear();
    NPCpuhe_talk("TALKLINE 4");
    EXPECT_TRUE(said("100%s sure %n%d.")) << heard;
}

// "QUEST INI": a pending "silence" says nothing; an accepted quest opens with its pending line; one not
// yet offered with line 0; a side role offers its opening line once it is open and her name is known.
TEST_F(QuestTalk, GreetingOpensTheRightLine) {
    struct Case {
        const char *what, *pending;
        uint8_t flag, accepted, side;
        const char *status;
        bool name_known;
        int result;
        const char *said, *offered;
    };
    const Case cases[] = {
        {"pending silence", "silence", 1, 1, 0, "", true, 0, "", ""},
        {"silence, no flag", "silence", 0, 0, 0, "", true, 0, "", ""},
        {"accepted", "TALKLINE 7", 0, 1, 0, "", true, 1, "Seven.", "[TALKLINE 8];"},
        {"pending flag", "TALKLINE 7", 1, 0, 0, "", true, 1, "Seven.", "[TALKLINE 8];"},
        {"not offered yet", "", 0, 0, 0, "", true, 1, "Zero.", "[TALKLINE 1];"},
        {"side role, not open", "", 0, 0, 1, "", true, 0, "", ""},
        {"side role, open", "", 0, 0, 1, "[ok]", true, 1, "", "[TALKLINE 2];"},
        {"side role, no name", "", 0, 0, 1, "[ok]", false, 0, "", ""},
        {"side role, no name needed", "", 0, 0, 1, "[ok][noname_ok]", false, 1, "", "[TALKLINE 2];"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        strcpy(globqS.pendingText, c.pending);
        globqS.pendingFlag = c.flag;
        globqS.accepted = c.accepted;
        globqS.sideRole = c.side;
        strcpy(globqS.statusTags, c.status);
        strcpy(globqS.olText, "Who sent me?|TALKLINE 2:Ah, you came.");
        line(0, "Zero.", "");
        option(0, 0, "Go on|TALKLINE 1", "");
        line(7, "Seven.", "");
        option(7, 0, "And?|TALKLINE 8", "");
        Cre[NPC].namebits = c.name_known ? 1 : 0;
        Cre[NPC].stateflags = SF_QUESTTALK;
        ClearChatOptStruct();
        heard.clear();
        EXPECT_EQ(NPCpuhe_quest("QUEST INI"), c.result);
        if (c.said[0]) {
            EXPECT_TRUE(said(c.said)) << heard;
        } else {
            EXPECT_EQ(heard, "");
        }
        EXPECT_EQ(offered(), c.offered);
        EXPECT_EQ(Cre[NPC].stateflags & SF_QUESTTALK, 0u);
    }
    // Without a quest id nothing is said.
    Cre[NPC].quest = 0;
    EXPECT_EQ(NPCpuhe_quest("QUEST INI"), 0);
}

// The greeting's small talk: "How is it going?" is left out when the quest's opening offered lines,
// whatever the person offered before it (a craft order asked after); a quest that offered nothing
// leaves it in.
TEST_F(QuestTalk, QuestLinesInTheGreetingLeaveOutHowItGoes) {
    const int bowl = item("Carved bowl", IT_TOOL, 5.0f);
    struct Case {
        const char *what;
        bool order;
        uint8_t side;
        const char *status;
        bool how;
    };
    const Case cases[] = {
        {"line 0 offered", false, 0, "", false},
        {"line 0 offered to one with a craft order", true, 0, "", false},
        {"opening line offered to one with a craft order", true, 1, "[ok]", false},
        {"nothing offered, a craft order", true, 1, "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        globqS.sideRole = c.side;
        strcpy(globqS.statusTags, c.status);
        strcpy(globqS.olText, "Who sent me?|TALKLINE 2:Ah, you came.");
        line(0, "Zero.", "");
        option(0, 0, "Go on|TALKLINE 1", "");
        Cre[NPC].quest = QID;
        Cre[NPC].questexpiry = 0;
        Cre[NPC].namebits = 1;
        Cre[NPC].craftstate = c.order ? 1 : 0;
        Cre[NPC].craftproduct = c.order ? (uint32_t)bowl : 0;
        Chat_Mode = CHAT_GREET;
        ClearChatOptStruct();
        Start_Conversation(1);
        EXPECT_EQ(offered().find("[HOW IS IT GOING]") != std::string::npos, c.how) << offered();
    }
}

// A side role not yet open to her by name: the greeting asks what brings her here once. Her learning
// his name, by asking it or by asking after him of himself, refills the greeting with his opening line,
// and the lines it answers leave: how it goes and the question after him, also when a later answer
// (her own name) refills it again.
TEST_F(QuestTalk, ASideRolesNameLearntRefillsTheGreetingWithoutItsAnsweredLines) {
    memset(&globqS, 0, sizeof globqS);
    globqS.id = QID;
    globqS.sideRole = 1;
    strcpy(globqS.statusTags, "[ok]");
    strcpy(globqS.olText, "Who sent me?|TALKLINE 2:Ah, you came.");
    ASSERT_TRUE(SaveQuest(&globqS));
    ASSERT_NE(Cre[NPC].socialid, 0u);
    char self[40];
    snprintf(self, sizeof self, "[NPC SOTU QUERY:%u]", Cre[NPC].socialid);
    TARGET_NPC = NPC;
    const std::string query = CHATMSG("GREET_QUERY");
    ASSERT_FALSE(query.empty());
    auto key_of = [](const char *tag) {
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && !strcmp(o.tag, tag)) return (int)o.key;
        return 0;
    };
    struct Case {
        const char *what;
        std::vector<const char *> picks;
    };
    const Case cases[] = {
        {"his name asked", {"[WHO ARE YOU]"}},
        {"asked after himself", {self}},
        {"his name asked, then hers told", {"[WHO ARE YOU]", "[INTRODUCE]"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Cre[NPC].namebits = 0;
        Cre[NPC].greetbits = 0;
        Cre[NPC].questexpiry = 0;
        ASSERT_TRUE(loadQuest(QID, globqS));
        Chat_Mode = CHAT_GREET;
        ClearChatOptStruct();
        heard.clear();
        Start_Conversation(0);
        size_t asked = 0;
        for (size_t at = heard.find(query); at != std::string::npos; at = heard.find(query, at + 1)) asked++;
        EXPECT_EQ(asked, 1u) << heard;
        EXPECT_NE(key_of("[HOW IS IT GOING]"), 0) << offered();
        for (const char *pick : c.picks) {
            const int key = key_of(pick);
            ASSERT_NE(key, 0) << pick << " in " << offered();
            chat_pick(key);
        }
        EXPECT_NE(key_of("[TALKLINE 2]"), 0) << offered();
        for (const char *gone : {"[HOW IS IT GOING]", "[WHO ARE YOU]", (const char *)self})
            EXPECT_EQ(key_of(gone), 0) << gone << " in " << offered();
        // The lines left are numbered from 1 without a gap.
        for (int i = 0; i < CHAT_OPTIONS && ChatOptions[i].text[0]; i++) EXPECT_EQ(ChatOptions[i].key, (uint32_t)('1' + i));
    }
}

// The condition slots: items lying near the player, a community's dead, fleeing and met members, an
// escortee that arrived, and a met slot queueing its talk line.
TEST_F(QuestTalk, ConditionsReadTheMapAndTheCommunity) {
    const int stone = item("Marked stone", IT_TOOL, 1.0f);
    ItemStruct marked = ObjToItem(stone);
    marked.magic = 7;
    const int stone7 = Esineesta_Uniikki(marked);
    constexpr uint32_t CLAN = 9100;
    struct Case {
        const char *what;
        uint8_t type, count, mark;
        int lying, lying_marked;            // item records near the player
        int dead, living, fleeing, met;     // members of the clan in the area
        uint8_t cond;
    };
    const Case cases[] = {
        {"two stones wanted, one lies", 1, 2, 0, 1, 0, 0, 0, 0, 0, 2},
        {"two stones lie", 1, 2, 0, 2, 0, 0, 0, 0, 0, 1},
        {"marked wanted, unmarked lie", 1, 1, 7, 2, 0, 0, 0, 0, 0, 2},
        {"marked wanted, marked lies", 1, 1, 7, 0, 1, 0, 0, 0, 0, 1},
        {"nothing lies", 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {"all dead", 4, 0, 0, 0, 0, 2, 0, 0, 0, 1},
        {"some dead", 4, 0, 0, 0, 0, 1, 2, 0, 0, 2},
        {"none dead", 4, 0, 0, 0, 0, 0, 2, 0, 0, 0},
        {"half flee", 2, 0, 0, 0, 0, 0, 4, 2, 0, 1},
        {"one of four flees", 2, 0, 0, 0, 0, 0, 4, 1, 0, 0},
        {"nobody on record", 2, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"one has met her", 3, 0, 0, 0, 0, 0, 2, 0, 1, 1},
        {"none has met her", 3, 0, 0, 0, 0, 0, 2, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM) Data[i].type = 0;
        for (int n = 10; n < 20; n++) memset(&Cre[n], 0, sizeof Cre[n]);
        for (int i = 0; i < c.lying; i++) place_record(DT_ITEM, PlayerX + 1, PlayerY + i, (uint32_t)stone);
        for (int i = 0; i < c.lying_marked; i++) place_record(DT_ITEM, PlayerX - 1, PlayerY + i, (uint32_t)stone7);
        int n = 10;
        auto member = [&](uint8_t mode, uint32_t visits) {
            Cre[n].kind = CK_HUMAN;
            Cre[n].community = CLAN;
            Cre[n].mode = mode;
            Cre[n].visits = visits;
            Cre[n].socialid = 7000u + (uint32_t)n;
            n++;
        };
        for (int i = 0; i < c.dead; i++) member(CM_CARCASS, 0);
        for (int i = 0; i < c.living; i++) member(i < c.fleeing ? 4 : 3, i < c.met ? 1u : 0u);
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        globqS.condType[1] = c.type;
        globqS.condCount[1] = c.count;
        globqS.condItemByte[1] = c.mark;
        globqS.condUid[1] = c.type == 1 ? 0 : CLAN;
        globqS.condLine[1] = 6;
        QuestCondMaint(&globqS);
        EXPECT_EQ(globqS.conditions[1], c.cond);
        EXPECT_STREQ(globqS.pendingText, c.cond == 1 ? "TALKLINE 6" : "");
        QuestStruct saved{};
        ASSERT_TRUE(loadQuest(QID, saved));
        EXPECT_EQ(saved.conditions[1], c.cond);
    }
    for (int n = 10; n < 20; n++) memset(&Cre[n], 0, sizeof Cre[n]);
    // An escortee that arrived; the developer's switch forces every slot.
    memset(&globqS, 0, sizeof globqS);
    globqS.id = QID;
    globqS.condType[0] = 6;
    Cre[NPC].stateflags = SF_ARRIVED;
    QuestCondMaint(&globqS);
    EXPECT_EQ(globqS.conditions[0], 1);
    Cre[NPC].stateflags = 0;
    DEBUG_KUESTILIPUT = 2;
    QuestCondMaint(&globqS);
    for (uint8_t v : globqS.conditions) EXPECT_EQ(v, 2);
}

// Deliveries to a quest and gifts to a villager: every unit leaves the player only when the person
// takes it, and the units of both add up to what she held; a gift's value decides the village's help.
TEST_F(QuestTalk, DeliveriesAndGiftsMoveExactlyTheCountedItems) {
    const int fish = item("Big fish", IT_FOOD, 2.0f, 1.0f);
    const int stone = item("Stone", IT_TOOL, 1.0f, 1.0f);
    struct Delivery {
        const char *what;
        int obj, count, given_before;
        uint8_t want_count;
        float want_weight;
        int result, taken;
        const char *said;
    };
    const Delivery deliveries[] = {
        {"not wanted", stone, 2, 0, 5, 0, 2, 0, "Umm, that is not what I want right now."},
        {"two of five", fish, 2, 0, 5, 0, 2, 2, "Good! And then 3 more and it's all done..."},
        {"the last three", fish, 3, 2, 5, 0, 1, 3, ""},
        {"more than held", fish, 9, 0, 5, 0, 2, 0, ""},
        {"weight, short", fish, 2, 0, 0, 3.0f, 2, 2, "Good! But this is not all I want."},
        {"weight, one delivery's worth left", fish, 1, 2, 0, 3.0f, 1, 1, ""},
    };
    for (const Delivery &d : deliveries) {
        SCOPED_TRACE(d.what);
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        globqS.questMode = 1;
        globqS.accepted = 1;
        strcpy(globqS.fetchPattern, "*fish");
        globqS.fetchCount = d.want_count;
        globqS.fetchCountGiven = (uint8_t)(d.want_count ? d.given_before : 0);
        globqS.fetchWeight = d.want_weight;
        globqS.fetchWeightGiven = d.want_weight > 0 ? (float)d.given_before : 0.0f;
        memset(Cre[NPC].pack, 0, sizeof Cre[NPC].pack);
        memset(Cre[NPC].packcount, 0, sizeof Cre[NPC].packcount);
        hold(d.obj, 4);
        heard.clear();
        EXPECT_EQ(QuestDelivery(0, d.count), d.result);
        EXPECT_EQ(npc_units(), d.taken);
        EXPECT_EQ(plr_units(d.obj) + npc_units(), 4);
        if (d.said[0]) {
            EXPECT_TRUE(said(d.said)) << heard;
        }
    }
    // A person who can carry nothing more takes nothing.
    Cre[NPC].weight = 1.0f;
    hold(fish, 4);
    memset(Cre[NPC].pack, 0, sizeof Cre[NPC].pack);
    globqS.fetchCount = 5;
    globqS.fetchCountGiven = 0;
    globqS.fetchWeight = 0;
    EXPECT_EQ(QuestDelivery(0, 2), 2);
    EXPECT_EQ(plr_units(fish), 4);
    Cre[NPC].weight = 70.0f;

    // Gifts to a villager without a quest.
    Cre[NPC].quest = 0;
    struct Gift {
        float price;
        int count;
        int help;
        const char *key;
    };
    const Gift gifts[] = {{16.0f, 1, 0, "DELIVER_GENERAL"}, {16.5f, 1, 1, "DELIVER_HELP"}, {8.0f, 2, 0, "DELIVER_GENERAL:many"},
                          {8.5f, 2, 1, "DELIVER_HELP:many"}, {250.0f, 1, 2, "DELIVER_HELP"}, {500.0f, 1, 5, "DELIVER_HELP"},
                          {900.0f, 1, 6, "DELIVER_HELP"}};
    for (const Gift &g : gifts) {
        SCOPED_TRACE(std::to_string(g.price) + " x" + std::to_string(g.count));
        const int ring = item("Ring", IT_VALUABLE, g.price, 0.1f);
        memset(Cre[NPC].pack, 0, sizeof Cre[NPC].pack);
        memset(Cre[NPC].packcount, 0, sizeof Cre[NPC].packcount);
        GetNpcVil(SOC);
        NpcVil.deliveries = 0;
        hold(ring, 3);
        heard.clear();
        deliver_item(0, g.count);
        EXPECT_EQ(NpcVil.deliveries, g.help);
        EXPECT_EQ(npc_units(), g.count);
        EXPECT_EQ(plr_units(ring) + npc_units(), 3);
        const std::string text = CHATMSG(g.key);
        ASSERT_FALSE(text.empty());
        EXPECT_TRUE(said(text.c_str())) << heard;
    }
}

// The reward of a line: an item into her pack, credit at the village; a craft order and the person's
// answers about it; healing by a person who thinks well enough of her.
TEST_F(QuestTalk, RewardsCraftOrdersAndHealing) {
    const int knife = item("Fine knife", IT_TOOL, 30.0f);
    hold(0, 0);
    GetNpcVil(SOC);
    const float credit = NpcVil.credit;
    globqS.rewardItem = (uint32_t)knife;
    globqS.rewardCount = 3;
    line(25, "Take these.", "[credit reward:20] [claim reward] [claim craft]");
    globqS.craftOrder[0] = (uint32_t)knife;
    NPCpuhe_talk("TALKLINE 25");
    // "[credit reward:20]" acts first: the count of the item handed over is the 20 of the credit.
    int held = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] > 0) held += Plr.inv_count[s];
    EXPECT_EQ(held, 20);
    EXPECT_FLOAT_EQ(NpcVil.credit, credit + 160.0f);
    EXPECT_TRUE(said("Thus, 20 squirrel hides worth of our goods")) << heard;
    EXPECT_EQ(Cre[NPC].craftstate, 1);
    EXPECT_EQ(Cre[NPC].craftproduct, (uint32_t)knife);

    struct Order {
        uint8_t state;
        uint8_t record;   // 0 none, DT_WORK, DT_ITEM
        const char *said;
        bool told;
    };
    const Order orders[] = {
        {1, 0, "Just fine. Rushing doesn't help, though.", false},
        {1, DT_WORK, "I'm working on it. Come ask again", false},
        {2, DT_WORK, "It's ready. I left it around", true},
        {2, DT_ITEM, "It's ready and you can go get it.", true},
        {2, 0, "It's ready. I left it around", true},
    };
    for (const Order &o : orders) {
        SCOPED_TRACE(std::to_string(o.state) + " " + std::to_string(o.record));
        for (int i = 0; i < DATA_MAX; i++)
            if ((Data[i].type == DT_WORK || Data[i].type == DT_ITEM) && Data[i].id == (uint32_t)knife) Data[i].type = 0;
        if (o.record) place_record(o.record, PlayerX + 3, PlayerY, (uint32_t)knife);
        Cre[NPC].craftstate = o.state;
        Cre[NPC].craftflags = 0;
        heard.clear();
        RunParser("[CRAFT ORDER QUERY]");
        EXPECT_TRUE(said(o.said)) << heard;
        EXPECT_EQ(Cre[NPC].craftflags != 0, o.told);
    }

    // Healing: refused below level 3, else every wound is treated and the talk ends.
    for (uint8_t level : {2, 4}) {
        SCOPED_TRACE((int)level);
        TARGET_REPSUMMARY.overall = level;
        WoundSlot cut{}, flu{}, treated{};
        cut.kind = WK_CUT;
        flu.kind = ILL_INFLUENZA;
        treated.kind = WK_BLUNT;
        treated.treatment = 4;
        wound_put(-1, 0, cut);
        wound_put(-1, 1, flu);
        wound_put(-1, 2, treated);
        QUIT = 0;
        RunParser("[HEALING]");
        WoundSlot w[3];
        for (int s = 0; s < 3; s++) wound_get(-1, s, w[s]);
        if (level < 3) {
            EXPECT_EQ(w[0].treatment, 0);
            EXPECT_EQ(QUIT, 0);
        } else {
            EXPECT_GE(w[0].treatment, 2);
            EXPECT_LE(w[0].treatment, 4);
            EXPECT_EQ(w[1].treatment, 2);
            EXPECT_EQ(w[2].treatment, 5);
            EXPECT_EQ(QUIT, 1);
        }
        for (int s = 0; s < 3; s++) wound_put(-1, s, WoundSlot{});
    }
}

// Activity 70: a giver with the quest-talk bit walks to her and opens the talk beside her while the
// offer is fresh or taken; without the bit, or with a stale offer, it gives up.
TEST_F(QuestTalk, AGiverComesToTalk) {
    Plr.daynumber = 50;
    struct Case {
        const char *what;
        bool bit;
        int dx;
        uint32_t created;
        uint8_t accepted;
        bool keeps, talked, bit_after;
    };
    const Case cases[] = {
        {"no quest-talk bit", false, 1, 50, 0, false, false, false},
        {"two squares away", true, 3, 50, 0, true, false, true},
        {"beside her, fresh", true, 1, 45, 0, true, true, false},
        {"beside her, stale", true, 1, 40, 0, false, false, false},
        {"beside her, stale but taken", true, 1, 40, 1, true, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const int dp = villager(NPC, PlayerX + c.dx, PlayerY, true);
        Cre[NPC].weight = 70.0f;
        Cre[NPC].quest = QID;
        Cre[NPC].questexpiry = 0;
        Cre[NPC].stateflags = c.bit ? (uint32_t)SF_QUESTTALK : 0u;
        memset(Cre[NPC].Puuha, 0, sizeof Cre[NPC].Puuha);
        memset(Cre[NPC].PuuhaTila, 0, sizeof Cre[NPC].PuuhaTila);
        Cre[NPC].Puuha[0] = 70;
        Cre[NPC].PuuhaAika[0] = 30;
        QuestStruct q{};
        q.id = QID;
        q.createdDay = 1;
        q.createdDayNumber = c.created;
        q.accepted = c.accepted;
        strcpy(q.pendingText, c.accepted ? "TALKLINE 2" : "");
        strcpy(q.talk[0].npcText, "I have a task for you.");
        strcpy(q.talk[2].npcText, "How goes the task?");
        SaveQuest(&q);
        memset(&globqS, 0, sizeof globqS);
        Tee_Puuha(dp);
        EXPECT_EQ(Cre[NPC].Puuha[0] == 70, c.keeps);
        QuestStruct back{};
        ASSERT_TRUE(loadQuest(QID, back));
        EXPECT_EQ(back.talk[0].said || back.talk[2].said, c.talked);
        EXPECT_EQ((Cre[NPC].stateflags & SF_QUESTTALK) != 0, c.bit_after);
        RemoveQuest(QID);
    }
}

// The small talk reads another person's quest: news of an offer not yet taken, and the question
// after a person whose quest she took; a pending "silence" keeps the person out of it, and an offer
// closed at a day's upkeep is no news.
TEST_F(QuestTalk, TheSmallTalkReadsOtherPeoplesQuests) {
    constexpr int GIVER = 2;
    villager(GIVER, PlayerX - 2, PlayerY, true);
    strcpy(Cre[GIVER].pname, "Ilmari");
    Cre[GIVER].namebits = 1;
    Cre[GIVER].socialid = 4242;
    Cre[GIVER].quest = OTHER;
    Cre[NPC].quest = 0;
    struct Case {
        uint8_t accepted;
        const char *pending, *offered, *said;
        bool closed;
    };
    const Case cases[] = {
        {1, "TALKLINE 2", "[NPC SOTU QUERY:4242]", "", false},
        {1, "silence", "", "", false},
        {0, "", "[NPC SOTU QUERY:4242]", "needs help with herbs", false},
        {0, "", "", "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pending);
        QuestStruct q{};
        q.id = OTHER;
        q.generated = 1;
        q.accepted = c.accepted;
        strcpy(q.pendingText, c.pending);
        strcpy(q.subject, "herbs");
        q.newsKind[0] = 1;
        SaveQuest(&q);
        if (c.closed) RemoveQuest(OTHER);
        ClearChatOptStruct();
        smalltalk_trace_clear();
        heard.clear();
        if (c.accepted) FindPeople();
        else KysyKuulumiset();
        EXPECT_EQ(offered().find("SOTU QUERY") != std::string::npos, c.offered[0] != 0) << offered();
        if (c.offered[0]) {
            EXPECT_NE(offered().find(c.offered), std::string::npos);
        }
        if (c.said[0]) {
            EXPECT_TRUE(said(c.said)) << heard;
        }
    }
}

}  // namespace

// The quest record's side of the talk: a line to be confirmed does nothing until picked again, and
// a delivery quest points out an item in sight only once it was taken on, and only within 49 squares.
class QuestTagContract : public QuestTalk {};

TEST_F(QuestTagContract, ConfirmedLinesAndDeliveryHints) {
    struct Pick {
        const char *tags;
        bool oops;
        uint8_t accepted_after_first, accepted_after_second;
        bool coded_kept;
    };
    const Pick picks[] = {
        {"[confirmopt][accept]", false, 0, 1, true},
        {"[confirmopt][accept]", true, 0, 0, true},
        {"[confirmopt][once]", false, 0, 0, false},
        {"[confirmopt][once]", true, 0, 0, true},
    };
    for (const Pick &p : picks) {
        SCOPED_TRACE(std::string(p.tags) + (p.oops ? " taken back" : " confirmed"));
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        option(3, 0, "Count me in|TALKLINE 4:Good.", p.tags);
        CHAT_CONFIRM = 0;
        ClearChatOptStruct();
        AddCodedChatOption(globqS.talk[3].options[0].coded, 3, 0);
        chat_pick('1');
        EXPECT_EQ(CHAT_CONFIRM, 1);
        EXPECT_EQ(globqS.accepted, p.accepted_after_first);
        EXPECT_NE(globqS.talk[3].options[0].coded[0], 0);
        chat_pick(p.oops ? '1' : '2');
        EXPECT_EQ(globqS.accepted, p.accepted_after_second);
        EXPECT_EQ(globqS.talk[3].options[0].coded[0] != 0, p.coded_kept);
    }

    const int pot = item("Clay pot", IT_TOOL, 1.0f);
    struct Hint {
        const char *what;
        uint8_t accepted, tip;
        int dx;
        bool hinted;
    };
    const Hint hints[] = {
        {"accepted, 49 away", 1, 0, 49, true},
        {"accepted, 50 away", 1, 0, 50, false},
        {"only a tip", 0, 1, 49, false},
    };
    // The pot lies beside the giver; the player stands dx squares from it.
    const int px = PlayerX;
    for (const Hint &h : hints) {
        SCOPED_TRACE(h.what);
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM) Data[i].type = 0;
        place_record(DT_ITEM, px + 3, PlayerY, (uint32_t)pot);
        PlayerX = px + 3 - h.dx;
        Cre[NPC].Suunta = -1;
        Cre[NPC].questexpiry = 0;
        memset(&globqS, 0, sizeof globqS);
        globqS.id = QID;
        globqS.questMode = 1;
        globqS.accepted = h.accepted;
        globqS.fetchTip = h.tip;
        globqS.pendingFlag = 1;
        strcpy(globqS.fetchPattern, "Clay pot");
        strcpy(globqS.pendingText, "TALKLINE 6");
        line(6, "Well?", "");
        ClearChatOptStruct();
        heard.clear();
        EXPECT_EQ(NPCpuhe_quest("QUEST INI"), 1);
        EXPECT_NE(offered().find("[DELIVER]"), std::string::npos);
        EXPECT_EQ(said("Could it be that the"), h.hinted) << heard;
    }
    PlayerX = px;
}
