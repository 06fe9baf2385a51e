// src/activities/spirits.h -- the spirits of the wilds: their records in the map's data pool, their
// moods toward the player, their meetings; and the rituals that ask their favour.
#pragma once
#include <cstdint>

#include "core/records.h"

enum { SPIRIT_FOREST_MAID = 700, SPIRIT_WATER_FOLK = 701, SPIRIT_OF_FOREST = 702, DT_SPIRIT = 'v' };
enum { SPIRIT_MOOD_MIN = -100, SPIRIT_MOOD_MAX = 100 };

DataStruct get_SpiritData(int n);          // the nearest record of spirit n; zeroed when none
// Stores a record (never on the world map): over the one of the same spirit and square, else into the
// never-used record after the last in use; with none nothing is stored.
void set_SpiritData(int n, const DataStruct &record);
DataStruct SpiritDataInit(int x, int y, int n);
int get_SpiritData_mood(int x, int y, int n);
// set_SpiritData_mood(x, y, n, change) is declared in actions.h.
void set_SpiritData_meetday(int x, int y, int n, int day);
void set_SpiritData_attract(int x, int y, int n);
int get_SpiritData_attractmingap(int x, int y, int n);
int get_SpiritData_meetgap(int n);         // days since the last meeting; 100 never met
void supernatural_modify(int who, int change);
const char *txtdesc_HaltijaIlme(int x, int y, int n);
const char *talkline_Metsanhaltija();
void HaltijaSijainti(int n, int &x, int &y);   // where spirit n can appear now; 0, 0 nowhere
int KohtaaHaltija(int x, int y, int n);    // 1 when spirit n appeared at x, y
// supernatural_check() (the hourly step) is declared in actions.h.
void supernatural_encount();               // the supernatural encounter of the world map
// The forest spirit's mood while a bear skull has waited `days` for its pine.
int spirit_mood_skull(int mood, int days);

// Rituals.
enum { RITUAL_LINE_MAX = 79, RITUAL_LINES_MAX = 44 };   // 44 lines of 12 pixels fill the screen
int invocation();                          // the rituals page; 0 when left without a choice
void do_ritual(int n);
int ritual_requirements(int who, int world_only, int minutes, const char *file);
void perform_ritual(const char *file);
// The lines of a ritual text in the working folder, each cut to RITUAL_LINE_MAX characters, at most
// `max` of them; -1 when the file cannot be read.
int ritual_text_lines(const char *file, char (*lines)[RITUAL_LINE_MAX + 1], int max);
void skill_up(const char *skill, int amount, int minutes);
int supernatural_please(int who, int ritual);
