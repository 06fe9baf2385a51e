// The item selection screen: the rows filled and marked for the command, the key and mouse loop,
// multiple choice across filters and the count prompts. The screen draws the page (base/ui.h).
#include "items/invsel.h"

#include "core/crefunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/wearing.h"
#include "items/items.h"
#include "items/itemunit.h"
#include "items/vessels.h"
#include "maps/movement.h"
#include "base/ui.h"
#include "core/tekstit.h"

#include <cctype>
#include <cstdio>
#include <cstring>

int SELSLOT_COUNT;
int INVRES_toiminta;
char invNotebuf[1024];

const char *msg_with(const char *key, const char *arg) {
    const char *text = MSG(key);
    char *out = sbuf();
    const char *at = strstr(text, "%s");
    if (!at) return copy_bounded(out, SBUF_SIZE, text);
    snprintf(out, SBUF_SIZE, "%.*s%s%s", (int)(at - text), text, arg, at + 2);
    return out;
}

namespace {

constexpr int MAX_TEN = INVSEL_MAX_CHOSEN, KEY_FILTER_ALL = INVSEL_KEY_ALL, KEY_PROCEED = INVSEL_KEY_PROCEED;

// The screen as it runs: the page the screen draws, what the caller asked for besides.
struct Screen : UiInvSelPage {
    int source, owner;
    unsigned filter;
    bool mixed;                    // the rows hold more than one item type
    int flipmode;                  // the map flip as it was when the screen opened
};

void save_under(Screen &s) {
    s.flipmode = FLIPMODE;
    ui_invsel_open();
}

bool multi(const Screen &s) { return (s.options & SEL_MULTI) != 0; }

int rows_listed() { return InvData_count(); }

bool is_leash_like(const ItemStruct &it) {
    return (it.type == IT_TOOL && it.subtype == ST_ROPE && leash_sotu(it) != 0) || it.id == OID_ROPE;
}

bool wields_anything() { return wielding(1) < 1000 || wielding(2) < 1000; }

// ---- marks -----------------------------------------------------------------------------------

void mark_rows(Screen &s) {
    int first_type = -1;
    s.mixed = false;
    for (InvDataStruct &r : InvData) {
        if (!r.pos) continue;
        const ItemStruct it = ObjToItem(r.pos);
        if (first_type < 0) first_type = it.type;
        else if (it.type != first_type) s.mixed = true;
        const bool worn = it.type == IT_ARMOUR && (it.status & ISTAT_WORN);
        if (s.source == INV_FROM_GROUND && it.type == IT_VEHICLE && it.subtype == ST_BOAT) {
            // A boat at the player's feet on open water carries her: it is not picked up.
            const DataStruct &d = Data[r.index];
            if (d.x == PlayerX && d.y == PlayerY && avovesi(PlayerX, PlayerY)) r.disabled = 1;
        }
        if (s.code != CODE_PICKUP && it.type == IT_TOOL && it.subtype == ST_ROPE && leash_sotu(it) != 0) {
            const int c = sotu_Crepos(leash_sotu(it));
            // A leash that leads its animal is chosen to open its menu (tie or let go); only the
            // leash of a tied animal is in use.
            if (c >= 0 && is_tied(c)) r.disabled = r.inuse = 1;
        }
        if (s.code == CODE_WIELD && it.type == IT_TOOL && it.subtype == ST_SKIS) r.disabled = 1;
        if (s.code == CODE_WEAR && !worn && item_alreadyworn(r.pos)) r.disabled = r.likeworn = 1;
        if (s.code == CODE_TAKEOFF && !worn && !(it.status & (ISTAT_PRIMARY | ISTAT_SECOND)) &&
            !(it.type == IT_TOOL && it.subtype == ST_SKIS && it.state == 1))
            r.disabled = r.unwielded = 1;
        if (s.code == CODE_PICKUP && r.kind == INV_KIND_CARCASS) r.carcass = 1;
        if (worn) r.worn = 1;
        if ((s.options & SEL_NO_WORN) && worn) r.disabled = 1;
        if ((s.options & SEL_NO_INUSE) && it.type == IT_TOOL && it.state != 0) r.disabled = r.inuse = 1;
        if ((s.options & SEL_WRONG_TYPE) && s.filter && !filtered_type(it.type, s.filter)) r.disabled = r.wrongtype = 1;
    }
}

// The page drawn; without a screen the whole list is one page.
void draw(Screen &s) {
    s.rows = rows_listed();
    InvList_vika = ui_invsel_draw(&s);
}

// ---- choosing --------------------------------------------------------------------------------

// The refusal of a disabled row, through invNote.
void refuse(const Screen &s, const InvDataStruct &r) {
    const int quiet = (s.options & SEL_QUIET) ? 1 : 0;
    const char *text = msg_with("ITEM_INVALID", s.verb);
    if ((s.options & SEL_NO_WORN) && r.worn) text = msg_with("ITEM_BEING_WORN", s.verb);
    if ((s.options & SEL_NO_INUSE) && r.inuse) text = msg_with("ITEM_IN_USE", s.verb);
    TARGET_ITEM = r.pos;
    TARGET_NPC = -1;
    if (s.code == CODE_DROP && r.worn) text = MSG("CANT_DROP_WORN");
    else if (s.code == CODE_TAKEOFF && r.unwielded) text = MSG("TAKEOFF_CANT");
    else if (s.code == CODE_WEAR && r.likeworn) {
        item_alreadyworn_note(r.pos);
        return;
    } else if (s.code == CODE_WEAR && r.worn) text = MSG("WEAR_ALREADY");
    invNote(text, quiet);
}

enum Outcome { STAY, CLOSE_ROW, CLOSE_CANCEL };

// Row i chosen by a key, a click or Enter; shift takes the whole stack without asking.
Outcome choose(Screen &s, int i, bool shift, int at) {
    if (i < 0 || i >= INVDATA_MAX || !InvData[i].pos) return STAY;
    InvDataStruct &r = InvData[i];
    if (r.chosen > 0) {
        InvData_select(i, 0);
        return STAY;
    }
    if (r.disabled) {
        refuse(s, r);
        return (s.options & SEL_QUIET) ? CLOSE_CANCEL : STAY;
    }
    if ((s.options & SEL_MAX_TEN) && InvData_countsels() >= MAX_TEN) return STAY;
    if (s.code == CODE_APPLY || s.code == CODE_SUPERAPPLY) {
        const ItemStruct it = ObjToItem(r.pos);
        int action = MENU_NOT_TAKEN;
        if (vessel_kind(it)) action = CONTAINER_rm(at, it);
        else if (is_leash_like(it)) action = LEASH_rm(at, it);
        if (action == 0) return STAY;
        if (action != MENU_NOT_TAKEN) INVRES_toiminta = action;
    }
    int count = 1;
    const bool asks = r.count >= 2 && (s.options & (SEL_MULTI | SEL_ASK_COUNT)) && !(s.options & SEL_ONE_EACH);
    if (asks) {
        if (shift) {
            count = r.count;
        } else {
            r.chosen = r.count;   // highlighted while the count is asked
            draw(s);
            r.chosen = 0;
            count = AskCountAt(r.count, i);
        }
        if (count < 0) count = 0;
        if (count > r.count) count = r.count;
    }
    if (count == 0) return STAY;
    const bool had = InvData_countsels() > 0;   // under this filter or another
    InvData_select(i, count);
    if (!multi(s)) return CLOSE_ROW;
    if (rows_listed() == 1 && !had) return CLOSE_ROW;
    return STAY;
}

void select_all(Screen &s) {
    const int most = (s.options & SEL_MAX_TEN) ? MAX_TEN : INVDATA_MAX;
    const bool none_yet = InvData_countsels() == 0;
    for (int i = 0; i < INVDATA_MAX; i++) {
        InvDataStruct &r = InvData[i];
        if (!r.pos || r.disabled || r.chosen) continue;
        if (InvData_countsels() >= most) break;
        if (none_yet && s.mixed && s.code == CODE_PICKUP && r.kind == INV_KIND_CARCASS) continue;
        InvData_select(i, (s.options & SEL_ONE_EACH) ? 1 : r.count);
    }
}

// Every choice let go, under every filter.
void deselect_all() {
    for (InvDataStruct &r : InvData) r.chosen = 0;
    for (InvDataStruct &r : InvDataSave) r.chosen = 0;
}

void regroup(Screen &s, unsigned filter) {
    s.shown_filter = filter;
    memcpy(InvData, InvDataSave, sizeof InvData);
    doInvList(filter, s.options);
    s.first = s.cursor = 0;
}

unsigned types_present() {
    unsigned bits = 0;
    for (const InvDataStruct &r : InvDataSave) {
        if (!r.pos) continue;
        const ItemStruct it = ObjToItem(r.pos);
        if (it.type < 32) bits |= 1u << it.type;
        if (it.ownerflags & (OWN_UNPAID | OWN_TAKEN)) bits |= 1u << INVFILTER_UNPAID;
    }
    return bits;
}

void move_cursor(Screen &s, int by) {
    const int n = rows_listed();
    if (n == 0) return;
    int c = s.cursor < 0 ? 0 : s.cursor + by;
    if (c < 0) c = 0;
    if (c >= n) c = n - 1;
    s.cursor = c;
    if (s.cursor < s.first) s.first = s.cursor;
    while (s.cursor > InvList_vika && s.first < n - 1 && InvList_vika >= s.first) {
        s.first += s.cursor - InvList_vika;
        break;
    }
}

// The game screen put back as it was, the map flip with it.
int close(const Screen &s, int result) {
    FLIPMODE = s.flipmode;
    ui_invsel_close();
    Flip();
    return result;
}

}  // namespace

