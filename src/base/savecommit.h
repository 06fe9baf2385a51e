// src/base/savecommit.h -- one save is one commit. While a save runs, every file it writes goes
// beside the old one under a staged name ("<file>.new"); a file that is rewritten in place (the
// local-map store) collects its changes in a journal, held in memory while the save runs and written
// as "<file>.jnl" at the commit. Only when every file was written
// whole, every journal checked and the disk holds room for the commit, the list "SAVE.COMMIT" of their
// names is written, each with the length and checksum of what was staged for it, with the list's count
// and checksum; then the files go in place, each old file kept beside (a replaced one as "<file>.prev",
// a second name of the old file taken before the staged one is renamed over it, so that a file never
// leaves its name; the old bytes a journal overwrites as "<file>.undo") until all stand. A journal's
// file opens with a head of its own: the file's old length, its count of entries and their checksum.
// A load checks every staged file against the list before it puts any in place: one that fails is
// damage of the unfinished save, which is then taken back. A commit that cannot finish is taken back whole before the save reports: the list becomes
// "SAVE.ROLLBACK" and every file returns to what the last good save left. A crash before the list
// leaves the last save as it was (the next load throws the staged files away); a crash after it is
// finished by the next load, or taken back when it can't be finished.
// A commit is durable, so that a power cut keeps it as a crash would: every staged file is flushed to the
// disk before the list names it, the list with the folder before any file goes in place, and the files
// put in place with the folder before the commit is done: three waits on the disk at most, whatever the
// count of files. The files of one step are flushed with the file system that holds the folder, in one
// wait (where that can't be done, each file by itself on a thread of its own, all together).
//
// A writer of a save asks save_target() for the name to write to (or writes through save_write_at,
// save_write_stretches or save_write_file of base/savediff.h).
#pragma once
#include <cstddef>

// The character folder every save writes into and recovers: the rules point it at theirs as the
// program starts (core/records.cpp); "" until then.
extern const char *save_folder;
// Where a save notes what it had to mend (an interrupted save finished or taken back); null notes
// nothing. The rules send it to their system log (game/loader.cpp).
extern void (*save_note)(const char *text);

// Whether a commit flushes its files to the disk: on in the game. The test programs and fuzz targets,
// which cut no power, switch it off, for a flush waits milliseconds on the disk at every save.
// `save_flushes` counts the flushes made: each a wait on the disk.
extern int save_flush;
extern long save_flushes;

// A save session. Sessions nest: only the outermost commit puts the files in place.
void save_begin();
// Puts every staged file in place; false, with every file as the last good save left it, when a file
// of the save failed or the commit could not finish.
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
// Throws away what the running save staged for `path`: the commit leaves the file as it stands.
void save_unstage(const char *path);
// Removes `path` with the save. Inside a save it is staged as removed: the running save reads it as
// gone, the commit takes it away and a commit taken back brings it back; a file the running save
// created goes at once, with nothing staged. Outside a save it is removed at once.
void save_remove(const char *path);
// How the running save holds `path`: -1 not at all, 0 as a staged replacement, 1 as a journal.
int save_staged_as(const char *path);
// The length of `path` as the running save leaves it (its journal applied, or its staged replacement);
// outside a save the file's own length. -1 when there is no such file.
long long save_size_of(const char *path);
// Reads `size` bytes at `offset` of `path` as the running save leaves it: a file rewritten in place is
// read with the changes its journal holds so far. False when they are not all there.
bool save_read_at(const char *path, long long offset, void *buf, size_t size);
// The same for several stretches of `path` at once, each read to `base` + its offset; the file is
// opened once. False when one is not all there.
struct SaveStretch;
bool save_read_stretches(const char *path, void *base, const SaveStretch *stretches, int n);
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
// The same for a part of a file: `bytes` is what the file holds from `origin` on once the save commits,
// and each stretch's offset counts from `origin`.
bool save_write_stretches_at(const char *path, long origin, const void *bytes, const SaveStretch *stretches, int n);

