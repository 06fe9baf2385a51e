// tools/gen_item_tiles.cpp -- paints the pictures of items into "<working folder>/truetile": weapons,
// armour and clothing, jewellery, vessels, tools, timber, food, plants, berries and mushrooms, each a
// 32 x 32 frame around (16, 16). The shape comes from the kind of thing the name tells, the colours
// from its material and a fixed hash of the name, so a knife, a shirt, a pot and a lingonberry are
// told apart at a glance and two shirts of different cloth still differ. Deterministic.
#include "tilepaint.h"

#include <sys/stat.h>
#include <cerrno>

namespace {

typedef std::function<C(int, int)> Paint;

// ---- colours -----------------------------------------------------------------------------------

const C WOOD{140, 100, 60}, DARKWOOD{100, 70, 42}, LIGHTWOOD{190, 156, 106}, IRON{172, 176, 184},
    BRONZE{190, 138, 62}, SILVER{214, 218, 224}, LEATHER{128, 84, 48}, FUR{150, 112, 72}, WOOL{132, 140, 166},
    LINEN{222, 214, 190}, BARK{214, 204, 176}, BARKDARK{80, 70, 60}, STONE{140, 138, 132}, BONE{226, 220, 200},
    LEAF{82, 146, 62}, DARKLEAF{56, 104, 46}, STRAW{214, 186, 110}, ROPE{190, 160, 110};

bool has(const std::string &n, const char *w) { return n.find(w) != std::string::npos; }

uint32_t name_seed(const std::string &n) {
    uint32_t h = 2166136261u;
    for (char c : n) h = (h ^ (uint8_t)c) * 16777619u;
    return h;
}

// A colour between a and b chosen by the name: like things of one kind still differ a little.
C by_name(const std::string &n, C a, C b) { return mixc(a, b, (name_seed(n) % 1000) / 1000.0); }

// The cloth or material a piece of clothing is made of, by the words of its tile name.
C material(const std::string &n) {
    const std::string body = n.substr(3);
    if (has(body, "mail") || has(body, "habe") || has(body, "haub")) return IRON;
    if (has(body, "lam")) return C{150, 120, 80};
    if (has(body, "fur")) return FUR;
    if (has(body, "bb")) return BARK;
    if (body.rfind("wo", 0) == 0 || has(body, "wool") || has(body, "wlno") || has(body, "lngwo")) return WOOL;
    if (body.rfind("lea", 0) == 0 || body.rfind("ls", 0) == 0 || has(body, "cui") || has(body, "shoes") ||
        has(body, "boots") || has(body, "belt"))
        return LEATHER;
    if (has(body, "ungarm") || has(body, "dress") || has(body, "lngshirt") || has(body, "shoshirt") || has(body, "tunic"))
        return LINEN;
    return LEATHER;
}

Paint textured(C base, const std::string &n, double amount = 0.18) {
    const uint32_t seed = name_seed(n);
    return [=](int x, int y) { return shade(base, 1.0 - amount / 2 + amount * rnd(x, y, seed)); };
}

// Mail shows rings, lamellar its rows of plates, fur its tufts.
Paint surface(const std::string &n) {
    const C base = by_name(n, material(n), shade(material(n), 0.85));
    if (material(n).r == IRON.r) return [=](int x, int y) { return (x + 2 * y) % 4 == 0 ? shade(base, 0.6) : base; };
    if (has(n, "lam")) return [=](int x, int y) { return y % 4 == 0 || (x + (y / 4) * 2) % 5 == 0 ? shade(base, 0.65) : base; };
    return textured(base, n, has(n, "fur") ? 0.4 : 0.16);
}

void fill(Frame &f, const std::function<bool(int, int)> &inside, const Paint &paint) {
    for (int y = 0; y < f.h; y++)
        for (int x = 0; x < f.w; x++)
            if (inside(x, y)) f.put(x, y, paint(x, y));
}

void stick(Frame &f, double x0, double y0, double x1, double y1, C c, double w = 1.5) { line(f, x0, y0, x1, y1, c, w); }

// ---- clothing and armour -----------------------------------------------------------------------

void torso(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    const bool sleeveless = has(n, "cui");
    const bool long_body = has(n, "ocoat") || has(n, "nocoat") || has(n, "dress") || has(n, "haub") || has(n, "tunic");
    const bool flared = has(n, "dress") || has(n, "tunic");
    const int bottom = long_body ? 29 : 24;
    fill(f, [&](int x, int y) {
        if (y < 7 || y > bottom) return false;
        const double widen = flared ? (y - 7) * 0.18 : 0;
        return x >= 10 - widen && x <= 21 + widen;
    }, p);
    if (!sleeveless) {
        const bool long_sleeves = !has(n, "shoshi") && !has(n, "shoshirt") && !has(n, "habe");
        const int reach = long_sleeves ? 20 : 14;
        triangle(f, 10, 7, 3, reach, 8, reach + 2, [&](int x, int y) { return p(x, y); });
        triangle(f, 21, 7, 28, reach, 23, reach + 2, [&](int x, int y) { return p(x, y); });
    }
    // The neck opening, and a belt on coats and tunics.
    ellipse(f, 15.5, 7, 2.5, 1.5, [](int, int, double) { return C{40, 34, 30}; });
    for (int x = 10; x <= 21; x++) f.clear(x, 6);
    if (has(n, "ocoat") || has(n, "tunic")) rect(f, 10, 18, 12, 2, shade(LEATHER, 0.7));
    if (has(n, "ungarm") || has(n, "lngshirt") || has(n, "lngwoshi")) stick(f, 15.5, 8, 15.5, 14, shade(material(n), 0.7), 1);
}

void legs(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    fill(f, [&](int x, int y) {
        if (y < 5 || y > 29) return false;
        if (y < 12) return x >= 9 && x <= 22;
        return (x >= 9 && x <= 14 + (y - 12) / 10) || (x >= 17 - (y - 12) / 10 && x <= 22);
    }, p);
    rect(f, 9, 5, 14, 2, shade(material(n), 0.65));
}

void footwear(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    const bool tall = has(n, "boots") || has(n, "sock") || has(n, "rags");
    const bool guard = has(n, "shgu") || has(n, "kneecops");
    if (guard) {
        fill(f, [](int x, int y) { return y >= 5 && y <= 27 && x >= 11 && x <= 20 - (y > 20 ? 1 : 0); }, p);
        for (int y = 9; y < 27; y += 5) stick(f, 11, y, 20, y, shade(material(n), 0.6), 1);
        if (has(n, "knee")) ellipse(f, 15.5, 8, 5, 4, [&](int x, int y, double) { return p(x, y); });
        return;
    }
    const int top = tall ? 6 : 16;
    fill(f, [&](int x, int y) { return (y >= top && y <= 26 && x >= 9 && x <= 16) || (y >= 21 && y <= 26 && x >= 9 && x <= 25); }, p);
    ellipse(f, 24, 23.5, 3, 3, [&](int x, int y, double) { return p(x, y); });
    rect(f, 8, 26, 18, 2, shade(material(n), 0.55));
    if (has(n, "rags")) for (int y = top + 2; y < 24; y += 3) stick(f, 9, y, 16, y + 1, shade(LINEN, 0.8), 1);
}

void headgear(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    if (has(n, "helm")) {
        ellipse(f, 16, 16, 9, 9, [&](int, int, double d) { return shade(IRON, 1.15 - 0.35 * d); });
        for (int x = 0; x < 32; x++)
            for (int y = 17; y < 32; y++) f.clear(x, y);
        rect(f, 6, 16, 20, 2, shade(IRON, 0.7));
        if (has(n, "sphelm")) triangle(f, 16, 2, 13, 9, 19, 9, [](int, int) { return shade(IRON, 1.1); });
        else rect(f, 15, 16, 2, 7, shade(IRON, 0.8));
        return;
    }
    if (has(n, "cowl") || has(n, "hood") || has(n, "veil")) {
        ellipse(f, 16, 15, 9, 11, [&](int x, int y, double) { return p(x, y); });
        ellipse(f, 16, 17, 5, 6, [](int, int, double) { return C{36, 30, 28}; });
        if (has(n, "veil")) for (int y = 20; y < 30; y++) for (int x = 8; x < 25; x++) if ((x + y) % 2) f.put(x, y, shade(LINEN, 0.95));
        if (has(n, "cowl")) rect(f, 7, 24, 18, 5, p(16, 26));
        return;
    }
    if (has(n, "neckl")) {
        for (int a = 0; a < 60; a++) f.put((int)(16 + 9 * std::cos(a * 0.0524)), (int)(10 + 12 * std::sin(a * 0.0524)), BARK);
        rect(f, 13, 21, 6, 5, BARK);
        return;
    }
    // A cap: a dome with a brim.
    ellipse(f, 16, 19, 9, 8, [&](int x, int y, double) { return p(x, y); });
    for (int x = 0; x < 32; x++)
        for (int y = 20; y < 32; y++) f.clear(x, y);
    rect(f, 6, 19, 20, 3, shade(material(n), 0.75));
    if (has(n, "fur")) rect(f, 6, 18, 20, 4, shade(FUR, 1.15));
}

void handwear(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    if (has(n, "fagu") || has(n, "coudes") || has(n, "rere")) {
        fill(f, [](int x, int y) { return y >= 8 && y <= 24 && x >= 6 + (y - 8) / 4 && x <= 26 - (y - 8) / 4; }, p);
        for (int x = 9; x < 24; x += 4) stick(f, x, 9, x + 1, 23, shade(material(n), 0.6), 1);
        if (has(n, "coudes")) ellipse(f, 16, 16, 4, 4, [](int, int, double d) { return shade(IRON, 1.2 - 0.4 * d); });
        return;
    }
    // A mitten: the hand and the thumb.
    ellipse(f, 17, 13, 7, 9, [&](int x, int y, double) { return p(x, y); });
    ellipse(f, 9, 16, 3, 5, [&](int x, int y, double) { return p(x, y); });
    rect(f, 11, 21, 12, 7, shade(material(n), 0.8));
}

void cloak(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    fill(f, [](int x, int y) { return y >= 5 && y <= 29 && x >= 13 - (y - 5) * 0.4 && x <= 18 + (y - 5) * 0.4; }, p);
    ellipse(f, 15.5, 6, 2, 2, [](int, int, double) { return BRONZE; });
}

void apron_or_belt(Frame &f, const std::string &n) {
    const Paint p = surface(n);
    if (has(n, "belt")) {
        for (int a = 0; a < 80; a++) {
            const double t = a * 0.0785;
            f.put((int)(16 + 11 * std::cos(t)), (int)(16 + 6 * std::sin(t)), p(a, 0));
            f.put((int)(16 + 10 * std::cos(t)), (int)(16 + 5 * std::sin(t)), p(a, 1));
        }
        rect(f, 24, 14, 4, 5, BRONZE);
        return;
    }
    fill(f, [](int x, int y) { return y >= 9 && y <= 28 && x >= 9 && x <= 22; }, p);
    stick(f, 4, 9, 27, 9, shade(material(n), 0.6), 1.5);
}

void jewellery(Frame &f, const std::string &n, C metal) {
    if (has(n, "neck") || has(n, "pend")) {
        for (int a = 0; a < 60; a++) f.put((int)(16 + 9 * std::cos(a * 0.0524)), (int)(8 + 10 * std::sin(a * 0.0524)), metal);
        if (has(n, "sun")) {
            ellipse(f, 16, 22, 5, 5, [&](int, int, double d) { return shade(metal, 1.2 - 0.4 * d); });
            for (int i = 0; i < 8; i++) stick(f, 16, 22, 16 + 8 * std::cos(i * 0.785), 22 + 8 * std::sin(i * 0.785), metal, 1);
        } else {
            triangle(f, 12, 18, 20, 18, 16, 27, [&](int, int y) { return shade(metal, 1.2 - (y - 18) * 0.04); });
        }
        return;
    }
    if (has(n, "comb")) {
        rect(f, 7, 10, 18, 6, metal);
        for (int x = 8; x < 25; x += 2) stick(f, x, 16, x, 24, shade(metal, 0.85), 1);
        return;
    }
    if (has(n, "brooch")) {
        ellipse(f, 16, 16, 8, 8, [&](int x, int y, double d) { return d < 0.45 ? shade(metal, 0.7 + 0.1 * rnd(x, y, 3)) : shade(metal, 1.2 - 0.3 * d); });
        stick(f, 6, 20, 26, 12, shade(metal, 0.8), 1);
        if (has(n, "broochs")) ellipse(f, 16, 16, 2, 2, [](int, int, double) { return C{170, 40, 40}; });
        return;
    }
    const bool ring = has(n, "ring");
    const double rx = ring ? 5 : has(n, "anklet") ? 10 : 8, ry = ring ? 5 : has(n, "anklet") ? 5 : 6;
    for (int a = 0; a < 100; a++) {
        const double t = a * 0.0628;
        for (double k : {0.0, 1.0}) f.put((int)(16 + (rx - k) * std::cos(t)), (int)(17 + (ry - k) * std::sin(t)), shade(metal, 1.1 - 0.3 * std::sin(t)));
    }
    if (ring) ellipse(f, 16, 11, 2.5, 2, [](int, int, double) { return C{120, 170, 210}; });
    if (has(n, "scbrace")) for (int i = 0; i < 6; i++) f.put((int)(16 + rx * std::cos(i * 1.05)), (int)(17 + ry * std::sin(i * 1.05)), C{40, 40, 40});
}

// ---- weapons -----------------------------------------------------------------------------------

void knife(Frame &f, const std::string &n) {
    const double len = has(n, "skrama") ? 16 : has(n, "bknife") || has(n, "hknife") ? 13 : 10;
    const C blade = has(n, "stn") ? STONE : has(n, "bknife") ? BRONZE : IRON;
    const C handle = by_name(n, DARKWOOD, has(n, "nknife") ? BONE : LEATHER);
    stick(f, 7, 25, 12, 20, handle, 3);
    triangle(f, 11, 19, 13, 21, 12 + len * 0.72, 20 - len * 0.72, [&](int x, int y) { return shade(blade, 1.1 - 0.1 * ((x + y) % 2)); });
    stick(f, 12, 21, 12 + len * 0.7, 21 - len * 0.7, shade(blade, 0.8), 1);
    if (has(n, "fknife")) stick(f, 10, 18, 14, 22, BRONZE, 1.5);
    if (has(n, "kknife")) ellipse(f, 7, 25, 2, 2, [](int, int, double) { return BRONZE; });
}

void axe(Frame &f, const std::string &n) {
    const bool big = has(n, "broaxe") || has(n, "bataxe") || has(n, "woodaxe") || has(n, "spliaxe");
    const C head = has(n, "stn") ? STONE : IRON;
    stick(f, 8, 29, 21, 5, by_name(n, WOOD, DARKWOOD), 2.2);
    if (has(n, "sickle")) {
        for (int a = 0; a < 40; a++) {
            const double t = -0.4 + a * 0.07;
            f.put((int)(17 + 9 * std::cos(t)), (int)(12 - 8 * std::sin(t)), IRON);
            f.put((int)(17 + 8 * std::cos(t)), (int)(12 - 7 * std::sin(t)), shade(IRON, 0.85));
        }
        return;
    }
    const double w = big ? 9 : 6;
    triangle(f, 18, 5, 18 + w, 3 + (big ? 0 : 2), 19, 13, [&](int x, int y) { return shade(head, 1.15 - 0.05 * (x - 18) + 0.05 * rnd(x, y, 9)); });
    if (has(n, "bataxe") || has(n, "caraxe")) triangle(f, 19, 6, 12, 4, 18, 12, [&](int, int) { return shade(head, 0.9); });
    if (has(n, "spliaxe")) rect(f, 17, 4, 3, 9, shade(head, 0.7));
}

void sword(Frame &f, const std::string &n) {
    const double len = has(n, "shsword") ? 15 : has(n, "bstsword") || has(n, "batsword") ? 22 : 19;
    const double x1 = 8 + len * 0.72, y1 = 24 - len * 0.72;
    if (has(n, "scimitar")) {
        for (int a = 0; a <= 30; a++) {
            const double t = a / 30.0;
            const double x = 9 + (x1 - 9) * t, y = 23 + (y1 - 23) * t - 4 * std::sin(t * 3.14);
            stick(f, x, y, x + 0.5, y + 0.5, IRON, 2);
        }
    } else {
        stick(f, 9, 23, x1, y1, IRON, 2.5);
        stick(f, 9, 23, x1, y1, shade(IRON, 1.2), 0.5);
    }
    stick(f, 5, 22, 11, 28, BRONZE, 2);
    stick(f, 8, 24, 4, 28, by_name(n, LEATHER, DARKWOOD), 2.5);
}

void polearm(Frame &f, const std::string &n) {
    const C shaft = by_name(n, WOOD, LIGHTWOOD);
    stick(f, 4, 29, 25, 6, shaft, has(n, "hrd") ? 2.2 : 1.6);
    if (has(n, "staff")) {
        ellipse(f, 25, 6, 2, 2, [&](int, int, double) { return shade(shaft, 0.8); });
        return;
    }
    if (has(n, "trid")) {
        const double spread = has(n, "wide") ? 5 : has(n, "sma") ? 2.5 : 3.5;
        for (int k = -1; k <= 1; k++) stick(f, 24 + k * spread * 0.7, 7 + k * spread * 0.7, 28 + k * spread * 0.7, 2 + k * spread * 0.7, IRON, 1);
        stick(f, 22 - spread, 9 - spread, 22 + spread, 9 + spread, IRON, 1);
        return;
    }
    const double head = has(n, "javelin") ? 4 : has(n, "ango") ? 7 : has(n, "norspear") ? 8 : 6;
    triangle(f, 29, 2, 29 - head, 5, 26, 2 + head, [](int x, int y) { return shade(IRON, 1.1 - 0.05 * ((x + y) % 3)); });
    if (has(n, "ango")) stick(f, 23, 8, 27, 4, IRON, 1.5);
    if (has(n, "kauspear")) rect(f, 21, 8, 3, 3, BRONZE);
}

void bow(Frame &f, const std::string &n) {
    if (has(n, "crossbow")) {
        stick(f, 6, 24, 24, 10, by_name(n, WOOD, DARKWOOD), 3);
        for (int a = 0; a < 30; a++) {
            const double t = -1.0 + a * 0.067;
            f.put((int)(21 + 8 * std::sin(t) - 3 * std::cos(t)), (int)(13 + 8 * std::sin(t) * 0.8 + 3), IRON);
        }
        stick(f, 14, 6, 27, 20, IRON, 1.5);
        stick(f, 14, 6, 20, 16, C{220, 220, 200}, 1);
        return;
    }
    const double r = has(n, "longbow") ? 14 : has(n, "shortbow") ? 9 : 11;
    const C wood = has(n, "junip") ? C{170, 120, 70} : has(n, "northbow") ? C{110, 80, 50} : by_name(n, WOOD, LIGHTWOOD);
    const double arc = has(n, "northbow") ? 1.25 : 1.0;
    for (int i = 0; i <= 60; i++) {
        const double a = -arc + i * (2 * arc / 60);
        const double x = 8 + r * 0.55 * std::cos(a), y = 16 + r * std::sin(a);
        stick(f, x, y, x + 0.3, y + 0.3, wood, 2);
    }
    stick(f, 8 + r * 0.55 * std::cos(arc), 16 - r * std::sin(arc), 8 + r * 0.55 * std::cos(arc), 16 + r * std::sin(arc), C{226, 222, 200}, 1);
}

void arrow(Frame &f, const std::string &n) {
    stick(f, 5, 26, 25, 6, C{170, 130, 80}, 1.2);
    for (int i = 0; i < 3; i++) stick(f, 5 + i, 26 - i - 3, 5 + i + 3, 26 - i, C{220, 220, 220}, 1);
    if (has(n, "blarrow")) ellipse(f, 25, 6, 2.5, 2.5, [](int, int, double) { return LIGHTWOOD; });
    else if (has(n, "bharrow")) triangle(f, 28, 3, 23, 5, 26, 9, [](int, int) { return BONE; });
    else triangle(f, 28, 3, 22, 6, 25, 9, [](int, int) { return IRON; });
}

void club(Frame &f, const std::string &n) {
    if (has(n, "flail")) {
        stick(f, 6, 28, 14, 14, by_name(n, WOOD, DARKWOOD), 2);
        const double len = has(n, "sflail") ? 8 : 12;
        stick(f, 14, 14, 14 + len * 0.8, 14 - len * 0.6, C{120, 100, 80}, 1);
        ellipse(f, 15 + len * 0.8, 13 - len * 0.6, 3, 3, [](int, int, double d) { return shade(IRON, 1.2 - 0.4 * d); });
        return;
    }
    stick(f, 8, 27, 16, 15, by_name(n, WOOD, DARKWOOD), 2.5);
    ellipse(f, 19, 11, 5, 6, [&](int x, int y, double d) { return shade(by_name(n, WOOD, DARKWOOD), 1.1 - 0.3 * d + 0.1 * rnd(x, y, 4)); });
}

void shield(Frame &f, const std::string &n) {
    const double r = has(n, "buckler") ? 8 : 12;
    const C face = by_name(n, WOOD, C{150, 60, 40});
    ellipse(f, 16, 16, r, r, [&](int x, int y, double d) { return d > 0.8 ? shade(LEATHER, 0.8) : shade(face, 1.0 + 0.1 * rnd(x, y, 6) - ((x / 4) % 2) * 0.08); });
    ellipse(f, 16, 16, 3, 3, [](int, int, double d) { return shade(IRON, 1.2 - 0.5 * d); });
}

// ---- vessels and tools --------------------------------------------------------------------------

void vessel(Frame &f, const std::string &n) {
    const C wood = by_name(n, WOOD, LIGHTWOOD);
    if (has(n, "bbbask")) {
        fill(f, [](int x, int y) { return y >= 12 && y <= 27 && x >= 7 + (27 - y) / 5 && x <= 24 - (27 - y) / 5; },
             [](int x, int y) { return ((x / 3 + y / 3) % 2) ? BARK : shade(BARK, 0.78); });
        for (int a = 0; a < 30; a++) f.put((int)(16 + 8 * std::cos(3.14 + a * 0.105)), (int)(12 + 8 * std::sin(3.14 + a * 0.105)), shade(BARK, 0.7));
        return;
    }
    if (has(n, "bbbox")) {
        rect(f, 8, 11, 16, 15, BARK);
        for (int x = 8; x < 24; x += 4) stick(f, x, 11, x, 25, shade(BARK, 0.8), 1);
        rect(f, 7, 9, 18, 3, shade(BARK, 0.85));
        return;
    }
    if (has(n, "wtrskin")) {
        ellipse(f, 16, 18, 8, 9, [&](int x, int y, double d) { return shade(LEATHER, 1.15 - 0.4 * d + 0.1 * rnd(x, y, 7)); });
        rect(f, 14, 6, 4, 5, shade(LEATHER, 0.8));
        return;
    }
    if (has(n, "horn")) {
        for (int i = 0; i < 20; i++) {
            const double t = i / 19.0;
            ellipse(f, 6 + t * 20, 22 - 14 * t * t, 1 + 3 * t, 1 + 3 * t, [&](int, int, double) { return mixc(C{60, 50, 40}, BONE, t); });
        }
        return;
    }
    if (has(n, "scoop")) {
        ellipse(f, 10, 19, 6, 4, [&](int x, int, double d) { return shade(wood, 1.1 - 0.4 * d + (10 - x) * 0.02); });
        stick(f, 15, 17, 27, 7, wood, 2);
        return;
    }
    const bool tub = has(n, "tub"), bowl = has(n, "bowl"), mug = has(n, "mug"), cup = has(n, "cup");
    const double rx = tub ? 11 : bowl ? 9 : 6, top = tub ? 8 : bowl ? 14 : 10;
    fill(f, [&](int x, int y) { return y >= top && y <= 26 && std::fabs(x + 0.5 - 16) <= rx - (bowl ? (y - top) * 0.35 : (y - top) * 0.1); },
         [&](int x, int y) { return shade(wood, 1.05 - std::fabs(x - 13.0) * 0.025 + 0.06 * rnd(x, y, 8)); });
    ellipse(f, 16, top, rx, 2, [&](int, int, double) { return shade(wood, 0.55); });
    if (tub) for (int y : {13, 22}) stick(f, 5, y, 27, y, C{90, 90, 96}, 1);
    if (mug || cup) {
        for (int a = 0; a < 20; a++) f.put((int)(22 + (mug ? 4 : 3) * std::cos(-1.57 + a * 0.157)), (int)(17 + 4 * std::sin(-1.57 + a * 0.157)), shade(wood, 0.8));
    }
}

void tool(Frame &f, const std::string &n) {
    const C wood = by_name(n, WOOD, LIGHTWOOD);
    if (has(n, "shovel")) {
        stick(f, 16, 3, 16, 18, wood, 2);
        rect(f, 13, 2, 7, 2, wood);
        ellipse(f, 16, 23, 5, 7, [&](int, int, double d) { return has(n, "wd") ? shade(wood, 1.1 - 0.3 * d) : shade(IRON, 1.1 - 0.3 * d); });
        return;
    }
    if (has(n, "punt") || has(n, "raft")) {
        if (has(n, "raft")) {
            for (int i = 0; i < 5; i++) rect(f, 5, 9 + i * 3, 22, 3, shade(wood, 0.85 + 0.06 * i));
            stick(f, 8, 8, 8, 25, ROPE, 1);
            stick(f, 23, 8, 23, 25, ROPE, 1);
        } else {
            fill(f, [](int x, int y) { return y >= 12 && y <= 21 && x >= 3 + (y - 12) / 3 && x <= 28 - (y - 12) / 3; },
                 [&](int x, int y) { return y < 14 ? shade(wood, 0.7) : shade(wood, 1.0 + 0.05 * ((x / 5) % 2)); });
        }
        return;
    }
    if (has(n, "paddle")) {
        stick(f, 6, 26, 20, 12, wood, 1.8);
        ellipse(f, 23, 9, 4, 6, [&](int x, int y, double d) { (void)x; (void)y; return shade(wood, 1.1 - 0.3 * d); });
        return;
    }
    if (has(n, "fishrod")) {
        stick(f, 4, 28, 26, 4, wood, 1.3);
        stick(f, 26, 4, 28, 20, C{220, 220, 220}, 0.5);
        ellipse(f, 28, 21, 1.5, 1.5, [](int, int, double) { return C{200, 40, 40}; });
        return;
    }
    if (has(n, "skistick") || has(n, "wdstake") || has(n, "sesta")) {
        const bool stake = has(n, "stake"), pole = has(n, "sesta");
        stick(f, pole ? 3 : 8, 29, pole ? 28 : 24, pole ? 3 : 5, wood, stake ? 2.5 : 1.5);
        if (stake) triangle(f, 6, 28, 10, 30, 5, 31, [&](int, int) { return shade(wood, 0.7); });
        if (has(n, "skistick")) for (int a = 0; a < 20; a++) f.put((int)(11 + 3 * std::cos(a * 0.314)), (int)(24 + 1.5 * std::sin(a * 0.314)), LEATHER);
        if (pole) stick(f, 26, 4, 29, 3, IRON, 1.5);
        return;
    }
    if (has(n, "board") || has(n, "bark") || has(n, "defpelt") || has(n, "pawboard")) {
        if (has(n, "bark")) {
            fill(f, [](int x, int y) { return y >= 10 && y <= 22 && x >= 5 && x <= 26; },
                 [](int x, int y) { return (y % 4 == 0 && rnd(x, y, 3) > 0.4) ? BARKDARK : shade(BARK, 0.95 + 0.1 * rnd(x, y, 5)); });
        } else if (has(n, "defpelt")) {
            ellipse(f, 16, 16, 9, 7, [&](int x, int y, double) { return shade(FUR, 0.85 + 0.3 * rnd(x, y, 4)); });
            for (int k : {-1, 1}) {
                stick(f, 16 + k * 7, 11, 16 + k * 12, 6, FUR, 2);
                stick(f, 16 + k * 7, 21, 16 + k * 12, 26, FUR, 2);
            }
        } else if (has(n, "pawboard")) {
            rect(f, 7, 8, 18, 16, wood);
            for (int i = 0; i < 4; i++) ellipse(f, 11 + i * 3.5, 13 + (i % 2) * 2, 1.2, 1.6, [](int, int, double) { return C{40, 30, 24}; });
            ellipse(f, 16, 19, 3, 2.5, [](int, int, double) { return C{40, 30, 24}; });
        } else {
            fill(f, [](int x, int y) { return y >= 11 && y <= 20 && x >= 3 && x <= 28; },
                 [&](int x, int y) { return shade(wood, 0.95 + 0.1 * noise(x * 0.2, y * 1.3, 2)); });
        }
        return;
    }
    if (has(n, "twig") || has(n, "vasta")) {
        const C c = has(n, "spr") ? C{90, 70, 50} : C{150, 120, 100};
        for (int i = 0; i < 6; i++) stick(f, 8 + i, 28, 12 + i * 3, 6 + (i % 2) * 3, c, 1);
        if (has(n, "vasta")) for (int i = 0; i < 14; i++) ellipse(f, 9 + rnd(i, 0, 5) * 16, 5 + rnd(i, 1, 5) * 14, 2, 1.5, [](int, int, double) { return LEAF; });
        else if (has(n, "spr")) for (int i = 0; i < 20; i++) f.put((int)(10 + rnd(i, 0, 6) * 14), (int)(6 + rnd(i, 1, 6) * 16), DARKLEAF);
        rect(f, 10, 24, 8, 2, ROPE);
        return;
    }
    if (has(n, "withe") || has(n, "cord")) {
        const C c = has(n, "cord") ? C{170, 150, 120} : has(n, "spr") ? C{120, 100, 70} : C{170, 140, 100};
        for (int i = 0; i < 4; i++)
            for (int a = 0; a < 50; a++) f.put((int)(16 + (9 - i * 1.5) * std::cos(a * 0.126)), (int)(16 + (6 - i) * std::sin(a * 0.126)), shade(c, 1.0 - i * 0.06));
        return;
    }
    if (has(n, "firewood")) {
        for (int i = 0; i < 3; i++)
            for (int j = 0; j < 3 - i; j++)
                triangle(f, 7 + j * 7 + i * 3.5, 26 - i * 6, 13 + j * 7 + i * 3.5, 26 - i * 6, 10 + j * 7 + i * 3.5, 20 - i * 6,
                         [&](int x, int y) { return rnd(x, y, 7) > 0.7 ? LIGHTWOOD : shade(wood, 0.9); });
        return;
    }
    if (has(n, "bandage")) {
        ellipse(f, 13, 17, 6, 6, [](int x, int y, double d) { return d < 0.2 ? shade(LINEN, 0.8) : shade(LINEN, 1.05 - 0.1 * rnd(x, y, 2)); });
        rect(f, 14, 11, 14, 4, LINEN);
        return;
    }
    if (has(n, "candle")) {
        rect(f, 13, 12, 6, 15, C{236, 228, 190});
        ellipse(f, 16, 9, 1.5, 3, [](int, int, double d) { return mixc(C{255, 240, 160}, C{230, 120, 30}, d); });
        return;
    }
    if (has(n, "egg")) {
        ellipse(f, 16, 17, 5, 7, [](int x, int y, double d) { return shade(C{232, 222, 196}, 1.08 - 0.25 * d + 0.04 * rnd(x, y, 3)); });
        return;
    }
    if (has(n, "flbread")) {
        ellipse(f, 16, 17, 11, 6, [](int x, int y, double d) { return rnd(x, y, 4) > 0.85 ? C{120, 80, 40} : shade(C{200, 160, 100}, 1.05 - 0.2 * d); });
        ellipse(f, 16, 17, 2, 1.5, [](int, int, double) { return C{90, 70, 50}; });
        return;
    }
    if (has(n, "tr-loop")) {
        stick(f, 16, 28, 16, 14, wood, 1.5);
        for (int a = 0; a < 40; a++) f.put((int)(16 + 6 * std::cos(a * 0.157)), (int)(9 + 5 * std::sin(a * 0.157)), C{200, 200, 190});
        return;
    }
    rect(f, 10, 12, 12, 10, C{150, 120, 80});
}

// ---- timber and stone --------------------------------------------------------------------------

void timber(Frame &f, const std::string &n) {
    if (n == "stone" || n == "rock") {
        const double s = n == "rock" ? 1.5 : 1.0;
        ellipse(f, 16, 19, 7 * s, 5 * s, [&](int x, int y, double d) { return shade(STONE, 1.15 - 0.45 * d + 0.12 * rnd(x, y, 2)); });
        return;
    }
    if (n == "wdblk") {
        fill(f, [](int x, int y) { return x >= 8 && x <= 23 && y >= 12 && y <= 27; }, [](int x, int y) { return shade(WOOD, 0.9 + 0.1 * rnd(x, y, 1)); });
        ellipse(f, 16, 12, 8, 3, [](int, int, double d) { return d < 0.3 ? LIGHTWOOD : shade(LIGHTWOOD, 0.9); });
        return;
    }
    const bool slender = n == "sltrunk", whole = n != "log";
    const double w = slender ? 3 : whole ? 6 : 5;
    stick(f, 2, 27, 28, 8, n == "log" ? WOOD : C{96, 80, 64}, w);
    if (whole) for (int i = 0; i < 9; i++) f.put(4 + i * 3, 25 - i * 2, C{60, 50, 40});
    ellipse(f, 28, 8, w / 2 + 0.5, w / 2 + 0.5, [](int, int, double d) { return d < 0.25 ? C{150, 110, 70} : LIGHTWOOD; });
}

// ---- food, plants, berries and mushrooms --------------------------------------------------------

void food(Frame &f, const std::string &n) {
    if (has(n, "fish")) {
        ellipse(f, 14, 16, 10, 4, [](int, int y, double) { return y < 15 ? C{96, 120, 110} : C{206, 210, 204}; });
        triangle(f, 23, 16, 29, 11, 29, 21, [](int, int) { return C{86, 110, 100}; });
        f.put(8, 15, C{20, 20, 20});
        return;
    }
    if (has(n, "fat")) {
        ellipse(f, 16, 18, 9, 6, [](int x, int y, double d) { return shade(C{240, 232, 210}, 1.05 - 0.2 * d - 0.05 * rnd(x, y, 2)); });
        return;
    }
    ellipse(f, 16, 17, 9, 7, [](int x, int y, double d) { return d > 0.75 ? C{236, 224, 204} : shade(C{176, 52, 50}, 0.9 + 0.2 * rnd(x, y, 1)); });
    ellipse(f, 19, 15, 2, 2, [](int, int, double) { return BONE; });
}

struct Look {
    const char *name;
    C colour;
};

const Look berry_colours[] = {
    {"lingon", {200, 30, 40}}, {"crow", {30, 28, 36}}, {"blue", {60, 80, 160}}, {"bil", {50, 50, 110}},
    {"rasp", {210, 60, 90}},  {"straw", {226, 40, 40}}, {"cloud", {236, 150, 50}}, {"blkcur", {40, 26, 50}},
};

void berries(Frame &f, const std::string &n) {
    C c{150, 40, 60};
    for (const Look &l : berry_colours)
        if (has(n, l.name)) c = l.colour;
    stick(f, 16, 29, 16, 18, DARKLEAF, 1);
    for (int i = 0; i < 3; i++) ellipse(f, 9 + i * 7, 22 + (i % 2) * 2, 3.5, 2, [](int, int, double) { return LEAF; });
    const double r = has(n, "cloud") || has(n, "rasp") || has(n, "straw") ? 3.3 : 2.4;
    const int count = has(n, "cloud") || has(n, "straw") ? 3 : 7;
    for (int i = 0; i < count; i++) {
        const double x = 9 + rnd(i, 0, name_seed(n)) * 14, y = 7 + rnd(i, 1, name_seed(n)) * 10;
        ellipse(f, x, y, r, r, [&](int, int, double d) { return d < 0.2 ? mixc(c, C{255, 255, 255}, 0.5) : shade(c, 1.05 - 0.3 * d); });
    }
}

const Look mushroom_caps[] = {
    {"noaidis", {200, 40, 30}}, {"blkear", {50, 40, 36}}, {"hairy", {200, 150, 110}}, {"ycoat", {220, 180, 60}},
    {"bearpaw", {150, 90, 50}},  {"yfingers", {240, 200, 70}}, {"sand", {200, 170, 120}}, {"bcoat", {120, 80, 50}},
    {"soft", {170, 130, 90}},   {"ukkos", {110, 60, 40}},  {"rlegger", {180, 70, 40}},  {"ringed", {190, 150, 90}},
    {"gift", {236, 236, 226}},
};

void mushroom(Frame &f, const std::string &n) {
    C cap{170, 110, 60};
    for (const Look &l : mushroom_caps)
        if (has(n, l.name)) cap = l.colour;
    if (has(n, "fingers")) {
        for (int i = 0; i < 5; i++) stick(f, 10 + i * 3, 28, 8 + i * 4, 10 + (i % 2) * 4, cap, 2);
        return;
    }
    const C stem = has(n, "rlegger") ? C{200, 90, 60} : C{230, 222, 200};
    rect(f, 14, 16, 5, 11, stem);
    if (has(n, "ringed")) rect(f, 13, 19, 7, 2, shade(stem, 0.8));
    ellipse(f, 16.5, 15, 9, 5, [&](int x, int y, double d) { return shade(cap, 1.15 - 0.35 * d + 0.06 * rnd(x, y, 3)); });
    for (int x = 0; x < 32; x++)
        for (int y = 16; y < 21; y++) {
            C c;
            if (f.get(x, y, c) && (x < 14 || x > 18)) f.clear(x, y);
        }
    if (has(n, "noaidis")) for (int i = 0; i < 6; i++) ellipse(f, 11 + rnd(i, 0, 9) * 11, 11 + rnd(i, 1, 9) * 3, 1, 1, [](int, int, double) { return C{250, 250, 240}; });
}

const Look flower_colours[] = {
    {"dogpipe", {240, 240, 230}}, {"milkweed", {200, 110, 170}}, {"bogbean", {240, 220, 230}}, {"mcalla", {250, 250, 250}},
    {"clayweed", {240, 210, 40}}, {"burdock", {170, 60, 140}},   {"stncrop", {250, 220, 60}},  {"mpipe", {250, 250, 240}},
    {"brdbean", {236, 236, 236}}, {"pea", {210, 140, 220}},      {"nettle", {120, 150, 80}},   {"yarrow", {244, 240, 228}},
    {"sorrel", {170, 60, 50}},    {"meadsw", {246, 240, 210}},   {"grod", {250, 200, 50}},     {"heather", {190, 90, 160}},
    {"bogflo", {250, 250, 120}},  {"riverpig", {240, 200, 60}},  {"wlily", {250, 250, 250}},
};

void plant(Frame &f, const std::string &n) {
    if (has(n, "barley") || has(n, "rye") || has(n, "hemp")) {
        const C ear = has(n, "hemp") ? C{110, 150, 80} : STRAW;
        for (int i = 0; i < 4; i++) {
            const double top = 9 + (i % 2) * 3, x0 = 7 + i * 6;
            stick(f, 16, 30, x0, top, shade(STRAW, 0.8), 1);
            for (int k = 0; k < 4; k++) ellipse(f, x0 + (k % 2 ? 1 : -1), top - 1 - k * 2, 1.2, 1.1, [&](int, int, double) { return ear; });
            if (!has(n, "hemp")) stick(f, x0, top - 8, x0 + 1, top - 12, shade(STRAW, 1.1), 0.5);
        }
        return;
    }
    if (has(n, "lakereed")) {
        for (int i = 0; i < 5; i++) stick(f, 10 + i * 3, 29, 8 + i * 4, 5 + (i % 3) * 2, i % 2 ? LEAF : DARKLEAF, 1.2);
        rect(f, 15, 4, 2, 7, C{110, 70, 40});
        return;
    }
    if (has(n, "turnip")) {
        ellipse(f, 16, 21, 7, 6, [](int, int y, double d) { return y < 19 ? C{170, 120, 170} : shade(C{236, 226, 200}, 1.05 - 0.2 * d); });
        for (int i = 0; i < 3; i++) stick(f, 16, 15, 10 + i * 6, 4, LEAF, 2);
        return;
    }
    if (has(n, "wlily")) {
        ellipse(f, 16, 22, 11, 5, [](int, int, double d) { return shade(LEAF, 1.05 - 0.2 * d); });
        for (int i = 0; i < 6; i++) ellipse(f, 16 + 4 * std::cos(i * 1.05), 16 + 2.5 * std::sin(i * 1.05), 2.5, 2, [](int, int, double) { return C{250, 250, 250}; });
        ellipse(f, 16, 16, 1.5, 1.5, [](int, int, double) { return C{240, 210, 60}; });
        return;
    }
    C flower{240, 240, 240};
    for (const Look &l : flower_colours)
        if (has(n, l.name)) flower = l.colour;
    const C leaf = by_name(n, LEAF, DARKLEAF);
    stick(f, 16, 29, 16, 9, leaf, 1.2);
    for (int i = 0; i < 3; i++) {
        const double y = 25 - i * 5;
        ellipse(f, 12, y, 3.5, 1.5, [&](int, int, double) { return leaf; });
        ellipse(f, 20, y - 2, 3.5, 1.5, [&](int, int, double) { return leaf; });
    }
    if (has(n, "pea") || has(n, "brdbean")) {
        ellipse(f, 22, 14, 2, 5, [](int, int, double) { return C{120, 180, 80}; });
        ellipse(f, 10, 17, 2, 5, [](int, int, double) { return C{120, 180, 80}; });
    }
    const bool umbel = has(n, "yarrow") || has(n, "dogpipe") || has(n, "mpipe") || has(n, "meadsw");
    if (umbel) {
        for (int i = 0; i < 9; i++) ellipse(f, 10 + rnd(i, 0, 11) * 12, 5 + rnd(i, 1, 11) * 5, 1.8, 1.8, [&](int, int, double) { return flower; });
    } else if (has(n, "heather") || has(n, "nettle") || has(n, "sorrel")) {
        for (int i = 0; i < 7; i++) ellipse(f, 16 + (i % 2 ? 2 : -2), 6 + i * 2.2, 1.4, 1.1, [&](int, int, double) { return flower; });
    } else {
        for (int i = 0; i < 5; i++) ellipse(f, 16 + 3 * std::cos(i * 1.256), 7 + 3 * std::sin(i * 1.256), 2, 2, [&](int, int, double) { return flower; });
        ellipse(f, 16, 7, 1.3, 1.3, [](int, int, double) { return C{240, 200, 50}; });
    }
}

// ---- the names -----------------------------------------------------------------------------------

// Every picture an item can name, by its symbol and name words or by its catalogue tile line, that
// the map tiles do not already draw.
const char *const NAMES[] = {
    "ar-anklet", "ar-apron", "ar-bbcap", "ar-bbneckl", "ar-bbshoes", "ar-bracelet", "ar-cap", "ar-cloak", "ar-coudes",
    "ar-cowl", "ar-dress", "ar-footrags", "ar-furboots", "ar-furcap", "ar-furcloak", "ar-furhood", "ar-furlegg",
    "ar-furocoat", "ar-furshirt", "ar-helm", "ar-kneecops", "ar-lamcui", "ar-lamfagu", "ar-lamhaub", "ar-lamrere",
    "ar-lamshgu", "ar-leabelt", "ar-leaboots", "ar-leacui", "ar-leafagu", "ar-lealegg", "ar-leashgu", "ar-leashoes",
    "ar-lmailcwl", "ar-lmailhau", "ar-lngshirt", "ar-lngwoshi", "ar-lshoshi", "ar-mailcwl", "ar-mailhabe",
    "ar-mailhaub", "ar-maillegg", "ar-mailm", "ar-mailmit", "ar-mittens", "ar-necklace", "ar-shoshirt", "ar-sphelm",
    "ar-trousers", "ar-tunic", "ar-ungarm", "ar-veil", "ar-wlnocoat", "ar-woapron", "ar-wocloak", "ar-wodress",
    "ar-woolcowl", "ar-woollegg", "ar-woolm", "ar-woolmit", "ar-woolsock", "ar-woolveil", "ar-woshirt", "ar-wotrous",
    "ar-wotunic", "ar-woungarm",
    "ber-bil", "ber-blkcur", "ber-blue", "ber-cloud", "ber-crow", "ber-lingon", "ber-rasp", "ber-straw",
    "fd-fish",
    "flo-barley", "flo-bogbean", "flo-bogflo", "flo-brdbean", "flo-burdock", "flo-clayweed", "flo-dogpipe", "flo-grod",
    "flo-heather", "flo-hemp", "flo-lakereed", "flo-mcalla", "flo-meadsw", "flo-milkweed", "flo-mpipe", "flo-nettle",
    "flo-pea", "flo-riverpig", "flo-rye", "flo-sorrel", "flo-stncrop", "flo-turnip", "flo-wlily", "flo-yarrow",
    "it-bandage", "it-bark", "it-bbbask", "it-bbbox", "it-birtwig", "it-birwithe", "it-board", "it-candle", "it-cord",
    "it-defpelt", "it-egg", "it-firewood", "it-fishrod", "it-flbread", "it-horn", "it-paddle", "it-punt", "it-raft",
    "it-scoop", "it-sesta", "it-shovel", "it-skistick", "it-sprtwig", "it-sprwithe", "it-vasta", "it-wdbowl",
    "it-wdcup", "it-wdmug", "it-wdshovel", "it-wdstake", "it-wdtub", "it-wtrskin",
    "log", "org-fat", "org-meatcut", "rock",
    "shr-bcoat", "shr-bearpaw", "shr-blkear", "shr-gift", "shr-hairy", "shr-noaidis", "shr-ringed", "shr-rlegger",
    "shr-sand", "shr-soft", "shr-ukkos", "shr-ycoat", "shr-yfingers",
    "sltrunk", "stone", "tr-loop", "tr-pawboard", "trunk",
    "vl-bbrace", "vl-bbring", "vl-bbrooch", "vl-bbroochs", "vl-bcomb", "vl-bpend", "vl-sbrace", "vl-scbrace",
    "vl-spensun", "vl-sring",
    "wdblk",
    "wp-ango", "wp-arrow", "wp-bataxe", "wp-batsword", "wp-bharrow", "wp-bknife", "wp-blarrow", "wp-broaxe",
    "wp-bstsword", "wp-buckler", "wp-caraxe", "wp-club", "wp-crossbow", "wp-fknife", "wp-flail", "wp-handaxe",
    "wp-hknife", "wp-hrdstaff", "wp-huntbow", "wp-javelin", "wp-junipbow", "wp-kauspear", "wp-kknife", "wp-knife",
    "wp-longbow", "wp-nknife", "wp-norspear", "wp-northbow", "wp-rshield", "wp-scimitar", "wp-sflail", "wp-shortbow",
    "wp-shsword", "wp-sickle", "wp-sknife", "wp-skrama", "wp-smatrid", "wp-spear", "wp-spliaxe", "wp-staff",
    "wp-stnaxe", "wp-stnknife", "wp-sword", "wp-trident", "wp-widetrid", "wp-woodaxe",
};

void paint(Frame &f, const std::string &n) {
    const std::string kind = n.substr(0, n.find('-') + 1);
    if (kind == "wp-") {
        if (has(n, "knife") || has(n, "skrama")) knife(f, n);
        else if (has(n, "axe") || has(n, "sickle")) axe(f, n);
        else if (has(n, "sword") || has(n, "scimitar")) sword(f, n);
        else if (has(n, "bow")) bow(f, n);
        else if (has(n, "arrow")) arrow(f, n);
        else if (has(n, "club") || has(n, "flail")) club(f, n);
        else if (has(n, "shield") || has(n, "buckler")) shield(f, n);
        else polearm(f, n);
    } else if (kind == "ar-") {
        if (has(n, "neckl") && !has(n, "bb")) jewellery(f, n, SILVER);
        else if (has(n, "anklet") || has(n, "bracelet")) jewellery(f, n, BRONZE);
        else if (has(n, "trous") || has(n, "legg")) legs(f, n);
        else if (has(n, "shoes") || has(n, "boots") || has(n, "rags") || has(n, "sock") || has(n, "shgu") || has(n, "kneecops")) footwear(f, n);
        else if (has(n, "cap") || has(n, "hood") || has(n, "helm") || has(n, "cowl") || has(n, "veil") || has(n, "cwl") || has(n, "neckl")) headgear(f, n);
        else if (has(n, "mit") || has(n, "mailm") || has(n, "woolm") || has(n, "fagu") || has(n, "coudes") || has(n, "rere")) handwear(f, n);
        else if (has(n, "cloak")) cloak(f, n);
        else if (has(n, "apron") || has(n, "belt")) apron_or_belt(f, n);
        else torso(f, n);
    } else if (kind == "vl-") {
        jewellery(f, n, n[3] == 's' ? SILVER : BRONZE);
    } else if (kind == "ber-") {
        berries(f, n);
    } else if (kind == "shr-") {
        mushroom(f, n);
    } else if (kind == "flo-") {
        plant(f, n);
    } else if (kind == "fd-" || kind == "org-") {
        food(f, n);
    } else if (kind == "it-" || kind == "tr-") {
        if (has(n, "cup") || has(n, "mug") || has(n, "bowl") || has(n, "tub") || has(n, "bask") || has(n, "bbbox") ||
            has(n, "skin") || has(n, "horn") || has(n, "scoop"))
            vessel(f, n);
        else
            tool(f, n);
    } else {
        timber(f, n);
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_item_tiles <working folder>\n");
        return 1;
    }
    outdir = std::string(argv[1]) + "/truetile";
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) { perror(argv[1]); return 1; }
    if (mkdir(outdir.c_str(), 0755) != 0 && errno != EEXIST) { perror(outdir.c_str()); return 1; }
    for (const char *name : NAMES) {
        Frame f(32, 32);
        paint(f, name);
        outline(f, 0.5);
        save_strip(name, {f});
    }
    printf("gen_item_tiles: %d item pictures into %s\n", files_written, outdir.c_str());
    return 0;
}
