// src/core/command.h -- the command reader: the housekeeping before each command, one key from the
// input layer, and the command that the key calls for, in a fixed order of tests.
#pragma once
#include "base/keys.h"

// Key bindings, compared with the key instead of literals.
extern int HOTKEY_pickup_adjacent, SECKEY_pickup_adjacent, HOTKEY_pickup, SECKEY_pickup, HOTKEY_make,
    SECKEY_make, HOTKEY_movemode, SECKEY_movemode, HOTKEY_farlook, SECKEY_farlook, HOTKEY_butcher,
    HOTKEY_sleep, HOTKEY_stand_or_lay;

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
// both. A key is either fixed (`key`) or a key binding above (`binding`, with `binding2` when the help
// answers to the second key as well). Rows with a fixed key below 255 or of a function key are
// dispatched through the table; the reader tests the bound keys, Enter, Esc and Ctrl+S itself, in
// its own order, and only shows the table's help for them.
enum CommandFlags : unsigned {
    CMD_REMEMBERED = 1,            // stored as the command to repeat
    CMD_LOCAL_FIRST = 2,           // refused on the world map before anything is stored
    CMD_LOCAL_AFTER = 4,           // refused on the world map after it is stored
    CMD_DESCRIBE = 8,              // the key shows its help line on the command line first
    CMD_BY_READER = 16,            // the reader carries out the key itself (help only here)
    CMD_UNLISTED = 32,             // a developer's or retired key: no help line ("some action")
};

struct Command {
    int code;                      // action code (activities/toimi.h), 0 for a key of the reader
    int key;                       // fixed game key code, 0 none
    const int *binding;            // or the key binding variable, null none
    const int *binding2;           // its second key, when the help answers to it too
    const char *name;              // the action's display name, null nameless
    const char *help;              // the key's help line, null none
    const char *help_detail;       // its longer wording, null when the same
    unsigned flags;                // CMD_*
    void (*run)(int value, const char *text);      // the action's work, null none
    int (*on_key)(int key, int typed_ahead);       // the reader's own command; answers as PlayerAction
};

const Command *command_rows(int &count);     // the whole table, in its order
const Command *command_by_code(int code);    // the row of an action code; null for 0 and unknown
const Command *command_by_key(int key);      // the row of a fixed key; null when none
