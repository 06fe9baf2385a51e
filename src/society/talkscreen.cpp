// src/society/talkscreen.cpp -- the talk screen's speech boxes and menus. This side lays everything
// out: where each word goes, when a line breaks, when a full box starts again at its top, and which
// menu line a key or click picks. The screen only draws the boxes, pictures and lines it is asked for.
#include "society/talkscreen.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "society/chat.h"

int CRTALKLINE = 255, CRTALKCOL = 15, PLRTALKLINE = 55, PLRTALKCOL = 175;
int XX = 15, YY = 255;

namespace {

// The two speech boxes: the window, the portrait inside it, and where the pen starts and stops.
struct SpeechBox {
    int x, y, w, h;
    int pic_x, pic_y, pic_size;
    int col, line;                 // the pen's start
    int right;                     // a word whose end reaches this goes to the next line
};
const SpeechBox PLR_BOX = {7, 31, 460, 190, 12, 55, 160, 175, 55, 459};
const SpeechBox NPC_BOX = {7, 231, 460, 190, 302, 255, 160, 15, 255, 300};

const int LINE_H = 10;                  // a line of the fixed font
const int GLYPH_W = 8;
const int WORD_MAX = 256;               // a longer run without a break is drawn in pieces

// The last line that still fits in a box: a speech that would go below it starts again at the top.
int last_line(const SpeechBox &b) { return b.y + b.h - 6 - LINE_H; }

// Dark on the boxes' pale linen.
const UiColour NPC_TEXT = {40, 36, 30, 255};
const UiColour PLR_TEXT = {30, 46, 84, 255};
const UiColour EMOTE_FILL = {56, 88, 120, 255};
const UiColour EMOTE_TEXT = {252, 252, 84, 255};
const UiColour MENU_TEXT = {240, 230, 140, 255};
const UiColour MENU_HIGHLIGHT = {252, 252, 84, 255};

const char *const WORD_ENDS = " .,!?";

CreatureStruct *talked_to() {
    return Chatting_With >= 0 && Chatting_With < CRE_COUNT ? &Cre[Chatting_With] : nullptr;
}

}  // namespace

// The picture of a person's face: the record names it, with ".png" when the name has no ending.
const char *portrait_file(const CreatureStruct &c) {
    char *out = sbuf();
    char bare[sizeof c.portrait + 1];
    memcpy(bare, c.portrait, sizeof c.portrait);
    bare[sizeof c.portrait] = 0;
    if (!bare[0]) return out;
    snprintf(out, SBUF_SIZE, strchr(bare, '.') ? "%s" : "%s.png", bare);
    return out;
}

namespace {

// The person's pen to the start of the next line; past the box's last line the box is cleared and
// the speech goes on at its top.
void crtalk_newline() {
    CRTALKCOL = NPC_BOX.col;
    CRTALKLINE += LINE_H;
    if (CRTALKLINE > last_line(NPC_BOX)) CrTalk_Clear();
}

void plrtalk_newline() {
    PLRTALKCOL = PLR_BOX.col;
    PLRTALKLINE += LINE_H;
    if (PLRTALKLINE > last_line(PLR_BOX)) PlrTalk_Clear();
}

// One word of the person: to the next line first when it would reach the box's right edge (unless
// the pen is at a line's start already: a word wider than the box is drawn on one line).
void crtalk_word(const char *word, int wait) {
    if (!word[0]) return;
    if (CRTALKCOL != NPC_BOX.col && CRTALKCOL + textwidth(word) >= NPC_BOX.right) crtalk_newline();
    ui_text_line(CRTALKCOL, CRTALKLINE, word, NPC_TEXT, 0);
    CRTALKCOL += GLYPH_W * (int)strlen(word);
    if (wait && ui_has_screen()) {
        oxa_delay(3);
        Flip();
    }
}

void plrtalk_word(const char *word) {
    if (!word[0]) return;
    const int len = (int)strlen(word);
    if (PLRTALKCOL != PLR_BOX.col && PLRTALKCOL + GLYPH_W * len >= PLR_BOX.right) plrtalk_newline();
    ui_text_line(PLRTALKCOL, PLRTALKLINE, word, PLR_TEXT, 0);
    PLRTALKCOL += GLYPH_W * len;
}

void draw_box(const SpeechBox &b, const char *title, const char *picture) {
    ui_talk_box(b.x, b.y, b.w, b.h, title);
    ui_talk_picture(picture, b.pic_x, b.pic_y, b.pic_size, b.pic_size);
}

}  // namespace

