// src/worldgen/rndhouse_village.cpp -- settlements laid out on a local map by their culture: the
// village, the new homestead, the fortified village and the raiders' camp. Each culture has its fixed
// recipe of buildings, wished places, sizes and chances; the builders find the exact place and the
// dwellings get their households.
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "maps/zoomstore.h"
#include "worldgen/builders.h"
#include "worldgen/localgen.h"
#include "worldgen/settling.h"

enum : uint8_t { GROUND = 250, BEFORE_KOTA_DOOR = 255 };
enum { RAIDERS = 11 };

// ---- the steps of a recipe ------------------------------------------------------------------------

static bool over(int t) { return random(100) > t; }
// base + random(range), or the base alone for a range of 0.
static int rr(int base, int range) { return range > 0 ? base + random(range) : base; }

// Each step draws its wished place column first, then row, then a size where it has one.
static void house(int x0, int xr, int y0, int yr, int k) {
    const int x = rr(x0, xr), y = rr(y0, yr);
    TeeTalo(x, y, (char)k);
}
static void store(int x0, int xr, int y0, int yr, int size) {
    const int x = rr(x0, xr), y = rr(y0, yr);
    TeeAitta(x, y, size);
}
static void sauna(int x0, int xr, int y0, int yr, int size) {
    const int x = rr(x0, xr), y = rr(y0, yr);
    TeeSauna(x, y, size);
}
static void shop(int x0, int xr, int y0, int yr) {
    const int x = rr(x0, xr), y = rr(y0, yr);
    TeeKauppa(x, y);
}
static void kota(int x0, int xr, int y0, int yr, int k0, int kr) {
    const int x = rr(x0, xr), y = rr(y0, yr), size = rr(k0, kr);
    TeeKota(x, y, (char)size);
}
static void pen(int x0, int xr, int y0, int yr, int k) {
    const int x = rr(x0, xr), y = rr(y0, yr);
    TeeAitaus(x, y, (char)k);
}
// A pen and a storehouse side by side: c = r2 and d = 3 + r4 drawn once for both.
static void pen_and_store(int pen_x, int store_x, int pen_k) {
    const int c = random(2), d = 3 + random(4);
    TeeAitaus(pen_x + c, d, (char)pen_k);
    TeeAitta(store_x + c, d, 2);
}
// Bush patches (or single bushes) while the number made is at most a fresh draw each time.
static void patches(int style, int base, int range);
static void bushes(int style, int base, int range);

// Culture 12 lives in three kotas on open ground, whatever the kind of place.
static void three_kotas() {
    kota(20, 8, 20, 16, 2, 3);
    kota(12, 16, 10, 16, 2, 3);
    kota(22, 16, 10, 26, 2, 3);
    patches(0, 14, 15);
    bushes(0, 249, 100);
}

static void patches(int style, int base, int range) {
    for (int made = 0; made <= rr(base, range); made++) TeePusikko((uint8_t)style);
}
static void bushes(int style, int base, int range) {
    for (int made = 0; made <= rr(base, range); made++) TeePusikkoa((uint8_t)style);
}

// The eastern farmers' and the woodland people's house with a kota beside it, one pair of draws
// a and b placing both.
static void house_and_kota(int house_chance, int k, int kota_chance, int kota_size) {
    const int a = random(16), b = random(8);
    if (house_chance < 0 || over(house_chance)) TeeTalo(10 + a, 16 + b, (char)k);
    if (kota_chance < 0 || over(kota_chance)) {
        const int x = a + random(12) + 4, y = b + random(2) + 10;
        TeeKota(x, y, (char)kota_size);
    }
}

static void ground_everywhere() { memset(Zoom.chars, GROUND, sizeof Zoom.chars); }

// The squares kept clear in front of kota doorways become ground again.
static void clear_kota_doorsteps() {
    for (uint8_t &c : Zoom.chars)
        if (c == BEFORE_KOTA_DOOR) c = GROUND;
}

static void common_start(int culture) {
    Talojen_Maara = Aitausten_Maara = MiesLkm = NaisLkm = ErakonTalo = 0;
    Kyla_Kulttuuri = culture;
    ground_everywhere();
}

// ---- villages --------------------------------------------------------------------------------------

