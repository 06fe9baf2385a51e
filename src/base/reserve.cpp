// Large work memory on need. The last two blocks of at most a megabyte let go are kept for the next
// request of their size: a task that takes the same work memory at every step (a save's copies of the
// pools) is served memory already in use, not fresh pages the system must clear and map for it.
#include "base/reserve.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ui.h"

bool (*reserve_refuses)(size_t size);

namespace {
// Each block starts with its size, in room that keeps what follows aligned as the allocator aligns it.
constexpr size_t HEADER = 16;
constexpr size_t SPARE_MAX = (size_t)1 << 20;
struct Spare {
    void *block;
    size_t size;
};
Spare spares[2];

void *take(size_t size, bool clear) {
    if (reserve_refuses && reserve_refuses(size)) return nullptr;
    for (Spare &s : spares)
        if (s.block && s.size == size) {
            char *p = static_cast<char *>(s.block) + HEADER;
            s.block = nullptr;
            if (clear) memset(p, 0, size);
            return p;
        }
    if (size > SIZE_MAX - HEADER - 1) return nullptr;
    void *block = clear ? calloc(HEADER + size + 1, 1) : malloc(HEADER + size + 1);
    if (!block) return nullptr;
    memcpy(block, &size, sizeof size);
    return static_cast<char *>(block) + HEADER;
}
}  // namespace

void *reserve_try(size_t size) { return take(size, true); }

void *reserve_try_unfilled(size_t size) { return take(size, false); }

void *reserve_or_quit(size_t size, const char *what) {
    void *p = reserve_try(size);
    if (p) return p;
    char text[256];
    snprintf(text, sizeof text, "Out of memory: %s (%zu kB)", what && what[0] ? what : "work memory", (size + 1023) / 1024);
    oxa_quit(text);
}

void reserve_release(void *p) {
    if (!p) return;
    void *block = static_cast<char *>(p) - HEADER;
    size_t size;
    memcpy(&size, block, sizeof size);
    if (size <= SPARE_MAX)
        for (Spare &s : spares)
            if (!s.block) {
                s.block = block;
                s.size = size;
                return;
            }
    free(block);
}
