// The terrain steps of the world generator: the coast and the sea, the northern mountains, lakes,
// forests and mires, rivers with their fords, rapids and end lakes, and the rare symbols.
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"

using kartta::VH_rnd;

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "maps/mapunit.h"

int driikx, driiky;
int inarix, inariy;

static void seed(int x, int y, int value) { poketyokartta(y, x, value); }

// Raw cells for the passes over rows 1..2046 and columns 1..3071, where every neighbour is inside.
static inline uint8_t &W(int y, int x) { return maailma[mapidx(x, y)]; }
static inline int T(int y, int x) { return tyokartta[(size_t)x + (size_t)TYOKARTTA_W * y]; }

static bool is_sea(int c) { return c == 180 || c == 181; }
static bool is_lake(int c) { return c == 182 || c == 183 || c == 247; }

// The codes a step gives the cells of rows 1..2046, columns 1..3071 by their work-map value; 0
// gives none.
struct CodeTable {
    uint8_t code[256];
};

template <typename F>
static CodeTable code_table(F code_of) {
    CodeTable t{};
    for (int v = 0; v < 256; v++) t.code[v] = (uint8_t)code_of(v);
    return t;
}

// The cells still undecided take their code.
static void paint_undecided(const CodeTable &t) {
    for (int y = 1; y <= 2046; y++) {
        uint8_t *row = &W(y, 0);
        const uint8_t *work = tyokartta + (size_t)TYOKARTTA_W * y;
        for (int x = 1; x <= 3071; x++) row[x] = row[x] ? row[x] : t.code[work[x]];
    }
}

// Cells first..first+n-1 of a row take their code over whatever they hold.
static void paint_over(const CodeTable &t, int y, int first, int n) {
    uint8_t *row = &W(y, 0);
    const uint8_t *work = tyokartta + (size_t)TYOKARTTA_W * y;
    for (int x = first; x < first + n; x++) row[x] = t.code[work[x]] ? t.code[work[x]] : row[x];
}

// ---- coast and sea -----------------------------------------------------------------------------
// One sweep over the columns in direction dx, the rows in direction dy: a still undecided cell low
// on the work map with a sea neighbour behind it in the sweep becomes sea. The sweeps run over
// columns 1..3071 and rows 1..2046, so every neighbour lies inside the world layer.
//
// A column is handled whole, as bits: word w of column x holds rows 64w..64w+63, bit 0 the top one.
// `taken` marks the cells that hold something (sea among them), `open` the cells the sea may still
// take. In a column a cell becomes sea when it is open and either a cell of the column behind
// touches it or the cell before it in the sweep holds something: a run of open cells fills from
// its first such cell on, in the sweep's direction, which the doubling steps below do for 64 rows
// at once. The cells taken, and so the sea made, are those of the cell-by-cell walk.
enum { SEA_WORDS = 32 };           // 2048 rows

// Eight cells of a row in one word; bytewise arithmetic keeps each cell to its own byte.
static inline uint64_t load8(const uint8_t *p) {
    uint64_t v;
    memcpy(&v, p, 8);
    return v;
}
static inline void store8(uint8_t *p, uint64_t v) { memcpy(p, &v, 8); }
static const uint64_t HIGH_BITS = 0x8080808080808080ULL;
// 0x80 in every byte that is not 0.
static inline uint64_t nonzero_bytes(uint64_t v) {
    const uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    return (((v & low7) + low7) | v) & HIGH_BITS;
}

static inline uint64_t run_down(uint64_t g, uint64_t p) {   // towards higher rows
    for (int k = 1; k < 64; k *= 2) {
        g |= p & (g << k);
        p &= p << k;
    }
    return g;
}

static inline uint64_t run_up(uint64_t g, uint64_t p) {     // towards lower rows
    for (int k = 1; k < 64; k *= 2) {
        g |= p & (g >> k);
        p &= p >> k;
    }
    return g;
}