static void village_recipe(int culture) {
    int p;
    switch (culture) {
    case 0:
        house_and_kota(-1, 4, 40, 1);
        if (over(60)) pen_and_store(4, 12, 3);
        sauna(5, 8, 34, 11, 1);
        store(36, 7, 5, 4, 2);
        if (over(30)) store(35, 6, 16, 4, 2);
        if (over(60)) store(37, 4, 34, 5, 2);
        TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(1, 14, 15);
        bushes(1, 49, 100);
        break;
    case 1:
        p = random(100);
        if (over(20)) {
            if (p > 50) store(4, 0, 4, 0, 3);
            else house(4, 0, 4, 0, 2);
        }
        if (over(20)) house(4, 0, 12, 0, 4);
        if (over(20)) store(5, 0, 22, 0, 2);
        p = random(100);
        if (over(20)) {
            if (p < 31) store(4, 0, 32, 0, 3);
            else sauna(4, 0, 32, 0, 2);
        }
        shop(5, 0, 42, 0);
        p = random(100);
        if (over(20)) {
            if (p < 31) shop(16, 0, 4, 0);
            else store(16, 0, 4, 0, 3);
        }
        if (over(20)) store(17, 0, 12, 0, 4);
        if (over(20)) store(16, 0, 22, 0, 2);
        if (over(20)) shop(18, 0, 32, 0);
        if (over(20)) shop(16, 0, 42, 0);
        if (over(20)) house(32, 0, 4, 0, 3);
        p = random(100);
        if (over(20)) {
            if (p > 60) store(34, 0, 12, 0, 4);
            else pen(34, 0, 13, 0, 4);
        }
        if (over(20)) shop(32, 0, 22, 0);
        if (over(20)) pen(32, 0, 32, 0, 3);
        if (over(20)) shop(32, 0, 42, 0);
        TeeKaivo();
        if (over(20)) TeeKaivo();
        if (over(60)) TeeKaivo();
        if (over(66)) TeeLaavu();
        patches(2, 4, 15);
        bushes(2, 19, 50);
        break;
    case 2:
        house(12, 7, 16, 6, 4);
        if (over(20)) pen_and_store(4, 13, 3);
        sauna(5, 8, 38, 4, 1);
        store(36, 7, 5, 4, 2);
        if (over(30)) store(35, 6, 16, 4, 2);
        if (over(60)) store(37, 4, 34, 5, 2);
        if (over(25)) shop(20, 6, 4, 4);
        TeeKaivo();
        if (over(50)) TeeKaivo();
        if (over(50)) TeeLaavu();
        patches(1, 4, 10);
        bushes(1, 49, 50);
        break;
    case 3:
        house(20, 5, 21, 7, 5);
        if (over(33)) house(4, 4, 4, 4, 2);
        if (over(60)) house(20, 4, 4, 4, 2);
        sauna(5, 10, 40, 3, 2);
        pen(4, 3, 19, 3, 6);
        if (over(30)) {
            const int c = random(2);
            TeeAitaus(4 + c, 31, 3);
            TeeAitta(13 + c, 31, 2);
        }
        store(28, 4, 4, 4, 3);
        store(34, 4, 10, 3, 2);
        if (over(33)) store(35, 4, 22, 3, 2);
        if (over(50)) store(32, 4, 32, 3, 2);
        if (over(25)) shop(22, 4, 38, 4);
        if (over(40)) shop(32, 3, 39, 3);
        if (over(40)) shop(40, 3, 4, 4);
        TeeKaivo();
        if (over(30)) TeeKaivo();
        if (over(33)) TeeLaavu();
        patches(1, 4, 10);
        bushes(1, 19, 50);
        break;
    case 4:
        house(20, 4, 4, 4, 5);
        store(10, 4, 16, 4, 2);
        sauna(20, 4, 30, 4, 1);
        shop(30, 4, 16, 4);
        if (over(25)) shop(10, 2, 3, 3);
        if (over(40)) shop(8, 4, 30, 4);
        if (over(40)) store(30, 4, 3, 4, 3);
        if (over(40)) store(30, 4, 30, 4, 2);
        pen(4, 3, 39, 3, 5);
        if (over(40)) {
            const int c = random(2);
            TeeAitaus(20 + c, 38, 5);
            TeeAitta(29 + c, 38, 2);
        }
        TeeKaivo();
        if (over(60)) TeeLaavu();
        patches(2, 4, 10);
        bushes(2, 19, 60);
        break;
    case 5:
        house(10, 16, 16, 8, 4);
        sauna(8, 12, 40, 3, 1);
        store(36, 7, 5, 4, 2);
        if (over(30)) store(35, 6, 16, 4, 2);
        if (over(60)) store(37, 4, 34, 5, 2);
        store(5, 4, 2, 6, 3);
        if (over(25)) shop(20, 6, 4, 4);
        TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(2, 14, 15);
        bushes(2, 49, 100);
        break;
    case 6:
        if (over(33)) store(10, 3, 4, 4, 2);
        house(10, 3, 12, 4, 2);
        if (over(33)) store(2, 3, 12, 4, 2);
        if (over(33)) shop(12, 3, 24, 4);
        if (over(33)) store(2, 3, 24, 4, 2);
        if (over(33)) sauna(2, 4, 36, 4, 2);
        pen(10, 2, 36, 4, 4);
        if (over(33)) house(28, 3, 2, 3, 2);
        if (over(33)) store(28, 3, 12, 4, 2);
        if (over(33)) store(40, 3, 12, 4, 2);
        if (over(33)) shop(28, 3, 24, 4);
        if (random(100) < 51) pen(40, 3, 24, 4, 4);
        else store(40, 3, 24, 4, 2);
        if (over(33)) shop(28, 4, 36, 4);
        TeeKaivo();
        if (over(30)) TeeKaivo();
        if (over(60)) TeeLaavu();
        patches(2, 4, 10);
        bushes(2, 29, 120);
        break;
    case 7:
        if (over(25)) kota(6, 8, 4, 8, 1, 3);
        if (over(25)) kota(24, 8, 12, 8, 1, 3);
        if (over(25)) kota(4, 8, 30, 5, 1, 3);
        if (over(25)) kota(8, 8, 40, 3, 1, 3);
        if (over(40)) kota(30, 8, 32, 8, 1, 3);
        if (over(50)) kota(34, 8, 4, 8, 1, 3);
        if (over(25)) pen(20, 5, 24, 4, 6);
        if (over(20)) store(35, 5, 20, 4, 2);
        if (over(25)) TeeLaavu();
        if (over(25)) TeeLaavu();
        if (over(30)) TeeKaivo();
        patches(0, 14, 15);
        bushes(0, 149, 100);
        break;
    case 8:
        kota(16, 8, 16, 8, 3, 0);
        if (over(25)) kota(6, 8, 4, 8, 1, 3);
        if (over(25)) kota(34, 8, 6, 8, 1, 3);
        if (over(25)) TeeLaavu();
        if (over(25)) TeeLaavu();
        pen(5, 0, 32, 0, 7);
        if (over(35)) pen(34, 0, 33, 0, 7);
        if (over(50)) pen(21, 0, 36, 0, 4);
        if (over(30)) TeeKaivo();
        patches(0, 14, 15);
        bushes(0, 149, 100);
        break;
    case 9:
        kota(16, 8, 16, 8, 3, 0);
        kota(20, 8, 4, 4, 3, 0);
        if (over(25)) TeeLaavu();
        if (over(25)) TeeLaavu();
        if (over(25)) kota(6, 8, 4, 8, 1, 3);
        if (over(25)) kota(34, 8, 6, 8, 1, 3);
        if (over(20)) store(35, 5, 20, 4, 2);
        if (over(70)) sauna(5, 5, 30, 4, 1);
        if (over(20)) pen(15, 5, 30, 0, 6);
        if (over(30)) TeeKaivo();
        patches(0, 14, 15);
        bushes(0, 149, 100);
        break;
    case 10:
        kota(20, 16, 20, 16, 1, 3);
        patches(0, 14, 15);
        bushes(0, 249, 100);
        break;
    case 11:
        house(20, 5, 21, 7, 3);
        if (over(33)) house(4, 4, 4, 4, 2);
        if (over(40)) house(20, 4, 4, 4, 2);
        if (over(40)) pen(4, 3, 19, 3, 4);
        store(28, 4, 4, 4, 3);
        if (over(33)) store(35, 4, 22, 3, 2);
        if (over(50)) store(32, 4, 32, 3, 2);
        if (over(25)) shop(22, 4, 38, 4);
        if (over(40)) shop(32, 3, 39, 3);
        TeeKaivo();
        patches(1, 9, 10);
        bushes(1, 39, 20);
        break;
    case 12:
        three_kotas();
        break;
    case 13:
        house_and_kota(-1, 2, 60, 1);
        if (over(80)) pen_and_store(4, 12, 3);
        if (over(20)) sauna(5, 8, 34, 11, 1);
        if (over(50)) store(36, 7, 5, 4, 2);
        if (over(80)) store(35, 6, 16, 4, 2);
        TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(1, 14, 15);
        bushes(1, 49, 100);
        break;
    default: break;   // a culture of no recipe builds nothing
    }
}

