// src/maps/korkeus_main.cpp -- local height maps. Each world cell's 65 x 65 corner grid is seeded
// from the base heights of the cell and its neighbours and filled by midpoint subdivision with a
// generator seeded from the cell's coordinates, so a cell always gets the same heights whatever
// the order in which areas are built.
#include "maps/korkeus_main.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "maps/mapunit.h"

uint8_t zoomkorkeus[ZK_SIDE * ZK_SIDE];
uint8_t ykszoomkorkeus[65 * 65];
uint32_t ZZ_rndseed;

int get_isomaailmakorkeus(int row, int column) {
    const int c = in_grid(column, row) ? maailma_alltime[mapidx(column, row)] : CH_BLANK;
    switch (c) {
    case 3: case 93: return 120;
    case 15: return 80;
    case 46: case 210: case 211: case 239: case 251: return 70;
    case 60: return 230;
    case 91: return 180;
    case 94: return 250;
    case 176: return 27;
    case 177: case 178: case 180: case 181: case 182: case 183: case 247: return 1;
    case 233: case 236: return 46;
    case 235: return 60;
    case 238: return 100;
    default: return 50;
    }
}

// The state is 32 bits on every build: the same cell must give the same heights everywhere.
void ZZ_setrnd(uint32_t seed) { ZZ_rndseed = seed; }

float ZZ_rnd(int n) {
    ZZ_rndseed = ZZ_rndseed * 22695477u + 1u;
    return n > 0 ? (float)(ZZ_rndseed % (uint32_t)n) : 0.0f;
}

int peekkorkeus(int a, int b) {
    if ((unsigned)a > 64 || (unsigned)b > 64) return 0;
    return ykszoomkorkeus[a * 65 + b];
}

void pokekorkeus(int a, int b, int h) {
    if ((unsigned)a > 64 || (unsigned)b > 64) return;
    ykszoomkorkeus[a * 65 + b] = (uint8_t)h;
}

void korkeusalustus() { srand((unsigned)time(nullptr)); }

int rel_korkeus(int dx, int dy, int col, int row) {
    if (dx < -3 || dx > 3 || dy < -3 || dy > 3 || (unsigned)col > 63 || (unsigned)row > 63) return 0;
    return zoomkorkeus[((dy + 3) * 64 + row) * ZK_SIDE + (dx + 3) * 64 + col];
}

void alustazoomkorkeus(int y, int x) {
    auto h = [&](int dy, int dx) { return get_isomaailmakorkeus(y + dy, x + dx); };
    memset(ykszoomkorkeus, 0, sizeof ykszoomkorkeus);
    const int c = h(0, 0);
    pokekorkeus(32, 32, c);
    static const int ring[8][2] = {{16, 16}, {16, 32}, {16, 48}, {32, 16}, {32, 48}, {48, 16}, {48, 32}, {48, 48}};
    const int ch = in_grid(x, y) ? maailma_alltime[mapidx(x, y)] : CH_BLANK;
    if (ch == 239 || ch == 86 || ch == 211) {
        // A flat yard below a steep rise.
        if (!(h(-1, 0) <= c + 50 && h(1, 0) <= c + 50 && h(0, -1) <= c + 50 && h(0, 1) <= c + 50))
            for (const auto &p : ring) pokekorkeus(p[0], p[1], c);
    }
    if (c == 27) {
        pokekorkeus(24, 32, 27);
        pokekorkeus(40, 32, 27);
        pokekorkeus(32, 24, 27);
        pokekorkeus(32, 40, 27);
    } else if (c == 1) {
        for (const auto &p : ring) pokekorkeus(p[0], p[1], 1);
    }
    pokekorkeus(0, 32, (h(-1, 0) + c) / 2);
    pokekorkeus(64, 32, (h(1, 0) + c) / 2);
    pokekorkeus(32, 0, (h(0, -1) + c) / 2);
    pokekorkeus(32, 64, (h(0, 1) + c) / 2);
    pokekorkeus(0, 0, ((h(-1, -1) + h(0, -1)) / 2 + peekkorkeus(0, 32)) / 2);
    pokekorkeus(0, 64, ((h(-1, 1) + h(0, 1)) / 2 + peekkorkeus(0, 32)) / 2);
    pokekorkeus(64, 0, ((h(1, -1) + h(0, -1)) / 2 + peekkorkeus(64, 32)) / 2);
    pokekorkeus(64, 64, ((h(1, 1) + h(0, 1)) / 2 + peekkorkeus(64, 32)) / 2);
}

// One point of the subdivision; seeded points and points already made are kept. The squares of a
// subdivision all lie inside the 65 x 65 grid, so the grid is read and written directly. The random
// draw is a whole number below 2a, so adding it in whole numbers gives what the float sum gave.
static inline void korkeus_laskekohta(uint8_t *grid, int col, int row, int sum, int a) {
    int value = sum >> 1;
    if (a > 1) value = (sum >> 1) - a + (int)ZZ_rnd(2 * a);
    if (value < 1) value = 1;
    if (value > 255) value = 255;
    uint8_t &h = grid[row * 65 + col];
    if (h == 0) h = (uint8_t)value;
}

