// src/worldgen/terrain_builders.cpp -- the land of one world cell laid into `Zoom` by its world char:
// surface cover and soil over grown shapes, trees and bushes scattered by count, bog pools and rock.
// Heights are the cell's relief, laid before building; the builders only read them (the cliff
// raises its rock by one).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "items/items.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

uint8_t muoto[64][64];

static inline int at(int x, int y) { return y * ZOOM_SIDE + x; }
static inline int clamp63(int v) { return v < 0 ? 0 : v > 63 ? 63 : v; }
static inline bool inside(int x, int y) { return (unsigned)x < 64u && (unsigned)y < 64u; }


// ---- scattering ---------------------------------------------------------------------------------

int sopiiko_puun_paikaksi(int x, int y) {
    if (!inside(x, y)) return 0;
    const int h = Zoom.height[at(x, y)];
    if (y > 0 && Zoom.height[at(x, y - 1)] != h) return 0;
    if (y < 63 && Zoom.height[at(x, y + 1)] != h) return 0;
    if (x > 0 && Zoom.height[at(x - 1, y)] != h) return 0;
    if (x < 63 && Zoom.height[at(x + 1, y)] != h) return 0;
    const int soil = MAAPERA(Zoom.surface[at(x, y)]);
    if (soil == 1) return 0;
    if (soil == 2) return random(10) == 0;
    return 1;
}

void zoom_rnd_put(uint8_t ch) {
    const int x = random(64), y = random(64);
    if (sopiiko_puun_paikaksi(x, y)) Zoom.chars[at(x, y)] = ch;
}

static void scatter(uint8_t ch, int tries) {
    for (int i = 0; i < tries; i++) zoom_rnd_put(ch);
}

void PuuPeitto(uint8_t ch, int percent) {
    for (int i = 0; i < 409; i++)
        if (random(100) < percent) zoom_rnd_put(ch);
}

// ---- shapes -------------------------------------------------------------------------------------

