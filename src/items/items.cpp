// The definition table, and the item services the core calls.
#include "items/items.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "presentation/tekstit.h"

#include <cstring>

ItemStruct ConstantObj[CONSTANTOBJ_ROWS];

void ClrItemstruct(ItemStruct &item) {
    memset(&item, 0, sizeof item);
    copy_bounded(item.skill, sizeof item.skill, "tuntematon");
}

int onko_kasvikuntaa(const ItemStruct &item) {
    if (item.type == IT_PLANT) return 1;
    return item.id == 61 || (item.id >= 430 && item.id <= 438) || item.id == 513;
}

void set_dp_socowned(int dp) {
    if (dp >= 0 && dp < DATA_MAX) Data[dp].owner = SOC_OWNER;
}

// The items below stand in until the items module lands.

int wielding(int hand) {
    uint8_t bit = hand == 1 ? ISTAT_PRIMARY : ISTAT_SECOND;
    for (int s = 0; s < PLR_SLOTS; s++) {
        int n = Plr.inv_obj[s];
        if (n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST && (PlayerObj[n - OBJ_PLAYER_FIRST].status & bit))
            return s;
    }
    return 1000;
}

char *enimi(int pos, int, unsigned char) {
    char *buf = sbuf();
    ItemStruct it;
    ObjToItem(it, pos);
    char name[sizeof it.name + 1];
    memcpy(name, it.name, sizeof it.name);
    name[sizeof it.name] = 0;
    copy_bounded(buf, SBUF_SIZE, name);
    return buf;
}

char *ekuvaus(int pos, int count, unsigned char flags) { return enimi(pos, count, flags); }

// Stand in until the item module lands: no packed goods, no length measures, no arrows and no
// one-handed penalties.
void GOT_PACKED_clr() {}
int item_has_length(const ItemStruct &) { return 1; }
void RawItemLine(ItemStruct &, const char *) {}
int is_arrow(const ItemStruct &) { return 0; }
int one_hand_penalty(const ItemStruct &) { return 0; }
void set_one_hand_penalty(ItemStruct &, int) {}
