// src/base/tags.h -- the one reader of "[KEY:value]" fields in a line of text: the settings file, the
// skill table, the recipes, the item and plant lines and the weapon damage answers all hold them. The
// value runs from after the first "[KEY:" to the next ']', or to the end of the text when no bracket
// closes it.
#pragma once
#include <cstddef>

enum {
    TAG_KEY_MAX = 120,    // characters of a key; a longer key is never found
    TAG_VALUE_MAX = 99,   // characters of a value tag_value hands back
};

// The value of the first "[KEY:" in `text`: its first character, with its length in *len (when `len`
// is not null); null when `text` or `key` is null, the key is longer than TAG_KEY_MAX or the text
// holds no "[KEY:".
const char *tag_find(const char *text, const char *key, size_t *len);

// Copies that value into `out`, cut to size - 1 characters, and says in *cut (when not null) whether it
// was cut; false, with `out` and *cut untouched, when the text holds no "[KEY:".
bool tag_copy(const char *text, const char *key, char *out, size_t size, bool *cut = nullptr);

// The value cut to TAG_VALUE_MAX characters, or `def` ("" for null) when the text holds no "[KEY:" (a
// null key looks for "[:"), in a buffer of its own that the next call reuses.
char *tag_value(const char *text, const char *key, const char *def);
