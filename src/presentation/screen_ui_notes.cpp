// The screen's answers to the rules' notes: the note box and the message log viewer.
#include "presentation/screen_ui.h"

#include "base/ui.h"
#include "presentation/msglog.h"
#include "presentation/notes.h"

void screen_ui_notes(UiNotes &t) {
    notebox_seam(t);
    t.message_log = msglog_view;
}
