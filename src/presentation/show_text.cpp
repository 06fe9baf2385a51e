// src/presentation/show_text.cpp -- the palette and named colours, the 8 x 10 bitmap font, the text
// drawers with their cursor, the word-table layout and the two one-line text inputs.
#include "presentation/show.h"
#include "presentation/show_int.h"

#include "base/ownlib.h"
#include "presentation/input.h"
#include "presentation/readable.h"
#include "core/tekstit.h"
#include "presentation/textwrap.h"
#include "base/ui.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

PaletteEntry defdac256[256];
uint8_t FONT[FONT_BYTES];

SDL_Color RGBAColor_IndependenceBlue = {76, 81, 109, 255}, RGBAColor_PaleGoldenRod = {238, 232, 170, 255},
          RGBAColor_LightSteelBlue = {176, 196, 222, 255}, RGBAColor_Khaki = {240, 230, 140, 255},
          RGBAColor_InfoBlue = {60, 90, 152, 255}, RGBAColor_White = {255, 255, 255, 255},
          RGBAColor_Brown = {171, 87, 0, 255}, RGBAColor_Lightred = {255, 87, 87, 255},
          RGBAColor_Red = {168, 0, 0, 255}, RGBAColor_Darkgray = {87, 87, 87, 255},
          RGBAColor_Green = {0, 168, 0, 255}, RGBAColor_LightBlue = {100, 149, 237, 255},
          RGBAColor_Blue = {0, 0, 168, 255}, RGBAColor_Black = {0, 0, 0, 255},
          RGBAColor_Lightgray = {171, 171, 171, 255}, RGBAColor_LightGreen = {84, 252, 84, 255},
          RGBAColor_Yellow = {252, 252, 84, 255};
SDL_Color SCREENCOL1_ColS, SCREENCOL2_ColS, SCREENFILL_ColS;
uint32_t DEFTEXT_COL, BG1_COL, BG2_COL, BG_FILL_COL, BHI_COL, BLACK_COL, BB1_COL, BB2_COL, BFILL_COL, BOX1_COL,
    BOX2_COL, BOXFILL_COL, TBOX_COL1, TBOX_COL2, TBOX_FILL, SINK1_COL, SINK2_COL, SCREEN_COL1, SCREEN_COL2,
    SCREEN_FILL_COL, TITLE_COL1, TITLE_COL2, TITLE_FILL_COL, INFO_COL1, INFO_COL2, INFO_TEXT_COL;

int scr_xpos = 0, scr_ypos = 0;
uint32_t CURRENT_COLOR = 0;
int BACKGROUND = 0;
char s_sanataulukko[1024];

enum { GLYPH_W = 8, GLYPH_H = 10, GLYPH_BYTES = 80, LINE_MAX = 300, GETST_SIZE = 100 };

// ---- colours ----------------------------------------------------------------------------------

static uint8_t clamp8(int v) { return (uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v); }

static SDL_PixelFormat *screen_format() { return screen_fmt ? screen_fmt : (game_screen ? game_screen->format : nullptr); }

uint32_t RGB_to_color(int r, int g, int b) {
    SDL_PixelFormat *f = screen_format();
    return f ? SDL_MapRGB(f, clamp8(r), clamp8(g), clamp8(b)) : 0;
}

uint32_t pixelvalue(int i) {
    if (i < 0 || i > 255) return 0;
    return RGB_to_color(defdac256[i].r, defdac256[i].g, defdac256[i].b);
}

uint32_t find_color(int r, int g, int b) {
    return RGB_to_color((uint8_t)(r * 4), (uint8_t)(g * 4), (uint8_t)(b * 4));
}

uint32_t COLOR_WHITE() { return RGB_to_color(255, 255, 255); }
uint32_t COLOR_RED() { return RGB_to_color(168, 0, 0); }
uint32_t COLOR_LIGHTGRAY() { return RGB_to_color(171, 171, 171); }
uint32_t COLOR_DARKGRAY() { return RGB_to_color(87, 87, 87); }

uint32_t ColorPack(SDL_Color c) {
    return (uint32_t)c.r | (uint32_t)c.g << 8 | (uint32_t)c.b << 16 | (uint32_t)c.a << 24;
}

SDL_Color ColorUnpack(uint32_t p) {
    return SDL_Color{(uint8_t)p, (uint8_t)(p >> 8), (uint8_t)(p >> 16), (uint8_t)(p >> 24)};
}