int muodosta(int cx, int cy, int w, int h) {
    if (cx - w / 2 < 0) cx = (int)(cx + w / 2.1);
    if (cy - h / 2 < 0) cy = (int)(cy + h / 2.1);
    if (cx + w / 2 > 63) cx = (int)(64 - w / 2.1);
    if (cy + h / 2 > 63) cy = (int)(64 - h / 2.1);
    memset(muoto, 0, sizeof muoto);
    // The core: columns and rows from a third before the centre to a third after, within 1..63.
    const int x0 = cx - w / 3 < 1 ? 1 : cx - w / 3, x1 = cx + w / 3 > 64 ? 64 : cx + w / 3;
    const int y0 = cy - h / 3 < 1 ? 1 : cy - h / 3, y1 = cy + h / 3 > 64 ? 64 : cy + h / 3;
    if (x0 >= x1 || y0 >= y1 || w <= 0 || h <= 0) return 0;
    for (int y = y0; y < y1; y++) memset(&muoto[y][x0], 1, (size_t)(x1 - x0));
    // The blob keeps growing while it has added at most w x h / 2.5 squares. A try falls on (rx, ry) of the
    // w x h box, each place as likely as any other, and grows the square it lands on (the box clamped
    // to the map) when that square is outside the shape with three or more neighbours inside it. Tries
    // that land on no such square change nothing, so only the landings that grow are drawn: one of
    // them, each as likely as another, which is where the first try that grows would have landed.
    // Near the edge several landings share a square, and that square is as much likelier. The shape
    // stops early only when no square can grow.
    static uint8_t around[66][66];   // neighbours inside; the high bit marks a square inside
    static int16_t slot_of[64 * 64];  // landing -> its place in `ready`, while it is there
    static uint16_t ready[64 * 64];   // the landings that grow
    int nready = 0;
    const int span_w = w < 64 ? w : 64, span_h = h < 64 ? h : 64;
    int first_rx[64], last_rx[64], first_ry[64], last_ry[64];
    for (int i = 0; i < 64; i++) first_rx[i] = first_ry[i] = 64, last_rx[i] = last_ry[i] = -1;
    for (int i = 0; i < span_w; i++) {
        const int x = clamp63(cx - w / 2 + i);
        if (first_rx[x] > i) first_rx[x] = i;
        last_rx[x] = i;
    }
    for (int i = 0; i < span_h; i++) {
        const int y = clamp63(cy - h / 2 + i);
        if (first_ry[y] > i) first_ry[y] = i;
        last_ry[y] = i;
    }
    // Around the core rectangle a square's neighbours inside are its 3 x 3 box's overlap with it.
    memset(around, 0, sizeof around);
    auto overlap = [](int a, int lo, int hi) {
        const int from = a - 1 > lo ? a - 1 : lo, to = a + 1 < hi - 1 ? a + 1 : hi - 1;
        return to >= from ? to - from + 1 : 0;
    };
    // The rows of the rectangle and its ring come in a few kinds only (the ring's rows, the core's
    // first and last, the rows between): a row is worked out when its kind changes and copied else.
    const int ring_x1 = x1 < 63 ? x1 : 63, ring_y1 = y1 < 63 ? y1 : 63, ring_w = ring_x1 - (x0 - 1) + 1;
    uint8_t line[66];
    int line_kind = -1;
    for (int y = y0 - 1; y <= ring_y1; y++) {
        const int oy = overlap(y, y0, y1), row_in = y >= y0 && y < y1;
        const int kind = oy * 2 + row_in;
        if (kind != line_kind) {
            for (int x = x0 - 1; x <= ring_x1; x++) {
                const int in_core = row_in && x >= x0 && x < x1;
                uint8_t v = (uint8_t)(overlap(x, x0, x1) * oy - in_core);
                if (in_core) v |= 0x80;
                line[x - (x0 - 1)] = v;
            }
            line_kind = kind;
        }
        memcpy(&around[y + 1][x0], line, (size_t)ring_w);
    }
    auto add_landings = [&](int x, int y) {
        const int ry0 = first_ry[y], rx0 = first_rx[x];
        if (ry0 == last_ry[y] && rx0 == last_rx[x]) {   // the usual square: one landing of its own
            const int landing = ry0 * 64 + rx0;
            slot_of[landing] = (int16_t)nready;
            ready[nready++] = (uint16_t)landing;
            return;
        }
        for (int ry = ry0; ry <= last_ry[y]; ry++)
            for (int rx = first_rx[x]; rx <= last_rx[x]; rx++) {
                const int landing = ry * 64 + rx;
                slot_of[landing] = (int16_t)nready;
                ready[nready++] = (uint16_t)landing;
            }
    };
    auto drop_landings = [&](int x, int y) {
        const int ry0 = first_ry[y], rx0 = first_rx[x];
        if (ry0 == last_ry[y] && rx0 == last_rx[x]) {
            const int landing = ry0 * 64 + rx0, at = slot_of[landing], last = ready[--nready];
            ready[at] = (uint16_t)last;
            slot_of[last] = (int16_t)at;
            return;
        }
        for (int ry = ry0; ry <= last_ry[y]; ry++)
            for (int rx = first_rx[x]; rx <= last_rx[x]; rx++) {
                const int landing = ry * 64 + rx, at = slot_of[landing], last = ready[--nready];
                ready[at] = (uint16_t)last;
                slot_of[last] = (int16_t)at;
            }
    };
    // A square can grow while it is outside the shape with three or more neighbours inside.
    const int left = clamp63(cx - w / 2), right = clamp63(cx - w / 2 + span_w - 1);
    const int top = clamp63(cy - h / 2), bottom = clamp63(cy - h / 2 + span_h - 1);
    // Only the ring round the core has neighbours inside it (nothing else is counted yet), and on a
    // row through the core only the squares left and right of the core can grow: the rest of the
    // box is passed over, in the same reading order.
    const int scan_top = top > y0 - 1 ? top : y0 - 1, scan_bottom = bottom < ring_y1 ? bottom : ring_y1;
    const int scan_left = left > x0 - 1 ? left : x0 - 1, scan_right = right < ring_x1 ? right : ring_x1;
    for (int y = scan_top; y <= scan_bottom; y++) {
        const bool row_in = y >= y0 && y < y1;
        for (int x = scan_left; x <= scan_right; x++) {
            if (row_in && x == x0) x = x1;   // the core's squares are inside already
            if (x > scan_right) break;
            if ((uint8_t)(around[y + 1][x + 1] - 3) < 0x7D) add_landings(x, y);
        }
    }
    const double target = w * h / 2.5;
    int grown = 0;
    while (grown <= target && nready > 0) {
        const int landing = ready[random(nready)];
        const int x = clamp63(cx - w / 2 + landing % 64), y = clamp63(cy - h / 2 + landing / 64);
        drop_landings(x, y);
        muoto[y][x] = 1;
        around[y + 1][x + 1] |= 0x80;
        grown++;
        // A neighbour outside the shape whose count reaches three can grow from now on, in reading order.
        uint8_t *const box = &around[y][x];   // the 3 x 3 box's first square, a row of `around` 66 wide
        auto count = [&](int step, int dx, int dy) {
            if (++box[step] == 3 && inside(x + dx, y + dy)) add_landings(x + dx, y + dy);
        };
        count(0, -1, -1), count(1, 0, -1), count(2, 1, -1);
        count(66, -1, 0), count(68, 1, 0);
        count(132, -1, 1), count(133, 0, 1), count(134, 1, 1);
    }
    return grown;
}

