// src/presentation/effects.cpp -- whole-screen fades on the screen surface and the map animations on
// the renderer: falling asleep, fainting, waking, sauna steam, changing maps and the zoom shade.
#include "presentation/effects.h"

#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <cstdio>

// ---- fades ----------------------------------------------------------------------------------------

static void fade_frame(SDL_Surface *from, SDL_Surface *to, SDL_Surface *black, int alpha) {
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    if (from != to) SDL_BlitSurface(from, nullptr, to, nullptr);
    SDL_SetSurfaceAlphaMod(black, (Uint8)alpha);
    SDL_BlitSurface(black, nullptr, to, nullptr);
    FlipSurface(to);
}

void fade(SDL_Surface *surface, SDL_Surface *target, float seconds, int direction) {
    if (!surface) return;
    SDL_Surface *black = SDL_CreateRGBSurfaceWithFormat(0, surface->w, surface->h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!black) {
        fprintf(stderr, "fade: could not create the black Surface. (%s)\n", SDL_GetError());
        return;
    }
    SDL_FillRect(black, nullptr, SDL_MapRGBA(black->format, 0, 0, 0, 255));
    SDL_SetSurfaceBlendMode(black, SDL_BLENDMODE_BLEND);
    // Drawing onto the picture itself needs a copy to draw from; no target draws into a scratch copy.
    SDL_Surface *copy = nullptr;
    if (target == surface || !target) {
        copy = SDL_ConvertSurface(surface, surface->format, 0);
        if (!copy) {
            fprintf(stderr, "fade: could not create a copy of the Screen Surface. (%s)\n", SDL_GetError());
            SDL_FreeSurface(black);
            return;
        }
        SDL_SetSurfaceBlendMode(copy, SDL_BLENDMODE_NONE);
    }
    SDL_Surface *from = target == surface ? copy : surface;
    SDL_Surface *to = target ? target : copy;
    const double total = OXA_NODELAY ? 0.0 : (double)seconds * 1000.0;
    double alpha = direction == 0 ? 255.0 : 0.0;
    uint32_t last = SDL_GetTicks();
    for (;;) {
        fade_frame(from, to, black, (int)alpha);
        const uint32_t now = SDL_GetTicks();
        // A duration of zero or less jumps to the end frame.
        const double step = total > 0.0 ? 255.0 * (double)(now - last) / total : 256.0;
        last = now;
        if (step <= 0.0) {
            SDL_Delay(1);
            continue;
        }
        alpha += direction == 0 ? -step : step;
        if (direction == 0 ? alpha <= 0.0 : alpha >= 255.0) {
            fade_frame(from, to, black, direction == 0 ? 0 : 255);
            break;
        }
    }
    if (copy) SDL_FreeSurface(copy);
    SDL_FreeSurface(black);
}

void fx_fade_in(float seconds) {
    if (!game_screen) return;
    fade(game_screen, game_screen, seconds, 0);
}

void fx_fade_out(float seconds) {
    if (!game_screen) return;
    Flip();
    fade(game_screen, nullptr, seconds, 1);
    clrgfx();
}

void fade_out() {}

// ---- map animations -------------------------------------------------------------------------------

// The map view grown by one pixel on every side, in output pixels.
static SDL_Rect effect_rect() {
    SDL_Rect r = {mapDim.x - 1, mapDim.y - 1, mapDim.width + 1, mapDim.height + 1};
    NativeResolution_RectConvert(&r);
    return r;
}

static void cover(const SDL_Rect &r, int cr, int cg, int cb, int a) {
    SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(ren, (Uint8)cr, (Uint8)cg, (Uint8)cb, (Uint8)a);
    SDL_RenderFillRect(ren, &r);
}

static void black_outline(const SDL_Rect &r) {
    SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderDrawRect(ren, &r);
}

// The window from the uploaded screen (unless `map_only`) and the map copied without recomposing.
static void window_and_map(bool map_only) {
    if (!map_only) RenderQuickDoScreen();
    const int keep = NOUPDATE_RC;
    NOUPDATE_RC = 1;
    rc();
    NOUPDATE_RC = keep;
}

