// src/game/command.h -- the command reader: the housekeeping before each command, one key from the
// input layer, and the command that the key calls for, in a fixed order of tests.
#pragma once
#include "base/keys.h"
#include "core/commandcodes.h"   // the action codes and the bound keys

#include <cstdint>

int PlayerAction();                // 1 play on, 0 the turn loop ends
// Leaves the game: 0 asks first (save, or die without a save; in the museum quitting is dying), 1
// saves at once. Non-zero when the game is left; a save that fails keeps it running.
int Quit(int mode);
extern int Character_Saved;        // the last quit saved the character
void command_reset();              // per-game

// The command of one key after the housekeeping; `ctrl` says Ctrl was held and `typed_ahead`
// counts the key presses that were already waiting. Answers as PlayerAction.
int command_dispatch(int key, int ctrl, int typed_ahead);

// Parts of the dispatch, by topic (command_keys.cpp).
int command_direction(int key, int ctrl);    // 1 when the key was a direction key
void command_zoom();
int command_printable(int key, int typed_ahead);
void command_function(int key);
void command_line(const char *text);         // the command line of the status panel
void command_describe(int key);              // the key's help line on the command line

// ---- the command table (command_keys.cpp) ------------------------------------------------------
// One row per command: an action of the dispatcher (a code, run by Toimi), a key of the reader, or
// both. A key is fixed or bound. Rows with a fixed key below 255 or of a function key are dispatched
// through the table; Enter, Esc and Ctrl+S the reader tests itself and only shows their help. A bound
// key is its row and nothing else: its keys (a main key and a second one), the step of the reader
// that tests it, what it does there, its world-map rule and its help. At each step the reader tests
// the bound rows of that step in the table's order, and the first whose key it is acts.


// Where the reader tests a bound key: right after the direction keys; after Esc's menu and Ctrl+S;
// or, a key with a character, after the world map's refusal and before the table of such keys.
enum ReaderStep : uint8_t { STEP_AFTER_MOVES = 1, STEP_AFTER_MENU, STEP_PRINTABLE };

enum CommandFlags : unsigned {
    CMD_REMEMBERED = 1,            // stored as the command to repeat
    CMD_LOCAL_FIRST = 2,           // refused on the world map before anything is stored
    CMD_LOCAL_AFTER = 4,           // refused on the world map after it is stored
    CMD_DESCRIBE = 8,              // the key shows its help line on the command line first
    CMD_BY_READER = 16,            // the reader carries out the key itself (help only here)
    CMD_UNLISTED = 32,             // a developer's or retired key: no help line ("some action")
    CMD_WORLD_REFUSED = 64,        // the reader refuses the key on the world map unless typed ahead
    CMD_GOES_ON = 128,             // a bound key: after its work the reader's later tests see the key
    CMD_HELP_MAIN_ONLY = 256,      // a bound key: the help answers to the main key only
};

struct Command {
    int code;                      // action code (core/commandcodes.h, which names it), 0 for a key of the reader
    int key;                       // game key code: the fixed key, or a bound key's main key; 0 none
    int key2;                      // a bound key's second key, 0 none
    uint8_t bound;                 // BoundKey; BOUND_NONE for a fixed key
    uint8_t step;                  // ReaderStep of a bound key, 0 for a fixed key
    const char *help;              // the key's help line, null none
    const char *help_detail;       // its longer wording, null when the same
    unsigned flags;                // CMD_*
    void (*run)(int value, const char *text);      // the action's work, null none
    // The reader's own work of the key; answers as PlayerAction. Null: the action code runs.
    int (*on_key)(int key, int ctrl, int typed_ahead);
};

const Command *command_rows(int &count);     // the whole table, in its order
const Command *command_by_code(int code);    // the row of an action code; null for 0 and unknown
const Command *command_by_key(int key);      // the row of a fixed key; null when none
const Command *command_bound(int bound);     // the row of a BoundKey; null for BOUND_NONE
int bound_key(BoundKey bound);               // a bound key's main key
// The row whose help answers to the key: the bound keys first, then the fixed ones; null none.
const Command *command_help_row(int key);
// The reader's step: the bound rows of that step whose key it is do their work, in the table's
// order, until one that does not go on; 1 when one did not (its answer in *answer), else 0.
int command_bound_step(int step, int key, int ctrl, int typed_ahead, int *answer);
// 1 when a row says the key is refused on the world map (keys typed ahead pass).
int command_world_refused(int key);
