// src/screens/creation.cpp -- the screens of character creation. The choices are collected here phase by
// phase; the folder itself is built by the builder (worldgen/newchar.h), which asks these screens its
// questions on the way: the roll kept, the skill phase, the world, the scenario, the course and the
// closing page.
#include "screens/creation.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "activities/crolls.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/portraits.h"
#include "presentation/audio.h"
#include "presentation/effects.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "screens/coursechoice.h"
#include "screens/profile.h"
#include "screens/worldmap.h"
#include "worldgen/newchar.h"

int CRTPLR_Phase = 0;
int GETBACK = 0;

static NewCharChoices choices;

enum { INFO_X = 5, INFO_Y = 545, INFO_W = 790, INFO_H = 50 };

// ---- the frame of every creation screen ---------------------------------------------------------

static void fitted(const char *picture) {
    SDL_Surface *pic = picture_load(picture);
    if (!pic) return;
    bestfitPic("", pic, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    SDL_FreeSurface(pic);
}

void draw_crtplr_screen() {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    fitted("bg-origin.jpg");
    FullSubScreen("A NEW CHARACTER WILL BE BROUGHT INTO THE HALVORNALAND ... ");
    DISABLE_FLIP = held;
    Flip();
}

void crtplr_info(int kind) {
    const int level = 15 + random(20);   // one draw at every call, whatever the kind
    if (kind == 2)
        box(INFO_X, INFO_Y, INFO_X + INFO_W, INFO_Y + INFO_H, RGB_to_color(252, level * 4, level * 4));
    else
        box(INFO_X, INFO_Y, INFO_X + INFO_W, INFO_Y + INFO_H, RGB_to_color(20, 24, 34));
    setcolor(RGB_to_color(171, 171, 171));
    rectangle(INFO_X, INFO_Y, INFO_X + INFO_W, INFO_Y + INFO_H);
    showtext_sanataulukko(INFO_X + 10, INFO_Y + 8, INFO_W - 20, 0, COLOR_WHITE(), 1);
    Flip();
}

// The lines queued and shown in the information box.
static void info(int kind, const char *first, const char *second = nullptr) {
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(first);
    if (second) SANATAULUKKO_Lisaa(second);
    crtplr_info(kind);
}

// A list's answer: the key of the chosen entry, 0 when the window closed.
static int chosen_key() {
    for (;;) {
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed() || CLOSE_WINDOW) return 0;
            continue;
        }
        return LIST_PosKey(r);
    }
}

// ---- the name -----------------------------------------------------------------------------------

int Choose_Name() {
    const char *why = nullptr;
    for (;;) {
        if (!why)
            info(0, "Choose a name for your character. Name must be 3 - 12 letters. No spaces or special characters allowed.");
        else
            info(2, why, "Please choose a different name for your character. Name must be 3 - 12 letters. No spaces or "
                         "special characters allowed.");
        Piirra_Ikkuna(15, 30, 170, 50, "CHARACTER NAME", 2);
        box(25, 52, 175, 66, RGB_to_color(30, 30, 30));
        moveto(30, 55);
        char typed[16];
        copy_bounded(typed, sizeof typed, getst(RGB_to_color(238, 232, 170), 12));
        if (typed[0] == KEY_ESC || WindowClosed() || CLOSE_WINDOW) {
            GETBACK = 1;
            return 0;
        }
        char folder[sizeof SaveFile];
        if (!crtplr_folder_name(typed, folder, sizeof folder, &why)) {
            if (!why) why = "Too short character name.";
            continue;
        }
        copy_bounded(choices.name, sizeof choices.name, typed);
        copy_bounded(SaveFile, sizeof SaveFile, folder);
        copy_bounded(CharacterPath, sizeof CharacterPath, SaveFile);
        Menu_ShadeOut(15, 30, 170, 50);
        return 1;
    }
}

// ---- the culture --------------------------------------------------------------------------------

