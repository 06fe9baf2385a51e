// src/screens/journalscreen.cpp -- the quest journal on the screen: the list of her quests five to a
// page over the profile background, one quest in full with its giver and informants, and the map of
// known areas opened on a quest's places.
#include "screens/journalscreen.h"

#include <cstdio>
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "quests/journal.h"
#include "screens/mapviewscreen.h"

enum {
    ENTRY_X = 10, ENTRY_Y = 30, ENTRY_STEP = 90, ENTRY_W = 780, ENTRY_H = 70,
    FIRST_ENTRY_KEY = '1',
};

static uint32_t ink() { return BLACK_COL; }

// The journal's background: the profile picture with the title bar.
static void CompileQuestSubscreen() {
    if (!game_screen) return;
    SDL_FillRect(game_screen, nullptr, 0);
    if (BGSURF_profile)
        bestfitPic("", BGSURF_profile, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    else
        bestfitPic("bg-profile.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    FullSubScreen("QUEST JOURNAL");
}

// A person of a quest: the face, the name, and the place with its terrain.
static void DrawQuestNPC(int x, int y, const JournalPerson &p) {
    if (p.picture[0]) {
        if (SDL_Surface *pic = picture_load(p.picture)) {
            freesizeBlit(pic, x, y, 60, 60, 0);
            SDL_FreeSurface(pic);
        }
    }
    showtext(x + 70, y + 2, p.name, RGB_to_color(120, 40, 0), 1);
    if (p.place[0]) {
        showtext(x + 70, y + 14, p.place, ink(), 0);
        showtext(x + 70, y + 26, p.terrain, ink(), 0);
    }
    if (DEBUG_INFO) {
        char line[60];
        snprintf(line, sizeof line, "[DEBUG_INFO] sotu: %u", (unsigned)p.social);
        showtext(x + 400, y + 2, line, ink(), 0);
    }
}

// The text told to her, wrapped below a person; answers the height it took.
static int draw_told(int x, int y, int w, const std::string &told, int bottom) {
    if (told.empty() || y >= bottom) return 0;
    SANATAULUKKO_Lisaa(1, told.c_str());
    const int h = showtext_sanataulukko(x, y, w, -1, ink(), 0);
    SANATAULUKKO_Lisaa(1, told.c_str());
    showtext_sanataulukko(x, y, w, 0, ink(), 0);
    return h + 10;
}

// One quest: 6 its entry in the list, 8 the whole of it with what she was told.
enum { DETAIL_BOTTOM = RESOLUTION_Y - 90 };

static void show_quest_info(int x, int y, const JournalEntry &e, int mode) {
    const int bottom = DETAIL_BOTTOM;
    Piirra_Ikkuna(x, y, ENTRY_W, mode == 6 ? ENTRY_H + 12 : bottom - y, "", 2);
    TekstiPalkki(x, y, ENTRY_W, e.title, 1);
    if (e.tellers.empty()) return;
    DrawQuestNPC(x + 5, y + 20, e.tellers[0].person);
    showtext(x + 75, y + 62, e.assignment.c_str(), RGB_to_color(0, 60, 120), 0);
    if (mode != 8) return;
    int ty = y + 85;
    ty += draw_told(x + 10, ty, ENTRY_W - 20, e.tellers[0].told, bottom);
    for (size_t i = 1; i < e.tellers.size() && ty + 60 < bottom; i++) {
        DrawQuestNPC(x + 5, ty, e.tellers[i].person);
        ty += 65;
        ty += draw_told(x + 10, ty, ENTRY_W - 20, e.tellers[i].told, bottom);
    }
}

static int buttons_y() { return RESOLUTION_Y - 75; }

// The whole of one quest until Esc (0) or F6 (1).
static int quest_detail(const JournalEntry &e) {
    for (;;) {
        const int held = DISABLE_FLIP;
        DISABLE_FLIP = 1;
        CompileQuestSubscreen();
        // A long account is cut at the window's foot: the background below it is put back over it.
        SDL_Surface *under = game_screen ? SDL_ConvertSurface(game_screen, game_screen->format, 0) : nullptr;
        show_quest_info(ENTRY_X, ENTRY_Y, e, 8);
        if (under) {
            SDL_Rect below = {0, DETAIL_BOTTOM, RESOLUTION_X, RESOLUTION_Y - DETAIL_BOTTOM};
            SDL_SetSurfaceBlendMode(under, SDL_BLENDMODE_NONE);
            SDL_BlitSurface(under, &below, game_screen, &below);
            SDL_FreeSurface(under);
        }
        LIST_Reset(RGB_to_color(252, 252, 84), "", 0, 0, RESOLUTION_X, RESOLUTION_Y, LIST_SPOTSTYLE);
        LIST_ButtonSpotEntry(KEY_ESC, 10, buttons_y(), "ESC.Back to quest list");
        LIST_ButtonSpotEntry(KEY_F6, 220, buttons_y(), "F6.Map locations");
        DISABLE_FLIP = held;
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) return 0;
        const int key = LIST_PosKey(r);
        if (key == KEY_F6) return 1;   // the map of the quest's locations
        if (key == KEY_ESC) return 0;
    }
}

// No quest yet: the notice until a key.
static void no_quests() {
    CompileQuestSubscreen();
    showtext(10, 30, "You are not currently involved in any quests.", COLOR_WHITE(), 1);
    showtext(10, 40, "Quests may come in your way by talking and interacting with people.", COLOR_WHITE(), 1);
    getkeypress();   // flips; idle ticks and the mouse moving leave it open
}

// The page of the list from `offset`, drawn with its buttons; answers the page.
static JournalPage draw_page(int offset, int listed) {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    CompileQuestSubscreen();
    const int bx = 10, by = RESOLUTION_Y - 50, bw = RESOLUTION_X - 20, bh = 40;
    Piirra_Ikkuna(bx, by, bw, bh, "", 36);
    SANATAULUKKO_finfo("QUEST_JOURNAL");
    showtext_sanataulukko(bx + 10, by + 8, bw - 20, 0, RGB_to_color(238, 232, 170), 1);

    const JournalPage page = journal_page(offset, listed);
    LIST_Reset(RGB_to_color(252, 252, 84), "", 0, 0, RESOLUTION_X, RESOLUTION_Y, LIST_SPOTSTYLE);
    for (int i = 0; i < page.count; i++) {
        JournalEntry e;
        const int y = ENTRY_Y + ENTRY_STEP * i;
        if (journal_entry(page.ids[i], e)) show_quest_info(ENTRY_X, y, e, 6);
        LIST_SpotEntry(FIRST_ENTRY_KEY + i, ENTRY_X, y, ENTRY_W, ENTRY_H);
    }
    LIST_ButtonSpotEntry(KEY_ESC, 10, buttons_y(), "ESC.Exit");
    if (page.earlier) LIST_ButtonSpotEntry(KEY_PGUP, 100, buttons_y(), "PgUp.Previous page");
    if (page.later) LIST_ButtonSpotEntry(KEY_PGDN, 280, buttons_y(), "PgDn.Next page");
    DISABLE_FLIP = held;
    return page;
}

void quest_journal_screen() {
    int offset = 0, cursor = 0;
    for (;;) {
        const int listed = journal_list();
        if (listed == 0) {
            no_quests();
            return;
        }
        const JournalPage page = draw_page(offset, listed);
        offset = page.offset;
        Set_LIST_Position(cursor);
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed()) return;
            continue;
        }
        const int key = LIST_PosKey(r);
        if (key == KEY_ESC) return;
        if (key == KEY_PGDN || key == KEY_PGUP) {
            offset = journal_turn_page(offset, key, listed);
            cursor = 0;
            continue;
        }
        const int i = key - FIRST_ENTRY_KEY;
        if (i < 0 || i >= page.count) continue;
        cursor = r;
        JournalEntry e;
        if (!journal_entry(page.ids[i], e)) continue;
        if (quest_detail(e)) MapView(0, page.ids[i]);
    }
}
