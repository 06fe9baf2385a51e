// Big files written into a save only when they changed: an unchanged file stays out of the save, a
// little changed one goes by its changed blocks, a much changed one is staged whole, the commit leaves
// exactly the new bytes, and a save that fails leaves the file as it was. The random stream the game
// draws from is the C library's generator, number for number.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/harness.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "base/writewatch.h"

using oxatest::TempDir;

namespace {

std::vector<unsigned char> read_all(const std::string &path) { return oxatest::read_bytes(path); }

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

// A file staged whole is written under its staged name, once or again in the same save: the commit
// leaves exactly the last bytes, and a staged write that fails leaves neither the file nor any part of
// the staged bytes behind.
TEST_F(SaveDiffTest, AFileStagedWholeCommitsItsLastBytesAndAFailedStagingLeavesNothing) {
    std::vector<unsigned char> first(old_bytes.size()), second(old_bytes.size());
    for (size_t i = 0; i < first.size(); i++) {
        first[i] = (unsigned char)(i * 13 + 1);
        second[i] = (unsigned char)(i * 3 + 2);
    }
    const struct Case {
        const char *what;
        std::vector<const std::vector<unsigned char> *> writes;
        bool blocked;   // the staged name can't be written
    } cases[] = {
        {"staged once", {&first}, false},
        {"staged twice", {&first, &second}, false},
        {"staged twice, the last back to the file's own bytes", {&first, &old_bytes}, false},
        {"the staged name can't be written", {&first}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(write_atomic(path.c_str(), old_bytes.data(), old_bytes.size()));
        const std::string staged = path + ".new";
        if (c.blocked) {
            ASSERT_EQ(mkdir(staged.c_str(), 0700), 0);
        }
        save_begin();
        bool written = true;
        for (const std::vector<unsigned char> *w : c.writes)
            written = save_write_file(path.c_str(), w->data(), w->size()) && written;
        EXPECT_EQ(written, !c.blocked);
        EXPECT_EQ(save_commit(), !c.blocked);
        EXPECT_EQ(read_all(path), c.blocked ? old_bytes : *c.writes.back());
        if (c.blocked) {
            ASSERT_EQ(rmdir(staged.c_str()), 0);
        }
        for (const char *left : {"WORLD.DAT.new", "WORLD.DAT.new.tmp", "WORLD.DAT.prev", "SAVE.COMMIT"})
            EXPECT_FALSE(dir->exists(left)) << left;
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

TEST_F(SaveDiffTest, AFileIsComparedAsItIsNowAfterChangesInPlaceAndReplacement) {
    auto unchanged = [&](const std::string &p, const std::vector<unsigned char> &bytes) {
        save_begin();
        EXPECT_TRUE(save_write_file(p.c_str(), bytes.data(), bytes.size()));
        const int staged = save_staged_as(p.c_str());
        EXPECT_TRUE(save_commit());
        return staged == -1;
    };
    ASSERT_TRUE(unchanged(path, old_bytes));

    // Another writer changes a byte of the file where it lies: the same bytes are a change now.
    FILE *f = fopen(path.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    fseek(f, 4321, SEEK_SET);
    fputc(old_bytes[4321] ^ 0x20, f);
    fclose(f);
    EXPECT_FALSE(unchanged(path, old_bytes));
    EXPECT_EQ(read_all(path), old_bytes);

    // A new file of the same size under the same name is what the bytes are held against.
    std::vector<unsigned char> other(old_bytes.size(), 0x5A);
    ASSERT_TRUE(write_atomic(path.c_str(), other.data(), other.size()));
    EXPECT_TRUE(unchanged(path, other));
    EXPECT_FALSE(unchanged(path, old_bytes));
    EXPECT_EQ(read_all(path), old_bytes);

    // More files than are kept mapped at once, each asked twice: every answer stays right.
    std::vector<std::string> names;
    for (int i = 0; i < 12; i++) {
        names.push_back(dir->path() + "/FILE" + std::to_string(i) + ".DAT");
        std::vector<unsigned char> bytes(20000, (unsigned char)i);
        ASSERT_TRUE(write_atomic(names.back().c_str(), bytes.data(), bytes.size()));
    }
    for (int round = 0; round < 2; round++)
        for (int i = 0; i < 12; i++) {
            EXPECT_TRUE(unchanged(names[i], std::vector<unsigned char>(20000, (unsigned char)i))) << i;
            EXPECT_FALSE(unchanged(names[i], std::vector<unsigned char>(20000, (unsigned char)(i + 1)))) << i;
            std::vector<unsigned char> back(20000, (unsigned char)i);
            ASSERT_TRUE(write_atomic(names[i].c_str(), back.data(), back.size()));
        }
}

TEST_F(SaveDiffTest, AMirroredWriteLeavesTheCopyHoldingTheBytesWhateverTheFileNeeded) {
    // The remembered copy starts apart from both the file and the new bytes; however the file is
    // written (left out, by its changes, whole, or outside a save), the copy ends as the new bytes.
    struct Case {
        const char *what;
        bool in_save;
        size_t change_from, change_count;   // bytes flipped from here, every 97th
    };
    const Case cases[] = {
        {"unchanged", true, 0, 0},
        {"a few bytes past the first runs", true, 200000, 5},
        {"much of it", true, 0, 3000},
        {"outside a save", false, 1000, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(write_atomic(path.c_str(), old_bytes.data(), old_bytes.size()));
        std::vector<unsigned char> now = old_bytes, copy(old_bytes.size());
        for (size_t k = 0; k < c.change_count; k++) now[c.change_from + 97 * k] ^= 0x11;
        for (size_t i = 0; i < copy.size(); i++) copy[i] = (unsigned char)(i % 5 == 0 ? now[i] : i * 13 + 1);
        if (c.in_save) save_begin();
        ASSERT_TRUE(save_write_file_mirrored_part(path.c_str(), now.data(), now.size(), copy.data(), 0, now.size()));
        if (c.in_save) {
            ASSERT_TRUE(save_commit());
        }
        EXPECT_TRUE(copy == now);
        EXPECT_EQ(read_all(path), now);
    }
}

// A table watched for writes is saved by the pages written since its file held it: a page written by
// the program or by a read from a file counts, a save that fails leaves its pages for the next one, and
// a file changed behind the watch's back is compared whole.
TEST_F(SaveDiffTest, AWatchedTableIsSavedByThePagesWrittenSinceItsFileHeldIt) {
    alignas(4096) static unsigned char table[64 * 4096 + 100];
    const int w = writewatch_open(table, sizeof table);
    if (w < 0) GTEST_SKIP() << "the system can't watch pages here";
    const std::string file = dir->path() + "/TABLE.OBJ";
    for (size_t i = 0; i < sizeof table; i++) table[i] = (unsigned char)(i * 13);
    ASSERT_TRUE(write_atomic(file.c_str(), table, sizeof table));
    writewatch_file_holds(w, file.c_str());
    SaveStretch r[16];
    int n = 0;
    auto save = [&](bool commit) {
        save_begin();
        const bool watched = writewatch_changed(w, file.c_str(), r, 16, n);
        EXPECT_TRUE(watched ? save_write_file_parts(file.c_str(), table, sizeof table, r, n)
                            : save_write_file(file.c_str(), table, sizeof table));
        if (!commit) {
            save_discard();
            return watched;
        }
        EXPECT_TRUE(save_commit());
        writewatch_committed(w, file.c_str());
        return watched;
    };
    struct Step {
        const char *what;
        int page;           // written before the save; -1 none, -2 read from a file, -3 the file replaced
        bool commit, watched;
        int ranges;         // ranges told (the unwatched tail counts as one), -1 not looked at
    } steps[] = {
        {"nothing written", -1, true, true, 1},
        {"one page", 5, true, true, 2},
        {"a save that fails", 9, false, true, 2},
        {"its page still counts", -1, true, true, 2},
        {"a read into the table", -2, true, true, 2},
        {"the file replaced", -3, true, false, -1},
        {"held again after that save", 40, true, true, 2},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        if (s.page >= 0) table[s.page * 4096 + 17] ^= 0x5a;
        if (s.page == -2) {
            const int fd = open(path.c_str(), O_RDONLY);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(read(fd, table + 20 * 4096, 4096), 4096);
            close(fd);
        }
        if (s.page == -3) {
            std::vector<unsigned char> other(table, table + sizeof table);
            other[3 * 4096] ^= 1;
            ASSERT_TRUE(write_atomic(file.c_str(), other.data(), other.size()));
        }
        EXPECT_EQ(save(s.commit), s.watched);
        if (s.ranges >= 0) {
            EXPECT_EQ(n, s.ranges);
        }
        if (s.commit) {
            EXPECT_EQ(read_all(file), std::vector<unsigned char>(table, table + sizeof table));
        }
    }
}