void Talk_Screen() {
    char title[160];
    snprintf(title, sizeof title, "Chatting with %s", talked_to() ? monnam(Chatting_With, 4) : "");
    ui_talk_backdrop("bg-heritage.jpg", title);
    Piirra_PLR_Puheboksi();
    Piirra_NPC_Puheboksi();
    Flip();
}

void Piirra_PLR_Puheboksi() {
    char path[1100];
    snprintf(path, sizeof path, "%s/portrait.png", CharacterPath);
    draw_box(PLR_BOX, plrnam(), path);
}

void Piirra_NPC_Puheboksi() {
    CreatureStruct *c = talked_to();
    if (!c) {
        draw_box(NPC_BOX, "", "");
        return;
    }
    if (c->role == 15 && !strstr(portrait_file(*c), "kid")) copy_bounded(c->portrait, sizeof c->portrait, "kid1.png");
    draw_box(NPC_BOX, monnam(Chatting_With, 0), portrait_file(*c));
}

void CrTalk_Clear() {
    Piirra_NPC_Puheboksi();
    CRTALKLINE = YY = NPC_BOX.line;
    CRTALKCOL = XX = NPC_BOX.col;
}

void PlrTalk_Clear() {
    Piirra_PLR_Puheboksi();
    PLRTALKLINE = PLR_BOX.line;
    PLRTALKCOL = PLR_BOX.col;
}

// Walks a speech word by word and hands each word to `word`: for the person a mark of " .,!?" ends a
// word unless a blank follows it ("Well, " goes out whole, the blank last); for the player every mark
// ends one. The last word is handed over with `more` 0.
template <typename Word>
static void walk_words(const char *text, bool person, Word word_out) {
    char word[WORD_MAX + 1];
    int len = 0;
    for (const char *p = text; *p; p++) {
        word[len++] = *p;
        word[len] = 0;
        if ((strchr(WORD_ENDS, *p) && (!person || p[1] != ' ')) || len == WORD_MAX) {
            word_out(word, 1);
            len = 0;
            word[0] = 0;
        }
    }
    word_out(word, 0);
}

void CrTalk(const char *text) {
    if (!text || !text[0]) return;
    walk_words(text, true, [](const char *w, int more) { crtalk_word(w, more); });
    CRTALKCOL += GLYPH_W;   // the next speech starts after a space
    Flip();
}

void PlrTalk(const char *text) {
    if (!text || !text[0]) return;
    walk_words(text, false, [](const char *w, int) { plrtalk_word(w); });
    PLRTALKCOL += GLYPH_W;
    Flip();
}

void CrTalkBr() {
    if (CRTALKCOL != NPC_BOX.col) crtalk_newline();
}

// The scene line, centred line by line in its box over the speech boxes until a key or click. Without
// a screen nobody could read it, and no key is taken.
void Emote(int named, const char *text) {
    if (!ui_has_screen()) return;
    char line[600];
    if (named && talked_to())
        snprintf(line, sizeof line, "%s %s", monnam(Chatting_With, 2), text ? text : "");
    else
        snprintf(line, sizeof line, "%s", text ? text : "");
    if (line[0]) line[0] = (char)toupper((unsigned char)line[0]);
    const int x = 15, y = 450, w = 440, h = 120, text_x = 25, text_y = 460, text_w = 420, lines_max = 7;
    ui_grabscr_area("talk_emote", x, y, w, h);
    ui_talk_fill(x, y, w, h, EMOTE_FILL);
    const char *p = line;
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
            if (e == fit) break;
            copy_bounded(piece, (size_t)e + 1, p);
            if (textwidth(piece) > text_w) {
                if (fit == 0) fit = text_w / GLYPH_W < e ? text_w / GLYPH_W : e;
                break;
            }
            fit = e;
        }
        copy_bounded(piece, (size_t)fit + 1, p);
        ui_text_line(text_x + (text_w - textwidth(piece)) / 2, text_y + row * LINE_H, piece, EMOTE_TEXT, 0);
        p += fit;
    }
    ui_drawbutton(65, 540, " Press [SPACE] or click mouse to continue. ");
    Flip();
    getkeypress();
    restorescr("talk_emote");
    freescr("talk_emote");
    Flip();
}

