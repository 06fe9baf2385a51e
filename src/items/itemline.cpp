// Definition lines: one bracketed field applied to an item record, the food and water builders,
// storing a built record into the definition table, and the armour log.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "items/itemdefs.h"
#include "core/tekstit.h"
#include "items/items_int.h"
#include "items/items.h"

static bool has(const char *line, const char *part) { return strstr(line, part) != nullptr; }

static const char *value(const char *line, const char *key, const char *def) { return tag_value(line, key, def); }

static int int_value(const char *line, const char *key, const char *def) { return atoi(value(line, key, def)); }

uint32_t material_bits(const char *text) {
    static const struct {
        const char *word;
        uint32_t bit;
    } words[] = {{"wood", MAT_WOOD},     {"iron", MAT_IRON},   {"bronze", MAT_BRONZE}, {"silver", MAT_SILVER},
                 {"leather", MAT_LEATHER}, {"fur", MAT_FUR},  {"bark", MAT_BARK},     {"cloth", MAT_CLOTH},
                 {"wool", MAT_WOOL},     {"rock", MAT_ROCK},   {"bone", MAT_BONE},     {"antler", MAT_ANTLER}};
    uint32_t bits = 0;
    for (const auto &w : words)
        if (has(text, w.word)) bits |= w.bit;
    return bits;
}

// Garment words and the coverage bytes they set.
struct Garment {
    const char *word;
    uint8_t b1, b2, b3;
};
static const Garment GARMENTS[] = {
    {"long_hauberk", 48, 126, 0}, {"habergeon", 48, 30, 0}, {"hauberk", 16, 62, 0},    {"cuirass", 0, 6, 0},
    {"short_shirt", 48, 30, 0},   {"long_shirt", 240, 62, 0}, {"undergarment", 240, 254, 0},
    {"shirt", 240, 30, 0},        {"overcoat", 240, 126, 0}, {"dress", 16, 254, 0},    {"trousers", 0, 248, 0},
    {"tunic", 48, 62, 0},         {"cloak", 16, 126, 0},     {"greaves", 0, 128, 0},  {"rerebraces", 32, 0, 0},
    {"vambraces", 128, 0, 0},
};

static void set_garment(ItemStruct &it, const Garment &g) {
    it.cover[0] = g.b1;
    it.cover[1] = g.b2;
    it.cover[2] = g.b3;
}

static void armour_coverage(const char *line, ItemStruct &it) {
    it.cover[0] = it.cover[1] = it.cover[2] = 0;
    static const struct {
        const char *word;
        int byte;
        uint8_t bit;
    } parts[] = {{"face", 0, 4},     {"neck", 0, 8},   {"shoulder", 0, 16}, {"upper_arm", 0, 32},
                 {"elbow", 0, 64},   {"forearm", 0, 128}, {"hand", 1, 1},  {"thorax", 1, 2},
                 {"abdomen", 1, 4},  {"hip", 1, 8},    {"groin", 1, 16},   {"thigh", 1, 32},
                 {"calf", 1, 128},   {"knee", 1, 64},  {"foot", 2, 1}};
    if (has(line, "skull")) it.cover[0] = 1;
    for (const auto &p : parts)
        if (has(line, p.word)) it.cover[p.byte] += p.bit;

    if (has(line, "long_hauberk")) {
        set_garment(it, GARMENTS[0]);
        return;
    }
    if (has(line, "habergeon")) set_garment(it, GARMENTS[1]);
    if (has(line, "hauberk")) set_garment(it, GARMENTS[2]);
    if (has(line, "cuirass")) {
        set_garment(it, GARMENTS[3]);
        return;
    }
    for (size_t g = 4; g < sizeof GARMENTS / sizeof GARMENTS[0]; g++)
        if (has(line, GARMENTS[g].word)) {
            set_garment(it, GARMENTS[g]);
            return;
        }
}

static void armour_material(const char *line, ItemStruct &it) {
    if (it.type != IT_ARMOUR) return;
    static const struct {
        const char *word;
        uint8_t fig[6];
        const char *material;
    } presets[] = {{"lamellar", {5, 9, 5, 8, 4, 2}, nullptr}, {"iron", {7, 10, 8, 9, 6, 2}, "iron"},
                   {"leather", {1, 3, 3, 3, 1, 2}, "leather"}, {"fur", {5, 3, 2, 3, 2, 5}, "fur"},
                   {"bark", {1, 2, 1, 2, 1, 1}, "birch-bark"}, {"mail", {2, 8, 5, 7, 2, 2}, "iron"},
                   {"wool", {2, 2, 1, 2, 1, 4}, "wool"}};
    static const uint8_t none[6] = {0, 2, 1, 2, 0, 3};
    memcpy(it.fig, none, 6);
    const char *material = nullptr;
    for (const auto &p : presets)
        if (has(line, p.word)) {
            memcpy(it.fig, p.fig, 6);
            material = p.material;
        }
    if (material) it.material = material_bits(material);
}

