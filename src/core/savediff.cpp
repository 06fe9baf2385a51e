// Writing a file into the running save only when it changed.
#include "core/savediff.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "core/ownlib.h"
#include "core/savecommit.h"

static bool stage_whole(const char *path, const void *buf, size_t size) {
    char staged[1300];
    if (write_atomic(save_target(path, staged, sizeof staged), buf, size)) return true;
    save_fail(path);
    return false;
}

// True when the file at `path` holds exactly `size` bytes equal to `buf`.
static bool file_holds(const char *path, const void *buf, size_t size) {
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    void *map = MAP_FAILED;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && size > 0 && (size_t)st.st_size == size)
        map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);   // one call maps every page
    close(fd);
    if (map == MAP_FAILED) return false;
    const bool same = memcmp(map, buf, size) == 0;
    munmap(map, size);
    return same;
}

bool save_write_file(const char *path, const void *buf, size_t size) {
    if (!save_running()) return write_atomic(path, buf, size);
    switch (save_staged_as(path)) {
    case 0: return stage_whole(path, buf, size);
    case 1: return save_write_at(path, 0, buf, size);   // changes of this save wait in its journal: the last entry wins
    default: break;
    }
    if (file_holds(path, buf, size)) return true;
    return stage_whole(path, buf, size);
}
