// Special items made on demand: jewellery, filled sacks and baskets, parts of animals, wood and
// fibre, a broken arrow and a few rare things.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "items/containers.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "core/tekstit.h"
#include "items/items_int.h"

enum { CK_BIRD = 21 };

static void line(ItemStruct &it, const char *text) { RAWITEMLINE_go(text, &it); }

static void linef(ItemStruct &it, const char *format, const char *value) {
    char text[ITEMLINE_MAX + 1];
    snprintf(text, sizeof text, format, value);
    line(it, text);
}

static void linen(ItemStruct &it, const char *format, int value) {
    char text[100];
    snprintf(text, sizeof text, format, value);
    line(it, text);
}

static ItemStruct valuable(const char *name, int price, const char *tile, int grams) {
    ItemStruct it;
    ClrItemstruct(it);
    line(it, "[TYPE:valuable]");
    line(it, "[MATERIAL:bronze]");
    linef(it, "[NAME:%s]", name);
    linen(it, "[PRICE:%d]", price);
    linef(it, "[TILEGFX:%s]", tile);
    linen(it, "[WEIGHT:%d g]", grams);
    return it;
}

ItemStruct crtItem_bronzebrooch(const char *tags) {
    if (tags && strstr(tags, "[small]")) return valuable("small bronze brooch", 20, "vl-bbroochs", 40);
    return valuable("bronze brooch", 35, "vl-bbrooch", 80);
}

ItemStruct crtItem_bronzecomb(const char *motif, int price) {
    char name[80];
    if (motif) snprintf(name, sizeof name, "bronze %s comb", motif);
    else snprintf(name, sizeof name, "bronze comb");
    return valuable(name, price, "vl-bcomb", 60);
}

ItemStruct crtItem_bronzependant(const char *motif, int price) {
    char name[80];
    if (motif) snprintf(name, sizeof name, "bronze %s pendant", motif);
    else snprintf(name, sizeof name, "bronze pendant");
    return valuable(name, price, "vl-bpend", 8);
}

// ---- filled vessels ----

static int fill_vessel(unsigned vessel_id, ItemStruct content, float weight) {
    ItemStruct vessel;
    hae_esine(vessel, vessel_id);
    if (vessel.type == 0) return 0;
    float capacity = vessel.fullweight;
    content.weight = (weight <= 0 || weight > capacity) ? capacity : weight;
    content.fullweight = capacity;
    int bag = Luo_Esineen_Itempos(vessel);
    int pos = Luo_Esineen_Itempos(content);
    if (bag == 0 || pos == 0) return 0;
    return Sailioi(pos, bag, 0, 1);
}

int Luo_Esinesakki(const ItemStruct &content, float weight) { return fill_vessel(OID_BAG, content, weight); }
int Luo_Esinerasia(const ItemStruct &content) { return fill_vessel(OID_BBBOX, content, 0); }
int Luo_Esinekori(const ItemStruct &content) { return fill_vessel(OID_BBBASKET, content, 0); }

static int random_sack(unsigned id) {
    ItemStruct content;
    hakutapa_RANDOM = 1;
    hae_esine(content, id);
    hakutapa_RANDOM = 0;
    if (content.type == 0 && content.id == 0) return 0;
    return Luo_Esinesakki(content, 0);
}

int Luo_Jauhosakki() { return random_sack(OID_FLOUR); }
int Luo_Viljasakki() { return random_sack(OID_GRAIN); }

int Luo_Suolasakki() {
    ItemStruct salt;
    hae_esine(salt, OID_SALT);
    if (salt.id == 0) return 0;
    return Luo_Esinesakki(salt, 0);
}

// ---- parts of animals ----

static const char *species_name(const CreatureStruct &cr, char out[41]) {
    memcpy(out, cr.species, 40);
    out[40] = 0;
    return out;
}

ItemStruct TeeSulka(CreatureStruct cr, const char *) {
    ItemStruct it;
    ClrItemstruct(it);
    char species[41], name[80];
    species_name(cr, species);
    species[30] = 0;
    snprintf(name, sizeof name, "%s feather", species);
    SET_ITEM_TEXT(it.name, name);
    SET_ITEM_TEXT(it.skill, species);
    it.type = IT_TOOL;
    it.id = 418;
    it.tilesym = 88;
    line(it, "[TILEGFX:it-feather]");
    it.weight = it.fullweight = gtolbs(1);
    return it;
}

ItemStruct Luo_Sarvet(CreatureStruct cr) {
    ItemStruct it;
    ClrItemstruct(it);
    unsigned s = cr.speciescode;
    if (s == SPECIES_ELK_COW || s == SPECIES_ELK_BULL || s == SPECIES_ELK) {
        SET_ITEM_TEXT(it.name, "elk antler");
        it.weight = 4;
        line(it, "[TILEGFX:it-eantler]");
    } else if (s == SPECIES_REINDEER || s == SPECIES_FOREST_REINDEER) {
        SET_ITEM_TEXT(it.name, "reindeer antler");
        it.weight = 2;
        line(it, "[TILEGFX:it-rantler]");
    }
    char species[41];
    species_name(cr, species);
    species[20] = 0;
    it.type = IT_TOOL;
    it.id = 417;
    SET_ITEM_TEXT(it.skill, species);
    it.price = 0;
    it.priceperweight = 0.5f;
    it.fullweight = it.weight;
    line(it, "[MATERIAL:antler]");
    return it;
}