static void sea_sweep(uint64_t *taken, uint64_t *open, int dx, int dy) {
    const int x0 = dx > 0 ? 1 : 3071, x1 = dx > 0 ? 3072 : 0;
    for (int x = x0; x != x1; x += dx) {
        uint64_t back[SEA_WORDS], touch[SEA_WORDS];
        for (int w = 0; w < SEA_WORDS; w++) back[w] = taken[(size_t)w * MAP_STRIDE + x - dx];
        for (int w = 0; w < SEA_WORDS; w++) {
            const uint64_t above = w > 0 ? back[w - 1] >> 63 : 0, below = w + 1 < SEA_WORDS ? back[w + 1] << 63 : 0;
            touch[w] = back[w] | back[w] << 1 | above | back[w] >> 1 | below;
        }
        uint64_t carry = 0;
        for (int i = 0; i < SEA_WORDS; i++) {
            const int w = dy > 0 ? i : SEA_WORDS - 1 - i;
            uint64_t &t = taken[(size_t)w * MAP_STRIDE + x];
            uint64_t &o = open[(size_t)w * MAP_STRIDE + x];
            uint64_t g = t | (o & touch[w]);
            if (dy > 0) {
                g |= o & carry;
                g = run_down(g, o);
                carry = g >> 63;
            } else {
                g |= o & (carry << 63);
                g = run_up(g, o);
                carry = g & 1;
            }
            t = g;
            o &= ~g;
        }
    }
}

// The four sweeps of the sea inwards from the open borders.
void sea_sweeps() {
    const size_t words = (size_t)SEA_WORDS * MAP_STRIDE;
    uint64_t *taken = (uint64_t *)worldgen_alloc(words * sizeof(uint64_t));
    uint64_t *open = (uint64_t *)worldgen_alloc(words * sizeof(uint64_t));
    if (!taken || !open) {
        worldgen_out_of_memory = 1;
        free(taken);
        free(open);
        return;
    }
    memset(taken, 0, words * sizeof(uint64_t));
    memset(open, 0, words * sizeof(uint64_t));
    // Eight rows at a time into a byte per column, eight columns to a word, then each byte into its
    // place in the column's word.
    uint8_t tb[MAP_STRIDE + 7], ob[MAP_STRIDE + 7];
    for (int y8 = 0; y8 < 2048; y8 += 8) {
        memset(tb, 0, sizeof tb);
        memset(ob, 0, sizeof ob);
        for (int k = 0; k < 8; k++) {
            const int y = y8 + k;
            const uint8_t *row = maailma + mapidx(0, y);
            const uint8_t *low = tyokartta + (size_t)TYOKARTTA_W * y;
            const bool inner = y >= 1 && y <= 2046;
            for (int x = 0; x < 3072; x += 8) {
                const uint64_t held = nonzero_bytes(load8(row + x));
                store8(tb + x, load8(tb + x) | held >> (7 - k));
                if (inner) store8(ob + x, load8(ob + x) | (~held & ~nonzero_bytes(load8(low + x) & 0xE0E0E0E0E0E0E0E0ULL) & HIGH_BITS) >> (7 - k));
            }
            tb[3072] = (uint8_t)(tb[3072] | (row[3072] != 0) << k);
        }
        ob[0] = 0;                 // column 0 stays as it is
        uint64_t *t = taken + (size_t)(y8 >> 6) * MAP_STRIDE;
        uint64_t *o = open + (size_t)(y8 >> 6) * MAP_STRIDE;
        const int shift = y8 & 63;
        for (int x = 0; x < MAP_STRIDE; x++) {
            t[x] |= (uint64_t)tb[x] << shift;
            o[x] |= (uint64_t)ob[x] << shift;
        }
    }
    sea_sweep(taken, open, 1, 1);
    sea_sweep(taken, open, 1, -1);
    sea_sweep(taken, open, -1, 1);
    sea_sweep(taken, open, -1, -1);
    // The cells that held nothing and were taken are the new sea: 180 low on the work map, else 181.
    // Column 0 always holds something by now, and column 3072 is never swept.
    for (int y8 = 0; y8 < 2048; y8 += 8) {
        const uint64_t *t = taken + (size_t)(y8 >> 6) * MAP_STRIDE;
        const int shift = y8 & 63;
        for (int x = 0; x < MAP_STRIDE; x++) tb[x] = (uint8_t)(t[x] >> shift);
        for (int k = 0; k < 8; k++) {
            const int y = y8 + k;
            if (y < 1 || y > 2046) continue;
            uint8_t *row = maailma + mapidx(0, y);
            const uint8_t *low = tyokartta + (size_t)TYOKARTTA_W * y;
            for (int x = 0; x < 3072; x += 8) {
                const uint64_t cells = load8(row + x), work = load8(low + x);
                const uint64_t sea = ~nonzero_bytes(cells) & load8(tb + x) << (7 - k) & HIGH_BITS;
                const uint64_t below21 = ~((work | HIGH_BITS) - 0x1515151515151515ULL) & ~work & HIGH_BITS;
                const uint64_t mask = (sea >> 7) * 0xFF, code = 0xB5B5B5B5B5B5B5B5ULL - (below21 >> 7);
                store8(row + x, (cells & ~mask) | (code & mask));
            }
        }
    }
    free(taken);
    free(open);
}

