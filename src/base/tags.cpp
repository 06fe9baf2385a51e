// The "[KEY:value]" reader.
#include "base/tags.h"

#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"

char *tag_value(const char *text, const char *key, const char *def) {
    static char out[100];
    char tag[100];
    bprintf(tag, sizeof tag, "[%s:", key ? key : "");
    const char *at = text ? strstr(text, tag) : nullptr;
    if (!at) {
        copy_bounded(out, sizeof out, def ? def : "");
        return out;
    }
    const char *from = at + strlen(tag);
    const char *close = strchr(from, ']');
    size_t len = close ? (size_t)(close - from) : strlen(from);
    if (len > sizeof out - 1) len = sizeof out - 1;
    memcpy(out, from, len);
    out[len] = 0;
    return out;
}
