// src/screens/helpscreen.cpp -- the keyboard commands by topic, their texts from the command table, and
// the movement figure of the movement mode in use.
#include "screens/helpscreen.h"

#include <cstdio>
#include <cstring>

#include "activities/actions.h"
#include "game/toimi.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "game/command.h"
#include "core/config.h"
#include "core/tekstit.h"
#include "presentation/audio.h"
#include "presentation/input.h"
#include "presentation/readable.h"
#include "presentation/show.h"
#include "presentation/show_int.h"
#include "presentation/windows.h"
#include "core/tehtavat.h"
#include "screens/gamescreens.h"

namespace HelpPage {
SDL_Texture *helpTex = nullptr;
int HelpInitFlag = -1;
int DisplayStartY = 0;
int Compositions = 0;
}

namespace {

struct KeyRow {
    int key, y;
};
KeyRow key_rows[96];
int key_row_count = 0;

void note_row(int key, int y) {
    if (key_row_count < (int)(sizeof key_rows / sizeof key_rows[0])) key_rows[key_row_count++] = {key, y};
}

// The rows of the page from top to bottom, as drawn: the view shows none of them in part.
struct Band {
    int y, h;
};
Band bands[160];
int band_count = 0;
enum { BUTTON_ROW_H = 18, TITLE_H = 16, LINE_H = 10, FOOTER_Y = 530 };

void note_band(int y, int h) {
    if (band_count < (int)(sizeof bands / sizeof bands[0])) bands[band_count++] = {y, h};
}

void button(SDL_Renderer *r, int x, int y, const char *text, SDL_Color colour) {
    render_drawbutton(r, x, y, text, colour, 2);
    note_band(y, BUTTON_ROW_H);
}

void text_line(SDL_Renderer *r, int x, int y, const char *text, uint32_t colour) {
    renshowtext(r, x, y, text, colour, 0);
    note_band(y, LINE_H);
}

// A command's line from the command table.
void command(SDL_Renderer *r, int x, int y, int key) {
    button(r, x, y, Nappainkomento_Naytto((unsigned)key), RGBAColor_Lightgray);
    note_row(key, y);
}

// Commands `per_row` to a row at the given columns from row y; the y below the last row.
int commands(SDL_Renderer *r, int y, const int *keys, int n, int per_row) {
    static const int two[] = {20, 400}, one[] = {20};
    const int *cols = per_row == 2 ? two : one;
    for (int i = 0; i < n; i++) {
        command(r, cols[i % per_row], y, keys[i]);
        if (i % per_row == per_row - 1 || i == n - 1) y += 18;
    }
    return y;
}

int text_at(SDL_Renderer *r, int x, int y, int width, const char *text, SDL_Color colour) {
    SANATAULUKKO_Lisaa(1, text);
    const int h = render_sanataulukko(r, x, y, width, -1, colour, 0);
    SANATAULUKKO_Lisaa(1, text);
    render_sanataulukko(r, x, y, width, 0, colour, 0);
    for (int l = 0; l + LINE_H <= h; l += LINE_H) note_band(y + l, LINE_H);
    return h;
}

void title(SDL_Renderer *r, int y, const char *text) {
    renderTekstiPalkki(r, 10, y, 780, text, 5);
    note_band(y, TITLE_H);
}

void quick_access(SDL_Renderer *r, int y, int key) {
    char line[200];
    snprintf(line, sizeof line, "Following hotkeys can be used to quickly access \"%s\":", Nappainkomennon_Selite(key, 0));
    text_line(r, 20, y, line, ColorPack(RGBAColor_IndependenceBlue));
}

void movement_figure(SDL_Renderer *r, int h, bool trad) {
    const SDL_Color light = RGBAColor_Lightgray, dark = RGBAColor_Darkgray;
    const uint32_t lp = ColorPack(light), dp = ColorPack(dark);
    char arrow[8];
    text_line(r, 340, h + 60, trad ? "  Move north" : "Move forwards", lp);
    snprintf(arrow, sizeof arrow, "<%c>", 24);
    button(r, 385, h + 70, arrow, light);
    text_line(r, 250, h + 80, trad ? "Move northwest" : " Turn 90\xf8 left", dp);
    button(r, 365, h + 75, "7", dark);
    text_line(r, 250, h + 95, trad ? "     Move west" : " Turn 45\xf8 left", lp);
    snprintf(arrow, sizeof arrow, "<%c>", 27);
    button(r, 365, h + 90, arrow, light);
    text_line(r, 250, h + 110, trad ? "Move southwest" : "Turn 180\xf8 left", dp);
    button(r, 365, h + 105, "1", dark);
    text_line(r, 340, h + 130, trad ? "  Move south" : "Move backwards", lp);
    snprintf(arrow, sizeof arrow, "<%c>", 25);
    button(r, 385, h + 110, arrow, light);
    button(r, 405, h + 75, trad ? "9.Move northeast" : "9.Turn 90\xf8 right", dark);
    char east[40];
    snprintf(east, sizeof east, "<%c>%s", 26, trad ? ".Move east" : ".Turn 45\xf8 right");
    button(r, 405, h + 90, east, light);
    button(r, 405, h + 105, trad ? "3.Move southeast" : "3.Turn 180\xf8 right", dark);
    text_line(r, 280, h + 150, "[CTRL] + movement key to strafe", dp);
}

void draw_page(SDL_Renderer *r) {
    key_row_count = 0;
    band_count = 0;
    const bool trad = TRADMOVEMENT != 0;
    const int h = text_at(r, 10, 10, 780,
                          "The game is controlled by keyboard commands which are upper and lower case sensitive. Within menus "
                          "you can also use mouse to point and click desired options. These are the keys you need to survive in "
                          "the far north.",
                          RGBAColor_LightSteelBlue);
    title(r, h + 30, "MOVEMENT");
    movement_figure(r, h, trad);
    const char *more = trad ? "Use numpad or cursor keys to move as described above. You may switch back to direction based Oxa "
                              "movement mode in setup options."
                            : "Use numpad or cursor keys to move as described above. Oxa movement system may feel tricky at "
                              "first, but after a while you get used to it. The darkened movement commands are rarely needed. "
                              "You may also switch to traditional roguelike movement in setup options.";
    const int t = h + 180 + text_at(r, 20, h + 180, 760, more, RGBAColor_Khaki);
    command(r, 20, t + 20, KEY_ENTER);
    command(r, 550, t + 20, '.');
    command(r, 20, t + 38, bound_key(BOUND_MOVEMODE));
    quick_access(r, t + 68, bound_key(BOUND_MOVEMODE));
    command(r, 20, t + 80, 'R');
    command(r, 290, t + 80, 'h');
    command(r, 550, t + 80, bound_key(BOUND_STAND_OR_LAY));
    command(r, 20, t + 98, '-');
    button(r, 290, t + 98, "[ALT -]Rest until not fatigued", RGBAColor_Lightgray);
    command(r, 550, t + 98, bound_key(BOUND_SLEEP));

    title(r, t + 138, "LOOKING AROUND");
    command(r, 20, t + 158, bound_key(BOUND_FARLOOK));
    command(r, 20, t + 176, 'x');
    command(r, 400, t + 176, ':');
    text_line(r, 20, t + 206, "Zoom map view at any time by mouse wheel or with the following keys:", ColorPack(RGBAColor_Khaki));
    button(r, 20, t + 218, "[CTRL -] Zoom out [CTRL +] Zoom in [CTRL 0] Reset or max out", RGBAColor_Lightgray);

    title(r, t + 258, "PICKING AND MOVING ITEMS");
    const int picking[] = {bound_key(BOUND_PICKUP), bound_key(BOUND_PICKUP_ADJACENT), 'm', 'p'};
    commands(r, t + 278, picking, 4, 1);

    title(r, t + 372, "INVENTORY AND USING ITEMS");
    const int inventory[] = {'i', 'd', 'w', 'W', 'a', 'T', 'e', 'q'};
    commands(r, t + 392, inventory, 8, 2);

    title(r, t + 486, "INTERACTING AND CRAFTING");
    // Repeating the last action stands alone on its row between the pairs.
    const int crafting[] = {'s', bound_key(BOUND_MAKE)}, reading[] = {'r'},
              crafting_more[] = {'o', 'c', 'f', bound_key(BOUND_BUTCHER), 'C', '!'};
    int cy = commands(r, t + 506, crafting, 2, 2);
    cy = commands(r, cy, reading, 1, 1);
    commands(r, cy, crafting_more, 6, 2);

    title(r, t + 618, "COMBAT");
    command(r, 20, t + 638, '1');
    command(r, 290, t + 638, '2');
    command(r, 550, t + 638, '3');
    command(r, 20, t + 656, '0');
    command(r, 290, t + 656, '9');
    command(r, 550, t + 656, 'X');
    command(r, 20, t + 674, 't');

    title(r, t + 714, "INFORMATION AND PROFILES");
    int y = t + 734;
    if (KUESTIT_PIALLA) {
        command(r, 20, y, KEY_F2);
        y += 18;
    }
    const int info[] = {KEY_F4, KEY_F5, KEY_F6, KEY_F7, 'A', 'P', 'v'};
    y = commands(r, y, info, 7, 2);

    y += 40 - 18;
    title(r, y, "HELP AND GAME OPTIONS");
    y += 20;
    command(r, 20, y, KEY_ESC);
    quick_access(r, y + 18, KEY_ESC);
    y += 30;
    command(r, 20, y, KEY_F1);
    button(r, 400, y, "?.This list of keyboard commands", RGBAColor_Lightgray);
    note_row('?', y);
    y += 18;
    if (!PELIMUSEO_EDIT) command(r, 20, y, KEY_CTRL_S);
    command(r, 400, y, 'Q');
    text_at(r, 20, y + 60, 760, "That is all. Into the far north these keys shall take you.", RGBAColor_LightSteelBlue);
}

void footer_box() {
    if (!ren) return;
    RemoveInfobox();
    InfoboxTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 800, 70);
    if (!InfoboxTex) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, InfoboxTex);
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderClear(ren);
    ground_clear(ren, SDL_Color{0, 0, 0, 255});
    renderwinbox(ren, 0, 10, 800, 55, "", 2, RGBAColor_Black);
    char line[120];
    snprintf(line, sizeof line, "Scroll this help screen with mouse wheel or cursor keys [PgUp][PgDn][%c][%c]", 24, 25);
    render_drawbutton(ren, 10, 20, line, RGBAColor_Black, 0);   // every key in its own cap
    render_drawbutton(ren, 10, 35, "[ESC]Exit", RGBAColor_Black, 2);
    SDL_SetRenderTarget(ren, held);
    InfoboxRect = {1, 530, 800, 70};
}

