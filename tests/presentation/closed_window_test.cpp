// Line inputs and prompts end when the window is closed instead of waiting on a window that is gone.
#include "common/harness.h"
#include "presentation/input.h"
#include "presentation/show.h"

class ClosedWindow : public oxatest::ScreenTest {};

TEST_F(ClosedWindow, LineInputsEndAsEsc) {
    // Keys queued behind the close are never typed into the text.
    oxatest::push_quit();
    oxatest::push_key(SDLK_x);
    oxatest::push_key(SDLK_RETURN);
    moveto(10, 10);
    EXPECT_STREQ(getst(COLOR_WHITE(), 20), "\x1b");
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    oxatest::push_quit();
    oxatest::push_key(SDLK_x);
    oxatest::push_key(SDLK_RETURN);
    EXPECT_STREQ(Master_gettext(10, 10, 20, "abc", RGBAColor_Yellow, RGBAColor_Black), "\x1b");
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    CLOSE_WINDOW = 0;
}
