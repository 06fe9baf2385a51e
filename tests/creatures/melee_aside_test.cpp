// Around a fight: the note of a fleeing creature names the way it runs, an onlooker lets an attack
// pass or protests, and a trap lets go only once.
#include "combat_fixture.h"

#include <utility>
#include <vector>

#include "core/datafunc.h"
#include "maps/mapunit.h"
#include "creatures/decisions.h"
#include "creatures/melee.h"
#include "creatures/melee_aside.h"
#include "core/tekstit.h"

namespace oxatest {

class MeleeAside : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        dir->copy_asset("messages/eng_creatures.txt");
        dir->copy_asset("messages/eng_people.txt");
        MSG_forget_index();
        randomize(5);
    }
    void TearDown() override {
        for (auto it = seen().rbegin(); it != seen().rend(); ++it) maailma_attrib[it->first] = it->second;
        view_rows_written(0, MAP_ROWS - 1);
        seen().clear();
        CombatTest::TearDown();
    }
    // The squares put in her view, with what they held before.
    static std::vector<std::pair<size_t, uint8_t>> &seen() {
        static std::vector<std::pair<size_t, uint8_t>> v;
        return v;
    }
    // A wild wolf of slot c at (x, y).
    static CreatureStruct &wolf(int c, int pos, int x, int y) {
        creature(pos, c, x, y);
        seen().push_back({mapidx(x, y), maailma_attrib[mapidx(x, y)]});
        set_tempcol(x, y, ' ');   // in her view
        CreatureStruct &w = Cre[c];
        w.kind = 3;
        w.speciescode = 611;
        w.weight = 40.0f;
        w.endurance = 12;
        w.morale4 = w.morale5 = 30;   // no beast of a farm
        w.socialid = 4000u + (uint32_t)c;
        w.enemy = CRE_NONE;
        w.culture = 255;
        return w;
    }
    static CreatureStruct &person(int c, int pos, int x, int y) {
        CreatureStruct &p = wolf(c, pos, x, y);
        p.kind = CK_HUMAN;
        p.speciescode = 530;
        p.weight = 70.0f;
        return p;
    }
};

TEST_F(MeleeAside, AFleeingCreatureIsToldRunningAwayFromItsThreat) {
    wolf(1, 10, PlayerX + 3, PlayerY);
    ASSERT_EQ(NPC_Pakene(1, -1, 0), 1);
    EXPECT_EQ(TARGET_DIR, 0) << "east of her, it runs east";
    EXPECT_TRUE(noted("flees to the E.")) << notes();
    // From a creature north-west of it, it runs to the south-east.
    wolf(2, 11, PlayerX + 2, PlayerY + 4);
    wolf(3, 12, PlayerX, PlayerY + 2);
    ASSERT_EQ(NPC_Pakene(2, 3, 0), 1);
    EXPECT_EQ(TARGET_DIR, 7);
    EXPECT_TRUE(noted("flees to the SE.")) << notes();
}

TEST_F(MeleeAside, AnOnlookerLetsAnAttackPassOrTheVictimProtests) {
    wolf(1, 10, PlayerX + 1, PlayerY);          // the one set on
    CreatureStruct &dog = wolf(2, 11, PlayerX + 2, PlayerY);
    dog.speciescode = 618;
    // A wild beast or a raider may be set on; a spirit never.
    EXPECT_EQ(tell_attack(-1, 2, 1), 1);
    CreatureStruct &raider = person(3, 12, PlayerX + 3, PlayerY);
    raider.culture = 11;
    EXPECT_EQ(tell_attack(-1, 2, 3), 1);
    CreatureStruct &spirit = wolf(4, 13, PlayerX + 4, PlayerY);
    spirit.kind = 50;
    EXPECT_EQ(tell_attack(-1, 2, 4), 0);
    EXPECT_EQ(times_noted("does not seem to want to."), 1) << notes();
    // A calm villager is no foe; one already fighting her is.
    CreatureStruct &villager = person(5, 14, PlayerX + 5, PlayerY);
    EXPECT_EQ(tell_attack(-1, 2, 5), 0);
    villager.mode = 99;
    villager.enemy = -1;
    EXPECT_EQ(tell_attack(-1, 2, 5), 1);
    // A badly hurt dog whimpers and drops, even against a wild beast.
    dog.injury = 25;
    EXPECT_EQ(tell_attack(-1, 2, 1), 0);
    EXPECT_TRUE(noted("whimpers and will not move.")) << notes();
    EXPECT_EQ(dog.posture, 1);
    dog.injury = 0;
    dog.posture = 0;
    dog.energy = -5;
    EXPECT_EQ(tell_attack(-1, 2, 1), 0) << "a starving one too";
    // Nobody there, or no one to set on: nothing passes and nothing breaks.
    EXPECT_EQ(tell_attack(-1, 2, 400), 0);
    EXPECT_EQ(tell_attack(-1, 9999, 1), 0);
}

TEST_F(MeleeAside, ATrapLetsGoOnce) {
    Data[20] = {};
    Data[20].type = DT_TRAP;
    Data[20].x = (uint16_t)PlayerX;
    Data[20].y = (uint16_t)(PlayerY + 1);
    Data[20].id = 395;
    Data[20].extra = 'e';
    EXPECT_EQ(PaastaAnsa(20), 1);
    EXPECT_EQ(Data[20].type, DT_TRAP) << "a construction stays";
    EXPECT_EQ(PaastaAnsa(20), 0) << "already let go";
    EXPECT_EQ(PaastaAnsa(-1), 0);
    EXPECT_EQ(PaastaAnsa(DATA_MAX), 0);
}

TEST_F(MeleeAside, AnExchangeWithNobodyOnOneSideNeverStarts) {
    wolf(1, 10, PlayerX + 1, PlayerY);
    for (int n : {-7, -1000, (int)CRE_COUNT, 9999, 2}) {   // 2: an empty slot
        EXPECT_EQ(Taistelu_TAPAHTUMA(1, 0, 0, n, 0), 0) << n;
        EXPECT_EQ(Taistelu_TAPAHTUMA(n, 0, 0, 1, 0), 0) << n;
    }
    EXPECT_EQ(Taistelu_TAPAHTUMA(1, 0, 0, 1, 0), 0) << "nobody fights itself";
    EXPECT_EQ(body_injury_sum(-1), 0);
}

}  // namespace oxatest
