// src/items/wornmagic.cpp -- the charms the player carries and wears.
#include "items/wornmagic.h"

#include <cctype>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "items/items.h"

enum { STATUS_WORN = 32, KIND_BEARTOOTH = 17 };

static void lower_name(const ItemStruct &it, char out[sizeof it.name + 1]) {
    size_t k = 0;
    for (; k < sizeof it.name && it.name[k]; k++) out[k] = (char)tolower((unsigned char)it.name[k]);
    out[k] = 0;
}

int hasmagic_worn(int who, int kind, const char *text) {
    if (who != -1) return 0;
    if (!text) text = "";
    const bool dogfur = strstr(text, "[dog fur mittens]") != nullptr;
    const bool haresnare = strstr(text, "[haresnare mittens]") != nullptr;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int obj = Plr.inv_obj[s];
        if (obj == 0) continue;
        const ItemStruct it = ObjToItem(obj);
        if (kind == KIND_BEARTOOTH) {
            if (it.magic == KIND_BEARTOOTH) return 1;
            continue;
        }
        if (!(it.status & STATUS_WORN)) continue;
        if (kind != 0 && it.magic == kind) return 1;
        char name[sizeof it.name + 1];
        lower_name(it, name);
        if (!strstr(name, "mittens")) continue;
        if (dogfur && wildcmp("*dog fur*", name)) return 1;
        if (haresnare) {
            if ((it.material & MAT_WOOL) || strstr(name, "oollen ")) return 1;
            if (random(5) == 0) return 1;
        }
    }
    return 0;
}
