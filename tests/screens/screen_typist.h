// tests/screens/screen_typist.h -- keys typed one at a time into a running screen, with looks taken
// between them: each look runs while the game waits for the next key, so it sees the screen and the
// files exactly as the player would at that moment.
#pragma once
#include "common/keys.h"
#include "common/reader_looks.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <SDL2/SDL.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace oxatest {

using Shot = std::shared_ptr<SDL_Surface>;

inline Shot copy_of_screen() {
    SDL_Surface *s = SDL_ConvertSurfaceFormat(game_screen, SDL_PIXELFORMAT_ARGB8888, 0);
    return Shot(s, [](SDL_Surface *p) { SDL_FreeSurface(p); });
}

inline SDL_Color shot_at(const Shot &s, int x, int y) {
    const uint32_t p = ((const uint32_t *)((const uint8_t *)s->pixels + y * s->pitch))[x];
    return SDL_Color{(uint8_t)(p >> 16), (uint8_t)(p >> 8), (uint8_t)p, 255};
}

class Typist {
public:
    Typist &key(SDL_Keycode k) {
        steps_.push_back({k, -1, -1, nullptr});
        return *this;
    }
    Typist &keys(std::initializer_list<SDL_Keycode> ks) {
        for (SDL_Keycode k : ks) key(k);
        return *this;
    }
    // The pointer moved there, then a left click.
    Typist &click(int x, int y) {
        steps_.push_back({0, x, y, nullptr});
        steps_.push_back({1, x, y, nullptr});
        return *this;
    }
    Typist &look(std::function<void()> f) {
        steps_.push_back({0, -1, -1, std::move(f)});
        return *this;
    }
    Typist &quit() {
        steps_.push_back({-1, -1, -1, nullptr});
        return *this;
    }
    // Runs the screen while the steps are taken; a screen still open a few seconds after the last
    // step has its window closed, so that no test hangs.
    void run(const std::function<void()> &screen) {
        done_ = false;
        start_ = input_waits_begun();
        std::thread t([this] { type(); });
        OXA_NODELAY = 0;
        screen();
        done_ = true;
        t.join();
        OXA_NODELAY = 1;
        CLOSE_WINDOW = 0;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

private:
    struct Step {
        SDL_Keycode key;           // with x >= 0: 0 moves the pointer, 1 clicks; -1 closes the window
        int x, y;
        std::function<void()> look;
    };
    // No key, pointer or close event waits (SDL keeps marks of its own in the queue).
    static bool queue_empty() {
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_TEXTINPUT) == 0 &&
               SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEWHEEL) == 0 &&
               SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) == 0;
    }
    // The game took what was pushed and sleeps waiting for more, or (a screen that only looks into
    // the queue) has looked lately with the queue standing empty for a quarter second. A game still
    // busy with the last step on a loaded machine is waited for however long it takes: every reader of
    // the game either sleeps in the wait or counts its looks.
    bool wait_ready(unsigned pushed_at) {
        int quiet = 0, since_look = 1000;
        unsigned peeks = input_peeks_unanswered();
        while (!done_) {
            const unsigned now = input_peeks_unanswered();
            since_look = now != peeks ? 0 : since_look + 1;
            peeks = now;
            if (queue_empty() &&
                (input_waits_begun() != pushed_at || (++quiet > 250 && since_look < 50)))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    void type() {
        unsigned pushed_at = start_;
        bool moved = false;
        for (Step &s : steps_) {
            if (!wait_ready(pushed_at)) return;
            // A pointer move makes the reader drain the queue once it has taken it: give it time.
            std::this_thread::sleep_for(std::chrono::milliseconds(moved ? 100 : 5));
            moved = s.x >= 0 && s.key == 0;
            if (s.look) {
                s.look();
                continue;
            }
            pushed_at = input_waits_begun();
            if (s.x >= 0 && s.key == 0) {
                SDL_WarpMouseInWindow(win, s.x, s.y);
                SDL_Event m{};
                m.type = SDL_MOUSEMOTION;
                m.motion.x = s.x;
                m.motion.y = s.y;
                m.motion.xrel = s.x % 7 + 1;
                m.motion.yrel = s.y % 5 + 1;
                SDL_PushEvent(&m);
                continue;
            }
            if (s.x >= 0) {
                SDL_Event c{};
                c.type = SDL_MOUSEBUTTONDOWN;
                c.button.button = SDL_BUTTON_LEFT;
                c.button.state = SDL_PRESSED;
                c.button.x = s.x;
                c.button.y = s.y;
                SDL_PushEvent(&c);
                continue;
            }
            if (s.key == -1) {
                SDL_Event q{};
                q.type = SDL_QUIT;
                SDL_PushEvent(&q);
                continue;
            }
            SDL_Event down = key_press(s.key), up = key_release(s.key);
            SDL_PushEvent(&down);
            if (s.key >= 32 && s.key < 127) {   // a letter comes with its text, as typed
                SDL_Event text{};
                text.type = SDL_TEXTINPUT;
                text.text.text[0] = (char)s.key;
                SDL_PushEvent(&text);
            }
            SDL_PushEvent(&up);
        }
        // Three seconds once the game is back at its wait after the last step; a screen that only looks
        // into the queue, twenty seconds of its looking (a game busy elsewhere is waited for).
        ReaderLooks looks;
        for (int i = 0; !done_ && looks.looking_ms() < 20000 && (i < 1500 || input_waits_begun() == pushed_at); i++)
            looks.pause();
        if (done_) return;
        SDL_Event q{};
        q.type = SDL_QUIT;
        SDL_PushEvent(&q);
    }
    std::vector<Step> steps_;
    std::atomic<bool> done_{true};
    unsigned start_ = 0;
};

}  // namespace oxatest
