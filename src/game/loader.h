// src/game/loader.h -- the game loader: reading a character's folder, the upgrades of records saved by
// older versions, entering the current map with its upkeep, and saving the character's folder.
#pragma once
#include <cstdint>

#include "core/commandcodes.h"   // the repeat-command memory the character keeps
#include "core/gamefiles.h"      // the save modes
#include "core/oxa.h"
#include "items/items.h"

// Per-game state set by the loader and by map entry (LOAD_MAP and CREATURE_UPDATE are in core/oxa.h).
extern int ENSIMMAINEN_LATAUS;     // 0 until the first map entry of a game has completed
extern int FIRESAFE;               // the turn loop's fire flag, set on entry
extern int SCENIE;                 // 1 or 4: the people of the entered map are dead

enum {
    OLDEST_MIGRATABLE = 318,       // saves of version 317 and below can't be upgraded
};

// int loader() is declared in core/oxa.h: 0 play, -1 back to the menu.
void Init();                       // per-game reset of module state
// What the game played before in this run still holds (the watch's hour, the repeated attack, the
// last encounter drawn, ...) given back to how the program starts; every load does it first.
void forget_the_game_before();
// Reads the character folder. Every file is looked at first, before anything is read into the game or
// written: 1 read; 0 refused with a message naming a damaged file, the folder left as it was, and the
// game goes back to the menu. A missing character or object file, a damaged world and a save too old
// to upgrade end the program, also before anything is written.
int ReadGuy();
int GetMappie(int mode);           // map-entry upkeep; mode 0 an entry, 1 a renewal; 1 when saved
// Saves the character folder; 1 when every file was written, 0 when a file failed (the player is
// told, and the files of that step keep their last good contents).
int Save(int mode);
void safesave();
void areal_itemizer();
void clean_area();
void areal_food_spoil(int days);
// The last message the loader or a save gave the player ("" none), e.g. why a load was refused.
const char *loader_last_note();
void loader_clear_note();
// Every message the loader gave the player during the current load, one a line.
const char *loader_load_notes();

// The version check of a freshly read record: ends the program for saves too old to upgrade, and
// clears what older versions kept at offsets 1400 and 1404.
void check_save_version();
// The upgrades of older records (step 14 of the load) and the item upgrade they run on every stored
// object; both leave current records as they are.
void upgrade_old_records();
void upgrade_item(ItemStruct &r);
