// The cultures on the world map: settlements with their fields and clearings by culture, the
// culture blocks round them, and the paths between the villages of a culture.
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"

using kartta::VH_rnd;
using kartta::VH_gaussrnd;

int kylia_tehty;

static const uint8_t peltotyypit[8] = {251, 250, 47, 237, 0, 251, 251, 250};
static const uint8_t kaskityypit[13] = {251, 250, 47, 237, 0, 237, 16, 16, 251, 250, 16, 16, 47};
static const uint8_t saaristolaistyypit[9] = {251, 250, 47, 237, 0, 0, 93, 16, 251};

static bool on_map(int row, int col) { return (unsigned)row < 2048 && (unsigned)col < 3072; }

// No settlement, field or path ever replaces a settlement: villages, fortified villages and
// homesteads are all unsuitable.
static int soveltuukylaksi(int row, int col) {
    switch (peekmaailma(row, col)) {
    case 60: case 91: case 93: case 94: case 177: case 178: case 180: case 181: case 182: case 183:
    case 233: case 239: case 210: case 211: case 247:
        return 0;
    default:
        return 1;
    }
}

static int soveltuupoluksi(int row, int col) {
    switch (peekmaailma(row, col)) {
    case 60: case 94: case 177: case 178: case 180: case 181: case 182: case 183: case 233: case 247:
        return 0;
    default:
        return 1;
    }
}

static int polkuvieressa(int row, int col) {
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if ((dx || dy) && peekmaailma(row + dy, col + dx) == 46) return 1;
    return 0;
}

// A settlement or field code goes only onto a suitable cell of the map.
static bool place(int row, int col, int code) {
    if (!on_map(row, col) || !soveltuukylaksi(row, col)) return false;
    if (code) pokemaailma(row, col, code);
    return true;
}

static void fields(int row, int col, int radius, const uint8_t *table, int tablesize, int modulus) {
    for (int dy = -radius; dy <= radius; dy++)
        for (int dx = -radius; dx <= radius; dx++) {
            if (!dx && !dy) continue;
            const int r = VH_rand() % modulus;
            if (r < tablesize) place(row + dy, col + dx, table[r]);
        }
}

static void peltotyypit_at(int row, int col) { fields(row, col, 2, peltotyypit, 8, 12); }

static void kaskityypit_at(int row, int col) {
    place(row, col, VH_rnd(100) < 66 ? 239 : 211);
    fields(row, col, 3, kaskityypit, 13, 16);
}

static void saaristolaistyypit_at(int row, int col) {
    place(row, col, VH_rnd(100) < 80 ? 239 : 211);
    fields(row, col, 1, saaristolaistyypit, 9, 10);
}

static int between(int lo, int hi) { return lo + VH_rand() % (hi - lo + 1); }

// An offset of lo..hi cells, westwards or northwards when a 1..10 roll is at most `west_at`.
static int offset(int lo, int hi, int west_at) {
    const bool west = VH_rnd(10) <= west_at;
    const int d = between(lo, hi);
    return west ? -d : d;
}

static bool suits(int row, int col) { return on_map(row, col) && soveltuukylaksi(row, col); }

static void lay_out(int row, int col, int culture) {
    switch (culture) {
    case 0:
    case 13:
        kaskityypit_at(row, col);
        break;
    case 1:
        place(row, col, VH_rnd(100) < 60 ? 210 : 239);
        peltotyypit_at(row, col);
        for (int i = 0; i < 3; i++) {
            const int r = row + offset(7, 18, 4), c = col + offset(7, 18, 4);
            if (place(r, c, 239)) peltotyypit_at(r, c);
        }
        break;
    case 2:
        kaskityypit_at(row, col);
        // The column is drawn before the row.
        if (VH_rnd(10) > 4) {
            const int c = col + between(5, 9);
            kaskityypit_at(row + between(-3, 5), c);
        }
        if (VH_rnd(10) > 8) {
            const int c = col - between(5, 9);
            kaskityypit_at(row + between(-3, 5), c);
        }
        break;
    case 3:
        place(row, col, 239);
        peltotyypit_at(row, col);
        for (int i = 0; i < 3; i++) {
            // Eastwards and southwards unless a 1..10 roll is at most 4.
            const int r = row + offset(7, 22, 4), c = col + offset(7, 22, 4);
            if (!suits(r, c)) continue;
            if (VH_rnd(12) < 4) {
                place(r, c, VH_rnd(100) < 80 ? 239 : 211);
                peltotyypit_at(r, c);
            } else {
                kaskityypit_at(r, c);
            }
        }
        break;
    case 4:
        place(row, col, 239);
        peltotyypit_at(row, col);
        {
            const int c = col + between(-1, 5);   // the column is drawn before the row
            peltotyypit_at(row + between(-1, 5), c);
        }
        for (int i = 0; i < 2; i++) {
            const int r = row + offset(7, 18, 4), c = col + offset(7, 18, 4);
            if (place(r, c, VH_rnd(100) > 74 ? 211 : 239)) peltotyypit_at(r, c);
        }
        break;
    case 5:
        saaristolaistyypit_at(row, col);
        break;
    case 6:
        if (VH_rnd(10) < 5) place(row, col, 239);
        else kaskityypit_at(row, col);
        peltotyypit_at(row, col);
        if (VH_rnd(10) > 4) kaskityypit_at(row, col);
        for (int i = 0; i < 2; i++) {
            const int r = row + offset(11, 22, 4), c = col + offset(11, 22, 4);
            if (!suits(r, c)) continue;
            if (VH_rnd(10) > 4) kaskityypit_at(r, c);
            else place(r, c, 239);
            peltotyypit_at(r, c);
        }
        break;
    case 11:
        place(row, col, VH_rnd(100) <= 9 ? 210 : 239);
        peltotyypit_at(row, col);
        break;
    default:
        place(row, col, 239);
        break;
    }
}

