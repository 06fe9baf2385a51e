// The player's own map markers in "MVMARKER.DAT" and their mirrors in the world data pool: replacing in
// place, erasing, the first of two records at a cell, a cut file, a full pool, a failed write and a file
// too large to be one.
#include "core/loader_fixture.h"
#include "base/savecommit.h"
#include "maps/mvmarker.h"

namespace {

class MvMarkerFile : public oxatest::LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        ASSERT_EQ(loader(), 0);
        LOADER_RUN = 0;   // as the outer loop leaves it after loading
    }
    void TearDown() override {
        save_commit_step = nullptr;
        LoaderTest::TearDown();
    }
    static mvMarkerStruct marker(int x, int y, int colour, const char *text) {
        mvMarkerStruct m;
        memset(&m, 0, sizeof m);
        m.x = x;
        m.y = y;
        m.color = (uint8_t)colour;
        mvMarker_SetText(m.text1, text);
        return m;
    }
    // The type-13 records of the pool at a cell, with the colour of the last.
    static int mirrors(int x, int y, int *colour = nullptr) {
        ConfirmIsoData();
        int n = 0;
        for (const DataStruct &d : IsoData)
            if (d.type == MVMARKER_TYPE && d.x == x && d.y == y) {
                n++;
                if (colour) *colour = (int)d.id;
            }
        return n;
    }
    std::vector<uint8_t> file() const { return read("MVMARKER.DAT"); }
    mvMarkerStruct record(int i) const {
        mvMarkerStruct m;
        const std::vector<uint8_t> b = file();
        memcpy(&m, b.data() + i * sizeof m, sizeof m);
        return m;
    }
};

TEST_F(MvMarkerFile, ReplaceEraseAndTwoRecordsAtOneCell) {
    const int size = (int)sizeof(mvMarkerStruct);
    // A marker where one stands replaces it in place: the file does not grow, one mirror takes the colour.
    ASSERT_EQ(mvMarker_fwrite(marker(100, 200, 1, "berries"), 0), 1);
    ASSERT_EQ(mvMarker_fwrite(marker(100, 200, 3, "cloudberries"), 0), 1);
    EXPECT_EQ((int)file().size(), size);
    EXPECT_STREQ(CustomMarkerDesc(100, 200), "cloudberries");
    int colour = 0;
    EXPECT_EQ(mirrors(100, 200, &colour), 1);
    EXPECT_EQ(colour, 3);

    // Delete on a marker never written leaves the file as it was.
    const std::vector<uint8_t> before = file();
    ASSERT_EQ(mvMarker_fwrite(marker(300, 300, 1, "x"), 1), 1);
    EXPECT_EQ(file(), before);

    // New markers go after the others; an erased record is zeroed, stays, and frees its mirror.
    ASSERT_EQ(mvMarker_fwrite(marker(300, 300, 2, "lake"), 0), 1);
    ASSERT_EQ(mvMarker_fwrite(marker(100, 200, 3, ""), 1), 1);
    EXPECT_EQ((int)file().size(), 2 * size);
    const std::vector<uint8_t> b = file();
    EXPECT_TRUE(std::all_of(b.begin(), b.begin() + size, [](uint8_t c) { return c == 0; }));
    mvMarkerStruct got;
    EXPECT_EQ(GotCustomMarker(100, 200, got), 0);
    EXPECT_STREQ(CustomMarkerDesc(100, 200), "");
    EXPECT_EQ(mirrors(100, 200), 0);
    EXPECT_EQ(mvMarkers_ReadAll().size(), 1u);

    // Of two records at one cell the first is read and written.
    std::vector<uint8_t> two(2 * size, 0);
    mvMarkerStruct a = marker(5, 6, 1, "first"), c = marker(5, 6, 2, "second");
    memcpy(two.data(), &a, size);
    memcpy(two.data() + size, &c, size);
    write("MVMARKER.DAT", two.data(), two.size());
    ASSERT_EQ(GotCustomMarker(5, 6, got), 1);
    EXPECT_STREQ(got.text1, "first");
    ASSERT_EQ(mvMarker_fwrite(marker(5, 6, 4, "third"), 0), 1);
    EXPECT_STREQ(record(0).text1, "third");
    EXPECT_STREQ(record(1).text1, "second");
}

TEST_F(MvMarkerFile, CutFileFullPoolAndFailedWrite) {
    const int size = (int)sizeof(mvMarkerStruct);
    // A cut file is read to its whole records; a new marker goes on the record boundary over the cut one.
    std::vector<uint8_t> cut(size + 700, 0x41);
    mvMarkerStruct a = marker(7, 8, 1, "whole");
    memcpy(cut.data(), &a, size);
    write("MVMARKER.DAT", cut.data(), cut.size());
    EXPECT_EQ(mvMarkers_ReadAll().size(), 1u);
    ASSERT_EQ(mvMarker_fwrite(marker(9, 9, 5, "new"), 0), 1);
    EXPECT_EQ((int)file().size(), 2 * size);
    EXPECT_STREQ(record(1).text1, "new");
    // Texts are cut to their fields whatever a record holds.
    mvMarkerStruct full = marker(11, 12, 1, "");
    memset(full.text1, 'z', sizeof full.text1);
    std::vector<uint8_t> raw(size);
    memcpy(raw.data(), &full, size);
    write("MVMARKER.DAT", raw.data(), raw.size());
    EXPECT_EQ(strlen(CustomMarkerDesc(11, 12)), 99u);

    // With no never-used record left the mirror takes a freed one; with none free the marker is kept alone.
    ConfirmIsoData();
    for (DataStruct &d : IsoData)
        if (d.type == 0) d.type = DT_TRAP;
    IsoData[DATA_MAX - 3].type = '!';
    SaveIsoData();
    ASSERT_EQ(mvMarker_fwrite(marker(20, 21, 2, "freed"), 0), 1);
    ConfirmIsoData();
    EXPECT_EQ(IsoData[DATA_MAX - 3].type, MVMARKER_TYPE);
    EXPECT_EQ(IsoData[DATA_MAX - 3].x, 20);
    ASSERT_EQ(mvMarker_fwrite(marker(22, 23, 2, "alone"), 0), 1);
    EXPECT_EQ(mirrors(22, 23), 0);
    EXPECT_STREQ(CustomMarkerDesc(22, 23), "alone");

    // A write that cannot be committed leaves the file and the pool as they were.
    const std::vector<uint8_t> before = file();
    ConfirmIsoData();
    static DataStruct pool[DATA_MAX];
    memcpy(pool, IsoData, sizeof pool);
    save_commit_step = [](int) { return false; };
    EXPECT_EQ(mvMarker_fwrite(marker(20, 21, 1, "lost"), 1), 0);
    save_commit_step = nullptr;
    EXPECT_EQ(file(), before);
    ConfirmIsoData();
    EXPECT_EQ(memcmp(pool, IsoData, sizeof pool), 0);

    // A file too large to be a marker file is read as none and never written over.
    std::vector<uint8_t> huge((16u << 20) + 1, 0);
    write("MVMARKER.DAT", huge.data(), huge.size());
    EXPECT_TRUE(mvMarkers_ReadAll().empty());
    EXPECT_EQ(mvMarker_fwrite(marker(30, 31, 1, "over"), 0), 0);
    EXPECT_EQ(file().size(), huge.size());
}

}  // namespace
