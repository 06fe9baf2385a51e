// tests/presentation/idle_play_test.cpp -- Aino idling on her field: the idle ticks read through the
// turn loop redraw her map over itself, and the map, the composed map, the window and the random
// stream come out as the whole drawing of the same tick leaves them.
#include "core/loader_fixture.h"
#include "maps/mapdraw.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint32_t> texture(SDL_Texture *t) {
    std::vector<uint32_t> px((size_t)MAPTEX_SIZE * MAPTEX_SIZE);
    SDL_SetRenderTarget(ren, t);
    SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), MAPTEX_SIZE * 4);
    SDL_SetRenderTarget(ren, nullptr);
    return px;
}

std::vector<uint8_t> window() {
    SDL_RenderFlush(ren);
    SDL_Surface *w = SDL_GetWindowSurface(win);
    const uint8_t *p = w ? (const uint8_t *)w->pixels : nullptr;
    return p ? std::vector<uint8_t>(p, p + (size_t)w->pitch * (size_t)w->h) : std::vector<uint8_t>();
}

struct Stream {
    int32_t state[oxa_rand::DEG];
    int front, rear;
    Stream() {
        memcpy(state, oxa_rand::state, sizeof state);
        front = oxa_rand::front;
        rear = oxa_rand::rear;
    }
    void back() const {
        memcpy(oxa_rand::state, state, sizeof state);
        oxa_rand::front = front;
        oxa_rand::rear = rear;
    }
    bool operator==(const Stream &o) const {
        return !memcmp(state, o.state, sizeof state) && front == o.front && rear == o.rear;
    }
};

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
    // One tick of the idle timer, read by the command reader as the turn loop reads it.
    static void idle_tick() {
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        SDL_PushEvent(&e);
        int r;
        ASSERT_EQ(turn_pass(&r), 1);
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
        const Stream before;
        idle_tick();                      // drawn over the last tick's drawing
        in_part += map_list_drawn(nullptr) == 1;   // her fire's flames drawn anew, the rest left
        const std::vector<uint32_t> main = texture(MapMainTexture), composed = texture(MapMainFinalTexture);
        const std::vector<uint8_t> shown = window();
        const Stream after;
        before.back();
        map_list_forget();
        flip_idle(0);
        idle_tick();                      // the same tick drawn whole
        EXPECT_TRUE(main == texture(MapMainTexture));
        EXPECT_TRUE(composed == texture(MapMainFinalTexture));
        EXPECT_TRUE(shown == window());
        EXPECT_TRUE(after == Stream());
    }
    EXPECT_GT(in_part, 0);
}

}  // namespace