struct CultureRow {
    const char *row, *topic;
};
static const CultureRow CULTURE_ROWS[10] = {
    {"0.Kaumolainen", "KAUMOLAISET"},          {"1.Driikil\xe4inen", "DRIIKIL\xe4ISET"},
    {"2.Kiessel\xe4inen", "KIESSEL\xe4ISET"},  {"3.Reemil\xe4inen", "REEMIL\xe4ISET"},
    {"4.Sartolainen", "SARTOLAISET"},          {"5.Islander", "ISLANDERS"},
    {"6.Koivulainen", "KOIVULAISET"},          {"7.Kuikka-tribe", "KUIKKA-TRIBE"},
    {"8.Owl-tribe", "OWL-TRIBE"},              {"9.Seal-tribe", "SEAL-TRIBE"},
};

const char *culture_topic(int culture) { return culture >= 0 && culture < 10 ? CULTURE_ROWS[culture].topic : ""; }

static void culture_list() {
    LIST_Reset(COLOR_WHITE(), "Choose a culture", 15, 90, 200, 230, 6);
    for (const CultureRow &c : CULTURE_ROWS) LIST_Entry(c.row[0], c.row);
    LIST_Entry(-1, "");
    LIST_Entry('R', "R.Random");
    LIST_Entry(-1, "");
    LIST_Entry('?', "?.Cultures");
    LIST_Entry(-1, "");
    LIST_Entry(KEY_ESC, "ESC.Back");
}

int choose_culture() {
    if (CRTPLR_TAPA == CRTPLR_QUICK) {
        choices.culture = random(4);
        return 1;
    }
    int pos = choices.culture >= 0 && choices.culture < 10 ? choices.culture : 0;
    for (;;) {
        // The whole page again at every move: the topic's box follows the cursor.
        const int held = DISABLE_FLIP;
        DISABLE_FLIP = 1;
        draw_crtplr_screen();
        culture_list();
        Set_LIST_Position(pos);
        GameInfo_Hotspot(pos < 10 ? CULTURE_ROWS[pos].topic : "CULTURES", "", 0);
        List.returnonchange = 1;
        DISABLE_FLIP = held;
        LIST_Draw();
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed() || CLOSE_WINDOW) return 0;
            pos = LIST_Position();
            continue;
        }
        const int key = LIST_PosKey(r);
        if (key == KEY_ESC) return 0;
        if (key == KEY_F1) {
            if (pos < 10) game_info(CULTURE_ROWS[pos].topic);
            continue;
        }
        if (key == '?') {
            game_info("CULTURES");
            continue;
        }
        if (key == 'R') {
            choices.culture = random(10);
            return 1;
        }
        if (key >= '0' && key <= '9') {
            choices.culture = key - '0';
            return 1;
        }
        pos = r;
    }
}

// ---- sex, portrait and season -------------------------------------------------------------------

int choose_sex() {
    if (CRTPLR_TAPA == CRTPLR_QUICK) {
        choices.sex = 1;
    } else {
        info(0, "Choose your characters sex.");
        LIST_Reset(COLOR_WHITE(), "Choose sex", 15, 90, 200, 80, 6);
        LIST_Entry('M', "M.Male");
        LIST_Entry('F', "F.Female");
        LIST_Entry(-1, "");
        LIST_Entry(KEY_ESC, "ESC.Back");
        LIST_Draw();
        const int key = chosen_key();
        if (key == 'M') choices.sex = 1;
        else if (key == 'F') choices.sex = 2;
        else return 0;
    }
    create_facelist(crtplr_portrait_group(choices.sex, choices.culture));
    return 1;
}

enum { FACE_X = 190, FACE_Y = 30, FACE_W = 220, FACE_H = 290 };

