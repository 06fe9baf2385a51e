// One save is one commit: the local area's store and the character's files change together or not at
// all, a save that fails (a full disk) leaves every byte of the folder as the last good save left it,
// a commit cut short is finished or taken back by the next load, a damaged list or journal is refused,
// and a refused load changes no file.
#include <dirent.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>

#include "core/loader_fixture.h"
#include "base/savecommit.h"
#include "screens/loadchar.h"
#include "presentation/notes.h"
#include "worldgen/worldgen.h"
#include "game/turnloop.h"

using oxatest::LoaderTest;

namespace {

// Every file of a folder with its bytes.
std::map<std::string, std::vector<uint8_t>> snapshot(const std::string &folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    DIR *d = opendir(folder.c_str());
    if (!d) return files;
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        // The message log tells of the failure; it is no part of a save.
        if (name == "." || name == ".." || name == "msglog.txt") continue;
        files[name] = oxatest::read_bytes(folder + "/" + name);
    }
    closedir(d);
    return files;
}

// The folder a refused load must leave as it was, checked as the program ends (a test that ends the
// program runs in a process of its own).
std::string watched_folder;
std::map<std::string, std::vector<uint8_t>> watched_files;
void report_folder() {
    const auto now = snapshot(watched_folder);
    for (const auto &f : watched_files)
        if (!now.count(f.first) || now.at(f.first) != f.second) fprintf(stderr, "changed: %s\n", f.first.c_str());
    for (const auto &f : now)
        if (!watched_files.count(f.first)) fprintf(stderr, "changed: %s\n", f.first.c_str());
    if (now == watched_files) fprintf(stderr, "folder unchanged\n");
}

// The files of a folder as a snapshot held them: every other file goes, every held one is written back.
void restore(const std::string &folder, const std::map<std::string, std::vector<uint8_t>> &files) {
    const auto now = snapshot(folder);
    for (const auto &f : now)
        if (!files.count(f.first)) remove((folder + "/" + f.first).c_str());
    for (const auto &f : files) {
        const auto same = now.find(f.first);
        if (same != now.end() && same->second == f.second) continue;   // only what changed is written
        FILE *out = fopen((folder + "/" + f.first).c_str(), "wb");
        if (!out) continue;
        if (!f.second.empty()) fwrite(f.second.data(), 1, f.second.size(), out);
        fclose(out);
    }
}

// The names of a folder that differ from a snapshot; empty when every byte is as it was.
std::string differences(const std::map<std::string, std::vector<uint8_t>> &before,
                        const std::map<std::string, std::vector<uint8_t>> &now) {
    std::string out;
    for (const auto &f : before)
        if (!now.count(f.first) || now.at(f.first) != f.second) out += " changed:" + f.first;
    for (const auto &f : now)
        if (!before.count(f.first)) out += " left:" + f.first;
    return out;
}

int fail_at = -1;
bool fail_step(int n) { return n != fail_at; }
int kill_at = -1;
bool kill_step(int n) {
    if (n == kill_at) _exit(0);
    return true;
}

// Something of the local area and of the character that only a save keeps: a thing left beside her
// and two days more.
void change_area_and_day(int count) {
    ASSERT_GE(set_data(DT_ITEM, PlayerX + 1, PlayerY, 50003, count), 0);
    Plr.daynumber += 2;
}

}  // namespace

TEST_F(LoaderTest, LocalAreaAndCharacterAreSavedTogetherOrNotAtAll) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    change_area_and_day(2);
    const auto before = snapshot(dir->path() + "/AINO");

    // The character file can't be written: neither the store nor any other file changes.
    ASSERT_EQ(mkdir(path("AINO.OXS.new").c_str(), 0755), 0);
    EXPECT_EQ(Save(SAVE_EXPLICIT), 0);
    EXPECT_EQ(loader_last_note()[0], '!');
    rmdir(path("AINO.OXS.new").c_str());
    EXPECT_EQ(differences(before, snapshot(dir->path() + "/AINO")), "");
    EXPECT_GE(get_datatype(DT_ITEM, PlayerX + 1, PlayerY), 0) << "the game goes on with its pool";

    // The save is tried again and goes through, flushed to the disk as the game's saves are: the
    // store holds the thing left on the area.
    save_flush = 1;
    const long flushes = save_flushes;
    EXPECT_EQ(Save(SAVE_EXPLICIT), 1);
    save_flush = 0;
    EXPECT_GE(save_flushes - flushes, 3) << "the staged files, the list with the folder, the files in place";
    EXPECT_NE(read("ZOOMMAPS.DAT"), before.at("ZOOMMAPS.DAT"));
    EXPECT_NE(read("AINO.OXS"), before.at("AINO.OXS"));
    EXPECT_EQ(read("AINO.BAK"), before.at("AINO.OXS")) << "the backup holds the last good save";
    EXPECT_FALSE(dir->exists("AINO/ZOOMMAPS.DAT.jnl"));
}

// A kill at any step of the commit: the next load has one whole save, the last good one or the new
// one, and no temporary file left.
TEST_F(LoaderTest, KilledAtAnyStepOfTheCommitTheNextLoadHasOneWholeSave) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    const std::string folder = dir->path() + "/AINO";
    const auto saved = snapshot(folder);
    const uint32_t day = Plr.daynumber;
    const int ix = PlayerX + 1, iy = PlayerY;
    int finished = 0, kept = 0;
    for (int step : {0, 4, 14}) {
        SCOPED_TRACE("killed at step " + std::to_string(step));
        leave_to_menu();
        restore(folder, saved);
        ASSERT_EQ(loader(), 0);
        change_area_and_day(5);
        kill_at = step;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            save_commit_step = kill_step;
            Save(0);
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        leave_to_menu();
        ASSERT_EQ(loader(), 0) << loader_last_note();
        const int found = get_datatype(DT_ITEM, ix, iy);
        if (Plr.daynumber == day + 2) {
            finished++;
            ASSERT_GE(found, 0) << "the store's journal went in with the character";
            EXPECT_EQ(Data[found].count, 5);
        } else {
            kept++;
            EXPECT_EQ(Plr.daynumber, day);
            EXPECT_LT(found, 0) << "the store as the last save left it";
        }
        for (const auto &f : snapshot(folder)) {
            for (const char *t : {".new", ".jnl", ".tmp", ".undo", ".prev"})
                EXPECT_EQ(f.first.find(t), std::string::npos) << f.first;
            EXPECT_NE(f.first, "SAVE.COMMIT");
        }
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(finished, 0);
}

