// src/base/strupr.h -- case conversion that knows the game's letters with diaeresis
// (132 a-umlaut, 142 A-umlaut, 148 o-umlaut, 153 O-umlaut, and their Latin-1 forms).
#pragma once

char *strupr(char *s);
char *strlwr(char *s);
char *StrUpr(const char *s);       // static 500-byte buffer
char *StrLwr(const char *s);       // scratch buffer
