// Whole worlds under fixed seeds: the shape of the land, the codes used, the cultures, the start
// place, and the files written.
#include "worldgen/kartta_main_test.h"
#include "worldgen/worldgen_fixture.h"

#include <sys/stat.h>

#include <set>
#include <string>
#include <vector>

namespace oxatest {
namespace {

// The codes the screen paints: every cell of a finished world holds one of them.
bool painted(int code) {
    uint8_t rgb[3];
    return karttamerkki_rgb(code, 0, rgb) != 0;
}

bool water_kept(int c) { return c == 180 || c == 181 || c == 182 || c == 183 || c == 247 || c == 177; }

class Worlds : public WorldgenTest, public ::testing::WithParamInterface<int> {};

// The steps one by one, as luokartta runs them, so that the world before the rivers can be kept.
TEST_P(Worlds, ShapeCodesCulturesAndStart) {
    worldgen_seed((uint32_t)GetParam());
    ASSERT_TRUE(alustakartat());
    luomerenranta();
    luopohjoisetvuoret();
    luojarvet();
    luometsat();
    std::vector<uint8_t> before(maailma, maailma + MAP_BYTES);
    luojoet();
    for (size_t i = 0; i < MAP_BYTES; i++)
        if (water_kept(before[i]) && (maailma[i] == 178 || maailma[i] == 176))
            FAIL() << "a river over water at " << i % MAP_STRIDE << "," << i / MAP_STRIDE << " was " << (int)before[i];
    luokulttuurit();
    satunnaista();

    for (int x = 0; x < 3072; x++) {
        ASSERT_TRUE(peekmaailma(0, x) == 180 || peekmaailma(0, x) == 181) << "top row, column " << x;
        ASSERT_TRUE(peekmaailma(2047, x) == 180 || peekmaailma(2047, x) == 181) << "bottom row, column " << x;
    }
    for (int y = 0; y < 2048; y++) ASSERT_TRUE(peekmaailma(y, 0) == 180 || peekmaailma(y, 0) == 181) << "left column, row " << y;
    for (int y = 0; y < 2048; y++)
        for (int x = 0; x < 3072; x++)
            ASSERT_TRUE(painted(peekmaailma(y, x))) << x << "," << y << " holds " << peekmaailma(y, x);
    for (int x = 0; x < MAP_STRIDE; x++) ASSERT_EQ(maailma[mapidx(x, 2048)], 0);
    for (int y = 0; y < MAP_ROWS; y++) ASSERT_EQ(maailma[mapidx(3072, y)], 0);

    std::set<int> cultures;
    for (int by = 0; by < 64; by++)
        for (int bx = 0; bx < 96; bx++) cultures.insert(peekkulttuurikartta(by * 32, bx * 32));
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13}) EXPECT_TRUE(cultures.count(c)) << "no blocks of culture " << c;
    for (int y = 0; y < 2048; y++)
        for (int x = 0; x < 3072; x++) {
            const int c = peekmaailma(y, x);
            if (c == 239 || c == 210 || c == 211) {
                ASSERT_NE(peekkulttuurikartta(y, x), 10) << "settlement " << x << "," << y;
            }
        }

