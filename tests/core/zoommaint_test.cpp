// Compacting the store of local maps: kept maps come through unchanged, dropped ones go with their
// map-info records, and a store that could not be rewritten whole stays as it was, byte for byte. The
// maps of the area she plays are never dropped, and a store damaged behind the game's back is told of
// at the next load, which never lays her area as plain ground.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/loader_fixture.h"
#include "common/map_layers.h"
#include "game/mapupkeep.h"
#include "game/turnloop.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "presentation/notes.h"
#include "worldgen/worldgen.h"

namespace {

class CompactionTest : public oxatest::PlayingTest {
protected:
    // Her store holds the local maps round her field; a first run leaves only those worth keeping, so
    // that each test starts from a store that needs nothing more.
    void SetUp() override {
        PlayingTest::SetUp();
        press_seven();
    }
    void TearDown() override {
        save_rename = rename;
        PlayingTest::TearDown();
    }
    std::vector<uint8_t> bytes(const char *name) const { return oxatest::read_bytes(path(name)); }
    std::vector<ZoomIndex> index() const {
        std::vector<uint8_t> b = bytes("ZOOMINDEX.DAT");
        std::vector<ZoomIndex> v(b.size() / sizeof(ZoomIndex));
        if (!v.empty()) memcpy(v.data(), b.data(), v.size() * sizeof(ZoomIndex));
        return v;
    }
    // A map appended to the store as the store writes it: an explored one is kept for years, a blank
    // one (never seen, nobody living there) is dropped once its cell is a few days behind.
    void append_map(int x, int y, bool explored, int lastday) {
        static ZoomStruct z;
        memset(&z, 0, sizeof z);
        memset(z.chars, CH_GROUND, sizeof z.chars);
        memset(z.memory, ' ', sizeof z.memory);
        if (explored) memset(z.memory, CH_GROUND, 600);
        z.x = x;
        z.y = y;
        FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "ab");
        ASSERT_NE(f, nullptr);
        fwrite(&z, sizeof z, 1, f);
        fclose(f);
        const ZoomIndex e = {0, x, y};
        f = fopen(path("ZOOMINDEX.DAT").c_str(), "ab");
        fwrite(&e, sizeof e, 1, f);
        fclose(f);
        ZoomExtraStruct &info = zoomextra_ref(x, y);
        info.x = (uint16_t)x;
        info.y = (uint16_t)y;
        info.lastday = (uint16_t)lastday;
    }
    // A removed map: its index entry reads -1, -1, its record stays in the file.
    void append_removed_map() {
        append_map(7, 7, true, (int)Plr.daynumber);
        std::vector<ZoomIndex> v = index();
        v.back().x = v.back().y = -1;
        FILE *f = fopen(path("ZOOMINDEX.DAT").c_str(), "wb");
        fwrite(v.data(), sizeof(ZoomIndex), v.size(), f);
        fclose(f);
        remove_ZoomExtra(7, 7);
    }
    // "7" pressed in play, and the keys its notes wait for.
    void press_seven() {
        lastnote[0] = 0;
        tap(SDLK_7);
        tap(SDLK_SPACE);   // the first note waits for a key
        tap(SDLK_SPACE);
        int r;
        ASSERT_EQ(turn_pass(&r), 1);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    bool done_shown() const { return strstr(lastnote, "Ok, map maintenance done.") != nullptr; }
    std::string notes() const {
        const std::vector<uint8_t> b = bytes("msglog.txt");
        return std::string(b.begin(), b.end());
    }
    // She steps from the wilderness map onto the local map she stands in: its area is made and stored.
    void zoom_in() {
        EnterLocale(0, 0);
        ASSERT_EQ(GetMappie(0), 1);
        ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    }
    // The character layer of each of the 25 local maps of her area, as the store holds them.
    std::vector<std::string> stored_area() {
        std::vector<std::string> maps;
        for (int dy = -2; dy <= 2; dy++)
            for (int dx = -2; dx <= 2; dx++) {
                EXPECT_EQ(load_zoommap((int)Plr.world_x + dx, (int)Plr.world_y + dy), 1) << dx << "," << dy;
                maps.emplace_back((const char *)Zoom.chars, sizeof Zoom.chars);
            }
        return maps;
    }
    // Squares of local map k (0..24) of the area in memory that show `chars`, and that are plain ground.
    static int same_squares(int k, const std::string &chars, int *ground) {
        const int x0 = AREA_CENTRE + 64 * (k % 5 - 2), y0 = AREA_CENTRE + 64 * (k / 5 - 2);
        int same = 0;
        *ground = 0;
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) {
                same += get_mapchar(x0 + x, y0 + y) == (uint8_t)chars[y * 64 + x];
                *ground += get_mapchar(x0 + x, y0 + y) == CH_GROUND;
            }
        return same;
    }
    // The game ends without saving (a kill, a crash): nothing in memory survives, the folder is loaded
    // again as the next start of the game loads it.
    void killed_and_loaded() {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        var_clear();
        oxatest::reset_loader_tables();
        oxatest::clear_map_layers(0x5a);
        ASSERT_EQ(loader(), 0) << loader_last_note();
        var_clear();
        LOADER_RUN = 0;
    }
    static std::vector<uint8_t> markers() {
        std::vector<uint8_t> b(sizeof ZoomExtra);
        memcpy(b.data(), ZoomExtra, sizeof ZoomExtra);
        return b;
    }
};

