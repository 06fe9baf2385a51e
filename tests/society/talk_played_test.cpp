// Aino talks with a villager of her own village, keys typed through the turn loop: "C" and the
// person, "G.Greet", who the person is, "0" back to the modes, "A.Ask for directions" and a village
// asked after, ESC; saved and loaded again, the village remembers the talk in its file.
#include "core/loader_fixture.h"

#include <string>
#include <sys/stat.h>

#include "core/datafunc.h"
#include "core/loader.h"
#include "core/turnloop.h"
#include "creatures/creatures.h"
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
    // A grown villager of the society, moved onto a free square beside her; -1 when none.
    static int villager_beside_her(int soc) {
        for (int n = 0; n < CRE_COUNT; n++) {
            CreatureStruct &c = Cre[n];
            if (c.kind != CK_HUMAN || c.community != (uint32_t)soc || c.mode == CM_CARCASS || c.role == 15) continue;
            int dp = -1;
            for (int i = 0; i < DATA_MAX && dp < 0; i++)
                if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(CRE_DATAID + n)) dp = i;
            if (dp < 0) continue;
            for (int d = 0; d < 8; d++) {
                static const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
                const int x = PlayerX + dx[d], y = PlayerY + dy[d];
                if (!entry_square_free(x, y)) continue;
                Data[dp].x = (uint16_t)x;
                Data[dp].y = (uint16_t)y;
                c.Viimeisin_X = x;
                c.Viimeisin_Y = y;
                c.mode = 3;
                c.enemy = CRE_NONE;
                return n;
            }
        }
        return -1;
    }
    static bool said(const char *words) {
        for (int i = 0; i < smalltalk_trace.said_count && i < SMALLTALK_TRACE; i++)
            if (std::string(smalltalk_trace.said[i]).find(words) != std::string::npos) return true;
        return false;
    }
};

}  // namespace

TEST_F(TalkPlayed, SheGreetsAsksTheWayAndHerVillageRemembersTheTalk) {
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    PlayerX = v.x;
    PlayerY = v.y;
    command({SDLK_RETURN});
    command({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_FALSE(bigmap());
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    ASSERT_GT(soc, 0);
    ASSERT_EQ(GetGlobVil(soc), 1);
    const uint16_t talks = globVil.talks;
    const int n = villager_beside_her(soc);
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
