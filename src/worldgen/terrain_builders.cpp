// src/worldgen/terrain_builders.cpp -- the land of one world cell laid into `Zoom` by its world char:
// surface cover and soil over grown shapes, trees and bushes scattered by count, bog pools and rock.
// Heights are the cell's relief, laid before building; the builders only read them (the cliff
// raises its rock by one).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/ownlib.h"
#include "items/items.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

uint8_t muoto[64][64];

static inline int at(int x, int y) { return y * ZOOM_SIDE + x; }
static inline int clamp63(int v) { return v < 0 ? 0 : v > 63 ? 63 : v; }
static inline bool inside(int x, int y) { return (unsigned)x < 64u && (unsigned)y < 64u; }

// A shape grows by tens of thousands of tries, each drawing twice by the redraw rule of random(n). The
// draws come from the shared stream a block at a time, and whatever is left of the block goes back to
// the stream when the shape is done, so the stream goes on exactly as after the same random(n) calls.
// The remainder is taken by a multiplication instead of a division: exact, the draws are never negative.
namespace {
class BlockDraws {
public:
    BlockDraws() = default;
    BlockDraws(const BlockDraws &) = delete;
    BlockDraws &operator=(const BlockDraws &) = delete;
    ~BlockDraws() { rand_unget(have_ - used_); }
    int32_t next() {
        if (used_ == have_) {
            rand_block(buf_, BLOCK);
            have_ = BLOCK;
            used_ = 0;
        }
        return buf_[used_++];
    }

private:
    enum { BLOCK = 512 };
    int32_t buf_[BLOCK];
    int used_ = 0, have_ = 0;
};

struct Draw {
    uint32_t n;
    uint64_t m;
    explicit Draw(int range) : n((uint32_t)range), m(range > 0 ? UINT64_C(0xFFFFFFFFFFFFFFFF) / (uint32_t)range + 1 : 0) {}
    int mod(int32_t v) const { return (int)(((unsigned __int128)(m * (uint32_t)v) * n) >> 64); }
    int operator()(BlockDraws &draws) const {
        if (n == 0) return 0;
        const int first = mod(draws.next());
        int r = first;
        for (int repeats = 0; repeats < 10; repeats++) {
            r = mod(draws.next());
            if (r != first) break;
        }
        return r;
    }
};
}  // namespace

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
    int core = 0;
    for (int y = cy - h / 3; y < cy + h / 3; y++)
        for (int x = cx - w / 3; x < cx + w / 3; x++)
            if (x >= 1 && x <= 63 && y >= 1 && y <= 63) {
                muoto[y][x] = 1;
                core++;
            }
    if (core == 0 || w <= 0 || h <= 0) return 0;
    // The blob grows until it has added w x h / 2.5 squares. The tries are bounded: a box squeezed
    // against the edge may hold too few growable squares, and the loop must still end. The bound is
    // far above what any size of the builders needs. Each square keeps the count of its neighbours in
    // the shape (a border all round stands for the squares off the map, which never count).
    static uint8_t around[66][66];
    memset(around, 0, sizeof around);
    auto add_square = [](int x, int y) {
        muoto[y][x] = 1;
        for (int dy = 0; dy <= 2; dy++)
            for (int dx = 0; dx <= 2; dx++) around[y + dy][x + dx]++;
        around[y + 1][x + 1]--;
    };
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (muoto[y][x]) add_square(x, y);
    const double target = w * h / 2.5;
    const long limit = 400L * w * h + 4096;
    int grown = 0;
    BlockDraws draws;
    const Draw draw_w(w), draw_h(h);
    for (long t = 0; grown <= target && t < limit; t++) {
        const int x = clamp63(cx - w / 2 + draw_w(draws)), y = clamp63(cy - h / 2 + draw_h(draws));
        // Both halves read at once: the first alone would mispredict at every other try.
        if ((muoto[y][x] == 0) & (around[y + 1][x + 1] > 2)) {
            add_square(x, y);
            grown++;
        }
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
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            const int h = Zoom.height[at(x, y)];
            if (muoto[y][x] && h >= low && h <= high)
                Zoom.surface[at(x, y)] = (uint8_t)aseta_maaperatyyppi(Zoom.surface[at(x, y)], cover);
        }
}

void muodosta_MAAPERA(int soil) {
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (muoto[y][x]) Zoom.surface[at(x, y)] = (uint8_t)aseta_MAAPERA(Zoom.surface[at(x, y)], soil);
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
