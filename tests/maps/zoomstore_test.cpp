// The local-map store: finding, adding, rewriting, reloading and removing maps; lost and damaged
// files; copying maps between the store and the local area; the map-info marks; the keep test.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/savecommit.h"
#include "maps/kulttuuri.h"
#include "maptest.h"
#include "presentation/notes.h"

class StoreTest : public MapsTest {
protected:
    long size_of(const char *name) {
        struct stat st;
        return stat(path(name).c_str(), &st) == 0 ? (long)st.st_size : -1;
    }
    std::vector<ZoomIndex> index() {
        std::vector<ZoomIndex> v;
        FILE *f = fopen(path("ZOOMINDEX.DAT").c_str(), "rb");
        ZoomIndex e;
        while (f && fread(&e, sizeof e, 1, f) == 1) v.push_back(e);
        if (f) fclose(f);
        return v;
    }
    // A map whose squares tell which cell it is.
    void make_map(int x, int y) {
        ZoomMap_Clear();
        Zoom.chars[0] = (uint8_t)(x & 0xff);
        Zoom.chars[4095] = (uint8_t)(y & 0xff);
        Zoom.memory[7] = 'm';
        Zoom.height[9] = 4;
        Zoom.data[0].type = 1;
        Zoom.data[0].id = (uint32_t)(50000 + x);
    }
    bool holds_map(int x, int y) {
        return Zoom.x == x && Zoom.y == y && Zoom.chars[0] == (x & 0xff) && Zoom.chars[4095] == (y & 0xff) &&
               Zoom.memory[7] == 'm' && Zoom.data[0].id == (uint32_t)(50000 + x);
    }
    void store(int x, int y) {
        make_map(x, y);
        ASSERT_EQ(save_zoommap(x, y, 1), 1);
    }
    // The local area round cell 500, 600 with the player at its centre, all ground.
    void ground_area() {
        local_area();
        Plr.world_x = 500;
        Plr.world_y = 600;
        PlayerX = PlayerY = 232;
        memset(maailma, CH_GROUND, MAP_BYTES);
    }
};

TEST_F(StoreTest, LocalMapOffsetsOfTheArea) {
    struct { int v, border, k; } cases[] = {{72, 0, -2}, {135, 0, -2}, {136, 0, -1}, {199, 0, -1}, {200, 0, 0},
                                            {263, 0, 0}, {264, 0, 1}, {391, 0, 2},  {71, 0, 2},   {392, 0, 2},
                                            {0, 0, 2},   {196, 4, 0}, {263, 4, 0}, {264, 4, 2}, {268, 4, 1}};
    for (auto &c : cases) {
        EXPECT_EQ(find_zoom_x(c.v, c.border), c.k) << c.v << " border " << c.border;
        EXPECT_EQ(find_zoom_y(c.v, c.border), c.k);
    }
}

TEST_F(StoreTest, FirstSaveCreatesBothFilesWithTheDummy) {
    EXPECT_EQ(ZoomMapPos(10, 20), 0);
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), 88392);
    EXPECT_EQ(size_of("ZOOMINDEX.DAT"), 12);
    store(10, 20);
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), 2 * 88392);
    std::vector<ZoomIndex> idx = index();
    ASSERT_EQ(idx.size(), 2u);
    EXPECT_EQ(idx[0].x, -1);
    EXPECT_EQ(idx[0].y, -1);
    EXPECT_EQ(idx[1].reserved, 0u);
    EXPECT_EQ(idx[1].x, 10);
    EXPECT_EQ(idx[1].y, 20);
    EXPECT_EQ(ZoomMapPos(10, 20), 1);
    EXPECT_EQ(ZoomMapPos(-1, -1), 0);                 // the dummy is never a map
}

TEST_F(StoreTest, MapsAreFoundReloadedAndRewrittenInPlace) {
    store(10, 20);
    store(11, 20);
    store(0, 0);
    memset(&Zoom, 0, sizeof Zoom);
    for (auto cell : {std::pair<int, int>{11, 20}, {10, 20}, {0, 0}}) {
        ASSERT_EQ(load_zoommap(cell.first, cell.second), 1);
        EXPECT_TRUE(holds_map(cell.first, cell.second));
    }
    EXPECT_EQ(Zoom.height[9], 4);

    ASSERT_EQ(load_zoommap(10, 20), 1);
    Zoom.chars[100] = 13;
    ASSERT_EQ(save_zoommap(10, 20, 1), 1);
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), 4 * 88392);    // rewritten, not appended
    ZoomMap_Clear();
    ASSERT_EQ(load_zoommap(10, 20), 1);
    EXPECT_EQ(Zoom.chars[100], 13);

    Zoom.height[5] = 77;                              // the height layer survives a miss
    EXPECT_EQ(load_zoommap(12, 20), 0);
    EXPECT_EQ(Zoom.chars[100], CH_GROUND);
    EXPECT_EQ(Zoom.memory[7], ' ');
    EXPECT_EQ(Zoom.data[0].type, 0);
    EXPECT_EQ(Zoom.height[5], 77);
}

