// The bewitched wolf: forced on a woman of Aino's village, the wolf placed near it, the rival's and the
// elder's records linked, the talk held from the first line to the strip of garment; the cases in which
// no quest may be made leave everything as it was; only bread, never a kill, meets the condition.
#include "activities/puuharun.h"
#include "quests/kinds_stories_fixture.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "creatures/puuha.h"
#include "items/items.h"
#include "maps/zoomstore.h"
#include "quests/questkinds.h"

namespace {

using oxatest::StoriesTest;

class QuestKindsStoriesWolf : public StoriesTest {
protected:
    // A woman to ask, a man to be the rival and an old man besides to know the cure; the woman.
    int cast_wolf_story() {
        const int giver = cast("[woman]", 520);
        const int rival = cast("[man]", 530);
        if (giver < 0 || rival < 0 || cast("[any old man]", 560, nullptr, {rival}) < 0) return CRE_NONE;
        return giver;
    }
    // The wolf's social id: the bewitched wolf stored on a map within one cell of the quest's mark.
    static uint32_t wolf_near(const QuestStruct &q) {
        for (int y = q.marks[0].y - 1; y <= q.marks[0].y + 1; y++)
            for (int x = q.marks[0].x - 1; x <= q.marks[0].x + 1; x++) {
                if (!ZoomMapPos(x, y) || !load_zoommap(x, y)) continue;
                for (const DataStruct &d : Zoom.data) {
                    if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID) continue;
                    CreatureStruct c{};
                    if (getsotucrstruct(c, d.id, 0) && c.speciescode == 611) return d.id;
                }
            }
        return 0;
    }
    // The wolf brought into the area beside her, eating the food of object `obj` laid before it.
    static int wolf_eats(uint32_t wolf, int obj) {
        const int id = lisaa_realcreature((int)wolf, 0);
        if (id < CRE_DATAID) return -1;
        const int n = id - CRE_DATAID;
        const int x = PlayerX + 3, y = PlayerY;
        set_data(DT_CREATURE, x, y, id, 1);
        set_data(DT_ITEM, x, y, obj, 1);
        int dp = -1;
        for (int i = 0; i < DATA_MAX && dp < 0; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)id) dp = i;
        if (dp < 0) return -1;
        CreatureStruct &c = Cre[n];
        c.Puuha[0] = 53;
        c.PuuhaX[0] = x;
        c.PuuhaY[0] = y;
        c.PuuhaKohde[0] = obj;
        c.PuuhaAika[0] = 10;
        c.PuuhaTila[0] = 0;
        c.mode = 0;
        c.enemy = CRE_NONE;
        // It walks to the bread and eats it, a tick at a time.
        for (int tick = 0; tick < 20 && c.Puuha[0] == 53 && Data[dp].type == DT_CREATURE; tick++) Tee_Puuha(dp);
        return n;
    }
};