void luomerenranta() {
    alustatyokartta();
    // 1. The north coast, walked westwards.
    int y = 2 * (VH_rand() % 32) + 314;
    seed(3071, y + 48, 220);
    seed(3071, y + 64, 220);
    seed(3071, y + 80, 220);
    const int stop = VH_rand() % 192 + 193;
    int x = 3007;
    for (;;) {
        taytaruutu(x, y + 128, 64, 220);
        seed(x, y + 64, 128);
        laskeruutu(x, y, 32, 16, 8);
        laskeruutu(x, y - 64, 32, 8, 4);
        laskeruutu(x, y + 64, 32, 8, 4);
        const int r = VH_rnd(100);
        if (r <= 44 && y > 96) y -= 18 + 2 * (VH_rand() % 8);
        if (y < 256 && r > 60) y += 18 + 2 * (VH_rand() % 8);
        const bool last = x - 64 <= stop;
        x -= 64;
        if (last) break;
    }
    edistymisgrafiikka("BARONLY");
    // 2. The north-west corner, down the diagonal.
    while (x - 64 > 128) {
        x -= 64;
        y += 64;
        seed(x + 64, y + 64, 40);
        seed(x + 64, y + 128, 64);
        seed(x, y + 128, 40);
        seed(x + 128, y + 128, 220);
        seed(x + 128, y + 64, 220);
        laskeruutu(x, y, 32, 8, 4);
        laskeruutu(x, y + 64, 32, 8, 4);
        pehmennaruutu(x - 64, y - 64);
        pehmennaruutu(x, y - 64);
        laskeruutu(x + 64, y + 64, 32, 8, 4);
    }
    edistymisgrafiikka("BARONLY");
    // 3. The west coast, southwards.
    int c = x - 32;
    y += 32;
    const int b = VH_rand() % 5 + 15;
    while (y + 128 < 64 * b) {
        seed(c + 128, y + 128, 64);
        seed(c + 256, y + 128, 220);
        laskeruutu(c, y, 64, 8, 16);
        laskeruutu(c + 128, y, 64, 8, 16);
        pehmennaruutu(c - 64, y);
        pehmennaruutu(c - 64, y + 64);
        const int r = VH_rnd(100);
        if (r < 10 && c > 72) c -= 2 * (15 - VH_rand() % 16);
        if (r > 40) c += 18 + 2 * (VH_rand() % 16);
        y += 128;
    }
    const int Y = y;
    seed(c + 128, Y, 128);
    seed(c + 256, Y, 220);
    seed(c + 256, Y + 128, 220);
    laskeruutu(c, Y, 64, 16, 16);
    laskeruutu(c + 128, Y, 64, 16, 16);
    laskeruutu(c - 128, Y, 64, 10, 4);
    laskeruutu(c - 128, Y - 64, 32, 10, 4);
    laskeruutu(c - 128, Y - 128, 32, 8, 4);
    driiky = ((1664 - Y) / 4) * 3 + Y + 128;
    driikx = 2004 - Y;
    edistymisgrafiikka("BARONLY");
    // 4. The south-west coast, down the diagonal, with the sea floor west of it.
    int k = c + 128;
    int row = Y + 128;
    if (Y + 128 < 1792) {
        for (int inland = Y + 256; inland < 1792; inland += 128, k += 128) {
            row = Y - (c + 128) + k + 128;
            seed(k + 128, row, 128);
            seed(k + 256, row, 220);
            seed(k + 256, inland, 220);
            laskeruutu(k, row, 64, 22, 8);
            laskeruutu(k, inland, 64, 18, 8);
            laskeruutu(k + 128, row, 64, 22, 8);
            for (int col = 2; col < k; col += 128) laskeruutu(col, row, 64, col == 2 ? 9 : col == 130 ? 12 : 18, 4);
        }
        row = Y - (c + 128) + k + 128;
    }
    for (int col = 2; col < k; col += 128) {
        laskeruutu(col, row, 64, col == 2 ? 8 : col == 130 ? 10 : 11, 4);
        laskeruutu(col, row + 128, 32, 8, 4);
        laskeruutu(col + 64, row + 128, 32, 8, 4);
    }
    edistymisgrafiikka("BARONLY");
    // 5. The south coast, eastwards and rising.
    row -= 64;
    for (bool first = true; k < 1920; k += 128, first = false) {
        seed(k, row, 128);
        seed(k + 128, row, 128);
        laskeruutu(k, row, 64, 22, 8);
        taytaruutu(k, row - 128, 128, 220);
        if (first) laskeruutu(k - 64, row + 64, 32, 22, 8);
        laskeruutu(k, row + 128, 32, 12, 4);
        laskeruutu(k + 64, row + 128, 32, 12, 4);
        row -= 1 + VH_rand() % 32;
    }
    seed(1919, row - 64, 128);
    seed(2047, row - 64, 128);
    laskeruutu(1919, row - 64, 128, 16, 8);
    laskeruutu(1919, row + 192, 128, 4, 2);
    seed(3071, row, 120);
    edistymisgrafiikka("BARONLY");
    // 6. The south-east coast.
    for (int col = 2943; col >= 2431; col -= 128) {
        seed(col, row - 128, 120);
        laskeruutu(col, row - 128, 64, 22, 16);
        taytaruutu(col, row - 256, 128, 220);
        laskeruutu(col, row, 32, 12, 2);
        laskeruutu(col + 64, row, 32, 12, 2);
    }
    edistymisgrafiikka("BARONLY");
    // 7. The gulf, northwards, and 8. its head.
    int u = row - 256;
    for (; u > 1280; u -= 256) {
        seed(1920, u, 128);
        seed(2432, u, 128);
        laskeruutu(1920, u, 128, 12, 64);
        laskeruutu(2176, u, 128, 12, 64);
    }
    // The head closes the gulf on the row where the walk stopped.
    for (int col = 1920; col <= 2432; col += 128) seed(col, u, 200);
    laskeruutu(1920, u, 128, 16, 16);
    laskeruutu(2176, u, 128, 16, 16);
    edistymisgrafiikka("BARONLY");

    // The sea: the open borders, then four sweeps inwards from them.
    for (int i = 0; i < 3072; i++) {
        pokemaailma(0, i, 180);
        pokemaailma(2047, i, 180);
    }
    for (int j = 0; j < 2048; j++) pokemaailma(j, 0, 180);
    sea_sweeps();
    static const CodeTable shore = code_table([](int v) { return v == 32 ? 93 : v >= 33 && v <= 37 ? 238 : 0; });
    paint_undecided(shore);
    edistymisgrafiikka("BARONLY");
}