static SDL_Color levels(int r, int g, int b) {
    return SDL_Color{(uint8_t)(r * 4), (uint8_t)(g * 4), (uint8_t)(b * 4), 255};
}

void get_colors() {
    DEFTEXT_COL = find_color(56, 52, 40);
    BG1_COL = find_color(16, 16, 16);
    BG2_COL = find_color(16, 20, 20);
    BG_FILL_COL = find_color(32, 32, 28);
    BHI_COL = find_color(36, 20, 0);
    BLACK_COL = find_color(0, 0, 0);
    BB1_COL = find_color(56, 56, 56);
    BB2_COL = find_color(16, 20, 24);
    BFILL_COL = find_color(44, 48, 48);
    BOX1_COL = find_color(16, 16, 8);
    BOX2_COL = find_color(24, 24, 16);
    BOXFILL_COL = find_color(20, 20, 8);
    TBOX_COL1 = find_color(53, 37, 29);
    TBOX_COL2 = find_color(21, 15, 7);
    TBOX_FILL = find_color(42, 29, 19);
    SINK1_COL = find_color(8, 8, 8);
    SINK2_COL = find_color(12, 16, 20);
    SCREEN_COL1 = find_color(12, 16, 20);
    SCREEN_COL2 = find_color(20, 24, 32);
    SCREEN_FILL_COL = find_color(14, 22, 30);
    TITLE_COL1 = find_color(40, 12, 0);
    TITLE_COL2 = find_color(20, 8, 0);
    TITLE_FILL_COL = find_color(36, 24, 8);
    INFO_COL1 = find_color(14, 18, 22);
    INFO_COL2 = find_color(20, 24, 40);
    INFO_TEXT_COL = find_color(52, 52, 48);
    SCREENCOL1_ColS = levels(12, 16, 20);
    SCREENCOL2_ColS = levels(20, 24, 32);
    SCREENFILL_ColS = levels(14, 22, 30);
}

// ---- the palette and font files ---------------------------------------------------------------

// Reads the whole file of exactly `size` bytes or ends the game naming it: the screen cannot be
// drawn without it, and half a font or palette would show as garbage.
static int load_whole(const char *name, void *buf, size_t size) {
    if (!read_exact(name, buf, size)) {
        char msg[200];
        snprintf(msg, sizeof msg, "Oxa internal error -- couldn't open %s\n", name);
        oxa_quit(msg);
    }
    return 1;
}

int load_palette() { return load_whole("palette.nfo", defdac256, PALETTE_BYTES); }

int load_sprites() { return load_whole("OXA.FNT", FONT, FONT_BYTES); }

static bool ink(unsigned char ch, int row, int col) { return FONT[ch * GLYPH_BYTES + row * GLYPH_W + col] == 1; }

void fntputpix(int x, int y, uint32_t pixel) { surface_putpix(x, y, pixel, fontsurface); }

void putfnt(int x, int y, unsigned char ch) {
    if (!fontsurface) return;
    uint32_t white = SDL_MapRGB(fontsurface->format, 255, 255, 255);
    for (int r = 0; r < GLYPH_H; r++)
        for (int c = 0; c < GLYPH_W; c++)
            if (ink(ch, r, c)) fntputpix(x + c, y + r, white);
}

void putfont() {
    if (!fontsurface) return;
    SDL_FillRect(fontsurface, nullptr, SDL_MapRGB(fontsurface->format, 0, 0, 0));
    for (int g = 0; g < 200; g++) putfnt(g * GLYPH_W, 0, (unsigned char)g);
}

// ---- text cursor and metrics ------------------------------------------------------------------

void moveto(int x, int y) {
    scr_xpos = x;
    scr_ypos = y;
}
int getx() { return scr_xpos; }
int gety() { return scr_ypos; }
void setcolor(uint32_t c) { CURRENT_COLOR = c; }
uint32_t getcolor() { return CURRENT_COLOR; }
int scr_textwidth(const char *text) { return text ? GLYPH_W * (int)strlen(text) : 0; }
int textlenw(int n) { return GLYPH_W * n; }
int textlineh(float f) { return (int)((float)GuiLINEHEIGHT * f); }
int textline(int y) { return (int)ceilf(ceilf((float)y / 11.75f) * 11.75f); }

// ---- glyphs -----------------------------------------------------------------------------------

void putasc(int x, int y, unsigned char ch) {
    if (!game_screen) return;
    for (int r = 0; r < GLYPH_H; r++)
        for (int c = 0; c < GLYPH_W; c++)
            if (ink(ch, r, c)) putpix(x + c, y + r, CURRENT_COLOR);
}

