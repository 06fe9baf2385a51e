// tests/common/keys.h -- a key press as SDL hands it to the game, for tests that push keys their own
// way (typed one at a time, bare of their text, pressed and let go).
#pragma once
#include <SDL2/SDL.h>

#include <cstdint>

namespace oxatest {

// The press of key k with the modifiers held: its scan code filled as a real keyboard fills it.
inline SDL_Event key_press(SDL_Keycode k, uint16_t mod = 0) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = k;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(k);
    e.key.keysym.mod = mod;
    return e;
}

// The same key let go.
inline SDL_Event key_release(SDL_Keycode k, uint16_t mod = 0) {
    SDL_Event e = key_press(k, mod);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    return e;
}

}  // namespace oxatest
