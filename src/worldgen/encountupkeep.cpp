// The upkeep of the world map's encounter records: expiry, wandering and raider camps, new groups near
// the player and the dropping of those far away.
#include "worldgen/encountupkeep.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/life.h"
#include "creatures/outfit.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "worldgen/culturegoods.h"

enum { EXPIRING = 2, EXPIRY_MINUTES = 1920, CH_CAMP = 30, CH_OPEN_MIRE = 233 };

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
    if (species == SPECIES_RAIDER) raider_camp(d.x, d.y);

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

// ---- the world map's wandering groups -------------------------------------------------------------

enum {
    GROUPS_NEAR = 20, NEAR_BAND = 25, RAIDER_RANGE = 249, SPIRIT_GROUP = 551, PLACE_TRIES = 10
};

// A world cell a group may stand on: land that does not block, with no other group there.
static bool group_cell_free(int x, int y) {
    if (x < 1 || y < 1 || x >= WORLD_W - 1 || y >= WORLD_H - 1) return false;
    const int c = get_mapchar(x, y);
    if (terrain_flag(c, TF_WATER) || terrain_flag(c, TF_BLOCKS)) return false;
    for (const DataStruct &d : Data)
        if (d.type == DT_ENCOUNTER && d.x == x && d.y == y) return false;
    return true;
}

// A free cell between rmin and rmax cells from the player; false after a bounded number of tries.
static bool free_cell_around(int rmin, int rmax, int &x, int &y) {
    for (int tries = 0; tries < PLACE_TRIES; tries++) {
        const int r = rmin + random(rmax - rmin + 1);
        const int along = random(2 * r + 1) - r;
        switch (random(4)) {
        case 0: x = PlayerX + along, y = PlayerY - r; break;
        case 1: x = PlayerX + along, y = PlayerY + r; break;
        case 2: x = PlayerX - r, y = PlayerY + along; break;
        default: x = PlayerX + r, y = PlayerY + along; break;
        }
        if (group_cell_free(x, y)) return true;
    }
    return false;
}

static void place_group(int x, int y, uint32_t id, int owner) {
    ClearDTEMP();
    DTEMP.type = DT_ENCOUNTER;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.id = id;
    DTEMP.owner = (int16_t)owner;
    DTEMP.count = 0;   // a group wanders until it is met or left far behind; a count would run out
    DTEMP.ready_minute = Plr.minute;
    SetDTEMP(-1);
}

// A wandering person of the raiders' kind, kept in the creature file; 0 when none could be kept.
static int wandering_person(int culture) {
    static CreatureStruct person;
    synnyta_IHMISOLENTO(person, SPECIES_RAIDER, culture, 0);
    person.role = 11;
    domorale_NjerpezAvoider(person);   // a wanderer who keeps away from the raiders
    const int n = SaveNewRealCreature(person);
    return n >= CRE_DATAID ? n : 0;
}

void WorldMap_Populate(int param) {
    if (!bigmap()) return;
    int near = 0, spirits = 0, raiders = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_ENCOUNTER) continue;
        if (abs((int)d.y - PlayerY) <= NEAR_BAND || abs((int)d.x - PlayerX) <= NEAR_BAND) near++;
        if (d.id == SPIRIT_GROUP) spirits++;
        if ((d.id == SPECIES_RAIDER || d.owner == SPECIES_RAIDER) &&
            koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) <= RAIDER_RANGE)
            raiders++;
    }
    // One round of tries a call: a draw or a place that fails waits for the next call.
    for (int missing = GROUPS_NEAR - near; missing > 0; missing--) {
        int x, y;
        if (!free_cell_around(NEAR_BAND, NEAR_BAND, x, y)) continue;
        const int culture = get_alltime_kulttuuri(x, y);
        const int drawn = Arvo_Olento(Kulttuuripiiri(culture), x, y, param);
        if (drawn <= 0 || drawn == SPECIES_ELK_COW || drawn == SPECIES_ELK_BULL) continue;
        if (drawn == SPECIES_RAIDER) {
            const int person = wandering_person(culture);
            if (person) place_group(x, y, (uint32_t)person, SPECIES_RAIDER);
        } else if (drawn < CRE_DATAID) {
            place_group(x, y, (uint32_t)drawn, 0);
        }
    }
    int x, y;
    if (random(5) == 0 && spirits == 0 && free_cell_around(25, 100, x, y)) place_group(x, y, SPIRIT_GROUP, 0);
    if (random(5) == 0 && raiders == 0 && random(100) < NjerpezRaiderProb(PlayerX, PlayerY) &&
        free_cell_around(50, 100, x, y))
        place_group(x, y, SPECIES_RAIDER, 0);
}

void WorldMap_Maintenance() {
    if (!bigmap()) return;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_ENCOUNTER && (abs((int)d.x - PlayerX) > 100 || abs((int)d.y - PlayerY) > 100)) CrunchData(i);
    }
}
