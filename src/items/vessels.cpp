// Vessels and their contents, the container and leash menus of the item lists, releasing every leashed animal and the check that every leash still holds its animal.
#include "items/itemwear.h"
#include "items/vessels.h"

#include "core/commandcodes.h"
#include "core/crefunc.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "items/items.h"
#include "items/items_int.h"
#include "maps/mapquery.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

#include <cstdio>
#include <cstring>

enum { MC_SAUNASTOVE = 5 };

int vessel_kind(const ItemStruct &item) {
    if (item.id == OID_BAG) return 1;
    if (item.id == OID_WOODCUP || item.id == OID_POT || item.type == IT_CONTAINER) return 2;
    return item.vessel != 0 ? 1 : 0;
}

int Tyhjenna_EsineAstia(ItemStruct &item) {
    item.weight = 0;
    item.type = IT_CONTAINER;
    item.subtype = 0;
    item.vessel = 0;
    item.fig[0] = item.fig[1] = item.fig[2] = 0;
    item.raw = 0;
    return 1;
}

int CONTAINER_rm(int at, const ItemStruct &item) {
    Valinta_Tyhjaa();
    if (!vessel_kind(item)) return MENU_NOT_TAKEN;
    if (item.id == OID_WATER && got_mc_around(PlayerX, PlayerY, MC_SAUNASTOVE, 1))
        Valinta_Lisaa('T', "Throw water on the sauna stove");
    Valinta_Lisaa('F', Toiminta(ACT_FILL));
    Valinta_Lisaa('P', "Pour or put something into");
    if (item.vessel != 0) Valinta_Lisaa('E', Toiminta(ACT_EMPTY));
    switch (TeeRMValintaAt("CONTAINER OPTIONS", at)) {
    case 'E': return ACT_EMPTY;
    case 'F': return ACT_FILL;
    case 'P': return ACT_POUR;
    case 'T': return ACT_SCOOP;
    default: return 0;
    }
}

int LEASH_rm(int at, const ItemStruct &item) {
    if (non_outdoor()) return 0;
    if (npcleash_check(item) < 0) return MENU_NOT_TAKEN;
    Valinta_Tyhjaa();
    Valinta_Lisaa('U', "Unleash");
    Valinta_Lisaa('T', "Tie to a tree");
    switch (TeeRMValintaAt("LEASHING OPTIONS", at)) {
    case 'T': return ACT_TIE;
    case 'U': return ACT_UNLEASH;
    default: return 0;
    }
}

void unleash(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS) return;
    const int pos = Plr.inv_obj[slot];
    if (pos < OBJ_PLAYER_FIRST || pos > OBJ_PLAYER_LAST) return;
    ItemStruct &leash = PlayerObj[pos - OBJ_PLAYER_FIRST];
    const int c = npcleash_check(leash);
    if (c >= 0) {
        TARGET_NPC = c;
        Cre[c].role = 0;   // off the leash
        Note(MSG("PET_UNLEASHED"));
    }
    set_leash_sotu(leash, 0);
}

void unleash_all() {
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int pos = Plr.inv_obj[s];
        if (pos < OBJ_PLAYER_FIRST || pos > OBJ_PLAYER_LAST) continue;
        if (npcleash_check(PlayerObj[pos - OBJ_PLAYER_FIRST]) >= 0) unleash(s);
    }
}
