// The magic page (the known spells and magic means, with what each is about) and the ritual page (the
// rituals and incantations of the character's ritual list).
#include "screens/profile.h"

#include "activities/charscreens.h"
#include "activities/magic.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/tekstit.h"
#include "presentation/audio.h"
#include "presentation/hyper.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "core/tehtavat.h"
#include "quests/courses.h"

#include <cstdio>
#include <cstring>

int magic_page_saved_entry = -1;

enum { TASK_SPIRIT_WORLD = 30 };   // the game course's task of the rituals page

static const char *const RITUAL_MUSIC = "music_ritual.ogg";

static uint32_t colour_of(SDL_Color c) { return RGB_to_color(c.r, c.g, c.b); }
static uint32_t explanation_colour() { return RGB_to_color(238, 232, 170); }

// A screen text of the help file laid out at (x, y) in 235 pixels.
static void screen_text(const char *screen, int x, int y, uint32_t colour) {
    SANATAULUKKO_finfo(screen);
    showtext_sanataulukko(x, y, 235, 0, colour, 0);
}

// The page, its explanation box and one button a known means; answers the buttons.
static int CompileMagicSubscreen(int mode) {
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    if (BGSURF_supernatural)
        bestfitPic("", BGSURF_supernatural, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    FullSubScreen("SPELLS AND MAGIC MEANS");
    Piirra_Ikkuna(535, 30, 255, 200, "", WIN_NOTEXTURE + BLACK_COL);
    if (mode == 0) {
        screen_text("SPELLS_GENERAL", 545, 40, explanation_colour());
        screen_text("SPELLS_INSTANT", 545, 160, colour_of(RGBAColor_LightGreen));
    } else {
        screen_text("SPELLS_INITIAL", 545, 40, explanation_colour());
    }

    LIST_Reset(colour_of(RGBAColor_Yellow), "", 0, 0, RESOLUTION_X - 5, RESOLUTION_Y, LIST_SPOTSTYLE);
    LIST_AdvStyle(1, 1);
    LIST_casesensitive();
    int buttons = 0;
    for (int i = 0; i < MAGIC_PAGE_ROWS && i < RitualListNUM; i++) {
        const int n = RitualList[i];
        if (!n) continue;
        char title[200], label[220];
        copy_bounded(title, sizeof title, taikakeino_title(n));
        strupr(title);
        snprintf(label, sizeof label, "%c.%s", 'a' + i, title);
        LIST_TextAttribSave();
        LIST_TextAttribOverride(taikakeino_instant(n) ? colour_of(RGBAColor_LightGreen) : colour_of(RGBAColor_Yellow),
                                List.textstyle);
        LIST_ButtonSpotEntry('a' + i, 10, 30 + 13 * i, label);
        LIST_TextAttribRestore();
        buttons = i + 1;
    }
    LIST_SetMaxCursorEntry();
    GameInfo_Hotspot("SPELLS", "", 0);
    LIST_ButtonSpotEntry(KEY_ESC, 10, RESOLUTION_Y - 85, "ESC.Exit");
    return buttons;
}

static void CompileInfoboxRitualList(int pos) {
    Piirra_Ikkuna(535, 280, 250, 120, "", WIN_NOTEXTURE + BLACK_COL);
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(taikakeino_desc(RitualList[pos], 0));
    showtext_sanataulukko(545, 290, 230, 0, COLOR_DARKGRAY(), 0);
}

int magic_page_screen(int mode) {
    if (mode == 0) play_disk_music(RITUAL_MUSIC, -1);
    auto leave = [mode](int n) {
        if (mode == 0) stop_music();
        return n;
    };
    int noted = -1;
    for (;;) {
        ComposeRitualList();
        const int held = DISABLE_FLIP;
        DISABLE_FLIP = 1;
        const int buttons = CompileMagicSubscreen(mode);
        if (magic_page_saved_entry >= 0) {
            Set_LIST_Position(magic_page_saved_entry);
            magic_page_saved_entry = -1;
        }
        const int pos = LIST_Position();
        if (pos >= 0 && pos < MAGIC_PAGE_DESCRIBED && pos < buttons) {
            CompileInfoboxRitualList(pos);
            noted = pos;
        }
        DISABLE_FLIP = held;
        List.returnonchange = 1;   // the description follows the cursor
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed() || CLOSE_WINDOW) return leave(0);
            magic_page_saved_entry = LIST_Position();
            continue;
        }
        const int key = LIST_PosKey(r);
        if (r < buttons) {
            magic_page_saved_entry = r;
            const int n = magic_page_choice(r, noted, mode);
            if (n) return leave(n);
            continue;
        }
        if (key == KEY_ESC) {
            magic_page_saved_entry = noted;
            return leave(0);
        }
        if (key == KEY_F1) {
            infobrowser("SPELLS");
            magic_page_saved_entry = noted;
        }
    }
}

