// The word-wrap of the word table and its markup tags.
#include "presentation/textwrap.h"

#include "base/ownlib.h"
#include "presentation/show.h"
#include "core/tekstit.h"

#include <cstring>

enum { LAID_MAX = 300 };

// The word with its trailing blank, as laid out; remembered in s_sanataulukko while it fits.
static void take_word(const char *word, char (&out)[LAID_MAX]) {
    copy_bounded(out, sizeof out - 1, word);
    const char *next = SANATAULUKKO_LueTulevaSana();
    if (next && next[0] && next[0] != '.') strncat(out, " ", sizeof out - strlen(out) - 1);
    size_t used = strlen(s_sanataulukko), add = strlen(out);
    if (used + add < sizeof s_sanataulukko) memcpy(s_sanataulukko + used, out, add + 1);
}

static const struct {
    const char *tag;
    WrapInk ink;
} TAGS[] = {
    {"<red>", WRAP_RED},           {"<green>", WRAP_GREEN},       {"</green>", WRAP_OWN},
    {"<lightgray>", WRAP_LIGHTGRAY}, {"</lightgray>", WRAP_OWN}, {"<black>", WRAP_BLACK},
    {"<blue>", WRAP_BLUE},         {"</blue>", WRAP_OWN},         {"<indblue>", WRAP_INDBLUE},
    {"</indblue>", WRAP_OWN},      {"<infoblue>", WRAP_INFOBLUE}, {"</infoblue>", WRAP_OWN},
};

WrapEnd wrap_words(int x, int y, int width, int line_h, WrapPut put, void *ctx) {
    SANATAULUKKO_AlustaLuku();
    s_sanataulukko[0] = 0;
    const int right = x + width;
    WrapEnd at = {x, y, 0};
    WrapInk ink = WRAP_OWN;
    for (;;) {
        const char *word = SANATAULUKKO_LueSana();
        if (!word || !word[0]) break;
        if (word[0] == '<') {
            if (!strcmp(word, "<br>")) {
                at.x = x;
                at.y += line_h;
                at.breaks += line_h;
            }
            for (const auto &t : TAGS)
                if (!strcmp(word, t.tag)) ink = t.ink;
            continue;
        }
        int len = (int)strlen(word);
        if (at.x + textlenw(len) > right && len >= 2) {
            at.x = x;
            at.y += line_h;
            at.breaks += line_h;
        }
        char out[LAID_MAX];
        take_word(word, out);
        if (put) {
            // The blank after a word is room, not letters: at the right edge it is not drawn past it.
            char shown[LAID_MAX];
            copy_bounded(shown, sizeof shown, out);
            for (size_t n = strlen(shown); n > 0 && shown[n - 1] == ' ' && at.x + textwidth(shown) > right;)
                shown[--n] = 0;
            put(ctx, at.x, at.y, shown, ink);
        }
        at.x += textwidth(out);
    }
    return at;
}
