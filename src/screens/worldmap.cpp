// src/screens/worldmap.cpp -- the world-generation screen: the world drawn as it is made, the progress
// meter, panning and zooming, the culture view and its legend, drawing another start or another
// world, and entering it.
#include "screens/worldmap.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "core/records.h"
#include "maps/mapunit.h"
#include "presentation/effects.h"
#include "presentation/input.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "core/culture.h"
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_view.h"

enum { MAP_X = 16, MAP_Y = 24, MAP_W = 768, MAP_H = 512 };

uint32_t VARI_karttamerkki(int code, int mask) {
    uint8_t c[3];
    return karttamerkki_rgb(code, mask, c) ? RGB_to_color(c[0], c[1], c[2]) : 0;
}

uint32_t kulttuuri_vari(unsigned char code) {
    uint8_t c[3];
    return kulttuuri_rgb(code, c) ? RGB_to_color(c[0], c[1], c[2]) : 0;
}

void kulttuuri_info(int x, int y, int lit) {
    static const struct {
        const char *name;
        unsigned char code;
    } lines[] = {{"Kaumo", 0},   {"Kiesse", 2},    {"Reemi", 3},        {"Koivula", 6},
                 {"Sartola", 4}, {"Driik", 1},     {"Islanders", 5},    {"Kuikka-tribe", 7},
                 {"Owl-tribe", 8}, {"Seal-tribe", 9}};
    winbox(x, y, 235, 160, "CULTURAL REGION INDICATORS", 40, 0);
    int row = y + 30;
    for (const auto &l : lines) {
        showtext(x + 50, row, l.name, kulttuuri_vari(l.code), 1);
        row += 10;
    }
    showtext(x + 50, y + 140, "Njerpezit", kulttuuri_vari(11), 1);
    if (!lit) alpha_box(x, y, 235, 160, 0, 128);
}

// ---- the map -----------------------------------------------------------------------------------
static uint32_t cell_colour(int x, int y, int mask) {
    const int code = peekmaailma(y, x);
    if (mask & 4) {
        const uint32_t c = kulttuuri_vari((unsigned char)peekkulttuurikartta(y, x));
        if (c) return c;
    }
    return VARI_karttamerkki(code, mask);
}

void NaytaKartta(int x0, int y0, int scale, int mask) {
    if (!game_screen) return;
    if (superzoom) {
        for (int j = 0; j < 80; j++)
            for (int i = 0; i < 80; i++) {
                const int x = x0 + i, y = y0 + j;
                if ((unsigned)x >= 3072 || (unsigned)y >= 2048) continue;
                const uint32_t c = cell_colour(x, y, mask);
                if (c) box(32 + 8 * i, 32 + 8 * j, 39 + 8 * i, 39 + 8 * j, c);
            }
        return;
    }
    if (SDL_MUSTLOCK(game_screen)) SDL_LockSurface(game_screen);
    const int bpp = game_screen->format->BytesPerPixel;
    for (int j = 0; j < MAP_H; j++) {
        const int y = y0 + j * scale;
        if ((unsigned)y >= 2048) continue;
        uint8_t *line = (uint8_t *)game_screen->pixels + (size_t)(MAP_Y + j) * game_screen->pitch;
        for (int i = 0; i < MAP_W; i++) {
            const int x = x0 + i * scale;
            if ((unsigned)x >= 3072) continue;
            const uint32_t c = cell_colour(x, y, mask);
            if (!c) continue;
            uint8_t *p = line + (size_t)(MAP_X + i) * bpp;
            if (bpp == 4) memcpy(p, &c, 4);
            else if (bpp == 2) { const uint16_t c16 = (uint16_t)c; memcpy(p, &c16, 2); }
            else *p = (uint8_t)c;
        }
    }
    if (SDL_MUSTLOCK(game_screen)) SDL_UnlockSurface(game_screen);
}

