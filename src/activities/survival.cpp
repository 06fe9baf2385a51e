// src/activities/survival.cpp -- building a fire, cutting branches and twigs, making a hole in the
// ice, and lighting a carried light.
#include "activities/survival.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/actions.h"
#include "activities/activities.h"
#include "activities/magic.h"
#include "creatures/skills.h"
#include "activities/spirits.h"
#include "core/commandcodes.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "maps/burning.h"
#include "maps/spiritdata.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "items/items.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "items/inventory.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/rooms.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

enum {
    CH_FIREPLACE_A = 4, CH_FIREPLACE_B = 5, CH_BIRCH = 10,
    MEANS_FOREST_FIRE = 25, MEANS_FOREST_COVER = 225,
    ICE_FIRE_MIN = 50,             // ice this thick bears a fire
    FIREPLACE_FUEL_MIN = 10,
    PLAYER_FIRE_FUEL = 10,
};

// ---- helpers ------------------------------------------------------------------------------------

static bool within_one(int x, int y, int px, int py) { return abs(x - px) <= 1 && abs(y - py) <= 1; }

// A pool record of the type within one square of the player; -1 none.
static int record_beside_player(int type) {
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type == type && within_one(d.x, d.y, PlayerX, PlayerY)) return i;
    }
    return -1;
}

// The pack slot of a lit light other than `except`; -1 none.
static int lit_light_slot(int except) {
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (s == except || Plr.inv_count[s] <= 0 || Plr.inv_obj[s] == 0) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (it.type == IT_TOOL && it.subtype == ST_LIGHT && it.state == 1) return s;
    }
    return -1;
}

// The pieces of an object id lying within one square of x, y.
static int pieces_around(unsigned id, int x, int y) {
    int n = 0;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || !within_one(d.x, d.y, x, y)) continue;
        if (ObjToItem((int)d.id).id == id) n += d.count;
    }
    return n;
}

// A material list of one line of a requirement id: one tool, the best at hand, kept.
static void one_line(int id) {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)id;
    Tarvike.linked = (uint32_t)id;
    Tarvike.count = Tarvike.first_count = Tarvike.max_count = 1;
    Lisaa_Tarvike();
}

static void note_f(const char *fmt, const char *what) {
    char line[300];
    snprintf(line, sizeof line, fmt, what);
    Note(line);
}

// ---- fire -----------------------------------------------------------------------------------------

void SetFireBurning(int x, int y, int fuel) {
    if (!in_grid(x, y)) return;   // a square a damaged work record names is no place for a fire
    int remains = -1;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_FIRE_REMAINS && d.x == x && d.y == y) remains = i;
    }
    if (fuel < 0) fuel = 0;
    ClearDTEMP();
    DTEMP.type = DT_FIRE;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.count = (uint16_t)(fuel > 65535 ? 65535 : fuel);
    DTEMP.id = remains >= 0 ? Data[remains].id : 0;
    const int heat = lampoarvo(x, y, 0);
    DTEMP.flags = (uint8_t)(heat < 0 ? 0 : heat > 255 ? 255 : heat);
    DTEMP.day = remains >= 0 ? Data[remains].day : (uint16_t)Plr.daynumber;
    DTEMP.spent_minutes = Plr.minutes;
    SetDTEMP(-1);
    SmokePreparingGoods(x, y, fuel);
}

// The lighting roll: a plain success roll, sure beside a fire, warm embers or a lit light.
static int lighting_roll() {
    int roll = SuccessRoll(0, 50);
    if (record_beside_player(DT_FIRE) >= 0) {
        Note("_The nearby fire helps to start this one.");
        breachrun_mischief(0, ACTION_BUILD_FIRE, 5);
        return SR_CRITSUCCESS;
    }
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_FIRE_REMAINS || !within_one(d.x, d.y, PlayerX, PlayerY)) continue;
        if (koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) < 2 && RemainsHeat(d.x, d.y) > 10) {
            Note("_Embers from the nearby burnt-out fire helps to start this one.");
            breachrun_mischief(0, ACTION_BUILD_FIRE, 5);
            return SR_CRITSUCCESS;
        }
    }
    const int slot = lit_light_slot(-1);
    if (slot >= 0) {
        note_f("_You use the %s to start the fire.", ekuvaus(Plr.inv_obj[slot], 1, 0));
        return SR_CRITSUCCESS;
    }
    return roll;
}

