// The rotating scratch buffers that text-returning functions hand back.
#include "presentation/tekstit.h"

#include <cstring>

static char sbuf_pool[SBUF_COUNT][SBUF_SIZE];
static int sbuf_index;

char *sbuf() {
    sbuf_index = (sbuf_index + 1) % SBUF_COUNT;
    memset(sbuf_pool[sbuf_index], 0, SBUF_SIZE);
    return sbuf_pool[sbuf_index];
}

// Stands in until the message texts are loaded by key.
void oxa_textinit() {}
