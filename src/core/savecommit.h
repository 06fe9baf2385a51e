// src/core/savecommit.h -- one save is one commit. While a save runs, every file it writes goes
// beside the old one under a staged name ("<file>.new"); a file that is rewritten in place (the
// local-map store) collects its changes in a journal ("<file>.jnl"). Only when every file was written
// whole does the commit put them all in place, after writing the list "SAVE.COMMIT" of their names:
// a crash before the list leaves the last save as it was (the next load throws the staged files
// away); a crash after it is finished by the next load. A failed save changes no file.
//
// A module adds a file of the character folder to every full save by registering its writer once:
//
//     static bool write_markers(const char *path) { return write_atomic(path, Marker, sizeof Marker); }
//     save_register_file("MARKER.DAT", write_markers);
//
// A writer nested deeper in a save (the map's files) asks save_target() for the name to write to.
#pragma once
#include <cstddef>

// Writes one whole file to `path`; true when every byte was written.
using SaveFileWriter = bool (*)(const char *path);

// A file of the character folder ("MARKER.DAT") that every full save (not the quick save of the
// player record and objects) writes with `write`. Registering a name again replaces its writer.
void save_register_file(const char *name, SaveFileWriter write);
// Runs the registered writers into the running save; false when one failed (the save then fails).
bool save_registered_files();

// A save session. Sessions nest: only the outermost commit puts the files in place.
void save_begin();
// Puts every staged file in place; false (and nothing changed) when a file of the save failed.
bool save_commit();
// Throws the staged files of the running save away.
void save_discard();
int save_running();
// Marks the running save as failed; the first thing named is kept for the message.
void save_fail(const char *what);
const char *save_failure();

// The name to write `path` to: inside a save its staged name, with `path` on the commit list;
// outside a save `path` itself.
const char *save_target(const char *path, char *buf, size_t size);
// The name to read `path` from: what the running save staged for it, else `path`.
const char *save_source(const char *path, char *buf, size_t size);
// How the running save holds `path`: -1 not at all, 0 as a staged replacement, 1 as a journal.
int save_staged_as(const char *path);
// Writes `size` bytes at `offset` of a file that is rewritten in place: inside a save they join the
// file's journal and reach the file at the commit; outside a save they are written at once.
bool save_write_at(const char *path, long offset, const void *buf, size_t size);

// Several changed stretches of a file at once, inside a save only: each `size` bytes at `offset` of
// `base` (the file's whole new content) join the file's journal, in order. False outside a save or when
// the journal couldn't be written (the save is then marked failed).
struct SaveStretch {
    long offset;
    size_t size;
};
bool save_write_stretches(const char *path, const void *base, const SaveStretch *stretches, int n);

// Puts a staged file in place over its file; a test may point it elsewhere to make a rename fail.
extern int (*save_rename)(const char *from, const char *to);

// Finishes a save that a crash cut short after its list stood, or throws away the staged files of
// one cut short before; called before the character folder is read. False when a save cut short
// could not be finished whole.
bool finish_interrupted_save();
