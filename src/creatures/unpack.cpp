// src/creatures/unpack.cpp -- the player unpacks her pack animal or picks things from a companion.
#include "creatures/unpack.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/items.h"
#include "maps/picker.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tekstit.h"

#include <cstdlib>

static bool pet_animal(int n) { return !is_human(n) && onko_NPC_kesyelain(n); }

// The pet or companion on a square beside her, for the command that names nobody; CRE_NONE none.
static int beside_player() {
    if (!OtaKohta_Suunta("whom to unpack")) return CRE_NONE;
    const int c = cre_xy(GeneralX, GeneralY);
    return c >= 0 ? c : CRE_NONE;
}

int Pura_NPC(int, int n) {
    if (n < 0) n = beside_player();
    if (n < 0 || n >= CRE_COUNT || Cre[n].kind == CK_NONE) return -1;
    const bool pet = pet_animal(n), companion = onko_NPC_kumppani(n);
    if (!pet && !companion) return -1;
    TARGET_NPC = n;
    if (pet) Note(MSG("UNPACK_SELECTED"));
    const int r = InvSel(INV_FROM_PACK, n, 0, 0, pet ? "What do you want to unpack?" : "What do you want to pick?",
                         pet ? "unpack" : "pick", pet ? SEL_MULTI : SEL_MULTI | SEL_NO_CLAIMED, 0, CODE_UNPACK);
    if (r == INVSEL_NOTHING) {
        Note(MSG("CARRY_NOTHING"));
        return 0;
    }
    if (r < 0) {
        Note("!Canceled.");
        return 0;
    }
    int to_ground = -1;            // asked once: -1 not yet, 0 keep them with the creature, 1 onto the ground
    for (int i = 0; i < INVDATA_MAX && InvData[i].pos; i++) {
        const InvDataStruct row = InvData[i];
        if (row.chosen <= 0 || row.source != INV_FROM_PACK || row.index < 0 || row.index >= CRE_PACK) continue;
        const int slot = row.index, pos = Cre[n].pack[slot];
        int count = row.chosen < Cre[n].packcount[slot] ? row.chosen : Cre[n].packcount[slot];
        if (pos != row.pos || count <= 0) continue;   // the pack changed under the list
        if (cancarry(CRE_PLAYER, pos, count)) {
            Lisaa_Inventoryyn(pos, count, 1, -1);
            TARGET_NPC = -1;
            TARGET_ITEM = pos;
            TARGET_NUM = count;
            Note(MSG("PICK_UP"));
            Poista_NpcItem(n, slot, count);
            continue;
        }
        if (to_ground < 0) to_ground = KyllaEi("Unpack troubled items onto ground?") ? 1 : 0;
        if (!to_ground) continue;
        set_data(DT_ITEM, PlayerX, PlayerY, pos, count);
        TARGET_NPC = -1;
        TARGET_ITEM = pos;
        TARGET_NUM = count;
        Note(MSG("DROP_ITEM"));
        Poista_NpcItem(n, slot, count);
    }
    Statistics();
    return 1;
}
