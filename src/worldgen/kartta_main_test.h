// src/worldgen/kartta_main_test.h -- for the tests only: what the world-map generator's files share,
// and the single steps, the stream's seed and the screen's settings that only tests drive.
#pragma once
#include <cstdint>

#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"
#include "worldgen/kartta_view.h"

void VH_srand(uint32_t seed);
void laskekohta(int x, int y, int sum, int spread);
void luolaskujoki(int row, int column, int rowrange, int colrange, int length, int heading, int wiggle,
                  int depth, int rapids, int lake, int repeats);

// Cultures and their settlements.
void luokylia(int row, int column, int spread, int count, int culture);
void yhdistakylia(int row, int column, int size, int culture);
void asetakulttuuri(int row, int column, int culture);
extern int kylia_tehty;            // settlements placed by the last luokylia
int start_place_ok(int x, int y);  // an accepted start code

// The screen.
void NaytaKartta(int x0, int y0, int scale, int mask);
void NaytaAloitusPaikka();         // the red box on the start place
