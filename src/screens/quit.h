// src/screens/quit.h -- the farewell screen and the fatal exit's screen.
#pragma once
#include "base/ui.h"   // oxa_quit and its hook

[[noreturn]] void endgame();
// The fatal exit's part on the screen: the text over a black screen until a key, then the window's
// place is kept and the sound closed.
void quit_screen(const char *text);