// ---- northern mountains ------------------------------------------------------------------------
static int first_land_row(int x, int rows) {
    if ((unsigned)x >= 3072) return rows > 0 ? 0 : rows;    // off the map every cell reads 0
    for (int y = 0; y < rows && y < 2048; y++)
        if (W(y, x) == 0) return y;
    return rows > 2048 ? 2048 : rows;
}

static void ridge_seeds(int x, int y0) {
    seed(x, y0 + 65 + VH_rand() % 4, 250);
    seed(x, y0 + 100, 250);
    seed(x, y0 + 101, 250);
    seed(x, y0 + 129 + VH_rand() % 16, 250);
    seed(x, y0 + 129 + VH_rand() % 16, 250);
    seed(x, y0 + 201 + VH_rand() % 32, 250);
}

void luopohjoisetvuoret() {
    alustatyokartta();
    for (int x = 3071; x > 1536; x--) ridge_seeds(x, first_land_row(x, 2048));
    int d = 0;
    for (int x = 1536; x >= 1089; x--) {
        const int y0 = first_land_row(x, 2048) + d;
        ridge_seeds(x, y0);
        ridge_seeds(x - 1 - VH_rand() % 4, y0);
        if (VH_rnd(10) > 2) d++;
    }
    edistymisgrafiikka("BARONLY");
    for (int x = 1152; x >= 129; x--) {
        const int u = first_land_row(x, 1025);
        if (u + 1 >= 1024) continue;
        seed(x, u + 82 + VH_rand() % 4, 250);
        seed(x, u + 121, 250);
        seed(x, u + 122, 250);
        seed(x, u + 130 + VH_rand() % 16, 250);
        seed(x, u + 130 + VH_rand() % 16, 250);
        seed(x, u + 202 + VH_rand() % 32, 250);
        const int side = x + 1 + VH_rand() % 8;
        seed(side, u + 121, 250);
        seed(side, u + 122, 250);
    }
    edistymisgrafiikka("BARONLY");
    laskeruutu(2048, 0, 512, 36, 8);
    laskeruutu(1024, 0, 512, 36, 8);
    laskeruutu(0, 0, 512, 36, 8);
    edistymisgrafiikka("BARONLY");
    static const CodeTable heights = code_table([](int v) { return v >= 241 ? 94 : v >= 191 ? 91 : v >= 161 ? 3 : 0; });
    paint_undecided(heights);
}

