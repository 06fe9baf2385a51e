// The catalogue of item kinds: every definition row, built each time a character is made or
// loaded, and the file "CONSTANT.OBJ" that keeps the table with the character.
#include <cstdio>
#include <cstring>

#include "core/config.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/tablefile.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "base/debuglog.h"
#include "items/items_int.h"
#include "items/items.h"

// ---- the weapon table: rows 250 to 301 ----

struct WeaponRow {
    const char *name;
    uint8_t attack, defence, penalty;
    uint8_t blunt, edge, point, pounds;
    float cost;
};

static const WeaponRow WEAPONS[52] = {
    /*250*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*251*/ {"Knife", 0, 0, 0, 0, 1, 3, 1, 48},
    /*252*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*253*/ {"Small knife", 0, 0, 0, 0, 1, 2, 1, 24},
    /*254*/ {"Broad knife", 1, 0, 0, 1, 2, 4, 2, 136},
    /*255*/ {"Hunting knife", 1, 0, 0, 2, 2, 5, 2, 160},
    /*256*/ {"Fisher's knife", 1, 0, 0, 1, 2, 4, 2, 120},
    /*257*/ {"Kaumolais knife", 1, 1, 0, 2, 2, 5, 3, 200},
    /*258*/ {"Northern knife", 1, 1, 0, 1, 2, 4, 2, 320},
    /*259*/ {"Skramasaksi", 2, 1, 0, 2, 3, 5, 3, 344},
    /*260*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*261*/ {"Shortsword", 2, 1, 0, 2, 4, 4, 2, 600},
    /*262*/ {"Scimitar", 2, 2, 0, 2, 5, 0, 2, 480},
    /*263*/ {"Broadsword", 3, 2, 0, 3, 5, 3, 3, 920},
    /*264*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*265*/ {"Njerpez scimitar", 3, 2, 0, 3, 5, 0, 3, 640},
    /*266*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*267*/ {"Bastard Sword", 4, 2, 10, 4, 6, 4, 5, 1200},
    /*268*/ {"Battlesword", 5, 2, 30, 5, 8, 4, 8, 1400},
    /*269*/ {"Club", 2, 1, 0, 3, 200, 200, 3, 2},
    /*270*/ {"Mace", 3, 1, 0, 5, 200, 200, 4, 400},
    /*271*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*272*/ {"Maul", 4, 1, 30, 5, 200, 200, 7, 24},
    /*273*/ {"Sickle", 1, 1, 0, 1, 4, 3, 1, 136},
    /*274*/ {"Throwing axe", 1, 1, 0, 3, 5, 200, 2, 200},
    /*275*/ {"Handaxe", 1, 1, 0, 3, 6, 5, 3, 112},
    /*276*/ {"Handaxe", 1, 1, 0, 4, 6, 4, 3, 112},
    /*277*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*278*/ {"Battleaxe", 4, 2, 25, 6, 9, 6, 6, 640},
    /*279*/ {"Small flail", 3, 1, 0, 2, 200, 200, 1, 8},
    /*280*/ {"Grainflail", 3, 2, 30, 6, 200, 200, 2, 16},
    /*281*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*282*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*283*/ {"Javelin", 3, 1, 0, 2, 200, 6, 3, 2},
    /*284*/ {"Staff", 4, 3, 20, 3, 200, 200, 4, 2},
    /*285*/ {"Spear", 4, 2, 20, 4, 200, 7, 5, 344},
    /*286*/ {"Kaumolais spear", 5, 2, 30, 4, 4, 8, 7, 400},
    /*287*/ {"Trident", 4, 3, 10, 4, 200, 5, 6, 160},
    /*288*/ {"Small trident", 3, 1, 0, 3, 200, 4, 5, 120},
    /*289*/ {"Wide trident", 4, 2, 20, 4, 200, 6, 8, 200},
    /*290*/ {"Hard staff", 4, 3, 25, 4, 200, 200, 5, 16},
    /*291*/ {"Northern spear", 3, 2, 10, 4, 200, 8, 7, 360},
    /*292*/ {"Ango", 5, 1, 35, 3, 200, 8, 8, 480},
    /*293*/ {"", 0, 0, 0, 0, 0, 0, 0, 0},
    /*294*/ {"Net", 4, 0, 0, 200, 200, 200, 4, 144},
    /*295*/ {"Shortbow", 0, 0, 0, 200, 200, 6, 2, 40},
    /*296*/ {"Longbow", 0, 0, 0, 200, 200, 8, 4, 80},
    /*297*/ {"Crossbow", 0, 0, 25, 200, 200, 8, 6, 320},
    /*298*/ {"Heavy Crossbow", 0, 0, 30, 200, 200, 9, 10, 400},
    /*299*/ {"Juniper bow", 0, 0, 0, 200, 200, 6, 2, 16},
    /*300*/ {"Northern bow", 0, 0, 0, 200, 200, 8, 3, 176},
    /*301*/ {"Hunting bow", 0, 0, 0, 200, 200, 7, 4, 144},
};

