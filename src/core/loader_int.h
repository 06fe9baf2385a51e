// src/core/loader_int.h -- what the loader's own files share: its messages and the paths of the
// character folder. Not for other modules.
#pragma once
#include <cstddef>

// A message to the player: shown as a note, and kept as the loader's last message.
void loader_say(const char *text);
void loader_wait_key();
void loader_log(const char *topic, const char *text);
// "<character path>/<character file>.<ext>" and "<character path>/<name>".
void char_ext_path(char *buf, size_t size, const char *ext);
void char_file_path(char *buf, size_t size, const char *name);

// Before the folder is read: a save cut short is finished or taken back, and a commit list that fails
// its check is left to the player. 0 when the character can't be loaded now (nothing was changed).
int settle_unfinished_save();
