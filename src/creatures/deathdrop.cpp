// src/creatures/deathdrop.cpp -- a creature drops what it holds, carries or wears on its square.
#include "creatures/deathdrop.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/creatures.h"
#include "creatures/predicates.h"



ItemStruct claim_ItemTo_npc(ItemStruct item, int creature) {
    item.ownerflags &= (uint8_t)~OWN_CLAIM;
    if (creature < 0 || creature >= CRE_COUNT || Cre[creature].culture == 11) return item;
    if (item.ownerflags & OWN_CLEARS) {
        item.owner = 0;
        item.ownersoc = 0;
        item.ownerflags = 0;
        item.ownerword1 = item.ownerword2 = 0;
    } else if (is_socmember(creature)) {
        item.ownerflags &= (uint8_t)~(OWN_UNPAID | OWN_TAKEN | OWN_CLAIM);
        item.ownerword1 = item.ownerword2 = 0;
        item.ownersoc = Cre[creature].community;
    }
    return item;
}

void NpcDropItem(int creature, int position, int count) {
    if (creature < 0 || creature >= CRE_COUNT || position == 0 || count < 1) return;
    const ItemStruct item = claim_ItemTo_npc(ObjToItem(position), creature);
    const int pos = Esineesta_Uniikki(item);
    if (pos == 0) return;
    set_data(DT_ITEM, cre_x(creature), cre_y(creature), pos, count);
}

void DropCrArmor(int creature, int wornSlot) {
    if (creature < 0 || creature >= CRE_COUNT || wornSlot < 0 || wornSlot >= CRE_WORN) return;
    const int worn = Cre[creature].worn[wornSlot];
    if (worn == 0) return;
    ItemStruct item = ObjToItem(worn);
    const float d = (float)(10 + random(80)) / 100.0f;
    item.weight -= item.weight * d;
    item.price -= item.price * d;
    const int pos = Esineesta_Uniikki(item);
    if (pos != 0) NpcDropItem(creature, pos, 1);
}