void surfputasc(SDL_Surface *s, int x, int y, unsigned char ch, int r, int g, int b) {
    if (!s) return;
    uint32_t pixel = SDL_MapRGB(s->format, clamp8(r), clamp8(g), clamp8(b));
    for (int row = 0; row < GLYPH_H; row++)
        for (int c = 0; c < GLYPH_W; c++)
            if (ink(ch, row, c)) surface_putpix(x + c, y + row, pixel, s);
}

// A key colour one step away from the ink, so that only the ink stays opaque.
static void key_colour(int r, int g, int b, int &kr, int &kg, int &kb) {
    if (r != 0) {
        kr = r - 1, kg = g, kb = b;
    } else {
        kr = 1, kg = 1, kb = 1;
    }
    if (g != 0) kr = r, kg = g - 1, kb = b;
    if (b != 0) kr = r, kg = g, kb = b - 1;
}

void renderasc(SDL_Renderer *ren_, int x, int y, unsigned char ch, int cr, int cg, int cb) {
    if (!ren_) return;
    cr = clamp8(cr), cg = clamp8(cg), cb = clamp8(cb);
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, GLYPH_W, GLYPH_H, 32, SDL_PIXELFORMAT_RGB888);
    if (!s) return;
    int kr, kg, kb;
    key_colour(cr, cg, cb, kr, kg, kb);
    uint32_t key = SDL_MapRGB(s->format, (uint8_t)kr, (uint8_t)kg, (uint8_t)kb);
    SDL_FillRect(s, nullptr, key);
    surfputasc(s, 0, 0, ch, cr, cg, cb);
    SDL_SetColorKey(s, SDL_TRUE, key);
    SDL_Texture *t = SDL_CreateTextureFromSurface(ren_, s);
    if (t) {
        SDL_Rect dst = {x, y, GLYPH_W, GLYPH_H};
        SDL_RenderCopy(ren_, t, nullptr, &dst);
        SDL_DestroyTexture(t);
    }
    SDL_FreeSurface(s);
}

// ---- line drawers -----------------------------------------------------------------------------

// The line drawers work on a 300-byte copy; a line feed ends the line when `cut_at_newline`.
static void copy_line(char (&buf)[LINE_MAX], const char *text, bool cut_at_newline) {
    copy_bounded(buf, sizeof buf, text ? text : "");
    if (cut_at_newline) {
        char *nl = strchr(buf, '\n');
        if (nl) *nl = 0;
    }
}

// Data files hold Latin-1 letters with diaeresis; the font has them at their code-page-437 places.
static void font_letters(char *s) {
    for (unsigned char *p = (unsigned char *)s; *p; p++) {
        if (*p == 228) *p = 132;
        else if (*p == 246) *p = 148;
        else if (*p == 196) *p = 142;
    }
}

void textput(int x, int y, const char *text) {
    char buf[LINE_MAX];
    copy_line(buf, text, true);
    for (const unsigned char *p = (const unsigned char *)buf; *p; p++, x += GLYPH_W) putasc(x, y, *p);
}

void rentextput(SDL_Renderer *r, int x, int y, const char *text, uint32_t colour) {
    char buf[LINE_MAX];
    copy_line(buf, text, true);
    SDL_Color c = ColorUnpack(colour);
    for (const unsigned char *p = (const unsigned char *)buf; *p; p++, x += GLYPH_W) renderasc(r, x, y, *p, c.r, c.g, c.b);
}

// ---- readable ink ---------------------------------------------------------------------------------

// The ink a line at (x, y) asked in `asked` takes on the ground under its cells and a pixel round them
// (read from the surface, or from what the renderer laid there when `r`), but for the pixels its own
// letters (and an outline asked, round them) will cover: the same line drawn before. `outline` comes in
// as asked and goes out as drawn.
static SDL_Color ink_on_ground(SDL_Renderer *r, SDL_Surface *s, int x, int y, const char *buf, SDL_Color asked,
                               int &outline) {
    static std::vector<uint32_t> pixels;
    const int len = (int)strlen(buf), w = GLYPH_W * len + 2, h = GLYPH_H + 2;
    pixels.resize((size_t)w * h);
    ground_pixels(r, s, SDL_Rect{x - 1, y - 1, w, h}, pixels.data());
    const int reach = outline ? 1 : 0;
    for (int i = 0; i < len; i++)   // what its letters will cover is no ground
        for (int cy = 0; cy < GLYPH_H; cy++)
            for (int cx = 0; cx < GLYPH_W; cx++) {
                if (!ink((unsigned char)buf[i], cy, cx)) continue;
                const int px = i * GLYPH_W + cx + 1, py = cy + 1;
                for (int d = -reach; d <= reach; d++) {
                    pixels[(size_t)(py + d) * w + (size_t)px] = 0;
                    pixels[(size_t)py * w + (size_t)(px + d)] = 0;
                }
            }
    return readable_ink(asked, pixels.data(), w * h, outline);
}

