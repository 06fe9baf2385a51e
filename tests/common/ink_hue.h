// tests/common/ink_hue.h -- a text's ink as the game draws it: the colour asked, or its hue made darker
// or lighter where the asked colour would not read on its ground as the window shows it (never so far
// that black or white would pass for it).
#pragma once
#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

namespace oxatest {

inline bool ink_of_hue(SDL_Color got, SDL_Color asked) {
    auto near = [](double a, double b) { return std::fabs(a - b) <= 1.5; };
    const int most = std::max({asked.r, asked.g, asked.b}), room = std::max({255 - asked.r, 255 - asked.g, 255 - asked.b});
    if (most > 0) {   // darkened: every channel scaled alike toward black
        const double t = std::max({got.r, got.g, got.b}) / (double)most;
        if (t >= 0.1 && t <= 1 && near(got.r, asked.r * t) && near(got.g, asked.g * t) && near(got.b, asked.b * t)) return true;
    }
    if (room > 0) {   // lightened: every channel mixed alike toward white
        const int c = room == 255 - asked.r ? 0 : room == 255 - asked.g ? 1 : 2;
        const double t = ((c == 0 ? got.r : c == 1 ? got.g : got.b) - (c == 0 ? asked.r : c == 1 ? asked.g : asked.b)) / (double)room;
        auto mix = [&](uint8_t a) { return a + (255 - a) * t; };
        if (t >= 0 && t <= 0.9 && near(got.r, mix(asked.r)) && near(got.g, mix(asked.g)) && near(got.b, mix(asked.b))) return true;
    }
    return got.r == asked.r && got.g == asked.g && got.b == asked.b;
}

inline bool ink_of_hue(uint32_t got_rgb, SDL_Color asked) {
    return ink_of_hue(SDL_Color{(uint8_t)(got_rgb >> 16), (uint8_t)(got_rgb >> 8), (uint8_t)got_rgb, 255}, asked);
}

}  // namespace oxatest
