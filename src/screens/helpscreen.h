// src/screens/helpscreen.h -- the keyboard commands on one tall page, composed once per movement mode
// and scrolled; the shown row is kept between visits.
#pragma once
#include <SDL2/SDL.h>

namespace HelpPage {
enum { PAGE_W = 800, PAGE_H = 1300, VIEW_H = 600, LAST_START = PAGE_H - VIEW_H };
extern SDL_Texture *helpTex;       // the composed page
extern int HelpInitFlag;           // the movement mode the page was composed for; -1 none yet
extern int DisplayStartY;          // the first page row shown, 0 to 700
extern int Compositions;           // how many times the page was composed in this run
int scroll_after(int start, int key);
int row_of(int key);               // the page row of a command's line in the last page; -1 when not on it
void compose();
void show();                       // the shown part of the page with the footer, presented
}

void HelpScreen_Run();
