// src/screens/quit.h -- the farewell screen and the fatal exit's screen.
#pragma once
#include "base/ui.h"   // oxa_quit and its hook

[[noreturn]] void endgame();
// The fatal exit's part on the screen: the text over a black screen until a key, then the window's
// place is kept and the sound closed.
void quit_screen(const char *text);
// The fatal exit's text laid out in lines no wider than `width` pixels, whole words where they fit:
// the number of lines (at most `most`).
enum { FAREWELL_TEXT = 1400, FAREWELL_LINE = 160, FAREWELL_LINES = 20 };
int farewell_lines(const char *text, int width, char lines[][FAREWELL_LINE], int most);