namespace {

// What the commit's first step does to the folder of the running save.
std::string step_folder;
int other_game = -1;   // how the other game's load ended: 0 told "in use" with the folder unchanged
bool other_game_loads(int n) {
    if (n != 0) return true;
    const pid_t child = fork();
    if (child == 0) {
        save_unlock_folder();   // the other game holds no lock of its own
        const auto before = snapshot(step_folder);
        const int loaded = loader();
        const bool told = strstr(loader_last_note(), "in use") != nullptr;
        _exit(loaded != -1 ? 1 : !told ? 2 : differences(before, snapshot(step_folder)) != "" ? 3 : 0);
    }
    int status = 0;
    other_game = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}
bool staged_file_taken(int n) {
    if (n == 0) remove((step_folder + "/AINO.OXS.new").c_str());
    return true;
}

}  // namespace

// A second game can't load a character another game has: it is told and changes nothing, and the
// first game's save, made meanwhile, is whole. A staged file taken away at the commit fails the save.
TEST_F(LoaderTest, ASecondGameIsRefusedTheFolderAndTheFirstGameSavesWhole) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    step_folder = dir->path() + "/AINO";
    change_area_and_day(3);
    const uint32_t day = Plr.daynumber;
    save_commit_step = other_game_loads;
    EXPECT_EQ(Save(SAVE_EXPLICIT), 1);
    save_commit_step = nullptr;
    EXPECT_EQ(other_game, 0);
    leave_to_menu();
    ASSERT_EQ(loader(), 0) << loader_last_note();
    EXPECT_EQ(Plr.daynumber, day) << "the save is in the folder";

    const auto saved = snapshot(step_folder);
    Plr.daynumber += 2;
    save_commit_step = staged_file_taken;
    EXPECT_EQ(Save(SAVE_EXPLICIT), 0);
    save_commit_step = nullptr;
    EXPECT_EQ(differences(saved, snapshot(step_folder)), "");
}

// A commit list cut, zeroed or garbled while a save is pending: the load says so and changes nothing
// until the player chooses; choosing the last good save sets the unfinished save's files aside.
class DamagedListTest : public oxatest::LoaderScreenTest {};

TEST_F(DamagedListTest, ALoadThatFindsADamagedListKeepsBothSavesUntilThePlayerChooses) {
    const std::string folder = dir->path() + "/AINO";
    static PlayerStruct later;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &later, sizeof later));
    const uint32_t day = later.daynumber;
    later.daynumber += 9;
    const SaveListEntry entries[] = {{'R', "AINO.OXS"}, {'R', "EXITER.DAT"}};
    char list[256];
    const size_t len = save_list_format(list, sizeof list, entries, 2);
    ASSERT_GT(len, 0u);
    const std::string whole(list, len);
    std::string garbled = whole;
    garbled[2] = 'X';
    const std::string damages[] = {whole.substr(0, len / 2), std::string(len, '\0'), garbled,
                                   whole.substr(0, whole.rfind("end"))};
    auto write_file = [&](const std::string &name, const void *bytes, size_t n) {
        FILE *f = fopen(path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(bytes, 1, n, f);
        fclose(f);
    };
    write_file("AINO.OXS.new", &later, sizeof later);
    for (const std::string &damaged : damages) {
        write_file("SAVE.COMMIT", damaged.data(), damaged.size());
        const auto before = snapshot(folder);
        oxatest::reset_loader_tables();
        tap(SDLK_n);   // "Load the save before it ...?"
        EXPECT_EQ(loader(), -1);
        EXPECT_NE(strstr(loader_last_note(), "SAVE.COMMIT, is damaged"), nullptr) << loader_last_note();
        EXPECT_EQ(differences(before, snapshot(folder)), "");
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    oxatest::reset_loader_tables();
    tap(SDLK_y);
    ASSERT_EQ(loader(), 0) << loader_last_note();
    EXPECT_EQ(Plr.daynumber, day) << "the last good save";
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));
    EXPECT_FALSE(dir->exists("AINO/AINO.OXS.new"));
    EXPECT_TRUE(dir->exists("AINO/SAVE.UNFINISHED/AINO.OXS.new"));
    EXPECT_TRUE(dir->exists("AINO/SAVE.UNFINISHED/SAVE.COMMIT"));
}

