// src/game/command.cpp -- the command reader: housekeeping before the key, the key's pre-processing
// and the fixed order in which keys are tested.
#include "game/command.h"
#include "creatures/ancestors.h"
#include "game/loader.h"

#include "core/config.h"
#include "core/datafunc.h"
#include "game/scenario.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "game/turnloop.h"
#include "game/wizard.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "activities/itemcmd.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "creatures/doors.h"
#include "game/look.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "base/debuglog.h"
#include "base/ui.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "base/ui.h"
#include "activities/skilluse.h"
#include "items/inventory.h"
#include "items/matching.h"

#include <cstdio>
#include <cstring>

static void housekeeping_map() {
    DISABLE_MAP = 0;
    NOUPDATE_RC = 0;
    if (REAL_QUIT == -1) DISABLE_MAP = 1;
}

// 0 when the game is being left; else the housekeeping is done and a key may be read.
static int housekeeping(int &scenario_ran) {
    scenario_ran = 0;
    housekeeping_map();
    TurnUsed = 0;
    if (!(terrain_flag(get_mapchar(PlayerX, PlayerY), TF_TREE) && !bigmap())) ALL_SEE = 0;
    TARGET_NPC = -1;
    AsetaPonnistelu(CRE_PLAYER, 2);
    if (Plr.movement_mode == 2) {
        AsetaPonnistelu(CRE_PLAYER, 2);
        WaterwayCheck(PlayerX, PlayerY);
    }
    Plr.command_flags = 0;
    tarvike_snapshot_drop();   // the works of the last command are over
    Siivoa_DATA();
    if (Data[DATA_DTEMP_SCAN_LAST].type != DT_UNUSED && Data[DATA_DTEMP_SCAN_LAST].type != DT_FREED) {
        Siisti_DATA(100);
        Siivoa_DATA();
    }
    if (REAL_QUIT == -1) return 0;
    clockbox();
    clear_noises();
    Tehtava_TapahtumaTarkistus();
    if (Plr.course_index != -1) Tehtava_Muistutus();
    Darken_Notes = 1;
    clear_look();
    if (Plr.scenario > 0) {
        start_scenario();
        laske_Load(CRE_PLAYER);
        Statistics();   // no turn passes: the panel shows the kit's weight now
        scenario_ran = 1;
        return 1;
    }
    note_lines_since_pause = 0;
    fclose_TEKODATA_F();
    wizard_turn_duties();
    if (RUN_OBJMAINT) object_maintenance();
    Nayta_Komentohistoria(0);
    command_line("");
    return 1;
}

int Character_Saved = 0;

// The quit ends in death: she "quit living".
static int quit_dying(int closed) {
    Plr.death_cause = DEATH_QUIT;
    PlayerDeath();
    FLIP_map_OFF();
    if (closed) EXIT_CLOSE_GAME = 1;
    return 1;
}

static int closed_in_a_row = 0;    // commands read from a closed window, one after the other
static int nobody_reads = 0;       // the screenless reader is out of keys: its "no" is nobody's answer

// The player answered the quit questions: a close after this asks them again.
static void quit_answered() {
    if (!nobody_reads) closed_in_a_row = 0;
}

static int quit_cancelled() {
    quit_answered();
    Note("#Quit cancelled, the gameplay continues.");
    return 0;
}

// Leaves the game: with the character saved, or dead (quitting without a save, and always in the
// museum); 0 when the player stays. Ctrl+S (flag 1) saves at once. A save that fails keeps the game
// running (the note said why), so the player can try again; the close button then ends nothing.
int Quit(int flag) {
    if (flag) {
        if (!Save(SAVE_EXPLICIT)) return 0;
        FLIP_map_OFF();
        return 1;
    }
    const int closed = CLOSE_WINDOW;
    Character_Saved = CLOSE_WINDOW = XOUT_OK = EXIT_CLOSE_GAME = 0;
    // A window closed again while a question stands has nobody behind it: the game is left, and the
    // questions after it are not asked; she is saved (in the museum, which saves nothing, she dies).
    auto gone = [&] { return closed && CLOSE_WINDOW; };
    Note(PELIMUSEO_EDIT ? "#You are about to quit playing." : "#You are about to quit playing and save your character.");
    if (!KyllaEi("Are you sure?") && !gone()) return quit_cancelled();
    if (PELIMUSEO_EDIT) {
        if (gone()) return quit_dying(closed);
        Note("!Your character can not be saved in this museum version of the game.");
        if (!KyllaEi("Do you really want to quit?") && !gone()) return quit_cancelled();
        return quit_dying(closed);
    }
    if (!gone() && !KyllaEi("Save your character?") && !gone()) {
        Note("!Your character will die if you don't save now!");
        if (KyllaEi("Do you wish to die?") && !gone()) return quit_dying(closed);
    }
    const bool nobody = gone();
    CLOSE_WINDOW = 0;
    if (!Save(SAVE_EXPLICIT)) {
        if (!nobody) quit_answered();
        Note("#The gameplay continues.");
        return 0;
    }
    Character_Saved = 1;
    if (!nobody) Pause();
    FLIP_map_OFF();
    REAL_QUIT = -1;
    if (closed) EXIT_CLOSE_GAME = 1;
    return 1;
}

