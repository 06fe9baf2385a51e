// The talk tables of the quests across the land filled with names and place texts of any length: every
// text within what the quest dump accepts, a player's line never broken by a name, a tag never cut.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "quests/kinds_land_int.h"

namespace {

const TalkRow ROWS[] = {
    {3, "I met {name} at {place}, and {name} told me of {place}.", "[info] [ol:About {name}...|TALKLINE 2:Yes?]",
     {{"Who is {name}?|TALKLINE 6:{name} lives at {place}.", "[ifsaid 2] [summary]"},
      {"{name}|TALKLINE 4", nullptr}}},
};

}  // namespace

TEST(QuestKindsLandTalk, NamesOfAnyLengthStayWithinTheLimits) {
    const std::string lengths[] = {"Aino", std::string(15, 'N'), std::string(300, 'L'), "Ai:no|Ai"};
    for (const std::string &name : lengths) {
        static QuestStruct q;
        memset(&q, 0, sizeof q);
        const std::string place = name + " " + name;
        const TalkSub subs[] = {{"name", name.c_str()}, {"place", place.c_str()}, {nullptr, nullptr}};
        talk_lines(q, ROWS, 1, subs);
        const QuestTalkLine &l = q.talk[3];
        EXPECT_LE(strlen(l.npcText), (size_t)TALK_TEXT_MAX) << name;
        EXPECT_LE(strlen(l.actionTags), (size_t)TALK_TAGS_MAX) << name;
        const std::string tags = l.actionTags;
        EXPECT_TRUE(tags.empty() || tags.back() == ']') << "a tag cut in half: " << tags;
        for (int o = 0; o < 2; o++) {
            const std::string coded = l.options[o].coded;
            const size_t bar = coded.find('|');
            ASSERT_NE(bar, std::string::npos) << name;
            EXPECT_LE(bar, (size_t)TALK_PLAYER_MAX) << name;
            EXPECT_EQ(coded.substr(0, bar).find(':'), std::string::npos) << coded;
            const std::string command = coded.substr(bar + 1, coded.find(':', bar) - bar - 1);
            EXPECT_EQ(command, o == 0 ? "TALKLINE 6" : "TALKLINE 4") << coded;
            const size_t colon = coded.find(':', bar);
            if (colon != std::string::npos) {
                EXPECT_LE(coded.size() - colon - 1, (size_t)TALK_REPLY_MAX);
            }
        }
        EXPECT_STREQ(q.talk[3].options[0].optionTags, "[ifsaid 2] [summary]");
    }
}
