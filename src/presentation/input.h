// src/presentation/input.h -- keyboard, mouse and window events turned into game key codes.
#pragma once
#include "base/ui.h"

#include <SDL2/SDL.h>
#include <cstdint>

extern char getkeystring[100];     // text of the last text-input event; empty for a key press
extern char ControllerMSG[1024];   // the last controller message
extern SDL_Event ownlib_event;     // the last event taken
extern uint16_t modifier;          // modifier state of the last key
extern int scancode;               // its scan code
extern int ENTERCLICK;             // Enter chose in a list
extern int MOUSE_WINX, MOUSE_WINY; // mouse in window pixels
extern int MOUSE_XREL, MOUSE_YREL; // the last relative motion
extern int GETKEY_NUMPADNUMBERS;   // keypad digits give digits instead of directions
extern int DISABLE_RESIZE, WINX_SAVED, WINY_SAVED, WINW_SAVED, WINH_SAVED;
extern int CTRL_DOWN;

void GetKeyMode_NumpadNumbers(int on);
int key_event(char *text, SDL_Keysym *keysym);           // the raw wait; text holds 100 bytes
// How many times the reader has found the queue empty and gone to sleep for the next event. Read from
// another thread (the tests' key typist gives the next key only to a reader that waits for it, so
// that no flush between two reads swallows it).
unsigned input_waits_begun();
// How many times a reader that does not sleep (a key-hit check) has looked and found no key.
unsigned input_peeks_unanswered();
// The game is asked to end from outside (a signal; safe to call from its handler). Every reader sees
// it at its next look, a sleeping one within END_LOOK_MS, and runs the ending set here; while that
// ending runs (a save that fails asks for a key) every read answers at once, as a closed window does.
enum { END_LOOK_MS = 100 };
void input_ask_end();
void input_on_end(void (*end)());
// The display is gone (its connection broke, on any thread). 1 when the reader was asleep waiting for
// the player, with the game standing still: it never goes on after that, and whoever ends the game
// may save what stands. 0 when the game was busy elsewhere.
int input_display_lost();
int processed_keysym(const char *text, const SDL_Keysym *keysym);
int processed_controller_keysym();

void IgnoreUpcomingText();         // drains every queued event
void IgnoreUpcomingLetter(char c);
void clrmodkeys();

void verifymousepos();
int EnterClick();
void AdjustedDelay(uint32_t start, int ms);
void Xout();

// The screen's key reader behind the seam's getkey, kbhit ... (base/ui.h).
void screen_ui_keys(UiChoices &t);

// 1 while the last event the key reader answered was the idle timer's tick (no key, click or window
// event since).
int input_last_read_idle();