TEST_F(QuestKindsStoriesWolf, SheFreesTheLoverByBreadThroughTheWholeTalk) {
    ASSERT_EQ(Plr.sex, 2) << "Aino is a woman: the rival opens with his second line";
    const int giver = cast_wolf_story();
    ASSERT_GE(giver, 0);
    Plr.BewitchedWolfState = 1;   // the forced kind starts afresh
    longest_names();   // the composed lines stay within their fields
    const uint32_t first = Plr.last_uid + 1;
    ASSERT_EQ(force(20, giver), 1) << questoffer_log();
    EXPECT_EQ(Plr.BewitchedWolfState, 0);

    const QuestStruct q = quest_of(giver);
    EXPECT_EQ(q.kind, 20);
    EXPECT_STREQ(q.title, "Of wolf and woman");
    EXPECT_EQ(q.id, first) << "ids are drawn main, rival, elder";
    EXPECT_EQ(q.sideQuestIds[0], first + 1);
    EXPECT_EQ(q.sideQuestIds[1], first + 2);
    const QuestStruct rivalq = quest(q.sideQuestIds[0]), elderq = quest(q.sideQuestIds[1]);
    const int rival = creature_of(rivalq.giverUid), elder = creature_of(elderq.giverUid);
    ASSERT_GE(rival, 0);
    ASSERT_GE(elder, 0);
    EXPECT_NE(rival, elder);
    EXPECT_EQ(Cre[rival].quest, rivalq.id);
    EXPECT_TRUE(Cre[rival].stateflags & 16);
    EXPECT_EQ(Cre[elder].quest, elderq.id);
    EXPECT_EQ(rivalq.sideRole, 0);
    EXPECT_EQ(elderq.sideRole, 1);
    EXPECT_EQ(q.newsAsk[0], Cre[rival].socialid);
    const uint32_t wolf = wolf_near(q);
    EXPECT_NE(wolf, 0u) << "the wolf is on a map within a cell of the mark";
    EXPECT_NE(q.rewardItem, 0u);
    object_maintenance();
    EXPECT_NE(ObjToItem((int)q.rewardItem).type, 0) << "the strip outlives the object upkeep until handed out";
    EXPECT_EQ(dump_faults(q), 0);

    // The rival warns her off; his second line opens her second way in.
    open_talk(rival);
    ASSERT_TRUE(say("What wolf?")) << offers();
    EXPECT_TRUE(quest(rivalq.id).talk[2].said);
    close_talk();

    open_talk(giver);
    EXPECT_FALSE(offered("just spoke about a wolf")) << "his first line was never heard";
    EXPECT_TRUE(offered("what exactly are you talking about")) << offers();
    for (const char *words : {"did warn me about a troublesome wolf", "maybe you should tell me then",
                              "did he find what he was looking for", "his charm worked on you",
                              "anything to do with the wolf", "What do you think he's done?",
                              "far-fetched tale", "find a particular lone wolf", "believe the curse can broken",
                              "I will help you with this"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    QuestStruct now = quest_of(giver);
    EXPECT_EQ(now.accepted, 1);
    EXPECT_EQ(now.marks[0].areaShown, 1);
    EXPECT_NE(strstr(quest(elderq.id).statusTags, "[ok]"), nullptr) << "line 16 opens the elder's talk";

    // The wolf eats the bread laid before it.
    ItemStruct bread{};
    bread.type = IT_FOOD;
    bread.weight = bread.fullweight = 0.3f;
    bread.spoil = 200;
    strcpy(bread.name, "Flat bread");
    const int wolfslot = wolf_eats(wolf, Esineesta_Uniikki(bread));
    ASSERT_GE(wolfslot, 0);
    EXPECT_EQ(Plr.BewitchedWolfState & 2, 2) << "eating bread frees him";

    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    open_talk(giver);
    EXPECT_EQ(globqS.conditions[0], 1);
    for (const char *words : {"still astounded", "I guess that is fine", "that is exceptional"})
        ASSERT_TRUE(say(words)) << words << " -- offered: " << offers();
    close_talk();
    now = quest_of(giver);
    EXPECT_EQ(now.completionDay, Plr.daynumber);
    EXPECT_EQ(quest(elderq.id).completionDay, Plr.daynumber);
    int strips = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == (int)q.rewardItem) strips += Plr.inv_count[s] ? Plr.inv_count[s] : 1;
    EXPECT_EQ(strips, 1);
}

TEST_F(QuestKindsStoriesWolf, NoQuestLeavesEverythingAsItWas) {
    const int giver = cast_wolf_story();
    ASSERT_GE(giver, 0);
    const struct {
        const char *what;
        int culture, state;
    } cases[] = {{"northern giver 7", 7, 0}, {"northern giver 8", 8, 0}, {"northern giver 9", 9, 0},
                 {"wolf killed", -1, 1}, {"wolf freed", -1, 2}};
    const uint8_t culture = Cre[giver].culture;
    for (const auto &c : cases) {
        Cre[giver].culture = c.culture < 0 ? culture : (uint8_t)c.culture;
        Plr.BewitchedWolfState = (uint8_t)c.state;
        const Snapshot was = snapshot();
        const int files = quest_files();
        EXPECT_EQ(DoQuestForNPC(giver, 20, cell.x, cell.y), 0) << c.what;
        expect_unchanged(was, c.what);
        Cre[giver].culture = culture;
        EXPECT_EQ(quest_files(), files) << c.what;
    }
}

TEST_F(QuestKindsStoriesWolf, KillingTheWolfNeverMeetsTheCondition) {
    const int giver = cast_wolf_story();
    ASSERT_GE(giver, 0);
    ASSERT_EQ(force(20, giver), 1) << questoffer_log();
    const uint32_t wolf = wolf_near(quest_of(giver));
    ASSERT_NE(wolf, 0u);
    const int id = lisaa_realcreature((int)wolf, 0);
    ASSERT_GE(id, CRE_DATAID);
    Plr.BewitchedWolfState = 2;   // even after bread, a kill undoes it
    KillCreature(id - CRE_DATAID, 0);
    EXPECT_EQ(Plr.BewitchedWolfState, 1);
    open_talk(giver);
    EXPECT_EQ(globqS.conditions[0], 0);
    close_talk();
    // She turns the maiden down once the rival has had his say.
    open_talk(creature_of(quest(quest_of(giver).sideQuestIds[0]).giverUid));
    ASSERT_TRUE(say("What wolf?")) << offers();
    close_talk();
    turned_down(giver, {"did warn me about a troublesome wolf", "no time for bleeding-heart maidens", "out of your mind"});
}

}  // namespace
