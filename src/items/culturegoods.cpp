// src/items/culturegoods.cpp -- the culture circles, wealth classes and quality of goods, the
// animals and neighbours of a culture, and the typical goods it gives its people from its tables.
#include "items/culturegoods.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/culture.h"

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

int var_vaateluokka(int w) {
    if (w == 1 || w == 2 || w == 5) return 2;
    if (w == 3 || w == 4) return 1 + random(2);
    return random(3);
}

enum { KIND_BIRD = 21, SMALL_ANIMAL = 12 };

// ---- the weighted list of names ---------------------------------------------------------------

enum { LIST_SIZE = 100, LIST_NAME = 100 };
static char list_names[LIST_SIZE][LIST_NAME];

void Tyhjaa_Esinelista() { memset(list_names, 0, sizeof list_names); }

void Esinelista_Entry(const char *name) {
    if (!name || !name[0]) return;
    for (auto &slot : list_names)
        if (!slot[0]) {
            copy_bounded(slot, sizeof slot, name);
            return;
        }
}

// A list name the catalogue lacks is a fault of the tables: the player sees it at once.
static void bug_box(const char *name) {
    char line[160];
    snprintf(line, sizeof line, "!BUG! Arvo_Esine_Listasta: %.100s", name);
    debuglog("kult", line);
    save_page();
    const char *const lines[] = {"!BUG! Arvo_Esine_Listasta:", name};
    ui_table_fault_window(lines, 2);
    Flip();
    getkeypress();
    restore_page();
}

int Arvo_Esine_Listasta() {
    int n = 0;
    for (const auto &slot : list_names) n += slot[0] != 0;
    if (n == 0) return object("BRANCH", 1);
    int want = random(n);
    for (const auto &slot : list_names) {
        if (!slot[0] || want-- != 0) continue;
        const int obj = object(slot, 1);
        if (obj == 0) bug_box(slot);
        return obj;
    }
    return 0;
}

// ---- the goods tables -------------------------------------------------------------------------

// Who a line of a goods table speaks for, and when it counts.
enum Who : uint8_t { EVERYONE, CIRCLE, CULTURES };
enum When : uint8_t { ALWAYS, HEAVY, NOT_HEAVY };

struct GoodsLine {
    const char *name;
    Who who;
    uint16_t which;                // the circle, or the cultures' bits
    uint8_t times;                 // entered this many times
    When when;
    uint8_t percent;               // entered only when random(100) falls below it; 0 always
    uint8_t one_in;                // entered only with one chance in this many; 0 always
};

static constexpr GoodsLine all(const char *name, int times = 1) {
    return {name, EVERYONE, 0, (uint8_t)times, ALWAYS, 0, 0};
}
static constexpr GoodsLine circle(int k, const char *name, int times = 1, When when = ALWAYS, int one_in = 0) {
    return {name, CIRCLE, (uint16_t)k, (uint8_t)times, when, 0, (uint8_t)one_in};
}
template <typename... C> static constexpr uint16_t bits(C... c) { return (uint16_t)((0u | ... | (1u << c))); }
static constexpr GoodsLine of(uint16_t cultures, const char *name, int times = 1, When when = ALWAYS, int percent = 0) {
    return {name, CULTURES, cultures, (uint8_t)times, when, (uint8_t)percent, 0};
}

static const GoodsLine EVERYDAY_KNIFE[] = {
    all("SMALL KNIFE"), all("KNIFE"),
    of(bits(0), "KAUMOLAIS KNIFE"), of(bits(3, 4, 6, 8, 12), "BROAD KNIFE"), of(bits(5, 7), "FISHER'S KNIFE"),
    of(bits(8, 9), "NORTHERN KNIFE"), of(bits(11), "HUNTING KNIFE"),
};

static const GoodsLine HUNTING_KNIFE[] = {
    all("KNIFE"), all("BROAD KNIFE"),
    circle(1, "HUNTING KNIFE"), circle(3, "NORTHERN KNIFE"),
    of(bits(0), "KAUMOLAIS KNIFE"), of(bits(1, 4, 6, 7, 8, 11), "HUNTING KNIFE"), of(bits(7, 9), "FISHER'S KNIFE"),
};

