// Map-info records and area markers: the files whole and short, the version rule, a full table,
// reinforcing kill markers, the radius, the daily expiry, and saves that compare only what changed.
#include "maps/marker.h"

#include <sys/stat.h>

#include <functional>
#include <vector>

#include "base/savecommit.h"
#include "maptest.h"

class MarkerTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        memset(ExtraMarker, 0, sizeof ExtraMarker);
        Plr.save_version = SAVE_VERSION;
        Plr.daynumber = 100;
        PlayerX = 1000;
        PlayerY = 1000;
    }
    long size_of(const char *name) {
        FILE *f = fopen(path(name).c_str(), "rb");
        if (!f) return -1;
        fseek(f, 0, SEEK_END);
        const long n = ftell(f);
        fclose(f);
        return n;
    }
};

TEST_F(MarkerTest, FilesAreWholeTablesAndAShortOneReadsItsWholeRecords) {
    Mapinfo_setsocID(500, 600, 77);
    ZoomExtra[ZOOMEXTRA_COUNT - 1].x = 9;
    ZoomExtra[ZOOMEXTRA_COUNT - 1].y = 9;
    LisaaExtraMarker_TAPPO(520);
    ASSERT_EQ(SaveMarkerFile(), 1);
    ASSERT_EQ(SaveExtraMarkerFile(), 1);
    EXPECT_EQ(size_of("MARKER.DAT"), 1560000);
    EXPECT_EQ(size_of("EXTRAMARKER.DAT"), 1440000);

    memset(ZoomExtra, 0, sizeof ZoomExtra);
    memset(ExtraMarker, 0, sizeof ExtraMarker);
    EXPECT_EQ(LoadMarkerFiles(), 1);
    EXPECT_EQ(Mapinfo_socID(500, 600), 77u);
    EXPECT_EQ(LueExtraMarker_TAPPO(1000, 1000, 520), 1);

    // Cut inside the last record: every whole record stays, the cut one is cleared.
    ASSERT_EQ(truncate(path("MARKER.DAT").c_str(), 1560000 - 100), 0);
    EXPECT_EQ(LoadMarkerFiles(), 0);
    EXPECT_EQ(Mapinfo_socID(500, 600), 77u);
    EXPECT_EQ(ZoomExtra[ZOOMEXTRA_COUNT - 1].x, 0);

    // Missing files leave the tables clear; a load writes nothing (the next save writes them).
    remove(path("MARKER.DAT").c_str());
    remove(path("EXTRAMARKER.DAT").c_str());
    EXPECT_EQ(LoadMarkerFiles(), 1);
    EXPECT_EQ(size_of("MARKER.DAT"), -1);
    EXPECT_EQ(size_of("EXTRAMARKER.DAT"), -1);
    EXPECT_EQ(numused_ZoomExtra(), 0);
}

TEST_F(MarkerTest, SavesOlderThan312StartWithAnEmptyTable) {
    Mapinfo_setsocID(500, 600, 77);
    ASSERT_EQ(SaveMarkerFile(), 1);
    Plr.save_version = 312;
    LoadMarkerFiles();
    EXPECT_EQ(Mapinfo_socID(500, 600), 77u);
    Plr.save_version = 311;
    LoadMarkerFiles();
    EXPECT_EQ(Mapinfo_socID(500, 600), 0u);
    EXPECT_EQ(numused_ZoomExtra(), 0);
    EXPECT_EQ(size_of("MARKER.DAT"), 1560000) << "the file is kept until the next save";
}

TEST_F(MarkerTest, AccessorsDefaultAndClaimRecords) {
    EXPECT_EQ(zoommap_lastday(10, 10), 100);       // never visited: today
    EXPECT_EQ(Mapinfo_bigloc_LastDay(10, 10), 0);
    Mapinfo_setSowYear(10, 10, 3);
    Mapinfo_setHarvestYear(10, 10, 4);
    Mapinfo_setLastPopDay(10, 10, 90);
    Mapinfo_setbfsocmaint(10, 10, 2);
    EXPECT_EQ(numused_ZoomExtra(), 1);
    EXPECT_EQ(Mapinfo_SowYear(10, 10), 3);
    EXPECT_EQ(Mapinfo_HarvestYear(10, 10), 4);
    EXPECT_EQ(Mapinfo_LastPopDay(10, 10), 90u);
    EXPECT_EQ(Mapinfo_getbfsocmaint(10, 10), 2);
    ZoomExtra[zoomextra_kohta(10, 10)].lastday = 42;
    EXPECT_EQ(zoommap_lastday(10, 10), 42);
    // On a local area a square reads the cell under it.
    local_area();
    Plr.world_x = 12;
    Plr.world_y = 10;
    EXPECT_EQ(Mapinfo_LastDay(AREA_CENTRE - 128 + 5, AREA_CENTRE + 5), 42);
    remove_ZoomExtra(10, 10);
    EXPECT_EQ(numused_ZoomExtra(), 0);
}

