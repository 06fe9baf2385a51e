// src/game/look.h -- looking at squares: what lies on a square after a step or by the look
// commands, with its terrain, water and tracks, and the far look at a square picked on the map.
#pragma once

enum { DPSKIP_MAX = 500 };         // work records told together with an equal one

// The lines of the things on square x, y; the number of visible things there. looking is 1 from
// the look commands and 0 after a step.
int Display_Items(int x, int y, int looking);
// Work record i with every equal work record of its square merged into one text.
char *inprocess_entry(int i);
void init_inprocess();
void add_dpskip(int i);
int is_dpskip(int i);
// A looked-at square: mode 1 also examines tracks, mode 2 is the far look.
void LookPosition(int x, int y, int mode);
void FarLook();
// Before each command: the look's skip list is emptied.
void clear_look();
