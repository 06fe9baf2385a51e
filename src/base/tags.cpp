// The "[KEY:value]" reader.
#include "base/tags.h"

#include <cstring>

#include "base/ownlib.h"

const char *tag_find(const char *text, const char *key, size_t *len) {
    if (!text || !key) return nullptr;
    const size_t keylen = strlen(key);
    if (keylen > TAG_KEY_MAX) return nullptr;
    char needle[TAG_KEY_MAX + 3];
    needle[0] = '[';
    memcpy(needle + 1, key, keylen);
    needle[keylen + 1] = ':';
    needle[keylen + 2] = 0;
    const char *at = strstr(text, needle);
    if (!at) return nullptr;
    const char *value = at + keylen + 2;
    if (len) *len = strcspn(value, "]");
    return value;
}

bool tag_copy(const char *text, const char *key, char *out, size_t size, bool *cut) {
    size_t len;
    const char *value = tag_find(text, key, &len);
    if (!value || size == 0) return value != nullptr;
    const bool too_long = len > size - 1;
    if (too_long) len = size - 1;
    memcpy(out, value, len);
    out[len] = 0;
    if (cut) *cut = too_long;
    return true;
}

char *tag_value(const char *text, const char *key, const char *def) {
    static char out[TAG_VALUE_MAX + 1];
    if (!tag_copy(text, key ? key : "", out, sizeof out)) copy_bounded(out, sizeof out, def ? def : "");
    return out;
}
