// bench/bench_screen.h -- the headless screen the drawing and turn benchmarks run on.
#pragma once
#include "core/oxa.h"
#include "presentation/show.h"

#include <SDL2/SDL.h>
#include <cstdlib>

// SDL with the dummy drivers, a hidden window and the screen, in the current working folder.
inline void open_headless_screen() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    OXA_NODELAY = 1;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) abort();
    win = SDL_CreateWindow("Halvornaland", 0, 0, 800, 600, SDL_WINDOW_HIDDEN);
    if (!win) abort();
    initgr(0);
}
