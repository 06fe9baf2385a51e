// The whole-file reader: the bytes go straight from the file into the buffer, in one read where the
// file's size is known, and the reads are held to the bound whatever the file grows to while it is read.
#include "base/wholefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

template <class Buffer> static bool read_into(const char *path, Buffer &out, size_t max) {
    out.clear();
    const int fd = path ? open(path, O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0) return false;
    // The size the file says it has is only a hint for the room to make: one byte more, so that the end
    // of a file that kept its size is met without making room again.
    struct stat st;
    size_t room = 16384;
    if (fstat(fd, &st) == 0 && st.st_size > 0 && (size_t)st.st_size <= max) room = (size_t)st.st_size + 1;
    if (room - 1 > max) room = max + 1;
    size_t have = 0;
    bool ok = true;
    out.resize(room);
    for (;;) {
        const ssize_t n = read(fd, &out[have], out.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        have += (size_t)n;
        if (have > max) {
            ok = false;
            break;
        }
        if (have == out.size()) out.resize(have + (have < max - have ? have : max + 1 - have));
    }
    close(fd);
    if (ok) out.resize(have);
    else out.clear();
    return ok;
}

bool read_whole(const char *path, std::vector<uint8_t> &out, size_t max) { return read_into(path, out, max); }
bool read_whole(const char *path, std::string &out, size_t max) { return read_into(path, out, max); }
bool read_whole(const char *path, FileBytes &out, size_t max) { return read_into(path, out, max); }
