// Cooking and preserving: the fixed methods build their list of used items, recipes read theirs from
// the cookery files, and one merge turns the used items into a combined food.
#include "activities/cooking.h"

#include "activities/containers.h"
#include "activities/skills.h"
#include "activities/toimi.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/strupr.h"
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "items/making.h"
#include "items/plants.h"
#include "items/recipes.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "presentation/menu.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "presentation/tekstit.h"
#include "quests/tehtavat.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

KaytettyRivi Kaytetyt[KAYTETYT_MAX];
int KaytetytMaara;
ItemStruct yhteisravintoesine;
ravinto_struct yhteisravintoarvo;
float yhteisravintohinta;
int yhteisravintoentries;

static bool raw_meat_or_fish(const ItemStruct &it) { return it.id == OID_RAWFISH || it.id == 500; }

static void name_of(const ItemStruct &it, char *out, size_t size) {
    size_t n = strnlen(it.name, sizeof it.name);
    if (n >= size) n = size - 1;
    memcpy(out, it.name, n);
    out[n] = 0;
}

static bool has_word(const char *text, const char *word) {
    std::string a = text, b = word;
    for (char &c : a) c = (char)tolower((unsigned char)c);
    for (char &c : b) c = (char)tolower((unsigned char)c);
    return a.find(b) != std::string::npos;
}

