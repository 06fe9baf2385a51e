// src/screens/gamescreens.cpp -- the help and game-options menu, and the developer console's screen,
// which stands in until the developer console lands: no screen opens.
#include "screens/gamescreens.h"

#include "presentation/screen.h"
#include "presentation/show.h"

void wizard_screen() {}
int help_options_screen() { return menusel_Gameoptions(); }
