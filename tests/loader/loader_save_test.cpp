// Saving: the files go in place in the fixed order, the quick save writes only the character and its
// objects, and a save that can't write every file keeps the last good save whole.
#include <sys/inotify.h>
#include <unistd.h>

#include "core/loader_fixture.h"
#include "core/player.h"
#include "base/savecommit.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {

// The names of the files put in place in the character folder, in the order they arrived: renamed over
// the old file, or (a file the save changes by its journal) written in place.
class FolderWatch {
public:
    explicit FolderWatch(const std::string &folder) {
        fd_ = inotify_init1(IN_NONBLOCK);
        if (fd_ >= 0) inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~FolderWatch() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    // Files that arrived under their own names; staged copies are left out.
    std::vector<std::string> arrived() {
        std::vector<std::string> names;
        alignas(inotify_event) char buf[65536];
        for (;;) {
            ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n <= 0) break;
            for (char *p = buf; p < buf + n;) {
                auto *e = reinterpret_cast<inotify_event *>(p);
                std::string name = e->len ? e->name : "";
                auto ends = [&](const char *s) {
                    return name.size() >= strlen(s) && name.compare(name.size() - strlen(s), strlen(s), s) == 0;
                };
                const bool staged =
                    ends(".new") || ends(".tmp") || ends(".jnl") || ends(".prev") || ends(".undo");
                // Written in place counts once the list of the save stands (files are opened for update
                // before it, the creature file above all).
                const bool in_place = !(e->mask & IN_MOVED_TO);
                bool listed = false;
                for (const std::string &n : names) listed = listed || n == "SAVE.COMMIT";
                if (!staged && name != "msglog.txt" && (!in_place || listed) && (names.empty() || names.back() != name))
                    names.push_back(name);
                p += sizeof(inotify_event) + e->len;
            }
        }
        return names;
    }

private:
    int fd_ = -1;
};

}  // namespace

// Something of every file changed since the load: a file that holds what it would be saved as is
// left out of a save.
static void change_every_file() {
    maailma[mapidx(PlayerX + 3, PlayerY)] ^= 1;
    maailma_memorymap[mapidx(PlayerX + 40, PlayerY)] ^= 1;
    world_layer_touched(PlayerY, PlayerY);   // written into the layers directly: their rows are told
    world_memory_touched(PlayerY, PlayerY);
    Data[DATA_MAX - 1].x ^= 1;
    Plr.daynumber++;
    PlayerObj[5].weight += 1.0f;
    ConstantObj[5].weight += 1.0f;
    ZoomExtra[ZOOMEXTRA_COUNT - 1].lastday ^= 1;
    ExtraMarker[EXTRAMARKER_COUNT - 1].dayset ^= 1;
    marker_tables_changed();
}

TEST_F(LoaderTest, SaveWritesTheFolderInItsOrder) {
    ASSERT_EQ(loader(), 0);
    // The load backed her file up already; an older backup is what a save writes anew.
    ASSERT_EQ(truncate((dir->path() + "/AINO/AINO.BAK").c_str(), 16), 0);
    FolderWatch watch(dir->path() + "/AINO");
    ASSERT_TRUE(watch.ok());
    change_every_file();
    ASSERT_EQ(Save(0), 1);
    // The list of the save's files, then those files in their order: the backup, the herb lore, then the map.
    const std::vector<std::string> expected = {"SAVE.COMMIT", "AINO.BAK", "HERBLORE.DAT", "WORLD.DAT", "WORLD.PLM",
                                               "DATA.DAT",   "BIGMAP.DAT",  "AINO.OXS",     "AINO.OBJ",
                                               "CONSTANT.OBJ", "WEATHER.DAT", "EXITER.DAT", "kulttuuri.dat",
                                               "kulttuuri.bak", "MARKER.DAT", "EXTRAMARKER.DAT"};
    EXPECT_EQ(watch.arrived(), expected);
}

TEST_F(LoaderTest, QuickSaveWritesOnlyTheCharacterAndItsObjects) {
    ASSERT_EQ(loader(), 0);
    // The load backed her file up already; an older backup is what a save writes anew.
    ASSERT_EQ(truncate((dir->path() + "/AINO/AINO.BAK").c_str(), 16), 0);
    FolderWatch watch(dir->path() + "/AINO");
    ASSERT_TRUE(watch.ok());
    change_every_file();
    ASSERT_EQ(Save(SAVE_QUICK), 1);
    const std::vector<std::string> expected = {"SAVE.COMMIT", "AINO.BAK", "AINO.OXS", "AINO.OBJ"};
    EXPECT_EQ(watch.arrived(), expected);
}

TEST_F(LoaderTest, AnUnchangedFileIsLeftOutOfTheSave) {
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    FolderWatch watch(dir->path() + "/AINO");
    ASSERT_TRUE(watch.ok());
    // Only the character record changed since the last save; the world, the objects and the backup
    // (the record as the last save left it) did not.
    Plr.daynumber++;
    ASSERT_EQ(Save(SAVE_QUICK), 1);
    const std::vector<std::string> expected = {"SAVE.COMMIT", "AINO.OXS"};
    EXPECT_EQ(watch.arrived(), expected);
}