// A journal entry that does not fit its file refuses the whole journal: the pending commit is taken
// back and the store keeps its size. Only an entry within the file, or one that lengthens it by the
// bytes it holds, is applied.
TEST_F(LoaderTest, AJournalEntryOutsideItsFileRefusesTheJournal) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    const std::vector<uint8_t> store = read("ZOOMMAPS.DAT"), oxs = read("AINO.OXS");
    ASSERT_GT(store.size(), 0u);
    const int64_t end = (int64_t)store.size();
    struct Entry {
        int64_t offset;
        uint32_t size, pad, body;   // body: the bytes that follow the entry
        bool applied;
    };
    const uint32_t ZEROS = 0x4f52455au;
    const Entry entries[] = {
        {0x7ff00000, 16, 0, 16, false},      // far past the end
        {end + 1, 16, 0, 16, false},          // a gap after the end
        {-16, 16, 0, 16, false},
        {0, 32u << 20, 0, 16, false},        // larger than any record
        {0, 16, 7, 16, false},
        {0, 64, 0, 16, false},               // cut short
        {end, 16, 0, 16, true},              // lengthens the store by its bytes
        {8, 16, 0, 16, true},
        {end, 8192, ZEROS, 0, true},         // lengthens it by zeros, holding no bytes
        {8, 16, ZEROS, 0, false},            // zeros only ever lengthen the file
        {end + 1, 16, ZEROS, 0, false},
    };
    static PlayerStruct later;
    for (const Entry &e : entries) {
        SCOPED_TRACE("entry at " + std::to_string(e.offset) + " of " + std::to_string(e.size));
        std::vector<uint8_t> journal(16 + e.body, 0xab);
        memcpy(&journal[0], &e.offset, 8);
        memcpy(&journal[8], &e.size, 4);
        memcpy(&journal[12], &e.pad, 4);
        write("ZOOMMAPS.DAT.jnl", journal.data(), journal.size());
        later = Plr;
        later.daynumber = Plr.daynumber + 30;
        write("AINO.OXS.new", &later, sizeof later);
        const SaveListEntry list[] = {{'J', "ZOOMMAPS.DAT"}, {'R', "AINO.OXS"}};
        char text[256];
        const size_t len = save_list_format(text, sizeof text, list, 2);
        write("SAVE.COMMIT", text, len);
        EXPECT_EQ(recover_interrupted_save(), e.applied ? SaveRecovery::finished : SaveRecovery::damaged_file);
        if (e.applied) {
            const std::vector<uint8_t> now = read("ZOOMMAPS.DAT");
            EXPECT_EQ(now.size(), std::max<size_t>(store.size(), (size_t)(e.offset + e.size)));
            if (e.pad == ZEROS) {
                EXPECT_TRUE(std::equal(store.begin(), store.end(), now.begin()));
                EXPECT_EQ(std::count(now.begin() + (long)store.size(), now.end(), 0), (long)e.size);
            }
            EXPECT_NE(read("AINO.OXS"), oxs);
        } else {
            EXPECT_EQ(read("ZOOMMAPS.DAT"), store);
            EXPECT_EQ(read("AINO.OXS"), oxs) << "the whole commit is taken back";
        }
        for (const char *left : {"SAVE.COMMIT", "SAVE.ROLLBACK", "ZOOMMAPS.DAT.jnl", "ZOOMMAPS.DAT.undo", "AINO.OXS.new",
                                 "AINO.OXS.prev"})
            EXPECT_EQ(size_of(left), -1) << left;
        write("ZOOMMAPS.DAT", store.data(), store.size());
        write("AINO.OXS", oxs.data(), oxs.size());
    }
}

// Temporary files a kill may leave: the load removes each, and a save leaves none.
TEST_F(LoaderTest, TheLoadRemovesEveryTemporaryNameASaveUses) {
    for (const char *name : {"SAVE.COMMIT.tmp", "WORLD.DAT.new.tmp", "WORLD.DAT.new", "AINO.CRS.jnl", "AINO.OXS.tmp",
                             "DATA.DAT.undo", "DATA.DAT.undo.tmp", "EXITER.DAT.prev"})
        write(name, "x", 1);
    const std::vector<uint8_t> exiter = read("EXITER.DAT");
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    EXPECT_EQ(read("EXITER.DAT").size(), exiter.size()) << "a file beside its old copy stays";
    for (const auto &f : snapshot(dir->path() + "/AINO")) {
        for (const char *t : {".new", ".jnl", ".tmp", ".undo", ".prev"})
            EXPECT_EQ(f.first.find(t), std::string::npos) << f.first;
    }
}

// ---- a full disk ----------------------------------------------------------------------------------

// Aino's folder on a small disk of its own (a tmpfs, where the test may mount one), loaded and played
// as the outer loop does, on a local area with something to save.
class FullDiskTest : public oxatest::LoaderScreenTest {
protected:
    void SetUp() override {
        LoaderScreenTest::SetUp();
        disk = dir->path() + "/disk";
        ASSERT_EQ(mkdir(disk.c_str(), 0755), 0);
        if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=96m") == 0) {
            mounted = true;
            const std::string move = "mv " + dir->path() + "/AINO " + disk + "/AINO && ln -s " + disk + "/AINO " +
                                     dir->path() + "/AINO";
            ASSERT_EQ(system(move.c_str()), 0);
        }
        REAL_QUIT = loader();
        ASSERT_EQ(REAL_QUIT, 0);
        var_clear();
        LOADER_RUN = 0;
        srand(20261207);
        EnterLocale(0, 0);
        ASSERT_EQ(GetMappie(0), 1);
        first_pass();
    }
    void TearDown() override {
        save_commit_step = nullptr;
        remove(filler().c_str());
        if (mounted) umount2(disk.c_str(), MNT_DETACH);
        LoaderScreenTest::TearDown();
    }
    std::string filler() const { return disk + "/filler"; }
    // Fills the disk up to `left` free bytes.
    void leave_free(long long left) {
        remove(filler().c_str());
        struct statvfs vfs;
        ASSERT_EQ(statvfs(disk.c_str(), &vfs), 0);
        const long long fill = (long long)vfs.f_bavail * (long long)vfs.f_frsize - left;
        if (fill <= 0) return;
        FILE *f = fopen(filler().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        static char block[1 << 16];
        for (long long n = fill; n > 0; n -= (long long)sizeof block)
            fwrite(block, 1, n < (long long)sizeof block ? (size_t)n : sizeof block, f);
        fclose(f);
    }
    // Ctrl+S as the player presses it; true when the game said the character was saved.
    bool ctrl_s() {
        lastnote[0] = 0;
        tap(SDLK_s, KMOD_LCTRL);
        tap(SDLK_SPACE);   // a write error waits for a key
        int r;
        const int more = turn_pass(&r);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        const bool saved = strstr(lastnote, "Your character has been saved.") != nullptr;
        EXPECT_EQ(more, saved ? 0 : 1) << lastnote;
        return saved;
    }
    std::string disk;
    bool mounted = false;
};

