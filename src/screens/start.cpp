// The intro and the start menu, and the version text.
#include "screens/start.h"

#include "core/config.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "presentation/audio.h"
#include "presentation/effects.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/windows.h"
#include "screens/infoscreens.h"
#include "screens/ancestors.h"
#include "screens/creation.h"
#include "screens/loadchar.h"
#include "screens/setup.h"
#include "worldgen/kartta_main.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "core/tekstit.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdio>
#include <cstring>

char *VerStr() {
    char *text = sbuf();
    FILE *f = fopen("verno.oxa", "r");
    if (f) {
        char line[80];
        if (fgets(line, sizeof line, f)) {
            line[strcspn(line, "\r\n")] = 0;
            copy_bounded(text, SBUF_SIZE, line);
        }
        fclose(f);
    }
    if (!text[0]) copy_bounded(text, SBUF_SIZE, "3.63 (stable)");
    return text;
}

// A picture from the truegfx folder drawn on the screen surface, at its own size or fitted.
static void draw_picture(const char *name, int x, int y, bool fit) {
    SDL_Surface *pic = picture_load(name);
    if (!pic) return;
    if (fit) {
        SDL_BlitScaled(pic, nullptr, game_screen, nullptr);
    } else {
        SDL_Rect at = {x, y, 0, 0};
        SDL_BlitSurface(pic, nullptr, game_screen, &at);
    }
    SDL_FreeSurface(pic);
}

void Oxa_Logo(int x, int y) {
    draw_picture("logotext.png", x, y, false);
    char line[128];
    snprintf(line, sizeof line, "Version %s", VerStr());
    showtext(x + 98 - textwidth(line) / 2, y + 50, line, RGB_to_color(238, 232, 170), 0);
}

int wait(int ms) {
    Uint32 until = SDL_GetTicks() + (Uint32)(ms > 0 ? ms : 0);
    for (;;) {
        if (kbhit()) return 0;
        if (OXA_NODELAY || SDL_TICKS_PASSED(SDL_GetTicks(), until)) return 1;
        oxa_delay(5);
    }
}

// Fades a text in through the palette's grey levels; 0 when a key cut it short.
static int fadein_teksti(int x, int y, const char *text) {
    for (int i = 0; i < 63; i++) {
        if (kbhit()) return 0;
        showtext(x, y, text, pixelvalue(i), 0);
        Flip();
        oxa_delay(2);
    }
    showtext(x, y, text, RGB_to_color(252, 252, 84), 0);
    Flip();
    return 1;
}

static const char *const story[] = {
    "There are countless stories, legends and myths about The First Winter.",
    "During The First Winter, the Inehmo became many.",
    "Men, wives, children, the heroes and the wise ones walked the Earth.",
    "The heroes made the fire, they made the bow and the arrow and they hunted.",
    "They made clothes, they made tools and shelters, they made skis,",
    "and they made drums and the kantele.",
    "When The First Winter was over,",
    "Inehmoes could not understand The Wind singing,",
    "nor The Bear and The Forest humming.",
    "The wise ones among the people said that The World was no longer real.",
    "It had become a dream of its own, and so it still dreams.",
};

static int intro_teksti() {
    int y = 400;
    for (const char *line : story) {
        if (!fadein_teksti(winW() / 2 - textwidth(line) / 2, y, line)) return 0;
        if (!wait(3000)) return 0;
        y += 10;
    }
    return 1;
}

static int fade_line(int x, int y, const char *text) {
    for (int i = 0; i < 63; i++) {
        if (kbhit()) return 0;
        showtext(x, y, text, pixelvalue(i), 0);
        Flip();
        oxa_delay(1);
    }
    return 1;
}

int intro_screen() {
    for (int i = 0; i < 32; i++) {
        if (kbhit()) return getkey();
        alpha_box(0, 0, 800, 40, 0, 32);
        Flip();
        oxa_delay(1);
    }
    if (!fade_line(250, 400, "...into the far North we shall take you.")) return getkey();
    if (!wait(3000)) return 0;
    if (!fade_line(180, 420, "As far as we can by the means of computer roleplaying...")) return getkey();
    if (!wait(2000)) return 0;
    FadeOut(2);
    draw_picture("bg-oxastart.png", 0, 0, true);
    FadeIn(2);
    if (!wait(3000)) return 0;
    Oxa_Logo(300, 200);
    Flip();
    if (!wait(3000)) return 0;
    if (!intro_teksti()) return 0;
    Flip();
    return getkey();
}