static int attack_figure(const char *line, const char *key) {
    const char *v = value(line, key, "0");
    if (v[0] == '-') return 200;
    int n = atoi(v);
    if (n < 0) n = 0;
    return n > 9 ? 9 : n;
}

static void item_type(const char *line, ItemStruct &it) {
    static const struct {
        const char *word;
        uint8_t type;
    } types[] = {{"armour", IT_ARMOUR}, {"container", IT_CONTAINER}, {"weapon", IT_WEAPON}, {"tool", IT_TOOL},
                 {"skin", IT_SKIN},     {"food", IT_FOOD},           {"timber", IT_TIMBER}, {"vehicle", IT_VEHICLE},
                 {"valuable", IT_VALUABLE}, {"plant", IT_PLANT}};
    it.type = IT_TOOL;
    for (const auto &t : types)
        if (has(line, t.word)) it.type = t.type;
}

static void item_weight(const char *line, ItemStruct &it) {
    float pounds = (float)atof(value(line, "WEIGHT", "0"));
    if (has(line, "g")) pounds = gtolbs((float)(int)pounds);
    if (it.type == IT_CONTAINER) {
        float tenths = ceilf(pounds * 10.0f - 1e-4f);
        it.ownweight = (uint8_t)(tenths < 0 ? 0 : tenths > 255 ? 255 : tenths);
    } else {
        it.weight = it.fullweight = pounds;
    }
}

void RAWITEMLINE_go(const char *line_in, ItemStruct *item) {
    if (!line_in || !item) return;
    char line[ITEMLINE_MAX + 1];
    copy_bounded(line, sizeof line, line_in);
    ItemStruct &it = *item;

    if (has(line, "[AD_CLASS")) {
        const char *v = value(line, "AD_CLASS", "0/0");
        int a = isdigit((unsigned char)v[0]) ? v[0] - '0' : 0;
        int d = strlen(v) > 2 ? atoi(v + 2) : 0;
        if (a > 6) a = 6;
        if (d > 6) d = 6;
        if (d < 0) d = 0;
        it.adclass = (uint8_t)Aseta_ADClass(a, d);
        return;
    }
    if (has(line, "[CONT_CAPACITY")) {
        if (it.type == IT_CONTAINER) {
            it.weight = 0;
            it.fullweight = (float)int_value(line, "CONT_CAPACITY", "1");
        }
        return;
    }
    if (has(line, "[BLUNT_ATTACK")) {
        it.fig[0] = (uint8_t)attack_figure(line, "BLUNT_ATTACK");
        return;
    }
    if (has(line, "[EDGE_ATTACK")) {
        it.fig[1] = (uint8_t)attack_figure(line, "EDGE_ATTACK");
        return;
    }
    if (has(line, "[POINT_ATTACK")) {
        it.fig[2] = (uint8_t)attack_figure(line, "POINT_ATTACK");
        return;
    }
    if (has(line, "[SKILL")) {
        char skill[100];
        copy_bounded(skill, sizeof skill, value(line, "SKILL", ""));
        for (char *c = skill; *c; c++) *c = (char)toupper((unsigned char)*c);
        SET_ITEM_TEXT(it.skill, skill);
        return;
    }
    if (has(line, "[1H_PENALTY")) {
        if (it.type == IT_WEAPON) it.cover[0] = (uint8_t)int_value(line, "1H_PENALTY", "0");
        return;
    }

    if (has(line, "[CARB")) it.fig[0] = (uint8_t)int_value(line, "CARB", "0");
    if (has(line, "[FAT")) it.fig[1] = (uint8_t)int_value(line, "FAT", "0");
    if (has(line, "[PROTEIN")) it.fig[2] = (uint8_t)int_value(line, "PROTEIN", "0");
    if (has(line, "[WATER")) it.water = (uint8_t)int_value(line, "WATER", "0");
    if (has(line, "[SPOILAGE_DAYS")) {
        int d = int_value(line, "SPOILAGE_DAYS", "0");
        it.spoil = (uint8_t)(d >= 1 && d <= 253 ? d : SPOIL_NEVER);
        return;
    }
    if (has(line, "[NAME")) {
        SET_ITEM_TEXT(it.name, value(line, "NAME", ""));
        return;
    }
    if (has(line, "[WEIGHT")) {
        item_weight(line, it);
        return;
    }
    if (has(line, "[LENGTH")) {
        int n = int_value(line, "LENGTH", "0") & 255;
        set_Item_pituus(n, it);
        set_Item_maxpituus(n, it);
    }
    if (has(line, "[COOK_WEIGHT_DIV")) {
        TiivistaRavinto(it, (float)atof(value(line, "COOK_WEIGHT_DIV", "0")));
        return;
    }
    if (has(line, "[TYPE")) {
        item_type(line, it);
    } else if (has(line, "[ARMOUR_COVERAGE")) {
        armour_coverage(line, it);
    } else if (has(line, "[MATERIAL")) {
        it.material = material_bits(line);
    } else if (has(line, "[ARMOUR_MATERIAL")) {
        armour_material(line, it);
    } else if (has(line, "[PRICE")) {
        float p = (float)atof(value(line, "PRICE", "0")) * 8.0f;
        if (has(line, "per ")) {
            it.priceperweight = p;
            it.price = 0;
        } else {
            it.price = p;
            it.priceperweight = 0;
        }
    } else if (has(line, "[TILEGFX")) {
        SET_ITEM_TEXT(it.tile, value(line, "TILEGFX", ""));
    }
}

