// src/screens/quit.h -- the farewell screen and the fatal exit.
#pragma once

[[noreturn]] void endgame();
[[noreturn]] void oxa_quit(const char *text);
