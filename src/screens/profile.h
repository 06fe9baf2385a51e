// src/screens/profile.h -- the character sheet, and the magic and ritual pages.
#pragma once

// The sheet's boxes on the 800 x 600 screen.
extern int app_X, app_Y, per_X, per_Y, phy_X, phy_Y, frame_X, frame_Y;
// The roll at character creation: REROLL 1 keeps it; the "<N>o.Reroll" line is at REROLL_POS.
extern int REROLL, REROLL_POS;

void draw_profile_screen(int mode);   // 0 shown, 1 asks whether to keep the roll, 2 raised: waits for a key
void PROFILE_SCR();
void desced_stat(int x, int y, const char *label, int value);

extern int magic_page_saved_entry;    // the magic page's row to put the cursor on; -1 none
int magic_page_screen(int mode);      // the means chosen, 0 none
int ritual_page_screen(int mode);     // the ritual chosen, 1000 none
