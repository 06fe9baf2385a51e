// The rotating scratch buffers that text-returning functions hand back.
#include "presentation/tekstit.h"

#include <cstring>

static char sbuf_ring[SBUF_COUNT][SBUF_SIZE];
static int sbuf_next;

char *sbuf() {
    char *b = sbuf_ring[sbuf_next];
    sbuf_next = (sbuf_next + 1) % SBUF_COUNT;
    memset(b, 0, SBUF_SIZE);
    return b;
}
