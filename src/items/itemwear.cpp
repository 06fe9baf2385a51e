// src/items/itemwear.cpp -- wear takes weight away and lowers the grade band by band; consuming
// takes weight or length and gives back the vessel of used-up contents.
#include "items/itemwear.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "base/strupr.h"
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_int.h"
#include "items/ownership.h"
#include "items/wearing.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

int StepSecCounter, StepMinCounter, PrevKenkaSlot = -1000;

int damage_band_number(float weight, float fullweight, int band) {
    if (band <= 0 || fullweight <= 0.0f) return 0;
    const int n = 100 / band;
    const double unit = (double)band / 100.0 * (double)fullweight;
    for (int i = 0; i <= n; i++)
        if ((double)(i - 1) * unit < (double)weight && (double)weight <= (double)i * unit) return i;
    return (int)std::floor(((double)weight / (double)fullweight * 100.0) / (double)band);
}

int DamageObj(ItemStruct &item, float percent, uint8_t band, uint8_t breakpercent) {
    double loss = (double)percent / 100.0 * (double)item.fullweight;
    switch (ItemGet_laatu(&item)) {
    case 1: loss *= 1.5; break;
    case 2: loss *= 1.2; break;
    case 4: loss /= 1.5; break;
    case 5: loss *= 0.5; break;
    default: break;
    }
    // Five decimals, rounded by number: the same under any locale.
    loss = std::round(loss * 100000.0) / 100000.0;
    const float old = item.weight;
    item.weight = (float)((double)item.weight - loss);
    if ((double)item.weight <= (double)breakpercent / 100.0 * (double)item.fullweight) return 1;
    if (band == 0) return 0;
    if (damage_band_number(old, item.fullweight, band) == damage_band_number(item.weight, item.fullweight, band))
        return 0;
    const int grade = ItemGet_laatu(&item);
    ItemSet_laatu(grade > 1 ? grade - 1 : 1, item);
    item.quality |= QUAL_KNOWN;
    if (DEBUG_INFO) {
        char line[80];
        snprintf(line, sizeof line, "#QT dec at WT %.2f = %.2f%%", item.weight,
                 item.fullweight > 0.0f ? item.weight / item.fullweight * 100.0f : 0.0f);
        Note(line);
    }
    return 0;
}

static bool player_obj(int n) { return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST; }

void armour_damage(int part, int severity) {
    // A broken piece leaves its slot and the next one moves in; the blow goes on with the next
    // slot, so the piece that moved in is spared this time.
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (!player_obj(Plr.inv_obj[s])) continue;
        const int obj = Plr.inv_obj[s];
        ItemStruct piece = ObjToItem(obj);
        if (piece.type != IT_ARMOUR || !(piece.status & ISTAT_WORN) || !ArmourItemProtects(piece, part)) continue;
        float percent = (float)severity + (float)random(6) * 0.01f;
        if (piece.magic == 2) percent /= 2.0f;
        const int broke = DamageObj(piece, percent, 0, 30);
        ItemToObjpos(piece, obj);
        if (!broke) continue;
        char line[300];
        snprintf(line, sizeof line, "+Your %s breaks apart.", ekuvaus(obj, 1, 0));
        Note(line);
        Plr.inv_obj[s] = 0;
        Plr.inv_count[s] = 0;
        CrunchItems();
    }
}

void Kuluta_Kenkia(int seconds, int minutes) {
    if (Plr.movement_mode == 2 || Plr.movement_mode == 3 || Plr.movement_mode == 7) return;
    StepSecCounter += seconds;
    if (StepSecCounter > 59) {
        StepSecCounter = 0;
        StepMinCounter++;
    }
    StepMinCounter += minutes;
    if (StepMinCounter <= 59) return;
    StepMinCounter = 0;
    int found = -1000;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (!player_obj(Plr.inv_obj[s])) continue;
        const ItemStruct &it = PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST];
        if (it.type == IT_ARMOUR && (it.status & ISTAT_WORN) && onko_jalkine(it)) found = s;
    }
    if (found >= 0 && found == PrevKenkaSlot) {
        const int obj = Plr.inv_obj[found];
        ItemStruct shoes = ObjToItem(obj);
        const int days = (shoes.material & MAT_BARK) ? 14 : (shoes.material & MAT_FUR) ? 365 : 180;
        float percent = 50.0f / ((float)days * 14.0f);
        if (shoes.material & MAT_LEATHER) percent = 0.0066137565f;
        if (!DamageObj(shoes, percent, 8, 50)) {
            ItemToObjpos(shoes, obj);
        } else {
            char line[300];
            snprintf(line, sizeof line, "+Your worn out %s break apart.", ekuvaus(obj, 1, 0));
            Note(line);
            Pause();
            Poista_PlrItem(found, 1);
            CrunchItems();
        }
    }
    PrevKenkaSlot = found;
}

void break_item_at(int x, int y, int position) {
    const ItemStruct it = ObjToItem(position);
    if (it.subtype != ST_ARROW) return;
    const int made = Luo_Esineen_Itempos(crtobj_broken_arrow(it));
    if (made) set_data(DT_ITEM, x, y, made, 1);
}

