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
#include <string>
#include <algorithm>

static bool font_has_ink() {
    for (int i = 0; i < FONT_BYTES; i++)
        if (FONT[i] == 1) return true;
    return false;
}

int farewell_lines(const char *text, int width, char lines[][FAREWELL_LINE], int most) {
    std::string rest(text, strnlen(text, FAREWELL_TEXT));
    rest = rest.substr(0, rest.find_first_of("\r\n"));
    auto fits = [&](const std::string &s) { return s.size() < FAREWELL_LINE && textwidth(s.c_str()) <= width; };
    int n = 0;
    size_t at = rest.find_first_not_of(' ');
    while (at != std::string::npos && n < most) {
        // As many whole words as fit; a word wider than the line is cut where the line ends.
        std::string line;
        while (at != std::string::npos) {
            const size_t end = std::min(rest.find(' ', at), rest.size());
            const std::string word = rest.substr(at, end - at);
            const std::string tried = line.empty() ? word : line + " " + word;
            if (!fits(tried)) {
                if (!line.empty()) break;
                size_t cut = 1;
                while (cut < word.size() && fits(word.substr(0, cut + 1))) cut++;
                line = word.substr(0, cut);
                at += cut;
                break;
            }
            line = tried;
            at = rest.find_first_not_of(' ', end);
        }
        copy_bounded(lines[n++], FAREWELL_LINE, line.c_str());
    }
    return n;
}

void quit_screen(const char *text) {
    if (text[0] && game_screen && font_has_ink()) {
        // A long message (a damaged file's name and what to do about it) wraps inside the window.
        static char lines[FAREWELL_LINES][FAREWELL_LINE];
        const int n = farewell_lines(text, RESOLUTION_X - 20, lines, FAREWELL_LINES);
        SDL_FillRect(game_screen, nullptr, 0);
        int y = 10;
        for (int i = 0; i < n; i++, y += 10) showtext(10, y, lines[i], COLOR_WHITE(), 0);
        y += 10;
        showtext(10, y, "Thank you for playing Halvornaland.", COLOR_WHITE(), 0);
        showtext(10, y + 10, "For latest news & updates visit Oxa homepage:", COLOR_WHITE(), 0);
        showtext(10, y + 20, "https://halvornaland.example.org/", COLOR_WHITE(), 0);
        showtext(10, y + 50, "Press a key ... ", COLOR_WHITE(), 0);
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
