// Choosing a saved character from the folders of the working folder.
#include "screens/loadchar.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/show.h"

// The name of a folder's character file, when the folder holds one. A character file that is cut
// short or holds no name is offered by its folder's name: loading it tells which file is damaged.
static bool character_name(const char *folder, char *name, size_t size) {
    char path[2 * LOADCHAR_FOLDER + 8];
    snprintf(path, sizeof path, "%s/%s.OXS", folder, folder);
    struct stat st;
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    static PlayerStruct record;
    if (read_exact(path, &record, sizeof record) && record.name[0] != 0 && memchr(record.name, 0, sizeof record.name))
        copy_bounded(name, size, record.name);
    else
        copy_bounded(name, size, folder);
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


void load_character() {
    static SavedCharacter rows[LOADCHAR_ROWS];
    CharacterFile[0] = 0;
    const int count = list_saved_characters(rows);
    LIST_Reset(COLOR_WHITE(), "LOAD SAVED CHARACTER", 610, 80, 180, 300, 6);
    if (count == 0) {
        LIST_Draw();
        const uint32_t colour = RGB_to_color(240, 230, 140);
        showtext(620, 110, "No saved files!", colour, 0);
        showtext(620, 140, "Press a key...", colour, 0);
        Flip();
        getkey();
        return;
    }
    // The names are plain lines of the list, not key caps: a cap would hide the name under the
    // highlight and run into the next row.
    for (int i = 0; i < count; i++) LIST_Entry(0, rows[i].name);
    LIST_Entry(-1, "");
    LIST_Entry(KEY_ESC, "<ESC>.Exit");
    LIST_Draw();   // the list chooses over what is on the screen
    for (;;) {
        const int chosen = LIST_Go();
        if (chosen == KEY_WINDOW) continue;
        if (chosen < 0) return;
        if (chosen < count) copy_bounded(CharacterFile, sizeof CharacterFile, rows[chosen].folder);
        return;
    }
}
