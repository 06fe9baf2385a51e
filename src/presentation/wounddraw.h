// src/presentation/wounddraw.h -- the Wounds screen: the player's wound slots listed beside the body.
#pragma once

// Shows the listed slots; the chosen slot, or -1 for Esc. The rules ask through wounds_screen.
int scr_wounds_screen(const int *slots, int count);
// Marks one wound on the body picture: part, side (1 right, 2 left, 3 none), kind and injury; the
// same seed gives the same mark.
void wound_mark(int part, int side, int kind, int level, int seed);   // sized by the wound's level
extern const int ratecol_rgb[7][3];
void rate_bar(int x, int y, int n);
