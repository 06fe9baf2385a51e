// src/maps/kulttuuri.h -- the culture map and place names: blocks of 32 x 32 world cells (96 x 64
// blocks), each owned by a culture and named with a native and an English two-part name.
#pragma once
#include <cstdint>

constexpr int BLOCKS_W = 96;
constexpr int BLOCKS_H = 64;
constexpr int BLOCK_COUNT = BLOCKS_W * BLOCKS_H;
constexpr int CULTURE_DAMAGED_ZEROS = 1537;        // a quarter of the map plus one: damaged

extern uint8_t kulttuurikartta[BLOCK_COUNT];       // culture of each block, by * 96 + bx
extern uint16_t nimikartta[BLOCK_COUNT];           // first part + 256 x last part; bit 15 an own name
extern char alkunimilista[256][16], en_alkunimilista[256][16];
extern char loppunimilista[256][16], en_loppunimilista[256][16];
extern char omatnimet[255][32];
extern uint16_t omanimicount;
extern char areaname[32];

// ---- culture ----
int PEEKkulttuurikartta(int y, int x);             // 10 outside the world
void POKEkulttuurikartta(int y, int x, int c);
int get_alltime_kulttuuri(int x, int y);           // culture of a world cell; 0 outside
void set_alltime_kulttuuri(int x, int y, int c);
int get_kulttuuri(int x, int y);                   // culture under a square of the current map
int lataakulttuurikartta();        // 1 when a usable culture map was read
int talleta_kulttuurikartta();     // 1 when written (or refused as damaged, with a reload)

// ---- place names ----
void luo_nimet(const char *folder);                // names the world just made and writes "names.dat"
void nimeakartta();                                // names every block from `maailma`
int nimearuutu(int bx, int by);                    // the name value of one block
int tallenna_nimet(const char *folder);            // writes "names.dat"; 1 when written
void lataa_nimet(const char *folder);              // a missing or short file leaves the map as it was
char *get_areaname(int x, int y, int english, char *out);  // out holds 32 bytes or is null
void alustanimilistat();
int VH_rnd(int n);
int get_mualimachar(int x, int y);