static bool upper_has(const char *name, const char *word) {
    char up[101];
    copy_bounded(up, sizeof up, name);
    for (char *c = up; *c; c++)
        if (*c >= 'a' && *c <= 'z') *c = (char)(*c - 32);
    return strstr(up, word) != nullptr;
}

static void line(const char *text) { RAWITEMLINE_go(text, &Item); }

static void linef(const char *format, const char *value) {
    char text[ITEMLINE_MAX + 1];
    snprintf(text, sizeof text, format, value);
    line(text);
}

static const char *polearm_tile(const char *name) {
    if (upper_has(name, "HARD STAFF")) return "[TILEGFX:wp-hrdstaff]";
    if (upper_has(name, "STAFF")) return "[TILEGFX:wp-staff]";
    if (upper_has(name, "JAVELIN")) return "[TILEGFX:wp-javelin]";
    if (upper_has(name, "KAUMOLAIS")) return "[TILEGFX:wp-kauspear]";
    if (upper_has(name, "NORTHERN")) return "[TILEGFX:wp-norspear]";
    if (upper_has(name, "SMALL TRID")) return "[TILEGFX:wp-smatrid]";
    if (upper_has(name, "WIDE TRID")) return "[TILEGFX:wp-widetrid]";
    if (upper_has(name, "ANGO")) return "[TILEGFX:wp-ango]";
    return "[TILEGFX:wp-spear]";
}

static void build_weapon_table() {
    for (int row = 250; row <= 301; row++) {
        const WeaponRow &w = WEAPONS[row - 250];
        if (w.name[0] == 0) continue;
        cl_item();
        Item.type = IT_WEAPON;
        SET_ITEM_TEXT(Item.name, w.name);
        Item.fig[0] = w.blunt;
        Item.fig[1] = w.edge;
        Item.fig[2] = w.point;
        Item.weight = Item.fullweight = w.pounds;
        Item.price = w.cost;
        Item.adclass = (uint8_t)Aseta_ADClass(w.attack, w.defence);
        Item.cover[0] = w.penalty;
        const char *skill = "KNIFE";
        int symbol = 70, light = 10;
        if (row >= 260 && row <= 268) skill = "SWORD", symbol = 125;
        else if (row >= 269 && row <= 272) skill = "CLUB", symbol = 126;
        else if (row >= 273 && row <= 278) skill = "AXE", symbol = 149;
        else if (row >= 279 && row <= 282) skill = "FLAIL", symbol = 94;
        else if (row >= 283 && row <= 293) skill = "SPEAR", symbol = 95, Item.subtype = ST_POLEARM;
        else if (row == 294) {
            skill = "NET", symbol = 35, light = 9;
            Item.type = IT_TOOL;
            Item.subtype = ST_NET;
            line("[TILEGFX:it-net]");
        } else if (row >= 295) {
            skill = "BOW", symbol = 146, light = 9;
            Item.subtype = ST_BOW;
            if (strstr(w.name, "ross")) {
                skill = "CROSSBOW";
                line("[TILEGFX:wp-crossbow]");
            }
        }
        SET_ITEM_TEXT(Item.skill, skill);
        Item.tilesym = (uint8_t)symbol;
        Item.light = (uint8_t)light;
        if (strcmp(w.name, "Sickle") == 0) {
            Item.id = 141;
            line("[TILEGFX:wp-sickle]");
        } else if (strcmp(w.name, "Handaxe") == 0) {
            Item.id = 105;
            line("[TILEGFX:wp-handaxe]");
        } else if (row >= 273 && row <= 278 && upper_has(w.name, "THROWING")) {
            Item.cover[2] = 3;
            line("[TILEGFX:wp-handaxe]");
        } else if (row >= 279 && row <= 282) {
            Item.id = 140;
        } else if (row >= 283 && row <= 293) {
            if (strcmp(w.name, "Northern spear") == 0) {
                Item.id = 700;
                Item.tilesym = 95;
            }
            line(polearm_tile(w.name));
        }
        save_object(row);
    }
}

// The knives and the battleaxe are built again from definition lines alone.
struct KnifeRow {
    int row;
    const char *name;
    unsigned id;
    const char *material, *price, *weight, *edge, *blunt, *point, *adclass, *tile;
};

