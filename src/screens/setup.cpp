// The settings writer: one key at a time, through a temporary copy.
#include "screens/setup.h"

#include "core/config.h"
#include "base/ownlib.h"
#include "base/tags.h"

#include <cstdio>
#include <cstring>

// Reads the next piece of a line, at most size - 1 bytes, with its line end; answers its length. A
// zero byte inside a line is kept, so the line is written back as it was.
static size_t read_piece(FILE *f, char *line, size_t size) {
    size_t n = 0;
    int c;
    while (n + 1 < size && (c = getc(f)) != EOF) {
        line[n++] = (char)c;
        if (c == '\n') break;
    }
    line[n] = 0;
    return n;
}

// Every line holding the key is replaced by "[KEY:VALUE]"; a key found nowhere is appended. The
// settings file is replaced only once the temporary copy was written whole, so a failed write
// never loses the old settings.
int ChangeIniValue(const char *key, const char *value) {
    FILE *in = fopen("oxa_ini.txt", "r");
    if (!in) return 0;
    FILE *out = fopen("oxa_ini_tmp.txt", "w");
    if (!out) {
        fclose(in);
        return 0;
    }
    char line[INI_LINE_MAX + 1];
    bool found = false, ok = true, line_open = false;
    size_t len;
    while ((len = read_piece(in, line, sizeof line)) > 0) {
        bool ends_line = line[len - 1] == '\n';
        if (ends_line) line[--len] = 0;
        if (tag_find(line, key, nullptr)) {
            found = true;
            if (fprintf(out, "[%s:%s]", key, value) < 0) ok = false;
        } else if (fwrite(line, 1, len, out) != len) {
            ok = false;
        }
        // A line longer than the buffer arrives in pieces and is written back whole.
        if (ends_line && fputc('\n', out) == EOF) ok = false;
        line_open = !ends_line;
    }
    if (ferror(in)) ok = false;
    if (line_open && fputc('\n', out) == EOF) ok = false;
    if (!found && fprintf(out, "[%s:%s]\n\n", key, value) < 0) ok = false;
    fclose(in);
    if (fclose(out) != 0) ok = false;
    if (!ok) return 0;
    // The copy goes to a side file first and is renamed over the settings, so the old settings
    // survive a failed copy; "oxa_ini_tmp.txt" stays beside them.
    if (!copyfile("oxa_ini_tmp.txt", "oxa_ini.txt.new")) {
        remove("oxa_ini.txt.new");
        return 0;
    }
    return rename("oxa_ini.txt.new", "oxa_ini.txt") == 0;
}