TEST_F(LoaderTest, BackupHoldsTheStateBeforeTheLatestSave) {
    ASSERT_EQ(loader(), 0);
    Plr.daynumber = 400;
    ASSERT_EQ(Save(0), 1);
    const std::vector<uint8_t> first = read("AINO.OXS");
    Plr.daynumber = 401;
    ASSERT_EQ(Save(0), 1);
    EXPECT_EQ(read("AINO.BAK"), first);
}

TEST_F(LoaderTest, SaveThatCannotWriteEveryFileKeepsTheLastGoodSave) {
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    const char *files[] = {"AINO.OXS", "AINO.OBJ", "CONSTANT.OBJ", "WEATHER.DAT", "EXITER.DAT"};
    // Each file in turn can't be written (its staged name is taken by a folder, as a full disk would
    // refuse it): the save fails, says so, and none of the character's files changes.
    for (const char *blocked : files) {
        std::vector<std::vector<uint8_t>> before;
        for (const char *f : files) before.push_back(read(f));
        // A file the save changes by its journal is blocked by its journal's name.
        const std::string staged = path(blocked) + ".new", journal = path(blocked) + ".jnl";
        ASSERT_EQ(mkdir(staged.c_str(), 0755), 0);
        ASSERT_EQ(mkdir(journal.c_str(), 0755), 0);
        Plr.daynumber++;
        PlayerObj[5].type = (uint8_t)(PlayerObj[5].type + 1);
        ConstantObj[5].weight += 1.0f;   // every file of the list has something new to save
        loader_clear_note();
        EXPECT_EQ(Save(SAVE_EXPLICIT), 0) << blocked;
        EXPECT_STRNE(loader_last_note(), "=Your character has been saved.") << blocked;
        EXPECT_EQ(loader_last_note()[0], '!') << blocked;
        for (size_t i = 0; i < before.size(); i++) {
            EXPECT_EQ(read(files[i]), before[i]) << blocked << " / " << files[i];
        }
        for (const char *f : files) {
            if (f == blocked) continue;
            EXPECT_FALSE(dir->exists(("AINO/" + std::string(f) + ".new").c_str())) << f;
            EXPECT_FALSE(dir->exists(("AINO/" + std::string(f) + ".jnl").c_str())) << f;
        }
        rmdir(staged.c_str());
        rmdir(journal.c_str());
    }
    loader_clear_note();
    EXPECT_EQ(Save(SAVE_EXPLICIT), 1);
    EXPECT_STREQ(loader_last_note(), "=Your character has been saved.");
}

TEST_F(LoaderTest, MapThatCannotBeSavedKeepsTheCharacterFiles) {
    ASSERT_EQ(loader(), 0);
    const std::vector<uint8_t> oxs = read("AINO.OXS");
    ASSERT_EQ(mkdir(path("WORLD.DAT.new").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(path("WORLD.DAT.jnl").c_str(), 0755), 0);
    Plr.daynumber += 3;
    maailma[mapidx(PlayerX + 3, PlayerY)] ^= 1;   // the world map changed and must be saved
    world_layer_touched(PlayerY, PlayerY);
    EXPECT_EQ(Save(SAVE_EXPLICIT), 0);
    EXPECT_EQ(loader_last_note()[0], '!');
    EXPECT_EQ(read("AINO.OXS"), oxs);
}

TEST_F(LoaderTest, BlankNameIsNeverWritten) {
    ASSERT_EQ(loader(), 0);
    const std::vector<uint8_t> oxs = read("AINO.OXS");
    Plr.name[0] = 0;
    EXPECT_EQ(Save(SAVE_EXPLICIT), 0);
    EXPECT_STREQ(loader_last_note(), "!OXS name blank. Report!");
    EXPECT_EQ(read("AINO.OXS"), oxs);
}

// ---- map entry ----------------------------------------------------------------------------------

TEST_F(LoaderTest, EnteringACellMakesItsAreaOnceAndThenLoadsItFromTheStore) {
    ASSERT_EQ(loader(), 0);
    const int wx = PlayerX, wy = PlayerY;
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ(Environ, 2);
    EXPECT_EQ(LOAD_MAP, 0);
    EXPECT_EQ((int)Plr.world_x, wx);
    EXPECT_GE(PlayerX, 72);
    EXPECT_LE(PlayerX, 464);
    EXPECT_GE(PlayerY, 72);
    EXPECT_LE(PlayerY, 464);
    // The dummy, the 25 local maps around the cell and the fields farther off that their villages reap.
    long maps = 26;
    for (int y = wy - 5; y <= wy + 5; y++)
        for (int x = wx - 5; x <= wx + 5; x++)
            maps += (abs(x - wx) > 2 || abs(y - wy) > 2) && get_alltime_maailmachar(x, y) == 251;
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), maps * 88392);
    EXPECT_EQ(size_of("ZOOMINDEX.DAT"), maps * 12);
    // The centre local map is a field with prepared soil; the village's local map lies east of it.
    int soil = 0;
    for (int y = 200; y <= 263; y++)
        for (int x = 200; x <= 263; x++) soil += get_mapchar(x, y) == 'R';
    EXPECT_GT(soil, 100) << "a field is prepared soil";
    EXPECT_NE(get_mapchar(AREA_CENTRE + 5 * 64 + 32, 232), CH_BLANK);

    // Leave something on the area, go out to the world map and come back.
    const int item_x = PlayerX + 1, item_y = PlayerY;
    ASSERT_GE(set_data(DT_ITEM, item_x, item_y, 50001, 3), 0);
    oxatest::step_away_from_creatures();
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    EXPECT_EQ(PlayerX, wx);
    EXPECT_EQ(PlayerY, wy);
    EXPECT_EQ(get_datatype(DT_ITEM, item_x, item_y), -1) << "the area's things stay in the store";

    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), maps * 88392) << "a stored area is loaded, not made again";
    const int found = get_datatype(DT_ITEM, item_x, item_y);
    ASSERT_GE(found, 0);
    EXPECT_EQ(Data[found].id, 50001u);
    EXPECT_EQ(Data[found].count, 3);
    EXPECT_EQ(size_of("ZOOMMAP.DAT"), 360000);
    // Every stored local map record is whole.
    EXPECT_EQ(size_of("ZOOMMAPS.DAT") % 88392, 0);
}

