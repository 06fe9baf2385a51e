// Case conversion. The game writes its letters with diaeresis as the key codes 132, 142, 148 and 153
// and meets the Latin-1 bytes 228, 196, 246 and 214 in data files; both are mapped.
#include "base/strupr.h"

#include "base/ownlib.h"
#include "base/sbuf.h"

#include <cctype>
#include <cstdio>
#include <cstring>

char *strupr(char *s) {
    if (!s) return s;
    for (unsigned char *p = (unsigned char *)s; *p; p++) *p = (unsigned char)toupper(*p);
    return s;
}

char *strlwr(char *s) {
    if (!s) return s;
    for (unsigned char *p = (unsigned char *)s; *p; p++) *p = (unsigned char)tolower(*p);
    return s;
}

static unsigned char upper_byte(unsigned char c) {
    c = (unsigned char)toupper(c);
    if (c == 132 || c == 142 || c == 228) return 196;
    if (c == 148 || c == 153 || c == 246) return 214;
    return c;
}

char *StrUpr_into(char *dst, size_t size, const char *s) {
    if (size == 0) return dst;
    if (!s) s = "";
    size_t i = 0;
    for (; s[i] && i + 1 < size; i++) dst[i] = (char)upper_byte((unsigned char)s[i]);
    dst[i] = 0;
    return dst;
}

char *StrUpr(const char *s) {
    static char buf[500];
    return StrUpr_into(buf, sizeof buf, s);
}

bool same_upper(const char *a, const char *b) {
    char ua[500], ub[500];
    return strcmp(StrUpr_into(ua, sizeof ua, a), StrUpr_into(ub, sizeof ub, b)) == 0;
}

char *StrLwr(const char *s) {
    char *buf = sbuf();
    copy_bounded(buf, SBUF_SIZE, s);
    for (unsigned char *p = (unsigned char *)buf; *p; p++) {
        *p = (unsigned char)tolower(*p);
        if (*p == 132 || *p == 142 || *p == 196) *p = 228;
        else if (*p == 148 || *p == 153 || *p == 214) *p = 246;
    }
    return buf;
}
