// tests/worldgen/builders_test.cpp -- the stamp grid and the settlement builders on a plain local map:
// what a test-and-stamp refuses, stamps by the map's edge, a house that finds no place, and pens.
#include "worldgen/localgen_fixture.h"

#include <cstdlib>
#include <vector>

#include "core/records.h"
#include "maps/zoomstore.h"
#include "worldgen/builders.h"

namespace {

class SettlementBuilders : public LocalGenTest {
protected:
    void SetUp() override {
        LocalGenTest::SetUp();
        plain(10);
        Talojen_Maara = Aitausten_Maara = MiesLkm = NaisLkm = ErakonTalo = 0;
        Kyla_Kulttuuri = 0;
    }
    void TearDown() override {
        clear_area();
        Talojen_Maara = Aitausten_Maara = MiesLkm = NaisLkm = ErakonTalo = Kyla_Kulttuuri = 0;
        LocalGenTest::TearDown();
    }
    static void plain(int h) {
        ZoomMap_Clear();
        memset(Zoom.chars, 250, sizeof Zoom.chars);
        flat(h);
    }
    static void cell(int row, int col, uint8_t c) { area[row * AREA_SIDE + col] = c; }
    static std::vector<uint8_t> chars() { return std::vector<uint8_t>(Zoom.chars, Zoom.chars + ZOOM_SQUARES); }
    static int creatures(int species) {
        int n = 0;
        for (const DataStruct &d : Zoom.data) n += d.type == DT_CREATURE && (species == 0 || (int)d.id == species);
        return n;
    }
};

TEST_F(SettlementBuilders, TestAndStampRefusesBadGroundAndChangesNothing) {
    // A 3 x 3 stamp at 20, 20; one map square altered before pressing.
    const struct {
        const char *what;
        int x, y, ch, h;
        int refused;
    } cases[] = {
        {"plain ground", 21, 21, 250, 10, 0},
        {"a rock under a cell", 22, 21, 39, 10, 1},
        {"higher under a later cell", 22, 22, 250, 11, 1},
        {"higher under the first cell", 20, 20, 250, 11, 1},
        {"low under an empty cell of the block", 34, 34, 250, 6, 1},
        {"height 7 under an empty cell", 34, 34, 250, 7, 0},
        {"higher under an empty cell", 30, 25, 250, 12, 0},
        {"a rock under an empty cell", 30, 25, 39, 10, 0},
    };
    for (const auto &c : cases) {
        plain(10);
        Zoom.chars[c.y * 64 + c.x] = (uint8_t)c.ch;
        Zoom.height[c.y * 64 + c.x] = (uint8_t)c.h;
        clear_area();
        for (int r = 0; r < 3; r++)
            for (int k = 0; k < 3; k++) cell(r, k, 95);
        const std::vector<uint8_t> before = chars();
        EXPECT_EQ(aseta_alue(20, 20, 2), c.refused) << c.what;
        if (c.refused) EXPECT_EQ(chars(), before) << c.what;
        else EXPECT_EQ(ch(22, 22), 95) << c.what;
    }
}

TEST_F(SettlementBuilders, StampsByTheEdgeNeverWriteOffTheMap) {
    const struct {
        int x, y, mode, refused;
    } cases[] = {{55, 30, 2, 1}, {30, 55, 2, 1}, {55, 55, 0, 0}, {55, 55, 1, 0}, {-3, 20, 0, 0}, {20, -3, 1, 0}};
    for (const auto &c : cases) {
        plain(10);
        clear_area();
        for (int i = 0; i < AREA_SIDE * AREA_SIDE; i++) area[i] = 95;
        const std::vector<uint8_t> memory(Zoom.memory, Zoom.memory + sizeof Zoom.memory);
        const std::vector<uint8_t> before = chars();
        EXPECT_EQ(aseta_alue(c.x, c.y, (char)c.mode), c.refused) << c.x << "," << c.y;
        EXPECT_EQ(std::vector<uint8_t>(Zoom.memory, Zoom.memory + sizeof Zoom.memory), memory);
        if (c.refused) {
            EXPECT_EQ(chars(), before);
            continue;
        }
        // Exactly the squares under the grid changed: none wrapped onto the next row or the far side.
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) {
                const bool under = x >= c.x && x < c.x + 15 && y >= c.y && y < c.y + 15;
                ASSERT_EQ(ch(x, y), under ? 95 : 250) << x << "," << y << " stamp " << c.x << "," << c.y;
            }
    }
    // A house wished at the far corner still lands whole inside the map.
    for (int seed = 1; seed <= 20; seed++) {
        randomize(seed);
        plain(10);
        TeeTalo(61, 61, 3);
        EXPECT_EQ(count(218), 1) << seed;
        EXPECT_EQ(count(217), 1) << seed;
    }
}

