// tests/creatures/village_redraw_play_test.cpp -- her village walked through by keys: after each step
// the view layers and the map the player is shown are those of a view over wholly reset layers.
#include "core/loader_fixture.h"
#include "maps/mapdraw.h"
#include "maps/sight.h"
#include "presentation/show.h"

#include <string>
#include <vector>

namespace {

struct ViewCopy {
    std::vector<uint8_t> attrib, work;
    std::vector<uint32_t> shown;   // the part of the map texture the view shows
    ViewCopy() : attrib(maailma_attrib, maailma_attrib + MAP_BYTES), work(maailma_work, maailma_work + MAP_BYTES) {
        std::vector<uint32_t> px((size_t)MAPTEX_SIZE * MAPTEX_SIZE);
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), MAPTEX_SIZE * 4);
        SDL_SetRenderTarget(ren, nullptr);
        for (int y = mapDim.src_top; y < mapDim.src_top + mapDim.height; y++)
            shown.insert(shown.end(), px.begin() + (long)y * MAPTEX_SIZE + mapDim.src_left,
                         px.begin() + (long)y * MAPTEX_SIZE + mapDim.src_left + mapDim.width);
    }
};

// One step by a key, then the view drawn as the game draws it and again over wholly reset layers, from
// the same random numbers (the flames, the water's ripples).
class VillageRedraw : public oxatest::PlayingTest {
protected:
    static void step_and_compare(SDL_Keycode k);
};

void VillageRedraw::step_and_compare(SDL_Keycode k) {
    command({(int)k});
    SCOPED_TRACE(testing::Message() << "after key " << SDL_GetKeyName(k) << " on " << Plr.mapname << ", at " << PlayerX
                                    << "," << PlayerY);
    const std::vector<int32_t> stream(oxa_rand::state, oxa_rand::state + oxa_rand::DEG);
    const int front = oxa_rand::front, rear = oxa_rand::rear;
    DrawMap();
    const ViewCopy drawn;
    std::copy(stream.begin(), stream.end(), oxa_rand::state);
    oxa_rand::front = front;
    oxa_rand::rear = rear;
    view_layers_touched_all();
    DrawMap();
    const ViewCopy whole;
    EXPECT_TRUE(drawn.attrib == whole.attrib);
    EXPECT_TRUE(drawn.work == whole.work);
    EXPECT_TRUE(drawn.shown == whole.shown);
}

TEST_F(VillageRedraw, EveryStepDrawsWhatAWholeResetDraws) {
    ASSERT_EQ(mapDim.scale, 1.0f);
    step_and_compare(SDLK_DOWN);   // on the world map
    ASSERT_NE(walk_into_her_village(), 0);
    for (SDL_Keycode k : {SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, SDLK_LEFT, SDLK_UP, SDLK_UP}) step_and_compare(k);
}

}  // namespace