static const KnifeRow KNIVES[] = {
    {249, "Stone knife", 0, "rock", "0", "300 g", "1", "-", "1", "1/0", "wp-stnknife"},
    {250, "Knife", 0, "iron", "6", "130 g", "1", "0", "3", "0/0", "wp-knife"},
    {251, "Knife", 0, "iron", "6", "130 g", "1", "0", "3", "0/0", "wp-knife"},
    {252, "Knife", 0, "iron", "6", "130 g", "1", "0", "3", "0/0", "wp-knife"},
    {253, "Small knife", 150, "iron", "3", "110 g", "1", "0", "2", "0/0", "wp-sknife"},
    {254, "Broad knife", 151, "iron", "17", "140 g", "2", "1", "4", "1/0", "wp-bknife"},
    {255, "Hunting knife", 152, "iron", "20", "160 g", "2", "2", "5", "1/0", "wp-hknife"},
    {256, "Fisher's knife", 155, "iron", "15", "130 g", "2", "1", "4", "1/0", "wp-fknife"},
    {257, "Kaumolais knife", 154, "iron", "25", "160 g", "2", "2", "5", "1/1", "wp-kknife"},
    {258, "Northern knife", 153, "iron", "40", "180 g", "2", "2", "5", "1/1", "wp-nknife"},
    {259, "Skramasaksi", 0, "iron", "43", "1.2", "3", "2", "4", "2/1", "wp-skrama"},
};

static void build_knives() {
    for (const KnifeRow &k : KNIVES) {
        cl_item();
        Item.type = IT_WEAPON;
        Item.tilesym = 70;
        Item.id = k.id;
        line("[TYPE:weapon]");
        line("[SKILL:knife]");
        linef("[MATERIAL:%s]", k.material);
        linef("[NAME:%s]", k.name);
        linef("[PRICE:%s]", k.price);
        linef("[TILEGFX:%s]", k.tile);
        linef("[WEIGHT:%s]", k.weight);
        linef("[EDGE_ATTACK:%s]", k.edge);
        linef("[BLUNT_ATTACK:%s]", k.blunt);
        linef("[POINT_ATTACK:%s]", k.point);
        linef("[AD_CLASS:%s]", k.adclass);
        if (strcmp(k.name, "Knife") == 0) {
            line("[1H_PENALTY:0]");
            Item.light = 10;
        }
        save_object(k.row);
    }
    cl_item();
    Item.type = IT_WEAPON;
    const char *axe[] = {"[NAME:Battleaxe]",     "[TYPE:weapon]",     "[PRICE:80]",        "[TILEGFX:wp-bataxe]",
                         "[WEIGHT:3.5]",         "[BLUNT_ATTACK:5]",  "[EDGE_ATTACK:9]",   "[POINT_ATTACK:-]",
                         "[AD_CLASS:4/2]",       "[1H_PENALTY:15]",   "[MATERIAL:iron]"};
    for (const char *l : axe) line(l);
    Item.tilesym = 124;
    SET_ITEM_TEXT(Item.skill, "AXE");
    Item.light = 10;
    save_object(278);
}

// ---- clothing and armour ----

struct ArmourRow {
    int row;
    const char *name;
    uint8_t symbol;
    float weight;
    bool grams;
    const char *price, *material, *coverage, *tile;
};

static const float TURKISPAITA = 7.0f;   // the fur shirt's weight; the fur pieces follow it