void NaytaAloitusPaikka() {
    const int side = 50 / zoom;
    int x1 = MAP_X + (plr_aloitus_x - plrx) / zoom - side / 2, y1 = MAP_Y + (plr_aloitus_y - plry) / zoom - side / 2;
    int x2 = x1 + side, y2 = y1 + side;
    if (x1 < MAP_X) x1 = MAP_X;
    if (y1 < MAP_Y) y1 = MAP_Y;
    if (x2 > MAP_X + MAP_W) x2 = MAP_X + MAP_W;
    if (y2 > MAP_Y + MAP_H) y2 = MAP_Y + MAP_H;
    if (x2 > x1 && y2 > y1) alpha_box(x1, y1, x2 - x1, y2 - y1, RGB_to_color(255, 0, 0), 128);
}

static void NaytaMittakaava() {
    char text[64];
    sinked_box(24, 520, 100, 12);
    snprintf(text, sizeof text, "Zoom: %d%%", 100 / zoom);
    showtext(30, 522, text, COLOR_WHITE(), 0);
    showtext(322, 522, "Scale: ", COLOR_WHITE(), 0);
    draw_line(376, 526, 476, 526, COLOR_WHITE());
    snprintf(text, sizeof text, " = %d kilometers", zoom * 10);
    showtext(478, 522, text, COLOR_WHITE(), 0);
}

static void mapareaborder(int white) {
    setcolor(0);
    rectangle(MAP_X, MAP_Y, MAP_X + MAP_W, MAP_Y + MAP_H);
    if (white) alpha_box(MAP_X, MAP_Y, MAP_W, MAP_H, COLOR_WHITE(), 32);
    else alpha_box(MAP_X, MAP_Y, MAP_W, MAP_H, COLOR_DARKGRAY(), 128);
}

static void worldgen_frame() {
    if (!game_screen) return;
    SDL_Surface *pic = IMG_Load("truegfx/bg-heritage.jpg");
    if (pic) {
        SDL_BlitScaled(pic, nullptr, game_screen, nullptr);
        SDL_FreeSurface(pic);
    } else {
        SDL_FillRect(game_screen, nullptr, RGB_to_color(24, 32, 40));
    }
    const int before = SHOW_TRANSPARENT;
    SHOW_TRANSPARENT = 2;
    winbox(6, 2, 788, 596, "RANDOM WORLD GENERATION", 40, 0);
    SHOW_TRANSPARENT = before;
}

static void buttons() {
    static const struct {
        int x, y;
        const char *text;
    } b[] = {{20, 545, "+.Zoom in"},
             {20, 560, "-.Zoom out"},
             {20, 575, "\x1b"},
             {40, 575, "\x1a"},
             {60, 575, "\x18"},
             {80, 575, "\x19"},
             {220, 545, "C.Cultural regions toggle"},
             {220, 560, "I.Culture color indicators toggle"},
             {220, 575, "H.Start within your home culture"},
             {540, 545, "R.Re-randomize start location"},
             {540, 560, "W.Re-randomize the world"},
             {540, 575, "E.Enter and play this world"}};
    for (const auto &k : b) Piirra_Nappain(k.x, k.y, k.text);
}

// The progress of a generation or a save: the map as it stands and the meter below it. The
// generation counts the step after.
static void worldgen_progress(const char *label) {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    if (strcmp(label, "BARONLY") != 0) {
        if (!strstr(label, "Saving")) {
            NaytaKartta(0, 0, 4, 16);
            DISABLE_FLIP = held;
            Flip();
            DISABLE_FLIP = 1;
        }
        if (label[0]) copy_bounded(viimeisin, sizeof viimeisin, label);
    }
    sinked_box(20, 516, 760, 16);
    showtext(26, 520, viimeisin, COLOR_WHITE(), 0);
    progress_meter(230, 518, 540, (float)ceil(100.0 * edistyminen / edistyminen_max));
    DISABLE_FLIP = held;
    Flip();
}

static void draw() {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    box(MAP_X, MAP_Y, MAP_X + MAP_W - 1, MAP_Y + MAP_H - 1, 0);
    NaytaKartta(plrx, plry, zoom, maski);
    NaytaAloitusPaikka();
    NaytaMittakaava();
    buttons();
    if (ALOITUS_NOTE)
        showtext(24, 30, "No start place was found in your home culture; it was drawn anywhere.",
                 RGB_to_color(252, 252, 84), 1);
    if (legenda && maski == 4) kulttuuri_info(545, 355, 1);
    DISABLE_FLIP = held;
    Flip();
}

