// An item whose tile is not drawn yet shows the plain item tile on the map.
#include <cstring>

#include "common/harness.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/player.h"
#include "items/items.h"
#include "maps/area.h"
#include "presentation/mapthings.h"
#include "maps/maptest.h"
#include "maps/mapunit.h"
#include "presentation/painter.h"
#include "maps/tile_strips.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

namespace {

class ItemTiles : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        oxatest::write_tile_strip("it-item", 32, 32, 1, [](int, int x, int y) {
            return (x == 16 && y == 16) ? oxatest::rgb(0, 250, 0) : oxatest::TILE_KEY;
        });
        NewGfx_loadtiledata();
        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Environ = 2;
        memset(Data, 0, sizeof Data);
        for (int y = 215; y < 250; y++)
            for (int x = 215; x < 250; x++) {
                const size_t i = mapidx(x, y);
                maailma[i] = maailma_work[i] = CH_GROUND;
                maailma_attrib[i] = '4';
            }
        view_rows_written(215, 249);
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        mapdimInit(800, 600, 1.0f);
        ClrItemstruct(ConstantObj[7]);
        ConstantObj[7].type = IT_TOOL;
        SET_ITEM_TEXT(ConstantObj[7].tile, "ber-nosuch");
    }
    void TearDown() override {
        ClrItemstruct(ConstantObj[7]);
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }
    static uint32_t at(int x, int y) {
        uint32_t p = 0;
        SDL_Rect r = {x, y, 1, 1};
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_ARGB8888, &p, 4);
        SDL_SetRenderTarget(ren, nullptr);
        return p & 0xFFFFFF;
    }
};

TEST_F(ItemTiles, AnItemWhoseTileIsMissingIsDrawnAsAPlainThing) {
    place_record(DT_ITEM, 234, 232, 7, 1);
    CleanMapDrawBuffers();
    SDL_SetRenderTarget(ren, MapMainTexture);
    Items(0);
    SDL_SetRenderTarget(ren, nullptr);
    EXPECT_EQ(at(18 * (234 - PlayerX + 30) - 8, 20 * (232 - PlayerY + 30) - 9), 0x00FA00u);
}

}  // namespace
