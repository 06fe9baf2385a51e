// src/presentation/listwidget.cpp -- the list widget: entries, drawing, the cursor rules and the choice.
#include "presentation/listwidget.h"

#include "base/ownlib.h"
#include "presentation/audio.h"
#include "presentation/input.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <cstdlib>
#include <cstring>

ListStruct List;
ListEntryStruct ListEntries[LIST_MAX_ENTRIES];
int LISTMOD_allowsame = 0;
SDL_Texture *ListFlipperTexture = nullptr;
uint32_t Saved_TextColor = 0;
int Saved_Tekstityyli = 0;
int LIST_MENUACTIVE = 0;

static const char *const BARESPOT_TEXT = "THIS IS TO DISABLE EMPTYTEXT SKIPPING IN LIST_GO";
static const char *const MENULIST_FILE = "MENULIST.SAV";

static bool spot_list() { return List.framestyle == LIST_SPOTSTYLE; }
static bool valid_pos(int p) { return p >= 0 && p < LIST_MAX_ENTRIES; }
static bool has_text(int p) { return valid_pos(p) && ListEntries[p].text[0]; }
static bool selectable(int p) { return has_text(p) && !ListEntries[p].disabled; }
static bool is_spot(int p) { return valid_pos(p) && ListEntries[p].w > 0; }

// ---- setting up ----------------------------------------------------------------------------------

void LIST_Reset(uint32_t colour, const char *title, int x, int y, int w, int h, int style) {
    memset(&List, 0, sizeof List);
    memset(ListEntries, 0, sizeof ListEntries);
    LISTMOD_allowsame = 0;
    List.x = x;
    List.y = y;
    List.w = w;
    List.h = h;
    copy_bounded(List.title, sizeof List.title, title ? title : "");
    List.framestyle = style;
    List.cursorlimit = LIST_MAX_ENTRIES;
    List.rgbacolor = ColorPack(RGBAColor_Yellow);
    if (style == 6 || style == 8) {
        List.color = style == 6 ? RGB_to_color(240, 230, 140) : RGB_to_color(238, 232, 170);
        List.textstyle = 1;
        List.highlight = RGB_to_color(255, 255, 255);
    } else {
        List.color = colour == (uint32_t)-1 ? 0 : colour;
    }
}

void LIST_Style(int highlight, const char *movesample, const char *choosesample, int noshade, int returnonchange) {
    if (highlight >= 0) List.highlight = (uint32_t)highlight;
    if (highlight == -2) List.textstyle = 1;
    copy_bounded(List.movesample, sizeof List.movesample, movesample ? movesample : "");
    copy_bounded(List.choosesample, sizeof List.choosesample, choosesample ? choosesample : "");
    List.noshade = noshade;
    List.returnonchange = returnonchange;
}

void LIST_AdvStyle(int textstyle, int adv) {
    List.textstyle = textstyle;
    List.advstyle = adv;
}

void LIST_MousemoveReturn() { List.returnonmouse = 1; }
void LIST_Kursorinappaimet_Lahimpaan() { List.nearestkeys = 1; }
void LIST_SetMaxCursorEntry() { List.cursorlimit = List.count; }
int LIST_MaxCursorEntry() { return List.cursorlimit; }
void LIST_EnableFreeClicks() { List.freeclicks = 1; }
void LIST_casesensitive() { List.casesensitive = 1; }

void LIST_RGBA_TextColor(SDL_Color colour, uint32_t flags) {
    List.rgbacolor = ColorPack(colour);
    List.buttonflags = flags;
}

void LIST_XY_offset(int x, int y) {
    List.xoffset = x;
    List.yoffset = y;
}

void LIST_FlipperMode(SDL_Texture *texture, uint32_t flags) {
    ListFlipperTexture = texture;
    List.flippermode = texture != nullptr;
    List.flipperflags = flags;
}

int LIST_InFlipperMode() { return List.flippermode && ListFlipperTexture; }

