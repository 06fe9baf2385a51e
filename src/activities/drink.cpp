// Drinking: from a vessel in the pack, from open water beside the player, and the drink command.
#include "activities/food.h"

#include "activities/herbeffects.h"
#include "core/commandcodes.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/itemwear.h"
#include "items/materials.h"
#include "items/inventory.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/water.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

#include <cmath>
#include <cstring>

void drinknote(float amount, int object) {
    TARGET_ITEM = object;
    Note(MSG(amount < 0.5f ? "DRINK:SIP" : amount < 1.5f ? "DRINK:DRINK" : "DRINK:GULP"));
}

// Seconds a drink of that many pounds takes.
static int drink_seconds(float amount) {
    int s = 20 * (int)ceilf(amount);
    return s < 10 ? 10 : s;
}

void QuaffIt(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return;
    int obj = Plr.inv_obj[slot];
    ItemStruct item = ObjToItem(obj);
    TARGET_ITEM = obj;
    if (!OnkoEsineSailio(item)) {
        Note(MSG("NOT_SUITABLE_ITEM"));
        return;
    }
    if (OnkoSailioTyhja(item) || item.weight <= 0) {
        char name[48], line[120];
        item_name(item, name);
        fill_name(line, sizeof line, "!The %s is empty!", StrLwr(name));
        Note(line);
        return;
    }
    ravinto_struct value = ravinto(item);
    float amount = nestetarve(value);
    if (amount < 0.1f) amount = 0.1f;
    if (amount > item.weight) amount = item.weight;
    Slotista_Uniikki(slot);
    obj = Plr.inv_obj[slot];
    int seconds = drink_seconds(amount);
    if (!realbasicspend(seconds / 60, seconds % 60, "drinking", 0)) return;
    drinknote(amount, obj);
    Ravitse(-1, value, item, amount, 1);
    herb_effects_taken(item);
    Kuluta_PlrItem(slot, amount);
    Nayta_Perustarpeet(1);
}

void drinknatural() {
    ItemStruct water = Vesiesine(1.0f);
    ravinto_struct value = ravinto(water);
    float amount = (float)Plr.thirst / 1000.0f;
    int seconds;
    if (amount <= 0.1f) {
        amount = 0.1f;
        seconds = 20;
    } else {
        seconds = drink_seconds(amount);
    }
    if (!realbasicspend(seconds / 60, seconds % 60, "Drinking", 0)) return;
    int obj = Luo_Esineen_Itempos(water);
    drinknote(amount, obj);
    Ravitse(-1, value, water, amount, 1);
    Nayta_Perustarpeet(1);
    world_services.course_task_check(1);
}

void quaffCmd() {
    if (avovesi(-1, 0) && KyllaEi("Drink from the natural source?")) {
        drinknatural();
        return;
    }
    if (!bigmap()) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                int x = PlayerX + dx, y = PlayerY + dy;
                if (!in_layer(x, y) || maailma_attrib[mapidx(x, y)] == ':') continue;
                if (ice_thickness_true(x, y) <= 0) continue;
                if (KyllaEi("Make a hole in the ice?")) {
                    world_services.run_action(ACTION_ICE_HOLE, 0, "");
                    return;
                }
                goto vessels;
            }
    }
vessels:
    int slot = choose_pack_item(IT_CONTAINER, "What do you want to drink?");
    if (slot == -2) Note(nothingto("drink"));
    else if (slot >= 0) QuaffIt(slot);
}
