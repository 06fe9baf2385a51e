// The forest maids: offered from the fifteenth of the autumn month, never to one who met a maid; the
// young man, the maiden and the created uncle linked and named in each other's lines; both roads of the
// old man's tale; meeting a maid completes the quest and the three side roles with it.
#include "quests/kinds_stories_fixture.h"

#include <cstring>

#include "maps/marker.h"
#include "maps/zoomstore.h"

namespace {

using oxatest::StoriesTest;

class QuestKindsStoriesMaids : public StoriesTest {
protected:
    void SetUp() override {
        StoriesTest::SetUp();
        Plr.month = 9;
        Plr.day = 15;
        Plr.forest_maiden = 0;
    }
    // An old man to tell the tale, a young man who met a maid and a maiden who mocks him; the old man.
    int cast_maids_story() {
        const int giver = cast("[old man]", 560);
        if (giver < 0 || cast("[young man]", 530, "Peasant", {giver}) < 0 ||
            cast("[maiden]", 520, "Maiden", {giver}) < 0)
            return CRE_NONE;
        return giver;
    }
};

TEST_F(QuestKindsStoriesMaids, OnlyFromTheFifteenthNeverAfterAMeetingAndSheMayTurnHimDown) {
    const int giver = cast_maids_story();
    ASSERT_GE(giver, 0);
    const struct {
        const char *what;
        int day, met;
    } cases[] = {{"day 14 of the autumn month", 14, 0}, {"she met a forest maid", 15, 2}};
    for (const auto &c : cases) {
        Plr.day = (uint8_t)c.day;
        Plr.forest_maiden = (uint8_t)c.met;
        const Snapshot was = snapshot();
        const int files = quest_files();
        EXPECT_EQ(DoQuestForNPC(giver, 50, cell.x, cell.y), 0) << c.what;
        expect_unchanged(was, c.what);
        EXPECT_EQ(quest_files(), files) << c.what;
    }
    Plr.day = 15;
    Plr.forest_maiden = 0;
    neighbour_village(12, -10);
    ASSERT_EQ(DoQuestForNPC(giver, 50, cell.x, cell.y), 1) << "day 15 can";
    turned_down(giver, {"dream on, old man", "No. I don't."});
}

TEST_F(QuestKindsStoriesMaids, BothRoadsOfTheTaleAndTheMeetingCompleteAll) {
    const int giver = cast_maids_story();
    ASSERT_GE(giver, 0);
    neighbour_village(12, -10);
    ASSERT_EQ(force(50, giver), 1) << questoffer_log();
    const QuestStruct q = quest_of(giver);
    EXPECT_EQ(q.kind, 50);
    const QuestStruct boyq = quest(q.sideQuestIds[0]), uncleq = quest(q.sideQuestIds[1]), maidq = quest(q.sideQuestIds[2]);
    const int boy = creature_of(boyq.giverUid), maiden = creature_of(maidq.giverUid);
    ASSERT_GE(boy, 0);
    ASSERT_GE(maiden, 0);
    EXPECT_EQ(Cre[boy].quest, boyq.id);
    EXPECT_EQ(Cre[maiden].quest, maidq.id);
    CreatureStruct uncle{};
    ASSERT_TRUE(getsotucrstruct(uncle, uncleq.giverUid, 0));
    EXPECT_EQ(uncle.quest, uncleq.id);
    EXPECT_EQ(uncle.community, Mapinfo_socID(uncleq.worldX, uncleq.worldY));
    char name[17];
    memcpy(name, Cre[maiden].pname, 16);
    name[16] = 0;
    EXPECT_NE(strstr(boyq.talk[1].npcText, name), nullptr) << "the young man names the maiden picked";
    memcpy(name, uncle.pname, 16);
    EXPECT_NE(strstr(boyq.talk[6].npcText, name), nullptr) << "and the uncle made";
    EXPECT_EQ(dump_faults(q), 0);

    // A man hears of the maids' ways (line 6), a woman of what they mean to men (line 7).
    const struct {
        int sex;
        const char *to_line;
        int line;
    } roads[] = {{1, "Maids who come at campfires", 6}, {2, "Silly maids", 7}};
    const uint8_t sex = Plr.sex;
    for (const auto &r : roads) {
        Plr.sex = (uint8_t)r.sex;
        open_talk(giver);
        ASSERT_TRUE(say("this time of the year")) << offers();
        ASSERT_TRUE(say(r.to_line)) << r.sex << " -- offered: " << offers();
        close_talk();
        EXPECT_EQ(quest_of(giver).talk[r.line].said, 1) << "sex " << r.sex;
    }
    Plr.sex = sex;
    ASSERT_EQ(Plr.sex, 2);
    open_talk(giver);
    for (const char *words : {"this time of the year", "Silly maids", "Don't be shy", "In the eyes and minds of men",
                              "I'm a maid myself", "Well, who is", "We shall see"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    ASSERT_EQ(quest_of(giver).accepted, 1);
    EXPECT_NE(strstr(quest(boyq.id).statusTags, "[ok]"), nullptr) << "line 12 opens the young man's talk";

    Plr.forest_maiden |= 2;   // a forest maid came into her sight
    open_talk(giver);
    ASSERT_TRUE(say("I think I have seen one")) << offers();
    close_talk();
    EXPECT_EQ(quest_of(giver).completionDay, Plr.daynumber);
    for (uint32_t id : {boyq.id, uncleq.id, maidq.id}) EXPECT_EQ(quest(id).completionDay, Plr.daynumber) << id;
}

}  // namespace