void LIST_TextAttribSave() {
    Saved_TextColor = List.color;
    Saved_Tekstityyli = List.textstyle;
}

void LIST_TextAttribOverride(uint32_t colour, int style) {
    List.color = colour;
    List.textstyle = style;
}

void LIST_TextAttribRestore() {
    List.color = Saved_TextColor;
    List.textstyle = Saved_Tekstityyli;
}

// ---- adding entries ------------------------------------------------------------------------------

// The next free entry, or nullptr when the list is full.
static ListEntryStruct *next_entry() {
    if (List.count < 0 || List.count >= LIST_MAX_ENTRIES) return nullptr;
    ListEntryStruct *e = &ListEntries[List.count++];
    memset(e, 0, sizeof *e);
    return e;
}

void LIST_Entry(int key, const char *text) {
    ListEntryStruct *e = next_entry();
    if (!e) return;
    const char *t = text ? text : "";
    const char *bar = strchr(t, '|');
    if (bar) {
        size_t n = (size_t)(bar - t);
        if (n >= sizeof e->text) n = sizeof e->text - 1;
        memcpy(e->text, t, n);
        e->text[n] = 0;
        copy_bounded(e->text2, sizeof e->text2, bar + 1);
    } else {
        copy_bounded(e->text, sizeof e->text, t);
    }
    e->key = key == -1 ? 0 : key;
    e->disabled = key == -1;
}

void LIST_SpotEntry(int key, int x, int y, int w, int h) {
    ListEntryStruct *e = next_entry();
    if (!e) return;
    copy_bounded(e->text, sizeof e->text, BARESPOT_TEXT);
    e->key = key;
    e->x = x;
    e->y = y;
    e->w = w;
    e->h = h;
}

static bool key_exists(int key) {
    if (LISTMOD_allowsame && key != KEY_F1) return false;
    for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++)
        if (ListEntries[i].key == key) return true;
    return false;
}

// Adds the clickable spot of a button drawn at (x, y); `narrow` is the mark that takes 16 pixels off.
static void add_button_spot(int key, int x, int y, const char *label, char narrow) {
    if (key_exists(key)) return;
    const char *dot = strchr(label, '.');
    int labelw = 8 * (dot ? (int)(dot - label) : (int)strlen(label)) + 10;
    int w = textwidth(label) + 10;
    const char *mark = strchr(label, narrow);
    if (mark && (!dot || mark < dot)) {
        w -= 16;
        labelw -= 16;
    }
    ListEntryStruct *e = next_entry();
    if (!e) return;
    copy_bounded(e->text, sizeof e->text, dot ? "TEXTSPOT" : "NOTEXTSPOT");
    e->key = key;
    e->x = x + 2;
    e->y = y + 1;
    e->w = w;
    e->h = 18;
    e->labelw = labelw;
}

static void list_button(int x, int y, const char *text) {
    uint32_t colour = BUTTON_DEFTEXT;
    int style = TEKSTI_Tyyli;
    BUTTON_DEFTEXT = List.color;
    TEKSTI_Tyyli = List.textstyle;
    Piirra_Nappain(x, y, text);
    BUTTON_DEFTEXT = colour;
    TEKSTI_Tyyli = style;
}

void LIST_ButtonSpotEntry(int key, int x, int y, const char *label) {
    const char *l = label ? label : "";
    list_button(x, y, l);
    add_button_spot(key, x, y, l, '<');
}

void LIST_toTex_ButtonSpotEntry(SDL_Texture *texture, int key, int x, int y, const char *label) {
    const char *l = label ? label : "";
    if (ren && texture) {
        SDL_Texture *before = SDL_GetRenderTarget(ren);
        SDL_SetRenderTarget(ren, texture);
        render_drawbutton(ren, x, y, l, ColorUnpack(List.rgbacolor), (int)List.buttonflags + 2);
        SDL_SetRenderTarget(ren, before);
    }
    add_button_spot(key, x + List.xoffset, y + List.yoffset, l, '[');
}