int pick_a_face() {
    const int count = facelist_count();
    if (CRTPLR_TAPA == CRTPLR_QUICK) {
        copy_bounded(choices.portrait, sizeof choices.portrait, Pick_Portrait(0));
        return 1;
    }
    info(0, "Select a portrait for your character.");
    int i = 0;
    for (;;) {
        const int held = DISABLE_FLIP;
        DISABLE_FLIP = 1;
        Piirra_Ikkuna(FACE_X, FACE_Y, FACE_W, FACE_H, choices.name, 2);
        box(FACE_X + 10, FACE_Y + 25, FACE_X + 210, FACE_Y + 225, RGB_to_color(20, 20, 20));
        if (i < count) {   // an empty group leaves the frame empty
            char path[128];
            snprintf(path, sizeof path, "truegfx/%s", Pick_Portrait(i));
            freesizePic(path, FACE_X + 10, FACE_Y + 25, 200, 200, 0);
        }
        LIST_Reset(COLOR_WHITE(), "", FACE_X, FACE_Y, FACE_W, FACE_H, LIST_SPOTSTYLE);
        LIST_ButtonSpotEntry(KEY_ENTER, FACE_X + 85, FACE_Y + 240, "ENTER");
        if (i > 0) LIST_ButtonSpotEntry(KEY_LEFT, FACE_X + 15, FACE_Y + 240, "<-");
        if (i + 1 < count) LIST_ButtonSpotEntry(KEY_RIGHT, FACE_X + 175, FACE_Y + 240, "->");
        LIST_SpotEntry(KEY_ESC, 0, 0, 0, 0);
        DISABLE_FLIP = held;
        LIST_Draw();
        const int key = chosen_key();
        if (key == KEY_LEFT && i > 0) i--;
        else if (key == KEY_RIGHT && i + 1 < count) i++;
        else if (key == KEY_ENTER) {
            copy_bounded(choices.portrait, sizeof choices.portrait, Pick_Portrait(i));
            Menu_ShadeOut(FACE_X, FACE_Y, FACE_W, FACE_H);
            return 1;
        } else if (key == KEY_ESC || key == 0) {
            Menu_ShadeOut(FACE_X, FACE_Y, FACE_W, FACE_H);
            return 0;
        }
    }
}

int choose_month() {
    if (CRTPLR_TAPA == CRTPLR_QUICK) {
        choices.season = 1;
        return 1;
    }
    info(0, "Now you have to choose a starting season from where on you wish to begin play. Summer is the easiest "
            "and winter the hardest season to start.");
    LIST_Reset(COLOR_WHITE(), "Choose a season", 420, 90, 180, 100, 6);
    LIST_Entry('1', "1.Spring");
    LIST_Entry('2', "2.Summer");
    LIST_Entry('3', "3.Autumn");
    LIST_Entry('4', "4.Winter");
    LIST_Entry(-1, "");
    LIST_Entry(KEY_ESC, "ESC.Back");
    LIST_Draw();
    const int key = chosen_key();
    if (key < '1' || key > '4') return 0;
    choices.season = key - '1';
    return 1;
}

// ---- the scenario -------------------------------------------------------------------------------

void draw_campselgfx(const char *title) {
    alpha_box(0, 0, RESOLUTION_X, RESOLUTION_Y, 0, 128);
    FullSubScreen(title);
}

enum { CAMP_ROWS = 15 };
static int camp_chosen = 1;

// The first two lines of "RNDCAMP.n": the title and the summary; false when the file does not open.
static bool camp_lines(int n, char *title, size_t tsize, char *summary, size_t ssize) {
    char name[32];
    snprintf(name, sizeof name, "RNDCAMP.%d", n);
    FILE *f = fopen(name, "r");
    if (!f) return false;
    char line[256];
    title[0] = summary[0] = 0;
    if (fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        copy_bounded(title, tsize, line);
    }
    if (fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        copy_bounded(summary, ssize, line);
    }
    fclose(f);
    return true;
}

static int camp_list() {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    fitted("bg-campsel.jpg");
    draw_campselgfx("SELECT A START-UP SCENARIO");
    LIST_Reset(RGB_to_color(240, 230, 140), "", 0, 0, RESOLUTION_X, 530, LIST_SPOTSTYLE);
    int n = 0, y = 40;
    char title[80], summary[200];
    while (n < CAMP_ROWS && camp_lines(n, title, sizeof title, summary, sizeof summary)) {
        showtext(20, y, title, RGB_to_color(240, 230, 140), 1);
        SANATAULUKKO_Tyhjaa();
        SANATAULUKKO_Lisaa(summary);
        showtext_sanataulukko(270, y, 500, 0, RGB_to_color(176, 196, 222), 1);
        LIST_SpotEntry(0, 15, y - 5, 230, 18);
        n++;
        y += 35;
    }
    if (n == 0) {
        printf("Oxa internal error -- couldn't open %s\n", "RNDCAMP.0");
        oxa_quit("RNDCAMP.0");
    }
    info(0, "Now pick and select a start-up scenario you wish to start with. All the other scenarios except the first "
            "one, The Halvornaland, give you a rough",
         "background and a plot you can start to follow.");
    DISABLE_FLIP = held;
    Flip();
    return n;
}

