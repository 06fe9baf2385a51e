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

char *StrUpr(const char *s) {
    static char buf[500];
    copy_bounded(buf, sizeof buf, s);
    for (unsigned char *p = (unsigned char *)buf; *p; p++) {
        *p = (unsigned char)toupper(*p);
        if (*p == 132 || *p == 142 || *p == 228) *p = 196;
        else if (*p == 148 || *p == 153 || *p == 246) *p = 214;
    }
    return buf;
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
