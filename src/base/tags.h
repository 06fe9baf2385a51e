// src/base/tags.h -- reading "[KEY:value]" fields in a line of text. The value runs from after the
// first "[KEY:" to the next ']', or to the end of the text when no bracket closes it.
#pragma once

// The value cut to 99 characters, or `def` ("" for null) when the text holds no "[KEY:" (a null key
// looks for "[:"), in a buffer of its own that the next call reuses.
char *tag_value(const char *text, const char *key, const char *def);
