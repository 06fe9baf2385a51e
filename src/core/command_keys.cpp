// src/core/command_keys.cpp -- the commands of the keys: turning and stepping in both movement
// schemes, zooming between the map levels, the printable keys and the function keys.
#include "core/command.h"

#include "activities/actions.h"
#include "activities/toimi.h"
#include "core/config.h"
#include "core/loader.h"
#include "core/mapupkeep.h"
#include "core/oxa.h"
#include "core/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/strupr.h"
#include "core/maintenance.h"
#include "core/turnloop.h"
#include "creatures/creatures.h"
#include "creatures/crefunc.h"
#include "creatures/life.h"
#include "items/itemcmd.h"
#include "maps/area.h"
#include "maps/mapborder.h"
#include "maps/mapdraw.h"
#include "maps/marker.h"
#include "maps/mapunit.h"
#include "maps/doors.h"
#include "maps/look.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/plrlink.h"
#include "maps/facing.h"
#include "maps/water.h"
#include "presentation/audio.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/menu.h"
#include "presentation/msglog.h"
#include "presentation/bodypic.h"
#include "presentation/boxes.h"
#include "presentation/notes.h"
#include "presentation/oxalistener.h"
#include "presentation/screen.h"
#include "presentation/panels.h"
#include "presentation/show.h"
#include "presentation/tekstit.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"
#include "quests/tehtavat.h"
#include "screens/gameinfo.h"
#include "screens/gamescreens.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

#include <cstdio>
#include <cstring>

// ---- services of modules that are not there yet; each stands in until its module lands ------

static int GRAPHICS_UPDATE = 0;    // the developer's graphics-update switch
static int big_tiles_mode = 0;     // 0 no big tiles, 1 unscaled, 2 scaled

void command_line(const char *text) { com(text ? text : ""); }

void command_describe(int key) { command_line(Nappainkomennon_Selite(key, 0)); }

// ---- turning and stepping -------------------------------------------------------------------------

// A turn in place: one facing change more, or none at all on the world map.
static void turned(int changes) {
    if (Environ == 1) {
        LittleTurns = 0;
        TurnUsed = 0;
    } else {
        LittleTurns = (uint8_t)(LittleTurns + changes);
    }
    UPDATE_SCREEN = 1;
    Heading();
}

// The key's facing in the traditional scheme and its compass point with Ctrl (0 north, clockwise).
static int key_facing(int key) {
    switch (key) {
    case KC_HOME: return 3;
    case KC_UP: return 2;
    case KC_PGUP: return 1;
    case KC_LEFT: return 4;
    case KC_RIGHT: return 0;
    case KC_END: return 5;
    case KC_DOWN: return 6;
    case KC_PGDN: return 7;
    default: return -1;
    }
}

static int key_compass(int key) {
    switch (key) {
    case KC_UP: return 0;
    case KC_PGUP: return 1;
    case KC_RIGHT: return 2;
    case KC_PGDN: return 3;
    case KC_DOWN: return 4;
    case KC_END: return 5;
    case KC_LEFT: return 6;
    case KC_HOME: return 7;
    default: return -1;
    }
}

int command_direction(int key, int ctrl) {
    if (key == KC_PADMINUS || key == KC_PAD5 || key == KC_PADPLUS) {
        turned(1);
        return 1;
    }
    const int face = key_facing(key);
    if (face < 0) return 0;
    if (ctrl) {
        MovePlayer(100 + key_compass(key));
        return 1;
    }
    if (TRADMOVEMENT) {
        int diff = (face - PlayerDir + 8) % 8;
        if (diff > 4) diff = 8 - diff;
        PlayerDir = face;
        if (diff <= 2) {
            MovePlayer(1);
            Heading();
        } else {
            turned(1);
        }
        return 1;
    }
    switch (key) {
    case KC_UP: MovePlayer(1); break;
    case KC_DOWN: MovePlayer(-1); break;
    case KC_HOME: PlayerDir = turn_player(3, PlayerDir); turned(1); break;
    case KC_PGUP: PlayerDir = turn_player(4, PlayerDir); turned(1); break;
    case KC_LEFT: PlayerDir = turn_player(2, PlayerDir); turned(1); break;
    case KC_RIGHT: PlayerDir = turn_player(1, PlayerDir); turned(1); break;
    default: PlayerDir = turn_player(0, PlayerDir); turned(2); break;   // End, PgDn: about face
    }
    return 1;
}

// ---- zoom -------------------------------------------------------------------------------------

void command_zoom() {
    command_line("Zoom (in/out)");
    const int mode = Plr.movement_mode;
    if (mode == 4 || mode == 2 || (mode == 9 && items_being_moved())) {
        char words[100];
        copy_bounded(words, sizeof words, movement_desc());
        strlwr(words);
        Note(cantwhile("zoom out", words));
        return;
    }
    if (mode == 9) stopHauling(CRE_PLAYER);
    const int world = bigmap();
    const int wx = world ? PlayerX : IsoX(), wy = world ? PlayerY : IsoY();
    const int cell = get_alltime_maailmachar(wx, wy);
    const int ice = ice_thickness_worldmap(wx, wy);
    if (terrain_flag(cell, TF_WATER) && ice <= 0 && mode != 3) {
        Note(MSG("ZOOM_SHORE"));
        Note(MSG("ZOOM_MOVE_AWAY"));
        return;
    }
    if (!world && terrain_flag(cell, TF_WATER) && ice > 0) {
        float load = FullWeightLoad(CRE_PLAYER);
        if (ice_break_check(wx, wy, load, 1) == 1) {
            Note(MSG("ZOOM_ICE"));
            Note(MSG("ZOOM_MOVE_AWAY"));
            return;
        }
    }
    if (companyzoomcheck(1)) {
        LastMovingDirection = -1;      // no heading: a new local map is entered in its middle
        EnterLocale(0, 0);
    }
}

// ---- printable keys ---------------------------------------------------------------------------

static void toggle_debuglogs() {
    if (DEBUGLOG) {
        DEBUGLOG = 0;
        Note(MSG("DEBUGLOG_OFF"));
        return;
    }
    Note(MSG("DEBUGLOG_TOGGLE"));
    if (KyllaEi("Enable debug logs?")) {
        DEBUGLOG = 1;
        Note(MSG("DEBUGLOG_ON"));
        Note("#Your game may appear slower than normally. Press [&] again to disable debug logs.");
    }
}

static void rest_one_turn() {
    if (Plr.movement_mode == 2)
        WaterwayCheck(PlayerX, PlayerY);
    else
        Plr.exertion = 1;
    SecondTick(10, 0);
    TurnUsed = 1;
    Exit_Checking = 1;
    command_line("Rest/Pass a turn");
}

