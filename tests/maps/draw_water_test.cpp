// tests/maps/draw_water_test.cpp -- a lake drawn with the game's own pictures: birds swim as whole
// figures and other creatures wade as half ones, a hole in the ice is drawn once, under the snow on the
// ice, and snow lies only on squares she has seen.
#include "common/harness.h"
#include "common/map_pixels.h"
#include "maps/draw_scene.h"

#include "core/creatures.h"
#include "core/records.h"
#include "creatures/kindtable.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "presentation/show.h"
#include "presentation/mapthings.h"
#include "presentation/tiles.h"

#include <cstring>
#include <vector>

namespace {

class DrawWater : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(oxatest::set_up_draw_scene(*dir, 12));
        ALL_SEE = 1;
        NEWGFX = 1;
        memset(maailma_memorymap, ' ', MAP_BYTES);
        memset(pintakartta, 0, MAP_BYTES);
        for (uint8_t *layer : {maailma_work, maailma_attrib, maailma_attrib2, maailma_worksymbol, esine_maailma})
            memset(layer, 0, MAP_BYTES);
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        // Open ground, and a lake east of the player: x 235..245, y 226..238.
        for (int y = 150; y <= 320; y++)
            for (int x = 150; x <= 320; x++) {
                const bool lake = x >= 235 && x <= 245 && y >= 226 && y <= 238;
                maailma[mapidx(x, y)] = (uint8_t)(lake ? CH_DEEP_WATER : CH_GROUND);
                korkeuskartta[mapidx(x, y)] = (uint8_t)(lake ? 3 : 8);
            }
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        mapdimInit(800, 600, 1.0f);
    }
    void TearDown() override {
        ALL_SEE = 0;
        GlobWeather = {};
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }
    // The pixels of a square's cell with the margin around it, from the drawing just made.
    static std::vector<uint32_t> cell(int x, int y, int margin) {
        return cell_of(oxatest::texture_pixels(MapMainTexture), x, y, margin);
    }
    static std::vector<uint32_t> cell_of(const std::vector<uint32_t> &all, int x, int y, int margin) {
        std::vector<uint32_t> out;
        const int cx = 18 * (x - PlayerX + 30) - 8, cy = 20 * (y - PlayerY + 30) - 9;
        for (int py = cy - 10 - margin; py < cy + 10 + margin; py++)
            for (int px = cx - 9 - margin; px < cx + 9 + margin; px++) out.push_back(all[(size_t)py * MAPTEX_SIZE + px]);
        return out;
    }
    // The pixels within r of a square's centre, where a hole in the ice is drawn opaque.
    static std::vector<uint32_t> core(int x, int y, int r) {
        const std::vector<uint32_t> all = oxatest::texture_pixels(MapMainTexture);
        std::vector<uint32_t> out;
        const int cx = 18 * (x - PlayerX + 30) - 8, cy = 20 * (y - PlayerY + 30) - 9;
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++)
                if (dx * dx + dy * dy <= r * r) out.push_back(all[(size_t)(cy + dy) * MAPTEX_SIZE + cx + dx]);
        return out;
    }
    static size_t differing(const std::vector<uint32_t> &a, const std::vector<uint32_t> &b) {
        size_t n = 0;
        for (size_t i = 0; i < a.size(); i++) n += a[i] != b[i];
        return n;
    }
};

// On open water a bird swims, drawn as it stands; any other creature is a half figure there, whose
// frames are the ones it flies with. So the swimming bird is drawn unlike the flying one, the elk alike.
TEST_F(DrawWater, ABirdSwimsWholeWhereOtherCreaturesAreHalfFigures) {
    static const struct {
        int species;
        bool bird;
    } rows[] = {{SPECIES_SWAN, true}, {SPECIES_ELK, false}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.species);
        ASSERT_EQ(build_species(r.species), 1);
        Cre[3] = Creature;
        Cre[3].mode = 3;
        Cre[3].posture = 0;
        Cre[3].Suunta = 4;
        memset(Data, 0, sizeof Data);
        Data[0].type = DT_CREATURE;
        Data[0].x = 238;
        Data[0].y = 232;
        Data[0].id = CRE_DATAID + 3;
        Data[0].count = 1;
        std::vector<uint32_t> drawn[2];
        for (int flying = 0; flying <= 1; flying++) {
            Cre[3].korkeus = flying ? 100 : 0;
            srand(5);   // the same ripples and the same jitter in both drawings
            DrawMap();
            drawn[flying] = cell(238, 232, 24);
        }
        if (r.bird)
            EXPECT_GT(differing(drawn[0], drawn[1]), 20u) << "a swimming bird is not drawn as a flying one";
        else
            EXPECT_EQ(differing(drawn[0], drawn[1]), 0u) << "half figures share the flying frames";
    }
}

// A hole in the ice lies under what the surface pass draws on the ice: the snow of 60 mm shows over
// it, where the hole drawn again by the things' pass would cover it.
TEST_F(DrawWater, AHoleInTheIceIsDrawnOnceUnderTheSnowOnTheIce) {
    GlobWeather.water_temp = -300;   // a frost sum that freezes the lake
    ASSERT_GT(ice_thickness_mapwise(238, 232), 0);
    do_break_ice(238, 232);
    std::vector<uint32_t> drawn[2];
    for (int snow : {0, 60}) {
        GlobWeather.snow_depth = snow;
        srand(5);
        DrawMap();
        drawn[snow != 0] = core(238, 232, 5);
    }
    EXPECT_GT(differing(drawn[0], drawn[1]), 3u) << "the snow lies over the hole too";
    EXPECT_EQ(esine_maailma[mapidx(238, 232)], 0) << "nothing stands in the hole";
}

// Squares she has never seen stay black, whatever snow lies on the land.
TEST_F(DrawWater, SnowLiesOnlyOnSquaresSheHasSeen) {
    ALL_SEE = 0;
    PlayerDir = 2;   // facing north: the rows three and more south of her are never seen
    for (int snow : {30, 60}) {
        SCOPED_TRACE(snow);
        GlobWeather.snow_depth = snow;
        DrawMap();
        const std::vector<uint32_t> all = oxatest::texture_pixels(MapMainTexture);
        int drawn_on = 0, squares = 0;
        for (int y = PlayerY + 3; y <= PlayerY + 11; y++)
            for (int x = PlayerX - 11; x <= PlayerX + 11; x++) {
                ASSERT_EQ(maailma_work[mapidx(x, y)], ' ');
                squares++;
                for (uint32_t p : cell_of(all, x, y, -3)) drawn_on += (p & 0xFFFFFF) != 0 ? 1 : 0;
            }
        EXPECT_GT(squares, 100);
        EXPECT_EQ(drawn_on, 0);
    }
}

}  // namespace
