// Zooming in leaves the world map behind as one commit written by its changes: the cells she has seen
// since the last save reach "WORLD.PLM", and a world map that can't be saved keeps her where she is.
// A zoom into a new area is one commit, whole after a kill at any of its steps; a zoom out whose save
// fails keeps her on the local map with her things.
#include "core/loader_fixture.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>

#include "base/savecommit.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "base/debuglog.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "game/mapupkeep.h"
#include "game/worldpass.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {

int steps_taken, kill_at, commits;
bool count_step(int) { return ++steps_taken > 0; }
bool count_commit(int n) { return (commits += n == 0) >= 0; }
bool kill_step(int n) {
    if (n == kill_at) _exit(0);
    return true;
}

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
    void TearDown() override {
        ENTRY_SAVE_JOINS_LOAD = 0;
        questoffer_services_reset();
        LoaderTest::TearDown();
    }
    std::string notes() {
        const std::vector<uint8_t> bytes = read("msglog.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    // A few cells of the world she has just seen, far from her.
    void see_cells() {
        for (int k = 0; k < 5; k++) set_memorymap(PlayerX - 40 + k, PlayerY + 30, '#');
    }
    // Every file of her folder with its bytes, the message log left out.
    std::map<std::string, std::vector<uint8_t>> folder() const {
        std::map<std::string, std::vector<uint8_t>> files;
        const std::string at = dir->path() + "/AINO";
        DIR *d = opendir(at.c_str());
        while (dirent *e = d ? readdir(d) : nullptr) {
            const std::string name = e->d_name;
            if (name != "." && name != ".." && name != "msglog.txt") files[name] = oxatest::read_bytes(at + "/" + name);
        }
        if (d) closedir(d);
        return files;
    }
    void put_back(const std::map<std::string, std::vector<uint8_t>> &files) {
        const auto now = folder();
        for (const auto &f : now)
            if (!files.count(f.first)) remove(path(f.first).c_str());
        for (const auto &f : files)
            if (!now.count(f.first) || now.at(f.first) != f.second) write(f.first, f.second.data(), f.second.size());
    }
    // A kill at every step of the commit `run` makes in a child (with the step hook it is handed): the
    // folder is then the save before it or the whole new one, and a load of either tells of no damage.
    // With a `stride`, a long commit is killed at every stride-th step and its last step, then at every
    // step between the last kill that kept the old save and the first that left the new one: a kill
    // before the list takes its name keeps the old save, one after it leaves the new.
    void killed_at_every_step(int steps, const std::map<std::string, std::vector<uint8_t>> &before,
                              const std::map<std::string, std::vector<uint8_t>> &after,
                              const std::function<int(bool (*)(int))> &run, int stride = 1) {
        int kept = 0, finished = 0, last_kept = -1, first_finished = steps;
        auto kill = [&](int at) {
            kill_at = at;
            SCOPED_TRACE("killed at step " + std::to_string(at));
            put_back(before);
            run(kill_step);
            ASSERT_TRUE(finish_interrupted_save());
            const auto now = folder();
            std::string odd;
            for (const auto &f : now)
                if ((!before.count(f.first) || before.at(f.first) != f.second) &&
                    (!after.count(f.first) || after.at(f.first) != f.second))
                    odd += " " + f.first;
            for (const auto &f : after)
                if (!now.count(f.first)) odd += " (" + f.first + ")";
            ASSERT_TRUE(now == before || now == after) << "neither the old save nor the new:" << odd;
            if (now == before) {
                kept++;
                last_kept = std::max(last_kept, at);
            } else {
                finished++;
                first_finished = std::min(first_finished, at);
            }
        };
        for (int at = 0; at < steps; at++)
            if (at % stride == 0 || at == steps - 1) ASSERT_NO_FATAL_FAILURE(kill(at));
        EXPECT_LT(last_kept, first_finished) << "a kill after the new save stood took it back";
        for (int at = last_kept + 1; at < first_finished; at++)
            if (at % stride != 0) ASSERT_NO_FATAL_FAILURE(kill(at));
        EXPECT_GT(kept, 0);
        EXPECT_GT(finished, 0);
        for (const auto *files : {&before, &after}) {
            put_back(*files);
            write("msglog.txt", "", 0);
            leave_to_menu();
            ASSERT_EQ(loader(), 0) << loader_last_note();
            ASSERT_EQ(zoomstore_check(), 1);
            for (const char *damage : {"damaged", "cut short", "missing", "found again", "lost"})
                EXPECT_EQ(notes().find(damage), std::string::npos) << notes();
        }
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

TEST_F(EntrySaveTest, ARefusedEntryIntoANewAreaLeavesNoRecordOfItsCells) {
    ASSERT_EQ(loader(), 0);
    PlayerX += 30;   // an area none of whose maps were made
    const std::vector<ZoomExtraStruct> info(ZoomExtra, ZoomExtra + ZOOMEXTRA_COUNT);
    ASSERT_EQ(mkdir(path("SAVE.COMMIT.tmp").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(path("SAVE.COMMIT.tmp/keep").c_str(), 0755), 0);
    EnterLocale(0, 0);
    EXPECT_NE(notes().find("couldn't be stored. You stay where you are."), std::string::npos) << notes();
    EXPECT_EQ(memcmp(info.data(), ZoomExtra, sizeof ZoomExtra), 0);
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

// A kill at every step of the commit of a zoom into a settlement never entered: the folder is as it was
// before the zoom or as the whole zoom left it, and a load of either tells of no damage. The
// settlement's people wait on its maps to be made when they are entered.
TEST_F(EntrySaveTest, AZoomIntoANewAreaKilledAtAnyStepLeavesTheLastWholeVersionOfEveryFile) {
    ASSERT_EQ(loader(), 0);
    const int hx = PlayerX, hy = PlayerY;
    int fx = 0, fy = 0;
    for (int d = 8; d < 200 && !fx; d++)
        for (int y = hy - d; y <= hy + d && !fx; y++)
            for (int x = hx - d; x <= hx + d && !fx; x++)
                if ((std::abs(x - hx) == d || std::abs(y - hy) == d) && on_kyla(x, y, 1) && !zoomarea_stored(x, y))
                    fx = x, fy = y;
    ASSERT_NE(fx, 0) << "a settlement never entered";
    PlayerX = fx;
    PlayerY = fy;
    const auto before = folder();
    // Each zoom runs in a child of the loaded game; the first runs whole and counts the commit's steps.
    auto zoom = [&](bool (*hook)(int)) {
        const pid_t child = fork();
        if (child == 0) {
            save_commit_step = hook;
            srand(20260101);   // the area is made the same each time
            EnterLocale(0, 0);
            _exit(LOAD_MAP == 1 ? steps_taken & 127 : 255);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    };
    const int steps = zoom(count_step);
    ASSERT_NE(steps, 255) << "the zoom was refused";
    ASSERT_GT(steps, 25) << "the new maps, their index and their markers in one commit";
    const auto after = folder();
    for (const char *file : {"ZOOMMAPS.DAT", "ZOOMINDEX.DAT", "MARKER.DAT"})
        EXPECT_NE(before.at(file), after.at(file)) << file;
    EXPECT_EQ(before.at("AINO.CRS"), after.at("AINO.CRS")) << "nobody is made before the map is entered";

    killed_at_every_step(steps, before, after, zoom);
}

namespace {
// The village's offer is made by the quest module itself; only its limits are the test's: a quest may
// be offered today, none of its kind was made lately, and one is made.
int offer_allowed() { return 1; }
int no_repeats(const char *) { return 0; }
// A kind whose quest can't be made for the person drawn gives way to the village's simple chores.
// A refused write (-1) is answered as it is: the offer tries no more.
int make_offer(int c, int kind, int x, int y) {
    const int made = DoQuestForNPC(c, kind, x, y);
    return made != 0 ? made : DoQuestForNPC(c, 72, x, y);
}
}  // namespace

// A kill at every step of the arrival in a new area beside her village, days after she was there: the
// upkeep makes creature records of the new maps' animals, writes the village's record and its quest
// offer, and the quick save follows. The folder is as the entry left it or as the whole arrival left it,
// the offer and the creature file with the rest, and a load of either tells of no damage.
TEST_F(EntrySaveTest, AnArrivalWhoseVillageOffersAQuestKilledAtAnyStepLeavesTheLastWholeVersionOfEveryFile) {
    ASSERT_EQ(loader(), 0);
    srand(20260101);   // her village and its people are made the same each time
    const oxatest::WorldCell v = oxatest::her_village();
    PlayerX = v.x;
    PlayerY = v.y;
    ASSERT_EQ(CheckExits(), 1);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    oxatest::step_away_from_creatures();
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    int fx = 0, fy = 0;
    for (int y = v.y - 2; y <= v.y + 2 && !fx; y++)
        for (int x = v.x - 2; x <= v.x + 2 && !fx; x++)
            if (!zoomarea_stored(x, y)) fx = x, fy = y;
    ASSERT_NE(fx, 0) << "a cell beside her village never entered";
    PlayerX = fx;
    PlayerY = fy;
    Plr.daynumber += 40;
    Plr.lastquest_day = 0;
    questoffer_services.allowed = offer_allowed;
    questoffer_services.count = no_repeats;
    questoffer_services.make = make_offer;
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    const auto before = folder();
    // Each arrival runs in a child of the game as the entry left it; the first runs whole and counts the
    // steps of its commit.
    auto arrive = [&](bool (*hook)(int)) {
        const pid_t child = fork();
        if (child == 0) {
            save_commit_step = hook;
            srand(20260102);
            const int saved = GetMappie(0);
            _exit(saved ? steps_taken & 127 : 255);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    };
    steps_taken = 0;
    const int steps = arrive(count_step);
    ASSERT_NE(steps, 255) << "the arrival couldn't be saved";
    const auto after = folder();
    for (const char *file : {"AINO.CRS", "AINO.OXS"}) EXPECT_NE(before.at(file), after.at(file)) << file;
    // One quest offered, whatever side roles' records its story writes with it (they bear no title).
    int offers = 0;
    static QuestStruct q;
    for (const auto &f : after)
        if (f.first.size() > 4 && f.first.compare(f.first.size() - 4, 4, ".QST") == 0 && !before.count(f.first) &&
            f.second.size() == sizeof q) {
            memcpy(&q, f.second.data(), sizeof q);
            offers += q.title[0] != 0;
        }
    ASSERT_EQ(offers, 1) << "the village offers a quest";

    killed_at_every_step(steps, before, after, arrive);
}

// A zoom out whose save fails (a full disk) keeps her on the local map with what she left there; once
// the disk has room she goes, and the thing is on the stored map.
TEST_F(EntrySaveTest, AZoomOutThatCantBeSavedKeepsHerOnTheLocalMapWithHerThings) {
    ASSERT_EQ(loader(), 0);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    oxatest::step_away_from_creatures();
    const int px = PlayerX, py = PlayerY, wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    const int pot = set_data(DT_ITEM, px + 1, py, 50003, 1);
    ASSERT_GE(pot, 0);
    const auto before = folder();
    save_commit_step = [](int) { return false; };
    EnterLocale(0, 0);
    save_commit_step = nullptr;
    EXPECT_NE(strstr(loader_last_note(), "couldn't be saved"), nullptr) << loader_last_note();
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ(LOAD_MAP, 0);
    EXPECT_EQ(PlayerX, px);
    EXPECT_EQ(PlayerY, py);
    EXPECT_GE(get_datatype(DT_ITEM, px + 1, py), 0) << "the pot lies where she left it";
    EXPECT_TRUE(folder() == before) << "no file changed";

    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(PlayerX, wx);
    ASSERT_EQ(PlayerY, wy);
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    EXPECT_GE(get_datatype(DT_ITEM, px + 1, py), 0) << "the pot on the stored map";
}

// Every commit of the store waits on the disk at most three times, whatever the count of its files: the
// staged files with the list, the list's name with the folder, the files in place with the folder.
TEST_F(EntrySaveTest, EveryCommitOfTheStoreFlushesAtMostThreeTimes) {
    ASSERT_EQ(loader(), 0);
    while (zoomarea_stored(PlayerX, PlayerY)) PlayerX += 5;   // an area never made: many files in one commit
    const struct {
        const char *what;
        std::function<void()> run;
    } rows[] = {
        {"zoom in", [] { EnterLocale(0, 0); }},
        {"map upkeep", [] { GetMappie(0); }},
        {"explicit save", [] { Save(SAVE_EXPLICIT); }},
        {"quick save", [] { Plr.daynumber++; Save(SAVE_QUICK); }},
        {"area renewal", [] { ZoomRenewer(); GetMappie(0); }},
        {"store compaction", [] { zoommap_maintenance(); }},
        {"zoom out", [] { EnterLocale(0, 0); GetMappie(0); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        commits = 0;
        save_commit_step = count_commit;
        save_flush = 1;
        const long flushes = save_flushes;
        row.run();
        save_flush = 0;
        save_commit_step = nullptr;
        EXPECT_GE(commits, 1);
        EXPECT_GT(save_flushes - flushes, 0) << "a commit is on the disk";
        EXPECT_LE(save_flushes - flushes, 3 * commits);
    }
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
}

// In the turn loop a zoom into a new area and the upkeep of the map it loads are one commit: three
// waits on the disk for the two, and a kill at any step of it leaves the save before the zoom or the
// whole arrival.
TEST_F(EntrySaveTest, AZoomInAndTheUpkeepOfItsMapInTheTurnLoopAreOneCommitWholeAfterAKillAtAnyStep) {
    ASSERT_EQ(loader(), 0);
    while (zoomarea_stored(PlayerX, PlayerY)) PlayerX += 5;
    ENTRY_SAVE_JOINS_LOAD = 1;   // as the turn loop runs
    const auto before = folder();
    // Each arrival runs in a child of the loaded game: its commits, its flushes or its steps.
    auto arrive = [&](bool (*hook)(int)) {
        const pid_t child = fork();
        if (child == 0) {
            save_commit_step = hook;
            save_flush = hook == count_commit;
            const long flushes = save_flushes;
            srand(20260103);
            EnterLocale(0, 0);
            const int saved = LOAD_MAP == 1 && GetMappie(0) == 1;
            const long waits = save_flushes - flushes;
            if (!saved) _exit(255);
            _exit(hook == count_commit ? commits * 16 + (int)(waits < 15 ? waits : 15) : std::min(steps_taken, 254));
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    };
    commits = 0;
    const int counted = arrive(count_commit);
    ASSERT_NE(counted, 255) << "the arrival couldn't be saved";
    EXPECT_EQ(counted / 16, 1) << "commits";
    EXPECT_GT(counted % 16, 0) << "the commit is on the disk";
    EXPECT_LE(counted % 16, 3) << "waits on the disk";
    put_back(before);
    steps_taken = 0;
    const int steps = arrive(count_step);
    ASSERT_NE(steps, 255);
    const auto after = folder();
    for (const char *file : {"ZOOMMAPS.DAT", "ZOOMINDEX.DAT", "AINO.OXS"}) EXPECT_NE(before.at(file), after.at(file)) << file;

    killed_at_every_step(steps, before, after, arrive, 4);
}

// Joined, the zoom's new maps and then the upkeep's changes of them (and of the tables both write)
// go to one journal: the folder it leaves is byte for byte the one the two commits apart leave.
TEST_F(EntrySaveTest, AZoomInJoinedWithTheUpkeepOfItsMapLeavesTheFolderTheTwoCommitsApartLeave) {
    ASSERT_EQ(loader(), 0);
    while (zoomarea_stored(PlayerX, PlayerY)) PlayerX += 5;
    const auto before = folder();
    auto arrive = [&](int joined) {
        put_back(before);
        const pid_t child = fork();
        if (child == 0) {
            ENTRY_SAVE_JOINS_LOAD = joined;
            srand(20260103);
            EnterLocale(0, 0);
            _exit(LOAD_MAP == 1 && GetMappie(0) == 1 ? 0 : 1);
        }
        int status = 0;
        EXPECT_TRUE(child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return folder();
    };
    const auto apart = arrive(0), joined = arrive(1);
    ASSERT_NE(apart.at("ZOOMMAPS.DAT"), before.at("ZOOMMAPS.DAT"));
    for (const auto &f : apart) EXPECT_TRUE(joined.count(f.first) && joined.at(f.first) == f.second) << f.first;
    EXPECT_EQ(joined.size(), apart.size());
}

// That commit failing (a full disk) leaves the save before the zoom whole and says so; she plays on in
// the new area, and leaving it stores its local maps.
TEST_F(EntrySaveTest, AZoomInWhoseCommitWithTheUpkeepFailsLeavesTheSaveBeforeItAndIsStoredOnLeaving) {
    ASSERT_EQ(loader(), 0);
    while (zoomarea_stored(PlayerX, PlayerY)) PlayerX += 5;
    const int wx = PlayerX, wy = PlayerY;
    ENTRY_SAVE_JOINS_LOAD = 1;
    const auto before = folder();
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    save_commit_step = [](int) { return false; };
    EXPECT_EQ(GetMappie(0), 0);
    save_commit_step = nullptr;
    EXPECT_NE(notes().find("couldn't be stored"), std::string::npos) << notes();
    EXPECT_TRUE(folder() == before) << "the save before the zoom";
    EXPECT_FALSE(zoomarea_stored(wx, wy));

    oxatest::step_away_from_creatures();
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1) << notes();
    ASSERT_STREQ(Plr.mapname, "BIGMAP");
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    EXPECT_TRUE(zoomarea_stored(wx, wy));
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_TRUE(zoomarea_stored(wx, wy));
}
