// The animal in the forest cover forced on a man of Aino's village that keeps sheep: the animal taken
// off the village map and kept hidden on the map of a place out in the forest with a beast beside it,
// the sage's side of it, and the animal brought back near her at a talk with the giver.
#include "quests/kinds_land_fixture.h"

#include "creatures/creation.h"
#include "items/vessels.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "quests/kinds_land_int.h"
#include "core/crefunc.h"

using namespace oxatest;

namespace {

class QuestKindsLandCover : public LandQuestTest {
protected:
    static int quest_holder(int kind) {
        for (int n = 0; n < CRE_COUNT; n++) {
            QuestStruct q;
            if (Cre[n].kind == CK_HUMAN && Cre[n].quest && loadQuest(Cre[n].quest, q) && q.kind == kind) return n;
        }
        return -1;
    }
};

}  // namespace

TEST_F(QuestKindsLandCover, TheAnimalHidesOutThereAndComesBackToItsPen) {
    const int soc = village();
    const std::vector<int> sheep = animals(616);
    ASSERT_EQ(sheep.size(), 3u);
    sage_of(soc);
    ASSERT_NE(pick_socsivuNPC("[sage]", soc, 0), CRE_NONE);
    const int man = villager(soc);
    ASSERT_GE(man, 0);
    srand(5);
    ASSERT_EQ(force(35, man, soc), 1) << questoffer_log();
    const int giver = quest_holder(35);
    ASSERT_GE(giver, 0);
    QuestStruct q, side;
    ASSERT_TRUE(loadQuest(Cre[giver].quest, q));
    EXPECT_EQ(dump_fault(q), "");
    EXPECT_TRUE(q.title[0] >= 'A' && q.title[0] <= 'Z') << q.title;
    ASSERT_TRUE(loadQuest(q.sideQuestIds[0], side));
    EXPECT_EQ(dump_fault(side), "");
    const int sage = sotu_Crepos(side.giverUid);
    ASSERT_GE(sage, 0);
    EXPECT_EQ(Cre[sage].quest, side.id);

    // The animal: off the village map, its record hidden in the cover, on the place's map with a beast.
    const uint32_t uid = q.condUid[0];
    int animal = -1;   // one of the sheep, or an animal the village drawn for this run keeps
    for (int s = 0; s < CRE_COUNT; s++)
        if (Cre[s].kind != CK_NONE && Cre[s].kind != CK_HUMAN && Cre[s].socialid == uid) animal = s;
    ASSERT_GE(animal, 0);
    EXPECT_LT(cre_datapos(animal), 0);
    CreatureStruct rec;
    ASSERT_TRUE(land_read_record((int)uid, rec));
    EXPECT_NE(rec.stateflags & 128u, 0u);
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    ASSERT_TRUE(load_zoommap(side.marks[0].x, side.marks[0].y));
    int found = 0, beasts = 0;
    for (const DataStruct &d : Zoom.data) {
        if (d.type != DT_CREATURE) continue;
        if (d.id == uid) found++;
        CreatureStruct b;
        if (d.id != uid && land_read_record((int)d.id, b) &&
            (b.speciescode == 605 || b.speciescode == 608 || b.speciescode == 611 || b.speciescode == 602))
            beasts++;
    }
    memcpy(&Zoom, &kept, sizeof Zoom);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(beasts, 1);

    // She takes it on, and later brings the animal back within 10 squares of herself.
    open_talk(giver);
    EXPECT_EQ(walk({5, 4, 6, 8}), -1);
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_EQ(q.accepted, 1);
    const int back = lisaa_realcreature((int)uid, 1) - CRE_DATAID;
    ASSERT_EQ(back, animal);
    int sx = -1, sy = -1;
    for (int d = 1; d < 6 && sx < 0; d++)
        if (entry_square_free(PlayerX + d, PlayerY)) sx = PlayerX + d, sy = PlayerY;
    ASSERT_GE(sx, 0);
    set_data(DT_CREATURE, sx, sy, back + CRE_DATAID, 1);
    open_talk(giver);
    EXPECT_EQ(globqS.conditions[0], 1);
    EXPECT_EQ(globqS.talk[25].said, 1);
    EXPECT_TRUE(pick_line(26));
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_NE(q.completionDay, 0u);
}

// A village that sells only dogs has no animal to lose: no quest, nothing moved or made.
TEST_F(QuestKindsLandCover, OnlyDogsForSaleMakeNoQuest) {
    const int soc = village();
    for (int i = 0; i < DATA_MAX; i++)   // the village drawn for this run may keep animals of its own
        if (Data[i].type == DT_CREATURE && Data[i].id >= (uint32_t)CRE_DATAID && Data[i].id < (uint32_t)(CRE_DATAID + CRE_COUNT) &&
            Cre[Data[i].id - CRE_DATAID].kind != CK_HUMAN)
            CrunchData(i);
    srand(5);
    ASSERT_EQ(animals(618).size(), 3u);
    const int man = villager(soc);
    ASSERT_GE(man, 0);
    const WorldSnapshot before = WorldSnapshot::take();
    EXPECT_EQ(force(35, man, soc), 0) << questoffer_log();
    EXPECT_NE(std::string(questoffer_log()).find("not made"), std::string::npos) << "the kind's own maker said no";

    EXPECT_EQ(before.differs(WorldSnapshot::take()), "");
}

// A third of the animal's value in squirrel hides of 8, never below 1 nor above 255.
TEST(QuestKindsLandCredit, AThirdOfTheAnimalsValue) {
    const struct {
        int value, credit;
    } cases[] = {{0, 1}, {24, 1}, {25, 2}, {100, 5}, {6119, 255}, {6120, 255}, {100000, 255}};
    for (const auto &c : cases) EXPECT_EQ(forestcover_credit(c.value), c.credit) << c.value;
}
