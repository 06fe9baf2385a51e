// tests/presentation/input_feeder.h -- types keys one at a time, as a player does.
// The list widget trims key bursts (three or more presses waiting at once), so a test that pushed a
// whole sequence up front would lose it. The feeder pushes the first key at once and each next key only
// when the previous one was taken and the reader has gone back to sleep waiting for the next event
// (waits switched on): a key pushed while the game is still busy could be swallowed by a flush the game
// makes before it reads again (the turn loop drops pending events once a new map is loaded), and a
// busy machine made that happen now and then. A reader that only peeks at the queue without sleeping
// gets the next key once the queue has stood empty for a while as it kept looking. A game busy with the
// last key (neither sleeping nor looking) is never given the next one, however long a loaded machine
// keeps it working: the typist goes by what the reader does, never by the clock alone. When its keys are
// used up and the reader has waited for more, it closes the window so that no test can hang. A closed
// window has nobody behind it: a reader that waits again after the close (the quit question the close
// asked) finds the window closed again.
#pragma once
#include <initializer_list>
#include "common/keys.h"
#include "common/reader_looks.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <cstdint>
#include <cstdio>
#include <SDL2/SDL.h>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace oxatest {

class KeyFeeder {
public:
    KeyFeeder &key(SDL_Keycode k, uint16_t mod = 0) {
        std::vector<SDL_Event> group;
        group.push_back(key_press(k, mod));
        if (k >= 32 && k < 127 && !(mod & (KMOD_CTRL | KMOD_ALT))) {
            SDL_Event text{};
            text.type = SDL_TEXTINPUT;
            text.text.text[0] = (char)k;
            group.push_back(text);
        }
        group.push_back(key_release(k, mod));
        groups_.push_back(group);
        return *this;
    }
    KeyFeeder &keys(std::initializer_list<SDL_Keycode> ks) {
        for (SDL_Keycode k : ks) key(k);
        return *this;
    }
    KeyFeeder &text(const char *t) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        snprintf(e.text.text, sizeof e.text.text, "%s", t);
        groups_.push_back({e});
        return *this;
    }

    // Keys as a player types them: a capital letter or a digit as its text, as Shift gives it (the make
    // menus read text), any other as a key.
    KeyFeeder &typed_keys(std::initializer_list<int> ks) {
        for (int k : ks) {
            if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')) {
                const char t[2] = {(char)k, 0};
                text(t);
            } else {
                key((SDL_Keycode)k);
            }
        }
        return *this;
    }
    // Moves the mouse there (SDL's own mouse state follows, as the list reads it) and clicks.
    KeyFeeder &click(int x, int y) {
        SDL_Event m{};
        m.type = SDL_USEREVENT + 1;   // marks a warp; never pushed
        m.user.code = x;
        m.user.data1 = (void *)(intptr_t)y;
        SDL_Event c{};
        c.type = SDL_MOUSEBUTTONDOWN;
        c.button.button = SDL_BUTTON_LEFT;
        c.button.state = SDL_PRESSED;
        groups_.push_back({m});
        groups_.push_back({c});
        return *this;
    }

    // Each next key only once the reader sleeps waiting for one (a question, a note that waits): a
    // reader that only looks into the queue while it works (a rest, a long task) is given none, for
    // it would take the key and drop it, and a slow machine would lose every key so.
    KeyFeeder &at_waits() {
        at_waits_ = true;
        return *this;
    }

    // An idle tick, as the idle timer pushes it; the next key follows at once.
    KeyFeeder &idle() {
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        groups_.push_back({e});
        return *this;
    }

    KeyFeeder &quit() {
        SDL_Event q{};
        q.type = SDL_QUIT;
        groups_.push_back({q});
        return *this;
    }

    // Runs a call while the keys are typed, and answers what it answered.
    template <typename Fn>
    auto typed(Fn fn) -> decltype(fn()) {
        start();
        auto r = fn();
        stop();
        return r;
    }

    // Starts typing; the reader waits for real until stop().
    // The first key goes into the queue before the call starts: the idle timer may still run from the
    // last typing (it pushes a tick into an empty queue), and a tick read before the key would end the
    // turn as if the player had waited. A tick already waiting is dropped for the same reason.
    void start() {
        OXA_NODELAY = 0;
        done_ = false;
        SDL_FlushEvent(SDL_USEREVENT);
        typed_first_ = false;
        first_pushed_at_ = input_waits_begun();
        if (!groups_.empty() && groups_[0][0].type != SDL_USEREVENT + 1 && !input_waits()) {
            for (SDL_Event &e : groups_[0]) SDL_PushEvent(&e);
            typed_first_ = true;
        }
        thread_ = std::thread([this] { run(); });
    }
    void stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        OXA_NODELAY = 1;
        at_waits_ = false;
        // The mouse goes back where the clicks found it: a pointer left over a later test's screen
        // would stand on what that screen draws there.
        if (warped_) {
            SDL_WarpMouseInWindow(win, home_x_, home_y_);
            SDL_PumpEvents();
            warped_ = false;
        }
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        groups_.clear();
    }
    ~KeyFeeder() { stop(); }

