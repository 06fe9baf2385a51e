// src/presentation/input.cpp -- the key reader: every keyboard, mouse, window, idle-tick and controller
// input becomes one game key code.
#include "presentation/input.h"
#include "presentation/readable.h"

#include "base/ownlib.h"

#include "core/config.h"
#include "core/oxa.h"
#include "presentation/listwidget.h"
#include "base/debuglog.h"
#include "presentation/notes.h"
#include "presentation/oxalistener.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "base/ui.h"
#include "presentation/winpos.h"

#include <atomic>
#include <csignal>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>

char getkeystring[100];
char ControllerMSG[1024];
SDL_Event ownlib_event;
uint16_t modifier = 0;
int scancode = 0;
int ENTERCLICK = 0;
int MOUSE_WINX = 0, MOUSE_WINY = 0, MOUSE_XREL = 0, MOUSE_YREL = 0;
int GETKEY_NUMPADNUMBERS = 0;
int DISABLE_RESIZE = 0, WINX_SAVED = 0, WINY_SAVED = 0, WINW_SAVED = 0, WINH_SAVED = 0;
int CTRL_DOWN = 0;

static int window_closed = 0;      // the last -1 came from the close button
static int controller_pending = 0; // kbhit found a controller message that the next wait hands on

// While nothing arrives the wait sleeps; with the controller on it wakes this often to poll it.
enum { CONTROLLER_POLL_MS = 40, REQUEUE_MAX = 512 };

static int input_window_closed() { return window_closed; }
int EnterClick() { return ENTERCLICK; }
void GetKeyMode_NumpadNumbers(int on) { GETKEY_NUMPADNUMBERS = on; }

static int controller_on() { return OXAINI_CONTROLLER != 0; }

// Takes the next event. A poll stops once at SDL's end-of-pass mark; events queued behind the mark
// are taken too.
static bool poll_event(SDL_Event &e) {
    if (SDL_PollEvent(&e)) return true;
    return SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
}

// The next queued event without taking it; false when none waits.
static bool peek_next(SDL_Event &e) {
    return SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
}

static bool is_keypad_digit(SDL_Keycode sym) { return sym >= SDLK_KP_1 && sym <= SDLK_KP_9; }
static char keypad_digit(SDL_Keycode sym) { return (char)('1' + (sym - SDLK_KP_1)); }

// The letters with diaeresis arrive as two UTF-8 bytes; the game keeps them as one byte of its font.
static int utf8_letter(const char *text) {
    const unsigned char *t = (const unsigned char *)text;
    if (t[0] != 0xC3 || !t[1]) return t[0];
    switch (t[1]) {
    case 0xA4: return 132;
    case 0x84: return 142;
    case 0xB6: return 148;
    case 0x96: return 153;
    default: return 195;
    }
}

static void text_input_by_modifiers(uint16_t mods) {
    if (mods & (KMOD_CTRL | KMOD_LALT))
        SDL_StopTextInput();
    else
        SDL_StartTextInput();
}

