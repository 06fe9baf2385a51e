// src/creatures/crefile.cpp -- the character's creature file: making it, reading and writing its
// records, and the creatures of a local map brought in at entry and written back at exit.
#include "creatures/crefile.h"

#include <cstdio>
#include <cstring>

int cre_file_create(const char *path, int records) {
    FILE *f = fopen(path, "wb");
    if (!f) return 0;
    static const CreatureStruct blank{};
    bool ok = true;
    for (int i = 0; i < records && ok; i++) ok = fwrite(&blank, sizeof blank, 1, f) == 1;
    if (fclose(f) != 0) ok = false;
    if (!ok) remove(path);
    return ok ? 1 : 0;
}
