// The terrain and culture steps on hand-made worlds.
#include "worldgen/kartta_main_test.h"
#include "worldgen/worldgen_fixture.h"

namespace oxatest {
namespace {

using Steps = WorldgenTest;

TEST_F(Steps, RiverLeavesSeaLakesAndRapidsAsTheyWere) {
    paint_all(15);
    paint(0, 0, 3071, 9, 180);
    paint(0, 60, 3071, 60, 182);
    paint(0, 61, 3071, 61, 183);
    paint(0, 62, 3071, 62, 247);
    paint(0, 100, 3071, 100, 177);
    paint(0, 140, 3071, 141, 181);
    luolaskujoki(15, 1000, 64, 64, 300, 0, 20, 2, 5, 0, 0);
    const int codes[][2] = {{60, 182}, {61, 183}, {62, 247}, {100, 177}, {140, 181}, {141, 181}, {5, 180}};
    for (const auto &c : codes)
        for (int x = 0; x < 3072; x++) ASSERT_EQ(peekmaailma(c[0], x), c[1]) << "row " << c[0] << " column " << x;
    int below = 0;
    for (int y = 142; y < 2048; y++)
        for (int x = 0; x < 3072; x++) below += peekmaailma(y, x) == 178 || peekmaailma(y, x) == 176;
    EXPECT_GT(below, 50) << "the river ran on past the lake, the rapids and the sea";
}

TEST_F(Steps, NoRiverWithoutSeaInItsSearchBox) {
    paint_all(15);
    paint(2900, 1900, 3071, 2047, 180);   // sea, but far from the box
    luolaskujoki(15, 1000, 64, 64, 300, 0, 20, 2, 5, 32, 2);
    EXPECT_EQ(count(15), 3072 * 2048 - 172 * 148);
    luolaskujoki(1000, 1000, 64, 64, 300, 0, 20, 2, 5, 32, 2);
    EXPECT_EQ(count(178) + count(176) + count(177), 0);
}

TEST_F(Steps, LakesNeverReplaceSea) {
    paint(0, 0, 999, 2047, 180);
    paint(1000, 0, 1100, 2047, 181);
    luojarvet();
    for (int y = 1; y < 2047; y++)
        for (int x = 1; x <= 1100; x++) ASSERT_EQ(peekmaailma(y, x), x < 1000 ? 180 : 181) << x << "," << y;
    EXPECT_GT(count(182) + count(183) + count(247), 0) << "lakes were made inland";
}

// Fortified villages, homesteads and villages scattered over open ground, then every culture settles
// round them and joins its villages.
TEST_F(Steps, NoFieldPathOrSettlementReplacesASettlement) {
    paint_all(250);
    std::vector<std::pair<int, int>> placed;
    for (int y = 880; y < 1120; y += 6)
        for (int x = 880; x < 1120; x += 6) {
            const int code = (x + y) % 3 == 0 ? 210 : (x + y) % 3 == 1 ? 211 : 239;
            pokemaailma(y, x, code);
            placed.push_back({x, y});
        }
    std::vector<int> before;
    for (auto &p : placed) before.push_back(peekmaailma(p.second, p.first));
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 11, 13}) {
        luokylia(1000, 1000, 120, 25, c);
        yhdistakylia(850, 850, 300, c);
    }
    for (size_t i = 0; i < placed.size(); i++)
        ASSERT_EQ(peekmaailma(placed[i].second, placed[i].first), before[i]) << placed[i].first << "," << placed[i].second;
    EXPECT_GT(count(251), 0);
    EXPECT_GT(count(46), 0) << "paths were drawn";
}

// Two villages of culture 3 ten rows and twenty columns apart, and what lies between them.
static int path_between(int barrier, int partner_row) {
    memset(maailma, 0, MAP_BYTES);
    for (int y = 0; y < 2048; y++) memset(maailma + mapidx(0, y), 250, 3072);
    asetakulttuuri(505, 510, 3);
    pokemaailma(500, 500, 239);
    pokemaailma(partner_row, 520, 239);
    if (barrier)
        for (int y = 0; y < 2048; y++) pokemaailma(y, 510, barrier);
    yhdistakylia(480, 480, 64, 3);
    int paths = 0;
    for (int y = 450; y < 560; y++)
        for (int x = 480; x < 560; x++) paths += peekmaailma(y, x) == 46;
    return paths;
}

TEST_F(Steps, PathsJoinVillagesButNeverCrossRiversOrOpenMire) {
    EXPECT_GE(path_between(0, 510), 18);
    EXPECT_EQ(peekmaailma(500, 500), 239);
    EXPECT_EQ(peekmaailma(510, 520), 239);
    EXPECT_EQ(path_between(178, 510), 0) << "across a river";
    EXPECT_EQ(path_between(233, 510), 0) << "across open mire";
    EXPECT_GE(path_between(91, 510), 18) << "hills are no barrier";
    EXPECT_EQ(path_between(0, 500), 0) << "a partner on the same row";
}

TEST_F(Steps, CultureWithNoSuitableCellGivesUpAfter257Draws) {
    paint_all(94);
    VH_srand(7);
    luokylia(1000, 1000, 100, 5, 2);
    const int next = VH_rand();
    EXPECT_EQ(kylia_tehty, 0);
    EXPECT_EQ(count(239) + count(211), 0);
    VH_srand(7);
    for (int i = 0; i < 257 * 4; i++) VH_rand();   // a row and a column per draw, two numbers each
    EXPECT_EQ(VH_rand(), next);
}

TEST_F(Steps, CultureBlocksStayOnTheMapAtItsEdges) {
    asetakulttuuri(2047, 3071, 5);
    for (int by = 61; by <= 63; by++)
        for (int bx = 93; bx <= 95; bx++) EXPECT_EQ(peekkulttuurikartta(by * 32, bx * 32), 5) << bx << "," << by;
    EXPECT_EQ(peekkulttuurikartta(63 * 32, 92 * 32), 10);
    EXPECT_EQ(peekkulttuurikartta(60 * 32, 95 * 32), 10);
    asetakulttuuri(0, 0, 6);
    for (int by = 0; by <= 2; by++)
        for (int bx = 0; bx <= 2; bx++) EXPECT_EQ(peekkulttuurikartta(by * 32, bx * 32), 6);
    EXPECT_EQ(peekkulttuurikartta(3 * 32, 0), 10);
    EXPECT_EQ(peekkulttuurikartta(0, 3 * 32), 10);
}

}  // namespace
}  // namespace oxatest