// The screen surface's colour for a line at (x, y) asked in `colour`: one that reads on what is there.
// `outline` (OUTLINE_*) comes in as asked and goes out as drawn: it gains one where the ground is a picture.
static uint32_t surface_readable(int x, int y, const char *buf, uint32_t colour, int &outline) {
    SDL_Color asked{};
    SDL_GetRGB(colour, game_screen->format, &asked.r, &asked.g, &asked.b);
    asked.a = 255;
    const SDL_Color ink = ink_on_ground(nullptr, game_screen, x, y, buf, asked, outline);
    textlog_text(nullptr, SDL_Rect{x, y, GLYPH_W * (int)strlen(buf), GLYPH_H}, ink, asked, outline, buf, nullptr);
    return SDL_MapRGB(game_screen->format, ink.r, ink.g, ink.b);
}

void showtext(int x, int y, const char *text, uint32_t colour, int style) {
    char buf[LINE_MAX];
    copy_line(buf, text, false);
    font_letters(buf);
    if (x == -1) x = scr_xpos;
    if (y == -1) y = scr_ypos;
    int outline = style == 1 ? OUTLINE_DARK : OUTLINE_NONE;
    if (buf[0] && game_screen) colour = surface_readable(x, y, buf, colour, outline);
    if (outline) {
        CURRENT_COLOR = outline == OUTLINE_LIGHT ? COLOR_WHITE() : BLACK_COL;
        textput(x, y - 1, buf);
        textput(x, y + 1, buf);
        textput(x - 1, y, buf);
        textput(x + 1, y, buf);
    }
    CURRENT_COLOR = colour;
    if (x >= 0) moveto(x, y);
    textput(x, y, buf);
    BACKGROUND = 0;
    scr_ypos = y;
    scr_xpos += GLYPH_W * (int)strlen(buf);
}

void renshowtext(SDL_Renderer *r, int x, int y, const char *text, uint32_t colour, int style) {
    char buf[LINE_MAX];
    copy_line(buf, text, false);
    font_letters(buf);
    if (x == -1) x = scr_xpos;
    if (y == -1) y = scr_ypos;
    const SDL_Color asked = ColorUnpack(colour);
    const SDL_Rect cells = {x, y, GLYPH_W * (int)strlen(buf), GLYPH_H};
    int outline = (style & 1) ? OUTLINE_DARK : OUTLINE_NONE;
    if (buf[0] && r) {
        const SDL_Color ink = ink_on_ground(r, nullptr, x, y, buf, asked, outline);
        colour = ColorPack(SDL_Color{ink.r, ink.g, ink.b, asked.a});
    }
    if (outline) {
        const uint32_t round = ColorPack(outline == OUTLINE_LIGHT ? RGBAColor_White : RGBAColor_Black);
        rentextput(r, x, y - 1, buf, round);
        rentextput(r, x, y + 1, buf, round);
        rentextput(r, x - 1, y, buf, round);
        rentextput(r, x + 1, y, buf, round);
    }
    if (x >= 0) moveto(x, y);
    rentextput(r, x, y, buf, colour);
    if (buf[0] && r) {
        SDL_Texture *target = SDL_GetRenderTarget(r);
        const void *where = r != ren ? (const void *)r : (const void *)target;
        textlog_text(where, cells, ColorUnpack(colour), asked, outline, buf, r);
    }
}

void toTex_showtext(SDL_Texture *t, int x, int y, const char *text, uint32_t colour, int style) {
    if (!ren) return;
    SDL_Texture *previous = SDL_GetRenderTarget(ren);
    if (SDL_SetRenderTarget(ren, t) != 0) return;   // not a render target: never draw on the window instead
    renshowtext(ren, x, y, text, colour, style);
    SDL_SetRenderTarget(ren, previous);
}