TEST_F(FullDiskTest, ASaveThatCannotFinishLeavesEveryByteOfTheFolder) {
    const std::string folder = dir->path() + "/AINO";
    change_area_and_day(3);
    const auto before = snapshot(folder);
    // A step of the commit itself fails (the disk filled by another program after the room was
    // checked): every file already in place is taken back before the save reports.
    int failed = 0;
    for (int step = 0; step < 2000; step += 1 + step / 2) {
        SCOPED_TRACE("failed at step " + std::to_string(step));
        fail_at = step;
        save_commit_step = fail_step;
        const bool saved = ctrl_s();
        save_commit_step = nullptr;
        if (saved) break;
        failed++;
        EXPECT_EQ(lastnote[0], '!') << lastnote;
        ASSERT_EQ(differences(before, snapshot(folder)), "");
    }
    EXPECT_GE(failed, 6);
    if (!mounted) return;

    // A disk too full for the save: at each level the save fails somewhere else (a staged file, a
    // journal, the room for the commit) and the folder stays as the last save left it; "Q" after it
    // fails too and changes nothing either. With room enough, she is saved.
    const auto saved_once = snapshot(folder);
    change_area_and_day(4);
    failed = 0;
    bool saved = false;
    // (Her save here stages about 0.4 MB and needs about 0.1 MB more for the commit.)
    for (long long left : {0LL, 32LL << 10, 128LL << 10, 200LL << 10, 400LL << 10, 48LL << 20}) {
        SCOPED_TRACE("free bytes " + std::to_string(left));
        leave_free(left);
        saved = ctrl_s();
        if (saved) break;
        failed++;
        EXPECT_EQ(lastnote[0], '!') << lastnote;
        EXPECT_EQ(differences(saved_once, snapshot(folder)), "");
        if (left != (200LL << 10)) continue;
        tap(SDLK_q, KMOD_LSHIFT);
        tap(SDLK_y, KMOD_LSHIFT);
        tap(SDLK_SPACE);
        int r;
        EXPECT_EQ(turn_pass(&r), 1) << "Q that could not save stays in the game";
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        EXPECT_EQ(differences(saved_once, snapshot(folder)), "");
    }
    EXPECT_GE(failed, 4);
    ASSERT_TRUE(saved);
    const uint32_t day = Plr.daynumber;
    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Plr.daynumber, day) << "the next load finds her as saved";
}

TEST_F(LoaderTest, RefusedLoadOfAHalfWorldLeavesTheFolderAsItWas) {
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    const std::vector<uint8_t> world = read("WORLD.DAT");
    ASSERT_EQ(world.size(), (size_t)MAP_BYTES);
    const std::vector<uint8_t> half(world.begin(), world.begin() + world.size() / 2);
    write("WORLD.DAT", half.data(), half.size());
    watched_folder = dir->path() + "/AINO";
    watched_files = snapshot(watched_folder);
    ASSERT_EQ(watched_files.count("WORLD.BAK"), 1u);

    leave_to_menu();
    // The world's good copy stays, and so does every other file.
    EXPECT_EXIT(
        {
            atexit(report_folder);
            loader();
        },
        ::testing::ExitedWithCode(1), "damaged.*folder unchanged");

    // The world's good copy brings the character back.
    write("WORLD.DAT", world.data(), world.size());
    EXPECT_EQ(loader(), 0);
}

TEST(SaveCommit, JournalAndStagedFilesReachTheirFilesOnlyAtTheCommit) {
    oxatest::TempDir dir;
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.path().c_str());
    const std::string store = dir.path() + "/STORE.DAT", table = dir.path() + "/TABLE.DAT";
    const char old_store[] = "0123456789", old_table[] = "old";
    ASSERT_TRUE(write_atomic(store.c_str(), old_store, 10));
    ASSERT_TRUE(write_atomic(table.c_str(), old_table, 3));

    auto one_save = [&](bool fail) {
        save_begin();
        char buf[1200];
        EXPECT_TRUE(save_write_at(store.c_str(), 2, "ab", 2));
        EXPECT_TRUE(save_write_at(store.c_str(), 12, "cd", 2));   // past the end: the file grows
        EXPECT_TRUE(write_atomic(save_target(table.c_str(), buf, sizeof buf), "new", 3));
        EXPECT_STREQ(save_source(table.c_str(), buf, sizeof buf), (table + ".new").c_str());
        EXPECT_EQ(dir.read_file("STORE.DAT"), std::string(old_store, 10)) << "nothing in place before the commit";
        if (fail) save_fail("a file of the save");
        return save_commit();
    };
    EXPECT_FALSE(one_save(true));
    EXPECT_EQ(dir.read_file("STORE.DAT"), std::string(old_store, 10));
    EXPECT_EQ(dir.read_file("TABLE.DAT"), "old");
    EXPECT_FALSE(dir.exists("STORE.DAT.jnl"));
    EXPECT_FALSE(dir.exists("TABLE.DAT.new"));

    EXPECT_TRUE(one_save(false));
    EXPECT_EQ(dir.read_file("STORE.DAT"), std::string("01ab456789\0\0cd", 14));
    EXPECT_EQ(dir.read_file("TABLE.DAT"), "new");
    EXPECT_FALSE(save_running());
}

