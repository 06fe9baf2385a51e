// src/presentation/menu.cpp -- choice menus, yes/no questions and count prompts, all run through the
// list widget.
#include "presentation/menu.h"

#include "activities/toimi.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "creatures/crefunc.h"
#include "base/strupr.h"
#include "items/itemunit.h"
#include "maps/area.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/msglog.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"
#include "base/ui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

ValintaStruct ValintaEntry[VALINTA_MAX];
int ValintojenMaara = 0;
char ValintaTekstilisa[1024];
int TeeValinta_NOCANCEL = 0;
int TEEVALINTA_POS = 0;
int GraafinenApu_X = 0, GraafinenApu_Y = 0;
const char menukeys[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

enum { MENU_X = 498, MENU_Y = 190, MENU_W = 296, EXTRA_W = 276, TOPIC_ACTION_TERRAIN = 240 };
static const char *const MENU_GRAB = "teevalinta";

static uint32_t white() { return RGB_to_color(255, 255, 255); }
static uint32_t gold() { return RGB_to_color(255, 215, 0); }

// ---- building a menu -----------------------------------------------------------------------------

void Valinta_Tyhjaa() {
    memset(ValintaEntry, 0, sizeof ValintaEntry);
    ValintaTekstilisa[0] = 0;
    ValintojenMaara = 0;
}

// The slot a new entry goes to: slot 0 when empty, else the first empty one after it; -1 when full.
static int free_slot() {
    if (!ValintaEntry[0].text[0]) return 0;
    for (int i = 1; i < VALINTA_MAX; i++)
        if (!ValintaEntry[i].text[0]) return i;
    return -1;
}

// The key's character in "%c.%s"; a separator keeps a mark of its own so that its slot stays taken.
static char key_char(int key) {
    if (key == -1) return '-';
    return key > 0 && key < 256 ? (char)key : '?';
}

static void key_text(char *out, size_t size, int key, const char *text) {
    switch (key) {
    case KEY_TAB: snprintf(out, size, "TAB.%s", text); break;
    case 1030: snprintf(out, size, "F1.%s", text); break;
    case KEY_CTRL_S: snprintf(out, size, "CTRL + s.%s", text); break;
    default: snprintf(out, size, "%c.%s", key_char(key), text); break;
    }
}

// Fills a new entry; answers its slot, or -1 when the menu is full or nothing would choose it.
static int add_entry(int key, const char *text, bool cut) {
    const char *t = text ? text : "";
    int slot = free_slot();
    if (slot < 0) return -1;
    if (key == 0) {
        if (!t[0]) return -1;
        key = (t[0] >= 'a' && t[0] <= 'z') ? t[0] - 32 : (unsigned char)t[0];
        cut = false;
    }
    ValintaStruct &v = ValintaEntry[slot];
    memset(&v, 0, sizeof v);
    char full[1024];
    key_text(full, sizeof full, key, t);
    if (cut && strlen(full) > VALINTA_TEXT_CUT) snprintf(full + 32, sizeof full - 32, "..");
    copy_bounded(v.text, sizeof v.text, full);
    v.key = key;
    ValintojenMaara = slot + 1;
    return slot;
}

int Valinta_Lisaa(int key, const char *text) {
    add_entry(key, text, true);
    return ValintojenMaara;
}

int Valinta_LisaaToiminnalla(int key, const char *text, int action) {
    int s = add_entry(key, text, false);
    if (s >= 0) ValintaEntry[s].action = action;
    return ValintojenMaara;
}

// The text up to its first "(" (trailing blanks dropped) becomes the entry's topic when it is one.
static void find_topic(int slot, const char *text) {
    char word[100];
    copy_bounded(word, sizeof word, text ? text : "");
    char *paren = strchr(word, '(');
    if (paren) *paren = 0;
    size_t n = strlen(word);
    while (n && word[n - 1] == ' ') word[--n] = 0;
    if (word[0] && istopic(word)) copy_bounded(ValintaEntry[slot].topic, sizeof ValintaEntry[slot].topic, word);
}

int Valinta_LisaaTarkenteella(int key, const char *text, int action, int value) {
    const char *t = text ? text : "";
    if (!t[0] && action == TOPIC_ACTION_TERRAIN) t = terrain_desc(value & 0xFF);
    int s = add_entry(key, t, false);
    if (s < 0) return ValintojenMaara;
    ValintaEntry[s].action = action;
    ValintaEntry[s].value = value;
    find_topic(s, t);
    return ValintojenMaara;
}

int Valinta_LisaaTekstitarkenteella(int key, const char *text, int action, const char *qualifier) {
    int s = add_entry(key, text, false);
    if (s < 0) return ValintojenMaara;
    ValintaEntry[s].action = action;
    copy_bounded(ValintaEntry[s].qualifier, sizeof ValintaEntry[s].qualifier, qualifier ? qualifier : "");
    find_topic(s, text);
    return ValintojenMaara;
}

void Valinta_LisaaGameinfo(const char *topic) {
    if (ValintojenMaara < 1) return;
    ValintaStruct &v = ValintaEntry[ValintojenMaara - 1];
    copy_bounded(v.topic, sizeof v.topic, topic ? topic : "");
}

void Valinta_LisaaGlobalGameinfo(const char *topic) {
    for (int i = 0; i < VALINTA_MAX; i++)
        if (ValintaEntry[i].key >= 1 && !ValintaEntry[i].topic[0])
            copy_bounded(ValintaEntry[i].topic, sizeof ValintaEntry[i].topic, topic ? topic : "");
}

void Valinta_LisaaGrafiikka(int x, int y, int mapchar) {
    if (ValintojenMaara < 1) return;
    ValintaStruct &v = ValintaEntry[ValintojenMaara - 1];
    v.gx = x;
    v.gy = y;
    if (mapchar == 0 && v.action == TOPIC_ACTION_TERRAIN) {
        v.mapchar = (uint8_t)v.value;
        copy_bounded(v.tilename, sizeof v.tilename, terrain_tilename(v.value & 0xFF));
    } else {
        v.mapchar = (uint8_t)mapchar;
        v.tilename[0] = 0;
    }
}

void Valinta_Tekstilisa(const char *text) {
    if (!text) return;
    if (strlen(ValintaTekstilisa) + strlen(text) > sizeof ValintaTekstilisa - 1) return;
    strcat(ValintaTekstilisa, text);
}

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
        if (!v.mapchar && !v.tilename[0]) continue;
        if (v.tilename[0]) TileDraw_named(v.tilename, 0, 0, v.gx + 10, v.gy + 16, 1);
        if (i == position) alpha_box(v.gx - 5, v.gy - 5, 28, 30, white(), 64);
    }
}