static void set_disabled(int key, int value) {
    for (int i = 0; i < LIST_MAX_ENTRIES; i++)
        if (ListEntries[i].key == key) ListEntries[i].disabled = value;
}

void LIST_KeyDisable(int key) { set_disabled(key, 1); }
void LIST_KeyEnable(int key) { set_disabled(key, 0); }

// ---- reading -------------------------------------------------------------------------------------

int LIST_Position() { return List.pos; }
void Set_LIST_Position(int p) { List.pos = p; }
int ListEntryPos() { return List.count; }
int LIST_PosKey(int p) { return valid_pos(p) ? ListEntries[p].key : 0; }

int LIST_PosOfKey(int key) {
    for (int i = 0; i < LIST_MAX_ENTRIES; i++)
        if (ListEntries[i].key == key) return i;
    return -1;
}

char *LIST_PosText(int p) {
    static char none[1];
    none[0] = 0;
    return valid_pos(p) ? ListEntries[p].text : none;
}

int LISTX_right(int p) { return valid_pos(p) ? ListEntries[p].x + ListEntries[p].w : 0; }
int LISTY_top(int p) { return valid_pos(p) ? ListEntries[p].y : 0; }

// Spots answer by their own rectangle, text lines by the line's band across the list.
int calculatepos() {
    for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++) {
        const ListEntryStruct &e = ListEntries[i];
        if (e.w > 0) {
            if (MOUSE_X >= e.x && MOUSE_X < e.x + e.w && MOUSE_Y > e.y && MOUSE_Y < e.y + e.h) return i;
        } else if (!spot_list()) {
            if (MOUSE_X > e.x && MOUSE_X < e.x + List.w - 10 && MOUSE_Y >= e.y - 2 && MOUSE_Y <= e.y + 8) return i;
        }
    }
    return -1;
}

// ---- drawing -------------------------------------------------------------------------------------

static void draw_frame() {
    int x = List.x, y = List.y, w = List.w, h = List.h, s = List.framestyle;
    uint32_t title_colour = RGB_to_color(252, 252, 84);
    if (s < 1) return;
    switch (s) {
    case 2:
        draw_colorbox(x, y, x + w - 1, y + h - 1, 1003);
        title_colour = RGB_to_color(255, 255, 255);
        break;
    case 3: break;
    case 4: infoborder(x, y, w, h, List.title); return;
    case 5: draw_colorbox(x, y, x + w - 1, y + h - 1, 1000); break;
    case 6: Piirra_Ikkuna(x, y, w, h, List.title, 16); return;
    case 7: Piirra_Ikkuna(x, y, w, h, List.title, 2); return;
    case 8: Piirra_Ikkuna(x, y, w, h, List.title, 4); return;
    case 9: Piirra_Ikkuna(x, y, w, h, List.title, 8); return;
    default: draw_colorbox(x, y, x + w - 1, y + h - 1, COLOR_RED()); break;
    }
    sinked_box(x + 3, y + 3, w - 6, 14);
    showtext(x + 5, y + 3, List.title, title_colour, 0);
}

void LIST_Draw() {
    if (spot_list()) {
        if (!strstr(List.title, "BORDERS")) return;
        setcolor(RGB_to_color(252, 252, 84));
        for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++) {
            const ListEntryStruct &e = ListEntries[i];
            if (e.w > 0) rectangle(e.x, e.y, e.x + e.w - 1, e.y + e.h - 1);
        }
        return;
    }
    draw_frame();
    for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++) {
        ListEntryStruct &e = ListEntries[i];
        if (!e.x) {
            e.x = List.x + 8;
            e.y = List.y + 29 + 12 * i;
        }
        if (e.key == KEY_F1 || e.w > 0 || strstr(e.text, "NO DISPLAY")) continue;
        if (e.key == 0)
            showtext(e.x, e.y - 1, e.text, List.color, List.textstyle);
        else
            list_button(e.x, e.y - 6, e.text);
        if (e.text2[0]) showtext(e.x + textwidth(e.text) + 15, e.y - 1, e.text2, RGB_to_color(176, 196, 222), 0);
    }
}