TEST_F(MarkerTest, FullTableAnswersNoneAndWritesNothing) {
    for (int i = 0; i < ZOOMEXTRA_COUNT; i++) {
        ZoomExtra[i].x = (uint16_t)(1 + i % 3000);
        ZoomExtra[i].y = (uint16_t)(1 + i / 3000);
    }
    ZoomExtra[0].socid = 5;
    EXPECT_EQ(zoomextra_kohta(2000, 2000), -1);
    EXPECT_EQ(Mapinfo_socID(2000, 2000), 0u);
    EXPECT_EQ(zoommap_lastday(2000, 2000), 100);
    Mapinfo_setsocID(2000, 2000, 9);
    Mapinfo_setSowYear(2000, 2000, 9);
    EXPECT_EQ(ZoomExtra[0].x, 1);
    EXPECT_EQ(ZoomExtra[0].socid, 5u);
    EXPECT_EQ(ZoomExtra[0].sowyear, 0);
    zoomextra_ref(2000, 2000).lastday = 7;         // the map store's writes go nowhere
    EXPECT_EQ(ZoomExtra[0].lastday, 0);
    EXPECT_EQ(Mapinfo_socID(1, 1), 5u);            // known cells still answer
}

TEST_F(MarkerTest, KillsReinforceNearbyMarkersAndFarOnesStandAlone) {
    LisaaExtraMarker_TAPPO(520);
    Plr.daynumber = 110;
    PlayerX = 1050;                                // 50 cells away: the same marker grows
    LisaaExtraMarker_TAPPO(520);
    EXPECT_EQ(ExtraMarkers_in_use(), 1);
    EXPECT_EQ(ExtraMarker[0].strength, 2u);
    EXPECT_EQ(ExtraMarker[0].dayset, 110u);        // the later day set and expiry, not sums
    EXPECT_EQ(ExtraMarker[0].expires, 140u);
    EXPECT_EQ(ExtraMarker[0].x, 1000u);
    LisaaExtraMarker_TAPPO(600);                   // another species: its own marker
    EXPECT_EQ(ExtraMarkers_in_use(), 2);
    PlayerX = 1100;                                // 100 cells from the first: a new one
    LisaaExtraMarker_TAPPO(520);
    EXPECT_EQ(ExtraMarkers_in_use(), 3);
    LisaaExtraMarker_RUNSAUS(520);
    EXPECT_EQ(ExtraMarker[3].kind, (uint32_t)MARKER_ABUNDANCE);
    EXPECT_EQ(ExtraMarker[3].expires, 120u);

    EXPECT_EQ(LueExtraMarker_TAPPO(1000, 1099, 520), 2);    // distance 99
    EXPECT_EQ(Get_ExtraMarker(900, 1000, MARKER_KILL, 520).kind, 0u);  // exactly 100 from the first
    EXPECT_EQ(LueExtraMarker_TAPPO(850, 1000, 520), 0);
    EXPECT_EQ(LueExtraMarker_RUNSAUS(1100, 1000, 520), 1);
}

