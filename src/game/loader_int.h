// src/game/loader_int.h -- what the loader's own files share: its messages and the paths of the
// character folder. Not for other modules.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A message to the player: shown as a note, and kept as the loader's last message.
void loader_say(const char *text);
void loader_wait_key();
void loader_log(const char *topic, const char *text);
// "<character path>/<character file>.<ext>" and "<character path>/<name>".
void char_ext_path(char *buf, size_t size, const char *ext);
void char_file_path(char *buf, size_t size, const char *name);
// The watch of the stored objects' pages for writes (base/writewatch.h); -1 where there is none.
int objects_watch();

// Before anything of the folder is read or written: her folder and every file in it can be written,
// or the player is told which can't (naming no path of the machine) and the load stops here.
bool character_folder_writable();
// Before the folder is read: a save cut short is finished or taken back, and a commit list that fails
// its check is left to the player. 0 when the character can't be loaded now (nothing was changed).
int settle_unfinished_save();

// The look over the character folder before the load reads or writes anything: false when a damaged
// file refused the load (the player was told, and no file was touched).
bool check_character_folder();
// Once every file was checked: the damaged files the game can build again are rebuilt, and the
// player is told of each.
void rebuild_damaged_files();
// The creature templates were damaged: they are left blank by the load and built, and their file
// written, by rebuild_damaged_templates once the object definitions are read.
bool templates_damaged();
void rebuild_damaged_templates();
bool names_need_rebuilding();   // names.dat is damaged or missing: the places are named anew
bool names_were_missing();
// Settlements of the world whose local maps are stored but that have no society yet get one.
void found_missing_societies();
// The figures of the character record just read, kept within their bounds; the player is told
// which were out of range.
void make_player_record_safe();

// The files of her play (the village file, her quests, her herb lore, her map markers, her game
// course), looked at with the rest of the folder: none refuses the load. `task_number` is her current
// task, from the character file.
void check_play_files(int task_number);
// What of them was damaged is kept as far as it is sound, or written anew; the player is told.
void rebuild_play_files();
// The villages the village file still knows whole: each society's id, its centre and its further centres.
struct KnownVillage {
    uint32_t socid;
    int x[11], y[11];
    int n;
};
std::vector<KnownVillage> known_villages();