// Takes every queued event, lets `keep` decide for the first `first` of them, and puts the kept ones
// back in their order ahead of the rest.
template <typename Keep>
static int requeue(int first, Keep keep) {
    static SDL_Event all[REQUEUE_MAX];
    SDL_PumpEvents();
    int n = SDL_PeepEvents(all, REQUEUE_MAX, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (n < 0) n = 0;
    int dropped = 0;
    for (int i = 0; i < n; i++) {
        if (i < first && !keep(all[i])) {
            dropped++;
            continue;
        }
        SDL_PeepEvents(&all[i], 1, SDL_ADDEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    return dropped;
}

void IgnoreUpcomingText() {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

static void input_clrevents() {
    IgnoreUpcomingText();
    SDL_StopTextInput();
    SDL_StartTextInput();
}

static void input_clr_mouse_wheel_buffer() {
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_MOUSEWHEEL);
}

void IgnoreUpcomingLetter(char c) {
    requeue(10, [c](const SDL_Event &e) { return !(e.type == SDL_TEXTINPUT && e.text.text[0] == c); });
}

void clrmodkeys() {
    SDL_SetModState(KMOD_NONE);
    modifier = 0;
}

static void input_clear_event_memory() {
    clrmodkeys();
    input_clrevents();
}

static int input_clr_key_buffer() {
    SDL_Event seen[10];
    SDL_PumpEvents();
    int n = SDL_PeepEvents(seen, 10, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_TEXTINPUT);
    if (n <= 0) return 0;
    int repeats = 0, presses = 0, releases = 0;
    for (int i = 0; i < n; i++) {
        if (seen[i].type == SDL_KEYDOWN) {
            presses++;
            if (seen[i].key.repeat) repeats++;
        } else if (seen[i].type == SDL_KEYUP) {
            releases++;
        }
    }
    if (repeats) {
        SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
        for (int i = 0; i < n; i++)
            if (!(seen[i].type == SDL_KEYDOWN && seen[i].key.repeat))
                SDL_PeepEvents(&seen[i], 1, SDL_ADDEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
        return repeats;
    }
    if (releases < 2) {
        if (presses >= 3) SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    } else if (presses >= 4) {
        SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
        for (int i = 0; i < 3 && i < n; i++) SDL_PeepEvents(&seen[i], 1, SDL_ADDEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    return 0;
}

void verifymousepos() {
    int wx = 0, wy = 0, W = 0, H = 0;
    SDL_GetMouseState(&wx, &wy);
    if (win) SDL_GetWindowSize(win, &W, &H);
    SDL_Rect vp = {0, 0, 0, 0};
    if (ren) SDL_RenderGetViewport(ren, &vp);
    if (W <= 0 || H <= 0) return;
    MOUSE_X = (int)ceil((double)wx * (2 * vp.x + RESOLUTION_X) / W) - vp.x;
    MOUSE_Y = (int)ceil((double)wy * (2 * vp.y + RESOLUTION_Y) / H) - vp.y;
    if (MOUSE_X < 0) MOUSE_X = 0;
    if (MOUSE_Y < 0) MOUSE_Y = 0;
}

static void input_resize_off() {
    DISABLE_RESIZE = 1;
    if (!win) return;
    SDL_GetWindowSize(win, &WINW_SAVED, &WINH_SAVED);
    SDL_GetWindowPosition(win, &WINX_SAVED, &WINY_SAVED);
}

static void input_resize_on() { DISABLE_RESIZE = 0; }

void AdjustedDelay(uint32_t start, int ms) {
    uint32_t passed = SDL_GetTicks() - start;
    if ((int64_t)passed < ms) oxa_delay(ms - (int)passed);
}

void Xout() {
    IgnoreUpcomingText();
    if (PELIMUSEO_EDIT) return;
    if (XOUT_OK) oxa_quit("");
    CLOSE_WINDOW = 1;
}

// The page flipper shows the screen when a running list uses it or the master flipper is on.
static int flipper_in_use() { return (LIST_MENUACTIVE && LIST_InFlipperMode()) || MASTER_FLIPPER; }

static void redraw_after_window_event() {
    if (flipper_in_use()) {
        MasterRender();
        Flipper();
    } else {
        Flip();
    }
}

static bool geometry_event(uint8_t ev) {
    return ev == SDL_WINDOWEVENT_MOVED || ev == SDL_WINDOWEVENT_RESIZED || ev == SDL_WINDOWEVENT_SIZE_CHANGED ||
           ev == SDL_WINDOWEVENT_MAXIMIZED || ev == SDL_WINDOWEVENT_RESTORED;
}

// Answers -42 when the caller should redraw, 0 when the wait goes on.
static int window_event(const SDL_WindowEvent &w) {
    flip_forget();   // shown, covered or resized: the window is drawn whole again
    if (PELIMUSEO_EDIT && !DISABLE_RESIZE) input_resize_off();
    if (DISABLE_RESIZE) {
        if (w.event == SDL_WINDOWEVENT_SIZE_CHANGED && win) {
            SDL_SetWindowSize(win, WINW_SAVED, WINH_SAVED);
            SDL_SetWindowPosition(win, WINX_SAVED, WINY_SAVED);
        } else if (w.event == SDL_WINDOWEVENT_MOVED) {
            WINX_SAVED = w.data1;
            WINY_SAVED = w.data2;
        }
        redraw_after_window_event();
    }
    if (geometry_event(w.event)) CreateMapMainTexture();
    save_winpos_data();
    if (w.event == SDL_WINDOWEVENT_FOCUS_GAINED || w.event == SDL_WINDOWEVENT_FOCUS_LOST) clrmodkeys();
    if (DISABLE_RESIZE) return 0;
    if (!flipper_in_use()) {
        Flip();
        return 0;
    }
    if (geometry_event(w.event)) return KEY_WINDOW;
    MasterRender();
    Flipper();
    return 0;
}

// Takes one text-input event: its first byte is the raw code.
// Text input stays on: stopping it would throw away the text of keys typed ahead and still queued.
static int take_text(char *text, const SDL_TextInputEvent &t) {
    snprintf(text, sizeof getkeystring, "%s", t.text);
    int code = utf8_letter(text);
    if (code == ',' && (SDL_GetModState() & KMOD_RALT)) {
        text[0] = ';';
        code = ';';
    }
    return code;
}

// A controller text the table does not know goes to the controller's debug log only: network text
// never reaches the note box, where its sound tags, colour marks and "@" would act.
static void log_controller_text(const char *m) {
    char line[100];
    snprintf(line, sizeof line, "unknown key text: %.64s", m);
    debuglog("controller", line);
}

enum Arrival { GOT_EVENT, GOT_CONTROLLER, GOT_NOTHING, GOT_END };

static volatile sig_atomic_t end_asked = 0;
static void (*end_game)() = nullptr;
static std::atomic<int> reader_asleep{0}, display_gone{0};

void input_ask_end() { end_asked = 1; }
void input_on_end(void (*end)()) { end_game = end; }

int input_display_lost() {
    display_gone = 1;
    return reader_asleep.load();
}

// A display that went away while the reader slept: the game goes no further; the thread that found
// the broken connection ends the process.
static void stop_if_display_gone() {
    if (!display_gone.load()) return;
    for (;;) pause();
}

// Runs the ending when one was asked for; it returns only while the ending itself reads a key.
static bool end_wanted() {
    if (!end_asked || !end_game) return false;
    end_game();
    return true;
}

static std::atomic<unsigned> waits_begun{0};
unsigned input_waits_begun() { return waits_begun.load(); }
static std::atomic<unsigned> peeks_unanswered{0};
unsigned input_peeks_unanswered() { return peeks_unanswered.load(); }

// Sleeps until an event arrives; with the controller on, wakes now and then to poll it. With every wait
// switched off (tests) an empty queue answers GOT_NOTHING instead of sleeping for ever.
static Arrival wait_event(SDL_Event &e) {
    for (;;) {
        if (end_asked && end_game) return GOT_END;
        if (poll_event(e)) return GOT_EVENT;
        if (controller_on()) {
            const char *msg = listenMobileController();
            if (msg && msg[0]) {
                snprintf(ControllerMSG, sizeof ControllerMSG, "%.64s", msg);
                return GOT_CONTROLLER;
            }
        }
        if (OXA_NODELAY) return GOT_NOTHING;
        waits_begun++;
        // Sleeps a slice at a time, so that an end asked for is seen however quiet the window is.
        for (;;) {
            if (end_asked && end_game) return GOT_END;
            reader_asleep = 1;
            const int got = SDL_WaitEventTimeout(&e, controller_on() ? (int)CONTROLLER_POLL_MS : (int)END_LOOK_MS);
            reader_asleep = 0;
            stop_if_display_gone();
            if (got) return GOT_EVENT;
            if (controller_on()) break;
        }
    }
}

int key_event(char *text, SDL_Keysym *keysym) {
    MOUSECLICK = 0;
    ENTERCLICK = 0;
    window_closed = 0;
    text[0] = 0;
    text_input_by_modifiers((uint16_t)SDL_GetModState());
    if (controller_pending) {
        controller_pending = 0;
        return KEY_CONTROLLER;
    }
    for (;;) {
        SDL_Event e;
        Arrival got = wait_event(e);
        if (got == GOT_CONTROLLER) return KEY_CONTROLLER;
        if (got == GOT_END) end_game();   // returns only while the ending itself reads
        if (got == GOT_NOTHING || got == GOT_END) {
            textlog_waiting();   // a look at the screen sees it as the player would now
            // Nobody will ever press a key: Esc from a closed window, so that every waiting loop ends,
            // those that stop on Esc and those that stop on the closed window alike.
            CLOSE_WINDOW = 1;
            window_closed = 1;
            memset(keysym, 0, sizeof *keysym);
            keysym->sym = SDLK_ESCAPE;
            keysym->scancode = SDL_SCANCODE_ESCAPE;
            return KEY_ESC;
        }
        ownlib_event = e;
        switch (e.type) {
        case SDL_KEYDOWN: {
            if (e.key.keysym.mod & (KMOD_CTRL | KMOD_LALT)) SDL_StopTextInput();
            SDL_Keycode sym = e.key.keysym.sym;
            if (is_keypad_digit(sym)) {
                char digit = keypad_digit(sym);
                IgnoreUpcomingLetter(digit);
                SDL_Event next;
                if (peek_next(next) && next.type == SDL_TEXTINPUT && next.text.text[0] == digit)
                    poll_event(next);
                *keysym = e.key.keysym;
                return (int)sym;
            }
            SDL_Event next;
            if (peek_next(next) && next.type == SDL_TEXTINPUT) {
                poll_event(next);
                ownlib_event = next;
                memset(keysym, 0, sizeof *keysym);
                return take_text(text, next.text);
            }
            *keysym = e.key.keysym;
            return (int)sym;
        }
        case SDL_TEXTINPUT:
            memset(keysym, 0, sizeof *keysym);
            return take_text(text, e.text);
        case SDL_WINDOWEVENT: {
            int r = window_event(e.window);
            if (r) return r;
            break;
        }
        case SDL_QUIT:
            Xout();
            SDL_StopTextInput();
            window_closed = 1;
            return KEY_QUIT;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
                MOUSECLICK = 1;
                return KEY_ENTER;
            }
            if (e.button.button == SDL_BUTTON_RIGHT) {
                MOUSECLICK = 2;
                MOUSE_X = IS_LOGICALRESIZE() ? e.button.x : winXtogameX(e.button.x);
                MOUSE_Y = IS_LOGICALRESIZE() ? e.button.y : winYtogameY(e.button.y);
                return KEY_RCLICK;
            }
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.xrel == MOUSE_XREL && e.motion.yrel == MOUSE_YREL) break;
            MOUSE_WINX = e.motion.x;
            MOUSE_WINY = e.motion.y;
            // With a logical screen size the renderer already hands us game coordinates.
            MOUSE_X = IS_LOGICALRESIZE() ? e.motion.x : winXtogameX(e.motion.x);
            MOUSE_Y = IS_LOGICALRESIZE() ? e.motion.y : winYtogameY(e.motion.y);
            MOUSE_XREL = e.motion.xrel;
            MOUSE_YREL = e.motion.yrel;
            modifier = 0;
            scancode = 0;
            return KEY_QUIT;
        case SDL_MOUSEWHEEL:
            if (e.wheel.y < 0) {
                MOUSECLICK = 1;
                return KEY_WHEEL_DOWN;
            }
            if (e.wheel.y > 0) {
                MOUSECLICK = 1;
                return KEY_WHEEL_UP;
            }
            break;
        case SDL_USEREVENT:
            return KEY_IDLE;
        default:
            break;
        }
    }
}

// Keys that give a character drain the queue first, so that the text event that would follow is gone.
static int drained(int c) {
    IgnoreUpcomingText();
    return c;
}

static int keypad_code(SDL_Keycode sym, uint16_t mods) {
    static const int directions[9] = {KEY_END,  KEY_DOWN, KEY_PGDN,    // keypad 1 2 3
                                      KEY_LEFT, KEY_PAD5, KEY_RIGHT,   // keypad 4 5 6
                                      KEY_HOME, KEY_UP,   KEY_PGUP};   // keypad 7 8 9
    if (is_keypad_digit(sym)) {
        if (GETKEY_NUMPADNUMBERS) return keypad_digit(sym);
        return directions[sym - SDLK_KP_1];
    }
    switch (sym) {
    case SDLK_KP_0:
        if (GETKEY_NUMPADNUMBERS) return '0';
        if (mods & KMOD_CTRL) return KEY_CTRL_0;
        if (mods & KMOD_NUM) return '0';
        return 0;
    case SDLK_KP_PERIOD: return (mods & KMOD_NUM) ? '.' : 0;
    case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_KP_PLUS: return (mods & KMOD_CTRL) ? KEY_WHEEL_UP : 0;
    case SDLK_KP_MINUS:
        if (mods & KMOD_ALT) return KEY_ALT_MINUS;
        if (mods & KMOD_CTRL) return KEY_WHEEL_DOWN;
        return drained('-');
    case SDLK_KP_DIVIDE: return drained('/');
    case SDLK_KP_MULTIPLY: return drained('*');
    default: return -1;
    }
}

// The code of a key by its symbol; -1 when the table has none.
static int symbol_code(SDL_Keycode sym, uint16_t mods) {
    int k = keypad_code(sym, mods);
    if (k != -1) return k;
    if (sym >= SDLK_F1 && sym <= SDLK_F10) {
        int code = KEY_F1 + (int)(sym - SDLK_F1);
        if (code == KEY_F10) autoConnect(Oxalistener_controllerPort);
        return code;
    }
    switch (sym) {
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_RETURN: return KEY_ENTER;
    case SDLK_ESCAPE: return KEY_ESC;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_DELETE: return KEY_DELETE;
    case SDLK_HOME: return KEY_HOME;
    case SDLK_UP: return KEY_UP;
    case SDLK_PAGEUP: return KEY_PGUP;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_END: return KEY_END;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_PAGEDOWN: return KEY_PGDN;
    case SDLK_MINUS:
        if (mods & KMOD_ALT) return KEY_ALT_MINUS;
        if (mods & KMOD_CTRL) return KEY_WHEEL_DOWN;
        return drained('-');
    case SDLK_PLUS:
    case SDLK_EQUALS:
        if (mods & KMOD_CTRL) return KEY_WHEEL_UP;
        return sym == SDLK_PLUS ? '+' : '=';
    case SDLK_0: return (mods & KMOD_CTRL) ? KEY_CTRL_0 : drained('0');
    case SDLK_COMMA: return (mods & (KMOD_SHIFT | KMOD_RALT)) ? drained(';') : drained(',');
    case SDLK_SEMICOLON: return (mods & KMOD_SHIFT) ? ':' : ';';
    case SDLK_SLASH: return drained('/');
    case SDLK_ASTERISK: return drained('*');
    case SDLK_SPACE: return drained(' ');
    case SDLK_QUESTION: return drained('?');
    case SDLK_BACKSLASH: return drained('\\');
    case SDLK_INSERT:
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCKCLEAR:
    case SDLK_F11:
    case SDLK_F12: return 0;
    default: return -1;
    }
}

int processed_keysym(const char *text, const SDL_Keysym *keysym) {
    static const SDL_Keysym none = {};
    const SDL_Keysym &ks = keysym ? *keysym : none;
    CTRL_DOWN = 0;
    modifier = ks.mod;
    scancode = (int)ks.scancode;
    SDL_Keycode sym = ks.sym;
    uint16_t mods = ks.mod;
    bool left_alt = (mods & KMOD_LALT) || ((mods & KMOD_RALT) && OXAINI_RIGHTALT);

    if (ks.scancode == SDL_SCANCODE_SPACE) return drained(KEY_SPACE);
    if ((mods & KMOD_CTRL) && sym == SDLK_s) return KEY_CTRL_S;
    if (left_alt && sym >= SDLK_a && sym <= SDLK_z) return KEY_ALT_A + (int)(sym - SDLK_a);
    if (text && text[0]) return utf8_letter(text);
    if (ks.scancode == SDL_SCANCODE_DELETE) return KEY_DELETE;
    int code = symbol_code(sym, mods);
    if (code != -1) return code;
    if ((mods & KMOD_LALT) && sym > 0 && sym < 256) return toupper((int)sym);
    return 0;
}

int processed_controller_keysym() {
    struct Named { const char *msg; int code; };
    static const Named named[] = {
        {"[UP]", KEY_UP},       {"[DOWN]", KEY_DOWN},     {"[LEFT]", KEY_LEFT},     {"[RIGHT]", KEY_RIGHT},
        {"[ENTER]", KEY_ENTER}, {"[SPACE]", KEY_SPACE},   {"[TAB]", KEY_TAB},       {"[ESC]", KEY_ESC},
        {"[F1]", KEY_F1},       {"[F2]", KEY_F2},         {"[F3]", KEY_F3},         {"[F4]", KEY_F4},
        {"[F5]", KEY_F5},       {"[F6]", KEY_F6},         {"[F7]", KEY_F7},         {"[F8]", KEY_F8},
        {"[F9]", KEY_F9},       {"[CTRL][-]", KEY_WHEEL_DOWN}, {"[CTRL][+]", KEY_WHEEL_UP},
        {"[ALT][-]", KEY_ALT_MINUS},
    };
    const char *m = ControllerMSG;
    if (m[0] == '[' && m[1] && m[2] == ']') return (unsigned char)m[1];
    for (const Named &n : named)
        if (!strcmp(m, n.msg)) return n.code;
    if (!strncmp(m, "[ALT][", 6) && m[6] >= 'a' && m[6] <= 'z' && m[7] == ']' && !m[8]) return KEY_ALT_A + (m[6] - 'a');
    if (m[0]) log_controller_text(m);
    return 0;
}

static bool last_read_idle = false;   // the last event the key reader answered was an idle tick

int input_last_read_idle() { return last_read_idle ? 1 : 0; }

static int input_getkey() {
    SDL_Keysym keysym;
    memset(&keysym, 0, sizeof keysym);
    int raw = key_event(getkeystring, &keysym);
    flip_idle(raw == KEY_IDLE);
    last_read_idle = raw == KEY_IDLE;
    switch (raw) {
    case KEY_CONTROLLER: return processed_controller_keysym();
    case KEY_IDLE:
    case KEY_WINDOW: return raw;
    case KEY_QUIT:
        input_clrevents();
        return KEY_QUIT;
    case KEY_ENTER:
    case KEY_RCLICK: return raw;
    default: break;
    }
    if ((raw == KEY_WHEEL_UP || raw == KEY_WHEEL_DOWN) && MOUSECLICK) {
        MOUSECLICK = 0;
        return raw;
    }
    return processed_keysym(getkeystring, &keysym);
}

static int input_getkeypress() {
    Flip();
    input_clrevents();
    for (;;) {
        int k = input_getkey();
        if (k >= 1) return k;
        if (k == KEY_QUIT && input_window_closed()) return KEY_QUIT;
    }
}

static int input_kbhit() {
    if (end_wanted()) return 1;
    SDL_PumpEvents();
    if (controller_pending) return 1;
    static const Uint32 types[] = {SDL_KEYDOWN, SDL_TEXTINPUT, SDL_MOUSEBUTTONDOWN, SDL_QUIT};
    for (Uint32 t : types)
        if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, t, t) > 0) return 1;
    if (controller_on()) {
        const char *msg = listenMobileController();
        if (msg && msg[0]) {
            snprintf(ControllerMSG, sizeof ControllerMSG, "%.64s", msg);
            controller_pending = 1;
            return 1;
        }
    }
    peeks_unanswered++;
    return 0;
}

static int input_kb_hit() {
    MOUSECLICK = 0;
    ENTERCLICK = 0;
    if (end_wanted()) return SDLK_ESCAPE;
    SDL_StartTextInput();
    if (controller_on()) {
        const char *msg = listenMobileController();
        if (msg && msg[0]) {
            if (!strcmp(msg, "[ESC]")) {
                SDL_Event esc{};
                esc.type = SDL_KEYDOWN;
                esc.key.state = SDL_PRESSED;
                esc.key.keysym.sym = SDLK_ESCAPE;
                esc.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
                SDL_PushEvent(&esc);
            } else {
                snprintf(ControllerMSG, sizeof ControllerMSG, "%.64s", msg);
                return 1;
            }
        }
    }
    SDL_Event e;
    if (!poll_event(e)) {
        peeks_unanswered++;
        return 0;
    }
    ownlib_event = e;
    if (e.type == SDL_KEYDOWN) {
        modifier = e.key.keysym.mod;
        scancode = (int)e.key.keysym.scancode;
        IgnoreUpcomingText();
        return (int)e.key.keysym.sym;
    }
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        MOUSECLICK = 1;
        return 1;
    }
    return 0;
}

static int input_key_modifiers() {
    const bool shift = MOUSECLICK ? (SDL_GetModState() & KMOD_SHIFT) != 0
                                  : ownlib_event.type == SDL_KEYDOWN && (ownlib_event.key.keysym.mod & KMOD_SHIFT);
    return (shift ? UI_MOD_SHIFT : 0) | ((modifier & KMOD_CTRL) ? UI_MOD_CTRL : 0);
}

void screen_ui_keys(UiChoices &t) {
    t.getkey = input_getkey;
    t.getkeypress = input_getkeypress;
    t.kbhit = input_kbhit;
    t.kb_hit = input_kb_hit;
    t.clear_event_memory = input_clear_event_memory;
    t.clrevents = input_clrevents;
    t.clr_key_buffer = input_clr_key_buffer;
    t.clr_mouse_wheel_buffer = input_clr_mouse_wheel_buffer;
    t.window_closed = input_window_closed;
    t.resize_off = input_resize_off;
    t.resize_on = input_resize_on;
    t.key_modifiers = input_key_modifiers;
}