    for (int home = 0; home < 2; home++) {
        set_culture(home ? GetParam() % 10 : 0);
        etsialoituskohta(home);
        EXPECT_TRUE(start_place_ok(plr_aloitus_x, plr_aloitus_y));
        EXPECT_GE(plr_aloitus_x, 256);
        EXPECT_LE(plr_aloitus_x, 2047);
        EXPECT_GE(plr_aloitus_y, 128);
        EXPECT_LE(plr_aloitus_y, 1919);
        if (home && !ALOITUS_NOTE) {
            EXPECT_EQ(peekkulttuurikartta(plr_aloitus_y + 3, plr_aloitus_x + 3), GetParam() % 10);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, Worlds, ::testing::Range(1, 21));

class WorldFiles : public WorldgenTest {
protected:
    void SetUp() override {
        WorldgenTest::SetUp();
        dir = new TempDir();
    }
    void TearDown() override {
        delete dir;
        WorldgenTest::TearDown();
    }
    std::string make(uint32_t seed, const char *folder) {
        const std::string path = dir->path() + "/" + folder;
        mkdir(path.c_str(), 0755);
        worldgen_seed(seed);
        EXPECT_EQ(luokartta(), 0);
        EXPECT_EQ(tallennakartta(path.c_str()), 0);
        return std::string(folder);
    }
    TempDir *dir = nullptr;
};

TEST_F(WorldFiles, WorldFileHoldsEveryCellAndTheSameSeedWritesTheSameFiles) {
    make(5, "A");
    const std::string world = dir->read_file("A/WORLD.DAT");
    ASSERT_EQ(world.size(), 6296577u);
    for (int i = 0; i < 1000; i++) {
        const int x = (i * 2654435761u) % 3073, y = (i * 40503u) % 2049;
        ASSERT_EQ((uint8_t)world[(size_t)x + 3073u * y], (x < 3072 && y < 2048) ? peekmaailma(y, x) : 0) << x << "," << y;
    }
    EXPECT_EQ(dir->read_file("A/kulttuuri.dat").size(), 6144u);
    EXPECT_EQ(dir->read_file("A/names.dat").size(), 12288u);
    EXPECT_FALSE(dir->exists("A/WORLD.DAT.tmp"));
    // Another world in between leaves nothing behind in the next one of the first seed.
    make(6, "B");
    make(5, "C");
    EXPECT_NE(dir->read_file("B/WORLD.DAT"), world);
    EXPECT_EQ(dir->read_file("C/WORLD.DAT"), world);
    EXPECT_EQ(dir->read_file("C/kulttuuri.dat"), dir->read_file("A/kulttuuri.dat"));
}

TEST_F(WorldFiles, FailedWriteIsReportedAndLeavesNoWorldFile) {
    worldgen_seed(3);
    ASSERT_EQ(luokartta(), 0);
    const std::string missing = dir->path() + "/nowhere";
    EXPECT_NE(tallennakartta(missing.c_str()), 0);
    // "WORLD.DAT" taken by a folder: the temporary file is written but can't take the name.
    mkdir((dir->path() + "/D").c_str(), 0755);
    mkdir((dir->path() + "/D/WORLD.DAT").c_str(), 0755);
    EXPECT_NE(tallennakartta((dir->path() + "/D").c_str()), 0);
    EXPECT_FALSE(dir->exists("D/WORLD.DAT.tmp"));
    EXPECT_FALSE(dir->exists("D/kulttuuri.dat")) << "nothing more is written after a failure";
    EXPECT_EQ(tallennakartta(""), 0) << "an empty path writes nothing";
}

}  // namespace
int allocations_allowed = 0;
void *scarce_alloc(size_t n) {
    if (allocations_allowed <= 0) return nullptr;
    allocations_allowed--;
    return malloc(n);
}

// Memory that cannot be had fails the generation: at the work map, and at the sea sweeps' copies.
TEST_F(WorldFiles, MemoryThatCannotBeHadFailsTheGeneration) {
    for (int allowed : {0, 1, 2}) {
        putsaa();                  // no work map kept from an earlier world
        allocations_allowed = allowed;
        worldgen_alloc = scarce_alloc;
        worldgen_seed(3);
        EXPECT_EQ(luokartta(), 1) << allowed << " allocations allowed";
        EXPECT_EQ(tyokartta, nullptr) << "a failed world keeps no work map";
        worldgen_alloc = malloc;
    }
    putsaa();
    worldgen_seed(3);
    EXPECT_EQ(luokartta(), 0) << "with memory the same seed makes its world";
    EXPECT_EQ(worldgen_out_of_memory, 0);
}

}  // namespace oxatest
