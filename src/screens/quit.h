// src/screens/quit.h -- the farewell screen and the fatal exit.
#pragma once

[[noreturn]] void endgame();
[[noreturn]] void oxa_quit(const char *text);
// When set, the fatal exit hands its text to this hook before anything else. The fuzz targets' hook
// throws, so a refused input ends that one input instead of the program; the game never sets it.
extern void (*oxa_quit_hook)(const char *text);
