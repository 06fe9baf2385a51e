// Aino in her village in summer: an old man is made to ask for herbs, she agrees by keys typed through
// the turn loop, hands the herbs over and takes the herbal blend he promised home in her pack.
#include "core/loader_fixture.h"
#include "society/villager_beside.h"

#include <cmath>
#include <cstring>
#include <string>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "items/items.h"
#include "maps/mapunit.h"
#include "presentation/input_feeder.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "society/chat.h"

namespace {

int the_giver = -1;
bool is_the_giver(const CreatureStruct &c) { return &c == &Cre[the_giver]; }

class QuestKindsPeoplePlayed : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        the_giver = -1;
        Chatting_With = -1000;
        KUESTIT_PIALLA = 1;
        oxatest::PlayingTest::TearDown();
    }
    // Nobody but the giver stands near enough to be talked to first.
    static void clear_round(int giver) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id != (uint32_t)(CRE_DATAID + giver) &&
                koordinaattien_vali(PlayerX, PlayerY, Data[i].x, Data[i].y) <= 4)
                CrunchData(i);
    }
    static int units(int obj) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] == obj) n += Plr.inv_count[s];
        return n;
    }
};

}  // namespace

TEST_F(QuestKindsPeoplePlayed, TheOldMansHerbsFetchedForHisBlend) {
    Plr.month = 7;   // herbs stand in leaf
    const oxatest::WorldCell v = oxatest::her_village();
    // The village makes no offers of its own as she comes in: the old man might take one first.
    KUESTIT_PIALLA = 0;
    const int soc = walk_into_her_village();
    KUESTIT_PIALLA = 1;
    ASSERT_GT(soc, 0);
    the_giver = pick_socsivuNPC("[any old man]", soc, 0);
    ASSERT_GE(the_giver, 0) << "her village has an old man";
    ASSERT_EQ(oxatest::villager_beside_her(soc, is_the_giver), the_giver);
    clear_round(the_giver);

    char tags[80];
    snprintf(tags, sizeof tags, "force [forcequest:3] [forcenpc:%d]", the_giver);
    ASSERT_EQ(SocQuestCreator(v.x, v.y, soc, tags), 1) << questoffer_log();
    const uint32_t id = Cre[the_giver].quest;
    QuestStruct q{};
    ASSERT_TRUE(loadQuest(id, q));
    ASSERT_EQ(q.kind, 3);
    ASSERT_GT(q.fetchWeight, 0.0f);
    const uint32_t blend = q.rewardItem;
    ASSERT_GT(blend, 0u);
    EXPECT_EQ(units((int)blend), 0);

    // Herbs of a tenth of a pound under a name that ends in the herb's: as many as make his weight.
    ItemStruct herb{};
    herb.type = IT_FOOD;
    herb.id = 433;
    herb.weight = herb.fullweight = 0.1f;
    herb.spoil = 254;
    std::string name = q.title;
    if (name.size() + 6 < sizeof herb.name) name = "Dried " + name;
    copy_bounded(herb.name, sizeof herb.name, name.c_str());
    const int obj = Esineesta_Uniikki(herb);
    const int count = (int)std::lround(q.fetchWeight / 0.1f);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    Plr.inv_obj[0] = obj;
    Plr.inv_count[0] = count;

    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // talk to the old man beside her
    typing.key(SDLK_g);                                          // his first line
    typing.key(SDLK_2);                                          // "I am available ..."
    typing.key(SDLK_1);                                          // "Of course. What do you need ..."
    typing.key(SDLK_1);                                          // "Okay, I can do that for you."
    typing.key(SDLK_1);                                          // "I'll bring them to you soon."
    typing.key(SDLK_ESCAPE);                                     // the talk ends
    typing.key(SDLK_SPACE);                                      // past the note of the quest taken
    int r;
    typing.typed([&] { return turn_pass(&r); });
    EXPECT_NE(notes().find("You have gotten involved in a quest."), std::string::npos);

    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // back to him with the herbs
    typing.key(SDLK_d);                                          // "D.Deliver an item"
    typing.key(SDLK_1);                                          // "I have something for you..."
    typing.key(SDLK_a).key(SDLK_RETURN);                         // the herbs, "ENTER.All" of them
    typing.key(SDLK_1);                                          // "You are welcome."
    typing.key(SDLK_SPACE);                                      // past the scene line of his gift
    typing.key(SDLK_1);                                          // "Thanks! See you."
    typing.key(SDLK_ESCAPE);
    typing.key(SDLK_ESCAPE);
    typing.typed([&] { return turn_pass(&r); });

    ASSERT_TRUE(loadQuest(id, q));
    EXPECT_EQ(q.accepted, 1);
    EXPECT_EQ(q.talk[7].said, 1);
    EXPECT_EQ(q.talk[25].said, 1);
    EXPECT_EQ(q.talk[19].said, 1);
    EXPECT_EQ(q.completionDay, Plr.daynumber);
    EXPECT_EQ(units(obj), 0) << "every herb was handed over";
    EXPECT_EQ(units((int)blend), 1) << "the blend is in her pack";
}
