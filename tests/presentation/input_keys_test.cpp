// The key reader: pushed SDL events come out as the game's key codes.
#include "common/harness.h"
#include "common/keys.h"
#include "core/config.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <cstring>

using oxatest::push_key;
using oxatest::push_text;

namespace {

class KeyInput : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        CLOSE_WINDOW = 0;
        XOUT_OK = 0;
        GETKEY_NUMPADNUMBERS = 0;
        OXAINI_RIGHTALT = 0;
        OXAINI_CONTROLLER = 0;
        MASTER_FLIPPER = 0;
        SDL_SetModState(KMOD_NONE);
    }
    void TearDown() override {
        SDL_SetModState(KMOD_NONE);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        ScreenTest::TearDown();
    }
};

// A key press alone, with no text event behind it (as with Ctrl or Alt held, or a key that types nothing).
void push_bare_key(SDL_Keycode key, uint16_t mod = 0) {
    SDL_Event e = oxatest::key_press(key, mod);
    SDL_PushEvent(&e);
}

void push_event(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    SDL_PushEvent(&e);
}

void push_wheel(int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = y;
    SDL_PushEvent(&e);
}

void push_button(Uint8 button) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = button;
    e.button.state = SDL_PRESSED;
    SDL_PushEvent(&e);
}

void push_motion(int x, int y, int xrel, int yrel) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    e.motion.xrel = xrel;
    e.motion.yrel = yrel;
    SDL_PushEvent(&e);
}

void push_window(Uint8 what, int d1 = 0, int d2 = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    e.window.windowID = SDL_GetWindowID(win);
    e.window.data1 = d1;
    e.window.data2 = d2;
    SDL_PushEvent(&e);
}

struct KeyCase {
    SDL_Keycode key;
    uint16_t mod;
    int code;
};

TEST_F(KeyInput, KeysGiveTheirGameCodes) {
    const KeyCase cases[] = {
        {SDLK_a, 0, 'a'}, {SDLK_RETURN, 0, KEY_ENTER}, {SDLK_KP_ENTER, 0, KEY_ENTER},
        {SDLK_ESCAPE, 0, KEY_ESC}, {SDLK_BACKSPACE, 0, KEY_BACKSPACE}, {SDLK_TAB, 0, KEY_TAB},
        {SDLK_F1, 0, KEY_F1}, {SDLK_F9, 0, KEY_F9}, {SDLK_F10, 0, KEY_F10},
        {SDLK_HOME, 0, KEY_HOME}, {SDLK_UP, 0, KEY_UP}, {SDLK_PAGEUP, 0, KEY_PGUP},
        {SDLK_LEFT, 0, KEY_LEFT}, {SDLK_RIGHT, 0, KEY_RIGHT}, {SDLK_END, 0, KEY_END},
        {SDLK_DOWN, 0, KEY_DOWN}, {SDLK_PAGEDOWN, 0, KEY_PGDN}, {SDLK_DELETE, 0, KEY_DELETE},
        {SDLK_s, KMOD_LCTRL, KEY_CTRL_S}, {SDLK_a, KMOD_LCTRL, 0}, {SDLK_a, KMOD_LALT, KEY_ALT_A},
        {SDLK_z, KMOD_LALT, KEY_ALT_Z}, {SDLK_a, KMOD_RALT, 0}, {SDLK_MINUS, KMOD_LALT, KEY_ALT_MINUS},
        {SDLK_MINUS, KMOD_RCTRL, KEY_WHEEL_DOWN}, {SDLK_EQUALS, KMOD_LCTRL, KEY_WHEEL_UP},
        {SDLK_0, KMOD_LCTRL, KEY_CTRL_0},
        {SDLK_KP_PLUS, 0, 0}, {SDLK_KP_PLUS, KMOD_LCTRL, KEY_WHEEL_UP}, {SDLK_SEMICOLON, KMOD_LSHIFT, ':'},
        {SDLK_COMMA, KMOD_LSHIFT, ';'}, {SDLK_INSERT, 0, 0}, {SDLK_F11, 0, 0},
        {SDLK_KP_5, 0, KEY_PAD5}, {SDLK_KP_7, 0, KEY_HOME}, {SDLK_KP_3, 0, KEY_PGDN},
        {SDLK_KP_0, 0, 0}, {SDLK_KP_0, KMOD_NUM, '0'}, {SDLK_KP_0, KMOD_LCTRL, KEY_CTRL_0},
        {SDLK_KP_PERIOD, 0, 0}, {SDLK_KP_PERIOD, KMOD_NUM, '.'},
    };
    for (const KeyCase &c : cases) {
        if (c.key == SDLK_a && c.mod == 0)
            push_key(c.key);
        else
            push_bare_key(c.key, c.mod);
        EXPECT_EQ(getkey(), c.code) << SDL_GetKeyName(c.key) << " mod " << c.mod;
    }
}