static const GoodsLine BOW[] = {
    all("SHORTBOW"),
    circle(1, "JUNIPER BOW"), circle(1, "LONGBOW"), circle(1, "HUNTING BOW"),
    circle(2, "JUNIPER BOW"), circle(2, "LONGBOW"),
    circle(3, "JUNIPER BOW"), circle(3, "NORTHERN BOW", 3),
    of(bits(1, 4, 6, 8, 11), "HUNTING BOW"), of(bits(1, 3, 4, 6, 12), "CROSSBOW"), of(bits(1, 12), "HEAVY CROSSBOW"),
    of(bits(12), "LONGBOW"),
};

static const GoodsLine ARROWS[] = {
    all("ARROW"),
    of(bits(0), "BROADHEAD ARROW", 1, ALWAYS, 10), of(bits(0), "BLUNT ARROW", 1, ALWAYS, 20),
    of(bits(1), "BROADHEAD ARROW", 1, ALWAYS, 20), of(bits(1), "BLUNT ARROW", 1, ALWAYS, 15),
    of(bits(2), "BROADHEAD ARROW", 1, ALWAYS, 5), of(bits(2), "BLUNT ARROW", 1, ALWAYS, 40),
    of(bits(3), "BROADHEAD ARROW", 1, ALWAYS, 15), of(bits(3), "BLUNT ARROW", 1, ALWAYS, 30),
    of(bits(4), "BROADHEAD ARROW", 1, ALWAYS, 15), of(bits(4), "BLUNT ARROW", 1, ALWAYS, 10),
    of(bits(6), "BROADHEAD ARROW", 1, ALWAYS, 10), of(bits(6), "BLUNT ARROW", 1, ALWAYS, 30),
    of(bits(11), "ARROW"), of(bits(11, 12), "BROADHEAD ARROW"),
};

static const GoodsLine HUNTING_WEAPON[] = {
    all("HANDAXE"),
    circle(1, "WOODSMAN'S AXE"), circle(1, "SPEAR"), circle(1, "STAFF", 1, NOT_HEAVY),
    circle(2, "WOODSMAN'S AXE"), circle(2, "SPEAR"),
    circle(3, "STAFF", 1, NOT_HEAVY), circle(3, "NORTHERN SPEAR"),
    of(bits(0), "KAUMOLAIS SPEAR"),
    of(bits(1), "JAVELIN", 1, NOT_HEAVY), of(bits(1, 3), "HARD STAFF", 1, NOT_HEAVY),
    of(bits(2, 4, 7), "CLUB", 1, NOT_HEAVY), of(bits(2, 5, 7, 9), "SMALL TRIDENT"),
    of(bits(5), "TRIDENT", 2), of(bits(5), "ANGO"),
    of(bits(6), "STAFF", 1, NOT_HEAVY),
    of(bits(8, 11, 12), "WOODSMAN'S AXE"), of(bits(9), "TRIDENT"),
    of(bits(11), "SPEAR"), of(bits(11), "CLUB"),
    of(bits(12), "JAVELIN", 1, NOT_HEAVY), of(bits(12), "SPEAR"), of(bits(12), "CLUB", 1, NOT_HEAVY), of(bits(12), "MACE"),
};

static const GoodsLine WAR_WEAPON[] = {
    all("HANDAXE"),
    circle(1, "CLUB"), circle(1, "MACE"), circle(1, "HANDAXE"), circle(1, "CARVING AXE"), circle(1, "SPLITTING AXE"),
    circle(1, "WOODSMAN'S AXE"), circle(1, "SPEAR"),
    circle(2, "HANDAXE"), circle(2, "SPLITTING AXE"), circle(2, "CARVING AXE"), circle(2, "WOODSMAN'S AXE"),
    circle(2, "STAFF"), circle(2, "SPEAR"),
    circle(3, "CLUB"), circle(3, "STAFF"), circle(3, "NORTHERN SPEAR"), circle(3, "NORTHERN KNIFE"), circle(3, "HANDAXE"),
    of(bits(0), "KAUMOLAIS SPEAR"), of(bits(0), "SHORTSWORD"), of(bits(0), "SKRAMASAKSI"),
    of(bits(1), "BATTLEAXE"), of(bits(1), "SHORTSWORD"), of(bits(1), "BROADSWORD"), of(bits(1), "BASTARD SWORD"),
    of(bits(1), "BATTLESWORD"),
    of(bits(2), "SPEAR"), of(bits(2), "JAVELIN"), of(bits(2), "HARD STAFF"), of(bits(2), "MAUL"),
    of(bits(3), "SPEAR"), of(bits(3), "JAVELIN"), of(bits(3), "HARD STAFF"), of(bits(3), "SHORTSWORD"),
    of(bits(3), "BROADSWORD"),
    of(bits(4), "SKRAMASAKSI"), of(bits(4), "HARD STAFF"), of(bits(4), "JAVELIN"), of(bits(4), "SHORTSWORD"),
    of(bits(4), "BROADSWORD"),
    of(bits(5), "HARD STAFF"), of(bits(5), "WIDE TRIDENT"), of(bits(5), "MAUL"),
    of(bits(6), "BROAD AXE"), of(bits(6), "SHORTSWORD"), of(bits(6), "BROADSWORD"), of(bits(6), "BASTARD SWORD"),
    of(bits(7), "SMALL TRIDENT"), of(bits(8), "WOODSMAN'S AXE"), of(bits(9), "TRIDENT"),
    of(bits(11), "SPEAR"), of(bits(11), "HANDAXE"), of(bits(11), "WOODSMAN'S AXE"), of(bits(11), "CLUB"),
    of(bits(11), "MACE"), of(bits(11), "BASTARD SWORD"), of(bits(11), "NJERPEZ SCIMITAR"), of(bits(11), "SCIMITAR"),
    of(bits(11), "SHORTSWORD"),
    of(bits(12), "SPEAR"), of(bits(12), "BATTLEAXE"), of(bits(12), "SHORTSWORD"), of(bits(12), "BROADSWORD"),
    of(bits(12), "BATTLESWORD"), of(bits(12), "MACE"),
};