// The start menu. Rows keep their places (the list answers the row number); a row whose screen is
// not in the game yet stands blank, so that nothing pretends to work.
enum { ROW_LOAD, ROW_CREATE, ROW_SETUP, ROW_ANCESTORS, ROW_ABOUT, ROW_CREDITS, ROW_QUIT, ROW_BONUS };

static void MakeStartList() {
    LIST_Reset(RGB_to_color(240, 230, 140), "", 615, 80, 180, 125, 0);
    if (PELIMUSEO_EDIT) LIST_Entry(-1, "");
    else LIST_Entry(0, "LOAD SAVED CHARACTER");
    LIST_Entry(0, "CREATE A CHARACTER");
    if (PELIMUSEO_EDIT) LIST_Entry(-1, "");
    else LIST_Entry(0, "SETUP");
    LIST_Entry(0, "ANCESTORS");
    LIST_Entry(0, "ABOUT");
    LIST_Entry(0, "CREDITS");
    if (!PELIMUSEO_EDIT) LIST_Entry(0, "QUIT");
    if (!PELIMUSEO_EDIT && own_isfile("BONUSMATERIAL")) LIST_Entry(0, "BONUS MATERIAL");
    LIST_Style((int)COLOR_WHITE(), "kling", "kling", 0, 0);
    if (PELIMUSEO_EDIT && LIST_Position() < ROW_CREATE) Set_LIST_Position(ROW_CREATE);
}

// The framed panel of the logo and the menu, down to `bottom`: a list opened from the menu stands in
// it too.
static void menu_panel(int bottom) {
    draw_colorbox(605, 5, 605 + 190, bottom, 1000);
    Oxa_Logo(605, 15);
}

static void peli_info() {
    small_info();
    menu_panel(5 + 210);
}

// The setup, about, credits and bonus rows: the screen over a saved page, the menu as it was after.
static bool run_info_row(int row) {
    void (*screen)() = row == ROW_SETUP ? setup_screen : row == ROW_ABOUT ? AboutScreen
                     : row == ROW_CREDITS ? CreditsScreen : row == ROW_BONUS ? extras_info : nullptr;
    if (!screen) return false;
    save_page();
    screen();
    restore_page();
    MakeStartList();
    Set_LIST_Position(row);
    return true;
}

void Oxa_Start() {
    REAL_QUIT = 0;
    XOUT_OK = 1;
    DISABLE_FLIP = 1;   // the background and the strip appear at once
    draw_picture("bg-oxastart.png", 0, 0, true);
    peli_info();
    DISABLE_FLIP = 0;
    Flip();
    MakeStartList();
    for (;;) {
        if (!MusicPlaying()) play_disk_music_from_position("intro.ogg", 26, -1);
        peli_info();
        LIST_Draw();
        int row = LIST_Go();
        if (XOUT_OK && CLOSE_WINDOW) {
            REAL_QUIT = 1;
            return;
        }
        if (row == ROW_QUIT) {
            REAL_QUIT = 1;
            return;
        }
        if (run_info_row(row)) {
            if (XOUT_OK && CLOSE_WINDOW) {   // the window was closed on that screen
                REAL_QUIT = 1;
                return;
            }
            continue;
        }
        if (row == ROW_CREATE) {
            save_page();
            crtplr_menu();
            restore_page();
            MakeStartList();
            if (CharacterFile[0]) return;
        }
        if (row == ROW_ANCESTORS) {
            save_page();
            Ancestors(-1);
            restore_page();
            MakeStartList();
        }
        if (row == ROW_LOAD) {
            save_page();
            menu_panel(LOADCHAR_Y + LOADCHAR_H + 5);
            load_character();
            restore_page();
            MakeStartList();
            if (CharacterFile[0]) return;
        }
    }
}
