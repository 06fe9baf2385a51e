// Writing a file into the running save by its changes.
#include "core/savediff.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "core/ownlib.h"
#include "core/savecommit.h"

enum { DIFF_BLOCK = 4096, DIFF_GAP = 16384, DIFF_RUNS_MAX = 48 };

int save_diff_runs(const unsigned char *was, const unsigned char *now, size_t size, size_t block, size_t gap,
                   size_t (*runs)[2], int max) {
    int n = 0;
    for (size_t at = 0; at < size; at += block) {
        const size_t len = size - at < block ? size - at : block;
        if (memcmp(was + at, now + at, len) == 0) continue;
        if (n > 0 && at - (runs[n - 1][0] + runs[n - 1][1]) <= gap) {
            runs[n - 1][1] = at + len - runs[n - 1][0];
            continue;
        }
        if (n == max) return -1;
        runs[n][0] = at;
        runs[n][1] = len;
        n++;
    }
    return n;
}

static bool stage_whole(const char *path, const void *buf, size_t size) {
    char staged[1300];
    if (write_atomic(save_target(path, staged, sizeof staged), buf, size)) return true;
    save_fail(path);
    return false;
}

bool save_write_file(const char *path, const void *buf, size_t size) {
    if (!save_running()) return write_atomic(path, buf, size);
    switch (save_staged_as(path)) {
    case 0: return stage_whole(path, buf, size);
    case 1: return save_write_at(path, 0, buf, size);   // the last entry of a journal wins
    default: break;
    }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return stage_whole(path, buf, size);
    struct stat st;
    void *map = MAP_FAILED;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && size > 0 && (size_t)st.st_size == size)
        map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (map == MAP_FAILED) return stage_whole(path, buf, size);
    static size_t runs[DIFF_RUNS_MAX][2];
    const int n = save_diff_runs((const unsigned char *)map, (const unsigned char *)buf, size, DIFF_BLOCK,
                                 DIFF_GAP, runs, DIFF_RUNS_MAX);
    munmap(map, size);
    size_t changed = 0;
    for (int i = 0; i < n; i++) changed += runs[i][1];
    // Scattered or wide changes are cheaper as a new file than as a journal applied afterwards.
    if (n < 0 || changed > size / 2) return stage_whole(path, buf, size);
    for (int i = 0; i < n; i++)
        if (!save_write_at(path, (long)runs[i][0], (const unsigned char *)buf + runs[i][0], runs[i][1])) return false;
    return true;
}