static const GoodsLine HEAD_ARMOUR[] = {
    of(bits(11), "IRON HELM", 4, HEAVY), of(bits(11), "MAIL COWL", 1, HEAVY), of(bits(11), "LONG MAIL COWL", 1, HEAVY),
    of(bits(11), "FUR CAP", 1, NOT_HEAVY), of(bits(11), "FUR HOOD", 1, NOT_HEAVY),
    of(bits(11), "WOOLLEN COWL", 1, NOT_HEAVY),
    of(bits(12), "IRON HELM", 2, HEAVY), of(bits(12), "IRON SPECTACLE HELM", 2, HEAVY),
    of(bits(12), "MAIL COWL", 2, HEAVY), of(bits(12), "LONG MAIL COWL", 1, HEAVY),
    of(bits(12), "LEATHER CAP", 1, NOT_HEAVY), of(bits(12), "FUR CAP", 1, NOT_HEAVY),
    of(bits(12), "FUR HOOD", 1, NOT_HEAVY),
};

static const GoodsLine BODY_ARMOUR[] = {
    of(bits(11), "LAMELLAR CUIRASS", 2, HEAVY), of(bits(11), "LAMELLAR HAUBERK", 1, HEAVY),
    of(bits(11), "MAIL HABERGEON", 1, HEAVY), of(bits(11), "MAIL HAUBERK", 1, HEAVY),
    of(bits(11), "FUR SHIRT", 1, NOT_HEAVY), of(bits(11), "FUR CLOAK", 1, NOT_HEAVY),
    of(bits(11), "LEATHER SHIRT", 1, NOT_HEAVY), of(bits(11), "LEATHER CUIRASS", 1, NOT_HEAVY),
    of(bits(11), "LAMELLAR CUIRASS", 1, NOT_HEAVY), of(bits(11), "FUR OVERCOAT", 1, NOT_HEAVY),
    of(bits(12), "MAIL HABERGEON", 2, HEAVY), of(bits(12), "MAIL HAUBERK", 1, HEAVY),
    of(bits(12), "LONG MAIL HAUBERK", 1, HEAVY),
    of(bits(12), "FUR CLOAK", 1, NOT_HEAVY), of(bits(12), "LEATHER SHIRT", 1, NOT_HEAVY),
    of(bits(12), "LEATHER CUIRASS", 1, NOT_HEAVY), of(bits(12), "FUR SHIRT", 1, NOT_HEAVY),
};