static const ArmourRow ARMOUR[] = {
    {119, "Bandage", 97, 1, false, nullptr, nullptr, nullptr, "it-bandage"},
    {120, "Linen undershirt", 81, 3, false, "14", "cloth", "long_shirt", "ar-lngshirt"},
    {121, "Woollen undershirt", 81, 5, false, "15", "wool", "long_shirt", "ar-lngwoshi"},
    {122, "Linen undergarment", 81, 4, false, "18", "cloth", "undergarment", "ar-ungarm"},
    {123, "Woollen undergarment", 81, 7, false, "20", "wool", "undergarment", "ar-woungarm"},
    {124, "Linen shirt", 81, 2.5f, false, "10", "cloth", "short_shirt", "ar-shoshirt"},
    {125, "Nettle shirt", 81, 2.5f, false, "9", "cloth", "short_shirt", "ar-shoshirt"},
    {126, "Woollen shirt", 81, 4, false, "11", "wool", "short_shirt", "ar-woshirt"},
    {127, "Linen tunic", 81, 2.8f, false, "12", "cloth", "tunic", "ar-tunic"},
    {128, "Nettle tunic", 81, 2.8f, false, "11", "cloth", "tunic", "ar-tunic"},
    {129, "Woollen tunic", 81, 4.6f, false, "13", "wool", "tunic", "ar-wotunic"},
    {130, "Woollen overcoat", 81, 6.3f, false, "17", "wool", "overcoat", "ar-wlnocoat"},
    {131, "Woollen dress", 81, 6, false, "18", "wool", "dress", "ar-wodress"},
    {132, "Linen dress", 81, 3.5f, false, "16", "cloth", "dress", "ar-dress"},
    {133, "Linen trousers", 103, 3, false, "15", "cloth", "trousers", "ar-trousers"},
    {134, "Nettle trousers", 103, 3, false, "14", "cloth", "trousers", "ar-trousers"},
    {135, "Woollen trousers", 103, 5.5f, false, "16", "wool", "trousers", "ar-wotrous"},
    {136, "Woollen leggings", 103, 3.5f, false, "12", "wool", "hip groin thigh knee calf", "ar-woollegg"},
    {137, "Nettle apron", 83, 2, false, "8", "cloth", "hip groin thigh knee", "ar-apron"},
    {138, "Linen apron", 83, 2, false, "9", "cloth", "hip groin thigh knee", "ar-apron"},
    {139, "Woollen apron", 83, 3.5f, false, "10", "wool", "hip groin thigh knee", "ar-woapron"},
    {140, "Linen footrags", 83, 0.2f, false, "1", "cloth", "foot", "ar-footrags"},
    {141, "Woollen socks", 83, 0.2f, false, "2", "wool", "foot", "ar-woolsock"},
    {142, "Woollen footrags", 83, 0.2f, false, "1", "wool", "foot", "ar-footrags"},
    {143, "Linen veil", 82, 0.3f, false, "2", "cloth", "skull neck", "ar-veil"},
    {144, "Woollen veil", 82, 0.3f, false, "2", "wool", "skull neck", "ar-woolveil"},
    {189, "Iron Kneecops", 83, 2, false, "37", "iron", "knee", "ar-kneecops"},
    {150, "Woollen mittens", 84, 0.2f, false, "2", "wool", "hand", "ar-woolmit"},
    {151, "Leather cap", 82, 70, true, "2", "leather", "skull", "ar-cap"},
    {152, "Leather belt", 90, 150, true, "2", "leather", "hip groin", "ar-leabelt"},
    {153, "Leather shirt", 81, 6, false, "15", "leather", "short_shirt", "ar-lshoshi"},
    {154, "Leather leggings", 103, 6.3f, false, "12", "leather", "hip groin thigh knee calf", "ar-lealegg"},
    {155, "Leather shoes", 83, 2, false, "5", "leather", "foot", "ar-leashoes"},
    {156, "Leather boots", 83, 3.2f, false, "7", "leather", "foot calf", "ar-leaboots"},
    {164, "Birch-bark necklace", 82, 20, true, "1", "birch-bark", "neck", "ar-bbneckl"},
    {165, "Birch-bark shoes", 83, 60, true, "1", "birch-bark", "foot", "ar-bbshoes"},
    {166, "Birch-bark cap", 82, 70, true, "1", "birch-bark", "skull", "ar-bbcap"},
    {157, "Fur cap", 82, TURKISPAITA / 7, false, "3", "fur", "skull", "ar-furcap"},
    {158, "Fur shirt", 81, TURKISPAITA, false, "20", "fur", "shirt", "ar-furshirt"},
    {161, "Fur hood", 84, TURKISPAITA / 6.5f, false, "4", "fur", "skull neck face", "ar-furhood"},
    {162, "Fur footwear", 103, TURKISPAITA / 2.5f, false, "12", "fur", "foot calf", "ar-furboots"},
    {159, "Fur mittens", 84, TURKISPAITA / 7, false, "3", "fur", "hand forearm", "ar-mittens"},
    {160, "Fur leggings", 103, TURKISPAITA, false, "13", "fur", "hip groin thigh knee calf", "ar-furlegg"},
    {145, "Linen cowl", 82, 1, false, "2", "cloth", "skull neck", "ar-cowl"},
    {146, "Woollen cowl", 82, 1, false, "2", "wool", "skull neck", "ar-cowl"},
    {147, "Nettle cowl", 82, 1, false, "2", "cloth", "skull neck", "ar-cowl"},
    {148, "Nettle cloak", 80, 2.8f, false, "6", "cloth", "cloak", "ar-cloak"},
    {149, "Woollen cloak", 80, 5.5f, false, "10", "wool", "cloak", "ar-wocloak"},
    {163, "Fur cloak", 80, 11.5f, false, "30", "fur", "cloak", "ar-furcloak"},
    {181, "Mail mittens", 84, 3, false, "40", "mail", "hand", "ar-mailmit"},
    {167, "Leather shin guards", 83, 3, false, "6", "leather", "greaves", "ar-leashgu"},
    {168, "Leather forearm guards", 96, 1.5f, false, "3", "leather", "vambraces", "ar-leafagu"},
    {169, "Leather cuirass", 81, 4.5f, false, "10", "leather", "cuirass", "ar-leacui"},
    {170, "Fur overcoat", 81, 13.5f, false, "38", "fur", "overcoat", "ar-furocoat"},
    {171, "Fur overcoat", 81, 13.5f, false, "38", "fur", "overcoat", "ar-furocoat"},
    {172, "Fur overcoat", 81, 13.5f, false, "38", "fur", "overcoat", "ar-furocoat"},
    {173, "Fur overcoat", 81, 13.5f, false, "38", "fur", "overcoat", "ar-furocoat"},
    {174, "Fur overcoat", 81, 13.5f, false, "38", "fur", "overcoat", "ar-furocoat"},
    {175, "Mail Cowl", 99, 3, false, "45", "mail", "skull neck", "ar-mailcwl"},
    {176, "Long Mail Cowl", 99, 5, false, "70", "mail", "skull neck shoulder", "ar-lmailcwl"},
    {177, "Mail Habergeon", 81, 22, false, "322", "mail", "habergeon", "ar-mailhabe"},
    {178, "Mail Hauberk", 86, 25, false, "425", "mail", "hauberk", "ar-mailhaub"},
    {179, "Long Mail Hauberk", 86, 30, false, "450", "mail", "long_hauberk", "ar-lmailhau"},
    {180, "Mail Leggings", 103, 23, false, "345", "mail", "hip groin thigh knee calf", "ar-maillegg"},
    {184, "Lamellar hauberk", 85, 35, false, "380", "lamellar", "hauberk", "ar-lamhaub"},
    {185, "Lamellar cuirass", 85, 15, false, "250", "lamellar", "cuirass", "ar-lamcui"},
    {187, "Iron coudes", 96, 2, false, "25", "iron", "elbow", "ar-coudes"},
    {186, "Lamellar rerebraces", 96, 5, false, "75", "lamellar", "rerebraces", "ar-lamrere"},
    {188, "Lamellar forearm guards", 96, 4, false, "63", "lamellar", "vambraces", "ar-lamfagu"},
    {190, "Lamellar shin guards", 83, 9, false, "150", "lamellar", "greaves", "ar-lamshgu"},
    {182, "Iron helm", 100, 3, false, "50", "iron", "skull", "ar-helm"},
    {183, "Iron spectacle helm", 101, 3.5f, false, "65", "iron", "skull face", "ar-sphelm"},
};

