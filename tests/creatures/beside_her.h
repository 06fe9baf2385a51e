// tests/creatures/beside_her.h -- a creature of the templates standing calm on the square east of the
// loaded character, in the first free slot, with a social id of 7777; her knife taken in hand.
#pragma once
#include "core/datafunc.h"
#include "core/loader_fixture.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "items/items.h"
#include "items/wearing.h"

namespace oxatest {

inline int creature_east_of_her(int code) {
    int slot = -1;
    for (int c = 0; c < CRE_COUNT && slot < 0; c++)
        if (Cre[c].kind == CK_NONE) slot = c;
    Luo_Olento(code);
    Cre[slot] = Creature;
    Cre[slot].mode = 3;
    Cre[slot].enemy = CRE_NONE;
    Cre[slot].socialid = 7777;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].x == PlayerX + 1 && Data[i].y == PlayerY) Data[i].type = 0;
    set_data(DT_CREATURE, PlayerX + 1, PlayerY, CRE_DATAID + slot, 1);
    Cre[slot].Viimeisin_X = PlayerX + 1;
    Cre[slot].Viimeisin_Y = PlayerY;
    return slot;
}

// The ready-made character carries her knife in her pack: she wields it as the wield command does.
inline void knife_in_her_hand() {
    for (int s = 0; s < PLR_SLOTS; s++) {
        char name[41];
        if (Plr.inv_obj[s] <= 0 || strcmp(item_name(ObjToItem(Plr.inv_obj[s]), name), "Knife") != 0) continue;
        Wield(s, 0, 1);
        return;
    }
}

}  // namespace oxatest
