// tests/presentation/idle_play_test.cpp -- Aino idling on her field: the idle ticks read through the
// turn loop redraw her map over itself, and the map, the composed map, the window and the random
// stream come out as the whole drawing of the same tick leaves them.
#include "common/map_pixels.h"
#include "core/loader_fixture.h"
#include "core/player.h"
#include "maps/mapdraw.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

using oxatest::RandomStream;
using oxatest::texture_pixels;
using oxatest::window_pixels;

class AinoIdles : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        // Her map drawn with the game's pictures, as the game draws it.
        ASSERT_EQ(symlink(oxatest::asset_path("truetile").c_str(), (dir->path() + "/truetile").c_str()), 0);
        NewGfx_loadtiledata();
    }
    void TearDown() override {
        flip_idle(0);
        NewGfx_freetiledata();
        PlayingTest::TearDown();
    }
};

TEST_F(AinoIdles, IdleTicksOnHerFieldShowWhatWholeDrawingsShow) {
    command({SDLK_RETURN});               // zoomed onto her own field
    command({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_FALSE(bigmap());
    idle_tick();
    ASSERT_TRUE(VIEW_ANIMATES) << "her field has something that moves";
    int in_part = 0;
    for (int tick = 0; tick < 6; tick++) {
        SCOPED_TRACE(tick);
        const RandomStream before;
        idle_tick();                      // drawn over the last tick's drawing
        in_part += map_list_drawn(nullptr) == 1;   // her fire's flames drawn anew, the rest left
        const std::vector<uint32_t> main = texture_pixels(MapMainTexture), composed = texture_pixels(MapMainFinalTexture);
        const std::vector<uint8_t> shown = window_pixels();
        const RandomStream after;
        before.back();
        map_list_forget();
        flip_idle(0);
        idle_tick();                      // the same tick drawn whole
        EXPECT_TRUE(main == texture_pixels(MapMainTexture));
        EXPECT_TRUE(composed == texture_pixels(MapMainFinalTexture));
        EXPECT_TRUE(shown == window_pixels());
        EXPECT_TRUE(after == RandomStream());
    }
    EXPECT_GT(in_part, 0);
}

}  // namespace
