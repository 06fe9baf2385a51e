// src/core/player.h -- the player record's files (the character file, its backup and the exit
// record) and the skill lookups (the inventory slots are items/inventory.h).
#pragma once
#include "core/records.h"

// ---- the player's state between commands ----
extern int INVISIBLE;              // the player is invisible
extern int Environ;                // 1 world map, 2 local area
// 1 when the player is on the world map; sets Environ to match.
int bigmap();
int non_outdoor();                 // 1 (with its note) on the world map

// ---- files in the character folder ----
int do_OXS_backup();               // 1 when "<name>.BAK" now holds the current character file
void aseta_peliversio();           // the save version of records written by this game
// 1 read, 0 no character file, -1 a damaged (short) file refused with a message; a refused
// or missing file leaves Plr as it was.
int ReadPlrFile();
int WritePlrFile();                // 1 written; 0 refused or failed (with a message)
// The largest day number a game reaches: the stored records keep their days in 16-bit words.
enum { DAYNUMBER_MAX = 0xffff };
// The exit record's figures as the game writes them: the second day counter times three and the day
// number less 500, each within its bounds, and a zero.
bool exiter_sound(const int32_t v[3]);
int ReadExiter();                  // 1 when all 12 bytes were read, were sound, and the counters restored
int WriteExiter();                 // 1 written

// ---- skills ----
int  plr_ML(const char *name);     // level of the first skill containing name; 1000 none
void set_ML(const char *name, int level);
void impro(const char *name);
