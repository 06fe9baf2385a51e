// src/items/ownership.cpp -- village ownership of goods (see ownership.h).
#include "items/ownership.h"

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/player.h"
#include "core/creatures.h"
#include "items/items.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "items/vildebt.h"
#include "core/vilrecord.h"

int GOT_UNPAID[OWNLIST_MAX], GOT_TAKEN[OWNLIST_MAX], GOT_PACKED[OWNLIST_MAX];
int MOVE_UNPAID[OWNLIST_MAX], MOVE_TAKEN[OWNLIST_MAX];
int BURGLARYSOC = 0;

// ---- who owns what ----

OwnerStruct own_item(const ItemStruct &item) {
    OwnerStruct o{};
    o.soc = item.ownersoc;
    o.free = (uint8_t)(item.ownersoc == 0 || (item.ownerflags & OWN_FREE));
    return o;
}

OwnerStruct own_datapos(int index) {
    OwnerStruct o{};
    o.free = 1;
    if ((unsigned)index >= (unsigned)DATA_MAX || Data[index].type != DT_ITEM) return o;
    const DataStruct &d = Data[index];
    const int wx = kohtaIsoX(d.x), wy = kohtaIsoY(d.y);
    // the cell's society is looked up only for goods marked as the village's
    const unsigned soc = d.owner == SOC_OWNER ? Mapinfo_socID(wx, wy) : 0;
    if (soc) {
        if (get_alltime_kulttuuri(wx, wy) == 11) return o;
        o.soc = soc;
        o.free = 0;
        return o;
    }
    return own_item(ObjToItem((int)d.id));
}

// The owner's society when it is a village somebody still lives in.
static int keeper_of(const OwnerStruct &o) {
    if (o.free || o.soc == 0) return 0;
    return socpopulation((int)o.soc) > 0 ? (int)o.soc : 0;
}

int own_datapos_keeper(int index) { return keeper_of(own_datapos(index)); }

OwnerStruct own_bigmaploc(int x, int y) {
    OwnerStruct o{};
    o.free = 1;
    uint32_t nearest = 0;
    int best = 6;
    // While the table is held only its village records are looked at, listed once for every lookup.
    const int *listed = nullptr;
    const int n = zoomextra_villages(&listed);
    for (int k = 0; k < (n >= 0 ? n : ZOOMEXTRA_COUNT); k++) {
        const ZoomExtraStruct &z = ZoomExtra[n >= 0 ? listed[k] : k];
        if (z.x == 0 || z.socid == 0) continue;
        if (z.x == x && z.y == y) {
            if (z.socid == (uint32_t)-1000) break;
            o.soc = z.socid;
            o.free = 0;
            return o;
        }
        const int d = koordinaattien_vali(x, y, z.x, z.y);
        if (d < best) {
            best = d;
            nearest = z.socid;
        }
    }
    const int c = get_alltime_maailmachar(x, y);
    if ((c == 47 || c == 251) && nearest && nearest != (uint32_t)-1000) {
        o.soc = nearest;
        o.free = 0;
    }
    return o;
}

int own_bigmaploc_keeper(int x, int y) { return keeper_of(own_bigmaploc(x, y)); }

int debtminlimit(int soc, int minutes) {
    if (!GetGlobVil(soc)) return 0;
    for (const VillageDebtLine &d : globVil.debt) {
        if (!d.active) continue;
        const long gap = (long)Plr.minutes - (long)d.minute;
        if (gap > minutes || -gap > minutes) return 1;
    }
    return 0;
}

// ---- the lists ----

static int list_has(const int *list, int soc) {
    for (int i = 0; i < OWNLIST_MAX && list[i]; i++)
        if (list[i] == soc) return 1;
    return 0;
}

static int list_add(int *list, int soc) {
    for (int i = 0; i < OWNLIST_MAX; i++) {
        if (list[i] == soc) return i;
        if (list[i] == 0) {
            list[i] = soc;
            return i;
        }
    }
    return OWNLIST_MAX;
}

static void list_remove(int *list, int soc) {
    int k = 0;
    for (int i = 0; i < OWNLIST_MAX && list[i]; i++)
        if (list[i] != soc) list[k++] = list[i];
    for (; k < OWNLIST_MAX && list[k]; k++) list[k] = 0;
}