private:
    static bool input_waits() {
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_TEXTINPUT) > 0 ||
               SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEWHEEL) > 0;
    }
    // Waits until the reader took what was pushed and went back to waiting for more: its count of
    // waits moved on from `pushed_at`, the count when the keys were pushed. A reader that never sleeps
    // is given the next key after the queue stood empty for POLLING_MS while the reader kept looking
    // into it: a game busy with the last key (a map built on a loaded machine) looks into nothing, and
    // a key pushed then could be swallowed by the flush it makes before it reads again, so it waits
    // for the game to sleep or look again, however long that takes (every reader of the game either
    // sleeps in the wait or counts its looks). False when the test is over.
    static constexpr int POLLING_MS = 250, LOOKED_LATELY_MS = 50;
    bool wait_ready(unsigned pushed_at) {
        int idle = 0, since_look = LOOKED_LATELY_MS;
        unsigned peeks = input_peeks_unanswered();
        while (!done_) {
            const unsigned now = input_peeks_unanswered();
            since_look = now != peeks ? 0 : since_look + 1;
            peeks = now;
            if (!input_waits() && SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) == 0) {
                if (input_waits_begun() != pushed_at) return true;
                if (since_look < LOOKED_LATELY_MS && ++idle >= POLLING_MS && !at_waits_) return true;
            } else {
                idle = 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    // Waits until the reader took what was pushed; false when the test is over.
    bool wait_taken() {
        while (!done_) {
            if (!input_waits() && SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                if (!input_waits()) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    void run() {
        bool moved = false, first = !typed_first_;
        unsigned pushed_at = typed_first_ ? first_pushed_at_ : input_waits_begun();
        for (size_t i = typed_first_ ? 1 : 0; i < groups_.size(); i++) {
            std::vector<SDL_Event> &g = groups_[i];
            if (!(first ? wait_taken() : wait_ready(pushed_at))) return;
            first = false;
            pushed_at = input_waits_begun();
            // A mouse motion makes the reader drain the queue once it has taken it: give it time.
            if (moved) std::this_thread::sleep_for(std::chrono::milliseconds(100));
            moved = g[0].type == SDL_USEREVENT + 1;
            for (SDL_Event &e : g) {
                if (e.type == SDL_USEREVENT + 1) {
                    int x = e.user.code, y = (int)(intptr_t)e.user.data1;
                    if (!warped_) SDL_GetMouseState(&home_x_, &home_y_);
                    warped_ = true;
                    SDL_WarpMouseInWindow(win, x, y);
                    SDL_Event m{};
                    m.type = SDL_MOUSEMOTION;
                    m.motion.x = x;
                    m.motion.y = y;
                    m.motion.xrel = x % 7 + 1;
                    m.motion.yrel = y % 5 + 1;
                    SDL_PushEvent(&m);
                } else
                    SDL_PushEvent(&e);
            }
        }
        if (!wait_taken()) return;
        // The window closes once the reader has gone back to waiting for keys and stood there for three
        // seconds: a game still busy with the last command (a long task on a loaded machine) is let
        // finish. Its count of waits is compared with the count when the last key was pushed: a
        // reader that takes the key and its release and sleeps again at once has moved it on before
        // the queue is seen empty here. A reader that only peeks is given twenty seconds of looking
        // (typing at waits only: as long as it works, the window closes on a wait); the time a busy
        // game spends neither sleeping nor looking does not count. Each later
        // question the reader waits on is closed as well, a moment after it took the close before it:
        // the quit question and those after it end as the game ends them for a window closed again.
        for (int closes = 0; closes < MAX_CLOSES && !done_; closes++) {
            const int still = closes ? 125 : 1500;
            ReaderLooks looks;
            for (int i = 0; (looks.looking_ms() < PEEKING_CLOSE_MS || at_waits_) && !done_; i++) {
                if (i >= still && input_waits_begun() != pushed_at) break;
                looks.pause();
            }
            if (done_) return;
            SDL_Event q{};
            q.type = SDL_QUIT;
            pushed_at = input_waits_begun();
            SDL_PushEvent(&q);
            if (!wait_taken()) return;
        }
    }
    static constexpr int MAX_CLOSES = 8, PEEKING_CLOSE_MS = 20000;

    std::vector<std::vector<SDL_Event>> groups_;
    bool typed_first_ = false, at_waits_ = false;
    unsigned first_pushed_at_ = 0;
    std::thread thread_;
    std::atomic<bool> done_{true};
    bool warped_ = false;
    int home_x_ = 0, home_y_ = 0;
};

}  // namespace oxatest

// A call made while the fixture's feeder `f` types its keys.
#define TYPED(call) f.typed([&] { return (call); })
