// The small rules over one item that the rest of the game calls (the record itself, its blanks and
// its reading by object number are core/obj_func's): the scratch items, lookups in the definition
// table by id and by name, the quality grade, the attack and defence classes, lengths, spoilage,
// ownership flags, food prices and nutrients, the carcass item of a creature, the one-hand penalty,
// and the data pool's blank and add.
#include "items/items.h"
#include "items/items_int.h"
#include "items/items_test.h"

#include "items/herbarium.h"
#include "maps/squareevents.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/crefile.h"
#include "core/tekstit.h"

#include <cmath>
#include <cstdint>
#include <cstring>

ItemStruct ITEM_BACKUP;

void cl_item() { unmatchable_blank(Item); }

int ID_object(int id) {
    for (int r = 0; r < CONSTANTOBJ_ROWS; r++)
        if (ConstantObj[r].id == (uint32_t)id) return r;
    return -1;
}

int ConstantObj_Nimella(const char *name, int type) {
    char n[41];
    for (int r = 0; r < CONSTANTOBJ_ROWS; r++)
        if (ConstantObj[r].type == type && strcmp(item_name(ConstantObj[r], n), name ? name : "") == 0) return r;
    return -1;
}

char *ID_oc_descr(int id) {
    char *out = sbuf();
    int r = ID_object(id);
    if (r >= 0) item_name(ConstantObj[r], out);
    return out;
}

// ---- properties ----

int Tunnista_Laatu(int pos) {
    if (pos == ITEMPOS_NAMING) {
        if (NimiTempItem.quality) ItemSet_laatutieto(1, NimiTempItem);
        return 1;
    }
    if (pos < OBJ_PLAYER_FIRST || pos > OBJ_PLAYER_LAST) return 0;
    ItemStruct &it = PlayerObj[pos - OBJ_PLAYER_FIRST];
    if (it.quality) ItemSet_laatutieto(1, it);
    return 1;
}

int Ota_AttackClass(int byte) { return ota_bittiarvo(0, 3, byte); }
int Ota_DefenseClass(int byte) { return ota_bittiarvo(4, 7, byte); }
static int Aseta_AttackClass(int byte, int value) { return aseta_bittiarvo(0, 3, byte, value) & 255; }
static int Aseta_DefenseClass(int byte, int value) { return aseta_bittiarvo(4, 7, byte, value) & 255; }
int Aseta_ADClass(int attack, int defence) { return Aseta_DefenseClass(Aseta_AttackClass(0, attack), defence); }

int Item_pituusmitallinen(const ItemStruct &item) { return item.unitkind == UK_FEET || item.unitkind == UK_BALL; }
int get_Item_maxpituus(const ItemStruct &item) { return item.fig[5]; }

void set_Item_pituus(int value, ItemStruct &item) {
    item.fig[4] = (uint8_t)value;
    if (item.unitkind == UK_COUNT) item.unitkind = UK_FEET;
}

void set_Item_maxpituus(int value, ItemStruct &item) {
    item.fig[5] = (uint8_t)value;
    if (item.unitkind == UK_COUNT) item.unitkind = UK_FEET;
}

int oe_pilaantunut(const ItemStruct &item) { return item.spoil == SPOIL_SPOILED; }
int oe_ummehtunut(const ItemStruct &item) { return item.type == IT_FOOD && item.spoil < 2; }

int pctofItem(const ItemStruct &item) {
    if (item.fullweight <= 0) return 100;
    return (int)ceilf(item.weight / item.fullweight * 100.0f);
}

ItemStruct &copyownerflags(const ItemStruct &from, ItemStruct &to) {
    to.ownerflags = from.ownerflags;
    to.ownerword1 = from.ownerword1;
    to.ownerword2 = from.ownerword2;
    to.ownersoc = from.ownersoc;
    to.owner = from.owner;
    return to;
}

// The food values: the price per pound by the nutrients, and a cooked food concentrated.
float Laske_RuoanHinta_PerLbs(const ItemStruct &item) {
    return (float)(item.fig[0] + item.fig[1] + item.fig[2]) * 0.04f;
}

