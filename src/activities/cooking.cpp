// Cooking and preserving: the fixed methods build their list of used items, recipes read theirs from
// the cookery files, and one merge turns the used items into a combined food.
#include "activities/cooking.h"

#include "activities/actions.h"
#include "activities/activities.h"
#include "items/containers.h"
#include "creatures/skills.h"
#include "activities/spirits.h"
#include "core/commandcodes.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/plants.h"
#include "items/quality.h"
#include "items/recipes.h"
#include "items/vessels.h"
#include "items/items.h"
#include "maps/mapquery.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

ItemStruct yhteisravintoesine;
ravinto_struct yhteisravintoarvo;
float yhteisravintohinta;
int yhteisravintoentries;

static bool raw_meat_or_fish(const ItemStruct &it) { return it.id == OID_RAWFISH || it.id == OID_RAWMEAT; }

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

// The fisherman's springtime sacrifice: the first fish of the spring from her nets, cooked by the
// water the day they were caught or the next, give the water folk the first taste once a season.
static void springtime_offering() {
    enum { MEANS_SPRINGTIME_SACRIFICE = 111, CUSTOM_NET_OFFERED = 2, TASK_OFFERING = 11 };
    if (!taikakeino_tuttu(MEANS_SPRINGTIME_SACRIFICE, 0)) return;
    const uint16_t caught = Plr.net_season_day;
    if (caught == 0 || Plr.daynumber < caught || Plr.daynumber - caught > 1) return;
    int wx, wy;
    if (etaisyys_veteen(PlayerX, PlayerY, &wx, &wy) > 3) return;
    if (Plr.spirit_customs & CUSTOM_NET_OFFERED) return;
    world_services.course_task_check(TASK_OFFERING);
    set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK, 35);
    Plr.spirit_customs |= CUSTOM_NET_OFFERED;
}