TEST_F(KeyInput, RightAltActsAsLeftAltOnlyWhenTheSettingSaysSo) {
    push_bare_key(SDLK_c, KMOD_RALT);
    EXPECT_EQ(getkey(), 0);
    OXAINI_RIGHTALT = 1;
    push_bare_key(SDLK_c, KMOD_RALT);
    EXPECT_EQ(getkey(), KEY_ALT_A + 2);
}

TEST_F(KeyInput, TypedTextGivesItsCharacterAndTheGameLetters) {
    const struct {
        const char *text;
        int code;
    } cases[] = {{"q", 'q'}, {"Q", 'Q'}, {" ", KEY_SPACE}, {"\xC3\xA4", 132}, {"\xC3\x84", 142}, {"\xC3\xB6", 148},
                 {"\xC3\x96", 153}, {"\xC3\xA9", 195}, {"?", '?'}};
    for (const auto &c : cases) {
        push_text(c.text);
        EXPECT_EQ(getkey(), c.code) << c.text;
    }
}

TEST_F(KeyInput, CommaTypedWithRightAltIsASemicolon) {
    SDL_SetModState(KMOD_RALT);
    push_text(",");
    EXPECT_EQ(getkey(), ';');
    SDL_SetModState(KMOD_NONE);
    push_text(",");
    EXPECT_EQ(getkey(), ',');
}

TEST_F(KeyInput, KeyPressFollowedByItsTextCountsOnce) {
    push_key(SDLK_b);
    push_key(SDLK_SPACE);
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(getkey(), 'b');
    EXPECT_EQ(getkey(), KEY_SPACE);
    EXPECT_EQ(getkey(), KEY_ESC);
}

TEST_F(KeyInput, KeypadDigitsAreDirectionsOrDigitsWithoutAnExtraCharacter) {
    push_bare_key(SDLK_KP_8);
    push_text("8");
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(getkey(), KEY_UP);
    EXPECT_EQ(getkey(), KEY_ESC);

    GetKeyMode_NumpadNumbers(1);
    push_bare_key(SDLK_KP_8);
    push_text("8");
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(getkey(), '8');
    EXPECT_EQ(getkey(), KEY_ESC);
    push_bare_key(SDLK_KP_0);
    EXPECT_EQ(getkey(), '0');
    GetKeyMode_NumpadNumbers(0);
}

TEST_F(KeyInput, MouseWheelAndClicks) {
    push_wheel(1);
    EXPECT_EQ(getkey(), KEY_WHEEL_UP);
    EXPECT_EQ(MouseClick(), 0);
    push_wheel(-2);
    EXPECT_EQ(getkey(), KEY_WHEEL_DOWN);
    EXPECT_EQ(MouseClick(), 0);

    push_button(SDL_BUTTON_MIDDLE);  // ignored
    push_button(SDL_BUTTON_RIGHT);   // the item lists' own menus
    EXPECT_EQ(getkey(), KEY_RCLICK);
    EXPECT_EQ(MouseClick(), 2);
    push_button(SDL_BUTTON_LEFT);
    EXPECT_EQ(getkey(), KEY_ENTER);
    EXPECT_EQ(MouseClick(), 1);

    push_key(SDLK_RETURN);
    EXPECT_EQ(getkey(), KEY_ENTER);
    EXPECT_EQ(MouseClick(), 0);
}

