// The character sheet: age and days of adventuring, the eleven attributes as bars, the portrait,
// height and weight. Shown by P in play, after the attribute roll at creation (keep it or roll again)
// and when a game course has raised the attributes.
#include "screens/profile.h"

#include "activities/charscreens.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <cstdio>
#include <cstring>

int app_X = 270, app_Y = 50, per_X = 270, per_Y = 285, phy_X = 270, phy_Y = 360, frame_X = 270, frame_Y = 490;
int REROLL = 0, REROLL_POS = 0;

// The sheet's background, decoded once: the origin picture, or the profile background without it.
static SDL_Surface *sheet_background() {
    static SDL_Surface *origin = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        FILE *f = fopen("truegfx/bg-origin.jpg", "rb");
        if (f) {
            fclose(f);
            origin = picture_load("bg-origin.jpg");
        }
    }
    return origin ? origin : BGSURF_profile;
}

void PROFILE_SCR() {
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    SDL_Surface *bg = sheet_background();
    if (bg) bestfitPic("", bg, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    Piirra_Ikkuna(phy_X, phy_Y, 200, 125, "PHYSICAL PROFILE", 2);
    Piirra_Ikkuna(frame_X, frame_Y, 200, 65, "PHYSIQUE", 2);
}

void desced_stat(int x, int y, const char *label, int value) {
    showtext(x, y, label, BLACK_COL, 0);
    sinked_box(x + 100, y, 42, 9);
    // A value past the scale (an herb's or a loader's gift) fills the box and no more.
    if (value > ATTRIBUTE_MAX) value = ATTRIBUTE_MAX;
    if (value > 0) box(x + 101, y + 1, x + 100 + value * 40 / ATTRIBUTE_MAX, y + 7, RGB_to_color(255, 187, 0));
}

// The text of the right-hand window, wrapped at (550, 40) in 230 pixels.
static void right_window(const char *first, const char *second) {
    Piirra_Ikkuna(540, 30, 245, 170, "", 4);
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(first);
    SANATAULUKKO_Lisaa(second);
    showtext_sanataulukko(550, 40, 230, 0, RGB_to_color(238, 232, 170), 1);
}

static void keep_the_roll() {
    right_window("Your cultural background and startup selections are now completed, and your",
                 "character profile looks like this. Are you happy with these attributes?");
    LIST_Reset(RGB_to_color(255, 255, 224), "", 590, 100, 130, 100, 0);
    LIST_AdvStyle(1, 0);
    LIST_Entry('Y', "<Y>es.Continue");
    LIST_Entry(0, "");
    LIST_Entry('N', "<N>o.Reroll");
    Set_LIST_Position(REROLL_POS);
    LIST_Draw();
    int chosen;
    do chosen = LIST_Go();
    while (chosen == KEY_WINDOW);
    const int key = chosen >= 0 ? LIST_PosKey(chosen) : 0;
    if (key == 'Y') REROLL = 1;
    if (key == 'N') {
        REROLL = 0;
        REROLL_POS = 0;
    }
}

void draw_profile_screen(int mode) {
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    PROFILE_SCR();
    FullSubScreen(plrnam());

    char line[300];
    if (mode == 0)
        snprintf(line, sizeof line, "You are %s.", lifetimeDesc());
    else
        snprintf(line, sizeof line, "You are %d winters old as you start your journeys and adventures.", Plr.year);
    showtext(400 - (int)strlen(line) * 4, 30, line, RGB_to_color(240, 230, 140), 1);

    for (int i = 0; i < PHYSICAL_ATTRIBUTES; i++)
        desced_stat(phy_X + 8, phy_Y + 30 + 10 * i, SHEET_PHYSICAL[i].label, plr_attribute(SHEET_PHYSICAL[i].offset));
    Piirra_Ikkuna(per_X, per_Y, 200, 70, "PERSONALITY", 2);
    for (int i = 0; i < PERSONALITY_ATTRIBUTES; i++)
        desced_stat(per_X + 8, per_Y + 25 + 10 * i, SHEET_PERSONALITY[i].label,
                    plr_attribute(SHEET_PERSONALITY[i].offset));

    Piirra_Ikkuna(app_X - 5, app_Y, 210, 230, "APPEARANCE", 2);
    char portrait[1100];
    snprintf(portrait, sizeof portrait, "%s/portrait.png", CharacterPath);
    if (!own_isfile(portrait)) {   // at creation the folder has no portrait yet: the one chosen
        char chosen[sizeof Plr.portrait + 1];
        memcpy(chosen, Plr.portrait, sizeof Plr.portrait);
        chosen[sizeof Plr.portrait] = 0;
        snprintf(portrait, sizeof portrait, "truegfx/%s", chosen);
        if (!chosen[0] || strchr(chosen, '/')) portrait[0] = 0;
    }
    if (portrait[0] && own_isfile(portrait)) freesizePic(portrait, app_X, app_Y + 25, 200, 200, 0);

    const int inches = plr_height_inches(), pounds = plr_weight_pounds();
    showtext(frame_X + 10, frame_Y + 30, "HEIGHT", BLACK_COL, 0);
    snprintf(line, sizeof line, "%d\" / %d cm", inches, (int)(inches * 2.54));
    TekstiPalkki(frame_X + 65, frame_Y + 25, 130, line, 4);
    showtext(frame_X + 10, frame_Y + 45, "WEIGHT", BLACK_COL, 0);
    snprintf(line, sizeof line, "%d lbs/%d kgs", pounds, (int)(pounds * 0.453));
    TekstiPalkki(frame_X + 65, frame_Y + 40, 130, line, 4);

    DISABLE_FLIP = held;
    Flip();

    if (mode == 2) {
        right_window("Your physical and mental attributes now look like this.", "Press any key to continue.");
        getkeypress();   // flips; idle ticks and the mouse moving leave it open
    } else if (mode == 1) {
        keep_the_roll();
    }
}
