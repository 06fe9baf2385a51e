// Small talk: the greeting by the hour and after an absence, names, how things go, the way to
// villages and lakes by how well the person knows the land, and asking after people.
#include "society/smalltalk.h"

#include <string>
#include <vector>

#include "creatures/village_fixture.h"
#include "society/chat.h"
#include "society/reputation.h"
#include "maps/mapunit.h"

class SmalltalkTest : public VillageTest {
protected:
    static constexpr int AILA = 1;
    void SetUp() override {
        VillageTest::SetUp();
        villager(AILA, 234, 232, true);
        strcpy(Cre[AILA].pname, "Aila");
        Cre[AILA].role = 14;
        Cre[AILA].socialid = 7001;
        Chatting_With = AILA;
        GetNpcVil(SOC);
        memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
        smalltalk_trace_clear();
    }
    void TearDown() override {
        Chatting_With = CRE_NONE;
        VillageTest::TearDown();
    }
    static std::string chat(const char *key) {
        TARGET_NPC = AILA;
        return CHATMSG(key);
    }
    static std::vector<std::string> said() {
        return std::vector<std::string>(smalltalk_trace.said, smalltalk_trace.said + smalltalk_trace.said_count);
    }
    static std::vector<std::string> offered() {
        const SmalltalkTrace &t = smalltalk_trace;
        return std::vector<std::string>(t.offered_tag, t.offered_tag + t.offered_count);
    }
};

TEST_F(SmalltalkTest, GreetingFollowsTheHourAndTheAbsence) {
    villager(2, 230, 232, true);
    Cre[2].partyflags = 256;   // a companion
    struct { int hour, who; const char *key; } hours[] = {
        {4, AILA, "GREET_NIGHT"}, {5, AILA, "GREET_MORNING"}, {9, AILA, "GREET_MORNING"}, {10, AILA, "GREET"},
        {21, AILA, "GREET"}, {22, AILA, "GREET_NIGHT"}, {0, AILA, "GREET_NIGHT"}, {5, 2, "GREET"}, {22, 2, "GREET"},
    };
    for (auto &h : hours) {
        Plr.hour = (uint8_t)h.hour;
        EXPECT_EQ(chats_TimeBasedGreeting(h.who), chat(h.key)) << h.hour << " " << h.who;
    }
    EXPECT_NE(chat("GREET"), chat("GREET_MORNING"));
    EXPECT_NE(chat("GREET"), chat("GREET_NIGHT"));
    struct { int days, who; const char *key; } gaps[] = {
        {0, AILA, nullptr}, {4, AILA, nullptr}, {5, AILA, "GREET_LONG_TIME"}, {30, AILA, "GREET_LONG_TIME"},
        {31, AILA, "GREET_LONGER_TIME"}, {31, 2, nullptr},
    };
    for (auto &g : gaps) EXPECT_EQ(chats_MeetGapRemark(g.who, g.days), g.key ? chat(g.key) : "") << g.days;
}

