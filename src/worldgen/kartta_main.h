// src/worldgen/kartta_main.h -- the world-map generator: seeding it, running the whole generation,
// the start place, writing the world's files, and the map colours.
#pragma once
#include <cstdint>

// Seeds the generator's stream and the shared one; 0 takes the clock.
void worldgen_seed(uint32_t seed);

// Every accessor takes (row, column); a coordinate off the map reads 0 (culture 10).
int peekmaailma(int y, int x);
int peekkulttuurikartta(int y, int x);
void putsaa();

// ---- the whole generation, the start place and the files --------------------------------------
extern int edistyminen;
extern double worldgen_step_ms[8]; // time of each step of the last generation
extern const char *const worldgen_step_name[8];
int luokartta();                   // 0, or 1 when the work map could not be had
extern int plr_aloitus_x, plr_aloitus_y;
extern int ALOITUS_NOTE;           // 1 when the home-culture search gave up on the culture
void etsialoituskohta(int home);
// 0 when "WORLD.DAT", the culture map and the names were written whole; an empty path writes nothing.
int tallennakartta(const char *path);
// Settlement cells per culture: villages, fortified villages and homesteads.
void siika_count(unsigned counts[14][3]);
void edistymisgrafiikka(const char *label);

// ---- the screen --------------------------------------------------------------------------------
extern int WORLDGEN_SCREEN;        // 1 while the generation is drawn on the screen
// The map colours in 8-bit red, green and blue; 0 when the code is not painted.
int karttamerkki_rgb(int code, int mask, uint8_t rgb[3]);
int kulttuuri_rgb(unsigned char code, uint8_t rgb[3]);
