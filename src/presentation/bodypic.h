// src/presentation/bodypic.h -- the body picture ("armour.png" at 570, 90) of the armour coverage and
// wounds screens: parts flood-filled by their protection, and wound marks painted on the skin.
#pragma once
#include <cstdint>

#include "base/ui.h"

enum {
    BODYPIC_X = 570, BODYPIC_Y = 90, BODY_PLACES = 17, BODY_MIRROR = 1337,
    ATTACK_BLUNT = 0, ATTACK_SQUEEZE = 1, ATTACK_EDGE = 2, ATTACK_TEAR = 3, ATTACK_POINT = 4,
    ATTACK_WARMTH = 6, ATTACK_AVERAGE = 1000
};

extern const int part_pos[BODY_PLACES][2];     // the place of parts 0-16; the mirror of x is 1337 - x
extern const int part_spread[BODY_PLACES][2];  // how far wound marks of a part scatter
extern const int rate_cols[7];                 // palette indices of protection ratings 1 to 8+
extern uint32_t SKIN_BORDER, SKIN_COLOR;

void position_bodypart(int part, int side);    // side 1 the mirrored place
void DrawBodypart(int part, int mode);         // fill in the current colour; mode 2 both sides
// The background, the title and the body picture; `panel` adds the right-panel background.
void physical_screen(const char *title, const char *background, int panel);
void armour_screen();
// The coverage screen: mode 0 the player's worn armour, mode 1 the armour item in `Item`.
void scr_armour_coverage(int mode, const char *itemname);
// One pass of the coverage: every part filled by its rating against the kind.
void coverage_fill(int mode, int kind);
int coverage_rating(int mode, int part, int kind);     // 0 none
uint32_t rating_colour(int rating);
void PIIRRAPOHJA_Haavaruutu();                 // the wounds screen's background
// One wound mark, the same every time for the same seed; the game's random stream is left alone.
// Kinds 1-6 draw; parts outside 0-16 and kinds 10-100 draw nothing.
void draw_wound(int part, int side, int kind, int severity, int seed);
