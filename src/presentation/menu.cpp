// src/presentation/menu.cpp -- choice menus, yes/no questions and count prompts, all run through the
// list widget.
#include "presentation/menu.h"

#include "base/ownlib.h"
#include "base/strupr.h"
#include "items/invlist.h"
#include "presentation/invlist_draw.h"
#include "items/itemunit.h"
#include "maps/area.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "base/debuglog.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"
#include "base/ui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

enum { MENU_X = 498, MENU_Y = 190, MENU_W = 296, EXTRA_W = 276 };
static const char *const MENU_GRAB = "teevalinta";
// The graphical presentation of a building menu: its pictures on a grid of 18 x 20 pixels, in a
// window of its own just above the menu's list, inside the screen's right-hand column.
static const int GraafinenApu_X = MENU_X + 10, GraafinenApu_Y = MENU_Y - 80;
enum { APU_CELL_W = 18, APU_CELL_H = 20 };

static uint32_t white() { return RGB_to_color(255, 255, 255); }
static uint32_t gold() { return RGB_to_color(255, 215, 0); }

// ---- showing a menu ------------------------------------------------------------------------------

static int extra_height(int width) {
    if (!ValintaTekstilisa[0]) return 0;
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(ValintaTekstilisa);
    return showtext_sanataulukko(0, 0, width, -1, gold(), 0);
}

static void draw_extra(int x, int bottom, int width) {
    if (!ValintaTekstilisa[0]) return;
    int h = extra_height(width);
    showtext_sanataulukko(x, bottom - h - 10, width, 0, gold(), 0);
}

void GraafinenApu(int position) {
    for (int i = 0; i < ValintojenMaara && i < VALINTA_MAX; i++) {
        const ValintaStruct &v = ValintaEntry[i];
        const char *tile = v.terrain_tile ? terrain_tilename(v.mapchar) : v.tilename;
        if (!v.mapchar && !tile[0]) continue;
        const int gx = GraafinenApu_X + APU_CELL_W * v.gx, gy = GraafinenApu_Y + APU_CELL_H * v.gy;
        if (tile[0]) TileDraw_named(tile, 0, 0, gx + 10, gy + 16, 1);
        if (i == position) alpha_box(gx - 5, gy - 5, 28, 30, white(), 64);
    }
}

static bool any_topic() {
    for (int i = 0; i < ValintojenMaara && i < VALINTA_MAX; i++)
        if (ValintaEntry[i].topic[0]) return true;
    return false;
}

static bool any_picture() {
    for (int i = 0; i < ValintojenMaara && i < VALINTA_MAX; i++)
        if (ValintaEntry[i].mapchar) return true;
    return false;
}

static const char *topic_at(int pos) {
    return pos >= 0 && pos < ValintojenMaara && pos < VALINTA_MAX ? ValintaEntry[pos].topic : "";
}

// The note of a choice: "#title: text", cut at "|"; nothing when either holds "NO DISPLAY".
static void choice_note(char *out, size_t size, const char *title, const char *entry_text) {
    snprintf(out, size, "#%s: %s", title, entry_text);
    char *bar = strchr(out, '|');
    if (bar) *bar = 0;
}

// Where a popup opens: at the mouse, or beside a row of the item list.
static void popup_place(int at, int &x, int &y) {
    if (at >= 0 && at < INVDATA_MAX) {
        x = INVLIST_X + 60, y = InvList_rowy[at] + 14;
        return;
    }
    x = MOUSE_X, y = MOUSE_Y;
}

