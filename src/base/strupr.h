// src/base/strupr.h -- case conversion that knows the game's letters with diaeresis
// (132 a-umlaut, 142 A-umlaut, 148 o-umlaut, 153 O-umlaut, and their Latin-1 forms).
#pragma once
#include <cstddef>

char *strupr(char *s);
char *strlwr(char *s);
char *StrUpr(const char *s);       // static 500-byte buffer
// StrUpr's mapping into the caller's buffer (at most size - 1 bytes): safe whatever buffer `s` lives
// in, StrUpr's own included. Answers dst.
char *StrUpr_into(char *dst, size_t size, const char *s);
// Whether two texts are the same but for case (StrUpr's mapping), wherever either lives.
bool same_upper(const char *a, const char *b);
char *StrLwr(const char *s);       // scratch buffer
