// The command dispatcher: one entry for every player activity by its action code, the
// repeat-last-action memory and the key help lines, all read from the rows of the command table.
#include "game/toimi.h"

#include "activities/actions.h"
#include "game/command.h"
#include "game/loader.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "maps/mapunit.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/player.h"

#include <cstdio>
#include <cstring>

char s_selite[256];
char s_komentoselite[1024];

void Toimi(int action, int value, const char *text) {
    if (action == ACTION_NONE) return;
    const Command *c = command_by_code(action);
    // A code without a row passes through the repeat step and does nothing else.
    const unsigned flags = c ? c->flags : CMD_REMEMBERED;
    com(Toiminta(action));
    if ((flags & CMD_LOCAL_FIRST) && non_outdoor()) return;
    if (flags & CMD_REMEMBERED) {
        Komentohistoria = action;
        Komentotarkenne = value;
        // The memory holds 99 characters; a longer text is cut there.
        if (text != Komentotekstitarkenne)
            copy_bounded(Komentotekstitarkenne, sizeof Komentotekstitarkenne, text ? text : "");
    }
    if ((flags & CMD_LOCAL_AFTER) && non_outdoor()) return;
    if (!c || !c->run) return;     // named codes without work of their own
    // The repeated text may be overwritten by the work itself: hand over a copy.
    char arg[TOIMI_TEXT];
    copy_bounded(arg, sizeof arg, text ? text : "");
    c->run(value, text ? arg : nullptr);
}

// ---- key help ----------------------------------------------------------------------------------

const char *Nappainkomennon_Selite(int key, int detail) {
    const char *text = "some action";
    const Command *found = command_help_row(key);
    if (found && found->help) text = detail && found->help_detail ? found->help_detail : found->help;
    copy_bounded(s_selite, sizeof s_selite, text);
    return s_selite;
}

char *oxakeytos(unsigned key) {
    char *buf = sbuf();
    if (key == KEY_ESC) copy_bounded(buf, SBUF_SIZE, "ESC");
    else if (key == KEY_DELETE) copy_bounded(buf, SBUF_SIZE, "DEL");
    else if (key == KEY_ENTER) copy_bounded(buf, SBUF_SIZE, "ENTER");
    else if (key >= KEY_F1 && key <= KEY_F7) snprintf(buf, SBUF_SIZE, "F%u", key - KEY_F1 + 1);
    else buf[0] = (char)key;
    return buf;
}

// A bound key with a second one shows both: asked by its main key, or by a second key that types no
// character (a function key, Delete); a second key that types one names itself alone.
char *Nappainkomento_Naytto(unsigned key) {
    char *s = s_komentoselite;
    s[0] = 0;
    const int k = (int)key;
    const Command *row = command_help_row(k);
    if (row && row->bound != BOUND_NONE && row->key2 && (k == row->key || k > 255))
        snprintf(s, sizeof s_komentoselite, "[%s] or [%s] ", oxakeytos((unsigned)row->key),
                 oxakeytos((unsigned)row->key2));
    else if (key == KEY_CTRL_S) copy_bounded(s, sizeof s_komentoselite, "[CTRL]+[s] ");
    else if (key == KEY_ENTER) copy_bounded(s, sizeof s_komentoselite, "ENTER.");
    else if (key == KEY_ESC) copy_bounded(s, sizeof s_komentoselite, "ESC.");
    else if (key >= KEY_F1 && key <= KEY_F7) snprintf(s, sizeof s_komentoselite, "F%u.", key - KEY_F1 + 1);
    else snprintf(s, sizeof s_komentoselite, "%c.", (char)key);
    size_t used = strlen(s);
    copy_bounded(s + used, sizeof s_komentoselite - used, Nappainkomennon_Selite(k, 1));
    return s;
}
