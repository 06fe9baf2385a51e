// Local height maps: the same cell gives the same heights whatever area it is built in, water stays
// low, seeded points survive the subdivision, the amplitude halves, and one whole area is pinned.
#include <cstring>
#include <vector>

#include "maps/korkeus_main.h"
#include "maptest.h"
#include "worldgen/worldgen.h"
#include "core/player.h"

class HeightsTest : public MapsTest {
protected:
    void fill_world(int x0, int y0, int w, int h, int c) {
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++) put_world(x, y, c);
    }
    // A patchwork of forest, hills, mire, lakes, a village and a mountain around (100, 100).
    void patchwork() {
        static const int chars[] = {15, 91, 233, 183, 239, 94, 3, 251, 235, 178, 238, 176, 60};
        for (int y = 90; y < 115; y++)
            for (int x = 90; x < 115; x++) put_world(x, y, chars[(x * 7 + y * 3 + (x / 3) * (y / 4)) % 13]);
    }
    std::vector<uint8_t> cell(int dx, int dy) {
        std::vector<uint8_t> out;
        for (int r = 0; r < 64; r++)
            for (int c = 0; c < 64; c++) out.push_back((uint8_t)rel_korkeus(dx, dy, c, r));
        return out;
    }
};

TEST_F(HeightsTest, OneCellGivesTheSameBytesWhateverAreaAndOrder) {
    patchwork();
    laskekorkeuskartta(100 - 3, 100 - 3);
    const std::vector<uint8_t> centred = cell(0, 0);
    laskekorkeuskartta(0, 0);                      // something else in between
    laskekorkeuskartta(98 - 3, 101 - 3);           // the cell now lies at offset (-1, +2)
    EXPECT_EQ(cell(-1, 2), centred);
    bool varied = false;
    for (uint8_t h : centred) {
        ASSERT_GE(h, 1);
        ASSERT_LE(h, 43);
        varied |= h != centred[0];
    }
    EXPECT_TRUE(varied);
}

TEST_F(HeightsTest, LakeAmongLakesIsBandOneEverywhere) {
    fill_world(80, 80, 40, 40, CH_SHALLOW_WATER);
    laskekorkeuskartta(100 - 3, 100 - 3);
    for (int r = 0; r < 448; r++)
        for (int c = 0; c < 448; c++) ASSERT_EQ(zoomkorkeus[r * ZK_SIDE + c], 1) << r << "," << c;
}

TEST_F(HeightsTest, SeedingAveragesTheNeighboursAndSubdivisionKeepsIt) {
    fill_world(90, 90, 20, 20, 15);
    put_world(100, 100, 94);                       // a mountain with the sea to the north
    put_world(100, 99, CH_SEA);
    alustazoomkorkeus(100, 100);
    EXPECT_EQ(peekkorkeus(0, 32), 125);
    EXPECT_EQ(peekkorkeus(32, 32), 250);
    EXPECT_EQ(peekkorkeus(64, 32), (80 + 250) / 2);
    EXPECT_EQ(peekkorkeus(0, 0), ((80 + 80) / 2 + 125) / 2);

    // A village below a steep rise gets a flat yard; the mountain cell is the last one computed.
    put_world(101, 100, 239);
    put_world(101, 99, 94);
    alustazoomkorkeus(100, 101);
    EXPECT_EQ(peekkorkeus(16, 16), 70);
    EXPECT_EQ(peekkorkeus(48, 32), 70);

    alustazoomkorkeus(100, 100);
    std::vector<std::pair<int, int>> seeded;
    for (int a = 0; a <= 64; a++)
        for (int b = 0; b <= 64; b++)
            if (peekkorkeus(a, b)) seeded.push_back({a * 65 + b, peekkorkeus(a, b)});
    laskekorkeuskartta(100 - 6, 100 - 6);          // the last cell built is (100, 100)
    for (auto &p : seeded) EXPECT_EQ(ykszoomkorkeus[p.first], p.second) << p.first;
    for (int i = 0; i < 65 * 64; i++) {             // every point used is filled
        if (i % 65 == 64) continue;
        ASSERT_NE(ykszoomkorkeus[i], 0) << i;
    }
}

TEST_F(HeightsTest, LowCellsTurnToPlainAveragesBelowEight) {
    fill_world(90, 90, 20, 20, 91);                // hills around a mire: a low centre, slopes around
    put_world(100, 100, 233);
    laskekorkeuskartta(100 - 6, 100 - 6);
    // The points set with half size 2 or 1 (no random step any more) are the mean of their two ends.
    int checked = 0;
    for (int row = 0; row <= 64; row += 4)
        for (int col = 2; col < 64; col += 4) {
            const int seeded_rows = row % 16 == 0;
            if (seeded_rows && col % 16 == 0) continue;
            EXPECT_EQ(peekkorkeus(row, col), (peekkorkeus(row, col - 2) + peekkorkeus(row, col + 2)) >> 1) << row << "," << col;
            checked++;
        }
    EXPECT_GT(checked, 200);
    // A mountain still draws at half size 2: its points there are not all plain averages.
    put_world(100, 100, 94);
    laskekorkeuskartta(100 - 6, 100 - 6);
    int rough = 0;
    for (int row = 0; row <= 64; row += 4)
        for (int col = 2; col < 64; col += 4)
            rough += peekkorkeus(row, col) != (peekkorkeus(row, col - 2) + peekkorkeus(row, col + 2)) >> 1;
    EXPECT_GT(rough, 10);
}

