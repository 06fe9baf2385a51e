// src/presentation/panels.h -- the status panel on the right of the game screen: name, load and
// penalties, state and speed, wielded items, basic needs, the command line and the last command.
#pragma once
#include <cstdint>

enum { STAT_SLOTS = 16 };
extern int stat_x[STAT_SLOTS], stat_y[STAT_SLOTS];   // value boxes by stat slot
extern int hd;                     // state of the heading figure: 1 walking ... 204 swimming
extern int Komentohistoria;        // action code of the last command, 0 none
extern int Komentotarkenne;        // its qualifier
extern int REDRAW_NEEDED;          // 33 border only, 22 the map view left black
extern int UPDATE;                 // a local map is being renewed: no loading bar

void StatScreen();
void Statistics();
// Draws the state word and the speed again when her posture or speed changed since they were drawn.
void refresh_state_line();
void FlipStatistics();
void redraw_screen();
void tsub(int column, int row, const char *label, const char *unit, uint32_t colour, int ignored, int slot);
void dstat(int slot, const char *text, int value, int maximum);
void sink_info(int x, int y, const char *text, uint32_t colour);
void sink_bar(int x, int y, int value, int maximum);
void clr_sink(int x, int y);
void STATSCREEN_fyysiset();
void nutri_stat();
void INFOPALKKI_mobility();
void Nayta_Perustarpeet(int values_only);
void Nayta_Wieldatut(int values_only);
void Nayta_Wieldatut_(int values_only);   // not while a timed task runs
void Nayta_Komentohistoria(int values_only);
void com(const char *text);
void load_bar(float percent);

// Right end of a stat bar for the value, or 0 when the bar stays empty.
int sink_bar_end(int x, int value, int maximum);
// The red share of the hunger and thirst colours, held within 0-255.
int hunger_red(uint32_t energy);
int thirst_red(uint32_t thirst);
// The panel's state word for the player's condition and movement, with its colour and figure.
const char *state_word(uint8_t *r, uint8_t *g, uint8_t *b, int *figure);