const char *SelectCampaign() {
    for (;;) {
        const int rows = camp_list();
        int n = 1;
        if (CRTPLR_TAPA != CRTPLR_QUICK) {
            LIST_Draw();
            int r;
            do {
                r = LIST_Go();
                if (r < 0 && (WindowClosed() || CLOSE_WINDOW)) r = 0;   // a closed window takes the first
            } while (r < 0 || r >= rows);
            n = r;
        }
        if (get_camp(n)) {
            camp_chosen = n;
            return SaveFile;
        }
    }
}

int SelectCampaign_number() { return camp_chosen; }

// A line that only names a picture ("scene-fishing.jpg"): one word ending in ".jpg" or ".png".
static bool picture_name(const char *line) {
    const size_t n = strlen(line);
    if (n < 5 || strchr(line, ' ')) return false;
    return strcasecmp(line + n - 4, ".jpg") == 0 || strcasecmp(line + n - 4, ".png") == 0;
}

int get_camp(int n) {
    char name[32];
    snprintf(name, sizeof name, "RNDCAMP.%d", n);
    FILE *f = fopen(name, "r");
    if (!f) {
        printf("Oxa internal error -- couldn't open %s\n", name);
        oxa_quit(name);
    }
    char line[512];
    char title[80] = "";
    if (fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        copy_bounded(title, sizeof title, line);
    }
    if (!fgets(line, sizeof line, f)) line[0] = 0;   // the summary is the list's
    SANATAULUKKO_Tyhjaa();
    int lines = 0;
    while (lines < 60 && fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        if (lines == 0 && picture_name(line)) continue;   // the story's picture heads it: not a line of it
        if (line[0]) SANATAULUKKO_Lisaa(line);
        SANATAULUKKO_Lisaa("<br>");   // the story keeps its own lines
        lines++;
    }
    fclose(f);
    if (CRTPLR_TAPA == CRTPLR_QUICK) return 1;

    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    fitted("bg-campsel.jpg");
    draw_campselgfx(title);
    Piirra_Ikkuna(10, 50, 520, 470, title, 2);
    showtext_sanataulukko(25, 80, 490, 0, RGB_to_color(238, 232, 170), 1);
    showtext(10, 30, "Select this scenario? ", RGB_to_color(240, 230, 140), 1);
    LIST_Reset(RGB_to_color(240, 230, 140), "", 0, 0, RESOLUTION_X, RESOLUTION_Y, LIST_SPOTSTYLE);
    LIST_ButtonSpotEntry('Y', 200, 25, "<Y>es");
    LIST_ButtonSpotEntry('N', 260, 25, "<N>o");
    DISABLE_FLIP = held;
    LIST_Draw();
    const int key = chosen_key();
    return key == 'N' || key == 'n' ? 0 : 1;
}

// ---- the builder's questions --------------------------------------------------------------------

static int ask_roll() {
    draw_profile_screen(1);
    REROLL_POS = 2;   // every later question starts on the reroll line
    return REROLL;
}

static void ask_skills() {
    MagicProfile(1);
    switch (CRTPLR_TAPA) {
    case CRTPLR_EASY: option_points(1, 5, 2); break;
    case CRTPLR_TOO_EASY: option_points(2, 5, 3); break;
    default: option_points(0, 5, 1); break;
    }
}

static int ask_world(const char *folder) { return kartta_main(folder); }

static int ask_scenario() {
    SelectCampaign();
    return SelectCampaign_number();
}

static int ask_course() {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    fitted("bg-worldview.jpg");
    DISABLE_FLIP = held;
    Flip();
    const int course = game_course(0);
    return course > 0 ? course : -1;
}