void PiirraTekstiApu(int x, int y, int width) {
    int h = extra_height(width - 10);
    Piirra_Ikkuna(x, y, width, h + 20, "", WIN_TEX_SAVU);   // dark logs under the gold text
    showtext_sanataulukko(x + 10, y + 5, width - 10, 0, gold(), 0);
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

struct MenuPlace {
    bool popup;                    // TeeRMValinta
    int x, y;
};

static int run_menu(const char *title, MenuPlace at) {
    char shown_title[100];
    copy_bounded(shown_title, sizeof shown_title, title ? title : "");
    TEEVALINTA_POS = 0;
    lines = 0;
    bool many = ValintojenMaara > VALINTA_SHOWN;
    if (many) ValintojenMaara = VALINTA_SHOWN;
    int count = ValintojenMaara;
    int h = many ? 360 : count * 12 + 60;
    if (ValintaTekstilisa[0]) h += extra_height(EXTRA_W) + 20;
    int lx = at.popup ? at.x : MENU_X, ly = at.popup ? at.y : MENU_Y;
    SDL_Rect area = {lx, ly, MENU_W, h};
    if (at.popup)
        grabscr("resource", &area);
    else
        grabscr(MENU_GRAB, nullptr);
    const char *grab = at.popup ? "resource" : MENU_GRAB;

    LIST_Reset(white(), at.popup ? shown_title : StrUpr(shown_title), lx, ly, MENU_W, h, at.popup ? 9 : 6);
    for (int i = 0; i < count; i++) {
        if (ValintaEntry[i].key == -1)
            LIST_Entry(-1, "");
        else
            LIST_Entry(ValintaEntry[i].key, ValintaEntry[i].text);
    }
    if (!TeeValinta_NOCANCEL) {
        LIST_Entry(-1, "");
        LIST_Entry(KEY_ESC, "ESC.Cancel");
    }
    TeeValinta_NOCANCEL = 0;
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
        if (LIST_PosKey(pos) != KEY_FN1) remembered = pos;
        int r = LIST_Go();
        if (r == -1 && WindowClosed()) break;
        if (r < 0 || r == LIST_FREECLICK) {
            GraafinenApu(LIST_Position());
            continue;
        }
        int key = LIST_PosKey(r);
        if (key == KEY_FN1 || key == '?') {
            int asked = key == KEY_FN1 ? remembered : LIST_Position();
            if (topic_at(asked)[0]) {
                game_info(topic_at(asked));
                LIST_Restore();
                Set_LIST_Position(asked);
                continue;
            }
            if (at.popup) continue;
        }
        if (key == KEY_ESC) break;
        chosen = r;
        break;
    }
    restorescr(grab);
    if (chosen < 0) return 0;

    TEEVALINTA_POS = chosen;
    const ValintaStruct *v = chosen < count ? &ValintaEntry[chosen] : nullptr;
    const char *text = v ? v->text : LIST_PosText(chosen);
    char note_text[1024];
    if (at.popup) {
        choice_note(note_text, sizeof note_text, shown_title, strlen(text) > 2 ? text + 2 : "");
        if (!strstr(note_text, "NO DISPLAY")) invNote(note_text, 1);
        return v && v->action ? v->action : LIST_PosKey(chosen);
    }
    const char *dot = strchr(text, '.');
    choice_note(note_text, sizeof note_text, shown_title, dot ? dot + 1 : text);
    if (!strstr(note_text, "NO DISPLAY")) Note(note_text);
    if (v && v->action) Toimi(v->action, v->value, v->qualifier);
    return LIST_PosKey(chosen);
}

