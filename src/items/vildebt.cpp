// src/items/vildebt.cpp -- what the player owes a village: one debt line per kind of goods taken
// unpaid, paid back item by item, forgiven, dropped when the item is gone; and the village's goods it
// wants back from the map. The debt state the village's people react to is read in core/vilrecord.cpp.
#include <cstdio>
#include <cstring>

#include "base/debuglog.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "items/items.h"
#include "items/ownership.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "items/vildebt.h"

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

static float unit_price(int object) { return esinehinta(-1, ObjToItem(object)); }

static float never_negative(float v) { return v > 0.0f ? v : 0.0f; }

int addvildebtitem(VillageStruct *v, int, int object, int count) {
    if (!v || object <= 0 || count <= 0) return 0;
    const float price = unit_price(object);
    for (int i = 0; i < VILLAGE_DEBTS; i++) {
        VillageDebtLine &d = v->debt[i];
        if (d.active) {
            if (d.object != (uint32_t)object) continue;
            d.count += (uint32_t)count;
            d.value = never_negative(d.value + price * (float)count);
            return VILDEBT_GROWN;
        }
        // the first free line: a line of the same object lying after it is not looked at
        memset(&d, 0, sizeof d);
        d.active = 1;
        d.object = (uint32_t)object;
        d.count = (uint32_t)count;
        d.value = never_negative(price * (float)count);
        d.minute = Plr.minutes;
        return VILDEBT_NEWLINE + i;
    }
    return VILDEBT_FULL;
}

// Whether a debt line is paid by the object: the same object, an item equal enough, or water in the
// same vessel.
static bool line_matches(const VillageDebtLine &d, int object, const ItemStruct &paid) {
    if (d.object == (uint32_t)object) return true;
    const ItemStruct owed = ObjToItem((int)d.object);
    if (ItemStructsEqualEnough(owed, paid)) return true;
    return owed.id == OID_WATER && paid.id == OID_WATER && owed.vessel == paid.vessel;
}

// Pays units against the lines in order; the units paid.
static unsigned pay_lines(VillageStruct *v, int object, unsigned units) {
    const ItemStruct paid = ObjToItem(object);
    const float price = esinehinta(-1, paid);
    const unsigned asked = units;
    for (VillageDebtLine &d : v->debt) {
        if (units == 0) break;
        if (!d.active || !line_matches(d, object, paid)) continue;
        if (d.count < units) {
            units -= d.count;
            memset(&d, 0, sizeof d);
            continue;
        }
        d.count -= units;
        units = 0;
        if (d.count == 0) memset(&d, 0, sizeof d);
        else d.value = never_negative(price * (float)d.count);
    }
    return asked - units;
}

unsigned remvildebtitem(VillageStruct *v, int, int object, int count) {
    if (!v) return 0;
    if (object == 0 && count == 0) {
        for (VillageDebtLine &d : v->debt)
            if (d.active) memset(&d, 0, sizeof d);
        return 1;
    }
    if (count <= 0) return 0;
    return pay_lines(v, object, (unsigned)count) == (unsigned)count ? 1u : 0u;
}

void forgivedebtitems(VillageStruct *v, int) {
    if (!v) return;
    for (VillageDebtLine &d : v->debt) {
        if (!d.active) continue;
        if (d.object >= (uint32_t)OBJ_PLAYER_FIRST && d.object <= (uint32_t)OBJ_PLAYER_LAST) {
            ItemStruct &item = PlayerObj[d.object - OBJ_PLAYER_FIRST];
            item.ownerflags &= (uint8_t)~OWN_UNPAID;
        }
        memset(&d, 0, sizeof d);
    }
}

// ---- on the current village ----

int additemdebt(int soc, int pos, int count) {
    if (count <= 0 || pos <= 0 || !GetGlobVil(soc)) return 0;
    const int r = addvildebtitem(&globVil, soc, pos, count);
    if (r == VILDEBT_FULL) dbg("debt book full");
    vildebtrefresh(&globVil);
    return r == VILDEBT_GROWN || r >= VILDEBT_NEWLINE ? 1 : 0;
}

int remitemdebt(int soc, unsigned pos, unsigned count) {
    if (soc <= 0 || count == 0 || pos > 0x7fffffffu || count > 0x7fffffffu || !GetGlobVil(soc)) return 0;
    const unsigned paid = pay_lines(&globVil, (int)pos, count);
    vildebtrefresh(&globVil);
    dbg(globVil.hasdebt ? "still got debt" : "no debt no more");
    return paid > 0;
}

int vildebtcount(int soc) {
    if (!GetGlobVil(soc)) return 0;
    int n = 0;
    for (const VillageDebtLine &d : globVil.debt) n += d.active ? 1 : 0;
    return n;
}

void forgivedebtitems(int soc) {
    if (!GetGlobVil(soc)) return;
    forgivedebtitems(&globVil, soc);
    vildebtrefresh(&globVil);
}

// ---- goods the village wants back ----

static int storage_char(int c) { return c == 19 || c == 28 || c == 40 || c == 95 || c == 240; }

int socwants_reclaim_dp(int dp, int soc) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || soc <= 0 || Data[dp].type != DT_ITEM) return 0;
    const ItemStruct item = ObjToItem((int)Data[dp].id);
    if (item.ownerword1 == 0 && item.ownerword2 == 0) return 0;
    const int x = Data[dp].x, y = Data[dp].y;
    if (kohtaIsoX(x) == item.ownerword1 && kohtaIsoY(y) == item.ownerword2 && storage_char(get_mapchar(x, y))) return 0;
    const OwnerStruct o = own_datapos(dp);
    if (o.free) return 0;
    return o.soc == (uint32_t)soc;
}

int soc_reclaim_check(int soc) {
    if (!GetGlobVil(soc)) return 0;
    int wanted = 0;
    for (int i = 0; i < DATA_MAX && !wanted; i++)
        if (Data[i].type == DT_ITEM && socwants_reclaim_dp(i, soc)) wanted = 1;
    globVil.reclaimflag = (uint8_t)wanted;
    return wanted;
}