static const GoodsLine SPOT_ARMOUR[] = {
    of(bits(11), "FUR MITTENS", 1, HEAVY), of(bits(11), "LAMELLAR REREBRACES", 1, HEAVY),
    of(bits(11), "LEATHER SHIN GUARDS", 1, HEAVY), of(bits(11), "LEATHER FOREARM GUARDS", 1, HEAVY),
    of(bits(11), "LAMELLAR SHIN GUARDS", 1, HEAVY), of(bits(11), "LAMELLAR FOREARM GUARDS", 1, HEAVY),
    of(bits(11), "IRON KNEECOPS", 1, HEAVY), of(bits(11), "IRON COUDES", 1, HEAVY),
    of(bits(11), "LEATHER LEGGINGS", 1, NOT_HEAVY), of(bits(11), "WOOLLEN MITTENS", 1, NOT_HEAVY),
    of(bits(11), "FUR MITTENS", 1, NOT_HEAVY), of(bits(11), "FUR FOOTWEAR", 1, NOT_HEAVY),
    of(bits(11), "LEATHER SHIN GUARDS", 1, NOT_HEAVY), of(bits(11), "LEATHER FOREARM GUARDS", 1, NOT_HEAVY),
    of(bits(12), "FUR MITTENS", 1, HEAVY), of(bits(12), "IRON KNEECOPS", 1, HEAVY),
    of(bits(12), "IRON COUDES", 1, HEAVY), of(bits(12), "MAIL MITTENS", 1, HEAVY),
    of(bits(12), "MAIL LEGGINGS", 1, HEAVY),
    of(bits(12), "LEATHER LEGGINGS", 1, NOT_HEAVY), of(bits(12), "FUR MITTENS", 1, NOT_HEAVY),
    of(bits(12), "FUR FOOTWEAR", 1, NOT_HEAVY), of(bits(12), "LEATHER SHIN GUARDS", 1, NOT_HEAVY),
    of(bits(12), "LEATHER FOREARM GUARDS", 1, NOT_HEAVY),
};

static const GoodsLine FISHING_GEAR[] = {
    all("NET", 2), all("FISHING ROD", 2), all("FISHER'S KNIFE"), all("TRIDENT"), all("SMALL TRIDENT"),
    all("WIDE TRIDENT"),
};

static const GoodsLine WILDERNESS_TOOL[] = {
    all("CORD"), all("SKIN"), all("WOODEN MUG"), all("LOOP SNARE"), all("ROPE"),
    circle(1, "CORD"), circle(1, "WOODEN SHOVEL"), circle(1, "PAW-BOARD FOX TRAP"),
    circle(2, "TORCH"), circle(2, "CORD"), circle(2, "SHOVEL"),
    circle(3, "CORD"),
    of(bits(0, 2, 6, 8), "LEATHER ROPE"),
    of(bits(2, 3, 5, 7, 9), "FISHING ROD"), of(bits(2, 3, 5, 9), "NET"),
    of(bits(4), "HUNTING HORN"), of(bits(7, 9), "WOODEN SHOVEL"),
    of(bits(11, 12), "CORD"), of(bits(11), "SHOVEL"), of(bits(11), "TORCH"),
};

static const GoodsLine JEWELLERY[] = {
    all("BRONZE BROOCH"), all("SMALL BRONZE BROOCH"),
    circle(1, "BRONZE HORSE-ORNAMENTED COMB"), circle(1, "SILVER BIRD BRACELET"),
    circle(1, "SILVER SUN-SYMBOL PENDANT", 1, ALWAYS, 3), circle(1, "BRONZE BEZEL RING", 1, ALWAYS, 2),
    circle(1, "BRONZE BEAR PENDANT"),
    circle(2, "BRONZE FLOWER-ORNAMENTED COMB"), circle(2, "SILVER RING", 1, ALWAYS, 2),
    circle(2, "SILVER CHAIN BRACELET", 1, ALWAYS, 3), circle(2, "BRONZE BRACELET"), circle(2, "BRONZE BALL PENDANT"),
    circle(2, "BRONZE BEAR PENDANT", 1, ALWAYS, 2),
    circle(3, "SILVER BIRD BRACELET"), circle(3, "SILVER SUN-SYMBOL PENDANT"),
    of(bits(1, 6), "BRONZE BRACELET"),
    of(bits(11), "SILVER BIRD BRACELET"), of(bits(11), "BRONZE BEZEL RING"),
    of(bits(11), "BRONZE HORSE-ORNAMENTED COMB"), of(bits(11), "BRONZE BEAR PENDANT"),
    of(bits(12), "SILVER RING"), of(bits(12), "SILVER CHAIN BRACELET"), of(bits(12), "BRONZE BRACELET"),
    of(bits(12), "BRONZE BALL PENDANT"),
};

// What a smith makes: one of nine; a null name is a knife of the culture, everyday then hunting.
static const char *const SMITH_MADE[9] = {"CARVING AXE", "SPLITTING AXE", "WOODSMAN'S AXE", "BROAD AXE", "SHOVEL",
                                          "POT", nullptr, nullptr, "SICKLE"};

