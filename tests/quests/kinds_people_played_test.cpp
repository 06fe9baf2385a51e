// Aino in her village in summer: an old man is made to ask for herbs, she agrees by keys typed through
// the turn loop, hands the herbs over, all at once or a few at a time, and takes the herbal blend he
// promised home in her pack.
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
#include "society/questlist.h"

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

// The old man's herbs asked for and accepted by keys, the herbs in her pack: his quest's id, the herb
// object, how many he wants and the blend he promised.
struct HerbOrder {
    uint32_t id = 0;
    int herb = 0, count = 0;
    uint32_t blend = 0;
};

class OldMansHerbs : public QuestKindsPeoplePlayed {
protected:
    void order(HerbOrder &o) {
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
        o.id = Cre[the_giver].quest;
        QuestStruct q{};
        ASSERT_TRUE(loadQuest(o.id, q));
        ASSERT_EQ(q.kind, 3);
        ASSERT_GT(q.fetchWeight, 0.0f);
        o.blend = q.rewardItem;
        ASSERT_GT(o.blend, 0u);
        EXPECT_EQ(units((int)o.blend), 0);

        // The herb he named, picked: as many as make his weight.
        const int row = object(q.title, 1);
        ASSERT_GT(row, 0) << q.title;
        const ItemStruct herb = ObjToItem(row);
        ASSERT_GT(herb.weight, 0.0f);
        o.herb = Esineesta_Uniikki(herb);
        o.count = (int)std::lround(q.fetchWeight / herb.weight);
        ASSERT_GE(o.count, 30) << q.title << " " << q.fetchWeight << " " << herb.weight;
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        Plr.inv_obj[0] = o.herb;
        Plr.inv_count[0] = o.count;

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
    }
};

// How she hands the herbs in: all at once (0), or so many at a time.
class HerbsHandedIn : public OldMansHerbs, public ::testing::WithParamInterface<int> {};

}  // namespace

// Back to him with the herbs, "D.Deliver an item" and the herbs picked as often as it takes: the herbs
// he asked for, however they are handed in, complete the quest with the last of them, and the blend he
// promised is hers.
TEST_P(HerbsHandedIn, TheHerbsFillHisOrderAndTheBlendIsHers) {
    const int each = GetParam();
    HerbOrder o;
    order(o);
    if (HasFatalFailure()) return;
    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // back to him with the herbs
    typing.key(SDLK_d);                                          // "D.Deliver an item"
    for (int left = o.count; left > 0;) {
        const int n = each == 0 || each > left ? left : each;
        typing.key(SDLK_1).key(SDLK_a);   // "I have something for you...", the herbs
        // how many, asked while more than one is left: all, or a count
        if (left > 1) typing.key(n == left ? SDLK_RETURN : (SDL_Keycode)(SDLK_0 + n));
        left -= n;
    }
    typing.key(SDLK_1);       // "You are welcome."
    typing.key(SDLK_SPACE);   // past the scene line of his gift
    typing.key(SDLK_1);       // "Thanks! See you."
    typing.key(SDLK_ESCAPE);
    typing.key(SDLK_ESCAPE);
    int r;
    typing.typed([&] { return turn_pass(&r); });

    QuestStruct q{};
    ASSERT_TRUE(loadQuest(o.id, q));
    EXPECT_EQ(q.accepted, 1);
    EXPECT_EQ(q.talk[7].said, 1);
    EXPECT_EQ(q.talk[25].said, 1) << "his order is filled with the last herb";
    EXPECT_EQ(q.talk[19].said, 1);
    EXPECT_EQ(q.completionDay, Plr.daynumber);
    EXPECT_EQ(units(o.herb), 0) << "every herb was handed over";
    EXPECT_EQ(units((int)o.blend), 1) << "the blend is in her pack";
}

INSTANTIATE_TEST_SUITE_P(Herbs, HerbsHandedIn, ::testing::Values(0, 1, 2, 4), [](const ::testing::TestParamInfo<int> &i) {
    return i.param == 0 ? std::string("all_at_once") : std::to_string(i.param) + "_at_a_time";
});

// She took the herbs on and stays in his village past the thirty days: the morning's upkeep tells her
// the quest has expired. Greeted again, he does not offer it anew, and her keys of the first talk
// take nothing on: the closed quest stays closed, in no list.
TEST_F(OldMansHerbs, AnExpiredQuestIsNotOfferedAgain) {
    HerbOrder o;
    order(o);
    if (HasFatalFailure()) return;
    QuestStruct q{};
    ASSERT_TRUE(loadQuest(o.id, q));
    ASSERT_EQ(q.accepted, 1);
    Plr.daynumber = q.acceptDay + q.daysToComplete;   // a month on, due today: gone tomorrow
    next_morning();
    ASSERT_TRUE(loadQuest(o.id, q));
    ASSERT_EQ(q.closed, 1) << notes();
    EXPECT_NE(notes().find("quest has expired and is removed from the quest journal."), std::string::npos);

    const int soc = (int)Cre[the_giver].community;
    ASSERT_EQ(oxatest::villager_beside_her(soc, is_the_giver), the_giver);
    clear_round(the_giver);
    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // to the old man again
    typing.key(SDLK_g);                                          // "G.Greet"
    typing.keys({SDLK_2, SDLK_1, SDLK_1, SDLK_1});               // the keys that took his quest
    typing.key(SDLK_ESCAPE).key(SDLK_ESCAPE);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    EXPECT_EQ(Chatting_With, the_giver);
    ASSERT_TRUE(loadQuest(o.id, q));
    EXPECT_EQ(q.closed, 1);
    EXPECT_EQ(q.accepted, 0) << "a closed quest is not taken on again";
    EXPECT_EQ(Cre[the_giver].quest, 0u) << "he has no quest to tell of";
    EXPECT_EQ(ReadQuestList("[uncompleted]"), 0);
}
