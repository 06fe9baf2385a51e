// src/presentation/show_draw.cpp -- pixels, lines, boxes, bevels, the flood fill and the meters of the
// screen surface, and the few boxes drawn on a renderer.
#include "presentation/show.h"
#include "presentation/show_int.h"
#include "presentation/readable.h"

#include "base/ownlib.h"

#include <cmath>
#include <cstdlib>
#include <vector>

int METERBAR_COLOR = 0, METERBAR_SECTION = 0;
int SHOW_TRANSPARENT = 0;

// ---- pixels -----------------------------------------------------------------------------------

// Writes one pixel of any depth; the position must lie inside the surface.
static void write_pixel(SDL_Surface *s, int x, int y, uint32_t pixel) {
    int bpp = s->format->BytesPerPixel;
    uint8_t *p = (uint8_t *)s->pixels + y * s->pitch + x * bpp;
    switch (bpp) {
    case 1: *p = (uint8_t)pixel; break;
    case 2: *(uint16_t *)p = (uint16_t)pixel; break;
    case 3:
        p[0] = (uint8_t)pixel;
        p[1] = (uint8_t)(pixel >> 8);
        p[2] = (uint8_t)(pixel >> 16);
        break;
    case 4: *(uint32_t *)p = pixel; break;
    default: break;
    }
}

static uint32_t read_pixel(SDL_Surface *s, int x, int y) {
    int bpp = s->format->BytesPerPixel;
    const uint8_t *p = (const uint8_t *)s->pixels + y * s->pitch + x * bpp;
    switch (bpp) {
    case 1: return *p;
    case 2: return *(const uint16_t *)p;
    case 3: return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16;
    case 4: return *(const uint32_t *)p;
    default: return 0;
    }
}

static bool on_surface(SDL_Surface *s, int x, int y) {
    return s && x >= 0 && y >= 0 && x < s->w && y < s->h;
}

void surface_putpix(int x, int y, uint32_t pixel, SDL_Surface *s) {
    if (!on_surface(s, x, y)) return;
    bool lock = SDL_MUSTLOCK(s);
    if (lock && SDL_LockSurface(s) != 0) return;
    write_pixel(s, x, y, pixel);
    if (lock) SDL_UnlockSurface(s);
}

uint32_t surface_getpix(int x, int y, SDL_Surface *s) {
    if (!on_surface(s, x, y)) return 0;
    bool lock = SDL_MUSTLOCK(s);
    if (lock && SDL_LockSurface(s) != 0) return 0;
    uint32_t v = read_pixel(s, x, y);
    if (lock) SDL_UnlockSurface(s);
    return v;
}

void putpix(int x, int y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= RESOLUTION_X || y >= RESOLUTION_Y) return;
    surface_putpix(x, y, pixel, game_screen);
}

uint32_t getpix(int x, int y) {
    if (x < 0 || y < 0 || x >= RESOLUTION_X || y >= RESOLUTION_Y) return 0;
    return surface_getpix(x, y, game_screen);
}

// ---- lines and boxes --------------------------------------------------------------------------

static bool on_screen(int x, int y) { return x >= 0 && y >= 0 && x < RESOLUTION_X && y < RESOLUTION_Y; }

void draw_line(int x1, int y1, int x2, int y2, uint32_t pixel) {
    if (!on_screen(x1, y1) || !on_screen(x2, y2)) return;
    int dx = abs(x2 - x1), dy = abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx - dy;
    int x = x1, y = y1;
    for (;;) {
        putpix(x, y, pixel);
        if (x == x2 && y == y2) break;
        int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void line(int x1, int y1, int x2, int y2) { draw_line(x1, y1, x2, y2, CURRENT_COLOR); }

void rectangle(int x1, int y1, int x2, int y2) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x1, y2, x2, y2);
    line(x1, y1, x1, y2);
}

