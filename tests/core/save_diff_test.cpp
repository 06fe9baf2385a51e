// Big files written into a save only when they changed: an unchanged file stays out of the save, a
// little changed one goes by its changed blocks, a much changed one is staged whole, the commit leaves
// exactly the new bytes, and a save that fails leaves the file as it was. The random stream the game
// draws from is the C library's generator, number for number.
#include <cstdlib>
#include <string>
#include <vector>

#include "common/harness.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "core/savecommit.h"
#include "core/savediff.h"

using oxatest::TempDir;

namespace {

std::vector<unsigned char> read_all(const std::string &path) {
    std::vector<unsigned char> bytes;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = fgetc(f)) != EOF) bytes.push_back((unsigned char)c);
    fclose(f);
    return bytes;
}

class SaveDiffTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        copy_bounded(CharacterPath, sizeof CharacterPath, dir->path().c_str());
        path = dir->path() + "/WORLD.DAT";
        old_bytes.assign(300000, 0);
        for (size_t i = 0; i < old_bytes.size(); i++) old_bytes[i] = (unsigned char)(i * 7);
        ASSERT_TRUE(write_atomic(path.c_str(), old_bytes.data(), old_bytes.size()));
    }
    void TearDown() override {
        while (save_running()) save_discard();
        delete dir;
    }
    TempDir *dir = nullptr;
    std::string path;
    std::vector<unsigned char> old_bytes;
};

}  // namespace

TEST_F(SaveDiffTest, AChangedFileIsWrittenByItsChangesAndTheCommitLeavesTheNewBytes) {
    // A few changed bytes here and there, the last block cut short: only they go to the journal.
    std::vector<unsigned char> now = old_bytes;
    now[5] ^= 1;
    now[511] ^= 2;
    now[512] ^= 4;
    now[150001] ^= 8;
    now.back() ^= 3;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), now.data(), now.size()));
    EXPECT_EQ(save_staged_as(path.c_str()), 1);
    EXPECT_LT(read_all(path + ".jnl").size(), (size_t)4 * 512 + 4 * 16) << "only the changed blocks";
    EXPECT_EQ(read_all(path), old_bytes);   // nothing reaches the file before the commit
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), now);
    EXPECT_FALSE(dir->exists("WORLD.DAT.jnl"));
    EXPECT_FALSE(dir->exists("WORLD.DAT.new"));

    // Much of it changed: the file is staged whole.
    std::vector<unsigned char> most = now;
    for (size_t i = 0; i < most.size(); i += 3) most[i] ^= 0x55;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), most.data(), most.size()));
    EXPECT_EQ(save_staged_as(path.c_str()), 0);
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), most);
    EXPECT_FALSE(dir->exists("WORLD.DAT.new"));
}

TEST_F(SaveDiffTest, AnUnchangedFileIsNotPartOfTheSave) {
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), old_bytes.data(), old_bytes.size()));
    EXPECT_EQ(save_staged_as(path.c_str()), -1);
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), old_bytes);

    // Another size, or no file at all, is a change.
    for (bool remove_first : {false, true}) {
        if (remove_first) remove(path.c_str());
        std::vector<unsigned char> now(remove_first ? old_bytes.size() : 1000, 7);
        save_begin();
        ASSERT_TRUE(save_write_file(path.c_str(), now.data(), now.size()));
        EXPECT_EQ(save_staged_as(path.c_str()), 0);
        ASSERT_TRUE(save_commit());
        EXPECT_EQ(read_all(path), now);
    }
}

TEST_F(SaveDiffTest, AFailedSaveLeavesTheFileAsItWas) {
    std::vector<unsigned char> now = old_bytes;
    now[1000] ^= 1;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), now.data(), now.size()));
    save_fail("something else");
    EXPECT_FALSE(save_commit());
    EXPECT_EQ(read_all(path), old_bytes);
    EXPECT_FALSE(dir->exists("WORLD.DAT.new"));
    EXPECT_FALSE(dir->exists("WORLD.DAT.jnl"));
}

TEST_F(SaveDiffTest, WrittenTwiceInOneSaveTheLastBytesWin) {
    // Changed first, then back to the file's own bytes: the staged change must not stand.
    std::vector<unsigned char> first = old_bytes;
    first[70000] ^= 0x40;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), first.data(), first.size()));
    ASSERT_TRUE(save_write_file(path.c_str(), old_bytes.data(), old_bytes.size()));
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), old_bytes);

    // A file whose single squares this save already changes in place (its journal), written whole.
    std::vector<unsigned char> whole = old_bytes;
    whole[9] ^= 1;
    whole[123456] ^= 1;
    save_begin();
    const unsigned char cell = (unsigned char)(old_bytes[200] ^ 0x10);
    ASSERT_TRUE(save_write_at(path.c_str(), 200, &cell, 1));
    ASSERT_EQ(save_staged_as(path.c_str()), 1);
    ASSERT_TRUE(save_write_file(path.c_str(), whole.data(), whole.size()));
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), whole);
}

TEST(RandomStream, IsTheCLibraryGeneratorNumberForNumber) {
    // The C library's own generator of the same kind, in a state of its own, is the reference.
    for (unsigned seed : {1u, 0u, 77u, 12345u, 2147483648u, 4294967295u}) {
        static char state[128];
        random_data reference{};
        ASSERT_EQ(initstate_r(seed, state, sizeof state, &reference), 0);
        srand(seed);
        for (int i = 0; i < 5000; i++) {
            int32_t want;
            random_r(&reference, &want);
            ASSERT_EQ(rand(), want) << "seed " << seed << " draw " << i;
        }
    }
}

TEST(RandomStream, DrawsTakenInABlockAndGivenBackLeaveTheStreamAsPlainDraws) {
    for (int taken : {0, 1, 30, 31, 32, 700}) {
        srand(99);
        std::vector<int> plain;
        for (int i = 0; i < 2000; i++) plain.push_back(rand());
        srand(99);
        std::vector<int32_t> block(1000);
        rand_block(block.data(), 1000);
        for (int i = 0; i < 1000; i++) ASSERT_EQ(block[i], plain[i]) << i;
        rand_unget(1000 - taken);   // only `taken` of them were used
        for (int i = taken; i < 2000; i++) ASSERT_EQ(rand(), plain[i]) << "taken " << taken << " draw " << i;
    }
}
