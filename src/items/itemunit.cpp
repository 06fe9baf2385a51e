#include "items/itemunit.h"

#include "base/ownlib.h"
#include "items/invsel.h"
#include "core/notes.h"

#include <cstring>

char *invNote(const char *text, int quiet) {
    if (!text) text = "";
    if (!quiet) Note(text);
    copy_bounded(invNotebuf, sizeof invNotebuf, text[0] && strchr("!:?+=>", text[0]) ? text + 1 : text);
    return invNotebuf;
}