TEST_F(SmalltalkTest, GreetingInTalkOncePerMeetingWithTheRemarkForFamiliarPeople) {
    Plr.hour = 12;
    struct { int fam, gap; const char *tags; const char *remark; bool query; } cases[] = {
        {0, 31, "", nullptr, true},
        {1, 31, "", nullptr, true},
        {2, 31, "", "GREET_LONGER_TIME", true},
        {2, 4, "", nullptr, true},
        {3, 5, "[questmode]", "GREET_LONG_TIME", false},   // no quest loads: no side line to ask about
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.fam * 100 + c.gap);
        Cre[AILA].greetbits = 0;
        NpcVil.visitgap = (uint16_t)c.gap;
        TARGET_REPSUMMARY.familiarity_level = (uint8_t)c.fam;
        smalltalk_trace_clear();
        NPCpuhe_tervehdys(c.tags);
        std::vector<std::string> expect = {chat("GREET")};
        if (c.remark) expect.push_back(chat(c.remark));
        if (c.query) expect.push_back(chat("GREET_QUERY"));
        EXPECT_EQ(said(), expect);
        EXPECT_EQ(Cre[AILA].greetbits, MEET_GREETED | GREET_DONE);
        // Greeted again in the same meeting: only the question.
        smalltalk_trace_clear();
        NPCpuhe_tervehdys("");
        EXPECT_EQ(said(), std::vector<std::string>{chat("GREET_QUERY")});
        EXPECT_TRUE(offered().empty());
    }
    // One who is owed goods for its services says so and asks for them.
    set_compword(AILA, CF_OWING);
    smalltalk_trace_clear();
    NPCpuhe_tervehdys("");
    EXPECT_EQ(said().back(), "You owe me some goods for my services.");
    EXPECT_EQ(offered(), std::vector<std::string>{"[DELIVER]"});
    EXPECT_STREQ(smalltalk_trace.offered_text[0], "\"I have something for you...\"");
}

TEST_F(SmalltalkTest, NamesAndHowItGoes) {
    // A name that fills its field, followed by other bytes, and one that looks like a format.
    const char *names[] = {"Aila", "Kyllikki-Maaria.", "%s%n%d"};
    for (const char *name : names) {
        memset(Cre[AILA].pname, 0, sizeof Cre[AILA].pname);
        memcpy(Cre[AILA].pname, name, strlen(name));
        Cre[AILA].hideskill = 'Z';
        Cre[AILA].namebits = 0;
        smalltalk_trace_clear();
        KysyNimi();
        ASSERT_EQ(said().size(), 1u);
        const std::string line = said()[0];
        EXPECT_EQ(line.substr(line.size() - strlen(name) - 1), std::string(name) + ".") << line;
        EXPECT_TRUE(Cre[AILA].namebits & 1);
    }
    smalltalk_trace_clear();
    KerroOmaNimi();
    EXPECT_EQ(said(), std::vector<std::string>{chat("INTRODUCTION_REMARK")});
    EXPECT_TRUE(Cre[AILA].greetbits & MEET_INTRODUCED);
    EXPECT_TRUE(reinterpret_cast<uint8_t *>(&NpcVil)[8037] & 2);   // the village knows her name now

    // How is it going: one person answers alike every time; a child defers to the adults.
    strcpy(Cre[AILA].pname, "Aila");
    smalltalk_trace_clear();
    KysyKuulumiset();
    const std::vector<std::string> first = said();
    for (int i = 0; i < 3; i++) {
        smalltalk_trace_clear();
        random(100);
        KysyKuulumiset();
        EXPECT_EQ(said(), first);
    }
    EXPECT_EQ(first.size(), 1u);   // no quest gives news
    Cre[AILA].role = 15;
    smalltalk_trace_clear();
    KysyKuulumiset();
    ASSERT_EQ(said().size(), 2u);
    EXPECT_EQ(said()[1], "That's what the adults tell me.");
}

TEST_F(SmalltalkTest, AskingAfterPeopleAndTheHealer) {
    villager(2, 244, 232, true);   // behind her back, twelve squares from the player
    strcpy(Cre[2].pname, "Kaisa");
    Cre[2].role = 13;              // the healer
    Cre[2].socialid = 7002;
    villager(3, 292, 232, true);   // sixty squares away
    Cre[3].role = 14;
    Cre[3].socialid = 7003;
    villager(4, 236, 232, true);   // four squares, in sight
    Cre[4].socialid = 7004;
    set_tempcol(236, 232, ' ');
    struct { unsigned soc; const char *line; } asks[] = {
        {9999, "I don't know."},
        {0, "I don't know."},
        {7003, "I think she is around here, but I don't know where exactly."},
        {7004, "He is right over there, you see."},
        {7001, "Well, here I am."},
    };
    for (auto &a : asks) {
        smalltalk_trace_clear();
        KysySotuCreSijainti((int)a.soc);
        ASSERT_FALSE(said().empty());
        EXPECT_EQ(said()[0], a.line) << a.soc;
    }
    EXPECT_EQ(said().size(), 2u);    // asked after herself, she introduced herself
    EXPECT_TRUE(Cre[AILA].namebits & 1);

    smalltalk_trace_clear();
    PARSE_sage_around();
    ASSERT_EQ(said().size(), 2u);
    EXPECT_EQ(said()[0], "Yes. We have our Kaisa.");
    EXPECT_EQ(said()[1].rfind("At least a moment ago he was wandering around here just nearby ", 0), 0u) << said()[1];
    // A healer of another village is none of hers.
    Cre[2].community = SOC + 1;
    smalltalk_trace_clear();
    PARSE_sage_around();
    EXPECT_EQ(said(), std::vector<std::string>{"No, unfortunately not."});
}