void box(int x1, int y1, int x2, int y2, uint32_t pixel) {
    if (!game_screen || x2 < x1 || y2 < y1) return;
    SDL_Rect r = {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    SDL_FillRect(game_screen, &r, pixel);   // clipped to the surface
}

void borderbox(int x1, int y1, int x2, int y2, uint32_t pixel) {
    box(x1, y1, x2, y2, pixel);
    setcolor(BLACK_COL);
    rectangle(x1, y1, x2, y2);
}

void alpha_box(int x, int y, int w, int h, uint32_t pixel, int alpha) {
    if (!game_screen || !BufSurface || w <= 0 || h <= 0) return;
    SDL_Rect r = {x, y, w, h};
    SDL_FillRect(BufSurface, &r, pixel);
    SDL_SetSurfaceBlendMode(BufSurface, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(BufSurface, (uint8_t)(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha));
    SDL_Rect dst = r;
    SDL_BlitSurface(BufSurface, &r, game_screen, &dst);
    SDL_SetSurfaceAlphaMod(BufSurface, 255);
    SDL_SetSurfaceBlendMode(BufSurface, SDL_BLENDMODE_NONE);
}

void Menu_ShadeOut(int x, int y, int w, int h) { alpha_box(x, y, w, h, RGB_to_color(87, 87, 87), 128); }

void shadebox(int x1, int y1, int x2, int y2, uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4, uint32_t fill) {
    setcolor(c1);
    line(x1, y1, x1, y2);
    line(x1, y1, x2, y1);
    setcolor(c2);
    line(x2, y1, x2, y2);
    line(x1, y2, x2, y2);
    setcolor(c3);
    line(x1 + 1, y1 + 1, x1 + 1, y2 - 1);
    line(x1 + 1, y1 + 1, x2 - 1, y1 + 1);
    setcolor(c4);
    line(x2 - 1, y1 + 1, x2 - 1, y2 - 1);
    line(x1 + 1, y2 - 1, x2 - 1, y2 - 1);
    if (fill != 0 && SHOW_TRANSPARENT == 0) box(x1 + 2, y1 + 2, x2 - 2, y2 - 2, fill);
}

void draw_colorbox(int x1, int y1, int x2, int y2, uint32_t kind) {
    textlog_window(nullptr, SDL_Rect{x1, y1, x2 - x1 + 1, y2 - y1 + 1});
    uint32_t k = BLACK_COL;
    switch (kind) {
    case 1000: shadebox(x1, y1, x2, y2, k, k, SCREEN_COL1, SCREEN_COL2, SCREEN_FILL_COL); break;
    case 1001: shadebox(x1, y1, x2, y2, k, k, TITLE_COL1, TITLE_COL2, TITLE_FILL_COL); break;
    case 1002: shadebox(x1, y1, x2, y2, k, k, BOX1_COL, BOX2_COL, BOXFILL_COL); break;
    case 1003: shadebox(x1, y1, x2, y2, k, k, TBOX_COL1, TBOX_COL2, TBOX_FILL); break;
    default: shadebox(x1, y1, x2, y2, k, k, k, k, kind); break;
    }
}

void sinked_box(int x, int y, int w, int h) {
    box(x + 1, y + 1, x + w - 1, y + h - 1, BLACK_COL);
    setcolor(SINK1_COL);
    line(x, y, x + w, y);
    line(x, y, x, y + h);
    setcolor(SINK2_COL);
    line(x, y + h, x + w, y + h);
    line(x + w, y, x + w, y + h);
}

void RandomStar() {
    int x = random(RESOLUTION_X);
    int y = 20 + random(RESOLUTION_Y - 20);
    putpix(x, y, RGB_to_color(171, 171, 171));
}

// ---- flood fill -------------------------------------------------------------------------------

// The fill's stack grows as the fill needs it and is given back when the fill ends: a whole screen
// takes a few megabytes for the moment of the fill, and nothing is held between fills. Four entries a
// pixel bound it.
enum { FILL_STACK_SIZE = 4 * RESOLUTION_X * RESOLUTION_Y + 1 };
static std::vector<int> stack;   // positions x * 600 + y

int push(int x, int y) {
    if (stack.size() >= FILL_STACK_SIZE - 1) return 0;
    stack.push_back(x * RESOLUTION_Y + y);
    return 1;
}

int pop(int &x, int &y) {
    if (stack.empty()) return 0;
    const int p = stack.back();
    stack.pop_back();
    x = p / RESOLUTION_Y;
    y = p % RESOLUTION_Y;
    return 1;
}

void emptyStack() { std::vector<int>().swap(stack); }

void floodFill4Stack(int x, int y, uint32_t newcol, uint32_t border) {
    if (newcol == border || !on_screen(x, y)) return;
    emptyStack();
    if (!push(x, y)) return;
    int px, py;
    while (pop(px, py)) {
        uint32_t c = getpix(px, py);
        if (c == border || c == newcol) continue;
        putpix(px, py, newcol);
        if (px + 1 < RESOLUTION_X && !push(px + 1, py)) break;
        if (px > 0 && !push(px - 1, py)) break;
        if (py + 1 < RESOLUTION_Y && !push(px, py + 1)) break;
        if (py > 0 && !push(px, py - 1)) break;
    }
    emptyStack();
}

void flood(int x, int y, uint32_t border) { floodFill4Stack(x, y, CURRENT_COLOR, border); }

// ---- meters -----------------------------------------------------------------------------------

void scr_progress_meter(int x, int y, int width, float percent) {
    int h = GuiLINEHEIGHT;
    uint32_t colour;
    if (METERBAR_COLOR == 0)
        colour = RGB_to_color(0, 168, 0);
    else if (METERBAR_COLOR == -1)
        colour = Liukuvari(percent);
    else if (METERBAR_COLOR == -2)
        colour = Liukuvari(100.0f - percent);
    else
        colour = (uint32_t)METERBAR_COLOR;

    box(x, y, x + width + 1, y + h - 1, BLACK_COL);
    int right = percent >= 100.0f ? x + width : x + (int)(percent / 100.0f * (float)width);
    box(x + 1, y + 1, right, y + h - 2, colour);
    if (METERBAR_SECTION != 0 && percent > (float)METERBAR_SECTION) {
        int sw = (int)((float)METERBAR_SECTION / 100.0f * (float)width);
        alpha_box(x + 1, y + 1, sw, h - 2, BLACK_COL, 48);
        setcolor(COLOR_LIGHTGRAY());
    }
    METERBAR_COLOR = 0;
    METERBAR_SECTION = 0;
}

void meter_bar(int x, int y, int width, float value, float maximum) {
    float p = maximum != 0.0f ? ceilf(value / maximum * 100.0f) : 0.0f;   // no maximum shows an empty bar
    if (p > 100.0f) p = 100.0f;
    progress_meter(x, y, width, p);
}

static void sliding_rgb(float percent, int &r, int &g, int &b) {
    int q = (int)ceilf(1.5f * percent);
    if (percent < 33.0f) {
        r = 2 * q + 80;
        g = 200 - q;
    } else if (percent > 66.0f) {
        r = 255;
        g = 4 * (150 - q);
    } else {
        r = 2 * q + 80;
        g = q + 120;
    }
    b = 0;
    r = r < 0 ? 0 : r > 255 ? 255 : r;
    g = g < 0 ? 0 : g > 255 ? 255 : g;
}

uint32_t Liukuvari(float percent) {
    int r, g, b;
    sliding_rgb(percent, r, g, b);
    return RGB_to_color(r, g, b);
}

SDL_Color LiukuvariRGBA(float percent) {
    int r, g, b;
    sliding_rgb(percent, r, g, b);
    return SDL_Color{(uint8_t)r, (uint8_t)g, (uint8_t)b, 255};
}
