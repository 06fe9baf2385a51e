// src/screens/gamescreens.cpp -- stands in until the game screens land: no screen opens.
#include "screens/gamescreens.h"

#include "presentation/screen.h"
#include "presentation/show.h"

// The game ends here: the screens that follow (the start menu first) are drawn without the map.
void death_screen(const char *) { FLIP_map_OFF(); }
void help_screen() {}
void map_view_screen() {}
void wizard_screen() {}
void setup_screen() {}
int help_options_screen() { return menusel_Gameoptions(); }