void TiivistaRavinto(ItemStruct &item, float divisor) {
    if (divisor <= 0) return;
    item.weight /= divisor;
    item.fullweight /= divisor;
    for (int k = 0; k < 3; k++) {
        float v = ceilf(item.fig[k] * divisor);
        item.fig[k] = (uint8_t)(v > 255 ? 255 : v);
    }
    float w = ceilf(item.water * divisor);
    item.water = (uint8_t)(w > 255 ? 255 : w);
    item.priceperweight *= divisor;
}

char *ItemMatSkill(const ItemStruct &item) {
    static char out[100];
    if (!onko_kasvikuntaa(item)) {
        char skill[sizeof item.skill + 1];
        memcpy(skill, item.skill, sizeof item.skill);
        skill[sizeof item.skill] = 0;
        return copy_bounded(out, sizeof out, skill);
    }
    int row = KasvioPos(item);
    if (row < 0) return copy_bounded(out, sizeof out, "unknown");
    NimiTempItem = HerbloreKasvio[row].plant;
    NimiTempItem.plantname = item.plantname;   // the byte just before the water byte
    return copy_bounded(out, sizeof out, enimi(ITEMPOS_NAMING, 1, 18));
}

// The carcass item of a stored creature by its social id: its species and weight (twice its
// kilograms, in pounds) from the area's carcass or the creature file, carcasses of the area saved first.
int Luo_Sotucarcass_Itempos(unsigned socialid) {
    CarcassSave();
    ItemStruct it;
    ClrItemstruct(it);
    static CreatureStruct c;
    getsotucrstruct(c, socialid, 52);
    it.type = IT_CARCASS;
    char species[sizeof c.species + 1];
    memcpy(species, c.species, sizeof c.species);
    species[sizeof c.species] = 0;
    char name[80];
    snprintf(name, sizeof name, "dead %s", species);
    name[39] = 0;
    SET_ITEM_TEXT(it.name, name);
    it.weight = it.fullweight = 2.0f * c.weight;
    it.id = socialid;
    return Luo_Esineen_Itempos(it);
}

int one_hand_penalty(const ItemStruct &item) { return item.type == IT_WEAPON ? item.cover[0] : 0; }
void set_one_hand_penalty(ItemStruct &item, int v) {
    if (item.type == IT_WEAPON) item.cover[0] = (uint8_t)v;
}

void DataPool_reset(DataPoolStruct &pool) { memset(&pool, 0, sizeof pool); }

void DataPool_add(DataPoolStruct &pool, const DataStruct &record) {
    if (pool.count >= 63) return;
    pool.rec[pool.count++] = record;
}

// ---- finished work ----

void Valmistunut_DATATYPE(int n) {
    if (!(n >= 0 && n < DATA_MAX)) return;
    DataStruct &d = Data[n];
    d.type = DT_ITEM;
    ItemStruct it;
    ObjToItem(it, (int)d.id);
    if (it.type != IT_FOOD) Tunnista_Laatu((int)d.id);
    ItemStruct spoiled;
    const int spoiled_id = spoilItem((int)d.id, 1, 0, spoiled, 0) ? Luo_Esineen_Itempos(spoiled) : 0;
    if (d.flags != '{') return;

    // Work that needed care: what was neglected spoils.
    const float ratio = (float)d.day / (float)CARE_FULL;
    d.flags = 0;
    d.day = 0;
    if (ratio > 1.0f) return;
    if (ratio < 0.5f) {
        if (spoiled_id) d.id = (uint32_t)spoiled_id;
        return;
    }
    const int p = (int)std::ceil(ratio * 100.0f);
    int failed = 0;
    for (int unit = 0; unit < d.count; unit++)
        if (random(100) > p) failed++;
    if (failed == 0 && d.count > 0) return;
    if (failed >= d.count) {
        if (spoiled_id) d.id = (uint32_t)spoiled_id;
        return;
    }
    const int x = d.x, y = d.y;
    // The failed units are lost either way; they lie spoiled beside the rest when they can spoil.
    datapos_deccount(n, failed);
    if (spoiled_id) set_data(DT_ITEM, x, y, spoiled_id, failed);
}