TEST_F(CompactionTest, KeptMapsComeThroughUnchangedAndASecondRunDropsNothing) {
    Plr.daynumber = 101;   // a hundred days lived: the ready-made character starts on her first day
    append_map(2990, 2000, true, (int)Plr.daynumber);   // visited today: kept
    const int today = (int)Plr.daynumber;
    append_map(3000, 2000, true, today - 100);        // explored: kept
    append_map(3001, 2000, false, today - 400);       // blank: dropped
    append_removed_map();                              // removed: dropped
    const std::vector<ZoomIndex> before = index();
    const std::vector<uint8_t> maps_before = bytes("ZOOMMAPS.DAT");

    press_seven();
    EXPECT_TRUE(done_shown()) << lastnote;
    std::vector<ZoomIndex> after = index();
    ASSERT_EQ(after.size(), before.size() - 2);
    const std::vector<uint8_t> maps_after = bytes("ZOOMMAPS.DAT");
    ASSERT_EQ(maps_after.size(), after.size() * sizeof(ZoomStruct));
    // Every kept map is the same bytes under the same cell, in the same order.
    for (size_t n = 0; n + 2 < before.size(); n++) {
        EXPECT_EQ(after[n].x, before[n].x);
        EXPECT_EQ(after[n].y, before[n].y);
        EXPECT_EQ(memcmp(&maps_after[n * sizeof(ZoomStruct)], &maps_before[n * sizeof(ZoomStruct)], sizeof(ZoomStruct)), 0)
            << "map " << n;
    }
    EXPECT_EQ(after.back().x, 3000);
    EXPECT_NE(ZoomMapPos(3000, 2000), 0);
    EXPECT_EQ(ZoomMapPos(3001, 2000), 0);
    EXPECT_EQ(Mapinfo_bigloc_LastDay(3001, 2000), 0) << "the dropped map's record went with it";
    EXPECT_NE(Mapinfo_bigloc_LastDay(3000, 2000), 0);
    ASSERT_TRUE(LoadMarkerFiles());
    EXPECT_EQ(Mapinfo_bigloc_LastDay(3001, 2000), 0) << "the marker file was saved";
    ASSERT_EQ(load_zoommap(2990, 2000), 1);
    EXPECT_FALSE(dir->exists("AINO/ZOOMMAPS.DAT.new"));
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));

    const std::vector<uint8_t> idx_once = bytes("ZOOMINDEX.DAT"), maps_once = bytes("ZOOMMAPS.DAT");
    press_seven();
    EXPECT_TRUE(done_shown());
    EXPECT_EQ(bytes("ZOOMINDEX.DAT"), idx_once);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT"), maps_once);
}

