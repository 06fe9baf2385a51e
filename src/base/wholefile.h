// src/base/wholefile.h -- the one reader of a whole file into memory, bounded in size: a file larger
// than its reader expects is refused, never read in part.
#pragma once
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

// Bytes that are not cleared when made room for: a buffer a file is read into is written whole at once.
template <class T> struct UnclearedAllocator : std::allocator<T> {
    template <class U> struct rebind {
        using other = UnclearedAllocator<U>;
    };
    UnclearedAllocator() = default;
    template <class U> UnclearedAllocator(const UnclearedAllocator<U> &) {}
    template <class U> void construct(U *p) noexcept { ::new (static_cast<void *>(p)) U; }
    template <class U, class... Args> void construct(U *p, Args &&...args) {
        ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...);
    }
};
using FileBytes = std::vector<uint8_t, UnclearedAllocator<uint8_t>>;

// The whole of the file at `path` in `out`; false, with `out` empty, when the file is missing, can't
// be read to its end or holds more than `max` bytes.
bool read_whole(const char *path, std::vector<uint8_t> &out, size_t max);
// The bound for a file of a character's save when it is checked whole at loading: the largest of
// them (the object file) holds a few megabytes.
constexpr size_t SAVE_FILE_CHECK_MAX = (size_t)256 << 20;
bool read_whole(const char *path, std::string &out, size_t max);
bool read_whole(const char *path, FileBytes &out, size_t max);