// The menu of the first `count` entries; answers the chosen list position (-1 none) and its key.
static int screen_menu(const char *title, int popup, int at, int count, int many, int nocancel, int *key_out) {
    int x = 0, y = 0;
    if (popup) popup_place(at, x, y);
    char shown_title[100];
    copy_bounded(shown_title, sizeof shown_title, title ? title : "");
    note_lines_since_pause = 0;
    int h = many ? 360 : count * 12 + 60;
    if (ValintaTekstilisa[0]) h += extra_height(EXTRA_W) + 20;
    int lx = popup ? x : MENU_X, ly = popup ? y : MENU_Y;
    SDL_Rect area = {lx, ly, MENU_W, h};
    if (popup)
        grabscr("resource", &area);
    else
        grabscr(MENU_GRAB, nullptr);
    const char *grab = popup ? "resource" : MENU_GRAB;

    LIST_Reset(white(), popup ? shown_title : StrUpr(shown_title), lx, ly, MENU_W, h, popup ? 9 : 6);
    LIST_Style(-1, "", "", 0, 1);   // every move comes back here: the info box follows the highlight
    for (int i = 0; i < count; i++) {
        if (ValintaEntry[i].key == -1)
            LIST_Entry(-1, "");
        else
            LIST_Entry(ValintaEntry[i].key, ValintaEntry[i].text);
    }
    if (!nocancel) {
        LIST_Entry(-1, "");
        LIST_Entry(KEY_ESC, "ESC.Cancel");
    }
    if (any_picture()) {
        Piirra_Ikkuna(GraafinenApu_X - 10, GraafinenApu_Y - 30, MENU_W, 100, "GRAPHICAL PRESENTATION", 0);
        GraafinenApu(0);
    }
    LIST_SetMaxCursorEntry();
    LIST_Save();

    int remembered = 0;
    int chosen = -1;
    for (;;) {
        LIST_Draw();
        draw_extra(lx + 10, ly + h, EXTRA_W);
        int pos = LIST_Position();
        if (topic_at(pos)[0])
            GameInfo_Hotspot(topic_at(pos), "", 0);
        else if (any_topic())
            GameInfo_Hotspot("-", "", 0);
        if (LIST_PosKey(pos) != KEY_F1) remembered = pos;
        int r = LIST_Go();
        if (r == -1 && WindowClosed()) break;
        if (r < 0 || r == KEY_FREECLICK) {
            GraafinenApu(LIST_Position());
            continue;
        }
        int key = LIST_PosKey(r);
        if (key == KEY_F1 || key == '?') {
            int asked = key == KEY_F1 ? remembered : LIST_Position();
            if (topic_at(asked)[0]) {
                game_info(topic_at(asked));
                LIST_Restore();
                Set_LIST_Position(asked);
                continue;
            }
            if (popup) continue;
        }
        if (key == KEY_ESC) break;
        chosen = r;
        break;
    }
    restorescr(grab);
    if (chosen < 0) return -1;

    *key_out = LIST_PosKey(chosen);
    const ValintaStruct *v = chosen < count ? &ValintaEntry[chosen] : nullptr;
    const char *text = v ? v->text : LIST_PosText(chosen);
    char note_text[1024];
    if (popup) {
        choice_note(note_text, sizeof note_text, shown_title, strlen(text) > 2 ? text + 2 : "");
        if (!strstr(note_text, "NO DISPLAY")) invNote(note_text, 1);
        return chosen;
    }
    const char *dot = strchr(text, '.');
    choice_note(note_text, sizeof note_text, shown_title, dot ? dot + 1 : text);
    if (!strstr(note_text, "NO DISPLAY")) Note(note_text);
    return chosen;
}

// ---- yes/no --------------------------------------------------------------------------------------

// Asks the question in the note box and below it; answers the chosen key upper-cased.
static int ask_yes_no(const char *question, bool space_entry) {
    copy_bounded(lastnote, sizeof lastnote, "\x01 no note is this");
    note_lines_since_pause = 0;
    SNote1("?", question ? question : "", "");
    grabscr("kyllaei", nullptr);
    Piirra_Ikkuna(500, 543, 295, 55, question ? question : "", 8);
    LIST_Reset(white(), "", 500, 545, 300, 50, LIST_SPOTSTYLE);
    LIST_ButtonSpotEntry('Y', 525, 570, "<Y>es");
    LIST_ButtonSpotEntry('N', 585, 570, "<N>o");
    LIST_Entry(KEY_ESC, "NO DISPLAY");
    if (space_entry) LIST_Entry(KEY_SPACE, "NO DISPLAY");
    int r = LIST_Go();
    int key = r >= 0 ? LIST_PosKey(r) : 0;
    if (key >= 'a' && key <= 'z') key -= 32;
    restorescr("kyllaei");
    return key;
}

