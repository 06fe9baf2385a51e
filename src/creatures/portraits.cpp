// src/creatures/portraits.cpp -- the portrait groups and the copy of a character's portrait.
#include "creatures/portraits.h"

#include <glob.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/ownlib.h"

char facelist[FACELIST_MAX][FACELIST_NAME];

int create_facelist(const char *group) {
    for (auto &f : facelist) f[0] = 0;
    char pattern[128];
    snprintf(pattern, sizeof pattern, "truegfx/%s*.png", group);
    glob_t g{};
    int n = 0;
    if (glob(pattern, 0, nullptr, &g) == 0) {
        for (size_t i = 0; i < g.gl_pathc; i++) {
            const char *path = g.gl_pathv[i];
            const char *slash = strrchr(path, '/');
            const char *name = slash ? slash + 1 : path;
            if (strlen(name) >= FACELIST_NAME) continue;   // no name is ever cut into another
            // A full list keeps the last one found in its last place.
            copy_bounded(facelist[n < FACELIST_MAX ? n : FACELIST_MAX - 1], FACELIST_NAME, name);
            if (n < FACELIST_MAX) n++;
        }
    }
    globfree(&g);
    return n;
}

int Female_Portraits() { return create_facelist("fem"); }
int Eastern_Portraits() { return create_facelist("east"); }
int Western_Portraits() { return create_facelist("west"); }
int Northern_Portraits() { return create_facelist("north"); }
int Kid_Portraits() { return create_facelist("kid"); }

int facelist_count() {
    int n = 0;
    while (n < FACELIST_MAX && facelist[n][0]) n++;
    return n;
}

const char *Pick_Portrait(int n) {
    const int count = facelist_count();
    if (n == -1) n = count > 0 ? random(count) : 0;
    if (n < 0 || n >= count) return "";
    return facelist[n];
}

// A portrait name is a plain file of truegfx/: no folder, no way up.
static bool safe_name(const char *name) {
    return name && name[0] && name[0] != '.' && !strchr(name, '/') && !strchr(name, '\\');
}

// A portrait picture is small; anything larger is not one of ours.
enum { PORTRAIT_MAX_BYTES = 4 << 20 };

static long file_size(const char *path) {
    FILE *f = fopen(path, "rb");
    if (!f) return -1;
    long n = -1;
    if (fseek(f, 0, SEEK_END) == 0) n = ftell(f);
    fclose(f);
    return n;
}

int saveportrait(const char *portrait, const char *folder) {
    char bare[24];
    copy_bounded(bare, sizeof bare, portrait ? portrait : "");
    if (!safe_name(bare) || !folder || !folder[0]) return 0;
    char from[64], to[1200];
    snprintf(from, sizeof from, "truegfx/%s", bare);
    snprintf(to, sizeof to, "%s/portrait.png", folder);
    const long size = file_size(from);
    if (size <= 0 || size > PORTRAIT_MAX_BYTES) return 0;
    static std::vector<char> pic, old;
    pic.resize((size_t)size);
    if (!read_exact(from, pic.data(), pic.size())) return 0;
    // The same picture already there is left alone; another is replaced whole, never written into.
    if (file_size(to) == size) {
        old.resize((size_t)size);
        if (read_exact(to, old.data(), old.size()) && old == pic) return 1;
    }
    return write_atomic(to, pic.data(), pic.size()) ? 1 : 0;
}
