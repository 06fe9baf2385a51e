// src/core/wielded.cpp -- what the player and the creatures hold in hand, and whether the player
// holds a shield in a guard.
#include "core/wielded.h"

#include <cstring>

#include "core/creatures.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"

static bool live_creature(int c) { return c >= 0 && c < CRE_COUNT; }

int onko_KILPI(const ItemStruct &item) {
    return strncmp(item.skill, "SHIELD", sizeof item.skill) == 0 ? 1 : 0;
}

int getwieldedItempos(int creature, int hand) {
    if (creature == CRE_PLAYER) {
        const int slot = wielding(hand == 1 ? 1 : 2);
        return slot < PLR_SLOTS ? Plr.inv_obj[slot] : 0;
    }
    if (!live_creature(creature)) return 0;
    return hand == 2 ? Cre[creature].offhand : Cre[creature].wielded;
}

// Bit 1 says a shield is in her hand and held in one of the guards; it is what mobility, missile aim
// and sight go by, so it is worked out wherever they read it, with or without a screen.
void shield_guard_renew() {
    uint8_t &g = Plr.shield_guard;
    g &= (uint8_t)~1u;
    if (!(g & GUARD_MODES)) return;
    for (int hand = 1; hand <= 2; hand++) {
        const int obj = getwieldedItempos(-1, hand);
        if (obj && onko_KILPI(ObjToItem(obj))) g |= 1;
    }
}
