// The screen's side of the talk screen: it lays out what the rules say is shown (base/ui.h): the
// backdrop, the two speech boxes with their portraits, every word said written into its box, the
// scene line, the talk's two menus and the trade panel. Words and lines go out through the text line
// every drawn line takes (ui_text_line), so whoever listens there reads them; without a window they
// are still laid out, and nothing but that listener sees them.
#include "presentation/talk_ui.h"

#include <SDL2/SDL.h>

#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "base/ui_pixels.h"
#include "core/oxa.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/screen_ui.h"
#include "presentation/show.h"
#include "presentation/windows.h"

TalkPen talk_pen[2] = {{175, 55}, {15, 255}};

namespace {

// The two speech boxes: the window, the portrait inside it, and where the pen starts and stops.
struct SpeechBox {
    int x, y, w, h;
    int pic_x, pic_y, pic_size;
    int col, line;                 // the pen's start
    int right;                     // a word whose end reaches this goes to the next line
};
const SpeechBox BOXES[2] = {
    {7, 31, 460, 190, 12, 55, 160, 175, 55, 459},     // the player's
    {7, 231, 460, 190, 302, 255, 160, 15, 255, 300},  // the person's
};

const int LINE_H = 10;                  // a line of the fixed font
const int GLYPH_W = 8;
const int WORD_MAX = 256;               // a longer run without a break is drawn in pieces

// Dark on the boxes' pale linen.
const UiColour SPEECH_TEXT[2] = {{30, 46, 84, 255}, {40, 36, 30, 255}};
const UiColour SCENE_FILL = {56, 88, 120, 255};
const UiColour SCENE_TEXT = {252, 252, 84, 255};
const UiColour MENU_TEXT = {240, 230, 140, 255};
const UiColour MENU_HIGHLIGHT = {252, 252, 84, 255};

const char *const WORD_ENDS = " .,!?";

// The name and face each box was last drawn with: a full box is drawn anew with them.
struct Speaker {
    char name[160];
    char face[1100];
};
Speaker speakers[2];

uint32_t colour_of(UiColour c) { return RGB_to_color(c.r, c.g, c.b); }

// The last line that still fits in a box: a speech that would go below it starts again at the top.
int last_line(const SpeechBox &b) { return b.y + b.h - 6 - LINE_H; }

int picture(const char *name, int x, int y, int w, int h) {
    if (!game_screen || !name || !name[0]) return 0;
    SDL_Surface *pic = picture_load(name);
    if (!pic) return 0;
    freesizeBlit(pic, x, y, w, h, 0);
    SDL_FreeSurface(pic);
    return 1;
}

void backdrop(const char *picture_name, const char *title) {
    if (!game_screen) return;
    if (!picture_name[0]) {   // the title bar alone, drawn anew over what the talk shows
        FullSubScreen(title);
        return;
    }
    bestfitPic(picture_name, nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    SubScreen(title);
}

// ---- the speech boxes ---------------------------------------------------------------------------

void draw_speaker(int side) {
    if (!game_screen) return;
    const SpeechBox &b = BOXES[side];
    winbox(b.x, b.y, b.w, b.h, speakers[side].name, WIN_INNERFRAME, 0);
    picture(speakers[side].face, b.pic_x, b.pic_y, b.pic_size, b.pic_size);
}

void speaker(int side, const char *name, const char *face) {
    copy_bounded(speakers[side].name, sizeof speakers[side].name, name);
    copy_bounded(speakers[side].face, sizeof speakers[side].face, face);
    draw_speaker(side);
}

void restart(int side) {
    talk_pen[side].col = BOXES[side].col;
    talk_pen[side].line = BOXES[side].line;
}

// The pen to the start of the next line; past the box's last line the box is drawn anew and the
// speech goes on at its top.
void newline(int side) {
    TalkPen &p = talk_pen[side];
    p.col = BOXES[side].col;
    p.line += LINE_H;
    if (p.line > last_line(BOXES[side])) {
        draw_speaker(side);
        restart(side);
    }
}

void line_break(int side) {
    if (talk_pen[side].col != BOXES[side].col) newline(side);
}

// One word: to the next line first when it would reach the box's right edge (unless the pen is at a
// line's start already: a word wider than the box is drawn on one line). The person's words are
// measured as the screen draws them and come one by one with a pause; the player's count 8 pixels a
// letter.
void word(int side, const char *w, int more) {
    if (!w[0]) return;
    TalkPen &p = talk_pen[side];
    const int len = (int)strlen(w);
    const int width = side == UI_TALK_PERSON ? textwidth(w) : GLYPH_W * len;
    if (p.col != BOXES[side].col && p.col + width >= BOXES[side].right) newline(side);
    ui_text_line(p.col, p.line, w, SPEECH_TEXT[side], 0);
    p.col += GLYPH_W * len;
    if (side == UI_TALK_PERSON && more && game_screen) {
        oxa_delay(3);
        Flip();
    }
}

// Walks a speech word by word: for the person a mark of " .,!?" ends a word unless a blank follows
// it ("Well, " goes out whole, the blank last); for the player every mark ends one. The last word is
// handed over with `more` 0.
void say(int side, const char *text) {
    const bool person = side == UI_TALK_PERSON;
    char w[WORD_MAX + 1];
    int len = 0;
    for (const char *p = text; *p; p++) {
        w[len++] = *p;
        w[len] = 0;
        if ((strchr(WORD_ENDS, *p) && (!person || p[1] != ' ')) || len == WORD_MAX) {
            word(side, w, 1);
            len = 0;
            w[0] = 0;
        }
    }
    w[len] = 0;
    word(side, w, 0);
    talk_pen[side].col += GLYPH_W;   // the next speech starts after a space
    Flip();
}

// ---- the scene line -------------------------------------------------------------------------------

// Centred line by line in its box over the speech boxes, what lay under it kept.
void scene_show(const char *text) {
    if (!game_screen) return;
    const int x = 15, y = 450, w = 440, h = 120, text_x = 25, text_y = 460, text_w = 420, lines_max = 7;
    const SDL_Rect under = {x, y, w, h};
    grabscr("talk_emote", &under);
    box(x, y, x + w - 1, y + h - 1, colour_of(SCENE_FILL));
    const char *p = text;
    for (int row = 0; row < lines_max; row++) {
        while (*p == ' ') p++;
        if (!*p) break;
        // As many whole words as fit the width; a single word wider than that is cut.
        char piece[600];
        int fit = 0;
        for (;;) {
            int e = fit;
            while (p[e] == ' ') e++;
            while (p[e] && p[e] != ' ') e++;
            if (e == fit || e >= (int)sizeof piece) break;
            copy_bounded(piece, (size_t)e + 1, p);
            if (textwidth(piece) > text_w) {
                if (fit == 0) fit = text_w / GLYPH_W < e ? text_w / GLYPH_W : e;
                break;
            }
            fit = e;
        }
        copy_bounded(piece, (size_t)fit + 1, p);
        ui_text_line(text_x + (text_w - textwidth(piece)) / 2, text_y + row * LINE_H, piece, SCENE_TEXT, 0);
        p += fit;
    }
    drawbutton(65, 540, " Press [SPACE] or click mouse to continue. ");
    Flip();
}

void scene_close() {
    if (!game_screen) return;
    scr_restorescr("talk_emote");
    scr_freescr("talk_emote");
    Flip();
}

// ---- the menus ------------------------------------------------------------------------------------

struct MenuLayout {
    int x, y, w, h, line_h;
    int shown;                     // the lines that fit
};

MenuLayout menu_layout(const UiTalkMenu &m) {
    MenuLayout l;
    if (m.which == UI_TALK_OPTIONS)
        l = {10, 430, 790, 165, LINE_H, 0};   // under the speech boxes
    else
        l = {480, 31, 312, 30 + 12 * m.n + 6, 12, 0};   // beside them
    l.shown = (l.h - 30) / l.line_h + 1;
    if (l.shown > m.n) l.shown = m.n;
    return l;
}

int line_y(const MenuLayout &l, int i) { return l.y + 24 + i * l.line_h; }

bool menu_kept;                    // what lies under the open options menu is kept

void menu_open(const UiTalkMenu &m) {
    menu_kept = m.which == UI_TALK_OPTIONS && game_screen;
    if (!menu_kept) return;
    const MenuLayout l = menu_layout(m);
    const SDL_Rect under = {l.x, l.y, l.w, l.h};
    grabscr("talk_menu", &under);
}

// The framed window and title, the lines, and behind the highlighted line a bar as long as its text.
void menu_show(const UiTalkMenu &m) {
    if (!game_screen) return;
    const MenuLayout l = menu_layout(m);
    winbox(l.x, l.y, l.w, l.h, m.title ? m.title : "", WIN_TEX_SAVU | WIN_INNERFRAME, 0);   // dark under the light lines
    for (int i = 0; i < l.shown; i++) {
        const char *text = m.lines[i];
        const int x = l.x + 10, y = line_y(l, i);
        if (i == m.highlighted && text[0])
            alpha_box(x - 2, y - 1, textwidth(text) + 4, 10, colour_of(MENU_HIGHLIGHT), 64);
        showtext(x, y, text, colour_of(MENU_TEXT), 0);
    }
}

int menu_pointed(const UiTalkMenu &m) {
    if (!game_screen) return -1;
    const MenuLayout l = menu_layout(m);
    if (MOUSE_X < l.x || MOUSE_X >= l.x + l.w) return -1;
    for (int i = 0; i < l.shown; i++)
        if (MOUSE_Y >= line_y(l, i) - 1 && MOUSE_Y < line_y(l, i) - 1 + l.line_h) return i;
    return -1;
}

void menu_close(const UiTalkMenu &) {
    if (!menu_kept) return;
    menu_kept = false;
    scr_restorescr("talk_menu");
    scr_freescr("talk_menu");
    Flip();
}

// ---- the trade panel ------------------------------------------------------------------------------

const int PANEL_X = 515, PANEL_Y = 40, PANEL_W = 266, PANEL_H = 271;
const int FIELD_X = PANEL_X + 10, FIELD_W = PANEL_W - 20, DESC_CHARS = 28;
const UiColour PANEL_FILL = {34, 40, 52, 255};
const UiColour PANEL_DEAL = {36, 78, 40, 255};
const UiColour DEAL_VEIL = {60, 200, 60, 80};
const UiColour HEADING = {252, 252, 84, 255};
const UiColour PANEL_TEXT = {240, 230, 140, 255};
const UiColour FIELD_TEXT = {232, 232, 232, 255};
const UiColour NOTHING_YET = {170, 170, 170, 255};

void trade_panel(const UiTradePanel &p) {
    if (!game_screen) return;
    winbox(PANEL_X, PANEL_Y, PANEL_W, PANEL_H, "", WIN_NOTEXTURE | WIN_INNERFRAME, colour_of(p.deal ? PANEL_DEAL : PANEL_FILL));
    ui_text_line(FIELD_X, PANEL_Y + 8, "You are bargaining about", HEADING, 0);
    if (!p.asked) {
        ui_text_line(FIELD_X, PANEL_Y + 20, p.about ? p.about : "", PANEL_TEXT, 0);
        return;
    }
    const int item_y = PANEL_Y + 20, offer_title_y = PANEL_Y + 40, offer_y = PANEL_Y + 52;
    sinked_box(FIELD_X, item_y, FIELD_W, 14);
    ui_text_line(FIELD_X + 3, item_y + 3, p.asked, FIELD_TEXT, 0);
    ui_text_line(FIELD_X, offer_title_y, "and are willing to trade your", HEADING, 0);
    sinked_box(FIELD_X, offer_y, FIELD_W, UI_TRADE_OFFERED * LINE_H + 6);
    for (int row = 0; row < p.n_offered; row++) {
        char desc[DESC_CHARS + 1];
        copy_bounded(desc, sizeof desc, p.offered[row]);
        ui_text_line(FIELD_X + 3, offer_y + 3 + row * LINE_H, desc, FIELD_TEXT, 0);
    }
    if (p.n_offered == 0) ui_text_line(FIELD_X + 3, offer_y + 3, "(no items selected yet)", NOTHING_YET, 0);
    ui_text_line(FIELD_X, PANEL_Y + PANEL_H - 16, "for it.", HEADING, 0);
    if (p.deal) alpha_box(PANEL_X, PANEL_Y, PANEL_W, PANEL_H, colour_of(DEAL_VEIL), DEAL_VEIL.a);
}

}  // namespace

void screen_talk_picture(UiPixels &p) { p.picture = picture; }

void screen_ui_talk(UiTalk &t) {
    t.backdrop = backdrop;
    t.speaker = speaker;
    t.restart = restart;
    t.say = say;
    t.line_break = line_break;
    t.scene_show = scene_show;
    t.scene_close = scene_close;
    t.menu_open = menu_open;
    t.menu_show = menu_show;
    t.menu_pointed = menu_pointed;
    t.menu_close = menu_close;
    t.trade_panel = trade_panel;
}
