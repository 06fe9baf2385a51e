// The farewell screen and the fatal exit.
#include "screens/quit.h"

#include "presentation/winpos.h"
#include "screens/program.h"
#include "base/ownlib.h"
#include "presentation/audio.h"
#include "presentation/effects.h"
#include "presentation/input.h"
#include "presentation/pictures.h"
#include "presentation/show.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static bool font_has_ink() {
    for (int i = 0; i < FONT_BYTES; i++)
        if (FONT[i] == 1) return true;
    return false;
}

void quit_screen(const char *text) {
    if (text[0] && game_screen && font_has_ink()) {
        char shown[100];
        copy_bounded(shown, sizeof shown, text);
        shown[strcspn(shown, "\r\n")] = 0;
        SDL_FillRect(game_screen, nullptr, 0);
        showtext(10, 10, shown, COLOR_WHITE(), 0);
        showtext(10, 30, "Thank you for playing Halvornaland.", COLOR_WHITE(), 0);
        showtext(10, 40, "For latest news & updates visit Oxa homepage:", COLOR_WHITE(), 0);
        showtext(10, 50, "https://halvornaland.example.org/", COLOR_WHITE(), 0);
        showtext(10, 80, "Press a key ... ", COLOR_WHITE(), 0);
        Flip();
        getkey();
        SDL_FillRect(game_screen, nullptr, 0);
        Flip();
    }
    save_winpos_data();   // the window's place and size as the player left them
    sound_close();
    // SDL is closed here, on the way out, while the display still answers: never from an exit handler,
    // which also runs when the display has gone.
    SDL_Quit();
}

static void farewell_button(int x, int y, const char *label) {
    int w = textwidth(label) + 16;
    shadebox(x, y, x + w, y + 18, BB1_COL, BB2_COL, BFILL_COL, BB2_COL, BFILL_COL);
    showtext(x + 8, y + 5, label, BLACK_COL, 0);
}

void endgame() {
    play_disk_music("music_birth.ogg", -1);
    SDL_Surface *bg = picture_load("bg-worldview.jpg");
    if (bg) {
        SDL_BlitScaled(bg, nullptr, game_screen, nullptr);
        SDL_FreeSurface(bg);
    }
    const char *title = "YOU ARE LEAVING HALVORNALAND - A FINAL REMINDER...";
    rectangle(0, 0, 799, 599);
    shadebox(0, 0, 799, 16, TITLE_COL1, TITLE_COL2, TITLE_COL1, TITLE_COL2, TITLE_FILL_COL);
    showtext(400 - textwidth(title) / 2, 4, title, COLOR_WHITE(), 1);
    FadeIn(1);
    showtext(250, 27, "\"Only when the last tree is cut;", DEFTEXT_COL, 0);
    showtext(250, 37, " only when the last river is polluted;", DEFTEXT_COL, 0);
    showtext(250, 47, " only when the last fish is caught;", DEFTEXT_COL, 0);
    showtext(250, 57, " only then will they realise that you cannot eat money.\"", DEFTEXT_COL, 0);
    showtext(250, 70, " - Cree Indian Proverb", DEFTEXT_COL, 0);
    const char *dedication = "Oxa is dedicated to all indigenous peoples and groups around the world.";
    showtext(center_x(dedication), 180, dedication, RGB_to_color(100, 149, 237), 0);
    uint32_t yellow = RGB_to_color(252, 252, 84);
    showtext(10, 540, "Love the earth. It's under your feet every day - not too far away.", yellow, 0);
    showtext(10, 550, "Something very ageless breathes within you, within us - do not let it suffocate.", yellow, 0);
    showtext(10, 560, "Dare to hear your voice, dare to follow your spirit, dare to see and dare to feel... now.",
             yellow, 0);
    farewell_button(350, 575, "Press a key");
    Flip();
    getkey();
    FadeOut(1);
    fadestop_music(250);
    oxa_quit("");
}