SDL_Texture *view = nullptr;

}  // namespace

void HelpPage::show() {
    if (!ren || !helpTex) return;
    if (!view) view = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 800, 600);
    if (!view) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, view);
    SDL_Rect from = {0, DisplayStartY, 800, 600};
    SDL_RenderCopy(ren, helpTex, &from, nullptr);
    // A row that the top edge or the footer would cut is left out of the view, not shown in part.
    int top = 0, bottom = FOOTER_Y;
    for (int i = 0; i < band_count; i++) {
        const int y = bands[i].y - DisplayStartY, end = y + bands[i].h;
        if (y < 0 && end > 0 && end > top) top = end;
        if (y < FOOTER_Y && end > FOOTER_Y && y < bottom) bottom = y;
    }
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    const SDL_Rect cut[2] = {{0, 0, 800, top}, {0, bottom, 800, FOOTER_Y - bottom}};
    for (const SDL_Rect &c : cut)
        if (c.h > 0) SDL_RenderFillRect(ren, &c);
    SDL_SetRenderTarget(ren, held);
    SetFlipperMode(view, 8);
    MasterRender();
    Flipper();
}

int HelpPage::scroll_after(int start, int key) {
    int y = start;
    switch (key) {
    case KEY_DOWN: case KEY_WHEEL_DOWN: case KEY_SPACE: y += 20; break;
    case KEY_UP: case KEY_WHEEL_UP: y -= 20; break;
    case KEY_PGDN: y += 500; break;
    case KEY_PGUP: y -= 500; break;
    case KEY_HOME: y = 0; break;
    default: break;
    }
    return y < 0 ? 0 : y > LAST_START ? LAST_START : y;
}

