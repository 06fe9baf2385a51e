// src/maps/trapdata.h -- a trap as a record of the map's pool: its marks, whether a record is one, and
// letting it go (a step, a kick or a death on its square may do that).
#pragma once
#include <cstdint>

#include "core/records.h"

enum {
    TRAP_ARMED = 'd', TRAP_SPRUNG = 'e',
    TRAPF_PORTABLE = 2, TRAPF_FAVOURED = 4,
    TRAP_MATERIAL_MARK = 27,       // the mark of a construction's set-aside materials
    TRAP_LURE_MAP_LIMIT = 49,      // more set traps than this on a map lure nothing
    TRAP_LURED_MAX = 3,            // traps that lure at one map entry
    TRAP_NONE = -1000,
};

bool is_trap_record(int n);                 // pool record n is a trap
bool trap_portable(const DataStruct &d);    // a portable trap: its id names the trap item
// A stored object a portable trap may name: a catalogue row or a player object.
bool trap_item_number(uint32_t id);
// Lets trap record n go: 1 when it was set or sprung (a portable trap lies there as its item again).
int PaastaAnsa(int n);
