// src/game/command_keys.cpp -- the commands of the keys: turning and stepping in both movement
// schemes, zooming between the map levels, and the command table: every action code of the
// dispatcher and every printable and function key of the reader, one row per command.
#include "game/command.h"

#include "activities/actions.h"
#include "activities/cooking.h"
#include "game/toimi.h"
#include "activities/timber.h"
#include "activities/survival.h"
#include "activities/harvest.h"
#include "activities/fieldwork.h"
#include "activities/hidework.h"
#include "activities/butchery.h"
#include "activities/traps.h"
#include "activities/fishing.h"
#include "activities/building.h"
#include "activities/making.h"
#include "activities/mending.h"
#include "activities/vesselcmd.h"
#include "creatures/hauling.h"
#include "creatures/healing.h"
#include "creatures/condition.h"
#include "creatures/unpack.h"
#include "core/config.h"
#include "game/loader.h"
#include "game/mapupkeep.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/maintenance.h"
#include "game/turnloop.h"
#include "game/wizard.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "activities/itemcmd.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/marker.h"
#include "maps/mapunit.h"
#include "creatures/doors.h"
#include "activities/swimclimb.h"
#include "game/look.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "game/playerstep.h"
#include "maps/picker.h"
#include "maps/plrlink.h"
#include "maps/facing.h"
#include "maps/water.h"
#include "base/ui.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "society/chat.h"
#include "society/village.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"
#include "items/inventory.h"
#include "items/wearing.h"

#include <cstdio>
#include <cstring>

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
    case KEY_HOME: return 3;
    case KEY_UP: return 2;
    case KEY_PGUP: return 1;
    case KEY_LEFT: return 4;
    case KEY_RIGHT: return 0;
    case KEY_END: return 5;
    case KEY_DOWN: return 6;
    case KEY_PGDN: return 7;
    default: return -1;
    }
}

static int key_compass(int key) {
    switch (key) {
    case KEY_UP: return 0;
    case KEY_PGUP: return 1;
    case KEY_RIGHT: return 2;
    case KEY_PGDN: return 3;
    case KEY_DOWN: return 4;
    case KEY_END: return 5;
    case KEY_LEFT: return 6;
    case KEY_HOME: return 7;
    default: return -1;
    }
}

