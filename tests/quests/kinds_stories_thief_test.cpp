// The bird thief: forced on a man of Aino's village, the thief born in a neighbouring village with his
// robbed snare site laid on the map, the old man's and the thief's records linked, the talk held from the
// first line to the hare's paw and the jewel; a village without a free old man gets nothing.
#include "quests/kinds_stories_fixture.h"

#include "core/crefunc.h"
#include "core/obj_func.h"
#include "items/items.h"
#include "items/vessels.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"

namespace {

using oxatest::StoriesTest;

class QuestKindsStoriesThief : public StoriesTest {
protected:
    // A trapper and an old man besides who knows the spell; the trapper.
    int cast_thief_story() {
        const int giver = cast("[man]", 530);
        if (giver < 0 || cast("[any old man]", 560, nullptr, {giver}) < 0) return CRE_NONE;
        return giver;
    }
    // Things she carries made as object `obj` is (a catalogue object is handed over as a new thing).
    static int carried(uint32_t obj) {
        const ItemStruct want = ObjToItem((int)obj);
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (!obj || !Plr.inv_obj[s]) continue;
            const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
            if (Plr.inv_obj[s] == (int)obj || (it.id == want.id && !strcmp(it.name, want.name)))
                n += Plr.inv_count[s] ? Plr.inv_count[s] : 1;
        }
        return n;
    }
    // Feathers marked with the thief's id lying on the stored map of world cell x, y.
    static int marked_feathers(int x, int y, uint32_t thief) {
        if (!load_zoommap(x, y)) return 0;
        int n = 0;
        for (const DataStruct &d : Zoom.data)
            if (d.type == DT_ITEM && ObjToItem((int)d.id).origin == thief) n++;
        return n;
    }
    // The line spoken when a delivery completes, as the delivery hands it to the talk.
    static void delivered() { NPCpuhe_talk("TALKLINE 25"); }
};

