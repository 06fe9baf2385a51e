// Writing a file into the running save only when it changed.
#include "core/savediff.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "core/ownlib.h"
#include "core/savecommit.h"

static bool stage_whole(const char *path, const void *buf, size_t size) {
    char staged[1300];
    if (write_atomic(save_target(path, staged, sizeof staged), buf, size)) return true;
    save_fail(path);
    return false;
}

// How the file at `path` stands against the `size` bytes of `buf`.
enum class Holds { other, same, stretches };

// A changed file of the same size is compared block by block; when little of it changed, the changed
// stretches are collected in `out` and go to the file's journal instead of a whole new file.
constexpr size_t DIFF_BLOCK = 512, STRETCHES_MAX = 512;
static Holds compare_file(const char *path, const void *buf, size_t size, std::vector<SaveStretch> &out) {
    out.clear();
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Holds::other;
    struct stat st;
    void *map = MAP_FAILED;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && size > 0 && (size_t)st.st_size == size)
        map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);   // one call maps every page
    close(fd);
    if (map == MAP_FAILED) return Holds::other;
    const unsigned char *old_bytes = static_cast<const unsigned char *>(map), *new_bytes = static_cast<const unsigned char *>(buf);
    Holds result = Holds::same;
    if (memcmp(map, buf, size) != 0) {
        // Only a file of some size is worth taking apart; a big change is written whole.
        result = size >= 16 * DIFF_BLOCK ? Holds::stretches : Holds::other;
        size_t changed = 0;
        for (size_t at = 0; result == Holds::stretches && at < size; at += DIFF_BLOCK) {
            const size_t n = size - at < DIFF_BLOCK ? size - at : DIFF_BLOCK;
            if (memcmp(old_bytes + at, new_bytes + at, n) == 0) continue;
            changed += n;
            if (!out.empty() && (size_t)out.back().offset + out.back().size == at)
                out.back().size += n;
            else if (out.size() < STRETCHES_MAX)
                out.push_back({(long)at, n});
            else
                result = Holds::other;
            if (changed > size / 8) result = Holds::other;
        }
    }
    munmap(map, size);
    return result;
}

bool save_write_file(const char *path, const void *buf, size_t size) {
    if (!save_running()) return write_atomic(path, buf, size);
    switch (save_staged_as(path)) {
    case 0: return stage_whole(path, buf, size);
    case 1: return save_write_at(path, 0, buf, size);   // changes of this save wait in its journal: the last entry wins
    default: break;
    }
    static std::vector<SaveStretch> stretches;
    switch (compare_file(path, buf, size, stretches)) {
    case Holds::same: return true;
    case Holds::stretches: return save_write_stretches(path, buf, stretches.data(), (int)stretches.size());
    case Holds::other: break;
    }
    return stage_whole(path, buf, size);
}