int SURVIVAL_fire() {
    if (puuhausvammaus(CRE_PLAYER, 48, 0, txt_toimia(ACTION_BUILD_FIRE))) return 0;
    const int emergency = PVAM_EMERGENCY;
    const int c = ValitseLokaatio(PICK_DIRECTION | PICK_UNSEEN, "where to build a fire");
    if (!c) return 0;
    const int x = GeneralX, y = GeneralY;
    const bool fireplace = c == CH_FIREPLACE_A || c == CH_FIREPLACE_B;
    if (!fireplace && !terrain_flag(c, TF_OPEN)) {
        const int ice = ice_thickness_true(x, y);
        if (ice <= 0) {
            Note("!You can't build a fire over there.");
            Note("_There should be an open space or a fireplace.");
            return 0;
        }
        if (ice < ICE_FIRE_MIN) {
            Note("!Trying to build a fire on such a thin ice is not a good idea.");
            return 0;
        }
    }
    const int fuel = PolttoTarkistus(x, y, 0, "");
    if (fuel <= 0) {
        Note("!There's nothing to set on fire.");
        Note("_Place some firewood over there first and then try to build a fire.");
        return 0;
    }
    switch (PolttoTarkistus(x, y, 0, "[light]")) {
    case -1: Note(MSG("FIRE_NEEDS_MORE_KINDLING")); return 0;
    case 0: Note(MSG("FIRE_NEEDS_FIREWOOD")); return 0;
    case -2: Note(MSG("FIRE_NEEDS_KINDLING")); return 0;
    default: break;
    }
    if (!fireplace) {
        if (get_datatype(DT_FIRE_REMAINS, x, y) < 0) breachrun_mischief(0, ACTION_BUILD_FIRE, 2);
    } else if (fuel < FIREPLACE_FUEL_MIN) {
        Note("!Fireplace needs to be filled with more firewood in order to get it heated up properly.");
        return 0;
    }
    const int roll = lighting_roll();
    int minutes = 10 - d6(roll);
    if (minutes < 2) minutes = 2;
    if (emergency) minutes *= 4;
    Heading();
    // A failed try costs its minutes as well.
    if (!realbasicspend(minutes, 0, "building a fire", 0)) return 0;
    if (roll < SR_SUCCESS) {
        Note(MSG("FIRE_FAILED"));
        return 0;
    }
    Note(MSG("FIRE_MADE"));
    if (taikakeino_tuttu(MEANS_FOREST_FIRE, 0) && pieces_around(OID_SPRUCE_TWIG, x, y) == 7) {
        set_SpiritData_attract(x, y, SPIRIT_FOREST_MAID);
        world_services.course_task_check(11);
    }
    if (taikakeino_tuttu(MEANS_FOREST_COVER, 0)) taikatarkistus_metsanpeittonuotio(x, y);
    SetFireBurning(x, y, PLAYER_FIRE_FUEL);
    world_services.course_task_check(4);
    Heading();
    UPDATE_SCREEN = 1;
    return 0;
}

// ---- branches and twigs -------------------------------------------------------------------------