static void answer_behind_question(bool yes) {
    showtext(WhereXN, WhereYN, yes ? " Yes" : " No", RGB_to_color(0, 0, 0), 0);
    Flip();
}

static int screen_yes_no(const char *question) {
    int kept = NOUPDATE_RC;
    NOUPDATE_RC = 1;
    int key = ask_yes_no(question, false);
    NOUPDATE_RC = kept;
    bool yes = key == 'Y';
    answer_behind_question(yes);
    return yes;
}

static int screen_yes_no_esc(const char *question) {
    int key = ask_yes_no(question, true);
    bool yes = key == 'Y' || key == KEY_ESC;
    answer_behind_question(yes);
    return yes;
}

// ---- how many ------------------------------------------------------------------------------------

// Where the count prompt opens: on the prompt line, at the mouse, or below a row of the item list,
// kept above the list's foot.
static void count_place(int at, int &x, int &y) {
    if (at == UI_AT_PROMPT) {
        x = 500, y = 543;
    } else if (at >= 0 && at < INVDATA_MAX) {
        const int ry = InvList_rowy[at] >= 0 ? InvList_rowy[at] : INVLIST_Y + 40;
        x = INVLIST_X + 40, y = ry + 14 > 520 ? 520 : ry + 14;
    } else {
        x = MOUSE_X, y = MOUSE_Y;
    }
}

// The count prompt: window, buttons, and the typed number after SPACE.
static int screen_count(int total, int at) {
    int x = 0, y = 0;
    count_place(at, x, y);
    grabscr("askcount", nullptr);
    char title[100];
    snprintf(title, sizeof title, "HOW MANY? (OF TOTAL %d)", total);
    Piirra_Ikkuna(x, y, 295, 55, title, 8);
    LIST_Reset(white(), "", x, y + 2, 300, 50, LIST_SPOTSTYLE);
    LIST_ButtonSpotEntry(KEY_ENTER, x + 5, y + 20, "ENTER.All");
    LIST_ButtonSpotEntry(KEY_ESC, x + 254, y + 34, "ESC");
    GetKeyMode_NumpadNumbers(1);
    int n = total < 9 ? total : 9;
    for (int i = 1; i <= n; i++) {
        char digit[2] = {(char)('0' + i), 0};
        LIST_ButtonSpotEntry('0' + i, x + 290 - 20 * n + 20 * (i - 1), y + 20, digit);
    }
    if (total > 9) LIST_ButtonSpotEntry(KEY_SPACE, x + 5, y + 34, "SPACE.Number?");
    LIST_Entry(KEY_ESC, "NO DISPLAY");

    int answer = 0;
    for (;;) {
        int r = LIST_Go();
        if (r == -1 && WindowClosed()) break;
        if (r < 0 || r == KEY_FREECLICK) continue;
        int key = LIST_PosKey(r);
        if (key == KEY_ENTER) {
            answer = total < 1 ? 0 : total;
            break;
        }
        if (key >= '1' && key <= '9') {
            answer = key - '0' <= total ? key - '0' : 0;
            break;
        }
        if (key == KEY_ESC) break;
        if (key == KEY_SPACE) {
            Piirra_Ikkuna(x, y, 295, 55, title, 8);
            sinked_box(x + 5, y + 28, 285, 13);
            showtext(x + 10, y + 31, "Enter amount: ", white(), 0);
            const char *typed = getst(RGB_to_color(176, 196, 222), 10);
            int v = typed && typed[0] != KEY_ESC ? atoi(typed) : 0;
            answer = v >= 1 && v <= total ? v : 0;
            break;
        }
    }
    restorescr("askcount");
    GetKeyMode_NumpadNumbers(0);
    return answer;
}

void screen_ui_menus(UiChoices &t) {
    t.menu = screen_menu;
    t.yes_no = screen_yes_no;
    t.yes_no_esc = screen_yes_no_esc;
    t.count = screen_count;
    t.is_topic = istopic;
}