void centext(int x, int y, int width, const char *text, uint32_t colour, int style) {
    char src[LINE_MAX], lineb[LINE_MAX] = "";
    copy_bounded(src, sizeof src, text ? text : "");
    const int centre = x + width / 2;
    auto flush = [&]() {
        showtext(centre - textwidth(lineb) / 2, y, lineb, colour, style);
        y += GuiLINEHEIGHT;
        lineb[0] = 0;
    };
    char *save = nullptr;
    for (char *w = strtok_r(src, " ", &save); w; w = strtok_r(nullptr, " ", &save)) {
        size_t ll = strlen(lineb), wl = strlen(w);
        // An empty line always takes the word, so a word wider than the box gets a line of its own.
        if (ll > 0 && (int)((ll + wl) * GLYPH_W) > width) {
            flush();
            ll = 0;
        }
        if (ll > 0) strncat(lineb, " ", sizeof lineb - strlen(lineb) - 1);
        strncat(lineb, w, sizeof lineb - strlen(lineb) - 1);
    }
    if (lineb[0]) flush();
}

// ---- word-table layout ------------------------------------------------------------------------

// The screen surface's colour for a tag's ink; its blue is brighter than the renderer's.
static uint32_t surface_ink(WrapInk ink, uint32_t own) {
    switch (ink) {
    case WRAP_RED: return RGB_to_color(168, 0, 0);
    case WRAP_GREEN: return RGB_to_color(0, 168, 0);
    case WRAP_LIGHTGRAY: return RGB_to_color(171, 171, 171);
    case WRAP_BLACK: return RGB_to_color(0, 0, 0);
    case WRAP_BLUE: return RGB_to_color(0, 0, 255);
    case WRAP_INDBLUE: return RGB_to_color(76, 81, 109);
    case WRAP_INFOBLUE: return RGB_to_color(60, 90, 152);
    case WRAP_OWN: break;
    }
    return own;
}

static SDL_Color renderer_ink(WrapInk ink, SDL_Color own) {
    switch (ink) {
    case WRAP_RED: return RGBAColor_Red;
    case WRAP_GREEN: return RGBAColor_Green;
    case WRAP_LIGHTGRAY: return RGBAColor_Lightgray;
    case WRAP_BLACK: return RGBAColor_Black;
    case WRAP_BLUE: return RGBAColor_Blue;
    case WRAP_INDBLUE: return RGBAColor_IndependenceBlue;
    case WRAP_INFOBLUE: return RGBAColor_InfoBlue;
    case WRAP_OWN: break;
    }
    return own;
}

struct SurfacePen {
    uint32_t colour;
    int style;
};

// The surface drawer keeps the text cursor on the word as it goes, as showtext reads and moves it.
static void surface_put(void *ctx, int x, int y, const char *word, WrapInk ink) {
    const SurfacePen &pen = *(const SurfacePen *)ctx;
    moveto(x, y);
    showtext(x, y, word, surface_ink(ink, pen.colour), pen.style);
}

int showtext_sanataulukko(int x, int y, int width, int mode, uint32_t colour, int style) {
    moveto(x, y);
    SurfacePen pen = {colour, style};
    WrapEnd end = wrap_words(x, y, width, 10, mode == -1 ? nullptr : surface_put, &pen);
    moveto(end.x, end.y);
    return mode == -1 ? end.y - y : end.breaks;
}

struct RendererPen {
    SDL_Renderer *r;
    SDL_Color colour;
    int style;
};

static void renderer_put(void *ctx, int x, int y, const char *word, WrapInk ink) {
    const RendererPen &pen = *(const RendererPen *)ctx;
    renshowtext(pen.r, x, y, word, ColorPack(renderer_ink(ink, pen.colour)), pen.style);
}

int render_sanataulukko(SDL_Renderer *r, int x, int y, int width, int mode, SDL_Color colour, int style) {
    moveto(x, y);
    const int lh = (style & 2) ? 9 : 10;
    RendererPen pen = {r, colour, style};
    WrapEnd end = wrap_words(x, y, width, lh, mode == -1 ? nullptr : renderer_put, &pen);
    return mode == -1 ? end.y - y + lh : end.breaks;
}

int toTex_sanataulukko(SDL_Texture *t, int x, int y, int width, int mode, SDL_Color colour, int style) {
    if (!ren) return 0;
    SDL_Texture *previous = SDL_GetRenderTarget(ren);
    if (SDL_SetRenderTarget(ren, t) != 0) return 0;
    int h = render_sanataulukko(ren, x, y, width, mode, colour, style);
    SDL_SetRenderTarget(ren, previous);
    return h;
}

