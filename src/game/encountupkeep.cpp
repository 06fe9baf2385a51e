// The upkeep of the world map's encounter records: expiry, wandering and raider camps.
#include "game/encountupkeep.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/life.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"

enum { EXPIRING = 2, EXPIRY_MINUTES = 1920, CH_CAMP = 30, CH_OPEN_MIRE = 233, RAIDERS = 500 };

int NjerpezRaiderProb(int x, int y) {
    static const int table[3][4] = {{100, 80, 60, 0}, {30, 60, 100, 0}, {30, 20, 10, 0}};
    const int row = x >= 2201 ? 0 : x >= 2001 ? 1 : x >= 1801 ? 2 : -1;
    if (row < 0) return 0;
    const int col = y >= 1501 ? 0 : y >= 1251 ? 1 : y >= 901 ? 2 : 3;
    return table[row][col];
}

// The species of the group: a person's from the record's owner field, others from their template.
static int group_species(const DataStruct &d) {
    if (d.id >= CRE_DATAID) return d.owner;
    get_defined((int)d.id, 0);
    return (int)Creature.speciescode;
}

static void raider_camp(int x, int y) {
    if (!bigmap() || random(50) != 0) return;
    if (random(100) >= NjerpezRaiderProb(x, y)) return;
    if (Etsi_Karttamerkki(CH_CAMP, x, y, 500, 0) != 0) return;
    if (get_alltime_kulttuuri(x, y) != 10 || ZoomMapPos(x, y) != 0) return;
    set_mapchar(x, y, CH_CAMP);
    set_alltime_kulttuuri(x, y, 11);
}

// What stands on a cell and keeps a group off it; tracks of other groups are wiped away there.
static bool cell_taken(int self, int x, int y) {
    bool taken = false;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &o = Data[i];
        if (i == self || o.x != x || o.y != y) continue;
        if (o.type == DT_TRACKS) {
            if (o.id == Data[self].id)
                taken = true;
            else
                CrunchData(i);
        } else if (o.type == DT_ENCOUNTER || o.type == DT_FIRE) {
            taken = true;
        }
    }
    return taken;
}

void encount_maintenance(int n) {
    if (n < 0 || n >= DATA_MAX || Data[n].type != DT_ENCOUNTER) return;
    DataStruct &d = Data[n];
    if (d.id == 0 || (int32_t)d.id < 0) return;
    if (d.flags == EXPIRING) {
        if (Plr.minutes > d.spent_minutes && Plr.minutes - d.spent_minutes > EXPIRY_MINUTES) CrunchData(n);
        return;
    }
    if (abs((int)Plr.minute - (int)d.ready_minute) <= 9) return;
    d.ready_minute = Plr.minute;
    const int species = group_species(d);
    const bool swimmer = d.id < CRE_DATAID && onko_NPC_vesielaja(-1);
    if (species == RAIDERS) raider_camp(d.x, d.y);

    for (int tries = 0; tries < 10; tries++) {
        const int dir = random(4) + 1;
        const int nx = d.x + (dir == 3) - (dir == 4), ny = d.y + (dir == 2) - (dir == 1);
        if (nx <= 0 || ny <= 0 || nx >= WORLD_W - 1 || ny >= WORLD_H - 1) {
            d.flags = 0;
            continue;
        }
        const int c = get_mapchar(nx, ny);
        bool allowed = true;
        if (cell_taken(n, nx, ny)) {
            d.flags = 0;
            allowed = false;
        }
        if (c == CH_OPEN_MIRE) allowed = false;
        if (!avovesi(nx, ny)) {
            if (swimmer) continue;
            if (terrain_flag(c, TF_BLOCKS)) continue;
        } else if (!swimmer) {
            if (c != CH_FORD) continue;
            allowed = true;   // a ford is crossed whatever stands in the way
        }
        if (!allowed) continue;
        d.x = (uint16_t)nx;
        d.y = (uint16_t)ny;
        return;
    }
}
