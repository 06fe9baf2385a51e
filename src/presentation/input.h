// src/presentation/input.h -- keyboard, mouse and window events turned into game key codes.
#pragma once

enum {
    KEY_ENTER = 13, KEY_ESC = 27, KEY_BACKSPACE = 8, KEY_DELETE = 1500, KEY_CTRL_S = 1100,
    KEY_ALT_A = 2000, KEY_TAB = 1020, KEY_F10 = 1068, KEY_WHEEL_UP = 1098, KEY_WHEEL_DOWN = 1099,
    KEY_IDLE = -2, KEY_QUIT = -1, KEY_WINDOW = -42, KEY_CONTROLLER = -99
};

extern int CLOSE_WINDOW;           // the window's close button was pressed
extern int XOUT_OK;                // closing the window at the menu quits

int getkey();                      // waits for the next game key code
int kbhit();                       // 1 when a key waits, without reading it
void ClearEventMemory();           // forget held keys and flush pending events
