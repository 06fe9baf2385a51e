// Choices, questions and keys: the menus being built, and what the screen answers, or the null
// screen from its scripted queue.
#include "base/ownlib.h"
#include "base/ui.h"

#include <cstdio>
#include <cstring>

ValintaStruct ValintaEntry[VALINTA_MAX];
int ValintojenMaara = 0;
char ValintaTekstilisa[1024];
int TeeValinta_NOCANCEL = 0;
int TEEVALINTA_POS = 0;
const char menukeys[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

int CLOSE_WINDOW = 0;
int XOUT_OK = 0;
int MOUSECLICK = 0;
int MOUSE_X = 0, MOUSE_Y = 0;

static int chosen_entry = -1;      // the entry the last TeeValinta chose; -1 none

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
    case KEY_MENU_F1: snprintf(out, size, "F1.%s", text); break;
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

// The text up to its first "(" (trailing blanks dropped) becomes the entry's topic when the
// encyclopedia has it.
static void find_topic(int slot, const char *text) {
    if (!ui.choices.is_topic) return;
    char word[100];
    copy_bounded(word, sizeof word, text ? text : "");
    char *paren = strchr(word, '(');
    if (paren) *paren = 0;
    size_t n = strlen(word);
    while (n && word[n - 1] == ' ') word[--n] = 0;
    if (word[0] && ui.choices.is_topic(word))
        copy_bounded(ValintaEntry[slot].topic, sizeof ValintaEntry[slot].topic, word);
}

int Valinta_LisaaTarkenteella(int key, const char *text, int action, int value) {
    const char *t = text ? text : "";
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

// A terrain entry without a picture of its own shows its terrain's tile.
void Valinta_LisaaGrafiikka(int column, int row, int mapchar) {
    if (ValintojenMaara < 1) return;
    ValintaStruct &v = ValintaEntry[ValintojenMaara - 1];
    v.gx = column;
    v.gy = row;
    v.tilename[0] = 0;
    if (mapchar == 0 && v.action == VALINTA_TERRAIN_ACTION) {
        v.mapchar = (uint8_t)v.value;
        v.terrain_tile = 1;
    } else {
        v.mapchar = (uint8_t)mapchar;
        v.terrain_tile = 0;
    }
}

void Valinta_Tekstilisa(const char *text) {
    if (!text) return;
    if (strlen(ValintaTekstilisa) + strlen(text) > sizeof ValintaTekstilisa - 1) return;
    strcat(ValintaTekstilisa, text);
}

// ---- showing a menu ------------------------------------------------------------------------------

static int upper(int key) { return key >= 'a' && key <= 'z' ? key - 32 : key; }

// The null screen chooses the entry whose key is the next scripted key (letters either case).
static int scripted_choice(int count, int *key) {
    const int k = ui_script_next();
    for (int i = 0; i < count; i++)
        if (ValintaEntry[i].key != -1 && upper(ValintaEntry[i].key) == upper(k)) {
            *key = ValintaEntry[i].key;
            return i;
        }
    return -1;
}

// Both menus: the list holds at most VALINTA_SHOWN entries, the cancel entry is left out once.
static int run_menu(const char *title, int popup, int at) {
    TEEVALINTA_POS = 0;
    chosen_entry = -1;
    const int many = ValintojenMaara > VALINTA_SHOWN;
    if (many) ValintojenMaara = VALINTA_SHOWN;
    const int count = ValintojenMaara;
    const int nocancel = TeeValinta_NOCANCEL;
    TeeValinta_NOCANCEL = 0;
    int key = 0;
    const int chosen = ui.choices.menu ? ui.choices.menu(title ? title : "", popup, at, count, many, nocancel, &key)
                                       : scripted_choice(count, &key);
    if (chosen < 0) return 0;
    TEEVALINTA_POS = chosen;
    const ValintaStruct *v = chosen < count ? &ValintaEntry[chosen] : nullptr;
    if (popup) return v && v->action ? v->action : key;
    if (v) chosen_entry = chosen;
    return key;
}

int TeeValinta(const char *title) { return run_menu(title, 0, UI_AT_PROMPT); }
int TeeRMValintaAt(const char *title, int at) { return run_menu(title, 1, at); }

const ValintaStruct *Valinta_Valittu() {
    return chosen_entry >= 0 && chosen_entry < VALINTA_MAX ? &ValintaEntry[chosen_entry] : nullptr;
}

// ---- yes/no and how many -------------------------------------------------------------------------

static int scripted_yes() {
    const int k = ui_script_next();
    return k == 'y' || k == 'Y';
}

int KyllaEi(const char *question) {
    if (ui.choices.yes_no) return ui.choices.yes_no(question);
    return scripted_yes();
}

int KeskeytaKyllaEi(const char *question) {
    if (ui.choices.yes_no_esc) return ui.choices.yes_no_esc(question);
    return scripted_yes();
}

// A total of one is taken whole without a question. The null screen takes its keys as the prompt
// does: Enter all, a digit that many (none when more than the total), anything else none.
static int ask_count(int total, int at) {
    if (total == 1) return 1;
    if (ui.choices.count) return ui.choices.count(total, at);
    const int k = ui_script_next();
    if (k == KEY_ENTER) return total < 1 ? 0 : total;
    if (k >= '1' && k <= '9') return k - '0' <= total ? k - '0' : 0;
    return 0;
}

int AskCount(int total) { return ask_count(total, UI_AT_PROMPT); }
int AskCountAt(int total, int at) { return ask_count(total, at); }

// ---- keys ----------------------------------------------------------------------------------------

int getkey() { return ui.choices.getkey ? ui.choices.getkey() : ui_script_next(); }

// A scripted key below 1 is passed over as the screen passes it.
int getkeypress() {
    if (ui.choices.getkeypress) return ui.choices.getkeypress();
    for (;;) {
        const int k = ui_script_next();
        if (k >= 1) return k;
    }
}

int kbhit() { return ui.choices.kbhit ? ui.choices.kbhit() : 0; }
int kb_hit() { return ui.choices.kb_hit ? ui.choices.kb_hit() : 0; }

void ClearEventMemory() {
    if (ui.choices.clear_event_memory) ui.choices.clear_event_memory();
}

void clrevents() {
    if (ui.choices.clrevents) ui.choices.clrevents();
}

int ClrKeyBuffer() { return ui.choices.clr_key_buffer ? ui.choices.clr_key_buffer() : 0; }

void ClrMouseWheelBuffer() {
    if (ui.choices.clr_mouse_wheel_buffer) ui.choices.clr_mouse_wheel_buffer();
}

int WindowClosed() { return ui.choices.window_closed ? ui.choices.window_closed() : 0; }
int MouseClick() { return MOUSECLICK; }

void RESIZE_off() {
    if (ui.choices.resize_off) ui.choices.resize_off();
}

void RESIZE_on() {
    if (ui.choices.resize_on) ui.choices.resize_on();
}

int KeyModifiers() { return ui.choices.key_modifiers ? ui.choices.key_modifiers() : 0; }

// ---- the item selection screen -------------------------------------------------------------------

void ui_invsel_open() {
    if (ui.choices.invsel_open) ui.choices.invsel_open();
}

// Without a screen the whole list is one page.
int ui_invsel_draw(UiInvSelPage *page) {
    if (ui.choices.invsel_draw) return ui.choices.invsel_draw(page);
    return page->rows - 1;
}

void ui_invsel_put_under() {
    if (ui.choices.invsel_put_under) ui.choices.invsel_put_under();
}

void ui_invsel_close() {
    if (ui.choices.invsel_close) ui.choices.invsel_close();
}

int ui_invsel_row_at_mouse() { return ui.choices.invsel_row_at_mouse ? ui.choices.invsel_row_at_mouse() : -1; }

int ui_invsel_button_at_mouse(const UiInvSelPage *page) {
    return ui.choices.invsel_button_at_mouse && page ? ui.choices.invsel_button_at_mouse(page) : 0;
}
