#include "presentation/effects.h"

#include "presentation/show.h"

#include <SDL2/SDL.h>

// Stand in until the fades land: the screen simply appears and disappears.
void FadeIn(float) { Flip(); }

void FadeOut(float) {
    SDL_FillRect(screen, nullptr, 0);
    Flip();
}
