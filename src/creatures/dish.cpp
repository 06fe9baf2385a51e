// src/creatures/dish.cpp -- a dish made of its ingredients (see dish.h): the fixed methods' material
// lists, the common nutrition the used lines merge into, and the dish named and made.
#include "creatures/dish.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/skills.h"
#include "items/containers.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/plants.h"
#include "items/vessels.h"

ItemStruct yhteisravintoesine;
ravinto_struct yhteisravintoarvo;
float yhteisravintohinta;
int yhteisravintoentries;

static bool raw_meat_or_fish(const ItemStruct &it) { return it.id == OID_RAWFISH || it.id == OID_RAWMEAT; }

static bool has_word(const char *text, const char *word) {
    std::string a = text, b = word;
    for (char &c : a) c = (char)tolower((unsigned char)c);
    for (char &c : b) c = (char)tolower((unsigned char)c);
    return a.find(b) != std::string::npos;
}

// The value of "[key:...]" in the plant data of the plant an item comes from (its skill text names
// the plant); "" when the plant or the key is missing.
std::string flora_value(const ItemStruct &it, const char *key) {
    char plant[sizeof it.skill + 1];
    copy_bounded(plant, sizeof plant, it.skill);
    if (!plant[0] || !hae_asciidata(0, plant)) return "";
    size_t len = 0;
    const char *v = tag_find(ascii_data, key, &len);
    return v ? std::string(v, len) : std::string();
}

// A plant boiled by the fixed method loses the effects its plant data names as lost by boiling and
// gains those boiling gives.
static void boil_plant_effects(ItemStruct &it) {
    if (it.id != OID_HERB && it.id != OID_FLOWER && it.id != OID_ROOT && it.id != OID_MUSHROOM &&
        it.id != OID_BERRY && it.id != OID_POD)
        return;
    const uint32_t lost = AsetaYrttivaikutus(0, flora_value(it, "REMOVE_BOILED").c_str());
    const uint32_t gained = AsetaYrttivaikutus(0, flora_value(it, "EFFECT_BOILED").c_str());
    it.raw = (it.raw & ~lost) | gained;
}

void NollaaYhteisravinto() {
    ClrItemstruct(yhteisravintoesine);
    yhteisravintoarvo = {};
    yhteisravintohinta = 0;
    yhteisravintoentries = 0;
}

void LisaaYhteisravinto(ItemStruct &item, int count, float amount) {
    float ppw = item.priceperweight != 0 ? item.priceperweight : (item.weight > 0 ? item.price / item.weight : 0);
    yhteisravintohinta += amount * (float)count * ppw;
    ItemStruct part = item;
    part.weight = amount;
    ravinto_struct v = ravinto(part);
    item.fig[0] = part.fig[0], item.fig[1] = part.fig[1], item.fig[2] = part.fig[2], item.water = part.water;
    ravinto_struct &all = yhteisravintoarvo;
    all.g_carb += v.g_carb * count;
    all.g_fat += v.g_fat * count;
    all.g_protein += v.g_protein * count;
    all.g_liquid += v.g_liquid * count;
    all.kcal_item += v.kcal_item * count;
    ItemStruct &out = yhteisravintoesine;
    if (yhteisravintoentries == 0) {
        out = item;
        out.weight = amount * (float)count;
    } else {
        out.raw |= item.raw;
        out.weight += amount * (float)count;
        if (item.id == OID_HERB) SET_ITEM_TEXT(out.skill, "mixed");
        if (item.id == OID_MUSHROOM) SET_ITEM_TEXT(out.skill, "mushrooms");
    }
    out.fullweight = out.weight;
    // A combined food of no weight keeps the per cents of its first ingredient.
    if (out.weight > 0) {
        auto pc = [](int grams) {
            float v = ceilf((float)grams * 0.2f / out.weight);
            return (int)(v > 255 ? 255 : v < 0 ? 0 : v);
        };
        all.carb = pc(all.g_carb), all.fat = pc(all.g_fat), all.protein = pc(all.g_protein), all.liquid = pc(all.g_liquid);
        out.fig[0] = (uint8_t)all.carb, out.fig[1] = (uint8_t)all.fat, out.fig[2] = (uint8_t)all.protein;
        out.water = (uint8_t)all.liquid;
    }
    all.kcal100 = 4 * all.carb + 9 * all.fat + 4 * all.protein;
    all.kcal_lb = 5 * all.kcal100;
    yhteisravintoentries++;
}

// The item of a used line as the merge takes it: the chosen item, or water of the line's amount for a
// water line whose water came from the lake or has been poured out of its vessel.
static bool line_item(const Tarvike_Struct &t, ItemStruct &item) {
    if (t.itempos > 1) {
        item = ObjToItem((int)t.itempos);
        if (t.id != OID_WATER || has_word(item.name, "water")) return item.type != IT_NONE;
    }
    if (t.id != OID_WATER) return false;
    item = Vesiesine(t.amount);
    return true;
}

// ---- the dish of the used lines ------------------------------------------------------------------

