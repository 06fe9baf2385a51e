// The screen's side of the talk screen: the backdrop, the speech boxes, the portraits and the menus
// that the rules lay out (society/talkscreen.h).
#include "presentation/screen_ui.h"

#include <SDL2/SDL.h>

#include "base/ui.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"

static void backdrop(const char *picture, const char *title) {
    if (!game_screen) return;
    bestfitPic(picture, nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    SubScreen(title);
}

static void speech_box(int x, int y, int w, int h, const char *title) {
    if (game_screen) winbox(x, y, w, h, title, WIN_INNERFRAME, 0);
}

static int picture(const char *name, int x, int y, int w, int h) {
    if (!game_screen) return 0;
    SDL_Surface *pic = picture_load(name);
    if (!pic) return 0;
    freesizeBlit(pic, x, y, w, h, 0);
    SDL_FreeSurface(pic);
    return 1;
}

static void fill(int x, int y, int w, int h, UiColour c) {
    if (game_screen && w > 0 && h > 0) box(x, y, x + w - 1, y + h - 1, RGB_to_color(c.r, c.g, c.b));
}

static void menu(int x, int y, int w, int h, const char *title, const UiLine *lines, int n, int highlighted,
                 UiColour highlight) {
    if (!game_screen) return;
    winbox(x, y, w, h, title, WIN_TEX_SAVU | WIN_INNERFRAME, 0);   // dark under the light lines
    for (int i = 0; i < n; i++) {
        const UiLine &l = lines[i];
        if (!l.text) continue;
        if (i == highlighted && l.text[0])
            alpha_box(l.x - 2, l.y - 1, textwidth(l.text) + 4, 10, RGB_to_color(highlight.r, highlight.g, highlight.b), 64);
        showtext(l.x, l.y, l.text, RGB_to_color(l.colour.r, l.colour.g, l.colour.b), l.style);
    }
}

static void panel(int x, int y, int w, int h, UiColour fill) {
    if (game_screen && w > 0 && h > 0) winbox(x, y, w, h, "", WIN_NOTEXTURE | WIN_INNERFRAME, RGB_to_color(fill.r, fill.g, fill.b));
}

static void sunken(int x, int y, int w, int h) {
    if (game_screen && w > 0 && h > 0) sinked_box(x, y, w, h);
}

static void veil(int x, int y, int w, int h, UiColour c) {
    if (game_screen) alpha_box(x, y, w, h, RGB_to_color(c.r, c.g, c.b), c.a);
}

void screen_ui_talk(UiTalk &t) {
    t.backdrop = backdrop;
    t.box = speech_box;
    t.picture = picture;
    t.fill = fill;
    t.menu = menu;
    t.panel = panel;
    t.sunken = sunken;
    t.veil = veil;
}
