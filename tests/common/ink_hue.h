// tests/common/ink_hue.h -- a text's ink as the game draws it: the colour asked, or its hue made darker
// or lighter where the asked colour would not read on its ground as the window shows it (never so far
// that black or white would pass for it).
#pragma once
#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

namespace oxatest {

inline bool ink_of_hue(SDL_Color got, SDL_Color asked) {
    const double g[3] = {(double)got.r, (double)got.g, (double)got.b}, a[3] = {(double)asked.r, (double)asked.g,
                                                                             (double)asked.b};
    auto near = [](double x, double y) { return std::fabs(x - y) <= 1.5; };
    auto all = [&](auto want) { return near(g[0], want(a[0])) && near(g[1], want(a[1])) && near(g[2], want(a[2])); };
    const double most = std::max({a[0], a[1], a[2]});
    if (most > 0) {   // darkened: every channel scaled alike toward black
        const double t = std::max({g[0], g[1], g[2]}) / most;
        if (t >= 0.1 && t <= 1 && all([t](double c) { return c * t; })) return true;
    }
    const int c = (int)(std::min_element(a, a + 3) - a);   // the channel with the most room toward white
    if (a[c] < 255) {   // lightened: every channel mixed alike toward white
        const double t = (g[c] - a[c]) / (255 - a[c]);
        if (t >= 0 && t <= 0.9 && all([t](double v) { return v + (255 - v) * t; })) return true;
    }
    return got.r == asked.r && got.g == asked.g && got.b == asked.b;
}

}  // namespace oxatest
