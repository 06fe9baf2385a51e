// src/worldgen/kartta_view.h -- what the world-generation screen shows and the generation keeps for it:
// the view's scale and mask, the legend, the player's mark, the progress line, the seed and the
// creation mode; and the writing of a new character's folder once her start place is chosen.
#pragma once
#include <cstdint>

struct PlayerStruct;

extern int CRTPLR_TAPA;            // creation mode: 1 quick (no keys asked)
extern uint32_t WORLDGEN_SEED;     // the seed the screen takes; 0 the clock
extern int zoom, superzoom, maski, legenda, plrx, plry;
extern int edistyminen_max;        // the progress line's length
extern char viimeisin[101];        // the step the progress line names

// The new character's folder: her record, belongings and the world's files; 0 when a write failed.
int kirjoita_hahmon_kansio(const char *folder, const PlayerStruct &p);