ItemStruct Luo_Putkiluu(CreatureStruct cr) {
    ItemStruct it;
    ClrItemstruct(it);
    unsigned s = cr.speciescode;
    int size = 0;   // 1 small, 2 medium, 3 large
    float weight = 0;
    if (s == SPECIES_BEAR || s == SPECIES_ELK_COW || s == SPECIES_ELK_BULL || s == SPECIES_COW || s == SPECIES_BULL ||
        s == SPECIES_ELK)
        size = 3, weight = 2;
    else if (s == SPECIES_REINDEER || s == SPECIES_FOREST_REINDEER) size = 3, weight = 1;
    else if (s == SPECIES_SHEEP || s == SPECIES_RAM) size = 2, weight = 0.5f;
    else if (cr.kind == CK_BIRD) return it;   // birds leave no long bone
    else if (cr.speciesweight >= 50) size = 3, weight = 0.75f;
    else if (cr.speciesweight >= 15) size = 2, weight = 0.25f;
    else if (cr.speciesweight >= 4) size = 1, weight = gtolbs(50);
    else return it;
    char species[41], name[80];
    species_name(cr, species);
    snprintf(name, sizeof name, "%s bone", yks(species));
    SET_ITEM_TEXT(it.name, name);
    it.type = IT_TOOL;
    it.id = 419;
    SET_ITEM_TEXT(it.tile, size == 3 ? "bo-longl" : size == 2 ? "bo-longm" : "bo-longs");
    it.weight = it.fullweight = weight;
    SET_ITEM_TEXT(it.skill, species);
    line(it, "[MATERIAL:bone]");
    return it;
}

ItemStruct Luo_Kallo(CreatureStruct cr) {
    ItemStruct it;
    ClrItemstruct(it);
    unsigned s = cr.speciescode;
    if (s != SPECIES_BEAR && s != SPECIES_SEAL && s != SPECIES_RINGED_SEAL) return it;
    char species[41], name[80];
    species_name(cr, species);
    snprintf(name, sizeof name, "%s skull", yks(species));
    it.type = IT_TOOL;
    it.id = 416;
    it.origin = s;
    SET_ITEM_TEXT(it.name, name);
    char skill[21];
    copy_bounded(skill, sizeof skill, yks(species));
    SET_ITEM_TEXT(it.skill, skill);
    it.cover[0] = 4;
    it.weight = it.fullweight = cr.fatigue / 50.0f;
    line(it, "[MATERIAL:bone]");
    SET_ITEM_TEXT(it.tile, s == SPECIES_BEAR ? "hd-bear" : "hd-seal");
    return it;
}

ItemStruct Luo_Hampaat_Kallosta(ItemStruct skull) {
    ItemStruct it;
    if (skull.cover[0] == 0) {
        ClrItemstruct(it);
        return it;
    }
    it = skull;
    it.id = 408;
    char skill[sizeof skull.skill + 1], name[80];
    memcpy(skill, skull.skill, sizeof skull.skill);
    skill[sizeof skull.skill] = 0;
    snprintf(name, sizeof name, "%s tooth", skill);
    SET_ITEM_TEXT(it.name, name);
    it.weight = it.fullweight = gtolbs(5);
    it.cover[0] = 0;
    it.price = 0;
    if (skull.origin == SPECIES_BEAR || strcmp(skill, "bear") == 0) it.magic = 17;
    return it;
}

ItemStruct TeeMuna(CreatureStruct cr) {
    ItemStruct it;
    ClrItemstruct(it);
    char species[41], name[80];
    species_name(cr, species);
    snprintf(name, sizeof name, "%s egg", species[0] ? species : "Bird");
    SET_ITEM_TEXT(it.name, name);
    SET_ITEM_TEXT(it.skill, name);
    it.type = IT_FOOD;
    it.tilesym = 155;
    line(it, "[TILEGFX:it-egg]");
    it.weight = it.fullweight = gtolbs(floorf(cr.speciesweight / 0.04f));
    line(it, "[SPOILAGE_DAYS:30]");
    it.fig[0] = 1;
    it.fig[1] = 10;
    it.fig[2] = 13;
    it.water = 10;
    return it;
}

// ---- wood and fibre ----

ItemStruct Luo_Kaadettu_Puunvesa(const char *tree) {
    ItemStruct it;
    ClrItemstruct(it);
    char name[80];
    snprintf(name, sizeof name, "%s sapling", tree ? tree : "");
    SET_ITEM_TEXT(it.name, name);
    it.type = IT_TIMBER;
    it.id = 399;
    it.weight = it.fullweight = 1;
    it.material = MAT_WOOD;
    line(it, wildcmp("*spruce*", name) ? "[TILEGFX:tb-sprsapl]" : "[TILEGFX:tb-birsapl]");
    return it;
}

