// The settings file reader.
#include "base/settings.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/tags.h"

static const char *const INI_FILE = "oxa_ini.txt";

// Reads the next line of at most INI_LINE_MAX characters (a longer line comes in pieces) with its
// line end stripped, skipping comment lines.
static bool next_setting_line(FILE *f, char *line, int size) {
    while (fgets(line, size, f)) {
        line[strcspn(line, "\r\n")] = 0;
        if ((line[0] == '/' && line[1] == '/') || (line[0] == '#' && line[1] == '#')) continue;
        return true;
    }
    return false;
}

char *inival(const char *key, const char *def) {
    char *result = sbuf();
    copy_bounded(result, SBUF_SIZE, def);
    FILE *f = fopen(INI_FILE, "r");
    if (!f) return result;
    char line[INI_LINE_MAX + 1];
    while (next_setting_line(f, line, sizeof line))
        if (tag_copy(line, key, result, INI_VALUE_MAX + 1)) break;
    fclose(f);
    return result;
}

int inivalyes(const char *key) { return strcmp(inival(key, "NO"), "YES") == 0; }

int inivaldefyes(const char *key) { return strcmp(inival(key, "YES"), "NO") != 0; }