static void build_armour() {
    for (const ArmourRow &a : ARMOUR) {
        cl_item();
        Item.tilesym = a.symbol;
        linef("[NAME:%s]", a.name);
        line("[TYPE:armour]");
        linef("[TILEGFX:%s]", a.tile);
        Item.weight = Item.fullweight = a.grams ? gtolbs(a.weight) : a.weight;
        if (a.price) linef("[PRICE:%s]", a.price);
        if (a.material) linef("[ARMOUR_MATERIAL:%s]", a.material);
        if (a.coverage) linef("[ARMOUR_COVERAGE:%s]", a.coverage);
        save_object(a.row);
    }
}

// ---- every other row, by its field values ----

struct PlainRow {
    int row;
    const char *name;
    uint8_t type;
    uint16_t id;
    uint8_t subtype, symbol;
    const char *skill;
    uint8_t spoil;
    float price;           // base price as stored; with PER_LB the price per pound
    float weight;          // pounds, or grams with GRAMS
    float full;            // full weight or capacity in pounds; SAME: as the weight
    uint8_t own, unit;
    uint32_t material;
    uint8_t fig[6];
    uint8_t light;
    const char *tile;
    uint8_t flags;
};

enum { GRAMS = 1, PER_LB = 2, FISH = 4, BREAD = 8 };
static const float SAME = -1;