// ---- lakes ---------------------------------------------------------------------------------------
// The work map per 32 x 32 block from what the world holds: water and high ground keep lakes away.
static void mukautatyokartta() {
    static const CodeTable keep_away = code_table([](int c) {
        switch (c) {
        case 180: return 254;
        case 181: return 200;
        case 93: return 180;
        case 94: return 140;
        case 91: return 120;
        case 3: return 100;
        default: return 0;
        }
    });
    for (int by = 0; by < 64; by++)
        for (int bx = 0; bx < 96; bx++) {
            int value = 0;
            if (bx == 95) {
                value = 240;
            } else {
                for (int y = by * 32; y < by * 32 + 32 && value < 254; y++) {
                    const uint8_t *row = &W(y, bx * 32);
                    for (int x = 0; x < 32; x++) value = keep_away.code[row[x]] > value ? keep_away.code[row[x]] : value;
                }
            }
            taytaruutu(bx * 32, by * 32, 32, value);
        }
}

void luojarvet() {
    mukautatyokartta();
    edistymisgrafiikka("BARONLY");
    laskeruutu(2047, 0, 512, 100, 32);
    laskeruutu(1024, 0, 512, 100, 32);
    laskeruutu(0, 0, 512, 100, 32);
    laskeruutu(2047, 1024, 512, 100, 32);
    laskeruutu(1024, 1024, 512, 100, 32);
    laskeruutu(0, 1024, 512, 100, 32);
    // The meter moves on after every 500001 cells, wherever in a row that falls.
    static const CodeTable lakes = code_table([](int v) { return v < 5 ? 182 : v <= 11 ? 247 : v <= 13 ? 183 : 0; });
    long counted = 0;
    for (int y = 1; y <= 2046; y++)
        for (int x = 1; x <= 3071;) {
            const long to_meter = 500001 - counted % 500001;
            const int n = to_meter < 3072 - x ? (int)to_meter : 3072 - x;
            paint_over(lakes, y, x, n);
            x += n;
            counted += n;
            if (counted % 500001 == 0) edistymisgrafiikka("BARONLY");
        }
}

