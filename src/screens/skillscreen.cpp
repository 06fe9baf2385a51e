// The skills screen: the character's skills in three windows (lore and craft, physical, combat) with
// their keys, levels, mastery words and aptitude. In play a skill is chosen to be used; at character
// creation the option points are spent on them.
#include "screens/skillscreen.h"
#include "screens/optionscreen.h"

#include "activities/charscreens.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "presentation/hyper.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <cstdio>
#include <cstring>

int lore_x = 60, lore_y = 55, taito_w = 335;

static const char *const GROUP_TITLES[SKILL_GROUPS] = {"LORE & CRAFT SKILLS", "PHYSICAL SKILLS", "COMBAT SKILLS"};

static void skill_name(int slot, char out[PLR_SKILLNAME + 1]) {
    memcpy(out, Plr.skill_name[slot], PLR_SKILLNAME);
    out[PLR_SKILLNAME] = 0;
}

// The background with its title bar, composed once: the right panel's wall is a picture decoded from
// its file, and the screen is drawn again on every move of the cursor.
void skills_screen_background() {
    static SDL_Surface *composed = nullptr;
    static SDL_Surface *composed_from = nullptr;
    if (!game_screen) return;
    if (composed && composed_from == BGSURF_profile && composed->w == game_screen->w && composed->h == game_screen->h) {
        SDL_BlitSurface(composed, nullptr, game_screen, nullptr);
        return;
    }
    SDL_FillRect(game_screen, nullptr, 0);
    if (BGSURF_profile)
        bestfitPic("", BGSURF_profile, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    else
        bestfitPic("bg-profile.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    SubScreen("SKILLS");
    if (composed) SDL_FreeSurface(composed);
    composed = SDL_CreateRGBSurfaceWithFormat(0, game_screen->w, game_screen->h, 32, game_screen->format->format);
    composed_from = BGSURF_profile;
    if (!composed) return;
    SDL_BlendMode mode;
    SDL_GetSurfaceBlendMode(game_screen, &mode);
    SDL_SetSurfaceBlendMode(game_screen, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(game_screen, nullptr, composed, nullptr);
    SDL_SetSurfaceBlendMode(game_screen, mode);
    SDL_SetSurfaceBlendMode(composed, SDL_BLENDMODE_NONE);
}

// A row's level meter with its start level marked, the percentage, the mastery word and the stars.
static void Piirra_SkillInfo(int x, int y, int slot) {
    if (Plr.skill_raises[slot]) showtext(x - 10, y + 5, "+", RGB_to_color(0, 168, 0), 1);
    METERBAR_COLOR = -2;
    METERBAR_SECTION = Plr.skill_start[slot];
    progress_meter(x, y + 3, 60, (float)Plr.skill_level[slot]);
    char text[80];
    snprintf(text, sizeof text, "%4d%%", Plr.skill_level[slot]);
    showtext(x + 70, y + 5, text, RGB_to_color(87, 87, 87), 0);
    snprintf(text, sizeof text, "(%s)", taitoteksti_perus(Plr.skill_level[slot]));
    showtext(x + 115, y + 5, text, RGB_to_color(60, 90, 152), 0);
    const int aptitude = Plr.skill_aptitude[slot];
    showtext(x + 215, y + 5, aptitude > 13 ? "***" : aptitude > 9 ? "**" : "*", RGB_to_color(171, 171, 171), 0);
}

static void AsetaTaito(int x, int y, int row, unsigned char key, int slot) {
    const int ry = y + 25 + 12 * row;
    const unsigned char shown = skill_key_shown(key);
    char name[PLR_SKILLNAME + 1], label[40];
    skill_name(slot, name);
    snprintf(label, sizeof label, "%c.%s", shown, name);
    LIST_ButtonSpotEntry(shown, x + 5, ry, label);
    if (skill_limit_reached(slot)) {
        const char k[2] = {(char)shown, 0};
        showtext(x + 13, ry + 5, k, RGB_to_color(168, 0, 0), 0);
    }
    Piirra_SkillInfo(x + 135, ry, slot);
}

// The three windows with their rows, one list entry a row; answers the rows listed.
static int SKILLS_Listaa() {
    const int count = skill_screen_order();
    int y = lore_y;
    for (int g = 0; g < SKILL_GROUPS; g++) {
        int slots[50];
        unsigned char keys[50];
        const int n = skill_group_rows(g, slots, keys);
        const int h = 40 + 12 * n;
        Piirra_Ikkuna(lore_x, y, taito_w + 50, h, GROUP_TITLES[g], 2);
        for (int i = 0; i < n; i++) AsetaTaito(lore_x, y, i, keys[i], slots[i]);
        y += h + 10;
    }
    return count;
}

// The screen's help text in its window at the right.
static void info_text(const char *screen) {
    SANATAULUKKO_finfo(screen);
    const int h = showtext_sanataulukko(545, 40, 235, -1, 0, 1);
    Piirra_Ikkuna(535, 30, 255, h + 25, "", 36);
    showtext_sanataulukko(545, 40, 235, 0, RGB_to_color(238, 232, 170), 1);
}

// The whole screen drawn and its list built; answers the rows.
static int draw_screen(int mode) {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    skills_screen_background();
    // The names in black on the windows' light bark, as the sheet writes its labels.
    LIST_Reset(BLACK_COL, "", 10, 50, 500, 485, LIST_SPOTSTYLE);
    LIST_AdvStyle(0, 1);
    LIST_casesensitive();
    info_text(mode == 1 ? "SKILLS_IMPROVE" : "SKILLS");
    LISTMOD_allowsame = 1;
    const int rows = SKILLS_Listaa();
    LIST_SetMaxCursorEntry();
    static const int play_keys[] = {KEY_ESC, KEY_PGDN, KEY_PGUP};
    static const int option_keys[] = {'+', '=', '-', KEY_PGDN, KEY_PGUP};
    const int *hidden = mode == 1 ? option_keys : play_keys;
    const int hidden_n = mode == 1 ? 5 : 3;
    for (int i = 0; i < hidden_n; i++) LIST_SpotEntry(hidden[i], 0, 0, 0, 0);
    if (mode == 1) NaytaOptioRuutu();
    DISABLE_FLIP = held;
    return rows;
}

int skills_screen(int mode) {
    SKILLS_Lajittele();
    // Spending option points keeps the skills already at their limit: the screen comes back after
    // "No, undo last and return." and must not let them rise again.
    if (mode == 0) memset(KaytetytTaidot, 0, sizeof KaytetytTaidot);
    else copy_bounded(KaytetytTaidot[0], sizeof KaytetytTaidot[0], "DODGE");
    int pos = mode == 0 && LASTSKILLPOS ? LASTSKILLPOS : 0;
    int noted = pos;
    for (;;) {
        const int rows = draw_screen(mode);
        if (pos >= rows) pos = rows > 0 ? rows - 1 : 0;
        Set_LIST_Position(pos);
        if (pos < rows) {
            noted = pos;
            char name[PLR_SKILLNAME + 1];
            skill_name(KirjaintaVastaavaTaito[pos], name);
            GameInfo_Hotspot(name, "", 0);
        }
        List.returnonchange = 1;   // the info box follows the cursor
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed() || CLOSE_WINDOW) return 1000;
            pos = LIST_Position();
            continue;
        }
        const int key = LIST_PosKey(r);
        if (key == KEY_ESC && mode == 0) return 1000;
        if (key == '+' || key == '=') KaytaOptio(KirjaintaVastaavaTaito[noted], 1);
        else if (key == '-') KaytaOptio(KirjaintaVastaavaTaito[noted], -1);
        else if (key == KEY_PGUP) pos = 0;
        else if (key == KEY_PGDN) pos = rows > 1 ? rows - 1 : pos;
        else if (key == KEY_F1) {
            game_info("FILE");
            pos = noted;
        } else if (r < rows) {
            LASTSKILLPOS = pos = r;
            if (mode == 0) return KirjaintaVastaavaTaito[r];
        }
        if (mode == 1 && SKILLIMPROVE_points <= 0) {   // the last point spent: shown before the question
            draw_screen(mode);
            Flip();
            return 1000;
        }
    }
}