// Puts a staged file in place over its file; a test may point it elsewhere to make a rename fail.
extern int (*save_rename)(const char *from, const char *to);

// Asked before every step of a commit (the list written, a rename, a journal entry, the old bytes of a
// file kept) with the step's number from 0; a step it answers false for fails as on a full disk. Null
// (every step goes on) but for tests.
extern bool (*save_commit_step)(int n);

// One file of a commit list: how the commit puts it in place ('R' replaces the file, 'C' creates it,
// 'J' applies its journal), its name in the character folder, and the length and checksum of what the
// save staged for it (the staged file, or the journal's file), checked before anything is put in place.
// A list of an older game holds no lengths: `size` -1.
struct SaveListEntry {
    char kind;
    char name[200];
    long long size = -1;
    unsigned long long sum = 0;
};
enum { SAVE_LIST_MAX = 64 };
// The text of a commit list: the entries, then their count and checksum. Its length; 0 when the
// entries don't fit `size` or a name can't stand in a list. Entries without lengths are written as an
// older game wrote them (all of them, or none, hold lengths).
size_t save_list_format(char *buf, size_t size, const SaveListEntry *entries, int n);
// The entries of a list's text; -1 when the text is cut, garbled or fails its checksum.
int save_list_parse(const char *text, size_t size, SaveListEntry *out, int max);
// The length and checksum a list gives a staged file; false when it can't be read whole.
bool save_file_sum(const char *path, long long &size, unsigned long long &sum);

// What the load found of a save cut short.
enum class SaveRecovery {
    none,          // no save was pending: the temporary files of one cut short are gone
    finished,      // a commit cut short after its list stood was finished
    rolled_back,   // a commit that could not be finished was taken back: the save before it stands
    unresolved,    // a commit could neither be finished nor taken back: its files and the save before it stand
    damaged_list,  // the list fails its check: the staged files and the old files are both kept
    in_use,        // another game has the character folder: nothing was looked at or changed
    unreadable,    // the character folder can't be opened (save_lock_error tells why): nothing was changed
    damaged_file,  // a file the commit staged failed its check: the commit was taken back
};
// The file of the character folder (a bare name) that stopped the last recovery: the staged file that
// failed its check, or what a commit could not be finished or taken back by; "" when none. Whether it
// was found damaged, or could not be written.
const char *save_recovery_file();
bool save_recovery_damaged();
// Takes the lock of the character folder for this game, held until save_unlock_folder or the program
// ends; false when another game holds it, or when the folder can't be opened. Taken again for the
// folder it holds, it holds on.
bool save_lock_folder();
// Why the last save_lock_folder failed: EWOULDBLOCK when another game holds the folder, else the
// error that kept the folder from being opened; 0 after a lock taken.
int save_lock_error();
void save_unlock_folder();
// Takes `fd`, the open folder `folder` whose lock this game took already (a character folder it has
// just made), as its lock of that character folder, held as save_lock_folder holds it.
void save_keep_folder_lock(int fd, const char *folder);
// Takes the folder's lock, then finishes or takes back a save cut short; called before the character
// folder is read. Outside the cases above it removes every temporary name a save uses.
SaveRecovery recover_interrupted_save();
// The same, true when the folder holds one whole save afterwards.
bool finish_interrupted_save();
// With a damaged list, the player chose the last good save: the list and the staged files of the
// unfinished save are moved into a folder "SAVE.UNFINISHED" of the character folder (the first of
// "SAVE.UNFINISHED", "SAVE.UNFINISHED.2" ... that is free) after the files it put in place are taken
// back (a file whose kept old bytes are damaged stays as it stands; save_recovery_file names it). False
// when that could not be done whole: the list then stays for the next try.
bool set_unfinished_save_aside(char *folder, size_t size);

// Inside a save: `fn` is called once the outermost save has committed whole (not when it fails or is
// discarded). False outside a save or when too many wait; the caller then takes the save as not made.
bool save_after_commit(void (*fn)());