struct GoodsTable {
    const GoodsLine *lines;
    int count;
};
template <size_t N> static constexpr GoodsTable table(const GoodsLine (&lines)[N]) { return {lines, (int)N}; }
static const GoodsTable ALL_TABLES[] = {
    table(EVERYDAY_KNIFE), table(HUNTING_KNIFE), table(BOW),         table(ARROWS),       table(HUNTING_WEAPON),
    table(WAR_WEAPON),     table(HEAD_ARMOUR),   table(BODY_ARMOUR), table(SPOT_ARMOUR),  table(FISHING_GEAR),
    table(WILDERNESS_TOOL), table(JEWELLERY),
};

static bool line_counts(const GoodsLine &l, int c, int heavy) {
    if (l.when == HEAVY && !heavy) return false;
    if (l.when == NOT_HEAVY && heavy) return false;
    switch (l.who) {
    case EVERYONE: return true;
    case CIRCLE: return Kulttuuripiiri(c) == (int)l.which;
    case CULTURES: return c >= 0 && c < 16 && (l.which & (1u << c));
    }
    return false;
}

// The list of a goods table for the culture, drawn from.
template <size_t N> static int draw(const GoodsLine (&lines)[N], int c, int heavy = 0) {
    Tyhjaa_Esinelista();
    for (const GoodsLine &l : lines) {
        if (!line_counts(l, c, heavy)) continue;
        if (l.percent && random(100) >= l.percent) continue;
        if (l.one_in && random(l.one_in) != 0) continue;
        for (int i = 0; i < l.times; i++) Esinelista_Entry(l.name);
    }
    return Arvo_Esine_Listasta();
}

int KULTTUURIESINE_Arkipuukko(int c) { return draw(EVERYDAY_KNIFE, c); }
int KULTTUURIESINE_Erapuukko(int c) { return draw(HUNTING_KNIFE, c); }
int KULTTUURIESINE_Jousi(int c) { return draw(BOW, c); }
int KULTTUURIESINE_Nuoli(int c) { return draw(ARROWS, c); }
int KULTTUURIESINE_Era_ase(int c, int k) { return draw(HUNTING_WEAPON, c, k); }
int KULTTUURIESINE_Sota_ase(int c) { return draw(WAR_WEAPON, c); }
int KULTTUURIESINE_headarmour(int c, int heavy) { return draw(HEAD_ARMOUR, c, heavy); }
int KULTTUURIESINE_bodyarmour(int c, int heavy) { return draw(BODY_ARMOUR, c, heavy); }
int KULTTUURIESINE_spotarmour(int c, int heavy) { return draw(SPOT_ARMOUR, c, heavy); }
int KULTTUURIESINE_Kalastustarvike(int c) { return draw(FISHING_GEAR, c); }
int KULTTUURIESINE_Eratyokalu(int c) { return draw(WILDERNESS_TOOL, c); }
int KULTTUURIESINE_Aarrekoru(int c) { return draw(JEWELLERY, c); }

int KULTTUURIESINE_Sepan_tekemat(int c) {
    const int r = random(9);
    if (r == 6) return KULTTUURIESINE_Arkipuukko(c);
    if (r == 7) return KULTTUURIESINE_Erapuukko(c);
    Tyhjaa_Esinelista();
    Esinelista_Entry(SMITH_MADE[r]);
    return Arvo_Esine_Listasta();
}

// ---- clothes ----------------------------------------------------------------------------------

static const char *const SHOE_WORDS[4] = {"footwear", "boots", "boots", "shoes"};
static const char *const TROUSER_WORDS[4] = {"linen trousers", "linen trousers", "woollen trousers", "trousers"};
static const char *const SHIRT_WORDS[4] = {"shirt", "shirt", "overcoat", "cloak"};

int goods_of_grade(int obj, int quality) {
    if (obj <= 0 || quality == 0 || quality == 3 || TEMPLATE_BUILD) return obj;
    ItemStruct item = ObjToItem(obj);
    if (item.type == IT_NONE) return obj;
    ItemSet_laatu(quality, item);
    ItemSet_laatutieto(1, item);
    const int made = Luo_Esineen_Itempos(item);
    return made > 0 ? made : obj;
}

