// Large work memory on need.
#include "base/reserve.h"

#include <cstdio>
#include <cstdlib>

#include "base/ui.h"

bool (*reserve_refuses)(size_t size);

void *reserve_try(size_t size) {
    if (reserve_refuses && reserve_refuses(size)) return nullptr;
    return calloc(size ? size : 1, 1);
}

void *reserve_try_unfilled(size_t size) {
    if (reserve_refuses && reserve_refuses(size)) return nullptr;
    return malloc(size ? size : 1);
}

void *reserve_or_quit(size_t size, const char *what) {
    void *p = reserve_try(size);
    if (p) return p;
    char text[256];
    snprintf(text, sizeof text, "Out of memory: %s (%zu kB)", what && what[0] ? what : "work memory", (size + 1023) / 1024);
    oxa_quit(text);
}

void reserve_release(void *p) { free(p); }
