// src/worldgen/culturegoods.cpp -- the culture circles, wealth classes and quality of goods, and the
// typical goods of a culture.
#include "worldgen/culturegoods.h"

#include <cctype>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "worldgen/culture.h"

int Kulttuuripiiri(int c) {
    switch (c) {
    case 0: case 2: case 3: return 1;
    case 1: case 4: case 5: case 6: return 2;
    case 7: case 8: case 9: return 3;
    default: return 0;
    }
}

int kult_varallisuus(int c) {
    static const int wealth[CULTURE_COUNT] = {2, 5, 3, 4, 4, 2, 3, 3, 3, 2, 3, 3, 5, 2};
    return c >= 0 && c < CULTURE_COUNT ? wealth[c] : 3;
}

int varalaatu(int w) {
    if (w == 0) return 3;
    if (w == 5) return random(100) < 10 ? 5 : random(100) < 30 ? 4 : 3;
    if (w == 4) return random(100) < 5 ? 5 : random(100) < 25 ? 4 : 3;
    const int r = random(4);
    int q = r == 2 ? w - 1 : r == 3 ? w + 1 : w;
    if (q >= 6) q = 5;
    if (q < 2) q = 2;
    return q;
}

// The text holds the word as a whole word, case ignored.
static bool has_word(const char *text, const char *word) {
    const size_t n = strlen(word);
    for (const char *p = text; *p; p++) {
        if (p != text && isalpha((unsigned char)p[-1])) continue;
        size_t i = 0;
        while (i < n && p[i] && tolower((unsigned char)p[i]) == word[i]) i++;
        if (i == n && !isalpha((unsigned char)p[n])) return true;
    }
    return false;
}

int StrMatch_Kulttuuri(const char *tags, int c) {
    if (!tags || !tags[0]) return 0;
    if (has_word(tags, "all")) return 1;
    if (c >= 0 && c < CULTURE_COUNT && has_word(tags, CULTURE_TAG[c])) return 1;
    static const char *const circle_word[4] = {"", "eastern", "western", "northern"};
    const int k = Kulttuuripiiri(c);
    return k > 0 && has_word(tags, circle_word[k]) ? 1 : 0;
}

// The goods below stand in until the culture goods tables land: each kind answers one plain
// catalogue thing, the same for every culture, so that people get their gear.
static int thing(const char *name) { return object(name, 1); }

int KULTTUURIESINE_headarmour(int, int heavy) { return thing(heavy ? "Iron helm" : "Fur cap"); }
int KULTTUURIESINE_bodyarmour(int, int heavy) { return thing(heavy ? "Mail hauberk" : "Leather shirt"); }
int KULTTUURIESINE_spotarmour(int, int heavy) { return thing(heavy ? "Iron kneecops" : "Leather shin guards"); }
int KULTTUURIESINE_Sota_ase(int) { return thing("Shortsword"); }
int KULTTUURIESINE_Era_ase(int, int) { return thing("Spear"); }
int KULTTUURIESINE_Erapuukko(int) { return thing("Hunting knife"); }
int KULTTUURIESINE_Arkipuukko(int) { return thing("Knife"); }
int KULTTUURIESINE_Eratyokalu(int) { return thing("Cord"); }
int KULTTUURIESINE_Jousi(int) { return thing("Shortbow"); }
int KULTTUURIESINE_Nuoli(int) { return thing("Arrow"); }
// Furs are made from a skinned and tanned animal of the culture; until the tanning lands there are none.
int KULTTUURIESINE_Pienturkis(int) { return 0; }
int KULTTUURIESINE_Turkis(int, int) { return 0; }
int KULTTUURIESINE_Aarrekoru(int) { return thing("Bronze brooch"); }
int KULTTUURIESINE_Eraruoka(int) { return thing("Flat rye bread"); }
int KULTTUURIESINE_Arkiruoka(int) { return thing("Rye bread"); }
// Stand in until the culture tables land.
int KULTTUURIESINE_ValmistettuKala(int) { return thing("Roach"); }
int KULTTUURIESINE_Kalastustarvike(int) { return thing("Fishing rod"); }
int KULTTUURIESINE_Sepan_tekemat(int) { return thing("Knife"); }