int sanataulukko_height(int width) { return render_sanataulukko(ren, 1, 1, width, -1, RGBAColor_Black, 0); }

// ---- line inputs ------------------------------------------------------------------------------

// The keys that edit a line: F2 and F1 type the capital letters with diaeresis.

// A closed window ends a line input as Esc does, so the input never waits on a window that is gone.
static int typed_key(int key) {
    if (key == KEY_QUIT && WindowClosed()) return KEY_ESC;
    if (key == KEY_F2) return 153;
    if (key == KEY_F1) return 142;
    return key;
}

char *getst(uint32_t colour, int maxlen) {
    static char text[GETST_SIZE];
    if (maxlen > GETST_SIZE - 1) maxlen = GETST_SIZE - 1;
    if (maxlen < 0) maxlen = 0;
    const int sx = scr_xpos, sy = scr_ypos;
    const uint32_t bg = getpix(sx, sy + 3);
    int len = 0;
    text[0] = 0;
    for (;;) {
        showtext(sx, sy, text, colour, 0);
        const int mark_x = sx + GLYPH_W * len;
        showtext(mark_x, sy, "_", colour, 0);
        Flip();
        int key = typed_key(getkey());
        box(mark_x, sy + 1, mark_x + GLYPH_W, sy + 10, bg);
        if (key == KEY_BACKSPACE) {
            if (len > 0) {
                box(sx, sy, sx + GLYPH_W * len + 4, sy + 10, bg);
                text[--len] = 0;
            }
        } else if (key == KEY_ESC) {
            text[0] = KEY_ESC;
            text[1] = 0;
            break;
        } else if (key == KEY_ENTER) {
            break;
        } else if (key >= 32 && key <= 153 && len < maxlen) {
            text[len++] = (char)key;
            text[len] = 0;
        }
    }
    return text;
}

char *Master_gettext(int x, int y, int maxlen, const char *initial, SDL_Color colour, SDL_Color bg) {
    char *text = sbuf();
    if (maxlen > SBUF_SIZE - 1) maxlen = SBUF_SIZE - 1;
    if (maxlen < 0) maxlen = 0;
    text[0] = 0;
    if (initial && initial[0]) copy_bounded(text, (size_t)maxlen + 1, initial);
    int len = (int)strlen(text);

    const int fw = maxlen * GLYPH_W + 4, fh = GuiLINEHEIGHT + 2;
    SDL_Surface *field = SDL_CreateRGBSurfaceWithFormat(0, fw, fh, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer *fren = field ? SDL_CreateSoftwareRenderer(field) : nullptr;
    ground_surface(fren, field);
    for (;;) {
        if (fren) {
            SDL_SetRenderDrawColor(fren, bg.r, bg.g, bg.b, 255);
            SDL_RenderClear(fren);
            renshowtext(fren, 2, 2, text, ColorPack(colour), 0);
            renshowtext(fren, 2 + GLYPH_W * len, 2, "_", ColorPack(colour), 0);
            SDL_RenderPresent(fren);
        }
        MasterRender();
        if (field && ren) {
            SDL_Texture *t = SDL_CreateTextureFromSurface(ren, field);
            if (t) {
                SDL_Rect dst = {x, y - 2, fw, fh};
                NativeResolution_RectConvert(&dst);
                SDL_RenderCopy(ren, t, nullptr, &dst);
                SDL_DestroyTexture(t);
            }
        }
        Flipper();
        int kept = MASTER_FLIPPER;
        MASTER_FLIPPER = 1;
        int key = typed_key(getkey());
        MASTER_FLIPPER = kept;
        if (key == KEY_WINDOW) {
            text[0] = KEY_ESC;
            text[1] = KEY_ESC;
            text[2] = 0;
            break;
        } else if (key == KEY_BACKSPACE) {
            if (len > 0) text[--len] = 0;
        } else if (key == KEY_ESC) {
            text[0] = KEY_ESC;
            text[1] = 0;
            break;
        } else if (key == KEY_ENTER) {
            break;
        } else if (key >= 32 && key <= 153 && len < maxlen) {
            text[len++] = (char)key;
            text[len] = 0;
        }
    }
    if (fren) {
        ground_surface(fren, nullptr);
        SDL_DestroyRenderer(fren);
    }
    if (field) SDL_FreeSurface(field);
    return text;
}
