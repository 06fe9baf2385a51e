// The homeland robbers: forced on a man of Aino's village, the camp placed with its band, the witness
// linked and telling the same count as the camp holds, the giver's report offered by the band's fate as
// she kills them; a giver of another people gets nothing.
#include "quests/kinds_stories_fixture.h"

#include <cstring>

#include "creatures/crefile.h"

namespace {

using oxatest::StoriesTest;

class QuestKindsStoriesRobbers : public StoriesTest {
protected:
    // Two men of her village: the one who warns her and the one who met the band; the first.
    int cast_robbers_story() {
        const int giver = cast("[man]", 530);
        if (giver < 0 || cast("[man]", 530, nullptr, {giver}) < 0) return CRE_NONE;
        return giver;
    }
    // The band's members, brought into the area.
    static std::vector<int> band_here(uint32_t band) {
        std::vector<int> here;
        char path[1200];
        cre_file_path(path, sizeof path);
        const std::vector<uint8_t> file = oxatest::read_bytes(path);
        for (size_t k = 0; (k + 1) * sizeof(CreatureStruct) <= file.size(); k++) {
            CreatureStruct c;
            memcpy(&c, file.data() + k * sizeof c, sizeof c);
            if (c.kind == CK_NONE || c.community != band) continue;
            const int id = lisaa_realcreature(CRE_DATAID + (int)k, 1);
            if (id >= CRE_DATAID) here.push_back(id - CRE_DATAID);
        }
        return here;
    }
};

TEST_F(QuestKindsStoriesRobbers, TheReportFollowsTheBandsFateAsSheKillsThem) {
    const int giver = cast_robbers_story();
    ASSERT_GE(giver, 0);
    ASSERT_EQ(Cre[giver].culture, Plr.culture) << "her own village";
    longest_names();   // the composed lines stay within their fields
    ASSERT_EQ(force(30, giver), 1) << questoffer_log();
    const QuestStruct q = quest_of(giver);
    EXPECT_EQ(q.kind, 30);
    const int count = q.bandCount;
    EXPECT_GE(count, 3);
    EXPECT_LE(count, 6);
    EXPECT_EQ(q.condUid[0], q.bandCommunity);
    const QuestStruct w = quest(q.sideQuestIds[0]);
    const int witness = creature_of(w.giverUid);
    ASSERT_GE(witness, 0);
    EXPECT_EQ(Cre[witness].quest, w.id);
    char said[16];
    snprintf(said, sizeof said, "%d of them", count);
    EXPECT_NE(strstr(w.talk[4].npcText, said), nullptr) << w.talk[4].npcText;
    EXPECT_NE(strstr(w.talk[6].npcText, said), nullptr) << w.talk[6].npcText;
    EXPECT_EQ(dump_faults(q), 0);
    std::vector<int> band = band_here(q.bandCommunity);
    ASSERT_EQ((int)band.size(), count) << "the camp holds the band the witness counted";

    open_talk(giver);
    for (const char *words : {"Robbers you say", "Who are they", "don't know their whereabouts", "saw these robbers",
                              "might go hunting these robbers", "do what it takes"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    ASSERT_EQ(quest_of(giver).accepted, 1);
    Cre[witness].namebits |= 1;
    open_talk(witness);
    for (const char *words : {"met some robbers", "how did it happen", "What they were doing", "tell me where you met them"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    EXPECT_EQ(quest(w.id).marks[0].areaShown, 1);

    // Found, then killed one by one: line 16 offers the option of the band's fate.
    Cre[band[0]].visits = 1;
    const struct {
        int killed;
        const char *offered;
    } fates[] = {{0, "still just might be lurking"}, {1, "cut down at least some"}, {count, "won't be robbing"}};
    int dead = 0;
    for (const auto &f : fates) {
        for (; dead < f.killed; dead++) KillCreature(band[dead], 0);
        open_talk(giver);
        ASSERT_TRUE(say("I did find the robbers")) << f.killed << " dead -- offered: " << offers();
        for (const char *o : {"still just might be lurking", "cut down at least some", "won't be robbing"})
            EXPECT_EQ(offered(o), !strcmp(o, f.offered)) << f.killed << " dead: " << o;
        if (f.killed == count) {
            ASSERT_TRUE(say("won't be robbing")) << offers();
        }
        close_talk();
    }
    const QuestStruct done = quest_of(giver);
    EXPECT_EQ(done.completionDay, Plr.daynumber);
    EXPECT_EQ(done.rewardCount, 100);
    EXPECT_EQ(quest(w.id).completionDay, Plr.daynumber);
}

TEST_F(QuestKindsStoriesRobbers, OnlyHisOwnPeopleAreWarnedAndSheMayTurnHimDown) {
    const int giver = cast_robbers_story();
    ASSERT_GE(giver, 0);
    const uint8_t own = Cre[giver].culture;
    const struct {
        const char *what;
        int culture;
    } cases[] = {{"vagabonds", 10}, {"foresters", 13}, {"another people", own == 0 ? 1 : 0}};
    for (const auto &c : cases) {
        Cre[giver].culture = (uint8_t)c.culture;
        const Snapshot was = snapshot();
        const int files = quest_files();
        EXPECT_EQ(DoQuestForNPC(giver, 30, cell.x, cell.y), 0) << c.what;
        expect_unchanged(was, c.what);
        Cre[giver].culture = own;
        EXPECT_EQ(quest_files(), files) << c.what;
    }
    ASSERT_EQ(force(30, giver), 1) << questoffer_log();
    turned_down(giver, {"hope to never meet them", "don't want to get involved"});
}

}  // namespace
