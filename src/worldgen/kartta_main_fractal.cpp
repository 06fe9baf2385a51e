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

// One level of a fill: a point is the mean of two corners plus off + a draw % d, where d is
// 2 * spread + 1 and off 1 - spread, or d is 3 and off 0 below a spread of 1.
struct FillLevel {
    int off;
    VH_divisor div;
};

static FillLevel fill_level(int spread) {
    return {spread < 1 ? 0 : 1 - spread, VH_divisor_of(spread < 1 ? 3u : (uint32_t)(2 * spread + 1))};
}

// Whether a cell was set follows the fill's own pattern and no branch guesses it well: the value
// is made either way and the cell keeps what it holds.
static inline void set_point(uint8_t *cell, int sum, int draw, FillLevel l) {
    int value = sum / 2 + VH_mod(draw, l.div) + l.off;
    value = value > 255 ? 510 - value : value;
    value = value < 1 ? 1 : value;
    const uint8_t was = *cell;
    *cell = was ? was : (uint8_t)value;
}

static inline void point(int x, int y, int sum, int draw, FillLevel l) {
    if (on_map(y, x)) set_point(&tyokartta[(size_t)x + (size_t)TYOKARTTA_W * y], sum, draw, l);
}

void laskekohta(int x, int y, int sum, int spread) {
    if (tyokartta) point(x, y, sum, VH_rand(), fill_level(spread));
}

static constexpr VH_jump J1 = VH_jump_of(1), J2 = VH_jump_of(2), J3 = VH_jump_of(3), J4 = VH_jump_of(4),
                         J5 = VH_jump_of(5);

// The five points of one square of side 2s whose top-left corner is c, wholly on the map: the
// middles of the left, bottom, right and top sides and the centre, with the stream's next five
// draws side by side. Answers the state after them. The sides named in `known` (1 left, 4 right,
// 8 top) were set by a neighbour just before: their draws are passed over.
enum { LEFT_SET = 1, RIGHT_SET = 4, TOP_SET = 8 };
template <int known = 0>
__attribute__((always_inline)) static inline uint64_t square(uint8_t *c, int s, FillLevel l, uint64_t st) {
    const int r1 = VH_draw_of(VH_ahead(st, J1)), r2 = VH_draw_of(VH_ahead(st, J2));
    const int r3 = VH_draw_of(VH_ahead(st, J3)), r4 = VH_draw_of(VH_ahead(st, J4));
    st = VH_ahead(st, J5);
    const int r5 = VH_draw_of(st);
    const size_t down = (size_t)TYOKARTTA_W * s;
    const int tl = c[0], tr = c[2 * s], bl = c[2 * down], br = c[2 * down + 2 * s];
    if (!(known & LEFT_SET)) set_point(c + down, tl + bl, r1, l);
    set_point(c + 2 * down + s, bl + br, r2, l);
    if (!(known & RIGHT_SET)) set_point(c + down + 2 * s, tr + br, r3, l);
    if (!(known & TOP_SET)) set_point(c + s, tl + tr, r4, l);
    set_point(c + down + s, tl + br, r5, l);
    return st;
}

// A square wholly on the map and, level by level, its quarters in the order top-left, top-right,
// bottom-right, bottom-left; the state is handed down and back. The quarters of side 2 or 3 have
// no quarters of their own and are done here without a call.
static uint64_t fill_inside(const FillLevel *level, uint8_t *c, int s, uint64_t st) {
    for (;;) {
        st = square(c, s, *level, st);
        if (s < 2) return st;
        const int old = s;
        s /= 2;
        level++;
        const size_t down = (size_t)TYOKARTTA_W * old;
        if (s == 1) {
            const FillLevel l = *level;
            if (old == 3) {
                st = square(c, 1, l, st);
                st = square(c + old, 1, l, st);
                st = square(c + down + old, 1, l, st);
                return square(c + down, 1, l, st);
            }
            // Side 2: the quarters meet, and a side one of them shares with a quarter before it
            // is already set.
            st = square(c, 1, l, st);
            st = square<LEFT_SET>(c + old, 1, l, st);
            st = square<TOP_SET>(c + down + old, 1, l, st);
            return square<TOP_SET | RIGHT_SET>(c + down, 1, l, st);
        }
        st = fill_inside(level, c, s, st);
        st = fill_inside(level, c + old, s, st);
        st = fill_inside(level, c + down + old, s, st);
        // The last quarter goes on in this frame rather than one level deeper.
        c += down;
    }
}

// The same near the edges, where a corner off the map counts 0 and a point off it is not set
// (its draw is made all the same, so that the stream goes on as it would).
static uint64_t fill(const FillLevel *level, int x, int y, int s, uint64_t st) {
    for (;;) {
        if (s >= 0 && x >= 0 && y >= 0 && x + 2 * s < TYOKARTTA_W && y + 2 * s < TYOKARTTA_H)
            return fill_inside(level, tyokartta + (size_t)x + (size_t)TYOKARTTA_W * y, s, st);
        const int r1 = VH_draw_of(VH_ahead(st, J1)), r2 = VH_draw_of(VH_ahead(st, J2));
        const int r3 = VH_draw_of(VH_ahead(st, J3)), r4 = VH_draw_of(VH_ahead(st, J4));
        st = VH_ahead(st, J5);
        const int r5 = VH_draw_of(st);
        const FillLevel l = *level;
        const int tl = work(y, x), tr = work(y, x + 2 * s);
        const int bl = work(y + 2 * s, x), br = work(y + 2 * s, x + 2 * s);
        point(x, y + s, tl + bl, r1, l);
        point(x + s, y + 2 * s, bl + br, r2, l);
        point(x + 2 * s, y + s, tr + br, r3, l);
        point(x + s, y, tl + tr, r4, l);
        point(x + s, y + s, tl + br, r5, l);
        if (s < 2) return st;
        const int old = s;
        s /= 2;
        level++;
        st = fill(level, x, y, s, st);
        st = fill(level, x + old, y, s, st);
        st = fill(level, x + old, y + old, s, st);
        y += old;
    }
}

// The spread halves on every level whose square is smaller than `limit`.
void laskeruutu(int x, int y, int s, int spread, int limit) {
    if (!tyokartta) return;
    FillLevel level[40];           // an int side halves to 1 in under 32 levels
    level[0] = fill_level(spread);
    for (int ss = s, n = 1; ss >= 2 && n < 40; ss /= 2) {
        if (ss < limit) spread /= 2;
        level[n++] = fill_level(spread);
    }
    vh_state = fill(level, x, y, s, vh_state);
}

// The part of the square on the map, row by row.
void taytaruutu(int x, int y, int n, int value) {
    if (!tyokartta || n <= 0) return;
    const int x0 = x < 0 ? 0 : x, x1 = x + n < TYOKARTTA_W ? x + n : TYOKARTTA_W;
    const int y0 = y < 0 ? 0 : y, y1 = y + n < TYOKARTTA_H ? y + n : TYOKARTTA_H;
    for (int j = y0; j < y1 && x0 < x1; j++) memset(tyokartta + (size_t)x0 + (size_t)TYOKARTTA_W * j, value, (size_t)(x1 - x0));
}

void pehmennaruutu(int c, int r) {
    for (int i = 0; i < 8; i++)
        for (int j = 0; j < 8; j++) laskeruutu(c + 8 * i, r + 8 * j, 4, 8, 2);
}