int GOT_UNPAID_ofsoc(int soc) { return soc != 0 && list_has(GOT_UNPAID, soc); }
int GOT_TAKEN_ofsoc(int soc) { return soc != 0 && list_has(GOT_TAKEN, soc); }
int GOT_PACKED_ofsoc(int soc) { return soc != 0 && list_has(GOT_PACKED, soc); }
int GOT_MOVETAKEN_ofsoc(int soc) { return soc != 0 && list_has(MOVE_TAKEN, soc); }
int GOT_MOVEUNPAID_ofsoc(int soc) { return soc != 0 && list_has(MOVE_UNPAID, soc); }
int SET_UNPAID_ofsoc(int soc) { return list_add(GOT_UNPAID, soc); }
int SET_TAKEN_ofsoc(int soc) { return list_add(GOT_TAKEN, soc); }
int SET_MOVETAKEN_ofsoc(int soc) { return list_add(MOVE_TAKEN, soc); }
int SET_MOVEUNPAID_ofsoc(int soc) { return list_add(MOVE_UNPAID, soc); }
void SET_PACKED_ofsoc(int soc) { list_add(GOT_PACKED, soc); }
void CLR_PACKED_ofsoc(int soc) { list_remove(GOT_PACKED, soc); }
void GOT_UNPAID_clr() { memset(GOT_UNPAID, 0, sizeof GOT_UNPAID); }
void GOT_TAKEN_clr() { memset(GOT_TAKEN, 0, sizeof GOT_TAKEN); }
void GOT_PACKED_clr() { memset(GOT_PACKED, 0, sizeof GOT_PACKED); }
void MOVETAKEN_clr() {
    memset(MOVE_TAKEN, 0, sizeof MOVE_TAKEN);
    memset(MOVE_UNPAID, 0, sizeof MOVE_UNPAID);
}

int GOT_PROPERTY_ofsoc(int soc) {
    if (soc == 0) return 0;
    GOT_recount(soc);
    return GOT_UNPAID_ofsoc(soc) || GOT_TAKEN_ofsoc(soc) || GOT_PACKED_ofsoc(soc) || GOT_MOVETAKEN_ofsoc(soc) ||
           GOT_MOVEUNPAID_ofsoc(soc);
}

void GOT_recount(int soc) {
    if (soc == 0) return;
    bool unpaid = false, taken = false;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int n = Plr.inv_obj[s];
        if (n <= 0 || Plr.inv_count[s] <= 0) continue;
        // Her own things are stored records, read where they lie; anything else through the loader,
        // which remembers the last definition it read.
        ItemStruct other;
        const ItemStruct &item =
            n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST ? PlayerObj[n - OBJ_PLAYER_FIRST] : ObjToItem(other, n);
        if (item.ownersoc != (uint32_t)soc || (item.ownerflags & OWN_FREE)) continue;
        if (item.ownerflags & OWN_TAKEN) taken = true;
        else if (item.ownerflags & OWN_UNPAID) unpaid = true;
    }
    if (unpaid) list_add(GOT_UNPAID, soc);
    else list_remove(GOT_UNPAID, soc);
    if (taken) list_add(GOT_TAKEN, soc);
    else list_remove(GOT_TAKEN, soc);
}

// ---- picking up and giving back ----


int debtreturn(int position, int count, int here_only) {
    if (position <= 0 || count <= 0) return 0;
    ItemStruct item = ObjToItem(position);
    if (!(item.ownerflags & OWN_UNPAID) || (item.ownerflags & OWN_FREE) || item.ownersoc == 0) return 0;
    if ((here_only & 1) && (item.ownerword1 != IsoX() || item.ownerword2 != IsoY())) return 0;
    if (DEBUG_INFO) {
        char line[200];
        snprintf(line, sizeof line, "remove debt item: %s (%d) * %d", ekuvaus(position, 1, 0), position, count);
        DebugNote(line);
    }
    if (!remitemdebt((int)item.ownersoc, (unsigned)position, (unsigned)count)) return 0;
    item.ownerflags &= (uint8_t)~OWN_UNPAID;
    const int stored = Luo_Esineen_Itempos(item);
    if (stored <= 0) return 0;
    if (DEBUG_INFO) {
        char line[200];
        snprintf(line, sizeof line, "creates new item: %s (%d)", ekuvaus(stored, 1, 0), stored);
        DebugNote(line);
    }
    return stored;
}

void replacedebtitem(int soc, int oldpos, int newpos) {
    if (remitemdebt(soc, (unsigned)oldpos, 1)) additemdebt(soc, newpos, 1);
}