static void closing_page() {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    fitted("bg-worldview.jpg");
    char line[160];
    centext(0, 220, RESOLUTION_X, "Character creation completed.", RGB_to_color(176, 196, 222), 1);
    snprintf(line, sizeof line, "%s is about to enter Halvornaland.", choices.name);
    centext(0, 230, RESOLUTION_X, line, RGB_to_color(100, 149, 237), 1);
    centext(0, 250, RESOLUTION_X, "\"The world will surely teach one; if nothing else, than to walk slowly.\"",
            RGB_to_color(176, 196, 222), 1);
    centext(0, 265, RESOLUTION_X, "- Finnish proverb", RGB_to_color(171, 171, 171), 1);
    LIST_Reset(COLOR_WHITE(), "", 0, 0, RESOLUTION_X, RESOLUTION_Y, LIST_SPOTSTYLE);
    LIST_ButtonSpotEntry(KEY_ENTER, 350, 575, "Press a key");
    LIST_Draw();
    DISABLE_FLIP = held;
    getkeypress();   // the page shown whole, then a key press (idle ticks and the mouse moving leave it)
}

// ---- the whole creation -------------------------------------------------------------------------

// The choices, phase by phase: Esc at a phase goes back to the one before; Esc at the name leaves.
static int character_creation() {
    CRTPLR_Phase = 0;
    for (;;) {
        int on = 1;
        switch (CRTPLR_Phase) {
        case 0: on = Choose_Name(); break;
        case 1: on = choose_culture(); break;
        case 2: on = choose_sex(); break;
        case 3: on = pick_a_face(); break;
        case 4: on = choose_month(); break;
        default: return 1;
        }
        if (CRTPLR_Phase == 0 && !on) return 0;
        if (on) CRTPLR_Phase++;
        else CRTPLR_Phase--;
        if (CRTPLR_Phase > 0 && CRTPLR_Phase <= 4) draw_crtplr_screen();
    }
}

void crtplr(int mode) {
    CRTPLR_Phase = 0;
    CharacterFile[0] = 0;
    REROLL = 0;
    GETBACK = 0;
    CRTPLR_TAPA = mode;
    memset(&choices, 0, sizeof choices);
    choices.mode = mode;
    choices.culture = 0;
    choices.sex = 1;
    choices.season = 1;
    choices.scenario = -1;   // asked (quick mode takes the first story)
    choices.course = -2;     // asked
    draw_crtplr_screen();
    if (!character_creation()) {
        FadeOut(1);
        return;
    }
    choices.seed = (uint32_t)random(0x7fffffff);
    REROLL_POS = 0;

    NewCharAsk ask{};
    if (mode != CRTPLR_QUICK) {
        ask.accept_roll = ask_roll;
        ask.skill_phase = ask_skills;
        ask.scenario = ask_scenario;
    }
    ask.world = ask_world;
    ask.course = ask_course;
    ask.closing = closing_page;
    char err[200] = "";
    if (!crtplr_build(choices, &ask, err, sizeof err)) {
        CharacterFile[0] = 0;
        draw_crtplr_screen();
        info(2, err[0] ? err : "The character couldn't be written.", "Press a key...");
        getkey();
        FadeOut(1);
        return;
    }
    FadeOut(1);
}

void crtplr_menu() {
    LIST_Reset(RGB_to_color(240, 230, 140), "CHARACTER CREATION", 610, 80, 180, 125, 6);
    LIST_Entry('Q', "Q.Quick and easy");
    LIST_Entry('C', "C.Custom");
    LIST_Entry(-1, "");
    LIST_Entry('E', "E.Custom - easy");
    LIST_Entry('T', "T.Custom - too easy");
    LIST_Entry(-1, "");
    LIST_Entry(KEY_ESC, "ESC.Exit");
    LIST_Style((int)COLOR_WHITE(), "kling", "kling", 0, 0);
    LIST_Draw();
    switch (chosen_key()) {
    case 'Q': crtplr(CRTPLR_QUICK); break;
    case 'C': crtplr(CRTPLR_CUSTOM); break;
    case 'E': crtplr(CRTPLR_EASY); break;
    case 'T': crtplr(CRTPLR_TOO_EASY); break;
    default: break;
    }
}

void portrait_save() {
    char portrait[sizeof Plr.portrait + 1];
    memcpy(portrait, Plr.portrait, sizeof Plr.portrait);
    portrait[sizeof Plr.portrait] = 0;
    saveportrait(portrait, CharacterPath);
}