int Kokkaa_Tarvikelista(int method, const char *name, int minutes) {
    NollaaYhteisravinto();
    char raw[48] = "", pattern[104] = "";
    bool have_raw = false, have_pattern = false, have_id = false;
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
            if (!own[0] || strcmp(own, "unknown") == 0) name_of(item, own, sizeof own);
            if (!have_raw) {
                copy_bounded(raw, sizeof raw, StrLwr(own));
                copy_bounded(pattern, sizeof pattern, line.naming_text);
                have_pattern = pattern[0] != 0;
                have_raw = true;
            } else if (strcmp(raw, StrLwr(own)) != 0) {
                copy_bounded(raw, sizeof raw, "Mixed");
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
    if (yhteisravintoentries == 0) {
        Palauta_Kaytetyt_Tarvikkeet();
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
    // The container of the product: the chosen item of the first container line.
    int container = 0;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id && !container; i++)
        if (Kayttolista[i].container && Kayttolista[i].itempos > 1) container = (int)Kayttolista[i].itempos;
    if (minutes > 0 && !realbasicspend(minutes, 0, "COOKING", 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
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
    int product;
    if (!container) {
        product = Luo_Esineen_Itempos(p);
    } else {
        if (container >= OBJ_PLAYER_FIRST && container <= OBJ_PLAYER_LAST) Tyhjenna_EsineAstia(PlayerObj[container - OBJ_PLAYER_FIRST]);
        product = Sailioi(Esineesta_Uniikki(p), container, 0, 0);
    }
    if (minutes > 0) springtime_offering();   // her own cooking, not a dish made without time
    return product;
}

// ---- the fixed methods ----------------------------------------------------------------------

struct Method {
    int code;
    int food_class;                // 495 raw meat or fish, 420 raw ingredients
    int limit;                     // pieces at a time
    const char *pattern;
    int bonus;
    int learning;
    int maturing_days;             // preserving; 0 food that is done by the fire in minutes
};

static const Method methods[] = {
    {COOK_BOIL, 420, 10, "boiled %s", 50, LEARN_THIRD, 0},
    {COOK_ROAST, 495, 10, "roasted %s", 50, LEARN_THIRD, 0},
    {COOK_DRY, 495, 50, "dried %s", 10, 0, 25},
    {COOK_SALT, 495, 50, "salted %s", 20, 1, 5},
    {COOK_SMOKE, 495, 50, "smoked %s", 0, 2, 16},
};

static const Method *method_of(int code) {
    for (const Method &m : methods)
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

static void add_food(const Method &m) {
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

// The pot the product is cooked in and carried as.
static void add_pot() {
    Tyhjaa_Tarvike();
    Tarvike.id = 370;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.remove = 1;
    Tarvike.container = 1;
    Lisaa_Tarvike();
}

// The material list of a method; answers the food line.
static int method_list(const Method &m) {
    Tyhjaa_Tarvikelista();
    switch (m.code) {
    case COOK_BOIL: add_plain(56), add_food(m), add_by_ratio(OID_WATER, 1.3f), add_pot(); return 1;
    case COOK_ROAST: add_plain(56), add_food(m); return 1;
    case COOK_DRY: add_food(m), add_plain(59), add_plain(60), add_plain(51), add_by_ratio(330, 0.5f); return 0;
    case COOK_SALT: add_food(m), add_plain(51), add_by_ratio(OID_SALT, 0.1f); return 0;
    default: add_plain(58), add_food(m), add_by_ratio(330, 0.5f); return 1;
    }
}

// Minutes the food lies by the fire after the cooking before it is done.
static int minutes_by_fire(const ItemStruct &food) {
    if (raw_meat_or_fish(food)) {
        const int m = (int)ceilf(food.weight * 15.0f);
        return m < 10 ? 10 : m;
    }
    if (food.id == OID_ROOT) return 20;
    if (food.id == OID_MUSHROOM) return 10;
    return 15;
}

// A vessel the product is carried in leaves the pack: what it holds now stands for it.
static void vessel_leaves_pack() {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        if (!Kayttolista[i].container || Kayttolista[i].itempos <= 1) continue;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] == (int)Kayttolista[i].itempos) {
                Poista_PlrItem(s, 1);
                return;
            }
        return;
    }
}

int Kokkaa(int who, int method, const char *, int mode, int item) {
    const Method *m = method_of(method);
    if (!m) return -1;
    const int food_line = method_list(*m);
    if (mode == 1 && item) {
        Tarvike_Struct &f = Tarvikelista[food_line];
        f.itempos = (uint32_t)item;
        f.count = f.first_count = 1;
        memcpy(Kayttolista, Tarvikelista, sizeof Kayttolista);
        const uint32_t id = ObjToItem(item).id;
        if (id == OID_HERB || id == OID_FLOWER)
            for (int i = 0; i < 50; i++)
                if (Kayttolista[i].id == OID_WATER) Kayttolista[i].method = COOK_BOIL;
        return Kokkaa_Tarvikelista(method, "", 0);
    }
    if (who != -1) return -1;
    if (!Kay_Tarvikelista(Toiminta(method))) {
        Palauta_Kaytetyt_Tarvikkeet();
        return -1;
    }
    int count = (int)Tarvikelista[food_line].first_count;
    if (count < 1) count = 1;
    const ItemStruct food = ObjToItem((int)Tarvikelista[food_line].itempos);
    // Herbs and flowers are boiled with their water: it becomes the drink.
    if (food.id == OID_HERB || food.id == OID_FLOWER)
        for (int i = 0; i < 50 && Kayttolista[i].id; i++)
            if (Kayttolista[i].id == OID_WATER) Kayttolista[i].method = COOK_BOIL;
    if (SailioValmistuvalle() >= 0) count = 1;
    int minutes = (method == COOK_SALT || method == COOK_SMOKE || method == COOK_DRY) ? 2 * count : count / 2;
    if (minutes < 3) minutes = 3;
    const int product = Kokkaa_Tarvikelista(method, "", minutes);
    if (product < 0) return -1;
    Poista_Kaytetyt_Tarvikkeet();
    world_services.course_task_check(8);
    const int maturing = m->maturing_days > 0 ? m->maturing_days * 1440 : minutes_by_fire(food);

    static QualityListStruct q;
    qualist_init(q, 1);
    ItemStruct made = ObjToItem(product);
    made.quality &= (uint8_t)~QUAL_KNOWN;   // the cook learns the quality by eating
    qualist_inititem(q, made);
    q.unmarked = q.hide_grade = 1;   // the cook learns the quality by eating
    q.noquality = made.type == IT_CONTAINER;
    q.maturing = (uint32_t)maturing;
    int level = Skill_ML(-1, "COOKERY");
    if (level == 1000) level = 0;
    const bool stale = oe_ummehtunut(food) != 0;
    for (int i = 0; i < count; i++) {
        int roll = Kayta_Taitoa(0, m->bonus, "COOKERY", i == 0 ? m->learning : LEARN_FIFTH);
        if (stale) roll = 0;
        qualist_add(q, craftquality(level, roll));
    }
    vessel_leaves_pack();
    aikaansaantirutiini(-1, q, 3, PlayerX, PlayerY, method == COOK_SMOKE ? SMOKING_WORK : 0);
    if (method == COOK_DRY || method == COOK_SMOKE) {
        // The cords and the rest come back when the work is done; the food is in the product.
        for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++)
            if (Kayttolista[i].method) Kayttolista[i].bound = 1;
        Sido_Kaytetyt_Tarvikkeet_Ajallisesti_Kohtaan(PlayerX, PlayerY, maturing);
    }
    TurnUsed = 1;
    return product;
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

// ---- recipes ------------------------------------------------------------------------------------

static bool list_has(int id) {
    for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++)
        if ((int)Tarvikelista[i].id == id || (id == OID_COOKING_POT && Tarvikelista[i].id == OID_POT)) return true;
    return false;
}

// The working line put first, labelled as the list's own lines are.
static void first_line() {
    const char *label = Esineen_Label((int)Tarvike.id);
    copy_bounded(Tarvike.label, sizeof Tarvike.label, label[0] ? label : Esineen_Nimi((int)Tarvike.id));
    copy_bounded(Tarvike.hint, sizeof Tarvike.hint, Esineen_Hint((int)Tarvike.id));
    Lisaa_Tarvike_Ensimmaiseksi();
}

void Tarkista_Kokkaustarvikelista() {
    bool fire = false, pot = false, fireplace = false;
    for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++) {
        const uint32_t m = Tarvikelista[i].method;
        fire |= m == COOK_BOIL || m == COOK_ROAST;
        pot |= m == COOK_BOIL || m == COOK_BAKE;
        fireplace |= m == COOK_BAKE;
    }
    if (pot && !list_has(370)) add_pot();
    if (fire && !list_has(56)) {
        Tyhjaa_Tarvike();
        Tarvike.id = 56;
        first_line();
    }
    if (fireplace && !list_has(65)) {
        Tyhjaa_Tarvike();
        Tarvike.id = 65;
        first_line();
    }
}

