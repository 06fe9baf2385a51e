// src/activities/timber.h -- timbercraft: felling trees and saplings, chopping a trunk into blocks,
// carving a log, splitting firewood and boards, peeling bark, and the same felling and chopping done
// step by step by the people of the map (the dispatcher's entries felltimber, TIMBERCRAFT_chop,
// TIMBERCRAFT_bark and the menu TIMBERCRAFT stand at the end).
//
// A tree's state is one pool record of type 64 at its square: flags bit value 2 peeled, 8 a sapling;
// a felling under way keeps its total minutes in ready_minute and the minutes worked in
// spent_minutes, so that a felling broken off goes on where it stopped. A felled tree leaves map
// character 250 behind.
#pragma once

#include "creatures/timberwork.h"   // Tree_Height, and what a job asks of its worker

enum {
    TIMBER_RAIN_MARK = 3,          // item byte 125 (`magic`) of a trunk felled in rain, kept by its log
    TIMBER_FELLED_CHAR = 250,      // the square of a felled tree
    TIMBER_SUBTYPE_LOG = 21,       // a log leaves no branches when it is worked
};

// Lays 20 to 34 branches as one item record at x, y (the first argument carries nothing).
void karsi_puu_toxy(int unused, int x, int y);
// The material check of a withe: saplings and a knife, under "VITSAS". Nonzero when met.
int Tee_Vitsas();
// The bark factor of a month: the minutes are multiplied and the yield divided by it; 0 out of season.
float timber_bark_factor(int month);

// The people's work: one step of activity code 120 (fell a tree), 121 (work a log) or 122 (split a
// trunk) at x, y (whether a creature can take one on is creatures/timberwork.h). The step answers 1
// when the work is over, done or not.
int timber_creature_step(int n, int code, int x, int y);

// ---- the work the action codes hand on to ----
int felltimber(int who, int x, int y, int mode);
int TIMBERCRAFT_chop(int who, int x, int y, int kind, int mode);
int TIMBERCRAFT_bark();
void TIMBERCRAFT();
