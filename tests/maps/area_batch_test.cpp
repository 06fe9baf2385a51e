// Building a whole local area at once: the store's index written once for a batch of new cells, a
// stored map that did not change left alone, the wading strips of a whole layer in one pass, and the
// kill and abundance markers of many species read in one pass, each the same as the slow way.
#include <sys/stat.h>

#include <vector>

#include "base/savecommit.h"
#include "maps/marker.h"
#include "maptest.h"

namespace {

class AreaBatchTest : public MapsTest {
protected:
    std::vector<ZoomIndex> index() {
        std::vector<ZoomIndex> v;
        FILE *f = fopen(path("ZOOMINDEX.DAT").c_str(), "rb");
        ZoomIndex e;
        while (f && fread(&e, sizeof e, 1, f) == 1) v.push_back(e);
        if (f) fclose(f);
        return v;
    }
    void make_map(int x, int y) {
        ZoomMap_Clear();
        Zoom.chars[0] = (uint8_t)(x & 0xff);
        Zoom.chars[4095] = (uint8_t)(y & 0xff);
        Zoom.memory[7] = 'm';
    }
};

}  // namespace

TEST_F(AreaBatchTest, ABatchNamesItsCellsOnceAtTheEndAndFindsThemMeanwhile) {
    make_map(1, 1);
    ASSERT_EQ(save_zoommap(1, 1, 1), 1);
    ASSERT_EQ(index().size(), 2u);

    zoomstore_batch_begin();
    zoomstore_batch_begin();   // batches nest: only the outer end writes
    for (int k = 0; k < 5; k++) {
        make_map(10 + k, 20);
        ASSERT_EQ(save_zoommap(10 + k, 20, 1), 1);
        EXPECT_EQ(ZoomMapPos(10 + k, 20), 2 + k);   // found before the index names it
    }
    EXPECT_EQ(index().size(), 2u);
    EXPECT_EQ(zoomstore_batch_end(), 1);
    EXPECT_EQ(index().size(), 2u);
    EXPECT_EQ(zoomstore_batch_end(), 1);
    const std::vector<ZoomIndex> after = index();
    ASSERT_EQ(after.size(), 7u);
    for (int k = 0; k < 5; k++) {
        EXPECT_EQ(after[2 + k].x, 10 + k);
        ASSERT_EQ(load_zoommap(10 + k, 20), 1);
        EXPECT_EQ(Zoom.chars[0], 10 + k);
    }
}

TEST_F(AreaBatchTest, ABatchWhoseIndexWasReadAgainReportsItsCellsLost) {
    make_map(1, 1);
    ASSERT_EQ(save_zoommap(1, 1, 1), 1);
    zoomstore_batch_begin();
    make_map(2, 2);
    ASSERT_EQ(save_zoommap(2, 2, 1), 1);
    // Another hand changes the index on disk while the batch waits: its cell is not named silently.
    const std::vector<ZoomIndex> on_disk = index();
    ASSERT_TRUE(write_atomic(path("ZOOMINDEX.DAT").c_str(), on_disk.data(), on_disk.size() * sizeof(ZoomIndex) - 1));
    ASSERT_TRUE(write_atomic(path("ZOOMINDEX.DAT").c_str(), on_disk.data(), on_disk.size() * sizeof(ZoomIndex)));
    EXPECT_EQ(ZoomMapPos(2, 2), 0);
    EXPECT_EQ(zoomstore_batch_end(), 0);
    EXPECT_EQ(ZoomMapPos(1, 1), 1);
}

TEST_F(AreaBatchTest, AStoredMapThatDidNotChangeIsNotWrittenAgain) {
    make_map(5, 6);
    ASSERT_EQ(save_zoommap(5, 6, 1), 1);
    // Inside a save: the same map again stages nothing; a changed one joins the journal.
    save_begin();
    make_map(5, 6);
    ASSERT_EQ(save_zoommap(5, 6, 1), 1);
    char store[1200];
    snprintf(store, sizeof store, "%s", path("ZOOMMAPS.DAT").c_str());
    EXPECT_EQ(save_staged_as(store), -1);
    Zoom.memory[8] = 'n';
    ASSERT_EQ(save_zoommap(5, 6, 1), 1);
    EXPECT_EQ(save_staged_as(store), 1);
    // Put back as the file holds it: the journal already holds the change, so this is written too.
    Zoom.memory[8] = ' ';
    ASSERT_EQ(save_zoommap(5, 6, 1), 1);
    ASSERT_TRUE(save_commit());
    ASSERT_EQ(load_zoommap(5, 6), 1);
    EXPECT_EQ(Zoom.memory[8], ' ');
    EXPECT_EQ(Zoom.memory[7], 'm');
}

TEST_F(AreaBatchTest, WadingStripsOverTheWholeLayerAsSquareBySquare) {
    local_area();
    // Every value at every alignment, and the layer's very last squares.
    for (size_t i = 0; i < 256 * 9; i++) maailma[1000 + i * 3] = (uint8_t)(i % 256);
    maailma[MAP_BYTES - 1] = 182;
    maailma[MAP_BYTES - 2] = 183;
    maailma[MAP_BYTES - 3] = 181;
    maailma[0] = 183;
    std::vector<uint8_t> want(maailma, maailma + MAP_BYTES);
    for (uint8_t &c : want)
        if (c == 182 || c == 183) c = 247;
    wadestrip();
    EXPECT_TRUE(memcmp(want.data(), maailma, MAP_BYTES) == 0);
}

TEST_F(AreaBatchTest, MarkersOfManySpeciesReadInOnePassAsOneByOne) {
    memset(ExtraMarker, 0, sizeof ExtraMarker);
    srand(5);
    for (int i = 0; i < 400; i++) {
        ExtraMarkerStruct &e = ExtraMarker[rand() % EXTRAMARKER_COUNT];
        e.kind = 1 + rand() % 3;   // 3 is no kind the readings know
        e.x = 1000 + rand() % 60;
        e.y = 1000 + rand() % 60;
        e.radius = rand() % 30;
        e.species = 600 + rand() % 12;
        e.strength = 1 + rand() % 9;
    }
    int species[12], kill[12], plenty[12];
    for (int j = 0; j < 12; j++) species[j] = 600 + j;
    for (int y = 995; y < 1065; y += 7)
        for (int x = 995; x < 1065; x += 5) {
            LueExtraMarkerit(x, y, species, 12, kill, plenty);
            for (int j = 0; j < 12; j++) {
                ASSERT_EQ(kill[j], LueExtraMarker_TAPPO(x, y, species[j])) << x << "," << y;
                ASSERT_EQ(plenty[j], LueExtraMarker_RUNSAUS(x, y, species[j])) << x << "," << y;
            }
        }
}
