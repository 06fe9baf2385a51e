// src/screens/gamescreens.cpp -- stands in until the game screens land: no screen opens.
#include "screens/gamescreens.h"

#include "presentation/screen.h"
#include "presentation/show.h"

void wizard_screen() {}
int help_options_screen() { return menusel_Gameoptions(); }
