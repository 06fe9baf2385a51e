// Map entry: loading the current map, catching the surroundings up on the time that passed, tidying
// the pool, bringing the party along, and the quick save that ends every entry.
#include <cstdio>
#include <cstring>

#include "activities/activities.h"
#include "core/commandcodes.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "game/loader_int.h"
#include "base/savecommit.h"
#include "game/mapupkeep.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/creatures.h"
#include "core/vilrecord.h"
#include "items/items.h"
#include "items/ownership.h"
#include "maps/facing.h"
#include "maps/mapload.h"
#include "core/notes.h"
#include "core/player.h"
#include "base/ui.h"
#include "game/turnloop.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "society/village.h"
#include "worldgen/worldgen.h"
#include "society/catchup.h"
#include "items/inventory.h"
#include "creatures/crefile.h"

// The creature slot a creature or carcass record names, or -1 when its id names no slot of the table.
static int slot_of(const DataStruct &d) {
    if (d.id < (uint32_t)CRE_DATAID) return -1;
    const uint32_t slot = d.id - CRE_DATAID;
    return slot < (uint32_t)CRE_COUNT ? (int)slot : -1;
}

static void log_line(const char *format, int a, int b, int c) {
    char line[200];
    snprintf(line, sizeof line, format, a, b, c);
    loader_log("getmappie", line);
}

void clean_area() {
    const uint32_t now = Plr.minutes;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_FIRE_REMAINS && d.type != DT_COUNTED) continue;
        if (d.ready_minute != 0) {
            uint32_t apart = d.ready_minute > now ? d.ready_minute - now : now - d.ready_minute;
            if (apart > 2880) CrunchData(i);
        } else {
            int apart = (int)d.count - (int)Plr.daynumber;
            if (apart < 0) apart = -apart;
            if (apart > 2 && Plr.daynumber > 1) CrunchData(i);   // the first days leave their marks too
        }
    }
}

void areal_itemizer() {
    clean_area();
    for (int i = 0; i < DATA_MAX; i++) {
        switch (Data[i].type) {
        case DT_WORK:
            if (PreparedReady(i)) Valmistunut_DATATYPE(i);
            break;
        case DT_OPENWATER:
            avanto_maintenance(i);
            if (Data[i].type == DT_ICEHOLE) jaatyva_avanto_maintenance(i);
            break;
        case DT_ICEHOLE:
            jaatyva_avanto_maintenance(i);
            break;
        default:
            break;
        }
    }
}

// A changed item is stored as a new object; with the object table full the stack keeps the old one.
// The stacking test leaves out the days taken goods have been kept, so an equal object counting
// other days gives way to one of their own.
static void keep_changed(DataStruct &d, const ItemStruct &item) {
    int n = Luo_Esineen_Itempos(item);
    if (n != 0 && ObjToItem(n).pad168[0] != item.pad168[0]) n = Esineesta_Uniikki(item);
    if (n != 0) d.id = (uint32_t)n;
}

// The goods of a village keep while its people tend them; in a village left with one soul or none
// they spoil like anything else lying about. Its people are counted on its record, as those of a map
// just entered are not yet in the creature table.
static bool tended_village_goods(int i) {
    if (Data[i].owner != SOC_OWNER) return false;
    const OwnerStruct o = own_datapos(i);
    return o.soc != 0 && socpopulation((int)o.soc) > 1;
}

void areal_food_spoil(int days) {
    ItemStruct item;
    if (days != 0)
        for (int i = 0; i < DATA_MAX; i++) {
            DataStruct &d = Data[i];
            if (d.type != DT_ITEM || tended_village_goods(i)) continue;
            if (spoilItem((int)d.id, 0, get_mapchar(d.x, d.y), item, days) != 0) keep_changed(d, item);
        }
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_ITEM) continue;
        ObjToItem(item, (int)d.id);
        if (stolendailydecay(item)) keep_changed(d, item);
    }
}

static bool short_name(const CreatureStruct &c) { return strnlen(c.species, sizeof c.species) <= 2; }

// Records that can't stand are freed; carcasses that were skinned are marked so; old traps are
// brought up to date.
static void clean_pool() {
    int spirits = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type == 'v' && ++spirits > 100) {
            CrunchData(i);
            continue;
        }
        if (d.type == DT_CREATURE || d.type == DT_CARCASS) {
            if (d.id <= 999) {
                CrunchData(i);
                continue;
            }
            const int slot = slot_of(d);
            if (slot < 0) continue;   // a stored creature's own number: the creature table has no slot for it yet
            CreatureStruct &c = Cre[slot];
            if (short_name(c)) {
                CrunchData(i);
                continue;
            }
            if (d.type == DT_CARCASS) {
                if (d.flags == '5') {
                    d.flags = 0;
                    set_carcass_skinned(c);
                }
                if (c.Puuha[1] == 301 && c.PuuhaKohde[1] >= c.PuuhaAika[1]) set_carcass_skinned(c);
            }
            continue;
        }
        if (d.type == 7 && d.id == 0) {
            CrunchData(i);
            continue;
        }
        if (d.type == DT_TRAP && d.id <= 9) {
            d.id = ACTION_TRAP_PIT;
            d.count = 1;
            d.flags = 0;
            set_mapchar(d.x, d.y, 21);
        }
    }
}

// The people of a scene whose village was laid waste lie dead.
static void scene_of_death() {
    if (SCENIE == 1 || SCENIE == 4) {
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_CREATURE) continue;
            const int slot = slot_of(d);
            if (slot < 0 || Cre[slot].kind != CK_HUMAN) continue;
            const int x = d.x, y = d.y;
            KillCreature(slot, 0);
            set_mapchar(x, y, CH_GROUND);
        }
    }
    SCENIE = 0;
}