// ---- the chosen counts across filters ------------------------------------------------------------

static InvDataStruct *saved_row_of(const InvDataStruct &r) {
    for (InvDataStruct &s : InvDataSave)
        if (s.pos == r.pos && s.index == r.index && s.source == r.source) return &s;
    return nullptr;
}

void InvData_select(int row, int count) {
    if (row < 0 || row >= INVDATA_MAX || !InvData[row].pos) return;
    InvData[row].chosen = count;
    if (InvDataStruct *s = saved_row_of(InvData[row])) s->chosen = count;
}

static bool listed(const InvDataStruct &s) {
    for (const InvDataStruct &r : InvData)
        if (r.pos && r.pos == s.pos && r.index == s.index && r.source == s.source) return true;
    return false;
}

void InvData_addsels() {
    for (const InvDataStruct &s : InvDataSave) {
        if (!s.pos || s.chosen <= 0 || listed(s)) continue;
        for (InvDataStruct &r : InvData)
            if (!r.pos) {
                r = s;
                break;
            }
    }
}

int InvData_countsels() {
    // A choice under another filter counts while a free row remains to bring it back at the end.
    int free_rows = 0;
    for (const InvDataStruct &r : InvData) free_rows += !r.pos;
    int n = 0;
    for (const InvDataStruct &s : InvDataSave) {
        if (!s.pos || s.chosen <= 0) continue;
        if (listed(s)) {
            n++;
        } else if (free_rows > 0) {
            free_rows--;
            n++;
        }
    }
    return n;
}

