// The ends that come from outside: the signals that ask the game to end, and a lost display.
#include "screens/ending.h"

#include "base/savecommit.h"
#include "core/config.h"
#include "game/loader.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "screens/quit.h"

#include <SDL2/SDL.h>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <initializer_list>
#include <unistd.h>

static std::atomic<int> in_play{0};

void ending_in_play(int on) { in_play = on; }

// A character whose game goes on: not while loading, not once she is dead or has left, never in the
// museum, which saves nothing.
static bool character_to_save() { return in_play.load() && REAL_QUIT != -1 && !PELIMUSEO_EDIT; }

static void on_signal(int) { input_ask_end(); }

// Run by the key reader that saw the signal. The save may ask for a key (a failed write waits for
// one): that read comes back here and returns at once, and the reader answers it as a closed window.
static void end_asked() {
    static bool ending = false;
    if (ending) return;
    ending = true;
    // A key wait inside an open save: its files are not all written, and a save begun here would only
    // join it, never commit. It is given up, the folder as the last save left it, and the end fails.
    if (save_running()) {
        while (save_running()) save_discard();
        oxa_quit("The game was ended inside a save; it was given up, and the last save is kept.");
    }
    if (character_to_save() && !Save(0))
        oxa_quit("Your character couldn't be saved as the game was ended; the last save is kept.");
    oxa_quit("");
}

void ending_install() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
    input_on_end(end_asked);
}

// ---- the lost display ------------------------------------------------------------------------------

static void say(const char *text) {
    if (write(2, text, strlen(text)) < 0) return;
}

// Whatever thread found the display gone or refusing the window, the screen is forgotten (the rules
// draw nothing from here on), and the save runs only when the key reader slept, the game standing
// still: it never wakes after this. It never returns.
static int display_ended(const char *last_save_kept, const char *saved) {
    static std::atomic_flag once = ATOMIC_FLAG_INIT;
    if (once.test_and_set()) {
        for (;;) pause();   // the first thread to find the break ends the process
    }
    const int still = input_display_lost();
    ui_use_null_screen();
    int status = 0;
    if (character_to_save()) status = still && Save(0) ? 0 : 1;
    say(status ? last_save_kept : saved);
    _exit(status);
}

// Xlib's handler for a broken connection; it must not return.
static int display_lost(void *) {
    return display_ended("The display was lost; the game ended with its last save.\n",
                         "The display was lost; the game ended.\n");
}

// Xlib's handler for an error the display answered, whose own handler ends the program with nothing
// saved: a window destroyed from outside (a crashing compositor, xkill) leaves nothing to play in, and
// the game ends as when the display is lost.
static int display_refused(void *, void *) {
    return display_ended("The game's window was taken away; the game ended with its last save.\n",
                         "The game's window was taken away; the game ended.\n");
}

void ending_watch_display() {
    const char *driver = SDL_GetCurrentVideoDriver();
    if (!driver || strcmp(driver, "x11") != 0) return;
    // SDL opened the display through the system's Xlib; the same library takes the handler.
    void *xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (!xlib) return;
    typedef int (*IOHandler)(void *);
    typedef IOHandler (*SetIOHandler)(IOHandler);
    SetIOHandler set = (SetIOHandler)dlsym(xlib, "XSetIOErrorHandler");
    if (set) set(display_lost);
    typedef int (*ErrorHandler)(void *, void *);
    typedef ErrorHandler (*SetErrorHandler)(ErrorHandler);
    SetErrorHandler set_error = (SetErrorHandler)dlsym(xlib, "XSetErrorHandler");
    if (set_error) set_error(display_refused);
}
