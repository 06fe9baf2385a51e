// tests/common/window_frames.h -- every frame the window shows while a call runs, kept by SDL's dummy
// video driver and read back, and comparisons of rectangles between frames.
#pragma once
#include <SDL2/SDL.h>
#include <dirent.h>

#include "base/ui.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace oxatest {

using Frame = std::shared_ptr<SDL_Surface>;

inline Frame adopt(SDL_Surface *s) {
    SDL_Surface *own = s ? SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    return Frame(own, [](SDL_Surface *p) { SDL_FreeSurface(p); });
}

// The frames the window is shown while `run` runs, in order.
template <class F> std::vector<Frame> frames_during(F run) {
    const char *const SAVE = "SDL_VIDEO_DUMMY_SAVE_FRAMES";
    auto listed = [] {
        std::vector<std::string> names;
        if (DIR *d = opendir(".")) {
            while (dirent *e = readdir(d))
                if (!strncmp(e->d_name, "SDL_window", 10)) names.push_back(e->d_name);
            closedir(d);
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    for (const std::string &n : listed()) remove(n.c_str());
    setenv(SAVE, "1", 1);
    SDL_SetHint(SAVE, "1");
    run();
    SDL_SetHint(SAVE, "0");
    unsetenv(SAVE);
    std::vector<Frame> frames;
    for (const std::string &n : listed()) {
        SDL_Surface *s = SDL_LoadBMP(n.c_str());
        frames.push_back(adopt(s));
        SDL_FreeSurface(s);
        remove(n.c_str());
    }
    return frames;
}

inline uint32_t at(const Frame &f, int x, int y) {
    return ((const uint32_t *)((const uint8_t *)f->pixels + y * f->pitch))[x] & 0xFFFFFFu;
}

// How many of the rectangle's pixels differ between the frames.
inline int differing(const Frame &a, const Frame &b, const SDL_Rect &r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++) n += at(a, x, y) != at(b, x, y);
    return n;
}

// The share of the rectangle's pixels that are the same in both frames.
inline double same_share(const Frame &a, const Frame &b, const SDL_Rect &r) {
    return 1.0 - (double)differing(a, b, r) / (r.w * r.h);
}

// The frame shows the map: most of what the game screen's frame `game` shows of the map in its map
// view (its pixels that are not black: the squares seen) is in the frame at the same place. A screen
// that owns the window covers the map view with its own picture and windows.
inline bool frame_has_map(const Frame &frame, const Frame &game) {
    int seen = 0, same = 0;
    for (int y = mapDim.y; y < mapDim.y + mapDim.height; y++)
        for (int x = mapDim.x; x < mapDim.x + mapDim.width; x++) {
            const uint32_t p = at(game, x, y);
            if (p == 0) continue;
            seen++;
            same += at(frame, x, y) == p;
        }
    return seen > 0 && same * 2 > seen;
}

}  // namespace oxatest
