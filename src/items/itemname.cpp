// The weight text and the value of an item in trade, the description of an item that is not stored,
// and what a robber takes (the names themselves are core/itemname's).
#include <cmath>
#include <cstdio>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/crefunc.h"
#include "core/itemname.h"
#include "items/items.h"
#include "items/items_int.h"

static ItemStruct load(int pos) {
    if (pos == ITEMPOS_NAMING) return NimiTempItem;
    return ObjToItem(pos);
}

// ---- weight and price ----

float esinepaino(const ItemStruct &item) {
    float extra = item.ownweight / 10.0f;
    if (item.vessel != 0) extra = ObjToItem((int)item.vessel).ownweight / 10.0f;
    return item.weight + extra;
}

char *txt_itemweight(int pos, int count) {
    char *out = sbuf();
    float w = esinepaino(load(pos)) * (float)count;
    if (w >= 1) bprintf(out, SBUF_SIZE, "%d lbs", (int)ceilf(w));
    else if (w < 0.1f) bprintf(out, SBUF_SIZE, "<0.1 lbs");
    else if (w > 0.94f) bprintf(out, SBUF_SIZE, "1 lb");
    else bprintf(out, SBUF_SIZE, "%.1f lbs", w);
    return out;
}

static float quality_factor(const ItemStruct &item) {
    switch (ItemGet_laatu(&item)) {
    case 1: return 0.25f;
    case 2: return 0.5f;
    case 4: return 1.25f;
    case 5: return 1.5f;
    default: return 1.0f;
    }
}

float esinehinta(int, const ItemStruct &item) {
    float p;
    if (item.priceperweight == 0) {
        p = item.price;
        bool worn_kind = item.type == IT_WEAPON || item.type == IT_ARMOUR || item.type == IT_TOOL;
        if (worn_kind && item.fullweight > 0 && item.weight < item.fullweight) p = p * item.weight / item.fullweight;
    } else {
        p = item.priceperweight * item.weight;
    }
    p *= quality_factor(item);
    if (item.type == IT_SKIN && item.id != OID_FUR && item.id != OID_LEATHER) p *= 0.25f;
    if (item.vessel != 0) {
        ItemStruct v = ObjToItem((int)item.vessel);
        p += v.price * quality_factor(v);
    }
    return p;
}

char *ekuvaus_item(const ItemStruct &item, int count, unsigned char flags) {
    const ItemStruct kept = NimiTempItem;
    NimiTempItem = item;
    char *out = ekuvaus(ITEMPOS_NAMING, count, flags);
    NimiTempItem = kept;
    return out;
}

// A robber takes what is worth his while: arms, armour, skins, tools and valuables of some price, but
// never a leash with its animal on it.
int robber_wanted_item(const ItemStruct &item) {
    switch (item.type) {
    case IT_WEAPON: case IT_ARMOUR: case IT_SKIN: case IT_TOOL: case IT_VALUABLE: break;
    default: return 0;
    }
    if (item.type == IT_TOOL && item.subtype == ST_ROPE && npcleash_check(item) >= 0) return 0;
    return esinehinta(0, item) >= 12.0f ? 1 : 0;
}
