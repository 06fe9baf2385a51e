// src/presentation/boxes.h -- the three small picture boxes: the heading box (portrait, state, speed,
// facing and sound clues), the clock box (date, phase of the month, period of the day) and the horizon
// box (sun, clouds, rain or snow and a thermometer).
#pragma once
#include <SDL2/SDL.h>
#include <cstdint>

#include "base/ui.h"   // the rules' requests for the boxes

enum { HORBOX_W = 96, HORBOX_H = 74, HORBOX_X = 15, HORBOX_Y = 6, SOUNDCLUE_LIFE = 20 };

extern int32_t HeadingSoundClue[8];        // turn stamp of an unseen sound per compass direction; 0 none
extern SDL_Texture *HeadingBoxPortraitTEX;

void sound_graph(int x, int y);            // marks a sound heard from the square
int get_sound_pos(int x, int y);           // bearing from the facing, whole degrees clockwise

// The screen place of the facing arrow and of a sound clue from direction d, inside a box of w x h.
void heading_clue_place(int d, int w, int h, int &x, int &y);
// The sun's place in the horizon box for the hour, minute and the two altitudes of the weather.
void horizon_sun_place(int hour, int minute, int alt_now, int alt_next, int &x, int &y);

// The screen's side of the rules' requests (base/ui.h), which the screen puts in the table.
void box_heading();
void box_heading_init();
void box_clock();
void box_sun_draw();
void box_horizon();
