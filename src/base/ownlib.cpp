// Bits, text helpers, wildcard matching, line reading and angles.
#include "base/ownlib.h"

#include "base/strupr.h"

#include <cmath>
#include <cstring>

int flag(int v, int m) { return (v & m) ? 1 : 0; }

static int bit_mask(int from, int to) {
    if (from < 0) from = 0;
    if (to > 30) to = 30;
    if (to < from) return 0;
    return ((1 << (to - from + 1)) - 1) << from;
}

int ota_bittiarvo(int from, int to, int b) {
    if (from < 0 || to < from) return 0;
    return (b & bit_mask(from, to)) >> from;
}

int aseta_bittiarvo(int from, int to, int b, int value) {
    if (from < 0 || to < from) return b;
    int mask = bit_mask(from, to);
    return (b & ~mask) | ((value << from) & mask);
}

char *copy_bounded(char *dst, size_t size, const char *src) {
    if (size == 0) return dst;
    if (!src) src = "";
    size_t n = strnlen(src, size - 1);
    memcpy(dst, src, n);
    dst[n] = 0;
    return dst;
}

char *StrPtr_TwoLastWords(char *s) {
    size_t n = strlen(s);
    if (n < 2) return s;
    int found = 0;
    for (size_t i = n; i-- > 1;) {
        if (s[i] == ' ' && ++found == 2) return s + i + 1;
    }
    return s;
}

static int wild_match(const char *p, const char *t) {
    // Iterative matcher with one backtrack point for the last "*": linear in practice, never recursive.
    const char *star = nullptr, *resume = nullptr;
    while (*t) {
        if (*p == '?' || (*p && *p != '*' && *p == *t)) {
            p++;
            t++;
        } else if (*p == '*') {
            star = p++;
            resume = t;
        } else if (star) {
            p = star + 1;
            t = ++resume;
        } else {
            return 0;
        }
    }
    while (*p == '*') p++;
    return *p == 0;
}

int wildcmp(const char *pattern, const char *text) {
    char p[300], t[300];
    // Each into its own buffer: a text handed over in StrUpr's buffer is never overwritten by the other.
    StrUpr_into(p, sizeof p, pattern);
    StrUpr_into(t, sizeof t, text);
    return wild_match(p, t);
}

char *fgetstr(char *buf, int n, FILE *f) {
    if (n < 2 || !f) return nullptr;
    for (;;) {
        if (!fgets(buf, n, f)) return nullptr;
        char *cut = strrchr(buf, '\r');
        if (cut) *cut = 0;
        cut = strrchr(buf, '\n');
        if (cut) *cut = 0;
        if ((buf[0] == '/' && buf[1] == '/') || (buf[0] == '#' && buf[1] == '#')) continue;
        return buf;
    }
}

// a / b as a percentage, rounded up and capped at 100; nothing to divide by, or a negative ratio, is 0.
uint8_t pct(int a, int b) {
    if (b == 0) return 0;
    long long num = (long long)a * 100, den = b;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (num <= 0) return 0;
    long long p = (num + den - 1) / den;   // exact, so 7 of 100 is 7, not 8
    return (uint8_t)(p > 100 ? 100 : p);
}

float calcAngle(int x0, int y0, int x1, int y1) {
    float a = (float)(atan2((double)(y1 - y0), (double)(x1 - x0)) * 57.29577957855229);
    if (a < 0) a += 360;
    return a;
}

int Kulma_Ilmansuunnaksi(float angle) {
    int a = (int)angle;
    if (a < 23 || a >= 338) return 0;
    static const int sector[7] = {7, 6, 5, 4, 3, 2, 1};
    for (int i = 0; i < 7; i++) {
        int centre = 45 * (i + 1);
        if (std::abs(a - centre) < 23) return sector[i];
    }
    return 0;
}
