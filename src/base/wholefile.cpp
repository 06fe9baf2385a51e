// The whole-file reader: read in chunks to the end, so that a file that grows or a stream without a
// size is still held to the bound.
#include "base/wholefile.h"

#include <cstdio>
#include <sys/stat.h>

template <class Buffer> static bool read_into(const char *path, Buffer &out, size_t max) {
    out.clear();
    FILE *f = path ? fopen(path, "rb") : nullptr;
    if (!f) return false;
    // The size the file says it has is only a hint for the room to make: the reads below hold it to
    // the bound whatever it grows to.
    struct stat st;
    if (fstat(fileno(f), &st) == 0 && st.st_size > 0 && (size_t)st.st_size <= max) out.reserve((size_t)st.st_size);
    // The chunk holds the buffer's own kind of byte, so that it joins the buffer in one copy: bytes of
    // another type would be converted one by one.
    typename Buffer::value_type chunk[16384];
    bool ok = true;
    for (;;) {
        const size_t n = fread(chunk, 1, sizeof chunk, f);
        if (n > max - out.size()) {
            ok = false;
            break;
        }
        out.insert(out.end(), chunk, chunk + n);
        if (n < sizeof chunk) {
            ok = !ferror(f);
            break;
        }
    }
    fclose(f);
    if (!ok) out.clear();
    return ok;
}

bool read_whole(const char *path, std::vector<uint8_t> &out, size_t max) { return read_into(path, out, max); }
bool read_whole(const char *path, std::string &out, size_t max) { return read_into(path, out, max); }