struct Bar {
    int x, y, w, h;
    bool outline;
};

// Where the highlight of entry p lies.
static Bar highlight_bar(int p) {
    const ListEntryStruct &e = ListEntries[p];
    if ((spot_list() && e.w > 0) || e.key == KEY_F1) {
        if (List.advstyle && e.key && strcmp(e.text, "NOTEXTSPOT") != 0)
            return Bar{e.x + e.labelw + 1, e.y + 1, e.w - e.labelw - 2, 13, false};
        return Bar{e.x, e.y, e.w, e.h, false};
    }
    int x = e.x - 3;
    if (e.key) {
        const char *dot = strchr(e.text, '.');
        x += 8 * (dot ? (int)(dot - e.text) : 0) + 16;
        if (strchr(e.text, '<')) x -= 16;
    }
    int w = List.lenhighlight ? textwidth(e.text) : List.x + List.w - 10 - x;
    return Bar{x, e.y - 4, w, 14, true};
}

void LIST_Highlight(int pos, int mode) {
    if (!valid_pos(pos) || ListEntries[pos].disabled) return;
    uint32_t colour = mode >= 2 ? (uint32_t)mode : List.highlight;
    int alpha = mode == 1 ? 72 : 64;
    Bar b = highlight_bar(pos);
    if (b.w <= 0 || b.h <= 0) return;
    alpha_box(b.x, b.y, b.w, b.h, colour, alpha);
    if (b.outline) {
        setcolor(RGB_to_color(0, 0, 0));
        rectangle(b.x, b.y, b.x + b.w - 1, b.y + b.h - 1);
    }
}

void LIST_ren_Highlight(SDL_Renderer *renderer, int pos, int mode) {
    if (!renderer || !valid_pos(pos) || ListEntries[pos].disabled) return;
    Bar b = highlight_bar(pos);
    if (b.w <= 0 || b.h <= 0) return;
    SDL_Rect r = {b.x, b.y, b.w, b.h};
    if (renderer == ren && !SDL_GetRenderTarget(ren)) NativeResolution_RectConvert(&r);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, mode ? 72 : 64);
    SDL_RenderFillRect(renderer, &r);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderDrawRect(renderer, &r);
    RESET_RenderDrawModes(renderer);
}

// ---- running -------------------------------------------------------------------------------------

// Nearest-entry moves: the new position, or -1 when nothing qualifies.
static int nearest(int dir) {
    int cur = List.pos;
    if (!valid_pos(cur)) return -1;
    int cx = ListEntries[cur].x, cy = ListEntries[cur].y;
    int best = -1, bdx = 1024, bdy = 1024;
    for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++) {
        if (i == cur || !selectable(i)) continue;
        int x = ListEntries[i].x, y = ListEntries[i].y;
        int dx = abs(x - cx), dy = abs(y - cy);
        switch (dir) {
        case KEY_DOWN:
            if (y > cy && dy <= bdy && dx <= bdx) best = i, bdx = dx, bdy = dy;
            break;
        case KEY_UP:
            if (y < cy && dx <= bdx && dy < bdy) best = i, bdx = dx, bdy = dy;
            break;
        case KEY_RIGHT:
            if (y == cy && x >= cx && dx <= bdx) best = i, bdx = dx;
            break;
        case KEY_LEFT:
            if (y == cy && x < cx && dx <= bdx) best = i, bdx = dx;
            break;
        }
    }
    return best;
}

static void step_back(int start) {
    int p = List.pos - 1;
    if (p < 0) p = 0;
    while (p >= 0 && !selectable(p)) p--;
    List.pos = p >= 0 ? p : start;
}

