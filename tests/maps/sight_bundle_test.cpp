// tests/maps/sight_bundle_test.cpp -- a creature's look at a square traces one line of each bundle
// that crosses the same squares, with the longest sight of the bundle: it must answer exactly as
// tracing every line of the octants does, on rough ground, among trees, by day and at night.
#include "maps/maptest.h"

#include <cstdio>

#include "base/ownlib.h"
#include "maps/sight.h"
#include "presentation/show.h"

namespace {

const int oct_major[8] = {0, 1, 1, 0, 0, 1, 1, 0};
const int oct_xs[8] = {1, 1, -1, -1, -1, -1, 1, 1};
const int oct_ys[8] = {-1, -1, -1, -1, 1, 1, 1, 1};

// Every line of the octants heading - 2 .. heading + 1 (all eight for -1), one by one.
int every_line(int x0, int y0, int tx, int ty, int heading, int allsee) {
    for (int k = 0; k < 8; k++) {
        if (heading != -1 && (k < 6 && k > 1)) continue;   // k 6, 7, 0, 1 stand for -2 .. +1
        const int o = heading == -1 ? k : ((heading + (k >= 6 ? k - 8 : k)) % 8 + 8) % 8;
        for (int line = 0; line < LINE_COUNT; line++)
            if (pos_linedraw(line, oct_xs[o], oct_ys[o], oct_major[o], x0, y0, tx, ty, allsee, 0)) return 1;
    }
    return 0;
}

class SightBundles : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        mapdimInit(800, 600, 1.0f);
        InitSines();
        PlayerX = PlayerY = 150;   // far from the squares looked at
    }
    // Ground of rolling heights with spruces and pools scattered by the seed.
    void rough_ground(int seed) {
        randomize(seed);
        for (int y = 200; y <= 260; y++)
            for (int x = 200; x <= 260; x++) {
                korkeuskartta[mapidx(x, y)] = (uint8_t)(10 + (x * 7 + y * 3) % 5 + random(3));
                const int r = random(100);
                put(x, y, r < 12 ? 13 : r < 16 ? CH_DEEP_WATER : CH_GROUND);
            }
    }
};

TEST_F(SightBundles, ALookAnswersAsEveryLineDoes) {
    int seen = 0, hidden = 0;
    for (int seed = 1; seed <= 3; seed++) {
        rough_ground(seed);
        for (int range : {50, 9, 3}) {   // day, dusk and night: the lines' lengths differ
            CalculateLDist(range);
            const int x0 = 230, y0 = 230;
            for (int ty = y0 - 14; ty <= y0 + 14; ty++)
                for (int tx = x0 - 14; tx <= x0 + 14; tx++)
                    for (int h = -1; h < 8; h++) {
                        const int want = every_line(x0, y0, tx, ty, h, 0);
                        ASSERT_EQ(NPC_see(x0, y0, tx, ty, h), want)
                            << "seed " << seed << " range " << range << " to " << tx << "," << ty << " heading " << h;
                        (want ? seen : hidden)++;
                    }
        }
    }
    // the ground hides some squares and shows others
    EXPECT_GT(seen, 1000);
    EXPECT_GT(hidden, 1000);
}

TEST_F(SightBundles, TheLongestLineOfABundleAnswersForItWhateverItsPlace) {
    // sight lengths that grow with the line's number: the bundle's first line is its shortest
    FILE *f = fopen(path("linedist.arr").c_str(), "w");
    ASSERT_NE(f, nullptr);
    for (int k = 0; k < LINE_COUNT; k++) fprintf(f, "%.4f\n", 0.3 + 0.7 * k / (LINE_COUNT - 1));
    fclose(f);
    rough_ground(5);
    for (int range : {12, 6}) {
        CalculateLDist(range);
        for (int ty = 216; ty <= 244; ty++)
            for (int tx = 216; tx <= 244; tx++)
                for (int h = -1; h < 8; h += 3)
                    ASSERT_EQ(NPC_see(230, 230, tx, ty, h), every_line(230, 230, tx, ty, h, 0))
                        << "range " << range << " to " << tx << "," << ty << " heading " << h;
    }
}

TEST_F(SightBundles, TheSeeAllLookAnswersAsEveryLineDoes) {
    rough_ground(4);
    for (int ty = 216; ty <= 244; ty++)
        for (int tx = 216; tx <= 244; tx++) {
            if (tx == 230 && ty == 230) continue;
            const int want = every_line(230, 230, tx, ty, koordSuunta(230, 230, tx, ty), 1);
            ASSERT_EQ(canseefromto(230, 230, tx, ty, 0), want) << tx << "," << ty;
        }
}

TEST_F(SightBundles, NoLineReachesPastTheViewAndFarTargetsAreNotSeen) {
    for (int x = 220; x <= 280; x++) put(x, 230, CH_GROUND);   // flat open ground eastward, by day
    CalculateLDist(50);
    const int reach = mapDim.half_w;   // a line stops two steps past it
    EXPECT_TRUE(NPC_see(230, 230, 230 + reach + 2, 230, -1));
    EXPECT_TRUE(every_line(230, 230, 230 + reach + 2, 230, -1, 0));
    EXPECT_FALSE(NPC_see(230, 230, 230 + reach + 3, 230, -1));
    EXPECT_FALSE(every_line(230, 230, 230 + reach + 3, 230, -1, 0));
}

}  // namespace
