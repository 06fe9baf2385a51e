// src/presentation/painter.h -- the square painter: one square of the map view in one of four modes
// (standing terrain, ground, surface and soil, height steps), and the passes that run it.
#pragma once

enum { PAINT_STANDING = 0, PAINT_GROUND = 1, PAINT_SURFACE = 2, PAINT_STEPS = 3 };

void piirra_maatile(int x, int y, int ch, const char *name, int attr, int value, int mode);
void ShowMaa();
void ShowMaapera(int k);
void ShowTemp(int k);
int maaperatile(int x, int y, int d, int kind);

// View column and row of a map square (the player's square is 30, 30) and whether it is drawn.
int view_col(int x);
int view_row(int y);
int in_view(int x, int y);
