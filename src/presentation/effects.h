// src/presentation/effects.h -- screen fades and the short animations over the map view.
#pragma once
#include <SDL2/SDL.h>

#include "base/ui.h"   // the rules' fades and map animations

// Fades the picture over seconds: direction 0 from black to the picture, any other from the picture
// to black. A target of none draws into a scratch copy; a zero duration shows the end frame at once.
void fade(SDL_Surface *surface, SDL_Surface *target, float seconds, int direction);
void fade_out();                   // the character-creation and quit screens' fade: nothing

// One frame of an effect at alpha a, presented (the benchmarks time it).
// The sauna steam rises with MAPEFF_LOYLY and clears with MAPEFF_LOYLY_OUT.
enum { MAPEFF_SLEEP, MAPEFF_FAINT, MAPEFF_WAKEUP, MAPEFF_LOYLY, MAPEFF_ZOOMSHADE, MAPEFF_LOYLY_OUT };
void mapeffect_frame(int effect, int a);

// The screen's side of the rules' fades and animations (base/ui.h), which the screen puts in the table.
void fx_fade_in(float seconds);
void fx_fade_out(float seconds);
// Each runs to its end with MAPEFFECT_DRAW set and leaves the draw modes reset. Sleep and faint
// leave their colour in MAPEFF_R/G/B, so the map stays covered until the wake-up.
void fx_sleep_fade();
void fx_faint();
void fx_wakeup();
void fx_loyly();
void fx_zoomshade();