const char *verbal_percent(float part, float whole) {
    static const struct {
        float bound;
        const char *words;
    } SHARES[] = {{0.05f, "very, very little"}, {0.1f, "just a little"},  {0.15f, "about one tenth"},
                  {0.2f, "one fifth"},          {0.3f, "one third"},      {0.4f, "less than half"},
                  {0.5f, "about a half"},       {0.6f, "more than half"}, {0.7f, "two thirds"},
                  {0.8f, "more than two thirds"}, {0.9f, "close to all"}};
    // A share of nothing: all of it when something was given, none when nothing was.
    float r;
    if (whole > 0.0f) r = part / whole;
    else r = part > 0.0f ? 1.0f : 0.0f;
    if (r != r) r = 0.0f;
    const char *words = "almost all";
    for (const auto &s : SHARES)
        if (r <= s.bound) {
            words = s.words;
            break;
        }
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, words);
    return out;
}

// ---- the menus -------------------------------------------------------------------------------------

namespace {

struct MenuLayout {
    int x, y, w, h, line_h;
};

MenuLayout menu_layout(int which, int n) {
    if (which == TALK_MENU_OPTIONS) return {10, 430, 790, 165, LINE_H};
    const int line_h = 12;
    return {480, 31, 312, 30 + line_h * n + 6, line_h};   // beside the speech boxes
}

int upper(int key) { return key >= 'a' && key <= 'z' ? key - 32 : key; }
bool selectable(const TalkMenuLine &l) { return l.key > 0 && l.text[0]; }

int step(const TalkMenuLine *lines, int n, int from, int dir) {
    for (int i = from + dir; i >= 0 && i < n; i += dir)
        if (selectable(lines[i])) return i;
    return from;
}

}  // namespace

int Talk_Menu(int which, const char *title, const TalkMenuLine *lines, int n) {
    if (!lines || n <= 0) return KEY_ESC;
    const MenuLayout m = menu_layout(which, n);
    const int first_y = m.y + 24;
    int shown = (m.h - 30) / m.line_h + 1;
    if (shown > n) shown = n;
    UiLine drawn[64];
    if (shown > 64) shown = 64;
    for (int i = 0; i < shown; i++) drawn[i] = UiLine{m.x + 10, first_y + i * m.line_h, lines[i].text, MENU_TEXT, 0};
    int cur = step(lines, shown, -1, 1);
    const bool save = which == TALK_MENU_OPTIONS && ui_has_screen();
    if (save) ui_grabscr_area("talk_menu", m.x, m.y, m.w, m.h);
    int answer = KEY_ESC;
    for (;;) {
        if (ui_has_screen()) {
            ui_talk_menu(m.x, m.y, m.w, m.h, title, drawn, shown, cur, MENU_HIGHLIGHT);
            Flip();
        }
        const int k = getkey();
        // The line under the mouse: a click picks it, a move highlights it.
        const bool click = ui_has_screen() && MOUSECLICK == 1;
        int under = -1;
        if (click || k == KEY_QUIT)
            for (int i = 0; i < shown; i++)
                if (selectable(lines[i]) && MOUSE_Y >= drawn[i].y - 1 && MOUSE_Y < drawn[i].y - 1 + m.line_h &&
                    MOUSE_X >= m.x && MOUSE_X < m.x + m.w)
                    under = i;
        if (k == KEY_QUIT) {
            if (WindowClosed() || !ui_has_screen()) break;
            if (under >= 0) cur = under;
            continue;
        }
        if (k == KEY_ENTER) {
            const int pick = click ? under : cur;
            if (pick >= 0 && selectable(lines[pick])) {
                answer = lines[pick].key;
                break;
            }
            continue;
        }
        if (k == KEY_UP || k == KEY_DOWN) {
            cur = step(lines, shown, cur, k == KEY_UP ? -1 : 1);
            continue;
        }
        int found = -1;
        for (int i = 0; i < shown && found < 0; i++)
            if (selectable(lines[i]) && upper(lines[i].key) == upper(k)) found = i;
        if (found >= 0) {
            answer = lines[found].key;
            break;
        }
        // Esc leaves even a menu without an Esc line when nobody can answer otherwise: the queue ran
        // out or the window was closed.
        if (k == KEY_ESC && (!ui_has_screen() || CLOSE_WINDOW || WindowClosed())) break;
        if (!ui_has_screen() && ui_script_left() <= 0) break;
    }
    if (save) {
        restorescr("talk_menu");
        freescr("talk_menu");
        Flip();
    }
    return answer;
}
