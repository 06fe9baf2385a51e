// Zooming in leaves the world map behind as one commit written by its changes: the cells she has seen
// since the last save reach "WORLD.PLM", and a world map that can't be saved keeps her where she is.
#include "core/loader_fixture.h"

#include <dirent.h>
#include <sys/stat.h>

#include "base/savecommit.h"
#include "maps/sight.h"
#include "core/squareevents.h"
#include "core/tekstit.h"
#include "base/debuglog.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {

class EntrySaveTest : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        if (DIR *d = opendir((std::string(OXA_RUN_DIR) + "/messages").c_str())) {
            while (dirent *e = readdir(d))
                if (e->d_name[0] != '.') dir->copy_asset(("messages/" + std::string(e->d_name)).c_str());
            closedir(d);
        }
        copy_bounded(language, sizeof language, "eng");
        MSG_forget_index();
    }
    std::string notes() {
        const std::vector<uint8_t> bytes = read("msglog.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    // A few cells of the world she has just seen, far from her.
    void see_cells() {
        for (int k = 0; k < 5; k++) set_memorymap(PlayerX - 40 + k, PlayerY + 30, '#');
    }
    bool cells_seen_on_disk() {
        const std::vector<uint8_t> plm = read("WORLD.PLM");
        if (plm.size() != MAP_BYTES) return false;
        for (int k = 0; k < 5; k++)
            if (plm[mapidx(PlayerX - 40 + k, PlayerY + 30)] != '#') return false;
        return true;
    }
};

}  // namespace

TEST_F(EntrySaveTest, TheWorldMapLeftBehindIsSavedByItsChanges) {
    ASSERT_EQ(loader(), 0);
    ASSERT_STREQ(Plr.mapname, "BIGMAP");
    const int wx = PlayerX, wy = PlayerY;
    ASSERT_EQ(size_of("WORLD.PLM"), (long)MAP_BYTES);
    see_cells();
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    PlayerX = wx;
    PlayerY = wy;
    EXPECT_TRUE(cells_seen_on_disk());
    for (const char *staged : {"WORLD.PLM.jnl", "WORLD.PLM.new", "WORLD.DAT.jnl", "WORLD.DAT.new", "SAVE.COMMIT"})
        EXPECT_EQ(size_of(staged), -1) << staged;
    EXPECT_EQ(read("WORLD.DAT").size(), MAP_BYTES);
    PlayerX = PlayerY = 500;
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
}

TEST_F(EntrySaveTest, AWorldMapThatCantBeSavedKeepsHerOnIt) {
    ASSERT_EQ(loader(), 0);
    const int wx = PlayerX, wy = PlayerY;
    const std::vector<uint8_t> plm = read("WORLD.PLM");
    see_cells();
    // The list of the commit can't be written: no file of the world map may change.
    ASSERT_EQ(mkdir(path("SAVE.COMMIT.tmp").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(path("SAVE.COMMIT.tmp/keep").c_str(), 0755), 0);
    EnterLocale(0, 0);
    EXPECT_NE(notes().find("couldn't be stored. You stay where you are."), std::string::npos) << notes();
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    EXPECT_EQ(LOAD_MAP, 0);
    EXPECT_EQ(PlayerX, wx);
    EXPECT_EQ(PlayerY, wy);
    EXPECT_TRUE(read("WORLD.PLM") == plm);
    EXPECT_EQ(size_of("WORLD.PLM.jnl"), -1);

    // With the folder mended she goes in, and what she saw is kept.
    ASSERT_EQ(rmdir(path("SAVE.COMMIT.tmp/keep").c_str()), 0);
    ASSERT_EQ(rmdir(path("SAVE.COMMIT.tmp").c_str()), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    PlayerX = wx;
    PlayerY = wy;
    EXPECT_TRUE(cells_seen_on_disk());
}

TEST_F(EntrySaveTest, LoadingACharacterForgetsTheRodFishingLuckOfTheOneBefore) {
    PLRGLOBAL_rodfishing_luck_mintick = 12345;
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(PLRGLOBAL_rodfishing_luck_mintick, 0u);
}

// Saving the world compares only the rows written since the last read or save: after every kind of
// writer the files and the remembered copies hold the layers, as after a comparison of the whole.
TEST_F(EntrySaveTest, TheWorldSavedByItsWrittenRowsIsTheWorldAWholeComparisonSaves) {
    ASSERT_EQ(loader(), 0);
    ASSERT_STREQ(Plr.mapname, "BIGMAP");
    srand(55);
    struct Change {
        const char *what;
        void (*make)();
        bool commit;   // false: the commit fails and the change waits for the next save
    };
    static const Change changes[] = {
        {"nothing", [] {}, true},
        {"she saw cells far off", [] { for (int k = 0; k < 5; k++) set_memorymap(PlayerX - 40 + k, PlayerY + 30, '#'); }, true},
        {"a square of the world changed", [] { set_mapchar(PlayerX + 3, PlayerY - 200, CH_FORD); }, true},
        {"she looked round after a step", [] { PlayerY++; PlayerView(); }, true},
        {"cells seen in a save that failed", [] { set_memorymap(PlayerX - 7, PlayerY + 400, '%'); }, false},
        {"the same rows saved again", [] {}, true},
        {"her memory cleared", [] { fill_layer(maailma_memorymap, ' '); }, true},
        {"her memory read back", [] { Read_MemoryMap("BIGMAP"); }, true},
        {"fords made", [] { fordmaker(); }, true},
    };
    for (const Change &c : changes) {
        c.make();
        if (!c.commit) save_commit_step = [](int) { return false; };
        save_begin();
        ASSERT_EQ(save_playermap("BIGMAP"), 1) << c.what;
        EXPECT_EQ(save_commit(), c.commit) << c.what;
        save_commit_step = nullptr;
        if (!c.commit) continue;
        EXPECT_TRUE(read("WORLD.DAT") == std::vector<uint8_t>(maailma, maailma + MAP_BYTES)) << c.what;
        EXPECT_TRUE(read("WORLD.PLM") == std::vector<uint8_t>(maailma_memorymap, maailma_memorymap + MAP_BYTES)) << c.what;
        EXPECT_EQ(memcmp(maailma_alltime, maailma, MAP_BYTES), 0) << c.what;
        EXPECT_EQ(memcmp(maailma_alltime_memorymap, maailma_memorymap, MAP_BYTES), 0) << c.what;
    }
}