TEST_F(KeyInput, MouseMotionStoresThePositionAndRepeatsAreIgnored) {
    push_motion(120, 340, 3, 4);
    EXPECT_EQ(getkey(), KEY_QUIT);
    EXPECT_EQ(WindowClosed(), 0);
    EXPECT_EQ(CLOSE_WINDOW, 0);
    EXPECT_EQ(MOUSE_WINX, 120);
    EXPECT_EQ(MOUSE_WINY, 340);
    EXPECT_EQ(MOUSE_X, winXtogameX(120));
    EXPECT_EQ(MOUSE_Y, winYtogameY(340));

    push_motion(125, 344, 3, 4);   // the same relative motion again
    push_key(SDLK_x);
    EXPECT_EQ(getkey(), 'x');
    EXPECT_EQ(MOUSE_WINX, 120);
}

TEST_F(KeyInput, IdleTickClosingAndWindowEvents) {
    push_event(SDL_USEREVENT);
    EXPECT_EQ(getkey(), KEY_IDLE);

    // Without the page flipper a window event only redraws; the wait goes on.
    push_window(SDL_WINDOWEVENT_EXPOSED);
    push_key(SDLK_k);
    EXPECT_EQ(getkey(), 'k');

    MASTER_FLIPPER = 1;
    push_window(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600);
    EXPECT_EQ(getkey(), KEY_WINDOW);
    MASTER_FLIPPER = 0;

    push_event(SDL_QUIT);
    push_key(SDLK_a);              // drained with the rest of the queue
    EXPECT_EQ(getkey(), KEY_QUIT);
    EXPECT_EQ(CLOSE_WINDOW, 1);
    EXPECT_EQ(WindowClosed(), 1);
    push_key(SDLK_b);
    EXPECT_EQ(getkey(), 'b');
    EXPECT_EQ(WindowClosed(), 0);
}

TEST_F(KeyInput, ResizeLockHoldsTheWindowRectangle) {
    RESIZE_off();
    EXPECT_EQ(DISABLE_RESIZE, 1);
    int w = WINW_SAVED, h = WINH_SAVED;
    push_window(SDL_WINDOWEVENT_MOVED, 33, 44);
    push_key(SDLK_m);
    EXPECT_EQ(getkey(), 'm');
    EXPECT_EQ(WINX_SAVED, 33);
    EXPECT_EQ(WINY_SAVED, 44);
    EXPECT_EQ(WINW_SAVED, w);
    EXPECT_EQ(WINH_SAVED, h);
    RESIZE_on();
    EXPECT_EQ(DISABLE_RESIZE, 0);
}

TEST_F(KeyInput, AnEmptyQueueWithWaitsOffAnswersAsAClosedWindow) {
    EXPECT_EQ(getkey(), KEY_ESC);
    EXPECT_EQ(WindowClosed(), 1);
    EXPECT_EQ(CLOSE_WINDOW, 1);
}

// The waiting reader sleeps in SDL's wait and still wakes for the idle tick of a timer thread.
static Uint32 push_tick(Uint32, void *) {
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    SDL_PushEvent(&e);
    return 0;
}

TEST_F(KeyInput, TheSleepingReaderWakesForTheIdleTick) {
    OXA_NODELAY = 0;
    SDL_TimerID t = SDL_AddTimer(30, push_tick, nullptr);
    int k = getkey();
    OXA_NODELAY = 1;
    SDL_RemoveTimer(t);
    EXPECT_EQ(k, -2);
}

