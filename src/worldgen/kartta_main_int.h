// src/worldgen/kartta_main_int.h -- what the world-map generator's own files share: its random
// stream, the work map and its fractal, the steps and the progress shown. Not for other modules.
#pragma once
#include <cstddef>
#include <cstdint>

#include "worldgen/kartta_main.h"
#include "worldgen/kartta_view.h"

// ---- the generator's own random stream (one seed gives one world on every machine) ------------
extern uint64_t vh_state;
inline int VH_rand() {             // 0 .. 2^31 - 1
    vh_state = vh_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return (int)(vh_state >> 33);
}
// The stream moved on k draws in one step: state_k = a * state + c. Draws that come in a fixed
// number are taken from one state side by side, in the order the stream gives them.
struct VH_jump {
    uint64_t a, c;
};
constexpr VH_jump VH_jump_of(int k) {
    VH_jump j{1, 0};
    for (int i = 0; i < k; i++) j = {j.a * 6364136223846793005ULL, j.c * 6364136223846793005ULL + 1442695040888963407ULL};
    return j;
}
inline uint64_t VH_ahead(uint64_t state, VH_jump j) { return state * j.a + j.c; }
inline int VH_draw_of(uint64_t state) { return (int)(state >> 33); }
// n % d for a draw n by two multiplications: m is ~0 / d + 1, and the remainder is the high half
// of (m * n) * d, exact for every 32-bit n and d.
struct VH_divisor {
    uint32_t d;
    uint64_t m;
};
inline VH_divisor VH_divisor_of(uint32_t d) { return {d, UINT64_C(0xFFFFFFFFFFFFFFFF) / d + 1}; }
inline int VH_mod(int draw, VH_divisor v) {
    const uint64_t low = v.m * (uint32_t)draw;
    return (int)(((unsigned __int128)low * v.d) >> 64);
}
// The place-name maker draws with a VH_rnd of its own (0 .. n-1): the generator's live apart.
namespace kartta {
int VH_rnd(int n);                 // 1 .. n
int VH_gaussrnd(int n);            // -n+1 .. n, bunched around the middle
}

// ---- the work map (heights and densities of the fractal) and the map accessors ----------------
// Every accessor takes (row, column); a coordinate off the map reads 0 (culture 10) and is not written.
enum { TYOKARTTA_W = 3072, TYOKARTTA_H = 2048 };
extern uint8_t *tyokartta;         // null when no generation is under way
int peektyokartta(int y, int x);
void poketyokartta(int y, int x, int value);
void pokemaailma(int y, int x, int value);
void pokekulttuurikartta(int y, int x, int culture);
void alustatyokartta();
int alustakartat();                // 0 when the work map could not be had
// Where the generator takes its big working memory from (the work map, the sweeps' copies); a
// step whose memory could not be had sets worldgen_out_of_memory and the generation fails.
extern void *(*worldgen_alloc)(size_t);
extern int worldgen_out_of_memory;

// The fractal: midpoint displacement on the work map; a set cell is never changed.
void laskeruutu(int x, int y, int s, int spread, int limit);
void taytaruutu(int x, int y, int n, int value);
void pehmennaruutu(int c, int r);

// ---- the steps, in the order luokartta runs them ----------------------------------------------
extern int driikx, driiky;         // a point on the western coast
extern int inarix, inariy;         // the end lake of the great northern river; 0, 0 when none
void luomerenranta();
void sea_sweeps();                 // the sea inwards from the open borders, on undecided cells low on the work map
void luopohjoisetvuoret();
void luojarvet();
void luometsat();
void luojoet();
void satunnaista();
void luokulttuurit();

// ---- the whole generation and its screen -------------------------------------------------------
// 0 after the world was written; 1 when the window closed or the player gave up a failed write.
int kartta_main(const char *path);
void draw_mapareaborder(int white);
