// src/worldgen/kartta_view.h -- what the world-generation screen shows and the generation keeps for it:
// the view's scale and mask, the legend, the player's mark, the progress line, the seed and the
// creation mode.
#pragma once
#include <cstdint>

extern int CRTPLR_TAPA;            // creation mode (worldgen/newchar.h): 1 quick, no keys asked
extern uint32_t WORLDGEN_SEED;     // the seed the screen takes; 0 the clock
extern int zoom, superzoom, maski, legenda, plrx, plry;
extern int edistyminen_max;        // the progress line's length
extern char viimeisin[101];        // the step the progress line names
