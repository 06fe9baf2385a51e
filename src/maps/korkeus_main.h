// src/maps/korkeus_main.h -- local height maps: the heights of the 7 x 7 world cells around the cell
// being entered, made again from the world map whenever a local area is built.
#pragma once
#include <cstdint>

constexpr int ZK_SIDE = 449;                        // 7 cells of 64 squares, plus an unused row and column
extern uint8_t zoomkorkeus[ZK_SIDE * ZK_SIDE];      // height bands 1..43 of the area last computed
extern uint8_t ykszoomkorkeus[65 * 65];             // corner grid of one cell, row x 65 + column
extern uint32_t ZZ_rndseed;                         // state of the height generator

int get_isomaailmakorkeus(int row, int column);     // base height of a world cell (32 outside: 50)
void laskekorkeuskartta(int y0, int x0);            // fills zoomkorkeus for cells x0..x0+6, y0..y0+6
int rel_korkeus(int dx, int dy, int col, int row);  // height of a square of the cell at offset dx, dy
void alustazoomkorkeus(int y, int x);               // seeds the corner grid of one world cell
void ZZ_setrnd(uint32_t seed);
float ZZ_rnd(int n);                                // state mod n, after one step
int peekkorkeus(int a, int b);
void pokekorkeus(int a, int b, int h);
void korkeusalustus();                              // seeds the standard generator from the clock
