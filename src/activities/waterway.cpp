// src/activities/waterway.cpp -- stepping into water: wading, swimming, launching and poling a
// watercraft, drowning, and the load of a craft.
#include "activities/waterway.h"

#include "maps/movement.h"

#include "activities/actions.h"
#include "activities/activities.h"
#include "activities/fishing.h"
#include "creatures/skills.h"
#include "activities/swimclimb.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/crestep.h"
#include "creatures/doors.h"
#include "creatures/life.h"
#include "creatures/puuha.h"
#include "activities/itemcmd.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/water.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "creatures/condition.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "core/worldservices.h"

#include <cstring>

enum { MODE_WALK = 1, MODE_SWIM = 2, MODE_ROW = 3, MODE_WADE = 4, MODE_HAUL = 9 };
enum { DEATH_DROWNED = -100 };   // the cause of death of drowning

// ---- services of other modules ------------------------------------------------------------------

int (*WaterSwimTurn)(int mode) = UINTI;

// ---- watercraft -------------------------------------------------------------------------------

static int is_craft(const DataStruct &d) {
    if (d.type != DT_ITEM) return 0;
    const ItemStruct it = ObjToItem((int)d.id);
    return it.type == IT_VEHICLE && it.subtype == ST_BOAT;
}

int watercraft_datapos(int x, int y) {
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.x == x && d.y == y && is_craft(d)) return i;
    }
    return -1;
}

// A paddle by its one-hand mark or by its name: the catalogue's paddle carries no mark of its own.
static bool is_paddle(const ItemStruct &it) {
    if (one_hand_penalty(it) == 1) return true;
    char name[41];
    item_name(it, name);
    for (char *p = name; *p; p++)
        if (*p >= 'A' && *p <= 'Z') *p = (char)(*p - 'A' + 'a');
    return strstr(name, "paddle") != nullptr;
}

int SestaStatus() {
    int pole = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (Plr.inv_obj[s] == 0) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (!(it.status & (ISTAT_PRIMARY | ISTAT_SECOND)) || it.type != IT_TOOL || it.subtype != ST_BOAT) continue;
        if (is_paddle(it)) return 2;
        pole = 1;
    }
    return pole;
}

int transcap(int who, int x, int y) {
    const int craft = watercraft_datapos(x, y);
    if (craft < 0) return 0;
    float load = 0;
    int stacks = 0;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        load += (float)d.count * ObjToItem((int)d.id).weight;
        stacks++;
    }
    const float limit = 200.0f * ObjToItem((int)Data[craft].id).weight;
    if (stacks <= 40 && load < limit) return 1;
    if (who == CRE_PLAYER) {
        TARGET_ITEM = (int)Data[craft].id;
        Note(MSG("WATERCRAFT_OVERLOADED"));
    }
    return -1;
}

int cold_water_confirmation(int, int, int ask) {
    const int t = water_temp();
    if (t >= 14) return ask ? 1 : 0;
    char text[SBUF_SIZE];
    bprintf(text, sizeof text, "!The water is %s.", WaterTemp_txtdesc(t));
    Note(text);
    return ask ? KyllaEi("Really enter the water?") : 1;
}

// ---- the player's step into water -------------------------------------------------------------

// The effort of a swimming turn by the roll's result, raised by flowing water and rapids.
static int swim_effort(int result, int x, int y) {
    static const int by_result[4] = {10, 10, 7, 6};
    int effort = result >= 0 && result <= 3 ? by_result[result] : 7;
    const int c = get_mapchar(x, y);
    if (effort < 7 && terrain_flag(c, TF_FLOWING)) effort = 7;
    if (terrain_flag(c, TF_RAPIDS)) effort = 10;
    return effort;
}

static void drown() {
    Pause();
    Note(":You sink under water not being able to struggle your way back to the surface.");
    Plr.death_cause = DEATH_DROWNED;
    PlayerDeath();
}

// Deep water: told, and on a local map swimming is offered.
static int deep_water(int x, int y) {
    Note(MSG("DEEP_WATER"));
    if (bigmap() || LOADER_RUN) return 0;
    char how[16];
    copy_bounded(how, sizeof how, inival("AUTO_SWIM", "ASK"));
    if (!strcmp(how, "YES") || (!strcmp(how, "ASK") && KyllaEi("Swim?"))) Swimming(x, y);
    return 0;
}

