// The item selection screen's drawing: the game screen kept aside while it is open, the page with
// its rows, the info box and its buttons. Its rows, keys and choices are the rules' (items/invsel.h).
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/obj_func.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/items.h"
#include "presentation/hyper.h"
#include "presentation/invlist_draw.h"
#include "presentation/notes.h"
#include "presentation/screen_ui.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int KEY_PROCEED = INVSEL_KEY_PROCEED, KEY_FILTER_ALL = INVSEL_KEY_ALL, MAX_TEN = INVSEL_MAX_CHOSEN;

SDL_Surface *under = nullptr;      // what lies below the window: the game screen with its map drawn in
SDL_Surface *game_page = nullptr;  // the game screen as it was, put back when the screen closes
int page_notes = 0;                // both show the note box: put back, they get the later notes

void copy_screen(SDL_Surface *&into) {
    if (!into) into = SDL_CreateRGBSurfaceWithFormat(0, game_screen->w, game_screen->h, 32, game_screen->format->format);
    if (!into) return;
    SDL_SetSurfaceBlendMode(game_screen, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(game_screen, nullptr, into, nullptr);
}

// Every flip would lay the map over the window, which covers the map view: while the screen waits the
// map flip stays off and the map is drawn into what lies below the window instead.
void save_under() {
    if (!game_screen) return;
    copy_screen(game_page);
    copy_screen(under);
    page_notes = notebox_shown_in(game_screen);
    if (FLIPMODE && under) MapIntoSurface(under);
    FLIP_map_OFF();
}

void put_under() {
    if (!under || !game_screen) return;
    SDL_SetSurfaceBlendMode(under, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(under, nullptr, game_screen, nullptr);
    if (page_notes) notebox_put_back(game_screen);
}

// The game screen put back as it was.
void put_back() {
    if (game_page && game_screen) {
        SDL_SetSurfaceBlendMode(game_page, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(game_page, nullptr, game_screen, nullptr);
        if (page_notes) notebox_put_back(game_screen);
    }
}

bool multi(const UiInvSelPage &s) { return (s.options & SEL_MULTI) != 0; }

bool wields_anything() { return wielding(1) < 1000 || wielding(2) < 1000; }

int button_width(const char *text) {
    const char *dot = strchr(text, '.');
    return Nappain_Leveys(text) + (dot ? 8 + textwidth(dot + 1) : 0);
}

int button(UiInvSelPage &s, int x, int y, const char *text, int key) {
    Piirra_Nappain(x, y, text);
    const int w = button_width(text);
    if (s.nbuttons < UI_INVSEL_BUTTONS) s.buttons[s.nbuttons++] = {x, y, w, 14, key};
    return x + w + 8;
}

float scale() { return ratio > 0 ? ratio : 1.0f; }

struct Window {
    int x, y, w, h;
};

// The window at the top left, sized by the screen's scale against 800 x 600; the list's rows and its
// info box inside it. A list of several choices has a line more of buttons, and one more with the
// count limit.
Window place(const UiInvSelPage &s) {
    const float r = scale();
    const Window win = {5, 5, (int)(470 * r), (int)(520 * r)};
    INVLIST_X = win.x;
    INVLIST_Y = win.y + 20;
    INVLIST_W = win.w;
    INVLIST_H = win.h - 20;
    INVLIST_INFOH = 70;
    INVLIST_INFOY = win.y + win.h - INVLIST_INFOH - 30 + 20;
    if (s.options & SEL_MULTI) INVLIST_INFOY -= 16;
    if ((s.options & SEL_MULTI) && (s.options & SEL_MAX_TEN)) INVLIST_INFOY -= 16;
    return win;
}

int draw(UiInvSelPage *page) {
    UiInvSelPage &s = *page;
    const Window win = place(s);
    if (!game_screen) return InvList_vika;
    put_under();
    const uint32_t keep_label = BUTTON_DEFTEXT;
    BUTTON_DEFTEXT = RGB_to_color(176, 196, 222);   // the buttons' words light on the dark logs
    s.nbuttons = 0;
    Piirra_Ikkuna(win.x, win.y, win.w, win.h, s.title[0] ? s.title : "Items selection", WIN_TEX_SAVU);
    const char *prompt = multi(s) ? "Select items to " : "Select an item to ";
    showtext(win.x + 10, win.y + 24, prompt, RGB_to_color(176, 196, 222), 1);
    const int vx = win.x + 10 + textwidth(prompt);
    showtext(vx, win.y + 24, s.verb, RGB_to_color(240, 230, 140), 1);
    showtext(vx + textwidth(s.verb), win.y + 24, ".", RGB_to_color(176, 196, 222), 1);
    InvList_cursor = s.cursor;
    const int shown = showInvList(s.first, s.shown_filter);
    if (shown > s.page_most && shown != 13) s.page_most = shown;

    // The info box with the buttons.
    int y = INVLIST_INFOY;
    showtext(win.x + 10, y, "Use hotkeys, mouse click or", RGB_to_color(176, 196, 222), 1);
    button(s, win.x + 10 + textwidth("Use hotkeys, mouse click or") + 6, y - 4, "ENTER.to select.", KEY_ENTER);
    y += 16;
    int x = win.x + 10;
    x = button(s, x, y, "UP/DN.Move", 0);
    x = button(s, x, y, "PgDn.Next page", KEY_PGDN);
    x = button(s, x, y, "PgUp.Prev page", KEY_PGUP);
    const int chosen = InvData_countsels();
    if (!(KEY_PROCEED == KEY_ESC && chosen)) x = button(s, x, y, "ESC.Cancel", KEY_ESC);
    // A row too full for the filter button leaves it to the view line below, which it belongs with.
    const bool filter_below = x + button_width("TAB.Filter") > win.x + win.w - 10;
    if (!filter_below) button(s, x, y, "TAB.Filter", KEY_TAB);
    y += 16;
    x = win.x + 10;
    char view[80];
    if (s.shown_filter == 0) {
        showtext(x, y + 4, "Viewing: All items", RGB_to_color(176, 196, 222), 1);
        x += textwidth("Viewing: All items") + 10;
    } else {
        snprintf(view, sizeof view, "Viewing: %s", InvList_TYPETITLE(s.shown_filter));
        showtext(x, y + 4, view, RGB_to_color(176, 196, 222), 1);
        x = button(s, x + textwidth(view) + 10, y, "*.All types", KEY_FILTER_ALL);
    }
    if (filter_below) button(s, x, y, "TAB.Filter", KEY_TAB);
    y += 16;
    if (multi(s)) {
        x = button(s, win.x + 10, y, "+.Select all", '+');
        if (!chosen) {
            showtext(x, y + 4, "You can select multiple items here.", RGB_to_color(176, 196, 222), 1);
        } else {
            x = button(s, x, y, "-.Deselect all", '-');
            const char *const done = "SPACE.Done - proceed with selected.";
            if (x + button_width(done) > win.x + win.w - 10) {   // on a line of its own inside the window
                x = win.x + 10;
                y += 16;
            }
            BUTTON_DEFTEXT = RGB_to_color(84, 252, 84);
            button(s, x, y, done, KEY_PROCEED);
            BUTTON_DEFTEXT = RGB_to_color(176, 196, 222);
        }
        if (s.options & SEL_MAX_TEN) {
            char more[60];
            if (chosen >= MAX_TEN) copy_bounded(more, sizeof more, "You have selected the maximum number of entries.");
            else snprintf(more, sizeof more, "...or select %d more entries.", MAX_TEN - chosen);
            showtext(win.x + 10, y + 20, more, RGB_to_color(168, 0, 0), 1);
        }
    } else if (s.code == CODE_WIELD && wields_anything()) {
        button(s, win.x + 10, y, "-.Take off all wielded items, go empty handed.", '-');
    } else if (s.code == CODE_TAKEOFF && !chosen) {
        x = win.x + 10;
        if (wielding(1) < 1000) x = button(s, x, y, "1.Unwield 1st weapon", '1');
        if (wielding(2) < 1000) button(s, x, y, "2.Unwield 2nd weapon", '2');
    }
    // The encyclopedia offers the item under the pointer when it names a topic: its whole name, else
    // its two last words, else its last word ("Hunting bow": BOW).
    if (s.cursor >= 0 && s.cursor < INVDATA_MAX && InvData[s.cursor].pos) {
        char name[41];
        item_name(ObjToItem(InvData[s.cursor].pos), name);
        game_info_hotspot(item_topic(name));
    }
    BUTTON_DEFTEXT = keep_label;
    Flip();
    return InvList_vika;
}


// The row of the page drawn last under the mouse, -1 none.
int row_at_mouse() {
    const int mx = MOUSE_X, my = MOUSE_Y;
    if (mx < INVLIST_X || mx >= INVLIST_X + INVLIST_W) return -1;
    for (int i = InvList_eka; i <= InvList_vika && i < INVDATA_MAX; i++)
        if (i >= 0 && InvList_rowy[i] >= 0 && my >= InvList_rowy[i] - 2 && my < InvList_rowy[i] - 2 + INVLIST_ROWH) return i;
    return -1;
}

// The key of the button drawn last under the mouse, 0 none.
int button_at_mouse(const UiInvSelPage *page) {
    const int mx = MOUSE_X, my = MOUSE_Y;
    for (int i = 0; i < page->nbuttons; i++) {
        const UiInvSelButton &b = page->buttons[i];
        if (b.key && mx >= b.x && mx < b.x + b.w && my >= b.y && my < b.y + b.h) return b.key;
    }
    return 0;
}


}  // namespace

void screen_ui_invsel(UiChoices &t) {
    t.invsel_open = save_under;
    t.invsel_draw = draw;
    t.invsel_put_under = put_under;
    t.invsel_close = put_back;
    t.invsel_row_at_mouse = row_at_mouse;
    t.invsel_button_at_mouse = button_at_mouse;
}
