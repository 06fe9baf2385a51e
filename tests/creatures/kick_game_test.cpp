// Aino kicks what is no creature, keys typed through the turn loop on her local map: a fence falls
// to plain ground, a set snare lets go and lies there as its item, a snare already sprung takes no
// turn, and a tree behind her, out of her sight, gets her heel.
#include "core/loader_fixture.h"

#include <fstream>
#include <sstream>

#include "core/datafunc.h"
#include "core/turnloop.h"
#include "creatures/creatures.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/maps.h"
#include "maps/plrlink.h"
#include "maps/sight.h"
#include "presentation/input_feeder.h"

namespace {

class KickGame : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});   // the next pass makes the local map
        ASSERT_FALSE(bigmap());
        // Nothing of the area stands or walks about beside her while she kicks.
        for (int i = 0; i < DATA_MAX; i++) {
            DataStruct &d = Data[i];
            if (std::abs(d.x - PlayerX) <= 2 && std::abs(d.y - PlayerY) <= 2 && (d.x != PlayerX || d.y != PlayerY) &&
                d.type != DT_UNUSED)
                d.type = DT_UNUSED;
        }
        for (int c = 0; c < CRE_COUNT; c++) Cre[c].enemy = CRE_NONE;
    }
    static void command(std::initializer_list<int> ks) {
        oxatest::KeyFeeder typing;
        for (int k : ks) typing.key((SDL_Keycode)k);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    // A new record of the pool on the square; its position.
    static int record(int type, int x, int y, int id) {
        set_data(type, x, y, id, 0);
        for (int i = DATA_MAX - 1; i >= 0; i--)
            if (Data[i].type == type && Data[i].x == x && Data[i].y == y && Data[i].id == (uint32_t)id) return i;
        return -1;
    }
    std::string notes() const {
        std::ifstream in(path("msglog.txt"));
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    // Her '0' kick to the east: whether it took her turn (the next pass spends it).
    static int kick_east() {
        command({SDLK_0, SDLK_RIGHT});
        return TurnUsed;
    }
};

TEST_F(KickGame, AFenceFallsAndASetSnareLetsGo) {
    const int x = PlayerX + 1, y = PlayerY;
    set_mapchar(x, y, 42);
    EXPECT_GT(kick_east(), 0) << "kicking the fence down takes her turn";
    EXPECT_EQ(get_mapchar(x, y), CH_GROUND);
    EXPECT_NE(notes().find("You kick the fence down."), std::string::npos) << notes();

    // A loop snare set on the square: her kick springs it and it lies there as the snare again.
    const int snare = record(DT_TRAP, x, y, 1);
    Data[snare].flags = 2;
    Data[snare].extra = 'd';
    EXPECT_GT(kick_east(), 0);
    EXPECT_EQ(Data[snare].type, DT_ITEM);
    EXPECT_EQ(Data[snare].count, 1);
    EXPECT_EQ(Data[snare].extra, 0);

    // A fixed trap already let go: the kick does nothing there and costs no turn.
    Data[snare] = {};
    const int pit = record(DT_TRAP, x, y, 396);
    Data[pit].extra = 0;
    EXPECT_EQ(kick_east(), 0);
    EXPECT_EQ(Data[pit].type, DT_TRAP) << "a released construction stays where it was built";
}

TEST_F(KickGame, HerHeelFindsTheTreeBehindHer) {
    // She faces east; the spruce west of her is out of her sight.
    const int x = PlayerX - 1, y = PlayerY;
    set_mapchar(x, y, 13);
    PlayerDir = 0;
    command({SDLK_PERIOD});
    ASSERT_FALSE(See(x, y)) << "the square behind her is not in her view";
    command({SDLK_0, SDLK_LEFT});
    EXPECT_EQ(TurnUsed, 1);
    char expect[120];
    snprintf(expect, sizeof expect, "You kick the %s behind you with your heel.", terrain_desc(13));
    EXPECT_NE(notes().find(expect), std::string::npos) << notes();
    EXPECT_EQ(get_mapchar(x, y), 13);
}

}  // namespace