void food(const char *name, float weight, float price, int id, int symbol, unsigned char spoilage) {
    cl_item();
    Item.type = IT_FOOD;
    SET_ITEM_TEXT(Item.name, name);
    Item.id = (uint32_t)id;
    Item.weight = Item.fullweight = weight;
    Item.price = price;
    Item.spoil = spoilage;
    if (symbol == 0) {
        Item.tilesym = 145;
        SET_ITEM_TEXT(Item.tile, "org-meatcut");
    } else {
        Item.tilesym = (uint8_t)symbol;
    }
}

ItemStruct Vesiesine(float weight) {
    ItemStruct w;
    unmatchable_blank(w);
    SET_ITEM_TEXT(w.name, "Water");
    w.id = OID_WATER;
    w.water = 100;
    w.weight = w.fullweight = weight;
    return w;
}

// ---- storing a definition ----

// The definitions log gathers its lines and appends them in one go: building the table logs some
// eight hundred lines, and opening the file for each made every load slow.
static std::string objlog_lines;

void objdef_log(const char *text) {
    objlog_lines += text;
    if (objlog_lines.size() >= 64 * 1024) objdef_log_flush();
}

void objdef_log_flush() {
    if (objlog_lines.empty()) return;
    if (FILE *f = fopen("create_objects.txt", "a")) {
        fwrite(objlog_lines.data(), 1, objlog_lines.size(), f);
        fclose(f);
    }
    objlog_lines.clear();
}

// A name in lower case as the game lowers texts (the code-page letters included), into out.
static char *lower_name(const char *name, char out[41]) {
    copy_bounded(out, 41, name);
    for (unsigned char *p = (unsigned char *)out; *p; p++) {
        *p = (unsigned char)tolower(*p);
        if (*p == 132 || *p == 142 || *p == 196) *p = 228;
        else if (*p == 148 || *p == 153 || *p == 214) *p = 246;
    }
    return out;
}

static bool free_row(const ItemStruct &row) {
    char n[41];
    item_name(row, n);
    return n[0] == 0 || strstr(n, "*unmatchable") != nullptr;
}