// The value of "[key:...]" in the plant data of the plant an item comes from (its skill text names
// the plant); "" when the plant or the key is missing.
static std::string flora_value(const ItemStruct &it, const char *key) {
    char plant[sizeof it.skill + 1];
    copy_bounded(plant, sizeof plant, it.skill);
    if (!plant[0] || !hae_asciidata(0, plant)) return "";
    std::string open = std::string("[") + key + ":";
    const char *v = strstr(ascii_data, open.c_str());
    if (!v) return "";
    v += open.size();
    const char *end = strchr(v, ']');
    return std::string(v, end ? (size_t)(end - v) : strlen(v));
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

void Palauta_Kokkaustarvikkeet() {
    for (int i = 0; i < KaytetytMaara; i++) {
        KaytettyRivi &r = Kaytetyt[i];
        if (r.taken && r.obj && r.count > 0) Lisaa_Inventoryyn(r.obj, r.count, 1, -1);
        r.taken = 0;
    }
}

int Kokkaa_Tarvikelista(int method, const char *name, int minutes) {
    NollaaYhteisravinto();
    char raw[48] = "", pattern[64] = "";
    bool have_raw = false, have_pattern = false, have_id = false;
    int common = 0, container = 0;
    int spoil = 5;
    float conc = 0, pricefac = 0;
    bool any_container = false;
    for (int i = 0; i < KaytetytMaara; i++) any_container |= Kaytetyt[i].container != 0;
    bool herbs_boiled = false;
    for (int i = 0; i < KaytetytMaara; i++) {
        KaytettyRivi &line = Kaytetyt[i];
        if (line.container && !container) container = line.obj;
        if (!line.method) continue;
        ItemStruct item;
        if (line.obj) item = ObjToItem(line.obj);
        else if (line.water) item = Vesiesine(line.amount);
        else continue;
        if (line.naming) {
            char own[48];
            name_of(item, own, sizeof own);
            if (!have_raw) {
                copy_bounded(raw, sizeof raw, StrLwr(own));
                copy_bounded(pattern, sizeof pattern, line.pattern);
                have_raw = have_pattern = true;
            } else if (strcmp(raw, StrLwr(own)) != 0) {
                copy_bounded(raw, sizeof raw, "Mixed");
                have_pattern = false;
            }
        }
        if (!line.water) {
            if (!have_id) common = (int)item.id, have_id = true;
            else if (common != (int)item.id) common = -1;
        }
        float amount = line.amount > 0 ? line.amount : item.weight;
        int count = line.count > 0 ? line.count : 1;
        if (method && !any_container) {
            amount *= (float)count;
            count = 1;
        }
        bool meat = raw_meat_or_fish(item);
        switch (line.method) {
        case COOK_DRY: spoil = 180, conc = 10.0f, pricefac = 1.6f; break;
        case COOK_SALT: spoil = 254, pricefac = 1.8f; break;
        case COOK_BAKE: spoil = meat ? 5 : 8, pricefac = 1.2f; break;
        case COOK_BOIL:
            spoil = meat ? 4 : 8, pricefac = 1.1f;
            if (method == COOK_BOIL && (item.id == OID_HERB || item.id == OID_FLOWER)) herbs_boiled = true;
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
    if (yhteisravintoentries == 0) {
        Palauta_Kokkaustarvikkeet();
        return -1;
    }
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
        copy_bounded(pattern, sizeof pattern, "%s beverage");
        have_pattern = true;
        p.spoil = 20;
    }
    ItemSet_laatutieto(1, p);
    if (minutes > 0 && !realbasicspend(minutes, 0, "COOKING", 0)) {
        Palauta_Kokkaustarvikkeet();
        return -1;
    }
    if (!have_pattern) {
        char lower[48];
        copy_bounded(lower, sizeof lower, name ? StrLwr(name) : "");
        snprintf(pattern, sizeof pattern, "%%s %.48s", lower);
    }
    char product_name[96], display[48];
    name_of(p, display, sizeof display);
    if (!name || !name[0]) fill_name(product_name, sizeof product_name, pattern, have_raw ? raw : display);
    else if (have_raw) fill_name(product_name, sizeof product_name, pattern, raw);
    else copy_bounded(product_name, sizeof product_name, name);
    SET_ITEM_TEXT(p.name, product_name);
    for (int i = 0; i < KaytetytMaara; i++) Kaytetyt[i].taken = 0;   // used up in the product
    if (!container) return Luo_Esineen_Itempos(p);
    int product = Esineesta_Uniikki(p);
    return Sailioi(product, container, 0, 0);
}

// ---- the fixed methods ----------------------------------------------------------------------

struct Method {
    int code;
    int food_class;                // 495 raw meat or fish, 420 raw ingredients
    int limit;
    const char *pattern;
    int bonus;
    int learning;
    bool fire, water, pot, knife, salt, tying, smokehouse;
    int maturing_days;
};

static const Method methods[] = {
    {COOK_BOIL, 420, 10, "boiled %s", 50, -1, true, true, true, false, false, false, false, 0},
    {COOK_ROAST, 495, 10, "roasted %s", 50, -1, true, false, false, false, false, false, false, 0},
    {COOK_DRY, 495, 50, "dried %s", 10, 0, false, false, false, true, false, true, false, 25},
    {COOK_SALT, 495, 50, "salted %s", 20, 1, false, false, false, true, true, false, false, 5},
    {COOK_SMOKE, 495, 50, "smoked %s", 0, 2, false, false, false, false, false, true, true, 16},
};

static const Method *method_of(int code) {
    for (const Method &m : methods)
        if (m.code == code) return &m;
    return nullptr;
}

static bool fire_near() {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_FIRE && std::abs((int)Data[i].x - PlayerX) <= 1 && std::abs((int)Data[i].y - PlayerY) <= 1)
            return true;
    return false;
}

// The first pack slot whose item passes the test; -1 none.
template <class F> static int pack_slot(F test) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && test(ObjToItem(Plr.inv_obj[s]))) return s;
    return -1;
}

static bool is_pot(const ItemStruct &it) { return it.id == 331 || it.id == 370 || has_word(it.name, "pot"); }
static bool is_knife(const ItemStruct &it) { return has_word(it.name, "knife") || has_word(it.skill, "KNIFE"); }
static bool is_tying(const ItemStruct &it) { return it.subtype == ST_ROPE || has_word(it.name, "cord") || has_word(it.name, "rope"); }
static bool is_water(const ItemStruct &it) { return it.id == OID_WATER && it.vessel != 0 && it.weight > 0; }

static bool food_of_class(const ItemStruct &it, int cls) {
    if (it.type != IT_FOOD || it.spoil == SPOIL_SPOILED) return false;
    if (cls == 495) return raw_meat_or_fish(it);
    return it.id != OID_SALT;
}

