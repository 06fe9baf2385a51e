// tests/creatures/socplaces_test.cpp -- who of a village stands nearest the player, who sees her, how
// far the nearest is, who stands on the squares around her and where each creature stands, answered
// during the creatures' pass from the kept places of the creature records: after the village has lived
// its turns, and after every way the pool changes its creature records in the middle of a pass, the
// answers are those of a walk of the pool.
#include "core/loader_fixture.h"

#include "game/worldpass.h"
#include "creatures/crestep.h"
#include "creatures/death.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "maps/marker.h"

#include <vector>

using oxatest::LoaderTest;

namespace {
class SocPlaces : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        clear_zoomservices();
        ZoomRenew = 0;
    }
    void TearDown() override {
        crestep_pass_end();
        LoaderTest::TearDown();
    }
    struct Answers {
        int nearest, seer, mindist;
        std::vector<int> standing;   // who stands on each square around her
        std::vector<int> squares;    // where each creature stands, -1 nowhere
        bool operator==(const Answers &o) const {
            return nearest == o.nearest && seer == o.seer && mindist == o.mindist && standing == o.standing &&
                   squares == o.squares;
        }
    };
    static Answers ask(int soc) {
        Answers a{socnearestnpc(soc), socseeplr(soc), socmember_mindist(soc), {}, {}};
        for (int y = PlayerY - 12; y <= PlayerY + 12; y++)
            for (int x = PlayerX - 12; x <= PlayerX + 12; x++) a.standing.push_back(cre_xy(x, y));
        for (int n = 0; n < CRE_COUNT; n++) {
            int x = 0, y = 0;
            a.squares.push_back(creature_square(n, x, y) ? x * 10000 + y : -1);
        }
        return a;
    }
    // The answers kept in the pass, then the ones of the walk; the pass goes on as it was.
    static void expect_as_walked(int soc, const char *after) {
        const Answers kept = ask(soc);
        const int end = crestep_pool_end();
        socplaces_pass(0);
        const Answers walked = ask(soc);
        socplaces_pass(1);
        socplaces_pool_end(end);
        ask(soc);   // the places learnt again before the next change
        EXPECT_TRUE(kept == walked) << after << ": kept " << kept.nearest << "/" << kept.seer << "/" << kept.mindist
                                    << ", walked " << walked.nearest << "/" << walked.seer << "/" << walked.mindist;
    }
    // The pool place of the first creature record of a member of soc from the nearest on, -1 none.
    static int member_record(int soc, int skip) {
        for (int i = 0; i < DATA_MAX; i++) {
            const int s = creature_slot_of(Data[i].id);
            if (Data[i].type != DT_CREATURE || s < 0 || Cre[s].community != (uint32_t)soc || !is_socmember(s)) continue;
            if (skip-- == 0) return i;
        }
        return -1;
    }
};
}  // namespace

TEST_F(SocPlaces, KeptPlacesAnswerAsTheWalkAfterEveryChangeOfThePool) {
    enter_her_village();
    const int soc = (int)Mapinfo_socID(IsoX(), IsoY());
    ASSERT_NE(soc, 0);
    srand(55);
    // The village lives its turns around her through the game's own pass.
    for (int t = 0; t < 60; t++) CreatureMove();

    struct Change {
        const char *what;
        void (*make)(int soc);
    };
    static const Change changes[] = {
        {"nothing changed", [](int) {}},
        {"the nearest member moved to her side",
         [](int soc) {
             const int n = socnearestnpc(soc), p = n >= 0 ? crestep_pos(n) : -1;
             if (p >= 0) Data[p].x = (uint16_t)(PlayerX + 1), Data[p].y = (uint16_t)PlayerY;
         }},
        {"the nearest member fell asleep",
         [](int soc) {
             const int n = socnearestnpc(soc);
             if (n >= 0) Cre[n].mode = CM_ASLEEP;
         }},
        {"a member died and its record went on top", [](int soc) {
             const int p = member_record(soc, 1);
             if (p >= 0) KillCreature(creature_slot_of(Data[p].id), 0);
         }},
        {"a member's record was freed", [](int soc) {
             const int p = member_record(soc, 0);
             if (p >= 0) CrunchData(p);
         }},
        {"a member came back in the first free place", [](int soc) {
             for (int s = 0; s < CRE_COUNT; s++)
                 if (Cre[s].community == (uint32_t)soc && is_socmember(s) && crestep_pos(s) < 0) {
                     set_data(DT_CREATURE, PlayerX + 2, PlayerY, s + CRE_DATAID, 1);
                     return;
                 }
         }},
        {"a second record of a member before its first", [](int soc) {
             const int p = member_record(soc, 2);
             if (p < 0) return;
             DTEMP = Data[p];
             DTEMP.type = DT_CARCASS;
             DTEMP.x = (uint16_t)(PlayerX - 1);
             SetDTEMP(-1);
         }},
        {"a member's record drawn under everything", [](int soc) {
             const int p = member_record(soc, 3);
             if (p >= 0) make_datapos_bottom(p);
         }},
        {"an animal of the area became one of the village, beside her", [](int soc) {
             for (int s = 0; s < CRE_COUNT; s++) {
                 const int p = crestep_pos(s);
                 if (p < 0 || Cre[s].kind == CK_HUMAN) continue;
                 CreatureStruct &c = Cre[s];
                 c.kind = CK_HUMAN;
                 c.community = (uint32_t)soc;
                 c.role = 0;
                 c.partyflags = 0;
                 c.memberbits = 0;
                 c.mode = 0;
                 c.posture = 0;
                 Data[p].x = (uint16_t)PlayerX;
                 Data[p].y = (uint16_t)(PlayerY + 1);
                 return;
             }
         }},
        {"the pool packed", [](int) { Siivoa_DATA(); }},
        {"she walked across the village", [](int) { PlayerX += 9; }},
    };
    crestep_pass_begin();
    socplaces_pool_end(crestep_pool_end());   // as the creatures' pass tells it
    ASSERT_NE(socmember_mindist(soc), 1000) << "her village's people stand in the area";
    for (const Change &c : changes) {
        c.make(soc);
        expect_as_walked(soc, c.what);
    }
}
