// bench/bench_screen.h -- the headless screen the drawing and turn benchmarks run on.
#pragma once
#include "core/oxa.h"
#include "presentation/show.h"

#include <SDL2/SDL.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

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

// The headless screen opened once, in a throwaway folder under /tmp that sees the generated font,
// palette and pictures of the run folder; the folder goes when the bench ends. Answers the folder.
inline const char *open_screen_among_the_assets() {
    static bool open = false;
    static char folder[] = "/tmp/oxabench-XXXXXX";
    if (open) return folder;
    open = true;
    if (!mkdtemp(folder) || chdir(folder) != 0) abort();
    atexit([] {
        if (chdir("/") != 0) return;
        const std::string cmd = std::string("rm -rf '") + folder + "'";
        if (system(cmd.c_str()) != 0) return;
    });
    for (const char *name : {"OXA.FNT", "palette.nfo", "truetile", "truegfx"})
        if (symlink((std::string(OXA_RUN_DIR) + "/" + name).c_str(), name) != 0) abort();
    open_headless_screen();
    return folder;
}
