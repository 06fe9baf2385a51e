// Aino talks with a villager of her own village, keys typed through the turn loop: "C" and the
// person, "G.Greet", who the person is, "0" back to the modes, "A.Ask for directions" and a village
// asked after, ESC; saved and loaded again, the village remembers the talk in its file.
#include "core/loader_fixture.h"
#include "society/villager_beside.h"

#include <string>
#include <sys/stat.h>

#include "core/datafunc.h"
#include "game/loader.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/lifeask.h"
#include "maps/facing.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "presentation/input_feeder.h"
#include "society/chat.h"
#include "society/smalltalk.h"
#include "society/village.h"

namespace {

class TalkPlayed : public oxatest::PlayingTest {
protected:
    static bool said(const char *words) {
        for (int i = 0; i < smalltalk_trace.said_count && i < SMALLTALK_TRACE; i++)
            if (std::string(smalltalk_trace.said[i]).find(words) != std::string::npos) return true;
        return false;
    }
};

}  // namespace

TEST_F(TalkPlayed, SheGreetsAsksTheWayAndHerVillageRemembersTheTalk) {
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    ASSERT_EQ(GetGlobVil(soc), 1);
    const uint16_t talks = globVil.talks;
    // Someone with no quest to offer: a quest's first line would answer her greeting instead.
    const int n = oxatest::villager_beside_her(soc, [](const CreatureStruct &c) { return c.quest == 0; });
    ASSERT_GE(n, 0) << "her village has people";
    const int x = PlayerX, y = PlayerY;
    smalltalk_trace_clear();

    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // talk to the person picked
    typing.key(SDLK_g);                                          // "G.Greet"
    typing.key(SDLK_1);                                          // "Who are you?"
    typing.key(SDLK_0);                                          // back to the chat modes
    typing.key(SDLK_a);                                          // "A.Ask for directions"
    typing.key(SDLK_1);                                          // "I'm looking for a village."
    typing.key(SDLK_ESCAPE);                                     // "Goodbye": the talk ends
    int r;
    typing.typed([&] { return turn_pass(&r); });

    // The picker starts on the nearest person: hers, or another of the village who came near.
    ASSERT_TRUE(ask_valid(Chatting_With));
    const int chosen = Chatting_With;
    EXPECT_EQ(Cre[chosen].community, (uint32_t)soc);
    EXPECT_EQ(EXIT_CHAT, 1);
    EXPECT_NE(Cre[chosen].namebits & 1, 0) << "she asked who the person is";
    EXPECT_TRUE(said("What do you need to know?") || said("Sorry, but I can't help you."));
    EXPECT_TRUE(said("There is a settlement") || said("I have no idea") || said("Sorry, but I can't help you."));
    EXPECT_EQ(DISABLE_MAP, 0) << "the map is drawn again";
    EXPECT_EQ(PlayerX, x);
    EXPECT_EQ(PlayerY, y);
    EXPECT_FALSE(bigmap());

    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    struct stat st;
    ASSERT_EQ(stat(path("AINO.VIL").c_str(), &st), 0);
    const long size = (long)st.st_size;
    ASSERT_GT(size, 0);
    EXPECT_EQ(size % 11428, 0) << "a whole number of village records";

    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(GetGlobVil(soc), 1);
    EXPECT_EQ(globVil.talks, talks + 1);
    EXPECT_GE(globVil.visits, 1);
}