// Inside a save a file rewritten in place reads as the save leaves it, whatever its journal holds:
// bytes over the file's own, the zeros that lengthen it past its end (pages of them left as holes),
// and bytes written later into those zeros; one stretch or several at once. The commit leaves the same.
TEST(SaveCommit, AFileRewrittenInPlaceReadsInsideTheSaveAsTheCommitLeavesIt) {
    oxatest::TempDir dir;
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.path().c_str());
    const std::string store = dir.path() + "/STORE.DAT";
    std::vector<unsigned char> model(5000);
    for (size_t i = 0; i < model.size(); i++) model[i] = (unsigned char)(i * 13 + 1);
    ASSERT_TRUE(write_atomic(store.c_str(), model.data(), model.size()));
    save_begin();
    // offset, size, the byte written (0: zeros)
    const struct {
        long at;
        size_t size;
        unsigned char byte;
    } writes[] = {
        {100, 50, 0xa1},      // within the file
        {4900, 300, 0xa2},    // over its end
        {12000, 9000, 0},     // after a gap, pages of zeros
        {21000, 100, 0xa3},   // after them
        {13000, 20, 0xa4},    // into the zeros
        {4096, 8192, 0},      // zeros over the file's own bytes and the journal's
        {8000, 10, 0xa5},
    };
    for (const auto &w : writes) {
        const std::vector<unsigned char> bytes(w.size, w.byte);
        EXPECT_TRUE(save_write_at(store.c_str(), w.at, bytes.data(), bytes.size()));
        if ((size_t)w.at > model.size()) model.resize((size_t)w.at, 0);
        if (w.at + w.size > model.size()) model.resize(w.at + w.size, 0);
        std::copy(bytes.begin(), bytes.end(), model.begin() + w.at);
    }
    EXPECT_EQ(save_size_of(store.c_str()), (long long)model.size());
    const SaveStretch reads[] = {{0, 5000}, {90, 70}, {4890, 400}, {5200, 7000}, {12990, 40}, {11999, 9100}, {0, 21100}};
    for (const SaveStretch &r : reads) {
        SCOPED_TRACE("at " + std::to_string(r.offset) + ", " + std::to_string(r.size) + " bytes");
        std::vector<unsigned char> got(r.size, 0x5a);
        EXPECT_TRUE(save_read_at(store.c_str(), r.offset, got.data(), got.size()) &&
                    std::equal(got.begin(), got.end(), model.begin() + r.offset));
    }
    std::vector<unsigned char> all(model.size(), 0x5a);
    EXPECT_TRUE(save_read_stretches(store.c_str(), all.data(), reads, (int)(sizeof reads / sizeof reads[0])));
    EXPECT_TRUE(all == model);
    unsigned char past[2];
    EXPECT_FALSE(save_read_at(store.c_str(), (long long)model.size() - 1, past, 2)) << "past the end as the save leaves it";
    ASSERT_TRUE(save_commit());
    EXPECT_TRUE(oxatest::read_bytes(store) == model);
}

// A commit whose files all stand, cut short while its kept old bytes, its journal and its list are
// removed (all at once, in any order): the next load keeps the new bytes and leaves no temporary name.
TEST(SaveCommit, CutShortWhileItsTemporaryFilesGoTheNewBytesStand) {
    oxatest::TempDir dir;
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.path().c_str());
    const std::string store = dir.path() + "/STORE.DAT";
    auto entry = [](int64_t offset, uint32_t size) {
        std::string e(16, '\0');
        memcpy(&e[0], &offset, 8);
        memcpy(&e[8], &size, 4);
        return e;
    };
    const int64_t old_size = 10;
    const uint32_t magic = 0x4f444e55u;   // "UNDO"
    std::string undo(16, '\0');
    memcpy(&undo[0], &old_size, 8);
    memcpy(&undo[8], &magic, 4);
    undo += entry(2, 2) + "23";
    const std::string journal = entry(2, 2) + "ab";
    const SaveListEntry list[] = {{'J', "STORE.DAT"}};
    char text[128];
    const size_t len = save_list_format(text, sizeof text, list, 1);
    ASSERT_GT(len, 0u);
    struct Left {
        bool list, journal, undo;
    };
    for (const Left &left : {Left{true, true, false}, Left{true, false, true}, Left{true, false, false},
                             Left{false, true, true}, Left{false, false, true}, Left{false, true, false}}) {
        SCOPED_TRACE(std::string("left:") + (left.list ? " list" : "") + (left.journal ? " journal" : "") +
                     (left.undo ? " undo" : ""));
        ASSERT_TRUE(write_atomic(store.c_str(), "01ab456789", 10));
        if (left.list) {
            ASSERT_TRUE(write_atomic((dir.path() + "/SAVE.COMMIT").c_str(), text, len));
        }
        if (left.journal) {
            ASSERT_TRUE(write_atomic((store + ".jnl").c_str(), journal.data(), journal.size()));
        }
        if (left.undo) {
            ASSERT_TRUE(write_atomic((store + ".undo").c_str(), undo.data(), undo.size()));
        }
        EXPECT_EQ(recover_interrupted_save(), left.list ? SaveRecovery::finished : SaveRecovery::none);
        EXPECT_EQ(dir.read_file("STORE.DAT"), "01ab456789");
        for (const char *name : {"SAVE.COMMIT", "STORE.DAT.jnl", "STORE.DAT.undo"}) EXPECT_FALSE(dir.exists(name)) << name;
    }
    CharacterPath[0] = 0;
}

