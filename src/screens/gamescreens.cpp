// src/screens/gamescreens.cpp -- stands in until the game screens land: no screen opens; quitting
// asks and saves (dying instead of saving comes with the death screens).
#include "screens/gamescreens.h"

#include "core/loader.h"
#include "core/oxa.h"
#include "core/turnloop.h"
#include "presentation/input.h"
#include "presentation/menu.h"
#include "presentation/notes.h"
#include "presentation/screen.h"
#include "presentation/show.h"

// Leaves the game with the character saved; 0 when the player stays. Ctrl+S (flag 1) saves at once.
// A save that fails keeps the game running (the note said why), so the player can try again.
int Quit(int flag) {
    if (flag) {
        if (!Save(SAVE_EXPLICIT)) return 0;
        FLIP_map_OFF();
        return 1;
    }
    const int closed = CLOSE_WINDOW;
    CLOSE_WINDOW = XOUT_OK = EXIT_CLOSE_GAME = 0;
    Note("#You are about to quit playing and save your character.");
    // A window closed again while the question stands has nobody behind it: the game is saved.
    if (!KyllaEi("Are you sure?") && !(closed && CLOSE_WINDOW)) {
        Note("#Quit cancelled, the gameplay continues.");
        return 0;
    }
    CLOSE_WINDOW = 0;
    if (!Save(SAVE_EXPLICIT)) {
        Note("#The gameplay continues.");
        return 0;
    }
    FLIP_map_OFF();
    REAL_QUIT = -1;
    if (closed) EXIT_CLOSE_GAME = 1;
    return 1;
}
// The game ends here: the screens that follow (the start menu first) are drawn without the map.
void PlayerDeath(const char *) {
    FLIP_map_OFF();
    REAL_QUIT = -1;
}
void HelpScreen() {}
void MapView() {}
void Wizard() {}
void draw_profile(int) {}
void KaytaNappaintaitoa(int) {}
void Setup() {}
int HelpOptionsMenu() { return menusel_Gameoptions(); }