void asetakulttuuri(int row, int col, int culture) {
    int bx = col / 32, by = row / 32;
    if (bx < 1) bx = 1;
    if (by < 1) by = 1;
    if (bx > 94) bx = 94;
    if (by > 62) by = 62;
    for (int j = by - 1; j <= by + 1; j++)
        for (int i = bx - 1; i <= bx + 1; i++) pokekulttuurikartta(j * 32, i * 32, culture);
}

static int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void luokylia(int row0, int col0, int spread, int count, int culture) {
    kylia_tehty = 0;
    int failures = 0;
    while (kylia_tehty < count) {
        const int row = clamp(row0 + VH_gaussrnd(spread), 0, 2047);
        const int col = clamp(col0 + VH_gaussrnd(spread), 0, 3071);
        if (!soveltuukylaksi(row, col)) {
            if (++failures > 256) return;
            continue;
        }
        failures = 0;
        asetakulttuuri(row, col, culture);
        lay_out(row, col, culture);
        kylia_tehty++;
    }
}

// A village of the culture on its own block.
static bool village_of(int row, int col, int culture) {
    return peekmaailma(row, col) == 239 && peekkulttuurikartta(row, col) == culture;
}

// The straight line from a village to its partner, drawn in a 48-row frame on the work map's corner
// (origin 24 rows above the village) and copied to the world only when every cell of it suits a path.
static void draw_path(int row, int col, int dr, int dc) {
    for (int j = 0; j < 64; j++)
        for (int i = 0; i < 64; i++) poketyokartta(j, i, 0);
    const int n = dc > (dr < 0 ? -dr : dr) ? dc : (dr < 0 ? -dr : dr);
    for (int i = 1; i <= n; i++) {
        const int pr = row + (int)((long)dr * i / n), pc = col + (int)((long)dc * i / n);
        if (!soveltuupoluksi(pr, pc)) return;
        if (!polkuvieressa(pr, pc)) poketyokartta(pr - (row - 24), pc - col, 46);
    }
    for (int j = 0; j <= 48; j++)
        for (int i = 0; i < 32; i++) {
            if (peektyokartta(j, i) != 46) continue;
            const int wr = row - 24 + j, wc = col + i;
            if (on_map(wr, wc) && soveltuukylaksi(wr, wc)) pokemaailma(wr, wc, 46);
        }
}

void yhdistakylia(int row0, int col0, int size, int culture) {
    for (int row = row0; row < row0 + size; row++)
        for (int col = col0; col < col0 + size; col++) {
            if (!village_of(row, col, culture)) continue;
            int found_dr = 0, found_dc = 0;
            for (int dc = 1; dc <= 31 && !found_dc; dc++)
                for (int dr = -24; dr <= 24; dr++)
                    if (village_of(row + dr, col + dc, culture)) {
                        found_dr = dr;
                        found_dc = dc;
                        break;
                    }
            if (found_dc && found_dr) draw_path(row, col, found_dr, found_dc);
        }
}

void luokulttuurit() {
    luokylia(1344, 1344, 600, 32, 13);
    luokylia(220, 320, 256, 32, 9);
    if (inarix && inariy) luokylia(inariy, inarix, 128, 40, 7);
    else luokylia(440, 1160, 128, 30, 7);
    luokylia(512, 1600, 256, 30, 8);
    luokylia(600, 2000, 256, 10, 8);
    edistymisgrafiikka("BARONLY");
    luokylia(1024, 1988, 140, 24, 0);
    luokylia(1144, 1628, 200, 12, 2);
    luokylia(1684, 1920, 320, 11, 3);
    yhdistakylia(1364, 1600, 640, 3);
    edistymisgrafiikka("BARONLY");
    luokylia(896, 512, 280, 14, 4);
    yhdistakylia(616, 232, 560, 4);
    luokylia(driiky - 300, driikx + 360, 220, 8, 6);
    yhdistakylia(driiky - 440, driikx + 160, 320, 6);
    edistymisgrafiikka("BARONLY");
    luokylia(driiky + 100, driikx - 220, 160, 14, 5);
    luokylia(1824, 560, 120, 8, 5);
    luokylia(1824, 320, 200, 6, 5);
    luokylia(driiky, driikx, 180, 9, 1);
    yhdistakylia(driiky - 180, driikx - 180, 360, 1);
    edistymisgrafiikka("BARONLY");
    luokylia(1536, 2560, 256, 32, 11);
    yhdistakylia(1280, 2304, 512, 11);
    edistymisgrafiikka("BARONLY");
}