// ---- forests and mires ---------------------------------------------------------------------------
void luometsat() {
    alustatyokartta();
    seed(1024, 0, VH_rnd(155));
    seed(2048, 0, VH_rnd(155));
    seed(2048, 1024, VH_rnd(155));
    seed(0, 2047, 150);
    seed(512, 2047, 150);
    seed(1024, 2047, 150);
    seed(0, 1024, 150);
    seed(1024, 1024, 150);
    laskeruutu(2047, 0, 512, 100, 16);
    laskeruutu(1024, 0, 512, 100, 16);
    laskeruutu(0, 0, 512, 100, 16);
    edistymisgrafiikka("BARONLY");
    laskeruutu(2047, 1023, 512, 100, 16);
    laskeruutu(1024, 1023, 512, 100, 16);
    laskeruutu(0, 1023, 512, 100, 16);
    edistymisgrafiikka("BARONLY");
    static const CodeTable forests = code_table([](int v) {
        return v < 10 ? 233 : v < 40 ? 236 : v < 120 ? 235 : v < 160 ? 15 : v < 230 ? 238 : v < 250 ? 3 : v < 254 ? 91 : 94;
    });
    paint_undecided(forests);
}

// ---- rivers --------------------------------------------------------------------------------------
// A ford may lie where no ford is near and the cell is not a lake's edge.
static bool soveltuukahluuksi(int row, int col) {
    int lake = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            const int c = peekmaailma(row + dy, col + dx);
            if (c == 176) return false;
            if ((dx || dy) && is_lake(c)) lake++;
        }
    return lake < 2;
}

// Sea, lakes and rapids stay as they are.
static void river_cell(int row, int col, int code) {
    const int c = peekmaailma(row, col);
    if ((c < 180 && c != 177) || (c > 183 && c != 247)) pokemaailma(row, col, code);
}

static int roll_between(int lo, int hi) { return lo + VH_rand() % (hi - lo + 1); }

struct RiverParams {
    int length, base, wiggle, depthmax, rapids, lake;
};

static void luojarvi(int row, int column, int size);   // a river's course may end in a lake

