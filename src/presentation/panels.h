// src/presentation/panels.h -- the status panel on the right of the game screen: name, load and
// penalties, state and speed, wielded items, basic needs, the command line and the last command.
#pragma once
#include <cstdint>

#include "base/ui.h"            // the rules' requests: the panel's parts, REDRAW_NEEDED and UPDATE
#include "core/maintenance.h"   // Statistics: the clock carried, then the values drawn

enum { STAT_SLOTS = 16 };
extern int stat_x[STAT_SLOTS], stat_y[STAT_SLOTS];   // value boxes by stat slot
extern int hd;                     // state of the heading figure: 1 walking ... 204 swimming

void FlipStatistics();
void tsub(int column, int row, const char *label, const char *unit, uint32_t colour, int ignored, int slot);
void dstat(int slot, const char *text, int value, int maximum);
void sink_info(int x, int y, const char *text, uint32_t colour);
void sink_bar(int x, int y, int value, int maximum);
void clr_sink(int x, int y);
void nutri_stat();
void INFOPALKKI_mobility();
void Nayta_Wieldatut_(int values_only);   // not while a timed task runs

// Right end of a stat bar for the value, or 0 when the bar stays empty.
int sink_bar_end(int x, int value, int maximum);
// The red share of the hunger and thirst colours, held within 0-255.
int hunger_red(uint32_t energy);
int thirst_red(uint32_t thirst);
// The panel's state word for the player's condition and movement, with its colour and figure.
const char *state_word(uint8_t *r, uint8_t *g, uint8_t *b, int *figure);

// The screen's side of the rules' requests (base/ui.h), which the screen puts in the table.
void panel_stat_screen();
void panel_statistics();
void panel_physical();
void panel_needs(int values_only);
void panel_wielded(int values_only);
void panel_last_command(int values_only);
void panel_command_line(const char *text);
void panel_refresh_state_line();
void panel_redraw_screen();