static bool settlement_cell(int x, int y) { return on_kyla(x, y, 1); }

int GetMappie(int mode) {
    COMPANYZOOMCHECKED = 0;   // a follow check made before a refused move does not stand for the next one
    DISABLE_NOTES = 1;
    FIRESAFE = 1;
    // Days since the player's world cell was last visited: the area's centre cell on a local area.
    // Counted wide and held to a sane range: day numbers from a damaged file must not overflow.
    const long long away = bigmap() ? (long long)Plr.daynumber - (long long)Plr.bigmap_saveday
                                    : (long long)Plr.daynumber - Mapinfo_LastDay(AREA_CENTRE + 32, AREA_CENTRE + 32);
    const int days = away < -1000000 ? -1000000 : away > 1000000 ? 1000000 : (int)away;
    log_line("initcall (%d) isox,isoy %d,%d", mode, IsoX(), IsoY());
    log_line("days: %d%.0d%.0d", days, 0, 0);

    char name[sizeof Plr.mapname + 1];
    copy_bounded(name, sizeof name, Plr.mapname);
    loader_log("getmappie", "GetMap call");
    GetMap(name);
    sight_fix(Plr.month, Plr.hour);

    const bool world = bigmap();
    if (!world && (PlayerX < 72 || PlayerX > 464 || PlayerY < 72 || PlayerY > 464)) PlayerX = PlayerY = 232;

    loader_log("getmappie", "mapfix call");
    map_fix();
    wadestrip_loaded();
    if (mode == 0) {
        allowed_check();
        if (REAL_QUIT == -1) {
            DISABLE_NOTES = 0;
            entry_save_finish();   // the entry stands as it was made
            return 0;
        }
    }

    loader_log("getmappie", "areal_itemizer call");
    areal_itemizer();
    if (!world) areal_maintenance();
    // From here on the entry writes the character folder: the creature file's new and changed records,
    // the villages' records and their quest offers, the map and the quick save of the character are one
    // commit, with the new local maps of a zoom in that left its save open for it. Should the game end
    // before it, the folder holds the last save, none of this.
    save_begin();
    creature_mess();
    CarcassMaintenance();
    clean_pool();

    const int wx = IsoX(), wy = IsoY();
    if (!world)
        for (int y = wy - 2; y <= wy + 2; y++)
            for (int x = wx - 2; x <= wx + 2; x++)
                if (Mapinfo_socID(x, y) != 0) socmaint(x, y);

    if (mode == 1) {
        CREATURE_UPDATE = -1;
        ENCOUNTER_CREATURE_TYPE = 0;
    }
    laske_Load(-1);
    LOAD_MAP = 0;
    scene_of_death();
    if (!(mode == 0 && ENSIMMAINEN_LATAUS)) CREATURE_UPDATE = 0;
    if (mode == 0 && world) CREATURE_UPDATE = days > 4 ? 200 : days * 50;

    loader_log("getmappie", "trap check call");
    PopuloiZoomalue();
    AnsaHoukutus();

    loader_log("getmappie", "cre maintenance call");
    if (!world)
        for (int y = wy - 2; y <= wy + 2; y++)
            for (int x = wx - 2; x <= wx + 2; x++) zoomspecial_maintenance(x, y);
    cre_maintenance();
    clean_area();
    if (!world) {
        // The fields' upkeep looks up the map-info records of many cells: the table is indexed once.
        zoomextra_hold(2);
        for (int y = wy - 5; y <= wy + 5; y++)
            for (int x = wx - 5; x <= wx + 5; x++)
                if (on_pelto(x, y)) field_maintenance(x, y);
        zoomextra_hold(0);
        for (int y = wy - 2; y <= wy + 2; y++)
            for (int x = wx - 2; x <= wx + 2; x++)
                if (settlement_cell(x, y)) kyla_maintenance(x, y);
    }

    exit_mess();
    if (world) Siirra_Zoomympariston_Tapahtumat();

    // The map is shown again, drawn on every flip from here on.
    DISABLE_MAP = 0;
    FLIP_map_ON();
    // No key is read while the commit is open: the wait after a zoom comes once it stands.
    const bool pause_after_zoom = PIC_SHOW == 1 && inivalyes("PAUSE_AFTER_ZOOM");
    if (PIC_SHOW == 1) {
        PIC_SHOW = 0;
        UPDATE_SCREEN = 1;
    }
    REDRAW_NEEDED = 33;
    if (GRAPH_INIT) redraw_screen();
    UPDATE_SCREEN = 1;
    CREATURE_UPDATE = 0;
    DISABLE_NOTES = 0;
    ENSIMMAINEN_LATAUS = 1;
    Nollaa_Kartanlataustapa();
    loader_log("getmappie", "getmappie completed");

    if (!SaveMapAndContinue()) save_fail(map_file_error()[0] ? map_file_error() : "the current map");
    int ok = Save(SAVE_QUICK);
    ok = save_commit() && ok;
    ok = entry_save_finish() && ok;
    if (pause_after_zoom) loader_wait_key();
    // The store's compaction is a commit of its own. Every stored map keeps a map-info record; once
    // those are nearly all used, the maps not worth keeping are dropped and their records freed.
    if (numused_ZoomExtra() > ZOOMEXTRA_NEARLY_FULL) zoommap_maintenance();
    loader_log("getmappie", "exiting getmappie function");
    return ok;
}