TEST_F(LoaderTest, LocalAreaSurvivesASaveAndAReload) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    PlayerX = 240;
    PlayerY = 236;
    ASSERT_GE(set_data(DT_ITEM, 241, 236, 50002, 1), 0);
    maailma_memorymap[mapidx(241, 236)] = 'x';
    ASSERT_EQ(Save(0), 1);
    EXPECT_EQ(Plr.local_x, 40u);
    EXPECT_EQ(Plr.local_y, 36u);

    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ(PlayerX, 240);
    EXPECT_EQ(PlayerY, 236);
    EXPECT_GE(get_datatype(DT_ITEM, 241, 236), 0);
    EXPECT_EQ(maailma_memorymap[mapidx(241, 236)], 'x');
}

TEST_F(LoaderTest, StoredLocalMapCutShortIsToldOfAndMadeAnewNotReadAsGarbage) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    oxatest::step_away_from_creatures();
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    // The last stored local map loses its second half.
    const long size = size_of("ZOOMMAPS.DAT");
    const std::string lost = "ZOOMMAPS.DAT is damaged: 1 of its " + std::to_string(size / 88392 - 1) + " local maps are lost.";
    ASSERT_EQ(truncate(path("ZOOMMAPS.DAT").c_str(), size - 88392 / 2), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    // The cut map is told of and made anew; her own field stands.
    const std::vector<uint8_t> log = read("msglog.txt");
    EXPECT_NE(std::string(log.begin(), log.end()).find(lost), std::string::npos);
    int own = 0;
    for (int y = 200; y <= 263; y++)
        for (int x = 200; x <= 263; x++) own += get_mapchar(x, y) == 'R';
    EXPECT_GT(own, 100);
    int soil = 0;
    for (int y = 72; y <= 391; y++)
        for (int x = 72; x <= 391; x++) soil += get_mapchar(x, y) == 'R';
    EXPECT_GT(soil, 0);
    EXPECT_EQ(size_of("ZOOMMAPS.DAT") % 88392, 0) << "the next save writes the map whole again";
}

TEST_F(LoaderTest, SaveCutShortIsFinishedOrForgottenByTheNextLoad) {
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT")) << "a finished save leaves no list behind";
    static PlayerStruct later;
    later = Plr;
    later.daynumber = Plr.daynumber + 10;
    const std::vector<uint8_t> objects = read("AINO.OBJ");

    // Cut short before the list was written: the staged file is thrown away, the last save stands.
    write("AINO.OXS.new", &later, sizeof later);
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Plr.daynumber, later.daynumber - 10);
    EXPECT_FALSE(dir->exists("AINO/AINO.OXS.new"));

    // Cut short after the list: the staged files are put in place before the folder is read.
    const int32_t exiter[3] = {(int32_t)later.day_counter2 * 3, (int32_t)later.daynumber - 500, 0};
    write("AINO.OXS.new", &later, sizeof later);
    write("EXITER.DAT.new", exiter, sizeof exiter);
    const SaveListEntry entries[] = {{'R', "AINO.OXS"}, {'R', "AINO.OBJ"}, {'R', "EXITER.DAT"}};
    char list[256];
    const size_t len = save_list_format(list, sizeof list, entries, 3);
    ASSERT_GT(len, 0u);
    write("SAVE.COMMIT", list, len);
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Plr.daynumber, later.daynumber);
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));
    EXPECT_FALSE(dir->exists("AINO/AINO.OXS.new"));
    EXPECT_EQ(read("AINO.OBJ"), objects) << "a file already in place stays";
}