// The end of a village: doorsteps cleared, visitors, and a family when it came out nearly empty.
static void village_end() {
    clear_kota_doorsteps();
    asuta_kyla();
    if (MiesLkm + NaisLkm <= 2) pakkoluo_perhe();
}

void TeeKyla(int culture) {
    common_start(culture);
    village_recipe(culture);
    village_end();
}

// ---- homesteads ------------------------------------------------------------------------------------

static void homestead_recipe(int culture) {
    const bool free = !ErakonTalo;   // a hermit keeps no animals and builds no second house
    switch (culture) {
    case 0:
        house_and_kota(-1, 4, -1, 3);
        if (free && over(82)) pen(4, 2, 3, 4, 2);
        if (over(33)) sauna(5, 8, 34, 11, 1);
        store(37, 4, 34, 5, 2);
        if (over(25)) TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(1, 14, 15);
        bushes(1, 49, 100);
        break;
    case 1:
        house(10, 16, 16, 8, 2);
        if (over(60)) store(17, 0, 12, 0, 4);
        store(16, 0, 22, 0, 2);
        if (free && over(50)) house(32, 0, 4, 0, 3);
        if (free && over(20)) pen(32, 0, 32, 0, 3);
        TeeKaivo();
        if (over(20)) TeeKaivo();
        if (over(20)) TeeLaavu();
        patches(2, 4, 15);
        bushes(2, 19, 50);
        break;
    case 2:
        house(12, 7, 16, 6, 4);
        if (free && over(60)) pen_and_store(4, 13, 2);
        sauna(5, 8, 38, 4, 1);
        store(37, 4, 34, 5, 2);
        if (over(20)) TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(1, 4, 10);
        bushes(1, 49, 50);
        break;
    case 3:
        house(20, 5, 21, 7, 2);
        if (free && over(30)) pen(4, 3, 31, 0, 2);
        store(29, 5, 31, 3, 2);
        if (over(70)) store(32, 4, 32, 3, 2);
        TeeKaivo();
        if (over(20)) TeeLaavu();
        patches(1, 4, 10);
        bushes(1, 19, 50);
        break;
    case 4:
        house(20, 4, 4, 4, 2);
        store(10, 4, 16, 4, 2);
        if (over(20)) sauna(20, 4, 30, 4, 1);
        if (free && over(40)) {
            const int c = random(2);
            TeeAitaus(20 + c, 38, 4);
            TeeAitta(29 + c, 38, 2);
        }
        TeeKaivo();
        if (over(20)) TeeLaavu();
        patches(2, 4, 10);
        bushes(2, 19, 60);
        break;
    case 5:
        house(10, 16, 16, 8, 2);
        if (over(33)) sauna(8, 12, 40, 3, 1);
        if (over(70)) store(37, 4, 34, 5, 2);
        TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(2, 14, 15);
        bushes(2, 49, 100);
        break;
    case 6:
        house(10, 3, 12, 4, 2);
        store(2, 3, 12, 4, 2);
        if (over(33)) sauna(2, 4, 36, 4, 2);
        if (free && over(60)) store(40, 3, 12, 4, 2);
        if (free && over(50)) pen(40, 3, 24, 4, 4);
        TeeKaivo();
        if (over(20)) TeeLaavu();
        patches(2, 4, 10);
        bushes(2, 29, 120);
        break;
    case 7:
        kota(6, 8, 4, 8, 0, 3);
        if (over(50)) kota(24, 8, 12, 8, 1, 3);
        if (over(50)) kota(4, 8, 30, 5, 1, 3);
        if (free && over(50)) pen(20, 5, 24, 4, 6);
        if (over(25)) TeeLaavu();
        if (over(25)) TeeLaavu();
        patches(0, 14, 15);
        bushes(0, 149, 100);
        break;
    case 8:
        kota(16, 8, 16, 8, 3, 0);
        if (over(50)) kota(6, 8, 4, 8, 1, 3);
        if (over(25)) TeeLaavu();
        if (over(25)) TeeLaavu();
        if (free && over(50)) pen(21, 0, 36, 0, 4);
        patches(0, 14, 15);
        bushes(0, 149, 100);
        break;
    case 9:
        kota(16, 8, 16, 8, 3, 0);
        if (over(25)) TeeLaavu();
        if (over(25)) TeeLaavu();
        if (over(60)) kota(6, 8, 4, 8, 1, 2);
        if (over(60)) kota(34, 8, 6, 8, 1, 2);
        if (free && over(50)) pen(15, 5, 30, 0, 6);
        patches(0, 14, 15);
        bushes(0, 149, 100);
        break;
    case 10:
        kota(20, 16, 20, 16, 1, 3);
        patches(0, 14, 15);
        bushes(0, 249, 100);
        break;
    case 11:
        house(20, 5, 21, 7, 2);
        if (free && over(70)) pen(4, 3, 19, 3, 4);
        if (over(70)) store(28, 4, 4, 4, 3);
        TeeKaivo();
        patches(1, 9, 10);
        bushes(1, 39, 20);
        break;
    case 12:
        three_kotas();
        break;
    case 13:
        house_and_kota(60, 2, -1, 3);
        if (over(20)) sauna(5, 8, 34, 11, 1);
        if (over(80)) store(35, 6, 16, 4, 2);
        if (over(25)) TeeKaivo();
        if (over(25)) TeeLaavu();
        patches(1, 14, 15);
        bushes(1, 49, 100);
        break;
    default: break;
    }
}