// A commit cut short once a journal that lengthens its file by zeros (a new local map) was applied:
// the next load checks it against the file's old length, kept with the old bytes, and finishes it.
TEST(SaveCommit, ALengtheningJournalAppliedBeforeTheKillIsFinished) {
    oxatest::TempDir dir;
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.path().c_str());
    const std::string store = dir.path() + "/STORE.DAT";
    auto entry = [](int64_t offset, uint32_t size, uint32_t pad) {
        std::string e(16, '\0');
        memcpy(&e[0], &offset, 8);
        memcpy(&e[8], &size, 4);
        memcpy(&e[12], &pad, 4);
        return e;
    };
    const uint32_t ZEROS = 0x4f52455au;
    const std::string undo = entry(10, 0x4f444e55u, 0);   // the old length and "UNDO", no old bytes
    const std::string journal = entry(10, 4096, ZEROS) + entry(10, 2, 0) + "cd";
    const std::string old_bytes = "0123456789", new_bytes = old_bytes + "cd" + std::string(4094, '\0');
    const SaveListEntry list[] = {{'J', "STORE.DAT"}};
    char text[128];
    const size_t len = save_list_format(text, sizeof text, list, 1);
    ASSERT_GT(len, 0u);
    for (const std::string &found : {old_bytes, new_bytes}) {
        SCOPED_TRACE("the store at " + std::to_string(found.size()) + " bytes");
        ASSERT_TRUE(write_atomic(store.c_str(), found.data(), found.size()));
        ASSERT_TRUE(write_atomic((dir.path() + "/SAVE.COMMIT").c_str(), text, len));
        ASSERT_TRUE(write_atomic((store + ".jnl").c_str(), journal.data(), journal.size()));
        ASSERT_TRUE(write_atomic((store + ".undo").c_str(), undo.data(), undo.size()));
        EXPECT_EQ(recover_interrupted_save(), SaveRecovery::finished);
        EXPECT_EQ(dir.read_file("STORE.DAT"), new_bytes);
        for (const char *name : {"SAVE.COMMIT", "SAVE.ROLLBACK", "STORE.DAT.jnl", "STORE.DAT.undo"})
            EXPECT_FALSE(dir.exists(name)) << name;
    }
    CharacterPath[0] = 0;
}

// A character folder with a long path: a staged name that would not fit is refused and the save
// fails, never a file written under a name cut short (which the commit would then miss, reporting a
// save that wrote nothing as done).
TEST(SaveNames, ALongCharacterPathIsRefusedNeverCutShort) {
    oxatest::TempDir dir;
    std::string deep = dir.path();
    while (deep.size() < 960) {
        deep += "/" + std::string(60, 'k');
        ASSERT_EQ(mkdir(deep.c_str(), 0755), 0) << deep;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, deep.c_str());
    const std::string file = deep + "/MARKER.DAT";
    auto exists = [](const std::string &p) { struct stat st; return stat(p.c_str(), &st) == 0; };

    // The long path itself saves: its staged name fits.
    char name[1300];
    save_begin();
    ASSERT_TRUE(write_atomic(save_target(file.c_str(), name, sizeof name), "x", 1));
    ASSERT_TRUE(save_commit()) << save_failure();
    ASSERT_TRUE(exists(file));

    // A name buffer one byte short of "<file>.new".
    std::vector<char> small(file.size() + 4);
    save_begin();
    const char *to = save_target(file.c_str(), small.data(), small.size());
    EXPECT_STREQ(to, "");
    EXPECT_FALSE(write_atomic(to, "y", 1));
    EXPECT_FALSE(save_commit());
    EXPECT_EQ(std::string(save_failure()), file);
    EXPECT_FALSE(exists(file + ".ne")) << "nothing under a name cut short";
    FILE *f = fopen(file.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fgetc(f), 'x') << "the last save stands";
    fclose(f);

    // A file name past the longest the save keeps: refused as well.
    const std::string over = deep + "/" + std::string(200, 'f');
    save_begin();
    EXPECT_STREQ(save_target(over.c_str(), name, sizeof name), "");
    EXPECT_FALSE(save_commit());
    EXPECT_FALSE(exists(over + ".new"));
    CharacterPath[0] = 0;
}

// ---- the commit's every step ----------------------------------------------------------------------

namespace {
// How a forked commit of `files` ended: killed at its step `kill_at`, or (1) ran to its end.
int forked_commit(const std::function<void()> &files) {
    const pid_t child = fork();
    if (child == 0) {
        save_commit_step = kill_step;
        save_begin();
        files();
        save_commit();
        _exit(1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}
}  // namespace

// A commit killed at any of its steps leaves every file of the folder under its own name, old or new,
// never missing; the next load keeps the last save or the new one, whole.
TEST(SaveCommit, AKillAtAnyStepLeavesEveryFileUnderItsName) {
    oxatest::TempDir dir;
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.path().c_str());
    const std::string store = dir.path() + "/STORE.DAT", table = dir.path() + "/TABLE.DAT",
                      other = dir.path() + "/OTHER.DAT";
    int olds = 0, news = 0;
    for (kill_at = 0; kill_at < 16; kill_at++) {
        SCOPED_TRACE("killed at step " + std::to_string(kill_at));
        ASSERT_TRUE(write_atomic(store.c_str(), "0123456789", 10));
        ASSERT_TRUE(write_atomic(table.c_str(), "old table", 9));
        ASSERT_TRUE(write_atomic(other.c_str(), "old other", 9));
        const int ended = forked_commit([&] {
            char buf[1200];
            save_write_at(store.c_str(), 2, "ab", 2);
            write_atomic(save_target(table.c_str(), buf, sizeof buf), "new table", 9);
            write_atomic(save_target(other.c_str(), buf, sizeof buf), "new other", 9);
        });
        ASSERT_GE(ended, 0);
        for (const char *name : {"STORE.DAT", "TABLE.DAT", "OTHER.DAT"}) EXPECT_TRUE(dir.exists(name)) << name;
        const SaveRecovery r = recover_interrupted_save();
        EXPECT_TRUE(r == SaveRecovery::none || r == SaveRecovery::finished);
        const bool now_new = dir.read_file("TABLE.DAT") == "new table";
        (now_new ? news : olds)++;
        EXPECT_EQ(dir.read_file("OTHER.DAT"), now_new ? "new other" : "old other");
        EXPECT_EQ(dir.read_file("STORE.DAT"), now_new ? "01ab456789" : "0123456789");
        if (ended == 1) break;   // no step was left to kill it at
    }
    EXPECT_GT(olds, 0);
    EXPECT_GT(news, 1);
    kill_at = -1;
    CharacterPath[0] = 0;
}

// Her folder as a game before this one left it when killed between putting her old character file
// aside and the new one in its place (no AINO.OXS at all): the load list offers her, and her load
// finishes the save. An old character file left alone (no list) is put back by the load.
TEST_F(LoaderTest, AFolderWithoutItsCharacterFileButWithTheSaveThatReplacesItIsOfferedAndFinished) {
    const auto saved = snapshot(dir->path() + "/AINO");
    static PlayerStruct later;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &later, sizeof later));
    const uint8_t hour = later.hour;
    later.hour = (uint8_t)((hour + 7) % 24);
    for (const bool list : {true, false}) {
        SCOPED_TRACE(list ? "the list and the new file stand" : "the old file alone");
        restore(dir->path() + "/AINO", saved);
        ASSERT_EQ(rename(path("AINO.OXS").c_str(), path("AINO.OXS.prev").c_str()), 0);
        if (list) {
            write("AINO.OXS.new", &later, sizeof later);
            const SaveListEntry entries[] = {{'R', "AINO.OXS"}};
            char text[128];
            const size_t len = save_list_format(text, sizeof text, entries, 1);
            write("SAVE.COMMIT", text, len);
        }
        SavedCharacter rows[LOADCHAR_ROWS];
        const int n = list_saved_characters(rows);
        bool offered = false;
        for (int i = 0; i < n; i++) offered = offered || (std::string(rows[i].folder) == "AINO" && std::string(rows[i].name) == "Aino");
        EXPECT_TRUE(offered);
        ASSERT_EQ(loader(), 0) << loader_load_notes();
        EXPECT_EQ(Plr.hour, list ? (hour + 7) % 24 : hour);
        EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));
        EXPECT_FALSE(dir->exists("AINO/AINO.OXS.prev"));
        leave_to_menu();
    }
}

