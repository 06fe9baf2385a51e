// The talk with a villager of a prepared village: the lines offered to the player, the command tags,
// the picks of the option loop, the chat-mode menu, and a talk played with scripted keys.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/harness.h"
#include "creatures/village_fixture.h"
#include "maps/picker.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/trade.h"

namespace {

class Chat : public VillageTest {
protected:
    oxatest::NoScreen *noscreen = nullptr;
    static constexpr int NPC = 1;
    void SetUp() override {
        VillageTest::SetUp();
        noscreen = new oxatest::NoScreen();
        villager(NPC, PlayerX + 2, PlayerY, true);
        Chatting_With = NPC;
        Chat_Mode = CHAT_GREET;
        QUIT = EXIT_CHAT = 0;
        CANTCANCELCHAT = 0;
        CHAT_CONFIRM = 0;
        Trade_Phase = 0;
        Trade_Status = 0;
        ClearChatOptStruct();
        Make_Animal_List();
        memset(&globqS, 0, sizeof globqS);
    }
    void TearDown() override {
        ui_script_clear();
        Chatting_With = -1000;
        delete noscreen;
        VillageTest::TearDown();
    }
    int used_slots() {
        int n = 0;
        for (const ChatOptStruct &o : ChatOptions) n += o.text[0] != 0;
        return n;
    }
    // The talk screen's menu answers the scripted keys (false while it stands in answering ESC).
    bool menu_takes_keys() {
        const int keys[] = {'X'};
        ui_script_keys(keys, 1);
        TalkMenuLine l{'X', "X.x"};
        const int k = Talk_Menu(TALK_MENU_OPTIONS, "test", &l, 1);
        ui_script_clear();
        return k == 'X';
    }
};

// Options: the same tag with no reply is one line, a talk line's tag is not, an eleventh line has no
// room; coded lines are cut into their fields and never read as a format.
TEST_F(Chat, OptionsAreMergedCodedAndBounded) {
    struct Case {
        const char *what;
        const char *lines[12][2];   // text, tag (the coded line in text when the tag is nullptr)
        int slots;
        const char *text0, *tag0, *reply0;
    };
    const std::string longline(300, 'x');
    const Case cases[] = {
        {"same tag, no reply", {{"\"Hi\"", "[HOW IS IT GOING]"}, {"\"Hello\"", "[HOW IS IT GOING]"}}, 1, "1.\"Hi\"", "[HOW IS IT GOING]", ""},
        {"talk lines differ", {{"\"A\"", "[TALKLINE 2]"}, {"\"B\"", "[TALKLINE 2]"}}, 2, "1.\"A\"", "[TALKLINE 2]", ""},
        {"coded", {{"Yes|TALKLINE 4:Good.", nullptr}}, 1, "1.\"Yes\"", "[TALKLINE 4]", "Good."},
        {"coded, quoted already", {{"\"No\"|BYE:Fine", nullptr}}, 1, "1.\"No\"", "[BYE]", "Fine"},
        {"coded without a bar", {{"Nothing here:at all", nullptr}}, 0, "", "", ""},
        {"coded, a format", {{"%s%n%s|%n%s:%s%n", nullptr}}, 1, "1.\"%s%n%s\"", "[%n%s]", "%s%n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ClearChatOptStruct();
        for (const auto &l : c.lines) {
            if (!l[0]) break;
            if (l[1]) AddChatOption(0, l[0], l[1]);
            else AddCodedChatOption(l[0], 3, 1);
        }
        EXPECT_EQ(used_slots(), c.slots);
        EXPECT_STREQ(ChatOptions[0].text, c.text0);
        EXPECT_STREQ(ChatOptions[0].tag, c.tag0);
        EXPECT_STREQ(ChatOptions[0].reply, c.reply0);
        if (c.slots && !c.lines[0][1]) {
            EXPECT_EQ(ChatOptions[0].questline, 3);
        }
    }
    // Ten lines fill the table; the eleventh is refused.
    ClearChatOptStruct();
    for (int i = 0; i < CHAT_OPTIONS; i++) EXPECT_EQ(AddChatOption(0, "\"x\"", ("[T" + std::to_string(i) + "]").c_str()), i);
    EXPECT_EQ(AddChatOption(0, "\"x\"", "[ELEVENTH]"), -1000);
    // Over-long coded lines stay inside their fields.
    ClearChatOptStruct();
    const std::string coded = longline + "|" + longline + ":" + longline;
    AddCodedChatOption(coded.c_str(), -1000, -1000);
    EXPECT_LT(strlen(ChatOptions[0].text), sizeof ChatOptions[0].text);
    EXPECT_LT(strlen(ChatOptions[0].tag), sizeof ChatOptions[0].tag);
    EXPECT_EQ(strlen(ChatOptions[0].reply), 150u);
    EXPECT_EQ(ChatOptions[0].tag[strlen(ChatOptions[0].tag) - 1], ']');
    // A menu action is not spoken; a quoted line is.
    EXPECT_EQ(chat_player_words("1.Offer an item"), nullptr);
    EXPECT_STREQ(chat_player_words("2.\"How is it going?\""), "\"How is it going?\"");
    EXPECT_EQ(chat_player_words("3."), nullptr);
}

// Tags: "[BYE]" ends at once, an animal slot "#n" only inside the list, "[NODEAL]" and "[I WONT PAY]".
TEST_F(Chat, TagsRunTheirTopic) {
    Animal[2] = 5;
    AnimalPrice[2] = 40.0f;
    strcpy(AnimalDesc[2], "a big sheep");
    struct Case {
        const char *tag;
        int mode;
        int phase, status, quit, newmode;
        float price;
    };
    const Case cases[] = {
        {"[BYE]", CHAT_TRADE, 0, 1000, 1, CHAT_TRADE, 5.0f},
        {"[GOODBYE]", CHAT_GREET, 0, 1000, 1, CHAT_GREET, 5.0f},
        {"#2", CHAT_BUY_ANIMAL, 1, 0, 0, CHAT_BUY_ANIMAL, 40.0f},
        {"#7", CHAT_BUY_ANIMAL, 0, 0, 0, CHAT_BUY_ANIMAL, 5.0f},
        {"#-1", CHAT_BUY_ANIMAL, 0, 0, 0, CHAT_BUY_ANIMAL, 5.0f},
        {"#2x", CHAT_BUY_ANIMAL, 0, 0, 0, CHAT_BUY_ANIMAL, 5.0f},
        {"#0", CHAT_BUY_ANIMAL, 0, 0, 0, CHAT_BUY_ANIMAL, 5.0f},   // an empty slot
        {"[NODEAL]", CHAT_TRADE, 0, 0, 0, CHAT_TRADE, 5.0f},
        {"[NODEAL]", CHAT_PAY_DEBT, 0, 0, 0, CHAT_GREET, 5.0f},
        {"[DIRECTIONS]", CHAT_GREET, 0, 0, 0, CHAT_DIRECTIONS, 5.0f},
        {"[I WONT PAY]", CHAT_PAY_DEBT, 0, 0, 0, CHAT_GREET, 5.0f},
        {"[EXIT]", CHAT_TRADE, 0, 0, 0, CHAT_TRADE, 0.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tag);
        Chat_Mode = c.mode;
        Trade_Phase = 0;
        Trade_Price = 5.0f;
        Trade_Status = 0;
        QUIT = 0;
        Trade_ItemList[0] = 99;
        ClearChatOptStruct();
        RunParser(c.tag);
        EXPECT_EQ(Trade_Phase, c.phase);
        EXPECT_EQ(Trade_Status, c.status);
        EXPECT_EQ(QUIT, c.quit);
        EXPECT_EQ(Chat_Mode, c.newmode);
        EXPECT_FLOAT_EQ(Trade_Price, c.price);
    }
    EXPECT_EQ(Trade_ItemList[0], 99);   // "[EXIT]" left the slots as they were; "[NODEAL]" cleared them before
    RunParser("[NODEAL]");
    EXPECT_EQ(Trade_ItemList[0], 0);
    EXPECT_EQ(Trade_DebtCheck[0], -1000);
    RunParser("[I WONT PAY]");
    EXPECT_STREQ(ChatOptions[0].tag, "[RESTART PAYDEBT]");
    EXPECT_STREQ(ChatOptions[1].tag, "[I STEAL]");
    EXPECT_STREQ(Trade_Item, "a big sheep");
}

// The trade opening with a village the player owes: only the payment is offered and the mode turns
// to greeting; a stoppage with a debt turns to the debt talk, which ends at once; a stoppage whose
// day has come is lifted.
TEST_F(Chat, TradeOpensOnTheVillagesDebtAndStoppage) {
    struct Case {
        const char *what;
        uint8_t hasdebt, ban;
        uint32_t banday;
        int mode, options;
        uint8_t ban_after;
    };
    const Case cases[] = {
        {"a debt", 1, 0, 0, CHAT_GREET, 1, 0},
        {"stopped, a debt", 1, 1, 900, CHAT_STARTED, 0, 1},
        {"stopped until today", 0, 1, 400, CHAT_TRADE, 0, 0},
        {"no debt", 0, 0, 0, CHAT_TRADE, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(&NpcVil, 0, sizeof NpcVil);
        NpcVil.socid = SOC;
        NpcVil.hasdebt = c.hasdebt;
        NpcVil.tradeban = c.ban;
        NpcVil.tradeban_day = c.banday;
        Chat_Mode = CHAT_TRADE;
        QUIT = EXIT_CHAT = 0;
        ClearChatOptStruct();
        Start_Conversation(0);
        EXPECT_EQ(Chat_Mode, c.mode);
        EXPECT_EQ(used_slots(), c.options);
        if (c.options) {
            EXPECT_STREQ(ChatOptions[0].tag, "[PAY DEBT]");
        }
        EXPECT_EQ(NpcVil.tradeban, c.ban_after);
        if (c.mode == CHAT_STARTED) {
            EXPECT_EQ(NPC_Asia, ASIA_DEBT);
            EXPECT_EQ(EXIT_CHAT, 1);
            EXPECT_TRUE(NpcVil.flags & 0x4000);
        }
    }
}

// Each name is asked and told only once: the answered line leaves the greeting's lines.
TEST_F(Chat, AnsweredNamesLeaveTheGreeting) {
    auto offers = [&](const char *tag) {
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && !strcmp(o.tag, tag)) return true;
        return false;
    };
    Start_Conversation(0);
    ASSERT_TRUE(offers("[WHO ARE YOU]"));
    ASSERT_TRUE(offers("[INTRODUCE]"));
    const struct { const char *pick; bool who, introduce; } picks[] = {
        {"[WHO ARE YOU]", false, true},
        {"[INTRODUCE]", false, false},
    };
    for (const auto &p : picks) {
        SCOPED_TRACE(p.pick);
        RunParser(p.pick);
        EXPECT_EQ(offers("[WHO ARE YOU]"), p.who);
        EXPECT_EQ(offers("[INTRODUCE]"), p.introduce);
        EXPECT_TRUE(offers("[HOW IS IT GOING]"));
        // The lines left are numbered from 1 without a gap.
        for (int i = 0; i < used_slots(); i++) {
            EXPECT_EQ(ChatOptions[i].key, (uint32_t)('1' + i));
            EXPECT_EQ(ChatOptions[i].text[0], (char)('1' + i));
        }
    }
}

// The option loop's picks: a "[confirmopt]" quest line needs two picks, the "Oops" line takes it
// back, "[once]" spends the line, "0" resets a trade and stays in the talk, ESC ends it.
TEST_F(Chat, PicksConfirmResetAndEnd) {
    Cre[NPC].quest = 77;
    QuestStruct q{};
    q.id = 77;
    strcpy(q.talk[3].options[0].coded, "I will fight you|TALKLINE 4:So be it.");
    strcpy(q.talk[3].options[0].optionTags, "[confirmopt][befoe]");
    strcpy(q.talk[3].options[1].coded, "Once only|TALKLINE 5:Once.");
    strcpy(q.talk[3].options[1].optionTags, "[once]");
    SaveQuest(&q);
    ASSERT_TRUE(loadQuest(77, globqS));

    struct Case {
        const char *what;
        bool oops;     // the second pick takes the line back
    };
    for (const Case &c : {Case{"confirmed", false}, Case{"taken back", true}}) {
        SCOPED_TRACE(c.what);
        Cre[NPC].foeship = 0;
        ClearChatOptStruct();
        AddCodedChatOption(globqS.talk[3].options[0].coded, 3, 0);
        LAST_TALKNUM = 3;
        EXPECT_EQ(chat_pick('1'), 0);
        EXPECT_EQ(CHAT_CONFIRM, 1);
        EXPECT_EQ(Cre[NPC].foeship, 0);
        EXPECT_STREQ(ChatOptions[0].tag, "[REPEAT LAST TALK]");
        EXPECT_STREQ(ChatOptions[1].tag, "[TALKLINE 4]");
        EXPECT_EQ(ChatOptions[1].key, (uint32_t)'2');   // not the Oops line's key
        EXPECT_EQ(chat_pick(c.oops ? '1' : '2'), 0);
        EXPECT_EQ(CHAT_CONFIRM, 0);
        EXPECT_EQ(Cre[NPC].foeship != 0, !c.oops);
    }
    ClearChatOptStruct();
    AddCodedChatOption(globqS.talk[3].options[1].coded, 3, 1);
    chat_pick('1');
    QuestStruct back{};
    ASSERT_TRUE(loadQuest(77, back));
    EXPECT_EQ(back.talk[3].options[1].coded[0], 0);

    // A line the table does not hold changes nothing.
    ClearChatOptStruct();
    AddChatOption(0, "\"x\"", "[HOW IS IT GOING]");
    EXPECT_EQ(chat_pick('7'), 0);
    EXPECT_EQ(QUIT, 0);
    for (int key : {(int)'0', (int)KEY_ESC}) {
        SCOPED_TRACE(key);
        Trade_Phase = 1;
        Trade_Price = 30.0f;
        Trade_ItemLoop = 3;
        QUIT = EXIT_CHAT = 0;
        EXPECT_EQ(chat_pick(key), key == KEY_ESC);
        EXPECT_EQ(Trade_Phase, 0);
        EXPECT_FLOAT_EQ(Trade_Price, 0.0f);
        EXPECT_EQ(Trade_ItemLoop, 0);
        EXPECT_EQ(Trade_Status, 1000);
        EXPECT_EQ(QUIT, 1);
        EXPECT_EQ(EXIT_CHAT, key == 27);
    }
}

// The chat-mode menu offers "B.Buy an animal" only in a village and not to a companion; a talk that
// can't be cancelled still ends when no key comes; a number out of range opens no talk.
TEST_F(Chat, ModeMenuAndAClosedKeySource) {
    struct Case {
        int square;
        bool companion, buy;
    };
    for (const Case &c : {Case{210, false, true}, Case{210, true, false}, Case{CH_GROUND, false, false}}) {
        SCOPED_TRACE(c.square * 10 + c.companion);
        put_world(PlayerX, PlayerY, c.square);
        Cre[NPC].partyflags = c.companion ? 256 : 0;
        TalkMenuLine lines[16];
        const int n = chat_mode_lines(lines);
        std::string keys;
        for (int i = 0; i < n; i++) keys += lines[i].key > 0 && lines[i].key < 128 ? (char)lines[i].key : '-';
        EXPECT_EQ(keys, c.buy ? "GACHDTB-\x1b" : "GACHDT-\x1b");
    }
    Cre[NPC].partyflags = 0;
    Cre[NPC].memberbits = 0;   // asking after a companion marks it away from the village

    // The debt payment at collection level 2 can't be cancelled; with the key source closed the
    // talk still ends.
    GetGlobVil(SOC);
    globVil.reclaimlevel = 2;
    SaveGlobVil();
    Chat_Mode = CHAT_PAY_DEBT;
    Trade_Phase = 1;
    ui_script_clear();
    EXPECT_EQ(Execute_Talk(), 1);
    EXPECT_EQ(CANTCANCELCHAT, 1);

    for (int bad : {-1, 500, 100000, -1000}) {
        Chatting_With = bad;
        EXPECT_EQ(Execute_Talk(), 1);
        npc_talkstart_debtissue(bad);
        Init_Talk_NPC(bad, ASIA_DEBT);
        Do_Talk(8);
    }
}

// Played: "C" before the villager, "G.Greet", "0" back to the modes, "T.Trade items" answers in one
// line and the menu returns, ESC ends the talk with the map as it was.
TEST_F(Chat, PlayedGreetBackAndExit) {
    if (!menu_takes_keys()) GTEST_SKIP() << "the talk screen's menu does not read keys here";
    put_world(PlayerX, PlayerY, 210);
    PlayerView();
    picker_reset();
    // ESC in the options ends the whole talk as ESC in the modes does.
    const std::vector<int> scripts[] = {{KEY_ENTER, 'G', '0', 'T', KEY_ESC}, {KEY_ENTER, 'G', KEY_ESC}};
    for (const auto &keys : scripts) {
        SCOPED_TRACE(keys.size());
        ui_script_keys(keys.data(), (int)keys.size());
        Do_Talk(0);
        EXPECT_EQ(ui_script_left(), 0);
        EXPECT_EQ(Chatting_With, NPC);
        EXPECT_EQ(DISABLE_MAP, 0);
        EXPECT_EQ(EXIT_CHAT, 1);
    }
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.talks, 2);
}

}  // namespace