int command_printable(int key, int t) {
    switch (key) {
    case '!': Toimi(449, 0, ""); break;
    case '&': toggle_debuglogs(); break;
    case '*': Wizard(); break;
    case '-': MOVEDO_wait(); break;
    case '.': rest_one_turn(); break;
    case '0': case '1': case '2': case '3': case '9':
        if (t == 0) combat_command(key);
        break;
    case '7':
        if (t == 0) zoommap_maintenance();
        break;
    case '8':
        if (OXAINI_CONTROLLER) autoConnect(Oxalistener_controllerPort);
        break;
    case ':':
        command_describe(':');
        LookPosition(PlayerX, PlayerY, 1);
        break;
    case '?': HelpScreen(); break;
    case 'A':
        command_line("Armour coverage");
        save_page();
        armour_coverage(0, "");
        restore_page();
        break;
    case 'C': Toimi(450, 0, ""); break;
    case 'D':
        command_line("Discard items");
        pollution();
        break;
    case 'E': case 'e':
        command_describe('e');
        eatCmd();
        break;
    case 'L': Note(MSG("CHARACTER_LOG_GONE")); break;
    case 'P': show_profile(); break;
    case 'Q': {
        command_describe('Q');
        return Quit(0) ? 0 : 1;
    }
    case 'R': MOVEDO_run(); break;
    case 'T': Toimi(426, 0, ""); break;
    case 'W': Toimi(420, 0, ""); break;
    case 'X':
        command_line("Exchange weapons");
        Exchange();
        break;
    case 'a': Toimi(900, 0, ""); break;
    case 'c':
        command_describe('c');
        TurnUsed = (uint8_t)close_door();
        break;
    case 'd': Toimi(424, 0, ""); break;
    case 'f':
        command_describe('f');
        Toimi(33, 0, "");
        break;
    case 'h':
        command_describe('h');
        if (!non_outdoor()) Piiloudu();
        break;
    case 'i':
        command_describe('i');
        invCmd();
        break;
    case 'm': Toimi(700, 0, ""); break;
    case 'o':
        command_describe('o');
        TurnUsed = (uint8_t)open_door(0, 0);
        break;
    case 'p': Toimi(701, 0, ""); break;
    case 'q':
        command_describe('q');
        quaffCmd();
        break;
    case 'r':
        command_line("Repeat last action");
        Toimi(Komentohistoria, Komentotarkenne, Komentotekstitarkenne);
        break;
    case 's':
        command_line("Use skills");
        save_page();
        if (UseSkills() == 0) restore_page();
        break;
    case 't': Toimi(800, 0, ""); break;
    case 'v': MsgLog(); break;
    case 'w': Toimi(423, 0, ""); break;
    case 'x':
        command_describe('x');
        ValitseLokaatio(PICK_DIRECTION | PICK_OWN_SQUARE, "direction where to look");
        if (GeneralX || GeneralY) LookPosition(GeneralX, GeneralY, 1);
        break;
    default: break;
    }
    return 1;
}

// ---- function keys ----------------------------------------------------------------------------

static void scale_key(int direction) {
    const float before = mapDim.scale;
    mapScale(direction);
    if (direction != 0 && mapDim.scale != before) ClrMouseWheelBuffer();
    MapBorderInfo();
    DrawMap();
}

static void big_tiles_cycle() {
    big_tiles_mode = (big_tiles_mode + 1) % 3;
    LOADBIGNEWGFX = big_tiles_mode != 0;
    SCALENEWGFX = big_tiles_mode == 2;
    if (big_tiles_mode == 0) {
        DebugNote("no bigs");
    } else {
        DebugNote("load bigs");
        DebugNote(big_tiles_mode == 2 ? "scale bigs" : "no-scale bigs");
    }
    NewGfx_loadtiledata();
}

void command_function(int key) {
    switch (key) {
    case KC_F1:
        get_topics();
        INFO_MAPRESTORE = 1;
        game_info("START");
        INFO_MAPRESTORE = 0;
        break;
    case KC_F2: QuestScreen(); break;
    case KC_F4:
        save_page();
        InvocationMenu();
        restore_page();
        break;
    case KC_F5: TehtavaNaytto(); break;
    case KC_F6:
        save_page();
        MapView();
        restore_page();
        DrawMap();
        break;
    case KC_F7: PHYSICIAN(); break;
    case KC_F8:
        if (GRAPHICS_UPDATE) big_tiles_cycle();
        break;
    case KC_F9:
        Note(MSG("TILES_RELOADING"));
        NewGfx_loadtiledata();
        init_terrain_struct(Plr.day, Plr.month);
        DrawMap();
        Note(MSG("TILES_RELOADED"));
        break;
    case KC_SCALE0: scale_key(0); break;
    case KC_WHEEL_UP: scale_key(1); break;
    case KC_WHEEL_DOWN: scale_key(-1); break;
    default: break;
    }
}