static void korkeus_laskeruutu(uint8_t *grid, int x, int y, int s, int a, int t) {
    auto at = [grid](int col, int row) { return (int)grid[row * 65 + col]; };
    korkeus_laskekohta(grid, x, y + s, at(x, y) + at(x, y + 2 * s), a);
    korkeus_laskekohta(grid, x + s, y + 2 * s, at(x, y + 2 * s) + at(x + 2 * s, y + 2 * s), a);
    korkeus_laskekohta(grid, x + 2 * s, y + s, at(x + 2 * s, y) + at(x + 2 * s, y + 2 * s), a);
    korkeus_laskekohta(grid, x + s, y, at(x + 2 * s, y) + at(x, y), a);
    korkeus_laskekohta(grid, x + s, y + s, at(x + 2 * s, y + s) + at(x, y + s), a);
    if (s < 2) return;
    if (s < t) a /= 2;
    s /= 2;
    korkeus_laskeruutu(grid, x, y, s, a, t);
    korkeus_laskeruutu(grid, x + 2 * s, y, s, a, t);
    korkeus_laskeruutu(grid, x + 2 * s, y + 2 * s, s, a, t);
    korkeus_laskeruutu(grid, x, y + 2 * s, s, a, t);
}

// Height bands 1..43 by the upper bound of each band.
static uint8_t band_of[256];
static void make_bands() {
    static const int upper[43] = {3,   7,   11,  15,  19,  23,  27,  31,  35,  39,  47,  55,  63,  71,  79,
                                  87,  95,  103, 111, 119, 127, 131, 139, 147, 155, 161, 169, 170, 177, 183,
                                  190, 191, 199, 207, 215, 221, 222, 223, 229, 237, 241, 249, 255};
    int band = 0;
    for (int h = 0; h < 256; h++) {
        while (h > upper[band]) band++;
        band_of[h] = (uint8_t)(band + 1);
    }
}

// The cell's 64 x 64 squares of a corner grid as height bands.
static void band_cell(const uint8_t *grid, uint8_t *banded) {
    if (band_of[255] == 0) make_bands();
    for (int r = 0; r < 64; r++)
        for (int c = 0; c < 64; c++) banded[r * 64 + c] = band_of[grid[r * 65 + c]];
}

// A cell's bands into its place in zoomkorkeus.
static void lay_bands(const uint8_t *banded, int row, int col) {
    for (int r = 0; r < 64; r++) memcpy(&zoomkorkeus[(row + r) * ZK_SIDE + col], &banded[r * 64], 64);
}

// A cell's grid depends only on its coordinates, its own world character and the base heights of
// it and its eight neighbours: the grids made lately are kept under those, with the generator's
// state after each, so that the cells shared by neighbouring areas are subdivided once.
namespace {
struct CellKey {
    int32_t x, y;
    uint8_t ch, heights[9];
    bool operator==(const CellKey &o) const { return !memcmp(this, &o, sizeof *this); }
};
struct CellGrid {
    CellKey key;
    bool used;
    uint32_t seed_after;
    uint8_t grid[65 * 65];
    uint8_t banded[64 * 64];   // its squares as height bands, as the area's map takes them
};
constexpr int CELL_CACHE = 256;   // direct-mapped by coordinates: a 16 x 16 block of cells
CellGrid *cell_cache;
}  // namespace

static CellKey cell_key(int y, int x) {
    CellKey k;
    memset(&k, 0, sizeof k);
    k.x = x;
    k.y = y;
    k.ch = (uint8_t)(in_grid(x, y) ? maailma_alltime[mapidx(x, y)] : CH_BLANK);
    for (int dy = -1, n = 0; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) k.heights[n++] = (uint8_t)get_isomaailmakorkeus(y + dy, x + dx);
    return k;
}

static void subdivide_cell(int y, int x) {
    alustazoomkorkeus(y, x);
    ZZ_setrnd((uint32_t)(x + y));
    const int c = peekkorkeus(32, 32);
    if (c < 47) korkeus_laskeruutu(ykszoomkorkeus, 0, 0, 32, 2, 8);
    else if (c < 160) korkeus_laskeruutu(ykszoomkorkeus, 0, 0, 32, 4, 16);
    else korkeus_laskeruutu(ykszoomkorkeus, 0, 0, 32, 6, 8);
}

// The generator as subdividing the cell leaves it, and the cell's bands laid at row, col of
// zoomkorkeus. ykszoomkorkeus holds the cell's grid afterwards when `want_grid` is set; else it may
// hold another cell's (subdividing a cell clears it first, so nothing reads what it held).
static void cell_grid(int y, int x, int row, int col, bool want_grid) {
    if (!cell_cache) cell_cache = static_cast<CellGrid *>(calloc(CELL_CACHE, sizeof(CellGrid)));
    if (!cell_cache) {   // no room to keep them: every cell is subdivided
        static uint8_t banded[64 * 64];
        subdivide_cell(y, x);
        band_cell(ykszoomkorkeus, banded);
        lay_bands(banded, row, col);
        return;
    }
    const CellKey key = cell_key(y, x);
    CellGrid &e = cell_cache[((unsigned)y & 15u) * 16u + ((unsigned)x & 15u)];
    if (e.used && e.key == key) {
        if (want_grid) memcpy(ykszoomkorkeus, e.grid, sizeof e.grid);
        ZZ_rndseed = e.seed_after;
        lay_bands(e.banded, row, col);
        return;
    }
    subdivide_cell(y, x);
    e.key = key;
    e.used = true;
    e.seed_after = ZZ_rndseed;
    memcpy(e.grid, ykszoomkorkeus, sizeof e.grid);
    band_cell(e.grid, e.banded);
    lay_bands(e.banded, row, col);
}

// The cells' heights go into zoomkorkeus as bands; the corner grid of the last cell is left in
// ykszoomkorkeus and the generator as it leaves that cell.
void laskekorkeuskartta(int y0, int x0) {
    for (int i = 0; i < 7; i++)
        for (int j = 0; j < 7; j++) cell_grid(y0 + i, x0 + j, i * 64, j * 64, i == 6 && j == 6);
}
