// What happens to the materials a check took: put back on a cancel from the snapshot kept in memory,
// removed from the ground after the work, frozen to a work spot.
#include "items/ownership.h"
#include "items/matching.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/itemwear.h"
#include "items/items.h"
#include "core/itemname.h"
#include "base/debuglog.h"
#include "core/tekstit.h"

#include <sys/stat.h>

#include <cstring>

// The snapshot: the pack's slots, the stored items they name, and which stored records were free.
static struct {
    bool taken;
    int32_t obj[PLR_SLOTS], count[PLR_SLOTS];
    uint8_t byte[PLR_SLOTS];
    ItemStruct item[PLR_SLOTS];
} snap;

static bool stored(int pos) { return pos >= OBJ_PLAYER_FIRST && pos <= OBJ_PLAYER_LAST; }

void tarvike_snapshot() {
    for (int s = 0; s < PLR_SLOTS; s++) {
        snap.obj[s] = Plr.inv_obj[s];
        snap.count[s] = Plr.inv_count[s];
        snap.byte[s] = plr_slotbyte(s);
        if (stored(Plr.inv_obj[s])) snap.item[s] = PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST];
    }
    snap.taken = true;
}

void tarvike_snapshot_drop() { snap.taken = false; }

static void clear_reservations() {
    for (DataStruct &d : Data)
        if (dp_varaus(d) == VARAUS_CRAFT) {
            dp_varaus(d) = 0;
            if (d.type == DT_ITEM) dp_varattu(d) = 0;
        }
}

void Palauta_Kaytetyt_Tarvikkeet() {
    clear_reservations();
    if (!snap.taken) return;
    for (int s = 0; s < PLR_SLOTS; s++) {
        Plr.inv_obj[s] = snap.obj[s];
        Plr.inv_count[s] = snap.count[s];
        plr_slotbyte(s) = snap.byte[s];
        if (stored(snap.obj[s])) PlayerObj[snap.obj[s] - OBJ_PLAYER_FIRST] = snap.item[s];
    }
    // Only the pack's own slots go back: things stored meanwhile may be anyone's (a stranger
    // outfitted while she worked keeps his).
    snap.taken = false;
    laske_Load(-1);
}

// The item of a piece cut down to `feet`, its weights cut in proportion; 0 when nothing is left.
static int shortened(int position, int feet) {
    ItemStruct it = ObjToItem(position);
    const int length = get_Item_pituus(it);
    if (feet <= 0 || length <= feet) return 0;
    const float share = (float)feet / (float)length;
    set_Item_pituus(feet, it);
    set_Item_maxpituus(feet, it);
    if (it.unitkind == UK_COUNT) it.unitkind = UK_FEET;
    it.weight *= share;
    it.fullweight *= share;
    return Luo_Esineen_Itempos(it);
}

// Pieces weighed or measured from the ground give only the weight or the length the work needed:
// the last one reserved is cut, and its rest stays where it lay.
static void leave_weighed_rest() {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if (t.source != TSRC_GROUND || !t.remove || t.container) continue;
        const bool weighed = t.amount > 0 && !t.length;
        const bool measured = t.length > 0 && t.first_count <= 1;
        if ((!weighed && !measured) || t.dataindex >= DATA_MAX) continue;
        DataStruct &d = Data[t.dataindex];
        if (d.type != DT_ITEM || dp_varaus(d) != VARAUS_CRAFT || dp_varattu(d) == 0) continue;
        const int pieces = t.count > 1 ? (int)t.count : 1;
        int rest;
        if (weighed) {
            const float last = t.amount - (float)(pieces - 1) * ObjToItem((int)d.id).weight;
            rest = Kuluta_Item((int)d.id, last, 0);
        } else {
            const int piece = get_Item_pituus(ObjToItem((int)d.id));
            rest = piece > 0 ? shortened((int)d.id, pieces * piece - (int)t.length) : 0;
        }
        if (rest <= 0 || rest == (int)d.id) continue;
        if (d.count <= 1) {
            d.id = (uint32_t)rest;
        } else {
            // One piece of the stack is cut: what is left of it lies beside the others.
            const int x = d.x, y = d.y;
            ClearDTEMP();
            DTEMP.type = DT_ITEM;
            DTEMP.x = (uint16_t)x;
            DTEMP.y = (uint16_t)y;
            DTEMP.id = (uint32_t)rest;
            DTEMP.count = 1;
            if (SetDTEMP(-1) < 0) continue;   // no room: the piece goes whole
            Data[t.dataindex].count = (uint16_t)(Data[t.dataindex].count - 1);
        }
        dp_varattu(Data[t.dataindex]) = (uint8_t)(dp_varattu(Data[t.dataindex]) - 1);
    }
}

void Poista_Kaytetyt_Tarvikkeet() {
    leave_weighed_rest();
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_ITEM || dp_varaus(d) != VARAUS_CRAFT) continue;
        int left = (int)d.count - dp_varattu(d);
        dp_varaus(d) = 0;
        dp_varattu(d) = 0;
        if (left <= 0) CrunchData(i);
        else d.count = (uint16_t)left;
    }
    snap.taken = false;
}

int Jaadyta_Esine_Kohtaan(int item, int count, int x, int y, int extra) {
    if (count <= 0) return -1;
    ClearDTEMP();
    DTEMP.type = DT_BOUND;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.id = (uint32_t)item;
    DTEMP.count = (uint16_t)(count > 65535 ? 65535 : count);
    DTEMP.extra = (uint8_t)extra;
    return SetDTEMP(-1);
}

void Jaadyta_Kaytetyt_Tarvikkeet_Kohtaan(int x, int y, int extra) {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if (t.source == TSRC_INV && t.remove && t.itempos > 1) Jaadyta_Esine_Kohtaan((int)t.itempos, (int)t.count, x, y, extra);
    }
}

void Sido_Kaytetyt_Tarvikkeet_Ajallisesti_Kohtaan(int x, int y, int minutes) {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        Tarvike_Struct &t = Kayttolista[i];
        if (t.source != TSRC_INV || !t.remove || t.bound || t.itempos <= 1) continue;
        int r = Jaadyta_Esine_Kohtaan((int)t.itempos, (int)t.count, x, y, 0);
        if (r >= 0) Data[r].ready_minute = Plr.minutes + (uint32_t)(minutes > 0 ? minutes : 0);
        t.bound = 1;
    }
}

void Jaadyta_Tarvikkeet_Maasta_Kohtaan(int x, int y, int extra) {
    for (DataStruct &d : Data)
        if (d.type == DT_ITEM && dp_varaus(d) == VARAUS_CRAFT && dp_varattu(d) > 0)
            Jaadyta_Esine_Kohtaan((int)d.id, dp_varattu(d), x, y, extra);
}

