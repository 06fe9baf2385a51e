// One save is one commit: the local area's store and the character's files change together or not at
// all, a commit cut short is finished by the next load, and a refused load changes no file.
#include <dirent.h>
#include <sys/stat.h>

#include <map>

#include "core/loader_fixture.h"
#include "core/savecommit.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {

// Every file of a folder with its bytes.
std::map<std::string, std::vector<uint8_t>> snapshot(const std::string &folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    DIR *d = opendir(folder.c_str());
    if (!d) return files;
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::vector<uint8_t> bytes;
        FILE *f = fopen((folder + "/" + name).c_str(), "rb");
        if (f) {
            int c;
            while ((c = fgetc(f)) != EOF) bytes.push_back((uint8_t)c);
            fclose(f);
        }
        files[name] = bytes;
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

}  // namespace

TEST_F(LoaderTest, LocalAreaAndCharacterAreSavedTogetherOrNotAtAll) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    ASSERT_GE(set_data(DT_ITEM, PlayerX + 1, PlayerY, 50003, 2), 0);
    Plr.daynumber += 2;
    const auto before = snapshot(dir->path() + "/AINO");

    // The character file can't be written: neither the store nor any other file changes.
    ASSERT_EQ(mkdir(path("AINO.OXS.new").c_str(), 0755), 0);
    EXPECT_EQ(Save(SAVE_EXPLICIT), 0);
    EXPECT_EQ(loader_last_note()[0], '!');
    rmdir(path("AINO.OXS.new").c_str());
    const auto after_failure = snapshot(dir->path() + "/AINO");
    for (const auto &f : before) {
        ASSERT_EQ(after_failure.count(f.first), 1u) << f.first;
        if (f.first != "AINO.BAK") {
            EXPECT_EQ(after_failure.at(f.first), f.second) << f.first;
        }
    }
    for (const auto &f : after_failure) EXPECT_EQ(before.count(f.first), 1u) << "left behind: " << f.first;
    EXPECT_GE(get_datatype(DT_ITEM, PlayerX + 1, PlayerY), 0) << "the game goes on with its pool";

    // The save is tried again and goes through: the store holds the thing left on the area.
    EXPECT_EQ(Save(SAVE_EXPLICIT), 1);
    EXPECT_NE(read("ZOOMMAPS.DAT"), before.at("ZOOMMAPS.DAT"));
    EXPECT_NE(read("AINO.OXS"), before.at("AINO.OXS"));
    EXPECT_FALSE(dir->exists("AINO/ZOOMMAPS.DAT.jnl"));
}

TEST_F(LoaderTest, CommitCutShortAfterItsListIsFinishedByTheNextLoad) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    const int ix = PlayerX + 1, iy = PlayerY;
    ASSERT_GE(set_data(DT_ITEM, ix, iy, 50004, 5), 0);
    const uint32_t day = Plr.daynumber + 7;
    Plr.daynumber = day;
    // The last file of the save can't be put in place (a folder holds its name): the commit stops
    // with the list standing and the rest of the files staged.
    remove(path("EXITER.DAT").c_str());
    ASSERT_EQ(mkdir(path("EXITER.DAT").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(path("EXITER.DAT/x").c_str(), 0755), 0);
    EXPECT_EQ(Save(0), 0);
    EXPECT_TRUE(dir->exists("AINO/SAVE.COMMIT"));
    rmdir(path("EXITER.DAT/x").c_str());
    rmdir(path("EXITER.DAT").c_str());

    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));
    EXPECT_FALSE(dir->exists("AINO/EXITER.DAT.new"));
    EXPECT_EQ(Plr.daynumber, day);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    const int found = get_datatype(DT_ITEM, ix, iy);
    ASSERT_GE(found, 0) << "the store's journal was put in place with the character";
    EXPECT_EQ(Data[found].count, 5);
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
        ::testing::ExitedWithCode(0), "damaged.*folder unchanged");

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