int SURVIVAL_branches() {
    if (puuhausvammaus(CRE_PLAYER, 8, 2, txt_toimia(ACTION_CUT_BRANCHES))) return 0;
    int x = PlayerX + Heds_x(PlayerDir), y = PlayerY + Heds_y(PlayerDir);
    if (!terrain_flag(get_mapchar(x, y), TF_TREE)) {
        if (!OtaKohta_Suunta("preferred tree")) return 0;
        x = GeneralX;
        y = GeneralY;
    }
    const int c = get_mapchar(x, y);
    if (!terrain_flag(c, TF_TREE)) {
        Note("!There's no tree!");
        return 0;
    }
    const bool spruce = terrain_flag(c, TF_SPRUCE) != 0;
    const char *product = spruce ? "SPRUCE TWIG" : "BRANCH";
    const char *called = spruce ? "spruce twigs" : "branches";
    one_line(OID_CUTTING_OR_HAND);
    if (!Kay_Tarvikelista(Toiminta(ACTION_CUT_BRANCHES))) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    const int minutes = tyoaikamuutos(10, Tarvikelista_Tyokalukelpoisuus(-1), SR_SUCCESS);
    AsetaPonnistelu(CRE_PLAYER, 2);
    if (c == CH_BIRCH) {
        const int leaves = birch_leaf_level();
        if (leaves < 5) {
            Note("_The birch is leafless, so mere branches can be collected.");
        } else if (leaves > 49) {
            product = "BIRCH TWIG";
            called = "leafy birch twigs";
        } else if (Plr.month > 8) {
            Note("_Leaves of the birch are too old for collecting leafy birch twigs anymore.");
        } else {
            Note("_Leaves of the birch aren't big enough to collect leafy birch twigs just yet.");
        }
    }
    if (!realbasicspend(minutes, 0, txt_toimia(ACTION_CUT_BRANCHES), 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    const int row = object(product, 1);
    if (row > 0) set_data(DT_ITEM, PlayerX, PlayerY, row, 10 + random(10));
    note_f("+You finished cutting the %s. They are lying beside you on the ground.", called);
    UPDATE_SCREEN = 1;
    return 0;
}

// ---- a hole in the ice ----------------------------------------------------------------------------

int SURVIVAL_icehole() {
    if (non_outdoor()) return 0;
    int x = PlayerX, y = PlayerY;
    const int here = get_datatype(DT_ICEHOLE, x, y);
    if (here < 0 || !See(x, y)) {
        if (!OtaKohta_Suunta("where to make a hole")) return 0;
        x = GeneralX;
        y = GeneralY;
    }
    const int thickness = ice_thickness_true(x, y);
    if (thickness <= 0) {
        Note("!There's no ice!");
        return 0;
    }
    if (puuhausvammaus(CRE_PLAYER, 36, 5, txt_toimia(ACTION_ICE_HOLE))) return 0;
    const int emergency = PVAM_EMERGENCY;
    one_line(OID_ICE_BREAKER);
    int rating = 100;
    if (thickness >= 10) {
        if (!Kay_Tarvikelista(Toiminta(ACTION_ICE_HOLE))) {
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
        rating = Tarvikelista_Tyokalukelpoisuus(-1);
    }
    int minutes = tyoaikamuutos(thickness / 20, rating, SR_SUCCESS);
    int seconds = minutes == 0 ? 2 * (10 + 5 * random(3)) : 0;
    if (emergency) {
        seconds = 9 * minutes;
        minutes *= 3;
    }
    AsetaPonnistelu(CRE_PLAYER, 5);
    if (!realbasicspend(minutes, seconds, txt_toimia(ACTION_ICE_HOLE), 0)) {
        if (thickness >= 10) Palauta_Kaytetyt_Tarvikkeet();   // thin ice took no tool
        return 0;
    }
    do_break_ice(x, y);
    Note("You made a hole in the ice.");
    UPDATE_SCREEN = 1;
    return 0;
}

// ---- a carried light ----------------------------------------------------------------------------

void light(int slot, int on) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_count[slot] <= 0 || Plr.inv_obj[slot] == 0) return;
    if (Plr.inv_obj[slot] < OBJ_PLAYER_FIRST || Plr.inv_obj[slot] > OBJ_PLAYER_LAST) Slotista_Uniikki(slot);
    ItemStruct it = ObjToItem(Plr.inv_obj[slot]);
    char name[41];
    item_name(it, name);
    char line[160];
    if (!on) {
        snprintf(line, sizeof line, "You put out your %s.", name);
        Note(line);
        it.state = 0;
    } else if (it.spoil == 0) {
        snprintf(line, sizeof line, "Your %s has burnt out and can't be lighted.", name);
        Note(line);
        it.state = 0;
    } else {
        bool lit = true;
        if (lit_light_slot(slot) < 0) {
            one_line(OID_FIRE);
            char title[100];
            snprintf(title, sizeof title, "light a %s", name);
            if (!Kay_Tarvikelista(title)) {
                Palauta_Kaytetyt_Tarvikkeet();
                lit = false;
            }
        }
        if (lit) {
            snprintf(line, sizeof line, "You light your %s.", name);
            Note(line);
            it.state = 1;
        }
    }
    Temp_Item = it;
    item_to_plrobj(slot);
}

void SmokePreparingGoods(int x, int y, int minutes) {
    for (DataStruct &d : Data) {
        if (d.type != DT_WORK || d.flags != '{') continue;
        if (abs(d.x - x) > 19 || abs(d.y - y) > 19) continue;
        if (!onkohuoneessa_koordinaatti(x, y, d.x, d.y)) continue;
        const int care = (int)d.day + minutes;
        d.day = (uint16_t)(care > 65535 ? 65535 : care);
    }
}