// A menu of the pack's foods of the class; the chosen slot, -1 none, -2 none to choose from.
static int choose_food(int cls, const char *title) {
    static const char keys[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int slot_of[128];
    memset(slot_of, -1, sizeof slot_of);
    Valinta_Tyhjaa();
    int k = 0;
    for (int s = 0; s < PLR_SLOTS && keys[k]; s++) {
        if (!Plr.inv_obj[s]) continue;
        ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (!food_of_class(it, cls)) continue;
        char name[48], line[80];
        name_of(it, name, sizeof name);
        snprintf(line, sizeof line, "%d %s", Plr.inv_count[s], name);
        slot_of[(unsigned char)keys[k]] = s;
        Valinta_Lisaa(keys[k++], line);
    }
    if (k == 0) return -2;
    int key = TeeValinta(title);
    return key > 0 && key < 128 ? slot_of[key] : -1;
}

static void add_line(const KaytettyRivi &line) {
    if (KaytetytMaara < KAYTETYT_MAX) Kaytetyt[KaytetytMaara++] = line;
}

// 1 when the plant data of the root's plant says its root is eaten cooked ("ROOT_USE").
static int root_wants_cooking(const ItemStruct &root) {
    return flora_value(root, "ROOT_USE").find("cooked") != std::string::npos;
}

int voiko_jauhaa(const ItemStruct &item) {
    if (item.id == OID_SEED || item.id == OID_GRAIN) return 1;
    if (item.id != OID_ROOT) return 0;
    return flora_value(item, "ROOT_USE").find("flour") != std::string::npos;
}

int pahanmakuinen(const ItemStruct &item) {
    if (item.id != OID_ROOT) return 0;
    char name[48];
    name_of(item, name, sizeof name);
    if (strstr(StrUpr(name), "BOILED")) return 0;
    return root_wants_cooking(item);
}

// Rolls the skill once a piece; the grade of the product is the average of the pieces' grades.
static int cooking_grade(int pieces, const Method &m, bool stale) {
    int sum = 0, level = Skill_ML(-1, "COOKERY");
    if (level == 1000) level = 0;
    for (int i = 0; i < pieces; i++) {
        int roll = Kayta_Taitoa(0, m.bonus, "COOKERY", i == 0 ? m.learning : -2);
        if (stale) roll = 0;
        sum += craftquality(level, roll);
    }
    return pieces > 0 ? (sum + pieces / 2) / pieces : 3;
}

// The product left to mature at the player's square as work in progress.
static void place_maturing(int product, int count, uint32_t minutes) {
    ClearDTEMP();
    DTEMP.type = DT_WORK;
    DTEMP.x = (uint16_t)PlayerX;
    DTEMP.y = (uint16_t)PlayerY;
    DTEMP.id = (uint32_t)product;
    DTEMP.count = (uint16_t)(count > 0 ? count : 1);
    DTEMP.owner = -1;
    DTEMP.day = (uint16_t)Plr.daynumber;
    DTEMP.ready_day = (uint16_t)(Plr.daynumber + minutes / 1440u);
    DTEMP.ready_minute = Plr.minutes + minutes;
    if (SetDTEMP(-1) < 0) Lisaa_Inventoryyn(product, count > 0 ? count : 1, 1, -1);   // no room: kept at hand
}

static void product_note(int product, int days) {
    char name[48], line[160];
    name_of(ObjToItem(product), name, sizeof name);
    if (days > 0) {
        char pattern[80];
        snprintf(pattern, sizeof pattern, "=The %%s will be ready in %d days.", days);
        fill_name(line, sizeof line, pattern, StrLwr(name));
    } else {
        fill_name(line, sizeof line, "=You now have %s.", StrLwr(name));
    }
    Note(line);
}

int Kokkaa(int who, int method, const char *, int mode, int item) {
    const Method *m = method_of(method);
    if (!m) return -1;
    KaytetytMaara = 0;
    if (mode == 1 && item) {
        KaytettyRivi food = {};
        food.obj = item, food.count = 1, food.method = method, food.naming = 1;
        copy_bounded(food.pattern, sizeof food.pattern, m->pattern);
        add_line(food);
        return Kokkaa_Tarvikelista(method, "", 0);
    }
    if (who != -1) return -1;
    int pot = m->pot ? pack_slot(is_pot) : -1;
    int salt = m->salt ? pack_slot([](const ItemStruct &it) { return it.id == OID_SALT; }) : -1;
    int waterslot = m->water ? pack_slot(is_water) : -1;
    std::string missing;
    auto need = [&missing](bool ok, const char *what) {
        if (ok) return;
        missing += missing.empty() ? "" : ", ";
        missing += what;
    };
    need(!m->fire || fire_near(), "a fire");
    need(!m->pot || pot >= 0, "a cooking pot");
    need(!m->water || avovesi(-1, 0) || waterslot >= 0, "water");
    need(!m->knife || pack_slot(is_knife) >= 0, "a knife");
    need(!m->salt || salt >= 0, "salt");
    need(!m->tying || pack_slot(is_tying) >= 0, "tying equipment");
    need(!m->smokehouse, "a smoke sauna to smoke in");
    if (!missing.empty()) {
        char line[300];
        snprintf(line, sizeof line, "!%s: you need %s.", Toiminta(method), missing.c_str());
        Note(line);
        return -1;
    }
    int slot = choose_food(m->food_class, Toiminta(method));
    if (slot == -2) {
        Note(nothingto(m->food_class == 495 ? "raw meat or fish" : "food to cook"));
        return -1;
    }
    if (slot < 0) return -1;
    int count = Plr.inv_count[slot];
    if (count > m->limit) count = m->limit;   // no more than the method takes at once
    if (count > 1) count = AskCount(count);  // how many of a stack; Enter takes them all
    if (count <= 0) return -1;
    int food_obj = Plr.inv_obj[slot];
    ItemStruct food_item = ObjToItem(food_obj);
    int pot_obj = pot >= 0 ? Plr.inv_obj[pot] : 0;
    Poista_PlrItem(slot, count);
    KaytettyRivi food = {};
    food.obj = food_obj, food.count = count, food.method = method, food.naming = 1, food.taken = 1;
    copy_bounded(food.pattern, sizeof food.pattern, m->pattern);
    add_line(food);
    float water_amount = 1.3f * (float)count;
    if (m->water) {
        KaytettyRivi w = {};
        w.water = 1, w.amount = water_amount;
        if (food_item.id == OID_HERB || food_item.id == OID_FLOWER) w.method = COOK_BOIL;
        add_line(w);
    }
    if (m->pot) {
        KaytettyRivi p = {};
        p.obj = pot_obj, p.count = 1, p.container = 1;
        add_line(p);
    }
    int pieces = m->pot ? 1 : count;
    int minutes = (method == COOK_SALT || method == COOK_SMOKE || method == COOK_DRY) ? 2 * pieces : pieces / 2;
    if (minutes < 3) minutes = 3;
    int product = Kokkaa_Tarvikelista(method, "", minutes);
    if (product < 0) return -1;
    if (salt >= 0) {
        int s = pack_slot([](const ItemStruct &it) { return it.id == OID_SALT; });
        if (s >= 0) kuluta_slotista(s, 0.1f * (float)count);
    }
    if (m->water && !avovesi(-1, 0)) {
        int s = pack_slot(is_water);
        if (s >= 0) kuluta_slotista(s, water_amount);
    }
    Tarkista_Suoritus(8);
    ItemStruct made = ObjToItem(product);
    if (made.type != IT_CONTAINER) {
        ItemSet_laatu(cooking_grade(pieces, *m, oe_ummehtunut(food_item) != 0), made);
        made.quality &= (uint8_t)~QUAL_KNOWN;
        ItemToObjpos(made, product);
    } else {
        cooking_grade(pieces, *m, false);
    }
    if (m->maturing_days > 0) {
        place_maturing(product, 1, (uint32_t)m->maturing_days * 1440u);
        product_note(product, m->maturing_days);
        return product;
    }
    if (m->pot) {
        int s = -1;
        for (int k = 0; k < PLR_SLOTS && s < 0; k++)
            if (Plr.inv_obj[k] == pot_obj) s = k;
        if (s >= 0) Poista_PlrItem(s, 1);   // the pot is carried as what it holds
    }
    Lisaa_Inventoryyn(product, 1, 1, -1);
    product_note(product, 0);
    return product;
}

// ---- recipes ------------------------------------------------------------------------------------

// The value between the marks of a header tag ("..", "//", "()"), cut to the buffer; "" when none.
static void tag_value(const char *line, char open, char close, char *out, size_t size) {
    out[0] = 0;
    const char *a = strchr(line, open);
    if (!a) return;
    const char *b = open == close ? (strlen(a) > 2 ? strchr(a + 2, close) : nullptr) : strchr(line, close);
    if (!b || b <= a) return;
    size_t n = (size_t)(b - a - 1);
    if (n >= size) n = size - 1;
    memcpy(out, a + 1, n);
    out[n] = 0;
}

const char *cookery_header_text(const char *text, unsigned size, const char *name, char *out, unsigned outsize) {
    const char *p = text, *end = text + size;
    char want[100];
    copy_bounded(want, sizeof want, StrUpr(name));
    while (p < end) {
        char line[450];
        size_t n = 0;
        while (p < end && *p != '\n') {
            if (n + 1 < sizeof line && *p != '\r') line[n++] = *p;
            p++;
        }
        if (p < end) p++;
        line[n] = 0;
        if (line[0] != '.') continue;
        char tag[100];
        tag_value(line, '.', '.', tag, sizeof tag);
        if (strcmp(StrUpr(tag), want) == 0) {
            copy_bounded(out, outsize, line);
            return out;
        }
    }
    copy_bounded(out, outsize, "NOT FOUND");
    return out;
}

static std::string read_whole(const char *path) {
    std::string text;
    FILE *f = fopen(path, "rb");
    if (!f) return text;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0 && text.size() < (1u << 22)) text.append(chunk, n);
    fclose(f);
    return text;
}

