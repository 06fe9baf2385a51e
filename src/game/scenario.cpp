// Start scenarios: the counter of the player record names one start, which runs before the first
// command and clears the counter.
#include "game/scenario.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "worldgen/encountupkeep.h"
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

enum { SCENARIO_SLOTS = 50, CH_VILLAGE = 239, CH_CAMP = 30, SCENE_START = 1000 };

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
        add_defined(OID_FOX_TRAP, 1);   // the paw-board fox trap
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