void command_reset() { closed_in_a_row = 0; }

int PlayerAction() {
    int scenario_ran;
    if (!housekeeping(scenario_ran)) return 0;
    if (scenario_ran) return 1;

    CLOSE_WINDOW = 0;
    const UiCommandKey read = ui_command_key();
    if (read.closed) CLOSE_WINDOW = 1;
    nobody_reads = read.closed;
    const int typed_ahead = read.typed_ahead;
    int key = read.key;
    const int ctrl = read.ctrl;

    // A closed window (or a queue that nobody will ever fill) answers -1 or Esc with CLOSE_WINDOW set.
    const int closed = (key == KEY_QUIT || key == KEY_ESC) && CLOSE_WINDOW;
    // A close goes through the ordinary quit question; a window still closed at the next command,
    // with no answer given between, leaves the game, so that the loop never waits on a window nobody
    // can answer.
    closed_in_a_row = closed ? closed_in_a_row + 1 : 0;
    if (closed_in_a_row >= 2) {
        closed_in_a_row = 0;
        REAL_QUIT = -1;
        return 0;
    }
    if (closed) key = 'Q';
    if (key == KEY_IDLE) {
        // Nothing changes while nobody plays but flames, ripples and rain: a still view is left alone.
        if (VIEW_ANIMATES) DrawMap();
        key = 0;
    }
    IDLETIMER_ENABLED = 0;
    if (MouseClick()) {
        Note(MSG("COMMAND_BY_KEYBOARD"));
        Note("=Press [ESC] or [?] to see list of commands.");   // brackets are not keys here
        key = 0;
    }
    FIRESAFE = 0;
    remove("itemuse.deb");

    // The quit question sees the closed window: it saves and leaves when nobody answers it.
    const int r = command_dispatch(key, ctrl, typed_ahead);
    if (CLOSE_WINDOW && !closed && REAL_QUIT != -1) {
        // The window was closed inside another command: the game is saved before the program ends;
        // a save that fails keeps the game running. A character who died in it is never saved again.
        if (Save(SAVE_EXPLICIT)) EXIT_CLOSE_GAME = 1;
        CLOSE_WINDOW = 0;
    }
    return r;
}

int command_dispatch(int key, int ctrl, int t) {
    int answer = 1;
    if (key == KEY_ENTER) command_zoom();
    if (key >= KEY_ALT_A && key <= KEY_ALT_Z) KaytaNappaintaitoa(key - KEY_ALT_A);
    if (key == KEY_ALT_MINUS) MOVEDO_restfatigue();
    if (command_direction(key, ctrl)) return 1;
    if (command_bound_step(STEP_AFTER_MOVES, key, ctrl, t, &answer)) return answer;
    if (key == KEY_ESC) key = HelpOptionsMenu();
    if (key == KEY_PAD5) {
        key = '.';
    } else if (!PELIMUSEO_EDIT && key == KEY_CTRL_S) {
        command_describe(KEY_CTRL_S);
        // A save that failed leaves the game running: the player can try again.
        return Quit(1) ? 0 : 1;
    }
    if (command_bound_step(STEP_AFTER_MENU, key, ctrl, t, &answer)) return answer;
    if (key >= 1 && key <= 254) {
        if (t == 0 && command_world_refused(key) && bigmap()) {
            Note("!That's not allowed on the wilderness map! Press [ENTER] to zoom on the local terrain map.");
            return 1;
        }
        if (command_bound_step(STEP_PRINTABLE, key, ctrl, t, &answer)) return answer;
        return command_printable(key, t);
    }
    if (key >= 1000) command_function(key);
    return 1;
}