int merge_dish(int method, DishDraft &d) {
    NollaaYhteisravinto();
    d = DishDraft{};
    char *const raw = d.raw, *const pattern = d.pattern;
    bool &have_raw = d.have_raw, &have_pattern = d.have_pattern;
    bool have_id = false;
    int common = 0;
    int spoil = 5;
    float conc = 0, pricefac = 0;
    bool any_container = false;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) any_container |= Kayttolista[i].container != 0;
    bool herbs_boiled = false;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        Tarvike_Struct &line = Kayttolista[i];
        if (!line.method) continue;
        ItemStruct item;
        if (!line_item(line, item)) continue;
        const bool herb = item.id == OID_HERB || item.id == OID_FLOWER;
        if (line.naming) {
            const int mode = herb && method == COOK_BOIL && line.method == COOK_BOIL ? (int)NAMING_FIXED : (int)line.naming;
            char own[48];
            copy_bounded(own, sizeof own, Esineen_Raakanimi(mode, item));
            if (!own[0] || strcmp(own, "unknown") == 0) food_name_of(item, own, sizeof own);
            if (!have_raw) {
                copy_bounded(raw, sizeof d.raw, StrLwr(own));
                copy_bounded(pattern, sizeof d.pattern, line.naming_text);
                have_pattern = pattern[0] != 0;
                have_raw = true;
            } else if (strcmp(raw, StrLwr(own)) != 0) {
                copy_bounded(raw, sizeof d.raw, "Mixed");
                have_pattern = false;
            }
        }
        if (line.id != OID_WATER) {
            if (!have_id) common = (int)item.id, have_id = true;
            else if (common != (int)item.id) common = -1;
        }
        float amount = line.amount > 0 ? line.amount : item.weight;
        int count = line.count > 0 ? (int)line.count : 1;
        if (line.amount > 0) count = 1;   // a weighed line took its pounds once
        if (method && !any_container) count = 1;   // one piece: the rolls make as many as were cooked
        const bool meat = raw_meat_or_fish(item);
        switch (line.method) {
        case COOK_DRY: spoil = 180, conc = 10.0f, pricefac = 1.6f; break;
        case COOK_SALT: spoil = 254, pricefac = 1.8f; break;
        case COOK_BAKE: spoil = meat ? 5 : 8, pricefac = 1.2f; break;
        case COOK_BOIL:
            spoil = meat ? 4 : 8, pricefac = 1.1f;
            if (method == COOK_BOIL && herb) herbs_boiled = true;
            if (method != 0) boil_plant_effects(item);
            break;
        case COOK_ROAST:
            spoil = meat ? 5 : 8, pricefac = 1.15f;
            if (meat || item.subtype == 27) conc = 1.34f;
            break;
        case COOK_SMOKE: spoil = 80, conc = 8.0f, pricefac = 1.5f; break;
        default: spoil = 5, conc = 0, pricefac = 0; break;
        }
        if (pricefac > 0) {
            item.price *= pricefac;
            item.priceperweight *= pricefac;
        }
        LisaaYhteisravinto(item, count, amount);
    }
    if (yhteisravintoentries == 0) return 0;
    ItemStruct &p = yhteisravintoesine;
    p.type = IT_FOOD;
    p.subtype = 0;
    p.priceperweight = p.weight > 0 ? yhteisravintohinta / p.weight : 0;
    if (pricefac > 0) p.priceperweight *= pricefac;
    p.spoil = (uint8_t)spoil;
    p.vessel = 0;
    p.unitkind = 0;
    p.status = 0;
    if (conc > 0) TiivistaRavinto(p, conc);
    bool keep_id = method != 0 && (common == OID_BERRY || common == OID_POD || common == OID_ROOT ||
                                   common == OID_HERB || common == OID_FLOWER || common == OID_MUSHROOM);
    p.id = keep_id ? (uint32_t)common : 0;
    if (herbs_boiled) {
        p.type = IT_CONTAINER;
        copy_bounded(pattern, sizeof d.pattern, "%s beverage");
        have_pattern = true;
        p.spoil = 20;
    }
    ItemSet_laatutieto(1, p);
    // The container of the product: the chosen item of the first container line.
    int &container = d.container;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id && !container; i++)
        if (Kayttolista[i].container && Kayttolista[i].itempos > 1) container = (int)Kayttolista[i].itempos;
    d.food = p;
    return 1;
}

int serve_dish(DishDraft &d, const char *name) {
    ItemStruct &p = d.food;
    char *const raw = d.raw, *const pattern = d.pattern;
    const bool have_raw = d.have_raw;
    const int container = d.container;
    if (!d.have_pattern) {
        char lower[48];
        copy_bounded(lower, sizeof lower, name ? StrLwr(name) : "");
        snprintf(pattern, sizeof d.pattern, "%%s %.48s", lower);
    }
    char product_name[96], display[48];
    food_name_of(p, display, sizeof display);
    if (!name || !name[0]) fill_name(product_name, sizeof product_name, pattern, have_raw ? raw : display);
    else if (have_raw) fill_name(product_name, sizeof product_name, pattern, raw);
    else copy_bounded(product_name, sizeof product_name, name);
    SET_ITEM_TEXT(p.name, product_name);
    if (!container) return Luo_Esineen_Itempos(p);
    // The dish finds its object before the pot is emptied: with no room for it the pot keeps what it holds.
    const int content = Esineesta_Uniikki(p);
    if (!content) return 0;
    if (container >= OBJ_PLAYER_FIRST && container <= OBJ_PLAYER_LAST) Tyhjenna_EsineAstia(PlayerObj[container - OBJ_PLAYER_FIRST]);
    return Sailioi(content, container, 0, 0);
}

