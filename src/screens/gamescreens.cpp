// src/screens/gamescreens.cpp -- the help and game-options menu.
#include "screens/gamescreens.h"

#include "presentation/screen.h"
#include "presentation/show.h"

int help_options_screen() { return menusel_Gameoptions(); }