TEST_F(KeyInput, ControllerMessagesBecomeKeyCodes) {
    const struct {
        const char *msg;
        int code;
    } cases[] = {{"[q]", 'q'}, {"[UP]", KEY_UP}, {"[DOWN]", KEY_DOWN}, {"[LEFT]", KEY_LEFT},
                 {"[RIGHT]", KEY_RIGHT}, {"[ENTER]", KEY_ENTER}, {"[SPACE]", KEY_SPACE}, {"[TAB]", KEY_TAB},
                 {"[ESC]", KEY_ESC}, {"[F1]", KEY_F1}, {"[F9]", KEY_F9}, {"[ALT][a]", KEY_ALT_A},
                 {"[ALT][z]", KEY_ALT_Z}, {"[CTRL][-]", KEY_WHEEL_DOWN}, {"[CTRL][+]", KEY_WHEEL_UP},
                 {"[ALT][-]", KEY_ALT_MINUS}, {"[HELLO]", 0}, {"hello", 0}, {"", 0}, {"[ALT][A]", 0}};
    for (const auto &c : cases) {
        snprintf(ControllerMSG, sizeof ControllerMSG, "%s", c.msg);
        EXPECT_EQ(processed_controller_keysym(), c.code) << c.msg;
    }
}

TEST_F(KeyInput, KbhitPeeksAndKbHitTakes) {
    EXPECT_EQ(kbhit(), 0);
    push_key(SDLK_r);
    EXPECT_EQ(kbhit(), 1);
    EXPECT_EQ(getkey(), 'r');

    push_bare_key(SDLK_F5, KMOD_LSHIFT);
    push_key(SDLK_t);              // flushed by kb_hit
    EXPECT_EQ(kb_hit(), (int)SDLK_F5);
    EXPECT_EQ(modifier, KMOD_LSHIFT);
    EXPECT_EQ(kbhit(), 0);
    push_button(SDL_BUTTON_LEFT);
    EXPECT_EQ(kb_hit(), 1);
    EXPECT_EQ(MOUSECLICK, 1);
}

// Pushes its keys again every 30 ms until removed: on a busy machine the first push may come
// before the queue is cleared, and the waiting reader must still get its key.
static Uint32 push_tick_insert_g(Uint32 interval, void *) {
    push_tick(0, nullptr);
    push_bare_key(SDLK_INSERT);
    push_key(SDLK_g);
    return interval;
}

TEST_F(KeyInput, GetkeypressClearsTheQueueAndSkipsCodesBelowOne) {
    push_key(SDLK_f);              // queued before the call: cleared
    OXA_NODELAY = 0;
    SDL_TimerID t = SDL_AddTimer(30, push_tick_insert_g, nullptr);
    int k = getkeypress();
    OXA_NODELAY = 1;
    SDL_RemoveTimer(t);
    SDL_Delay(100);                // a push already under way has landed before the next clear
    EXPECT_EQ(k, 'g');
    EXPECT_EQ(getkeypress(), KEY_ESC);  // nothing more comes: Esc from a closed window
    EXPECT_EQ(WindowClosed(), 1);
}

TEST_F(KeyInput, KeyRepeatIsTrimmed) {
    for (int i = 0; i < 3; i++) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_DOWN;
        e.key.repeat = 1;
        SDL_PushEvent(&e);
    }
    push_bare_key(SDLK_UP);
    EXPECT_EQ(ClrKeyBuffer(), 3);
    EXPECT_EQ(getkey(), KEY_UP);
    EXPECT_EQ(kbhit(), 0);

    // Three fresh presses with no releases between them are dropped as a burst.
    push_bare_key(SDLK_UP);
    push_bare_key(SDLK_UP);
    push_bare_key(SDLK_UP);
    EXPECT_EQ(ClrKeyBuffer(), 0);
    EXPECT_EQ(kbhit(), 0);
}

TEST_F(KeyInput, IgnoreUpcomingLetterKeepsOtherEventsInOrder) {
    push_text("x");
    push_text("y");
    push_text("x");
    push_text("z");
    IgnoreUpcomingLetter('x');
    EXPECT_EQ(getkey(), 'y');
    EXPECT_EQ(getkey(), 'z');
}

}  // namespace