// ---- the fixed methods ------------------------------------------------------------------------

static const CookMethod methods[] = {
    {COOK_BOIL, 420, 10, "boiled %s", 50, LEARN_THIRD, 0},
    {COOK_ROAST, 495, 10, "roasted %s", 50, LEARN_THIRD, 0},
    {COOK_DRY, 495, 50, "dried %s", 10, 0, 25},
    {COOK_SALT, 495, 50, "salted %s", 20, 1, 5},
    {COOK_SMOKE, 495, 50, "smoked %s", 0, 2, 16},
};

const CookMethod *cook_method(int code) {
    for (const CookMethod &m : methods)
        if (m.code == code) return &m;
    return nullptr;
}

static void add_plain(int id) {
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)id;
    Lisaa_Tarvike();
}

// A material used up in proportion to the food: `ratio` pounds for each piece.
static void add_by_ratio(int id, float ratio) {
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)id;
    Tarvike.remove = 1;
    Tarvike.ratio = ratio;
    Tarvike.amount = Tarvike.first_amount = ratio;
    Lisaa_Tarvike();
}

static void add_food(const CookMethod &m) {
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)m.food_class;
    Tarvike.count = Tarvike.first_count = 0;   // as many as she chooses
    Tarvike.max_count = (uint32_t)m.limit;
    Tarvike.remove = 1;
    Tarvike.method = (uint32_t)m.code;
    Tarvike.naming = NAMING_ORIGINAL;
    copy_bounded(Tarvike.naming_text, sizeof Tarvike.naming_text, m.pattern);
    Lisaa_Tarvike();
}

void add_cooking_pot() {
    Tyhjaa_Tarvike();
    Tarvike.id = 370;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.remove = 1;
    Tarvike.container = 1;
    Lisaa_Tarvike();
}

int cook_method_list(const CookMethod &m) {
    Tyhjaa_Tarvikelista();
    switch (m.code) {
    case COOK_BOIL: add_plain(56), add_food(m), add_by_ratio(OID_WATER, 1.3f), add_cooking_pot(); return 1;
    case COOK_ROAST: add_plain(56), add_food(m); return 1;
    case COOK_DRY: add_food(m), add_plain(59), add_plain(60), add_plain(51), add_by_ratio(330, 0.5f); return 0;
    case COOK_SALT: add_food(m), add_plain(51), add_by_ratio(OID_SALT, 0.1f); return 0;
    default: add_plain(58), add_food(m), add_by_ratio(330, 0.5f); return 1;
    }
}

// What a dish cooked at once overwrites, kept for the work in hand: a person roasting by her fire
// while her own dish cooks leaves her lists and her combined food as they were.
namespace {
struct WorkInHand {
    Tarvike_Struct line, list[TARVIKE_MAX], used[TARVIKE_MAX];
    ItemStruct food;
    ravinto_struct value;
    float price;
    int entries;
    void keep() {
        line = Tarvike;
        memcpy(list, Tarvikelista, sizeof list);
        memcpy(used, Kayttolista, sizeof used);
        food = yhteisravintoesine, value = yhteisravintoarvo, price = yhteisravintohinta, entries = yhteisravintoentries;
    }
    void restore() const {
        Tarvike = line;
        memcpy(Tarvikelista, list, sizeof list);
        memcpy(Kayttolista, used, sizeof used);
        yhteisravintoesine = food, yhteisravintoarvo = value, yhteisravintohinta = price, yhteisravintoentries = entries;
    }
};
}  // namespace

static int cook_now(int method, int item);

int cook_at_once(int method, int item) {
    static WorkInHand kept;   // large: kept out of the stack
    kept.keep();
    const int product = cook_now(method, item);
    kept.restore();
    return product;
}

static int cook_now(int method, int item) {
    const CookMethod *m = cook_method(method);
    if (!m) return -1;
    const int food_line = cook_method_list(*m);
    Tarvike_Struct &f = Tarvikelista[food_line];
    f.itempos = (uint32_t)item;
    f.count = f.first_count = 1;
    memcpy(Kayttolista, Tarvikelista, sizeof Kayttolista);
    const uint32_t id = ObjToItem(item).id;
    if (id == OID_HERB || id == OID_FLOWER)
        for (int i = 0; i < 50; i++)
            if (Kayttolista[i].id == OID_WATER) Kayttolista[i].method = COOK_BOIL;
    DishDraft d;
    if (!merge_dish(method, d)) return -1;
    return serve_dish(d, "");
}
