// Vessels and their contents: a filled vessel is one item that stands for its contents, names the
// vessel in its vessel field and weighs what the contents weigh.
#include "items/containers.h"

#include <cstring>

#include "core/obj_func.h"
#include "items/items.h"

static const char *liquid_name(int liquid) {
    if (liquid == OID_WATER) return "Water";
    if (liquid == OID_MILK) return "Milk";
    return ID_oc_descr(liquid);
}

int Sailioi(int content, int vessel, int liquid, float amount) {
    ItemStruct given = ObjToItem(vessel);
    int real_vessel = vessel;
    float existing = 0;
    if (given.vessel != 0) {
        real_vessel = (int)given.vessel;
        existing = given.weight;
    }
    ItemStruct holder = ObjToItem(real_vessel);
    ItemStruct item;
    if (liquid == 0) {
        item = ObjToItem(content);
        amount = amount > 1 ? item.weight * amount : item.weight;
    } else {
        item = given;
        ItemSet_laatu(3, item);
        ItemSet_laatutieto(1, item);
        item.type = IT_CONTAINER;
        float start = given.weight;
        if (item.id != 0 && item.id != (uint32_t)liquid) {
            start = 0;
            existing = 0;
        }
        item.id = (uint32_t)liquid;
        float w = amount > 0 ? start + amount : holder.fullweight;
        if (w > holder.fullweight) w = holder.fullweight;
        item.price = 0;
        item.priceperweight = 0;
        item.fig[0] = item.fig[1] = item.fig[2] = 0;
        SET_ITEM_TEXT(item.name, liquid_name(liquid));
        amount = w;
        existing = 0;   // the start weight already holds what was there, counted once
    }
    amount += existing;
    item.tilesym = holder.tilesym;
    memcpy(item.tile, holder.tile, sizeof item.tile);
    item.vessel = (uint32_t)real_vessel;
    item.fullweight = holder.fullweight;
    item.weight = amount < holder.fullweight ? amount : holder.fullweight;
    int pos = content;
    if (liquid != 0) pos = Luo_Esineen_Itempos(item);
    if (pos >= OBJ_PLAYER_FIRST) ItemToObjpos(item, pos);
    return pos;
}

float rootwt(const char *size) {
    float grams = 50;
    if (!size) size = "";
    if (strcmp(size, "XS") == 0) grams = 50;
    else if (strcmp(size, "S") == 0) grams = 75;
    else if (strcmp(size, "M") == 0) grams = 150;
    else if (strcmp(size, "L") == 0) grams = 300;
    else if (strcmp(size, "XL") == 0) grams = 450;
    return gtolbs(grams);
}
