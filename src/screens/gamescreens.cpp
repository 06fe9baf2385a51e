// src/screens/gamescreens.cpp -- stands in until the game screens land: no screen opens, and
// quitting leaves the game without a question or a save.
#include "screens/gamescreens.h"

#include "core/oxa.h"

int Quit(int) {
    REAL_QUIT = -1;
    return 1;
}
void PlayerDeath(const char *) { REAL_QUIT = -1; }
void HelpScreen() {}
void MapView() {}
void Wizard() {}
void draw_profile(int) {}
void KaytaNappaintaitoa(int) {}
int HelpOptionsMenu() { return 0; }
