// src/creatures/nourish.cpp -- food values and feeding (see nourish.h).
#include "creatures/nourish.h"

#include "base/debuglog.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void fill_name(char *out, int size, const char *pattern, const char *name) {
    if (size <= 0) return;
    int n = 0;
    for (const char *p = pattern; *p && n + 1 < size; p++) {
        if (p[0] == '%' && p[1] == 's') {
            for (const char *q = name; *q && n + 1 < size; q++) out[n++] = *q;
            p++;
        } else {
            out[n++] = *p;
        }
    }
    out[n] = 0;
}

int Ravintoarvo_Nimesta(const char *name) {
    auto has = [name](const char *w) { return strstr(name, w) != nullptr; };
    if (has("PIG") || has("SOW") || has("BOAR")) return 108;
    if (has("ELK") || has("STAG")) return 100;
    if (has("SHEEP") || has("RAM")) return 105;
    if (has("COW") || has("BULL")) return 104;
    if (has("DEER")) return 101;
    if (has("BEAR")) return 106;
    if (has("HARE")) return 102;
    if (has("GROUSE")) return 107;
    if (has("SALMON") || has("TROUT")) return 251;
    if (has("BREAM")) return 252;
    if (has("LAVARET")) return 253;
    if (has("RYE BREAD")) return 200;
    if (has("FAT")) return 109;
    if (has(" CUT")) return 103;
    return 0;
}

void food_name_of(const ItemStruct &item, char *out, size_t size) {
    size_t n = strnlen(item.name, sizeof item.name);
    if (n >= size) n = size - 1;
    memcpy(out, item.name, n);
    out[n] = 0;
}

ravinto_struct ravinto(ItemStruct &item) {
    ravinto_struct v = {};
    int c = 0, f = 0, p = 0, l = item.water;
    bool settled = false;
    if (item.id != OID_WATER && item.id != OID_MILK && (item.fig[0] + item.fig[1] + item.fig[2] + item.water) != 0) {
        c = item.fig[0], f = item.fig[1], p = item.fig[2];
        settled = true;
    }
    if (!settled) {
        char name[48];
        food_name_of(item, name, sizeof name);
        unsigned id = item.id;
        bool water = false, milk = false;
        if (strstr(name, "berries")) id = OID_BERRY;
        else if (strstr(name, "water")) (strstr(name, "milk") ? milk : water) = true;
        else if (strstr(name, "milk")) milk = true;
        // A name that says water or milk decides before the object's own id.
        if (milk || (!water && id == OID_MILK)) c = 5, f = 4, p = 3, l = 70;
        else if (water || id == OID_WATER) c = 0, f = 0, p = 0, l = 100;
        else if (id == OID_BERRY) c = 7, f = 0, p = 0, l = 70;
        else if (id == OID_FLOUR) c = 55, f = 2, p = 9;
        else if (id == OID_BONE) c = 1, f = 35, p = 5;
        else if (id == OID_SEED || id == OID_HERB || id == OID_FLOWER) c = 1, f = 0, p = 0;
        else if (id == OID_MUSHROOM) c = 3, f = 1, p = 2;
        else {
            switch (Ravintoarvo_Nimesta(StrUpr(name))) {
            case 100: case 102: case 103: case 104: case 106: case 108: c = 0, f = 3, p = 21; break;
            case 101: c = 0, f = 5, p = 22; break;
            case 105: c = 0, f = 12, p = 19; break;
            case 200: c = 41, f = 1, p = 7; break;
            case 251: c = 0, f = 7, p = 11; break;
            case 252: case 253: c = 0, f = 3, p = 17; break;
            default: c = 5, f = 2, p = 1; break;
            }
        }
    }
    v.carb = c, v.fat = f, v.protein = p, v.liquid = l;
    v.kcal100 = 4 * c + 9 * f + 4 * p;
    v.kcal_lb = 5 * v.kcal100;
    float w = item.weight > 0 ? item.weight : 0.0f;
    v.kcal_item = (int32_t)ceilf((float)v.kcal_lb * w);
    v.g_carb = (int32_t)((float)c * 5.0f * w);
    v.g_fat = (int32_t)((float)f * 5.0f * w);
    v.g_protein = (int32_t)((float)p * 5.0f * w);
    v.g_liquid = (int32_t)((float)l * 5.0f * w);
    item.fig[0] = (uint8_t)c, item.fig[1] = (uint8_t)f, item.fig[2] = (uint8_t)p, item.water = (uint8_t)l;
    char name[48], line[256];
    food_name_of(item, name, sizeof name);
    snprintf(line, sizeof line, "ravinto(%s) : Hi,Ra,Pr: %d,%d,%d Neste: %d  kcal/100g: %d  kcal/lbs: %d  kcal/esine: %d",
             name, c, f, p, l, v.kcal100, v.kcal_lb, v.kcal_item);
    debuglog("eat", line);
    return v;
}