int HelpPage::row_of(int key) {
    for (int i = 0; i < key_row_count; i++)
        if (key_rows[i].key == key) return key_rows[i].y;
    return -1;
}

void HelpPage::compose() {
    if (!ren) return;
    if (!helpTex) helpTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, PAGE_W, PAGE_H);
    if (!helpTex) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, helpTex);
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderClear(ren);
    ground_clear(ren, SDL_Color{0, 0, 0, 255});
    draw_page(ren);
    SDL_SetRenderTarget(ren, held);
    Compositions++;
}

void HelpScreen_Run() {
    Ruudunpaivitys_Off();
    scr_save_page();
    GetConfig();
    footer_box();
    if ((int)TRADMOVEMENT != HelpPage::HelpInitFlag) {
        HelpPage::HelpInitFlag = TRADMOVEMENT;
        HelpPage::compose();
    }
    for (;;) {
        HelpPage::show();
        const int key = getkey();
        if (key == KEY_ESC || WindowClosed()) break;
        if (key == KEY_WINDOW) {
            if (view) SDL_DestroyTexture(view);
            view = nullptr;
            continue;
        }
        HelpPage::DisplayStartY = HelpPage::scroll_after(HelpPage::DisplayStartY, key);
    }
    RemoveInfobox();
    SetFlipperMode(nullptr, 0);
    Ruudunpaivitys_On();
    scr_restore_page();
    stop_music();
}

void help_screen() { HelpScreen_Run(); }
