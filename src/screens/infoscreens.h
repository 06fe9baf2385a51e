// src/screens/infoscreens.h -- the small screens of the start menu: the information strip, about,
// credits and the bonus-material note.
#pragma once
#include <cstddef>

enum { FOLDER_LINE_MAX = 90 };     // a longer folder is cut to 87 characters and "..."

extern const char *const OXA_HOMEPAGE;   // the address the farewell and the about screen name

// The working folder as the screens show it, with "/BONUSMATERIAL" behind it for the bonus note.
void info_folder_line(char *out, size_t size, int bonus);

void small_info();                 // the strip along the foot of the start menu
void AboutScreen();                // each of the three waits for a key and returns
void CreditsScreen();
void extras_info();
