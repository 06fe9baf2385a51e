// The daily ageing of the pack: food and skins spoil day by day, and the owner marks of goods taken
// from a village fade after ten days of keeping them.
#include "activities/food.h"

#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "items/inventory.h"
#include "items/items.h"
#include "core/notes.h"

static bool stored(int n) { return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST; }

int stolendailydecay(ItemStruct &item) {
    if (!(item.ownerflags & 3)) return 0;
    if (++item.pad168[0] > 9) {          // byte 168 keeps the count of days kept
        item.ownersoc = 0;
        item.ownerword1 = item.ownerword2 = 0;
        item.ownerflags = 0;
        item.pad168[0] = 0;
    }
    return 1;
}

int FOODSPOIL_PlrPack() {
    int foul = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        int n = Plr.inv_obj[s];
        if (!stored(n)) continue;
        ItemStruct changed;
        int r = spoilItem(n, 0, 0, changed, 1);
        if (r == 0) continue;
        // With the object table full the slot keeps the item as it was rather than losing it.
        int aged = Luo_Esineen_Itempos(changed);
        // The stacking test leaves out the days taken goods have been kept: an equal record that
        // counts other days must not take over this one's.
        if (aged && ObjToItem(aged).pad168[0] != changed.pad168[0]) aged = Esineesta_Uniikki(changed);
        if (!aged) continue;
        Plr.inv_obj[s] = aged;
        if (r == 2) foul = 1;
    }
    for (int s = 0; s < PLR_SLOTS; s++) {
        int n = Plr.inv_obj[s];
        if (!stored(n)) continue;
        ItemStruct it = ObjToItem(n);
        if (!(it.ownerflags & 3)) continue;
        stolendailydecay(it);
        // A record of its own: an equal stack elsewhere must not take over the day count.
        int own = Esineesta_Uniikki(it);
        if (own) Plr.inv_obj[s] = own;
    }
    CrunchItems();
    if (foul) Note("+Something in your pack is smelling foul!");
    return foul;
}