void heikenna_ravintoarvot(ravinto_struct &v, float factor) {
    int32_t *fields = &v.kcal100;
    for (int i = 0; i < 11; i++) fields[i] = (int32_t)((float)fields[i] * factor);
}

// TiivistaRavinto and Laske_RuoanHinta_PerLbs live with the herb lore's food rules.

ItemStruct Lihaesine(const char *name, float weight, const CreatureStruct &tpl) {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_FOOD;
    it.id = OID_RAWMEAT;
    char cut[80];
    fill_name(cut, sizeof cut, "%s cut", name ? name : "");
    SET_ITEM_TEXT(it.name, cut);
    SET_ITEM_TEXT(it.skill, name ? name : "");
    it.tilesym = 145;
    SET_ITEM_TEXT(it.tile, "org-meatcut");
    it.weight = it.fullweight = weight;
    it.spoil = 3;
    for (int k = 0; k < 3; k++) it.fig[k] = tpl.meat[k];
    it.priceperweight = (float)(tpl.meat[0] + tpl.meat[1] + tpl.meat[2]) * 0.04f;
    it.price = it.priceperweight * weight;
    return it;
}

float nestetarve(const ravinto_struct &v) {
    if (v.liquid <= 0) return 0.0f;   // a dry food quenches nothing
    return (float)Plr.thirst / ((float)v.liquid * 10.0f);
}

float Itemruoan_Vatsatarve(int, const ravinto_struct &v) {
    int room = 255 - Plr.stomach;
    int hunger = nalantunne(-1);
    if (hunger > room) room = hunger;
    if (room <= 0) return 0.0f;
    float need = (float)room / (float)(v.kcal100 + 50) + 0.05f;
    return need > 3.0f ? 3.0f : need;
}

void Ravitse(int n, const ravinto_struct &v, const ItemStruct &, float amount, int drinking) {
    int fill = (int)((float)(v.kcal100 + 50) * amount);
    if (fill < 20) fill = 20;
    if (n == -1 && drinking) fill = Plr.thirst <= 25 ? (int)((float)(v.kcal100 + 12) * amount) : 0;
    int energy = (int)ceilf((float)v.kcal_lb * amount);
    if (n != -1) {
        if (n < 0 || n >= CRE_COUNT) return;
        int e = Cre[n].energy + energy, cap = maxenergiavaranto(n);
        Cre[n].energy = (int16_t)(e > cap ? cap : e);
        return;
    }
    int64_t e = (int64_t)Plr.energy + energy;
    Plr.energy = (uint32_t)(e > 5000 ? 5000 : e < 0 ? 0 : e);
    if (Plr.stomach + fill > 249) {
        Plr.stomach = 255;
        if (!drinking) Note(MSG("EAT_FULL"));
    } else {
        Plr.stomach = (uint8_t)(Plr.stomach + fill);
    }
    int relief = (int)((float)v.liquid * amount * 10.0f);
    if (relief != 0 && relief + 50 >= Plr.thirst) {
        Plr.thirst = 0;
        Note("=Your thirst is extinguished.");
    } else {
        Plr.thirst -= relief;
    }
}

int ateria_sekunnit(int calories) {
    if (calories < 150) return calories / 3 < 10 ? 10 : calories / 3;
    return calories / 150 * 60;
}
