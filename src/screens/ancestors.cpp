// The ancestors' pages: the list of late characters, a memorial page and the death page.
#include "screens/ancestors.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "creatures/ancestors.h"
#include "core/notes.h"
#include "core/pagan.h"
#include "core/tekstit.h"
#include "presentation/audio.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "presentation/windows.h"

enum { BOTTOM_BOX_H = 100, ENTRY_KEY = 5000, SHOWN_TEXT = 120 };

static uint32_t white() { return RGB_to_color(255, 255, 255); }
static uint32_t yellow() { return RGB_to_color(252, 252, 84); }
static uint32_t khaki() { return RGB_to_color(240, 230, 140); }
static int bottom_y() { return winH() - BOTTOM_BOX_H; }

static void death_background() {
    SDL_FillRect(game_screen, nullptr, 0);
    SDL_Surface *bg = picture_load("bg-deathscene.png");
    if (!bg) return;
    SDL_BlitScaled(bg, nullptr, game_screen, nullptr);
    SDL_FreeSurface(bg);
}

void ancBottomBox() { box(0, bottom_y(), winW() - 1, winH() - 1, RGB_to_color(56, 88, 120)); }

// A text of the record on one line, cut short enough to stay on the screen.
static void show_line(int x, int y, const char *text, uint32_t colour) {
    char shown[SHOWN_TEXT];
    copy_bounded(shown, sizeof shown, text);
    showtext(x, y, shown, colour, 0);
}

static int paragraph(int x, int y, int width, const char *text) {
    SANATAULUKKO_Lisaa(1, text);
    return showtext_sanataulukko(x, y, width, 0, white(), 0);
}

void ancestorentry(int x, int y, int slot, int page) {
    static AncestorStruct rec;
    char name[128];
    if (!game_screen || !read_ancestor(slot, rec, name, sizeof name)) return;
    const PlayerStruct &p = rec.plr;
    char subj[64], gen[64], text[2 * ANC_TEXT + 200];
    copy_bounded(subj, sizeof subj, MSG(p.sex == 2 ? "PP_SUBJ:FEM" : "PP_SUBJ:MASC"));
    copy_bounded(gen, sizeof gen, MSG(p.sex == 2 ? "PP_GEN:FEM" : "PP_GEN:MASC"));
    const int lh = textlineh(1);
    const int size = page ? 200 : textlineh(5);
    char portrait[200];
    snprintf(portrait, sizeof portrait, "ANCESTORS/%d/portrait.png", slot);
    if (own_isfile(portrait)) freesizePic(portrait, x, y, size, size, 0);
    const int tx = x + size + 10;
    show_line(tx, y, p.name, yellow());
    snprintf(text, sizeof text, "%s.", rec.death_text);
    show_line(tx, y + lh, Alkuk(text), white());
    if (!page) return;

    TekstiPalkki(5, 5, winW() - 10, "Memorial Page", 5);
    const int width = winW() - tx - 10;
    const int day = p.day >= 1 && p.day <= 30 ? p.day : 1, month = p.month >= 1 && p.month <= 12 ? p.month : 1;
    int ty = y + 3 * lh;
    snprintf(text, sizeof text, "%s faced %s end %s.", subj, gen,
             pagandatedesc(pagantime(day, month), PAGAN_FULL | PAGAN_PHRASE));
    ty += paragraph(tx, ty, width, Alkuk(text)) + lh;
    snprintf(text, sizeof text, "%s %s became the place of %s death.", rec.map_name, rec.terrain, gen);
    ty += paragraph(tx, ty, width, text) + lh;
    char sentence[ANC_TEXT];
    copy_bounded(sentence, sizeof sentence, rec.sentence);
    snprintf(text, sizeof text, "There %s.", alkuk(sentence));
    ty += paragraph(tx, ty, width, text) + lh;
    ty += 2 * lh;
    snprintf(text, sizeof text, "%s died at %d winters old, having spent %u %s of adventuring life.", subj, p.year,
             p.daynumber, p.daynumber == 1 ? "day" : "days");
    show_line(tx, ty, Alkuk(text), khaki());
    const float km = p.distance_km;
    snprintf(text, sizeof text, "%s journeyed a total distance of %d kilometers.", subj,
             km > 0 && km < 2e9f ? (int)km : 0);
    show_line(tx, ty + lh, Alkuk(text), khaki());
}

static void press_a_key(int y) {
    showtext(10, y, "Press a key to continue", white(), 0);
    Flip();
    getkey();
}