int TeeValinta(const char *title) { return run_menu(title, MenuPlace{false, 0, 0}); }
int TeeRMValinta(const char *title, int x, int y) { return run_menu(title, MenuPlace{true, x, y}); }

// ---- picking a creature on a square --------------------------------------------------------------

int cre_xy_select(int x, int y) {
    enum { MOST = 24 };
    int found[MOST], n = 0;
    for (int i = 0; i < DATA_MAX && n < MOST; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || d.x != x || d.y != y) continue;
        int c = (int)d.id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT) continue;
        if (!DEBUG_INFO && sukeltaako_NPC(c)) continue;
        found[n++] = c;
    }
    if (n == 0) return -1;
    if (n == 1) return found[0];
    Note("+There are multiple creatures.");
    Valinta_Tyhjaa();
    for (int i = 0; i < n; i++) Valinta_Lisaa(menukeys[i], monnam(found[i], 4));
    int key = TeeValinta("Select target");
    if (key == 0) {
        Note("!Canceled.");
        return -1000;
    }
    for (int i = 0; i < n; i++)
        if (menukeys[i] == key) return found[i];
    return -1;
}

// ---- yes/no --------------------------------------------------------------------------------------

// Asks the question in the note box and below it; answers the chosen key upper-cased.
static int ask_yes_no(const char *question, bool space_entry) {
    copy_bounded(lastnote, sizeof lastnote, "\x01 no note is this");
    lines = 0;
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

int KyllaEi(const char *question) {
    int kept = NOUPDATE_RC;
    NOUPDATE_RC = 1;
    int key = ask_yes_no(question, false);
    NOUPDATE_RC = kept;
    bool yes = key == 'Y';
    answer_behind_question(yes);
    return yes;
}

int KeskeytaKyllaEi(const char *question) {
    int key = ask_yes_no(question, true);
    bool yes = key == 'Y' || key == KEY_ESC;
    answer_behind_question(yes);
    return yes;
}

// ---- how many ------------------------------------------------------------------------------------

// The count prompt at (x, y): window, buttons, and the typed number after SPACE.
static int count_prompt(int total, int x, int y) {
    if (total == 1) return 1;
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
        if (r < 0 || r == LIST_FREECLICK) continue;
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
            int v = typed && typed[0] != 27 ? atoi(typed) : 0;
            answer = v >= 1 && v <= total ? v : 0;
            break;
        }
    }
    restorescr("askcount");
    GetKeyMode_NumpadNumbers(0);
    return answer;
}

int AskCount(int total) { return count_prompt(total, 500, 543); }
int askCount(int total, const char *, int x, int y) { return count_prompt(total, x, y); }