TEST_F(HeightsTest, GoldenArea) {
    patchwork();
    laskekorkeuskartta(100 - 3, 100 - 3);
    uint32_t hash = 2166136261u;                   // FNV-1a over the 448 x 448 bands
    for (int r = 0; r < 448; r++)
        for (int c = 0; c < 448; c++) hash = (hash ^ zoomkorkeus[r * ZK_SIDE + c]) * 16777619u;
    EXPECT_EQ(hash, 3813792022u);
}

// An area whose cells are all kept leaves what making them left: the bands of every square, the last
// cell's corner grid and the generator's state.
TEST_F(HeightsTest, AKeptAreaLeavesWhatMakingItLeft) {
    patchwork();
    laskekorkeuskartta(100 + 16 - 3, 100 + 16 - 3);   // no cell of the area below stays kept
    laskekorkeuskartta(100 - 3, 100 - 3);             // every cell made
    const std::vector<uint8_t> bands(zoomkorkeus, zoomkorkeus + ZK_SIDE * ZK_SIDE);
    const std::vector<uint8_t> grid(ykszoomkorkeus, ykszoomkorkeus + 65 * 65);
    const uint32_t stream = ZZ_rndseed;
    memset(zoomkorkeus, 0, sizeof zoomkorkeus);
    memset(ykszoomkorkeus, 0, sizeof ykszoomkorkeus);
    ZZ_rndseed = 12345;
    laskekorkeuskartta(100 - 3, 100 - 3);             // every cell kept now
    EXPECT_EQ(std::vector<uint8_t>(zoomkorkeus, zoomkorkeus + ZK_SIDE * ZK_SIDE), bands);
    EXPECT_EQ(std::vector<uint8_t>(ykszoomkorkeus, ykszoomkorkeus + 65 * 65), grid);
    EXPECT_EQ(ZZ_rndseed, stream);
}

// Zooming in from the world map builds the local maps with heights: the local area is not flat.
TEST_F(HeightsTest, ZoomingInLaysTheHeightsOfTheArea) {
    patchwork();
    PlayerX = PlayerY = 100;
    Environ = 1;
    surroundings(0);   // the cells round the player; her own is built by the zoom itself
    ASSERT_NE(ZoomMapPos(101, 100), 0);
    load_zoommap(101, 100);
    int lo = 255, hi = 0;
    for (uint8_t h : Zoom.height) {
        lo = h < lo ? h : lo;
        hi = h > hi ? h : hi;
    }
    EXPECT_GE(lo, 1);
    EXPECT_GT(hi, lo);
    EXPECT_EQ(Zoom.height[5 * 64 + 7], rel_korkeus(1, 0, 7, 5));
    // Every square of a cell takes the area's height at its place; a cell outside the area lies flat.
    const int offsets[][2] = {{-3, -3}, {3, 3}, {-3, 3}, {0, 0}, {2, -1}, {4, 0}, {0, -4}};
    for (const auto &o : offsets) {
        memset(Zoom.height, 99, sizeof Zoom.height);
        Aseta_TERRAIN_Korkeus_Relmap(o[0], o[1]);
        int wrong = 0;
        for (int r = 0; r < 64; r++)
            for (int c = 0; c < 64; c++) wrong += Zoom.height[r * 64 + c] != (uint8_t)rel_korkeus(o[0], o[1], c, r);
        EXPECT_EQ(wrong, 0) << o[0] << "," << o[1];
    }
}

// A cell's grid is kept for the areas that share it, but never past a change of the world it was
// made from: a neighbour's height, or its own character where the heights stay the same (a village
// yard is levelled, a fortified village of the same height is not).
TEST_F(HeightsTest, AKeptCellFollowsAChangedWorld) {
    struct Change {
        int x, y, from, to;
    };
    static const Change changes[] = {
        {101, 100, 15, 60},     // the neighbour east becomes a mountain
        {100, 100, 210, 239},   // the cell itself: same base height, a village yard
    };
    for (const Change &c : changes) {
        SCOPED_TRACE(c.to);
        fill_world(90, 90, 25, 25, 15);
        put_world(100, 99, 94);   // a steep rise north, for the yard
        put_world(c.x, c.y, c.from);
        laskekorkeuskartta(100 - 3, 100 - 3);
        const std::vector<uint8_t> before = cell(0, 0);
        put_world(c.x, c.y, c.to);
        laskekorkeuskartta(100 - 3, 100 - 3);
        const std::vector<uint8_t> changed = cell(0, 0);
        const uint32_t stream = ZZ_rndseed;
        EXPECT_NE(changed, before);
        laskekorkeuskartta(100 + 16 - 3, 100 + 16 - 3);   // every kept cell of the first area replaced
        laskekorkeuskartta(100 - 3, 100 - 3);             // made afresh
        EXPECT_EQ(cell(0, 0), changed);
        EXPECT_EQ(ZZ_rndseed, stream);
    }
}
