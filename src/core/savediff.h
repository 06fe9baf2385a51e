// src/core/savediff.h -- writing a big file of the character folder into the running save by its
// changes: where the file already stands at the same size, only the stretches that differ from it join
// its journal and reach it at the commit, so a save that changes a few squares of the world writes a
// few kilobytes instead of megabytes. The commit stays whole either way.
#pragma once
#include <cstddef>

// Makes `path` hold exactly the `size` bytes of `buf` once the running save commits. Outside a save the
// file is replaced whole at once. False when a write failed (the running save is then marked failed).
bool save_write_file(const char *path, const void *buf, size_t size);

// The stretches of `size` bytes in which `now` differs from `was`, in blocks of `block` bytes; runs
// closer than `gap` bytes are joined. Fills at most `max` pairs of offset and length; answers the
// number of runs, or -1 when there are more than `max`.
int save_diff_runs(const unsigned char *was, const unsigned char *now, size_t size, size_t block, size_t gap,
                   size_t (*runs)[2], int max);