void LuoMuoto(int x, int y, int, int, int kind) {
    int w = 0, h = 0, cx = 0, cy = 0;
    switch (kind) {
    case 1:
        w = 64 - random(16);
        h = 64 - random(16);
        cx = random(32) + 16;
        cy = random(32) + 16;
        break;
    case 2:
        w = 32 - random(8);
        h = 32 - random(8);
        cx = random(32) + 16;
        cy = random(32) + 16;
        break;
    case 4:
        w = random(8) + 8;
        h = random(8) + 8;
        cx = w / 2 + random(64 - w);
        cy = h / 2 + random(64 - h);
        break;
    case 8:
        w = h = 8;
        cx = random(56) + 4;
        cy = random(56) + 4;
        break;
    default: break;
    }
    if (x != 0) {
        cx = x;
        cy = y;
    }
    muodosta(cx, cy, w, h);
}

void LuoVapaaMuoto(int x, int y, int size) {
    memset(muoto, 0, sizeof muoto);
    if (size <= 0) return;
    if (x == 0) {
        x = size / 2 + random(64 - size);
        y = size / 2 + random(64 - size);
    }
    for (int yy = y - size / 4; yy < y + size / 4; yy++)
        for (int xx = x - size / 4; xx < x + size / 4; xx++)
            if (inside(xx, yy)) muoto[yy][xx] = 1;
    for (int t = 0; t < size * size; t++) {
        const int xx = x - size / 2 + random(size), yy = y - size / 2 + random(size);
        if (!inside(xx, yy)) continue;
        if ((yy > 0 && muoto[yy - 1][xx]) || (yy < 63 && muoto[yy + 1][xx]) || (xx > 0 && muoto[yy][xx - 1]) ||
            (xx < 63 && muoto[yy][xx + 1]))
            muoto[yy][xx] = 1;
    }
}

void Pintakasvusto(int cover, int low, int high) {
    // The map's rows and the shape's are both 64 squares wide: one pass over the squares, written so
    // that it goes many squares at a time.
    static_assert(sizeof muoto == ZOOM_SQUARES && ZOOM_SIDE == 64, "the shape covers the map square for square");
    const uint8_t *const shape = &muoto[0][0];
    const uint8_t bits = (uint8_t)(cover & 7);
    if (low <= 0 && high >= 255) {   // every height: the shape alone says where
        for (int i = 0; i < ZOOM_SQUARES; i++) {
            const uint8_t s = Zoom.surface[i];
            Zoom.surface[i] = shape[i] ? (uint8_t)((s & ~7) | bits) : s;
        }
        return;
    }
    for (int i = 0; i < ZOOM_SQUARES; i++) {
        const int h = Zoom.height[i];
        if (shape[i] && h >= low && h <= high) Zoom.surface[i] = (uint8_t)aseta_maaperatyyppi(Zoom.surface[i], cover);
    }
}

void muodosta_MAAPERA(int soil) {
    const uint8_t *const shape = &muoto[0][0];
    for (int i = 0; i < ZOOM_SQUARES; i++) {
        const uint8_t s = Zoom.surface[i];
        Zoom.surface[i] = shape[i] ? (uint8_t)aseta_MAAPERA(s, soil) : s;
    }
}

void LUOPINTA_yhtenainen(int cover, int rounds) {
    LuoMuoto(32, 32, 0, 0, 1);
    Pintakasvusto(cover, 0, 255);
    for (int r = 0; r < rounds; r++) {
        int cx[4], cy[4];
        cx[0] = random(8), cy[0] = random(64);
        cx[1] = 64 - random(8), cy[1] = random(64);
        cx[2] = random(64), cy[2] = random(8);
        cx[3] = random(8), cy[3] = 64 - random(8);
        for (int k = 0; k < 4; k++) {
            LuoMuoto(cx[k], cy[k], 0, 0, 4);
            Pintakasvusto(cover, 0, 255);
        }
    }
}

// Every square inside the shape becomes a bog pool without cover.
static void pools_from_shape() {
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (muoto[y][x]) {
                Zoom.chars[at(x, y)] = CH_SHALLOW_WATER;
                Zoom.surface[at(x, y)] = 0;
            }
}

static void raise_shape() {
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (muoto[y][x] && Zoom.height[at(x, y)] < 255) Zoom.height[at(x, y)]++;
}

// ---- builders -----------------------------------------------------------------------------------

void ZOOMTERRAIN_Jakalakangas() {
    LUOPINTA_yhtenainen(1, 1);
    PuuPeitto(18, 50);
    PuuPeitto(17, 70);
    PuuPeitto(12, 5);
}