int save_object(int row) {
    char name[41], other[41], skill[28], line[300];
    item_name(Item, name);
    if (row < 0) {
        memcpy(skill, Item.skill, sizeof Item.skill);
        skill[sizeof Item.skill] = 0;
        snprintf(line, sizeof line, "save_object (%d) %s (Skill: %s)\n", row, name, skill);
        objdef_log(line);
        char lname[41], lother[41];
        lower_name(name, lname);
        int chosen = -1, free = -1;
        for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
            item_name(ConstantObj[r], other);
            if (free < 0 && free_row(ConstantObj[r])) free = r;
            if (chosen >= 0 || strcmp(lower_name(other, lother), lname) != 0) continue;
            if (row == -1) {
                chosen = r;
                snprintf(line, sizeof line, "nimimatch kohdassa #%d %s = %s\n", r, other, name);
                objdef_log(line);
            } else if (row == -2) {
                snprintf(line, sizeof line, "#%d nimimatchaus <=-1 %s = %s\n", r, other, name);
                objdef_log(line);
                if (ConstantObj[r].id == Item.id && ConstantObj[r].type == Item.type) {
                    chosen = r;
                    snprintf(line, sizeof line, "TYPE & ESINE MATCH -- pos = %d\n", r);
                    objdef_log(line);
                }
            }
        }
        if (chosen < 0) chosen = free;
        if (chosen < 0) return -1;
        snprintf(line, sizeof line, "esinekorvaus match #%d-%s <--- %s\n", chosen, item_name(ConstantObj[chosen], other),
                 name);
        objdef_log(line);
        row = chosen;
    }
    if (row >= CONSTANTOBJ_ROWS) return -1;
    if (Item.fullweight < Item.weight) Item.fullweight = Item.weight;
    ConstantObj[row] = Item;
    return row;
}

// ---- garment codes and the armour log ----

static const uint8_t PROT[32][3] = {
    {9, 0, 0},    {16, 6, 0},  {48, 30, 0}, {48, 62, 0}, {16, 126, 0}, {240, 62, 0}, {0, 240, 0}, {1, 0, 0},
    {0, 0, 1},    {0, 128, 1}, {0, 192, 1}, {0, 1, 0},   {0, 6, 0},    {16, 0, 0},   {32, 0, 0},  {64, 0, 0},
    {0, 64, 0},   {0, 128, 0}, {25, 0, 0},  {48, 126, 0}, {13, 0, 0},  {128, 0, 0},  {240, 126, 0}, {8, 0, 0},
    {240, 254, 0}, {0, 248, 0}, {0, 120, 0}, {0, 24, 0}, {240, 30, 0}, {128, 1, 0}, {16, 254, 0}, {16, 62, 0},
};

int Prot1(unsigned code) { return code < 32 ? PROT[code][0] : 0; }
int Prot2(unsigned code) { return code < 32 ? PROT[code][1] : 0; }
int Prot3(unsigned code) { return code < 32 ? PROT[code][2] : 0; }

int Pow(unsigned n) {
    unsigned m = n < 8 ? n : n < 16 ? n - 8 : n - 16;
    if (m == 0) return 1;
    if (m == 1) return 2;
    return m < 31 ? 1 << m : 0;
}

static const char *bits8(int v, char out[9]) {
    for (int b = 0; b < 8; b++) out[b] = (v >> b) & 1 ? '1' : '0';
    out[8] = 0;
    return out;
}

void armourdump(const char *label) {
    FILE *f = fopen("debug_armour.txt", "w");
    if (!f) return;
    fprintf(f, "armourdump (%s)\n", label ? label : "");
    for (int u = 0; u < 254; u++) fprintf(f, "u=%d e=%d\n", u, u);
    for (int c = 0; c < 28; c++) fprintf(f, "ac #%d - %d | %d | %d\n", c, Prot1(c), Prot2(c), Prot3(c));
    int sum[3] = {0, 0, 0};
    for (int c = 0; c < 28; c++) {
        sum[0] += Prot1(c);
        sum[1] += Prot2(c);
        sum[2] += Prot3(c);
    }
    fprintf(f, "pow_a: %d pow_b:%d pow_c:%d", sum[0], sum[1], sum[2]);
    for (int k = 1; k <= 4; k++) fprintf(f, "pow#%d:%d\n", k, Pow((unsigned)k));
    for (int k = 1; k <= 4; k++) fprintf(f, "prot2pow#%d:%d\n", k, Prot2((unsigned)k));
    char name[41], b[9];
    for (int r = 0; r < CONSTANTOBJ_ROWS; r++) {
        const ItemStruct &it = ConstantObj[r];
        if (it.type != IT_ARMOUR) continue;
        fprintf(f, "#%d %s\n", r, item_name(it, name));
        fprintf(f, "prot1:%d bits:%s\n", it.cover[0], bits8(it.cover[0], b));
        fprintf(f, "prot2:%d bits:%s\n", it.cover[1], bits8(it.cover[1], b));
        fprintf(f, "prot3:%d bits:%s\n", it.cover[2], bits8(it.cover[2], b));
        fprintf(f, "\n");
    }
    fprintf(f, "--- [end] ---\n");
    fclose(f);
}