TEST_F(QuestKindsStoriesThief, TheSpellMakesTheThiefConfessAndBothGiftsComeOnce) {
    const int giver = cast_thief_story();
    ASSERT_GE(giver, 0);
    neighbour_village(12, -10);
    const uint32_t first = Plr.last_uid + 1;
    ASSERT_EQ(force(15, giver), 1) << questoffer_log();
    const QuestStruct q = quest_of(giver);
    EXPECT_EQ(q.kind, 15);
    EXPECT_EQ(q.id, first) << "ids are drawn main, old man, thief";
    EXPECT_EQ(q.sideQuestIds[0], first + 1);
    EXPECT_EQ(q.sideQuestIds[1], first + 2);
    const QuestStruct oldq = quest(q.sideQuestIds[0]), thiefq = quest(q.sideQuestIds[1]);
    EXPECT_EQ(thiefq.giverUid, q.targetUid);
    EXPECT_EQ(thiefq.ownCompletion, 1);
    EXPECT_TRUE(thiefq.worldX != q.worldX || thiefq.worldY != q.worldY) << "the thief lives in another village";
    EXPECT_TRUE(q.marks[0].x != thiefq.worldX || q.marks[0].y != thiefq.worldY) << "the mark is the snare site";
    CreatureStruct thief{};
    ASSERT_TRUE(getsotucrstruct(thief, q.targetUid, 0));
    EXPECT_EQ(thief.quest, thiefq.id);
    EXPECT_EQ(thief.community, Mapinfo_socID(thiefq.worldX, thiefq.worldY));
    EXPECT_GT(marked_feathers(q.marks[0].x, q.marks[0].y, q.targetUid), 0) << "the robbed snares name their thief";
    EXPECT_EQ(dump_faults(q), 0);
    object_maintenance();
    EXPECT_NE(ObjToItem((int)q.rewardItem).type, 0) << "the paw outlives the object upkeep until handed out";
    EXPECT_NE(ObjToItem((int)thiefq.rewardItem).type, 0) << "and so does the jewel";
    const int oldman = creature_of(oldq.giverUid);
    ASSERT_GE(oldman, 0);
    EXPECT_EQ(Cre[oldman].quest, oldq.id);

    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    open_talk(giver);
    for (const char *words : {"done some bird trapping", "you think there's a bird thief", "Who could this somebody be",
                              "But what can you do", "Spells you say", "Then let me help you", "Your last trapping site",
                              "I will do my best"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    ASSERT_EQ(quest_of(giver).accepted, 1);
    open_talk(giver);
    EXPECT_FALSE(offered("did tell me how")) << "the old man has not told the spell yet";
    EXPECT_TRUE(offered("what bird thief")) << offers();
    close_talk();

    // The old man asks for a bird first, then tells the spell.
    Cre[oldman].namebits |= 1;
    open_talk(oldman);
    for (const char *words : {"certain spells", "it's about birds", "spells to reveal him", "a whole bird"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    open_talk(oldman);
    delivered();
    ASSERT_TRUE(say("how about that spell")) << offers();
    close_talk();
    EXPECT_EQ(Cre[oldman].quest, 0u) << "the spell told, he has done his part";

    open_talk(giver);
    EXPECT_FALSE(offered("what bird thief"));
    for (const char *words : {"did tell me how", "have I performed the spell", "Let's do like that"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();

    // The spell burns the thief's conscience far away in his own village: three days to the minute
    // before he confesses.
    SotuNPC_omatunto(q.targetUid);
    ASSERT_LT(sotu_Crepos(q.targetUid), 0) << "the thief is not in her area";
    const uint32_t cast_at = Plr.minutes;
    for (const int mins : {4319, 4320}) {
        Plr.minutes = cast_at + (uint32_t)mins;
        open_talk(giver);
        EXPECT_EQ(globqS.talk[mins > 4319 ? 25 : 21].said, 1) << mins << " minutes";
        EXPECT_EQ(globqS.talk[25].said, mins > 4319) << mins << " minutes";
        if (mins > 4319) {
            for (const char *words : {"who was it", "my work is done", "wise with it"})
                ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
        }
        close_talk();
    }
    EXPECT_EQ(carried(q.rewardItem), 1);
    EXPECT_EQ(quest_of(giver).completionDay, Plr.daynumber);
    EXPECT_EQ(quest(oldq.id).completionDay, Plr.daynumber);
    EXPECT_EQ(quest(thiefq.id).completionDay, 0u) << "the thief's part outlives the main quest";
    open_talk(giver);
    close_talk();
    EXPECT_EQ(carried(q.rewardItem), 1) << "the paw is given once";

    // She hands the paw to the thief, who gives a jewel in return.
    const int t = lisaa_realcreature((int)q.targetUid, 0) - CRE_DATAID;
    ASSERT_GE(t, 0);
    Cre[t].namebits |= 1;
    open_talk(t);
    ASSERT_TRUE(say("stealing birds around here")) << offers();
    delivered();
    ASSERT_TRUE(say("need it more than I do")) << offers();
    close_talk();
    EXPECT_EQ(quest(thiefq.id).completionDay, Plr.daynumber);
    EXPECT_EQ(carried(thiefq.rewardItem), 1);
    open_talk(t);
    close_talk();
    EXPECT_EQ(carried(thiefq.rewardItem), 1) << "the jewel is given once";
}

TEST_F(QuestKindsStoriesThief, NoFreeOldManMeansNoThiefAndSheMayTurnTheTrapperDown) {
    const int giver = cast_thief_story();
    ASSERT_GE(giver, 0);
    neighbour_village(12, -10);
    // Every old man of the village already holds a quest.
    std::vector<int> held;
    const uint32_t own = Cre[giver].quest;
    Cre[giver].quest = 1;   // the trapper himself is not among those asked
    for (int n = person("[any old man]"); n >= 0; n = person("[any old man]")) {
        Cre[n].quest = 424242;
        held.push_back(n);
    }
    ASSERT_FALSE(held.empty()) << "her village has an old man";
    const Snapshot was = snapshot();
    const int files = quest_files();
    EXPECT_EQ(DoQuestForNPC(giver, 15, cell.x, cell.y), 0);
    expect_unchanged(was, "no old man");
    EXPECT_EQ(quest_files(), files);
    Cre[giver].quest = own;
    for (int n : held) Cre[n].quest = 0;
    ASSERT_EQ(force(15, giver), 1) << questoffer_log();
    turned_down(giver, {"No. Not really.", "doesn't concern or interest me", "I'm not interested"});
}

}  // namespace
