// Compacting the store of local maps: kept maps come through unchanged, dropped ones go with their
// map-info records, and a store that could not be rewritten whole stays as it was, byte for byte.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/loader_fixture.h"
#include "core/mapupkeep.h"
#include "core/savecommit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "presentation/notes.h"

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
    std::vector<uint8_t> bytes(const char *name) const {
        std::vector<uint8_t> b;
        FILE *f = fopen(path(name).c_str(), "rb");
        if (!f) return b;
        int c;
        while ((c = fgetc(f)) != EOF) b.push_back((uint8_t)c);
        fclose(f);
        return b;
    }
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
    static std::vector<uint8_t> markers() {
        std::vector<uint8_t> b(sizeof ZoomExtra);
        memcpy(b.data(), ZoomExtra, sizeof ZoomExtra);
        return b;
    }
};

TEST_F(CompactionTest, KeptMapsComeThroughUnchangedAndASecondRunDropsNothing) {
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

    // An index naming more maps than the file holds is refused the same way.
    rmdir(path("ZOOMMAPS.DAT.new").c_str());
    std::vector<uint8_t> cut = maps;
    cut.resize(cut.size() - 100);
    FILE *f = fopen(path("ZOOMMAPS.DAT").c_str(), "wb");
    fwrite(cut.data(), 1, cut.size(), f);
    fclose(f);
    press_seven();
    EXPECT_FALSE(done_shown());
    EXPECT_EQ(bytes("ZOOMINDEX.DAT"), idx);
    EXPECT_EQ(bytes("ZOOMMAPS.DAT"), cut);
    EXPECT_EQ(markers(), marks);
}

static int refuse_rename(const char *, const char *) {
    errno = EIO;
    return -1;
}
static int refuse_maps_rename(const char *from, const char *to) {
    if (strstr(to, "ZOOMMAPS.DAT")) return refuse_rename(from, to);
    return rename(from, to);
}

TEST_F(CompactionTest, ARenameThatFailsLeavesTheStoreAndTheNextLoadFinishesIt) {
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

    // Cut short between the two renames: the next load puts the other file in place.
    save_rename = refuse_maps_rename;
    press_seven();
    EXPECT_FALSE(done_shown());
    save_rename = rename;
    ASSERT_TRUE(finish_interrupted_save());
    const std::vector<ZoomIndex> after = index();
    EXPECT_EQ(after.size() + 1, idx.size() / sizeof(ZoomIndex));
    EXPECT_EQ(bytes("ZOOMMAPS.DAT").size(), after.size() * sizeof(ZoomStruct));
    EXPECT_EQ(ZoomMapPos(3001, 2000), 0);
    ASSERT_EQ(load_zoommap(2990, 2000), 1);
}

}  // namespace
