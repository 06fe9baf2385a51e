// The world generator's quick paths against the plain cell-by-cell way: the fractal, the sea's
// sweeps, and whole worlds of fixed seeds, which must never change.
#include "worldgen/kartta_main_test.h"
#include "worldgen/worldgen_fixture.h"

#include <vector>

#include "maps/kulttuuri.h"

namespace oxatest {
namespace {

// ---- the fractal, a point and a draw at a time ----------------------------------------------------
void plain_point(int x, int y, int sum, int spread) {
    const int draw = VH_rand();
    if (peektyokartta(y, x) || x < 0 || y < 0 || x >= TYOKARTTA_W || y >= TYOKARTTA_H) return;
    int value = spread < 1 ? sum / 2 + draw % 3 : sum / 2 - spread + draw % (2 * spread + 1) + 1;
    if (value > 255) value = 510 - value;
    if (value < 1) value = 1;
    poketyokartta(y, x, value);
}

void plain_fill(int x, int y, int s, int spread, int limit) {
    const int tl = peektyokartta(y, x), tr = peektyokartta(y, x + 2 * s);
    const int bl = peektyokartta(y + 2 * s, x), br = peektyokartta(y + 2 * s, x + 2 * s);
    plain_point(x, y + s, tl + bl, spread);
    plain_point(x + s, y + 2 * s, bl + br, spread);
    plain_point(x + 2 * s, y + s, tr + br, spread);
    plain_point(x + s, y, tl + tr, spread);
    plain_point(x + s, y + s, tl + br, spread);
    if (s < 2) return;
    if (s < limit) spread /= 2;
    plain_fill(x, y, s / 2, spread, limit);
    plain_fill(x + s, y, s / 2, spread, limit);
    plain_fill(x + s, y + s, s / 2, spread, limit);
    plain_fill(x, y + s, s / 2, spread, limit);
}

std::vector<uint8_t> work_map() { return std::vector<uint8_t>(tyokartta, tyokartta + (size_t)TYOKARTTA_W * TYOKARTTA_H); }

using FractalPaths = WorldgenTest;

// Inside the map and over each edge, sides that halve evenly and those that don't, spreads that
// halve to nothing, over cells already set: the same cells and the stream left at the same draw.
TEST_F(FractalPaths, FillMatchesThePlainFill) {
    struct Case {
        int x, y, s, spread, limit;
    };
    const Case cases[] = {
        {100, 100, 64, 100, 16},  {1000, 500, 45, 30, 64},  {-40, -24, 32, 16, 4},   {3000, 1990, 64, 22, 8},
        {2047, 1023, 512, 100, 16}, {7, 9, 3, 0, 1},       {3070, 0, 1, 0, 1},      {-128, 1900, 128, 12, 64},
        {0, 0, -1, 5, 1},           {20, 20, 0, 5, 1},
    };
    for (const Case &c : cases) {
        alustatyokartta();
        for (int i = 0; i < 200; i++) poketyokartta(c.y + (i * 37) % (2 * c.s + 1), c.x + (i * 53) % (2 * c.s + 1), 1 + i % 250);
        const std::vector<uint8_t> start = work_map();
        VH_srand(77);
        plain_fill(c.x, c.y, c.s, c.spread, c.limit);
        const std::vector<uint8_t> plain = work_map();
        const uint64_t plain_state = vh_state;
        std::copy(start.begin(), start.end(), tyokartta);
        VH_srand(77);
        laskeruutu(c.x, c.y, c.s, c.spread, c.limit);
        EXPECT_TRUE(work_map() == plain) << c.x << "," << c.y << " side " << c.s;
        EXPECT_EQ(vh_state, plain_state) << c.x << "," << c.y << " side " << c.s;
    }
}

// ---- the sea, a cell at a time ----------------------------------------------------------------------
void plain_sweeps(std::vector<uint8_t> &world) {
    auto at = [&](int x, int y) -> uint8_t & { return world[mapidx(x, y)]; };
    const int dirs[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    for (const auto &d : dirs) {
        const int dx = d[0], dy = d[1];
        for (int x = dx > 0 ? 1 : 3071; x != (dx > 0 ? 3072 : 0); x += dx)
            for (int y = dy > 0 ? 1 : 2046; y != (dy > 0 ? 2047 : 0); y += dy) {
                const int v = peektyokartta(y, x);
                if (at(x, y) || v >= 32) continue;
                if (at(x, y - dy) || at(x - dx, y) || at(x - dx, y - 1) || at(x - dx, y + 1)) at(x, y) = v < 21 ? 180 : 181;
            }
    }
}

using SeaPaths = WorldgenTest;

// Worlds of land blocks and high ground, the borders open as the coast leaves them; runs of open
// cells cross the 64-row words of a column and the sea turns back through every sweep.
TEST_F(SeaPaths, SweepsMatchTheCellByCellSweeps) {
    struct Case {
        int blocks, size, seed;
    };
    for (const Case c : {Case{300, 200, 1}, Case{3000, 40, 2}, Case{40, 900, 3}}) {
        memset(maailma, 0, MAP_BYTES);
        alustatyokartta();
        srand((unsigned)c.seed);
        for (int y = 0; y < TYOKARTTA_H; y++)
            for (int x = 0; x < TYOKARTTA_W; x++) poketyokartta(y, x, rand() % 34);
        for (int i = 0; i < c.blocks; i++) {
            const int x = rand() % 3072, y = rand() % 2048, w = 1 + rand() % c.size, h = 1 + rand() % c.size;
            const bool land = rand() % 2;
            for (int j = y; j < y + h && j < 2048; j++)
                for (int k = x; k < x + w && k < 3072; k++) {
                    if (land) pokemaailma(j, k, 3);
                    else poketyokartta(j, k, 32 + rand() % 10);
                }
        }
        for (int i = 0; i < 3072; i++) {
            pokemaailma(0, i, 180);
            pokemaailma(2047, i, 180);
        }
        for (int j = 0; j < 2048; j++) pokemaailma(j, 0, 180);
        std::vector<uint8_t> plain(maailma, maailma + MAP_BYTES);
        plain_sweeps(plain);
        sea_sweeps();
        size_t differ = 0, first = 0;
        for (size_t i = 0; i < MAP_BYTES; i++)
            if (maailma[i] != plain[i] && !differ++) first = i;
        EXPECT_EQ(differ, 0u) << "seed " << c.seed << ", first at " << first % MAP_STRIDE << "," << first / MAP_STRIDE;
        EXPECT_GT(count(180) + count(181), 3072 * 2) << "the sea came in";
    }
}

// ---- whole worlds -------------------------------------------------------------------------------------
uint32_t fnv(const uint8_t *p, size_t n, uint32_t h = 2166136261u) {
    for (size_t i = 0; i < n; i++) h = (h ^ p[i]) * 16777619u;
    return h;
}

using SameWorld = WorldgenTest;

// A seed makes the world it always made: the world layer, the culture map and the stream after it.
TEST_F(SameWorld, FixedSeedsMakeTheWorldsTheyAlwaysMade) {
    struct Case {
        uint32_t seed, world, cultures;
        uint64_t state;
    };
    const Case cases[] = {
        {1, 2632732446u, 2868624262u, 0x792145728653a55aULL},
        {4, 2759452580u, 1636235908u, 0xa2a2a6070bfe1b88ULL},
    };
    for (const Case &c : cases) {
        worldgen_seed(c.seed);
        ASSERT_EQ(luokartta(), 0);
        EXPECT_EQ(tyokartta, nullptr) << "the work map is let go with the world made";
        EXPECT_EQ(fnv(maailma, MAP_BYTES), c.world) << "seed " << c.seed;
        EXPECT_EQ(fnv(kulttuurikartta, sizeof kulttuurikartta), c.cultures) << "seed " << c.seed;
        EXPECT_EQ(vh_state, c.state) << "seed " << c.seed;
    }
}

}  // namespace
}  // namespace oxatest
