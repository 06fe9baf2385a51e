// Start scenarios: the counter of the player record names one start, which runs before the first
// command and clears the counter. Also the farming kit and the world map's wandering groups.
#include "game/scenario.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "game/encountupkeep.h"
#include "core/harnrule.h"
#include "game/loader.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "creatures/body.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/healing.h"
#include "creatures/outfit.h"
#include "core/creatures.h"
#include "creatures/physical.h"
#include "items/inventory.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/worldsearch.h"
#include "core/notes.h"
#include "quests/lairs.h"
#include "worldgen/culturegoods.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

enum { OID_FOXTRAP = 800, SCENARIO_SLOTS = 50, CH_VILLAGE = 239, CH_CAMP = 30, SCENE_START = 1000, RAIDERS_SPECIES = 500 };

static const ItemStruct *slot_item(int s, ItemStruct &buf) {
    if (Plr.inv_obj[s] == 0) return nullptr;
    return &ObjToItem(buf, Plr.inv_obj[s]);
}

// Takes a slot out whole; the slots after it close up.
static void drop_slot(int s) {
    if (Poista_PlrItem(s, Plr.inv_count[s] > 0 ? Plr.inv_count[s] : 1) == 0) {
        Plr.inv_obj[s] = 0;     // a slot that counts nothing still goes
        Plr.inv_count[s] = 0;
        CrunchItems();
    }
}

// Walks the items of the first 50 slots, each once however the slots close up behind a removal;
// `keep` decides for every item.
template <class Keep> static void sort_out_pack(Keep keep) {
    int s = 0;
    for (int seen = 0; seen < SCENARIO_SLOTS && s < PLR_SLOTS; seen++) {
        ItemStruct buf;
        const ItemStruct *it = slot_item(s, buf);
        if (!it) {
            s++;
            continue;
        }
        if (keep(*it))
            s++;
        else
            drop_slot(s);
    }
}

static void add_named(const char *name, int count) {
    const int row = object(name, 1);
    if (row > 0) AddNewItem(row, count);
}

// The first definition of an object id: a kind kept by its number, whatever its row is called.
static void add_defined(unsigned id, int count) {
    for (int row = 1; row < CONSTANTOBJ_ROWS; row++)
        if (ConstantObj[row].id == id && ConstantObj[row].name[0]) {
            AddNewItem(row, count);
            return;
        }
}

static void camp_start() {
    set_mapchar(PlayerX, PlayerY, CH_CAMP);
    bool weapon = false;
    int armour = 0;
    sort_out_pack([&](const ItemStruct &it) {
        if (it.type == IT_WEAPON && !weapon) return weapon = true;
        if (it.type == IT_ARMOUR && armour < 3) return ++armour > 0;
        return false;
    });
    DrawMap();
    LastMovingDirection = 0;
    CheckExits();
}

static void wounded_start() {
    int light = 0;
    bool dropping = false;
    sort_out_pack([&](const ItemStruct &it) {
        if (it.type != IT_ARMOUR || dropping) return false;
        if (it.weight < 3.0f && ++light == 3) {
            dropping = true;
            return false;
        }
        return true;
    });
    add_named("Knife", 1);
    DISABLE_NOTES = 1;
    static const int kinds[3] = {0, 4, 2};
    for (int k = 0; k < 10 && plr_injury_total() < 71; k++) {
        const int dice = 1 + random(3);
        // The place is drawn first, then the dice and the kind.
        const int part = RandomBodypart(0, CRE_PLAYER);
        const int hurt = d6(dice);
        HAAVOITA(CRE_PLAYER, kinds[random(3)], hurt, part, 0, -1001);   // a cause that never kills
    }
    unlethalize(0);   // hurt, not dying: no bleeding, blood loss and injury held below the deadly marks
    DISABLE_NOTES = 0;
    EnterLocale(0, 0);
}

void hunt_accident() {
    EnterLocale(SCENE_START, 1);
    SCENIE = 1;
}

