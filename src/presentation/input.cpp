// A plain key reader that stands in until the full input layer lands: Enter, Esc, Backspace,
// typed characters, a left click as Enter, the idle tick, window events and closing the window.
#include "presentation/input.h"

#include "core/oxa.h"

#include <SDL2/SDL.h>

int CLOSE_WINDOW;
int XOUT_OK;

static int translate(const SDL_Event &e) {
    switch (e.type) {
    case SDL_QUIT:
        CLOSE_WINDOW = 1;
        return KEY_QUIT;
    case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
        case SDLK_RETURN: case SDLK_KP_ENTER: return KEY_ENTER;
        case SDLK_ESCAPE: return KEY_ESC;
        case SDLK_BACKSPACE: return KEY_BACKSPACE;
        default: return 0;
        }
    case SDL_TEXTINPUT: {
        unsigned char c = (unsigned char)e.text.text[0];
        return (c >= 32 && c < 127) ? c : 0;
    }
    case SDL_MOUSEBUTTONDOWN:
        return e.button.button == SDL_BUTTON_LEFT ? KEY_ENTER : 0;
    case SDL_WINDOWEVENT:
        return KEY_WINDOW;
    default:
        return e.type >= SDL_USEREVENT ? KEY_IDLE : 0;
    }
}

int getkey() {
    for (;;) {
        SDL_Event e;
        int got = OXA_NODELAY ? SDL_PollEvent(&e) : SDL_WaitEventTimeout(&e, 250);
        if (!got) {
            if (OXA_NODELAY) return KEY_ESC;   // tests with an empty queue never hang
            continue;
        }
        int key = translate(e);
        if (key) return key;
    }
}

int kbhit() {
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN) > 0 ||
           SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONDOWN) > 0 ||
           SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
}

void ClearEventMemory() { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }
