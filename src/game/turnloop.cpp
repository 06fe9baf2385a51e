// src/game/turnloop.cpp -- the turn loop: the world's answer to the last command (clock tick,
// creatures, fires, upkeep, encounters, map changes), then one command of the player.
#include "game/turnloop.h"

#include "activities/actions.h"
#include "maps/burning.h"
#include "game/command.h"
#include "core/datafunc.h"
#include "worldgen/encountupkeep.h"
#include "game/loader.h"
#include "core/maintenance.h"
#include "game/clockupkeep.h"
#include "game/mapupkeep.h"
#include "core/oxa.h"
#include "core/player.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/weather.h"
#include "quests/courses.h"
#include "game/worldpass.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/crestep.h"
#include "core/creatures.h"
#include "creatures/creturn.h"
#include "creatures/death.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "creatures/predicates.h"
#include "creatures/physical.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "maps/mapquery.h"
#include "items/ownership.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "base/ui.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

uint8_t LittleTurns = 0;
int EXIT_CLOSE_GAME = 0;
int FIRESAFE = 0;

void turnloop_reset() {
    TACTICAL_ADVANTAGE = -1000;
    LittleTurns = 0;
    LOAD_MAP = 0;
    PrevX = PrevY = 0;
    EXIT_CLOSE_GAME = 0;
    FIRESAFE = 0;
    BURGLARYSOC = 0;
    INVISIBLE = 0;
    TurnUsed = 0;
    ENCOUNTER = 0;
    command_reset();
}

void var_clear() {
    // The per-game state of later modules is reset by their own code as they join this list.
    clear_maplightspots();
    turnloop_reset();
    UPDATE_SCREEN = 1;
    Darken_Notes = 0;
    RUNNING = LURK = TRANSPORT = 0;
    SLEEP_INTERRUPT = 0;
    PLAYER_SLEEPING = 0;
    PIC_SHOW = 0;
    task_gap = 2;   // the course's task screen comes back two commands sooner in a game just loaded
    Juoksevat_sekuntit = 0;   // her first minute starts afresh; the hour's upkeep ran once, at the load
    spend_reset();
    picker_reset();
}

// ---- the loop -----------------------------------------------------------------------------------

int turn_answer() {
    if (ZoomRenew == 1) ZoomRenewer();
    bool world_answer = true;
    if (TACTICAL_ADVANTAGE == -1000) {
        if (TurnUsed == 0) world_answer = false;
        else if (TurnUsed == 1) SecondTick(6, 0);
    } else if (TACTICAL_ADVANTAGE == -1) {
        TurnUsed = 0;
        TACTICAL_ADVANTAGE = -1000;
        world_answer = false;
    } else {
        TurnUsed = 1;
        SecondTick(6, 0);
    }
    if (world_answer) {
        Statistics();
        // The holder of the advantage acts alone before anyone else; then every creature has its turn.
        const bool alone = TACTICAL_ADVANTAGE >= -1;
        if (TurnUsed != 3) CreatureMove();
        if (alone || TACTICAL_ADVANTAGE >= -1) {
            if (alone) TACTICAL_ADVANTAGE = -1000;
            CreatureMove();
            TACTICAL_ADVANTAGE = -1000;
        }
        Aseta_Etulyontiasema(-1000);
        if (REAL_QUIT == -1) return 0;
        UPDATE_SCREEN = 1;
        note_lines_since_pause = 0;
        LittleTurns = 0;
        if (Plr.hour > 7 && Plr.day != Plr.last_upkeep_day) {
            if (Plr.last_upkeep_day == 0)
                Plr.last_upkeep_day = Plr.day;
            else
                daily_maintenance();
        }
        Haavatarkistukset(0);
        if (REAL_QUIT == -1) return 0;
        Condition_Check(0);
        EncounterCheck();
        if (ENCOUNTER) DO_ENCOUNTER();
    }
    if (REAL_QUIT == -1) return 0;
    if (UPDATE_SCREEN) {
        DrawMap();
        UPDATE_SCREEN = 0;
    }
    if (bigmap()) area_check();
    if (Exit_Checking && !LOAD_MAP) {
        CheckExits();
        Exit_Checking = 0;
    }
    if (LOAD_MAP) {
        MapLoader(0);
        ZoomRenew = 0;
        DrawMap();
        ClearEventMemory();
    }
    if (Plr.posture == 4) {
        MAPEFFECT_faint();
        PlayerUnconscious();   // coming to plays the wake-up itself
    }
    PrevX = PlayerX;
    PrevY = PlayerY;
    CheckIdleSample();
    IdleSample();
    if (REAL_QUIT != -1 && REAL_QUIT != 1)
        SPEND_SAMPLE[0] = 0;
    else
        LOAD_MAP = 0;
    return 1;
}

int turn_pass(int *result) {
    if (result) *result = 1;
    if (!turn_answer()) return 0;
    const int r = PlayerAction();
    if (result) *result = r;
    DISABLE_MORECHECK = 0;
    if (EXIT_CLOSE_GAME) oxa_quit("");
    // The area markers are set where kills and plentiful years happen; a turn adds none of its own.
    if (Environ != 1 && LittleTurns >= 4) TurnUsed = 1;
    if (REAL_QUIT == -1) return 0;
    if (LOAD_MAP == 1) {
        TurnUsed = 0;
        return r != 0;
    }
    return r != 0;
}

void TurnLoop() {
    int r;
    ENTRY_SAVE_JOINS_LOAD = 1;
    while (turn_pass(&r)) {
    }
    ENTRY_SAVE_JOINS_LOAD = 0;
    entry_save_finish();   // a zoom whose map was never loaded: the game ended on the way
    FLIP_map_OFF();   // however the game was left, the menus that follow show no map
}