// The map composed afresh without presenting.
static void compose_map() {
    RenderQuickDoScreen();
    const int keep = NOUPDATE_RC;
    NOUPDATE_RC = 0;
    rc();
    NOUPDATE_RC = keep;
}

void mapeffect_frame(int effect, int a) {
    if (!ren) return;
    const SDL_Rect r = effect_rect();
    switch (effect) {
    case MAPEFF_SLEEP:
    case MAPEFF_FAINT:
        window_and_map(false);
        cover(r, 0, 0, 0, a);
        cover(r, MAPEFF_R, MAPEFF_G, MAPEFF_B, a);
        black_outline(r);
        break;
    case MAPEFF_WAKEUP:
        window_and_map(false);
        cover(r, MAPEFF_R, MAPEFF_G, MAPEFF_B, a);
        black_outline(r);
        break;
    case MAPEFF_LOYLY:
        window_and_map(true);
        cover(r, 0, 0, 0, a);
        cover(r, a + 9, a + 8, a + 6, a);
        break;
    case MAPEFF_LOYLY_OUT:
        window_and_map(true);
        cover(r, 0, 0, 0, a);
        cover(r, 209, 208, 206, a);
        break;
    case MAPEFF_ZOOMSHADE: {
        window_and_map(false);
        SDL_Rect inner = {r.x + 1, r.y + 1, r.w - 2, r.h - 2};
        cover(inner, 0, 0, 0, a);
        cover(inner, 248, 222, 126, a);
        break;
    }
    default:
        return;
    }
    RESET_RenderDrawModes(ren);
    if (!DISABLE_RENDER) SDL_RenderPresent(ren);
}

// Frames from `from` by `step` while not past `to`, each lasting at least `ms`.
static void run_frames(int effect, int from, int to, int step, int ms) {
    for (int a = from; step > 0 ? a <= to : a >= to; a += step) {
        const uint32_t start = SDL_GetTicks();
        mapeffect_frame(effect, a);
        if (ms > 0) AdjustedDelay(start, ms);
    }
}

// The colour of a sleep or faint left on the screen surface over the whole view.
static void leave_colour() {
    if (!game_screen) return;
    box(mapDim.x + 1, mapDim.y + 1, mapDim.x + mapDim.width, mapDim.y + mapDim.height,
        RGB_to_color(MAPEFF_R, MAPEFF_G, MAPEFF_B));
}

static void cover_fade(int r, int g, int b) {
    MAPEFF_R = r;
    MAPEFF_G = g;
    MAPEFF_B = b;
    if (!ren) return;
    MAPEFFECT_DRAW = 1;
    run_frames(MAPEFF_SLEEP, 0, 255, 3, 5);
    leave_colour();
    MAPEFFECT_DRAW = 0;
    RESET_RenderDrawModes(ren);
}

void fx_sleep_fade() { cover_fade(0, 26, 51); }

void fx_faint() { cover_fade(52, 0, 0); }

void fx_wakeup() {
    if (ren) {
        MAPEFFECT_DRAW = 1;
        compose_map();
        run_frames(MAPEFF_WAKEUP, 255, 5, -5, 5);
        MAPEFFECT_DRAW = 0;
        RESET_RenderDrawModes(ren);
    }
    RESET_MAPEFF();
}

void fx_loyly() {
    if (!ren) return;
    MAPEFFECT_DRAW = 1;
    run_frames(MAPEFF_LOYLY, 0, 195, 5, 0);
    run_frames(MAPEFF_LOYLY_OUT, 200, 2, -2, 5);
    MAPEFFECT_DRAW = 0;
    RESET_RenderDrawModes(ren);
}

void fx_zoomshade() {
    if (!ren) return;
    MAPEFFECT_DRAW = 1;
    compose_map();
    run_frames(MAPEFF_ZOOMSHADE, 1, 31, 2, 5);
    MAPEFFECT_DRAW = 0;
    RESET_RenderDrawModes(ren);
}