static bool empty_vessel(const ItemStruct &it) { return it.type == IT_CONTAINER && it.vessel == 0; }

static void lower_name(const ItemStruct &it, char *out, size_t size) {
    char n[41];
    copy_bounded(out, size, StrLwr(item_name(it, n)));
}

// The used-up contents of a slot leave, and their vessel comes back empty into the same slot; the
// slot it went to, -1 when none. Nothing new is carried, so a full pack takes it back all the same.
// contents_pos is where the contents were booked before the slot was made their own.
static int return_vessel(int slot, const ItemStruct &contents, int contents_pos, bool emptied_by_command) {
    ItemStruct vessel = ObjToItem((int)contents.vessel);
    char line[300], name[41];
    if (emptied_by_command) {
        lower_name(contents, name, sizeof name);
        TARGET_ITEM = (int)contents.vessel;
        char format[MSGBUF_SIZE];
        copy_bounded(format, sizeof format, MSG("CONTAINER_EMPTIED"));
        const char *at = strstr(format, "%s");
        if (at) snprintf(line, sizeof line, "%.*s%s%s", (int)(at - format), format, name, at + 2);
        else copy_bounded(line, sizeof line, format);
    } else {
        lower_name(vessel, name, sizeof name);
        snprintf(line, sizeof line, "+The %s is empty now.", name);
    }
    Note(line);
    vessel.weight = 0.0f;
    vessel.type = IT_CONTAINER;
    vessel.subtype = 0;
    vessel.vessel = 0;
    vessel.fig[0] = vessel.fig[1] = vessel.fig[2] = 0;
    vessel.raw = 0;
    vessel.status = 0;
    // Goods of a village carry their owner over to the vessel, and the village's debt entry follows.
    const bool owned = contents.ownersoc != 0 && !(contents.ownerflags & OWN_FREE);
    if (owned) {
        vessel.ownerword1 = contents.ownerword1;
        vessel.ownerword2 = contents.ownerword2;
        vessel.ownersoc = contents.ownersoc;
        vessel.ownerflags = contents.ownerflags;
        vessel.owner = contents.owner;
    }
    const int made = Luo_Esineen_Itempos(vessel);
    if (!made) return -1;
    const int back = Lisaa_Jaon_Loput(made, 1, 0, slot);
    if (owned) replacedebtitem((int)contents.ownersoc, contents_pos, made);
    return back >= 0 && back < PLR_SLOTS && Plr.inv_obj[back] == made ? back : -1;
}

float Kuluta_PlrItem(int slot, float amount, int *vessel_slot) {
    if (vessel_slot) *vessel_slot = -1;
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return 0.0f;
    const int booked = Plr.inv_obj[slot];   // the position a village's debt line names
    Slotista_Uniikki(slot);
    const int obj = Plr.inv_obj[slot];
    ItemStruct it = ObjToItem(obj);
    const float old = it.weight;
    const float remaining = it.weight - amount;
    if (remaining > 0.05f) {
        it.weight = remaining;
        if (Item_pituusmitallinen(it) && old > 0.0f) {
            set_Item_pituus((int)std::ceil((float)get_Item_pituus(it) * remaining / old), it);
            it.fullweight = it.weight;
        }
        ItemToObjpos(it, obj);
        Yhdista_Slottiin(slot);
        if (vessel_slot && it.vessel != 0) *vessel_slot = slot;
        return amount;
    }
    if (empty_vessel(it)) {
        if (vessel_slot) *vessel_slot = slot;
        return 0.0f;
    }
    Poista_PlrItem(slot, 1);
    if (it.vessel == 0) return old;
    const int back = return_vessel(slot, it, booked, amount == 1000.0f);
    if (vessel_slot) *vessel_slot = back;
    return old;
}

int Lyhenna_PlrItem(int slot, int feet) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return 0;
    const int booked = Plr.inv_obj[slot];
    Slotista_Uniikki(slot);
    const int obj = Plr.inv_obj[slot];
    ItemStruct it = ObjToItem(obj);
    const int length = get_Item_pituus(it);
    if (length - feet > 0) {
        const float share = (float)feet / (float)length;
        set_Item_pituus(length - feet, it);
        if (it.unitkind == UK_COUNT) it.unitkind = UK_FEET;
        it.weight -= it.weight * share;
        it.fullweight -= it.fullweight * share;
        ItemToObjpos(it, obj);
        Yhdista_Slottiin(slot);
        return feet;
    }
    if (empty_vessel(it)) return 0;
    Poista_PlrItem(slot, 1);
    if (it.vessel != 0) return_vessel(slot, it, booked, false);
    return length;
}

int Kuluta_Item(int position, float amount, int) {
    ItemStruct it = ObjToItem(position);
    if (it.weight - amount > 0.05f) {
        it.weight -= amount;
        return Luo_Esineen_Itempos(it);
    }
    return empty_vessel(it) ? position : 0;
}