void ZOOMTERRAIN_Mountain() {
    LuoMuoto(32, 32, 0, 0, 1);
    Pintakasvusto(2, 0, 34);
    for (int i = 0; i < ZOOM_SQUARES; i++)
        if (Zoom.height[i] >= 34) Zoom.surface[i] = (uint8_t)aseta_MAAPERA(Zoom.surface[i], 1);
}

void ZOOMTERRAIN_Hills() { scatter(10, random(10)); }

void ZOOMTERRAIN_Kallio() {
    muodosta(32, 32, 32, 32);
    muodosta_MAAPERA(1);
    raise_shape();
    for (int k = 0; k < 2; k++) {
        const int x = k == 0 ? random(32) : random(32) + 32, y = random(64);
        const int w = random(32) + 32, h = random(32) + 32;
        muodosta(x, y, w, h);
        muodosta_MAAPERA(1);
        raise_shape();
    }
    for (int k = 0; k < 3; k++) {
        const int x = random(64), y = random(64);
        muodosta(x, y, 12, 12);
        muodosta_MAAPERA(2);
    }
}

void ZOOMTERRAIN_Heathland() {
    scatter(17, 163);
    scatter(18, 1024);
    static const uint8_t kinds[3] = {10, 12, 13};
    for (int i = 0; i < 81; i++) zoom_rnd_put(kinds[random(3)]);
}

void ZOOMTERRAIN_NeedleForest() {
    scatter(12, 409);
    scatter(13, 1024);
}

void ZOOMTERRAIN_Backwoods() {
    LUOPINTA_yhtenainen(2, 1);
    scatter(12, 682);
    scatter(13, 1024);
    for (int i = 0; i < 136; i++) zoom_rnd_put(random(3) < 2 ? 10 : 24);
}

void ZOOMTERRAIN_LeafForest() {
    scatter(24, 204);
    scatter(10, 204);
    scatter(8, 204);
    scatter(237, 204);
}

void ZOOMTERRAIN_Thicket() {
    scatter(24, 409);
    scatter(10, 81);
    scatter(8, 409);
    scatter(237, 204);
}

void ZOOMTERRAIN_OpenBog() {
    LUOPINTA_yhtenainen(2, 8);
    for (int i = 0; i < 20; i++) {
        LuoMuoto(0, 0, 0, 0, 8);
        pools_from_shape();
    }
    const int free_forms = random(10) + 10;
    for (int i = 0; i < free_forms; i++) {
        LuoVapaaMuoto(0, 0, random(5) + 5);
        pools_from_shape();
    }
    PuuPeitto(12, 2);
}

void ZOOMTERRAIN_PineSwamp() {
    LUOPINTA_yhtenainen(2, 4);
    const int free_forms = random(4) + 4;
    for (int i = 0; i < free_forms; i++) {
        LuoVapaaMuoto(0, 0, random(6) + 1);
        pools_from_shape();
    }
    PuuPeitto(17, 8);
    PuuPeitto(18, 1);
    PuuPeitto(12, 2);
}

void DoField(uint8_t clear) {
    if (clear)
        for (uint8_t &c : Zoom.chars)
            if (c == 'R') c = CH_GROUND;
    for (int i = 0; i < 682; i++) {
        const int x = random(64), y = random(64);
        if (Zoom.chars[at(x, y)] == CH_GROUND) Zoom.chars[at(x, y)] = 'R';
    }
    for (int i = 0; i < 53; i++) {
        const int x = random(64), y = random(64);
        Zoom.chars[at(x, y)] = 39;
    }
    for (int obj = 1; obj < CONSTANTOBJ_ROWS; obj++)
        if (ConstantObj[obj].type == 11 && cultivated_crop(obj)) aseta_luonnonkasvi(82, 50, obj);
}

int LuoMaasto(int x, int y) {
    LuontiX = x;
    LuontiY = y;
    switch (get_alltime_maailmachar(x, y)) {
    case 3: ZOOMTERRAIN_Jakalakangas(); break;
    case 60:
        ZOOMTERRAIN_Mountain();
        DoCave(1);
        break;
    case 91: ZOOMTERRAIN_Hills(); break;
    case 93:
        ZOOMTERRAIN_Kallio();
        ZOOMTERRAIN_Heathland();
        break;
    case 94: ZOOMTERRAIN_Mountain(); break;
    case 228: ZOOMTERRAIN_Thicket(); break;
    case 233: ZOOMTERRAIN_OpenBog(); break;
    case 235: ZOOMTERRAIN_Backwoods(); break;
    case 236: ZOOMTERRAIN_PineSwamp(); break;
    case 238: ZOOMTERRAIN_Heathland(); break;
    case 251: DoField(0); break;
    default: return 0;
    }
    return 1;
}
