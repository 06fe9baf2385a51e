// src/presentation/windows.cpp -- windows, title bars and keyboard buttons drawn from the GUI sheet, the
// screen pages and grab slots that put back what a window covered, and screenshots.
#include "presentation/windows.h"

#include "base/ownlib.h"
#include "presentation/notes.h"
#include "presentation/pictures.h"
#include "presentation/readable.h"
#include "presentation/show.h"

#include <SDL2/SDL_image.h>
#include <cmath>
#include <cstdio>
#include <cstring>

SDL_Surface *guisurfCursor = nullptr, *guisurfSun = nullptr, *guisurfClouds = nullptr, *guisurfRain = nullptr,
            *guisurfSnowfall = nullptr, *guisurfHorizon = nullptr;
SDL_Texture *guiTEXCursor = nullptr, *guiTEXSun = nullptr, *guiTEXClouds = nullptr, *guiTEXRain = nullptr,
            *guiTEXSnowfall = nullptr, *guiTEXHorizon = nullptr;
SDL_Texture *guiTEXArrow = nullptr, *guiTEXSndclue = nullptr;
SDL_Surface *BGSURF_backstory = nullptr, *BGSURF_supernatural = nullptr, *BGSURF_profile = nullptr;
SDL_Texture *BGTEX_wideworld = nullptr, *BGTEX_rpanel = nullptr;
// The pictures of the two textures as well, as the ground a text drawn over them stands on.
static SDL_Surface *wideworld_picture = nullptr, *rpanel_picture = nullptr;

uint32_t BUTTON_DEFTEXT = 0;
int TEKSTI_Tyyli = 0;
int BUTVAR_TX = 0, BUTVAR_TY = 0;

enum { SHEET_W = 800, SHEET_H = 760, TEXPIECE = 160, BUTTON_H = 32 };
enum { CAP_LEFT_X = 0, CAP_W = 7, MIDDLE_X = 7, MIDDLE_W = 8, CAP_RIGHT_X = 22 };

struct GrabSlot {
    char name[100];
    SDL_Surface *picture;
    SDL_Rect rect;
    int has_rect;
    SDL_Rect viewport;             // renderer grabs only
    int notes;                     // the copy shows the note box as the notes left it
};
static GrabSlot ScreenGrab[GRAB_SLOTS];
static GrabSlot RenderGrab[GRAB_SLOTS];

static SDL_Texture *sheet_texture = nullptr;   // the sheet on the window renderer, made when first needed

static uint32_t rgb(int r, int g, int b) { return RGB_to_color(r, g, b); }
static uint32_t black() { return RGB_to_color(0, 0, 0); }

static int texture_row(uint32_t style) {
    if (style & WIN_TEX_SAVU) return 600;
    if (style & WIN_TEX_KIVI) return 400;
    if (style & WIN_TEX_TUOHI) return 200;
    return 40;
}

// ---- the GUI graphics ----------------------------------------------------------------------------

static void free_surface(SDL_Surface *&s) {
    if (s) SDL_FreeSurface(s);
    s = nullptr;
}

static void free_texture(SDL_Texture *&t) {
    if (t) SDL_DestroyTexture(t);
    t = nullptr;
}

// Loads a picture into the sheet at (0, row); a missing file leaves that row white (transparent).
static void sheet_row(const char *path, int row) {
    SDL_Surface *pic = picture_load(path);
    if (!pic) return;
    SDL_SetSurfaceBlendMode(pic, SDL_BLENDMODE_NONE);
    SDL_Rect to = {0, row, pic->w, pic->h};
    SDL_BlitSurface(pic, nullptr, PELIGRAFIIKKA, &to);
    SDL_FreeSurface(pic);
}

