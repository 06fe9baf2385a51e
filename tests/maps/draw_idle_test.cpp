// tests/maps/draw_idle_test.cpp -- the view drawn again over itself (the idle tick's flames and
// ripples): only where its pictures differ from the last drawing's is the map texture drawn anew, and
// the map texture, the composed map and the random stream come out as a whole drawing leaves them,
// after one redraw or many (the later ones start from the pixels the unchanged pictures left).
#include "common/harness.h"
#include "common/map_pixels.h"
#include "maps/draw_scene.h"

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "presentation/show.h"
#include "presentation/mapthings.h"
#include "presentation/tiles.h"

#include <unistd.h>
#include <cstring>
#include <functional>
#include <vector>

namespace {

class DrawIdle : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(oxatest::set_up_draw_scene(*dir, 12));
        ALL_SEE = 1;   // the whole view seen: every square drawn
        NEWGFX = 1;
        memset(maailma_memorymap, ' ', MAP_BYTES);
        memset(pintakartta, 0, MAP_BYTES);
        // The layers an earlier test may have drawn on, as a fresh game has them.
        for (uint8_t *layer : {maailma_work, maailma_attrib, maailma_attrib2, maailma_worksymbol, esine_maailma})
            memset(layer, 0, MAP_BYTES);
        memset(light_map, 0, sizeof light_map);
        PlayerX = PlayerY = 232;
        LOCSEL_CURSOR_X = LOCSEL_CURSOR_Y = 0;
        FLIP_map_ON();
        lay_out(1.0f, 0);
    }
    // Uneven open ground round a pond whose water ripples from drawing to drawing, a few trees, and
    // `fires` fires left of the player.
    static void lay_out(float zoom, int fires) {
        mapdimInit(800, 600, zoom);
        srand(7);
        const int kinds[] = {CH_GROUND, CH_GROUND, CH_GROUND, CH_GROUND, CH_GROUND, CH_GROUND, CH_GROUND, 13, 39};
        for (int y = 150; y <= 320; y++)
            for (int x = 150; x <= 320; x++) {
                int c = kinds[rand() % 9];
                if ((x - 230) * (x - 230) + (y - 227) * (y - 227) < 8) c = CH_DEEP_WATER;
                maailma[mapidx(x, y)] = (uint8_t)c;
                korkeuskartta[mapidx(x, y)] = (uint8_t)((x + y) % 5);
            }
        maailma[mapidx(PlayerX, PlayerY)] = CH_GROUND;
        memset(Data, 0, sizeof Data);
        light_fires(fires, -5);
    }
    void TearDown() override {
        FLIP_map_OFF();
        mapdimInit(800, 600, 1.0f);
        memset(Data, 0, sizeof Data);
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }
    // Flames burning 1 to 9 hours, drawn smaller than their picture: never cut, they grow the part.
    static void light_fires(int n, int dx) {
        for (int i = 0; i < n; i++) {
            DataStruct &d = Data[i];
            d.type = DT_FIRE;
            d.x = (uint16_t)(PlayerX + dx + i);
            d.y = (uint16_t)(PlayerY - 2 + i % 3);
            d.count = 1;
            d.id = 1;
            d.ready_minute = (uint32_t)(60 * (1 + i % 9) + 1);
        }
    }
};

TEST_F(DrawIdle, RedrawOverTheLastDrawingDrawsWhatAWholeDrawingDraws) {
    struct Case {
        const char *what;
        float zoom;
        int fires;
        std::function<void()> between;   // what happens between the two drawings
        int idle;                        // redraws with nothing changed before it
    };
    const auto pond_filled = [] { maailma[mapidx(230, 227)] = CH_GROUND; };
    const Case cases[] = {
        {"flames and ripples", 1.0f, 9, [] {}, 0},
        {"zoomed out", 0.5f, 9, [] {}, 0},
        {"flames and ripples, a dozen times", 1.0f, 9, [] {}, 11},
        {"zoomed out, a dozen times", 0.5f, 3, [] {}, 11},
        {"a square of the pond filled", 1.0f, 0, pond_filled, 0},
        {"a square of the pond filled after idle redraws", 1.0f, 2, pond_filled, 6},
        {"a fire lit", 1.0f, 3, [] { light_fires(5, -8); }, 0},
        {"a fire lit after idle redraws", 1.0f, 3, [] { light_fires(5, -8); }, 6},
        {"a fire put out", 1.0f, 6, [] { Data[4].type = DT_UNUSED; }, 0},
        {"the pond frozen over", 1.0f, 2, [] {
             for (int y = 150; y <= 320; y++)
                 for (int x = 150; x <= 320; x++)
                     if (maailma[mapidx(x, y)] == CH_DEEP_WATER) maailma[mapidx(x, y)] = CH_GROUND;
         }, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        lay_out(c.zoom, c.fires);
        srand(11);
        map_list_forget();
        DrawMap();                       // a whole drawing
        EXPECT_TRUE(map_list_kept());
        for (int i = 0; i < c.idle; i++) DrawMap();
        c.between();
        const oxatest::RandomStream before;
        DrawMap();                       // over the last one
        const std::vector<uint32_t> main = oxatest::texture_pixels(MapMainTexture), composed = oxatest::texture_pixels(MapMainFinalTexture);
        const oxatest::RandomStream after;
        before.back();
        map_list_forget();
        DrawMap();                       // whole again, from the same random numbers
        EXPECT_TRUE(main == oxatest::texture_pixels(MapMainTexture));
        EXPECT_TRUE(composed == oxatest::texture_pixels(MapMainFinalTexture));
        EXPECT_TRUE(after == oxatest::RandomStream()) << "a redraw draws as many random numbers as a whole drawing";
    }
}

}  // namespace
