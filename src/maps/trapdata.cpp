// src/maps/trapdata.cpp -- the trap records of the pool (see trapdata.h).
#include "maps/trapdata.h"

#include "core/creatures.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"

bool is_trap_record(int n) { return n >= 0 && n < DATA_MAX && Data[n].type == DT_TRAP; }
bool trap_portable(const DataStruct &d) { return (d.flags & TRAPF_PORTABLE) != 0; }
// A stored object a portable trap may name: a catalogue row or a player object.
bool trap_item_number(uint32_t id) {
    return (id >= 1 && id < (uint32_t)CONSTANTOBJ_ROWS) || (id >= OBJ_PLAYER_FIRST && id <= OBJ_PLAYER_LAST);
}

int PaastaAnsa(int n) {
    if (!is_trap_record(n)) return 0;
    DataStruct &d = Data[n];
    if (d.extra == 0) return 0;
    d.extra = 0;
    // Whatever it held on its square is free: no caught minute is left to starve it.
    for (const DataStruct &c : Data)
        if (c.type == DT_CREATURE && c.x == d.x && c.y == d.y && c.id >= CRE_DATAID && c.id < CRE_DATAID + CRE_COUNT)
            Cre[c.id - CRE_DATAID].trapminute = 0;
    // A portable trap lies there as the trap item again, unless its record names no item.
    if (trap_portable(d) && trap_item_number(d.id)) {
        d.type = DT_ITEM;
        d.count = 1;
        d.flags = 0;
    }
    return 1;
}