static int clothing(const char *const (&words)[4], int quality) {
    return goods_of_grade(object(words[random(4)], 0), quality);
}
int KULTTUURIESINE_Kengat(int, int quality) { return clothing(SHOE_WORDS, quality); }
int KULTTUURIESINE_Housut(int, int quality) { return clothing(TROUSER_WORDS, quality); }
int KULTTUURIESINE_Paita(int, int quality) { return clothing(SHIRT_WORDS, quality); }

const char *culture_goods_name(int i, int *exact) {
    if (exact) *exact = 1;
    if (i < 0) return nullptr;
    for (const GoodsTable &t : ALL_TABLES) {
        if (i < t.count) return t.lines[i].name;
        i -= t.count;
    }
    for (const char *name : SMITH_MADE) {
        if (!name) continue;
        if (i-- == 0) return name;
    }
    if (exact) *exact = 0;
    static const char *const *const clothes[3] = {SHOE_WORDS, TROUSER_WORDS, SHIRT_WORDS};
    return i < 12 ? clothes[i / 4][i % 4] : nullptr;
}

// ---- the animals of a culture -----------------------------------------------------------------

int getcultAnim(int c, int kind) {
    if (c < 0 || c >= 16 || kind < 1 || kind > 4) return 0;
    const uint16_t bit = (uint16_t)(1u << c);
    int found[CONSTANTCRE_COUNT], n = 0;
    for (int t = 0; t < CONSTANTCRE_COUNT - 1; t++) {
        const CreatureStruct &cr = ConstantCre[t];
        if (cr.kind < 2) continue;
        const uint16_t mask = kind == 2 || kind == 4 ? cr.gamecultures : cr.peltcultures;
        if (!(mask & bit)) continue;
        if (kind == 3 && cr.weight > (float)SMALL_ANIMAL) continue;
        if (kind == 4 && cr.kind != KIND_BIRD) continue;
        char line[80];
        snprintf(line, sizeof line, "kult: %d ani: %.40s", c, cr.species);
        debuglog("kult", line);
        found[n++] = t;
    }
    return n ? found[random(n)] : 0;
}

const char *cultAnimName(int c, int kind) {
    static char name[sizeof ConstantCre[0].species + 1];
    const int t = getcultAnim(c, kind);
    if (t <= 0) return "animal";
    copy_bounded(name, sizeof name, ConstantCre[t].species);
    for (char *p = name; *p; p++) *p = (char)tolower((unsigned char)*p);
    return name;
}

int KULTTUURI_kotielain(int c) {
    static const int species[6] = {SPECIES_DOG, 609, 615, 616, SPECIES_DOG, SPECIES_REINDEER};
    static const uint8_t rows[CULTURE_COUNT][3] = {
        {3, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {3, 2, 3}, {1, 2, 3},
        {5, 5, 5}, {5, 5, 5}, {5, 5, 5}, {4, 4, 4}, {1, 2, 3}, {4, 2, 3}, {0, 0, 0},
    };
    if (c < 0 || c >= CULTURE_COUNT) return SPECIES_DOG;
    const int entry = rows[c][random(3)];
    const int animal = entry >= 1 && entry <= 5 ? species[entry] : SPECIES_DOG;
    return random(100) < 20 ? SPECIES_DOG : animal;
}

// A neighbour drawn from a culture's row; 10 (none) for cultures without one.
struct NeighbourRow {
    uint8_t n;
    uint8_t of[4];
};
static int neighbour(const NeighbourRow (&rows)[10], int c) {
    if (c < 0 || c >= 10) return 10;
    return rows[c].of[random(rows[c].n)];
}

int ConflictNeighbour(int c) {
    static const NeighbourRow rows[10] = {{2, {10, 8}},    {4, {10, 5, 4, 6}}, {4, {10, 0, 6, 3}}, {2, {10, 6}},
                                          {4, {10, 1, 9, 6}}, {2, {10, 1}},    {3, {10, 1, 4}},    {2, {10, 8}},
                                          {3, {10, 0, 7}},    {2, {10, 4}}};
    return neighbour(rows, c);
}

int DistantNeighbour(int c) {
    static const NeighbourRow rows[10] = {{3, {6, 7, 3}},    {3, {4, 2, 3}},    {3, {8, 1, 4}}, {3, {6, 8, 1}},
                                          {4, {5, 1, 2, 7}}, {4, {6, 4, 2, 3}}, {4, {0, 5, 9, 8}}, {3, {3, 0, 6}},
                                          {3, {9, 6, 3}},    {4, {8, 6, 2, 0}}};
    return neighbour(rows, c);
}