// An icon keyed by its pixel (0, 0), as a surface and a texture of the given renderer.
static void load_icon(const char *path, SDL_Surface **surface, SDL_Texture **texture, SDL_Renderer *r) {
    SDL_Surface *pic = picture_load(path);
    if (!pic) {
        if (texture) free_texture(*texture);
        return;
    }
    SDL_Surface *conv = SDL_ConvertSurfaceFormat(pic, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(pic);
    if (!conv) return;
    uint32_t key = 0;
    if (SDL_LockSurface(conv) == 0) {
        key = *(uint32_t *)conv->pixels;
        SDL_UnlockSurface(conv);
    }
    SDL_SetColorKey(conv, SDL_TRUE, key);
    if (texture) {
        free_texture(*texture);
        if (r) *texture = SDL_CreateTextureFromSurface(r, conv);
    }
    if (surface) {
        free_surface(*surface);
        *surface = conv;
    } else {
        SDL_FreeSurface(conv);
    }
}

void lataa_gui_grafiikka() {
    if (!game_screen) return;
    if (PELIGRAFIIKKA && (PELIGRAFIIKKA->w < SHEET_W || PELIGRAFIIKKA->h < SHEET_H)) free_surface(PELIGRAFIIKKA);
    if (!PELIGRAFIIKKA)
        PELIGRAFIIKKA = SDL_CreateRGBSurfaceWithFormat(0, SHEET_W, SHEET_H, 32, game_screen->format->format);
    if (!PELIGRAFIIKKA) return;
    uint32_t white = SDL_MapRGB(PELIGRAFIIKKA->format, 255, 255, 255);
    SDL_FillRect(PELIGRAFIIKKA, nullptr, white);
    SDL_SetColorKey(PELIGRAFIIKKA, SDL_TRUE, white);
    sheet_row("truegfx/nappain.png", 0);
    sheet_row("truegfx/texture_vaalea.png", 40);
    sheet_row("truegfx/texture_tuohi.png", 200);
    sheet_row("truegfx/texture_kivi.png", 400);
    sheet_row("truegfx/texture_savuseina.png", 600);
    free_texture(sheet_texture);

    load_icon("truegfx/cursor_target.png", &guisurfCursor, &guiTEXCursor, ren);
    load_icon("truetile/gui-sun.png", &guisurfSun, &guiTEXSun, HorBoxSoftRen);
    load_icon("truetile/gui-clouds.png", &guisurfClouds, &guiTEXClouds, HorBoxSoftRen);
    load_icon("truetile/gui-rain.png", &guisurfRain, &guiTEXRain, HorBoxSoftRen);
    load_icon("truetile/gui-snowfall.png", &guisurfSnowfall, &guiTEXSnowfall, HorBoxSoftRen);
    load_icon("truetile/gui-horizon.png", &guisurfHorizon, &guiTEXHorizon, HorBoxSoftRen);
    load_icon("truetile/gui-firelit.png", nullptr, &mapTEXFirelit, ren);
    load_icon("truetile/gui-arrow.png", nullptr, &guiTEXArrow, HeadingBoxSoftRen);
    load_icon("truetile/gui-sndclue.png", nullptr, &guiTEXSndclue, HeadingBoxSoftRen);
}

static SDL_Surface *load_background(const char *path) { return picture_load(path); }

void getbackgrounds() {
    free_surface(BGSURF_backstory);
    BGSURF_backstory = load_background("truegfx/bg-backstory.png");
    free_surface(BGSURF_supernatural);
    BGSURF_supernatural = load_background("truegfx/bg-supernatural.jpg");
    free_texture(BGTEX_wideworld);
    free_surface(wideworld_picture);
    wideworld_picture = load_background("truegfx/bg-wideworld.jpg");
    if (wideworld_picture && ren) BGTEX_wideworld = SDL_CreateTextureFromSurface(ren, wideworld_picture);
    free_surface(BGSURF_profile);
    BGSURF_profile = load_background("truegfx/bg-profile.jpg");
    free_texture(BGTEX_rpanel);
    free_surface(rpanel_picture);
    rpanel_picture = load_background("truegfx/bg-rpanel.png");
    if (rpanel_picture && ren) BGTEX_rpanel = SDL_CreateTextureFromSurface(ren, rpanel_picture);
}

void RenderWideWorld() {
    if (!ren) return;
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderClear(ren);
    ground_clear(ren, SDL_Color{0, 0, 0, 255});
    if (!BGTEX_wideworld || !wideworld_picture) return;
    SDL_RenderCopy(ren, BGTEX_wideworld, nullptr, nullptr);
    int w = 0, h = 0;
    SDL_QueryTexture(SDL_GetRenderTarget(ren), nullptr, nullptr, &w, &h);
    ground_picture(ren, SDL_Rect{0, 0, w, h}, wideworld_picture, SDL_Rect{0, 0, wideworld_picture->w, wideworld_picture->h},
                   false);
}

// The sheet as a texture of the given renderer: the window renderer's is kept, others are made per call.
static SDL_Texture *sheet_for(SDL_Renderer *r, bool &temporary) {
    temporary = false;
    if (!PELIGRAFIIKKA || !r) return nullptr;
    if (r == ren) {
        if (!sheet_texture) sheet_texture = SDL_CreateTextureFromSurface(ren, PELIGRAFIIKKA);
        return sheet_texture;
    }
    temporary = true;
    return SDL_CreateTextureFromSurface(r, PELIGRAFIIKKA);
}

// ---- windows and bars ----------------------------------------------------------------------------

static void tile_texture(int x, int y, int w, int h, uint32_t style) {
    if (!PELIGRAFIIKKA || !game_screen) return;
    int row = texture_row(style);
    for (int ty = 0; ty < h; ty += TEXPIECE)
        for (int tx = 0; tx < w; tx += TEXPIECE) {
            int pw = w - tx < TEXPIECE ? w - tx : TEXPIECE;
            int ph = h - ty < TEXPIECE ? h - ty : TEXPIECE;
            SDL_Rect from = {0, row, pw, ph};
            SDL_Rect to = {x + tx, y + ty, pw, ph};
            SDL_BlitSurface(PELIGRAFIIKKA, &from, game_screen, &to);
        }
}

static void frame_rect(int x1, int y1, int x2, int y2, uint32_t colour) {
    setcolor(colour);
    rectangle(x1, y1, x2, y2);
}

// Window of winbox and Piirra_Ikkuna; `bright` picks the brighter bevel of Piirra_Ikkuna.
static void window_shape(int x, int y, int w, int h, const char *title, uint32_t style, uint32_t fill, bool bright) {
    char t[100];
    copy_bounded(t, sizeof t, title ? title : "");
    textlog_window(nullptr, SDL_Rect{x, y, w, h});
    if (!SHOW_TRANSPARENT && !(style & WIN_NOTEXTURE) && h >= 1) tile_texture(x, y, w, h, style);
    if (SHOW_TRANSPARENT == 2) alpha_box(x, y, w, h, black(), 125);
    if ((style & WIN_NOTEXTURE) && !SHOW_TRANSPARENT) box(x, y, x + w - 1, y + h - 1, fill);
    uint32_t lt = bright ? rgb(255, 255, 255) : black();
    uint32_t rb = bright ? rgb(252, 252, 84) : rgb(255, 255, 255);
    int arb = bright ? 48 : 32;
    alpha_box(x + 1, y, 1, h - 1, lt, 64);
    alpha_box(x, y + 1, w - 1, 1, lt, 64);
    alpha_box(x + w - 2, y, 1, h - 1, rb, arb);
    alpha_box(x, y + h - 2, w - 1, 1, rb, arb);
    frame_rect(x, y, x + w - 1, y + h - 1, black());
    if (style & WIN_INNERFRAME) {
        if (style < WIN_NOTEXTURE) frame_rect(x + 2, y + 2, x + w - 3, y + h - 3, black());
        if (t[0]) TekstiPalkki(x + 4, y + 4, w - 8, t, 1);
    } else if (t[0]) {
        if (style & WIN_DARKTITLE)
            TekstiPalkki(x + 5, y + 4, w - 8, t, 10);
        else
            TekstiPalkki(x + 4, y + 4, w - 8, t, (style & WIN_TEX_SAVU) ? 0 : 2);
    }
}

void winbox(int x, int y, int w, int h, const char *title, uint32_t style, uint32_t fill) {
    window_shape(x, y, w, h, title, style, fill, false);
}

void Piirra_Ikkuna(int x, int y, int w, int h, const char *title, uint32_t style) {
    if (style >= WIN_NOTEXTURE)
        window_shape(x, y, w, h, title, WIN_NOTEXTURE, style - WIN_NOTEXTURE, true);
    else
        window_shape(x, y, w, h, title, style, 0, true);
}

static int centred_x(int x, int w, const char *text) { return x + w / 2 - 4 * (int)strlen(text) + 5; }

void TekstiPalkki(int x, int y, int w, const char *text, int style) {
    char t[100];
    copy_bounded(t, sizeof t, text ? text : "");
    uint32_t yellow = rgb(252, 252, 84);
    switch (style) {
    case 1:
    case 9:
        box(x, y, x + w - 1, y + 15, SCREEN_FILL_COL);
        frame_rect(x, y, x + w - 1, y + 15, black());
        showtext(x + 5, y + 4, t, style == 9 ? rgb(240, 230, 140) : yellow, 1);
        return;
    case 2:
        alpha_box(x, y, w, 16, black(), 128);
        break;
    case 4:
        sinked_box(x, y, w, 15);
        showtext(x + 5, y + 4, t, rgb(176, 196, 222), 1);
        return;
    case 5:
        Piirra_Ikkuna(x, y, w, 16, "", WIN_NOTEXTURE + rgb(60, 90, 152));
        showtext(centred_x(x, w, t), y + 4, t, yellow, 1);
        return;
    case 10:
        box(x, y, x + w - 1, y + 15, find_color(10, 10, 10));
        frame_rect(x, y, x + w - 1, y + 15, black());
        showtext(centred_x(x, w, t), y + 4, t, rgb(255, 255, 255), 1);
        return;
    default:
        alpha_box(x, y, w, 16, rgb(255, 255, 255), 32);
        break;
    }
    frame_rect(x, y, x + w - 1, y + 15, black());
    showtext(x + 5, y + 4, t, yellow, 1);
}

void TextBox(int x, int y, int w, const char *text, uint32_t colour) {
    moveto(0, 0);
    sinked_box(x, y, w, 13);
    char t[300];
    copy_bounded(t, sizeof t, text ? text : "");
    showtext(x + 3, y + 3, t, colour, 0);
}

void infoborder(int x, int y, int w, int h, const char *title) {
    textlog_window(nullptr, SDL_Rect{x, y, w, h});
    frame_rect(x, y, x + w - 1, y + h - 1, black());
    frame_rect(x + 2, y + 2, x + w - 3, y + h - 3, black());
    frame_rect(x + 1, y + 1, x + w - 2, y + h - 2, INFO_COL2);
    draw_line(x + 2, y + 16, x + w - 3, y + 16, black());
    draw_line(x + 2, y + 17, x + w - 3, y + 17, INFO_COL1);
    draw_line(x + 2, y + 18, x + w - 3, y + 18, black());
    if (!SHOW_TRANSPARENT) box(x + 3, y + 19, x + w - 4, y + h - 4, INFO_COL1);
    if (SHOW_TRANSPARENT == 2) alpha_box(x + 3, y + 19, w - 6, h - 22, black(), 200);
    box(x + 3, y + 3, x + w - 4, y + 15, INFO_COL2);
    char t[100];
    copy_bounded(t, sizeof t, title ? title : "");
    showtext(x + 6, y + 6, t, INFO_TEXT_COL, 1);
}

// ---- renderer twins ------------------------------------------------------------------------------

static void ren_fill(SDL_Renderer *r, int x, int y, int w, int h, SDL_Color c) {
    SDL_SetRenderDrawBlendMode(r, c.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(r, c.r, c.g, c.b, c.a);
    SDL_Rect rc = {x, y, w, h};
    SDL_RenderFillRect(r, &rc);
    ground_fill(r, rc, c);
}

static void ren_frame(SDL_Renderer *r, int x1, int y1, int x2, int y2, SDL_Color c) {
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, c.r, c.g, c.b, c.a);
    SDL_Rect rc = {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    SDL_RenderDrawRect(r, &rc);
}

static const SDL_Color kBlack = {0, 0, 0, 255};

void renderTextBox(SDL_Renderer *r, int x, int y, int w, const char *text, SDL_Color colour) {
    if (!r) return;
    ren_fill(r, x, y, w, 15, kBlack);
    SDL_SetRenderDrawColor(r, 32, 32, 32, 255);
    SDL_RenderDrawLine(r, x, y, x + w - 1, y);
    SDL_RenderDrawLine(r, x, y, x, y + 14);
    SDL_SetRenderDrawColor(r, 48, 64, 80, 255);
    SDL_RenderDrawLine(r, x, y + 14, x + w - 1, y + 14);
    SDL_RenderDrawLine(r, x + w - 1, y, x + w - 1, y + 14);
    renshowtext(r, x + 3, y + 3, text ? text : "", ColorPack(colour), 0);
    RESET_RenderDrawModes(r);
}

void renderTekstiPalkki(SDL_Renderer *r, int x, int y, int w, const char *text, int style) {
    if (!r) return;
    char t[100];
    copy_bounded(t, sizeof t, text ? text : "");
    uint32_t textcol = ColorPack(RGBAColor_Yellow);
    int tx = x + 5;
    switch (style) {
    case 1:
    case 9:
        ren_fill(r, x, y, w, 16, SCREENFILL_ColS);
        if (style == 9) textcol = ColorPack(RGBAColor_Khaki);
        break;
    case 2: ren_fill(r, x, y, w, 16, SDL_Color{0, 0, 0, 128}); break;
    case 4:
        renderTextBox(r, x, y, w, t, RGBAColor_LightSteelBlue);
        return;
    case 5:
        renderwinbox(r, x, y, w, 16, "", WIN_NOTEXTURE, RGBAColor_InfoBlue);
        renshowtext(r, centred_x(x, w, t), y + 4, t, textcol, 1);
        RESET_RenderDrawModes(r);
        return;
    case 10:
        ren_fill(r, x, y, w, 16, SDL_Color{40, 40, 40, 255});
        textcol = ColorPack(RGBAColor_White);
        tx = centred_x(x, w, t);
        break;
    case 11: ren_fill(r, x, y, w, 16, RGBAColor_Green); break;
    default: ren_fill(r, x, y, w, 16, SDL_Color{255, 255, 255, 32}); break;
    }
    ren_frame(r, x, y, x + w - 1, y + 15, kBlack);
    renshowtext(r, tx, y + 4, t, textcol, 1);
    RESET_RenderDrawModes(r);
}

void renderwinbox(SDL_Renderer *r, int x, int y, int w, int h, const char *title, uint32_t style, SDL_Color fill) {
    if (!r) return;
    char t[100];
    copy_bounded(t, sizeof t, title ? title : "");
    textlog_window(r != ren ? (const void *)r : (const void *)SDL_GetRenderTarget(r), SDL_Rect{x, y, w, h});
    if (!SHOW_TRANSPARENT && !(style & WIN_NOTEXTURE) && h >= 1) {
        bool temporary;
        SDL_Texture *sheet = sheet_for(r, temporary);
        if (sheet) {
            int row = texture_row(style);
            ground_picture(r, SDL_Rect{x, y, w, h}, PELIGRAFIIKKA, SDL_Rect{0, row, TEXPIECE, TEXPIECE}, true);
            for (int ty = 0; ty < h; ty += TEXPIECE)
                for (int tx = 0; tx < w; tx += TEXPIECE) {
                    int pw = w - tx < TEXPIECE ? w - tx : TEXPIECE;
                    int ph = h - ty < TEXPIECE ? h - ty : TEXPIECE;
                    SDL_Rect from = {0, row, pw, ph}, to = {x + tx, y + ty, pw, ph};
                    SDL_RenderCopy(r, sheet, &from, &to);
                }
            if (temporary) SDL_DestroyTexture(sheet);
        }
    }
    if (SHOW_TRANSPARENT == 2) ren_fill(r, x, y, w, h, SDL_Color{0, 0, 0, 125});
    if ((style & WIN_NOTEXTURE) && !SHOW_TRANSPARENT) ren_fill(r, x, y, w, h, fill);
    ren_fill(r, x + 1, y, 1, h - 1, SDL_Color{255, 255, 255, 64});
    ren_fill(r, x, y + 1, w - 1, 1, SDL_Color{255, 255, 255, 64});
    ren_fill(r, x + w - 2, y, 1, h - 1, SDL_Color{252, 252, 84, 48});
    ren_fill(r, x, y + h - 2, w - 1, 1, SDL_Color{252, 252, 84, 48});
    ren_frame(r, x, y, x + w - 1, y + h - 1, kBlack);
    if (style & WIN_INNERFRAME) {
        if (style < WIN_NOTEXTURE) ren_frame(r, x + 2, y + 2, x + w - 3, y + h - 3, kBlack);
        if (t[0]) renderTekstiPalkki(r, x + 4, y + 4, w - 8, t, 1);
    } else if (t[0]) {
        if (style & WIN_DARKTITLE)
            renderTekstiPalkki(r, x + 5, y + 4, w - 8, t, 10);
        else
            renderTekstiPalkki(r, x + 4, y + 4, w - 8, t, (style & WIN_TEX_SAVU) ? 0 : 2);
    }
    RESET_RenderDrawModes(r);
}

static void with_target(SDL_Texture *texture, void (*draw)(const char *), const char *title) {
    if (!ren || !texture) return;
    SDL_Texture *before = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, texture);
    draw(title);
    SDL_SetRenderTarget(ren, before);
}

static void subscreen_title(const char *title) { renderTekstiPalkki(ren, 5, 5, 790, title, 5); }

void SubscreenTitleToTexture(SDL_Texture *texture, const char *title) {
    with_target(texture, subscreen_title, title);
}

// ---- buttons -------------------------------------------------------------------------------------

// The key part of a button text: up to the first "." after its first character.
static int key_part_length(const char *text) {
    const char *dot = text[0] ? strchr(text + 1, '.') : nullptr;
    return dot ? (int)(dot - text) : (int)strlen(text);
}

static bool marks_highlight(const char *text) { return strchr(text, '<') && strchr(text, '>'); }

static int key_cells(const char *text, int len) {
    bool marks = marks_highlight(text);
    int n = 0;
    for (int i = 0; i < len; i++)
        if (!(marks && (text[i] == '<' || text[i] == '>'))) n++;
    return n;
}

int Nappain_Leveys(const char *text) {
    if (!text) return 0;
    int n = key_cells(text, key_part_length(text));
    return 2 * CAP_W + MIDDLE_W * n;
}

static void button_body(int x, int y, int n) {
    if (!PELIGRAFIIKKA || !game_screen) return;
    SDL_Rect from = {CAP_LEFT_X, 0, CAP_W, BUTTON_H}, to = {x, y, CAP_W, BUTTON_H};
    SDL_BlitSurface(PELIGRAFIIKKA, &from, game_screen, &to);
    for (int i = 0; i < n; i++) {
        SDL_Rect mf = {MIDDLE_X, 0, MIDDLE_W, BUTTON_H}, mt = {x + 7 + 8 * i, y, MIDDLE_W, BUTTON_H};
        SDL_BlitSurface(PELIGRAFIIKKA, &mf, game_screen, &mt);
    }
    SDL_Rect rf = {CAP_RIGHT_X, 0, CAP_W, BUTTON_H}, rt = {x + 7 + 8 * n, y, CAP_W, BUTTON_H};
    SDL_BlitSurface(PELIGRAFIIKKA, &rf, game_screen, &rt);
}

void Piirra_Nappain(int x, int y, const char *text) {
    if (!text) return;
    char t[300];
    copy_bounded(t, sizeof t, text);
    int len = key_part_length(t);
    bool marks = marks_highlight(t);
    int n = key_cells(t, len);
    button_body(x, y, n);
    bool lit = false;
    int cell = 0;
    for (int i = 0; i < len; i++) {
        char c = t[i];
        if (marks && (c == '<' || c == '>')) {
            lit = c == '<';
            continue;
        }
        char one[2] = {c, 0};
        if (lit)
            showtext(x + 8 + 8 * cell, y + 5, one, rgb(240, 230, 140), 1);
        else
            showtext(x + 8 + 8 * cell, y + 5, one, black(), 0);
        cell++;
    }
    moveto(x + 8 + 8 * n + 4, y + 5);
    if (t[len] == '.' && t[len + 1]) showtext(x + 16 + 8 * n, y + 5, t + len + 1, BUTTON_DEFTEXT, TEKSTI_Tyyli);
}

void drawbutton(int x, int y, const char *text) {
    if (!text) return;
    char part[300];
    int n = 0;
    char opener = 0;
    for (const char *p = text;; p++) {
        char c = *p;
        bool split = !c || c == '[' || c == ']' || c == '<' || c == '>';
        if (!split) {
            if (n < (int)sizeof part - 1) part[n++] = c;
            continue;
        }
        part[n] = 0;
        bool is_key = (opener == '[' && c == ']') || (opener == '<' && c == '>');
        if (n) {
            if (is_key) {
                button_body(x, y, n);
                showtext(x + 8, y + 5, part, black(), 0);
                x += 2 * CAP_W + MIDDLE_W * n;
            } else {
                showtext(x, y + 5, part, BUTTON_DEFTEXT, TEKSTI_Tyyli);
                x += 8 * n;
            }
        }
        n = 0;
        opener = (c == '[' || c == '<') ? c : 0;
        if (!c) break;
    }
    BUTVAR_TX = x;
    BUTVAR_TY = y;
}

static void ren_button_body(SDL_Renderer *r, SDL_Texture *sheet, int x, int y, int n) {
    SDL_Rect from = {CAP_LEFT_X, 0, CAP_W, BUTTON_H}, to = {x, y, CAP_W, BUTTON_H};
    SDL_RenderCopy(r, sheet, &from, &to);
    for (int i = 0; i < n; i++) {
        SDL_Rect mf = {MIDDLE_X, 0, MIDDLE_W, BUTTON_H}, mt = {x + 7 + 8 * i, y, MIDDLE_W, BUTTON_H};
        SDL_RenderCopy(r, sheet, &mf, &mt);
    }
    SDL_Rect rf = {CAP_RIGHT_X, 0, CAP_W, BUTTON_H}, rt = {x + 7 + 8 * n, y, CAP_W, BUTTON_H};
    SDL_RenderCopy(r, sheet, &rf, &rt);
    ground_picture(r, to, PELIGRAFIIKKA, from, false);
    ground_picture(r, SDL_Rect{x + 7, y, MIDDLE_W * n, BUTTON_H}, PELIGRAFIIKKA,
                   SDL_Rect{MIDDLE_X, 0, MIDDLE_W, BUTTON_H}, true);
    ground_picture(r, rt, PELIGRAFIIKKA, rf, false);
}

void render_drawbutton(SDL_Renderer *r, int x, int y, const char *text, SDL_Color colour, int style) {
    if (!r || !text) return;
    bool temporary;
    SDL_Texture *sheet = sheet_for(r, temporary);
    bool dotted = text[0] == '.' && text[1] == '.';
    char part[300];
    int n = 0;
    char opener = 0;
    bool key_drawn = false;
    for (const char *p = text;; p++) {
        char c = *p;
        bool split = dotted ? (!c || c == '|')
                            : (!c || c == '[' || c == ']' || c == '<' || c == '>' || c == '.' || c == '|');
        if (!split) {
            if (n < (int)sizeof part - 1) part[n++] = c;
            continue;
        }
        part[n] = 0;
        bool is_key = (opener == '[' && c == ']') || (opener == '<' && c == '>') || c == '.' || c == '|' || n == 1;
        if ((style & 2) && key_drawn) is_key = false;
        if (dotted && c == '|') is_key = true;
        if (n) {
            if (is_key) {
                if (sheet) ren_button_body(r, sheet, x, y, n);
                renshowtext(r, x + 8, y + 5, part, ColorPack(kBlack), 0);
                x += 2 * CAP_W + MIDDLE_W * n;
                key_drawn = true;
            } else {
                renshowtext(r, x + 2, y + 5, part, ColorPack(colour), style & 1);
                x += 8 * n;
            }
        }
        n = 0;
        opener = (c == '[' || c == '<') ? c : 0;
        if (!c) break;
    }
    if (temporary && sheet) SDL_DestroyTexture(sheet);
}

void drawcursor(int x, int y, int w, int h) {
    if (!guisurfCursor || !game_screen) return;
    SDL_Rect to = {x, y, w, h};
    SDL_BlitScaled(guisurfCursor, nullptr, game_screen, &to);
}

void RenderCursor(int x, int y, int w, int h) {
    if (!guiTEXCursor || !ren) return;
    SDL_Rect to = {x, y, w, h};
    NativeResolution_RectConvert(&to);
    SDL_RenderCopy(ren, guiTEXCursor, nullptr, &to);
}

// ---- screen pages --------------------------------------------------------------------------------

static SDL_Surface *page(int n) {
    switch (n) {
    case 1: return SCREENSAVE;
    case 2: return SCREENBUFFY;
    case 3: return GAMESAVE;
    case 4: return MENUBUFFER;
    default: return nullptr;
    }
}

static void copy_surface(SDL_Surface *from, SDL_Surface *to, const SDL_Rect *rect) {
    if (!from || !to) return;
    SDL_BlendMode mode;
    SDL_GetSurfaceBlendMode(from, &mode);
    SDL_SetSurfaceBlendMode(from, SDL_BLENDMODE_NONE);
    SDL_Rect r = rect ? *rect : SDL_Rect{0, 0, from->w, from->h};
    SDL_Rect d = r;
    SDL_BlitSurface(from, &r, to, &d);
    SDL_SetSurfaceBlendMode(from, mode);
}

// Which pages hold the note box as the notes left it when they were saved: put back, they get the
// notes written since, so that no note is lost from the box by a window closing.
static int page_notes[5];

void get_screen(int n) {
    copy_surface(game_screen, page(n), nullptr);
    if (n >= 1 && n <= 4) page_notes[n] = notebox_shown_in(game_screen);
}

void do_screen(int n) {
    SDL_Surface *p = page(n);
    if (!p) return;
    copy_surface(p, game_screen, nullptr);
    if (page_notes[n]) notebox_put_back(game_screen);
    Flip();
}

void scr_save_page() { get_screen(1); }
void scr_restore_page() { do_screen(1); }

static bool over_notebox(const SDL_Rect &r) {
    const SDL_Rect b = {noteboxGui.x, noteboxGui.y, noteboxGui.width, noteboxGui.height};
    return SDL_HasIntersection(&r, &b) == SDL_TRUE;
}

void scr_game_save() {
    if (GAME_SAVED) return;
    get_screen(3);
    GAME_SAVED = 1;
}

void scr_game_restore() {
    do_screen(3);
    GAME_SAVED = 0;
}

static void restore_with_map(int n) {
    int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    do_screen(n);
    DISABLE_FLIP = held;
    FLIP_map_ON();
    Flip();
}

void game_restore_with_map() {
    restore_with_map(3);
    GAME_SAVED = 0;
}

void restore_mappage() { restore_with_map(1); }

// ---- named grab slots ----------------------------------------------------------------------------

static int find_slot(GrabSlot *slots, const char *name) {
    if (!name || !name[0]) return -1;
    for (int i = 0; i < GRAB_SLOTS; i++)
        if (slots[i].name[0] && !strcmp(slots[i].name, name)) return i;
    return -1;
}

// The slot that holds the name, else the first free one; slot 0 when all hold others. Its old picture
// is freed, so one name never keeps two slots.
static int take_slot(GrabSlot *slots, const char *name, const SDL_Rect *rect) {
    int s = find_slot(slots, name);
    for (int i = 0; s < 0 && i < GRAB_SLOTS; i++)
        if (!slots[i].name[0]) s = i;
    if (s < 0) s = 0;
    GrabSlot &g = slots[s];
    free_surface(g.picture);
    copy_bounded(g.name, sizeof g.name, name);
    g.has_rect = rect != nullptr;
    g.rect = rect ? *rect : SDL_Rect{0, 0, 0, 0};
    return s;
}

static void clear_slot(GrabSlot &g) {
    free_surface(g.picture);
    g.name[0] = 0;
    g.has_rect = 0;
}

int grabscr_slot(const char *name) { return find_slot(ScreenGrab, name); }

void grabscr(const char *name, const SDL_Rect *rect) {
    if (!game_screen || !name) return;
    int s = take_slot(ScreenGrab, name, rect);
    GrabSlot &g = ScreenGrab[s];
    g.picture = SDL_CreateRGBSurfaceWithFormat(0, game_screen->w, game_screen->h, 32, game_screen->format->format);
    copy_surface(game_screen, g.picture, nullptr);
    g.notes = notebox_shown_in(game_screen);
}

void showscr(const char *name) {
    int s = find_slot(ScreenGrab, name);
    if (s < 0 || !ScreenGrab[s].picture) return;
    GrabSlot &g = ScreenGrab[s];
    if (g.has_rect) {
        copy_surface(g.picture, game_screen, &g.rect);
        if (g.notes && over_notebox(g.rect)) {
            notebox_put_back(game_screen);
            FlipScreenPortion(noteboxGui.x, noteboxGui.y, noteboxGui.width, noteboxGui.height, 0);
        }
        FlipScreenPortion(g.rect.x, g.rect.y, g.rect.w, g.rect.h, 1);
    } else {
        copy_surface(g.picture, game_screen, nullptr);
        if (g.notes) notebox_put_back(game_screen);
        Flip();
    }
}

void scr_freescr(const char *name) {
    int s = find_slot(ScreenGrab, name);
    if (s >= 0) clear_slot(ScreenGrab[s]);
}

void scr_restorescr(const char *name) {
    showscr(name);
    freescr(name);
}

void clrgfx() {
    if (game_screen) SDL_FillRect(game_screen, nullptr, black());
    Flip();
}

void show_BUFFER() { Flip(); }

void save_scr_file(const char *path) {
    get_screen(2);
    if (SCREENBUFFY && path) SDL_SaveBMP(SCREENBUFFY, path);
}

// The renderer's output of the current viewport as a new 32-bit surface of the output size.
static SDL_Surface *read_output(SDL_Rect &viewport) {
    if (!ren) return nullptr;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(ren, &w, &h);
    SDL_RenderGetViewport(ren, &viewport);
    if (w <= 0 || h <= 0) return nullptr;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return nullptr;
    if (SDL_RenderReadPixels(ren, nullptr, SDL_PIXELFORMAT_ARGB8888, s->pixels, s->pitch) != 0) {
        SDL_FreeSurface(s);
        return nullptr;
    }
    return s;
}

void GrabTest() {
    SDL_Rect vp;
    SDL_Surface *s = read_output(vp);
    if (!s) return;
    SDL_SaveBMP(s, "screenshot.bmp");
    SDL_FreeSurface(s);
}

// ---- renderer grabs ------------------------------------------------------------------------------

void GrabSCR(const char *name, const SDL_Rect *rect) {
    if (!name) return;
    int s = take_slot(RenderGrab, name, rect);
    RenderGrab[s].picture = read_output(RenderGrab[s].viewport);
}

static void show_render_grab(const char *name, const SDL_Rect *rect, int remove, bool logical_map) {
    int s = find_slot(RenderGrab, name);
    if (s < 0 || !RenderGrab[s].picture || !ren) return;
    GrabSlot &g = RenderGrab[s];
    SDL_Texture *t = SDL_CreateTextureFromSurface(ren, g.picture);
    if (t) {
        const SDL_Rect *use = rect ? rect : (g.has_rect ? &g.rect : nullptr);
        if (!use) {
            SDL_RenderCopy(ren, t, nullptr, nullptr);
        } else {
            SDL_Rect r = *use;
            if (logical_map && IS_LOGICALRESIZE()) {
                int ow = g.picture->w, oh = g.picture->h;
                if (g.viewport.y) oh = (int)ceil(0.75 * ow);
                else if (g.viewport.x) ow = (int)ceil(1.3333334 * oh);
                r = SDL_Rect{r.x * ow / RESOLUTION_X, r.y * oh / RESOLUTION_Y, r.w * ow / RESOLUTION_X,
                             r.h * oh / RESOLUTION_Y};
            } else {
                NativeResolution_RectConvert(&r);
            }
            SDL_RenderCopy(ren, t, &r, &r);
        }
        SDL_RenderPresent(ren);
        SDL_DestroyTexture(t);
    }
    if (remove) clear_slot(g);
}

void ComplexShowSCR(const char *name, const SDL_Rect *rect, int remove) { show_render_grab(name, rect, remove, true); }
void ShowSCR(const char *name) { ComplexShowSCR(name, nullptr, 0); }
void RemoveShowSCR(const char *name) { ComplexShowSCR(name, nullptr, 1); }
