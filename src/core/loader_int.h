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

