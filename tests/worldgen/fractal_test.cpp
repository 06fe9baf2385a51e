// The work map's fractal and the bounded accessors of the work map, the world and the culture map.
#include "worldgen/kartta_main_test.h"
#include "worldgen/worldgen_fixture.h"

#include <map>

#include "base/ownlib.h"

namespace oxatest {
namespace {

using Fractal = WorldgenTest;

TEST_F(Fractal, PointOfSum500Spread10ReflectsAbove255) {
    std::map<int, int> seen;
    for (int i = 0; i < 3000; i++) {
        laskekohta(i % 3000, 100 + i / 3000, 500, 10);
        seen[peektyokartta(100 + i / 3000, i % 3000)]++;
    }
    // 241..261 before reflection: 241..255 straight, 256..261 folded onto 254..249.
    EXPECT_EQ(seen.begin()->first, 241);
    EXPECT_EQ(seen.rbegin()->first, 255);
    EXPECT_EQ(seen.size(), 15u);
    EXPECT_GT(seen[254], seen[255] * 3 / 2) << "254 is reached from 254 and 256, 255 only from itself";
    EXPECT_GT(seen[249], seen[248] * 3 / 2);
}

TEST_F(Fractal, SetCellsSurviveFillsAndEveryCellIsFilled) {
    poketyokartta(10, 10, 7);       // a corner
    poketyokartta(26, 26, 250);     // the centre
    poketyokartta(12, 20, 99);      // an inner point
    laskeruutu(10, 10, 16, 40, 8);
    EXPECT_EQ(peektyokartta(10, 10), 7);
    EXPECT_EQ(peektyokartta(26, 26), 250);
    EXPECT_EQ(peektyokartta(12, 20), 99);
    for (int y = 10; y <= 42; y++)
        for (int x = 10; x <= 42; x++)
            if ((x != 10 && x != 42) || (y != 10 && y != 42)) {
                ASSERT_GE(peektyokartta(y, x), 1) << x << "," << y;
            }
    EXPECT_EQ(peektyokartta(42, 42), 0) << "the corners are the fill's inputs";
    EXPECT_EQ(peektyokartta(43, 43), 0) << "nothing outside the square";
    // A second fill over the same square changes nothing.
    std::vector<int> before;
    for (int y = 10; y <= 42; y++)
        for (int x = 10; x <= 42; x++) before.push_back(peektyokartta(y, x));
    laskeruutu(10, 10, 16, 40, 8);
    size_t i = 0;
    for (int y = 10; y <= 42; y++)
        for (int x = 10; x <= 42; x++) EXPECT_EQ(peektyokartta(y, x), before[i++]);
}

TEST_F(Fractal, CornerOffTheMapCountsZero) {
    poketyokartta(0, 3070, 200);
    poketyokartta(2, 3070, 200);
    laskeruutu(3070, 0, 1, 0, 1);   // the right corners lie in column 3072, off the map
    EXPECT_GE(peektyokartta(1, 3070), 200);
    EXPECT_LE(peektyokartta(1, 3070), 202);
    EXPECT_GE(peektyokartta(0, 3071), 100) << "top middle: (200 + 0) / 2";
    EXPECT_LE(peektyokartta(0, 3071), 102);
    EXPECT_LE(peektyokartta(1, 3071), 102) << "centre: top-left 200 and an off-map corner";
}

TEST_F(Fractal, NegativeCoordinatesAreOffTheMap) {
    memset(maailma, 0x11, MAP_BYTES);
    // A fill reaching above and left of the map fills only the cells on it.
    laskeruutu(-32, -32, 32, 16, 4);
    EXPECT_GE(peektyokartta(0, 0), 1);
    EXPECT_GE(peektyokartta(31, 31), 1);
    EXPECT_EQ(peektyokartta(33, 0), 0);
    EXPECT_EQ(peektyokartta(-1, 5), 0);
    EXPECT_EQ(peektyokartta(5, -1), 0);
    alustatyokartta();
    taytaruutu(-8, -8, 10, 77);
    EXPECT_EQ(peektyokartta(1, 1), 77);
    EXPECT_EQ(peektyokartta(2, 2), 0);

    pokemaailma(-1, 100, 5);
    pokemaailma(100, -1, 5);
    pokemaailma(2048, 0, 5);
    pokemaailma(0, 3072, 5);
    EXPECT_EQ(peekmaailma(-1, 100), 0);
    EXPECT_EQ(peekmaailma(3, -1), 0);
    EXPECT_EQ(peekmaailma(2048, 5), 0);
    for (size_t i = 0; i < MAP_BYTES; i++)
        if (maailma[i] != 0x11) FAIL() << "a write off the map reached byte " << i;

    pokekulttuurikartta(40, 40, 3);
    pokekulttuurikartta(-1, 40, 4);
    pokekulttuurikartta(40, -1, 4);
    EXPECT_EQ(peekkulttuurikartta(40, 40), 3);
    EXPECT_EQ(peekkulttuurikartta(-1, 40), 10);
    EXPECT_EQ(peekkulttuurikartta(40, -33), 10);
    EXPECT_EQ(peekkulttuurikartta(2048, 40), 10);
    EXPECT_EQ(peekkulttuurikartta(0, 0), 10) << "a write at -1 never wraps into the first block";
}

TEST_F(Fractal, OneSeedGivesOneStream) {
    worldgen_seed(99);
    int a[5];
    for (int &v : a) v = VH_rand();
    const int shared = random(1000);
    worldgen_seed(99);
    for (int v : a) EXPECT_EQ(VH_rand(), v);
    EXPECT_EQ(random(1000), shared) << "the shared stream is seeded with it";
    for (int i = 0; i < 1000; i++) {
        const int g = kartta::VH_gaussrnd(5), r = kartta::VH_rnd(6);
        ASSERT_GE(g, -4);
        ASSERT_LE(g, 5);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 6);
    }
}

}  // namespace
}  // namespace oxatest