ItemStruct Luo_Parkkilevy(const char *tree) {
    ItemStruct it;
    ClrItemstruct(it);
    char name[80];
    snprintf(name, sizeof name, "%s bark", tree ? tree : "");
    SET_ITEM_TEXT(it.name, name);
    it.type = IT_TIMBER;
    it.weight = it.fullweight = 0.5f;
    it.material = MAT_WOOD;
    line(it, "[TILEGFX:it-bark]");
    it.unitkind = UK_SHEET;
    return it;
}

ItemStruct Luo_Sommelo(int feet) {
    ItemStruct it;
    ClrItemstruct(it);
    SET_ITEM_TEXT(it.name, "Birch-bark strip");
    it.type = IT_TIMBER;
    line(it, "[TILEGFX:it-bbball]");
    it.weight = it.fullweight = gtolbs(6.0f * feet);
    line(it, "[MATERIAL:birch-bark]");
    it.unitkind = UK_BALL;
    set_Item_pituus(feet, it);
    set_Item_maxpituus(feet, it);
    it.id = 407;
    it.priceperweight = 0.1f;
    return it;
}

ItemStruct Luo_Villat() {
    ItemStruct it;
    ClrItemstruct(it);
    SET_ITEM_TEXT(it.name, "wool");
    it.type = IT_TOOL;
    line(it, "[TILEGFX:it-rawwool]");
    it.weight = it.fullweight = 3;
    it.material = MAT_WOOL;
    it.id = 409;
    it.unitkind = UK_PILE;
    it.priceperweight = 0.5f;
    return it;
}

// ---- others ----

ItemStruct crtobj_broken_arrow(ItemStruct arrow) {
    ItemStruct it = arrow;
    line(it, "[NAME:broken arrow]");
    line(it, "[PRICE:0]");
    line(it, "[TILEGFX:wp-brkarrow]");
    line(it, "[TYPE:timber]");
    it.weight = it.fullweight = arrow.weight / 2;
    return it;
}

ItemStruct artefactItem_Kulumaton_Paita() {
    ItemStruct it;
    int row = object("Nettle shirt", 1);
    if (row > 0) it = ConstantObj[row];
    else ClrItemstruct(it);
    char old[41], name[80];
    snprintf(name, sizeof name, "embroidered %s", StrLwr(item_name(it, old)));
    SET_ITEM_TEXT(it.name, name);
    ItemSet_laatu(4 + random(2), it);
    ItemSet_laatutieto(1, it);
    for (int k : {0, 1, 3, 5}) it.fig[k] = (uint8_t)(it.fig[k] + 1);
    it.magic = 2;
    it.price *= 1.2f;
    return it;
}

ItemStruct Luo_Ihmeyrttisekoitus(const char *name) {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_FOOD;
    it.id = OID_HERB;
    SET_ITEM_TEXT(it.tile, "flo-defherb");
    it.tilesym = 134;
    SET_ITEM_TEXT(it.name, name);
    SET_ITEM_TEXT(it.skill, name);
    it.weight = it.fullweight = gtolbs((float)(200 + random(100)));
    it.unitkind = UK_BUNCH;
    it.spoil = SPOIL_NEVER;
    it.fig[0] = it.fig[1] = it.fig[2] = 10;
    it.priceperweight = 40;
    it.raw |= 1u << 22;
    return it;
}

ItemStruct Luo_janiksenkapala() {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_TOOL;
    SET_ITEM_TEXT(it.name, "Hare's paw");
    SET_ITEM_TEXT(it.tile, "it-harefoot");
    it.tilesym = 134;
    it.weight = it.fullweight = gtolbs(25);
    line(it, "[MATERIAL:fur]");
    it.spoil = SPOIL_NEVER;
    it.fig[0] = it.fig[1] = it.fig[2] = 0;
    it.fig[4] = (uint8_t)(8 + random(10));
    it.price = 0;
    it.magic = 10;
    return it;
}

ItemStruct Luo_Ukonvaaja() {
    ItemStruct it;
    ClrItemstruct(it);
    it.tilesym = 70;
    for (const char *l : {"[TYPE:weapon]", "[MATERIAL:rock]", "[NAME:Wedge of Ukko]", "[PRICE:50]",
                          "[TILEGFX:wp-wedgeou]", "[WEIGHT:350 g]", "[EDGE_ATTACK:2]", "[BLUNT_ATTACK:-]",
                          "[POINT_ATTACK:2]", "[AD_CLASS:1/0]", "[SKILL:knife]"})
        line(it, l);
    it.magic = 15;
    return it;
}

ItemStruct Luo_Karhunkarkotinriepu() {
    ItemStruct it;
    ClrItemstruct(it);
    it.tilesym = 97;
    for (const char *l : {"[TYPE:armour]", "[MATERIAL:cloth]", "[NAME:Strip of garment]", "[PRICE:0]",
                          "[TILEGFX:it-bandage]", "[WEIGHT:30 g]", "[ARMOUR_MATERIAL:cloth]", "[ARMOUR_COVERAGE:hip]"})
        line(it, l);
    it.magic = 16;
    return it;
}