// A save killed once its list stood, then one of its files damaged: a staged file (emptied, cut, a
// byte changed) takes the save back and the load names it; damaged kept old bytes of a journal never
// applied stop nothing, the save is finished.
TEST_F(LoaderTest, AFileOfASaveCutShortDamagedAfterItsListIsToldAndOneWholeSaveLoads) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    const std::string folder = dir->path() + "/AINO";
    const auto saved = snapshot(folder);
    const uint32_t day = Plr.daynumber;
    enum Damage { EMPTIED, HALF, BYTE, ZEROS };
    struct Row {
        const char *file;
        Damage damage;
        const char *also;   // a second file zeroed, or null
        bool finished;
    };
    const Row rows[] = {
        {"ZOOMMAPS.DAT.undo", ZEROS, nullptr, true},
        {"AINO.OXS.new", EMPTIED, nullptr, false},
        {"EXITER.DAT.new", BYTE, nullptr, false},
        {"ZOOMMAPS.DAT.jnl", HALF, nullptr, false},
        {"ZOOMMAPS.DAT.jnl", EMPTIED, nullptr, false},
        {"AINO.OXS.new", HALF, "ZOOMMAPS.DAT.undo", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.file) + " damaged " + std::to_string(row.damage));
        leave_to_menu();
        restore(folder, saved);
        ASSERT_EQ(loader(), 0);
        change_area_and_day(5);
        kill_at = 1;   // the list stands, nothing is in place yet
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            save_commit_step = kill_step;
            Save(0);
            _exit(1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        kill_at = -1;
        ASSERT_TRUE(dir->exists("AINO/SAVE.COMMIT"));
        ASSERT_TRUE(dir->exists(("AINO/" + std::string(row.file)).c_str())) << [&] {
            std::string names;
            for (const auto &f : snapshot(folder)) names += " " + f.first;
            return names;
        }();
        std::vector<uint8_t> bytes = read(row.file);
        if (row.damage == EMPTIED) bytes.clear();
        if (row.damage == HALF) bytes.resize(bytes.size() / 2);
        if (row.damage == BYTE) bytes[bytes.size() / 3] ^= 0x40;
        if (row.damage == ZEROS) std::fill(bytes.begin(), bytes.end(), 0);
        write(row.file, bytes.data(), bytes.size());
        if (row.also) {
            std::vector<uint8_t> other(read(row.also).size(), 0);
            write(row.also, other.data(), other.size());
        }
        leave_to_menu();
        ASSERT_EQ(loader(), 0) << loader_load_notes();
        const std::string notes = loader_load_notes();
        EXPECT_EQ(notes.find("Nothing was changed"), std::string::npos);
        const int found = get_datatype(DT_ITEM, PlayerX + 1, PlayerY);
        if (row.finished) {
            EXPECT_EQ(Plr.daynumber, day + 2);
            EXPECT_GE(found, 0) << "the store's journal went in";
        } else {
            EXPECT_EQ(Plr.daynumber, day) << "the save before it";
            EXPECT_NE(notes.find(row.file), std::string::npos) << notes;
            EXPECT_NE(notes.find("taken back"), std::string::npos) << notes;
        }
        for (const auto &f : snapshot(folder)) {
            for (const char *t : {".new", ".jnl", ".tmp", ".undo", ".prev"})
                EXPECT_EQ(f.first.find(t), std::string::npos) << f.first;
            EXPECT_EQ(f.first.find("SAVE."), std::string::npos) << f.first;
        }
    }
}

