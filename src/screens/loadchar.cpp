// Choosing a saved character from the folders of the working folder.
#include "screens/loadchar.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/ownlib.h"
#include "core/records.h"

// The name of a folder's character file, when the folder holds a whole one.
static bool character_name(const char *folder, char *name, size_t size) {
    char path[2 * LOADCHAR_FOLDER + 8];
    snprintf(path, sizeof path, "%s/%s.OXS", folder, folder);
    static PlayerStruct record;
    if (!read_exact(path, &record, sizeof record)) return false;
    copy_bounded(name, size, record.name);
    return true;
}

int list_saved_characters(SavedCharacter out[LOADCHAR_ROWS]) {
    int rows = 0;
    if (own_firstfile("*") != 0) return 0;
    do {
        const char *entry = own_finddata_name();
        struct stat st;
        if (!entry || strlen(entry) >= LOADCHAR_FOLDER || stat(entry, &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        if (!character_name(entry, out[rows].name, sizeof out[rows].name)) continue;
        copy_bounded(out[rows].folder, sizeof out[rows].folder, entry);
        rows++;
    } while (rows < LOADCHAR_ROWS && own_nextfile() == 0);
    own_findclose();
    return rows;
}