// The memorial page of a slot; on death with the farewell in the bottom box.
static void memorial(int slot, bool death) {
    death_background();
    ancBottomBox();
    if (slot >= 0) ancestorentry(10, 30, slot, 1);
    const int y = bottom_y();
    if (death) {
        showtext(10, y + 10, "You are dead.", white(), 0);
        showtext(10, y + 30, "The remains of your earthly body leaves behind", yellow(), 0);
        showtext(10, y + 40, "as your spirit starts its journey to the otherworld - the place where the dead live.",
                 yellow(), 0);
    }
    press_a_key(y + 70);
}

// ---- the list -------------------------------------------------------------------------------------

static int button(int x, int y, int key, const char *label) {
    LIST_ButtonSpotEntry(key, x, y, label);
    return x + textwidth(label) + 20;
}

static void draw_list_page(SDL_Surface *kept, const int *order, int count, int page, int per_page) {
    SDL_BlitSurface(kept, nullptr, game_screen, nullptr);
    LIST_Reset(white(), "", 0, 0, winW(), winH(), LIST_SPOTSTYLE);
    const int lh4 = textlineh(4), lh6 = textlineh(6);
    const int first = page * per_page;
    for (int i = first; i < count && i < first + per_page; i++) {
        const int y = lh4 + (i - first) * lh6;
        ancestorentry(10, y, order[i], 0);
        LIST_SpotEntry(ENTRY_KEY + i - first, 5, y - 2, winW() - 10, lh6 - 4);
    }
    LIST_SetMaxCursorEntry();
    const int y = bottom_y();
    if (count)
        showtext(10, y + 8, "Select an ancestor by mouse click or cursor keys and [ENTER] to display a memorial page.",
                 white(), 0);
    else
        showtext(10, lh4, "There are no deceased characters.", white(), 0);
    button(10, y + 28, KEY_ESC, "ESC.Exit");
    showtext(10, y + 55, "List order:", RGB_to_color(171, 171, 171), 0);
    int x = button(100, y + 50, 'P', "P.Played, from latest to earliest");
    x = button(x, y + 50, 'L', "L.Longest living");
    button(x, y + 50, 'J', "J.Journeyed distance");
    const int pages = count / per_page + (count % per_page ? 1 : 0);
    x = 10;
    if (page > 0) x = button(x, y + 75, KEY_PGUP, "PgUp.Previous page");
    if (first + per_page < count) x = button(x, y + 75, KEY_PGDN, "PgDn.Next page");
    if (pages > 1) {
        char text[40];
        snprintf(text, sizeof text, "Page %d of %d", page + 1, pages);
        showtext(x + 10, y + 80, text, white(), 0);
    }
    Flip();
}

static void ancestors_list() {
    FadeOut(1);
    death_background();
    TekstiPalkki(5, 5, winW() - 10, "List of late characters - The ancestors to remember:", 5);
    ancBottomBox();
    SDL_Surface *kept = SDL_DuplicateSurface(game_screen);
    if (!kept) return;
    const int per_page_rows = (winH() - (textlineh(4) + BOTTOM_BOX_H)) / textlineh(6);
    const int per_page = per_page_rows > 0 ? per_page_rows : 1;
    GrabAncFolders();
    int order[ANC_SLOTS];
    const int count = ancestors_played_order(order);
    int page = 0;
    for (;;) {
        draw_list_page(kept, order, count, page, per_page);
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed()) break;
            continue;
        }
        const int key = LIST_PosKey(r);
        if (key == KEY_ESC) break;
        if (key == 'L' || key == 'J' || key == 'P') {
            if (key == 'P') ancestors_played_order(order);
            else bubble_sort(order, count, key == 'L' ? 1 : 2);
            page = 0;
        } else if (key == KEY_PGUP && page > 0) {
            page--;
        } else if (key == KEY_PGDN && (page + 1) * per_page < count) {
            page++;
        } else if (key >= ENTRY_KEY && key < ENTRY_KEY + per_page && page * per_page + key - ENTRY_KEY < count) {
            memorial(order[page * per_page + key - ENTRY_KEY], false);
        }
    }
    SDL_FreeSurface(kept);
}

void Ancestors(int slot) {
    if (!game_screen) return;
    if (slot < 0) ancestors_list();
    else memorial(slot, true);
}

void death_scene_screen() {
    FadeOut(1);
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    Flip();
    stop_music();
    play_disk_music_from_position("intro.ogg", 142, -1);
}

void death_page_screen(int slot) {
    if (!game_screen) return;
    memorial(slot, true);
}

void ancdisp() {
    if (!game_screen) return;
    GrabAncFolders();
    if (LASTANCNUM < 0 || LASTANCNUM >= ANC_SLOTS || !AncFolderUsage[LASTANCNUM]) {
        Note("No memorial is kept.");
        return;
    }
    ancestorentry(10, 10, LASTANCNUM, 1);
    press_a_key(winH() - 20);
}
