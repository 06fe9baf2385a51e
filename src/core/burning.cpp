// The burning check: the fuel a square holds, its kindling, and the fire consuming it.
#include "core/burning.h"

#include <cmath>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "items/items.h"
#include "maps/mapquery.h"

static bool has(const char *text, const char *part) { return strstr(text, part) != nullptr; }

// The fuel value of one stack, and whether it burns at all.
static float stack_fuel(const ItemStruct &it, int count, bool &flammable) {
    char name[41], skill[28];
    item_name(it, name);
    memcpy(skill, it.skill, sizeof it.skill);
    skill[sizeof it.skill] = 0;
    const float cw = (float)count * it.weight;
    const uint32_t m = it.material;
    float v = 0;
    flammable = false;
    if (it.type == IT_FOOD || (it.type >= IT_CONTAINER && it.type <= IT_SKIN)) {
        flammable = true;
        v = cw * 0.5f;
    }
    if (it.id == 418) flammable = true;
    if (it.type == IT_WEAPON && !has(skill, "SWORD") && !has(skill, "DAGGER") && !has(skill, "KNIFE") &&
        !has(skill, "AXE") && !has(name, "Rock")) {
        flammable = true;
        v += cw;
    }
    if (it.type == IT_TIMBER || has(name, "Wooden") || (m & MAT_WOOD)) {
        flammable = true;
        v += 2 * cw;
    }
    if (has(name, "Bark") || has(name, "irch") || (m & MAT_BARK)) {
        flammable = true;
        v += 2 * cw;
    }
    if (has(name, "Linen ") || has(name, "Nettle ") || has(name, "Woollen ") || (m & (MAT_CLOTH | MAT_WOOL))) {
        flammable = true;
        v += 2 * cw;
    }
    if (has(name, "Fur ") || has(name, "Leather ") || (m & (MAT_LEATHER | MAT_FUR))) {
        flammable = true;
        v += 1.5f * cw;
    }
    if (it.id == 300 || it.id == 310 || (m & (MAT_IRON | MAT_BRONZE | MAT_SILVER))) flammable = false;
    if ((m & MAT_ROCK) || has(name, "Pot")) flammable = false;
    return v;
}

int PolttoTarkistus(int x, int y, int burn, const char *text) {
    float fuel = 0;
    int fuel_units = 0, kindling = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.x != x || d.y != y) continue;
        if (burn && (d.type == DT_PLANT || d.type == DT_TRACKS || d.type == DT_HERB_A || d.type == DT_HERB_B ||
                     d.type == DT_FIRE_REMAINS || d.type == DT_COUNTED)) {
            CrunchData(i);
            continue;
        }
        if (d.type != DT_ITEM || d.spent_minutes != 0) continue;
        ItemStruct it;
        ObjToItem(it, (int)d.id);
        bool flammable;
        const float v = stack_fuel(it, d.count, flammable);
        if (!flammable) continue;
        fuel += v;
        fuel_units += d.count;
        char name[41];
        if (it.weight <= 1.0f || has(item_name(it, name), "irewood") || (it.material & MAT_BARK)) kindling += d.count;
        if (burn) CrunchData(i);
    }
    if (text && has(text, "[light]")) {
        if (kindling == 0) return -2;
        if (kindling > 2) return 1;
        return fuel_units > kindling ? -1 : 0;
    }
    if (burn && fuel >= 10.0f) Tyhjenna_PINTA(x, y);
    return (int)std::ceil(fuel);
}
