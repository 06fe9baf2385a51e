// Cooking and preserving: the fixed methods build their list of used items, recipes read theirs from
// the cookery files, and the dish of creatures/dish merges the used items into a combined food.
#include "activities/cooking.h"

#include "activities/actions.h"
#include "activities/activities.h"
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
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "items/recipes.h"
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
#include <functional>
#include <string>

static bool raw_meat_or_fish(const ItemStruct &it) { return it.id == OID_RAWFISH || it.id == OID_RAWMEAT; }

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

int Kokkaa_Tarvikelista(int method, const char *name, int minutes, const std::function<bool(int)> &ready) {
    DishDraft d;   // hers: another cook at the fire meanwhile merges his own
    if (!merge_dish(method, d)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return -1;
    }
    // The dish and what it is handed out as find their objects before the time is spent: with no room
    // for them (she has been told) nothing is cooked. A pot emptied for the dish is put back as it was.
    const int pot = d.container;
    const bool pot_stored = pot >= OBJ_PLAYER_FIRST && pot <= OBJ_PLAYER_LAST;
    const ItemStruct pot_was = pot_stored ? PlayerObj[pot - OBJ_PLAYER_FIRST] : ItemStruct{};
    const int product = serve_dish(d, name);
    if (product <= 0 || (ready && !ready(product)) || (minutes > 0 && !realbasicspend(minutes, 0, "COOKING", 0))) {
        if (pot_stored && product > 0) PlayerObj[pot - OBJ_PLAYER_FIRST] = pot_was;
        Palauta_Kaytetyt_Tarvikkeet();
        return -1;
    }
    if (minutes > 0) springtime_offering();   // her own cooking, not a dish made without time
    return product;
}

// ---- the fixed methods ----------------------------------------------------------------------

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
    if (mode == 1 && item) return cook_at_once(method, item);
    const CookMethod *m = cook_method(method);
    if (!m) return -1;
    const int food_line = cook_method_list(*m);
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
    const int maturing = m->maturing_days > 0 ? m->maturing_days * 1440 : minutes_by_fire(food);
    static QualityListStruct q;
    const int product = Kokkaa_Tarvikelista(method, "", minutes, [](int dish) {
        qualist_init(q, 1);
        ItemStruct made = ObjToItem(dish);
        made.quality &= (uint8_t)~QUAL_KNOWN;   // the cook learns the quality by eating
        qualist_inititem(q, made);
        q.unmarked = q.hide_grade = 1;
        q.noquality = made.type == IT_CONTAINER;
        return qualist_store_every_grade(q) != 0;
    });
    if (product < 0) return -1;
    Poista_Kaytetyt_Tarvikkeet();
    world_services.course_task_check(8);
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
    food_name_of(item, name, sizeof name);
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
    if (pot && !list_has(370)) add_cooking_pot();
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
    // The dish as it is handed out: the recipe's symbol, a piece's share of the weight, its raw lines.
    static QualityListStruct q;
    ItemStruct made;
    bool in_pot = false;
    const float parts = (float)patches * (float)amount;
    const int product = Kokkaa_Tarvikelista(0, product_name, minutes, [&](int dish) {
        made = ObjToItem(dish);
        if (symbol[0]) made.tilesym = (uint8_t)Tekoheader_symbol(header);
        in_pot = made.vessel != 0;
        if (parts > 1 && !in_pot) {
            made.weight /= parts;
            made.fullweight /= parts;
        }
        RawModItem(&raw, &made);
        made.quality &= (uint8_t)~QUAL_KNOWN;
        qualist_init(q, 1);
        q.unmarked = q.hide_grade = 1;
        // Cooked in its pot: one dish, carried as the pot.
        q.noquality = in_pot || made.type == IT_CONTAINER || strstr(header, "[noquality]") != nullptr;
        qualist_inititem(q, made);
        return qualist_store_every_grade(q) != 0;
    });
    if (product < 0) return 0;
    Poista_Kaytetyt_Tarvikkeet();
    world_services.course_task_check(8);
    int level = Skill_ML(-1, skill);
    if (level == 1000) level = 0;
    q.maturing = (uint32_t)maturing;
    const int rolls = patches * amount;
    for (int i = 0; i < rolls; i++) qualist_add(q, craftquality(level, Kayta_Taitoa(0, bonus, skill, development)));
    if (in_pot) {
        for (int g = 0; g < 6; g++) q.count[g] = 0;
        q.count[3] = 1;
        vessel_leaves_pack();
    }
    ItemToObjpos(made, product);
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
