// src/presentation/screen_frames.cpp -- the frames sub-screens are drawn in, the pre-rendered skills and
// rituals backgrounds, a new character's start-up story, and the help and options menu.
#include "presentation/screen.h"

#include "core/config.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/shading.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/menu.h"
#include "presentation/notes.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/windows.h"
#include "base/ui.h"

#include <cstdio>
#include <cstring>

// ---- frames ---------------------------------------------------------------------------------------

void logwall() { freesizePic("bg-rpanel.png", 472, 0, 0, 0, 0); }

void FullSubScreen(const char *title) { TekstiPalkki(5, 5, 790, title ? title : "", 5); }

void SubScreen(const char *title) {
    logwall();
    FullSubScreen(title);
}

void PIIRRAPOHJA_Rituaaliruutu() {
    freesizePic("bg-supernatural.jpg", 0, 0, 0, 0, 0);
    SubScreen("RITUALS AND COMMUNICATING WITH THE SPIRITS AND THE OTHERWORLD");
}

void PIIRRAPOHJA_Tehtavaruutu() {
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    bestfitPic("bg-worldview.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    SubScreen("GAME COURSE & TASK INFORMATION");
}

void frames_compose_screens() {
    if (!game_screen) return;
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    SDL_FillRect(game_screen, nullptr, 0);
    PIIRRAPOHJA_Taitoruutu();
    save_scr_file("SKILLSBG.BMP");
    SDL_FillRect(game_screen, nullptr, 0);
    PIIRRAPOHJA_Rituaaliruutu();
    save_scr_file("RITUALSBG.BMP");
    DISABLE_FLIP = held;
    clrgfx();
}

// ---- the start-up story ---------------------------------------------------------------------------

const char *story_picture(const char *title, const char *named, char *out, size_t size) {
    static const struct { const char *word, *picture; } rule[] = {
        {"HALVORNALAND", "scene-halvornaland.jpg"}, {"VILLAGE", "terrain-village.jpg"},
        {"HELPLESS", "scene-helpless.jpg"},         {"HUNTING TRIP", "cre-bear.jpg"},
        {"AGRICULTURE", "scene-agriculture.jpg"},   {"FISHERMAN", "scene-fishing.jpg"},
        {"CAMP", "scene-camp.jpg"},                 {"TRAPPING", "scene-trapping.jpg"},
        {"SETTLER", "terrain-house.jpg"},           {"TRAP-FENCE", "info-fence.jpg"},
    };
    char up[STORY_LINE_MAX + 1];
    copy_bounded(up, sizeof up, title ? title : "");
    strupr(up);
    copy_bounded(out, size, named ? named : "");
    out[strcspn(out, "\r\n")] = 0;
    for (const auto &r : rule)
        if (strstr(up, r.word)) copy_bounded(out, size, r.picture);
    return out;
}

// One line of the story file, cut to STORY_LINE_MAX characters; the rest of a longer line is dropped.
static bool story_line(FILE *f, char *out, size_t size) {
    if (!fgets(out, (int)size, f)) return false;
    const size_t n = strlen(out);
    if (n > 0 && out[n - 1] != '\n') {
        int c;
        while ((c = fgetc(f)) != EOF && c != '\n') {}
    }
    out[strcspn(out, "\r\n")] = 0;
    return true;
}

void show_scenario() {
    char path[1200];
    snprintf(path, sizeof path, "%s/story.txt", CharacterPath);
    FILE *f = fopen(path, "r");
    if (!f) return;
    char title[STORY_LINE_MAX + 1] = "", named[STORY_LINE_MAX + 1] = "", line[STORY_LINE_MAX + 1];
    story_line(f, title, sizeof title);
    story_line(f, named, sizeof named);
    char picture[PICNAME_MAX];
    story_picture(title, named, picture, sizeof picture);
    SANATAULUKKO_Tyhjaa();
    while (story_line(f, line, sizeof line)) {
        if (line[0] == ' ' && line[1] == ' ') {
            SANATAULUKKO_Lisaa(0, "<br>");
            SANATAULUKKO_Lisaa(0, line + strspn(line, " "));
            continue;
        }
        SANATAULUKKO_Lisaa(0, line);
    }
    fclose(f);
    if (!game_screen) return;
    bestfitPic(nullptr, BGSURF_backstory, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    const int transparent = SHOW_TRANSPARENT;
    SHOW_TRANSPARENT = 2;
    Piirra_Ikkuna(0, 0, RESOLUTION_X, RESOLUTION_Y, title, 48);
    SHOW_TRANSPARENT = transparent;
    if (picture[0]) freesizePic(picture, 390, 25, 0, 0, 1);
    showtext_sanataulukko(10, 310, 780, 0, RGB_to_color(246, 254, 186), 0);
}

static const char *const STARTUP_TEXT[] = {
    "The story below is a description of your start-up scenario and a rough background of your character.",
    "You may find it interesting to follow or you can just ignore it. It only tells you what brought",
    "your character here - the rest is up to you. There are so many paths to follow, so many scenes to see, so",
    "many windbreezes to feel and ever so many secrets to find from the world around or within you...",
};

int frames_startup_screen() {
    game_info("FIRST TIMER INFO");
    show_scenario();
    SANATAULUKKO_Tyhjaa();
    for (const char *l : STARTUP_TEXT) SANATAULUKKO_Lisaa(0, l);
    if (game_screen) {
        showtext_sanataulukko(10, 30, 370, 0, RGB_to_color(0, 0, 0), 0);
        drawbutton(200, 580, "Press a key to continue - The Halvornaland awaits ");
        Flip();
    }
    return getkey();
}

// ---- small pieces of the command reader -----------------------------------------------------------

void frames_show_profile() {
    GAME_SAVED = 0;
    game_save();
    draw_profile(0);
    getkeypress();   // a key press closes it; idle ticks and the mouse moving leave it open
    game_restore_with_map();
}

int menusel_Gameoptions() {
    Valinta_Tyhjaa();
    Valinta_Lisaa('?', "Keyboard commands");
    Valinta_Lisaa('Q', PELIMUSEO_EDIT ? "Quit the game" : "Quit and optionally save");
    if (!PELIMUSEO_EDIT) Valinta_Lisaa('O', "Setup options");
    Valinta_Lisaa(KEY_MENU_F1, "Game encyclopedia");
    if (!PELIMUSEO_EDIT) Valinta_Lisaa(KEY_CTRL_S, "Save the game");
    const int held = NOUPDATE_RC;
    NOUPDATE_RC = 1;
    const int key = TeeValinta("HELP AND GAME OPTIONS");
    NOUPDATE_RC = held;
    switch (key) {
    case 'Q': return 'Q';
    case '?': return '?';
    case KEY_MENU_F1: return KEY_F1;
    case KEY_CTRL_S: return KEY_CTRL_S;
    case 'O':
        save_page();
        FLIP_map_OFF();
        Setup();
        DoRealMapShade();
        restore_mappage();
        return 0;
    default: return 0;
    }
}
