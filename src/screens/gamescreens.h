// src/screens/gamescreens.h -- the game screens the command reader opens.
#pragma once

void help_screen();
void map_view_screen();            // the map of known areas
void wizard_screen();              // the developer console
int help_options_screen();         // the help and game-options menu; a command key or 0
