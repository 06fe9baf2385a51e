// The adventurer's axe forced on a villager of Aino's village: the new adventurer gets the quest, the
// shelter out in the wild holds his weapon and the beast, the talk leads to the reward once that one
// weapon is handed over; a quest that cannot be made leaves the world as it was.
#include "quests/kinds_land_fixture.h"

#include "core/obj_func.h"
#include "creatures/physical.h"
#include "quests/kinds_land_int.h"
#include "quests/questkinds.h"
#include "society/questtalk.h"

using namespace oxatest;

namespace {

class QuestKindsLandAxe : public LandQuestTest {
protected:
    // The adventurer: the one person who holds a quest of the axe (the village's people may hold
    // quests of their own, offered as she came in).
    static int quest_holder() {
        for (int n = 0; n < CRE_COUNT; n++) {
            QuestStruct q;
            if (Cre[n].kind == CK_HUMAN && Cre[n].quest && loadQuest(Cre[n].quest, q) && q.kind == 5) return n;
        }
        return -1;
    }
    struct Shelter {
        int x = 0, y = 0, weapon = 0, beast = 0;
    };
    // The stored map within 50 cells holding the item with the quest's unique id, with the beast on it.
    static Shelter find_shelter(int cx, int cy, uint32_t uid) {
        Shelter s;
        static ZoomStruct kept;
        memcpy(&kept, &Zoom, sizeof kept);
        for (int y = cy - 50; y <= cy + 50 && !s.weapon; y++)
            for (int x = cx - 50; x <= cx + 50 && !s.weapon; x++) {
                if (!ZoomMapPos(x, y) || !load_zoommap(x, y)) continue;
                for (const DataStruct &d : Zoom.data)
                    if (d.type == DT_ITEM && ObjToItem((int)d.id).origin == uid) s.x = x, s.y = y, s.weapon = (int)d.id;
                if (!s.weapon) continue;
                for (const DataStruct &d : Zoom.data)
                    if (d.type == DT_CREATURE && d.id >= (uint32_t)CRE_DATAID) s.beast = (int)d.id;
            }
        memcpy(&Zoom, &kept, sizeof Zoom);
        return s;
    }
};

}  // namespace

TEST_F(QuestKindsLandAxe, TheWoundedAdventurerWantsOnlyHisOwnWeaponBack) {
    const int soc = village();
    const int asked = villager(soc);
    ASSERT_GE(asked, 0);
    // Whoever lives in the last slot stays there.
    ASSERT_EQ(Cre[CRE_COUNT - 1].kind, CK_NONE);
    Cre[CRE_COUNT - 1] = Cre[asked];
    Cre[CRE_COUNT - 1].socialid = 424242;
    const CreatureStruct last = Cre[CRE_COUNT - 1];
    srand(7);
    ASSERT_EQ(force(5, asked, soc), 1) << questoffer_log();
    EXPECT_EQ(memcmp(&Cre[CRE_COUNT - 1], &last, sizeof last), 0) << "slot 499 was used";

    const int adv = quest_holder();
    ASSERT_GE(adv, 0);
    EXPECT_NE(adv, asked);
    EXPECT_EQ(Cre[asked].quest, 0u);
    EXPECT_EQ(Cre[adv].speciescode, 550u);
    EXPECT_GE(cre_datapos(adv), 0) << "he lies in the village";
    EXPECT_GE(INVASUHDE_liikuntaelimet(adv), 1.0f) << "he can't walk";
    EXPECT_EQ(Cre[adv].stateflags & 16u, 0u) << "no has-quest mark";
    QuestStruct q;
    ASSERT_TRUE(loadQuest(Cre[adv].quest, q));
    EXPECT_EQ(q.kind, 5);
    EXPECT_EQ(q.markerFlag, 0);
    EXPECT_EQ(q.giverUid, Cre[adv].socialid);
    EXPECT_EQ(dump_fault(q), "");
    ASSERT_NE(q.fetchItemId, 0u);

    const Shelter s = find_shelter(IsoX(), IsoY(), q.fetchItemId);
    ASSERT_NE(s.weapon, 0) << "the weapon lies by the shelter";
    EXPECT_GE(std::max(std::abs(s.x - IsoX()), std::abs(s.y - IsoY())), 20);
    for (int axis : {q.marks[0].x - s.x, q.marks[0].y - s.y}) {
        EXPECT_GE(axis, -8);
        EXPECT_LE(axis, 7);
    }
    CreatureStruct beast;
    ASSERT_TRUE(land_read_record(s.beast, beast));
    EXPECT_TRUE(beast.speciescode == 605 || beast.speciescode == 611) << beast.speciescode;

    // The talk opens from his wound and accepts on line 6.
    open_talk(adv);
    EXPECT_EQ(walk({1, 3, 4, 5, 6}), -1);
    ASSERT_TRUE(loadQuest(Cre[adv].quest, globqS));
    EXPECT_EQ(globqS.accepted, 1);

    // Another weapon of the same name is refused; his own completes the quest.
    ItemStruct other = ObjToItem(s.weapon);
    other.origin = q.fetchItemId + 1;
    const int copy = Esineesta_Uniikki(other);
    EXPECT_EQ(IsFetchItem(copy), 0);
    EXPECT_EQ(IsFetchItem(s.weapon), 1);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    Plr.inv_obj[0] = copy;
    Plr.inv_obj[1] = s.weapon;
    Plr.inv_count[0] = Plr.inv_count[1] = 1;
    deliver_item(0, 1);
    EXPECT_EQ(globqS.talk[25].said, 0);
    deliver_item(1, 1);
    EXPECT_EQ(globqS.talk[25].said, 1);
    EXPECT_TRUE(pick_line(19));
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_EQ(q.talk[19].said, 1);
    EXPECT_NE(q.completionDay, 0u);
}

// A data pool with no free record makes no quest, and nothing is made: the creature file, the area's
// creatures and the pool stay as they were.
TEST_F(QuestKindsLandAxe, AFullDataPoolMakesNoQuestAndNothingElse) {
    const int soc = village();
    const int asked = villager(soc);
    ASSERT_GE(asked, 0);
    for (DataStruct &d : Data)
        if (d.type == 0) {
            d.type = DT_TRACKS;
            d.x = d.y = 1;
        }
    const WorldSnapshot before = WorldSnapshot::take();
    srand(7);
    EXPECT_EQ(force(5, asked, soc), 0);
    EXPECT_NE(std::string(questoffer_log()).find("not made"), std::string::npos) << "the kind's own maker said no";
    EXPECT_EQ(before.differs(WorldSnapshot::take()), "");
}

// Nothing left to teach her: the adventurer, already wounded on a free slot, is no quest giver, and
// the slot, the creature file and the pool are as they were (a treasure offered instead makes the quest).
TEST_F(QuestKindsLandAxe, NoLessonToOfferLeavesNoAdventurerBehind) {
    const int soc = village();
    const int asked = villager(soc);
    ASSERT_GE(asked, 0);
    memset(Plr.skill_level, 99, sizeof Plr.skill_level);
    int gave_up = 0;
    for (int seed = 1; seed <= 6; seed++) {
        const WorldSnapshot before = WorldSnapshot::take();
        int npc = asked;
        srand(seed);
        const QuestStruct q = Quest_AdventurersAxe(IsoX(), IsoY(), npc);
        if (q.title[0]) continue;
        gave_up++;
        EXPECT_EQ(npc, asked);
        EXPECT_EQ(before.differs(WorldSnapshot::take()), "") << "seed " << seed;
    }
    EXPECT_GT(gave_up, 0);
}
