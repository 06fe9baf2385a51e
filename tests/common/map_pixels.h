// tests/common/map_pixels.h -- the map textures' and the window's pixels read back, and the shared
// random stream kept and put back, for comparing a drawing with another drawn from the same numbers.
#pragma once
#include <SDL2/SDL.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/ownlib.h"
#include "presentation/show.h"

namespace oxatest {

inline std::vector<uint32_t> texture_pixels(SDL_Texture *t) {
    std::vector<uint32_t> px((size_t)MAPTEX_SIZE * MAPTEX_SIZE);
    SDL_SetRenderTarget(ren, t);
    SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), MAPTEX_SIZE * 4);
    SDL_SetRenderTarget(ren, nullptr);
    return px;
}

// The window's own pixels as the software renderer left them.
inline std::vector<uint8_t> window_pixels() {
    SDL_RenderFlush(ren);
    SDL_Surface *w = SDL_GetWindowSurface(win);
    const uint8_t *p = w ? (const uint8_t *)w->pixels : nullptr;
    return p ? std::vector<uint8_t>(p, p + (size_t)w->pitch * (size_t)w->h) : std::vector<uint8_t>();
}

// The shared random stream where it stands.
struct RandomStream {
    int32_t state[oxa_rand::DEG];
    int front, rear;
    RandomStream() {
        memcpy(state, oxa_rand::state, sizeof state);
        front = oxa_rand::front;
        rear = oxa_rand::rear;
    }
    void back() const {
        memcpy(oxa_rand::state, state, sizeof state);
        oxa_rand::front = front;
        oxa_rand::rear = rear;
    }
    bool operator==(const RandomStream &o) const {
        return !memcmp(state, o.state, sizeof state) && front == o.front && rear == o.rear;
    }
};

}  // namespace oxatest