// One course of a river from (row, col); answers whether it ran its whole length, and leaves the end.
static bool luojoki(double &frow, double &fcol, const RiverParams &p, int length, int heading, int depth) {
    int h = heading;
    int since_branch = 0;
    for (int step = 0; step < length; step++) {
        const int oldrow = (int)frow, oldcol = (int)fcol;
        const double rad = h * 3.1415 / 180.0;
        fcol += sin(rad);
        frow += cos(rad);
        const int row = (int)frow, col = (int)fcol;
        if (row < 1 || col < 1 || row > 2046 || col > 3070) return false;
        int code;
        if (VH_rnd(1000) > p.rapids + 920) code = 177;
        else if (soveltuukahluuksi(row, col) && VH_rnd(100) < 15) code = 176;
        else code = 178;
        if (row != oldrow && col != oldcol) {
            if (code == 176) code = 178;
            river_cell(oldrow, col, code);
        }
        river_cell(row, col, code);
        // The heading wanders, more as the river goes on, but keeps near its base.
        int w = step < 15 ? p.wiggle / 2 : step < length / 2 ? p.wiggle : p.wiggle + 5;
        h += roll_between(-w, w);
        if (step >= 6) {
            if (h < p.base - p.wiggle) h = p.base - p.wiggle;
            if (h > p.base + p.wiggle) h = p.base + p.wiggle;
        }
        // Branches leave at even stretches.
        since_branch++;
        const int depthlimit = p.depthmax < 4 ? p.depthmax : 4;
        if (depth < depthlimit && length - step - 1 >= 16 && since_branch == length / 4) {
            since_branch = 0;
            const int a = roll_between(31, 60);
            int branch_h;
            if (VH_rnd(100) > 49) {
                branch_h = h - a / 2;
                h += a / 2;
            } else {
                branch_h = h + a / 2;
                h -= a / 2;
            }
            const int blen = 22 + VH_rand() % (63 + length - (step + 1));
            double brow = frow, bcol = fcol;
            luojoki(brow, bcol, p, blen, branch_h, depth + 1);
            if (p.lake > 7) luojarvi((int)brow, (int)bcol, depth + 1 > 1 ? p.lake / 2 : p.lake);
        }
    }
    return true;
}

static void luojarvi(int row, int column, int size) {
    if (size < 1 || 2 * size + 1 > 1024) return;
    const int side = 2 * size + 1;
    taytaruutu(0, 0, side, 0);
    const int s = size, e = 2 * size;
    seed(0, 0, 64);
    seed(e, 0, 64);
    seed(0, e, 64);
    seed(e, e, 64);
    seed(s, 0, 64);
    seed(0, s, 64);
    seed(e, s, 64);
    seed(s, e, 64);
    seed(s, s, 1);
    laskeruutu(0, 0, size, 8, 8);
    // The lake's square lies in the work map's corner (side < 1024); its place in the world may not.
    for (int j = 0; j < side; j++)
        for (int i = 0; i < side; i++) {
            const int v = T(j, i);
            const int x = column - size + i, y = row - size + j;
            if (v > 13 || (unsigned)x >= 3072 || (unsigned)y >= 2048 || is_sea(W(y, x))) continue;
            W(y, x) = (uint8_t)(v >= 12 ? 183 : v >= 4 ? 247 : 182);
        }
}

void luolaskujoki(int row, int column, int rowrange, int colrange, int length, int heading, int wiggle,
                  int depth, int rapids, int lake, int repeats) {
    int hitrow = -1, hitcol = -1;
    for (int j = 0; j < colrange && hitrow < 0; j++)
        for (int sc = 1; sc >= -1 && hitrow < 0; sc -= 2) {
            if (j == 0 && sc < 0) continue;
            for (int i = 1; i < rowrange && hitrow < 0; i++)
                for (int sr = 1; sr >= -1; sr -= 2)
                    if (is_sea(peekmaailma(row + sr * i, column + sc * j))) {
                        hitrow = row + sr * i;
                        hitcol = column + sc * j;
                        break;
                    }
        }
    if (hitrow <= 0 || hitcol <= 0) return;
    const RiverParams p = {length, heading, wiggle, depth, rapids, lake};
    double frow = hitrow, fcol = hitcol;
    for (int run = 0; run <= repeats; run++) {
        if (frow < 1 || fcol < 1 || length < 31) break;
        const bool whole = luojoki(frow, fcol, p, length, heading, 0);
        if (lake > 7) luojarvi((int)frow, (int)fcol, lake);
        if (rapids == 10) {
            inarix = (int)fcol;
            inariy = (int)frow;
        }
        if (!whole) break;
    }
}

