// Plant splitting and flour stand in here until agriculture lands: no plant parts; the food value rules.
#include "activities/herblore.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"

// Stands in until agriculture lands: a plant gives no parts.
KasviOsat hajota_kasvi(const ItemStruct &) {
    KasviOsat none;
    memset(&none, 0, sizeof none);
    return none;
}

ItemStruct Jauha_Siemenesine(const ItemStruct &seeds, float amount) {
    ItemStruct flour = seeds;
    char skill[sizeof seeds.skill + 1];
    memcpy(skill, seeds.skill, sizeof seeds.skill);
    skill[sizeof seeds.skill] = 0;
    char name[80];
    snprintf(name, sizeof name, "%s-flour", skill);
    SET_ITEM_TEXT(flour.name, name);
    flour.id = OID_FLOUR;
    flour.type = IT_FOOD;
    flour.weight = flour.fullweight = amount;
    flour.priceperweight = 1.5f * Laske_RuoanHinta_PerLbs(seeds);
    flour.price = 0;
    flour.quality = 0;
    ItemSet_laatu(3, flour);
    ItemSet_laatutieto(1, flour);
    return flour;
}

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
