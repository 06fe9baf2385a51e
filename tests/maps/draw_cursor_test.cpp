// tests/maps/draw_cursor_test.cpp -- the map redrawn in part: the picker's cursor drawn anew only where
// it was and where it is, and the map texture cleared only where anything was drawn, each compared
// pixel for pixel with the whole drawing over the generated tile set.
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
#include "presentation/tiles.h"

#include <unistd.h>
#include <cstring>
#include <vector>

namespace {

class DrawCursor : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(oxatest::set_up_draw_scene(*dir, 0));
        ALL_SEE = 0;
        NEWGFX = 1;
        memset(maailma_memorymap, ' ', MAP_BYTES);
        memset(pintakartta, 0, MAP_BYTES);
        // Forest, birches, pines and bog on uneven ground (the lightened squares); nothing that moves
        // from drawing to drawing, so that two drawings can be compared.
        std::vector<int> kinds;
        for (int c : {CH_GROUND, CH_GROUND, 13, 18, 10, 15, 233, 237, 39})
            if (terrain_animate(c) != 1) kinds.push_back(c);
        srand(7);
        for (int y = 150; y <= 320; y++)
            for (int x = 150; x <= 320; x++) {
                maailma[mapidx(x, y)] = (uint8_t)kinds[(size_t)rand() % kinds.size()];
                korkeuskartta[mapidx(x, y)] = (uint8_t)((x + y) % 5);
            }
        PlayerX = PlayerY = 232;
        maailma[mapidx(PlayerX, PlayerY)] = CH_GROUND;
        // Fires drawn smaller than their picture: the cursor's part grows to hold them whole.
        memset(Data, 0, sizeof Data);
        for (int i = 0; i < 12; i++) {
            DataStruct &d = Data[i];
            d.type = DT_FIRE;
            d.x = (uint16_t)(PlayerX - 5 + i);
            d.y = (uint16_t)(PlayerY - 2 + i % 3);
            d.count = 1;
            d.id = 1;
            d.ready_minute = (uint32_t)(60 * (1 + i % 9) + 1);   // burning 1 to 9 hours: drawn at 0.55 to 0.9
        }
        LOCSEL_CURSOR_X = LOCSEL_CURSOR_Y = 0;
        FLIP_map_ON();   // every flip composes the shown map from the drawn one
    }
    void TearDown() override {
        FLIP_map_OFF();
        LOCSEL_CURSOR_X = LOCSEL_CURSOR_Y = 0;
        mapdimInit(800, 600, 1.0f);
        memset(Data, 0, sizeof Data);
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }

    static std::vector<uint32_t> texture(SDL_Texture *t) {
        std::vector<uint32_t> px((size_t)MAPTEX_SIZE * MAPTEX_SIZE);
        SDL_SetRenderTarget(ren, t);
        SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), MAPTEX_SIZE * 4);
        SDL_SetRenderTarget(ren, nullptr);
        return px;
    }
    static size_t differing(const std::vector<uint32_t> &a, const std::vector<uint32_t> &b) {
        size_t n = 0;
        for (size_t i = 0; i < a.size(); i++) n += a[i] != b[i];
        return n;
    }
};

TEST_F(DrawCursor, CursorMovesDrawWhatTheWholeMapDrawingDraws) {
    struct Move {
        float zoom;
        int from_dx, from_dy, to_dx, to_dy;
    };
    const Move moves[] = {
        {1.0f, 3, -2, 4, -2},     // one step east
        {1.0f, -4, 0, -3, 1},     // onto the fires, which grow the part
        {1.0f, 0, 0, -12, -11},   // from the player's square to the far corner
        {1.0f, 12, 11, 11, 11},   // along the bottom edge of the view
        {0.5f, -20, 5, -19, 6},   // zoomed out
    };
    for (const Move &m : moves) {
        SCOPED_TRACE(testing::Message() << "zoom " << m.zoom << " from " << m.from_dx << "," << m.from_dy << " to "
                                        << m.to_dx << "," << m.to_dy);
        mapdimInit(800, 600, m.zoom);
        // The fires' flames are drawn from the random stream: each drawing starts from the same place
        // in it, so that a flame left undrawn outside the part shows the frame a whole drawing draws.
        srand(11);
        const oxatest::RandomStream before;
        LOCSEL_CURSOR_X = PlayerX + m.from_dx;
        LOCSEL_CURSOR_Y = PlayerY + m.from_dy;
        DrawMap();
        before.back();
        LOCSEL_CURSOR_X = PlayerX + m.to_dx;
        LOCSEL_CURSOR_Y = PlayerY + m.to_dy;
        ASSERT_EQ(ui_draw_map_cursor(PlayerX + m.from_dx, PlayerY + m.from_dy), 1);
        const std::vector<uint32_t> part = texture(MapMainTexture), part_final = texture(MapMainFinalTexture);
        before.back();
        DrawMap();
        EXPECT_EQ(differing(part, texture(MapMainTexture)), 0u);
        EXPECT_EQ(differing(part_final, texture(MapMainFinalTexture)), 0u);
    }
}

TEST_F(DrawCursor, AnotherViewOrATextureDrawnOnIsDrawnWhole) {
    LOCSEL_CURSOR_X = PlayerX + 1;
    LOCSEL_CURSOR_Y = PlayerY;
    DrawMap();
    PlayerX++;   // a step: the marks kept are another view's
    EXPECT_EQ(ui_draw_map_cursor(PlayerX, PlayerY), 0);
    DrawMap();
    EXPECT_EQ(ui_draw_map_cursor(PlayerX + 1, PlayerY), 1);
    DrawOxaTile(OXATILEID_pcdirs, 0, 0, 30, 30, 0);   // drawn outside a map drawing
    EXPECT_EQ(ui_draw_map_cursor(PlayerX + 1, PlayerY), 0);
    ClrOxaFlipMap();
    EXPECT_EQ(ui_draw_map_cursor(PlayerX + 1, PlayerY), 0);
}

// Each drawing clears only what the one before drew: after steps, zooms and a filled texture the map
// texture holds what a drawing over a wholly cleared texture holds.
TEST_F(DrawCursor, ClearingWhatWasDrawnLeavesTheTextureOfAWholeClear) {
    const struct {
        float zoom;
        int dx, dy;
    } steps[] = {{0.5f, 0, 0}, {1.0f, 1, 0}, {1.0f, 3, 4}, {0.5f, -6, 2}, {1.0f, 0, -1}};
    for (const auto &s : steps) {
        SCOPED_TRACE(testing::Message() << "zoom " << s.zoom << " step " << s.dx << "," << s.dy);
        mapdimInit(800, 600, s.zoom);
        PlayerX += s.dx;
        PlayerY += s.dy;
        srand(3);
        DrawMap();
        const std::vector<uint32_t> drawn = texture(MapMainTexture);
        const std::vector<uint32_t> shown = texture(MapMainFinalTexture);
        ClrOxaFlipMap();   // every pixel another colour: the next clear covers the whole texture
        srand(3);
        DrawMap();
        EXPECT_EQ(differing(drawn, texture(MapMainTexture)), 0u);
        EXPECT_EQ(differing(shown, texture(MapMainFinalTexture)), 0u);
    }
}

}  // namespace