// Every stored map keeps a record of its place. Once nearly all the records are used, her next map
// entry compacts the store: the maps not worth keeping go, and their records with them. A table with no
// record left for a new place says so.
TEST_F(CompactionTest, NearlyFullRecordsOfPlacesCompactTheStoreAtTheNextEntry) {
    struct Case {
        const char *what;
        int used;          // records of places in use before she steps down
        bool full_told;
    } cases[] = {{"nearly full", 9951, false}, {"full", ZOOMEXTRA_COUNT, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // Her folder as the build wrote it, loaded on the world map.
        const std::string cmd = "rm -rf " + dir->path() + "/AINO && cp -r " + std::string(OXA_RUN_DIR) +
                                "/../fixture/AINO " + dir->path() + "/";
        ASSERT_EQ(system(cmd.c_str()), 0);
        killed_and_loaded();
        ASSERT_TRUE(bigmap());
        append_map(3001, 2000, false, (int)Plr.daynumber - 400);   // blank and long unvisited: not worth keeping
        // Places seen long ago along the world's top rows, whose maps were never kept.
        for (int i = 0, n = numused_ZoomExtra(); i < ZOOMEXTRA_COUNT && n < c.used; i++) {
            if (ZoomExtra[i].x != 0) continue;
            ZoomExtra[i].x = (uint16_t)(1 + n % 3000);
            ZoomExtra[i].y = (uint16_t)(1 + n / 3000);
            ZoomExtra[i].lastday = 1;
            n++;
        }
        marker_tables_changed();
        ASSERT_EQ(numused_ZoomExtra(), c.used);
        // She steps down onto land out of the reach of every map she has kept and of every settlement.
        const UiPoint away = FindBigmapLoc(PlayerX, PlayerY, 10, 80, 0, 0, 0);
        ASSERT_NE(away.x, 0);
        ASSERT_EQ(Mapinfo_bigloc_LastDay(away.x, away.y), 0);
        PlayerX = away.x;
        PlayerY = away.y;
        const size_t seen = notes().size();
        zoom_in();
        const std::string told = notes().substr(seen);
        EXPECT_NE(told.find("Ok, map maintenance done."), std::string::npos) << told;
        EXPECT_EQ(ZoomMapPos(3001, 2000), 0) << "the blank map was dropped";
        EXPECT_EQ(Mapinfo_bigloc_LastDay(3001, 2000), 0) << "and its record freed";
        EXPECT_EQ(told.find("The records of the places you have visited are full") != std::string::npos, c.full_told)
            << told;
    }
}

TEST_F(CompactionTest, AStoreOfOnlyTheDummyComesOutUnchanged) {
    std::vector<uint8_t> idx = bytes("ZOOMINDEX.DAT"), maps = bytes("ZOOMMAPS.DAT");
    idx.resize(sizeof(ZoomIndex));
    maps.resize(sizeof(ZoomStruct));
    FILE *f = fopen(path("ZOOMINDEX.DAT").c_str(), "wb");
    fwrite(idx.data(), 1, idx.size(), f);
    fclose(f);
    f = fopen(path("ZOOMMAPS.DAT").c_str(), "wb");
    fwrite(maps.data(), 1, maps.size(), f);
    fclose(f);
    zoommap_maintenance();
    EXPECT_TRUE(done_shown()) << lastnote;
    EXPECT_EQ(bytes("ZOOMINDEX.DAT"), idx);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT"), maps);
}

TEST_F(CompactionTest, AWriteThatFailsLeavesTheStoreAndMarkersAsTheyWere) {
    append_map(3001, 2000, false, (int)Plr.daynumber - 400);
    ASSERT_TRUE(SaveMarkerFile());
    const std::vector<uint8_t> idx = bytes("ZOOMINDEX.DAT"), maps = bytes("ZOOMMAPS.DAT"),
                               marker_file = bytes("MARKER.DAT"), marks = markers();
    ASSERT_EQ(mkdir(path("ZOOMMAPS.DAT.new").c_str(), 0755), 0);   // the new maps can't be written
    press_seven();
    EXPECT_FALSE(done_shown()) << lastnote;
    EXPECT_EQ(lastnote[0], '!');
    EXPECT_EQ(bytes("ZOOMINDEX.DAT"), idx);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT"), maps);
    EXPECT_EQ(bytes("MARKER.DAT"), marker_file);
    EXPECT_EQ(markers(), marks);
    EXPECT_FALSE(dir->exists("AINO/ZOOMINDEX.DAT.new"));
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));
    EXPECT_NE(ZoomMapPos(3001, 2000), 0);

    // A maps file cut inside its last map: the store says so first, no longer names that map, and the
    // maintenance runs over the maps that are whole.
    rmdir(path("ZOOMMAPS.DAT.new").c_str());
    std::vector<uint8_t> cut = maps;
    cut.resize(cut.size() - 100);
    FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "wb");
    fwrite(cut.data(), 1, cut.size(), f);
    fclose(f);
    press_seven();
    EXPECT_TRUE(done_shown()) << lastnote;
    EXPECT_NE(notes().find("ZOOMMAPS.DAT is damaged: 1 of its"), std::string::npos);
    EXPECT_EQ(ZoomMapPos(3001, 2000), 0);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT").size(), index().size() * sizeof(ZoomStruct));
}

static int refuse_rename(const char *, const char *) {
    errno = EIO;
    return -1;
}
static int refuse_maps_rename(const char *from, const char *to) {
    if (strstr(to, "ZOOMMAPS.DAT")) return refuse_rename(from, to);
    return rename(from, to);
}

