// Whether an item floats: what is heavy, stony or metal sinks, the rest floats.
#include <cstring>

#include "core/obj_func.h"
#include "items/items.h"

static bool has(const char *text, const char *part) { return strstr(text, part) != nullptr; }

int KELLUUKO(int item) {
    ItemStruct it;
    ObjToItem(it, item);
    char name[41], skill[28];
    item_name(it, name);
    memcpy(skill, it.skill, sizeof it.skill);
    skill[sizeof it.skill] = 0;
    if (it.type == IT_FOOD) return it.id == 500 || it.id == OID_RAWFISH;
    if (it.material & (MAT_ROCK | MAT_BONE | MAT_ANTLER)) return 0;
    if (it.type == IT_ARMOUR && (has(name, "MAIL") || has(name, "RING") || has(name, "IRON") || has(name, "LAMELLAR")))
        return 0;
    if (it.type == IT_WEAPON &&
        (has(skill, "SWORD") || has(skill, "DAGGER") || has(skill, "KNIFE") || has(skill, "AXE")))
        return 0;
    if (it.id == 336 || it.id == 300 || it.id == 331) return 0;
    return 1;
}