static int swimming_step(int x, int y) {
    LampotilaTarkastus();
    RUNNING = 0;
    LURK = 0;
    if (Plr.posture == 1) Plr.posture = 0;
    if (vesisyvyys(PlayerX, PlayerY) < 2) {
        Note(MSG("CAN_WADE"));
        Plr.movement_mode = MODE_WADE;
        AsetaPonnistelu(CRE_PLAYER, swim_effort(3, x, y));
    } else {
        const int r = WaterSwimTurn(1);
        if (r == -1) {
            drown();
            return 0;
        }
        AsetaPonnistelu(CRE_PLAYER, swim_effort(r, x, y));
        if (r == 0) return -1;
    }
    if (watercraft_datapos(x, y) >= 0) Plr.movement_mode = MODE_WALK;
    return 1;
}

static int craft_step(int craft, int x, int y) {
    SESTA = (uint8_t)SestaStatus();
    if (!SESTA) {
        char text[SBUF_SIZE];
        bprintf(text, sizeof text, "!To shove your %s ahead you must have sesta or paddle wielded!",
                enimi((int)Data[craft].id, 1, 0));
        Note(text);
        Plr.movement_mode = avovesi(PlayerX, PlayerY) ? MODE_ROW : MODE_WALK;
        return -1;
    }
    Data[craft].flags = (uint8_t)(PlayerDir + 1);
    // A plain pole finds no bottom in water 4 deep. From the shore the craft is then not launched at
    // all: she stays on her feet beside it.
    const bool pole_short = SESTA == 1 && vesisyvyys(x, y) >= 4;
    static const char *const too_deep = "!You can't use plain sesta to move there. The water is too deep.";
    if (!avovesi(PlayerX, PlayerY)) {
        if (transcap(CRE_PLAYER, PlayerX, PlayerY) == -1) return 0;
        if (pole_short) {
            Note(too_deep);
            return -1;
        }
        setmovement(CRE_PLAYER, MODE_ROW);
        TARGET_ITEM = (int)Data[craft].id;
        Note(MSG("WATERCRAFT_LAUNCH"));
        // Launched backwards: the rowing fisherman's luck, when she knows the means.
        if ((Plr.command_flags & 16) && taikakeino_tuttu(115, 0)) {
            PLRGLOBAL_rowing_fishermans_luck_mintick = Plr.minutes + 300;
            set_SpiritData_mood(PlayerX, PlayerY, 701, 2);
            world_services.course_task_check(11);
        }
    } else {
        Plr.movement_mode = MODE_ROW;
    }
    if (pole_short) {
        Note(too_deep);
        return -1;
    }
    return 1;
}

int WaterwayCheck(int x, int y) {
    const int mode = Plr.movement_mode;
    if ((mode == MODE_SWIM || mode == MODE_ROW || mode == MODE_WADE) && (ZoomRenew || KARTANLATAUSTAPA || LOAD_MAP))
        return 1;
    TRANSPORT = 0;
    SESTA = 0;
    const int craft = watercraft_datapos(PlayerX, PlayerY);
    if (mode == MODE_SWIM) return swimming_step(x, y);
    if (craft >= 0) return craft_step(craft, x, y);
    if (watercraft_datapos(x, y) >= 0) {
        Plr.movement_mode = MODE_WALK;
        return 1;
    }
    const int world = bigmap();
    if (avovesi(PlayerX, PlayerY)) {
        if (vesisyvyys(x, y) <= 1 || world) {
            if (LOAD_MAP) return 0;
            Plr.movement_mode = MODE_WADE;
            return 1;
        }
        if (LOAD_MAP) return 0;
        return deep_water(x, y);
    }
    if (world || vesisyvyys(x, y) >= 2) return deep_water(x, y);
    Note(MSG("CAN_WADE"));
    if (puuhausvammaus(CRE_PLAYER, 0, 0, "wade") || LOAD_MAP) return 0;
    if (skisequipped(CRE_PLAYER)) {
        Note(cant("wade with skis on"));
        return 0;
    }
    cold_water_confirmation(x, y, 0);
    char how[16];
    copy_bounded(how, sizeof how, inival("AUTO_WADE", "ASK"));
    if (!strcmp(how, "ASK")) {
        if (!KyllaEi("Step into water?")) return 0;
    } else if (strcmp(how, "YES") != 0) {
        return 0;
    }
    setmovement(CRE_PLAYER, MODE_WADE);
    return 1;
}
