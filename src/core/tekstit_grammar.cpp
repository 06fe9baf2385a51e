// English grammar of the game's texts: articles, plurals, counted item names, capitals, cuts, tags,
// and the kill log's counts.
#include "core/tekstit.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/crefunc.h"
#include "core/tekstit_records.h"

#include <cctype>
#include <cstdio>
#include <cstring>

unsigned Tappolista[1000];
unsigned Tappolista_kulttuuri[15];

static bool ends_with(const char *s, const char *end) {
    size_t n = strlen(s), m = strlen(end);
    return n >= m && !strcmp(s + n - m, end);
}

static bool vowel(char c) { return c && strchr("aeiouAEIOU", c); }

char *an(const char *text) {
    char *out = sbuf();
    const char *t = text ? text : "";
    if (!t[0] || !strncmp(t, "a ", 2) || !strncmp(t, "an ", 3) || isdigit((unsigned char)t[0]))
        copy_bounded(out, SBUF_SIZE, t);
    else
        bprintf(out, SBUF_SIZE, vowel(t[0]) ? "an %s" : "a %s", t);
    return out;
}

char *the(const char *text) {
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "the %s", text ? text : "");
    return out;
}

// Replaces the last `cut` characters of s (a scratch buffer) by `with`.
static void replace_end(char *s, size_t cut, const char *with) {
    size_t n = strlen(s);
    s[n - cut] = 0;
    strncat(s, with, SBUF_SIZE - strlen(s) - 1);
}

char *mon(const char *name) {
    char *s = StrLwr(name ? name : "");
    size_t n = strlen(s);
    char *slash = strchr(s, '/');
    if (slash) {
        memmove(s, slash + 1, strlen(slash + 1) + 1);
        return s;
    }
    if (!n) return s;
    if (ends_with(s, "fe")) {
        replace_end(s, 2, "ves");
    } else if (s[n - 1] == 'f' && n >= 2 && (strchr("lraeiou", s[n - 2]))) {
        replace_end(s, 1, "ves");
    } else if (n >= 5 && ends_with(s, "staff")) {
        replace_end(s, 2, "ves");
    } else if (strstr(s, "tooth") && ends_with(s, "ooth")) {
        replace_end(s, 4, "eeth");
    } else if (strstr(s, "lock of wood")) {
        s[1] = 0;
        strncat(s, "locks of wood", SBUF_SIZE - 2);
    } else if (ends_with(s, "x")) {
        replace_end(s, 0, "es");
    } else if (n >= 3 && ends_with(s, "ch")) {
        replace_end(s, 0, "es");
    } else if (ends_with(s, "ry")) {
        replace_end(s, 1, "ies");
    } else if (!ends_with(s, "s")) {
        replace_end(s, 0, "s");
    }
    return s;
}

char *yks(const char *name) {
    static char out[40];
    copy_bounded(out, sizeof out, name ? name : "");
    char *slash = strchr(out, '/');
    if (slash) *slash = 0;
    return out;
}

// The plural of a counted item name: "s" (or "es" after "h") on the word before " of ", else on the
// end, with the endings mended. A name that already ended in "s" gets no doubled ending.
static void counted_plural(char *t, size_t size) {
    bool had_s = ends_with(t, "s");
    char *of = strstr(t, " of ");
    if (of) {
        char rest[100];
        copy_bounded(rest, sizeof rest, of);
        *of = 0;
        strncat(t, of > t && of[-1] == 'h' ? "es" : "s", size - strlen(t) - 1);
        strncat(t, rest, size - strlen(t) - 1);
    } else {
        strncat(t, "s", size - strlen(t) - 1);
    }
    size_t n = strlen(t);
    if (ends_with(t, "hs") || ends_with(t, "ss")) {
        t[n - 1] = 0;
        strncat(t, "es", size - strlen(t) - 1);
    }
    n = strlen(t);
    if (had_s && ends_with(t, "rses")) t[n - 2] = 0;
    n = strlen(t);
    if (ends_with(t, "fes")) {
        t[n - 3] = 0;
        strncat(t, "ves", size - strlen(t) - 1);
    }
    n = strlen(t);
    if (had_s && ends_with(t, "eses")) t[n - 2] = 0;
    n = strlen(t);
    if (ends_with(t, "rrys")) {
        t[n - 2] = 0;
        strncat(t, "ies", size - strlen(t) - 1);
    }
}

char *EsineTeksti(int count, const char *name, int style, int article) {
    static char out[100];
    char t[100];
    copy_bounded(t, sizeof t, StrLwr(name ? name : ""));
    if (count > 1) counted_plural(t, sizeof t);
    if (article == 1 && count == 1 && !ends_with(t, "s")) {
        char a[100];
        bprintf(a, sizeof a, vowel(t[0]) ? "An %s" : "A %s", t);
        copy_bounded(t, sizeof t, a);
    }
    if (style == 0 && count > 1)
        bprintf(out, sizeof out, "%s * %d", t, count);
    else if (style == 1 && count > 1)
        bprintf(out, sizeof out, "%d %s", count, t);
    else if (style == 3 && count >= 2)
        bprintf(out, sizeof out, "some %s (%d)", t, count);
    else
        copy_bounded(out, sizeof out, t);
    out[0] = (char)toupper((unsigned char)out[0]);
    return out;
}

char *Alkuk(char *text) {
    if (text && text[0]) text[0] = (char)toupper((unsigned char)text[0]);
    return text;
}

char *alkuk(char *text) {
    if (text && text[0]) text[0] = (char)tolower((unsigned char)text[0]);
    return text;
}

char *StrSkandit(const char *text) {
    static char out[400];
    copy_bounded(out, sizeof out, text ? text : "");
    for (char *p = out; *p; ++p)
        if ((unsigned char)*p == 132) *p = (char)228;
    return out;
}

char *lue_tag(const char *text, const char *pair) {
    char between[400] = "";
    const char *open = text && pair ? strchr(text, pair[0]) : nullptr;
    if (open) {
        const char *close;
        if (pair[0] == pair[1])
            close = open[1] ? strchr(open + 2, pair[1]) : nullptr;
        else
            close = strchr(text, pair[1]);
        if (close && close > open) {
            size_t len = (size_t)(close - open - 1);
            if (len > sizeof between - 1) len = sizeof between - 1;
            memcpy(between, open + 1, len);
            between[len] = 0;
        }
    }
    return StrSkandit(between);
}

char *plrnam() {
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "%s %s", texts_plr_firstname(), texts_plr_secondname());
    return out;
}

// One record of the kill log: 1540 bytes, of which the count reads the kind at byte 8, the creature
// number at byte 12 and its culture at byte 436.
enum { DATALOG_RECORD = 1540 };

void KirjoitaLoki(const void *) {}
