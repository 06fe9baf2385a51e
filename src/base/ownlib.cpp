// Bits, text helpers, wildcard matching, line reading and angles.
#include "base/ownlib.h"

#include "base/strupr.h"

#include <cmath>
#include <cstring>

const int bitfield[16] = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384, 32768};

int bitval(int n) { return (n >= 0 && n < 16) ? bitfield[n] : 0; }
int flag(int v, int m) { return (v & m) ? 1 : 0; }
int flagOn(int v, int m) { return (v & m) ? v : v + m; }
int flagOff(int v, int m) { return (v & m) ? v - m : v; }

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

char *strrev(char *s) {
    static char empty[1];
    if (!s) {
        empty[0] = 0;
        return empty;
    }
    size_t n = strlen(s);
    for (size_t i = 0; i < n / 2; i++) {
        char c = s[i];
        s[i] = s[n - 1 - i];
        s[n - 1 - i] = c;
    }
    return s;
}

char *StrPtr_LastWord(char *s) {
    char *blank = strrchr(s, ' ');
    return blank ? blank + 1 : s;
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

int remstr(char *s, const char *part) {
    char upper_s[500], upper_part[500];
    copy_bounded(upper_s, sizeof upper_s, StrUpr(s));
    copy_bounded(upper_part, sizeof upper_part, StrUpr(part));
    size_t len = strlen(part);
    if (len == 0) return 0;
    char *at = strstr(upper_s, upper_part);
    if (!at) return 0;
    size_t off = (size_t)(at - upper_s);
    if (off + len > strlen(s)) return 0;
    memmove(s + off, s + off + len, strlen(s + off + len) + 1);
    return (int)len;
}

void strtasaa(char *s, int width) {
    int len = (int)strlen(s);
    if (len >= width) return;
    int pad = width - len;
    memmove(s + pad, s, (size_t)len + 1);
    memset(s, ' ', (size_t)pad);
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
    copy_bounded(p, sizeof p, StrUpr(pattern ? pattern : ""));
    copy_bounded(t, sizeof t, StrUpr(text ? text : ""));
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

static char tok_text[1024];
static char tok_separators[32];
static int tok_started;
static int tok_done;
char *token;
int tokvalue;

void tokinit(const char *text, const char *separators) {
    copy_bounded(tok_text, sizeof tok_text, text);
    copy_bounded(tok_separators, sizeof tok_separators, separators);
    tok_started = 0;
    tok_done = 0;
}

char *tokget() {
    static char *save;
    if (tok_done) return nullptr;
    char *t = strtok_r(tok_started ? nullptr : tok_text, tok_separators, &save);
    tok_started = 1;
    if (!t) tok_done = 1;
    token = t;
    return t;
}

unsigned int hex2dec(const char *s) {
    size_t len = strlen(s);
    unsigned int v = 0;
    for (size_t i = 0; i < len; i++) {
        unsigned int digit;
        char c = s[i];
        if (c >= '0' && c <= '9') digit = (unsigned)(c - '0');
        else if (c >= 'A' && c <= 'F') digit = (unsigned)(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') digit = (unsigned)(c - 'a' + 10);
        else digit = 0;
        unsigned int weight = 1;
        for (size_t k = 0; k < len - 1 - i; k++) weight *= 16;
        v += digit * weight;
    }
    return v;
}

char *itoa(int v, char *buf, int base) {
    if (base < 2 || base > 16) base = 10;
    char digits[40];
    int n = 0;
    unsigned int u = v < 0 ? (unsigned)(-(long long)v) : (unsigned)v;
    do {
        digits[n++] = "0123456789abcdef"[u % (unsigned)base];
        u /= (unsigned)base;
    } while (u);
    int o = 0;
    if (v < 0) buf[o++] = '-';
    while (n) buf[o++] = digits[--n];
    buf[o] = 0;
    return buf;
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