int command_direction(int key, int ctrl) {
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
    case KEY_UP: MovePlayer(1); break;
    case KEY_DOWN: MovePlayer(-1); break;
    case KEY_HOME: PlayerDir = turn_player(3, PlayerDir); turned(1); break;
    case KEY_PGUP: PlayerDir = turn_player(4, PlayerDir); turned(1); break;
    case KEY_LEFT: PlayerDir = turn_player(2, PlayerDir); turned(1); break;
    case KEY_RIGHT: PlayerDir = turn_player(1, PlayerDir); turned(1); break;
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

// Kick, punch and the attacks: not with keys typed ahead.
static int fight_key(int key, int, int t) {
    if (t == 0) combat_command(key);
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

static int big_tiles_mode = 0;     // 0 no big tiles, 1 unscaled, 2 scaled

// The developer's graphics-update key steps through the big-tile modes.
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

// ---- the command table -------------------------------------------------------------------------

using Work = void (*)(int value, const char *text);
using KeyWork = int (*)(int key, int ctrl, int typed_ahead);

enum : unsigned {
    REM = CMD_REMEMBERED, FIRST = CMD_LOCAL_FIRST, AFTER = CMD_LOCAL_AFTER, DESCRIBE = CMD_DESCRIBE,
    READER = CMD_BY_READER, UNLISTED = CMD_UNLISTED, WORLD_REFUSED = CMD_WORLD_REFUSED, GOES_ON = CMD_GOES_ON,
    MAIN_ONLY = CMD_HELP_MAIN_ONLY,
};

// An action of the dispatcher without a key of its own.
static constexpr Command act(int code, unsigned flags, Work run = nullptr) {
    return {code, 0, 0, BOUND_NONE, 0, nullptr, nullptr, flags, run, nullptr};
}
// An action that a fixed key runs with no argument and an empty text.
static constexpr Command act_key(int code, int key, const char *help, const char *detail, unsigned flags,
                                 Work run) {
    return {code, key, 0, BOUND_NONE, 0, help, detail, flags, run, nullptr};
}
// A command the reader carries out itself on a fixed key (null work: the reader tests the key).
static constexpr Command key_cmd(int key, const char *help, const char *detail, unsigned flags,
                                 KeyWork on_key = nullptr) {
    return {0, key, 0, BOUND_NONE, 0, help, detail, flags, nullptr, on_key};
}
// A bound key: its keys, the reader's step that tests them, its help and its work.
static constexpr Command bound_cmd(BoundKey bound, int key, int key2, ReaderStep step, const char *help,
                                   const char *detail, unsigned flags, KeyWork on_key) {
    return {0, key, key2, bound, step, help, detail, flags, nullptr, on_key};
}
// A bound key that runs an action of the dispatcher (its work, when given, runs in its place).
static constexpr Command bound_act(BoundKey bound, int key, ReaderStep step, int code, const char *help, Work run,
                                   KeyWork on_key = nullptr) {
    return {code, key, 0, bound, step, help, nullptr, 0, run, on_key};
}

// ---- the work of the bound keys ----------------------------------------------------------------

static int movemode_key(int, int, int) {
    menusel_Movemode();
    return 1;
}

static int farlook_key(int, int, int) {
    FarLook();
    return 1;
}

// Ctrl picks up and wields at once.
static int pickup_key(int key, int ctrl, int) {
    if (ctrl)
        command_line("Pick up and wield");
    else
        command_describe(key);
    pickupCmd(PlayerX, PlayerY, ctrl);
    return 1;
}

static int pickup_adjacent_key(int key, int ctrl, int) {
    if (ctrl) {
        command_line("Pick up and wield");
        PoimiSuunnasta(1);
    } else {
        command_describe(key);
        PoimiSuunnasta(0);
    }
    return 1;
}

static int stand_or_lay_key(int, int, int) {
    MOVEDO_stand_or_lay();
    return 1;
}

static int sleep_key(int, int, int) {
    if (!strcmp(inival("SLEEP_CONFIRMATION", "NO"), "YES") && !KyllaEi("Sleep now?")) return 1;
    command_line("Sleep");
    Toimi(ACTION_SLEEP, 0, "");
    return 1;
}

static int make_key(int, int, int) {
    command_line("Make");
    make_item();
    return 1;
}

static const Command commands[] = {
    // -- actions of the dispatcher, by code
    act(ACTION_CRAFT_ITEM, REM, [](int value, const char *text) { Tee(-1, value, text ? text : ""); }),
    act(ACTION_FELL_TREE, REM | AFTER, [](int, const char *) { felltimber(-1, 0, 0, 0); }),
    act(ACTION_CARVE_LOG, REM,
        [](int, const char *) { TIMBERCRAFT_chop(-1, 0, 0, ACTION_CARVE_LOG, 0); }),
    act(ACTION_CHOP_BLOCKS, REM,
        [](int, const char *) { TIMBERCRAFT_chop(-1, 0, 0, ACTION_CHOP_BLOCKS, 0); }),
    act(ACTION_SPLIT_FIREWOOD, REM,
        [](int, const char *) { TIMBERCRAFT_chop(-1, 0, 0, ACTION_SPLIT_FIREWOOD, 0); }),
    act(ACTION_PEEL_BARK, REM | AFTER, [](int, const char *) { TIMBERCRAFT_bark(); }),
    act(ACTION_SPLIT_BOARDS, REM,
        [](int, const char *) { TIMBERCRAFT_chop(-1, 0, 0, ACTION_SPLIT_BOARDS, 0); }),
    act(ACTION_GRIND_FLOUR, REM, [](int, const char *) { AGRICULTURE_jauhatus(); }),
    act(ACTION_THRESH, REM | AFTER,
        [](int, const char *) { AGRICULTURE_puinti(-1, PlayerX, PlayerY, -1000); }),
    act(ACTION_HARVEST, REM | AFTER, [](int, const char *) { AGRICULTURE_korjuu(); }),
    act(ACTION_PREPARE_SOIL, REM | AFTER, [](int, const char *) { AGRICULTURE_prepare_soil(); }),
    act(ACTION_PLANT, REM | AFTER, [](int, const char *) { AGRICULTURE_plant(); }),
    act(ACTION_CUT_BRANCHES, REM | AFTER,
        [](int, const char *) { SURVIVAL_branches(); }),
    act_key(ACTION_BUILD_FIRE, 'f', "Build a fire", nullptr, AFTER | DESCRIBE,
            [](int, const char *) { SURVIVAL_fire(); }),
    act(ACTION_ICE_HOLE, REM | AFTER, [](int, const char *) { SURVIVAL_icehole(); }),
    act(ACTION_SKIN_ANIMAL, REM, [](int, const char *) { HIDEWORK_skinCmd(); }),
    act(ACTION_CURE_SKIN, REM,
        [](int, const char *) { HIDEWORK_cure(-1, -1000, 1); }),
    act(ACTION_TAN_SKIN, REM, [](int, const char *) { HIDEWORK_pretan(); }),
    act(ACTION_DEHAIR, REM, [](int, const char *) { HIDEWORK_karvo(); }),
    act(ACTION_APPLY_TANNING, REM),
    act(ACTION_RINSE_SKIN, REM),
    act(ACTION_SOFTEN_SKIN, REM),
    act(ACTION_CLEAN_SKIN, REM, [](int, const char *) { HIDEWORK_puhdistus(); }),
    act(ACTION_SOAK_SKIN, REM),
    act(ACTION_ROASTED_MEAT, REM),
    act(ACTION_SALTED_MEAT, REM),
    act(ACTION_SMOKED_MEAT, REM),
    act(ACTION_DRY, REM, [](int, const char *) { Kokkaa(-1, ACTION_DRY, "", 0, 0); }),
    act(ACTION_SALT, REM, [](int, const char *) { Kokkaa(-1, ACTION_SALT, "", 0, 0); }),
    act(ACTION_BAKE, REM),
    act(ACTION_BOIL, REM, [](int, const char *) { Kokkaa(-1, ACTION_BOIL, "", 0, 0); }),
    act(ACTION_ROAST, REM, [](int, const char *) { Kokkaa(-1, ACTION_ROAST, "", 0, 0); }),
    act(ACTION_COOK, REM, [](int, const char *text) { TeeResepti(text ? text : ""); }),
    act(ACTION_SMOKE, REM, [](int, const char *) { Kokkaa(-1, ACTION_SMOKE, "", 0, 0); }),
    act(ACTION_WILD_FLOUR, REM),
    act(ACTION_JOIN_ROPES, REM, [](int, const char *) { TYING_join(); }),
    act(ACTION_SHORTEN_ROPES, REM, [](int, const char *) { TYING_shorten(); }),
    act(ACTION_WITHE, REM),
    act(ACTION_BUILD, REM | AFTER, [](int value, const char *) { branchRakenna(value & 0xff, 0); }),
    act(ACTION_LEATHER_BELT, REM, [](int, const char *) { TeeVaate("LEATHER BELT"); }),
    act(ACTION_LEATHER_CAP, REM, [](int, const char *) { TeeVaate("LEATHER CAP"); }),
    act(ACTION_LEATHER_SHIRT, REM, [](int, const char *) { TeeVaate("LEATHER SHIRT"); }),
    act(ACTION_LEATHER_LEGGINGS, REM, [](int, const char *) { TeeVaate("LEATHER LEGGINGS"); }),
    act(ACTION_LEATHER_SHOES, REM, [](int, const char *) { TeeVaate("LEATHER SHOES"); }),
    act(ACTION_FUR_CAP, REM, [](int, const char *) { TeeVaate("FUR CAP"); }),
    act(ACTION_FUR_SHIRT, REM, [](int, const char *) { TeeVaate("FUR SHIRT"); }),
    act(ACTION_FUR_MITTENS, REM, [](int, const char *) { TeeVaate("Fur mittens"); }),
    act(ACTION_FUR_LEGGINGS, REM, [](int, const char *) { TeeVaate("Fur leggings"); }),
    act(ACTION_FUR_HOOD, REM, [](int, const char *) { TeeVaate("Fur hood"); }),
    act(ACTION_FUR_FOOTWEAR, REM, [](int, const char *) { TeeVaate("Fur footwear"); }),
    act(ACTION_FUR_CLOAK, REM, [](int, const char *) { TeeVaate("Fur cloak"); }),
    act(ACTION_LEATHER_FOREARM_GUARDS, REM,
        [](int, const char *) { TeeVaate("LEATHER FOREARM GUARDS"); }),
    act(ACTION_LEATHER_SHIN_GUARDS, REM,
        [](int, const char *) { TeeVaate("LEATHER SHIN GUARDS"); }),
    act(ACTION_LEATHER_CUIRASS, REM, [](int, const char *) { TeeVaate("LEATHER CUIRASS"); }),
    act(ACTION_FUR_OVERCOAT, REM, [](int, const char *) { TeeVaate("FUR OVERCOAT"); }),
    act(ACTION_REPAIR_CLOTHES, REM, [](int, const char *) { Korjaa_Vaatteita(); }),
    act(ACTION_SET_TRAP, REM),
    act(ACTION_DISASSEMBLE_TRAP, REM, [](int, const char *) { Pura_Ansa(); }),
    act(ACTION_LEVER_TRAP, REM, [](int, const char *) { AsetaAnsa(ACTION_LEVER_TRAP, -1); }),
    act(ACTION_SMALL_DEADFALL, REM,
        [](int, const char *) { AsetaAnsa(ACTION_SMALL_DEADFALL, -1); }),
    act(ACTION_BIG_DEADFALL, REM, [](int, const char *) { AsetaAnsa(ACTION_BIG_DEADFALL, -1); }),
    act(ACTION_BEAR_DEADFALL, REM,
        [](int, const char *) { AsetaAnsa(ACTION_BEAR_DEADFALL, -1); }),
    act(ACTION_TRAP_PIT, REM, [](int, const char *) { AsetaAnsa(ACTION_TRAP_PIT, -1); }),
    act(ACTION_STAKED_PIT, REM,
        [](int, const char *) { AsetaAnsa(ACTION_STAKED_PIT, -1); }),
    act(ACTION_RESET_TRAP, REM, [](int, const char *) { AsetaAnsa(ACTION_RESET_TRAP, -1); }),
    act(ACTION_BAIT_TRAP, REM, [](int, const char *) { trap_improve(2); }),
    act_key(ACTION_WEAR, 'W', "Wear clothes or armor", nullptr, 0, [](int, const char *) { wearCmd(); }),
    act_key(ACTION_WIELD, 'w', "Wield a weapon or tools", nullptr, 0,
            [](int, const char *) { wieldCmd(-1000, 0); }),
    act_key(ACTION_DROP, 'd', "Drop something", nullptr, 0, [](int, const char *) { dropCmd(); }),
    act(ACTION_UNNAMED, 0),
    act_key(ACTION_TAKE_OFF, 'T', "Take off worn clothes or wielded weapons", nullptr, 0,
            [](int, const char *) { takeoffCmd(); }),
    act_key(ACTION_COMMAND_PETS, '!', "Command pets and companions", nullptr, REM,
            [](int, const char *) { Do_Talk(1); }),
    act_key(ACTION_TALK, 'C', "Chat (talk) with someone", nullptr, REM,
            [](int, const char *) { Do_Talk(0); }),
    act(ACTION_FILL, 0, [](int, const char *) { fillCmd(-1000); }),
    act(ACTION_GET_UP, 0, [](int, const char *) { Nouse(-1); }),
    act(ACTION_WOUNDS, 0, [](int, const char *) { Wounds(); }),
    act(ACTION_PACK_ANIMAL, REM),
    act(ACTION_UNPACK_ANIMAL, REM, [](int, const char *) { Pura_NPC(ACTION_UNPACK_ANIMAL, -1); }),
    act(ACTION_POUR, 0, [](int, const char *) { Kaada_Astiaan(-1000); }),
    act(ACTION_EMPTY, 0, [](int, const char *) { Tyhjenna_InventoryAstia(-1000); }),
    // Active fishing and setting a net share the routine: it reads the remembered code.
    act(ACTION_FISH, REM | FIRST, [](int, const char *) { Aktiivinen_Kalastus(-1000); }),
    act(ACTION_SET_NET, REM | FIRST, [](int, const char *) { Aktiivinen_Kalastus(-1000); }),
    act(ACTION_RETRIEVE_NET, REM | FIRST, [](int, const char *) { Koe_Verkko(0, 0); }),
    act(ACTION_DECONSTRUCT, REM, [](int, const char *) { Pura(-1, 0, 0); }),
    act(ACTION_CONTINUE, REM | AFTER, [](int, const char *) { branchRakenna(0, 0); }),
    act_key(ACTION_HAUL, 'm', "Move items", "Move items -- haul items around with you", FIRST,
            [](int, const char *) { moveCmd(); }),
    act_key(ACTION_PUSH, 'p', "Push/pack -- push items at your feet to an adjacent location or pack them on an animal",
            nullptr, FIRST,
            [](int, const char *) { pushCmd(0, 0, 0); }),
    act_key(ACTION_THROW, 't', "Throw something, or shoot an arrow", nullptr, FIRST,
            [](int, const char *) { combat_command('t'); }),
    act_key(ACTION_APPLY, 'a', "Apply (use) a tool or container", nullptr, 0,
            [](int, const char *) { superapplyCmd(); }),

    // -- keys the reader tests itself, in its own order
    key_cmd(KEY_ENTER, "Zoom in/out between wilderness and terrain map", nullptr, READER),
    key_cmd(KEY_ESC, "Help and game options", nullptr, READER),
    key_cmd(KEY_CTRL_S, "Save the game", nullptr, READER),

    // -- the bound keys, in the order the reader tests them
    bound_cmd(BOUND_MOVEMODE, '/', KEY_DELETE, STEP_AFTER_MOVES, "Movement and rest actions", nullptr, GOES_ON,
              movemode_key),
    bound_cmd(BOUND_FARLOOK, 'l', KEY_F3, STEP_AFTER_MENU, "Look around", "Look what is at chosen location", DESCRIBE,
              farlook_key),
    bound_cmd(BOUND_PICKUP, 'g', ',', STEP_AFTER_MENU, "Pick up something", nullptr, 0, pickup_key),
    bound_cmd(BOUND_PICKUP_ADJACENT, 'G', ';', STEP_AFTER_MENU, "Pick up from adjacent tile",
              "Pick up from adjacent tile, pack animal or companion", 0, pickup_adjacent_key),
    bound_act(BOUND_BUTCHER, 'b', STEP_PRINTABLE, ACTION_BUTCHER, "Butcher -- cut a carcass for meat",
              [](int, const char *) { BUTCHERY_cutCmd(); }),
    bound_cmd(BOUND_STAND_OR_LAY, 'u', 0, STEP_PRINTABLE, "Get up or lay down", nullptr, GOES_ON, stand_or_lay_key),
    // she lies down to sleep: not a doze
    bound_act(BOUND_SLEEP, 'Z', STEP_PRINTABLE, ACTION_SLEEP, "Sleep", [](int, const char *) { Sleep(0); },
              sleep_key),
    bound_cmd(BOUND_MAKE, 'M', '+', STEP_PRINTABLE, "Make items and constructions", nullptr, MAIN_ONLY, make_key),

    // -- printable keys of the reader
    key_cmd('&', nullptr, nullptr, UNLISTED, [](int, int, int) { toggle_debuglogs(); return 1; }),
    key_cmd('*', nullptr, nullptr, UNLISTED, [](int, int, int) { Wizard(); return 1; }),
    key_cmd('-', "Wait and rest until cancelled", nullptr, 0, [](int, int, int) { MOVEDO_wait(); return 1; }),
    key_cmd('.', "Wait for one turn", nullptr, 0, [](int, int, int) { rest_one_turn(); return 1; }),
    key_cmd('0', "Kick", nullptr, WORLD_REFUSED, fight_key),
    key_cmd('1', "Attack with 1st weapon", nullptr, WORLD_REFUSED, fight_key),
    key_cmd('2', "Attack with 2nd weapon", nullptr, WORLD_REFUSED, fight_key),
    key_cmd('3', "Repeat the last attack", nullptr, WORLD_REFUSED, fight_key),
    key_cmd('9', "Punch", nullptr, WORLD_REFUSED, fight_key),
    key_cmd('7', nullptr, nullptr, UNLISTED, [](int, int, int t) {
        if (t == 0) zoommap_maintenance();
        return 1;
    }),
    key_cmd('8', nullptr, nullptr, UNLISTED, [](int, int, int) {
        if (OXAINI_CONTROLLER) controller_announce();
        return 1;
    }),
    key_cmd(':', "Look what is at current location", nullptr, DESCRIBE, [](int, int, int) {
        LookPosition(PlayerX, PlayerY, 1);
        return 1;
    }),
    key_cmd('=', nullptr, nullptr, UNLISTED, make_key),   // the key beside '+' makes too, with no help of its own
    key_cmd('?', nullptr, nullptr, UNLISTED, [](int, int, int) { HelpScreen(); return 1; }),
    key_cmd('A', "Armour coverage statistics", nullptr, 0, [](int, int, int) {
        command_line("Armour coverage");
        save_page();
        armour_coverage(0, "");
        restore_page();
        return 1;
    }),
    key_cmd('D', nullptr, nullptr, UNLISTED, [](int, int, int) {
        command_line("Discard items");
        pollution();
        return 1;
    }),
    key_cmd('E', "Eat something", nullptr, DESCRIBE, [](int, int, int) { eatCmd(); return 1; }),
    key_cmd('e', "Eat something", nullptr, DESCRIBE, [](int, int, int) { eatCmd(); return 1; }),
    key_cmd('L', nullptr, nullptr, UNLISTED, [](int, int, int) { Note(MSG("CHARACTER_LOG_GONE")); return 1; }),
    key_cmd('P', "Character profile", nullptr, 0, [](int, int, int) { show_profile(); return 1; }),
    key_cmd('Q', "Quit and optionally save the game", nullptr, DESCRIBE, [](int, int, int) { return Quit(0) ? 0 : 1; }),
    key_cmd('R', "Run", nullptr, 0, [](int, int, int) { MOVEDO_run(); return 1; }),
    key_cmd('X', "Exchange wielded weapons", nullptr, 0, [](int, int, int) {
        command_line("Exchange weapons");
        Exchange();
        return 1;
    }),
    key_cmd('c', "Close a door or gate", nullptr, DESCRIBE | WORLD_REFUSED, [](int, int, int) {
        TurnUsed = (uint8_t)close_door();
        return 1;
    }),
    key_cmd('h', "Hide", nullptr, DESCRIBE, [](int, int, int) {
        if (!non_outdoor()) Piiloudu();
        return 1;
    }),
    key_cmd('i', "Inventory", "Inventory -- look at what you are carrying ", DESCRIBE, [](int, int, int) {
        invCmd();
        return 1;
    }),
    key_cmd('o', "Open a door or gate", nullptr, DESCRIBE | WORLD_REFUSED, [](int, int, int) {
        TurnUsed = (uint8_t)open_door(0, 0);
        return 1;
    }),
    key_cmd('q', "Quaff (drink) something", nullptr, DESCRIBE, [](int, int, int) { quaffCmd(); return 1; }),
    key_cmd('r', "Repeat the last action", nullptr, 0, [](int, int, int) {
        command_line("Repeat last action");
        Toimi(Komentohistoria, Komentotarkenne, Komentotekstitarkenne);
        return 1;
    }),
    key_cmd('s', "Skills -- view and use your skills", nullptr, 0, [](int, int, int) {
        command_line("Use skills");
        save_page();
        if (UseSkills() == 0) restore_page();
        return 1;
    }),
    key_cmd('v', "View message log", nullptr, 0, [](int, int, int) { MsgLog(); return 1; }),
    key_cmd('x', "Look to a direction", nullptr, DESCRIBE, [](int, int, int) {
        ValitseLokaatio(PICK_DIRECTION | PICK_OWN_SQUARE, "direction where to look");
        if (GeneralX || GeneralY) LookPosition(GeneralX, GeneralY, 1);
        return 1;
    }),

    // -- function keys and the other extended keys
    key_cmd(KEY_F1, "Game encyclopedia; a hypertext guide", nullptr, 0, [](int, int, int) {
        game_encyclopedia();
        return 1;
    }),
    key_cmd(KEY_F2, "Quest journal", nullptr, 0, [](int, int, int) { QuestScreen(); return 1; }),
    key_cmd(KEY_F4, "Spells and magic means", nullptr, 0, [](int, int, int) {
        save_page();
        InvocationMenu();
        restore_page();
        return 1;
    }),
    key_cmd(KEY_F5, "Game course information", nullptr, 0, [](int, int, int) { TehtavaNaytto(); return 1; }),
    key_cmd(KEY_F6, "Map of known areas", nullptr, 0, [](int, int, int) {
        save_page();
        MapView();
        restore_page();
        DrawMap();
        return 1;
    }),
    key_cmd(KEY_F7, "Wounds and injuries", nullptr, 0, [](int, int, int) { PHYSICIAN(); return 1; }),
    key_cmd(KEY_F8, nullptr, nullptr, UNLISTED, [](int, int, int) {
        if (GUPD) big_tiles_cycle();
        return 1;
    }),
    key_cmd(KEY_F9, nullptr, nullptr, UNLISTED, [](int, int, int) {
        Note(MSG("TILES_RELOADING"));
        NewGfx_loadtiledata();
        init_terrain_struct(Plr.day, Plr.month);
        DrawMap();
        Note(MSG("TILES_RELOADED"));
        return 1;
    }),
    key_cmd(KEY_CTRL_0, nullptr, nullptr, UNLISTED, [](int, int, int) { scale_key(0); return 1; }),
    key_cmd(KEY_WHEEL_UP, nullptr, nullptr, UNLISTED, [](int, int, int) { scale_key(1); return 1; }),
    key_cmd(KEY_WHEEL_DOWN, nullptr, nullptr, UNLISTED, [](int, int, int) { scale_key(-1); return 1; }),
};

const Command *command_rows(int &count) {
    count = (int)(sizeof commands / sizeof commands[0]);
    return commands;
}

const Command *command_by_code(int code) {
    if (code == ACTION_NONE) return nullptr;
    for (const Command &c : commands)
        if (c.code == code) return &c;
    return nullptr;
}

const Command *command_by_key(int key) {
    if (key == 0) return nullptr;
    for (const Command &c : commands)
        if (c.bound == BOUND_NONE && c.key == key) return &c;
    return nullptr;
}

const Command *command_bound(int bound) {
    if (bound == BOUND_NONE) return nullptr;
    for (const Command &c : commands)
        if (c.bound == bound) return &c;
    return nullptr;
}

int bound_key(BoundKey bound) {
    const Command *c = command_bound(bound);
    return c ? c->key : 0;
}

static bool bound_row_of(const Command &c, int key) {
    return c.bound != BOUND_NONE && key != 0 && (c.key == key || c.key2 == key);
}

const Command *command_help_row(int key) {
    for (const Command &c : commands)
        if (bound_row_of(c, key) && (c.key == key || !(c.flags & CMD_HELP_MAIN_ONLY))) return &c;
    return command_by_key(key);
}

int command_world_refused(int key) {
    for (const Command &c : commands)
        if ((c.flags & CMD_WORLD_REFUSED) && key != 0 && (c.key == key || c.key2 == key)) return 1;
    return 0;
}

// A key's row: its help line when asked for, then the reader's own work, or the action with no
// argument.
static int carry_out(const Command &c, int key, int ctrl, int t) {
    if (c.flags & CMD_DESCRIBE) command_describe(key);
    if (c.on_key) return c.on_key(key, ctrl, t);
    if (c.code != ACTION_NONE) Toimi(c.code, 0, "");
    return 1;
}

int command_bound_step(int step, int key, int ctrl, int t, int *answer) {
    for (const Command &c : commands) {
        if (c.step != step || !bound_row_of(c, key)) continue;
        const int r = carry_out(c, key, ctrl, t);
        if (c.flags & CMD_GOES_ON) continue;
        *answer = r;
        return 1;
    }
    return 0;
}

// A fixed key of the table.
static int run_key(int key, int ctrl, int t) {
    const Command *c = command_by_key(key);
    return c ? carry_out(*c, key, ctrl, t) : 1;
}

int command_printable(int key, int t) { return run_key(key, 0, t); }

void command_function(int key) { run_key(key, 0, 0); }