// ---- the screen ----------------------------------------------------------------------------------

int InvSel(int source, int owner, int x, int y, const char *title, const char *verb, unsigned options,
           unsigned filter, unsigned code) {
    ClrInvData();
    memset(InvDataSave, 0, sizeof InvDataSave);
    INVRES_toiminta = 0;
    invNotebuf[0] = 0;
    if (Plr.posture == 4 || REAL_QUIT == -1) return INVSEL_CANCEL;
    Screen s{};
    s.source = source;
    s.owner = owner;
    s.title = title ? title : "";
    s.verb = verb ? verb : "";
    s.options = options;
    s.filter = filter;
    s.code = code;
    const int n = source == INV_FROM_GROUND ? InvGet_data(x, y) : InvGet_character(owner, options);
    if (n == 0 && source == INV_FROM_PACK && owner == CRE_PLAYER) {
        TARGET_NPC = -1;
        ignore_lastnote();
        invNote(MSG("CARRY_NOTHING"), (options & SEL_QUIET) ? 1 : 0);
        return INVSEL_CANCEL;
    }
    mark_rows(s);
    memcpy(InvDataSave, InvData, sizeof InvData);
    const bool remembered = !strcmp(s.title, LAST_LISTTITLE) && filter == LAST_FILTER && !(options & SEL_COUNT_ONLY);
    if (remembered) copy_bounded(LAST_LISTTITLE, sizeof LAST_LISTTITLE, "undefined");

    // With the wrong-type mark every row stays listed; the filter only decides what may be chosen.
    int admitted = 0;
    if (options & SEL_WRONG_TYPE) {
        for (const InvDataStruct &row : InvData) admitted += row.pos && !row.wrongtype;
        s.shown_filter = 0;
    } else {
        s.shown_filter = filter;
    }
    const int kept = doInvList(s.shown_filter, options);
    if ((options & SEL_WRONG_TYPE) && admitted == 0 && filter) return INVSEL_NOTHING;
    if (kept == 0 && (filter == 0 || (options & SEL_WRONG_TYPE))) return INVSEL_NOTHING;
    if (options & SEL_COUNT_ONLY) return kept;
    if (remembered && LAST_LISTPOSITION >= 0 && LAST_LISTPOSITION < INVDATA_MAX && InvData[LAST_LISTPOSITION].pos) {
        s.cursor = LAST_LISTPOSITION;
        s.first = LAST_LISTALKUKOHTA >= 0 && LAST_LISTALKUKOHTA <= s.cursor ? LAST_LISTALKUKOHTA : s.cursor;
    }

    save_under(s);
    bool auto_one = (options & SEL_AUTO_ONE) && kept == 1;
    for (;;) {
        draw(s);
        if (s.cursor > InvList_vika && InvList_vika >= s.first) {   // the remembered row lies below the page
            s.first = s.cursor;
            draw(s);
        }
        int key;
        bool shift = false, click = false;
        if (auto_one) {
            key = NAPPAIN[0];
            auto_one = false;
        } else {
            key = getkey();
            click = MOUSECLICK != 0;
            shift = (KeyModifiers() & UI_MOD_SHIFT) != 0;
        }
        if (key == KEY_QUIT) {
            if (WindowClosed()) return close(s, INVSEL_CANCEL);
            const int row = ui_invsel_row_at_mouse();
            if (row >= 0) s.cursor = row;
            continue;
        }
        if (key == KEY_IDLE || key == KEY_WINDOW) continue;
        int row = -1;
        if (key == KEY_ENTER && click) {
            row = ui_invsel_row_at_mouse();
            if (row < 0) {
                key = ui_invsel_button_at_mouse(&s);
                if (key == 0 || key == KEY_ENTER) continue;
                click = false;
            }
        } else if (key == KEY_RCLICK) {
            // A right click on a container or a leash opens its own menu.
            const int at = ui_invsel_row_at_mouse();
            if (at < 0) continue;
            s.cursor = at;
            const ItemStruct it = ObjToItem(InvData[at].pos);
            int action = MENU_NOT_TAKEN;
            if (vessel_kind(it)) action = CONTAINER_rm(UI_AT_MOUSE, it);
            else if (is_leash_like(it)) action = LEASH_rm(UI_AT_MOUSE, it);
            if (action == 0 || action == MENU_NOT_TAKEN || InvData[at].disabled) continue;
            INVRES_toiminta = action;
            InvData_select(at, 1);
            savelastInvSel(s.title, at, s.first, filter);
            return close(s, at);
        } else if (key == KEY_ENTER) {
            row = s.cursor;
        } else if (key > 0 && key < 128 && strchr(NAPPAIN, key) && isalpha(key)) {
            const int k = (int)(strchr(NAPPAIN, key) - NAPPAIN);
            if (s.first + k > InvList_vika) continue;
            row = s.first + k;
        }
        if (row >= 0) {
            s.cursor = row;
            const Outcome o = choose(s, row, shift, click ? UI_AT_MOUSE : row);
            if (o == CLOSE_CANCEL) return close(s, INVSEL_CANCEL);
            if (o == CLOSE_ROW) {
                savelastInvSel(s.title, row, s.first, filter);
                return close(s, row);
            }
            continue;
        }
        switch (key) {
        case KEY_DOWN: move_cursor(s, 1); break;
        case KEY_WHEEL_DOWN: move_cursor(s, 4); break;
        case KEY_UP: move_cursor(s, -1); break;
        case KEY_WHEEL_UP: move_cursor(s, -4); break;
        case KEY_PGDN:
            if (InvList_vika + 1 < rows_listed()) s.first = s.cursor = InvList_vika + 1;
            else s.cursor = InvList_vika;
            break;
        case KEY_PGUP:
            s.first -= s.page_most > 0 ? s.page_most : 1;
            if (s.first < 0) s.first = 0;
            s.cursor = s.first;
            break;
        case KEY_TAB:
        case '.': {
            const int f = InvFilterMenu(types_present());
            if (f >= 0) regroup(s, (unsigned)f);
            break;
        }
        case KEY_FILTER_ALL: regroup(s, 0); break;
        case KEY_F1: game_info("FILE"); break;
        case '+':
        case '=':
            if (multi(s)) select_all(s);
            break;
        case '-':
            if (!multi(s) && s.code == CODE_WIELD && wields_anything()) {
                unwield_hand(1);
                unwield_hand(2);
                return close(s, INVSEL_CANCEL);
            }
            deselect_all();
            break;
        case '1':
        case '2':
            if (s.code == CODE_TAKEOFF && wielding(key - '0') < 1000) {
                unwield_hand(key - '0');
                return close(s, INVSEL_CANCEL);
            }
            deselect_all();
            break;
        case KEY_PROCEED:
            if (multi(s)) {
                InvData_addsels();
                const int chosen = InvData_countsels();
                if (chosen) {
                    savelastInvSel(s.title, s.cursor, s.first, filter);
                    return close(s, chosen);
                }
            }
            break;
        case KEY_ESC:
            if (InvData_countsels() && !(s.options & SEL_ESC_AT_ONCE) && !CLOSE_WINDOW) {
                ui_invsel_put_under();
                invNote("!You have some items selected.", 0);
                // Without a screen an empty queue cancels, or the question would come again for ever.
                if (!KyllaEi("Are you sure to cancel?") && (ui_has_screen() || ui_script_left())) break;
            }
            clrevents();
            return close(s, INVSEL_CANCEL);
        default: break;
        }
    }
}

int selslot(const char *title, const char *verb, unsigned options, unsigned filter, unsigned code) {
    SELSLOT_COUNT = 0;
    const int r = InvSel(INV_FROM_PACK, CRE_PLAYER, PlayerX, PlayerY, title, verb, options, filter, code);
    if (r < 0) return r;
    if (r >= INVDATA_MAX) return INVSEL_CANCEL;
    SELSLOT_COUNT = InvData[r].chosen;
    return InvData[r].index;
}
