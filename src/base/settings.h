// src/base/settings.h -- the settings file "oxa_ini.txt": "[KEY:value]" fields read by key every time
// a caller asks, so a change written by the setup screen is seen by the next read. What each setting
// does is the game's own (core/config.h).
#pragma once

enum { INI_LINE_MAX = 999, INI_VALUE_MAX = 99 };

// The value of the first line holding "[KEY:", cut to INI_VALUE_MAX characters, or `def` when no line
// holds it or there is no file; comment lines ("//", "##") are skipped, and a line longer than
// INI_LINE_MAX is read in pieces. A scratch buffer: copy it before it is reused.
char *inival(const char *key, const char *def);
int inivalyes(const char *key);      // the value is "YES" (default "NO")
int inivaldefyes(const char *key);   // the value is anything but "NO" (default "YES")