static const PlainRow PLAIN[] = {
    {10, "Wooden tub", 3, 0, 0, 29, "", 0, 8, 0, 10, 20, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-wdtub", 0},
    {20, "silver ring", 10, 0, 0, 0, "", 0, 320, 3, SAME, 0, 0, 2048, {0, 0, 0, 0, 0, 0}, 0, "vl-sring", GRAMS},
    {21, "bronze bezel ring", 10, 0, 0, 0, "", 0, 192, 3, SAME, 0, 0, 1024, {0, 0, 0, 0, 0, 0}, 0, "vl-bbring", GRAMS},
    {12, "bronze bracelet", 10, 0, 0, 0, "", 0, 224, 21, SAME, 0, 0, 1024, {0, 0, 0, 0, 0, 0}, 0, "vl-bbrace", GRAMS},
    {23, "Wooden mug", 3, 0, 0, 1, "", 0, 0, 0, 1, 5, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-wdmug", 0},
    {24, "Wooden mug", 3, 0, 0, 1, "", 0, 0, 0, 1, 5, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-wdmug", 0},
    {25, "Wooden cup", 3, 351, 0, 1, "", 0, 2.4f, 0, 3, 10, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-wdcup", 0},
    {26, "Wooden bowl", 3, 351, 0, 29, "", 0, 3.2f, 0, 6, 15, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-wdbowl", 0},
    {27, "Birch-bark box", 3, 352, 0, 89, "", 0, 2, 0, 2, 1, 0, 16, {0, 0, 0, 0, 0, 0}, 0, "it-bbbox", 0},
    {28, "Birch-bark basket", 3, 353, 0, 87, "", 0, 6.8f, 0, 15, 10, 0, 16, {0, 0, 0, 0, 0, 0}, 0, "it-bbbask", 0},
    {30, "Egg", 7, 0, 0, 155, "", 21, 0.17f, 0.1f, SAME, 0, 0, 0, {0, 0, 0, 0, 0, 0}, 0, "it-egg", 0},
    {41, "Rye bread", 7, 0, 0, 148, "", 14, 0.25f, 2, SAME, 0, 0, 0, {0, 0, 0, 0, 0, 0}, 0, "it-bread", BREAD},
    {46, "Bag", 3, 350, 0, 118, "", 0, 16, 0, 20, 2, 0, 32, {0, 0, 0, 0, 0, 0}, 0, "it-bag", 0},
    {47, "Flat rye bread", 7, 0, 0, 148, "", 14, 0.25f, 0.4f, SAME, 0, 0, 0, {0, 0, 0, 0, 0, 0}, 0, "it-flbread", BREAD},
    {72, "Birch-bark rope", 6, 333, 9, 90, "", 0, 8, 400, SAME, 0, 5, 16, {0, 0, 0, 0, 15, 15}, 0, "it-rope", GRAMS},
    {73, "Rope", 6, 333, 9, 90, "", 0, 8, 1, SAME, 0, 5, 32, {0, 0, 0, 0, 15, 15}, 5, "it-rope", 0},
    {74, "Cord", 6, 327, 9, 90, "", 0, 0.8f, 0.5f, SAME, 0, 5, 32, {0, 0, 0, 0, 15, 15}, 0, "it-cord", 0},
    {75, "Leather rope", 6, 333, 9, 90, "", 0, 12, 1, SAME, 0, 5, 4, {0, 0, 0, 0, 15, 15}, 0, "it-rope", 0},
    {80, "vasta", 6, 230, 0, 0, "", 0, 0, 100, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-vasta", GRAMS},
    {81, "Sauna scoop", 6, 0, 7, 91, "", 0, 2, 0.5f, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-scoop", 0},
    {83, "silver chain bracelet", 10, 0, 0, 0, "", 0, 680, 25, SAME, 0, 0, 2048, {0, 0, 0, 0, 0, 0}, 0, "vl-scbrace", GRAMS},
    {84, "silver bird bracelet", 10, 0, 0, 0, "", 0, 520, 16, SAME, 0, 0, 2048, {0, 0, 0, 0, 0, 0}, 0, "vl-sbrace", GRAMS},
    {85, "silver sun-symbol pendant", 10, 0, 0, 0, "", 0, 640, 20, SAME, 0, 0, 2048, {0, 0, 0, 0, 0, 0}, 0, "vl-spensun", GRAMS},
    {94, "Torch", 6, 0, 14, 126, "", 150, 0.48f, 1, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 3, "it-torch", 0},
    {96, "Salt", 7, 57, 0, 0, "", 254, 24, 4, SAME, 0, 0, 0, {0, 0, 0, 0, 0, 0}, 0, "", PER_LB},
    {97, "Pot", 3, 331, 100, 30, "", 0, 224, 0, 6, 30, 0, 2, {0, 0, 0, 0, 0, 0}, 3, "it-pot", 0},
    {98, "Shovel", 6, 310, 0, 31, "", 0, 120, 4, SAME, 0, 0, 2, {0, 0, 0, 0, 0, 0}, 3, "it-shovel", 0},
    {99, "Wooden shovel", 6, 311, 0, 32, "", 0, 8, 4, SAME, 0, 0, 0, {0, 0, 0, 0, 0, 0}, 0, "it-wdshovel", 0},
    {100, "Skis", 6, 0, 40, 2, "", 0, 40, 12, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 3, "it-skis", 0},
    {101, "Ski stick", 6, 0, 41, 47, "", 0, 0.8f, 3, SAME, 0, 0, 1, {2, 255, 1, 0, 0, 0}, 3, "it-skistick", 0},
    {200, "Roundshield", 1, 0, 0, 69, "SHIELD", 0, 96, 6, SAME, 0, 0, 1, {2, 200, 200, 0, 0, 0}, 13, "wp-rshield", 0},
    {201, "Buckler", 1, 0, 0, 69, "SHIELD", 0, 32, 3, SAME, 0, 0, 0, {1, 200, 200, 0, 0, 0}, 12, "wp-buckler", 0},
    {202, "Hunting Horn", 6, 601, 10, 4, "", 0, 8, 0.5f, SAME, 0, 0, 0, {0, 0, 0, 0, 0, 0}, 0, "it-horn", 0},
    {204, "Skin", 3, 0, 100, 118, "", 0, 16, 0, 5, 3, 0, 4, {0, 0, 0, 0, 0, 0}, 0, "it-wtrskin", 0},
    {212, "Pike", 7, 490, 0, 121, "", 3, 0, 3000, SAME, 0, 0, 0, {0, 1, 18, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {213, "Roach", 7, 490, 0, 121, "", 3, 0, 150, SAME, 0, 0, 0, {0, 5, 17, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {214, "Perch", 7, 490, 0, 121, "", 3, 0, 600, SAME, 0, 0, 0, {0, 2, 17, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {215, "Bream", 7, 490, 0, 121, "", 3, 0, 1000, SAME, 0, 0, 0, {0, 4, 17, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {216, "Pike-perch", 7, 490, 0, 121, "", 3, 0, 1600, SAME, 0, 0, 0, {0, 0, 16, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {217, "Trout", 7, 490, 0, 121, "", 3, 0, 3500, SAME, 0, 0, 0, {0, 4, 19, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {218, "Salmon", 7, 490, 0, 121, "", 3, 0, 4000, SAME, 0, 0, 0, {0, 9, 12, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {219, "Burbot", 7, 490, 0, 121, "", 3, 0, 1200, SAME, 0, 0, 0, {0, 1, 16, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {220, "Lavaret", 7, 490, 0, 121, "", 3, 0, 1000, SAME, 0, 0, 0, {0, 3, 17, 0, 0, 0}, 0, "fd-fish", FISH | GRAMS},
    {221, "Fishing rod", 6, 0, 2, 47, "", 0, 4, 1, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 5, "it-fishrod", 0},
    {230, "Loop snare", 6, 801, 12, 61, "", 1, 4, 0.5f, SAME, 0, 0, 32, {0, 0, 0, 0, 0, 0}, 0, "tr-loop", 0},
    {233, "Paw-board fox trap", 6, 800, 12, 60, "", 4, 8, 3, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "tr-pawboard", 0},
    {239, "Paddle", 6, 0, 13, 47, "", 0, 4, 3, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-paddle", 0},
    {240, "Punt", 9, 820, 13, 36, "", 0, 96, 30, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-punt", 0},
    {241, "Sesta", 6, 210, 13, 47, "", 0, 0.16f, 3, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-sesta", 0},
    {242, "Raft", 9, 821, 13, 0, "", 0, 32, 1200, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-raft", 0},
    {311, "Blunt arrow", 1, 0, 6, 147, "BOW", 0, 4, 0, SAME, 0, 0, 0, {6, 0, 0, 0, 0, 0}, 9, "wp-blarrow", 0},
    {312, "Broadhead arrow", 1, 0, 6, 147, "BOW", 0, 14.4f, 0, SAME, 0, 0, 0, {0, 6, 0, 0, 0, 0}, 9, "wp-bharrow", 0},
    {315, "Broad axe", 1, 100, 0, 124, "AXE", 0, 240, 5.5f, SAME, 0, 0, 2, {5, 6, 200, 0, 0, 0}, 10, "wp-broaxe", 0},
    {316, "Carving axe", 1, 101, 0, 127, "AXE", 0, 144, 4.5f, SAME, 0, 0, 2, {3, 3, 4, 0, 0, 0}, 10, "wp-caraxe", 0},
    {317, "Splitting axe", 1, 104, 0, 3, "AXE", 0, 200, 6, SAME, 0, 0, 2, {5, 5, 200, 0, 0, 0}, 10, "wp-spliaxe", 0},
    {318, "Woodsman's axe", 1, 102, 0, 38, "AXE", 0, 160, 6, SAME, 0, 0, 2, {4, 7, 200, 0, 0, 0}, 10, "wp-woodaxe", 0},
    {329, "Stone", 1, 300, 0, 49, "CLUB", 0, 0, 14, SAME, 0, 0, 128, {1, 200, 200, 0, 0, 0}, 5, "stone", 0},
    {330, "Rock", 1, 0, 0, 50, "CLUB", 0, 0, 1, SAME, 0, 0, 128, {1, 200, 200, 0, 0, 0}, 5, "rock", 0},
    {331, "Board", 8, 403, 0, 48, "", 0, 8, 20, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-board", 0},
    {340, "Birch twig", 8, 204, 0, 0, "", 0, 0, 10, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-birtwig", GRAMS},
    {345, "Birch withe", 6, 328, 0, 0, "", 0, 0, 0.5f, SAME, 0, 5, 1, {0, 0, 0, 0, 4, 4}, 0, "it-birwithe", 0},
    {346, "Spruce withe", 6, 328, 0, 0, "", 0, 0, 0.5f, SAME, 0, 5, 1, {0, 0, 0, 0, 4, 4}, 0, "it-sprwithe", 0},
    {347, "Firewood", 8, 0, 0, 92, "", 0, 0.08f, 1.5f, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 5, "it-firewood", 0},
    {348, "Log", 8, 0, 21, 43, "", 0, 8, 400, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "log", 0},
    {349, "Block of wood", 8, 0, 22, 44, "", 0, 0, 40, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "wdblk", 0},
    {350, "Branch", 8, 0, 0, 45, "", 0, 0, 0.3f, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-branch", 0},
    {351, "Slender tree trunk", 8, 0, 0, 53, "", 0, 0, 50, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "sltrunk", 0},
    {353, "Tree trunk", 8, 0, 20, 41, "", 0, 0, 500, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "trunk", 0},
    {354, "Wooden stake", 8, 404, 0, 47, "", 0, 0, 2.2f, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-wdstake", 0},
    {355, "Spruce twig", 8, 202, 0, 45, "", 0, 0, 0.4f, SAME, 0, 0, 1, {0, 0, 0, 0, 0, 0}, 0, "it-sprtwig", 0},
    {356, "Stone-axe", 1, 103, 0, 149, "AXE", 0, 0.8f, 4, SAME, 0, 0, 128, {5, 2, 200, 0, 0, 0}, 0, "wp-stnaxe", 0},
};

static void build_plain_rows() {
    for (const PlainRow &p : PLAIN) {
        cl_item();
        Item.type = p.type;
        Item.id = p.id;
        Item.subtype = p.subtype;
        Item.tilesym = p.symbol;
        SET_ITEM_TEXT(Item.name, p.name);
        if (p.skill[0]) SET_ITEM_TEXT(Item.skill, p.skill);
        Item.spoil = p.spoil;
        Item.weight = (p.flags & GRAMS) ? gtolbs(p.weight) : p.weight;
        Item.fullweight = p.full == SAME ? Item.weight : p.full;
        Item.ownweight = p.own;
        Item.unitkind = p.unit;
        Item.material = p.material;
        memcpy(Item.fig, p.fig, 6);
        Item.light = p.light;
        SET_ITEM_TEXT(Item.tile, p.tile);
        if (p.flags & PER_LB) Item.priceperweight = p.price;
        else Item.price = p.price;
        if (p.flags & BREAD) Item.state = 2;
        if (p.flags & FISH) Item.priceperweight = Laske_RuoanHinta_PerLbs(Item);
        save_object(p.row);
    }
    // Arrows: nine equal rows.
    for (int row = 302; row <= 310; row++) {
        cl_item();
        Item.type = IT_WEAPON;
        Item.subtype = ST_ARROW;
        Item.tilesym = 147;
        Item.light = 9;
        Item.fig[2] = 8;
        Item.weight = Item.fullweight = 0.1f;
        Item.price = 8;
        SET_ITEM_TEXT(Item.name, "Arrow");
        SET_ITEM_TEXT(Item.skill, "BOW");
        line("[TILEGFX:wp-arrow]");
        save_object(row);
    }
}

static void build_jewellery() {
    Item = crtItem_bronzependant("bear", 45);
    save_object(11);
    Item = crtItem_bronzependant("ball", 30);
    save_object(13);
    Item = crtItem_bronzebrooch("");
    save_object(14);
    Item = crtItem_bronzebrooch("[small]");
    save_object(15);
    Item = crtItem_bronzecomb("horse-ornamented", 48);
    save_object(17);
    Item = crtItem_bronzecomb("flower-ornamented", 40);
    save_object(18);
}

// ---- the definitions file ----

static void terminate_texts(ItemStruct &it) {
    it.name[sizeof it.name - 1] = 0;
    it.skill[sizeof it.skill - 1] = 0;
    it.tile[sizeof it.tile - 1] = 0;
}

int read_constantobj(const char *path) {
    const TableRead r = read_record_table(path, ConstantObj, sizeof(ItemStruct), CONSTANTOBJ_ROWS, false);
    if (!r.opened) return -1;
    objdef_log("-- previous constantobj start --\n");
    char line[120], name[41];
    for (size_t i = 0; i < r.in_file; i++) {
        if (i < r.got) {
            terminate_texts(ConstantObj[i]);
            snprintf(line, sizeof line, "#%d %s\n", (int)i, item_name(ConstantObj[i], name));
        } else {
            snprintf(line, sizeof line, "#%d past the table's last row, ignored\n", (int)i);
        }
        objdef_log(line);
    }
    objdef_log_flush();
    return (int)r.got;
}

// A file that holds the table already is left as it is: every load builds the same table again.
int write_constantobj(const char *path) {
    if (file_holds(path, ConstantObj, sizeof ConstantObj) || write_atomic(path, ConstantObj, sizeof ConstantObj)) return 1;
    char text[1200];
    const int n = snprintf(text, sizeof text, "%s couldn't be written", path);
    debuglog("_system", n >= 0 && n < (int)sizeof text ? text : "CONSTANT.OBJ couldn't be written (its path is too long)");
    return 0;
}

void build_objdef_rows() {
    build_jewellery();
    build_plain_rows();
    build_armour();
    build_weapon_table();
    build_knives();
    ConstantObj[0] = ConstantObj[11];
}

void InitObjs() {
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    char path[1200];
    // A character path too long for the name is never cut short into some other file's name.
    const int n = snprintf(path, sizeof path, "%s/CONSTANT.OBJ", CharacterPath);
    const bool fits = n >= 0 && n < (int)sizeof path;
    if (fits) read_constantobj(path);
    armourdump("original constant.obj");

    build_objdef_rows();
    objdef_log_flush();

    if (fits) write_constantobj(path);
    write_constantobj("CONSTANT.OBJ");
    armourdump("in-game redone constant.obj");
}