// A commit killed at a step, then one of its files damaged, through the store's own recovery: a staged
// file that fails its check takes the commit back and is named; damaged old bytes of a journal matter
// only where that journal was applied and must be taken back, and then the unfinished save can still be
// set aside, the file they belonged to left as that save made it.
TEST(SaveCommit, StagedFilesAreCheckedAndKeptOldBytesOnlyTakeBackWhatWasApplied) {
    oxatest::TempDir dir;
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.path().c_str());
    const std::string store = dir.path() + "/STORE.DAT", table = dir.path() + "/TABLE.DAT";
    struct Row {
        int kill;             // the step the commit is killed at (1: nothing in place yet)
        const char *damaged;  // emptied, or zeroed for old bytes
        const char *zeroed;   // a second file zeroed, or null
        SaveRecovery found;
        const char *named;
        const char *store_after;
    };
    const Row rows[] = {
        {1, "STORE.DAT.undo", nullptr, SaveRecovery::finished, "", "01ab456789"},
        {1, "TABLE.DAT.new", nullptr, SaveRecovery::damaged_file, "TABLE.DAT.new", "0123456789"},
        {1, "STORE.DAT.jnl", nullptr, SaveRecovery::damaged_file, "STORE.DAT.jnl", "0123456789"},
        {2, "TABLE.DAT.new", "STORE.DAT.undo", SaveRecovery::unresolved, "STORE.DAT.undo", "01ab456789"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.damaged) + " at step " + std::to_string(row.kill));
        ASSERT_TRUE(write_atomic(store.c_str(), "0123456789", 10));
        ASSERT_TRUE(write_atomic(table.c_str(), "old table", 9));
        kill_at = row.kill;
        ASSERT_EQ(forked_commit([&] {
                      char buf[1200];
                      save_write_at(store.c_str(), 2, "ab", 2);
                      write_atomic(save_target(table.c_str(), buf, sizeof buf), "new table", 9);
                  }),
                  0);
        kill_at = -1;
        ASSERT_TRUE(dir.exists(row.damaged));
        if (std::string(row.damaged).find(".undo") != std::string::npos)
            dir.write_file(row.damaged, std::string(dir.read_file(row.damaged).size(), '\0'));
        else
            dir.write_file(row.damaged, "");
        if (row.zeroed) dir.write_file(row.zeroed, std::string(dir.read_file(row.zeroed).size(), '\0'));
        EXPECT_EQ(recover_interrupted_save(), row.found);
        EXPECT_STREQ(save_recovery_file(), row.named);
        EXPECT_EQ(dir.read_file("STORE.DAT"), row.store_after);
        if (row.found == SaveRecovery::unresolved) {
            char aside[1200];
            ASSERT_TRUE(set_unfinished_save_aside(aside, sizeof aside));
            EXPECT_STREQ(save_recovery_file(), row.named) << "the file left as the unfinished save made it";
            EXPECT_EQ(recover_interrupted_save(), SaveRecovery::none);
            EXPECT_EQ(dir.read_file("STORE.DAT"), row.store_after);
            ASSERT_EQ(system(("rm -rf " + std::string(aside)).c_str()), 0);
        }
        EXPECT_EQ(dir.read_file("TABLE.DAT"), row.found == SaveRecovery::finished ? "new table" : "old table");
    }
    CharacterPath[0] = 0;
}

namespace {
int renames_to_fail = 0;
int rename_fails_once(const char *from, const char *to) {
    if (renames_to_fail > 0 && strstr(to, "AINO.OXS")) {
        renames_to_fail--;
        errno = EIO;
        return -1;
    }
    return rename(from, to);
}
}  // namespace

class UnfinishedSaveTest : public oxatest::LoaderScreenTest {};

// A save of an older game that can be neither finished (her character file can't be put in place) nor
// taken back (the old bytes of a journal already applied are damaged): the load names the damaged
// file, says nothing of "Nothing was changed", and offers to set the unfinished save aside; yes loads
// her, the journal's file left as that save made it.
TEST_F(UnfinishedSaveTest, ASaveThatCanBeNeitherFinishedNorTakenBackCanBeSetAside) {
    const std::vector<uint8_t> exiter = oxatest::read_bytes(path("EXITER.DAT"));
    ASSERT_EQ(exiter.size(), 12u);
    std::vector<uint8_t> changed = exiter;
    changed[11] = 0;
    changed[4] ^= 1;   // another day
    std::string journal(16, '\0');
    const int64_t at = 0;
    const uint32_t size = 12;
    memcpy(&journal[0], &at, 8);
    memcpy(&journal[8], &size, 4);
    journal.append((const char *)changed.data(), changed.size());
    auto put = [&](const std::string &name, const std::string &bytes) {
        FILE *f = fopen(path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    };
    put("EXITER.DAT", std::string((const char *)changed.data(), changed.size()));   // applied
    put("EXITER.DAT.jnl", journal);
    put("EXITER.DAT.undo", std::string(40, '\0'));                                  // damaged
    const std::vector<uint8_t> oxs = oxatest::read_bytes(path("AINO.OXS"));
    put("AINO.OXS.new", std::string((const char *)oxs.data(), oxs.size()));
    const SaveListEntry entries[] = {{'J', "EXITER.DAT"}, {'R', "AINO.OXS"}};
    char text[256];
    const size_t len = save_list_format(text, sizeof text, entries, 2);
    put("SAVE.COMMIT", std::string(text, len));

    renames_to_fail = 1;
    save_rename = rename_fails_once;
    tap(SDLK_y);   // "Load the save before it, and set the unfinished save aside?"
    const int loaded = loader();
    save_rename = rename;
    ASSERT_EQ(loaded, 0) << loader_load_notes();
    const std::string notes = loader_load_notes();
    EXPECT_NE(notes.find("EXITER.DAT.undo is damaged"), std::string::npos) << notes;
    EXPECT_EQ(notes.find("Nothing was changed"), std::string::npos) << notes;
    EXPECT_EQ(oxatest::read_bytes(path("EXITER.DAT")), changed);
    EXPECT_FALSE(dir->exists("AINO/SAVE.ROLLBACK"));
    EXPECT_TRUE(dir->exists("AINO/SAVE.UNFINISHED/EXITER.DAT.undo"));
}
