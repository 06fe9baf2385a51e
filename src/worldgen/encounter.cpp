// src/worldgen/encounter.cpp -- what the turn loop asks of world generation each turn: the wilderness
// encounter check, the world map's area check, the settlements, camps and caves entered by stepping
// on them, and leaving a local area for the world map.
#include "worldgen/encounter.h"

#include <cstdio>
#include <cstring>

#include "activities/skills.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/loader.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "creatures/zoomservices.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "core/notes.h"
#include "base/ui.h"
#include "quests/tehtavat.h"
#include "worldgen/worldgen.h"

int ENCOUNTER = 0;

// Wilderness encounters stand in until wilderness encounters land: no encounter starts.
void EncounterCheck() {}
void DO_ENCOUNTER() { ENCOUNTER = 0; }

// The player's tracking roll that notices tracks on the world map.
static int tracking_roll() { return Kayta_Taitoa(0, 0, "TRACKING", 0); }
// Tracks on the world map stand in until tracking lands: nothing is shown.
static void Tracking_IsoKartta(int) {}

void area_check() {
    static int last_x = -1, last_y = -1;
    if (PlayerX == last_x && PlayerY == last_y) return;
    last_x = PlayerX;
    last_y = PlayerY;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != PlayerX || d.y != PlayerY) continue;
        if (d.type == 'p') Note(":You think there is someone here.");
        else if (d.type == DT_ENCOUNTER && d.flags == 2 && random(3) == 0 && tracking_roll() > 1)
            Tracking_IsoKartta(1);
    }
}

// The player's own homestead on the cell, entered by itself when the setting asks for it.
static int homestead_entry(int x, int y) {
    const int k = zoomextra_kohta(x, y);
    if (k < 0) return 0;
    const ZoomExtraStruct &z = ZoomExtra[k];
    return z.x == (uint16_t)x && z.y == (uint16_t)y && (z.dwelling & 4) && inivalyes("AUTO_ENTER_HOMESTEAD");
}

// The note of a place being entered from the world map.
static void enter_screen(const char *place) { SNote1("#Entering ", place ? place : "", " ..."); }

int CheckExits() {
    if (!bigmap()) return 0;
    const int x = PlayerX, y = PlayerY;
    const int c = get_mapchar(x, y);
    const int homestead = homestead_entry(x, y);
    int by_setting = 0;
    switch (c) {
    case 30: enter_screen("a njerpez camp"); break;
    case 60: enter_screen("a cave"); break;
    case 86: case 210: case 211: case 239:
        enter_screen("settled area");
        Tarkista_Suoritus(15);
        PIC_SHOW = 1;
        break;
    default:
        if (!homestead) return 0;
        by_setting = 1;
        break;
    }
    static DataStruct pool_before[DATA_MAX];
    static DataStruct party_before[PLR_PARTY];
    memcpy(pool_before, Data, sizeof pool_before);
    memcpy(party_before, Plr.party, sizeof party_before);
    creature_swap();
    LuoZoomKorkeusAlue(x, y);
    char keyword[32];
    snprintf(keyword, sizeof keyword, ">%d,%d", x, y);
    Aseta_TERRAIN_Korkeus_Relmap(0, 0);
    int failed = TERRAIN(keyword, "ZOOM", 0, Plr.month, terrain_name(x, y), x, y, 0) ? 0 : 1;
    failed += surroundings(0);
    if (failed) {
        memcpy(Data, pool_before, sizeof pool_before);
        memcpy(Plr.party, party_before, sizeof party_before);
        PIC_SHOW = 0;
        Note("!The local maps of this place couldn't be stored. You stay where you are.");
        return 0;
    }
    Enter(x, y, by_setting ? 0 : 1);
    return 1;
}

// The things a player makes count towards the game courses: traps, and fences round them.
static void exit_task_checks() {
    int traps = 0, fences = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_TRAP) continue;
        Tarkista_Suoritus(21);
        if (d.id != 396 && d.id != 397) continue;
        traps++;
        for (int y = d.y - 20; y < d.y + 20; y++)
            for (int x = d.x - 20; x < d.x + 20; x++)
                if (in_layer(x, y) && get_mapchar(x, y) == 42) fences++;
    }
    if (traps >= 2 && fences >= 15) Tarkista_Suoritus(33);
}

void ExitEnviron(int, int, int all) {
    if (!ZoomRenew) MAPEFFECT_zoomshade();
    UPDATE_SCREEN = 0;
    DISABLE_MAP = 1;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int c = creature_slot_of(d.id);
        if (c < 0 || !(onko_NPC_haltija(c) || onko_noiduttupaastetty(c))) continue;
        if (all == 1 || !See(d.x, d.y)) Poista_Olento(c);
    }
    creature_swap();
    Save(0);
    Plr.local_x = Plr.local_y = 0;
    if (!bigmap()) {
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
        FixPlayerCoordinates();
        PlayerX = (int)Plr.world_x;
        PlayerY = (int)Plr.world_y;
        LOAD_MAP = 1;
        Environ = 1;
    }
    exit_task_checks();
}