TEST_F(CompactionTest, ARenameThatFailsLeavesTheStoreAsItWas) {
    append_map(2990, 2000, true, (int)Plr.daynumber);
    append_map(3001, 2000, false, (int)Plr.daynumber - 400);
    ASSERT_TRUE(SaveMarkerFile());
    const std::vector<uint8_t> idx = bytes("ZOOMINDEX.DAT"), maps = bytes("ZOOMMAPS.DAT"),
                               marker_file = bytes("MARKER.DAT"), marks = markers();
    save_rename = refuse_rename;
    press_seven();
    EXPECT_FALSE(done_shown()) << lastnote;
    EXPECT_EQ(bytes("ZOOMINDEX.DAT"), idx);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT"), maps);
    EXPECT_EQ(bytes("MARKER.DAT"), marker_file);
    EXPECT_EQ(markers(), marks);

    // Cut short between the two renames: the index already in place is taken back with the maps.
    save_rename = refuse_maps_rename;
    press_seven();
    EXPECT_FALSE(done_shown());
    save_rename = rename;
    EXPECT_EQ(bytes("ZOOMINDEX.DAT"), idx);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT"), maps);
    EXPECT_FALSE(dir->exists("AINO/SAVE.COMMIT"));
    ASSERT_TRUE(finish_interrupted_save());
    EXPECT_NE(ZoomMapPos(3001, 2000), 0) << "nothing dropped";
    ASSERT_EQ(load_zoommap(2990, 2000), 1);
}

// Maintenance on a local area, then the game killed before any save: the next load finds the area's
// maps as they were stored, none dropped, none made anew, none plain ground.
TEST_F(CompactionTest, MaintenanceOnHerAreaThenAKillKeepsEveryMapOfTheArea) {
    zoom_in();
    const std::vector<std::string> before = stored_area();
    press_seven();
    EXPECT_TRUE(done_shown()) << lastnote;
    killed_and_loaded();
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    for (int k = 0; k < 25; k++) {
        int ground;
        EXPECT_GT(same_squares(k, before[k], &ground), 4096 * 9 / 10) << "local map " << k;
    }
    EXPECT_EQ(notes().find("The store lacked"), std::string::npos);
}

// Each file of the store damaged: the load says which and what was done, and her area is never plain
// ground. A damaged index is rebuilt from the maps, which come back as stored; lost maps are made anew.
TEST_F(CompactionTest, ADamagedStoreIsToldOfAndHerAreaIsNeverPlainGround) {
    zoom_in();
    const std::vector<std::string> before = stored_area();
    const std::vector<uint8_t> index = bytes("ZOOMINDEX.DAT"), maps = bytes("ZOOMMAPS.DAT");
    // The dummy, her 25 local maps and the far fields of her village, made for its harvest.
    const size_t records = index.size() / 12;
    ASSERT_GE(records, 26u);
    ASSERT_EQ(maps.size(), records * 88392);
    const std::string all = std::to_string(records - 1), cut = std::to_string(records - 1 - (records / 2 - 1));
    auto random = [](std::vector<uint8_t> b) {
        for (size_t i = 0; i < b.size(); i++) b[i] = (uint8_t)(i * 2654435761u >> 11);
        return b;
    };
    auto half = [](std::vector<uint8_t> b) { return std::vector<uint8_t>(b.begin(), b.begin() + b.size() / 2); };
    struct Case {
        const char *what;
        std::vector<uint8_t> index, maps;
        std::string told;
        bool as_stored;   // the area comes back as it was stored
    } cases[] = {
        {"maps zeroed", index, std::vector<uint8_t>(maps.size()),
         "!ZOOMMAPS.DAT is damaged: " + all + " of its " + all + " local maps are lost. Those will be made anew.", false},
        {"maps cut to half", index, half(maps), "!ZOOMMAPS.DAT is damaged: " + cut + " of its " + all + " local maps are lost.", false},
        {"maps random", index, random(maps), "!ZOOMMAPS.DAT is damaged: " + all + " of its " + all, false},
        {"index cut to half", half(index), maps,
         "!ZOOMINDEX.DAT was cut short; local maps it no longer named were found again in ZOOMMAPS.DAT: " + cut + ".", true},
        {"index random", random(index), maps,
         "!ZOOMINDEX.DAT was damaged and has been rebuilt from ZOOMMAPS.DAT (local maps found: " + all + ").", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(write_atomic(path("ZOOMINDEX.DAT").c_str(), c.index.data(), c.index.size()));
        ASSERT_TRUE(write_atomic(path("ZOOMMAPS.DAT").c_str(), c.maps.data(), c.maps.size()));
        const size_t seen = notes().size();
        killed_and_loaded();
        ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
        const std::string told = notes().substr(seen);
        EXPECT_NE(told.find(c.told.substr(1)), std::string::npos) << told;
        EXPECT_EQ(told.find("The store lacked") != std::string::npos, !c.as_stored) << told;
        for (int k = 0; k < 25; k++) {
            int ground;
            const int same = same_squares(k, before[k], &ground);
            EXPECT_LT(ground, 4096) << "local map " << k << " is plain ground";
            EXPECT_TRUE(!c.as_stored || same > 4096 * 9 / 10) << "local map " << k << ": " << same;
        }
    }
}

}  // namespace
