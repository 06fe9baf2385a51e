// src/game/wizard.h -- the developer's switches that the rules read, the console's per-turn duties
// and the console's rule-side operations: numbers read from typed text, moving the clock and the
// player, the player's skills and magic knowledge, test wounds and the creature dumps.
#pragma once
#include <cstdint>

extern uint8_t WIZ_NAKO;           // every turn sets ALL_SEE while on
extern uint8_t WIZARD_objcount;    // every turn shows the player-object rows in use
extern int DEBUG_spend_pass;       // spend returns at once: no game time passes for timed work
extern int USE_MAINTEXTURE;        // the map is drawn through the main map texture
extern int GUPD;                   // the graphics-update key of the command reader acts

// The console's duties of one turn, run by the command reader before the key.
void wizard_turn_duties();
int wizard_objcount_used();        // player-object rows in use

// A typed number: base 10, an optional sign, nothing after it; anything else (and a number
// beyond the int range) reads as 0.
int wizard_number(const char *text);

// Moves the player to a square of the current map; 0 and nothing moved when it lies outside.
int wizard_teleport(int x, int y);
// Days passed on the clock: day counter, minute ticks and the date through the clock's carry,
// then the hourly upkeep and the weather restarted. n below 1 passes nothing.
void wizard_pass_days(int n);
int wizard_set_month(int month);   // 1-12; 0 and nothing changed otherwise
void wizard_weather_restart();     // the weather engine anew for today at the current hour
void wizard_skillboost();          // every skill level up by one, held at 255

void Wizard_Haavoita();            // three random wounds on the player, who survives them
void NaytaOliot();                 // the creature templates with their pelt and meat values

// The creature records of a creature or kill-log file, read whole: `each` gets the index and the
// record; a short tail is left unread. The count read, -1 when the file can't be opened.
struct CreatureStruct;
int wizard_read_creatures(const char *path, void (*each)(int index, const CreatureStruct &c, void *ctx), void *ctx);
