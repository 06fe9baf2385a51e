// The small screens of the start menu: the strip along its foot, about, credits and the note on the
// bonus material. Each screen waits for a key; the menu puts back what lay behind it.
#include "screens/infoscreens.h"

#include "base/ownlib.h"
#include "core/config.h"
#include "core/tekstit.h"
#include "presentation/oxalistener.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "screens/start.h"

#include <cstdio>
#include <cstring>

const char *const OXA_HOMEPAGE = "https://halvornaland.example.org/";

void info_folder_line(char *out, size_t size, int bonus) {
    char line[1100];
    snprintf(line, sizeof line, "%s%s", CURRENT_DIR(), bonus ? "/BONUSMATERIAL" : "");
    if (strlen(line) > FOLDER_LINE_MAX) memcpy(line + FOLDER_LINE_MAX - 3, "...", 4);
    copy_bounded(out, size, line);
}

static void centred(int y, const char *text, uint32_t colour) {
    showtext(RESOLUTION_X / 2 - textwidth(text) / 2, y, text, colour, 0);
}

static void press_a_key(int x, int y) {
    Piirra_Nappain(x, y, " Press a key ");
    Flip();
    getkeypress();
}

// ---- the strip --------------------------------------------------------------------------------

static const char *const production[] = {"A game made", "in the far North"};
static const char *const ownership[] = {"Halvornaland (c) 2026", "its makers"};
static const char *const authorship[] = {
    "Written, drawn and set to sound by the Halvornaland makers:",
    "every picture, tune and letter of the game is made by its own code.",
    "With thanks to every player who has walked the land.",
};

void small_info() {
    draw_colorbox(10, 520, 10 + 780 - 1, 520 + 75 - 1, 1000);
    freesizePic("./oxaicon-256.png", 605, 525, 40, 40, 0);   // the makers' mark
    for (int i = 0; i < 2; i++) showtext(650, 530 + 10 * i, production[i], RGB_to_color(176, 196, 222), 0);
    for (int i = 0; i < 2; i++) showtext(620, 570 + 10 * i, ownership[i], COLOR_WHITE(), 0);
    const uint32_t khaki = RGB_to_color(240, 230, 140);
    for (int i = 0; i < 3; i++) showtext(20, 530 + 10 * i, authorship[i], khaki, 0);
    showtext(20, 560, OXA_HOMEPAGE, khaki, 0);
}

// ---- about ------------------------------------------------------------------------------------

void AboutScreen() {
    const uint32_t ink = RGB_to_color(0, 0, 0), grey = RGB_to_color(87, 87, 87);
    Piirra_Ikkuna(10, 220, 780, 170, "ABOUT", WIN_TEX_TUOHI);
    char line[200];
    snprintf(line, sizeof line, "Halvornaland - version %s", VerStr());
    centred(250, line, ink);
    centred(270, "Halvornaland (c) 2026 the Halvornaland makers. All rights reserved.", ink);
    centred(280, "Published by its makers for the Linux desktop.", ink);
    centred(290, OXA_HOMEPAGE, RGB_to_color(60, 90, 152));
    if (PELIMUSEO_EDIT) {
        centred(310, "Museum edition: made for exhibitions, where every life is lived to its end.", ink);
    } else {
        centred(310, "For new features changelog and release notes view news.txt in your installation folder.", ink);
        centred(330, "Your Halvornaland installation folder is:", grey);
        info_folder_line(line, sizeof line, 0);
        centred(340, line, grey);
        if (OXAINI_CONTROLLER) {
            snprintf(line, sizeof line, "Local IP: %s | Port: %d", Oxalistener_IP_s, Oxalistener_controllerPort);
            centred(350, line, grey);
        }
    }
    press_a_key(335, 365);
}

// ---- credits ----------------------------------------------------------------------------------

// Who is thanked, and for what: the free libraries the game stands on, the font its letters come
// from, where its pictures and sounds come from, and the people who play it.
static const char *const thanked[] = {
    "The SDL developers - for SDL2 and its image, mixer, net and gfx libraries, through which the game "
    "draws, plays and listens.",
    "Xiph.Org - for Ogg and Vorbis, in which the music and the sounds of the land are kept.",
    "The makers of the misc-fixed fonts of X11 (Debian's xfonts-base) - for the public domain letters the "
    "game's font is made from.",
    "The libpng, libjpeg and zlib projects - for reading and writing the pictures.",
    "GoogleTest and Google Benchmark - for keeping the rules of the land honest while it was built.",
    "Debian and its packagers - for the system the game is built and played on.",
    "Every picture, sound and tune of the game is painted or played by its own code; LICENSES-assets.txt "
    "in the installation folder tells how each one is made.",
    "Everyone who shares pictures and videos of their lives in the land, and everyone who changes the "
    "game to their liking - for showing it to others.",
    "The veteran players, donors and supporters, and every player who sent an idea or a report - for "
    "keeping the fire burning through the long winters.",
};

void CreditsScreen() {
    Piirra_Ikkuna(50, 220, 700, 320, "THANKS AND CREDITS", WIN_TEX_TUOHI);
    SANATAULUKKO_Lisaa(1, "<br>");
    SANATAULUKKO_Lisaa("Countless number of people have provided ideas, feedback, reports and contributions");
    SANATAULUKKO_Lisaa("which have helped and shaped the game over the years.  In addition, here's an incomplete "
                       "list of some specific credits:<br>");
    SANATAULUKKO_Lisaa("<br>");
    for (const char *t : thanked) {
        SANATAULUKKO_Lisaa(t);
        SANATAULUKKO_Lisaa("<br>");
    }
    showtext_sanataulukko(55, 235, 690, 0, RGB_to_color(0, 0, 0), 0);
    SANATAULUKKO_Tyhjaa();
    press_a_key(55, 515);
}

// ---- bonus material ---------------------------------------------------------------------------

void extras_info() {
    const uint32_t ink = RGB_to_color(0, 0, 0), blue = RGB_to_color(60, 90, 152);
    Piirra_Ikkuna(10, 220, 780, 140, "BONUS MATERIAL", WIN_TEX_TUOHI);
    centred(250, "There is bonus material stored in your local game folder.", ink);
    centred(270, "Open your Halvornaland installation folder with a file manager", blue);
    centred(280, "and go into the folder named BONUSMATERIAL in it.", blue);
    centred(290, "Its pictures and texts open in the programs you view pictures and read texts with.", blue);
    centred(310, "The bonus material folder is located at:", ink);
    char line[200];
    info_folder_line(line, sizeof line, 1);
    centred(320, line, RGB_to_color(87, 87, 87));
    press_a_key(335, 335);
}