void luojoet() {
    inarix = inariy = 0;
    static const int rivers[10][11] = {
        {1792, 2048, 196, 64, 320, 225, 45, 2, 60, 32, 0}, {1320, 2176, 256, 64, 640, 200, 45, 2, 5, 32, 0},
        {1500, 2000, 96, 256, 320, 225, 45, 3, 4, 128, 2}, {768, 256, 64, 256, 256, 100, 45, 1, 2, 64, 1},
        {960, 256, 64, 256, 312, 105, 35, 2, 2, 32, 0},    {1224, 512, 64, 320, 256, 125, 45, 1, 2, 64, 2},
        {1344, 640, 64, 320, 320, 125, 45, 2, 2, 64, 0},   {1536, 800, 64, 320, 320, 125, 33, 1, 2, 64, 1},
        {256, 1402, 256, 64, 320, 315, 16, 1, 10, 128, 0}, {1792, 1280, 128, 32, 320, 180, 45, 2, 50, 64, 0},
    };
    for (const auto &r : rivers) {
        luolaskujoki(r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10]);
        edistymisgrafiikka("BARONLY");
    }
}

// ---- rare symbols --------------------------------------------------------------------------------
static int neighbours_of(int row, int col, bool (*test)(int)) {
    int n = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if ((dx || dy) && test(peekmaailma(row + dy, col + dx))) n++;
    return n;
}

// The draws of an open land cell, one after another; the cell's new code, or 0.
static int rare_on_land(int y, int x, int B) {
    int to = 0;
    if (VH_rand() % 262144 == 499) to = 250;
    else if (VH_rand() % 16000 == 499) to = 237;
    else if (VH_rand() % 16000 == 499) to = 228;
    else if (VH_rand() % 12000 == 499) to = 93;
    else if (VH_rand() % 8000 == 399) to = 16;
    else if (VH_rand() % B == 4) to = 250;
    else if (VH_rand() % B == 4 || VH_rand() % B + 1 <= 2) to = 16;
    else if (VH_rand() % 500 == 199 && neighbours_of(y, x, is_sea) == 0) to = 247;
    return to;
}

static constexpr VH_jump R1 = VH_jump_of(1), R2 = VH_jump_of(2), R3 = VH_jump_of(3), R4 = VH_jump_of(4),
                         R5 = VH_jump_of(5), R6 = VH_jump_of(6), R7 = VH_jump_of(7), R8 = VH_jump_of(8),
                         R9 = VH_jump_of(9);

// Nearly every land cell makes all nine draws and changes nothing. The nine are taken from the
// state side by side; only when one of them would hit are the draws made again one by one. The
// row's odds B are a constant of each band of rows.
template <uint32_t B>
static void rare_symbols_on_row(int y) {
    for (int x = 1; x <= 3069; x++) {
        const int c = W(y, x);
        if (c == 94) {
            if (VH_rand() % 100 == 4) pokemaailma(y, x, 60);
        } else if (c == 177 || c == 178) {
            if (neighbours_of(y, x, is_lake) >= 4) pokemaailma(y, x, 247);
        } else if (c == 3 || c == 15 || c == 235 || c == 238) {
            const uint64_t st = vh_state;
            auto draw = [st](VH_jump j) { return (uint32_t)VH_draw_of(VH_ahead(st, j)); };
            const bool hit = draw(R1) % 262144 == 499 || draw(R2) % 16000 == 499 || draw(R3) % 16000 == 499 ||
                             draw(R4) % 12000 == 499 || draw(R5) % 8000 == 399 || draw(R6) % B == 4 ||
                             draw(R7) % B == 4 || draw(R8) % B <= 1 || draw(R9) % 500 == 199;
            if (!hit) {
                vh_state = VH_ahead(st, R9);
                continue;
            }
            const int to = rare_on_land(y, x, (int)B);
            if (to) pokemaailma(y, x, to);
        }
    }
}

void satunnaista() {
    for (int y = 1; y <= 2045; y++) {
        if (y <= 512) rare_symbols_on_row<262144>(y);
        else if (y <= 1024) rare_symbols_on_row<128000>(y);
        else if (y <= 1536) rare_symbols_on_row<16000>(y);
        else rare_symbols_on_row<2400>(y);
    }
}
