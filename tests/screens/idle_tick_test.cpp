// The command reader's idle tick: it wakes the reader only while the map shows something that moves
// and the animation is switched on; a still map leaves the reader asleep until the key comes, and no
// other reader ever gets a tick.
#include "common/harness.h"

#include "base/ui.h"
#include "core/config.h"
#include "core/oxa.h"
#include "screens/program.h"

#include <SDL2/SDL.h>

namespace oxatest {
namespace {

class IdleTick : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        animates = VIEW_ANIMATES;
        setting = IDLE_ANIMATION;
    }
    void TearDown() override {
        VIEW_ANIMATES = animates;
        IDLE_ANIMATION = setting;
        OXA_NODELAY = 1;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        ScreenTest::TearDown();
    }
    // An 'x' typed `ms` after the call starts; the timer is gone when the call returns.
    template <typename Fn>
    static int with_key_after(Uint32 ms, Fn fn) {
        SDL_TimerID t = SDL_AddTimer(ms, [](Uint32, void *) -> Uint32 { push_key(SDLK_x); return 0; }, nullptr);
        const int key = fn();
        SDL_RemoveTimer(t);
        return key;
    }
    int animates = 0, setting = 1;
};

TEST_F(IdleTick, TicksOnlyWhileTheMapMovesAndTheAnimationIsOn) {
    struct Case { int animates, setting; bool ticks; };
    const Case cases[] = {{1, 1, true}, {0, 1, false}, {1, 0, false}, {0, 0, false}};
    for (const Case &c : cases) {
        VIEW_ANIMATES = c.animates;
        IDLE_ANIMATION = c.setting;
        OXA_NODELAY = 0;
        int ctrl = 0, ahead = 0;
        const Uint32 t0 = SDL_GetTicks();
        const int key = with_key_after(800, [&] { return command_key_screen(&ctrl, &ahead); });
        const Uint32 took = SDL_GetTicks() - t0;
        SCOPED_TRACE(testing::Message() << "animates " << c.animates << " setting " << c.setting);
        if (c.ticks) {
            EXPECT_EQ(key, KEY_IDLE);
            EXPECT_GE(took, 300u);
            EXPECT_LT(took, 800u);
        } else {
            EXPECT_EQ(key, 'x');
        }
        // Any other reader after it sleeps until its key: the tick ended with the command reader.
        SDL_Delay(850);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        EXPECT_EQ(with_key_after(150, [] { return getkey(); }), 'x');
    }
    // Every wait off (the tests' own games): never a tick, so that a test never waits on a timer.
    VIEW_ANIMATES = 1;
    IDLE_ANIMATION = 1;
    OXA_NODELAY = 1;
    push_key(SDLK_x);
    int ctrl = 0, ahead = 0;
    EXPECT_NE(command_key_screen(&ctrl, &ahead), KEY_IDLE);
}

}  // namespace
}  // namespace oxatest