static void step_forward(int start) {
    int end = List.count < List.cursorlimit ? List.count : List.cursorlimit;
    if (end > LIST_MAX_ENTRIES) end = LIST_MAX_ENTRIES;
    int p = List.pos;
    if (p < List.count - 1 && p < List.cursorlimit - 1) p++;
    while (p < end && !selectable(p)) p++;
    List.pos = p < end ? p : start;
}

static int hotkey_pos(int k) {
    if (k == 0) return -1;
    for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++) {
        const ListEntryStruct &e = ListEntries[i];
        if (e.disabled) continue;   // a switched-off button answers no key
        if (e.key == k || e.key2 == k || (k == KEY_F1 && e.key == KEY_MENU_F1)) return i;
    }
    return -1;
}

static bool any_key(int key) {
    for (int i = 0; i < List.count && i < LIST_MAX_ENTRIES; i++)
        if (ListEntries[i].key == key) return true;
    return false;
}

// The screen under a running list: a page of the list's own, so that the caller's pages stay theirs.
static SDL_Surface *list_page = nullptr;
static int list_page_notes = 0;    // the page shows the note box: put back, it gets the later notes

static void save_area() {
    if (!game_screen) return;
    if (!list_page) list_page = SDL_CreateRGBSurfaceWithFormat(0, game_screen->w, game_screen->h, 32, game_screen->format->format);
    if (!list_page) return;
    SDL_BlendMode mode;
    SDL_GetSurfaceBlendMode(game_screen, &mode);
    SDL_SetSurfaceBlendMode(game_screen, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(game_screen, nullptr, list_page, nullptr);
    SDL_SetSurfaceBlendMode(game_screen, mode);
    list_page_notes = notebox_shown_in(game_screen);
}

static void put_back_area() {
    if (!list_page || !game_screen) return;
    SDL_SetSurfaceBlendMode(list_page, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(list_page, nullptr, game_screen, nullptr);
    if (list_page_notes) notebox_put_back(game_screen);
}

static void redraw() {
    play_sample(List.movesample, 0);
    if (LIST_InFlipperMode()) {
        MasterRender();
        LIST_ren_Highlight(ren, List.pos, 0);
        Flipper();
        return;
    }
    put_back_area();
    if (valid_pos(List.pos) && !ListEntries[List.pos].disabled) LIST_Highlight(List.pos, 0);
    Flip();
}

static int finish(int result) {
    LIST_MENUACTIVE = 0;
    return result;
}

// The entry at the list's position is chosen (or KEY_FREECLICK for a free click).
static int choose(int start, bool freeclick) {
    play_sample(List.choosesample, 0);
    if (!LIST_InFlipperMode()) put_back_area();
    if (freeclick) {
        Flip();
        return finish(KEY_FREECLICK);
    }
    int p = List.pos;
    if (!spot_list()) {
        if (!List.noshade) Menu_ShadeOut(List.x, List.y, List.w, List.h);
        if (valid_pos(p) && !ListEntries[p].disabled) LIST_Highlight(p, 1);
        Flip();
        return finish(p);
    }
    if (!is_spot(p)) List.pos = start;
    Flip();
    return finish(p);
}

int LIST_Go() {
    int start = List.pos;
    // The screen under the list as the caller has just drawn it: a list that came back on a change
    // left it clean of its highlight, and the caller may have drawn anew beside it (a menu's info box).
    save_area();
    if (LIST_InFlipperMode()) SetFlipperMode(ListFlipperTexture, (int)List.flipperflags);
    LIST_MENUACTIVE = 1;
    bool due = true;
    for (;;) {
        if (due) redraw();
        due = false;
        ClrKeyBuffer();
        verifymousepos();
        int k = getkey();
        if (k == KEY_WINDOW) return KEY_WINDOW;
        if (WindowClosed()) return finish(-1);
        bool from_mouse = MOUSECLICK != 0;
        int before = List.pos;

        int k0 = ListEntries[0].key;
        if (!List.casesensitive && !(k0 >= 'a' && k0 <= 'z') && k >= 'a' && k <= 'z') k -= 32;

        int hot = -1;
        if (spot_list() && !from_mouse && k != KEY_QUIT) hot = hotkey_pos(k);
        if (hot >= 0) {
            List.pos = hot;
            return choose(start, false);
        }
        if (k == KEY_ENTER && !from_mouse) {
            ENTERCLICK = 1;
            return choose(start, List.freeclicks != 0);
        }
        if (k == KEY_ENTER) {
            int p = calculatepos();
            if (p >= 0 && has_text(p)) {
                List.pos = p;
                return choose(start, false);
            }
            if (List.freeclicks) return choose(start, true);
            continue;
        }
        switch (k) {
        case KEY_UP:
        case KEY_LEFT:
            if (List.nearestkeys) {
                int p = nearest(k);
                if (p >= 0) List.pos = p;
            } else {
                step_back(start);
            }
            break;
        case KEY_DOWN:
        case KEY_RIGHT:
            if (List.nearestkeys) {
                int p = nearest(k);
                if (p >= 0) List.pos = p;
            } else {
                step_forward(start);
            }
            break;
        case KEY_PGUP:
            if (List.count == 0 || !any_key(KEY_PGUP)) List.pos = 0;
            break;
        case KEY_PGDN:
            if (List.count == 0 || any_key(KEY_PGDN)) break;
            for (int i = List.count - 1; i >= 0; i--) {
                const ListEntryStruct &e = ListEntries[i];
                if (e.text[0] && strcmp(e.text, "TEXTSPOT") != 0 && !e.disabled && e.key != KEY_ESC) {
                    List.pos = i;
                    break;
                }
            }
            break;
        case KEY_QUIT: {
            int p = calculatepos();
            if (p >= 0 && p != List.pos && has_text(p)) List.pos = p;
            if (List.returnonmouse) return finish(-1);
            break;
        }
        default: {
            int p = hotkey_pos(k);
            if (p >= 0) {
                List.pos = p;
                return choose(start, false);
            }
            break;
        }
        }
        if (spot_list() && !is_spot(List.pos)) {
            List.pos = start;
        } else if (List.returnonchange && List.pos != start) {
            List.returnonchange = 2;
            put_back_area();
            return finish(-1);
        }
        if (List.pos != before) due = true;
    }
}

// ---- the saved list ------------------------------------------------------------------------------

struct SavedList {
    ListStruct list;
    ListEntryStruct entries[LIST_MAX_ENTRIES];
};
static_assert(sizeof(SavedList) == 400 + 23200, "MENULIST.SAV is the list record and its 100 entries");

void LIST_Save() {
    static SavedList s;
    s.list = List;
    memcpy(s.entries, ListEntries, sizeof ListEntries);
    write_atomic(MENULIST_FILE, &s, sizeof s);
}

// A place or size the game could have drawn at: the list's sums (right edges, highlight bars) then
// stay far inside an int.
static bool drawable(int32_t v) { return v >= -16384 && v <= 16384; }

void LIST_Restore() {
    static SavedList s;
    if (!read_exact(MENULIST_FILE, &s, sizeof s)) return;
    if (s.list.count < 0 || s.list.count > LIST_MAX_ENTRIES) return;
    if (!drawable(s.list.x) || !drawable(s.list.y) || !drawable(s.list.w) || !drawable(s.list.h)) return;
    for (const ListEntryStruct &e : s.entries)
        if (!drawable(e.x) || !drawable(e.y) || !drawable(e.w) || !drawable(e.h) || !drawable(e.labelw)) return;
    s.list.title[sizeof s.list.title - 1] = 0;
    s.list.movesample[sizeof s.list.movesample - 1] = 0;
    s.list.choosesample[sizeof s.list.choosesample - 1] = 0;
    for (ListEntryStruct &e : s.entries) {
        e.text[sizeof e.text - 1] = 0;
        e.text2[sizeof e.text2 - 1] = 0;
    }
    List = s.list;
    memcpy(ListEntries, s.entries, sizeof ListEntries);
}
