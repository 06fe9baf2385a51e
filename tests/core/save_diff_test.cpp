// Big files written into a save by their changes: the journal holds only what differs, the commit
// leaves exactly the new bytes, and a save that fails leaves the file as it was. The random stream the
// game draws from is the C library's generator, number for number.
#include <sys/stat.h>

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

long size_of(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? (long)st.st_size : -1;
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

TEST(SaveDiffRuns, RunsAreJoinedAcrossSmallGapsAndCappedByTheirNumber) {
    std::vector<unsigned char> was(100, 0), now(100, 0);
    now[3] = now[12] = now[40] = now[99] = 1;
    size_t runs[8][2];
    // Blocks of 10 bytes, gaps of up to 10 joined: 0-19 and 40-49 and 90-99.
    ASSERT_EQ(save_diff_runs(was.data(), now.data(), 100, 10, 10, runs, 8), 3);
    EXPECT_EQ(runs[0][0], 0u);
    EXPECT_EQ(runs[0][1], 20u);
    EXPECT_EQ(runs[1][0], 40u);
    EXPECT_EQ(runs[1][1], 10u);
    EXPECT_EQ(runs[2][0], 90u);
    EXPECT_EQ(runs[2][1], 10u);
    // With no gap joined and room for two runs only, the answer is "too many".
    EXPECT_EQ(save_diff_runs(was.data(), now.data(), 100, 10, 0, runs, 2), -1);
    EXPECT_EQ(save_diff_runs(was.data(), was.data(), 100, 10, 0, runs, 2), 0);
    // A last block shorter than the others still counts.
    now.assign(100, 0);
    now[95] = 5;
    ASSERT_EQ(save_diff_runs(was.data(), now.data(), 96, 64, 0, runs, 2), 1);
    EXPECT_EQ(runs[0][0], 64u);
    EXPECT_EQ(runs[0][1], 32u);
}

TEST_F(SaveDiffTest, AFewChangesGoInAJournalAndTheCommitLeavesTheNewBytes) {
    std::vector<unsigned char> now = old_bytes;
    now[5] ^= 1;
    now[200001] ^= 0xff;
    now.back() ^= 3;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), now.data(), now.size()));
    EXPECT_EQ(save_staged_as(path.c_str()), 1);
    EXPECT_FALSE(dir->exists("WORLD.DAT.new"));
    EXPECT_LT(size_of(path + ".jnl"), 40000);   // three blocks, not the file
    EXPECT_EQ(read_all(path), old_bytes);       // nothing reaches the file before the commit
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), now);
    EXPECT_FALSE(dir->exists("WORLD.DAT.jnl"));
}

TEST_F(SaveDiffTest, UnchangedFileIsNotPartOfTheSave) {
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), old_bytes.data(), old_bytes.size()));
    EXPECT_EQ(save_staged_as(path.c_str()), -1);
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), old_bytes);
}

TEST_F(SaveDiffTest, WideChangesAnotherSizeOrAMissingFileAreStagedWhole) {
    const struct {
        size_t size;
        bool change_all;
        bool remove_first;
    } cases[] = {{300000, true, false}, {300100, false, false}, {1000, false, false}, {300000, false, true}};
    for (const auto &c : cases) {
        ASSERT_TRUE(write_atomic(path.c_str(), old_bytes.data(), old_bytes.size()));
        if (c.remove_first) remove(path.c_str());
        std::vector<unsigned char> now(c.size);
        for (size_t i = 0; i < now.size(); i++) now[i] = c.change_all ? (unsigned char)(i * 7 + 1) : (unsigned char)(i * 7);
        save_begin();
        ASSERT_TRUE(save_write_file(path.c_str(), now.data(), now.size()));
        EXPECT_EQ(save_staged_as(path.c_str()), 0) << c.size;
        ASSERT_TRUE(save_commit());
        EXPECT_EQ(read_all(path), now) << c.size;
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
    EXPECT_FALSE(dir->exists("WORLD.DAT.jnl"));
}

TEST_F(SaveDiffTest, WrittenTwiceInOneSaveTheLastBytesWin) {
    // The second write goes back to the file's own bytes: a journal of the first alone would keep it.
    std::vector<unsigned char> first = old_bytes;
    first[70000] ^= 0x40;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), first.data(), first.size()));
    ASSERT_TRUE(save_write_file(path.c_str(), old_bytes.data(), old_bytes.size()));
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), old_bytes);

    // Staged whole first (another size), then written by changes: still the last bytes.
    std::vector<unsigned char> longer(old_bytes.size() + 10, 9), shorter = old_bytes;
    shorter[0] ^= 1;
    save_begin();
    ASSERT_TRUE(save_write_file(path.c_str(), longer.data(), longer.size()));
    ASSERT_TRUE(save_write_file(path.c_str(), shorter.data(), shorter.size()));
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(read_all(path), shorter);
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