TEST_F(SmalltalkTest, DirectionsByHowWellThePersonKnowsTheLand) {
    Cre[AILA].localknowledge = 0;
    Alusta_Puheenaihe_SEUTU();
    EXPECT_EQ(said(), (std::vector<std::string>{"Sorry, but I can't help you.", "This is strange region to me too."}));
    EXPECT_TRUE(offered().empty());
    Cre[AILA].localknowledge = 4;
    smalltalk_trace_clear();
    Alusta_Puheenaihe_SEUTU();
    EXPECT_EQ(said(), std::vector<std::string>{"What do you need to know?"});
    EXPECT_EQ(offered(), (std::vector<std::string>{"[LOOKING FOR VILLAGE]", "[LOOKING FOR LAKE]", "[LOOKING FOR CAVE]"}));

    // She stands in world cell 1500, 1000: a village ten cells south-east, another 120 cells out.
    put_world(1510, 1010, 239);
    set_alltime_kulttuuri(1510, 1010, 1);
    put_world(1620, 1120, 239);
    set_alltime_kulttuuri(1620, 1120, 3);
    put_world(1492, 992, 247);
    struct { int c; const char *noun; int distant, knows; const char *first, *distance, *culture, *tag; } asks[] = {
        {239, "village", 0, 1, "There is a village in the south-east", "It is just a couple of kilometers from here.",
         "It is driik village.", "[LOOKING FOR DISTANT VILLAGE]"},
        {239, "village", 1, 1, "I have no idea if there are any.", nullptr, nullptr, "[DIRECTIONS]"},
        {239, "village", 1, 5, "There is a village in the south-east", "It is less than 20 kilometers",
         "It is reemi village.", "[DIRECTIONS]"},
        {247, "lake", 0, 1, "There is a lake in the north-west", "It is just a couple", nullptr, "[LOOKING FOR CAVE]"},
        {60, "cave", 0, 5, "I have no idea if there are any.", nullptr, nullptr, "[DIRECTIONS]"},
    };
    for (auto &a : asks) {
        SCOPED_TRACE(std::string(a.noun) + " " + std::to_string(a.distant) + " " + std::to_string(a.knows));
        Cre[AILA].localknowledge = (uint8_t)a.knows;
        smalltalk_trace_clear();
        Alusta_Puheenaihe_SEUTU();
        PARSE_Etsimassa(a.c, a.noun, a.distant);
        const std::vector<std::string> s = said();
        ASSERT_GE(s.size(), 3u);
        EXPECT_EQ(s[1].rfind(a.first, 0), 0u) << s[1];
        if (a.distance) {
            EXPECT_EQ(s[2].rfind(a.distance, 0), 0u) << s[2];
        } else {
            EXPECT_EQ(s[2], KERRO_Aluetieto());
        }
        if (a.culture) {
            EXPECT_EQ(s.back(), a.culture);
        }
        EXPECT_EQ(offered().back(), a.tag);   // a lake or a cave leaves the three questions
    }
}
