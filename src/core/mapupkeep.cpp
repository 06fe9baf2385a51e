#include "core/mapupkeep.h"

#include "core/records.h"
#include "creatures/creatures.h"
#include "maps/plrlink.h"

// Stand in until the map data upkeep, the square events land: nothing on
// the map ages or finishes.
void areal_maintenance() {}
void CarcassMaintenance() {}
void avanto_maintenance(int) {}
void jaatyva_avanto_maintenance(int) {}
void zoomspecial_maintenance(int, int) {}
int PreparedReady(int) { return 0; }
void Valmistunut_DATATYPE(int) {}

// The party's stack is set down at the player's square: things as item records, creatures as records
// naming their creature (a slot when the creature table takes it back). An entry stays in the stack
// while the pool has no room for it.
void exit_mess() {
    int free_pos = 0;
    for (DataStruct &e : Plr.party) {
        if (e.type == DT_UNUSED) continue;
        while (free_pos <= DATA_ALLOC_LAST && Data[free_pos].type != DT_UNUSED) free_pos++;
        if (free_pos > DATA_ALLOC_LAST) return;
        DataStruct d = DataStruct{};
        d.x = (uint16_t)PlayerX;
        d.y = (uint16_t)PlayerY;
        d.type = e.type == 111 ? 111 : e.type == 52 ? 52 : e.type == DT_ITEM ? DT_ITEM : DT_CREATURE;
        d.id = e.id;
        d.count = e.count;
        d.day = (uint16_t)Plr.daynumber;
        if (d.type == DT_CREATURE || d.type == 52) {
            const int slot = lisaa_realcreature((int)e.id, 0);
            if (slot >= CRE_DATAID) d.id = (uint32_t)slot;
            d.count = 1;
        }
        Data[free_pos] = d;
        e = DataStruct{};
    }
}