TEST_F(MarkerTest, FullMarkerTableReplacesTheOldestAndExpiryClearsMarkers) {
    for (int i = 0; i < EXTRAMARKER_COUNT; i++) {
        ExtraMarker[i] = ExtraMarkerStruct{};
        ExtraMarker[i].kind = MARKER_KILL;
        ExtraMarker[i].species = 1;
        ExtraMarker[i].x = (uint32_t)(i % 3000);
        ExtraMarker[i].y = 0;
        ExtraMarker[i].radius = 1;
        ExtraMarker[i].dayset = i == 4321 ? 5 : 50;
        ExtraMarker[i].expires = i == 4321 ? 99 : 100;
    }
    LisaaExtraMarker_TAPPO(520);
    EXPECT_EQ(ExtraMarker[4321].species, 520u);
    ExtraMarker[17].expires = 99;
    Plr.daynumber = 100;
    ExtraMarkerMaintenance();
    EXPECT_EQ(ExtraMarker[17].kind, 0u);            // expired yesterday
    EXPECT_EQ(ExtraMarker[18].kind, (uint32_t)MARKER_KILL);   // expires today: stays
    Plr.daynumber = 131;
    ExtraMarkerMaintenance();
    EXPECT_EQ(ExtraMarkers_in_use(), 0);
}

// Held, the table answers through its index exactly what the walk answers: a cell's first record, the
// first free record, a free record its caller then claims, removals, cells that can't be in the table,
// and a table full to the last record.
TEST_F(MarkerTest, HeldLookupsAnswerWhatTheWalkAnswers) {
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    for (int i = 0; i < 40; i++) {   // a table with holes and a cell held twice
        if (i % 7 == 3) continue;
        ZoomExtra[i].x = (uint16_t)(100 + i % 30);
        ZoomExtra[i].y = 50;
    }
    ZoomExtra[60].x = 0xFFFF;   // a cell of x -1
    ZoomExtra[60].y = 9;
    std::vector<int> walk, held;
    uint32_t seed = 7;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return (int)((seed >> 8) % (uint32_t)n);
    };
    ZoomExtraStruct saved[ZOOMEXTRA_COUNT];
    for (int pass = 0; pass < 2; pass++) {
        std::vector<int> &out = pass == 0 ? walk : held;
        memcpy(saved, ZoomExtra, sizeof saved);
        seed = 7;
        if (pass == 1) zoomextra_hold(1);
        for (int step = 0; step < 400; step++) {
            const int x = next(4) == 0 ? 0 : 95 + next(45), y = next(5) == 0 ? 51 : 50;
            switch (next(5)) {
            case 0: {   // claimed by the caller through the reference, as the map store does
                ZoomExtraStruct &z = zoomextra_ref(x, y);
                z.x = (uint16_t)x;
                z.y = (uint16_t)y;
                out.push_back((int)(&z - ZoomExtra));
                break;
            }
            case 1:
                remove_ZoomExtra(x, y);
                out.push_back(numused_ZoomExtra());
                break;
            case 2:
                Mapinfo_setsocID(x, y, (unsigned)step);
                out.push_back((int)Mapinfo_socID(x, y));
                break;
            default:
                out.push_back(zoomextra_kohta(x, y));
            }
        }
        for (int x : {-1, 40000, 70000, 0}) out.push_back(zoomextra_kohta(x, 9));
        if (pass == 1) zoomextra_hold(0);
        if (pass == 0) memcpy(ZoomExtra, saved, sizeof saved);
    }
    EXPECT_EQ(walk, held);

    // Full to the last record: none for a new cell, held or not; a freed one is handed out again.
    for (int i = 0; i < ZOOMEXTRA_COUNT; i++) {
        ZoomExtra[i].x = (uint16_t)(1 + i % 3000);
        ZoomExtra[i].y = (uint16_t)(1 + i / 3000);
    }
    zoomextra_hold(1);
    EXPECT_EQ(zoomextra_kohta(2500, 2500), -1);
    EXPECT_EQ(zoomextra_kohta(5, 2), 3004);
    remove_ZoomExtra(5, 2);
    EXPECT_EQ(zoomextra_kohta(2500, 2500), 3004);
    zoomextra_hold(0);
    EXPECT_EQ(zoomextra_kohta(2500, 2500), 3004);
}

