// src/base/savediff.h -- writing a big file of the character folder into the running save only when it
// changed: a file that already holds exactly the bytes to be saved is left out of the save, so entering
// a local area after a few steps on the world map does not write the unchanged world again. A big file
// of which little changed (the world memory after a walk, the map-info table after an entry) has only
// its changed stretches written, to its journal; any other change is staged whole. The commit stays
// whole either way.
#pragma once
#include <cstddef>

#include "base/savecommit.h"

// Makes `path` hold exactly the `size` bytes of `buf` once the running save commits. Outside a save the
// file is replaced whole at once. False when a write failed (the running save is then marked failed).
bool save_write_file(const char *path, const void *buf, size_t size);

// The same, and `mirror` (`size` bytes apart from `buf`) is left holding the bytes of `buf` as well:
// the copy of a layer kept as last saved, brought up to date in the same reading. The caller knows
// that every byte outside [from, to) stands the same in `buf`, in the file and in `mirror`: only that
// part is compared and brought up to date (0, size: all of it). With from == to nothing is
// compared; a file that must be written whole (outside a save, or staged whole already) still is.
bool save_write_file_mirrored_part(const char *path, const void *buf, size_t size, void *mirror, size_t from,
                                   size_t to);

// The same without a mirror, where the caller knows that every byte outside the `n` parts ([offset,
// offset + size) each, in order) stands the same in `buf` and in the file: only the parts are compared.
// With no parts nothing is compared; a file that must be written whole still is.
bool save_write_file_parts(const char *path, const void *buf, size_t size, const SaveStretch *parts, int n);

// A file as it stood when it was known to hold a table: a caller that compares only the table's changed
// parts trusts it while the same file stands under the same name, its size and times unchanged.
struct FileStamp {
    bool valid;
    char path[1200];
    unsigned long long dev, ino;
    long long size, mtime_s, mtime_ns, ctime_s, ctime_ns;
};
// The stamp of `path` as it stands; valid when it is a regular file of `size` bytes.
bool file_stamp_take(FileStamp &stamp, const char *path, size_t size);
// Whether `path` is the file stamped, as it stood.
bool file_stamp_holds(const FileStamp &stamp, const char *path);
