// One talk table for every quest kind: long fills end at a whole word (a player's line in "..."), tags
// at a whole tag even where a tag holds a blank, and a row without text only adds its options.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "quests/questgen_int.h"

namespace {

const TalkRow ROWS[] = {
    {2, "Tell {who} that {long}", "[info] {tags}", {{"Ask {who} about {long}|TALKLINE 3:Of {long}", "{tags}"}}},
    {2, nullptr, nullptr, {{nullptr, nullptr}, {"Bye.|EXIT", ""}}},
};

std::string words(size_t n) {
    std::string s;
    while (s.size() < n) s += "word ";
    return s;
}

}  // namespace

TEST(QuestTalkTable, LongFillsEndAtWholeWordsAndWholeTags) {
    struct Case {
        std::string who, lng, tags;
    };
    const Case cases[] = {{"Aino", "the lake", "[claim reward]"},
                          {"Aino", words(600), "[cant cancel] [claim reward] [ask summary] [keep options] [reset once] [befriend]"},
                          {std::string(120, 'A'), "x", std::string(200, 'T')}};
    for (const Case &c : cases) {
        static QuestStruct q;
        memset(&q, 0, sizeof q);
        const TalkSub subs[] = {{"who", c.who.c_str()}, {"long", c.lng.c_str()}, {"tags", c.tags.c_str()}};
        talk_lines(q, ROWS, subs);
        const QuestTalkLine &l = q.talk[2];
        const std::string text = l.npcText, tags = l.actionTags, coded = l.options[0].coded;
        const std::string full = "Tell " + c.who + " that " + c.lng;
        EXPECT_LE(text.size(), (size_t)TALK_TEXT_MAX);
        EXPECT_EQ(full.compare(0, text.size(), text), 0) << "not the start of the filled text";
        if (text.size() < full.size() && text.size() > 10) {
            EXPECT_EQ(full[text.size()], ' ') << "a word cut: " << text;
        }
        EXPECT_TRUE(tags.empty() || tags.back() == ']') << tags;
        EXPECT_EQ(("[info] " + c.tags).compare(0, tags.size(), tags), 0) << tags;
        const size_t bar = coded.find('|');
        ASSERT_NE(bar, std::string::npos) << coded;
        EXPECT_LE(bar, (size_t)TALK_PLAYER_MAX);
        if (bar < ("Ask " + c.who + " about " + c.lng).size()) {
            EXPECT_EQ(coded.substr(bar - 3, 3), "...") << coded;
        }
        EXPECT_EQ(coded.compare(bar, 10, "|TALKLINE "), 0) << coded;
        const std::string otags = l.options[0].optionTags;
        EXPECT_LE(otags.size(), (size_t)TALK_OPTTAGS_MAX);
        EXPECT_TRUE(otags.empty() || otags.back() == ']') << otags;
        EXPECT_STREQ(l.options[1].coded, "Bye.|EXIT") << "the second row adds its option";
        EXPECT_EQ(text.empty(), false) << "a row without text keeps the line's text";
    }
}