// A save compares only the records changed since the file was known to hold the table: whatever way
// the tables or the files changed in between, the next save leaves each file holding its table.
TEST_F(MarkerTest, EverySaveLeavesTheFilesHoldingTheTables) {
    auto save_both = [] { return SaveMarkerFile() == 1 && SaveExtraMarkerFile() == 1; };
    auto here = [](const char *name) { return std::string(CharacterPath) + "/" + name; };
    auto other_file = [&](const char *name, size_t size) {   // written whole beside the game, as another program would
        std::vector<unsigned char> bytes(size, 0);
        bytes[size / 2] = 1;
        const std::string tmp = here(name) + ".other";
        FILE *f = fopen(tmp.c_str(), "wb");
        ASSERT_TRUE(f && fwrite(bytes.data(), 1, size, f) == size);
        fclose(f);
        ASSERT_EQ(rename(tmp.c_str(), here(name).c_str()), 0);
    };
    auto slurp = [&](const char *name, std::vector<unsigned char> &bytes) {
        bytes.clear();
        FILE *f = fopen(here(name).c_str(), "rb");
        if (!f) return false;
        unsigned char chunk[65536];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
        fclose(f);
        return true;
    };
    const std::string home = CharacterPath, other_dir = home + "/OTHER";
    ASSERT_EQ(mkdir(other_dir.c_str(), 0755), 0);
    struct Case {
        const char *what;
        std::function<void()> between;
    };
    const Case cases[] = {
        {"setters and a new marker after a plain save",
         [] {
             Mapinfo_setSowYear(500, 600, 3);
             LisaaExtraMarker_TAPPO(530);
         }},
        {"a change whose save was thrown away",
         [&] {
             save_begin();
             Mapinfo_setsocID(500, 600, 78);
             LisaaExtraMarker_TAPPO(520);
             ASSERT_TRUE(save_both());
             save_discard();
         }},
        {"a change whose save failed",
         [&] {
             save_begin();
             Mapinfo_setsocID(500, 600, 79);
             ASSERT_TRUE(save_both());
             save_fail("the test");
             ASSERT_FALSE(save_commit());
         }},
        {"a change after the tables joined a save that then stood",
         [&] {
             save_begin();
             ASSERT_TRUE(save_both());
             Mapinfo_setsocID(500, 600, 80);
             LisaaExtraMarker_RUNSAUS(510);
             ASSERT_TRUE(save_commit());
         }},
        {"records put back after a refused entry",
         [&] {
             zoomextra_keep(1);
             Mapinfo_setsocID(500, 600, 81);
             Mapinfo_setsocID(501, 600, 82);
             ASSERT_TRUE(save_both());
             zoomextra_put_back();
             zoomextra_keep(0);
         }},
        {"a record removed and markers expired after a load",
         [&] {
             ASSERT_EQ(LoadMarkerFiles(), 1);
             remove_ZoomExtra(500, 600);
             Plr.daynumber += 100;
             ExtraMarkerMaintenance();
         }},
        {"files replaced by someone else", [&] {
             other_file("MARKER.DAT", sizeof ZoomExtra);
             other_file("EXTRAMARKER.DAT", sizeof ExtraMarker);
         }},
        {"another character folder holding other files", [&] {
             copy_bounded(CharacterPath, sizeof CharacterPath, other_dir.c_str());
             other_file("MARKER.DAT", sizeof ZoomExtra);
             other_file("EXTRAMARKER.DAT", sizeof ExtraMarker);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        copy_bounded(CharacterPath, sizeof CharacterPath, home.c_str());
        Plr.daynumber = 100;
        memset(ZoomExtra, 0, sizeof ZoomExtra);
        memset(ExtraMarker, 0, sizeof ExtraMarker);
        marker_tables_changed();
        Mapinfo_setsocID(500, 600, 77);
        LisaaExtraMarker_TAPPO(520);
        ASSERT_TRUE(save_both());
        c.between();
        for (int again = 0; again < 2; again++) {   // and once more with nothing changed
            save_begin();
            ASSERT_TRUE(save_both());
            ASSERT_TRUE(save_commit());
            std::vector<unsigned char> zoom, extra;
            ASSERT_TRUE(slurp("MARKER.DAT", zoom));
            ASSERT_TRUE(slurp("EXTRAMARKER.DAT", extra));
            ASSERT_EQ(zoom.size(), sizeof ZoomExtra);
            ASSERT_EQ(extra.size(), sizeof ExtraMarker);
            EXPECT_EQ(memcmp(zoom.data(), ZoomExtra, sizeof ZoomExtra), 0);
            EXPECT_EQ(memcmp(extra.data(), ExtraMarker, sizeof ExtraMarker), 0);
        }
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, home.c_str());
}
