// src/activities/spirits.h -- the spirits of the wilds: where and when they show themselves, their
// meetings; and the rituals that ask their favour.
#pragma once
#include <cstdint>

#include "core/records.h"
#include "creatures/spirittalk.h"
#include "maps/spiritdata.h"

// The spirits' records and moods are kept in the map's pool (maps/spiritdata.h); the forest spirit's
// words in creatures/spirittalk.h.
void HaltijaSijainti(int n, int &x, int &y);   // where spirit n can appear now; 0, 0 nowhere
int KohtaaHaltija(int x, int y, int n);    // 1 when spirit n appeared at x, y
// supernatural_check() (the hourly step) is declared in actions.h.
void supernatural_encount();               // the supernatural encounter of the world map

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