void plradd_agriculture_tools() {
    for (int round = 0; round < 3; round++)
        for (unsigned kind : {OID_POD, OID_GRAIN, OID_SEED}) {
            hakutapa_RANDOM = 1;
            hakutapa_NOT_TYPE = IT_PLANT;
            ItemStruct found;
            hae_esine(found, kind);
            if (found.type == IT_NONE || found.type == IT_PLANT) continue;
            const int obj = Luo_Esineen_Itempos(found);
            if (obj) AddNewItem(obj, 2 + random(3));
        }
    add_named("Shovel", 1);
}

void start_scenario() {
    const int scenario = Plr.scenario;
    Plr.scenario = 0;   // whatever happens below, a start runs once
    switch (scenario) {
    case 1:
        if (Etsi_Karttamerkki(CH_VILLAGE, PlayerX, PlayerY, 500, 0) > 0) {
            PlayerX = X_Karttamerkki;
            PlayerY = Y_Karttamerkki + 1;
        }
        DrawMap();
        break;
    case 2: camp_start(); break;
    case 3: hunt_accident(); break;
    case 4: EnterLocale(SCENE_START, 5); break;
    case 5: wounded_start(); break;
    case 6:
        add_named("Loop snare", 1);
        add_defined(OID_FOXTRAP, 1);   // the paw-board fox trap
        add_named("Wooden stake", 25);
        add_named("Shovel", 1);
        add_named("Handaxe", 1);
        break;
    case 7:
        add_named("Fishing rod", 1);
        add_named("Net", 2);
        add_named("Club", 1);
        add_named("Spear", 1);
        break;
    case 8: EnterLocale(SCENE_START, 2); break;
    case 9: EnterLocale(SCENE_START, 3); break;
    case 10: plradd_agriculture_tools(); break;
    case 11:
        robber_lair(IsoX(), IsoY(), (int)crID(), 0, 3 + random(4), 3);
        EnterLocale(0, 0);
        break;
    case 12:
        EnterLocale(SCENE_START, 6);
        SCENIE = 1;
        break;
    default: break;
    }
    laske_Load(CRE_PLAYER);
}

// ---- the world map's wandering groups -------------------------------------------------------------

enum { GROUPS_NEAR = 20, NEAR_BAND = 25, RAIDER_RANGE = 249, SPIRIT_GROUP = 551, PLACE_TRIES = 10 };

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
    synnyta_IHMISOLENTO(person, RAIDERS_SPECIES, culture, 0);
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
        if ((d.id == RAIDERS_SPECIES || d.owner == RAIDERS_SPECIES) &&
            koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) <= RAIDER_RANGE)
            raiders++;
    }
    // One round of tries a call: a draw or a place that fails waits for the next call.
    for (int missing = GROUPS_NEAR - near; missing > 0; missing--) {
        int x, y;
        if (!free_cell_around(NEAR_BAND, NEAR_BAND, x, y)) continue;
        const int culture = get_alltime_kulttuuri(x, y);
        const int drawn = Arvo_Olento(Kulttuuripiiri(culture), x, y, param);
        if (drawn <= 0 || drawn == 606 || drawn == 607) continue;
        if (drawn == RAIDERS_SPECIES) {
            const int person = wandering_person(culture);
            if (person) place_group(x, y, (uint32_t)person, RAIDERS_SPECIES);
        } else if (drawn < CRE_DATAID) {
            place_group(x, y, (uint32_t)drawn, 0);
        }
    }
    int x, y;
    if (random(5) == 0 && spirits == 0 && free_cell_around(25, 100, x, y)) place_group(x, y, SPIRIT_GROUP, 0);
    if (random(5) == 0 && raiders == 0 && random(100) < NjerpezRaiderProb(PlayerX, PlayerY) &&
        free_cell_around(50, 100, x, y))
        place_group(x, y, RAIDERS_SPECIES, 0);
}
