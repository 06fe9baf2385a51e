// src/core/player.h -- the player record's files (the character file, its backup and the exit
// record), the inventory slots and the skill lookups.
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

// ---- inventory slots ----
void AddItem(int obj, int count, int mode);
int  Lisaa_Inventoryyn(int obj, int count, int mode, int pos);   // slot used; 99 on the ground
// The rest of a stack split in the pack: it adds nothing to the load, so it stays in the pack while
// any slot is free, however many stacks she carries. Slot used; 99 on the ground.
int  Lisaa_Jaon_Loput(int obj, int count, int mode, int pos);
int AddNewItem(int obj, int count);   // 0 when the object table had no room: nothing added
int  CheckIfSame(int obj);         // first slot holding an equal stored item, or -1
int  Yhdista_Slottiin(int slot);
void item_to_plrobj(int slot);
int  Status(int rec, int bits);
void StatusSet(int rec, int bits);
void StatusUnset(int rec, int bits);
int  DropItem(int count, int obj, int x, int y);
void wear_armours();

// ---- skills ----
int  plr_ML(const char *name);     // level of the first skill containing name; 1000 none
void set_ML(const char *name, int level);
void impro(const char *name);
