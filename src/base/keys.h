// src/base/keys.h -- the game's key codes: what the screen's key reader answers for a key, a click, a
// turn of the wheel or a window event, and what menus, lists and the command table take as keys. A
// typed character is its own code (1 to 255); every other code the game knows is named here, once.
#pragma once

enum {
    KEY_BACKSPACE = 8,
    KEY_ENTER = 13,                // Enter, keypad Enter, a left click
    KEY_ESC = 27,
    KEY_SPACE = 32,
    KEY_TAB = 1020,
    KEY_MENU_F1 = 1030,            // a menu entry that F1 chooses (shown as "F1.")
    KEY_F1 = 1059, KEY_F2 = 1060, KEY_F3 = 1061, KEY_F4 = 1062, KEY_F5 = 1063, KEY_F6 = 1064, KEY_F7 = 1065,
    KEY_F8 = 1066, KEY_F9 = 1067,
    KEY_F10 = 1068,                // also announces the game to the controller again
    KEY_HOME = 1071,               // Home, keypad 7
    KEY_UP = 1072,                 // Up, keypad 8
    KEY_PGUP = 1073,               // Page Up, keypad 9
    KEY_LEFT = 1075,               // Left, keypad 4
    KEY_RIGHT = 1077,              // Right, keypad 6
    KEY_END = 1079,                // End, keypad 1
    KEY_DOWN = 1080,               // Down, keypad 2
    KEY_PGDN = 1081,               // Page Down, keypad 3
    KEY_PAD5 = 1082,               // keypad 5: "here" (rests a turn, picks the own square)
    KEY_ALT_MINUS = 1096,          // Alt with "-": rest until rested
    KEY_CTRL_0 = 1097,             // Ctrl with "0": the map's scale reset
    KEY_WHEEL_UP = 1098,           // the wheel up, or Ctrl with "+" or "="
    KEY_WHEEL_DOWN = 1099,         // the wheel down, or Ctrl with "-"
    KEY_CTRL_S = 1100,
    KEY_DELETE = 1500,
    KEY_FREECLICK = 1510,          // a list's answer to a click outside its entries (or Enter)
    KEY_RCLICK = 1511,             // the right mouse button, at MOUSE_X, MOUSE_Y
    KEY_ALT_A = 2000,              // Alt with a letter: KEY_ALT_A + 0 .. 25
    KEY_ALT_Z = 2025,
    KEY_QUIT = -1,                 // the window was closed; also the mouse moved
    KEY_IDLE = -2,                 // the idle timer's tick
    KEY_WINDOW = -42,              // a window event: the caller redraws
    KEY_CONTROLLER = -99,          // (the reader's own) a controller message waits
};