TEST_F(StoreTest, ARemovedMapIsGoneAndASaveAppendsItAgain) {
    store(10, 20);
    store(11, 20);
    int info = zoomextra_kohta(10, 20);
    ZoomExtra[info].x = 10;
    ZoomExtra[info].y = 20;
    ZoomExtra[info].socid = 5;
    ZoomMap_Remove(10, 20);
    EXPECT_EQ(ZoomMapPos(10, 20), 0);
    EXPECT_EQ(load_zoommap(10, 20), 0);
    EXPECT_EQ(ZoomExtra[info].socid, 0u);
    std::vector<ZoomIndex> idx = index();
    ASSERT_EQ(idx.size(), 3u);
    EXPECT_EQ(idx[1].x, -1);
    EXPECT_EQ(idx[1].y, -1);
    EXPECT_EQ(ZoomMapPos(11, 20), 2);
    ZoomMap_Remove(30, 30);                           // not stored: nothing changes
    EXPECT_EQ(index().size(), 3u);

    store(10, 20);
    EXPECT_EQ(ZoomMapPos(10, 20), 3);
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), 4 * 88392);
}

// Damage to either file is found the next time the store is used: what it holds afterwards and what
// the player is told. The store holds 11,20 (record 2), 10,20 (record 3, its first record 1 removed)
// and 12,20 (record 4).
TEST_F(StoreTest, ADamagedPairIsMendedAndToldOfNeverReadAsGarbage) {
    const long rec = 88392;
    auto cut = [&](const char *name, long size) { ASSERT_EQ(truncate(path(name).c_str(), size), 0); };
    auto fill = [&](const char *name, int byte) {
        std::string b(size_of(name), (char)byte);
        if (byte < 0)
            for (size_t i = 0; i < b.size(); i++) b[i] = (char)(i * 2654435761u >> 13);
        ASSERT_TRUE(write_atomic(path(name).c_str(), b.data(), b.size()));
    };
    auto recell = [&](long n, int32_t x) {   // record n now says it was written for x, 20
        FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        fseek(f, n * rec, SEEK_SET);
        fwrite(&x, sizeof x, 1, f);
        fclose(f);
    };
    struct Case {
        const char *what;
        std::function<void()> damage;
        std::vector<int> kept;   // cells x, 20 that load whole afterwards
        const char *told;        // the start of the note; "" none
    } cases[] = {
        {"maps cut inside the last record", [&] { cut("ZOOMMAPS.DAT", 5 * rec - 100); }, {10, 11},
         "!ZOOMMAPS.DAT is damaged: 1 of its 3 local maps are lost."},
        {"maps removed", [&] { remove(path("ZOOMMAPS.DAT").c_str()); }, {}, "!ZOOMMAPS.DAT is damaged: 3 of its 3"},
        {"a record of another cell", [&] { recell(2, 99); }, {10, 12}, "!ZOOMMAPS.DAT is damaged: 1 of its 3"},
        {"index removed", [&] { remove(path("ZOOMINDEX.DAT").c_str()); }, {10, 11, 12},
         "!ZOOMINDEX.DAT was missing and has been rebuilt from ZOOMMAPS.DAT (local maps found: 3)."},
        {"index zeroed", [&] { fill("ZOOMINDEX.DAT", 0); }, {10, 11, 12}, "!ZOOMINDEX.DAT was damaged and has been"},
        {"index cut to nothing", [&] { cut("ZOOMINDEX.DAT", 0); }, {10, 11, 12}, "!ZOOMINDEX.DAT was damaged and"},
        {"index cut after two entries", [&] { cut("ZOOMINDEX.DAT", 24); }, {10, 11, 12},
         "!ZOOMINDEX.DAT was cut short; local maps it no longer named were found again in ZOOMMAPS.DAT: 3."},
        {"index cut inside its last entry", [&] { cut("ZOOMINDEX.DAT", 55); }, {10, 11, 12},
         "!ZOOMINDEX.DAT was cut short;"},
        // A crash while an entry was being added leaves part of it: nothing is lost, nothing to tell.
        {"a cut entry after the index", [&] { std::ofstream(path("ZOOMINDEX.DAT"), std::ios::app).write("\1\2\3", 3); },
         {10, 11, 12}, ""},
        {"both random", [&] { fill("ZOOMINDEX.DAT", -1), fill("ZOOMMAPS.DAT", -1); }, {},
         "!ZOOMINDEX.DAT was damaged and ZOOMMAPS.DAT holds no whole local map."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        remove(path("ZOOMINDEX.DAT").c_str());
        remove(path("ZOOMMAPS.DAT").c_str());
        store(10, 20);
        store(11, 20);
        ZoomMap_Remove(10, 20);
        store(10, 20);
        store(12, 20);
        c.damage();
        lastnote[0] = 0;
        for (int x : {10, 11, 12}) {
            make_map(5, 5);
            const bool kept = std::find(c.kept.begin(), c.kept.end(), x) != c.kept.end();
            EXPECT_EQ(load_zoommap(x, 20), kept ? 1 : 0) << x;
            EXPECT_EQ(kept ? holds_map(x, 20) : Zoom.chars[0] == CH_GROUND, true) << x;
        }
        if (std::find(c.kept.begin(), c.kept.end(), 10) != c.kept.end()) {
            EXPECT_EQ(ZoomMapPos(10, 20), 3) << "a cell stored twice is found in its last record";
        }
        EXPECT_EQ(std::string(lastnote).rfind(c.told, 0), 0u) << lastnote;
        if (!c.told[0]) {
            EXPECT_EQ(lastnote[0], 0) << lastnote;
        }
        // The store goes on whole: every entry names its own record, and a new map finds its place.
        EXPECT_EQ(size_of("ZOOMINDEX.DAT") % 12, 0);
        store(13, 20);
        ASSERT_EQ(load_zoommap(13, 20), 1);
        EXPECT_TRUE(holds_map(13, 20));
        const std::vector<ZoomIndex> idx = index();
        EXPECT_LE((long)idx.size() * rec, size_of("ZOOMMAPS.DAT"));
        for (size_t n = 1; n < idx.size(); n++)
            if (idx[n].x != -1) {
                EXPECT_EQ(ZoomMapPos(idx[n].x, idx[n].y), (int)n);
            }
    }
}

TEST_F(StoreTest, LayersAndRecordsTravelBetweenTheAreaAndTheBuffer) {
    local_area();
    const int x0 = 200 + 64, y0 = 200 - 64;           // local map (1, -1)
    maailma[mapidx(x0, y0)] = 13;
    maailma[mapidx(x0 + 63, y0 + 63)] = 95;
    maailma_memorymap[mapidx(x0 + 1, y0)] = 'x';
    pintakartta[mapidx(x0 + 2, y0)] = 9;
    korkeuskartta[mapidx(x0 + 3, y0)] = 20;
    maailma[mapidx(x0 + 64, y0)] = 183;               // belongs to the next local map
    Data[4].type = 1;
    Data[4].x = (uint16_t)(x0 + 5);
    Data[4].y = (uint16_t)(y0 + 6);
    Data[4].id = 50123;
    Data[5].type = 4;
    Data[5].x = (uint16_t)(x0 + 64);                  // next local map: not taken
    Data[5].y = (uint16_t)y0;
    dataextract(1, -1);
    EXPECT_EQ(Zoom.chars[0], 13);
    EXPECT_EQ(Zoom.chars[4095], 95);
    EXPECT_EQ(Zoom.memory[1], 'x');
    EXPECT_EQ(Zoom.surface[2], 9);
    EXPECT_EQ(Zoom.height[3], 20);
    EXPECT_EQ(Zoom.data[0].x, 5);
    EXPECT_EQ(Zoom.data[0].y, 6);
    EXPECT_EQ(Zoom.data[0].id, 50123u);
    EXPECT_EQ(Zoom.data[1].type, 0);

    memset(Data, 0, sizeof Data);
    Data[0].type = 9;
    maailma[mapidx(x0, y0)] = CH_GROUND;
    zoomset_maailma(1, -1);
    EXPECT_EQ(maailma[mapidx(x0, y0)], 13);
    EXPECT_EQ(korkeuskartta[mapidx(x0 + 3, y0)], 20);
    EXPECT_EQ(Data[0].type, 9);                       // the next free slot took the record
    EXPECT_EQ(Data[1].type, 1);
    EXPECT_EQ(Data[1].x, x0 + 5);
    EXPECT_EQ(Data[1].y, y0 + 6);
}

TEST_F(StoreTest, OnlyTwoThousandRecordsGoWithOneMap) {
    local_area();
    for (int i = 0; i < 2100; i++) {
        Data[i].type = 4;                             // creatures: nothing to tidy away
        Data[i].x = (uint16_t)(200 + i % 64);
        Data[i].y = (uint16_t)(200 + (i / 64) % 64);
        Data[i].id = (uint32_t)(1000 + i);
    }
    dataextract(0, 0);
    EXPECT_EQ(Zoom.data[1999].id, 2999u);
}

TEST_F(StoreTest, TheWholeAreaIsSavedAndBuiltAgain) {
    local_area();
    Plr.world_x = 500;
    Plr.world_y = 600;
    Plr.daynumber = 1000 + 65536;
    PlayerX = 210;
    PlayerY = 205;
    memset(maailma, CH_GROUND, MAP_BYTES);
    for (int zy = -2; zy <= 2; zy++)
        for (int zx = -2; zx <= 2; zx++) {
            int x0 = 200 + 64 * zx, y0 = 200 + 64 * zy;
            maailma[mapidx(x0 + 1, y0 + 2)] = (uint8_t)(100 + (zx + 2) * 5 + zy + 2);
        }
    Data[0].type = 27;
    Data[0].x = 100;
    Data[0].y = 100;
    Data[DATA_MAX - 1].type = 27;                     // the pool's last place is read too
    Data[DATA_MAX - 1].x = 300;
    Data[DATA_MAX - 1].y = 310;
    zoomsave();
    EXPECT_EQ(size_of("ZOOMMAPS.DAT"), 26 * 88392);
    const ZoomExtraStruct &own = ZoomExtra[zoomextra_kohta(500, 600)];
    EXPECT_EQ(own.lastday, 1000);       // the low 16 bits of the day number
    EXPECT_EQ(own.last_x, 11u);
    EXPECT_EQ(own.last_y, 6u);
    EXPECT_EQ(ZoomExtra[zoomextra_kohta(498, 598)].trapflags, 4);

    memset(maailma, 0, MAP_BYTES);
    memset(Data, 0, sizeof Data);
    Zoomer(500, 600);
    for (int zy = -2; zy <= 2; zy++)
        for (int zx = -2; zx <= 2; zx++)
            EXPECT_EQ(maailma[mapidx(200 + 64 * zx + 1, 200 + 64 * zy + 2)], 100 + (zx + 2) * 5 + zy + 2);
    EXPECT_EQ(maailma[mapidx(200, 200)], CH_GROUND);
    EXPECT_EQ(Data[0].type, 27);
    EXPECT_EQ(Data[0].x, 100);
    int far = 0;
    for (const DataStruct &d : Data) far += d.type == 27 && d.x == 300 && d.y == 310;
    EXPECT_EQ(far, 1);

    memset(maailma, 0, MAP_BYTES);
    Zoomer(900, 900);                                 // nothing stored there: plain ground
    EXPECT_EQ(maailma[mapidx(72, 72)], CH_GROUND);
    EXPECT_EQ(maailma_memorymap[mapidx(391, 391)], ' ');
}

TEST_F(StoreTest, MapInfoMarksTrapsDwellingsAndOwnBuildings) {
    make_map(40, 40);
    Zoom.data[1].type = 28;
    Zoom.chars[3 * 64 + 5] = 31;                      // an explored shelter
    Zoom.memory[3 * 64 + 5] = 31;
    Zoom.chars[9 * 64 + 1] = 31;                      // an unexplored one counts for nothing
    ASSERT_EQ(save_zoommap(40, 40, 0), 1);
    const ZoomExtraStruct &info = ZoomExtra[zoomextra_kohta(40, 40)];
    EXPECT_EQ(info.trapflags, 2);
    EXPECT_EQ(info.dwelling, 2);
    EXPECT_EQ(info.dwell_x, 5);
    EXPECT_EQ(info.dwell_y, 3);

    make_map(45, 40);
    for (int i = 0; i < 4; i++) Zoom.chars[200 + i] = 196;
    ASSERT_EQ(save_zoommap(45, 40, 0), 1);
    const ZoomExtraStruct &own = ZoomExtra[zoomextra_kohta(45, 40)];
    EXPECT_EQ(own.dwelling, 4);
    EXPECT_EQ(own.dwell_x, 64);
}

// Until the settlements' people are placed by the generator, nobody can be found gone: a village with
// hardly a house standing is stored as it is, its cell and its culture kept.
TEST_F(StoreTest, ASettlementWhosePeopleWereNeverPlacedIsNeverAbandoned) {
    put_world(100, 100, 239);
    set_alltime_kulttuuri(100, 100, 3);
    make_map(100, 100);
    for (int i = 0; i < 3; i++) Zoom.chars[i + 10] = 95;
    ASSERT_EQ(save_zoommap(100, 100, 0), 1);
    EXPECT_EQ(get_alltime_maailmachar(100, 100), 239);
    EXPECT_EQ(ZoomExtra[zoomextra_kohta(100, 100)].abandoned, 0);
    EXPECT_EQ(get_alltime_kulttuuri(100, 100), 3);
    EXPECT_EQ(ZoomExtra[zoomextra_kohta(100, 100)].dwelling & 4, 0) << "a village is not the player's own house";
}

TEST_F(StoreTest, KeepTestByVisitsItemsAndCreatures) {
    // M explored squares, O player-made items, L creatures, daylag, keep.
    struct { int M, O, L, daylag, keep; } cases[] = {
        {0, 5, 0, 10, 0},     {1, 0, 0, 149, 1},    {1, 0, 0, 150, 0},    {1, 0, 0, 179, 0},
        {1, 0, 0, 180, 0},    {33, 0, 0, 150, 0},   {65, 0, 0, 150, 1},   {65, 0, 0, 179, 1},
        {65, 0, 0, 180, 0},   {257, 0, 0, 279, 1},  {257, 0, 0, 280, 0},  {0, 0, 2, 200, 0},
        {0, 0, 3, 200, 1},    {0, 0, 3, 300, 1},    {400, 0, 0, 364, 1},  {400, 0, 0, 365, 0},
        {0, 3, 3, 400, 1},    {800, 0, 0, 546, 1},  {800, 0, 0, 547, 0},  {0, 5, 2, 1000, 0},
        {0, 5, 3, 1000, 1},   {4000, 0, 1, 1500, 1}, {3000, 0, 0, 1459, 1}, {3000, 0, 0, 1500, 0},
    };
    for (auto &c : cases) {
        ZoomMap_Clear();
        for (int i = 0; i < c.M; i++) Zoom.memory[i] = 'x';
        int r = 0;
        for (int i = 0; i < c.O; i++) {
            Zoom.data[r].type = 1;
            Zoom.data[r++].id = 50000 + i;
        }
        for (int i = 0; i < c.L; i++) Zoom.data[r++].type = 4;
        Zoom.data[r].type = 9;                        // plants and made-in-the-world items never count
        Zoom.data[r++].id = 60000;
        Zoom.data[r].type = 1;
        Zoom.data[r].id = 200;
        EXPECT_EQ(zoommap_important(c.daylag), c.keep) << "M " << c.M << " O " << c.O << " L " << c.L << " daylag "
                                                       << c.daylag;
    }
    ZoomMap_Clear();
    Zoom.data[5].type = 'w';
    EXPECT_EQ(zoommap_important(5000), 1);
}

// The cells of a batch join the end of the index file it was read from; an index that changed on disk
// meanwhile is written whole instead, and a batch inside a save goes with the save.
TEST_F(StoreTest, ABatchAddsItsCellsToTheEndOfTheIndex) {
    store(10, 20);
    const std::vector<ZoomIndex> before = index();
    zoomstore_batch_begin();
    store(11, 20);
    store(12, 20);
    EXPECT_EQ(index().size(), before.size()) << "the index waits for the end of the batch";
    ASSERT_EQ(zoomstore_batch_end(), 1);
    std::vector<ZoomIndex> after = index();
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(memcmp(after.data(), before.data(), before.size() * sizeof(ZoomIndex)), 0);
    EXPECT_EQ(after[after.size() - 2].x, 11);
    EXPECT_EQ(after.back().x, 12);
    EXPECT_EQ(ZoomMapPos(12, 20), 3);

    // Replaced by another index of the same size behind the store's back: nothing is added to that
    // file; the store writes its own index whole.
    zoomstore_batch_begin();
    store(13, 20);
    std::vector<ZoomIndex> other = after;
    other[1].x = other[1].y = -1;
    ASSERT_TRUE(write_atomic(path("ZOOMINDEX.DAT").c_str(), other.data(), other.size() * sizeof(ZoomIndex)));
    ASSERT_EQ(zoomstore_batch_end(), 1);
    std::vector<ZoomIndex> mine = index();
    ASSERT_EQ(mine.size(), after.size() + 1);
    EXPECT_EQ(mine[1].x, 10);
    EXPECT_EQ(mine.back().x, 13);

    // Inside a save the index is staged whole with the save.
    save_begin();
    zoomstore_batch_begin();
    store(14, 20);
    ASSERT_EQ(zoomstore_batch_end(), 1);
    EXPECT_EQ(index().size(), mine.size()) << "nothing reaches the file before the commit";
    ASSERT_TRUE(save_commit());
    EXPECT_EQ(index().size(), mine.size() + 1);
    EXPECT_EQ(ZoomMapPos(14, 20), (int)mine.size());
}

// The quick look at a whole area agrees with loading each of its maps, and leaves the buffer alone.
TEST_F(StoreTest, AnAreaCountsAsStoredExactlyWhenEachOfItsMapsWouldLoad) {
    const long rec = 88392;
    auto store_area = [&](int cx, int cy) {
        for (int y = cy - 2; y <= cy + 2; y++)
            for (int x = cx - 2; x <= cx + 2; x++)
                if (in_grid(x, y)) store(x, y);
    };
    auto recell = [&](int x, int y, int32_t other) {
        FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        fseek(f, ZoomMapPos(x, y) * rec, SEEK_SET);
        fwrite(&other, sizeof other, 1, f);
        fclose(f);
    };
    struct Case {
        const char *what;
        int cx, cy;
        std::function<void()> damage;
        int stored;
    } cases[] = {
        {"every map stored", 500, 600, [] {}, 1},
        {"at the corner of the world, the cells off it left out", 1, 0, [] {}, 1},
        {"one map never stored", 500, 600, [] { ZoomMap_Remove(502, 602); }, 0},
        {"a record written for another cell", 500, 600, [&] { recell(499, 598, 7); }, 0},
        {"the maps cut inside the last record", 500, 600,
         [&] { ASSERT_EQ(truncate(path("ZOOMMAPS.DAT").c_str(), size_of("ZOOMMAPS.DAT") - 9), 0); }, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        remove(path("ZOOMMAPS.DAT").c_str());
        remove(path("ZOOMINDEX.DAT").c_str());
        zoomstore_forget_seen();
        store_area(c.cx, c.cy);
        c.damage();
        make_map(77, 88);
        Zoom.x = 77;
        Zoom.y = 88;
        const int quick = zoomarea_stored(c.cx, c.cy);
        EXPECT_TRUE(holds_map(77, 88)) << "the buffer was touched";
        EXPECT_EQ(quick, c.stored);
        int loads = 1;
        for (int y = c.cy - 2; y <= c.cy + 2; y++)
            for (int x = c.cx - 2; x <= c.cx + 2; x++)
                if (in_grid(x, y) && !load_zoommap(x, y)) loads = 0;
        EXPECT_EQ(quick, loads);
    }
}

// A record written while the area's batch holds the maps file leaves its empty pages past the end of
// the file as holes: whatever lay in the file before, it reads back byte for byte as the whole record.
TEST_F(StoreTest, ARecordWithHolesReadsBackAsTheWholeRecord) {
    struct Case {
        const char *what;
        std::function<void()> before;   // what the maps file holds before the record goes in
    } cases[] = {
        {"appended", [] {}},
        {"over bytes past the last named record",
         [this] {
             FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "ab");
             ASSERT_TRUE(f);
             std::vector<uint8_t> junk(88392 + 5000, 0x5a);
             fwrite(junk.data(), 1, junk.size(), f);
             fclose(f);
         }},
        {"over a full record of the same cell",
         [this] {
             make_map(11, 20);
             memset(Zoom.data, 0x33, sizeof Zoom.data);
             ASSERT_EQ(save_zoommap(11, 20, 1), 1);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ZoomMap_Remove(11, 20);
        store(10, 20);
        c.before();
        make_map(11, 20);
        Zoom.data[1200].type = 5;   // one record in the middle of the empty ones
        Zoom.data[1200].id = 77;
        Zoom.x = 11;
        Zoom.y = 20;
        std::vector<uint8_t> want((const uint8_t *)&Zoom, (const uint8_t *)&Zoom + sizeof Zoom);
        zoomstore_batch_begin();
        ASSERT_EQ(save_zoommap(11, 20, 1), 1);
        ASSERT_EQ(zoomstore_batch_end(), 1);
        const int n = ZoomMapPos(11, 20);
        ASSERT_GT(n, 0);
        std::vector<uint8_t> got(sizeof Zoom);
        FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "rb");
        ASSERT_TRUE(f);
        ASSERT_EQ(fseek(f, (long)n * 88392, SEEK_SET), 0);
        EXPECT_EQ(fread(got.data(), 1, got.size(), f), got.size());
        fclose(f);
        EXPECT_TRUE(got == want);
        memset(&Zoom, 0, sizeof Zoom);
        ASSERT_EQ(load_zoommap(11, 20), 1);
        EXPECT_EQ(memcmp(&Zoom, want.data(), sizeof Zoom), 0);
    }
}

// A new map stored on a disk full but for a few pages: refused at the write, never a map that ends the
// game when it is read back (a tmpfs answers the read of a page it found no room for with a signal).
// Outside a save the store writes it itself; inside one the commit lengthens the file, and the disk
// fills before the map is read.
TEST_F(StoreTest, ANewMapOnAFullDiskIsRefusedAtTheWriteNeverMetOnItsRead) {
    for (const bool in_save : {false, true}) {
        SCOPED_TRACE(in_save ? "inside a save" : "outside a save");
        const std::string small = path(in_save ? "small2" : "small");
        ASSERT_EQ(mkdir(small.c_str(), 0755), 0);
        if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=1m") != 0) GTEST_SKIP() << "no tmpfs can be mounted here";
        copy_bounded(CharacterPath, sizeof CharacterPath, small.c_str());
        store(10, 20);
        if (in_save) {
            save_begin();
            make_map(11, 20);
            EXPECT_EQ(save_zoommap(11, 20, 1), 1);
            EXPECT_TRUE(save_commit());
        }
        // Filled, then a few pages given back: room for the pages of a map that hold bytes, not for all.
        const std::string filler = small + "/filler";
        const int fd = open(filler.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const std::vector<char> page(4096, 1);
        off_t filled = 0;
        while (write(fd, page.data(), page.size()) == (ssize_t)page.size()) filled += (off_t)page.size();
        ASSERT_EQ(ftruncate(fd, filled - (in_save ? 0 : 14 * 4096)), 0);
        close(fd);
        const pid_t child = fork();
        if (child == 0) {
            int saved = 1;
            if (!in_save) {
                make_map(11, 20);
                zoomstore_batch_begin();   // as a new area's maps are stored
                saved = save_zoommap(11, 20, 1);
                saved = zoomstore_batch_end() && saved;
            }
            // Stored, it is laid with its area as the zoom onto it lays it; refused, it isn't in the store.
            if (saved != 1) _exit(ZoomMapPos(11, 20) == 0 ? 10 : 3);
            Zoomer(11, 20);
            memset(&Zoom, 0, sizeof Zoom);
            _exit(load_zoommap(11, 20) == 1 && holds_map(11, 20) ? 11 : 2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        umount2(small.c_str(), MNT_DETACH);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), in_save ? 11 : 10) << "10: refused at the write; 11: stored whole; 1: a signal (the sanitizer)";
    }
}

// A walk over an area looks at the two files once; a record found damaged in the middle of it still
// has the store checked and mended at once, and after the walk a change behind the store's back is
// seen again.
TEST_F(StoreTest, AWalkOverTheAreaStillSeesDamageAndLaterChanges) {
    const long rec = 88392;
    ground_area();
    memset(Data, 0, sizeof Data);
    zoomsave();
    ASSERT_EQ(zoomarea_stored(500, 600), 1);
    const int n = ZoomMapPos(499, 600);
    ASSERT_GT(n, 0);
    struct Case {
        const char *what;
        std::function<void()> walk;
        bool damaged_in_walk;   // the walk reads the record that was damaged
    } cases[] = {
        {"loading the area", [] { Zoomer(500, 600); }, true},
        {"looking whether it is stored", [] { EXPECT_EQ(zoomarea_stored(500, 600), 0); }, false},
        {"saving it", [] { zoomsave(); }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        zoomsave();
        // Record n now says it was written for another cell.
        FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        const int32_t other = 77;
        fseek(f, n * rec, SEEK_SET);
        fwrite(&other, sizeof other, 1, f);
        fclose(f);
        c.walk();
        if (c.damaged_in_walk) {
            EXPECT_EQ(ZoomMapPos(499, 600), 0) << "the damaged map is named no longer";
            EXPECT_EQ(ZoomMapPos(501, 600), n + 2) << "the maps after it are still found";
        }
        // After the walk the index is replaced behind the store's back by one that names nothing.
        std::vector<ZoomIndex> none(index().size(), ZoomIndex{0, -1, -1});
        ASSERT_TRUE(write_atomic(path("ZOOMINDEX.DAT").c_str(), none.data(), none.size() * sizeof(ZoomIndex)));
        EXPECT_EQ(ZoomMapPos(500, 600), 0);
        remove(path("ZOOMINDEX.DAT").c_str());
        remove(path("ZOOMMAPS.DAT").c_str());
    }
}

// Storing a loaded area again compares each map with its record as the load read it and journals only
// what changed: the store ends byte for byte as when every record is read back and written whole. A
// record changed behind the store's back after the load (its size and time put back) is still seen.
static long journal_bytes_seen;
static bool note_journal(int step) {
    struct stat st;
    const std::string jnl = std::string(CharacterPath) + "/ZOOMMAPS.DAT.jnl";
    if (step == 0) journal_bytes_seen = stat(jnl.c_str(), &st) == 0 ? (long)st.st_size : 0;
    return true;
}

TEST_F(StoreTest, StoringALoadedAreaAgainGivesTheBytesOfTheLongWay) {
    const long rec = 88392;
    ground_area();
    memset(Data, 0, sizeof Data);
    for (int k = 0; k < 25; k++) {
        maailma[mapidx(200 + 64 * (k % 5 - 2) + 3, 200 + 64 * (k / 5 - 2) + 4)] = (uint8_t)(100 + k);
        Data[k].type = 27;
        Data[k].x = (uint16_t)(200 + 64 * (k % 5 - 2) + k);
        Data[k].y = (uint16_t)(200 + 64 * (k / 5 - 2) + 5);
    }
    zoomsave();
    auto slurp = [&] {
        const std::vector<uint8_t> bytes = oxatest::read_bytes(path("ZOOMMAPS.DAT"));
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string stored = slurp();
    const int behind = ZoomMapPos(501, 601);
    ASSERT_GT(behind, 0);
    struct Case {
        const char *what;
        std::function<void()> change;
        bool behind_back;
        bool small_journal;   // the shortcut journals less than one record
    } cases[] = {
        {"nothing changed", [] {}, false, true},
        {"one square of one map", [] { maailma[mapidx(201, 202)] = 17; }, false, true},
        {"records of several maps", [] { for (int k = 0; k < 25; k += 6) Data[k].id = 4242; }, false, true},
        {"squares across the layers of one map",
         [] {
             for (int i = 0; i < 64; i += 9) {
                 maailma[mapidx(136 + i, 136 + i)] = 9;
                 korkeuskartta[mapidx(136 + i, 136 + 63 - i)] = 3;
             }
         },
         false, true},
        {"a record changed behind the store's back", [] {}, true, false},
        // The records as loaded are let go with the maps file's mapping: the store of another folder read
        // in between takes its place, and the records are read back.
        {"another folder's store read in between",
         [this] {
             const std::string other = path("OTHER");
             mkdir(other.c_str(), 0755);
             for (const char *name : {"ZOOMINDEX.DAT", "ZOOMMAPS.DAT"}) {
                 const std::vector<uint8_t> bytes = oxatest::read_bytes(path(name));
                 ASSERT_TRUE(write_atomic((other + "/" + name).c_str(), bytes.data(), bytes.size()));
             }
             char own[sizeof CharacterPath];
             copy_bounded(own, sizeof own, CharacterPath);
             copy_bounded(CharacterPath, sizeof CharacterPath, other.c_str());
             EXPECT_EQ(load_zoommap(500, 600), 1);
             copy_bounded(CharacterPath, sizeof CharacterPath, own);
         },
         false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string result[2];
        for (int shortcut = 0; shortcut < 2; shortcut++) {
            FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "wb");
            ASSERT_NE(f, nullptr);
            fwrite(stored.data(), 1, stored.size(), f);
            fclose(f);
            // The file as a player's folder holds it: written well before the area is loaded.
            const struct timespec old_times[2] = {{1000000000, 0}, {1000000000, 0}};
            ASSERT_EQ(utimensat(AT_FDCWD, path("ZOOMMAPS.DAT").c_str(), old_times, 0), 0);
            struct stat st;
            struct timespec now;
            ASSERT_EQ(stat(path("ZOOMMAPS.DAT").c_str(), &st), 0);
            do {
                usleep(1000);
                clock_gettime(CLOCK_REALTIME_COARSE, &now);
            } while (now.tv_sec < st.st_ctim.tv_sec ||
                     (now.tv_sec == st.st_ctim.tv_sec && now.tv_nsec <= st.st_ctim.tv_nsec));
            zoomstore_forget_seen();
            memset(Data, 0, sizeof Data);
            Zoomer(500, 600);
            if (c.behind_back) {
                f = fopen(path("ZOOMMAPS.DAT").c_str(), "r+b");
                ASSERT_NE(f, nullptr);
                fseek(f, behind * rec + 8 + 100, SEEK_SET);
                fputc(55, f);
                fclose(f);
                ASSERT_EQ(utimensat(AT_FDCWD, path("ZOOMMAPS.DAT").c_str(), old_times, 0), 0);
            }
            c.change();
            if (!shortcut) zoomstore_forget_seen();
            journal_bytes_seen = -1;
            save_commit_step = note_journal;
            save_begin();
            zoomsave();
            const bool committed = save_commit();
            save_commit_step = nullptr;
            ASSERT_TRUE(committed);
            if (shortcut && c.small_journal) {
                EXPECT_LT(journal_bytes_seen, rec);
            }
            result[shortcut] = slurp();
        }
        EXPECT_TRUE(result[0] == result[1]) << "the store differs from the long way's";
    }
}

// Storing an area sorts the pool's records out to its 25 maps in one walk: each map is stored with the
// records the walk over the pool for that map alone gives it, a crowded map thinned as before.
TEST_F(StoreTest, TheAreaStoredInOneWalkHoldsWhatMapByMapGives) {
    static DataStruct pool[DATA_MAX], pool_after[DATA_MAX];
    static ZoomStruct expect[25];
    ground_area();
    struct Case {
        const char *what;
        int crowded;   // records piled on the map east of the centre
    } cases[] = {{"records all over and around the area", 0}, {"a crowded map", 1950}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Data, 0, sizeof Data);
        randomize(7);
        int n = 0;
        for (; n < 3000; n++) {
            Data[n].type = (uint8_t)(1 + random(40));
            Data[n].id = (uint32_t)(50000 + n);
            Data[n].x = (uint16_t)(60 + random(345));   // some lie off the area
            Data[n].y = (uint16_t)(60 + random(345));
        }
        for (int k = 0; k < c.crowded; k++, n++) {
            Data[n].type = 1;
            Data[n].id = (uint32_t)(70000 + k);
            Data[n].x = (uint16_t)(264 + k % 64);
            Data[n].y = (uint16_t)(200 + k / 64 % 64);
        }
        for (int i = 0; i < 3000; i += 7) Data[i].type = 0;   // holes in the pool
        memcpy(pool, Data, sizeof pool);
        randomize(11);
        for (int k = 0; k < 25; k++) {
            dataextract(k % 5 - 2, k / 5 - 2);
            expect[k] = Zoom;
        }
        memcpy(pool_after, Data, sizeof pool_after);
        memcpy(Data, pool, sizeof Data);
        randomize(11);
        ASSERT_EQ(zoomsave(), 1);
        EXPECT_EQ(memcmp(Data, pool_after, sizeof pool_after), 0) << "the pool is thinned alike";
        for (int k = 0; k < 25; k++) {
            ASSERT_EQ(load_zoommap(500 + k % 5 - 2, 600 + k / 5 - 2), 1);
            EXPECT_EQ(memcmp(Zoom.data, expect[k].data, sizeof Zoom.data), 0) << "map " << k;
            EXPECT_EQ(memcmp(Zoom.chars, expect[k].chars, sizeof Zoom.chars), 0) << "map " << k;
        }
    }
}
