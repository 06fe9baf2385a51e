// Aino takes a villager's quest and fulfils it, keys typed through the turn loop: "C" and the person,
// "G.Greet" opens the quest's first line, she agrees, goes back to the modes, "D.Deliver an item"
// and the fish picked in the chooser complete the quest; the reward is credit at the village.
#include "core/loader_fixture.h"
#include "society/villager_beside.h"

#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "items/items.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "presentation/input_feeder.h"
#include "core/tehtavat.h"
#include "society/chat.h"
#include "society/village.h"

namespace {

class QuestTalkPlayed : public oxatest::PlayingTest {
protected:
    static constexpr uint32_t QID = 90210;
    void TearDown() override {
        RemoveQuest(QID);
        oxatest::PlayingTest::TearDown();
    }
    static void write_quest(uint32_t giver) {
        QuestStruct q{};
        q.id = QID;
        q.kind = 3;
        q.questMode = 1;
        q.generated = 1;
        q.giverUid = giver;
        strcpy(q.talk[0].npcText, "I need a big fish. Will you bring me one?");
        strcpy(q.talk[0].options[0].coded, "I will.|TALKLINE 1:Good.");
        strcpy(q.talk[1].npcText, "Bring it to me then.");
        strcpy(q.talk[1].actionTags, "[accept] [info]");
        strcpy(q.talk[2].npcText, "Have you got my fish?");
        strcpy(q.pendingText, "TALKLINE 2");
        strcpy(q.fetchPattern, "*fish");
        strcpy(q.talk[25].npcText, "That is a fine fish! Thank you, <plr_identity>.");
        strcpy(q.talk[25].actionTags, "[completed] [credit reward:5] [claim reward] [repinc 2]");
        strcpy(q.talk[25].options[0].coded, "You're welcome.|EXIT:Farewell.");
        SaveQuest(&q);
    }
};

}  // namespace

TEST_F(QuestTalkPlayed, SheTakesTheQuestAndDeliversTheFish) {
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    const int n = oxatest::villager_beside_her(soc);
    ASSERT_GE(n, 0) << "her village has people";
    // Nobody else stands near enough to be picked first.
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].id != (uint32_t)(CRE_DATAID + n) &&
            koordinaattien_vali(PlayerX, PlayerY, Data[i].x, Data[i].y) <= 4)
            CrunchData(i);
    Cre[n].quest = QID;
    Cre[n].questexpiry = 0;
    write_quest(Cre[n].socialid);
    ASSERT_EQ(GetGlobVil(soc), 1);
    const float credit = globVil.credit;
    const uint8_t help = globVil.questhelp;

    ItemStruct fish{};
    fish.type = IT_FOOD;
    fish.id = 490;
    fish.price = 5.0f;
    fish.weight = fish.fullweight = 1.0f;
    fish.spoil = 254;
    strcpy(fish.name, "Big fish");
    const int obj = Esineesta_Uniikki(fish);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    Plr.inv_obj[0] = obj;
    Plr.inv_count[0] = 1;

    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // talk to the person beside her
    typing.key(SDLK_g);                                          // "G.Greet": the quest's first line
    typing.key(SDLK_1);                                          // "I will."
    typing.key(SDLK_0);                                          // back to the chat modes
    typing.key(SDLK_d);                                          // "D.Deliver an item"
    typing.key(SDLK_1);                                          // "I have something for you..."
    typing.key(SDLK_a);                                          // the fish
    typing.key(SDLK_SPACE);                                      // the reward's scene line
    typing.key(SDLK_1);                                          // "You're welcome."
    typing.key(SDLK_ESCAPE);                                     // "Goodbye"
    typing.key(SDLK_ESCAPE);                                     // out of the chat modes
    int r;
    typing.typed([&] { return turn_pass(&r); });

    EXPECT_EQ(Chatting_With, n);
    QuestStruct q{};
    ASSERT_TRUE(loadQuest(QID, q));
    EXPECT_EQ(q.accepted, 1);
    EXPECT_EQ(q.talk[1].said, 1);
    EXPECT_EQ(q.talk[25].said, 1);
    EXPECT_EQ(q.completionDay, Plr.daynumber);
    EXPECT_EQ(Cre[n].questexpiry, Plr.daynumber);
    int held = 0, taken = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == obj) held += Plr.inv_count[s];
    for (int s = 0; s < 20; s++)
        if (Cre[n].pack[s] == obj) taken += Cre[n].packcount[s];
    EXPECT_EQ(held, 0);
    EXPECT_EQ(taken, 1);
    ASSERT_EQ(GetGlobVil(soc), 1);
    EXPECT_FLOAT_EQ(globVil.credit, credit + 40.0f);
    EXPECT_EQ(globVil.questhelp, help + 2);
    EXPECT_EQ(DISABLE_MAP, 0);
}


// A line she cannot walk away from: Esc is refused, but closing the window ends the talk (nobody is
// left to answer it), the line's own deeds done.
TEST_F(QuestTalkPlayed, ClosingTheWindowEndsATalkSheCannotCancel) {
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    const int n = oxatest::villager_beside_her(soc);
    ASSERT_GE(n, 0) << "her village has people";
    Cre[n].quest = QID;
    Cre[n].questexpiry = 0;
    write_quest(Cre[n].socialid);
    QuestStruct q{};
    ASSERT_TRUE(loadQuest(QID, q));
    strcpy(q.talk[1].actionTags, "[accept] [info] [cant cancel]");
    strcpy(q.talk[1].options[0].coded, "Where do I find one?|TALKLINE 2:In the river.");
    SaveQuest(&q);

    Chatting_With = n;
    Chat_Mode = CHAT_GREET;
    oxatest::KeyFeeder typing;
    typing.key(SDLK_1);        // "I will.": the line she cannot cancel
    typing.key(SDLK_ESCAPE);   // refused
    typing.quit();             // the window closed on it
    EXPECT_EQ(typing.typed([] { return Execute_Talk(); }), 1);
    EXPECT_EQ(EXIT_CHAT, 1) << "the talk ended";
    ASSERT_TRUE(loadQuest(QID, q));
    EXPECT_EQ(q.talk[1].said, 1);
    EXPECT_EQ(q.accepted, 1);
    CLOSE_WINDOW = 0;
}