// Every cookery file of the working folder in sorted name order, as one text.
static std::string cookery_texts() {
    static const char *const files[] = {"cookery_baking.txt", "cookery_porridge.txt", "cookery_meat.txt",
                                        "cookery_fish.txt", "cookery_vegetable.txt"};
    std::string all;
    for (const char *f : files) all += read_whole(f) + "\n";
    return all;
}

const char *cookery_header(const char *name) {
    static char header[450];
    std::string all = cookery_texts();
    return cookery_header_text(all.data(), (unsigned)all.size(), name, header, sizeof header);
}

// The material lines of a recipe: the lines after its header that begin with "{", and its item lines.
struct RecipeLines {
    std::string materials[30];
    int nmaterials = 0;
    std::string items[30];
    int nitems = 0;
};

static RecipeLines recipe_lines(const std::string &all, const char *header) {
    RecipeLines r;
    size_t pos = all.find(header);
    if (pos == std::string::npos) return r;
    pos = all.find('\n', pos);
    while (pos != std::string::npos && pos + 1 < all.size()) {
        size_t start = pos + 1, eol = all.find('\n', start);
        std::string line = all.substr(start, (eol == std::string::npos ? all.size() : eol) - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos = eol;
        if (line.rfind("//", 0) == 0 || line.rfind("##", 0) == 0) continue;
        if (line.size() > 254) line.resize(254);
        if (!line.empty() && line[0] == '.') continue;
        if (!line.empty() && line[0] == '{' && r.nmaterials < 30) r.materials[r.nmaterials++] = line;
        else if (!line.empty() && line[0] == '[' && r.nitems < 30) r.items[r.nitems++] = line;
        else break;
    }
    return r;
}

static int header_number(const char *header, char open, char close, int def) {
    char v[100];
    tag_value(header, open, close, v, sizeof v);
    if (!v[0]) return def;
    long n = strtol(v, nullptr, 10);
    if (strchr(v, 'h')) n *= 60;
    if (strchr(v, 'd')) n *= 1440;
    if (n < 0) n = 0;
    if (n > 1000000) n = 1000000;
    return (int)n;
}

int TeeResepti(const char *name) {
    char header[450];
    copy_bounded(header, sizeof header, cookery_header(name));
    if (strcmp(header, "NOT FOUND") == 0) {
        Note("!Error! Object header not found!");
        return 0;
    }
    char product_name[100], skill[100];
    tag_value(header, '.', '.', product_name, sizeof product_name);
    tag_value(header, '*', '*', skill, sizeof skill);
    if (!skill[0]) copy_bounded(skill, sizeof skill, "COOKERY");
    const int minutes = header_number(header, '/', '/', 15);
    const int amount = header_number(header, '(', ')', 1);
    const int bonus = header_number(header, '%', '%', 0);
    const int development = header_number(header, '|', '|', 0);
    const int maturing = header_number(header, '\\', '\\', 0);
    const int symbol = header_number(header, ':', ':', 0);
    std::string all = cookery_texts();
    RecipeLines lines = recipe_lines(all, header);
    // A dish cooked in patches asks how many; none cancels.
    int patches = 1;
    if (strstr(header, "[patch")) {
        patches = AskCount(Tekoheader_patch(header));
        if (patches <= 0) return 0;
    }

    KaytetytMaara = 0;
    bool need_fire = false, need_pot = false;
    std::string missing;
    struct Consume { int obj; float pounds; } consume[30];
    int nconsume = 0;
    for (int i = 0; i < lines.nmaterials; i++) {
        const char *l = lines.materials[i].c_str();
        char req[100], num[100];
        tag_value(l, '{', '}', req, sizeof req);
        tag_value(l, '(', ')', num, sizeof num);
        int count = num[0] ? atoi(num) : 1;
        if (count < 1) count = 1;
        if (count > 50) count = 50;
        tag_value(l, '#', '#', num, sizeof num);
        float pounds = num[0] ? (float)atof(num) : 0.0f;
        if (!(pounds >= 0 && pounds < 1000)) pounds = 0;
        // Taken once a patch: a line by weight takes more pounds, a line by count more pieces.
        if (strstr(l, "[patchwise]")) {
            if (pounds > 0) pounds *= (float)patches;
            else count *= patches;
        }
        int method = strstr(l, "[boil]") ? COOK_BOIL : strstr(l, "[roast]") ? COOK_ROAST : strstr(l, "[bake]") ? COOK_BAKE : 0;
        need_fire |= method != 0;
        need_pot |= method == COOK_BOIL || method == COOK_BAKE;
        if (has_word(req, "fire") && strlen(req) < 6) { need_fire = true; continue; }
        if (has_word(req, "pot") && strlen(req) < 12) { need_pot = true; continue; }
        KaytettyRivi line = {};
        line.count = count, line.amount = pounds, line.method = method;
        if (has_word(req, "water") && strlen(req) < 6) {
            line.water = 1;
            if (!avovesi(-1, 0)) {
                int s = pack_slot(is_water);
                if (s < 0 || ObjToItem(Plr.inv_obj[s]).weight < pounds) { missing += missing.empty() ? "" : ", "; missing += "water"; continue; }
                consume[nconsume++] = {Plr.inv_obj[s], pounds};
            }
            add_line(line);
            continue;
        }
        std::string want = req;
        int s = pack_slot([&want](const ItemStruct &it) { return has_word(it.name, want.c_str()); });
        if (s < 0 || (pounds <= 0 && Plr.inv_count[s] < count) || (pounds > 0 && ObjToItem(Plr.inv_obj[s]).weight < pounds)) {
            missing += missing.empty() ? "" : ", ";
            missing += req;
            continue;
        }
        line.obj = Plr.inv_obj[s];
        if (pounds > 0) {
            consume[nconsume++] = {line.obj, pounds};
        } else if (strstr(l, "[remove]")) {
            Poista_PlrItem(s, count);
            line.taken = 1;
        }
        add_line(line);
    }
    if (need_fire && !fire_near()) missing += missing.empty() ? "a fire" : ", a fire";
    int pot = need_pot ? pack_slot(is_pot) : -1;
    if (need_pot && pot < 0) missing += missing.empty() ? "a cooking pot" : ", a cooking pot";
    char line[300];
    if (!missing.empty()) {
        Palauta_Kokkaustarvikkeet();
        snprintf(line, sizeof line, "!%.60s: you need %.200s.", product_name, missing.c_str());
        Note(line);
        return 0;
    }
    int pot_obj = pot >= 0 ? Plr.inv_obj[pot] : 0;
    if (pot_obj) {
        KaytettyRivi p = {};
        p.obj = pot_obj, p.count = 1, p.container = 1;
        add_line(p);
    }
    fill_name(line, sizeof line, "Cook %s with the ingredients at hand?", product_name);
    if (!KyllaEi(line)) {
        Palauta_Kokkaustarvikkeet();
        return 0;
    }
    int product = Kokkaa_Tarvikelista(0, product_name, minutes);
    if (product < 0) return 0;
    for (int i = 0; i < nconsume; i++) {
        int s = -1;
        for (int k = 0; k < PLR_SLOTS; k++)
            if (Plr.inv_obj[k] == consume[i].obj) s = k;
        if (s >= 0) kuluta_slotista(s, consume[i].pounds);
    }
    Tarkista_Suoritus(8);
    int sum = 0, level = Skill_ML(-1, skill);
    if (level == 1000) level = 0;
    const int rolls = patches * amount;
    for (int i = 0; i < rolls; i++) sum += craftquality(level, Kayta_Taitoa(0, bonus, skill, development));
    ItemStruct made = ObjToItem(product);
    if (symbol) made.tilesym = (uint8_t)symbol;
    const float parts = (float)patches * (float)(amount > 1 ? amount : 1);
    if (parts > 1) {
        made.weight /= parts;
        made.fullweight /= parts;
    }
    for (int i = 0; i < lines.nitems; i++) RAWITEMLINE_go(lines.items[i].c_str(), &made);
    if (made.type != IT_CONTAINER && !strstr(header, "[noquality]")) {
        ItemSet_laatu((sum + rolls / 2) / (rolls > 0 ? rolls : 1), made);
        made.quality &= (uint8_t)~QUAL_KNOWN;
    }
    ItemToObjpos(made, product);
    if (maturing > 0) {
        place_maturing(product, rolls, (uint32_t)maturing);
        product_note(product, maturing / 1440 > 0 ? maturing / 1440 : 1);
        return 0;
    }
    if (pot_obj) {
        for (int k = 0; k < PLR_SLOTS; k++)
            if (Plr.inv_obj[k] == pot_obj) {
                Poista_PlrItem(k, 1);
                break;
            }
        Lisaa_Inventoryyn(product, 1, 1, -1);
    } else {
        Lisaa_Inventoryyn(product, rolls, 1, -1);
    }
    product_note(product, 0);
    return 0;
}

// The recipes of one menu group of the cookery files, each entry cooking its recipe.
static void recipe_menu(const char *group, const char *title) {
    Valinta_Tyhjaa();
    Lisaa_esine_menuvalinnat(recipe_pattern(RECIPE_COOKERY), "COOKERY", group);
    if (ValintojenMaara == 0) {
        Note("!You know no such recipes.");
        return;
    }
    NOUPDATE_RC = 1;
    TeeValinta(title);
}

void Cook() {
    Valinta_Tyhjaa();
    Valinta_LisaaToiminnalla('R', "Roast", COOK_ROAST);
    Valinta_LisaaToiminnalla('B', "Boil / Herbal beverages", COOK_BOIL);
    Valinta_Lisaa(-1, "");
    Valinta_Lisaa('A', "Baking recipes");
    Valinta_Lisaa('P', "Porridge recipes");
    Valinta_Lisaa('M', "Meat recipes");
    Valinta_Lisaa('F', "Fish recipes");
    Valinta_Lisaa('V', "Vegetable recipes");
    compose_menu("COOKERY");
    Valinta_Lisaa_MenuStruct();
    Valinta_Lisaa(-1, "");
    Valinta_LisaaToiminnalla('D', "Dry (for preservation)", COOK_DRY);
    Valinta_LisaaToiminnalla('S', "Salt (for preservation)", COOK_SALT);
    Valinta_LisaaToiminnalla('E', "Smoke (for preservation)", COOK_SMOKE);
    Valinta_LisaaGlobalGameinfo("COOKERY");
    NOUPDATE_RC = 1;
    const int key = TeeValinta("COOKERY OPTIONS");
    switch (key) {
    case 'A': recipe_menu("baking", "BREAD AND BAKING RECIPES"); return;
    case 'P': recipe_menu("porridge", "PORRIDGE RECIPES"); return;
    case 'M': recipe_menu("meat", "MEAT RECIPES"); return;
    case 'F': recipe_menu("fish", "FISH RECIPES"); return;
    case 'V': recipe_menu("vegetable", "VEGETABLE RECIPES"); return;
    default: break;
    }
    // An entry of the cookery menu definition lists the recipes of its own group.
    for (const MenuStructEntry &m : menustruct)
        if (m.key && m.key == key) {
            char title[sizeof m.name];
            copy_bounded(title, sizeof title, StrUpr(m.name));
            recipe_menu(m.name, title);
            return;
        }
}
