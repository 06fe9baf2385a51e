// src/presentation/input.h -- keyboard, mouse and window events turned into game key codes.
#pragma once
#include <SDL2/SDL.h>
#include <cstdint>

enum {
    KEY_ENTER = 13, KEY_ESC = 27, KEY_BACKSPACE = 8, KEY_DELETE = 1500, KEY_CTRL_S = 1100,
    KEY_ALT_A = 2000, KEY_TAB = 1020, KEY_F10 = 1068, KEY_WHEEL_UP = 1098, KEY_WHEEL_DOWN = 1099,
    KEY_IDLE = -2, KEY_QUIT = -1, KEY_WINDOW = -42, KEY_CONTROLLER = -99
};

// The rest of the game key codes, for callers that compare them by name.
enum {
    KEY_SPACE = 32, KEY_FN1 = 1059, KEY_FN9 = 1067, KEY_HOME = 1071, KEY_UP = 1072, KEY_PGUP = 1073,
    KEY_LEFT = 1075, KEY_RIGHT = 1077, KEY_END = 1079, KEY_DOWN = 1080, KEY_PGDN = 1081, KEY_PAD5 = 1082,
    KEY_ALT_MINUS = 1096, KEY_CTRL_0 = 1097, KEY_FREECLICK = 1510,
    KEY_RCLICK = 1511              // the right mouse button, at MOUSE_X, MOUSE_Y
};

extern int CLOSE_WINDOW;           // the window's close button was pressed
extern int XOUT_OK;                // closing the window at the menu quits

extern char getkeystring[100];     // text of the last text-input event; empty for a key press
extern char ControllerMSG[1024];   // the last controller message
extern SDL_Event ownlib_event;     // the last event taken
extern uint16_t modifier;          // modifier state of the last key
extern int scancode;               // its scan code
extern int MOUSECLICK, ENTERCLICK; // the last code came from the mouse / Enter chose in a list
extern int MOUSE_X, MOUSE_Y;       // mouse in the 800 x 600 game screen
extern int MOUSE_WINX, MOUSE_WINY; // mouse in window pixels
extern int MOUSE_XREL, MOUSE_YREL; // the last relative motion
extern int GETKEY_NUMPADNUMBERS;   // keypad digits give digits instead of directions
extern int DISABLE_RESIZE, WINX_SAVED, WINY_SAVED, WINW_SAVED, WINH_SAVED;
extern int CTRL_DOWN;

int getkey();                      // waits for the next game key code
int getkeypress();                 // flips, clears the queue, waits for a code of 1 or more (-1 on close)
int kbhit();                       // 1 when a key waits, without reading it
int kb_hit();                      // takes one waiting event: its key symbol, 1 for a click, else 0
int gethitkey();                   // the key symbol of the event kb_hit took
void ClearEventMemory();           // forget held keys and flush pending events
int WindowClosed();                // the window was closed during the last wait (its -1 is no mouse motion)

void GetKeyMode_NumpadNumbers(int on);
int key_event(char *text, SDL_Keysym *keysym);           // the raw wait; text holds 100 bytes
int processed_keysym(const char *text, const SDL_Keysym *keysym);
int processed_controller_keysym();

void clrevents();                  // drains every queued event and restarts text input
void IgnoreUpcomingText();         // drains every queued event
void ClrMouseWheelBuffer();
void IgnoreUpcomingLetter(char c);
void clrmodkeys();
int ClrKeyBuffer();                // trims key repeat; answers the number of repeats dropped

void verifymousepos();
int MouseClick();
int EnterClick();
void RESIZE_off();
void RESIZE_on();
void AdjustedDelay(uint32_t start, int ms);
char *GetEventName(const SDL_Event *event);   // scratch text
char *keytobutstr(int code);                   // scratch text naming a key for a button
void Xout();
void keydebug(const char *text);
void filedebug(const char *a, const char *b, int n);