static void clamp_view() {
    if (plrx < 0) plrx = 0;
    if (plry < 0) plry = 0;
    if (plrx + 768 * zoom > 3072) plrx = 3072 - 768 * zoom;
    if (plry + 512 * zoom > 2048) plry = 2048 - 512 * zoom;
}

// A key waited for on a question; the window's closing answers `closed`.
static int ask(const char *question, const char *yes, const char *no, int closed) {
    winbox(150, 250, 500, 80, "RANDOM WORLD GENERATION", 40, 0);
    showtext(165, 275, question, COLOR_WHITE(), 0);
    Piirra_Nappain(165, 295, yes);
    Piirra_Nappain(405, 295, no);
    Flip();
    for (;;) {
        const int k = getkey();
        if (k == KEY_QUIT) return closed;
        if (k > 0 && k < 256 && toupper(k) == yes[0]) return 1;
        if (k > 0 && k < 256 && toupper(k) == no[0]) return 0;
        if (k == KEY_ESC) return 0;
    }
}

static void leave() {
    putsaa();
    WORLDGEN_SCREEN = 0;
    if (game_screen) {
        FadeOut(1);
        SDL_FillRect(game_screen, nullptr, 0);
    }
}

int kartta_main(const char *path) {
    if (game_screen) {
        FadeOut(1);
        SDL_FillRect(game_screen, nullptr, 0);
        worldgen_frame();
        FadeIn(1);
    }
    WORLDGEN_SCREEN = game_screen != nullptr;
    worldgen_seed(WORLDGEN_SEED);
    zoom = 4;
    superzoom = 0;
    maski = 0;
    legenda = 1;
    plrx = plry = 0;
    if (luokartta() != 0) {
        // No world is ever written from a generation that could not run.
        if (game_screen && CRTPLR_TAPA != 1) ask("Error in random world generation!", "E.Exit", "E.Exit", 0);
        leave();
        return 1;
    }
    etsialoituskohta(0);
    draw();
    while (CRTPLR_TAPA != 1) {
        const int k = getkey();
        if (k == KEY_QUIT) {
            leave();
            return 1;
        }
        const int key = k > 0 && k < 256 ? toupper(k) : k;
        if (key == 'E') break;
        switch (key) {
        case KEY_UP: plry -= 32; break;
        case KEY_DOWN: plry += 32; break;
        case KEY_LEFT: plrx -= 48; break;
        case KEY_RIGHT: plrx += 48; break;
        case '+':
            if (zoom > 1) {
                zoom /= 2;
                plrx += zoom * 384;
                plry += zoom * 256;
            }
            break;
        case '-':
            if (zoom < 4) {
                plrx -= zoom * 384;
                plry -= zoom * 256;
                zoom *= 2;
            }
            break;
        case 'C': maski = maski ? 0 : 4; break;
        case 'I':
            if (maski == 0) {
                maski = 4;
                legenda = 1;
            } else {
                legenda = !legenda;
            }
            break;
        case 'H': etsialoituskohta(1); zoom = 4; break;
        case 'R': etsialoituskohta(0); zoom = 4; break;
        case 'W':
            putsaa();
            if (game_screen) worldgen_frame();
            if (luokartta() != 0) {
                if (game_screen) ask("Error in random world generation!", "E.Exit", "E.Exit", 0);
                leave();
                return 1;
            }
            etsialoituskohta(0);
            break;
        default: continue;
        }
        clamp_view();
        draw();
    }
    char question[160];
    snprintf(question, sizeof question, "The world couldn't be written into %.60s.", path);
    while (tallennakartta(path) != 0) {
        if (!game_screen || CRTPLR_TAPA == 1 || !ask(question, "R.Retry", "G.Give up", 0)) {
            leave();
            return 1;
        }
    }
    leave();
    return 0;
}

void screen_worldmap(UiRedraw &t) {
    t.worldgen_progress = worldgen_progress;
    t.worldgen_frame = worldgen_frame;
    t.worldgen_border = mapareaborder;
}
