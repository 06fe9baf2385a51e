// src/presentation/textwrap.h -- the word-wrap of the word table: where each word goes, which colour
// its markup tags ask for, and where the text ends. Both paragraph drawers (on the screen surface and
// through a renderer) lay out through it and differ only in how they put a word down.
#pragma once

// What a tag asks for: the caller's own colour (a closing tag) or a named one. The drawers choose the
// colour each name stands for.
enum WrapInk { WRAP_OWN, WRAP_RED, WRAP_GREEN, WRAP_LIGHTGRAY, WRAP_BLACK, WRAP_BLUE, WRAP_INDBLUE, WRAP_INFOBLUE };

// Puts down one word (with its trailing blank) at (x, y) in the ink in force.
using WrapPut = void (*)(void *ctx, int x, int y, const char *word, WrapInk ink);

struct WrapEnd {
    int x, y;     // the cursor after the last word
    int breaks;   // the line height added by every line break, "<br>" or wrap
};

// Reads the word table from its start and lays it out from (x, y) inside `width` pixels, `line_h`
// apart: a word of two or more letters that would pass the right edge starts a new line; "<br>"
// starts one too. Any word that begins with "<" is a tag and is never drawn; one not known is dropped.
// s_sanataulukko gets the words as laid out while they fit. `put` may be null (measuring only).
WrapEnd wrap_words(int x, int y, int width, int line_h, WrapPut put, void *ctx);