// How an ingredient line is cooked, by its mark "[boil]", "[roast]" or "[bake]"; 0 for none.
static void mark_method(const char *line) {
    Tarvike.method = strstr(line, "[boil]") ? COOK_BOIL : strstr(line, "[roast]") ? COOK_ROAST : strstr(line, "[bake]") ? COOK_BAKE : 0;
}

int TeeResepti(const char *name) {
    char header[TEKO_LINE_MAX + 1];
    copy_bounded(header, sizeof header, fread_Tekodata(RECIPE_COOKERY, name ? name : "", 0));
    if (strcmp(header, "NOT FOUND") == 0) {
        Note("!Error! Object header not found!");
        return 0;
    }
    char product_name[TEKO_VALUE_MAX + 1], skill[TEKO_VALUE_MAX + 1], symbol[TEKO_VALUE_MAX + 1];
    copy_bounded(product_name, sizeof product_name, Tekoheader_esine(header));
    copy_bounded(skill, sizeof skill, Tekoheader_taito(header));
    teko_tag(header, ':', ':', symbol);
    const int development = Tekoheader_kehitys(header);
    int amount = Tekoheader_maara(header);
    if (amount < 1) amount = 1;
    if (amount > 100) amount = 100;
    const int bonus = Tekoheader_bonus(header);
    int minutes = Tekoheader_aika(header);
    if (minutes < 0) minutes = 0;
    int maturing = Tekoheader_kypsymisaika(header);
    if (maturing < 0) maturing = 0;
    // A dish cooked in patches asks how many; none cancels.
    int patches = 1;
    if (strstr(header, "[patch")) {
        patches = AskCount(Tekoheader_patch(header));
        if (patches <= 0) {
            fclose_TEKODATA_F();
            return 0;
        }
    }
    read_material_lines(RECIPE_COOKERY, patches, mark_method);
    static AsciiRawStruct raw;
    memset(&raw, 0, sizeof raw);
    read_asciiraw(RECIPE_COOKERY, product_name, &raw);
    Tarkista_Kokkaustarvikelista();
    if (!Kay_Tarvikelista("INGREDIENTS")) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    const int product = Kokkaa_Tarvikelista(0, product_name, minutes);
    if (product < 0) return 0;
    Poista_Kaytetyt_Tarvikkeet();
    world_services.course_task_check(8);
    int level = Skill_ML(-1, skill);
    if (level == 1000) level = 0;
    ItemStruct made = ObjToItem(product);
    if (symbol[0]) made.tilesym = (uint8_t)Tekoheader_symbol(header);
    const float parts = (float)patches * (float)amount;
    const bool in_pot = made.vessel != 0;
    if (parts > 1 && !in_pot) {
        made.weight /= parts;
        made.fullweight /= parts;
    }
    RawModItem(&raw, &made);
    static QualityListStruct q;
    qualist_init(q, 1);
    q.unmarked = q.hide_grade = 1;
    q.noquality = made.type == IT_CONTAINER || strstr(header, "[noquality]") != nullptr;
    q.maturing = (uint32_t)maturing;
    const int rolls = patches * amount;
    for (int i = 0; i < rolls; i++) qualist_add(q, craftquality(level, Kayta_Taitoa(0, bonus, skill, development)));
    if (in_pot) {
        // Cooked in its pot: one dish, carried as the pot.
        for (int g = 0; g < 6; g++) q.count[g] = 0;
        q.count[3] = 1;
        q.noquality = 1;
        vessel_leaves_pack();
    }
    made.quality &= (uint8_t)~QUAL_KNOWN;
    ItemToObjpos(made, product);
    qualist_inititem(q, made);
    aikaansaantirutiini(-1, q, maturing > 0 ? 3 : 4, PlayerX, PlayerY, 0);
    TurnUsed = 1;
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
    Valinta_Toimi();
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
    Valinta_Toimi();
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
