// src/creatures/zoomservices.cpp -- stands in until the creature module lands: the control bytes are
// kept beside the creature table and a follower's step is taken as made.
#include "creatures/zoomservices.h"

#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "items/items.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "creatures/predicates.h"
#include "maps/mapunit.h"

static uint8_t control[CRE_COUNT + 1], control2[CRE_COUNT + 1];

int creature_slot_of(uint32_t id) {
    if (id < (uint32_t)CRE_DATAID) return -1;
    const uint32_t slot = id - CRE_DATAID;
    return slot < (uint32_t)CRE_COUNT ? (int)slot : -1;
}

uint8_t &cre_control(int c) { return control[(unsigned)c < (unsigned)CRE_COUNT ? c : CRE_COUNT]; }
uint8_t &cre_control2(int c) { return control2[(unsigned)c < (unsigned)CRE_COUNT ? c : CRE_COUNT]; }

// A follower's step after the player is taken as made until creature movement lands.
int come_along(int c, int) { return onko_NPC_kesyelain(c) || onko_NPC_kumppani(c) || (cre_control2(c) & CTRL2_LED); }

void Taistelu_OHI(int c) {
    if ((unsigned)c < (unsigned)CRE_COUNT && (Cre[c].mode == 2 || Cre[c].mode == 99)) Cre[c].mode = 0;
}

void Poista_Olento(int c) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && creature_slot_of(Data[i].id) == c) ClearDATA(i);
}

// The goods of a society are the things in the pack that carry its mark.
int GOT_PROPERTY_ofsoc(int soc) {
    if (soc <= 0) return 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (Plr.inv_obj[s] <= 0) continue;
        const ItemStruct item = ObjToItem(Plr.inv_obj[s]);
        if (item.type != 0 && item.ownersoc == (uint32_t)soc) return 1;
    }
    return 0;
}

void clear_zoomservices() {
    memset(control, 0, sizeof control);
    memset(control2, 0, sizeof control2);
}