TEST_F(SettlementBuilders, NoPlaceInAThousandAndOneTriesBuildsNothing) {
    const struct {
        const char *what;
        int ground, h;
    } cases[] = {{"too low", 250, 6}, {"no ground", 39, 10}};
    for (const auto &c : cases) {
        plain(c.h);
        memset(Zoom.chars, c.ground, sizeof Zoom.chars);
        const std::vector<uint8_t> before = chars();
        TeeTalo(30, 30, 3);
        const ZoomPos kota = TeeKota(30, 30, 3);
        const ZoomPos store = TeeAitta(30, 30, 2);
        TeeKauppa(30, 30);
        TeeSauna(30, 30, 2);
        EXPECT_EQ(chars(), before) << c.what;
        EXPECT_EQ(kota.x + kota.y + store.x + store.y, 0) << c.what;
        EXPECT_EQ(creatures(0), 0) << c.what;   // nobody settles and no tradesman waits
        for (const DataStruct &d : Zoom.data) EXPECT_EQ(d.type, DT_UNUSED) << c.what;
    }
    // Wells, lean-tos and bushes land only on ground.
    memset(Zoom.chars, 39, sizeof Zoom.chars);
    const std::vector<uint8_t> rocks = chars();
    for (int i = 0; i < 20; i++) {
        TeeKaivo();
        TeeLaavu();
        TeePusikko((uint8_t)(i % 3));
        TeePusikkoa((uint8_t)(i % 3));
    }
    EXPECT_EQ(chars(), rocks);
    // One low square in the block moves the house, at most six squares each way, onto even ground.
    plain(10);
    Zoom.height[35 * 64 + 35] = 3;
    TeeTalo(30, 30, 2);
    EXPECT_EQ(count(218), 1);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (ch(x, y) == 218) {
                EXPECT_LE(std::abs(x - 30), 6);
                EXPECT_LE(std::abs(y - 30), 6);
                EXPECT_TRUE(x + 14 < 35 || y + 14 < 35 || x > 35 || y > 35) << x << "," << y;
            }
}

TEST_F(SettlementBuilders, PensHoldTheCulturesAnimals) {
    const struct {
        const char *what;
        int culture, pens_before;
        bool drawn;
        int species, low, high;   // animals of the species at the pen's door square
    } cases[] = {
        {"a second pen keeps dogs, never drawn", 0, 1, false, 618, 2, 4},
        {"a second pen of reindeer herders too", 7, 1, false, 618, 2, 4},
        {"culture 13 has no pen", 13, 0, false, 0, 0, 0},
        {"culture 13 has no second pen", 13, 1, false, 0, 0, 0},
        {"the vagabonds' dogs are never drawn", 10, 0, false, 618, 2, 4},
        {"reindeer in a first pen", 7, 0, true, 619, 2, 4},
        {"a culture above 13 has no pen", 14, 0, false, 0, 0, 0},
    };
    for (const auto &c : cases)
        for (int seed = 1; seed <= 10; seed++) {
            randomize(seed);
            plain(10);
            Kyla_Kulttuuri = c.culture;
            Aitausten_Maara = c.pens_before;
            TeeAitaus(20, 20, 2);
            EXPECT_EQ(Aitausten_Maara, c.pens_before + 1);
            EXPECT_EQ(count(42) > 0, c.drawn) << c.what << " seed " << seed;
            const int n = creatures(0);
            EXPECT_EQ(creatures(c.species), n) << c.what;
            EXPECT_GE(n, c.low) << c.what << " seed " << seed;
            EXPECT_LE(n, c.high) << c.what << " seed " << seed;
            for (const DataStruct &d : Zoom.data)
                if (d.type == DT_CREATURE) {
                    EXPECT_TRUE(d.x == 22 && d.y == 22) << c.what;
                }
        }
}

TEST_F(SettlementBuilders, AKotasHouseholdStandsInsideIt) {
    const struct {
        int size, culture;
    } cases[] = {{2, 0}, {2, 7}, {2, 11}, {3, 0}, {3, 7}};
    for (const auto &c : cases)
        for (int seed = 1; seed <= 10; seed++) {
            randomize(seed);
            plain(10);
            Kyla_Kulttuuri = c.culture;
            TeeKota(30, 30, (char)c.size);
            for (const DataStruct &d : Zoom.data)
                if (d.type == DT_CREATURE) {
                    const int under = ch(d.x, d.y);
                    EXPECT_TRUE(under == 40 || under == 41) << "size " << c.size << " seed " << seed << ": on " << under;
                }
        }
}

TEST_F(SettlementBuilders, FramesDoorsAndPalisadeGates) {
    for (int seed = 1; seed <= 30; seed++) {
        randomize(seed);
        plain(10);
        TeeTalo(10, 10, (char)(1 + seed % 4));
        EXPECT_EQ(count(254), 1) << seed;   // one door, the road right below it
        for (int i = 0; i < ZOOM_SQUARES - 64; i++)
            if (Zoom.chars[i] == 254) {
                EXPECT_EQ(Zoom.chars[i + 64], 46) << seed;
            }
        plain(10);
        const ZoomPos k = TeeKota(30, 30, 3);   // s = 4: doorway in the southern wall
        EXPECT_EQ(ch(k.x + 2, k.y + 4), 43) << seed;
        EXPECT_EQ(ch(k.x + 2, k.y + 5), 255) << seed;
        EXPECT_EQ(ch(k.x + 2, k.y + 2), 41) << seed;
    }
    const struct {
        int kind, wall, gx, gy, dx, dy;
    } gates[] = {{1, 39, 61, 32, 1, 0}, {2, 42, 32, 1, 0, 1}};
    for (const auto &g : gates) {
        plain(10);
        linnoita(g.kind);
        EXPECT_EQ(ch(2, 2), g.wall);
        EXPECT_EQ(ch(61, 61), g.wall);
        for (int i = 0; i < 3; i++) EXPECT_EQ(ch(g.gx + i * g.dx, g.gy + i * g.dy), 46) << g.kind;
    }
}

}   // namespace
