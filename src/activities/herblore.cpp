// The food value rules the item definitions use.
#include "activities/herblore.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"

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
