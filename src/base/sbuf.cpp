// The rotating scratch buffers that text-returning functions hand back.
#include "base/sbuf.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

static char sbuf_pool[SBUF_COUNT][SBUF_SIZE];
static int sbuf_index;

char *sbuf() {
    sbuf_index = (sbuf_index + 1) % SBUF_COUNT;
    memset(sbuf_pool[sbuf_index], 0, SBUF_SIZE);
    return sbuf_pool[sbuf_index];
}

int bprintf(char *out, size_t size, const char *format, ...) {
    va_list args;
    va_start(args, format);
    int n = vsnprintf(out, size, format, args);
    va_end(args);
    return n;
}