// ---- the ritual page -----------------------------------------------------------------------------

static void ritual_screen(int count) {
    SDL_Surface *bg = SDL_LoadBMP("RITUALSBG.BMP");
    if (bg) {
        freesizeBlit(bg, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
        SDL_FreeSurface(bg);
    } else {
        if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
        PIIRRAPOHJA_Rituaaliruutu();
    }
    TekstiPalkki(10, 30, 460, "KNOWN RITUALS AND INCANTATIONS:", 4);
    for (int i = 0; i < count; i++)
        showtext(15, 58 + 11 * i, rit_descs(plr_ritual(i), 0),
                 plr_ritual_unlearned(i) ? RGB_to_color(168, 0, 0) : RGB_to_color(252, 252, 84), 1);
}

static void TeeMenulista_religious(int count) {
    LIST_Reset(RGB_to_color(252, 252, 84), "", 10, 50, 500, 480, LIST_SPOTSTYLE);
    LIST_AdvStyle(1, 1);
    for (int i = 0; i < count; i++) LIST_SpotEntry(0, 12, 55 + 11 * i, 290, 14);   // ritualist
    LIST_SetMaxCursorEntry();
    LIST_ButtonSpotEntry('R', 10, 480, "R.General ritual information");
    LIST_ButtonSpotEntry(KEY_ESC, 10, 500, "ESC.Exit");
}

int ritual_page_screen(int) {
    Tarkista_Suoritus(TASK_SPIRIT_WORLD);
    const int count = plr_ritual_count();
    bool first = true;
    int pos = 0;
    for (;;) {
        const int held = DISABLE_FLIP;
        DISABLE_FLIP = 1;
        ritual_screen(count);
        Piirra_Ikkuna(535, 30, 255, 120, "", 36);
        static const char *const help[] = {"Here you can see a list of", "rituals known to you. Choose",
                                           "and select a ritual to", "perform it."};
        for (int i = 0; i < 4; i++) showtext(545, 40 + 10 * i, help[i], explanation_colour(), 1);
        if (first) play_disk_music(RITUAL_MUSIC, -1);
        first = false;
        TeeMenulista_religious(count);
        Set_LIST_Position(pos);
        if (pos < count) GameInfo_Hotspot(rit_descs(plr_ritual(pos), 0), rit_descs(plr_ritual(pos), 1), 0);
        DISABLE_FLIP = held;
        List.returnonchange = 1;   // the info box follows the cursor
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed() || CLOSE_WINDOW) {
                stop_music();
                return RITUAL_PAGE_NONE;
            }
            pos = LIST_Position();
            continue;
        }
        const int key = LIST_PosKey(r);
        if (r < count) {
            stop_music();
            pos = r;
            if (!plr_ritual_unlearned(r)) return plr_ritual(r);
            continue;
        }
        if (key == KEY_ESC) {
            stop_music();
            return RITUAL_PAGE_NONE;
        }
        if (key == 'R') game_info("RITUALS");
        if (key == KEY_F1) game_info("FILE");
    }
}
