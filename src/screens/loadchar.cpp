// Choosing a saved character from the folders of the working folder.
#include "screens/loadchar.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/show.h"

// The name in a character file, or "" when it is cut short, holds no name or isn't there.
static void name_in(const char *path, char *name, size_t size) {
    static PlayerStruct record;
    name[0] = 0;
    struct stat st;
    if (stat(path, &st) == 0 && S_ISREG(st.st_mode) && read_exact(path, &record, sizeof record) && record.name[0] != 0 &&
        memchr(record.name, 0, sizeof record.name))
        copy_bounded(name, size, record.name);
}

static bool is_file(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// The name of a folder's character file, when the folder holds one. A character file that is cut
// short or holds no name is offered by its folder's name: loading it tells which file is damaged. A
// folder whose last save was cut short in the middle of putting its files in place is offered too (by
// the name its kept old character file holds): the load finishes that save, or takes it back.
static bool character_name(const char *folder, char *name, size_t size) {
    char path[2 * LOADCHAR_FOLDER + 32];
    snprintf(path, sizeof path, "%s/%s.OXS", folder, folder);
    if (is_file(path)) {
        name_in(path, name, size);
        if (!name[0]) copy_bounded(name, size, folder);
        return true;
    }
    char list[LOADCHAR_FOLDER + 32], rollback[LOADCHAR_FOLDER + 32];
    snprintf(list, sizeof list, "%s/SAVE.COMMIT", folder);
    snprintf(rollback, sizeof rollback, "%s/SAVE.ROLLBACK", folder);
    snprintf(path, sizeof path, "%s/%s.OXS.prev", folder, folder);
    // An old character file beside no list is put back by the load's clean-up as well.
    if (!is_file(list) && !is_file(rollback) && !is_file(path)) return false;
    name_in(path, name, size);
    if (!name[0]) {
        snprintf(path, sizeof path, "%s/%s.OXS.new", folder, folder);
        name_in(path, name, size);
    }
    if (!name[0]) copy_bounded(name, size, folder);
    return true;
}

int list_saved_characters_from(int skip, SavedCharacter out[LOADCHAR_ROWS], int *more) {
    int rows = 0, seen = 0;
    if (more) *more = 0;
    if (own_firstfile("*") != 0) return 0;
    do {
        const char *entry = own_finddata_name();
        struct stat st;
        if (!entry || strlen(entry) >= LOADCHAR_FOLDER || stat(entry, &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        char name[LOADCHAR_NAME];
        if (!character_name(entry, name, sizeof name)) continue;
        if (seen++ < skip) continue;
        if (rows == LOADCHAR_ROWS) {   // one past the page: there is another page
            if (more) *more = 1;
            break;
        }
        copy_bounded(out[rows].name, sizeof out[rows].name, name);
        copy_bounded(out[rows].folder, sizeof out[rows].folder, entry);
        rows++;
    } while (own_nextfile() == 0);
    own_findclose();
    return rows;
}

int list_saved_characters(SavedCharacter out[LOADCHAR_ROWS]) { return list_saved_characters_from(0, out, nullptr); }

// A folder whose files this game may not even look at: it can't tell whether it holds a character.
static bool unreadable(const char *folder) {
    char path[2 * LOADCHAR_FOLDER + 32];
    snprintf(path, sizeof path, "%s/%s.OXS", folder, folder);
    struct stat st;
    return stat(path, &st) != 0 && (errno == EACCES || errno == EPERM);
}

int list_unreadable_folders(char (*out)[LOADCHAR_FOLDER], int max) {
    int n = 0;
    if (own_firstfile("*") != 0) return 0;
    do {
        const char *entry = own_finddata_name();
        struct stat st;
        if (!entry || strlen(entry) >= LOADCHAR_FOLDER || stat(entry, &st) != 0 || !S_ISDIR(st.st_mode) ||
            !unreadable(entry))
            continue;
        if (n < max) copy_bounded(out[n], LOADCHAR_FOLDER, entry);
        n++;
    } while (own_nextfile() == 0);
    own_findclose();
    return n;
}

// Every saved character stays within reach: past the names a page of the window holds the list
// pages on.
void load_character() {
    static SavedCharacter rows[LOADCHAR_ROWS];
    CharacterFile[0] = 0;
    // Folders it can't look into are named under the names, a few of them, each page a little
    // shorter for them.
    enum { UNREADABLE_SHOWN = 3 };
    static char unread[UNREADABLE_SHOWN][LOADCHAR_FOLDER];
    const int unreadable_count = list_unreadable_folders(unread, UNREADABLE_SHOWN);
    const int unreadable_rows = unreadable_count < UNREADABLE_SHOWN ? unreadable_count : UNREADABLE_SHOWN;
    const int page = LOADCHAR_PAGE - (unreadable_count ? unreadable_rows + 1 : 0);
    int skip = 0;
    for (;;) {
        int more = 0;
        int count = list_saved_characters_from(skip, rows, &more);
        if (count > page) {
            count = page;
            more = 1;
        }
        LIST_Reset(COLOR_WHITE(), "LOAD SAVED CHARACTER", LOADCHAR_X, LOADCHAR_Y, LOADCHAR_W, LOADCHAR_H, 6);
        if (count == 0 && skip == 0 && unreadable_count == 0) {
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
        if (unreadable_count) LIST_Entry(-1, "");
        for (int i = 0; i < unreadable_rows; i++) {
            char line[LOADCHAR_FOLDER + 40];
            if (i == UNREADABLE_SHOWN - 1 && unreadable_count > UNREADABLE_SHOWN)
                snprintf(line, sizeof line, "%d more can't be read", unreadable_count - i);
            else
                snprintf(line, sizeof line, "%s can't be read", unread[i]);
            LIST_Entry(-1, line);
        }
        LIST_Entry(-1, "");
        if (more) LIST_Entry('+', "+.Next page");
        if (skip > 0) LIST_Entry('-', "-.Previous page");
        LIST_Entry(KEY_ESC, "<ESC>.Exit");
        LIST_Draw();   // the list chooses over what is on the screen
        int chosen;
        do chosen = LIST_Go();
        while (chosen == KEY_WINDOW);
        if (chosen < 0) return;
        const int key = LIST_PosKey(chosen);
        if (key == '+') {
            skip += page;
            continue;
        }
        if (key == '-') {
            skip = skip > page ? skip - page : 0;
            continue;
        }
        if (chosen < count) copy_bounded(CharacterFile, sizeof CharacterFile, rows[chosen].folder);
        return;
    }
}
