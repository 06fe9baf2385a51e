// src/base/writewatch.h -- which pages of a big table were written since its file last held it. A save
// then compares only those pages with the file instead of the whole table: the stored objects are
// megabytes, of which an entry or a day changes a handful. The system marks the pages as they are
// written (any writer, a file read into the table too); where it can't (an older system, a process
// forked from the game), or whenever anything about the file is unsure, the answer is "compare whole".
#pragma once
#include <cstddef>

#include "base/savecommit.h"

// Starts watching the `size` bytes at `table`; a handle, or -1 when the system can't watch.
int writewatch_open(const void *table, size_t size);
// The table is about to be written whole (read from its file): its pages are let go, so that the
// writing costs no marks, until writewatch_file_holds watches them again.
void writewatch_release(int w);
// The file at `path` holds the table byte for byte (read whole into it a moment ago, or written from it
// by a save that committed): from here on only the pages written since can differ.
void writewatch_file_holds(int w, const char *path);
// Whether the watch knows the file at `path` as it stands: the file it last held the table in, untouched
// since. A table that then holds the file's bytes needs no writewatch_file_holds to be watched as it.
bool writewatch_knows(int w, const char *path);
// Every page written since the file last held the table, as sorted byte ranges of the table (the
// unwatched bytes at its two ends included), in `out` (at most `max`). False when the caller must
// compare whole: no watch, another file, the file changed since, or more ranges than `max`.
// The pages are counted as the running save's: once it commits, writewatch_committed(w, path) says the
// file holds them; a save that fails leaves them counted for the next one.
bool writewatch_changed(int w, const char *path, SaveStretch *out, int max, int &n);
void writewatch_committed(int w, const char *path);
