// src/core/command.h -- the command reader: the housekeeping before each command, one key from the
// input layer, and the command that the key calls for, in a fixed order of tests.
#pragma once

// Key bindings, compared with the key instead of literals.
extern int HOTKEY_pickup_adjacent, SECKEY_pickup_adjacent, HOTKEY_pickup, SECKEY_pickup, HOTKEY_make,
    SECKEY_make, HOTKEY_movemode, SECKEY_movemode, HOTKEY_farlook, SECKEY_farlook, HOTKEY_butcher,
    HOTKEY_sleep, HOTKEY_stand_or_lay;

// Game key codes the reader names.
enum {
    KC_ENTER = 13, KC_ESC = 27, KC_F1 = 1059, KC_F2 = 1060, KC_F3 = 1061, KC_F4 = 1062, KC_F5 = 1063,
    KC_F6 = 1064, KC_F7 = 1065, KC_F8 = 1066, KC_F9 = 1067, KC_HOME = 1071, KC_UP = 1072, KC_PGUP = 1073,
    KC_PADMINUS = 1074, KC_LEFT = 1075, KC_PAD5 = 1076, KC_RIGHT = 1077, KC_PADPLUS = 1078, KC_END = 1079,
    KC_DOWN = 1080, KC_PGDN = 1081, KC_INSERT = 1082, KC_REST = 1096, KC_SCALE0 = 1097, KC_WHEEL_UP = 1098,
    KC_WHEEL_DOWN = 1099, KC_CTRL_S = 1100, KC_DELETE = 1500, KC_ALT_A = 2000, KC_ALT_Z = 2025,
    KC_IDLE = -2, KC_CLOSED = -1,
};

int PlayerAction();                // 1 play on, 0 the turn loop ends
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
