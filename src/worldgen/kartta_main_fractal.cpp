// The world generator's random stream, the work map, the bounded accessors of the work map, the
// world and the culture map, and the fractal that fills the work map.
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "base/ownlib.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"

// ---- random stream -----------------------------------------------------------------------------
// A 64-bit linear congruential state whose high bits are taken: the same on every machine.
uint64_t vh_state = 0x853c49e6748fea9bULL;

void VH_srand(uint32_t seed) { vh_state = 0x853c49e6748fea9bULL ^ ((uint64_t)seed * 0x9e3779b97f4a7c15ULL); }

namespace kartta {

int VH_rnd(int n) { return n > 0 ? VH_rand() % n + 1 : 1; }

int VH_gaussrnd(int n) {
    if (n < 1) return 0;
    int a = VH_rand() % (2 * n);
    int b = VH_rand() % (2 * n);
    return (a + b + 2) / 2 - n;
}

}  // namespace kartta

void worldgen_seed(uint32_t seed) {
    if (seed == 0) seed = (uint32_t)time(nullptr);
    VH_srand(seed);
    randomize((int)(seed & 0x7fffffff) | 1);
}

// ---- work map and accessors --------------------------------------------------------------------
uint8_t *tyokartta = nullptr;

static inline bool on_map(int y, int x) { return (unsigned)x < TYOKARTTA_W && (unsigned)y < TYOKARTTA_H; }

int peektyokartta(int y, int x) {
    if (!tyokartta || !on_map(y, x)) return 0;
    return tyokartta[(size_t)x + (size_t)TYOKARTTA_W * y];
}

void poketyokartta(int y, int x, int value) {
    if (!tyokartta || !on_map(y, x)) return;
    tyokartta[(size_t)x + (size_t)TYOKARTTA_W * y] = (uint8_t)value;
}

int peekmaailma(int y, int x) { return on_map(y, x) ? maailma[mapidx(x, y)] : 0; }

void pokemaailma(int y, int x, int value) {
    if (on_map(y, x)) maailma[mapidx(x, y)] = (uint8_t)value;
}

int peekkulttuurikartta(int y, int x) { return PEEKkulttuurikartta(y, x); }

void pokekulttuurikartta(int y, int x, int culture) { POKEkulttuurikartta(y, x, culture); }

void alustatyokartta() {
    if (tyokartta) memset(tyokartta, 0, (size_t)TYOKARTTA_W * TYOKARTTA_H);
}

void *(*worldgen_alloc)(size_t) = malloc;
int worldgen_out_of_memory = 0;

int alustakartat() {
    worldgen_out_of_memory = 0;
    if (!tyokartta) tyokartta = (uint8_t *)worldgen_alloc((size_t)TYOKARTTA_W * TYOKARTTA_H);
    if (!tyokartta) return 0;
    alustatyokartta();
    memset(maailma, 0, MAP_BYTES);
    memset(kulttuurikartta, 10, sizeof kulttuurikartta);
    return 1;
}

void putsaa() {
    free(tyokartta);
    tyokartta = nullptr;
}

// ---- the fractal -------------------------------------------------------------------------------
static inline int work(int y, int x) {
    return on_map(y, x) ? tyokartta[(size_t)x + (size_t)TYOKARTTA_W * y] : 0;
}

static inline void point(int x, int y, int sum, int spread) {
    // A cell already set (or off the map) keeps its value, but the draw is made all the same, so
    // that the stream goes on as it would.
    uint8_t *cell = on_map(y, x) ? &tyokartta[(size_t)x + (size_t)TYOKARTTA_W * y] : nullptr;
    if (!cell || *cell) {
        VH_rand();
        return;
    }
    int value;
    if (spread < 1)
        value = sum / 2 + VH_rand() % 3;
    else
        value = sum / 2 - spread + VH_rand() % (2 * spread + 1) + 1;
    if (value > 255) value = 510 - value;
    if (value < 1) value = 1;
    *cell = (uint8_t)value;
}

void laskekohta(int x, int y, int sum, int spread) {
    if (tyokartta) point(x, y, sum, spread);
}

static void fill(int x, int y, int s, int spread, int limit) {
    for (;;) {
        const int tl = work(y, x), tr = work(y, x + 2 * s);
        const int bl = work(y + 2 * s, x), br = work(y + 2 * s, x + 2 * s);
        point(x, y + s, tl + bl, spread);
        point(x + s, y + 2 * s, bl + br, spread);
        point(x + 2 * s, y + s, tr + br, spread);
        point(x + s, y, tl + tr, spread);
        point(x + s, y + s, tl + br, spread);
        if (s < 2) return;
        if (s < limit) spread /= 2;
        const int old = s;
        s /= 2;
        fill(x, y, s, spread, limit);
        fill(x + old, y, s, spread, limit);
        fill(x + old, y + old, s, spread, limit);
        // The last quarter goes on in this frame rather than one level deeper.
        y += old;
    }
}

void laskeruutu(int x, int y, int s, int spread, int limit) {
    if (tyokartta) fill(x, y, s, spread, limit);
}

void taytaruutu(int x, int y, int n, int value) {
    for (int j = 0; j < n; j++)
        for (int i = 0; i < n; i++) poketyokartta(y + j, x + i, value);
}

void pehmennaruutu(int c, int r) {
    for (int i = 0; i < 8; i++)
        for (int j = 0; j < 8; j++) laskeruutu(c + 8 * i, r + 8 * j, 4, 8, 2);
}