void TeeUudistalo(int culture) {
    common_start(culture);
    ErakonTalo = random(6) == 0;
    homestead_recipe(culture);
    debuglog("terrain_make", "perkaa start");
    clear_kota_doorsteps();
    debuglog("terrain_make", "perkaa done");
    // Homesteads get no visitors; a hermit stays alone.
    if (MiesLkm + NaisLkm <= 2 && !ErakonTalo) pakkoluo_perhe();
}

// ---- fortified villages and the raiders' camp -----------------------------------------------------

void TeeLinnaKyla(int culture) {
    common_start(culture);
    if (culture == 1) {
        linnoita(1);   // big rocks, the gate east
        village_recipe(1);
    } else if (culture == RAIDERS) {
        linnoita(2);   // a fence, the gate north
        village_recipe(RAIDERS);
    } else {
        TeeUudistalo(culture);
    }
    village_end();
}

void TeeLeiri(int) {
    clear_area();
    ground_everywhere();
    // Small kotas, a raider in each; storehouses with a few raiders and what they took.
    for (int n = 2 + random(2), i = 0; i < n; i++) {
        const int x = 10 + random(44), y = 10 + random(44);
        const ZoomPos p = TeeKota(x, y, 1);
        if (p.x || p.y) settle_person(p.x + 1, p.y + 1, SETTLER_RAIDER);
    }
    for (int n = 2 + random(2), i = 0; i < n; i++) {
        const int x = 10 + random(44), y = 10 + random(44), size = 3 + random(2);
        const ZoomPos p = TeeAitta(x, y, size);
        if (!p.x && !p.y) continue;
        for (int k = random(5), r = 0; r < k; r++) {
            if (!settle_person(p.x + 1, p.y + 1, SETTLER_RAIDER)) break;
            const int loot = object("*RANDOM*", 1);
            const int ix = p.x + 1 + random(2), iy = p.y + 1 + random(2);
            if (loot > 0) aseta_data(ix, iy, DT_ITEM, (uint32_t)loot, 1);
        }
    }
    clear_kota_doorsteps();
}
