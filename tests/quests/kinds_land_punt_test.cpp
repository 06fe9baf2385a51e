// The old man's punt forced on the old man of Aino's village: the carver made and settled in a village
// nearby with his own side of the quest, the punt kept until it is handed out, the reward by how many
// fishing spells she still has to learn.
#include "quests/kinds_land_fixture.h"

#include "activities/activities.h"
#include "activities/magic.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "quests/kinds_land_int.h"
#include "quests/questkinds.h"
#include "society/questtalk.h"

using namespace oxatest;

namespace {

class QuestKindsLandPunt : public LandQuestTest {
protected:
    // The old man (or another villager), and a village of his people ten cells from hers (her world has none so near).
    int old_man(int soc) {
        int n = -1;
        for (int c = 0; c < CRE_COUNT && n < 0; c++)
            if (Cre[c].kind == CK_HUMAN && Cre[c].community == (uint32_t)soc && Cre[c].speciescode == 560) n = c;
        if (n < 0) n = villager(soc);   // the village drawn for this run may have no old man
        if (n < 0) return -1;
        far_x = IsoX() + 10;
        far_y = IsoY();
        maailma_alltime[mapidx(far_x, far_y)] = 239;
        set_alltime_kulttuuri(far_x, far_y, Cre[n].culture);
        return n;
    }
    int far_x = 0, far_y = 0;
    // Every fishing spell but `left` parts known to her.
    static void learn_fishing_but(int left) {
        for (int n = 0; n < MEANS_STORED; n++) {
            const TaikakeinoStruct t = taikakeinoS(n);
            if (t.klass != MEANS_CLASS_WATER || t.never_random) continue;
            for (int k = 0; k < t.aspects && k < MEANS_KNOWN_BITS; k++) {
                if (n == MEANS_CLASS_WATER && k == 0) continue;
                if (left > 0) {
                    left--;
                    continue;
                }
                opi_taikakeino(n, k);
            }
        }
    }
};

}  // namespace

TEST_F(QuestKindsLandPunt, TheCarverCarvesThePuntFromAProperLog) {
    const int soc = village();
    const int old = old_man(soc);
    ASSERT_GE(old, 0) << "an old man and a village near enough";
    memcpy(Cre[old].pname, "Nuuttinuuttinen", sizeof Cre[old].pname);   // the longest name a record holds
    srand(11);
    ASSERT_EQ(force(10, old, soc), 1) << questoffer_log();
    QuestStruct q, side;
    ASSERT_TRUE(loadQuest(Cre[old].quest, q));
    EXPECT_EQ(q.kind, 10);
    EXPECT_EQ(dump_fault(q), "");
    ASSERT_TRUE(loadQuest(q.sideQuestIds[0], side));
    EXPECT_EQ(dump_fault(side), "");
    EXPECT_EQ(side.sideRole, 1);
    // The ids in their order: the carver's quest, the log stamp, the punt.
    EXPECT_EQ(side.condRestamp[0], side.id + 1);
    EXPECT_EQ(q.fetchItemId, side.id + 2);
    EXPECT_EQ(side.craftOrder[1], side.condRestamp[0]);
    EXPECT_GE(side.craftOrder[2], 7200u);
    EXPECT_LE(side.craftOrder[2], 10080u);
    EXPECT_EQ(side.craftOrder[2] % 1440, 0u);
    const ItemStruct punt = ObjToItem((int)side.craftOrder[0]);
    EXPECT_STREQ(punt.name, "Punt");
    EXPECT_EQ(punt.origin, q.fetchItemId);
    EXPECT_EQ(punt.magic, 3);
    // The carver: in the creature file with his quest, on his village's stored map.
    CreatureStruct carver;
    ASSERT_TRUE(land_read_record((int)side.giverUid, carver));
    EXPECT_EQ(carver.quest, side.id);
    EXPECT_EQ(carver.speciescode, 580u);
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    ASSERT_TRUE(load_zoommap(side.worldX, side.worldY));
    bool there = false;
    for (const DataStruct &d : Zoom.data) there |= d.type == DT_CREATURE && d.id == side.giverUid;
    memcpy(&Zoom, &kept, sizeof Zoom);
    EXPECT_TRUE(there);

    // The carver's first line offers one option by the state of the log: met, partly met, not met.
    globqS = side;
    for (uint8_t state : {1, 2, 0}) {
        globqS.conditions[0] = state;
        ClearChatOptStruct();
        AddQuestChatOpts(0);
        int offered = 0;
        std::string which;
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0]) offered++, which = o.tag;
        EXPECT_EQ(offered, 1) << (int)state;
        EXPECT_NE(which.find(state == 1 ? "TALKLINE 2" : "TALKLINE 3"), std::string::npos) << (int)state;
    }
    ClearChatOptStruct();

    // The punt outlives the upkeep of the objects while the carver still has it to carve.
    object_maintenance();
    EXPECT_STREQ(ObjToItem((int)side.craftOrder[0]).name, "Punt");

    // The old man's talk to the acceptance; the punt handed over completes it and he teaches.
    open_talk(old);
    EXPECT_EQ(walk({2, 4, 5, 7, 6, 8}), -1);
    ASSERT_TRUE(loadQuest(q.id, globqS));
    EXPECT_EQ(globqS.accepted, 1);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    Plr.inv_obj[0] = (int)side.craftOrder[0];
    Plr.inv_count[0] = 1;
    deliver_item(0, 1);
    EXPECT_EQ(globqS.talk[25].said, 1);
    EXPECT_TRUE(pick_line(19));
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_EQ(q.talk[19].said, 1);
    EXPECT_NE(q.completionDay, 0u);
}

// Two fishing spells when two parts are left to learn, else the fishing lesson.
TEST_F(QuestKindsLandPunt, TheRewardFollowsTheSpellsLeftToLearn) {
    const int soc = village();
    const int old = old_man(soc);
    ASSERT_GE(old, 0);
    struct Case {
        int left;
        bool spells;
    } cases[] = {{40, true}, {1, false}, {0, false}};   // what she learns stays learnt
    for (const Case &c : cases) {
        learn_fishing_but(c.left);
        ZoomMap_Remove(far_x, far_y);   // a village with a carver already counts as too small
        srand(3);
        const QuestStruct q = Quest_OldMansPunt(&Cre[old], IsoX(), IsoY());
        ASSERT_NE(q.title[0], 0) << c.left;
        EXPECT_EQ(q.rewardKind, c.spells ? 0 : 1) << c.left;
        EXPECT_STREQ(q.rewardSkill, c.spells ? "" : "FISHING") << c.left;
        EXPECT_EQ(q.talk[20].npcText[0] != 0, c.spells) << c.left;
        EXPECT_EQ(strstr(q.talk[19].actionTags, "[magicmeans:") != nullptr, c.spells) << c.left;
    }
}

// No village of his people near: no quest, and nobody made.
TEST_F(QuestKindsLandPunt, NoVillageNearMakesNothing) {
    const int soc = village();
    const int old = old_man(soc);
    ASSERT_GE(old, 0);
    maailma_alltime[mapidx(far_x, far_y)] = 238;
    const WorldSnapshot before = WorldSnapshot::take();
    EXPECT_EQ(force(10, old, soc), 0);
    EXPECT_NE(std::string(questoffer_log()).find("not made"), std::string::npos) << "the kind's own maker said no";
    EXPECT_EQ(before.differs(WorldSnapshot::take()), "");
}
